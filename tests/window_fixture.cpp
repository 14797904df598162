#include "tests/window_fixture.h"

#include <QApplication>
#include <QtTest>

#include "window/form_style.h"
#include "window/screen_reader.h"

namespace banknotes::test_support {

void FormTestCase::OpenForm() {
  // As the program sets the application up before its window.
  UseFormLook(1);
  UseScreenReaderSupport();
  form_ = std::make_unique<MainForm>();
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  // Xvfb has no window manager to activate the window; Qt is told directly.
  QApplication::setActiveWindow(form_.get());
}

void FormTestCase::init() {
  if (open_before_each_test_) OpenForm();
}

void FormTestCase::cleanup() { form_.reset(); }

}  // namespace banknotes::test_support
