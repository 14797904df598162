#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "tests/window_fixture.h"
#include "window/companion_form.h"
#include "window/form_style.h"
#include "window/screen_reader.h"
#include "window/worksheet_dialog.h"

namespace banknotes {

// The worksheet from the practice window: its dialog, a choice out of range, and
// the PDF of sheet № 2026 read back as text (pdftotext) and for its fonts
// (pdffonts). The PDF and its pages as pictures stay in the screenshots.
class WindowWorksheetTest : public test_support::FormTestCase {
  Q_OBJECT

 public:
  WindowWorksheetTest() : FormTestCase(false) {}

 private slots:
  void init();
  void cleanup();
  void thePracticeWindowOpensItWithItsNumber();
  void aCountOutOfRangeMakesNoSheet();
  void thePdfHoldsTheTasksAndTheKeyFromPageTwo();
  void aFullDiskLeavesNoFileAndSaysSo();
  void aNameWithoutPdfAsksBeforeReplacingOne();

 private:
  WorksheetDialog* Open();
  static QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) return QStringLiteral("(%1 did not finish)").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  std::unique_ptr<CompanionForm> practice_;
};

void WindowWorksheetTest::init() {
  practice_ = test_support::OpenWindow<CompanionForm>("PracticeForm", Settings{{"seed", "2026"}});
  QVERIFY(practice_);
}

void WindowWorksheetTest::cleanup() {
  practice_.reset();
  FormTestCase::cleanup();
}

// A text as pdftotext gives it back: a no-break space as a space.
QString Spaced(const char* text) { return QString::fromUtf8(text).replace(QChar(0xA0), ' '); }

WorksheetDialog* WindowWorksheetTest::Open() {
  QTest::mouseClick(test_support::Find<QPushButton>(*practice_, "Command1_3"), Qt::LeftButton);
  return practice_->findChild<WorksheetDialog*>();
}

void WindowWorksheetTest::thePracticeWindowOpensItWithItsNumber() {
  WorksheetDialog* dialog = Open();
  QVERIFY(dialog);
  QVERIFY(QTest::qWaitForWindowExposed(dialog));
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Работен лист"));
  QCOMPARE(dialog->ReadForm()["Text1_0"].text, std::string("2026"));
  for (const char* name : {"Command1_0", "Command1_1"})
    QVERIFY(dialog->findChild<QPushButton*>(name));
  QVERIFY(!dialog->findChild<QPushButton*>("Command1_2"));  // the page's own
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/worksheet"));
  QVERIFY(test_support::GrabScreen(*dialog).save(
      QStringLiteral(SCREENSHOT_DIR "/worksheet/dialog.png")));
  dialog->close();
}

void WindowWorksheetTest::aCountOutOfRangeMakesNoSheet() {
  WorksheetDialog* dialog = Open();
  QVERIFY(dialog);
  test_support::Type(*dialog, "Text1_1", "11");
  QTemporaryDir folder;
  const QString path = folder.filePath("sheet.pdf");
  QVERIFY(!dialog->SavePdf(path));
  QVERIFY(!QFile::exists(path));
  QCOMPARE(test_support::Find<QLabel>(*dialog, "Label1_4")->text(),
           QStringLiteral("Броят на задачите за плащане трябва да е цяло число от 0 до 10."));
  dialog->close();
}

void WindowWorksheetTest::thePdfHoldsTheTasksAndTheKeyFromPageTwo() {
  WorksheetDialog* dialog = Open();
  QVERIFY(dialog);
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR "/worksheet"));
  const QString path = QStringLiteral(SCREENSHOT_DIR "/worksheet/sheet-2026.pdf");
  QFile::remove(path);
  QVERIFY(dialog->SavePdf(path));
  QVERIFY(QFile(path).size() > 1000);
  QVERIFY(test_support::Find<QLabel>(*dialog, "Label1_4")
              ->text()
              .startsWith(QStringLiteral("Листът е записан")));
  dialog->close();
#ifndef Q_OS_LINUX
  QSKIP("pdftotext and pdffonts are read on Linux only");
#endif
  // The pages' texts; the key starts on a page of its own, after the tasks.
  QStringList pages;
  for (int page = 1; page <= 20; ++page) {
    const QString text = Run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page),
                                           "-layout", path, "-"});
    if (text.trimmed().isEmpty()) break;
    pages << text;
  }
  qsizetype key_page = -1;
  for (qsizetype page = 0; page < pages.size() && key_page < 0; ++page)
    if (pages[page].contains(QStringLiteral("Отговори"))) key_page = page;
  QVERIFY2(key_page >= 1, qPrintable(pages.join("\f")));
  const QString tasks = pages.mid(0, key_page).join('\n'), key = pages.mid(key_page).join('\n');
  QVERIFY2(pages.first().contains(QStringLiteral("Работен лист № 2026")),
           qPrintable(pages.first()));
  for (const char* text :
       {"Име:", "Клас:", "Дата:", "1. Изплатете 306\u00a0€ с възможно най-малко банкноти и монети.",
        "4. Изплатете 422\u00a0€ с възможно най-малко банкноти и монети.",
        "5. Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1.", "Брой начини",
        "7. Платете 34 със стойностите 4, 3 и 1.", "8. Колко пари има тук?", "Най-малко",
        "10. Стоката струва 288,88\u00a0€. Клиентът плаща с 500\u00a0€.", "Ресто",
        "11. Изплатете 751,41\u00a0€ с възможно най-малко банкноти и монети.", "Монети"})
    QVERIFY2(tasks.contains(Spaced(text)), qPrintable(tasks));
  QVERIFY2(pages[key_page].trimmed().startsWith(QStringLiteral("Отговори – работен лист № 2026")),
           qPrintable(pages[key_page]));
  for (const char* text :
       {"1. 306\u00a0€ = 100 + 100 + 100 + 5 + 1: 4 банкноти и 1 монета",
        "306 : 100 = 3, остатък 6 → 3 банкноти по 100\u00a0€", "5. 5: 4 начина",
        "20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5", "8. 100\u00a0€ = 100: 1 банкнота",
        "Тук има 50 + 20 + 20 + 10 = 100\u00a0€ – 4 банкноти.", "288,88 + 0,02 = 288,90",
        "300,00 + 200,00 = 500,00", "0,41 : 0,20 = 2, остатък 0,01 → 2 монети по 20 цента"})
    QVERIFY2(key.contains(Spaced(text)), qPrintable(key));
  // Every font the sheet uses is in it.
  const QStringList fonts = Run("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
  QVERIFY(!fonts.isEmpty());
  for (const QString& font : fonts)
    QVERIFY2(font.simplified().split(' ').contains(QStringLiteral("yes")), qPrintable(font));
  // The pages as pictures, in grey as a school's printer has them, to look at.
  Run("pdftoppm", {"-r", "60", "-gray", "-png", path,
                   QStringLiteral(SCREENSHOT_DIR "/worksheet/sheet-2026-grey")});
}

// A tmpfs of 16 KiB, which a sheet's PDF does not fit, mounted where the test
// may (as root on Linux).
void WindowWorksheetTest::aFullDiskLeavesNoFileAndSaysSo() {
#ifndef Q_OS_LINUX
  QSKIP("a full disk is made with a tmpfs, on Linux only");
#endif
  QTemporaryDir folder;
  if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", folder.path()}) != 0)
    QSKIP("a tmpfs can only be mounted as root: the full disk is not tried");
  struct Unmount {
    QString path;
    ~Unmount() { QProcess::execute("umount", {path}); }
  } unmount{folder.path()};
  WorksheetDialog* dialog = Open();
  QVERIFY(dialog);
  const QString path = folder.filePath("лист.pdf");
  QVERIFY(!dialog->SavePdf(path));
  QCOMPARE(test_support::Find<QLabel>(*dialog, "Label1_4")->text(),
           QStringLiteral("Файлът „%1“ не можа да се запише.").arg(QDir::toNativeSeparators(path)));
  QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
           QStringList());
  // A device that is always full, as /dev/full is, made beside the test's files.
  QTemporaryDir devices;
  const QString full = devices.filePath("full");
  QCOMPARE(QProcess::execute("mknod", {full, "c", "1", "7"}), 0);
  QVERIFY(!dialog->SavePdf(full));
  QVERIFY(!QFileInfo(full).isFile());
  QCOMPARE(QDir(devices.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
           QStringList{"full"});
  dialog->close();
}

// "sheet" typed where "sheet.pdf" is: the file dialog asks of "sheet.pdf", and
// a "No" leaves it as it was. Qt's own file dialog, on every platform, for the
// test to drive; a Latin name, which Wine under the C locale can write.
void WindowWorksheetTest::aNameWithoutPdfAsksBeforeReplacingOne() {
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
  QTemporaryDir folder;
  const QString existing = folder.filePath(QStringLiteral("sheet.pdf"));
  {
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("the teacher's own");
  }
  WorksheetDialog* dialog = Open();
  QVERIFY(dialog);
  QString asked;
  bool typed = false;
  QTimer::singleShot(0, [&] {
    auto* files = dialog->findChild<QFileDialog*>(QStringLiteral("SavePdfDialog"));
    if (!files) return;
    files->setDirectory(folder.path());
    auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name) return files->reject();
    name->setText(QStringLiteral("sheet"));
    typed = true;
    // The question comes as a message box of its own, over the file dialog.
    QTimer::singleShot(0, [&, files] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
          asked = box->text();
          box->button(QMessageBox::No)->click();
        }
      files->reject();
    });
    QTest::keyClick(name, Qt::Key_Return);
  });
  QTest::mouseClick(test_support::Find<QPushButton>(*dialog, "Command1_1"), Qt::LeftButton);
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
  QVERIFY(typed);
  QVERIFY2(asked.contains(QStringLiteral("sheet.pdf")), qPrintable(asked));
  QFile file(existing);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("the teacher's own"));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.pdf")});
  dialog->close();
}

}  // namespace banknotes

QTEST_MAIN(banknotes::WindowWorksheetTest)
#include "window_worksheet_test.moc"
