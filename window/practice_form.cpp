#include "window/practice_form.h"

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
#include "window/lines_view.h"
#include "window/list_lines_model.h"
#include "window/qt_text.h"
#include "window/screen_reader.h"
#include "window/worksheet_dialog.h"

namespace banknotes {

PracticeForm::PracticeForm(std::uint32_t seed, PaymentRange payment_range, SplitRange split_range)
    : QWidget(nullptr, kFormWindowFlags), seed_(seed), practice_(seed, payment_range, split_range) {
  setObjectName(ToQString(kPracticeForm.name));
  setWindowTitle(QString::fromUtf8(product::kPracticeName));
  setWindowIcon(HamburgerIcon());
  zoom_ = new FormZoom(this, kPracticeForm.client_area);
  BindControls(BuildControls(*this, kPracticeForm, *zoom_));
  // The first tasks, from the ranges given.
  PracticeState start;
  start.payment_range = payment_range;
  start.split_range = split_range;
  practice_.Show(start);
  WriteForm(start);
}

void PracticeForm::BindControls(const std::vector<QWidget*>& widgets) {
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const Control& control = kPracticeForm.controls[i];
    const auto index = static_cast<std::size_t>(std::max(control.index, 0));
    QWidget* widget = widgets[i];
    if (control.name == "Option1") option1_.at(index) = As<QRadioButton>(widget, control);
    if (control.name == "Option2") option2_.at(index) = As<QRadioButton>(widget, control);
    if (control.name == "Option3") option3_.at(index) = As<QRadioButton>(widget, control);
    if (control.name == "Label1") label1_.at(index) = As<QLabel>(widget, control);
    if (control.name == "Text2") text2_.at(index) = As<QLineEdit>(widget, control);
    if (control.name == "Text3") text3_ = As<QLineEdit>(widget, control);
    if (control.name == "Text4") text4_.at(index) = As<QLineEdit>(widget, control);
    if (control.name == "Text1") text1_ = As<QPlainTextEdit>(widget, control);
    if (control.name == "List1") list1_ = As<LinesView>(widget, control);
    if (control.name == "Command1") {
      const int button = control.index;
      connect(As<QPushButton>(widget, control), &QPushButton::clicked, this,
              [this, button] { Click(button); });
    }
    // Enter in a box checks the answer.
    if (auto* box = qobject_cast<QLineEdit*>(widget))
      connect(box, &QLineEdit::returnPressed, this, [this] { Click(kCheckButton); });
  }
  found_ = new ListLinesModel(list1_);
  list1_->setModel(found_);
  label1_[0]->setWordWrap(true);

  // The other exercise shows its own task; another range sets a new task in it.
  for (QRadioButton* option : option1_)
    connect(option, &QRadioButton::toggled, this, [this](bool chosen) {
      if (chosen && !writing_) Act([this](PracticeState& state) { practice_.Show(state); });
    });
  for (QRadioButton* option : {option2_[0], option2_[1], option2_[2], option3_[0], option3_[1]})
    connect(option, &QRadioButton::toggled, this, [this](bool chosen) {
      if (chosen && !writing_) Click(kNewTaskButton);
    });
}

PracticeState PracticeForm::ReadForm() const {
  PracticeState state;
  state.exercise = static_cast<Exercise>(Chosen(option1_));
  state.payment_range = static_cast<PaymentRange>(Chosen(option2_));
  state.split_range = static_cast<SplitRange>(Chosen(option3_));
  state.task = label1_[0]->text().toStdString();
  state.tally = label1_[1]->text().toStdString();
  for (std::size_t k = 0; k < kDenominations; ++k)
    state.counts[k] = text2_[k]->text().toStdString();
  state.sum = text3_->text().toStdString();
  for (std::size_t i = 0; i < kSplitValues; ++i) state.way[i] = text4_[i]->text().toStdString();
  state.answer = text1_->toPlainText().toStdString();
  state.found = found_->lines().lines();
  return state;
}

template <typename Work>
void PracticeForm::Act(Work work) {
  const PracticeState before = ReadForm();
  PracticeState state = before;
  work(state);
  WriteForm(state);
  // The answer is said at once, even the same answer again; or the new task.
  const std::string said = PracticeAnnouncement(before, state);
  if (!said.empty()) Announce(*this, QString::fromStdString(said));
}

void PracticeForm::Click(int button) {
  if (button == kWorksheetButton) return OpenWorksheet();
  Act([this, button](PracticeState& state) { practice_.Click(state, button); });
}

void PracticeForm::OpenWorksheet() {
  auto* dialog = new WorksheetDialog(seed_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void PracticeForm::WriteForm(const PracticeState& state) {
  writing_ = true;
  option1_[static_cast<std::size_t>(state.exercise)]->setChecked(true);
  option2_[static_cast<std::size_t>(state.payment_range)]->setChecked(true);
  option3_[static_cast<std::size_t>(state.split_range)]->setChecked(true);
  writing_ = false;
  label1_[0]->setText(QString::fromStdString(state.task));
  // A screen reader reads the task with the window's name when the window opens.
  setAccessibleName(windowTitle() + QStringLiteral(". ") + label1_[0]->text());
  label1_[1]->setText(QString::fromStdString(state.tally));
  const auto write = [](QLineEdit* box, const std::string& text) {
    if (box->text().toStdString() != text) box->setText(QString::fromStdString(text));
  };
  for (std::size_t k = 0; k < kDenominations; ++k) write(text2_[k], state.counts[k]);
  write(text3_, state.sum);
  for (std::size_t i = 0; i < kSplitValues; ++i) write(text4_[i], state.way[i]);
  text1_->setPlainText(QString::fromStdString(state.answer));
  if (found_->lines().lines() != state.found) {
    ListBox found;
    found.Assign(state.found);
    found_->Reset(found);
  }
}

int PracticeForm::ZoomPercent() const { return zoom_->Percent(); }

}  // namespace banknotes
