#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "logic/form/description.h"
#include "logic/windows/form_layout.h"
#include "tests/window_fixture.h"
#include "window/character_limit.h"
#include "window/main_form.h"

namespace banknotes {

class WindowTest : public test_support::FormTestCase {
  Q_OBJECT

 private slots:
  void windowFrame();
  void controls_data();
  void controls();
  void aFaultOfTheTableStopsWithTheControlsName_data();
  void aFaultOfTheTableStopsWithTheControlsName();
  void fieldBehaviour_data();
  void fieldBehaviour();
  void coloursShowOnScreen_data();
  void coloursShowOnScreen();
  void fontIsASerifWithCyrillic();
  void tabOrderAndInitialFocus();
  void description();
  void icon();

  void paymentsAccumulate();
  void listingTen();
  void listingNinetyNine();
  void clearEmptiesEverything();
  void toggledMarkIsOverwritten();
  void overflowShowsAMessageAndChangesNothing();

 private:
  void Type(const QString& box, const QString& text) { test_support::Type(*form_, box, text); }
  void Press(int button) { test_support::Press(*form_, button); }
  QImage Screen();
  void SaveScreenshot(const QString& name);
  QString Marks();
  QStringList Counts();
};

namespace {

const char* const kDenominationNames[] = {"100", "50", "20", "10", "5", "2", "1"};

}  // namespace

QImage WindowTest::Screen() { return test_support::GrabScreen(*form_); }

void WindowTest::SaveScreenshot(const QString& name) {
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
  QVERIFY(Screen().save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(name)));
}

QString WindowTest::Marks() {
  QString marks;
  for (int k = 0; k < 7; ++k)
    marks += Find<QCheckBox>(QStringLiteral("Check1_%1").arg(k))->isChecked() ? '1' : '0';
  return marks;
}

QStringList WindowTest::Counts() {
  QStringList counts;
  for (int k = 0; k < 7; ++k) counts << Find<QLineEdit>(QStringLiteral("Text2_%1").arg(k))->text();
  return counts;
}

void WindowTest::windowFrame() {
  QCOMPARE(form_->windowTitle(), QStringLiteral("Математика - минимален брой банкноти"));
  QCOMPARE(form_->size(), QSize(519, 390));
  QCOMPARE(form_->minimumSize(), form_->maximumSize());
  QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(form_->windowFlags() & Qt::WindowMinimizeButtonHint);
  // No default button; each button takes Enter only while it has the focus.
  for (QPushButton* button : form_->findChildren<QPushButton*>()) {
    QVERIFY(!button->isDefault());
    QVERIFY(button->autoDefault());
  }
}

// Each control of the window's description, where the description puts it, by
// the rule that turns twips into pixels, in the window's coordinates.
void WindowTest::controls_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QRect>("place");

  for (const Control& control : kMainForm.controls) {
    Twips at = control.place;
    if (const Control* frame = FindControl(kMainForm, control.container)) {
      at.left += frame->place.left;
      at.top += frame->place.top;
    }
    const QRect place(QPoint(ToPixels(at.left), ToPixels(at.top)),
                      QPoint(ToPixels(at.left + at.width) - 1, ToPixels(at.top + at.height) - 1));
    const QString id = QString::fromStdString(ControlId(control));
    // The description box's text is checked on its own; a box's is empty at start.
    const QString text =
        control.kind == ControlKind::Description
            ? QString()
            : QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
    QTest::newRow(qPrintable(id)) << id << text << place;
  }
}

void WindowTest::controls() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QRect, place);
  auto* widget = Find<QWidget>(name);
  QCOMPARE(QRect(widget->mapTo(form_.get(), QPoint(0, 0)), widget->size()), place);
  QVERIFY(widget->isVisible());
  if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), text);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) QCOMPARE(button->text(), text);
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) QCOMPARE(frame->title(), text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) QCOMPARE(edit->text(), text);
  if (widget->focusPolicy() != Qt::NoFocus) QVERIFY(!widget->accessibleName().isEmpty());
  // No access keys anywhere.
  QVERIFY(!text.contains('&'));
}

void WindowTest::aFaultOfTheTableStopsWithTheControlsName_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("said");
  QTest::newRow("a frame listed after its child") << "frame-after-child"
                                                  << "control Check1_0";
  QTest::newRow("a label taken for a box") << "wrong-kind"
                                           << "control Label1_0";
}

// The builder stops on a description it cannot build as written, and names the
// control, rather than leave a control a window of its own or cast it unchecked.
void WindowTest::aFaultOfTheTableStopsWithTheControlsName() {
  QFETCH(QString, fault);
  QFETCH(QString, said);
  QProcess probe;
  probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/broken_form_probe"),
              {fault});
  QVERIFY(probe.waitForFinished(30000));
  const QString output = QString::fromUtf8(probe.readAllStandardError());
  QVERIFY2(probe.exitStatus() == QProcess::CrashExit || probe.exitCode() != 0, qPrintable(output));
  QVERIFY2(output.contains(said), qPrintable(output));
}

void WindowTest::fieldBehaviour_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("alignment");
  QTest::addColumn<bool>("readOnly");
  QTest::addColumn<int>("limit");  // characters, 0 for none
  QTest::addColumn<QString>("accessibleName");

  const int centred = Qt::AlignCenter;
  QTest::newRow("amount") << "Text3_0" << centred << false << 4 << "Сума за плащане";
  QTest::newRow("total") << "Text3_1" << centred << true << 0 << "Обща сума";
  QTest::newRow("sum") << "Text3_2" << centred << false << 2 << "Сума за разбиване";
  for (int k = 0; k < 7; ++k) {
    const QString d = QString::fromLatin1(kDenominationNames[k]);
    QTest::newRow(qPrintable("count " + d))
        << QStringLiteral("Text2_%1").arg(k) << centred << true << 0
        << (k < 5 ? "Брой банкноти от " : "Брой монети от ") + d + " евро";
  }
}

void WindowTest::fieldBehaviour() {
  QFETCH(QString, name);
  QFETCH(int, alignment);
  QFETCH(bool, readOnly);
  QFETCH(int, limit);
  QFETCH(QString, accessibleName);
  auto* edit = Find<QLineEdit>(name);
  QCOMPARE(int(edit->alignment()), alignment);
  QCOMPARE(edit->isReadOnly(), readOnly);
  const auto* validator = dynamic_cast<const CharacterLimit*>(edit->validator());
  QCOMPARE(validator ? validator->limit() : 0, limit);
  QCOMPARE(edit->accessibleName(), accessibleName);
  QVERIFY(edit->focusPolicy() & Qt::TabFocus);  // read-only boxes still take focus
}

void WindowTest::coloursShowOnScreen_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPoint>("spot");  // inside the control, clear of its text
  QTest::addColumn<QColor>("colour");

  const QColor label(255, 192, 128), mark(128, 128, 255);
  QTest::newRow("window") << "MainForm" << QPoint(100, 5) << QColor(192, 192, 255);
  QTest::newRow("frame inside") << "Frame1" << QPoint(4, 190) << QColor(192, 192, 255);
  for (int i = 0; i < 4; ++i)
    QTest::newRow(qPrintable(QStringLiteral("Label1_%1").arg(i)))
        << QStringLiteral("Label1_%1").arg(i) << QPoint(1, 23) << label;
  for (int k = 0; k < 7; ++k) {
    QTest::newRow(qPrintable(QStringLiteral("Check1_%1").arg(k)))
        << QStringLiteral("Check1_%1").arg(k) << QPoint(68, 12) << mark;
    QTest::newRow(qPrintable(QStringLiteral("Label2_%1").arg(k)))
        << QStringLiteral("Label2_%1").arg(k) << QPoint(2, 2) << mark;
  }
  QTest::newRow("Въведи") << "Command1_1" << QPoint(6, 12) << QColor(0, 255, 0);
  QTest::newRow("Чисти") << "Command1_0" << QPoint(6, 12) << QColor(255, 0, 0);
  QTest::newRow("Изведи") << "Command1_2" << QPoint(6, 12) << QColor(0, 192, 0);
  QTest::newRow("amount box") << "Text3_0" << QPoint(6, 13) << QColor(Qt::white);
}

void WindowTest::coloursShowOnScreen() {
  QFETCH(QString, name);
  QFETCH(QPoint, spot);
  QFETCH(QColor, colour);
  QWidget* widget = name == "MainForm" ? form_.get() : Find<QWidget>(name);
  const QColor seen = Screen().pixelColor(widget->mapTo(form_.get(), spot));
  QCOMPARE(seen.name(), colour.name());
}

void WindowTest::fontIsASerifWithCyrillic() {
  QList<QWidget*> widgets = form_->findChildren<QWidget*>();
  widgets << form_.get();
  for (QWidget* widget : widgets) {
    const QFontInfo info(widget->font());
    QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Cyrillic),
             qPrintable(info.family()));
    QCOMPARE(widget->font().pointSize(), 12);
    QVERIFY(!info.bold() && !info.italic() && !info.underline());
  }
  const QString family = QFontInfo(form_->font()).family();
  QVERIFY2(family == "Times New Roman" || family == "Liberation Serif", qPrintable(family));
}

void WindowTest::tabOrderAndInitialFocus() {
  QCOMPARE(form_->focusWidget(), Find<QWidget>("Check1_0"));
  const QStringList expected = test_support::TabOrder();
  QStringList seen;
  QWidget* widget = Find<QWidget>("Check1_0");
  for (int i = 0; i < expected.size(); ++i) {
    seen << widget->objectName();
    do widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty());
  }
  QCOMPARE(seen, expected);
  QCOMPARE(widget->objectName(), QStringLiteral("Check1_0"));  // and round again
}

void WindowTest::description() {
  auto* text1 = Find<QPlainTextEdit>("Text1");
  const QStringList lines = QString::fromUtf8(kDescription).split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), 11);  // ten lines, the last one ended too
  QCOMPARE(text1->toPlainText().split('\n'), lines);
  QVERIFY(!text1->isReadOnly());
  QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void WindowTest::icon() {
  const QImage image = form_->windowIcon().pixmap(32, 32).toImage();
  QCOMPARE(image.size(), QSize(32, 32));
  QCOMPARE(image.pixelColor(0, 0).alpha(), 0);      // transparent corner
  QCOMPARE(image.pixelColor(16, 20).alpha(), 255);  // solid burger
}

void WindowTest::paymentsAccumulate() {
  SaveScreenshot("start");
  Type("Text3_0", "130");
  Press(kEnterButton);
  QCOMPARE(Marks(), QStringLiteral("1011000"));
  QCOMPARE(Counts(), QStringList({"1", "", "1", "1", "", "", ""}));
  QCOMPARE(Find<QLineEdit>("Text3_1")->text(), QStringLiteral("130"));
  QCOMPARE(Find<QLineEdit>("Text3_0")->text(), QString());

  Type("Text3_0", "75");
  Press(kEnterButton);
  QCOMPARE(Marks(), QStringLiteral("0110100"));
  QCOMPARE(Counts(), QStringList({"1", "1", "2", "1", "1", "", ""}));
  QCOMPARE(Find<QLineEdit>("Text3_1")->text(), QStringLiteral("205"));
  SaveScreenshot("after_130_and_75");
}

void WindowTest::listingTen() {
  Type("Text3_0", "5");
  Press(kEnterButton);
  Type("Text3_2", "10");
  Press(kListButton);
  const QStringList lines = test_support::ListedLines(*form_);
  QCOMPARE(lines.size(), 11);
  QCOMPARE(lines[0], QStringLiteral("20*0 + 10*1 + 5*0 + 2*0 + 1*0 = 10"));
  QCOMPARE(lines[10], QStringLiteral("20*0 + 10*0 + 5*0 + 2*0 + 1*10 = 10"));
  QCOMPARE(Marks(), QStringLiteral("0000000"));
  QCOMPARE(Counts(), QStringList(7, QString()));
  QCOMPARE(Find<QLineEdit>("Text3_1")->text(), QString());
  QCOMPARE(Find<QLineEdit>("Text3_2")->text(), QStringLiteral("10"));
}

void WindowTest::listingNinetyNine() {
  Type("Text3_2", "99");
  Press(kListButton);
  auto* list = Find<QListView>("List1_0");
  QCOMPARE(list->model()->rowCount(), 3950);
  list->setCurrentIndex(list->model()->index(1, 0));
  QCOMPARE(list->selectionModel()->selectedIndexes().size(), 1);
  SaveScreenshot("split_99");
}

void WindowTest::clearEmptiesEverything() {
  Type("Text3_0", "188");
  Press(kEnterButton);
  Type("Text3_2", "5");
  Press(kListButton);
  Type("Text3_0", "7");
  Press(kEnterButton);
  Press(kClearButton);
  QCOMPARE(form_->ReadForm(), FormState{});
  QCOMPARE(test_support::ListedLines(*form_), QStringList());
}

void WindowTest::toggledMarkIsOverwritten() {
  auto* one = Find<QCheckBox>("Check1_6");
  QTest::mouseClick(one, Qt::LeftButton, {}, QPoint(10, 12));
  QVERIFY(one->isChecked());
  Type("Text3_0", "130");
  Press(kEnterButton);
  QCOMPARE(Marks(), QStringLiteral("1011000"));
}

void WindowTest::overflowShowsAMessageAndChangesNothing() {
  Type("Text3_0", "130");
  Press(kEnterButton);
  Type("Text3_0", "1E9");
  const FormState before = form_->ReadForm();

  Press(kEnterButton);
  QVERIFY(test_support::ShownMessage());
  QCOMPARE(form_->ReadForm(), before);  // and so it stays while the message is up
  const QString shown = test_support::CloseMessage();
  QVERIFY2(shown.startsWith(QStringLiteral("Числото е твърде голямо.")), qPrintable(shown));
  QVERIFY(shown.contains(QStringLiteral("Нищо не е променено")));
  QVERIFY(!test_support::ShownMessage());
  QCOMPARE(form_->ReadForm(), before);
  QCOMPARE(Find<QLineEdit>("Text3_0")->text(), QStringLiteral("1E9"));

  // And the window goes on working.
  Type("Text3_0", "5");
  Press(kEnterButton);
  QCOMPARE(Find<QLineEdit>("Text3_1")->text(), QStringLiteral("135"));
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowTest)
#include "window_test.moc"
