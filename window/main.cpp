#include <QApplication>
#include <random>

#include "window/application.h"
#include "window/explore_form.h"
#include "window/main_form.h"
#include "window/practice_form.h"

// banknotes: the main window. banknotes --practice [--seed N]: the practice
// window alone, as the desktop's "Упражнение" opens it, with the tasks of number
// N, as a worksheet of that number has them. banknotes --explore: the exploring
// window alone.
int main(int argc, char* argv[]) {
  banknotes::BeginOpening();
  QApplication app(argc, argv);
  banknotes::EndOpening();
  banknotes::SetUpApplication();
  const QStringList arguments = QApplication::arguments();
  if (arguments.contains(QStringLiteral("--practice"))) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--seed"));
    bool given = false;
    const std::uint32_t seed =
        at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toUInt(&given) : 0;
    banknotes::PracticeForm practice(given ? seed : std::random_device{}());
    practice.show();
    return QApplication::exec();
  }
  if (arguments.contains(QStringLiteral("--explore"))) {
    banknotes::ExploreForm explore;
    explore.show();
    return QApplication::exec();
  }
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
