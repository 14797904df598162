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

std::vector<std::string> GrowthChart(const std::vector<GrowthRow>& rows) {
  // Three marks a power of ten, and one for a count of 1.
  const auto bar = [](double count, const char* mark) {
    const int marks = 1 + static_cast<int>(std::lround(3 * std::log10(std::max(1.0, count))));
    std::string drawn;
    for (int i = 0; i < marks; ++i) drawn += mark;
    return drawn;
  };
  std::vector<std::string> chart;
  for (const GrowthRow& row : rows) {
    chart.push_back("Сума " + Quantity(row.sum) + ":");
    const bool exact = row.combinations.AtMost(9'999'999);
    chart.push_back(bar(row.combinations.ToDouble(), "█") + " " +
                    (exact ? CountedOfDigits(row.combinations.Digits(), Noun::Combination)
                           : "около " + TwoFigures(row.combinations.ToDouble()) + " комбинации"));
    chart.push_back(bar(static_cast<double>(row.steps), "░") + " " +
                    Counted(static_cast<std::int64_t>(row.steps), Noun::Step));
  }
  return chart;
}

bool StepsLesson::Follow(StepsState& state) {
  const bool pays = state.algorithm == StepAlgorithm::LargestFirst;
  const ValuesRead values = ReadValues(pays ? state.payment_values : state.split_values);
  const WholeRead amount = pays ? ReadWhole(state.amount, kLargestStepPayment, "Сумата за плащане")
                                : ReadWhole(state.sum, kLargestStepSum, "Сумата за разбиване");
  std::string wrong = !amount.wrong.empty() ? amount.wrong : values.wrong;
  if (wrong.empty() && !amount.number)
    wrong = pays ? "Напишете сума за плащане." : "Напишете сума за разбиване.";
  if (wrong.empty() && state.algorithm == StepAlgorithm::EveryCombination &&
      !Combinations(*values.values, *amount.number).AtMost(kMostStepCombinations))
    wrong = "Комбинациите за " + Quantity(*amount.number) + " са около " +
            TwoFigures(Combinations(*values.values, *amount.number).ToDouble()) +
            ", твърде много, за да се опитат една по една тук. Напишете по-малка сума.";
  if (!wrong.empty()) {
    state.message = wrong;
    playing_ = false;
    return false;
  }
  const Input input{state.algorithm, *values.values, *amount.number};
  if (input_ != input) {
    input_ = input;
    run_.emplace(input.algorithm, input.values, input.amount);
    playing_ = false;
    state.verdict.clear();
  }
  return true;
}

void StepsLesson::Show(StepsState& state) const {
  if (!run_) return;
  state.code = run_->Code(state.language);
  state.line = run_->line();
  state.variables = Joined(run_->Variables(state.language));
  state.made = run_->Made();
  state.counters = Joined(run_->Counters());
  const std::optional<StepQuestion> question = run_->Question();
  state.question = !state.pupil_decides ? ""
                   : question           ? Asked(*question)
                   : run_->done()       ? "Алгоритъмът свърши."
                                  : "Сега алгоритъмът не избира. Натиснете „Стъпка“.";
  state.tally = run_->answers() == 0 ? ""
                                     : "Верни отговори: " + Quantity(run_->right_answers()) +
                                           " от " + Quantity(run_->answers());
}

void StepsLesson::Open(StepsState& state) {
  if (Follow(state)) state.message = run_->Said();
  Show(state);
  if (state.chart.empty()) Act(state, StepsAction::Growth);
}

StepsReply StepsLesson::Act(StepsState& state, StepsAction action) {
  if (action == StepsAction::Growth) {
    const ValuesRead values = ReadValues(state.split_values);
    const WholeRead limit = ReadWhole(state.limit, kLargestGrowthSum, "Сумата, до която");
    const std::string wrong = !values.wrong.empty()  ? values.wrong
                              : !limit.wrong.empty() ? limit.wrong
                              : !limit.number        ? "Напишете до коя сума."
                                                     : "";
    if (!wrong.empty()) {
      state.message = wrong;
      return {.said = wrong};
    }
    const std::vector<GrowthRow> rows = WorkGrowth(*values.values, *limit.number);
    state.chart = GrowthChart(rows);
    state.figures = WorkGrowthLines(rows);
    return {.said = "Работата за суми до " + Quantity(*limit.number) + " е показана."};
  }
  if (action == StepsAction::Tick && !playing_) return {};
  const bool followed = Follow(state);
  if (!followed) {
    Show(state);
    return {.said = state.message};
  }
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
  Show(state);
  return reply;
}

}  // namespace banknotes
