#include "window/form_style.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace banknotes {

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
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
