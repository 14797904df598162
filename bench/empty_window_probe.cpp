// The floor for startup_probe: an empty window of the program's size that quits
// at its first paint.
#include <QApplication>
#include <QWidget>

#include "bench/quit_on_first_paint.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(519, 390);
  banknotes::bench::QuitOnFirstPaint quit;
  window.installEventFilter(&quit);
  window.show();
  return QApplication::exec();
}
