#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>

#include "logic/companions/worksheet.h"
#include "logic/windows/window_logic.h"

namespace banknotes {

class ContentBinder;
class FormZoom;

// The worksheet's dialog, "Работен лист", opened from the practice window: the
// sheet's number and how many tasks of each kind, then "Печат…" (Qt's print
// dialog) or "Запис като PDF…" (a file dialog, then the PDF there). Its choices
// are its controls' content; its logic makes the sheet from them each time and
// says what is wrong or how it went. The dialogs and the printing are its own.
class WorksheetDialog : public QDialog {
 public:
  // `number`: the sheet's number at start, the practice window's own.
  explicit WorksheetDialog(std::uint32_t number, QWidget* parent = nullptr);
  ~WorksheetDialog() override;

  WindowContent ReadForm() const;
  // The PDF at `path`, as "Запис като PDF…" writes it once a file is chosen;
  // false, and said, where no sheet is made or the file cannot be written.
  bool SavePdf(const QString& path);

 private:
  void Use(std::string_view id, banknotes::Use use);
  void Print();
  void ChooseAndSave();
  // The sheet, or none with what is wrong said.
  std::optional<Worksheet> Sheet();
  // How what was asked went, said.
  void Done(Asks asked, bool done, const QString& where = {});
  void Write(const WindowContent& content, const Reply& reply);

  std::unique_ptr<WindowLogic> logic_;
  FormZoom* zoom_ = nullptr;
  ContentBinder* binder_ = nullptr;
};

}  // namespace banknotes
