#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "tests/window_fixture.h"
#include "window/companion_form.h"
#include "window/form_style.h"
#include "window/screen_reader.h"

namespace banknotes {

// The exploring window driven as a pupil would: a ready-made set, a set typed
// in, each answer read back as a screen reader reads it; opened by F3.
class WindowExploreTest : public test_support::FormTestCase {
  Q_OBJECT

 public:
  WindowExploreTest() : FormTestCase(false) {}

 private slots:
  void init();
  void cleanup();
  void everyControlHasAName();
  void aReadySetIsAnswered();
  void aTypedSetIsAnswered();
  void aTillOfLimitsIsAnswered();
  void aReadySetChosenAgainRefillsItsValues();
  void wrongInputSaysSoAndChangesNothing();
  void f3OpensItFromTheMainWindow();

 private:
  template <typename T = QWidget>
  T* In(const QString& name) {
    return test_support::Find<T>(*explore_, name);
  }
  void TypeInto(const QString& box, const QString& text) {
    test_support::Type(*explore_, box, text);
  }
  // A box as a screen reader reads it: its text, if it has the name.
  QString Read(const QString& box, const QString& name) {
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(In(box));
    if (read->text(QAccessible::Name) != name) return QStringLiteral("(not named %1)").arg(name);
    return read->textInterface()->text(0, read->textInterface()->characterCount());
  }
  QString Label(const QString& name) { return In<QLabel>(name)->text(); }
  void Shot(const QString& name) {
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/explore"));
    QVERIFY(
        test_support::GrabScreen(*explore_).save(QStringLiteral(SCREENSHOT_DIR "/explore/%1_%2.png")
                                                     .arg(name)
                                                     .arg(explore_->ZoomPercent())));
  }

  std::unique_ptr<CompanionForm> explore_;
};

void WindowExploreTest::init() {
  explore_ = test_support::OpenWindow<CompanionForm>("ExploreForm", Settings{});
  QVERIFY(explore_);
}

void WindowExploreTest::cleanup() {
  explore_.reset();
  FormTestCase::cleanup();
}

void WindowExploreTest::everyControlHasAName() {
  QCOMPARE(explore_->windowTitle(), QStringLiteral("Изследване"));
  const QStringList names = test_support::AccessibleNames(*explore_);
  QVERIFY2(!names.join('|').contains(QStringLiteral("(no name")), qPrintable(names.join(", ")));
  for (const char* name : {"Стойност 1", "Стойност 10", "Евро: 100, 50, 20, 10, 5, 2, 1",
                           "Монети на САЩ в центове: 25, 10, 5, 1",
                           "Стари британски монети в пенса: 30, 24, 12, 6, 3, 1", "4, 3, 1",
                           "Сума за плащане", "Сума за разбиване", "Изчисли", "Алчен алгоритъм",
                           "Най-малко", "2. Дава ли алчният алгоритъм най-малко за всяка сума?",
                           "3. По колко начина се разбива сумата и колко работа иска това?"})
    QVERIFY2(names.contains(QString::fromUtf8(name)), qPrintable(names.join(", ")));
  // The main window's set, answered at start.
  QVERIFY(In<QRadioButton>("Option1_0")->isChecked());
  QCOMPARE(In<QLineEdit>("Text5_0")->text(), QStringLiteral("100"));
  QVERIFY(Read("Text6", "2. Дава ли алчният алгоритъм най-малко за всяка сума?")
              .startsWith("Алчният алгоритъм винаги"));
}

void WindowExploreTest::aReadySetIsAnswered() {
  QTest::mouseClick(In<QRadioButton>("Option1_3"), Qt::LeftButton, {}, QPoint(10, 10));
  QCOMPARE(In<QLineEdit>("Text5_0")->text(), QStringLiteral("4"));
  QCOMPARE(In<QLineEdit>("Text5_3")->text(), QString());
  TypeInto("Text3_0", "6");
  TypeInto("Text3_1", "10");
  test_support::AccessibilityEvents events;
  QTest::keyClick(In<QLineEdit>("Text3_1"), Qt::Key_Return);
  QCOMPARE(Label("Label1_0"),
           QStringLiteral("Алчният алгоритъм дава 3 монети, а може и с 2 монети."));
  QCOMPARE(Read("Text1", "Алчен алгоритъм").split('\n').first(),
           QStringLiteral("3 монети: 4 + 1 + 1"));
  QCOMPARE(Read("Text1", "Алчен алгоритъм").split('\n').at(1),
           QStringLiteral("6 : 4 = 1, остатък 2 → 1 монета от 4"));
  QCOMPARE(Read("Text2", "Най-малко"), QStringLiteral("2 монети: 3 + 3"));
  QCOMPARE(Read("Text6", "2. Дава ли алчният алгоритъм най-малко за всяка сума?"),
           QStringLiteral("Най-малката сума, за която алчният алгоритъм не дава най-малко: 6 (4 + "
                          "1 + 1, а може 3 + 3)."));
  QVERIFY(Read("Text7", "3. По колко начина се разбива сумата и колко работа иска това?")
              .startsWith(QStringLiteral("Начини да се получи 10: 8.")));
  if (test_support::AccessibilityEvents::Listening()) {
    QCOMPARE(events.announced().size(), 1);
    QVERIFY(events.announced().first().startsWith(Label("Label1_0")));
  }
  Shot("four_three_one");
  // At 200 % the whole window still fits and reads.
  for (int i = 0; i < 4; ++i)
    QTest::keyClick(In<QLineEdit>("Text3_1"), Qt::Key_Plus, Qt::ControlModifier);
  Shot("four_three_one");
  QTest::keyClick(In<QLineEdit>("Text3_1"), Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(explore_->ZoomPercent(), 100);
}

void WindowExploreTest::aTypedSetIsAnswered() {
  const QStringList values = {"20", "10", "5", "2", "1", "", "", "", "", ""};
  for (int k = 0; k < 10; ++k) TypeInto(QStringLiteral("Text5_%1").arg(k), values[k]);
  TypeInto("Text3_0", "99");
  TypeInto("Text3_1", "99");
  QTest::mouseClick(In<QPushButton>("Command1_0"), Qt::LeftButton);
  QCOMPARE(Label("Label1_0"), QStringLiteral("Алчният алгоритъм дава най-малко: 8 монети."));
  const QString ways =
      Read("Text7", "3. По колко начина се разбива сумата и колко работа иска това?");
  QCOMPARE(ways.split('\n').first(), QStringLiteral("Начини да се получи 99: 3950."));
  QVERIFY2(ways.contains(QStringLiteral("5\u00a0000\u00a0000 комбинации")), qPrintable(ways));
  QVERIFY2(ways.contains(QStringLiteral("495 стъпки")), qPrintable(ways));
  Shot("typed_set");
}

// 50 and 20 with one 50 and three 20 in the till: 60 is where largest first is
// stuck, found and said in the second answer.
void WindowExploreTest::aTillOfLimitsIsAnswered() {
  for (int k = 0; k < 16; ++k) TypeInto(QStringLiteral("Text5_%1").arg(k), "");
  TypeInto("Text5_0", "50");
  TypeInto("Text8_0", "1");
  TypeInto("Text5_1", "20");
  TypeInto("Text8_1", "3");
  QCOMPARE(In("Text8_1")->accessibleName(), QStringLiteral("Брой в касата 2"));
  TypeInto("Text3_0", "60");
  QTest::keyClick(In<QLineEdit>("Text8_1"), Qt::Key_Return);
  QCOMPARE(Label("Label1_0"),
           QStringLiteral("Алчният алгоритъм не изплаща 60: остава 10. А може с 3 монети."));
  QCOMPARE(Read("Text6", "2. Дава ли алчният алгоритъм най-малко за всяка сума?"),
           QStringLiteral("С тази каса алчният алгоритъм не винаги дава най-малко. Най-малката "
                          "сума, при която греши: 60 от 50, 20, 20 и 20: алчният алгоритъм взима "
                          "50 и остават 10, които не може да плати; 20 + 20 + 20 плаща."));
  Shot("till_60");
}

// By mouse on the chosen option, and by Space on it from the keyboard.
void WindowExploreTest::aReadySetChosenAgainRefillsItsValues() {
  QTest::mouseClick(In<QRadioButton>("Option1_3"), Qt::LeftButton, {}, QPoint(10, 10));
  TypeInto("Text5_0", "5");
  QTest::mouseClick(In<QRadioButton>("Option1_3"), Qt::LeftButton, {}, QPoint(10, 10));
  QCOMPARE(In<QLineEdit>("Text5_0")->text(), QStringLiteral("4"));
  TypeInto("Text5_1", "2");
  In<QRadioButton>("Option1_3")->setFocus();
  QTest::keyClick(In<QRadioButton>("Option1_3"), Qt::Key_Space);
  QCOMPARE(In<QLineEdit>("Text5_1")->text(), QStringLiteral("3"));
  QVERIFY(In<QRadioButton>("Option1_3")->isChecked());
}

void WindowExploreTest::wrongInputSaysSoAndChangesNothing() {
  TypeInto("Text3_0", "6");
  QTest::keyClick(In<QLineEdit>("Text3_0"), Qt::Key_Return);
  const WindowContent before = explore_->ReadForm();
  TypeInto("Text5_1", "100");
  QTest::keyClick(In<QLineEdit>("Text5_1"), Qt::Key_Return);
  QCOMPARE(Label("Label1_1"), QStringLiteral("Стойността 100 е въведена два пъти."));
  WindowContent after = explore_->ReadForm();
  after["Text5_1"] = before["Text5_1"];
  after["Label1_1"] = before["Label1_1"];
  QCOMPARE(after == before, true);
}

void WindowExploreTest::f3OpensItFromTheMainWindow() {
  OpenForm();
  QTest::keyClick(form_->focusWidget(), Qt::Key_F3);
  QWidget* opened = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == "ExploreForm" && window != explore_.get() && window->isVisible())
      opened = window;
  QVERIFY(opened);
  QCOMPARE(opened->windowTitle(), QStringLiteral("Изследване"));
  opened->close();
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowExploreTest)
#include "window_explore_test.moc"
