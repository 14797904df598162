// The logic as the page sees it, through embind: a click on a form read from the
// page's controls, the rule of a box's character limit, and a practice session.
// The page hands its controls' texts in and writes back what it gets; nothing but
// a practice's session is kept here between calls.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "logic/character_limit.h"
#include "logic/dispatch.h"
#include "logic/practice.h"

namespace banknotes {
namespace {

using emscripten::val;

template <std::size_t N>
void ReadTexts(const val& texts, std::array<std::string, N>& into) {
  for (std::size_t i = 0; i < N; ++i) into[i] = texts[i].as<std::string>();
}

template <std::size_t N>
val Texts(const std::array<std::string, N>& texts) {
  val array = val::array();
  for (std::size_t i = 0; i < N; ++i) array.set(i, texts[i]);
  return array;
}

// The list's lines cross as one string, one line to a line: a listing of 99 is
// 3950 of them.
ListBox::Lines SplitLines(const std::string& joined) {
  ListBox::Lines lines;
  for (std::size_t start = 0; start < joined.size();) {
    const std::size_t end = std::min(joined.find('\n', start), joined.size());
    lines.emplace_back(joined, start, end - start);
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const ListBox::Lines& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string joined;
  joined.reserve(size);
  for (const std::string& line : lines) {
    if (!joined.empty()) joined += '\n';
    joined += line;
  }
  return joined;
}

// form: {Text3: [3 texts], Text2: [7 texts], Check1: [7 {Caption, Value}], List1: lines}.
FormState ReadForm(const val& form) {
  FormState state;
  ReadTexts(form["Text3"], state.Text3);
  ReadTexts(form["Text2"], state.Text2);
  for (std::size_t k = 0; k < kDenominations; ++k) {
    const val mark = form["Check1"][k];
    state.Check1[k].Caption = mark["Caption"].as<std::string>();
    state.Check1[k].Value = mark["Value"].as<int>();
  }
  state.List1[kSplits].Assign(SplitLines(form["List1"].as<std::string>()));
  return state;
}

// Runs the button `index` on the form and answers {outcome, title and text of
// the failure} or, when it succeeded, the form's new texts and marks; List1 only
// when the action rewrote the list.
val Click(int index, const val& form) {
  const FormState before = ReadForm(form);
  FormState after = before;
  const Outcome outcome = dispatch(after, static_cast<std::int16_t>(index));
  val answer = val::object();
  answer.set("outcome", static_cast<int>(outcome));
  if (outcome != Outcome::Success) {
    answer.set("title", std::string(kFailureTitle));
    answer.set("text", std::string(FailureText(outcome)));
    return answer;
  }
  answer.set("Text3", Texts(after.Text3));
  answer.set("Text2", Texts(after.Text2));
  val marks = val::array();
  for (std::size_t k = 0; k < kDenominations; ++k) marks.set(k, after.Check1[k].Value);
  answer.set("Check1", marks);
  if (!after.List1[kSplits].SharesLinesWith(before.List1[kSplits])) {
    answer.set("List1", JoinLines(after.List1[kSplits].lines()));
    answer.set("lineCount", after.List1[kSplits].lines().size());
  }
  return answer;
}

// {text, cursor} after FitToLimit, or FitDigitsToLimit for a count; JavaScript's
// strings and cursors are UTF-16.
val FitBox(std::u16string text, std::size_t cursor, std::size_t limit, bool digits) {
  (digits ? FitDigitsToLimit : FitToLimit)(text, cursor, limit);
  val answer = val::object();
  answer.set("text", text);
  answer.set("cursor", cursor);
  return answer;
}

// state: {exercise, paymentRange, splitRange (indexes of the chosen options),
// task, counts: [7 texts], sum, way: [5 texts], answer, tally, found: lines}.
PracticeState ReadPractice(const val& page) {
  PracticeState state;
  state.exercise = static_cast<Exercise>(page["exercise"].as<int>());
  state.payment_range = static_cast<PaymentRange>(page["paymentRange"].as<int>());
  state.split_range = static_cast<SplitRange>(page["splitRange"].as<int>());
  state.task = page["task"].as<std::string>();
  ReadTexts(page["counts"], state.counts);
  state.sum = page["sum"].as<std::string>();
  ReadTexts(page["way"], state.way);
  state.answer = page["answer"].as<std::string>();
  state.tally = page["tally"].as<std::string>();
  state.found = SplitLines(page["found"].as<std::string>());
  return state;
}

val PracticeAnswer(const PracticeState& state) {
  val answer = val::object();
  answer.set("exercise", static_cast<int>(state.exercise));
  answer.set("paymentRange", static_cast<int>(state.payment_range));
  answer.set("splitRange", static_cast<int>(state.split_range));
  answer.set("task", state.task);
  answer.set("counts", Texts(state.counts));
  answer.set("sum", state.sum);
  answer.set("way", Texts(state.way));
  answer.set("answer", state.answer);
  answer.set("tally", state.tally);
  answer.set("found", JoinLines(state.found));
  return answer;
}

// The practice window's session; its state crosses as the page's controls hold it.
class PracticeSession {
 public:
  explicit PracticeSession(std::uint32_t seed) : practice_(seed) {}
  val Show(const val& page) const {
    PracticeState state = ReadPractice(page);
    practice_.Show(state);
    return PracticeAnswer(state);
  }
  val Click(const val& page, int button) {
    PracticeState state = ReadPractice(page);
    practice_.Click(state, button);
    return PracticeAnswer(state);
  }

 private:
  Practice practice_;
};

}  // namespace
}  // namespace banknotes

EMSCRIPTEN_BINDINGS(banknotes) {
  emscripten::function("click", &banknotes::Click);
  emscripten::function("fitToLimit", &banknotes::FitBox);
  emscripten::class_<banknotes::PracticeSession>("Practice")
      .constructor<std::uint32_t>()
      .function("show", &banknotes::PracticeSession::Show)
      .function("click", &banknotes::PracticeSession::Click);
}
