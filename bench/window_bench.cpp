// How long clicks take until the window has painted their result, against a plain
// QListWidget that is merely handed the same lines, and how long copying the
// listing takes. Figures only, never a test:
//   build/bench/window_bench
#include <QAbstractItemView>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "logic/form/dispatch.h"
#include "window/companion_form.h"
#include "window/form_style.h"
#include "window/lines_view.h"
#include "window/main_form.h"

namespace banknotes {
namespace {

constexpr int kRounds = 51;

double MedianMs(std::vector<qint64> nanoseconds) {
  std::sort(nanoseconds.begin(), nanoseconds.end());
  return static_cast<double>(nanoseconds[nanoseconds.size() / 2]) / 1e6;
}

template <typename Work>
qint64 Time(Work work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return timer.nsecsElapsed();
}

// A shown window and the controls the clicks need.
struct ShownForm {
  ShownForm() {
    form.show();
    exposed = QTest::qWaitForWindowExposed(&form);
  }
  QWidget* Find(const char* name) { return form.findChild<QWidget*>(QString::fromLatin1(name)); }
  void Click(std::int16_t index) {
    const std::array<const char*, 3> buttons = {"Command1_0", "Command1_1", "Command1_2"};
    static_cast<QPushButton*>(Find(buttons[static_cast<std::size_t>(index)]))->click();
  }
  // Empties the form and types into one box, all painted before the timed click.
  void Prepare(const char* box, const char* text) {
    Click(kClearButton);
    static_cast<QLineEdit*>(Find(box))->setText(QString::fromLatin1(text));
    form.repaint();
  }

  MainForm form;
  bool exposed = false;
};

}  // namespace

class WindowBench : public QObject {
  Q_OBJECT

 private slots:
  // The look the program gives the application before it opens its window.
  void initTestCase() { UseFormLook(1); }

  // "Изведи" with 99, splitting included, against a QListWidget of the same place
  // and font handed the 3950 lines already made, rounds interleaved.
  void listingAgainstPlainList() {
    ShownForm shown;
    QVERIFY(shown.exposed);
    FormState split;
    split.Text3[kSum] = "99";
    dispatch(split, kListButton);
    QStringList prepared;
    for (const std::string& line : split.List1[kSplits].lines())
      prepared << QString::fromStdString(line);

    QListWidget plain(&shown.form);
    plain.setUniformItemSizes(true);
    auto* list = static_cast<QAbstractItemView*>(shown.Find("List1_0"));
    plain.setGeometry(list->geometry());
    plain.show();
    plain.raise();

    std::vector<qint64> ours, theirs;
    for (int round = 0; round < kRounds; ++round) {
      shown.Prepare("Text3_2", "99");
      // After Prepare the list is the only control the listing changes, so
      // painting it is painting all that the click changed.
      ours.push_back(Time([&] {
        shown.Click(kListButton);
        list->repaint();
      }));
      plain.clear();
      plain.repaint();
      theirs.push_back(Time([&] {
        plain.addItems(prepared);
        plain.repaint();
      }));
    }
    QCOMPARE(list->model()->rowCount(), 3950);
    QCOMPARE(plain.count(), 3950);
    const double ours_ms = MedianMs(ours), theirs_ms = MedianMs(theirs);
    qInfo(
        "median of %d rounds: click on \"Изведи\" with 99 %.3f ms, plain QListWidget %.3f ms, "
        "ratio %.2f",
        kRounds, ours_ms, theirs_ms, ours_ms / theirs_ms);
  }

  // "Въведи" with 130 on an emptied form, until painted.
  void enterClick() {
    ShownForm shown;
    QVERIFY(shown.exposed);
    std::vector<qint64> times;
    for (int round = 0; round < kRounds; ++round) {
      shown.Prepare("Text3_0", "130");
      // Marks, counts, total and amount all change: the whole window is painted.
      times.push_back(Time([&] {
        shown.Click(kEnterButton);
        shown.form.repaint();
      }));
    }
    qInfo("median of %d rounds: click on \"Въведи\" with 130 %.3f ms", kRounds, MedianMs(times));
  }

  // A note of the practice's wallet clicked, until the counter, the sum and the
  // boxes are painted; each click lays one more, so the counter changes each time.
  void walletClick() {
    CompanionForm practice("PracticeForm", Settings{{"seed", "2026"}});
    practice.show();
    QVERIFY(QTest::qWaitForWindowExposed(&practice));
    auto* note = practice.findChild<QPushButton*>(QStringLiteral("Command2_2"));
    auto* counter = practice.findChild<LinesView*>(QStringLiteral("List2_0"));
    QVERIFY(note && counter);
    std::vector<qint64> times;
    for (int round = 0; round < kRounds; ++round) {
      practice.repaint();
      times.push_back(Time([&] {
        note->click();
        practice.repaint();
      }));
    }
    QCOMPARE(counter->model()->rowCount(), 1);
    qInfo("median of %d rounds: a click on the wallet's 20 € until painted %.3f ms", kRounds,
          MedianMs(times));
  }

  // "Копиране на всички редове" with the 3950 lines of 99, onto the clipboard.
  void copyAllLines() {
    ShownForm shown;
    QVERIFY(shown.exposed);
    shown.Prepare("Text3_2", "99");
    shown.Click(kListButton);
    auto* list = shown.form.findChild<LinesView*>(QStringLiteral("List1_0"));
    QVERIFY(list);
    std::vector<qint64> times;
    for (int round = 0; round < kRounds; ++round)
      times.push_back(Time([&] { list->CopyAllLines(); }));
    QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 3949);
    qInfo("median of %d rounds: copying the 3950 lines of 99 %.3f ms", kRounds, MedianMs(times));
  }
};

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowBench)
#include "window_bench.moc"
