// The program's start, up to the first paint of its shown window, then it quits.
// Compare it with an empty window of the same size:
//   hyperfine -N -w 3 -r 40 build/bench/empty_window_probe build/bench/startup_probe
#include <QApplication>

#include "bench/quit_on_first_paint.h"
#include "window/application.h"
#include "window/main_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  banknotes::SetUpApplication();
  banknotes::MainForm form;
  banknotes::bench::QuitOnFirstPaint quit;
  form.installEventFilter(&quit);
  form.show();
  return QApplication::exec();
}
