#include "window/hamburger_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace banknotes {

QImage HamburgerImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    // Drawn on a 32-unit grid; other sizes scale it, smoothed.
    p.scale(size / 32.0, size / 32.0);
    p.setRenderHint(QPainter::Antialiasing, size != kWindowIconSize);
    p.setPen(Qt::NoPen);

    // Top bun: a dome with sesame seeds.
    p.setBrush(QColor(214, 150, 62));
    p.drawChord(QRect(2, 3, 28, 18), 0, 180 * 16);
    p.setBrush(QColor(250, 240, 200));
    for (const QPoint seed :
         {QPoint(10, 6), QPoint(16, 5), QPoint(21, 7), QPoint(13, 9), QPoint(19, 10)})
      p.drawRect(QRect(seed, QSize(2, 1)));

    // Lettuce: a wavy green band under the bun.
    p.setBrush(QColor(60, 170, 40));
    QPainterPath lettuce;
    lettuce.moveTo(1, 12);
    for (int x = 1; x <= 31; x += 3) lettuce.lineTo(x, (x / 3) % 2 ? 16 : 14);
    lettuce.lineTo(31, 12);
    lettuce.closeSubpath();
    p.drawPath(lettuce);

    // Cheese.
    p.setBrush(QColor(250, 200, 30));
    p.drawRect(QRect(3, 15, 26, 2));

    // Tomato.
    p.setBrush(QColor(220, 40, 30));
    p.drawRect(QRect(3, 17, 26, 2));

    // Patty.
    p.setBrush(QColor(110, 60, 30));
    p.drawRoundedRect(QRect(2, 19, 28, 4), 2, 2);

    // The cheese's corner hangs down over tomato and patty.
    p.setBrush(QColor(250, 200, 30));
    p.drawPolygon(QPolygon({QPoint(20, 16), QPoint(27, 16), QPoint(24, 21)}));

    // Bottom bun.
    p.setBrush(QColor(214, 150, 62));
    p.drawRoundedRect(QRect(3, 23, 26, 5), 2, 2);
  }
  if (size != kWindowIconSize) return image;
  // 256 colours, as the icon has always been; alpha stays in the colour table.
  return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

QIcon HamburgerIcon() { return QIcon(QPixmap::fromImage(HamburgerImage(kWindowIconSize))); }

}  // namespace banknotes
