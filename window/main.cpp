#include <QApplication>

#include "window/hamburger_icon.h"
#include "window/main_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(banknotes::HamburgerIcon());
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
