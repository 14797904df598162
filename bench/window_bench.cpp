// How long clicks take until the window has painted their result, against a plain
// QListWidget that is merely handed the same lines. Figures only, never a test:
//   build/bench/window_bench
#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <string>
#include <vector>

#include "logic/dispatch.h"
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
  // Clicks a button and paints what it changed.
  void Click(std::int16_t index) {
    static_cast<QPushButton*>(Find(index == kClearButton   ? "Command1_0"
                                   : index == kEnterButton ? "Command1_1"
                                                           : "Command1_2"))
        ->click();
    form.repaint();
  }
  void SetText(const char* box, const char* text) {
    static_cast<QLineEdit*>(Find(box))->setText(QString::fromLatin1(text));
  }
  int ListedLines() {
    return static_cast<QAbstractItemView*>(Find("List1_0"))->model()->rowCount();
  }

  MainForm form;
  bool exposed = false;
};

}  // namespace

class WindowBench : public QObject {
  Q_OBJECT

 private slots:
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
    plain.setGeometry(shown.Find("List1_0")->geometry());
    plain.show();
    plain.raise();

    std::vector<qint64> ours, theirs;
    for (int round = 0; round < kRounds; ++round) {
      shown.Click(kClearButton);
      shown.SetText("Text3_2", "99");
      ours.push_back(Time([&] { shown.Click(kListButton); }));
      plain.clear();
      plain.repaint();
      theirs.push_back(Time([&] {
        plain.addItems(prepared);
        plain.repaint();
      }));
    }
    QCOMPARE(shown.ListedLines(), 3950);
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
      shown.Click(kClearButton);
      shown.SetText("Text3_0", "130");
      times.push_back(Time([&] { shown.Click(kEnterButton); }));
    }
    qInfo("median of %d rounds: click on \"Въведи\" with 130 %.3f ms", kRounds, MedianMs(times));
  }
};

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowBench)
#include "window_bench.moc"
