#include "window/companion_form.h"

#include <QTimer>
#include <random>
#include <stdexcept>

#include "generated/product.h"
#include "window/content_binder.h"
#include "window/form_builder.h"
#include "window/form_zoom.h"
#include "window/hamburger_icon.h"
#include "window/qt_text.h"
#include "window/screen_reader.h"
#include "window/worksheet_dialog.h"

namespace banknotes {

std::vector<Companion> Companions() {
  std::vector<Companion> companions;
  for (const product::Companion& facts : product::kCompanions)
    companions.push_back({facts.table, QString::fromUtf8(facts.title),
                          static_cast<Qt::Key>(Qt::Key_F1 + facts.function_key - 1),
                          QStringLiteral("--") + QLatin1String(facts.page)});
  return companions;
}

CompanionForm::CompanionForm(std::string_view name, const Settings& settings, QWidget* parent)
    : QWidget(parent, kFormWindowFlags),
      logic_(MakeWindow(name, settings, std::random_device()()).logic) {
  if (!logic_) throw std::invalid_argument("no window is named " + std::string(name));
  const FormLayout& layout = logic_->layout();
  setObjectName(ToQString(layout.name));
  for (const Companion& companion : Companions())
    if (companion.name == name) setWindowTitle(companion.title);
  setWindowIcon(HamburgerIcon());
  zoom_ = new FormZoom(this, layout.client_area);
  // A run that plays asks for its next step by a tick; one timer, so that a new
  // tick replaces one that has not come.
  tick_ = new QTimer(this);
  tick_->setSingleShot(true);
  connect(tick_, &QTimer::timeout, this, [this] { Use({}, banknotes::Use::Tick); });
  binder_ = new ContentBinder(*this, layout, *zoom_,
                              [this](std::string_view id, banknotes::Use use) { Use(id, use); });
  WindowContent content = logic_->Fresh();
  const Reply reply = logic_->Open(content);
  Write(content, reply);
}

CompanionForm::~CompanionForm() = default;

WindowContent CompanionForm::ReadForm() const { return binder_->Read(); }

void CompanionForm::Use(std::string_view id, banknotes::Use use) {
  WindowContent content = binder_->Read();
  const Reply reply = logic_->Act(content, id, use);
  Write(content, reply);
  if (reply.asks == Asks::Worksheet) {
    auto* dialog = new WorksheetDialog(reply.number, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
  }
}

void CompanionForm::Write(const WindowContent& content, const Reply& reply) {
  binder_->Write(content);
  // A screen reader reads the heading with the window's name when it opens.
  const std::string heading = logic_->Heading(content);
  setAccessibleName(heading.empty()
                        ? windowTitle()
                        : windowTitle() + QStringLiteral(". ") + QString::fromStdString(heading));
  if (!reply.said.empty()) Announce(*this, QString::fromStdString(reply.said));
  if (reply.tick_after_ms > 0) tick_->start(reply.tick_after_ms);
}

int CompanionForm::ZoomPercent() const { return zoom_->Percent(); }

}  // namespace banknotes
