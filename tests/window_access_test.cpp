#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "tests/window_fixture.h"
#include "window/main_form.h"
#include "window/qt_translation.h"

namespace banknotes {

// The window from the keyboard and through a screen reader, with Qt's own texts
// in Bulgarian under any locale (ctest runs this under LANG=C).
class WindowAccessTest : public test_support::FormTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();

  void focusIsVisible_data();
  void focusIsVisible();
  void keysOnAFocusedButton_data();
  void keysOnAFocusedButton();
  void enterInATextBoxDoesNothing_data();
  void enterInATextBoxDoesNothing();
  void everyListingStartsAtTheTop();
  void qtTextsAreBulgarian();
  void screenReaderSeesLabelsDescriptionsAndReadOnly_data();
  void screenReaderSeesLabelsDescriptionsAndReadOnly();
  void frameCaptionsStandOnTheirLines();
  void aBoxIsFocusedBeforeItsTextIsSelected_data();
  void aBoxIsFocusedBeforeItsTextIsSelected();
  void aBoxsTextIsReadWhole();
  void countBoxesAreNamedByTheirLabels();
  void eachClickIsAnnounced_data();
  void eachClickIsAnnounced();
  void theFirstDownInTheListSelectsTheFirstLine();

 private:
  QImage Grab(QWidget* widget);
};

void WindowAccessTest::initTestCase() {
  UseBulgarianQtTexts();
  QApplication::setCursorFlashTime(0);  // a steady caret, so grabs are repeatable
}

QImage WindowAccessTest::Grab(QWidget* widget) {
  return test_support::GrabScreen(*form_).copy(
      QRect(widget->mapTo(form_.get(), QPoint(0, 0)), widget->size()));
}

void WindowAccessTest::focusIsVisible_data() {
  QTest::addColumn<QString>("name");
  for (const QString& name : test_support::TabOrder()) QTest::newRow(qPrintable(name)) << name;
}

// Grabbed with the focus on the control and with it far away, the control's own
// rectangle shows a clear mark: more than a caret, less than a repaint.
void WindowAccessTest::focusIsVisible() {
  QFETCH(QString, name);
  QWidget* control = Find(name);
  Find(name.startsWith("Check1") ? "Text1" : "Check1_0")->setFocus(Qt::TabFocusReason);
  const QImage without = Grab(control);
  control->setFocus(Qt::TabFocusReason);
  QVERIFY(control->hasFocus());
  const QImage with = Grab(control);
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/focus"));
  QVERIFY(with.save(QStringLiteral(SCREENSHOT_DIR "/focus/%1.png").arg(name)));

  int differing = 0;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x) differing += with.pixel(x, y) != without.pixel(x, y);
  const int area = with.width() * with.height();
  QVERIFY2(differing >= 20, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
  QVERIFY2(differing * 5 < area * 2,
           qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(differing).arg(area)));
  if (auto* button = qobject_cast<QPushButton*>(control))  // the face keeps its colour
    QCOMPARE(with.pixelColor(6, 12), button->palette().color(QPalette::Button));
}

void WindowAccessTest::keysOnAFocusedButton_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("total");
  QTest::addColumn<int>("lines");

  const struct {
    const char* name;
    int key;
    int modifiers;
  } keys[] = {{"Return", Qt::Key_Return, Qt::NoModifier},
              {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
              {"Space", Qt::Key_Space, Qt::NoModifier}};
  for (const auto& k : keys) {
    QTest::newRow(qPrintable(QStringLiteral("Чисти, %1").arg(k.name)))
        << int(kClearButton) << k.key << k.modifiers << "" << 0;
    QTest::newRow(qPrintable(QStringLiteral("Въведи, %1").arg(k.name)))
        << int(kEnterButton) << k.key << k.modifiers << "130" << 0;
    QTest::newRow(qPrintable(QStringLiteral("Изведи, %1").arg(k.name)))
        << int(kListButton) << k.key << k.modifiers << "" << 11;
  }
}

void WindowAccessTest::keysOnAFocusedButton() {
  QFETCH(int, button);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, total);
  QFETCH(int, lines);
  test_support::Type(*form_, "Text3_2", "10");
  test_support::Type(*form_, "Text3_0", "130");
  auto* pressed = Find<QPushButton>(QStringLiteral("Command1_%1").arg(button));
  pressed->setFocus(Qt::TabFocusReason);
  QTest::keyClick(pressed, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(Find<QLineEdit>("Text3_1")->text(), total);
  QCOMPARE(test_support::ListedLines(*form_).size(), lines);
  QCOMPARE(Find<QLineEdit>("Text3_0")->text(), QString());  // every action empties it
}

void WindowAccessTest::enterInATextBoxDoesNothing_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  for (const char* box : {"Text3_0", "Text3_2"}) {
    QTest::newRow(qPrintable(QStringLiteral("%1, Return").arg(box)))
        << box << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow(qPrintable(QStringLiteral("%1, keypad Enter").arg(box)))
        << box << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
  }
}

void WindowAccessTest::enterInATextBoxDoesNothing() {
  QFETCH(QString, box);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  test_support::Type(*form_, box, "12");
  const FormState before = form_->ReadForm();
  QTest::keyClick(Find(box), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(form_->ReadForm(), before);
  QVERIFY(Find(box)->hasFocus());
}

void WindowAccessTest::everyListingStartsAtTheTop() {
  auto* list = Find<QListView>("List1_0");
  test_support::Type(*form_, "Text3_2", "99");
  for (int listing = 0; listing < 3; ++listing) {
    test_support::Press(*form_, kListButton);
    QCOMPARE(list->model()->rowCount(), 3950);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QVERIFY(!list->selectionModel()->hasSelection());
    QVERIFY(!list->currentIndex().isValid());
    // The user picks a line far down before listing the same sum again.
    const QModelIndex far = list->model()->index(3000, 0);
    list->setCurrentIndex(far);
    list->scrollTo(far);
    QVERIFY(list->verticalScrollBar()->value() > 0);
    QVERIFY(list->selectionModel()->isSelected(far));
  }
  // A payment leaves the listing, and where the user was in it, alone.
  test_support::Type(*form_, "Text3_0", "5");
  test_support::Press(*form_, kEnterButton);
  QCOMPARE(list->currentIndex().row(), 3000);
  QVERIFY(list->verticalScrollBar()->value() > 0);
}

void WindowAccessTest::qtTextsAreBulgarian() {
  QCOMPARE(QLocale::system().name(), QStringLiteral("C"));  // ctest sets LANG=C

  std::unique_ptr<QMenu> menu(Find<QLineEdit>("Text3_0")->createStandardContextMenu());
  QStringList entries;
  for (const QAction* action : menu->actions()) entries << action->text().section('\t', 0, 0);
  QVERIFY2(entries.contains(QStringLiteral("&Копиране")), qPrintable(entries.join(" | ")));
  QVERIFY(!entries.contains(QStringLiteral("&Copy")));

  test_support::Type(*form_, "Text3_0", "1E9");
  test_support::Press(*form_, kEnterButton);
  QMessageBox* box = test_support::ShownMessage();
  QVERIFY(box);
  QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("Добре"));
  test_support::CloseMessage();
}

void WindowAccessTest::screenReaderSeesLabelsDescriptionsAndReadOnly_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("label");  // the controls that label it, names sorted
  QTest::addColumn<bool>("readOnly");
  QTest::addColumn<QString>("description");

  QTest::newRow("amount") << "Text3_0"
                          << "Label1_1" << false << "";
  QTest::newRow("total") << "Text3_1"
                         << "Label1_2" << true << "";
  QTest::newRow("sum") << "Text3_2"
                       << "Label1_3" << false << "";
  // A count is labelled by its row's label and by the frame it stands in.
  for (int k = 0; k < 7; ++k)
    QTest::newRow(qPrintable(QStringLiteral("count %1").arg(k)))
        << QStringLiteral("Text2_%1").arg(k) << QStringLiteral("Frame2 Label2_%1").arg(k) << true
        << "";
  QTest::newRow("Чисти") << "Command1_0"
                         << "" << false << "Изчиства всички полета, отметки и редове";
  QTest::newRow("Въведи") << "Command1_1"
                          << "" << false
                          << "Изплаща сумата с минимален брой банкноти и я добавя към общата сума";
  QTest::newRow("Изведи") << "Command1_2"
                          << "" << false
                          << "Извежда всички начини за разбиване на сумата с 20, 10, 5, 2 и 1";
}

void WindowAccessTest::screenReaderSeesLabelsDescriptionsAndReadOnly() {
  QFETCH(QString, name);
  QFETCH(QString, label);
  QFETCH(bool, readOnly);
  QFETCH(QString, description);
  QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Find(name));
  QVERIFY(control);
  QVERIFY(!control->text(QAccessible::Name).isEmpty());
  QCOMPARE(control->text(QAccessible::Description), description);
  QCOMPARE(bool(control->state().readOnly), readOnly);

  QStringList labelled_by;
  for (const auto& [other, relation] : control->relations(QAccessible::Label))
    labelled_by << other->object()->objectName();
  labelled_by.sort();
  QCOMPARE(labelled_by.join(' '), label);
}

void WindowAccessTest::frameCaptionsStandOnTheirLines() {
  // Look at build/screenshots/frames.png too.
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
  QVERIFY(Grab(form_.get()).save(QStringLiteral(SCREENSHOT_DIR "/frames.png")));
  for (const char* name : {"Frame1", "Frame2"}) {
    QWidget* frame = Find(name);
    const QImage image = Grab(frame);
    // The top line runs through the caption's middle and is drawn at both ends;
    // the caption breaks it a few pixels in from the left corner.
    const int line = QFontMetrics(frame->font()).height() / 2;
    const QColor inside = frame->palette().color(QPalette::Window);
    QVERIFY(image.pixelColor(2, line) != inside);
    QCOMPARE(image.pixelColor(2, line + 4), inside);
    int first_break = -1;
    for (int x = 0; x < image.width() && first_break < 0; ++x)
      if (image.pixelColor(x, line) == inside) first_break = x;
    QVERIFY2(first_break >= 4 && first_break <= 12, qPrintable(QString::number(first_break)));
  }
}

void WindowAccessTest::aBoxIsFocusedBeforeItsTextIsSelected_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("box");
  QTest::addColumn<bool>("backwards");
  QTest::newRow("Tab to an empty count") << "Text1"
                                         << "Text2_0" << false;
  QTest::newRow("Tab to the total") << "Command1_1"
                                    << "Text3_1" << false;
  QTest::newRow("Shift+Tab to the amount") << "Command1_0"
                                           << "Text3_0" << true;
}

// A screen reader hears of the focus first: told of the selection first, Orca
// takes the box as reached and says nothing of it. The text is still selected.
void WindowAccessTest::aBoxIsFocusedBeforeItsTextIsSelected() {
  QFETCH(QString, from);
  QFETCH(QString, box);
  QFETCH(bool, backwards);
  test_support::Type(*form_, "Text3_0", "130");
  test_support::Press(*form_, kEnterButton);
  test_support::Type(*form_, "Text3_0", "75");
  Find(from)->setFocus(Qt::OtherFocusReason);
  if (!test_support::AccessibilityEvents::Listening())
    QSKIP("no screen reader listens, so Qt sends nothing");
  test_support::AccessibilityEvents events;
  QTest::keyClick(Find(from), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
  QTest::qWait(10);
  QVERIFY(Find(box)->hasFocus());
  const QList<QAccessible::Event> kinds = events.For(box);
  QVERIFY2(!kinds.isEmpty() && kinds.first() == QAccessible::Focus,
           qPrintable(QStringLiteral("%1 events, the first %2")
                          .arg(kinds.size())
                          .arg(kinds.isEmpty() ? -1 : int(kinds.first()))));
  auto* edit = Find<QLineEdit>(box);
  QCOMPARE(edit->selectedText(), edit->text());
}

// Qt's own line edit reports no run of text attributes, and Orca then reads one
// character short: "13" for 130.
void WindowAccessTest::aBoxsTextIsReadWhole() {
  test_support::Type(*form_, "Text3_0", "130");
  test_support::Press(*form_, kEnterButton);
  QAccessibleTextInterface* total =
      QAccessible::queryAccessibleInterface(Find("Text3_1"))->textInterface();
  QVERIFY(total);
  for (int offset = 0; offset < 3; ++offset) {
    int start = -1, end = -1;
    total->attributes(offset, &start, &end);
    QCOMPARE(start, 0);
    QCOMPARE(end, 3);
  }
  QCOMPARE(total->text(0, total->characterCount()), QStringLiteral("130"));
  int start = -1, end = -1;
  QCOMPARE(total->textAtOffset(3, QAccessible::LineBoundary, &start, &end), QStringLiteral("130"));
}

// A screen reader reads a box by the name of the label that labels it: a count's
// label is named as the count box is, not by its caption "100* ".
void WindowAccessTest::countBoxesAreNamedByTheirLabels() {
  for (int k = 0; k < 7; ++k) {
    QAccessibleInterface* label =
        QAccessible::queryAccessibleInterface(Find(QStringLiteral("Label2_%1").arg(k)));
    QCOMPARE(label->text(QAccessible::Name),
             QAccessible::queryAccessibleInterface(Find(QStringLiteral("Text2_%1").arg(k)))
                 ->text(QAccessible::Name));
  }
}

void WindowAccessTest::eachClickIsAnnounced_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<QString>("said");
  QTest::newRow("Въведи") << int(kEnterButton) << "Обща сума: 130.";
  QTest::newRow("Изведи") << int(kListButton) << "Начини на разбиване: 11.";
  QTest::newRow("Чисти") << int(kClearButton) << "Всичко е изчистено.";
}

// Said from the window, where the pupil is: the focus stays on the button.
void WindowAccessTest::eachClickIsAnnounced() {
  QFETCH(int, button);
  QFETCH(QString, said);
  test_support::Type(*form_, "Text3_2", "10");
  test_support::Type(*form_, "Text3_0", "130");
  auto* pressed = Find<QPushButton>(QStringLiteral("Command1_%1").arg(button));
  pressed->setFocus(Qt::TabFocusReason);
  if (!test_support::AccessibilityEvents::Listening())
    QSKIP("no screen reader listens, so Qt sends nothing");
  test_support::AccessibilityEvents events;
  QTest::keyClick(pressed, Qt::Key_Return);
  QCOMPARE(events.announced(), QStringList({said}));
  QVERIFY(pressed->hasFocus());
  // The same again is said again.
  events.Clear();
  QTest::keyClick(pressed, Qt::Key_Return);
  QCOMPARE(events.announced().size(), 1);
}

void WindowAccessTest::theFirstDownInTheListSelectsTheFirstLine() {
  test_support::Type(*form_, "Text3_2", "10");
  test_support::Press(*form_, kListButton);
  auto* list = Find<QListView>("List1_0");
  list->setFocus(Qt::TabFocusReason);
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(list->currentIndex().row(), 0);
  QVERIFY(list->selectionModel()->isSelected(list->currentIndex()));
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(list->currentIndex().row(), 1);
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowAccessTest)
#include "window_access_test.moc"
