#pragma once

#include <QListView>
#include <functional>

namespace banknotes {

// The list of split lines as the user sees it: one line selected at a time, and
// the lines copied out, the selected one with Ctrl+C or either way from its
// context menu. It copies what its model shows and changes nothing in the form;
// with nothing to copy the clipboard keeps what it had.
class LinesView : public QListView {
 public:
  explicit LinesView(QWidget* parent = nullptr);

  void CopySelectedLine();
  void CopyAllLines();
  // What Enter or Delete on the current line does, where a line can be pressed.
  void SetPressed(std::function<void()> pressed) { pressed_ = std::move(pressed); }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QModelIndex SelectedRow() const;

  std::function<void()> pressed_;
};

}  // namespace banknotes
