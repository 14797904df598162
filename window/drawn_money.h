#pragma once

#include <QListView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

#include "logic/money/drawn_money.h"

class QLabel;
class QPainter;

namespace banknotes {

// The logic's drawings of notes and coins, painted with QPainter: the same
// shapes the page writes as SVG, scaled to the place they are given. Nothing
// of what is paid is kept here; the window's content says what to show.

// A note or coin as large as fits `into`, in its proportions, centred.
void PaintPiece(QPainter& painter, const Piece& piece, const QRectF& into);

// A picture of the logic's own (a chart), as large as fits, centred.
class PictureView : public QWidget {
 public:
  using QWidget::QWidget;
  void SetPicture(const Picture& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
};

// A button whose face is a note or coin, with the focus drawn around it; with no
// money it is a plain button.
class MoneyButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  void SetMoney(const Heap& heap);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Heap heap_;
};

// A drawn control dragged, by mouse or by a finger, onto `target`: a picture of
// what is dragged follows the pointer, and let go over the target it calls
// `dropped` with the line the drag started on (a list's; -1 for a button). A
// move shorter than the desktop's drag distance is no drag: a click stays one.
class DragToPress : public QObject {
 public:
  DragToPress(QWidget& source, QWidget& target, std::function<void(int line)> dropped);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Start(QPoint at);
  QWidget& source_;  // a button, or a list's viewport
  QWidget& target_;
  std::function<void(int)> dropped_;
  QPoint pressed_at_;
  int line_ = -1;
  bool pressed_ = false;
  QLabel* picture_ = nullptr;  // while a drag is under way
};

// How a list of heaps draws its lines, side by side: each note or coin, a few
// of it stacked, and how many under it. A screen reader reads the line's text.
class MoneyLines : public QStyledItemDelegate {
 public:
  // Lays `view` out for it: left to right, one row.
  explicit MoneyLines(QListView& view);
  void SetHeaps(std::vector<Heap> heaps);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QListView& view_;
  std::vector<Heap> heaps_;
};

}  // namespace banknotes
