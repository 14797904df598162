#pragma once

#include <QProxyStyle>

namespace banknotes {

// How the window is drawn: Fusion, but with button faces painted solid in their
// palette colour under a raised bevel, frames as a plain etched line with the
// caption on it, and a focus mark on every control that takes the focus, so the
// window's colours show exactly and the keyboard's place is always seen. It
// decides nothing about what the controls hold or do.
class FormStyle : public QProxyStyle {
 public:
  FormStyle();
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl sub_control, const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* return_data = nullptr) const override;
};

}  // namespace banknotes
