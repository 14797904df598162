#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "logic/money/drawn_money.h"
#include "logic/money/tasks.h"
#include "logic/money/values.h"

namespace banknotes {

// A worksheet for the class, "Работен лист": tasks drawn from a sheet number as
// the practice window draws its own from a seed, so that practice.html?seed=N,
// and the practice window given N, set the pupil on screen the same first tasks
// as sheet N; and their answer key. Paying an amount with the fewest banknotes,
// finding every way to split a sum, largest first against the fewest for a set
// of the teacher's choice, counting a drawn handful of notes and coins, and
// giving change in euro and cents. It says what the sheet
// holds, never how a page or a printer lays it out; every text on it is made here.

inline constexpr int kMostTasks = 10;

// What a sheet's choices start with, in its controls too.
inline constexpr const char* kFirstSheetNumber = "2026";
inline constexpr const char* kFirstPayments = "4";
inline constexpr const char* kFirstSplits = "2";
inline constexpr const char* kFirstExplorations = "1";
inline constexpr const char* kFirstCounting = "2";
inline constexpr const char* kFirstChanges = "1";
inline constexpr const char* kFirstCents = "1";

// The choices as the dialog's and the page's controls hold them, texts and
// chosen options.
struct WorksheetForm {
  std::string number = kFirstSheetNumber;  // "Номер на листа"
  std::string payments = kFirstPayments;   // how many payment tasks, 0 to 10
  int payment_range = static_cast<int>(PaymentRange::UpTo1000);
  std::string splits = kFirstSplits;  // how many split tasks, 0 to 10
  int split_range = static_cast<int>(SplitRange::From5To10);
  std::string explorations = kFirstExplorations;  // how many "largest first" tasks, 0 to 10
  int ready_set = 3;                              // the set they pay with: 4, 3, 1
  std::string counting = kFirstCounting;          // how many handfuls to count, 0 to 10
  std::string changes = kFirstChanges;            // how many change tasks, 0 to 10
  std::string cents = kFirstCents;                // how many payments with cents, 0 to 10

  friend bool operator==(const WorksheetForm&, const WorksheetForm&) = default;
};

// The choices, in the order of their controls; their names in the page's
// address (worksheet.html?number=2026&paymentRange=0), which the practice's
// address shares for the same draw (practice.html?seed=2026&paymentRange=0).
enum class WorksheetChoice {
  Number,
  Payments,
  PaymentRange,
  Splits,
  SplitRange,
  Explorations,
  ReadySet,
  Counting,
  Changes,
  Cents
};
inline constexpr std::size_t kWorksheetChoices = 10;
inline constexpr const char* kWorksheetChoiceNames[kWorksheetChoices] = {
    "number",       "payments", "paymentRange", "splits", "splitRange",
    "explorations", "readySet", "counting",     "change", "cents"};
// What is said of a choice that its control cannot hold: a box's text that is
// not a whole number in its range, an option that is not there.
std::string WorksheetChoiceWrong(WorksheetChoice choice);

// Where the pupil gets a sheet's first tasks on screen: the practice page's
// address and the program's command line, with the sheet's number and ranges.
std::string PracticeAddress(std::uint32_t number, PaymentRange payment_range,
                            SplitRange split_range);
std::string PracticeCommand(std::uint32_t number, PaymentRange payment_range,
                            SplitRange split_range);

// One task, and what its answer takes on paper.
struct WorksheetTask {
  enum Kind { Payment, Split, LargestFirst, Counting, Change, Cents } kind;
  std::string text;  // "1. Изплатете 306 с възможно най-малко банкноти."
  std::vector<std::string> boxes;  // a box for each: "100", "50", .. "1"; for a split the
                                   // ways' count: "Брой начини"
  int lines = 0;                   // numbered lines to write the ways on
  std::vector<Heap> money = {};    // the handful to count, each note and coin drawn
};

// One task's answer: a heading line and the lines under it; for a handful, the
// fewest that pay its total drawn too.
struct WorksheetAnswer {
  std::string heading;
  std::vector<std::string> lines;
  std::vector<Heap> money = {};
};

struct Worksheet {
  std::string title;                // "Работен лист № 2026"
  std::vector<std::string> blanks;  // "Име:", "Клас:", "Дата:"
  std::vector<WorksheetTask> tasks;
  std::string key_title;  // "Отговори – работен лист № 2026", on a page of its own
  std::vector<WorksheetAnswer> answers;
  // Under the answers, for the teacher: where the pupils get the same first tasks.
  std::string on_screen;
};

// The sheet the choices make, or, where a number, a count or an option is out
// of range, or no task is asked for, none and a Bulgarian sentence that says
// what is wrong. Amounts of one kind do not repeat on a sheet while its range
// has some not yet asked.
struct WorksheetMade {
  Worksheet sheet;
  std::string wrong;
};
WorksheetMade MakeWorksheet(const WorksheetForm& form);

}  // namespace banknotes
