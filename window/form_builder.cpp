#include "window/form_builder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "window/character_limit.h"
#include "window/form_zoom.h"
#include "window/lines_view.h"

namespace banknotes {
namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment ToQt(Align align) {
  switch (align) {
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

// The text drawn on the window's own colours: black, as on the light desktop the
// layout was drawn on, whatever the desktop's palette says.
const QColor kTextColour(Qt::black);

// A fixed background brings its text colour with it: captions and focus marks in
// WindowText, button captions in ButtonText. The boxes and the list keep the
// desktop's own base and text.
void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  palette.setColor(QPalette::WindowText, kTextColour);
  palette.setColor(QPalette::ButtonText, kTextColour);
  widget->setPalette(palette);
  if (role == QPalette::Window) {
    widget->setBackgroundRole(QPalette::Window);  // a check box would fill with Button
    widget->setAutoFillBackground(true);
  }
}

QWidget* Make(const Control& control, QWidget* parent) {
  QString text = ToQString(control.text);
  switch (control.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(ToQt(control.align) | Qt::AlignTop);
      return label;
    }
    case ControlKind::Frame:
      return new QGroupBox(text, parent);
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(text, parent);
      box->setAlignment(ToQt(control.align) | Qt::AlignVCenter);
      box->setReadOnly(control.read_only);
      if (control.limit > 0)
        box->setValidator(new CharacterLimit(control.limit, control.digits, box));
      return box;
    }
    case ControlKind::Description: {
      auto* box = new QPlainTextEdit(parent);
      // The editor would turn each CR into a paragraph of its own; one break per line.
      box->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
      box->setReadOnly(control.read_only);
      // Read only, its text is still selected and copied from the keyboard.
      if (control.read_only)
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
      box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      box->setTabChangesFocus(true);
      return box;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(text, parent);
    case ControlKind::Option: {
      // Tab enters a group of options at the chosen one; the arrows move within it.
      auto* option = new QRadioButton(text, parent);
      const auto take_tab = [option](bool chosen) {
        option->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
      };
      take_tab(false);
      QObject::connect(option, &QRadioButton::toggled, option, take_tab);
      return option;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(text, parent);
      // Enter presses the focused button, as Space does. Outside a dialog no
      // button ever becomes the window's default through this.
      button->setAutoDefault(true);
      return button;
    }
    case ControlKind::ListBox: {
      auto* list = new LinesView(parent);
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      return list;
    }
  }
  return nullptr;
}

bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::Label && kind != ControlKind::Frame;
}

}  // namespace

QString ObjectName(const Control& control) {
  const QString name = ToQString(control.name);
  return control.index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(control.index);
}

std::vector<QWidget*> BuildControls(QWidget& window, const FormLayout& layout, FormZoom& zoom) {
  // The window's own background carries no text. Its text colour stays the
  // desktop's, for the scroll bars of the boxes and the list inside it.
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, ToQColor(layout.background));
  window.setPalette(palette);
  window.setAutoFillBackground(true);

  std::vector<QWidget*> widgets;
  std::vector<std::pair<int, QWidget*>> tab_order;
  for (const Control& control : layout.controls) {
    QWidget* container = control.container.empty()
                             ? &window
                             : window.findChild<QWidget*>(ToQString(control.container));
    QWidget* widget = Make(control, container);
    widget->setObjectName(ObjectName(control));
    if (!control.accessible_name.empty())
      widget->setAccessibleName(ToQString(control.accessible_name));
    if (!control.description.empty())
      widget->setAccessibleDescription(ToQString(control.description));
    if (control.colour)
      Paint(widget, control.kind == ControlKind::Button ? QPalette::Button : QPalette::Window,
            ToQColor(*control.colour));
    zoom.Place(widget, control.place);
    if (TakesFocus(control.kind)) tab_order.emplace_back(control.tab_index, widget);
    widgets.push_back(widget);
  }

  // Each box is labelled by its label, for screen readers, which read a box by
  // its label's name: the box's own name where it has one ("брой банкноти 100"
  // for "100* ").
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    if (layout.controls[i].labels.empty()) continue;
    auto* label = static_cast<QLabel*>(widgets[i]);
    QWidget* box = window.findChild<QWidget*>(ToQString(layout.controls[i].labels));
    label->setBuddy(box);
    if (!box->accessibleName().isEmpty()) label->setAccessibleName(box->accessibleName());
  }

  // What belongs to one choice is seen while it is chosen.
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const std::string_view shown_with = layout.controls[i].shown_with;
    if (shown_with.empty()) continue;
    auto* option = window.findChild<QRadioButton*>(ToQString(shown_with));
    QWidget* widget = widgets[i];
    widget->setVisible(option->isChecked());
    QObject::connect(option, &QRadioButton::toggled, widget, &QWidget::setVisible);
  }

  std::sort(tab_order.begin(), tab_order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_order.size(); ++i)
    QWidget::setTabOrder(tab_order[i - 1].second, tab_order[i].second);
  return widgets;
}

}  // namespace banknotes
