// How long a click on "Изведи" with 99 takes until its 3950 lines are in the list
// and painted. Run it by hand (it is not a test): build/bench/window_bench -median 21
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "window/main_form.h"

namespace banknotes {

class WindowBench : public QObject {
  Q_OBJECT

 private slots:
  void listNinetyNine() {
    MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* list = form.findChild<QListWidget*>(QStringLiteral("List1_0"));
    auto* clear = form.findChild<QPushButton*>(QStringLiteral("Command1_0"));
    auto* list_button = form.findChild<QPushButton*>(QStringLiteral("Command1_2"));
    QBENCHMARK {
      // Start each round from an empty list, as a user's click after "Чисти" does.
      clear->click();
      form.findChild<QLineEdit*>(QStringLiteral("Text3_2"))->setText(QStringLiteral("99"));
      list_button->click();
      form.repaint();
    }
    QCOMPARE(list->count(), 3950);
  }
};

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowBench)
#include "window_bench.moc"
