#pragma once

#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <vector>

#include "logic/windows/form_layout.h"

namespace banknotes {

class FormZoom;

// The object name of a described control, its id: "Text3_0", or "Frame1" for a
// control of its own. Tests and screen readers' tools find controls by it.
QString ObjectName(const Control& control);

// Stops the program, naming `control`, which the window takes for another kind.
[[noreturn]] void WrongKind(const Control& control);

// A built control's widget as the window takes it: a control of another kind is
// a fault of the table, which stops the program with the control's name.
template <typename T>
T* As(QWidget* widget, const Control& control) {
  T* as = dynamic_cast<T*>(widget);
  if (!as) WrongKind(control);
  return as;
}

// A described window's frame: a title, its system menu, minimise and close, and
// no maximise, since its controls stand at fixed places.
inline constexpr Qt::WindowFlags kFormWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The index of the chosen option of a group; the first where none is chosen.
template <std::size_t N>
int Chosen(const std::array<QRadioButton*, N>& options) {
  for (std::size_t i = 0; i < N; ++i)
    if (options[i]->isChecked()) return static_cast<int>(i);
  return 0;
}

// Builds a described window's controls on the desktop: each control the widget of
// its kind (a LinesView for a list), with its caption, colours (black text on
// them, whatever the desktop's palette), alignment, limit, accessible name and
// description, placed by `zoom` in its container and chained in tab order; each
// label names its box for screen readers; what belongs to one option is shown
// while that option is chosen. It gives the window its background.
// It adds no behaviour: what a click does and what a list shows stay with the
// window. The focus is put where the description starts it. A control whose
// frame, box or option is not built before it stops the program with its name.
// Returns the widgets in the order of `layout.controls`, none for a control only
// the page has.
std::vector<QWidget*> BuildControls(QWidget& window, const FormLayout& layout, FormZoom& zoom);

}  // namespace banknotes
