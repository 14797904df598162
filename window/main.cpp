#include <QApplication>
#include <cstdint>
#include <optional>
#include <random>

#include "window/application.h"
#include "window/explore_form.h"
#include "window/main_form.h"
#include "window/practice_form.h"

// banknotes: the main window. banknotes --practice [--seed N] [--payment-range K]
// [--split-range J]: the practice window alone, as the desktop's "Упражнение"
// opens it, with the tasks of number N and the ranges K (0 to 2) and J (0 or 1),
// as a worksheet of that number and ranges has them. banknotes --explore: the
// exploring window alone.
int main(int argc, char* argv[]) {
  banknotes::BeginOpening();
  QApplication app(argc, argv);
  banknotes::EndOpening();
  banknotes::SetUpApplication();
  const QStringList arguments = QApplication::arguments();
  // The whole number after `option`, if it is there and at most `most`.
  const auto given = [&](const char* option, std::uint32_t most) -> std::optional<std::uint32_t> {
    const qsizetype at = arguments.indexOf(QLatin1String(option));
    bool number = false;
    const std::uint32_t value =
        at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toUInt(&number) : 0;
    return number && value <= most ? std::optional<std::uint32_t>(value) : std::nullopt;
  };
  if (arguments.contains(QStringLiteral("--practice"))) {
    banknotes::PracticeForm practice(
        given("--seed", UINT32_MAX).value_or(std::random_device{}()),
        static_cast<banknotes::PaymentRange>(
            given("--payment-range", banknotes::kPaymentRanges - 1)
                .value_or(static_cast<std::uint32_t>(banknotes::PaymentRange::UpTo1000))),
        static_cast<banknotes::SplitRange>(
            given("--split-range", banknotes::kSplitRanges - 1)
                .value_or(static_cast<std::uint32_t>(banknotes::SplitRange::From5To10))));
    practice.show();
    return QApplication::exec();
  }
  if (arguments.contains(QStringLiteral("--explore"))) {
    banknotes::ExploreForm explore;
    explore.show();
    return QApplication::exec();
  }
  banknotes::MainForm form;
  form.show();
  return QApplication::exec();
}
