// The fair floor for startup_probe: a window of the program's size that shows one
// label in the window's font, so it pays for Qt's font database as every window
// with text does, and quits at its first paint:
//   hyperfine -N -w 3 -r 40 build/bench/label_window_probe build/bench/startup_probe
#include <QApplication>
#include <QLabel>

#include "bench/quit_on_first_paint.h"
#include "window/form_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("Математика - точна сума, разбиване"));
  window.setFont(banknotes::FormFont());
  window.setFixedSize(519, 390);
  banknotes::bench::QuitOnFirstPaint quit;
  window.installEventFilter(&quit);
  window.show();
  return QApplication::exec();
}
