#include "window/form_style.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <utility>

#include "logic/windows/form_layout.h"
#include "window/qt_text.h"

namespace banknotes {

namespace {

// An icon at a zoom: what the desktop's icon gives at the size asked for at
// 100 %, enlarged by the zoom. Its own icons come in a few fixed sizes only.
class ZoomedIconEngine : public QIconEngine {
 public:
  ZoomedIconEngine(QIcon icon, qreal scale) : icon_(std::move(icon)), scale_(scale) {}
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon_.actualSize(size / scale_, mode, state) * scale_;
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const QPixmap at_100 = icon_.pixmap(size / scale_, 1.0, mode, state);
    if (at_100.isNull()) return at_100;
    return at_100.scaled(at_100.size() * scale_, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QPixmap zoomed = pixmap(rect.size(), mode, state);
    QRect centred(QPoint(), zoomed.size());
    centred.moveCenter(rect.center());
    painter->drawPixmap(centred, zoomed);
  }
  QIconEngine* clone() const override { return new ZoomedIconEngine(icon_, scale_); }

 private:
  QIcon icon_;
  qreal scale_;
};

}  // namespace

QFont FormFont(qreal scale) {
  QFont font;
  // Liberation Serif has Times New Roman's metrics; any serif with Cyrillic after
  // that. Only a family that is installed is asked for: a missing one sends Qt
  // through a slow search for substitutes at start-up.
  const QStringList installed = QFontDatabase::families();
  for (const QString& family :
       {ToQString(kFontFamily), ToQString(kFontFallback), QStringLiteral("DejaVu Serif")}) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      font.setFamilies({family});
      break;
    }
  }
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(kFontPoints * scale);
  // QFont() starts as the desktop's font: whatever else it may carry is set back
  // explicitly, so it neither stays nor comes back when a widget resolves its font.
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  font.setStyleName(QString());
  font.setUnderline(false);
  font.setOverline(false);
  font.setStrikeOut(false);
  font.setFixedPitch(false);
  font.setStretch(QFont::Unstretched);
  font.setLetterSpacing(QFont::PercentageSpacing, 100);
  font.setWordSpacing(0);
  font.setCapitalization(QFont::MixedCase);
  return font;
}

void UseFormLook(qreal scale) {
  auto* style = dynamic_cast<FormStyle*>(QApplication::style());
  if (!style) {
    style = new FormStyle;
    QApplication::setStyle(style);  // the application owns it from here
  }
  style->SetScale(scale);
  QApplication::setFont(FormFont(scale));
  // Qt posts the change to the windows; they take it now, before anything is
  // measured or laid out at the new size.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    QEvent changed(QEvent::ApplicationFontChange);
    QCoreApplication::sendEvent(window, &changed);
  }
}

qreal FormLookScale() {
  const auto* style = dynamic_cast<const FormStyle*>(QApplication::style());
  return style ? style->scale() : 1;
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

// Fusion draws a menu entry's check column wider as the entry grows taller (four
// fifths of its height) than it measures it, which cut long entries at a zoom:
// the measured width makes up the difference.
QSize FormStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
  QSize needed = QProxyStyle::sizeFromContents(type, option, size, widget);
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuItem || !item || item->menuItemType == QStyleOptionMenuItem::Separator)
    return needed;
  const qreal dpi_scale = item->fontMetrics.fontDpi() / 96.0;
  const int measured = std::max(item->maxIconWidth, qRound(12 * dpi_scale));
  const int drawn = std::max(static_cast<int>(needed.height() * 0.79),
                             std::max(item->maxIconWidth, qRound(21 * dpi_scale)));
  needed.rwidth() += std::max(0, drawn - measured);
  return needed;
}

QIcon FormStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
  QIcon desktops = QProxyStyle::standardIcon(icon, option, widget);
  if (scale_ == 1 || desktops.isNull()) return desktops;
  return QIcon(new ZoomedIconEngine(std::move(desktops), scale_));
}

int FormStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* return_data) const {
  if (hint == SH_GroupBox_TextLabelVerticalAlignment) return Qt::AlignVCenter;
  return QProxyStyle::styleHint(hint, option, widget, return_data);
}

}  // namespace banknotes
