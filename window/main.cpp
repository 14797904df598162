#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include "window/application.h"
#include "window/main_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Fonts built into the program, where the system has none to offer (the web).
  const QString fonts = QStringLiteral(":/banknotes/fonts/");
  for (const QString& font : QDir(fonts).entryList(QDir::Files))
    QFontDatabase::addApplicationFont(fonts + font);
  banknotes::SetUpApplication();
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
