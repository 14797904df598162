#include <QApplication>

#include "window/main_form.h"
#include "window/qt_translation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  banknotes::UseBulgarianQtTexts();
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
