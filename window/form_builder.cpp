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
#include "window/drawn_money.h"
#include "window/form_zoom.h"
#include "window/lines_view.h"
#include "window/qt_text.h"

namespace banknotes {
namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

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
      auto* button = control.drawn ? new MoneyButton(text, parent) : new QPushButton(text, parent);
      // Enter presses the focused button, as Space does. Outside a dialog no
      // button ever becomes the window's default through this.
      button->setAutoDefault(true);
      return button;
    }
    case ControlKind::Picture:
      return new PictureView(parent);
    case ControlKind::ListBox: {
      auto* list = new LinesView(parent);
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      if (control.drawn) new MoneyLines(*list);
      return list;
    }
  }
  return nullptr;
}

// The widget of the control with `id` that `control` refers to, as a T: a
// description that names what is not there, or not of that kind, is a fault of
// the table, and stops the program with its names.
template <typename T = QWidget>
T* Referred(QWidget& window, const Control& control, std::string_view id, const char* what) {
  T* widget = window.findChild<T*>(ToQString(id));
  if (!widget)
    qFatal("control %s: its %s %s is not %s", ControlId(control).c_str(), what,
           std::string(id).c_str(), "built before it, or not of the kind it needs");
  return widget;
}

}  // namespace

QString ObjectName(const Control& control) { return QString::fromStdString(ControlId(control)); }

void WrongKind(const Control& control) {
  qFatal("control %s is not of the kind the window takes it for", ControlId(control).c_str());
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
    // What only the page has, the desktop leaves out.
    if (control.where == Where::Page) {
      widgets.push_back(nullptr);
      continue;
    }
    QWidget* container = control.container.empty()
                             ? &window
                             : Referred<QGroupBox>(window, control, control.container, "frame");
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
    if (!widgets[i] || layout.controls[i].labels.empty()) continue;
    auto* label = As<QLabel>(widgets[i], layout.controls[i]);
    QWidget* box = Referred(window, layout.controls[i], layout.controls[i].labels, "box");
    label->setBuddy(box);
    if (!box->accessibleName().isEmpty()) label->setAccessibleName(box->accessibleName());
  }

  // What belongs to some choices is seen while one of them is chosen.
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    if (!widgets[i] || layout.controls[i].shown_with.empty()) continue;
    std::vector<QRadioButton*> options;
    for (const std::string_view id : ShownWith(layout.controls[i]))
      options.push_back(Referred<QRadioButton>(window, layout.controls[i], id, "option"));
    QWidget* widget = widgets[i];
    const auto show = [widget, options] {
      widget->setVisible(
          std::any_of(options.begin(), options.end(),
                      [](const QRadioButton* option) { return option->isChecked(); }));
    };
    show();
    for (QRadioButton* option : options)
      QObject::connect(option, &QRadioButton::toggled, widget, show);
  }

  std::sort(tab_order.begin(), tab_order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_order.size(); ++i)
    QWidget::setTabOrder(tab_order[i - 1].second, tab_order[i].second);
  const Control& first = FirstFocus(layout);
  Referred(window, first, ControlId(first), "own widget")->setFocus();
  return widgets;
}

}  // namespace banknotes
