#include <QAbstractItemView>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "logic/form/outcome.h"
#include "tests/window_fixture.h"
#include "window/main_form.h"
#include "window/qt_translation.h"

namespace banknotes {

// The zoom: every step enlarges the whole window as one piece, by keys or by the
// wheel, and leaves the form and where the user was in it as they were.
class WindowZoomTest : public test_support::FormTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void stepsScaleEveryControl_data();
  void stepsScaleEveryControl();
  void zoomKeepsWhatTheUserHas();
  void popupsTakeTheZoom_data();
  void popupsTakeTheZoom();

 private:
  QAbstractItemView* List() { return Find<QAbstractItemView>("List1_0"); }
  void CtrlKey(int key, int times, Qt::KeyboardModifiers more = {});
  void CtrlWheel(QWidget* widget, int notches);
};

namespace {

// Every named control, by name, with its place in the window's coordinates.
std::map<QString, QRect> Places(QWidget& form) {
  std::map<QString, QRect> places;
  for (QWidget* widget : form.findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
      continue;
    places[widget->objectName()] = QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size());
  }
  return places;
}

// The entries of a menu whose text is drawn cut. The menu is drawn at its own
// width and again much wider: where an entry's whole text stands in the wide one
// (its shortcut has moved far right), the two must show the same pixels.
QStringList CutEntries(QMenu* menu) {
  const QImage natural = menu->grab().toImage();
  // Each entry's place, clear of the menu's frame.
  const int frame = menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu) + 1;
  const QRect inside = menu->rect().adjusted(frame, frame, -frame, -frame);
  std::vector<std::pair<QString, QRect>> bands;
  for (QAction* action : menu->actions())
    if (!action->isSeparator())
      bands.emplace_back(action->text(), menu->actionGeometry(action).intersected(inside));
  const QSize size = menu->size();
  menu->setFixedWidth(size.width() + 400);
  const QImage wide = menu->grab().toImage();
  menu->setMinimumSize(0, 0);
  menu->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  menu->resize(size);

  QStringList cut;
  for (const auto& [text, band] : bands) {
    const QColor background = wide.pixelColor(wide.width() - 6, band.center().y());
    int last = -1;  // the last column the whole text reaches
    for (int x = 0; x < natural.width(); ++x)
      for (int y = band.top(); y <= band.bottom(); ++y)
        if (wide.pixelColor(x, y) != background) last = x;
    bool same = true;
    for (int x = 0; x <= last && same; ++x)
      for (int y = band.top(); y <= band.bottom() && same; ++y)
        same = natural.pixel(x, y) == wide.pixel(x, y);
    if (!same) cut << text;
  }
  return cut;
}

bool WithinAPixel(QRect seen, QRect at_100, qreal factor) {
  const auto near = [factor](int seen, int at_100) { return qAbs(seen - at_100 * factor) <= 1; };
  return near(seen.left(), at_100.left()) && near(seen.top(), at_100.top()) &&
         near(seen.width(), at_100.width()) && near(seen.height(), at_100.height());
}

}  // namespace

// The menus are measured with the texts the program shows: Qt's in Bulgarian.
void WindowZoomTest::initTestCase() { UseBulgarianQtTexts(); }

void WindowZoomTest::CtrlKey(int key, int times, Qt::KeyboardModifiers more) {
  for (int i = 0; i < times; ++i)
    QTest::keyClick(form_->focusWidget(), Qt::Key(key), Qt::ControlModifier | more);
}

void WindowZoomTest::CtrlWheel(QWidget* widget, int notches) {
  const QPoint at = widget->rect().center();
  for (int i = 0; i < std::abs(notches); ++i) {
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, notches > 0 ? 120 : -120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
  }
}

void WindowZoomTest::stepsScaleEveryControl_data() {
  QTest::addColumn<int>("percent");
  QTest::addColumn<QString>("how");
  QTest::newRow("100 %, Ctrl+0 from 200 %") << 100 << "reset";
  QTest::newRow("125 %, Ctrl+plus") << 125 << "plus";
  QTest::newRow("150 %, Ctrl+=") << 150 << "equal";
  QTest::newRow("175 %, Ctrl + keypad plus") << 175 << "keypad";
  QTest::newRow("200 %, Ctrl + wheel on the description") << 200 << "wheel";
  QTest::newRow("150 %, Ctrl+minus from 200 %") << 150 << "minus";
}

void WindowZoomTest::stepsScaleEveryControl() {
  QFETCH(int, percent);
  QFETCH(QString, how);
  test_support::Type(*form_, "Text3_2", "99");
  test_support::Press(*form_, kListButton);
  const std::map<QString, QRect> at_100 = Places(*form_);
  const QSize size_100 = form_->size();

  const int steps = (percent - 100) / 25;
  if (how == "plus") CtrlKey(Qt::Key_Plus, steps);
  if (how == "equal") CtrlKey(Qt::Key_Equal, steps);
  if (how == "keypad") CtrlKey(Qt::Key_Plus, steps, Qt::KeypadModifier);
  if (how == "wheel") CtrlWheel(Find<QWidget>("Text1"), steps);
  if (how == "reset" || how == "minus") {
    CtrlKey(Qt::Key_Plus, 4);
    QCOMPARE(form_->ZoomPercent(), 200);
    if (how == "reset") CtrlKey(Qt::Key_0, 1);
    if (how == "minus") CtrlKey(Qt::Key_Minus, (200 - percent) / 25);
  }
  QCOMPARE(form_->ZoomPercent(), percent);
  const qreal factor = percent / 100.0;

  QVERIFY(WithinAPixel(QRect(QPoint(), form_->size()), QRect(QPoint(), size_100), factor));
  QCOMPARE(form_->minimumSize(), form_->maximumSize());  // still fixed
  for (const auto& [name, place] : Places(*form_)) {
    QVERIFY2(WithinAPixel(place, at_100.at(name), factor), qPrintable(name));
    QVERIFY2(Find<QWidget>(name)->font().pointSizeF() == 12 * factor, qPrintable(name));
  }

  // The longest captions and the longest line of 99 still fit whole.
  const QFontMetrics metrics(form_->font());
  auto* label = Find<QLabel>("Label1_3");
  QVERIFY(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width());
  auto* frame = Find<QGroupBox>("Frame2");
  QVERIFY2(metrics.horizontalAdvance(frame->title()) + 8 * factor <= frame->width(),
           qPrintable(QString::number(metrics.horizontalAdvance(frame->title()))));
  int longest = 0;
  for (const QString& line : test_support::ListedLines(*form_))
    longest = std::max(longest, metrics.horizontalAdvance(line));
  QVERIFY2(longest <= List()->viewport()->width(),
           qPrintable(QStringLiteral("%1 > %2").arg(longest).arg(List()->viewport()->width())));

  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/zoom"));
  QVERIFY(test_support::GrabScreen(*form_).save(
      QStringLiteral(SCREENSHOT_DIR "/zoom/%1_%2.png").arg(percent).arg(how)));
}

void WindowZoomTest::zoomKeepsWhatTheUserHas() {
  test_support::Type(*form_, "Text3_0", "130");
  test_support::Press(*form_, kEnterButton);
  test_support::Type(*form_, "Text3_2", "99");
  test_support::Press(*form_, kListButton);
  QTest::mouseClick(Find<QWidget>("Check1_6"), Qt::LeftButton, {}, QPoint(10, 12));
  QAbstractItemView* list = List();
  list->setCurrentIndex(list->model()->index(3000, 0));
  list->scrollTo(list->currentIndex(), QAbstractItemView::PositionAtTop);
  test_support::Type(*form_, "Text3_0", "1234");
  auto* amount = Find<QLineEdit>("Text3_0");
  amount->setCursorPosition(2);

  const FormState before = form_->ReadForm();
  const int scrolled = list->verticalScrollBar()->value();
  const auto unchanged = [&] {
    QCOMPARE(form_->ReadForm(), before);
    QCOMPARE(list->currentIndex().row(), 3000);
    QCOMPARE(list->selectionModel()->selectedIndexes().size(), 1);
    QCOMPARE(QApplication::focusWidget(), amount);
    QCOMPARE(amount->cursorPosition(), 2);
  };

  // The wheel over the list zooms and does not scroll it; steps that would not
  // fit the screen are skipped.
  CtrlWheel(list->viewport(), 6);
  const QSize available = form_->screen()->availableGeometry().size();
  int largest = 100;
  for (int percent = 125; percent <= 200; percent += 25)
    if (519 * percent / 100 <= available.width() && 390 * percent / 100 <= available.height())
      largest = percent;
  QCOMPARE(form_->ZoomPercent(), largest);
  unchanged();
  if (QTest::currentTestFailed()) return;
  QCOMPARE(list->indexAt(QPoint(0, 0)).row(), 3000);

  CtrlKey(Qt::Key_Minus, 2);
  unchanged();
  if (QTest::currentTestFailed()) return;
  CtrlKey(Qt::Key_0, 1);
  QCOMPARE(form_->ZoomPercent(), 100);
  unchanged();
  QCOMPARE(list->verticalScrollBar()->value(), scrolled);
}

void WindowZoomTest::popupsTakeTheZoom_data() {
  QTest::addColumn<int>("percent");
  for (int percent = 100; percent <= 200; percent += 25)
    QTest::newRow(qPrintable(QStringLiteral("%1 %").arg(percent))) << percent;
}

// The message box and both menus are drawn at the window's zoom, with its font,
// and nothing in them is cut.
void WindowZoomTest::popupsTakeTheZoom() {
  QFETCH(int, percent);
  const auto message_at_100 = [this] {
    test_support::Type(*form_, "Text3_0", "1E9");
    test_support::Press(*form_, kEnterButton);
    const QSize size =
        test_support::ShownMessage() ? test_support::ShownMessage()->size() : QSize();
    test_support::CloseMessage();
    return size;
  }();
  test_support::Type(*form_, "Text3_2", "10");
  test_support::Press(*form_, kListButton);
  List()->setCurrentIndex(List()->model()->index(2, 0));
  CtrlKey(Qt::Key_Plus, (percent - 100) / 25);
  QCOMPARE(form_->ZoomPercent(), percent);
  const qreal points = 12 * percent / 100.0;
  const QString shots = QStringLiteral(SCREENSHOT_DIR "/zoom/");

  for (QWidget* owner : {List()->viewport(), static_cast<QWidget*>(Find<QLineEdit>("Text3_0"))}) {
    QMenu* menu = test_support::OpenContextMenu(owner, QPoint(20, 5));
    QVERIFY(menu);
    QCOMPARE(menu->font().pointSizeF(), points);
    const QStringList cut = CutEntries(menu);
    const QString which =
        owner == List()->viewport() ? QStringLiteral("list") : QStringLiteral("box");
    menu->grab().save(shots + QStringLiteral("%1_menu_%2.png").arg(which).arg(percent));
    menu->close();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
  }

  // The message grows as one piece, as under the desktop's own scaling: its text
  // keeps its lines, and its icon grows too.
  test_support::Type(*form_, "Text3_0", "1E9");
  test_support::Press(*form_, kEnterButton);
  QMessageBox* message = test_support::ShownMessage();
  QVERIFY(message);
  QCOMPARE(message->font().pointSizeF(), points);
  auto* label = message->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  // As many lines as the message has.
  const std::string_view text = FailureText(Outcome::Overflow);
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  QCOMPARE(label->height() / QFontMetrics(label->font()).lineSpacing(), lines);
  const QSize icon = message->iconPixmap().deviceIndependentSize().toSize();
  QCOMPARE(icon, QSize(32, 32) * percent / 100);
  const QSize size = message->size();
  const QSize expected = message_at_100 * percent / 100;
  qInfo("message at %d %%: %dx%d", percent, size.width(), size.height());
  // Every margin is rounded on its own and hinted text does not grow quite in step:
  // within 3 %.
  const auto near = [](int seen, int wanted) {
    return qAbs(seen - wanted) <= 2 + wanted * 3 / 100;
  };
  QVERIFY2(near(size.width(), expected.width()) && near(size.height(), expected.height()),
           qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
  QVERIFY(test_support::GrabScreen(*message).save(shots +
                                                  QStringLiteral("message_%1.png").arg(percent)));
  test_support::CloseMessage();
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowZoomTest)
#include "window_zoom_test.moc"
