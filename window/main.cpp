#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include "window/main_form.h"
#include "window/qt_translation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Wayland compositors find the icon and name through the desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral(BANKNOTES_APP_ID));
  banknotes::UseBulgarianQtTexts();
  // Fonts built into the program, where the system has none to offer (the web).
  const QString fonts = QStringLiteral(":/banknotes/fonts/");
  for (const QString& font : QDir(fonts).entryList(QDir::Files))
    QFontDatabase::addApplicationFont(fonts + font);
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
