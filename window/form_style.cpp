#include "window/form_style.h"

#include <qdrawutil.h>

#include <QFontDatabase>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace banknotes {

QFont FormFont() {
  QFont font;
  // Liberation Serif has Times New Roman's metrics; any serif with Cyrillic after
  // that. Only a family that is installed is asked for: a missing one sends Qt
  // through a slow search for substitutes at start-up.
  const QStringList installed = QFontDatabase::families();
  for (const QString& family :
       {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
        QStringLiteral("DejaVu Serif")}) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      font.setFamily(family);
      break;
    }
  }
  font.setStyleHint(QFont::Serif);
  font.setPointSize(kFormFontPoints);
  font.setWeight(QFont::Normal);
  return font;
}

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int FormStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
  const int size = QProxyStyle::pixelMetric(metric, option, widget);
  return scale_ == 1 || drawing_scaled_ ? size : qRound(size * scale_);
}

// Frames, bevels, check boxes and focus marks are drawn as at 100 % and scaled,
// so their lines thicken with the zoom and keep their proportions.
void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_Frame:
    case PE_FrameLineEdit:
    case PE_PanelLineEdit:
    case PE_FrameGroupBox:
    case PE_FrameFocusRect:
    case PE_PanelButtonCommand:
    case PE_IndicatorCheckBox:
      if (scale_ == 1 || drawing_scaled_) break;
      if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option))
        return DrawScaled(element, *frame, painter, widget);
      if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option))
        return DrawScaled(element, *focus, painter, widget);
      if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
        return DrawScaled(element, *button, painter, widget);
      break;
    default:
      break;
  }
  DrawPrimitiveAtScaleOne(element, option, painter, widget);
}

template <typename Option>
void FormStyle::DrawScaled(PrimitiveElement element, const Option& option, QPainter* painter,
                           const QWidget* widget) const {
  Option unscaled = option;
  unscaled.rect = QRect(0, 0, std::max(1, qRound(option.rect.width() / scale_)),
                        std::max(1, qRound(option.rect.height() / scale_)));
  painter->save();
  painter->translate(option.rect.topLeft());
  painter->scale(option.rect.width() / qreal(unscaled.rect.width()),
                 option.rect.height() / qreal(unscaled.rect.height()));
  // What this draws in turn (a line edit's frame inside its panel) is already scaled.
  drawing_scaled_ = true;
  DrawPrimitiveAtScaleOne(element, &unscaled, painter, widget);
  drawing_scaled_ = false;
  painter->restore();
}

void FormStyle::DrawPrimitiveAtScaleOne(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_PanelButtonCommand: {
      const bool down = option->state & (State_Sunken | State_On);
      const QBrush face = option->palette.brush(QPalette::Button);
      qDrawWinButton(painter, option->rect, option->palette, down, &face);
      if (option->state & State_HasFocus) {
        // Fusion marks a focused button in its own panel, which this one replaces.
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = option->rect.adjusted(4, 4, -4, -4);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
      }
      return;
    }
    case PE_FrameGroupBox:
      qDrawShadeRect(painter, option->rect, option->palette, true, 1, 0);
      return;
    case PE_FrameFocusRect: {
      // A dotted rectangle in the text colour, as classic buttons and check boxes
      // have it, shown whether the focus came by keyboard or by mouse.
      painter->save();
      painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine));
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      painter->restore();
      return;
    }
    case PE_Frame:
      // The description and the list show the focus on their frame, as the
      // one-line boxes do.
      if (option->state & State_HasFocus) {
        painter->save();
        painter->setPen(option->palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
        painter->restore();
        return;
      }
      break;
    default:
      break;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// A frame's caption stands on its top line, a few pixels in from the corner,
// the line broken behind it: the common style's group box, not Fusion's.
void FormStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (control == CC_GroupBox)
    return QCommonStyle::drawComplexControl(control, option, painter, widget);
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect FormStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl sub_control, const QWidget* widget) const {
  if (control == CC_GroupBox)
    return QCommonStyle::subControlRect(control, option, sub_control, widget);
  return QProxyStyle::subControlRect(control, option, sub_control, widget);
}

// A check box's mark goes round its box and caption both: round a one-digit
// caption alone it would be hard to see.
void FormStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  const auto* check_box = qstyleoption_cast<const QStyleOptionButton*>(option);
  if (element != CE_CheckBox || !check_box || !(option->state & State_HasFocus))
    return QProxyStyle::drawControl(element, option, painter, widget);
  QStyleOptionButton unfocused = *check_box;
  unfocused.state &= ~State_HasFocus;
  QProxyStyle::drawControl(element, &unfocused, painter, widget);
  QStyleOptionFocusRect focus;
  focus.QStyleOption::operator=(*option);
  focus.rect = subElementRect(SE_CheckBoxIndicator, option, widget)
                   .united(subElementRect(SE_CheckBoxFocusRect, option, widget))
                   .adjusted(-1, -1, 1, 1)
                   .intersected(option->rect);
  drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
}

int FormStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* return_data) const {
  if (hint == SH_GroupBox_TextLabelVerticalAlignment) return Qt::AlignVCenter;
  return QProxyStyle::styleHint(hint, option, widget, return_data);
}

}  // namespace banknotes
