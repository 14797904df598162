#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "logic/companions/practice.h"
#include "logic/companions/worksheet.h"
#include "tests/window_fixture.h"
#include "window/companion_form.h"
#include "window/form_style.h"
#include "window/screen_reader.h"

namespace banknotes {

// The practice window driven as a pupil would, with a fixed seed: a payment and
// a hunt for the ways of a sum, the answers read back as a screen reader reads
// the answer box; opened from the main window by F2.
class WindowPracticeTest : public test_support::FormTestCase {
  Q_OBJECT

 public:
  WindowPracticeTest() : FormTestCase(false) {}

 private slots:
  void init();
  void cleanup();
  void everyControlHasAName();
  void paymentIsCheckedAndExplained();
  void waysAreHuntedAndShown();
  void countBoxesTakeDigitsOnly();
  void theWalletPaysAndTheCounterFollowsTheBoxes();
  void theFirstLevelPaysWithFiveTwoAndOne();
  void changeIsGivenAtTheTill();
  void dragsPayAndTakeBack();
  void theCounterKeepsItsLayoutAsItsScrollBarComesAndGoes();
  void theKeyboardAloneReachesEverything();
  void f2OpensItFromTheMainWindow();
  void theTaskAndEachAnswerAreSaid();
  void rangesGivenAtStartAreChosenAndDrawnFrom();

 private:
  template <typename T = QWidget>
  T* In(const QString& name) {
    return test_support::Find<T>(*practice_, name);
  }
  void TypeInto(const QString& box, const QString& text) {
    test_support::Type(*practice_, box, text);
  }
  QString Label(const QString& name) { return In<QLabel>(name)->text(); }
  // The answer, as a screen reader reads the answer box: its name, and its text.
  QString Answer() {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(In("Text1"));
    if (box->text(QAccessible::Name) != QStringLiteral("Отговор") || !box->state().readOnly)
      return QStringLiteral("(no read-only box named Отговор)");
    return box->textInterface()->text(0, box->textInterface()->characterCount());
  }
  void Shot(const QString& name) {
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/practice"));
    QVERIFY(test_support::GrabScreen(*practice_)
                .save(QStringLiteral(SCREENSHOT_DIR "/practice/%1_%2.png")
                          .arg(name)
                          .arg(practice_->ZoomPercent())));
  }

  std::unique_ptr<CompanionForm> practice_;
};

void WindowPracticeTest::init() {
  practice_ = test_support::OpenWindow<CompanionForm>("PracticeForm", Settings{{"seed", "2026"}});
  QVERIFY(practice_);
}

void WindowPracticeTest::cleanup() {
  practice_.reset();
  FormTestCase::cleanup();
}

void WindowPracticeTest::everyControlHasAName() {
  QCOMPARE(practice_->windowTitle(), QStringLiteral("Упражнение"));
  const QStringList names = test_support::AccessibleNames(*practice_);
  QVERIFY2(!names.join('|').contains(QStringLiteral("(no name")), qPrintable(names.join(", ")));
  for (const char* name : {"Плащане", "Разбиване", "Суми до 1000", "Брой банкноти от 100 евро",
                           "Брой монети от 1 евро", "Сума за разбиване", "Брой по 20", "Брой по 1",
                           "Провери", "Нова задача", "Покажи всички", "Отговор", "Намерени начини"})
    QVERIFY2(names.contains(QString::fromUtf8(name)), qPrintable(names.join(", ")));
  QVERIFY(In<QRadioButton>("Option2_1")->isChecked());  // up to 1000 unless chosen
}

void WindowPracticeTest::paymentIsCheckedAndExplained() {
  const QString task = In<QLabel>("Label1_0")->text();
  QCOMPARE(task, QStringLiteral("Изплатете 306\u00a0€ с възможно най-малко банкноти и монети."));
  Shot("payment_task");

  // 306 as 3 x 100 and 3 x 2 is short by 0 but not fewest; first a wrong sum.
  TypeInto("Text2_0", "3");
  TypeInto("Text2_5", "2");
  QTest::mouseClick(In<QPushButton>("Command1_0"), Qt::LeftButton);
  QCOMPARE(Answer(), QStringLiteral("Сумата е 304\u00a0€, а трябва да е 306\u00a0€."));
  QVERIFY(test_support::ListedLines(*practice_, "List3_0").isEmpty());
  Shot("payment_wrong_sum");

  TypeInto("Text2_5", "3");
  QTest::keyClick(In<QLineEdit>("Text2_5"), Qt::Key_Return);  // Enter checks too
  QCOMPARE(Answer().split('\n').first(),
           QStringLiteral(
               "Сумата е вярна, но с 3 банкноти и 3 монети. Може и с 4 банкноти и 1 монета:"));
  QCOMPARE(Answer().split('\n').mid(1),
           QStringList({"306 : 100 = 3, остатък 6 → 3 банкноти по 100\u00a0€",
                        "6 : 5 = 1, остатък 1 → 1 банкнота от 5\u00a0€",
                        "1 : 1 = 1, остатък 0 → 1 монета от 1\u00a0€"}));
  // The fewest drawn under the answer, beside what was paid above it.
  QCOMPARE(
      test_support::ListedLines(*practice_, "List3_0"),
      QStringList({"3 банкноти по 100\u00a0€", "1 банкнота от 5\u00a0€", "1 монета от 1\u00a0€"}));
  QCOMPARE(test_support::ListedLines(*practice_, "List2_0").size(), 2);
  Shot("payment_not_fewest");

  TypeInto("Text2_5", "");
  TypeInto("Text2_4", "1");
  TypeInto("Text2_6", "1");
  QTest::mouseClick(In<QPushButton>("Command1_0"), Qt::LeftButton);
  QCOMPARE(Answer(), QStringLiteral("Вярно! 4 банкноти и 1 монета – по-малко не може."));
  QCOMPARE(In<QLabel>("Label1_1")->text(), QStringLiteral("Верни от първия път: 0 от 1"));
  Shot("payment_fewest");

  QTest::mouseClick(In<QPushButton>("Command1_1"), Qt::LeftButton);
  QVERIFY(In<QLabel>("Label1_0")->text() != task);
  QCOMPARE(In<QLineEdit>("Text2_0")->text(), QString());
  QCOMPARE(Answer(), QString());
}

void WindowPracticeTest::waysAreHuntedAndShown() {
  QVERIFY(!In("Frame5")->isVisible());
  QTest::mouseClick(In<QRadioButton>("Option1_1"), Qt::LeftButton, {}, QPoint(10, 10));
  QVERIFY(In("Frame5")->isVisible() && !In("Frame4")->isVisible());
  QCOMPARE(In<QLabel>("Label1_0")->text(),
           QStringLiteral("Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1."));
  QCOMPARE(In<QLineEdit>("Text3_0")->text(), QStringLiteral("5"));
  Shot("split_task");

  TypeInto("Text4_4", "4");
  QTest::mouseClick(In<QPushButton>("Command1_0"), Qt::LeftButton);
  QCOMPARE(Answer(), QStringLiteral("Сумата е 4\u00a0€, а трябва да е 5\u00a0€."));
  TypeInto("Text4_3", "2");
  TypeInto("Text4_4", "1");
  QTest::keyClick(In<QLineEdit>("Text4_4"), Qt::Key_Return);
  QCOMPARE(Answer(), QStringLiteral("Нов начин! Намерен е 1 от 4 начина."));
  QTest::keyClick(In<QLineEdit>("Text4_4"), Qt::Key_Return);
  QCOMPARE(Answer(), QStringLiteral("Този начин вече е намерен."));
  QCOMPARE(test_support::ListedLines(*practice_),
           QStringList({"20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5"}));
  Shot("split_found");

  QTest::mouseClick(In<QPushButton>("Command1_2"), Qt::LeftButton);
  QCOMPARE(Answer(), QStringLiteral("Показани са всички 4 начина; намерени от вас: 1."));
  QCOMPARE(test_support::ListedLines(*practice_),
           QStringList({"20*0 + 10*0 + 5*1 + 2*0 + 1*0 = 5 (показан)",
                        "20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5",
                        "20*0 + 10*0 + 5*0 + 2*1 + 1*3 = 5 (показан)",
                        "20*0 + 10*0 + 5*0 + 2*0 + 1*5 = 5 (показан)"}));
  Shot("split_shown");

  // A sum that is no whole number from 1 to 99 says so, and the hunt goes on.
  TypeInto("Text3_0", "ab");
  QTest::keyClick(In<QLineEdit>("Text4_4"), Qt::Key_Return);
  QCOMPARE(Answer(), QStringLiteral("Сумата трябва да е цяло число от 1 до 99."));

  // At the largest zoom the screen takes (125 % on the tests' 1280 × 1024,
  // with the row of the coins of cents), every exercise still fits.
  for (int i = 0; i < 4; ++i)
    QTest::keyClick(In<QLineEdit>("Text4_4"), Qt::Key_Plus, Qt::ControlModifier);
  QVERIFY(practice_->ZoomPercent() >= 125);
  QVERIFY(practice_->screen()->availableGeometry().contains(practice_->frameGeometry()));
  Shot("split_shown");
  QTest::mouseClick(In<QRadioButton>("Option1_0"), Qt::LeftButton, {}, QPoint(20, 20));
  QVERIFY(In("Frame4")->isVisible());
  Shot("payment_task");
  QTest::keyClick(In<QLineEdit>("Text2_0"), Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(practice_->ZoomPercent(), 100);
}

// 130 paid by clicking 100, 20 and 10; one taken back by a click on its line;
// a count typed lays more on the counter, and the check reads the same payment.
void WindowPracticeTest::theWalletPaysAndTheCounterFollowsTheBoxes() {
  QCOMPARE(In("Command2_0")->accessibleName(), QStringLiteral("Банкнота от 100\u00a0€"));
  QCOMPARE(In("Command2_6")->accessibleName(), QStringLiteral("Монета от 1\u00a0€"));
  test_support::AccessibilityEvents events;
  for (const char* note : {"Command2_0", "Command2_2", "Command2_3", "Command2_2"})
    QTest::mouseClick(In<QPushButton>(note), Qt::LeftButton);
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 150\u00a0€"));
  QCOMPARE(test_support::ListedLines(*practice_, "List2_0"),
           QStringList(
               {"1 банкнота от 100\u00a0€", "2 банкноти по 20\u00a0€", "1 банкнота от 10\u00a0€"}));
  if (test_support::AccessibilityEvents::Listening())
    QCOMPARE(events.announced().last(), QStringLiteral("Сума: 150 евро"));
  // A click on the line of 20 takes one 20 back.
  auto* counter = In<QListView>("List2_0");
  QTest::mouseClick(counter->viewport(), Qt::LeftButton, {},
                    counter->visualRect(counter->model()->index(1, 0)).center());
  QCOMPARE(In<QLineEdit>("Text2_2")->text(), QStringLiteral("1"));
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 130\u00a0€"));
  Shot("wallet_130");
  // The boxes lead as well: two coins of 1 typed, then 100 cleared.
  TypeInto("Text2_6", "2");
  QCOMPARE(test_support::ListedLines(*practice_, "List2_0").last(),
           QStringLiteral("2 монети по 1\u00a0€"));
  TypeInto("Text2_0", "");
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 32\u00a0€"));
  QCOMPARE(test_support::ListedLines(*practice_, "List2_0").size(), 3);
  // "Провери" checks what lies on the counter; a new task clears it.
  test_support::Press(*practice_, 0);
  QCOMPARE(Answer(), QStringLiteral("Сумата е 32\u00a0€, а трябва да е 306\u00a0€."));
  test_support::Press(*practice_, 1);
  QVERIFY(test_support::ListedLines(*practice_, "List2_0").isEmpty());
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 0\u00a0€"));
}

// A note dragged from the wallet onto the counter pays it; a line of the
// counter dragged onto the wallet takes one back; let go anywhere else, nothing
// changes; a move shorter than a drag is a click.
void WindowPracticeTest::dragsPayAndTakeBack() {
  const auto drag = [](QWidget* from, QPoint start, QWidget* onto) {
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    const QPoint end = from->mapFromGlobal(onto->mapToGlobal(onto->rect().center()));
    for (int step = 1; step <= 4; ++step) QTest::mouseMove(from, start + (end - start) * step / 4);
    QTest::mouseRelease(from, Qt::LeftButton, {}, end);
  };
  auto* fifty = In<QPushButton>("Command2_1");
  auto* counter = In<QListView>("List2_0");
  drag(fifty, fifty->rect().center(), counter);
  drag(fifty, fifty->rect().center(), counter);
  QCOMPARE(In<QLineEdit>("Text2_1")->text(), QStringLiteral("2"));
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 100\u00a0€"));
  drag(In("Command2_6"), In("Command2_6")->rect().center(), In("Frame7"));
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 101\u00a0€"));
  // Onto the wallet itself, or the boxes: nothing.
  drag(fifty, fifty->rect().center(), In("Frame6"));
  drag(fifty, fifty->rect().center(), In("Text2_4"));
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 101\u00a0€"));
  // The line of 50 dragged back to the wallet: one 50 less.
  drag(counter->viewport(), counter->visualRect(counter->model()->index(0, 0)).center(),
       In("Frame6"));
  QCOMPARE(In<QLineEdit>("Text2_1")->text(), QStringLiteral("1"));
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 51\u00a0€"));
  // A press that hardly moves is a click.
  QTest::mousePress(fifty, Qt::LeftButton, {}, fifty->rect().center());
  QTest::mouseMove(fifty, fifty->rect().center() + QPoint(1, 0));
  QTest::mouseRelease(fifty, Qt::LeftButton, {}, fifty->rect().center() + QPoint(1, 0));
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 101\u00a0€"));
}

// A line of the counter is as high whether its scroll bar shows or not: were it
// the viewport's height, a bar that comes would shrink the lines until it is not
// needed, and going, grow them again, without end (the window hung so under Orca).
void WindowPracticeTest::theCounterKeepsItsLayoutAsItsScrollBarComesAndGoes() {
  for (int k = 0; k < 7; ++k)
    QTest::mouseClick(In<QPushButton>(QStringLiteral("Command2_%1").arg(k)), Qt::LeftButton);
  auto* counter = In<QListView>("List2_0");
  QCOMPARE(counter->model()->rowCount(), 7);
  QList<QSize> sizes;
  for (const auto policy : {Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOn}) {
    counter->setHorizontalScrollBarPolicy(policy);
    QCoreApplication::processEvents();
    sizes << counter->sizeHintForIndex(counter->model()->index(0, 0));
  }
  QCOMPARE(sizes.first(), sizes.last());
}

// "до 10": a wallet of 5, 2 and 1 only, amounts up to 10, and "Следващо ниво"
// says what it waits for.
void WindowPracticeTest::theFirstLevelPaysWithFiveTwoAndOne() {
  QTest::mouseClick(In<QRadioButton>("Option2_3"), Qt::LeftButton, {}, QPoint(10, 10));
  QStringList shown;
  for (int k = 0; k < 7; ++k)
    if (In(QStringLiteral("Command2_%1").arg(k))->isVisible())
      shown << In(QStringLiteral("Command2_%1").arg(k))->accessibleName();
  QCOMPARE(shown,
           QStringList({"Банкнота от 5\u00a0€", "Монета от 2\u00a0€", "Монета от 1\u00a0€"}));
  const QString task = In<QLabel>("Label1_0")->text();
  const int amount = task.section(' ', 1, 1).section(QChar(0xa0), 0, 0).toInt();
  QVERIFY2(amount >= 1 && amount <= 10, qPrintable(task));
  test_support::Press(*practice_, 5);
  QCOMPARE(
      Answer(),
      QStringLiteral("Следващото ниво идва след 3 задачи, решени вярно от първия път. Дотук: 0."));
  Shot("level_up_to_10");
  // Back at "до 1000", the whole wallet again.
  QTest::mouseClick(In<QRadioButton>("Option2_1"), Qt::LeftButton, {}, QPoint(10, 10));
  QVERIFY(In("Command2_0")->isVisible());
}

// "Ресто": the task as a class reads it, the change given with the drawn coins
// and the boxes, answered wrong, right but not the fewest, and the fewest.
void WindowPracticeTest::changeIsGivenAtTheTill() {
  QTest::mouseClick(In<QRadioButton>("Option1_2"), Qt::LeftButton, {}, QPoint(10, 10));
  QCOMPARE(In<QLabel>("Label1_0")->text(),
           QStringLiteral("Стоката струва 5,46 €. Клиентът плаща с 20 €. Върнете рестото "
                          "с възможно най-малко банкноти и монети."));
  QVERIFY(In("Frame8")->isVisible());
  QVERIFY(!In("Frame2")->isVisible());
  QVERIFY(In("Text2_12")->isVisible());
  QCOMPARE(In("Command2_7")->accessibleName(), QStringLiteral("Монета от 50 цента"));
  QCOMPARE(In("Command2_12")->accessibleName(), QStringLiteral("Монета от 1 цент"));
  QCOMPARE(In("Text2_12")->accessibleName(), QStringLiteral("Брой монети от 1 цент"));
  Shot("change_task");

  // 10 €, two 2 € and 50 cents from the wallet: four cents short.
  for (const int k : {3, 5, 5, 7})
    QTest::mouseClick(In<QPushButton>(QStringLiteral("Command2_%1").arg(k)), Qt::LeftButton);
  QCOMPARE(Label("Label5_0"), QStringLiteral("Сума: 14,50 €"));
  test_support::Press(*practice_, 0);
  QCOMPARE(Answer(), QStringLiteral("Рестото е 14,50 €, а трябва да е 14,54 €."));
  Shot("change_wrong");

  // Four 1 cent coins: right, but two 2 cent coins are fewer.
  TypeInto("Text2_12", "4");
  QTest::keyClick(In<QLineEdit>("Text2_12"), Qt::Key_Return);
  QCOMPARE(Answer().split('\n').first(),
           QStringLiteral("Рестото е вярно, но с 1 банкнота и 7 монети. Може и с 1 банкнота и 5 "
                          "монети:"));
  QVERIFY2(Answer().contains(QStringLiteral("\n5,46 + 0,02 = 5,48\n")), qPrintable(Answer()));
  QCOMPARE(test_support::ListedLines(*practice_, "List3_0"),
           QStringList({"1 банкнота от 10 €", "2 монети по 2 €", "1 монета от 50 цента",
                        "2 монети по 2 цента"}));
  Shot("change_not_fewest");

  TypeInto("Text2_12", "");
  TypeInto("Text2_11", "2");
  test_support::Press(*practice_, 0);
  QCOMPARE(Answer().split('\n').first(),
           QStringLiteral("Вярно! 1 банкнота и 5 монети – по-малко не може."));
  Shot("change_fewest");
  // Back at the payment, its own counts, and no coins of cents at "до 1000".
  QTest::mouseClick(In<QRadioButton>("Option1_0"), Qt::LeftButton, {}, QPoint(10, 10));
  QCOMPARE(In<QLineEdit>("Text2_3")->text(), QString());
  QVERIFY(!In("Text2_12")->isVisible());
  QVERIFY(!In("Command2_12")->isVisible());
}

void WindowPracticeTest::countBoxesTakeDigitsOnly() {
  TypeInto("Text2_0", "1a-2.");
  QCOMPARE(In<QLineEdit>("Text2_0")->text(), QStringLiteral("12"));
  TypeInto("Text2_0", "12345");
  QCOMPARE(In<QLineEdit>("Text2_0")->text(), QStringLiteral("123"));
  In<QLineEdit>("Text2_1")->setFocus();
  QApplication::clipboard()->setText(QStringLiteral("x9 y8\n7z6"));
  QTest::keySequence(In<QLineEdit>("Text2_1"), QKeySequence::Paste);
  QCOMPARE(In<QLineEdit>("Text2_1")->text(), QStringLiteral("987"));
}

// From the first choice, Tab reaches the range, the counts, the buttons and the
// answer, in the window's order; arrows change the exercise; Enter checks.
void WindowPracticeTest::theKeyboardAloneReachesEverything() {
  QStringList stops;
  QWidget* at = QApplication::focusWidget();
  for (stops << at->objectName(); stops.size() < 25; stops << at->objectName()) {
    QTest::keyClick(at, Qt::Key_Tab);
    at = QApplication::focusWidget();
  }
  // Tab enters a group of options at the chosen one; the arrows move within it.
  QCOMPARE(stops,
           QStringList({"Option1_0",  "Option2_1",  "Command2_0", "Command2_1", "Command2_2",
                        "Command2_3", "Command2_4", "Command2_5", "Command2_6", "List2_0",
                        "Text2_0",    "Text2_1",    "Text2_2",    "Text2_3",    "Text2_4",
                        "Text2_5",    "Text2_6",    "Command1_0", "Command1_1", "Command1_4",
                        "Command1_3", "Text1",      "List3_0",    "Command1_5", "Option1_0"}));
  QTest::keyClick(at, Qt::Key_Down);
  QVERIFY(In<QRadioButton>("Option1_1")->isChecked());
  QVERIFY(In("Frame5")->isVisible());
  QTest::keyClick(In<QRadioButton>("Option1_1"), Qt::Key_Up);
  QVERIFY(In("Frame4")->isVisible());
  // Space on the wallet's 100 € puts one on the counter; Delete on the
  // counter's line takes one back; Enter in a box checks.
  QTest::keyClick(In<QRadioButton>("Option1_0"), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2_0"));
  for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  In("List2_0")->setFocus();
  QTest::keyClick(In("List2_0"), Qt::Key_Delete);
  QCOMPARE(In<QLineEdit>("Text2_0")->text(), QStringLiteral("3"));
  QTest::keyClick(In<QLineEdit>("Text2_0"), Qt::Key_Return);
  QCOMPARE(Answer(), QStringLiteral("Сумата е 300\u00a0€, а трябва да е 306\u00a0€."));
}

void WindowPracticeTest::f2OpensItFromTheMainWindow() {
  OpenForm();
  QTest::keyClick(form_->focusWidget(), Qt::Key_F2);
  QWidget* opened = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == "PracticeForm" && window != practice_.get() && window->isVisible())
      opened = window;
  QVERIFY(opened);
  QCOMPARE(opened->windowTitle(), QStringLiteral("Упражнение"));
  opened->close();  // deletes itself
}

// The task is read with the window's name when it opens; each answer, and each
// new task, is announced where the pupil is.
void WindowPracticeTest::theTaskAndEachAnswerAreSaid() {
  QCOMPARE(
      QAccessible::queryAccessibleInterface(practice_.get())->text(QAccessible::Name),
      QStringLiteral("Упражнение. Изплатете 306\u00a0€ с възможно най-малко банкноти и монети."));
  if (!test_support::AccessibilityEvents::Listening())
    QSKIP("no screen reader listens, so Qt sends nothing");
  test_support::AccessibilityEvents events;
  TypeInto("Text2_0", "3");
  QTest::keyClick(In<QLineEdit>("Text2_0"), Qt::Key_Return);
  TypeInto("Text2_5", "3");
  QTest::keyClick(In<QLineEdit>("Text2_5"), Qt::Key_Return);
  QTest::keyClick(In<QLineEdit>("Text2_5"), Qt::Key_Return);  // the same answer is said again
  QTest::mouseClick(In<QPushButton>("Command1_1"), Qt::LeftButton);
  const QString task = In<QLabel>("Label1_0")->text();
  QCOMPARE(
      events.announced(),
      QStringList(
          {"Сумата е 300\u00a0€, а трябва да е 306\u00a0€.",
           "Сумата е вярна, но с 3 банкноти и 3 монети. Може и с 4 банкноти и 1 монета:",
           "Сумата е вярна, но с 3 банкноти и 3 монети. Може и с 4 банкноти и 1 монета:", task}));
  QVERIFY(QAccessible::queryAccessibleInterface(practice_.get())
              ->text(QAccessible::Name)
              .endsWith(task));
}

// As --payment-range 0 --split-range 1 open it: those options chosen, and the
// first tasks those of worksheet 2026 drawn with them.
void WindowPracticeTest::rangesGivenAtStartAreChosenAndDrawnFrom() {
  practice_ = test_support::OpenWindow<CompanionForm>(
      "PracticeForm", Settings{{"seed", "2026"}, {"paymentRange", "0"}, {"splitRange", "1"}});
  QVERIFY(practice_);
  const Worksheet sheet = MakeWorksheet({.payment_range = 0, .split_range = 1}).sheet;
  QVERIFY(In<QRadioButton>("Option2_0")->isChecked());
  QVERIFY(In<QRadioButton>("Option3_1")->isChecked());
  QCOMPARE("1. " + In<QLabel>("Label1_0")->text(), QString::fromStdString(sheet.tasks[0].text));
  QTest::mouseClick(In<QRadioButton>("Option1_1"), Qt::LeftButton, {}, QPoint(10, 10));
  QCOMPARE("5. " + In<QLabel>("Label1_0")->text(), QString::fromStdString(sheet.tasks[4].text));
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowPracticeTest)
#include "window_practice_test.moc"
