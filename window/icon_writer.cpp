// Writes the program's icon as a PNG of the given size, for the desktop to
// install: icon_writer SIZE FILE. Runs at build time; needs no display.
#include <QImage>
#include <QString>
#include <cstdio>

#include "window/hamburger_icon.h"

int main(int argc, char* argv[]) {
  const int size = argc == 3 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
  if (size < 16 || size > 1024) {
    std::fprintf(stderr, "usage: icon_writer SIZE FILE (SIZE from 16 to 1024)\n");
    return 2;
  }
  return banknotes::HamburgerImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
