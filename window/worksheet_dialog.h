#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

#include "logic/companions/worksheet.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace banknotes {

class FormZoom;

// The worksheet's dialog, "Работен лист", opened from the practice window: the
// sheet's number and how many tasks of each kind, then "Печат…" (Qt's print
// dialog) or "Запис като PDF…" (a file dialog, then the PDF there). Its choices
// are its controls; the sheet is made from them by the logic each time. A
// choice out of range is said in Bulgarian, and no sheet is made.
class WorksheetDialog : public QDialog {
 public:
  // `number`: the sheet's number at start, the practice window's own.
  explicit WorksheetDialog(std::uint32_t number, QWidget* parent = nullptr);

  WorksheetForm ReadForm() const;
  // The PDF at `path`, as "Запис като PDF…" writes it once a file is chosen;
  // false, and said, where no sheet is made or the file cannot be written.
  bool SavePdf(const QString& path);

 private:
  void Print();
  void ChooseAndSave();
  // The sheet, or none with what is wrong said.
  std::optional<Worksheet> Sheet();
  void Say(const QString& text);

  std::array<QLineEdit*, 4> text1_{};  // the number, then the counts
  std::array<QRadioButton*, 3> option1_{};
  std::array<QRadioButton*, 2> option2_{};
  std::array<QRadioButton*, 4> option3_{};
  QLabel* message_ = nullptr;
  FormZoom* zoom_ = nullptr;
};

}  // namespace banknotes
