#include <QApplication>

#include "window/application.h"
#include "window/companion_form.h"
#include "window/main_form.h"

namespace {

// The settings after the program's options: "--payment-range 0" is the
// setting "paymentRange", as a page's address names it.
banknotes::Settings SettingsOf(const QStringList& arguments) {
  banknotes::Settings settings;
  for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
    if (!arguments[i].startsWith(QLatin1String("--")) ||
        arguments[i + 1].startsWith(QLatin1String("--")))
      continue;
    QString name;
    bool upper = false;
    for (const QChar c : arguments[i].mid(2)) {
      if (c == QLatin1Char('-')) {
        upper = true;
        continue;
      }
      name += upper ? c.toUpper() : c;
      upper = false;
    }
    settings.emplace_back(name.toStdString(), arguments[i + 1].toStdString());
  }
  return settings;
}

}  // namespace

// banknotes: the main window. banknotes --practice [--seed N] [--payment-range K]
// [--split-range J]: the practice window alone, as the desktop's "Упражнение"
// opens it, with the tasks of number N and the ranges K (0 to 2) and J (0 or 1),
// as a worksheet of that number and ranges has them. banknotes --explore, --steps:
// the exploring window, or the window "Стъпка по стъпка", alone.
int main(int argc, char* argv[]) {
  banknotes::BeginOpening();
  QApplication app(argc, argv);
  banknotes::EndOpening();
  banknotes::SetUpApplication();
  const QStringList arguments = QApplication::arguments();
  for (const banknotes::Companion& companion : banknotes::Companions())
    if (arguments.contains(companion.option)) {
      banknotes::CompanionForm window(companion.name, SettingsOf(arguments));
      window.show();
      return QApplication::exec();
    }
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
