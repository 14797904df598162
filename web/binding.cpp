// The logic as the page sees it, through embind: a click on a form read from the
// page's controls, the rule of a box's character limit, and a companion window's
// logic, whose content crosses keyed by control. The page hands its controls'
// content in and writes back what it gets; nothing but a window's session is
// kept here between calls. What the page's controls could
// never hold (a text that is not one, past its box's limit, an option or a
// button that does not exist) is refused with a JavaScript RangeError that names
// it, before anything is done; the module goes on working.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logic/companions/worksheet.h"
#include "logic/form/announcement.h"
#include "logic/form/character_limit.h"
#include "logic/form/dispatch.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/window_logic.h"
#include "logic/windows/worksheet_window.h"

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

// A companion window's content as the page's controls hold it, keyed by id: a
// text for a box or a label, true or false for a mark, the lines of a list as
// one text. The desktop's own controls keep what `fresh` holds.
WindowContent ContentOf(const val& page, WindowContent fresh) {
  const FormLayout& layout = fresh.layout();
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& control = layout.controls[i];
    const Holds holds = HoldsOf(control.kind);
    if (control.where == Where::Desktop || holds == Holds::Nothing) continue;
    const std::string id = ControlId(control);
    const val held = page[id];
    if (holds == Holds::Text) fresh.at(i).text = Text(held, id, control.limit);
    if (holds == Holds::Lines) {
      fresh.at(i).lines = SplitLines(Text(held, id));
      // The line chosen, where the page says; -1 or nothing for none.
      const val chosen = page[id + ".chosen"];
      if (chosen.isNumber()) {
        const double line = chosen.as<double>();
        if (line >= 0 && line < static_cast<double>(fresh.at(i).lines.size()))
          fresh.at(i).chosen_line = static_cast<std::size_t>(line);
      }
    }
    if (holds == Holds::Mark) {
      if (!held.isTrue() && !held.isFalse()) throw Refused(id + " must be true or false");
      fresh.at(i).mark = held.isTrue();
    }
  }
  return fresh;
}

// Heaps of notes and coins as the page draws them: [[cents, count], ...].
val Money(const std::vector<Heap>& heaps) {
  val money = val::array();
  for (std::size_t k = 0; k < heaps.size(); ++k) {
    val heap = val::array();
    heap.set(0, static_cast<double>(heaps[k].cents));
    heap.set(1, static_cast<double>(heaps[k].count));
    money.set(k, heap);
  }
  return money;
}

val PageOf(const WindowContent& content) {
  const FormLayout& layout = content.layout();
  val page = val::object();
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& control = layout.controls[i];
    const Holds holds = HoldsOf(control.kind);
    if (control.where == Where::Desktop) continue;
    const std::string id = ControlId(control);
    // What a drawn control shows, a line each.
    if (control.drawn) page.set(id + ".money", Money(content.at(i).money));
    if (holds == Holds::Lines && content.at(i).chosen_line)
      page.set(id + ".chosen", static_cast<double>(*content.at(i).chosen_line));
    if (holds == Holds::Text) page.set(id, content.at(i).text);
    if (holds == Holds::Lines) page.set(id, JoinLines(content.at(i).lines));
    if (holds == Holds::Mark) page.set(id, content.at(i).mark);
    if (holds == Holds::Picture) page.set(id + ".svg", PictureSvg(content.at(i).picture));
  }
  return page;
}

// {content, said, asks, tickAfter}: asks "print" or "" for nothing; tickAfter
// more than 0, the milliseconds after which to tick the window.
val Answer(const WindowContent& content, const Reply& reply) {
  static constexpr const char* kAsks[] = {"", "worksheet", "print", "savePdf"};
  val answer = val::object();
  answer.set("content", PageOf(content));
  answer.set("said", reply.said);
  answer.set("asks", std::string(kAsks[static_cast<int>(reply.asks)]));
  answer.set("tickAfter", reply.tick_after_ms);
  return answer;
}

// A companion window's logic for its page: new Window(name, address's query,
// random). What its controls hold crosses as the page holds it.
class PageWindow {
 public:
  explicit PageWindow(MadeWindow made) : made_(std::move(made)) {}
  // Refused, with nothing made, for a name no window has.
  static PageWindow* Made(const val& name, const val& query, const val& random) {
    MadeWindow made;
    Checked([&] {
      const std::string window = Text(name, "the window's name");
      made = MakeWindow(window, SettingsOf(Text(query, "the address")),
                        static_cast<std::uint32_t>(Whole(random, "random", 0, INT32_MAX)));
      if (!made.logic) throw Refused("no window is named " + window);
      return val::undefined();
    });
    return new PageWindow(std::move(made));
  }
  // The content as the window's page is written, before it opens.
  val Fresh() const { return PageOf(made_.logic->Fresh()); }
  // What is said of a setting the window could not take; empty when none.
  std::string Wrong() const { return made_.wrong; }
  val Open(const val& page) {
    return Checked([&] {
      WindowContent content = ContentOf(page, made_.logic->Fresh());
      const Reply reply = made_.logic->Open(content);
      return Answer(content, reply);
    });
  }
  val Act(const val& page, const val& id, const val& use) {
    return Checked([&] {
      static constexpr const char* kUses[] = {"press",       "enter",  "choose",
                                              "chooseAgain", "change", "tick"};
      const std::string control = Text(id, "the control");
      const std::string used = Text(use, "the use");
      const auto* found = std::find(std::begin(kUses), std::end(kUses), used);
      if (found == std::end(kUses)) throw Refused("no use is named " + used);
      // A tick is the window's, no control's.
      if (used != "tick" && !FindControl(made_.logic->layout(), control))
        throw Refused("the window has no control " + control);
      WindowContent content = ContentOf(page, made_.logic->Fresh());
      const Reply reply =
          made_.logic->Act(content, control, static_cast<Use>(found - std::begin(kUses)));
      return Answer(content, reply);
    });
  }
  val Address(const val& page) const {
    return Checked(
        [&] { return val(made_.logic->Address(ContentOf(page, made_.logic->Fresh()))); });
  }

 private:
  MadeWindow made_;
};

template <typename Strings>
val Array(const Strings& strings) {
  val array = val::array();
  for (std::size_t i = 0; i < strings.size(); ++i) array.set(i, strings[i]);
  return array;
}

// The worksheet window's content as its page holds it. Answers {content,
// wrong} and, when the choices make a sheet, the sheet: {title, blanks, tasks:
// [{kind, text, boxes, lines, money, moneySaid}], keyTitle, answers: [{heading,
// lines, money, moneySaid}], onScreen}.
val MakeSheet(const val& page) {
  return Checked([&] {
    static const MadeWindow worksheet = MakeWindow(kWorksheetForm.name, {}, 0);
    WindowContent content = ContentOf(page, worksheet.logic->Fresh());
    const WorksheetMade made = SheetOf(content);
    val answer = val::object();
    answer.set("content", PageOf(content));
    answer.set("wrong", made.wrong);
    if (!made.wrong.empty()) return answer;
    const Worksheet& sheet = made.sheet;
    answer.set("title", sheet.title);
    answer.set("blanks", Array(sheet.blanks));
    val tasks = val::array();
    for (std::size_t i = 0; i < sheet.tasks.size(); ++i) {
      static constexpr const char* kKinds[] = {"payment",  "split",  "largestFirst",
                                               "counting", "change", "cents"};
      val task = val::object();
      task.set("kind", std::string(kKinds[sheet.tasks[i].kind]));
      task.set("text", sheet.tasks[i].text);
      task.set("boxes", Array(sheet.tasks[i].boxes));
      task.set("lines", sheet.tasks[i].lines);
      task.set("money", Money(sheet.tasks[i].money));
      task.set("moneySaid", HeapsSaid(sheet.tasks[i].money));
      tasks.set(i, task);
    }
    answer.set("tasks", tasks);
    answer.set("keyTitle", sheet.key_title);
    val answers = val::array();
    for (std::size_t i = 0; i < sheet.answers.size(); ++i) {
      val one = val::object();
      one.set("heading", sheet.answers[i].heading);
      one.set("lines", Array(sheet.answers[i].lines));
      one.set("money", Money(sheet.answers[i].money));
      one.set("moneySaid", HeapsSaid(sheet.answers[i].money));
      answers.set(i, one);
    }
    answer.set("answers", answers);
    answer.set("onScreen", sheet.on_screen);
    return answer;
  });
}

}  // namespace
}  // namespace banknotes

EMSCRIPTEN_BINDINGS(banknotes) {
  emscripten::function("worksheet", &banknotes::MakeSheet);
  emscripten::function("click", &banknotes::Click);
  emscripten::function("fitToLimit", &banknotes::FitBox);
  emscripten::class_<banknotes::PageWindow>("Window")
      .constructor(&banknotes::PageWindow::Made, emscripten::allow_raw_pointers())
      .function("fresh", &banknotes::PageWindow::Fresh)
      .function("wrong", &banknotes::PageWindow::Wrong)
      .function("open", &banknotes::PageWindow::Open)
      .function("act", &banknotes::PageWindow::Act)
      .function("address", &banknotes::PageWindow::Address);
}
