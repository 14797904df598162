#include <QApplication>

#include "window/main_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
