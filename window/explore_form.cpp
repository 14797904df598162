#include "window/explore_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "generated/product.h"
#include "logic/windows/form_layout.h"
#include "window/form_builder.h"
#include "window/form_zoom.h"
#include "window/hamburger_icon.h"
#include "window/qt_text.h"
#include "window/screen_reader.h"

namespace banknotes {
namespace {

// The answers' boxes, in the order of ExploreState's fields.
constexpr std::string_view kAnswerBoxes[] = {"Text1", "Text2", "Text6", "Text7"};

}  // namespace

ExploreForm::ExploreForm(QWidget* parent) : QWidget(parent, kFormWindowFlags) {
  setObjectName(ToQString(kExploreForm.name));
  setWindowTitle(QString::fromUtf8(product::kExploreName));
  setWindowIcon(HamburgerIcon());
  zoom_ = new FormZoom(this, kExploreForm.client_area);
  BindControls(BuildControls(*this, kExploreForm, *zoom_));
  // The main window's set, answered at once.
  ExploreState start;
  ChooseReadySet(start, 0);
  WriteForm(start);
}

void ExploreForm::BindControls(const std::vector<QWidget*>& widgets) {
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const Control& control = kExploreForm.controls[i];
    const auto index = static_cast<std::size_t>(std::max(control.index, 0));
    QWidget* widget = widgets[i];
    if (control.name == "Text5") text5_.at(index) = As<QLineEdit>(widget, control);
    if (control.name == "Option1") option1_.at(index) = As<QRadioButton>(widget, control);
    if (control.name == "Text3") text3_.at(index) = As<QLineEdit>(widget, control);
    if (control.name == "Label1") label1_.at(index) = As<QLabel>(widget, control);
    for (std::size_t a = 0; a < std::size(kAnswerBoxes); ++a)
      if (control.name == kAnswerBoxes[a]) answers_[a] = As<QPlainTextEdit>(widget, control);
    if (control.name == "Command1")
      connect(As<QPushButton>(widget, control), &QPushButton::clicked, this,
              [this] { Calculate(); });
    // Enter in a box answers.
    if (auto* box = qobject_cast<QLineEdit*>(widget))
      connect(box, &QLineEdit::returnPressed, this, [this] { Calculate(); });
  }
  for (QLabel* label : label1_) label->setWordWrap(true);
  // A ready-made set fills the boxes and answers; chosen again, after a value
  // was changed, it fills them again (a click on a chosen option toggles nothing).
  for (std::size_t j = 0; j < option1_.size(); ++j)
    connect(option1_[j], &QRadioButton::clicked, this, [this, j] {
      if (!writing_) Act([j](ExploreState& state) { ChooseReadySet(state, static_cast<int>(j)); });
    });
}

ExploreState ExploreForm::ReadForm() const {
  ExploreState state;
  for (std::size_t k = 0; k < kMaxValues; ++k) state.values[k] = text5_[k]->text().toStdString();
  state.ready_set = Chosen(option1_);
  state.amount = text3_[0]->text().toStdString();
  state.sum = text3_[1]->text().toStdString();
  state.verdict = label1_[0]->text().toStdString();
  state.message = label1_[1]->text().toStdString();
  state.largest_first = answers_[0]->toPlainText().toStdString();
  state.fewest = answers_[1]->toPlainText().toStdString();
  state.always = answers_[2]->toPlainText().toStdString();
  state.ways = answers_[3]->toPlainText().toStdString();
  return state;
}

template <typename Work>
void ExploreForm::Act(Work work) {
  ExploreState state = ReadForm();
  work(state);
  WriteForm(state);
  Announce(*this, QString::fromStdString(ExploreAnnouncement(state)));
}

void ExploreForm::Calculate() {
  Act([](ExploreState& state) { Explore(state); });
}

void ExploreForm::WriteForm(const ExploreState& state) {
  writing_ = true;
  option1_[static_cast<std::size_t>(state.ready_set)]->setChecked(true);
  writing_ = false;
  const auto write = [](QLineEdit* box, const std::string& text) {
    if (box->text().toStdString() != text) box->setText(QString::fromStdString(text));
  };
  for (std::size_t k = 0; k < kMaxValues; ++k) write(text5_[k], state.values[k]);
  write(text3_[0], state.amount);
  write(text3_[1], state.sum);
  label1_[0]->setText(QString::fromStdString(state.verdict));
  label1_[1]->setText(QString::fromStdString(state.message));
  const std::string* texts[] = {&state.largest_first, &state.fewest, &state.always, &state.ways};
  for (std::size_t a = 0; a < answers_.size(); ++a)
    if (answers_[a]->toPlainText().toStdString() != *texts[a])
      answers_[a]->setPlainText(QString::fromStdString(*texts[a]));
}

int ExploreForm::ZoomPercent() const { return zoom_->Percent(); }

}  // namespace banknotes
