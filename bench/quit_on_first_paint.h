#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace banknotes::bench {

// Ends the event loop as soon as the watched window paints for the first time,
// so a whole process run times start-up and nothing else.
class QuitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QCoreApplication::quit();
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace banknotes::bench
