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
  qreal scale() const { return scale_; }
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
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget = nullptr) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
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

// The window's font: Times New Roman, or a serif with its metrics and Cyrillic
// letters, regular, at 12 points times `scale`. Nothing else of the desktop's
// font comes with it: not italic, underline, strike-out, stretch or spacing.
QFont FormFont(qreal scale = 1);

// Makes FormStyle and FormFont at `scale` the whole application's, so that every
// window and popup of the program, message boxes and menus too, takes them
// whatever the desktop prefers; the desktop's palette stays.
void UseFormLook(qreal scale);

// The scale of the look the application has now: 1 until UseFormLook is called.
qreal FormLookScale();

}  // namespace banknotes
