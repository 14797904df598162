#pragma once

#include <QProxyStyle>

namespace banknotes {

// Fusion, but with button faces painted solid in their palette colour under a
// raised bevel, and frames as a plain etched line, so the window's colours show
// exactly. Everything else is Fusion's.
class FormStyle : public QProxyStyle {
 public:
  FormStyle();
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace banknotes
