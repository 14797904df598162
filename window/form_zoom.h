#pragma once

#include <QObject>
#include <QSize>
#include <utility>
#include <vector>

#include "logic/windows/form_layout.h"

class QAbstractItemView;
class QWheelEvent;
class QWidget;

namespace banknotes {

// Places a window's controls from their twips and zooms the window from 100 to
// 200 % as one piece: Ctrl + plus, minus or 0, or Ctrl and the wheel anywhere in
// it. The program's look is one for all its windows, so a step zooms every window
// that has a FormZoom; a step that would not fit the screen is skipped. It also
// puts the program's look back when a desktop theme replaces it. It never
// touches what the controls hold.
class FormZoom : public QObject {
 public:
  // Sizes `window` to `client_area` at the program's present zoom.
  FormZoom(QWidget* window, Twips client_area);
  ~FormZoom() override;

  // Puts a control at its place, now and after every step.
  template <typename Widget>
  Widget* Place(Widget* widget, Twips at) {
    Track(widget, at);
    return widget;
  }

  int Percent() const { return percent_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Track(QWidget* widget, Twips at);
  void AddKeys();
  // One step up (+1) or down (-1), or back to 100 % (0).
  void Step(int direction);
  void Wheel(const QWheelEvent& event);
  // The window's size at a zoom, with the frame the window system gives it.
  QSize FramedSize(int percent) const;
  bool Fits(int percent) const;
  // Places and sizes everything at Percent().
  void LayOut();

  QWidget* window_;
  Twips client_area_;
  std::vector<std::pair<QWidget*, Twips>> places_;  // every control's place at 100 %
  int percent_;
  int wheel_delta_ = 0;  // wheel turns not yet a whole notch
};

}  // namespace banknotes
