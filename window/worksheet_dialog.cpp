#include "window/worksheet_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "logic/windows/form_layout.h"
#include "logic/windows/worksheet_window.h"
#include "window/content_binder.h"
#include "window/form_zoom.h"
#include "window/hamburger_icon.h"
#include "window/qt_text.h"
#include "window/screen_reader.h"
#include "window/worksheet_printer.h"

namespace banknotes {

WorksheetDialog::WorksheetDialog(std::uint32_t number, QWidget* parent)
    : QDialog(parent),
      logic_(MakeWindow(kWorksheetForm.name, {{"number", std::to_string(number)}}, 0).logic) {
  setObjectName(ToQString(kWorksheetForm.name));
  setWindowTitle(QStringLiteral("Работен лист"));
  setWindowIcon(HamburgerIcon());
  zoom_ = new FormZoom(this, kWorksheetForm.client_area);
  binder_ = new ContentBinder(*this, kWorksheetForm, *zoom_,
                              [this](std::string_view id, banknotes::Use use) { Use(id, use); });
  WindowContent content = logic_->Fresh();
  const Reply reply = logic_->Open(content);
  Write(content, reply);
}

WorksheetDialog::~WorksheetDialog() = default;

WindowContent WorksheetDialog::ReadForm() const { return binder_->Read(); }

void WorksheetDialog::Write(const WindowContent& content, const Reply& reply) {
  binder_->Write(content);
  if (!reply.said.empty()) Announce(*this, QString::fromStdString(reply.said));
}

void WorksheetDialog::Use(std::string_view id, banknotes::Use use) {
  WindowContent content = binder_->Read();
  const Reply reply = logic_->Act(content, id, use);
  Write(content, reply);
  if (reply.asks == Asks::Print) Print();
  if (reply.asks == Asks::SavePdf) ChooseAndSave();
}

std::optional<Worksheet> WorksheetDialog::Sheet() {
  WindowContent content = binder_->Read();
  WorksheetMade made = SheetOf(content);
  Write(content, {.said = made.wrong, .asks = Asks::Nothing, .number = 0});
  if (!made.wrong.empty()) return std::nullopt;
  return std::move(made.sheet);
}

void WorksheetDialog::Done(Asks asked, bool done, const QString& where) {
  WindowContent content = binder_->Read();
  const Reply reply = logic_->Done(content, asked, done, where.toStdString());
  Write(content, reply);
}

void WorksheetDialog::Print() {
  const std::optional<Worksheet> sheet = Sheet();
  if (!sheet) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(QString::fromStdString(sheet->title));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  Done(Asks::Print, PrintWorksheet(*sheet, printer));
}

bool WorksheetDialog::SavePdf(const QString& path) {
  const std::optional<Worksheet> sheet = Sheet();
  if (!sheet) return false;
  const bool saved = SaveWorksheetPdf(*sheet, path);
  Done(Asks::SavePdf, saved, QDir::toNativeSeparators(path));
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
