#include "window/application.h"

#include <QGuiApplication>

#include "generated/product.h"
#include "window/form_style.h"
#include "window/qt_translation.h"
#include "window/screen_reader.h"

namespace banknotes {

void SetUpApplication() {
  // Wayland compositors find the icon and name through the desktop entry.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(product::kAppId));
  UseBulgarianQtTexts();
  UseFormLook(1);
  UseScreenReaderSupport();
}

}  // namespace banknotes
