#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

#include "logic/form/number_rules.h"
#include "tests/literal_splits.h"
#include "tests/window_fixture.h"
#include "window/main_form.h"

namespace banknotes {

// Whatever a user types or pastes: the limits hold, and every button then gives
// the right result or the message, with nothing changed.
class WindowInputTest : public test_support::FormTestCase {
  Q_OBJECT

 private slots:
  void pastedTextIsCutToFit_data();
  void pastedTextIsCutToFit();
  void pasteAfterTypedTextKeepsIt();
  void typingStopsAtTheLimit_data();
  void typingStopsAtTheLimit();
  void readOnlyFieldsRefuseEditing();
  void the331stEntryOf9999Overflows();
  void copyTheListing_data();
  void copyTheListing();
  void menuKeyOpensTheListMenu();

 private:
  QLineEdit* Edit(const QString& name) { return Find<QLineEdit>(name); }
  void Paste(const QString& box, const QString& text);
  QListView* List() { return Find<QListView>("List1_0"); }
};

void WindowInputTest::Paste(const QString& box, const QString& text) {
  test_support::Type(*form_, box, QString());
  QApplication::clipboard()->setText(text);
  QTest::keySequence(Edit(box), QKeySequence::Paste);
}

void WindowInputTest::pastedTextIsCutToFit_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("kept");

  const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two UTF-16 units
  const auto rows = [&](const char* what, const QString& pasted, const QString& amount,
                        const QString& sum) {
    QTest::newRow(qPrintable(QStringLiteral("amount, %1").arg(what)))
        << "Text3_0" << pasted << amount;
    QTest::newRow(qPrintable(QStringLiteral("sum, %1").arg(what))) << "Text3_2" << pasted << sum;
  };
  rows("six digits", "123456", "1234", "12");
  rows("10000 digits", QString(10000, '1'), "1111", "11");
  rows("Cyrillic", "Сума за плащане", "Сума", "Су");
  rows("emoji", emoji.repeated(5), emoji.repeated(4), emoji.repeated(2));
  rows("digit then emoji", "1" + emoji.repeated(4), "1" + emoji.repeated(3), "1" + emoji);
  rows("control characters",
       QString::fromLatin1("\x01\x02\x1b\x7f"
                           "5"),
       QString::fromLatin1("\x01\x02\x1b\x7f"), QString::fromLatin1("\x01\x02"));
  rows("tab", "1\t2", "1\t2", "1\t");
  // One line only: what comes before the first line break, then the limit.
  rows("carriage return", "7\r8", "7", "7");
  rows("line feed", "1\n2345", "1", "1");
  rows("CR LF at the end", "12\r\n", "12", "12");
  rows("line break first", "\n55", "", "");
  rows("long first line", "123456\r\n7", "1234", "12");
}

void WindowInputTest::pastedTextIsCutToFit() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, kept);
  Paste(box, pasted);
  QCOMPARE(Edit(box)->text(), kept);

  // The button beside the box gives what the logic gives for the text it holds.
  const bool amount = box == "Text3_0";
  test_support::Press(*form_, amount ? kEnterButton : kListButton);
  const double value = ReadNumber(kept.toStdString());
  if (amount) {
    QCOMPARE(Edit("Text3_1")->text().toStdString(), IntegerText(NarrowToTotal(value)));
    QCOMPARE(Edit("Text3_0")->text(), QString());
  } else {
    QCOMPARE(static_cast<std::size_t>(test_support::ListedLines(*form_).size()),
             reference::LiteralSplits(value).size());
  }
  test_support::Press(*form_, kClearButton);
  QCOMPARE(form_->ReadForm(), FormState{});
}

void WindowInputTest::pasteAfterTypedTextKeepsIt() {
  test_support::Type(*form_, "Text3_0", "1");
  QApplication::clipboard()->setText("2\n3");
  QTest::keySequence(Edit("Text3_0"), QKeySequence::Paste);
  QCOMPARE(Edit("Text3_0")->text(), QStringLiteral("12"));
  QTest::keyClicks(Edit("Text3_0"), "456");
  QCOMPARE(Edit("Text3_0")->text(), QStringLiteral("1245"));
}

void WindowInputTest::typingStopsAtTheLimit_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("kept");
  QTest::newRow("amount, digits") << "Text3_0"
                                  << "123456"
                                  << "1234";
  QTest::newRow("amount, Cyrillic") << "Text3_0"
                                    << "двадесет"
                                    << "двад";
  QTest::newRow("sum, digits") << "Text3_2"
                               << "999"
                               << "99";
  QTest::newRow("sum, Cyrillic") << "Text3_2"
                                 << "сто"
                                 << "ст";
}

void WindowInputTest::typingStopsAtTheLimit() {
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QString, kept);
  test_support::Type(*form_, box, typed);
  QCOMPARE(Edit(box)->text(), kept);
  // A character typed in front of a full box is refused too, and the rest stays.
  Edit(box)->setCursorPosition(0);
  QTest::keyClicks(Edit(box), "7");
  QCOMPARE(Edit(box)->text(), kept);
}

void WindowInputTest::readOnlyFieldsRefuseEditing() {
  test_support::Type(*form_, "Text3_0", "130");
  test_support::Press(*form_, kEnterButton);
  const FormState before = form_->ReadForm();
  QApplication::clipboard()->setText("999");
  QStringList boxes = {"Text3_1"};
  for (int k = 0; k < 7; ++k) boxes << QStringLiteral("Text2_%1").arg(k);
  for (const QString& box : boxes) {
    Edit(box)->setFocus();
    QTest::keyClicks(Edit(box), "55");
    QTest::keyClick(Edit(box), Qt::Key_Backspace);
    QTest::keySequence(Edit(box), QKeySequence::Paste);
    QTest::keySequence(Edit(box), QKeySequence::Cut);
  }
  QCOMPARE(form_->ReadForm(), before);
}

void WindowInputTest::the331stEntryOf9999Overflows() {
  for (int entry = 1; entry <= 330; ++entry) {
    test_support::Type(*form_, "Text3_0", "9999");
    test_support::Press(*form_, kEnterButton);
  }
  QCOMPARE(Edit("Text2_0")->text(), QStringLiteral("32670"));
  QCOMPARE(Edit("Text3_1")->text(), QStringLiteral("3299670"));

  test_support::Type(*form_, "Text3_0", "9999");
  const FormState before = form_->ReadForm();
  test_support::Press(*form_, kEnterButton);
  const QString shown = test_support::CloseMessage();
  QVERIFY2(shown.startsWith(QStringLiteral("Числото е твърде голямо.")), qPrintable(shown));
  QCOMPARE(form_->ReadForm(), before);
}

namespace {

QStringList Entries(const QMenu* menu) {
  QStringList entries;
  for (const QAction* action : menu->actions())
    entries << action->text() + (action->isEnabled() ? "" : " (greyed)");
  return entries;
}

}  // namespace

void WindowInputTest::copyTheListing_data() {
  QTest::addColumn<QString>("sum");
  QTest::addColumn<int>("selected");    // -1 for none
  QTest::addColumn<QString>("how");     // "Ctrl+C", or the menu entry
  QTest::addColumn<QString>("copied");  // empty: the clipboard keeps what it had

  const QString one = QStringLiteral("Копиране"), all = QStringLiteral("Копиране на всички редове");
  QStringList ten;
  for (const std::string& line : reference::LiteralSplits(10)) ten << QString::fromStdString(line);
  QTest::newRow("Ctrl+C, third line of 10") << "10" << 2 << "Ctrl+C" << ten[2];
  QTest::newRow("menu, third line of 10") << "10" << 2 << one << ten[2];
  QTest::newRow("menu, all 11 lines of 10") << "10" << -1 << all << ten.join('\n');
  QTest::newRow("menu, all 3950 lines of 99") << "99" << 5 << all << "99";
  QTest::newRow("Ctrl+C, nothing selected") << "10" << -1 << "Ctrl+C"
                                            << "";
  QTest::newRow("menu, one line, nothing selected") << "10" << -1 << one << "";
  QTest::newRow("menu, all lines of an empty list") << "-1" << -1 << all << "";
}

void WindowInputTest::copyTheListing() {
  QFETCH(QString, sum);
  QFETCH(int, selected);
  QFETCH(QString, how);
  QFETCH(QString, copied);
  test_support::Type(*form_, "Text3_2", sum);
  test_support::Press(*form_, kListButton);
  QListView* list = List();
  if (selected >= 0) list->setCurrentIndex(list->model()->index(selected, 0));
  list->setFocus();
  const QString before = QStringLiteral("what the clipboard held");
  QApplication::clipboard()->setText(before);

  if (how == "Ctrl+C") {
    QTest::keySequence(list, QKeySequence::Copy);
  } else {
    QMenu* menu = test_support::OpenContextMenu(list->viewport(), QPoint(20, 20));
    QVERIFY(menu);
    const QStringList entries = Entries(menu);
    for (QAction* action : menu->actions())
      if (action->text() == how) action->trigger();  // a greyed entry does nothing
    menu->close();
    const bool any_line = list->model()->rowCount() > 0;
    QCOMPARE(entries, QStringList({selected >= 0 ? "Копиране" : "Копиране (greyed)",
                                   any_line ? "Копиране на всички редове"
                                            : "Копиране на всички редове (greyed)"}));
  }

  if (copied == "99") copied = test_support::ListedLines(*form_).join('\n');
  QCOMPARE(QApplication::clipboard()->text(), copied.isEmpty() ? before : copied);
}

// The real Menu key, through the X server, as a keyboard user presses it.
void WindowInputTest::menuKeyOpensTheListMenu() {
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  if (QGuiApplication::platformName() != QLatin1String("xcb") || xdotool.isEmpty())
    QSKIP("needs an X server and xdotool");
  test_support::Type(*form_, "Text3_2", "5");
  test_support::Press(*form_, kListButton);
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  List()->setFocus();
  List()->setCurrentIndex(List()->model()->index(1, 0));

  QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("Menu")}), 0);
  QTRY_VERIFY(QApplication::activePopupWidget());
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu);
  QCOMPARE(Entries(menu), QStringList({"Копиране", "Копиране на всички редове"}));
  menu->close();
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowInputTest)
#include "window_input_test.moc"
