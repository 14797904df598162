#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOption>
#include <QtTest>
#include <cmath>
#include <memory>

#include "tests/window_fixture.h"
#include "window/companion_form.h"
#include "window/form_style.h"
#include "window/main_form.h"

namespace banknotes {

// The window on desktops set up unlike the test machine: a dark palette, as a
// platform theme hands it over at start, and an italic, underlined desktop font.
// The window keeps its own colours and font; boxes, the list and popups keep the
// desktop's palette.
class WindowDesktopTest : public test_support::FormTestCase {
  Q_OBJECT

 public:
  // Each test sets the desktop up before it opens the window.
  WindowDesktopTest() : FormTestCase(false) {}

 private slots:
  void initTestCase();
  void cleanup();
  void darkDesktopLeavesTextReadable_data();
  void darkDesktopLeavesTextReadable();
  void boxesKeepTheDarkDesktopsColours();
  void theCounterReadsOnADarkDesktop();
  void italicDesktopFontLeavesNoTrace_data();
  void italicDesktopFontLeavesNoTrace();
  void desktopStyleGivenLaterIsReplaced();

 private:
  QPalette desktop_palette_;
  QFont desktop_font_;
};

namespace {

// GNOME's Adwaita-dark, as Qt's GTK theme hands it to the application.
QPalette DarkPalette() {
  const QColor text(238, 238, 236), window(53, 53, 53);
  QPalette dark(text, window, QColor(70, 70, 70), QColor(27, 27, 27), QColor(40, 40, 40), text,
                Qt::white, QColor(45, 45, 45), window);
  dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  return dark;
}

qreal Luminance(QColor colour) {
  const auto linear = [](qreal c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

// WCAG's contrast ratio, from 1 to 21.
qreal Contrast(QColor a, QColor b) {
  const qreal la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where a control draws its caption, in its own coordinates.
QRect CaptionArea(QWidget* control) {
  if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    // Inside the caption alone, clear of the frame's line on either side.
    return frame->style()
        ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
        .adjusted(1, 0, -1, 0);
  }
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
  }
  if (qobject_cast<QPushButton*>(control)) return control->rect().adjusted(3, 3, -3, -3);
  // A label, clear of the box and the list that stand over its right and bottom edges.
  return control->rect().adjusted(0, 0, -2, -4);
}

}  // namespace

void WindowDesktopTest::initTestCase() {
  desktop_palette_ = QApplication::palette();
  desktop_font_ = QApplication::font();
}

void WindowDesktopTest::cleanup() {
  FormTestCase::cleanup();
  QApplication::setPalette(desktop_palette_);
  QApplication::setFont(desktop_font_);
}

void WindowDesktopTest::darkDesktopLeavesTextReadable_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("focus");  // the focus mark on it, else its caption

  for (int i = 0; i < 4; ++i)
    QTest::newRow(qPrintable(QStringLiteral("Label1_%1").arg(i)))
        << QStringLiteral("Label1_%1").arg(i) << false;
  QTest::newRow("Frame1") << "Frame1" << false;
  QTest::newRow("Frame2") << "Frame2" << false;
  for (int k = 0; k < 7; ++k) {
    QTest::newRow(qPrintable(QStringLiteral("Check1_%1").arg(k)))
        << QStringLiteral("Check1_%1").arg(k) << false;
    QTest::newRow(qPrintable(QStringLiteral("Label2_%1").arg(k)))
        << QStringLiteral("Label2_%1").arg(k) << false;
  }
  for (int i = 0; i < 3; ++i) {
    const QString button = QStringLiteral("Command1_%1").arg(i);
    QTest::newRow(qPrintable(button)) << button << false;
    QTest::newRow(qPrintable(button + " focus mark")) << button << true;
  }
  QTest::newRow("Check1_0 focus mark") << "Check1_0" << true;
}

// Off the screen's pixels: enough of what is drawn on the control's fixed
// background reaches 4.5:1 against it, text and focus mark alike.
void WindowDesktopTest::darkDesktopLeavesTextReadable() {
  QFETCH(QString, name);
  QFETCH(bool, focus);
  QApplication::setPalette(DarkPalette());
  OpenForm();
  QWidget* control = Find(name);
  const QColor background = control->palette().color(control->backgroundRole());

  Find("Text1")->setFocus(Qt::TabFocusReason);
  const QPoint corner = control->mapTo(form_.get(), QPoint(0, 0));
  const QImage unfocused = test_support::GrabScreen(*form_).copy(QRect(corner, control->size()));
  QImage image = unfocused;
  if (focus) {
    control->setFocus(Qt::TabFocusReason);
    image = test_support::GrabScreen(*form_).copy(QRect(corner, control->size()));
  }
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/dark"));
  QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/dark/%1%2.png")
                         .arg(name, focus ? QStringLiteral("_focus") : QString())));

  const QRect area = focus ? image.rect() : CaptionArea(control);
  int drawn = 0, readable = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor seen = image.pixelColor(x, y);
      // The focus mark is what the focus changed; a caption, what is not background.
      if (focus ? seen == unfocused.pixelColor(x, y) : seen == background) continue;
      ++drawn;
      readable += Contrast(seen, background) >= 4.5;
    }
  QVERIFY2(readable >= 8, qPrintable(QStringLiteral("%1 of %2 drawn pixels reach 4.5:1 on %3")
                                         .arg(readable)
                                         .arg(drawn)
                                         .arg(background.name())));
}

// The practice's counter keeps the desktop's base, as the other lists do: each
// line's "× n", chosen or not, reaches 4.5:1 against what is under it.
void WindowDesktopTest::theCounterReadsOnADarkDesktop() {
  QApplication::setPalette(DarkPalette());
  const auto practice =
      test_support::OpenWindow<CompanionForm>("PracticeForm", Settings{{"seed", "2026"}});
  QVERIFY(practice);
  for (const char* note : {"Command2_0", "Command2_2", "Command2_2"})
    QTest::mouseClick(test_support::Find<QPushButton>(*practice, note), Qt::LeftButton);
  auto* counter = test_support::Find<QListView>(*practice, "List2_0");
  counter->setCurrentIndex(counter->model()->index(1, 0));
  const QImage image = test_support::GrabScreen(*practice).copy(
      QRect(counter->viewport()->mapTo(practice.get(), QPoint(0, 0)), counter->viewport()->size()));
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/dark"));
  QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/dark/practice_counter.png")));
  for (int line = 0; line < 2; ++line) {
    const QRect cell = counter->visualRect(counter->model()->index(line, 0));
    // The count stands in the cell's lowest third; the cell's corner shows what is under it.
    const QRect count(cell.left() + 4, cell.top() + cell.height() * 7 / 10, cell.width() - 8,
                      cell.height() * 3 / 10 - 3);
    const QColor background = image.pixelColor(count.left(), count.bottom());
    int readable = 0;
    for (int y = count.top(); y <= count.bottom(); ++y)
      for (int x = count.left(); x <= count.right(); ++x)
        readable += Contrast(image.pixelColor(x, y), background) >= 4.5;
    QVERIFY2(readable >= 8, qPrintable(QStringLiteral("line %1: %2 pixels reach 4.5:1 on %3")
                                           .arg(line)
                                           .arg(readable)
                                           .arg(background.name())));
  }
}

void WindowDesktopTest::boxesKeepTheDarkDesktopsColours() {
  const QPalette dark = DarkPalette();
  QApplication::setPalette(dark);
  OpenForm();
  QStringList boxes = {"Text1", "Text3_0", "Text3_1", "Text3_2", "List1_0"};
  for (int k = 0; k < 7; ++k) boxes << QStringLiteral("Text2_%1").arg(k);
  for (const QString& name : boxes) {
    const QPalette seen = Find(name)->palette();
    QVERIFY2(seen.color(QPalette::Base) == dark.color(QPalette::Base), qPrintable(name));
    QVERIFY2(seen.color(QPalette::Text) == dark.color(QPalette::Text), qPrintable(name));
  }
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/dark"));
  test_support::Type(*form_, "Text3_0", "130");
  test_support::Press(*form_, kEnterButton);
  test_support::Type(*form_, "Text3_2", "10");
  QVERIFY(test_support::GrabScreen(*form_).save(QStringLiteral(SCREENSHOT_DIR "/dark/window.png")));
}

void WindowDesktopTest::italicDesktopFontLeavesNoTrace_data() {
  QTest::addColumn<QString>("where");
  QTest::newRow("every control") << "controls";
  QTest::newRow("every control, the font given after the window opened") << "controls later";
  QTest::newRow("the failure message") << "message";
  QTest::newRow("the list's menu") << "list menu";
  QTest::newRow("a text box's menu") << "box menu";
}

void WindowDesktopTest::italicDesktopFontLeavesNoTrace() {
  QFETCH(QString, where);
  QFont desktop(QStringLiteral("DejaVu Sans"), 14);
  desktop.setItalic(true);
  desktop.setUnderline(true);
  desktop.setStrikeOut(true);
  desktop.setStretch(QFont::Expanded);
  desktop.setLetterSpacing(QFont::PercentageSpacing, 120);
  if (where == "controls later") {
    // As qt6ct does: the platform theme applies its font once the program runs.
    OpenForm();
    QApplication::setFont(desktop);
    QCoreApplication::processEvents();
  } else {
    QApplication::setFont(desktop);
    OpenForm();
  }
  const QString family = QFontInfo(form_->font()).family();
  QVERIFY2(family != QStringLiteral("DejaVu Sans"), qPrintable(family));

  // Each font the window or a popup draws with, by the name of its widget.
  QList<std::pair<QString, QFont>> fonts;
  const auto add = [&fonts](QWidget* widget) {
    fonts.append({widget->objectName(), widget->font()});
  };
  if (where.startsWith("controls")) {
    for (QWidget* widget : form_->findChildren<QWidget*>()) add(widget);
    add(form_.get());
  } else if (where == "message") {
    test_support::Type(*form_, "Text3_0", "1E9");
    test_support::Press(*form_, kEnterButton);
    QMessageBox* box = test_support::ShownMessage();
    QVERIFY(box);
    for (QWidget* widget : box->findChildren<QWidget*>()) add(widget);
    test_support::CloseMessage();
  } else if (where == "list menu") {
    test_support::Type(*form_, "Text3_2", "5");
    test_support::Press(*form_, kListButton);
  }
  if (where.endsWith("menu")) {
    QMenu* menu = test_support::OpenContextMenu(
        where == "list menu" ? Find<QListView>("List1_0")->viewport() : Find("Text3_0"));
    QVERIFY(menu);
    add(menu);
    menu->close();
  }

  QVERIFY(!fonts.isEmpty());
  for (const auto& [name, font] : fonts) {
    const QString what = name + ": " + font.toString();
    QVERIFY2(!QFontInfo(font).italic() && !font.underline() && !font.strikeOut(), qPrintable(what));
    QVERIFY2(font.stretch() == QFont::Unstretched && font.letterSpacing() == 100, qPrintable(what));
    QVERIFY2(QFontInfo(font).family() == family && font.pointSizeF() == 12, qPrintable(what));
  }
}

// When the desktop's settings change, qt6ct gives the application a style of its
// own: the window's comes back.
void WindowDesktopTest::desktopStyleGivenLaterIsReplaced() {
  OpenForm();
  QApplication::setStyle(QStringLiteral("Windows"));
  QTRY_VERIFY(dynamic_cast<FormStyle*>(QApplication::style()));
  QCOMPARE(Find("Command1_1")->style(), QApplication::style());
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowDesktopTest)
#include "window_desktop_test.moc"
