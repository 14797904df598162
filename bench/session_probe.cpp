// A short session in the shown window: pay 130, list 99 twice, scroll the list to
// its end. Prints the peak resident set size; compare it with
//   /usr/bin/time -f '%M KB' build/bench/empty_window_probe
#include <sys/resource.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cstdio>

#include "window/application.h"
#include "window/main_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  banknotes::SetUpApplication();
  banknotes::MainForm form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  const auto find = [&form](const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
  };
  const auto click = [&](const char* name) {
    static_cast<QPushButton*>(find(name))->click();
    form.repaint();
  };

  static_cast<QLineEdit*>(find("Text3_0"))->setText(QStringLiteral("130"));
  click("Command1_1");
  static_cast<QLineEdit*>(find("Text3_2"))->setText(QStringLiteral("99"));
  click("Command1_2");
  click("Command1_2");
  static_cast<QAbstractItemView*>(find("List1_0"))->scrollToBottom();
  form.repaint();
  QTest::qWait(50);

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak RSS after the session: %ld KB\n", usage.ru_maxrss);
  return 0;
}
