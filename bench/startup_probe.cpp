// The program's start, up to the first paint of its shown window, then it quits.
// Time it from outside: hyperfine build/bench/startup_probe
#include <QApplication>
#include <QEvent>

#include "window/main_form.h"

namespace {

class QuitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QCoreApplication::quit();
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  banknotes::MainForm form;
  QuitOnFirstPaint quit;
  form.installEventFilter(&quit);
  form.show();
  return QApplication::exec();
}
