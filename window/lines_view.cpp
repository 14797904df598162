#include "window/lines_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

#include "logic/windows/form_layout.h"
#include "window/qt_text.h"

namespace banknotes {

LinesView::LinesView(QWidget* parent) : QListView(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

QModelIndex LinesView::SelectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? QModelIndex() : selected.first();
}

void LinesView::CopySelectedLine() {
  const QModelIndex row = SelectedRow();
  if (row.isValid()) QGuiApplication::clipboard()->setText(row.data().toString());
}

void LinesView::CopyAllLines() {
  const int rows = model()->rowCount();
  if (rows == 0) return;
  QString text;
  text.reserve(rows * 40);  // a line of 99 is at most 38 characters
  for (int row = 0; row < rows; ++row) {
    if (row > 0) text += QLatin1Char('\n');
    text += model()->index(row, 0).data().toString();
  }
  QGuiApplication::clipboard()->setText(text);
}

void LinesView::focusInEvent(QFocusEvent* event) {
  // Qt makes the first line current, unselected, when the focus arrives, and the
  // first Down then goes to the second line. With no line current, it goes to
  // the first, and a screen reader reads that.
  const bool had_current = currentIndex().isValid();
  QListView::focusInEvent(event);
  if (!had_current && !selectionModel()->hasSelection()) selectionModel()->clearCurrentIndex();
}

void LinesView::keyPressEvent(QKeyEvent* event) {
  // The view's own copy takes the current line even when none is selected.
  if (event->matches(QKeySequence::Copy)) {
    CopySelectedLine();
    event->accept();
    return;
  }
  const int key = event->key();
  if (pressed_ && model() && model()->rowCount() > 0 &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete)) {
    event->accept();
    pressed_();
    return;
  }
  QListView::keyPressEvent(event);
}

void LinesView::contextMenuEvent(QContextMenuEvent* event) {
  // Shown without a loop of its own, as the failure message is: the event that
  // opened it ends at once, and the menu deletes itself when it closes.
  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("List1Menu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* one = menu->addAction(ToQString(kCopyLineCaption), this, &LinesView::CopySelectedLine);
  one->setShortcut(QKeySequence::Copy);
  one->setEnabled(SelectedRow().isValid());
  QAction* all = menu->addAction(ToQString(kCopyAllCaption), this, &LinesView::CopyAllLines);
  all->setEnabled(model()->rowCount() > 0);

  // From the keyboard the menu opens under the current line, or at the list's corner.
  QPoint at = event->globalPos();
  if (event->reason() != QContextMenuEvent::Mouse) {
    const QRect line = visualRect(currentIndex());
    at = viewport()->mapToGlobal(line.isValid() ? line.bottomLeft() : QPoint(0, 0));
  }
  menu->popup(at);
  event->accept();
}

}  // namespace banknotes
