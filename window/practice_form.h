#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "logic/companions/practice.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace banknotes {

class FormZoom;
class LinesView;
class ListLinesModel;

// The practice window, "Упражнение": the pupil answers, the program checks and
// explains. On every action it reads its controls into a PracticeState, lets
// Practice work on it and writes the state back, as the main window does with
// its form; the session itself (the random source, the tasks, the tally) is
// Practice's, and ends with the window. The answer is announced to screen
// readers. It zooms with the program's other windows.
class PracticeForm : public QWidget {
 public:
  // Its first tasks drawn from the ranges given, which it shows chosen, as a
  // worksheet of the same number and ranges has them.
  explicit PracticeForm(std::uint32_t seed, PaymentRange payment_range = PaymentRange::UpTo1000,
                        SplitRange split_range = SplitRange::From5To10);

  PracticeState ReadForm() const;
  // Runs a button's action as a click does.
  void Click(int button);
  // Opens the worksheet's dialog, for a sheet of the same tasks ("Работен лист…").
  void OpenWorksheet();
  int ZoomPercent() const;

 private:
  // Keeps the controls the state lives in, and wires the buttons and choices.
  void BindControls(const std::vector<QWidget*>& widgets);
  template <typename Work>
  void Act(Work work);
  void WriteForm(const PracticeState& state);

  std::uint32_t seed_;  // the number of its tasks, and of a worksheet of the same
  Practice practice_;
  std::array<QRadioButton*, 2> option1_{};  // the exercise
  std::array<QRadioButton*, 3> option2_{};  // the payment's range
  std::array<QRadioButton*, 2> option3_{};  // the split's range
  std::array<QLabel*, 2> label1_{};         // the task, the tally
  std::array<QLineEdit*, kDenominations> text2_{};
  QLineEdit* text3_ = nullptr;
  std::array<QLineEdit*, kSplitValues> text4_{};
  QPlainTextEdit* text1_ = nullptr;
  LinesView* list1_ = nullptr;
  ListLinesModel* found_ = nullptr;  // the list's content
  FormZoom* zoom_ = nullptr;
  bool writing_ = false;  // the choices it sets itself are no pupil's
};

}  // namespace banknotes
