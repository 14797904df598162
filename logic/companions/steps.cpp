#include "logic/companions/steps.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "logic/money/duration_text.h"
#include "logic/money/number_text.h"
#include "logic/money/tasks.h"
#include "logic/money/ways.h"

namespace banknotes {
namespace {

constexpr std::size_t kBefore = std::numeric_limits<std::size_t>::max();

// Largest first's lines.
enum : std::size_t { kLeftIsAmount, kEachValue, kWhileItFits, kGive, kTakeFromLeft, kPaid };
// Counting the ways' lines.
enum : std::size_t { kWaysOfZero, kEachWaysValue, kEachSum, kAddWays, kAnswer };

std::string N(std::int64_t number) { return Quantity(number); }

// The counters of every combination, named by letters in the order the values
// are written: a for the largest.
std::string Letter(std::size_t value) { return std::string(1, static_cast<char>('a' + value)); }

std::string Indent(std::size_t depth) { return std::string(4 * depth, ' '); }

}  // namespace

StepRun::StepRun(StepAlgorithm algorithm, ValueSet values, std::int64_t amount)
    : algorithm_(algorithm),
      values_(std::move(values)),
      amount_(std::max<std::int64_t>(0, amount)) {
  for (std::size_t k = 0; k < values_.size(); ++k) {
    weights_.push_back(values_[values_.size() - 1 - k]);
    bounds_.push_back(amount_ / weights_.back());
  }
  Restart();
}

void StepRun::Restart() {
  next_ = 0;
  last_line_.reset();
  done_ = false;
  steps_ = tried_ = hits_ = 0;
  left_ = amount_;
  value_ = kBefore;
  given_.assign(values_.size(), 0);
  counters_.assign(values_.size(), -1);
  listed_.clear();
  ways_.clear();
  sum_ = 0;
}

std::int64_t StepRun::Total() const {
  std::int64_t total = 0;
  for (std::size_t k = 0; k < counters_.size(); ++k) total += weights_[k] * counters_[k];
  return total;
}

bool StepRun::Step() {
  if (done_) return false;
  Run();
  ++steps_;
  return true;
}

void StepRun::Back() {
  const std::int64_t target = std::max<std::int64_t>(0, steps_ - 1);
  Restart();
  ToEnd(target);
}

void StepRun::ToEnd(std::int64_t most) {
  for (std::int64_t step = 0; step < most && Step(); ++step) {
  }
}

void StepRun::Run() {
  const std::size_t line = next_;
  last_line_ = line;
  const std::size_t n = values_.size();
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst:
      switch (line) {
        case kLeftIsAmount:
          left_ = amount_;
          next_ = kEachValue;
          break;
        case kEachValue:
          value_ = value_ == kBefore ? 0 : value_ + 1;
          next_ = value_ < n ? kWhileItFits : kPaid;
          break;
        case kWhileItFits:
          next_ = values_[value_] <= left_ ? kGive : kEachValue;
          break;
        case kGive:
          ++given_[value_];
          next_ = kTakeFromLeft;
          break;
        case kTakeFromLeft:
          left_ -= values_[value_];
          next_ = kWhileItFits;
          break;
        default:
          done_ = true;
      }
      return;
    case StepAlgorithm::EveryCombination: {
      // Loops 0 .. n-1, the outermost over the smallest value; then the test,
      // the line written, and the end.
      if (line < n) {
        if (++counters_[line] <= bounds_[line]) {
          if (line + 1 < n) counters_[line + 1] = -1;
          next_ = line + 1;
        } else {
          next_ = line == 0 ? n + 2 : line - 1;
        }
      } else if (line == n) {
        ++tried_;
        next_ = Total() == amount_ ? n + 1 : n - 1;
      } else if (line == n + 1) {
        ++hits_;
        std::string written;
        for (std::size_t j = 0; j < n; ++j)
          written.append(j ? " + " : "")
              .append(std::to_string(values_[j]))
              .append("*")
              .append(std::to_string(counters_[n - 1 - j]));
        listed_.push_back(written.append(" = ").append(std::to_string(amount_)));
        next_ = n - 1;
      } else {
        done_ = true;
      }
      return;
    }
    case StepAlgorithm::CountingWays:
      switch (line) {
        case kWaysOfZero:
          ways_.assign(static_cast<std::size_t>(amount_) + 1, BigCount(0));
          ways_[0] = BigCount(1);
          next_ = kEachWaysValue;
          break;
        case kEachWaysValue:
          value_ = value_ == kBefore ? 0 : value_ + 1;
          if (value_ < n) sum_ = values_[value_] - 1;
          next_ = value_ < n ? kEachSum : kAnswer;
          break;
        case kEachSum:
          ++sum_;
          next_ = sum_ <= amount_ ? kAddWays : kEachWaysValue;
          break;
        case kAddWays:
          ++tried_;
          ways_[static_cast<std::size_t>(sum_)] +=
              ways_[static_cast<std::size_t>(sum_ - values_[value_])];
          next_ = kEachSum;
          break;
        default:
          done_ = true;
      }
      return;
  }
}

std::vector<std::string> StepRun::Code(CodeLanguage language) const {
  const bool bg = language == CodeLanguage::Bulgarian;
  const std::string amount = N(amount_);
  std::string listed_values;
  for (std::size_t j = 0; j < values_.size(); ++j)
    listed_values.append(j ? ", " : "").append(std::to_string(values_[j]));
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst:
      if (bg)
        return {"остатък ← сума",
                "за всяка стойност от " + listed_values + ":",
                "    докато стойност ≤ остатък:",
                "        дай една от стойността",
                "        остатък ← остатък − стойност",
                "край"};
      return {"int left = amount;",          "for (int value : {" + listed_values + "})",
              "    while (value <= left) {", "        give(value);",
              "        left -= value; }",    "// край"};
    case StepAlgorithm::EveryCombination: {
      const std::size_t n = values_.size();
      std::vector<std::string> code;
      std::string sum_of;
      for (std::size_t j = 0; j < n; ++j)
        sum_of.append(j ? " + " : "")
            .append(std::to_string(values_[j]))
            .append(bg ? " × " : " * ")
            .append(Letter(j));
      for (std::size_t k = 0; k < n; ++k) {
        const std::size_t j = n - 1 - k;
        const std::string bound = std::to_string(amount_ / values_[j]);
        code.push_back(Indent(k) + (bg ? "за " + Letter(j) + " от 0 до " + bound + ":"
                                       : "for (int " + Letter(j) + " = 0; " + Letter(j) +
                                             " <= " + bound + "; ++" + Letter(j) + ")"));
      }
      code.push_back(Indent(n) + (bg ? "ако " + sum_of + " = " + std::to_string(amount_) + ":"
                                     : "if (" + sum_of + " == " + std::to_string(amount_) + ")"));
      code.push_back(Indent(n + 1) + (bg ? "запиши реда" : "print(line);"));
      code.push_back(bg ? "край" : "// край");
      return code;
    }
    case StepAlgorithm::CountingWays:
      if (bg)
        return {"начини[0] ← 1, всички други ← 0", "за всяка стойност v от " + listed_values + ":",
                "    за всяка сума s от v до " + amount + ":",
                "        начини[s] ← начини[s] + начини[s − v]", "отговор: начини[" + amount + "]"};
      return {"std::vector<Count> ways(" + std::to_string(amount_ + 1) + "); ways[0] = 1;",
              "for (int v : {" + listed_values + "})",
              "    for (int s = v; s <= " + std::to_string(amount_) + "; ++s)",
              "        ways[s] += ways[s - v];", "return ways[" + std::to_string(amount_) + "];"};
  }
  return {};
}

std::vector<std::string> StepRun::Variables(CodeLanguage language) const {
  const bool bg = language == CodeLanguage::Bulgarian;
  std::vector<std::string> variables;
  const bool begun = steps_ > 0;
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst:
      variables.push_back((bg ? "сума = " : "amount = ") + N(amount_));
      if (begun) variables.push_back((bg ? "остатък = " : "left = ") + N(left_));
      if (value_ != kBefore && value_ < values_.size())
        variables.push_back((bg ? "стойност = " : "value = ") + N(values_[value_]));
      break;
    case StepAlgorithm::EveryCombination:
      variables.push_back((bg ? "сума = " : "amount = ") + N(amount_));
      for (std::size_t k = 0; k < counters_.size(); ++k)
        if (counters_[k] >= 0 && counters_[k] <= amount_ / values_[values_.size() - 1 - k])
          variables.push_back(Letter(values_.size() - 1 - k) + " = " + N(counters_[k]));
      break;
    case StepAlgorithm::CountingWays:
      if (value_ != kBefore && value_ < values_.size()) {
        variables.push_back("v = " + N(values_[value_]));
        if (sum_ >= values_[value_] && sum_ <= amount_) {
          variables.push_back("s = " + N(sum_));
          variables.push_back((bg ? "начини[s] = " : "ways[s] = ") +
                              ways_[static_cast<std::size_t>(sum_)].Digits());
        }
      }
      break;
  }
  return variables;
}

std::vector<std::string> StepRun::Made() const {
  std::vector<std::string> made;
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst:
      for (std::size_t j = 0; j < values_.size(); ++j) {
        if (given_[j] == 0) continue;
        made.push_back(PiecesOfValueIn(values_, given_[j], values_[j]));
      }
      break;
    case StepAlgorithm::EveryCombination:
      made = listed_;
      break;
    case StepAlgorithm::CountingWays:
      for (std::size_t s = 0; s < ways_.size(); ++s)
        made.push_back("начини[" + std::to_string(s) + "] = " + ways_[s].Digits());
      break;
  }
  return made;
}

std::vector<std::string> StepRun::Counters() const {
  std::vector<std::string> counters = {"Стъпки: " + N(steps_)};
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst: {
      std::int64_t given = 0;
      for (const std::int64_t count : given_) given += count;
      counters.push_back("Дадени: " + N(given));
      break;
    }
    case StepAlgorithm::EveryCombination:
      counters.push_back("Опитани комбинации: " + N(tried_));
      counters.push_back("Попадения: " + N(hits_));
      break;
    case StepAlgorithm::CountingWays:
      counters.push_back("Попълнени клетки: " + N(tried_));
      break;
  }
  return counters;
}

std::string StepRun::Said() const {
  if (!last_line_) return "В началото.";
  const std::size_t line = *last_line_;
  const std::size_t n = values_.size();
  std::string said = "ред " + std::to_string(line + 1) + ": ";
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst:
      switch (line) {
        case kLeftIsAmount:
          return said + "остатък = " + N(left_);
        case kEachValue:
          return said + (value_ < n ? "стойност = " + N(values_[value_]) : "няма други стойности");
        case kWhileItFits:
          return said + N(values_[value_]) + (next_ == kGive ? " ≤ " : " > ") + N(left_) +
                 (next_ == kGive ? ": да" : ": не");
        case kGive:
          return said + "дава " + N(values_[value_]);
        case kTakeFromLeft:
          return said + (left_ == 1 ? "остава 1" : "остават " + N(left_));
        default:
          return said + (left_ == 0 ? "край: изплатено" : "край: не се изплащат " + N(left_));
      }
    case StepAlgorithm::EveryCombination:
      if (line < n) {
        const std::size_t j = n - 1 - line;
        return said + (next_ == line + 1 ? Letter(j) + " = " + N(counters_[line])
                                         : "цикълът по " + Letter(j) + " свърши");
      }
      if (line == n) {
        const std::int64_t total = Total();
        return said + "сборът е " + N(total) +
               (total == amount_ ? ": попадение" : ", не е " + N(amount_));
      }
      if (line == n + 1) return said + "записан " + listed_.back();
      return said + "край: " + Counted(hits_, Noun::Way);
    case StepAlgorithm::CountingWays:
      switch (line) {
        case kWaysOfZero:
          return said + "начини[0] = 1";
        case kEachWaysValue:
          return said + (value_ < n ? "v = " + N(values_[value_]) : "няма други стойности");
        case kEachSum:
          return said + (sum_ <= amount_ ? "s = " + N(sum_) : "цикълът по s свърши");
        case kAddWays:
          return said + "начини[" + std::to_string(sum_) +
                 "] = " + ways_[static_cast<std::size_t>(sum_)].Digits();
        default:
          return said + "край: начини[" + std::to_string(amount_) +
                 "] = " + ways_[static_cast<std::size_t>(amount_)].Digits();
      }
  }
  return said;
}

std::optional<StepQuestion> StepRun::Question() const {
  if (done_) return std::nullopt;
  const std::size_t n = values_.size();
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst:
      if (next_ != kGive) return std::nullopt;
      {
        StepQuestion asked{"Остатъкът е " + N(left_) + ". Коя стойност дава алгоритъмът?", {}};
        for (const int value : values_) asked.choices.push_back(N(value));
        return asked;
      }
    case StepAlgorithm::EveryCombination:
      if (next_ != n) return std::nullopt;
      return StepQuestion{"Дава ли тази комбинация сумата " + N(amount_) + "?", {"да", "не"}};
    case StepAlgorithm::CountingWays:
      if (next_ != kAddWays) return std::nullopt;
      return StepQuestion{"Какво ще има в начини[" + std::to_string(sum_) + "]?", {}};
  }
  return std::nullopt;
}

StepVerdict StepRun::Answer(const std::string& answer) {
  if (!Question()) return {};
  const std::size_t n = values_.size();
  StepVerdict verdict;
  switch (algorithm_) {
    case StepAlgorithm::LargestFirst: {
      const std::int64_t value = values_[value_];
      verdict.right = answer == N(value);
      verdict.said = "Алгоритъмът дава " + N(value) +
                     ": най-голямата стойност, която не е повече от остатъка " + N(left_) + ".";
      break;
    }
    case StepAlgorithm::EveryCombination: {
      const std::int64_t total = Total();
      std::string terms;
      for (std::size_t j = 0; j < n; ++j) {
        terms.append(j ? " + " : "")
            .append(N(values_[j]))
            .append(" × ")
            .append(N(counters_[n - 1 - j]));
      }
      const bool hit = total == amount_;
      verdict.right = answer == (hit ? "да" : "не");
      verdict.said =
          terms + " = " + N(total) + (hit ? ": това е сумата." : ", а не " + N(amount_) + ".");
      break;
    }
    case StepAlgorithm::CountingWays: {
      const auto s = static_cast<std::size_t>(sum_);
      const auto before = s - static_cast<std::size_t>(values_[value_]);
      BigCount sum = ways_[s];
      sum += ways_[before];
      verdict.right = answer == sum.Digits();
      verdict.said = "начини[" + std::to_string(s) + "] + начини[" + std::to_string(before) +
                     "] = " + ways_[s].Digits() + " + " + ways_[before].Digits() + " = " +
                     sum.Digits() + ".";
      break;
    }
  }
  ++answers_;
  if (verdict.right) {
    ++right_answers_;
    verdict.said = "Вярно! " + verdict.said;
  } else {
    verdict.said = "Не. " + verdict.said;
  }
  Step();
  return verdict;
}

std::vector<GrowthRow> WorkGrowth(const ValueSet& values, std::int64_t limit) {
  limit = std::clamp<std::int64_t>(limit, 1, kLargestGrowthSum);
  std::vector<GrowthRow> rows;
  const auto add = [&](std::int64_t sum) {
    GrowthRow row{sum, Combinations(values, sum), CountSteps(values, sum), std::nullopt};
    if (row.combinations.AtMost(kTimedCombinations))
      row.seconds = TryEveryCombination(values, sum).seconds;
    rows.push_back(row);
  };
  for (std::int64_t decade = 1; decade <= limit; decade *= 10)
    for (const int step : {1, 2, 5})
      if (decade * step < limit) add(decade * step);
  add(limit);
  return rows;
}

std::vector<std::string> WorkGrowthLines(const std::vector<GrowthRow>& rows) {
  std::vector<std::string> lines;
  for (const GrowthRow& row : rows) {
    std::string line = "Сума " + N(row.sum) + ": ";
    line.append(row.combinations.AtMost(9'999'999)
                    ? CountedOfDigits(row.combinations.Digits(), Noun::Combination)
                    : "около " + TwoFigures(row.combinations.ToDouble()) + " комбинации");
    line.append(", ").append(Counted(static_cast<std::int64_t>(row.steps), Noun::Step));
    if (row.seconds) line.append(", ").append(DurationText(*row.seconds));
    lines.push_back(line);
  }
  return lines;
}

}  // namespace banknotes
