#include <QApplication>
#include <random>

#include "window/application.h"
#include "window/main_form.h"
#include "window/practice_form.h"

// banknotes: the main window. banknotes --practice: the practice window alone, as
// the desktop's "Упражнение" opens it.
int main(int argc, char* argv[]) {
  banknotes::BeginOpening();
  QApplication app(argc, argv);
  banknotes::EndOpening();
  banknotes::SetUpApplication();
  if (QApplication::arguments().contains(QStringLiteral("--practice"))) {
    banknotes::PracticeForm practice(std::random_device{}());
    practice.show();
    return QApplication::exec();
  }
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
