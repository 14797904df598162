#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "logic/windows/window_logic.h"

namespace banknotes {

class ContentBinder;
class FormZoom;

// The windows the main window opens, each by its function key, and the program
// alone by its option ("banknotes --practice"), as the build's facts list them.
struct Companion {
  std::string_view name;  // its table's: "PracticeForm"
  QString title;
  Qt::Key key;
  QString option;
};
std::vector<Companion> Companions();

// A companion window on the desktop: its table's controls, bound to its
// content, and its logic. On every use of a control it reads the content,
// lets the logic work on it, writes it back and says what the logic says;
// it holds no data of its own. What the logic asks of the desktop (the
// worksheet's dialog) it does. It zooms with the program's other windows.
class CompanionForm : public QWidget {
 public:
  // The companion `name` ("PracticeForm"), from its settings ("seed", "2026").
  CompanionForm(std::string_view name, const Settings& settings, QWidget* parent = nullptr);
  ~CompanionForm() override;

  WindowContent ReadForm() const;
  // The control `id` used, as the user does it.
  void Use(std::string_view id, banknotes::Use use);
  int ZoomPercent() const;

 private:
  void Write(const WindowContent& content, const Reply& reply);

  std::unique_ptr<WindowLogic> logic_;
  FormZoom* zoom_ = nullptr;
  ContentBinder* binder_ = nullptr;
  QTimer* tick_ = nullptr;
};

}  // namespace banknotes
