#pragma once

#include <QString>

class QWidget;

namespace banknotes {

// What a screen reader needs of the program beyond the tree Qt builds, for Orca
// and Qt 6.4 as Debian 12 ships them. Boxes are spoken when they take the focus
// and their whole text is read; the outcome of a click is said where the pupil
// is, without moving the focus. Nothing a sighted user sees changes, except that
// a box's text is selected just after Tab reaches it instead of just before.
//
// For the whole application; SetUpApplication calls it.
void UseScreenReaderSupport();

// Says `text` to screen readers from `window` as a notification: the focus, the
// controls and their names stay as they are.
void Announce(QWidget& window, const QString& text);

}  // namespace banknotes
