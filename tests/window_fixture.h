#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QtTest>
#include <memory>
#include <utility>

#include "tests/window_helpers.h"
#include "window/form_style.h"
#include "window/main_form.h"
#include "window/screen_reader.h"

namespace banknotes::test_support {

// A window opened as the program opens one: the look and the screen reader's
// support set up first, then shown, exposed and active. None if it never showed.
template <typename Window, typename... Arguments>
std::unique_ptr<Window> OpenWindow(Arguments&&... arguments) {
  UseFormLook(1);
  UseScreenReaderSupport();
  auto window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
  // Xvfb has no window manager to activate the window; Qt is told directly.
  QApplication::setActiveWindow(window.get());
  return window;
}

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
