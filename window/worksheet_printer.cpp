#include "window/worksheet_printer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "window/drawn_money.h"
#include "window/form_style.h"

namespace banknotes {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The pages as they fill: a cursor down the printable area, a new page when what
// comes next does not fit in what is left of this one.
class Pages {
 public:
  Pages(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter) {
    const QPageLayout layout = device.pageLayout();
    mm_ = device.logicalDpiY() / 25.4;
    area_ = QRectF(QPointF(0, 0), layout.paintRectPixels(device.logicalDpiX()).size());
    y_ = area_.top();
    painter_.setPen(QPen(Qt::black, Mm(0.35)));
  }

  double Mm(double millimetres) const { return millimetres * mm_; }
  double Width() const { return area_.width(); }
  double Left() const { return area_.left(); }
  double Y() const { return y_; }
  void Down(double millimetres) { y_ += Mm(millimetres); }

  void NewPage() {
    device_.newPage();
    y_ = area_.top();
  }
  // Room for `height` more, on this page or the next.
  void Keep(double height) {
    if (y_ + height > area_.bottom() && y_ > area_.top()) NewPage();
  }

  QFont Font(double points, bool bold = false) const {
    QFont font = FormFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
  }
  double TextHeight(const QFont& font, const QString& text, double width) const {
    return QFontMetricsF(font, &device_)
        .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text)
        .height();
  }
  // Text across the page from the cursor, wrapped; `keep` more below it on the same page.
  void Text(const QFont& font, const QString& text, Qt::Alignment align = Qt::AlignLeft,
            double keep = 0) {
    const double height = TextHeight(font, text, Width());
    Keep(height + keep);
    painter_.setFont(font);
    painter_.drawText(QRectF(Left(), y_, Width(), height), align | Qt::TextWordWrap, text);
    y_ += height;
  }
  // A box to write in, with its caption above it, at `left` from the cursor.
  void Box(double left, double width, double height, const QFont& font, const QString& caption) {
    const double caption_height = TextHeight(font, caption, width);
    painter_.setFont(font);
    painter_.drawText(QRectF(left, y_, width, caption_height), Qt::AlignCenter | Qt::TextWordWrap,
                      caption);
    painter_.drawRect(QRectF(left, y_ + caption_height, width, height));
  }
  QPainter& painter() { return painter_; }

 private:
  QPagedPaintDevice& device_;
  QPainter& painter_;
  double mm_ = 1;
  QRectF area_;
  double y_ = 0;
};

void PaymentBoxes(Pages& pages, const WorksheetTask& task) {
  const QFont caption = pages.Font(12);
  const double gap = pages.Mm(4);
  const double width = (pages.Width() - gap * (task.boxes.size() - 1)) / task.boxes.size();
  const double height = pages.Mm(14), caption_height = pages.TextHeight(caption, "100", width);
  for (std::size_t i = 0; i < task.boxes.size(); ++i)
    pages.Box(pages.Left() + i * (width + gap), width, height, caption, Q(task.boxes[i]));
  pages.Down((caption_height + height) / pages.Mm(1));
}

void WayLines(Pages& pages, const WorksheetTask& task) {
  const QFont font = pages.Font(12);
  // In columns, so that every line of the task stands on one page.
  const int columns = task.lines > 28 ? 3 : task.lines > 14 ? 2 : 1;
  const int rows = (task.lines + columns - 1) / columns;
  const double row = pages.Mm(7), column = pages.Width() / columns;
  pages.painter().setFont(font);
  for (int line = 0; line < task.lines; ++line) {
    const double left = pages.Left() + (line / rows) * column;
    const double top = pages.Y() + (line % rows) * row;
    const QString number = QString::number(line + 1) + ".";
    pages.painter().drawText(QRectF(left, top, pages.Mm(10), row), Qt::AlignRight | Qt::AlignBottom,
                             number);
    pages.painter().drawLine(QPointF(left + pages.Mm(12), top + row - pages.Mm(1)),
                             QPointF(left + column - pages.Mm(4), top + row - pages.Mm(1)));
  }
  pages.Down(rows * 7 + 3);
  pages.Box(pages.Left(), pages.Mm(40), pages.Mm(12), font, Q(task.boxes.front()));
  pages.Down(12 + pages.TextHeight(font, "Б", pages.Mm(40)) / pages.Mm(1));
}

void CaptionedBoxes(Pages& pages, const WorksheetTask& task) {
  const QFont font = pages.Font(12);
  const double width = pages.Mm(50), gap = pages.Mm(10);
  for (std::size_t i = 0; i < task.boxes.size(); ++i)
    pages.Box(pages.Left() + i * (width + gap), width, pages.Mm(14), font, Q(task.boxes[i]));
  pages.Down(14 + pages.TextHeight(font, "Н", width) / pages.Mm(1));
}

// Notes and coins in their real proportions at `scale` of their size, a heap
// of each value, laid left to right and on to a new row where the page ends.
// A handful to count shows every piece, each overlapping the one before as
// notes fanned on a table do, its large value in sight; the key's fewest shows
// up to three a little apart, with the count under them.
class MoneyRows {
 public:
  enum Kind { Fanned, Counted };

  MoneyRows(const std::vector<Heap>& heaps, double scale, Kind kind, double width)
      : scale_(scale), kind_(kind) {
    double x = 0, y = 0, row = 0;
    for (const Heap& heap : heaps) {
      const Piece* piece = FindPiece(heap.cents);
      if (!piece || heap.count < 1) continue;
      const double w = piece->width_mm * scale, h = piece->height_mm * scale;
      const std::int64_t drawn =
          kind == Fanned ? heap.count : std::min<std::int64_t>(heap.count, 3);
      const QPointF step = kind == Fanned ? QPointF(w * kFan, 0) : QPointF(kStep, kStep);
      const QSizeF size(w + (drawn - 1) * step.x(),
                        h + (drawn - 1) * step.y() + (kind == Counted ? kCountMm : 0));
      if (x > 0 && x + size.width() > width) {
        x = 0;
        y += row + kGap;
        row = 0;
      }
      places_.push_back({piece, heap.count, drawn, step, QRectF(QPointF(x, y), size)});
      x += size.width() + kGap;
      row = std::max(row, size.height());
    }
    height_ = places_.empty() ? 0 : y + row;
  }

  double height() const { return height_; }

  // Painted with the page's millimetres from `at`.
  void Paint(QPainter& painter, const Pages& pages, QPointF at, const QFont& font) const {
    for (const Place& place : places_) {
      const QSizeF size(pages.Mm(place.piece->width_mm * scale_),
                        pages.Mm(place.piece->height_mm * scale_));
      for (std::int64_t n = 0; n < place.drawn; ++n) {
        const QPointF corner = place.box.topLeft() + place.step * static_cast<double>(n);
        PaintPiece(painter, *place.piece,
                   QRectF(at + QPointF(pages.Mm(corner.x()), pages.Mm(corner.y())), size));
      }
      if (kind_ != Counted) continue;
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(
          QRectF(at.x() + pages.Mm(place.box.x()), at.y() + pages.Mm(place.box.bottom() - kCountMm),
                 pages.Mm(place.box.width()), pages.Mm(kCountMm)),
          Qt::AlignCenter, QStringLiteral("× ") + QString::number(place.count));
    }
  }

 private:
  // Millimetres between heaps and between stacked pieces; a fanned piece shows
  // this much of its width, where its value is written large.
  static constexpr double kGap = 3, kStep = 2, kCountMm = 6, kFan = 0.45;
  struct Place {
    const Piece* piece;
    std::int64_t count, drawn;
    QPointF step;  // from one piece of the heap to the next, in millimetres
    QRectF box;    // in millimetres
  };
  double scale_;
  Kind kind_;
  std::vector<Place> places_;
  double height_ = 0;
};

// Notes and coins across the page from the cursor, all on one page.
void Money(Pages& pages, const std::vector<Heap>& heaps, double scale, MoneyRows::Kind kind) {
  const MoneyRows rows(heaps, scale, kind, pages.Width() / pages.Mm(1));
  pages.Keep(pages.Mm(rows.height()));
  rows.Paint(pages.painter(), pages, QPointF(pages.Left(), pages.Y()), pages.Font(11));
  pages.Down(rows.height());
}

// How large a handful is drawn, and the fewest in the key: a 5 € note 48 mm
// and 30 mm wide, a 1 € coin 9 mm and 6 mm.
constexpr double kHandfulScale = 0.4, kKeyScale = 0.25;

// What a task's answer takes below its text, in millimetres, on a page `width`
// millimetres wide.
double AnswerHeight(const WorksheetTask& task, double width) {
  switch (task.kind) {
    case WorksheetTask::Payment:
      return 22;
    case WorksheetTask::Split: {
      const int columns = task.lines > 28 ? 3 : task.lines > 14 ? 2 : 1;
      return (task.lines + columns - 1) / columns * 7 + 22;
    }
    case WorksheetTask::LargestFirst:
      return 22;
    case WorksheetTask::Change:
    case WorksheetTask::Cents:
      return 22;
    case WorksheetTask::Counting:
      return MoneyRows(task.money, kHandfulScale, MoneyRows::Fanned, width).height() + 26;
  }
  return 22;
}

}  // namespace

bool PrintWorksheet(const Worksheet& sheet, QPagedPaintDevice& device) {
  QPainter painter(&device);
  if (!painter.isActive()) return false;
  Pages pages(device, painter);
  // The head: the sheet's number, then blanks for the pupil.
  pages.Text(pages.Font(20, true), Q(sheet.title), Qt::AlignHCenter);
  pages.Down(6);
  const QFont text = pages.Font(14);
  const double blank = pages.Width() / sheet.blanks.size();
  const double line_height = pages.TextHeight(text, "Име:", blank);
  painter.setFont(text);
  for (std::size_t i = 0; i < sheet.blanks.size(); ++i) {
    const double left = pages.Left() + i * blank;
    const QString caption = Q(sheet.blanks[i]);
    const double caption_width = QFontMetricsF(text, &device).horizontalAdvance(caption + " ");
    painter.drawText(QRectF(left, pages.Y(), caption_width, line_height), Qt::AlignLeft, caption);
    painter.drawLine(QPointF(left + caption_width, pages.Y() + line_height),
                     QPointF(left + blank - pages.Mm(5), pages.Y() + line_height));
  }
  pages.Down(line_height / pages.Mm(1) + 8);

  for (const WorksheetTask& task : sheet.tasks) {
    // A task and its answer's room stand on one page.
    pages.Text(text, Q(task.text), Qt::AlignLeft,
               pages.Mm(AnswerHeight(task, pages.Width() / pages.Mm(1))));
    pages.Down(3);
    if (task.kind == WorksheetTask::Payment) PaymentBoxes(pages, task);
    if (task.kind == WorksheetTask::Split) WayLines(pages, task);
    if (task.kind == WorksheetTask::Counting) {
      Money(pages, task.money, kHandfulScale, MoneyRows::Fanned);
      pages.Down(4);
    }
    if (task.kind == WorksheetTask::LargestFirst || task.kind == WorksheetTask::Counting ||
        task.kind == WorksheetTask::Change || task.kind == WorksheetTask::Cents)
      CaptionedBoxes(pages, task);
    pages.Down(8);
  }

  // The key, from a page of its own.
  pages.NewPage();
  pages.Text(pages.Font(16, true), Q(sheet.key_title), Qt::AlignHCenter);
  pages.Down(5);
  const QFont heading = pages.Font(13, true), line = pages.Font(11);
  for (const WorksheetAnswer& answer : sheet.answers) {
    // A drawing stands on the page of its heading and lines.
    if (!answer.money.empty()) {
      double height = pages.TextHeight(heading, Q(answer.heading), pages.Width()) +
                      pages.Mm(MoneyRows(answer.money, kKeyScale, MoneyRows::Counted,
                                         pages.Width() / pages.Mm(1))
                                   .height() +
                               2);
      for (const std::string& text_line : answer.lines)
        height += pages.TextHeight(line, Q(text_line), pages.Width());
      pages.Keep(height);
    }
    pages.Text(heading, Q(answer.heading), Qt::AlignLeft, pages.Mm(6));
    for (const std::string& text_line : answer.lines) pages.Text(line, Q(text_line));
    if (!answer.money.empty()) {
      pages.Down(2);
      Money(pages, answer.money, kKeyScale, MoneyRows::Counted);
    }
    pages.Down(4);
  }
  pages.Text(line, Q(sheet.on_screen));
  return painter.end();
}

bool SaveWorksheetPdf(const Worksheet& sheet, const QString& path) {
  // Drawn in memory, then written beside the chosen file and moved into its
  // place only when every byte is there: QPdfWriter reports no short write (a
  // full disk), and a file cut short is no PDF, and would take the place of one
  // that was.
  QBuffer drawn;
  drawn.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&drawn);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(Q(sheet.title));
    pdf.setCreator(QStringLiteral("banknotes"));
    if (!PrintWorksheet(sheet, pdf)) return false;
  }
  // A device such as /dev/full is no file to save into: QSaveFile would put a
  // file in its place.
  const QFileInfo existing(path);
  if (existing.exists() && !existing.isFile()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(drawn.data()) != drawn.data().size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace banknotes
