#pragma once

#include <QListView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <vector>

#include "logic/money/drawn_money.h"

class QPainter;

namespace banknotes {

// The logic's drawings of notes and coins, painted with QPainter: the same
// shapes the page writes as SVG, scaled to the place they are given. Nothing
// of what is paid is kept here; the window's content says what to show.

// A note or coin as large as fits `into`, in its proportions, centred.
void PaintPiece(QPainter& painter, const Piece& piece, const QRectF& into);

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
