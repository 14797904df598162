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
      return;
    }
    case PE_FrameGroupBox:
      qDrawShadeRect(painter, option->rect, option->palette, true, 1, 0);
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

}  // namespace banknotes
