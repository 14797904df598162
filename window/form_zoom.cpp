#include "window/form_zoom.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <array>

#include "window/form_style.h"
#include "window/hamburger_icon.h"

namespace banknotes {
namespace {

// The zoom steps, in per cent.
constexpr std::array<int, 5> kZoomSteps = {100, 125, 150, 175, 200};
constexpr int kWheelStep = 120;  // one notch of a common mouse wheel

QRect ToRect(Twips at, int percent) {
  const int left = ToPixels(at.left, percent), top = ToPixels(at.top, percent);
  return QRect(left, top, ToPixels(at.left + at.width, percent) - left,
               ToPixels(at.top + at.height, percent) - top);
}

// Every window with a zoom: a step zooms them all, as the look they share does.
std::vector<FormZoom*>& Zooms() {
  static std::vector<FormZoom*> zooms;
  return zooms;
}

int StepIndex(int percent) {
  return static_cast<int>(std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) -
                          kZoomSteps.begin());
}

}  // namespace

FormZoom::FormZoom(QWidget* window, Twips client_area)
    : QObject(window),
      window_(window),
      client_area_(client_area),
      percent_(qRound(FormLookScale() * 100)) {
  window_->setFixedSize(ToRect(client_area_, percent_).size());
  window_->installEventFilter(this);
  AddKeys();
  Zooms().push_back(this);
}

FormZoom::~FormZoom() { std::erase(Zooms(), this); }

void FormZoom::Track(QWidget* widget, Twips at) {
  places_.emplace_back(widget, at);
  widget->setGeometry(ToRect(at, percent_));
  // Ctrl + wheel zooms wherever it turns, over the editors' own zoom too.
  widget->installEventFilter(this);
  for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

void FormZoom::AddKeys() {
  const auto add = [this](const QList<QKeySequence>& keys, int direction) {
    auto* action = new QAction(window_);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, direction] { Step(direction); });
    window_->addAction(action);
  };
  // Ctrl + = is Ctrl + plus without Shift on many keyboards.
  add({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, +1);
  add({QKeySequence::ZoomOut}, -1);
  add({QKeySequence(Qt::CTRL | Qt::Key_0)}, 0);
}

void FormZoom::Step(int direction) {
  const int at = StepIndex(percent_);
  int next = 0;
  if (direction < 0) next = std::max(at - 1, 0);
  if (direction > 0) next = std::min(at + 1, static_cast<int>(kZoomSteps.size()) - 1);
  const int percent = kZoomSteps[static_cast<std::size_t>(next)];
  if (percent == percent_) return;
  if (percent > percent_ && !std::all_of(Zooms().begin(), Zooms().end(),
                                         [percent](FormZoom* z) { return z->Fits(percent); }))
    return;
  // Where each list stands, before the new font moves its lines.
  std::vector<std::pair<QAbstractItemView*, QModelIndex>> top_lines;
  for (FormZoom* zoom : Zooms())
    for (QAbstractItemView* view : zoom->window_->findChildren<QAbstractItemView*>())
      top_lines.emplace_back(view, view->indexAt(QPoint(0, 0)));

  // Each window knows its new zoom first, so that it takes the new font as its own.
  for (FormZoom* zoom : Zooms()) zoom->percent_ = percent;
  UseFormLook(percent / 100.0);  // every control and popup takes the zoomed font
  for (FormZoom* zoom : Zooms()) zoom->LayOut();
  for (const auto& [view, line] : top_lines)
    if (line.isValid()) view->scrollTo(line, QAbstractItemView::PositionAtTop);
}

void FormZoom::Wheel(const QWheelEvent& event) {
  wheel_delta_ += event.angleDelta().y();
  for (; wheel_delta_ >= kWheelStep; wheel_delta_ -= kWheelStep) Step(+1);
  for (; wheel_delta_ <= -kWheelStep; wheel_delta_ += kWheelStep) Step(-1);
}

QSize FormZoom::FramedSize(int percent) const {
  return ToRect(client_area_, percent).size() + (window_->frameGeometry().size() - window_->size());
}

// Whether the window, frame included, fits the screen's available area at a zoom.
bool FormZoom::Fits(int percent) const {
  const QScreen* shown_on = window_->screen();
  if (!shown_on) return true;
  const QSize needed = FramedSize(percent);
  return needed.boundedTo(shown_on->availableGeometry().size()) == needed;
}

void FormZoom::LayOut() {
  const int percent = percent_;
  for (const auto& [widget, at] : places_) widget->setGeometry(ToRect(at, percent));
  // The style's sizes changed with the scale: each control takes them up again
  // (frames cache their width, scroll areas their scroll bars' places).
  for (QWidget* child : window_->findChildren<QWidget*>()) {
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(child, &changed);
  }
  window_->setWindowIcon(
      percent == 100 ? HamburgerIcon()
                     : QIcon(QPixmap::fromImage(HamburgerImage(kWindowIconSize * percent / 100))));
  const QRect grown(window_->frameGeometry().topLeft(), FramedSize(percent));
  window_->setFixedSize(ToRect(client_area_, percent).size());

  // A window that grew past the screen's edge moves back onto it.
  if (const QScreen* shown_on = window_->screen(); shown_on && window_->isVisible()) {
    const QRect available = shown_on->availableGeometry();
    const QPoint shift(std::min(0, available.right() - grown.right()),
                       std::min(0, available.bottom() - grown.bottom()));
    if (!shift.isNull()) window_->move(window_->pos() + shift);
  }
}

bool FormZoom::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Wheel: {
      const auto* wheel = static_cast<QWheelEvent*>(event);
      if (!(wheel->modifiers() & Qt::ControlModifier)) break;
      Wheel(*wheel);
      return true;
    }
    // A platform theme (qt6ct, say) may give the whole application its own font
    // or style, when the program starts or when its settings change: the look
    // comes back at once, the style after the theme has finished replacing it.
    case QEvent::ApplicationFontChange:
      if (watched == window_ && QApplication::font() != FormFont(percent_ / 100.0))
        UseFormLook(percent_ / 100.0);
      break;
    case QEvent::StyleChange:
      if (watched == window_ && !dynamic_cast<FormStyle*>(QApplication::style()))
        QTimer::singleShot(0, this, [this] { UseFormLook(percent_ / 100.0); });
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace banknotes
