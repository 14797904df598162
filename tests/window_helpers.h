#pragma once

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "tests/tab_order.h"

namespace banknotes::test_support {

// Widgets are found by their object names, as a user's tool would.
template <typename T>
T* Find(QWidget& form, const QString& name) {
  T* widget = form.findChild<T*>(name);
  if (!widget) qFatal("no widget named %s", qPrintable(name));
  return widget;
}

// The accessible name of every control the focus can stop at in `window`; one
// with no name stands as "(no name: its object name)".
inline QStringList AccessibleNames(QWidget& window) {
  QStringList names;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().startsWith("qt_")) continue;
    const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    names << (name.isEmpty() ? QStringLiteral("(no name: %1)").arg(widget->objectName()) : name);
  }
  return names;
}

// Every control the focus stops at, in the order Tab takes it round.
inline QStringList TabOrder() {
  QStringList stops;
  for (const char* id : kMainFormTabOrder) stops << QString::fromLatin1(id);
  return stops;
}

// Key presses carrying any characters, Cyrillic too (QTest::keyClicks knows ASCII only).
inline void KeyClicks(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(widget, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Empties a box and types into it key by key.
inline void Type(QWidget& form, const QString& box, const QString& text) {
  auto* edit = Find<QLineEdit>(form, box);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  KeyClicks(edit, text);
}

// What the X server shows of the window, once it has caught up with the last paint.
inline QImage GrabScreen(QWidget& form) {
  QTest::qWait(50);
  return form.screen()->grabWindow(form.winId()).toImage();
}

// The lines the list shows, read as a screen reader would, through its model.
inline QStringList ListedLines(QWidget& form, const QString& list = QStringLiteral("List1_0")) {
  const QAbstractItemModel* model = Find<QListView>(form, list)->model();
  QStringList lines;
  for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
  return lines;
}

inline void Press(QWidget& form, int button) {
  QTest::mouseClick(Find<QPushButton>(form, QStringLiteral("Command1_%1").arg(button)),
                    Qt::LeftButton);
}

// The message box a click put up: it is up as soon as the click returns.
inline QMessageBox* ShownMessage() {
  return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

// Closes the shown message with Enter, as a user does, and says what it read;
// empty when none was up.
inline QString CloseMessage() {
  QMessageBox* box = ShownMessage();
  if (!box) return QString();
  const QString text = box->text();
  QTest::keyClick(box, Qt::Key_Return);
  return box->isVisible() ? QStringLiteral("(still open) ") + text : text;
}

// Opens a control's context menu as a right click does. Menus open without a
// loop of their own: it is up when this returns.
inline QMenu* OpenContextMenu(QWidget* widget, QPoint at = QPoint(5, 5)) {
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &click);
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// What the windows tell screen readers, as Qt hands it to the platform, while
// one of these lives: each event's object and kind, and what was announced.
class AccessibilityEvents {
 public:
  struct Event {
    QObject* object;
    QAccessible::Event type;
  };

  // Qt sends nothing while no screen reader listens: Windows tells it when one
  // asks (none does under Wine); on Linux the tests' environment says so.
  static bool Listening() { return QAccessible::isActive(); }

  AccessibilityEvents() {
    recording_ = this;
    QAccessible::installUpdateHandler(Record);
  }
  ~AccessibilityEvents() {
    QAccessible::installUpdateHandler(nullptr);
    recording_ = nullptr;
  }

  // The kinds of event sent for the object named `name`, in order.
  QList<QAccessible::Event> For(const QString& name) const {
    QList<QAccessible::Event> kinds;
    for (const Event& event : events_)
      if (event.object && event.object->objectName() == name) kinds << event.type;
    return kinds;
  }
  // What was announced: the names of notifications as they were shown.
  const QStringList& announced() const { return announced_; }
  void Clear() {
    events_.clear();
    announced_.clear();
  }

 private:
  static void Record(QAccessibleEvent* event) {
    recording_->events_.append({event->object(), event->type()});
    QAccessibleInterface* shown = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && shown &&
        shown->role() == QAccessible::Notification)
      recording_->announced_ << shown->text(QAccessible::Name);
  }

  static inline AccessibilityEvents* recording_ = nullptr;
  QList<Event> events_;
  QStringList announced_;
};

}  // namespace banknotes::test_support
