#include "window/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

namespace banknotes {
namespace {

// A one-line box as Qt's own interface gives it, but with its text as one run
// of attributes: Qt's gives none, and Orca then reads every box one character
// short ("13" for 130).
class BoxAccessible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
 public:
  explicit BoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return box()->text();
    return QAccessibleWidget::text(kind);
  }
  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind != QAccessible::Value) return QAccessibleWidget::setText(kind, text);
    QString wanted = text;
    int cursor = 0;
    if (box()->validator() &&
        box()->validator()->validate(wanted, cursor) != QValidator::Acceptable)
      return;
    box()->setText(wanted);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
      return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The text interface.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !box()->hasSelectedText()) return;
    *start = box()->selectionStart();
    *end = *start + static_cast<int>(box()->selectedText().size());
  }
  int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) box()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) box()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return box()->cursorPosition(); }
  void setCursorPosition(int position) override { box()->setCursorPosition(position); }
  QString text(int start, int end) const override {
    return start > end ? QString() : box()->text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(box()->text().size()); }
  QRect characterRect(int offset) const override {
    const QString text = box()->text();
    if (offset < 0 || offset >= text.size()) return QRect();
    const QFontMetrics metrics(box()->font());
    const QRect inside = box()->contentsRect();
    const int width = metrics.horizontalAdvance(text);
    int left = inside.left() + 2;
    if (box()->alignment() & Qt::AlignHCenter) left = inside.left() + (inside.width() - width) / 2;
    if (box()->alignment() & Qt::AlignRight) left = inside.right() - 2 - width;
    const QRect character(left + metrics.horizontalAdvance(text.left(offset)),
                          inside.top() + (inside.height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
    return character.translated(box()->mapToGlobal(QPoint(0, 0)));
  }
  int offsetAtPoint(const QPoint& point) const override {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return QString();
  }

  // The editable text interface, as typing would change it.
  void deleteText(int start, int end) override {
    box()->setSelection(start, end - start);
    box()->del();
  }
  void insertText(int offset, const QString& text) override {
    box()->setCursorPosition(offset);
    box()->insert(text);
  }
  void replaceText(int start, int end, const QString& text) override {
    box()->setSelection(start, end - start);
    box()->insert(text);
  }

 private:
  QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

// What is said: a widget of one pixel, drawn as nothing, that a screen reader
// knows as a notification. Orca speaks a notification when it is shown.
class Announcement : public QWidget {
 public:
  explicit Announcement(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("Announcement"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
  }
};

QAccessibleInterface* Interfaces(const QString&, QObject* object) {
  if (auto* note = dynamic_cast<Announcement*>(object))
    return new QAccessibleWidget(note, QAccessible::Notification);
  if (auto* box = qobject_cast<QLineEdit*>(object)) return new BoxAccessible(box);
  return nullptr;
}

// Qt selects a box's text when Tab reaches it, and so tells screen readers of
// the selection before it tells them of the focus; Orca then takes the box as
// already reached and says nothing of it. So the focus comes first, and the
// selection just after it.
class FocusBeforeSelection : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || delivering_) return false;
    if (event->type() == QEvent::FocusIn) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
          reason != Qt::ShortcutFocusReason)
        return false;
      Deliver(box, QFocusEvent(QEvent::FocusIn, Qt::OtherFocusReason));
      QTimer::singleShot(0, box, [box] {
        if (box->hasFocus() && !box->hasSelectedText()) box->selectAll();
      });
      return true;
    }
    return false;
  }

 private:
  void Deliver(QLineEdit* box, QFocusEvent event) {
    delivering_ = true;
    QCoreApplication::sendEvent(box, &event);
    delivering_ = false;
  }

  bool delivering_ = false;
};

}  // namespace

void UseScreenReaderSupport() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Interfaces);
  qApp->installEventFilter(new FocusBeforeSelection(qApp));
}

void Announce(QWidget& window, const QString& text) {
  auto* note =
      window.findChild<QWidget*>(QStringLiteral("Announcement"), Qt::FindDirectChildrenOnly);
  if (!note) note = new Announcement(&window);
  // Shown anew, the same text again is said again.
  note->hide();
  note->setAccessibleName(text);
  note->show();
  // Where the platform passes alerts on (Windows), readers take this too.
  QAccessibleEvent alert(note, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace banknotes
