#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "logic/dispatch.h"
#include "logic/form_state.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace banknotes {

class LinesView;
class ListLinesModel;

// A place in the window as the layout gives it: left, top, width and height in
// twips, relative to the control's container.
struct Twips {
  int left, top, width, height;
};

// The program's one window. It lays out the controls and, on a click, copies
// them into a FormState, dispatches, and copies the result back. It keeps no
// data of its own: the widgets are the form. Its zoom enlarges the whole window
// as one piece and leaves the form untouched.
class MainForm : public QWidget {
 public:
  explicit MainForm(QWidget* parent = nullptr);

  FormState ReadForm() const;
  // Runs a button's action as a click does, and says how it ended.
  Outcome Click(std::int16_t index);

  int ZoomPercent() const;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void BuildControls();
  void SetTabOrder();
  template <typename Widget>
  Widget* Place(Widget* widget, Twips at);
  void AddZoomKeys();
  // One step up (+1) or down (-1), or back to 100 % (0).
  void Zoom(int direction);
  void ZoomByWheel(const QWheelEvent& event);
  // The window's size at a zoom, with the frame the window system gives it.
  QSize FramedSize(int percent) const;
  bool Fits(std::size_t step) const;
  void ApplyZoom(std::size_t step);
  void WriteForm(const FormState& before, const FormState& after);
  void ReportFailure(Outcome outcome);

  std::array<QLineEdit*, 3> text3_{};
  std::array<QLineEdit*, kDenominations> text2_{};
  std::array<QCheckBox*, kDenominations> check1_{};
  std::array<QPushButton*, 3> command1_{};
  LinesView* list1_ = nullptr;
  ListLinesModel* list_lines_ = nullptr;  // the list's content
  QPlainTextEdit* text1_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  std::vector<std::pair<QWidget*, Twips>> places_;  // every control's place at 100 %
  std::size_t zoom_step_ = 0;
  int wheel_delta_ = 0;  // wheel turns not yet a whole notch
};

}  // namespace banknotes
