#pragma once

#include <QFont>
#include <QProxyStyle>

namespace banknotes {

// How the window is drawn: Fusion, but with button faces painted solid in their
// palette colour under a raised bevel, frames as a plain etched line with the
// caption on it, and a focus mark on every control that takes the focus, so the
// window's colours show exactly and the keyboard's place is always seen. It
// decides nothing about what the controls hold or do. At a zoom every size it
// gives and every line it draws grows by the same factor.
class FormStyle : public QProxyStyle {
 public:
  FormStyle();
  void SetScale(qreal scale) { scale_ = scale; }
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
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

 private:
  template <typename Option>
  void DrawScaled(PrimitiveElement element, const Option& option, QPainter* painter,
                  const QWidget* widget) const;
  void DrawPrimitiveAtScaleOne(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const;

  qreal scale_ = 1;
  mutable bool drawing_scaled_ = false;  // inside a primitive drawn at 100 % and scaled
};

// The window's font at 100 %: Times New Roman, or a serif with its metrics and
// Cyrillic letters, 12 points.
QFont FormFont();
inline constexpr int kFormFontPoints = 12;

}  // namespace banknotes
