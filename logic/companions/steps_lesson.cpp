#include "logic/companions/steps_lesson.h"

#include <algorithm>
#include <cmath>

#include "logic/companions/explore.h"
#include "logic/money/duration_text.h"
#include "logic/money/number_text.h"
#include "logic/money/ways.h"

namespace banknotes {
namespace {

constexpr std::int64_t kLargestStepValue = 100'000;

std::string Joined(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined.append(joined.empty() ? "" : "\n").append(line);
  return joined;
}

std::string Asked(const StepQuestion& question) {
  if (question.choices.empty()) return question.question;
  return question.question + " (" + Listed(question.choices, " или ") + ")";
}

}  // namespace

ValuesRead ReadValues(const std::string& text) {
  const std::string wrong = "Стойностите трябва да са цели числа от 1 до " +
                            Quantity(kLargestStepValue) + ", разделени със запетаи: 20, 10, 5.";
  ValueSet values;
  std::string number;
  const auto take = [&] {
    if (number.empty()) return true;
    if (number.size() > 6) return false;
    const std::int64_t value = std::stoll(number);
    number.clear();
    if (value < 1 || value > kLargestStepValue) return false;
    values.push_back(static_cast<int>(value));
    return true;
  };
  for (const char c : text) {
    if (c >= '0' && c <= '9')
      number += c;
    else if ((c != ',' && c != ' ' && c != ';') || !take())
      return {{}, wrong};
  }
  if (!take()) return {{}, wrong};
  if (values.empty()) return {{}, "Напишете стойностите, разделени със запетаи: 20, 10, 5."};
  std::sort(values.begin(), values.end(), std::greater<>());
  if (std::adjacent_find(values.begin(), values.end()) != values.end())
    return {{}, "Всяка стойност се пише веднъж."};
  if (values.size() > kMaxValues)
    return {{}, "Стойностите може да са най-много " + Quantity(kMaxValues) + "."};
  return {values, ""};
}

Picture GrowthChart(const std::vector<GrowthRow>& rows) {
  if (rows.empty()) return {};
  constexpr double kWidth = 600, kHeight = 400;
  // Letters large enough to read at a phone's width, where the chart is 300 px wide.
  constexpr double kLeft = 72, kRight = 24, kTop = 66, kBottom = 52, kText = 18;
  constexpr Colour kInk{0, 0, 0}, kGrid{200, 200, 200};
  constexpr Colour kTried{0, 70, 170}, kCounted{190, 70, 0};
  double top_count = 1;
  for (const GrowthRow& row : rows)
    top_count = std::max({top_count, row.combinations.ToDouble(), static_cast<double>(row.steps)});
  const int decades = std::max(1, static_cast<int>(std::ceil(std::log10(top_count) - 1e-9)));
  const int sum_decades = std::max(
      1, static_cast<int>(std::ceil(std::log10(static_cast<double>(rows.back().sum)) - 1e-9)));
  const double plot_width = kWidth - kLeft - kRight, plot_height = kHeight - kTop - kBottom;
  const auto x = [&](double sum) { return kLeft + plot_width * std::log10(sum) / sum_decades; };
  const auto y = [&](double count) {
    return kTop + plot_height * (1 - std::log10(std::max(1.0, count)) / decades);
  };
  Picture picture{kWidth, kHeight, {}};
  auto& shapes = picture.shapes;
  const auto words = [&](double at_x, double at_y, std::string text, int anchor) {
    shapes.push_back({.kind = Shape::Words,
                      .x = at_x,
                      .y = at_y,
                      .fill = kInk,
                      .words = std::move(text),
                      .size = kText,
                      .anchor = anchor});
  };
  // A line at every power of ten of the counts, labelled where there is room.
  const int every = decades > 10 ? 2 : 1;
  for (int decade = 0; decade <= decades; ++decade) {
    shapes.push_back(
        {.kind = Shape::Line,
         .line = kGrid,
         .line_width = 1,
         .points = {kLeft, y(std::pow(10, decade)), kWidth - kRight, y(std::pow(10, decade))}});
    if (decade % every == 0)
      words(kLeft - 6, y(std::pow(10, decade)) + kText / 3, PowerOfTenText(decade), 1);
  }
  for (int decade = 0; decade <= sum_decades; ++decade) {
    const double at = x(std::pow(10, decade));
    shapes.push_back({.kind = Shape::Line,
                      .line = kGrid,
                      .line_width = 1,
                      .points = {at, kTop, at, kHeight - kBottom}});
    words(at, kHeight - kBottom + kText + 4,
          Quantity(static_cast<std::int64_t>(std::pow(10, decade))), 0);
  }
  shapes.push_back(
      {.kind = Shape::Line,
       .line = kInk,
       .line_width = 1.5,
       .points = {kLeft, kTop, kLeft, kHeight - kBottom, kWidth - kRight, kHeight - kBottom}});
  words(kLeft + plot_width / 2, kHeight - 6, "сума", 0);
  // The two series, each a line through its marks.
  Shape tried{.kind = Shape::Line, .line = kTried, .line_width = 2.5};
  Shape counted{.kind = Shape::Line, .line = kCounted, .line_width = 2.5, .dashed = true};
  for (const GrowthRow& row : rows) {
    const double at = x(static_cast<double>(row.sum));
    const double high = y(row.combinations.ToDouble()), low = y(static_cast<double>(row.steps));
    tried.points.insert(tried.points.end(), {at, high});
    counted.points.insert(counted.points.end(), {at, low});
    shapes.push_back({.kind = Shape::Round,
                      .x = at - 4,
                      .y = high - 4,
                      .width = 8,
                      .height = 8,
                      .fill = kTried});
    shapes.push_back(
        {.kind = Shape::Box, .x = at - 4, .y = low - 4, .width = 8, .height = 8, .fill = kCounted});
  }
  shapes.push_back(tried);
  shapes.push_back(counted);
  // The legend, over the chart.
  shapes.push_back({.kind = Shape::Line,
                    .line = kTried,
                    .line_width = 2.5,
                    .points = {kLeft, 20, kLeft + 36, 20}});
  words(kLeft + 44, 20 + kText / 3, "опитани комбинации", -1);
  shapes.push_back({.kind = Shape::Line,
                    .line = kCounted,
                    .line_width = 2.5,
                    .points = {kLeft + 250, 20, kLeft + 286, 20},
                    .dashed = true});
  words(kLeft + 294, 20 + kText / 3, "стъпки на броенето", -1);
  words(kLeft, 50, "брой (логаритмична скала)", -1);
  return picture;
}

bool StepsLesson::Follow(StepsState& state) {
  const auto algorithm = static_cast<StepAlgorithm>(std::min(state.view, kStepAlgorithms - 1));
  const bool pays = algorithm == StepAlgorithm::LargestFirst;
  const ValuesRead values = ReadValues(pays ? state.payment_values : state.split_values);
  const WholeRead amount = pays ? ReadWhole(state.amount, kLargestStepPayment, "Сумата за плащане")
                                : ReadWhole(state.sum, kLargestStepSum, "Сумата за разбиване");
  std::string wrong = !amount.wrong.empty() ? amount.wrong : values.wrong;
  if (wrong.empty() && !amount.number)
    wrong = pays ? "Напишете сума за плащане." : "Напишете сума за разбиване.";
  if (wrong.empty() && algorithm == StepAlgorithm::EveryCombination &&
      !Combinations(*values.values, *amount.number).AtMost(kMostStepCombinations))
    wrong = "Комбинациите за " + Quantity(*amount.number) + " са около " +
            TwoFigures(Combinations(*values.values, *amount.number).ToDouble()) +
            ", твърде много, за да се опитат една по една тук. Напишете по-малка сума.";
  if (!wrong.empty()) {
    state.message = wrong;
    playing_ = false;
    return false;
  }
  const Input input{algorithm, *values.values, *amount.number};
  if (input_ != input) {
    input_ = input;
    run_.emplace(input.algorithm, input.values, input.amount);
    playing_ = false;
    state.verdict.clear();
  }
  return true;
}

void StepsLesson::Show(StepsState& state) const {
  state.chart = growth_chart_;
  state.figures = growth_lines_;
  if (!run_) return;
  state.code = run_->Code(state.language);
  state.line = run_->line();
  state.variables = Joined(run_->Variables(state.language));
  state.made = run_->Made();
  state.counters = Joined(run_->Counters());
  const std::optional<StepQuestion> question = run_->Question();
  state.question = !state.pupil_decides || state.view == kGrowthView ? ""
                   : question                                        ? Asked(*question)
                   : run_->done() ? "Алгоритъмът свърши."
                                  : "Сега алгоритъмът не избира. Натиснете „Стъпка“.";
  state.tally = run_->answers() == 0 ? ""
                                     : "Верни отговори: " + Quantity(run_->right_answers()) +
                                           " от " + Quantity(run_->answers());
}

void StepsLesson::Open(StepsState& state) {
  if (Follow(state)) state.message = run_->Said();
  Grow(state);
  Show(state);
}

StepsReply StepsLesson::Act(StepsState& state, StepsAction action) {
  const StepsReply reply = Do(state, action);
  Show(state);
  return reply;
}

StepsReply StepsLesson::Grow(StepsState& state) {
  const ValuesRead values = ReadValues(state.split_values);
  const WholeRead limit = ReadWhole(state.limit, kLargestGrowthSum, "Най-голямата сума");
  const std::string wrong = !values.wrong.empty()  ? values.wrong
                            : !limit.wrong.empty() ? limit.wrong
                            : !limit.number ? "Напишете най-голямата сума."
                                            : "";
  if (!wrong.empty()) {
    state.growth_message = wrong;
    return {.said = wrong};
  }
  const std::vector<GrowthRow> rows = WorkGrowth(*values.values, *limit.number);
  growth_chart_ = GrowthChart(rows);
  growth_lines_ = WorkGrowthLines(rows);
  std::vector<std::string> named;
  for (const int value : *values.values) named.push_back(Quantity(value));
  state.growth_message = "Показани са сумите до " + Quantity(*limit.number) + " със стойностите " +
                         Listed(named) + ".";
  return {.said = state.growth_message};
}

StepsReply StepsLesson::Do(StepsState& state, StepsAction action) {
  if (action == StepsAction::Growth || (state.view == kGrowthView && action == StepsAction::Input))
    return Grow(state);
  if (state.view == kGrowthView || (action == StepsAction::Tick && !playing_)) return {};
  if (!Follow(state)) return {.said = state.message};
  StepsReply reply;
  const std::optional<StepQuestion> asked =
      state.pupil_decides ? run_->Question() : std::optional<StepQuestion>();
  switch (action) {
    case StepsAction::Input:
    case StepsAction::Redraw:
    case StepsAction::Decide:
      state.message = run_->Said();
      if (action == StepsAction::Decide) reply.said = state.message;
      break;
    case StepsAction::Step:
      if (asked) {
        state.message = "Първо отговорете: " + Asked(*asked);
      } else {
        run_->Step();
        state.message = run_->Said();
      }
      reply.said = state.message;
      break;
    case StepsAction::Back:
      run_->Back();
      playing_ = false;
      state.message = reply.said = run_->Said();
      break;
    case StepsAction::Play:
    case StepsAction::Tick:
      if (action == StepsAction::Tick) {
        if (!asked) run_->Step();
        state.message = run_->Said();
      }
      playing_ = !run_->done() && !(state.pupil_decides && run_->Question());
      if (playing_) {
        reply.tick_after_ms = kStepMilliseconds[std::clamp(state.speed, 0, kStepSpeeds - 1)];
        if (action == StepsAction::Play) reply.said = "Пуснато.";
      } else {
        const std::optional<StepQuestion> now =
            state.pupil_decides ? run_->Question() : std::optional<StepQuestion>();
        reply.said = now ? state.message + ". " + Asked(*now) : state.message;
      }
      break;
    case StepsAction::Stop:
      playing_ = false;
      state.message = run_->Said();
      reply.said = "Спряно. " + state.message;
      break;
    case StepsAction::ToEnd:
      run_->ToEnd();
      playing_ = false;
      state.message = reply.said = run_->Said();
      break;
    case StepsAction::Restart:
      run_->Restart();
      playing_ = false;
      state.message = reply.said = run_->Said();
      state.verdict.clear();
      break;
    case StepsAction::Answer:
      if (!state.pupil_decides) break;
      if (!asked) {
        state.message = reply.said = run_->done()
                                         ? "Алгоритъмът свърши. Натиснете „Отначало“."
                                         : "Сега алгоритъмът не избира. Натиснете „Стъпка“.";
      } else if (state.answer.empty()) {
        state.message = reply.said = "Напишете отговор: " + Asked(*asked);
      } else {
        const StepVerdict verdict = run_->Answer(state.answer);
        state.verdict = verdict.said;
        state.answer.clear();
        state.message = run_->Said();
        reply.said = verdict.said + " " + state.message;
      }
      break;
    case StepsAction::Growth:
      break;
  }
  return reply;
}

}  // namespace banknotes
