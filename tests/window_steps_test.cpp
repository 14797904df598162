#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "tests/window_fixture.h"
#include "window/companion_form.h"

namespace banknotes {

// The window "Стъпка по стъпка" driven by role and name as a pupil would: largest
// first stepped and undone, the odometer for 10, 99 run to the end and timed, the
// pupil deciding for the algorithm, and how the work grows; opened by F4.
class WindowStepsTest : public test_support::FormTestCase {
  Q_OBJECT

 public:
  WindowStepsTest() : FormTestCase(false) {}

 private slots:
  void init();
  void cleanup();
  void everyControlHasAName();
  void largestFirstStepsBackAndRunsToTheEnd();
  void theOdometerAnd99ToTheEnd();
  void playsOnItsOwnAndStops();
  void thePupilDecides();
  void theWorkGrowsWithItsTable();
  void f4OpensItFromTheMainWindow();

 private:
  template <typename T = QWidget>
  T* In(const QString& name) {
    return test_support::Find<T>(*steps_, name);
  }
  void Press(const QString& button) { QTest::mouseClick(In<QPushButton>(button), Qt::LeftButton); }
  void Choose(const QString& option) {
    QTest::mouseClick(In<QRadioButton>(option), Qt::LeftButton, {}, QPoint(10, 10));
  }
  QString Label(const QString& name) { return In<QLabel>(name)->text(); }
  // A list's lines and the line chosen, as a screen reader reads them.
  QStringList Lines(const QString& list) {
    QStringList lines;
    const QAbstractItemModel* model = In<QListView>(list)->model();
    for (int row = 0; row < model->rowCount(); ++row)
      lines << model->index(row, 0).data().toString();
    return lines;
  }
  int Chosen(const QString& list) { return In<QListView>(list)->currentIndex().row(); }
  // A box as a screen reader reads it, its no-break spaces kept.
  QString Text(const QString& box) {
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(In(box));
    return read->textInterface()->text(0, read->textInterface()->characterCount());
  }
  void Shot(const QString& name) {
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/steps"));
    QVERIFY(test_support::GrabScreen(*steps_).save(
        QStringLiteral(SCREENSHOT_DIR "/steps/%1_%2.png").arg(name).arg(steps_->ZoomPercent())));
  }

  std::unique_ptr<CompanionForm> steps_;
};

void WindowStepsTest::init() {
  steps_ = test_support::OpenWindow<CompanionForm>("StepsForm", Settings{});
  QVERIFY(steps_);
}

void WindowStepsTest::cleanup() {
  steps_.reset();
  FormTestCase::cleanup();
}

void WindowStepsTest::everyControlHasAName() {
  QCOMPARE(steps_->windowTitle(), QStringLiteral("Стъпка по стъпка"));
  const QStringList names = test_support::AccessibleNames(*steps_);
  QVERIFY2(!names.join('|').contains(QStringLiteral("(no name")), qPrintable(names.join(", ")));
  for (const char* name : {"Първо най-голямата",
                           "Всички комбинации",
                           "Броене на начините",
                           "Сума за плащане",
                           "Стойности за плащане",
                           "Стъпка",
                           "Назад",
                           "Пусни",
                           "Спри",
                           "До края",
                           "Отначало",
                           "Кодът",
                           "Променливи",
                           "Броячи",
                           "Досега",
                           "Код на C++",
                           "1 стъпка в секунда",
                           "Ти си алгоритъмът",
                           "До сума",
                           "Покажи",
                           "Таблица: комбинации, стъпки и време"})
    QVERIFY2(names.contains(QString::fromUtf8(name)), qPrintable(names.join(", ")));
  QCOMPARE(Lines("List1_0").first(), QStringLiteral("остатък ← сума"));
  QCOMPARE(Label("Label1_0"), QStringLiteral("В началото."));
}

void WindowStepsTest::largestFirstStepsBackAndRunsToTheEnd() {
  test_support::AccessibilityEvents events;
  for (int step = 0; step < 5; ++step) Press("Command1_0");
  QCOMPARE(Label("Label1_0"), QStringLiteral("ред 5: остават 206"));
  QCOMPARE(Chosen("List1_0"), 4);
  QCOMPARE(Text("Text4"), QStringLiteral("сума = 306\nостатък = 206\nстойност = 100"));
  QCOMPARE(Lines("List1_1"), QStringList{QStringLiteral("1 банкнота от 100\u00a0€")});
  if (test_support::AccessibilityEvents::Listening())
    QVERIFY2(events.announced().contains(QStringLiteral("ред 5: остават 206")),
             qPrintable(events.announced().join(" | ")));
  Shot("largest_first_306");
  Press("Command1_1");
  Press("Command1_1");
  QCOMPARE(Label("Label1_0"), QStringLiteral("ред 3: 100 ≤ 306: да"));
  QCOMPARE(Chosen("List1_0"), 2);
  QVERIFY(Lines("List1_1").isEmpty());
  // The keyboard alone: Space on the focused "До края".
  In<QPushButton>("Command1_4")->setFocus();
  QTest::keyClick(In<QPushButton>("Command1_4"), Qt::Key_Space);
  QCOMPARE(Label("Label1_0"), QStringLiteral("ред 6: край: изплатено"));
  QCOMPARE(Lines("List1_1").size(), 3);
  Choose("Option2_1");
  QCOMPARE(Lines("List1_0").first(), QStringLiteral("int left = amount;"));
  Press("Command1_5");
  QCOMPARE(Chosen("List1_0"), -1);
}

void WindowStepsTest::theOdometerAnd99ToTheEnd() {
  Choose("Option1_1");
  QVERIFY(In("Text3_1")->isVisible());
  QVERIFY(!In("Text3_0")->isVisible());
  Press("Command1_4");
  QCOMPARE(Lines("List1_1").size(), 11);
  QCOMPARE(Lines("List1_1").first(), QStringLiteral("20*0 + 10*1 + 5*0 + 2*0 + 1*0 = 10"));
  QCOMPARE(Label("Label1_0"), QStringLiteral("ред 8: край: 11 начина"));
  test_support::Type(*steps_, "Text3_1", "99");
  QElapsedTimer took;
  took.start();
  Press("Command1_4");
  const qint64 ms = took.elapsed();
  qInfo("99 to the end on the desktop: %lld ms", static_cast<long long>(ms));
  QCOMPARE(Lines("List1_1").size(), 3950);
  QVERIFY2(Text("Text5").contains(QStringLiteral("Опитани комбинации: 5\u00a0000\u00a0000")),
           qPrintable(Text("Text5")));
  Shot("every_combination_99");
  // Zoomed in as far as the screen lets it, the window still reads whole.
  for (int i = 0; i < 4; ++i)
    QTest::keyClick(In<QLineEdit>("Text3_1"), Qt::Key_Plus, Qt::ControlModifier);
  QVERIFY(steps_->ZoomPercent() > 100);
  Shot("every_combination_99");
  QTest::keyClick(In<QLineEdit>("Text3_1"), Qt::Key_0, Qt::ControlModifier);
  Choose("Option1_2");
  Press("Command1_4");
  QCOMPARE(Label("Label1_0"), QStringLiteral("ред 5: край: начини[99] = 3950"));
  Shot("counting_ways_99");
}

void WindowStepsTest::playsOnItsOwnAndStops() {
  Choose("Option3_2");
  Press("Command1_2");
  QTRY_VERIFY_WITH_TIMEOUT(Label("Label1_0").startsWith(QStringLiteral("ред 3")), 5000);
  // Keys are answered during the run: the keyboard stops it.
  In<QPushButton>("Command1_3")->setFocus();
  QTest::keyClick(In<QPushButton>("Command1_3"), Qt::Key_Space);
  const QString stopped = Label("Label1_0");
  QTest::qWait(200);
  QCOMPARE(Label("Label1_0"), stopped);
  Press("Command1_2");
  QTRY_COMPARE_WITH_TIMEOUT(Label("Label1_0"), QStringLiteral("ред 6: край: изплатено"), 10000);
}

void WindowStepsTest::thePupilDecides() {
  Choose("Option4_1");
  QVERIFY(In("Text6")->isVisible());
  for (int step = 0; step < 3; ++step) Press("Command1_0");
  QCOMPARE(Label("Label6"), QStringLiteral("Остатъкът е 306. Коя стойност дава алгоритъмът? "
                                           "(100, 50, 20, 10, 5, 2 или 1)"));
  test_support::Type(*steps_, "Text6", "50");
  QTest::keyClick(In<QLineEdit>("Text6"), Qt::Key_Return);
  QVERIFY2(Label("Label7").startsWith(QStringLiteral("Не. Алгоритъмът дава 100")),
           qPrintable(Label("Label7")));
  for (int step = 0; step < 2; ++step) Press("Command1_0");
  test_support::Type(*steps_, "Text6", "100");
  Press("Command2");
  QVERIFY2(Label("Label7").startsWith(QStringLiteral("Вярно!")), qPrintable(Label("Label7")));
  QCOMPARE(Label("Label8"), QStringLiteral("Верни отговори: 1 от 2"));
  Shot("pupil_decides");
}

void WindowStepsTest::theWorkGrowsWithItsTable() {
  Choose("Option1_3");
  QVERIFY(In("Picture1")->isVisible());
  QVERIFY(!In("List1_0")->isVisible());
  QVERIFY(!In("Command1_0")->isVisible());
  QCOMPARE(In("Picture1")->accessibleName().left(9), QStringLiteral("Графика: "));
  QCOMPARE(Lines("List1_3").size(), 7);
  test_support::Type(*steps_, "Text9", "1000");
  Press("Command3");
  const QStringList table = Lines("List1_3");
  QCOMPARE(table.size(), 10);
  QVERIFY2(table.last().startsWith(QStringLiteral("Сума 1000: около ")), qPrintable(table.last()));
  QCOMPARE(Label("Label1_1"),
           QStringLiteral("Показани са сумите до 1000 със стойностите 20, 10, 5, "
                          "2 и 1."));
  // The chart is painted: its middle is not all the background.
  const QImage drawn = In("Picture1")->grab().toImage();
  const QColor paper = drawn.pixelColor(2, 2);
  int inked = 0;
  for (int y = 0; y < drawn.height(); y += 2)
    for (int x = 0; x < drawn.width(); x += 2) inked += drawn.pixelColor(x, y) != paper;
  QVERIFY2(inked > 200, qPrintable(QString::number(inked)));
  Shot("growth_1000");
}

void WindowStepsTest::f4OpensItFromTheMainWindow() {
  OpenForm();
  QTest::keyClick(form_->focusWidget(), Qt::Key_F4);
  QWidget* opened = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == "StepsForm" && window != steps_.get() && window->isVisible())
      opened = window;
  QVERIFY(opened);
  QCOMPARE(opened->windowTitle(), QStringLiteral("Стъпка по стъпка"));
  opened->close();
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowStepsTest)
#include "window_steps_test.moc"
