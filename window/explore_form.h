#pragma once

#include <QWidget>
#include <array>

#include "logic/companions/explore.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace banknotes {

class FormZoom;

// The exploring window, "Изследване": a set of values of the pupil's own or a
// ready-made one, largest first against the fewest for one amount, whether
// largest first always gives the fewest, and how many ways make a sum with the
// work each way of counting takes. On every action it reads its controls into an
// ExploreState, lets the logic answer, and writes the state back; it holds no
// data of its own. Each answer is announced. It zooms with the program's other
// windows.
class ExploreForm : public QWidget {
 public:
  explicit ExploreForm(QWidget* parent = nullptr);

  ExploreState ReadForm() const;
  // "Изчисли", as a click or Enter in a box does it.
  void Calculate();
  int ZoomPercent() const;

 private:
  void BindControls(const std::vector<QWidget*>& widgets);
  template <typename Work>
  void Act(Work work);
  void WriteForm(const ExploreState& state);

  std::array<QLineEdit*, kMaxValues> text5_{};
  std::array<QRadioButton*, kReadySets> option1_{};
  std::array<QLineEdit*, 2> text3_{};         // the amount, the sum
  std::array<QLabel*, 2> label1_{};           // the verdict, what is wrong
  std::array<QPlainTextEdit*, 4> answers_{};  // largest first, the fewest, always?, the ways
  FormZoom* zoom_ = nullptr;
  bool writing_ = false;  // the choice it sets itself is no pupil's
};

}  // namespace banknotes
