#pragma once

#include <QObject>
#include <functional>
#include <string_view>
#include <vector>

#include "logic/windows/window_content.h"
#include "logic/windows/window_logic.h"

class QWidget;

namespace banknotes {

class FormZoom;
class ListLinesModel;
class MoneyLines;

// A described window's controls built and bound to its content: every control
// that holds something is read and written by its kind, never by its meaning,
// and what the user does with a control is reported by the control's id. A
// control of another kind than the table says stops the program, naming it.
// It holds no content of its own.
class ContentBinder : public QObject {
 public:
  using Used = std::function<void(std::string_view id, Use use)>;
  ContentBinder(QWidget& window, const FormLayout& layout, FormZoom& zoom, Used used);

  // What the controls hold; a control only the page has keeps the table's. What
  // is drawn is not read back: the logic writes it from the rest.
  WindowContent Read() const;
  // Changes what differs, and only that, so that a box keeps its cursor.
  void Write(const WindowContent& content);

 private:
  void Bind(std::size_t i);
  // Dragging control `i` onto the control its row names presses it.
  void BindDrag(std::size_t i);
  // How list `i` draws its lines, where it draws them as money.
  MoneyLines* DrawnLines(std::size_t i) const;

  const FormLayout& layout_;
  std::vector<QWidget*> widgets_;       // in the table's order; none for the page's own
  std::vector<ListLinesModel*> lines_;  // a list's content, beside its view
  Used used_;
  bool writing_ = false;      // the marks it sets itself are no user's
  bool just_chosen_ = false;  // an option was chosen by the click under way
};

}  // namespace banknotes
