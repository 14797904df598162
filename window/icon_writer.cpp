// Writes the program's icon for the desktop to install, at build time; needs no
// display:
//   icon_writer SIZE FILE.png          one PNG of SIZE pixels
//   icon_writer FILE.ico SIZE...       one Windows icon holding every SIZE
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <cstdio>
#include <vector>

#include "window/hamburger_icon.h"

namespace {

// From 16 pixels up to `largest`: 1024 for a PNG, 256 for an icon file's entry.
bool ValidSize(int size, int largest) { return size >= 16 && size <= largest; }

// An .ico file whose entries are PNG pictures, as Windows reads them since Vista.
bool WriteIco(const QString& file, const std::vector<int>& sizes) {
  std::vector<QByteArray> pictures;
  for (const int size : sizes) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!banknotes::HamburgerImage(size)
             .convertToFormat(QImage::Format_ARGB32)
             .save(&buffer, "PNG"))
      return false;
    pictures.push_back(png);
  }
  QByteArray ico;
  const auto put16 = [&ico](quint16 value) {
    value = qToLittleEndian(value);
    ico.append(reinterpret_cast<const char*>(&value), 2);
  };
  const auto put32 = [&ico](quint32 value) {
    value = qToLittleEndian(value);
    ico.append(reinterpret_cast<const char*>(&value), 4);
  };
  put16(0);  // reserved
  put16(1);  // an icon, not a cursor
  put16(static_cast<quint16>(sizes.size()));
  quint32 offset = 6 + 16 * static_cast<quint32>(sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const char side = static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]);  // 0 stands for 256
    ico.append(side).append(side).append('\0').append('\0');              // no palette, reserved
    put16(1);                                                             // colour planes
    put16(32);                                                            // bits per pixel
    put32(static_cast<quint32>(pictures[i].size()));
    put32(offset);
    offset += static_cast<quint32>(pictures[i].size());
  }
  for (const QByteArray& picture : pictures) ico.append(picture);
  QFile out(file);
  return out.open(QIODevice::WriteOnly) && out.write(ico) == ico.size();
}

int Usage() {
  std::fprintf(stderr,
               "usage: icon_writer SIZE FILE.png | icon_writer FILE.ico SIZE... "
               "(SIZE from 16, to 1024 for a PNG and 256 in an icon)\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) return Usage();
  const QString first = QString::fromLocal8Bit(argv[1]);
  if (first.endsWith(QLatin1String(".ico"))) {
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i) {
      sizes.push_back(QString::fromLocal8Bit(argv[i]).toInt());
      if (!ValidSize(sizes.back(), 256)) return Usage();
    }
    return WriteIco(first, sizes) ? 0 : 1;
  }
  const int size = first.toInt();
  if (argc != 3 || !ValidSize(size, 1024)) return Usage();
  // Compressed the most (quality 0 in Qt's PNG writer): the page's icons are
  // part of what every pupil's browser fetches.
  return banknotes::HamburgerImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG", 0) ? 0 : 1;
}
