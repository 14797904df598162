#include "tests/window_fixture.h"

namespace banknotes::test_support {

void FormTestCase::OpenForm() {
  form_ = OpenWindow<MainForm>();
  QVERIFY(form_);
}

void FormTestCase::init() {
  if (open_before_each_test_) OpenForm();
}

void FormTestCase::cleanup() { form_.reset(); }

}  // namespace banknotes::test_support
