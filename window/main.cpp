#include <QApplication>

#include "window/main_form.h"
#include "window/qt_translation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Wayland compositors find the icon and name through the desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral(BANKNOTES_APP_ID));
  banknotes::UseBulgarianQtTexts();
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
