#include "window/application.h"

#include <QGuiApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>

#include "generated/product.h"
#include "window/form_style.h"
#include "window/qt_translation.h"
#include "window/screen_reader.h"

namespace banknotes {

namespace {

QtMessageHandler plain_handler = nullptr;

struct HeldMessage {
  QtMsgType type;
  const char* file;  // Qt's own strings, which outlive the message
  int line;
  const char* function;
  const char* category;
  QString text;
};
QList<HeldMessage>& Held() {
  static QList<HeldMessage> held;
  return held;
}

void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt's platform could not be reached: there is no desktop to open on.
    std::fprintf(stderr,
                 "%s: няма графичен работен плот, на който да се отвори прозорецът.\n"
                 "Стартирайте програмата в графична среда (X11 или Wayland).\n",
                 product::kName);
    std::_Exit(1);
  }
  Held().append({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

void BeginOpening() { plain_handler = qInstallMessageHandler(HoldWhileOpening); }

void EndOpening() {
  qInstallMessageHandler(plain_handler);
  for (const HeldMessage& message : Held()) {
    const QMessageLogContext context(message.file, message.line, message.function,
                                     message.category);
    qt_message_output(message.type, context, message.text);
  }
  Held().clear();
}

void SetUpApplication() {
  // Wayland compositors find the icon and name through the desktop entry.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(product::kAppId));
  UseBulgarianQtTexts();
  UseFormLook(1);
  UseScreenReaderSupport();
}

}  // namespace banknotes
