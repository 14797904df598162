// The logic as the page sees it, through embind: a click on a form read from the
// page's controls, the rule of a box's character limit, and a practice session.
// The page hands its controls' texts in and writes back what it gets; nothing but
// a practice's session is kept here between calls. What the page's controls could
// never hold (a text that is not one, past its box's limit, an option or a
// button that does not exist) is refused with a JavaScript RangeError that names
// it, before anything is done; the module goes on working.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logic/companions/explore.h"
#include "logic/companions/practice.h"
#include "logic/companions/worksheet.h"
#include "logic/form/announcement.h"
#include "logic/form/character_limit.h"
#include "logic/form/dispatch.h"
#include "logic/windows/form_layout.h"

namespace banknotes {
namespace {

using emscripten::val;

// Why a call was refused; turned into a RangeError once the call has unwound.
class Refused : public std::exception {
 public:
  explicit Refused(std::string what) : what_(std::move(what)) {}
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string what_;
};

// Runs `work` and gives back its answer, or throws the RangeError of its refusal.
// The message waits in a buffer of its own, so that nothing is left behind when
// the error passes through the module.
template <typename Work>
val Checked(Work work) {
  static std::string refusal;
  try {
    return work();
  } catch (const Refused& refused) {
    refusal = refused.what();
  }
  val::global("RangeError").new_(val(refusal.c_str())).throw_();
}

// The characters (code points) of a UTF-8 text.
std::size_t Characters(const std::string& text) {
  std::size_t count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

// What the box `name`_`index` of `layout` takes, or 0 for no limit.
int LimitOf(const FormLayout& layout, std::string_view name, int index) {
  for (const Control& control : layout.controls)
    if (control.name == name && control.index == index) return control.limit;
  return 0;
}

std::string Text(const val& value, const std::string& what, int limit = 0) {
  if (!value.isString()) throw Refused(what + " is not a text");
  std::string text = value.as<std::string>();
  if (limit > 0 && Characters(text) > static_cast<std::size_t>(limit))
    throw Refused(what + " holds " + std::to_string(Characters(text)) +
                  " characters; its box takes at most " + std::to_string(limit));
  return text;
}

// A whole number from `least` to `most`.
int Whole(const val& value, const std::string& what, int least, int most) {
  const double number = value.isNumber() ? value.as<double>() : NAN;
  if (!(number == std::trunc(number) && number >= least && number <= most))
    throw Refused(what + " must be a whole number from " + std::to_string(least) + " to " +
                  std::to_string(most));
  return static_cast<int>(number);
}

// The texts of the boxes `name`_0 .. `name`_N-1 of `layout`, each within its limit.
template <std::size_t N>
void ReadTexts(const val& texts, const FormLayout& layout, std::string_view name,
               std::array<std::string, N>& into) {
  const std::string what(name);
  if (!texts.isArray() || texts["length"].as<double>() != N)
    throw Refused(what + " must be a list of " + std::to_string(N) + " texts");
  for (std::size_t i = 0; i < N; ++i)
    into[i] = Text(texts[i], what + "[" + std::to_string(i) + "]",
                   LimitOf(layout, name, static_cast<int>(i)));
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
  ReadTexts(form["Text3"], kMainForm, "Text3", state.Text3);
  ReadTexts(form["Text2"], kMainForm, "Text2", state.Text2);
  const val marks = form["Check1"];
  if (!marks.isArray() || marks["length"].as<double>() != kDenominations)
    throw Refused("Check1 must be a list of 7 marks");
  for (std::size_t k = 0; k < kDenominations; ++k) {
    const std::string what = "Check1[" + std::to_string(k) + "]";
    state.Check1[k].Caption = Text(marks[k]["Caption"], what + ".Caption");
    state.Check1[k].Value = Whole(marks[k]["Value"], what + ".Value", 0, 1);
  }
  state.List1[kSplits].Assign(SplitLines(Text(form["List1"], "List1")));
  return state;
}

// Runs the button `index` on the form and answers {outcome, title and text of
// the failure} or, when it succeeded, the form's new texts and marks and what is
// said of them; List1 only when the action rewrote the list.
val Click(const val& index, const val& form) {
  return Checked([&] {
    const auto button = static_cast<std::int16_t>(Whole(index, "the button", -32768, 32767));
    const FormState before = ReadForm(form);
    FormState after = before;
    const Outcome outcome = dispatch(after, button);
    val answer = val::object();
    answer.set("outcome", static_cast<int>(outcome));
    if (outcome != Outcome::Success) {
      answer.set("title", std::string(kFailureTitle));
      answer.set("text", std::string(FailureText(outcome)));
      return answer;
    }
    answer.set("said", ClickAnnouncement(button, after));
    answer.set("Text3", Texts(after.Text3));
    answer.set("Text2", Texts(after.Text2));
    val marks = val::array();
    for (std::size_t k = 0; k < kDenominations; ++k) marks.set(k, after.Check1[k].Value);
    answer.set("Check1", marks);
    if (!after.List1[kSplits].SharesLinesWith(before.List1[kSplits]))
      answer.set("List1", JoinLines(after.List1[kSplits].lines()));
    return answer;
  });
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
  state.exercise = static_cast<Exercise>(Whole(page["exercise"], "exercise", 0, 1));
  state.payment_range =
      static_cast<PaymentRange>(Whole(page["paymentRange"], "paymentRange", 0, 2));
  state.split_range = static_cast<SplitRange>(Whole(page["splitRange"], "splitRange", 0, 1));
  state.task = Text(page["task"], "task");
  ReadTexts(page["counts"], kPracticeForm, "Text2", state.counts);
  state.sum = Text(page["sum"], "sum", LimitOf(kPracticeForm, "Text3", 0));
  ReadTexts(page["way"], kPracticeForm, "Text4", state.way);
  state.answer = Text(page["answer"], "answer");
  state.tally = Text(page["tally"], "tally");
  state.found = SplitLines(Text(page["found"], "found"));
  return state;
}

// The state after an action, and what is said of it.
val PracticeAnswer(const PracticeState& before, const PracticeState& state) {
  val answer = val::object();
  answer.set("said", PracticeAnnouncement(before, state));
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
  PracticeSession(std::uint32_t seed, PaymentRange payment_range, SplitRange split_range)
      : practice_(seed, payment_range, split_range) {}
  // new Practice(seed, paymentRange, splitRange), the ranges as the options'
  // indexes; refused, with nothing made, for a range that is not there.
  static PracticeSession* Started(std::uint32_t seed, const val& payment_range,
                                  const val& split_range) {
    int payments = 0, splits = 0;
    Checked([&] {
      payments = Whole(payment_range, "paymentRange", 0, kPaymentRanges - 1);
      splits = Whole(split_range, "splitRange", 0, kSplitRanges - 1);
      return val::undefined();
    });
    return new PracticeSession(seed, static_cast<PaymentRange>(payments),
                               static_cast<SplitRange>(splits));
  }
  val Show(const val& page) const {
    return Checked([&] {
      const PracticeState before = ReadPractice(page);
      PracticeState state = before;
      practice_.Show(state);
      return PracticeAnswer(before, state);
    });
  }
  val Click(const val& page, const val& button) {
    return Checked([&] {
      const int pressed = Whole(button, "the button", kCheckButton, kShowAllButton);
      const PracticeState before = ReadPractice(page);
      PracticeState state = before;
      practice_.Click(state, pressed);
      return PracticeAnswer(before, state);
    });
  }

 private:
  Practice practice_;
};

// state: {values: [10 texts], readySet (the index of the chosen option), amount,
// sum, message, verdict, largestFirst, fewest, always, ways}.
ExploreState ReadExplore(const val& page) {
  ExploreState state;
  ReadTexts(page["values"], kExploreForm, "Text5", state.values);
  state.ready_set = Whole(page["readySet"], "readySet", 0, static_cast<int>(kReadySets) - 1);
  state.amount = Text(page["amount"], "amount", LimitOf(kExploreForm, "Text3", 0));
  state.sum = Text(page["sum"], "sum", LimitOf(kExploreForm, "Text3", 1));
  state.message = Text(page["message"], "message");
  state.verdict = Text(page["verdict"], "verdict");
  state.largest_first = Text(page["largestFirst"], "largestFirst");
  state.fewest = Text(page["fewest"], "fewest");
  state.always = Text(page["always"], "always");
  state.ways = Text(page["ways"], "ways");
  return state;
}

// The state after an action, and what is said of it.
val ExploreAnswer(const ExploreState& state) {
  val answer = val::object();
  answer.set("said", ExploreAnnouncement(state));
  answer.set("values", Texts(state.values));
  answer.set("readySet", state.ready_set);
  answer.set("amount", state.amount);
  answer.set("sum", state.sum);
  answer.set("message", state.message);
  answer.set("verdict", state.verdict);
  answer.set("largestFirst", state.largest_first);
  answer.set("fewest", state.fewest);
  answer.set("always", state.always);
  answer.set("ways", state.ways);
  return answer;
}

// "Изчисли", or Enter in a box.
val ExploreSums(const val& page) {
  return Checked([&] {
    ExploreState state = ReadExplore(page);
    Explore(state);
    return ExploreAnswer(state);
  });
}

// A ready-made set chosen.
val ChooseSet(const val& page, const val& ready_set) {
  return Checked([&] {
    const int chosen = Whole(ready_set, "the ready-made set", 0, static_cast<int>(kReadySets) - 1);
    ExploreState state = ReadExplore(page);
    ChooseReadySet(state, chosen);
    return ExploreAnswer(state);
  });
}

template <typename Strings>
val Array(const Strings& strings) {
  val array = val::array();
  for (std::size_t i = 0; i < strings.size(); ++i) array.set(i, strings[i]);
  return array;
}

// form: {number, payments, paymentRange, splits, splitRange, explorations, readySet}
// as the worksheet's controls hold them. Answers {wrong} or the sheet:
// {title, blanks, tasks: [{kind, text, boxes, lines}], keyTitle, answers: [{heading, lines}],
// onScreen}.
val MakeSheet(const val& page) {
  return Checked([&] {
    WorksheetForm form;
    form.number = Text(page["number"], "number", LimitOf(kWorksheetForm, "Text1", 0));
    form.payments = Text(page["payments"], "payments", LimitOf(kWorksheetForm, "Text1", 1));
    form.splits = Text(page["splits"], "splits", LimitOf(kWorksheetForm, "Text1", 2));
    form.explorations =
        Text(page["explorations"], "explorations", LimitOf(kWorksheetForm, "Text1", 3));
    form.payment_range = Whole(page["paymentRange"], "paymentRange", 0, 2);
    form.split_range = Whole(page["splitRange"], "splitRange", 0, 1);
    form.ready_set = Whole(page["readySet"], "readySet", 0, static_cast<int>(kReadySets) - 1);
    const WorksheetMade made = MakeWorksheet(form);
    val answer = val::object();
    answer.set("wrong", made.wrong);
    if (!made.wrong.empty()) return answer;
    const Worksheet& sheet = made.sheet;
    answer.set("title", sheet.title);
    answer.set("blanks", Array(sheet.blanks));
    val tasks = val::array();
    for (std::size_t i = 0; i < sheet.tasks.size(); ++i) {
      static constexpr const char* kKinds[] = {"payment", "split", "largestFirst"};
      val task = val::object();
      task.set("kind", std::string(kKinds[sheet.tasks[i].kind]));
      task.set("text", sheet.tasks[i].text);
      task.set("boxes", Array(sheet.tasks[i].boxes));
      task.set("lines", sheet.tasks[i].lines);
      tasks.set(i, task);
    }
    answer.set("tasks", tasks);
    answer.set("keyTitle", sheet.key_title);
    val answers = val::array();
    for (std::size_t i = 0; i < sheet.answers.size(); ++i) {
      val one = val::object();
      one.set("heading", sheet.answers[i].heading);
      one.set("lines", Array(sheet.answers[i].lines));
      answers.set(i, one);
    }
    answer.set("answers", answers);
    answer.set("onScreen", sheet.on_screen);
    return answer;
  });
}

// What is said of the choice `name` (its name in the address) where the address
// holds what its control cannot: a text past the box's limit, an option that is
// not there.
val WorksheetChoiceWrongIn(const val& name) {
  return Checked([&] {
    const std::string choice = Text(name, "the choice's name");
    for (std::size_t i = 0; i < kWorksheetChoices; ++i)
      if (choice == kWorksheetChoiceNames[i])
        return val(WorksheetChoiceWrong(static_cast<WorksheetChoice>(i)));
    throw Refused("no choice is named " + choice);
  });
}

}  // namespace
}  // namespace banknotes

EMSCRIPTEN_BINDINGS(banknotes) {
  emscripten::function("worksheet", &banknotes::MakeSheet);
  emscripten::function("worksheetChoiceWrong", &banknotes::WorksheetChoiceWrongIn);
  emscripten::function("explore", &banknotes::ExploreSums);
  emscripten::function("chooseReadySet", &banknotes::ChooseSet);
  emscripten::function("click", &banknotes::Click);
  emscripten::function("fitToLimit", &banknotes::FitBox);
  // The practice window's buttons, which the page presses for Enter and a new range.
  emscripten::constant("checkButton", banknotes::kCheckButton);
  emscripten::constant("newTaskButton", banknotes::kNewTaskButton);
  emscripten::class_<banknotes::PracticeSession>("Practice")
      .constructor(&banknotes::PracticeSession::Started, emscripten::allow_raw_pointers())
      .function("show", &banknotes::PracticeSession::Show)
      .function("click", &banknotes::PracticeSession::Click);
}
