#include "window/content_binder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "window/drawn_money.h"
#include "window/form_builder.h"
#include "window/lines_view.h"
#include "window/list_lines_model.h"

namespace banknotes {

ContentBinder::ContentBinder(QWidget& window, const FormLayout& layout, FormZoom& zoom, Used used)
    : QObject(&window),
      layout_(layout),
      widgets_(BuildControls(window, layout, zoom)),
      lines_(widgets_.size(), nullptr),
      used_(std::move(used)) {
  for (std::size_t i = 0; i < widgets_.size(); ++i)
    if (widgets_[i]) Bind(i);
  for (std::size_t i = 0; i < widgets_.size(); ++i)
    if (widgets_[i] && !layout_.controls[i].drops_on.empty()) BindDrag(i);
}

void ContentBinder::BindDrag(std::size_t i) {
  const Control& control = layout_.controls[i];
  const auto target =
      std::find_if(layout_.controls.begin(), layout_.controls.end(),
                   [&](const Control& other) { return ControlId(other) == control.drops_on; });
  QWidget* onto = target == layout_.controls.end()
                      ? nullptr
                      : widgets_[static_cast<std::size_t>(target - layout_.controls.begin())];
  if (!onto) return;
  const std::string id = ControlId(control);
  auto* view = qobject_cast<QListView*>(widgets_[i]);
  new DragToPress(view ? *view->viewport() : *widgets_[i], *onto, [this, id, view](int line) {
    // The line dragged is the one pressed.
    if (view && line >= 0) view->setCurrentIndex(view->model()->index(line, 0));
    used_(id, Use::Press);
  });
}

void ContentBinder::Bind(std::size_t i) {
  const Control& control = layout_.controls[i];
  QWidget* widget = widgets_[i];
  const std::string id = ControlId(control);
  switch (control.kind) {
    case ControlKind::Button:
      connect(As<QPushButton>(widget, control), &QPushButton::clicked, this,
              [this, id] { used_(id, Use::Press); });
      break;
    case ControlKind::TextBox: {
      auto* box = As<QLineEdit>(widget, control);
      connect(box, &QLineEdit::returnPressed, this, [this, id] { used_(id, Use::Enter); });
      connect(box, &QLineEdit::textEdited, this, [this, id] {
        if (!writing_) used_(id, Use::Change);
      });
      break;
    }
    case ControlKind::Description:
      As<QPlainTextEdit>(widget, control);
      break;
    case ControlKind::Label:
      // A label the window writes into (empty in the table) wraps its lines.
      As<QLabel>(widget, control)->setWordWrap(control.text.empty());
      break;
    case ControlKind::CheckBox:
      As<QCheckBox>(widget, control);
      break;
    case ControlKind::Option: {
      // A click toggles an option on before it says it was clicked; one that
      // was chosen already toggles nothing.
      auto* option = As<QRadioButton>(widget, control);
      connect(option, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !writing_) just_chosen_ = true;
      });
      connect(option, &QRadioButton::clicked, this, [this, id] {
        const bool chosen = std::exchange(just_chosen_, false);
        used_(id, chosen ? Use::Choose : Use::ChooseAgain);
      });
      break;
    }
    case ControlKind::ListBox: {
      auto* view = As<LinesView>(widget, control);
      lines_[i] = new ListLinesModel(view);
      view->setModel(lines_[i]);
      // A drawn line is pressed by a click, Enter or Delete.
      if (control.drawn) {
        connect(view, &QListView::clicked, this, [this, id] { used_(id, Use::Press); });
        view->SetPressed([this, id] { used_(id, Use::Press); });
      }
      break;
    }
    case ControlKind::Frame:
    case ControlKind::Picture:
      break;
  }
}

WindowContent ContentBinder::Read() const {
  WindowContent content(layout_);
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    QWidget* widget = widgets_[i];
    if (!widget) continue;
    ControlContent& into = content.at(i);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) into.text = box->text().toStdString();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
      into.text = text->toPlainText().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget)) into.text = label->text().toStdString();
    if (HoldsOf(layout_.controls[i].kind) == Holds::Mark)
      into.mark = static_cast<QAbstractButton*>(widget)->isChecked();
    if (lines_[i]) {
      into.lines = lines_[i]->lines().lines();
      const QModelIndex current = static_cast<QListView*>(widget)->currentIndex();
      if (current.isValid()) into.chosen_line = static_cast<std::size_t>(current.row());
    }
  }
  return content;
}

void ContentBinder::Write(const WindowContent& content) {
  writing_ = true;
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    QWidget* widget = widgets_[i];
    if (!widget) continue;
    const ControlContent& from = content.at(i);
    const QString text = QString::fromStdString(from.text);
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && box->text() != text)
      box->setText(text);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget); plain && plain->toPlainText() != text)
      plain->setPlainText(text);
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->text() != text)
      label->setText(text);
    // An option is unmarked by marking another of its group.
    if (auto* check = qobject_cast<QCheckBox*>(widget)) check->setChecked(from.mark);
    if (auto* option = qobject_cast<QRadioButton*>(widget); option && from.mark)
      option->setChecked(true);
    if (auto* drawn = DrawnLines(i)) drawn->SetHeaps(from.money);
    if (auto* picture = dynamic_cast<PictureView*>(widget)) picture->SetPicture(from.picture);
    if (lines_[i] && lines_[i]->lines().lines() != from.lines) {
      ListBox lines;
      lines.Assign(from.lines);
      lines_[i]->Reset(lines);
    }
    if (lines_[i] && from.chosen_line) {
      auto* view = static_cast<QListView*>(widget);
      const QModelIndex chosen = lines_[i]->index(static_cast<int>(*from.chosen_line));
      if (chosen.isValid() && view->currentIndex() != chosen) view->setCurrentIndex(chosen);
    } else if (lines_[i]) {
      // The logic chose no line (a run back at its start).
      auto* view = static_cast<QListView*>(widget);
      if (view->currentIndex().isValid()) {
        view->selectionModel()->clear();
        view->setCurrentIndex({});
      }
    }
    if (auto* drawn = dynamic_cast<MoneyButton*>(widget))
      drawn->SetMoney(from.money.empty() ? Heap{} : from.money.front());
  }
  writing_ = false;
}

}  // namespace banknotes

namespace banknotes {

MoneyLines* ContentBinder::DrawnLines(std::size_t i) const {
  if (!lines_[i]) return nullptr;
  return dynamic_cast<MoneyLines*>(static_cast<QListView*>(widgets_[i])->itemDelegate());
}

}  // namespace banknotes
