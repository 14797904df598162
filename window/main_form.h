#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "logic/form/dispatch.h"
#include "logic/form/form_state.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace banknotes {

class FormZoom;
class CompanionForm;
class LinesView;
class ListLinesModel;

// The program's main window. It lays out the controls and, on a click, copies
// them into a FormState, dispatches, and copies the result back. It keeps no
// data of its own: the widgets are the form. Its zoom (FormZoom) enlarges the
// whole window as one piece and leaves the form untouched.
class MainForm : public QWidget {
 public:
  explicit MainForm(QWidget* parent = nullptr);

  FormState ReadForm() const;
  // Runs a button's action as a click does, and says how it ended.
  Outcome Click(std::int16_t index);

  int ZoomPercent() const;
  // Opens the companion window `name` ("PracticeForm"), or brings it to the
  // front; each by its key (F2 the practice, F3 exploring).
  void OpenCompanion(std::string_view name);

 private:
  // Keeps the controls the form state lives in, and wires the buttons.
  void BindControls(const std::vector<QWidget*>& widgets);
  void WriteForm(const FormState& before, const FormState& after);
  void ReportFailure(Outcome outcome);

  std::array<QLineEdit*, 3> text3_{};
  std::array<QLineEdit*, kDenominations> text2_{};
  std::array<QCheckBox*, kDenominations> check1_{};
  std::array<QPushButton*, 3> command1_{};
  LinesView* list1_ = nullptr;
  ListLinesModel* list_lines_ = nullptr;  // the list's content
  FormZoom* zoom_;
  // The companion windows, each open while its window is.
  std::map<std::string_view, QPointer<CompanionForm>> companions_;
};

}  // namespace banknotes
