#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "tests/window_helpers.h"
#include "window/main_form.h"

namespace banknotes::test_support {

// What every window test class starts from: before each test function a new
// main window, shown, exposed and active, with the program's look; after it, the
// window closed. Controls are found by their object names.
class FormTestCase : public QObject {
  Q_OBJECT

 protected:
  // A class that sets the desktop up first opens the window itself (OpenForm).
  explicit FormTestCase(bool open_before_each_test = true)
      : open_before_each_test_(open_before_each_test) {}

  void OpenForm();
  template <typename T = QWidget>
  T* Find(const QString& name) {
    return test_support::Find<T>(*form_, name);
  }

  std::unique_ptr<MainForm> form_;

 protected slots:
  void init();
  void cleanup();

 private:
  bool open_before_each_test_;
};

}  // namespace banknotes::test_support
