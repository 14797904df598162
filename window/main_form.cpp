#include "window/main_form.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "generated/product.h"
#include "logic/form/announcement.h"
#include "logic/windows/form_layout.h"
#include "window/companion_form.h"
#include "window/form_builder.h"
#include "window/form_zoom.h"
#include "window/hamburger_icon.h"
#include "window/lines_view.h"
#include "window/list_lines_model.h"
#include "window/qt_text.h"
#include "window/screen_reader.h"

namespace banknotes {

MainForm::MainForm(QWidget* parent) : QWidget(parent, kFormWindowFlags) {
  setObjectName(ToQString(kMainForm.name));
  setWindowTitle(QString::fromUtf8(product::kTitle));
  setWindowIcon(HamburgerIcon());
  zoom_ = new FormZoom(this, kMainForm.client_area);
  BindControls(BuildControls(*this, kMainForm, *zoom_));
  for (const Companion& companion : Companions()) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(companion.key));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this,
            [this, name = companion.name] { OpenCompanion(name); });
    addAction(action);
  }
}

void MainForm::OpenCompanion(std::string_view name) {
  QPointer<CompanionForm>& window = companions_[name];
  if (!window) {
    // A window of its own, with a session of its own that ends when it closes.
    window = new CompanionForm(name, {});
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void MainForm::BindControls(const std::vector<QWidget*>& widgets) {
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const Control& control = kMainForm.controls[i];
    const auto index = static_cast<std::size_t>(control.index);
    if (control.name == "Text3") text3_.at(index) = As<QLineEdit>(widgets[i], control);
    if (control.name == "Text2") text2_.at(index) = As<QLineEdit>(widgets[i], control);
    if (control.name == "Check1") check1_.at(index) = As<QCheckBox>(widgets[i], control);
    if (control.name == "List1") list1_ = As<LinesView>(widgets[i], control);
    if (control.name == "Command1") {
      const auto button = static_cast<std::int16_t>(control.index);
      connect(As<QPushButton>(widgets[i], control), &QPushButton::clicked, this,
              [this, button] { Click(button); });
    }
  }
  list_lines_ = new ListLinesModel(list1_);
  list1_->setModel(list_lines_);
}

FormState MainForm::ReadForm() const {
  FormState form;
  for (std::size_t i = 0; i < text3_.size(); ++i) form.Text3[i] = text3_[i]->text().toStdString();
  for (std::size_t k = 0; k < kDenominations; ++k) {
    form.Text2[k] = text2_[k]->text().toStdString();
    form.Check1[k].Caption = check1_[k]->text().toStdString();
    form.Check1[k].Value = check1_[k]->isChecked() ? 1 : 0;
  }
  form.List1[kSplits] = list_lines_->lines();
  return form;
}

void MainForm::WriteForm(const FormState& before, const FormState& after) {
  for (std::size_t i = 0; i < text3_.size(); ++i)
    if (after.Text3[i] != before.Text3[i])
      text3_[i]->setText(QString::fromStdString(after.Text3[i]));
  for (std::size_t k = 0; k < kDenominations; ++k) {
    if (after.Text2[k] != before.Text2[k])
      text2_[k]->setText(QString::fromStdString(after.Text2[k]));
    check1_[k]->setChecked(after.Check1[k].Value != 0);
  }
  // A list that was rewritten, even with the same lines, starts again at its top.
  if (!after.List1[kSplits].SharesLinesWith(before.List1[kSplits])) {
    list_lines_->Reset(after.List1[kSplits]);
    list1_->scrollToTop();
  }
}

Outcome MainForm::Click(std::int16_t index) {
  const FormState before = ReadForm();
  FormState after = before;
  const Outcome outcome = dispatch(after, index);
  if (outcome == Outcome::Success) {
    WriteForm(before, after);
    const std::string said = ClickAnnouncement(index, after);
    if (!said.empty()) Announce(*this, QString::fromStdString(said));
  } else {
    ReportFailure(outcome);
  }
  return outcome;
}

void MainForm::ReportFailure(Outcome outcome) {
  const std::string_view title = kFailureTitle, text = FailureText(outcome);
  // Shown without a loop of its own: the click has ended, the form is as it was,
  // and the box keeps the window from input until it is closed.
  auto* box = new QMessageBox(QMessageBox::Warning, ToQString(title), ToQString(text),
                              QMessageBox::Ok, this);
  box->setObjectName(QStringLiteral("FailureMessage"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowIcon(windowIcon());
  box->open();
}

int MainForm::ZoomPercent() const { return zoom_->Percent(); }

}  // namespace banknotes
