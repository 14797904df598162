#include "window/worksheet_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "logic/windows/form_layout.h"
#include "window/form_builder.h"
#include "window/form_zoom.h"
#include "window/hamburger_icon.h"
#include "window/qt_text.h"
#include "window/screen_reader.h"
#include "window/worksheet_printer.h"

namespace banknotes {
WorksheetDialog::WorksheetDialog(std::uint32_t number, QWidget* parent) : QDialog(parent) {
  setObjectName(ToQString(kWorksheetForm.name));
  setWindowTitle(QStringLiteral("Работен лист"));
  setWindowIcon(HamburgerIcon());
  zoom_ = new FormZoom(this, kWorksheetForm.client_area);
  const std::vector<QWidget*> widgets = BuildControls(*this, kWorksheetForm, *zoom_);
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const Control& control = kWorksheetForm.controls[i];
    QWidget* widget = widgets[i];
    if (!widget) continue;
    const auto index = static_cast<std::size_t>(std::max(control.index, 0));
    if (control.name == "Text1") text1_.at(index) = As<QLineEdit>(widget, control);
    if (control.name == "Option1") option1_.at(index) = As<QRadioButton>(widget, control);
    if (control.name == "Option2") option2_.at(index) = As<QRadioButton>(widget, control);
    if (control.name == "Option3") option3_.at(index) = As<QRadioButton>(widget, control);
    if (ControlId(control) == "Label1_4") message_ = As<QLabel>(widget, control);
    if (ControlId(control) == "Command1_0")
      connect(As<QPushButton>(widget, control), &QPushButton::clicked, this, [this] { Print(); });
    if (ControlId(control) == "Command1_1")
      connect(As<QPushButton>(widget, control), &QPushButton::clicked, this,
              [this] { ChooseAndSave(); });
  }
  message_->setWordWrap(true);
  // The choices a sheet starts with, the number the practice window's own.
  const WorksheetForm start;
  text1_[0]->setText(QString::number(number));
  option1_[static_cast<std::size_t>(start.payment_range)]->setChecked(true);
  option2_[static_cast<std::size_t>(start.split_range)]->setChecked(true);
  option3_[static_cast<std::size_t>(start.ready_set)]->setChecked(true);
}

WorksheetForm WorksheetDialog::ReadForm() const {
  WorksheetForm form;
  form.number = text1_[0]->text().toStdString();
  form.payments = text1_[1]->text().toStdString();
  form.splits = text1_[2]->text().toStdString();
  form.explorations = text1_[3]->text().toStdString();
  form.payment_range = Chosen(option1_);
  form.split_range = Chosen(option2_);
  form.ready_set = Chosen(option3_);
  return form;
}

void WorksheetDialog::Say(const QString& text) {
  message_->setText(text);
  if (!text.isEmpty()) Announce(*this, text);
}

std::optional<Worksheet> WorksheetDialog::Sheet() {
  WorksheetMade made = MakeWorksheet(ReadForm());
  Say(QString::fromStdString(made.wrong));
  if (!made.wrong.empty()) return std::nullopt;
  return std::move(made.sheet);
}

void WorksheetDialog::Print() {
  const std::optional<Worksheet> sheet = Sheet();
  if (!sheet) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(QString::fromStdString(sheet->title));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  Say(PrintWorksheet(*sheet, printer) ? QStringLiteral("Листът е изпратен за печат.")
                                      : QStringLiteral("Листът не можа да се отпечата."));
}

bool WorksheetDialog::SavePdf(const QString& path) {
  const std::optional<Worksheet> sheet = Sheet();
  if (!sheet) return false;
  const bool saved = SaveWorksheetPdf(*sheet, path);
  Say(saved ? QStringLiteral("Листът е записан в „%1“.").arg(QDir::toNativeSeparators(path))
            : QStringLiteral("Файлът „%1“ не можа да се запише.")
                  .arg(QDir::toNativeSeparators(path)));
  return saved;
}

void WorksheetDialog::ChooseAndSave() {
  const std::optional<Worksheet> sheet = Sheet();
  if (!sheet) return;
  const QString suggested =
      QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
          .filePath(QString::fromStdString(sheet->title).replace(QStringLiteral("№ "), QString()) +
                    QStringLiteral(".pdf"));
  QString path;
  {
    // The file dialog keeps its history in the settings; here they go to a
    // folder of the moment, so that nothing but the PDF is written.
    const QTemporaryDir kept;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, kept.path());
    QFileDialog dialog(this, QStringLiteral("Запис като PDF"), suggested,
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("SavePdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without ".pdf" gets it before the dialog asks whether to
    // replace a file, so that it asks of the file that will be written.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      path = dialog.selectedFiles().constFirst();
    QSettings::setDefaultFormat(QSettings::NativeFormat);
  }
  if (path.isEmpty()) return;
  SavePdf(path);
}

}  // namespace banknotes
