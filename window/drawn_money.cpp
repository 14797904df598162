#include "window/drawn_money.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "logic/money/number_text.h"

namespace banknotes {
namespace {

QColor ToQColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

// Shapes drawn at `scale` pixels a unit (a note's millimetre) from `at`.
void PaintAt(QPainter& painter, const std::vector<Shape>& shapes, QPointF at, double scale) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const Shape& shape : shapes) {
    const QRectF place(at.x() + shape.x * scale, at.y() + shape.y * scale, shape.width * scale,
                       shape.height * scale);
    painter.setBrush(ToQColor(shape.fill));
    painter.setPen(shape.line_width > 0 ? QPen(ToQColor(shape.line), shape.line_width * scale)
                                        : QPen(Qt::NoPen));
    switch (shape.kind) {
      case Shape::Box:
        painter.drawRoundedRect(place, shape.corner * scale, shape.corner * scale);
        break;
      case Shape::Round:
        painter.drawEllipse(place);
        break;
      case Shape::Line: {
        QPolygonF line;
        for (std::size_t i = 0; i + 1 < shape.points.size(); i += 2)
          line << QPointF(at.x() + shape.points[i] * scale, at.y() + shape.points[i + 1] * scale);
        QPen pen(ToQColor(shape.line), shape.line_width * scale);
        if (shape.dashed) pen.setDashPattern({4, 4});
        painter.setPen(pen);
        painter.drawPolyline(line);
        break;
      }
      case Shape::Words: {
        // As SVG sets text: the middle of its base line at the point.
        QFont font = painter.font();
        font.setPixelSize(std::max(1, static_cast<int>(shape.size * scale + 0.5)));
        font.setBold(shape.bold);
        QPainterPath path;
        path.addText(0, 0, font, QString::fromStdString(shape.words));
        const double width = path.boundingRect().width();
        path.translate(place.x() - width * (shape.anchor + 1) / 2 - path.boundingRect().left(),
                       place.y());
        painter.setPen(Qt::NoPen);
        painter.drawPath(path);
        break;
      }
    }
  }
  painter.restore();
}

}  // namespace

void PaintPiece(QPainter& painter, const Piece& piece, const QRectF& into) {
  const double scale = std::min(into.width() / piece.width_mm, into.height() / piece.height_mm);
  const QPointF at(into.center().x() - piece.width_mm * scale / 2,
                   into.center().y() - piece.height_mm * scale / 2);
  PaintAt(painter, Drawing(piece), at, scale);
}

void PictureView::SetPicture(const Picture& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (picture_.shapes.empty() || picture_.width <= 0 || picture_.height <= 0) return;
  // As large as fits, in its proportions, centred: as the page's SVG meets its box.
  const double scale = std::min(width() / picture_.width, height() / picture_.height);
  const QPointF at((width() - picture_.width * scale) / 2,
                   (height() - picture_.height * scale) / 2);
  PaintAt(painter, picture_.shapes, at, scale);
}

void MoneyButton::SetMoney(const Heap& heap) {
  // A button with nothing to show is not there.
  setVisible(FindPiece(heap.cents) != nullptr);
  if (heap == heap_) return;
  heap_ = heap;
  update();
}

void MoneyButton::paintEvent(QPaintEvent* event) {
  const Piece* piece = FindPiece(heap_.cents);
  if (!piece) return QPushButton::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  // Pressed, it sinks by a pixel; focused, a ring in the desktop's highlight.
  const QRectF inside =
      QRectF(rect()).adjusted(3, 3, -3, -3).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
  PaintPiece(painter, *piece, inside);
  if (hasFocus()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2.5));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.25, 1.25, -1.25, -1.25), 4, 4);
  }
}

DragToPress::DragToPress(QWidget& source, QWidget& target, std::function<void(int)> dropped)
    : QObject(&source), source_(source), target_(target), dropped_(std::move(dropped)) {
  source.installEventFilter(this);
}

void DragToPress::Start(QPoint at) {
  // What is dragged: the button, or the list's line under the press.
  auto* view = qobject_cast<QAbstractItemView*>(source_.parentWidget());
  const QRect shown = view ? view->visualRect(view->model()->index(line_, 0)) : source_.rect();
  picture_ = new QLabel(source_.window());
  picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
  picture_->setPixmap(source_.grab(shown));
  picture_->resize(shown.size());
  picture_->show();
  picture_->raise();
  pressed_at_ = at - shown.topLeft();  // the grip within the picture
}

bool DragToPress::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &source_) return false;
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease)
    return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = mouse->position().toPoint();
  if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    auto* view = qobject_cast<QAbstractItemView*>(source_.parentWidget());
    line_ = view ? view->indexAt(at).row() : -1;
    // A list's empty space has nothing to drag.
    pressed_ = !view || line_ >= 0;
    pressed_at_ = at;
    return false;
  }
  if (type == QEvent::MouseMove && pressed_ && (mouse->buttons() & Qt::LeftButton)) {
    if (!picture_ && (at - pressed_at_).manhattanLength() >= QApplication::startDragDistance())
      Start(at);
    if (!picture_) return false;
    picture_->move(source_.mapTo(source_.window(), at) - pressed_at_);
    return true;  // a list's selection stays on the line dragged
  }
  if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
    pressed_ = false;
    if (!picture_) return false;
    delete std::exchange(picture_, nullptr);
    // Where it is let go, by the window's own geometry: nothing of the window
    // stands over the target, and the desktop's idea of what is under the
    // pointer differs between platforms.
    const QPoint in_target = target_.mapFromGlobal(mouse->globalPosition().toPoint());
    if (target_.isVisible() && target_.rect().contains(in_target)) dropped_(line_);
    return false;  // the button lets go as it would, with no click
  }
  return false;
}

MoneyLines::MoneyLines(QListView& view) : QStyledItemDelegate(&view), view_(view) {
  view.setFlow(QListView::LeftToRight);
  view.setWrapping(false);
  view.setUniformItemSizes(true);
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setItemDelegate(this);
  // Each line is as high as the list: laid out again as the zoom changes it.
  view.viewport()->installEventFilter(this);
}

void MoneyLines::SetHeaps(std::vector<Heap> heaps) {
  if (heaps == heaps_) return;
  heaps_ = std::move(heaps);
  view_.viewport()->update();
}

bool MoneyLines::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) view_.doItemsLayout();
  return QStyledItemDelegate::eventFilter(watched, event);
}

// One slot a value, wide enough for the widest note with two more under it.
// As high as the list less a scroll bar, shown or not: from the viewport's
// height, a scroll bar that comes shrinks the lines until it is not needed,
// and going, grows them until it is, without end, and the window hangs.
QSize MoneyLines::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  const int scroll_bar = view_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view_);
  const int height = std::max(8, view_.contentsRect().height() - scroll_bar - 2);
  return {height * 17 / 10, height};
}

void MoneyLines::paint(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
  const int row = index.row();
  const Piece* piece =
      row < static_cast<int>(heaps_.size()) ? FindPiece(heaps_[row].cents) : nullptr;
  if (!piece) return QStyledItemDelegate::paint(painter, option, index);
  painter->save();
  const QRectF cell = option.rect;
  // The chosen line in the desktop's selection colours, light or dark; the
  // active ones, as sharp when the window is not the active one (Windows
  // greys the others).
  const bool chosen = option.state & QStyle::State_Selected;
  const QPalette& palette = view_.palette();
  if (chosen) painter->fillRect(cell, palette.color(QPalette::Active, QPalette::Highlight));
  // A few of it stacked, the top one whole; how many under the stack.
  const double drawn = cell.height() * 0.7;
  const double width = drawn * piece->width_mm / piece->height_mm;
  const int shown = static_cast<int>(std::min<std::int64_t>(heaps_[row].count, 3));
  const double step = drawn * 0.1;
  for (int i = 0; i < shown; ++i) {
    const double shift = step * (shown - 1 - i);
    PaintPiece(*painter, *piece,
               QRectF(cell.left() + 4 + shift, cell.top() + 2 + shift, width, drawn - 2 * step));
  }
  // How many, in bold and filled as the drawings' words are: small text
  // came out grey and thin under Wine.
  QFont font = option.font;
  font.setPixelSize(std::max(1, static_cast<int>(cell.height() * 0.22)));
  font.setBold(true);
  QPainterPath count;
  count.addText(0, 0, font,
                QStringLiteral("× ") + QString::fromStdString(Quantity(heaps_[row].count)));
  const QRectF under(cell.left(), cell.top() + drawn, cell.width(), cell.height() - drawn);
  const QRectF bounds = count.boundingRect();
  count.translate(under.center() - bounds.center());
  painter->setRenderHint(QPainter::Antialiasing);
  painter->fillPath(
      count, palette.color(QPalette::Active, chosen ? QPalette::HighlightedText : QPalette::Text));
  if (option.state & QStyle::State_HasFocus) {
    painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(cell.adjusted(1, 1, -1, -1));
  }
  painter->restore();
}

}  // namespace banknotes
