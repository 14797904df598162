#include <iterator>

#include "logic/companions/practice.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/table_parts.h"

namespace banknotes {
namespace {

using namespace table;
using enum ControlKind;
using enum Align;

// ---- The practice window.

// Above the answer: the exercise and its range, the task, and the pupil's answer,
// the payment's counts or a way to split the sum, each exercise's in a frame of
// its own, shown while it is chosen.
constexpr Control kPracticeHead[] = {
    {.name = "Frame1",
     .kind = Frame,
     .text = "Упражнение",
     .place = {120, 120, 2280, 1095},
     .colour = kWindowColour},
    {.name = "Option1",
     .index = 0,
     .kind = Option,
     .container = "Frame1",
     .text = "Плащане",
     .place = {120, 300, 2040, 360},
     .colour = kMarkColour,
     .accessible_name = "Плащане"},
    {.name = "Option1",
     .index = 1,
     .kind = Option,
     .container = "Frame1",
     .text = "Разбиване",
     .place = {120, 675, 2040, 360},
     .colour = kMarkColour,
     .accessible_name = "Разбиване"},
    {.name = "Frame2",
     .kind = Frame,
     .text = "Суми",
     .place = {2520, 120, 5145, 1095},
     .colour = kWindowColour,
     .shown_with = "Option1_0"},
    {.name = "Option2",
     .index = 0,
     .kind = Option,
     .container = "Frame2",
     .text = "до 100",
     .place = {120, 300, 1500, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 100"},
    {.name = "Option2",
     .index = 1,
     .kind = Option,
     .container = "Frame2",
     .text = "до 1000",
     .place = {1740, 300, 1500, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 1000"},
    {.name = "Option2",
     .index = 2,
     .kind = Option,
     .container = "Frame2",
     .text = "до 10 000",
     .place = {3360, 300, 1665, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 10 000"},
    {.name = "Frame3",
     .kind = Frame,
     .text = "Суми",
     .place = {2520, 120, 5145, 1095},
     .colour = kWindowColour,
     .shown_with = "Option1_1"},
    {.name = "Option3",
     .index = 0,
     .kind = Option,
     .container = "Frame3",
     .text = "от 5 до 10",
     .place = {120, 300, 2400, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми от 5 до 10"},
    {.name = "Option3",
     .index = 1,
     .kind = Option,
     .container = "Frame3",
     .text = "от 11 до 20",
     .place = {2640, 300, 2400, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми от 11 до 20"},
    {.name = "Label1",
     .index = 0,
     .place = {120, 1320, 7545, 405},
     .colour = kLabelColour,
     .align = Centre},
    {.name = "Frame4",
     .kind = Frame,
     .text = "брой банкноти и монети",
     .place = {120, 1800, 7545, 1290},
     .colour = kWindowColour,
     .shown_with = "Option1_0"},
    {.name = "Frame5",
     .kind = Frame,
     .text = "Разбиване",
     .place = {120, 1800, 7545, 1290},
     .colour = kWindowColour,
     .shown_with = "Option1_1"},
    {.name = "Label3",
     .index = 0,
     .container = "Frame5",
     .text = "Сума за разбиване:",
     .place = {120, 300, 2175, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text3_0"},
    {.name = "Text3",
     .index = 0,
     .kind = TextBox,
     .container = "Frame5",
     .place = {2415, 300, 615, 405},
     .align = Centre,
     .accessible_name = "Сума за разбиване",
     .limit = 2},
};

// The buttons, the answer, and under it the tally or the ways found.
constexpr Control kPracticeTail[] = {
    {.name = "Command1",
     .index = 0,
     .kind = Button,
     .text = "Провери",
     .place = {120, 3225, 1800, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .accessible_name = "Провери",
     .description = "Проверява отговора"},
    {.name = "Command1",
     .index = 1,
     .kind = Button,
     .text = "Нова задача",
     .place = {2040, 3225, 1800, 375},
     .colour = Rgb{255, 255, 0},
     .align = Centre,
     .accessible_name = "Нова задача",
     .description = "Задава нова задача и изчиства отговора"},
    {.name = "Command1",
     .index = 2,
     .kind = Button,
     .text = "Покажи всички",
     .place = {3960, 3225, 1800, 375},
     .colour = Rgb{0, 192, 0},
     .align = Centre,
     .accessible_name = "Покажи всички",
     .description = "Показва начините, които още не са намерени",
     .shown_with = "Option1_1"},
    // The page has a link of its own to the worksheets.
    {.name = "Command1",
     .index = 3,
     .kind = Button,
     .text = "Работен лист…",
     .place = {5880, 3225, 1785, 375},
     .colour = Rgb{192, 255, 255},
     .align = Centre,
     .accessible_name = "Работен лист…",
     .description = "Отваря работен лист със задачите от същия номер, за печат",
     .where = Where::Desktop},
    {.name = "Text1",
     .kind = Description,
     .place = {120, 3720, 7545, 1650},
     .accessible_name = "Отговор",
     .read_only = true},
    {.name = "Label1",
     .index = 1,
     .place = {120, 5490, 7545, 405},
     .colour = kLabelColour,
     .align = Centre,
     .shown_with = "Option1_0"},
    {.name = "List1",
     .index = 0,
     .kind = ListBox,
     .place = {120, 5490, 7545, 1560},
     .accessible_name = "Намерени начини",
     .shown_with = "Option1_1"},
};

constexpr std::size_t kPracticeFormSize =
    std::size(kPracticeHead) + 2 * kDenominations + 2 * kSplitValues + std::size(kPracticeTail);

// The order the focus takes, labels and frames in their places too, every
// control once: the table takes its tab indexes from it, so that a control
// added is one name here and renumbers nothing.
constexpr std::string_view kPracticeFocusOrder[] = {
    "Frame1",     "Option1_0", "Option1_1", "Frame2",   "Option2_0",  "Option2_1",  "Option2_2",
    "Frame3",     "Option3_0", "Option3_1", "Label1_0", "Frame4",     "Label2_0",   "Text2_0",
    "Label2_1",   "Text2_1",   "Label2_2",  "Text2_2",  "Label2_3",   "Text2_3",    "Label2_4",
    "Text2_4",    "Label2_5",  "Text2_5",   "Label2_6", "Text2_6",    "Frame5",     "Label3_0",
    "Text3_0",    "Label4_0",  "Text4_0",   "Label4_1", "Text4_1",    "Label4_2",   "Text4_2",
    "Label4_3",   "Text4_3",   "Label4_4",  "Text4_4",  "Command1_0", "Command1_1", "Command1_2",
    "Command1_3", "Text1",     "Label1_1",  "List1_0",
};

constexpr auto kPracticeFormControls = InFocusOrder(
    [] {
      Controls<kPracticeFormSize> controls;
      controls.Add(kPracticeHead);
      // The payment's counts in Frame4, how many of each banknote, a label above its box.
      for (int k = 0; k < static_cast<int>(kDenominations); ++k) {
        const int left = 120 + 1050 * k;
        controls.Add({.name = "Label2",
                      .index = k,
                      .container = "Frame4",
                      .text = kDenominationCaptions[k],
                      .place = {left, 300, 990, 360},
                      .colour = kMarkColour,
                      .align = Centre,
                      .labels = kText2Ids[k].view()});
        controls.Add({.name = "Text2",
                      .index = k,
                      .kind = TextBox,
                      .container = "Frame4",
                      .place = {left, 690, 990, 405},
                      .align = Centre,
                      .accessible_name = kCountNames[k].view(),
                      .limit = 3,
                      .digits = true});
      }
      // A way to split, in Frame5 under the sum: how many of each value, a label
      // before its box.
      for (int j = 0; j < static_cast<int>(kSplitValues); ++j) {
        const int left = 120 + 1470 * j;
        controls.Add({.name = "Label4",
                      .index = j,
                      .container = "Frame5",
                      .text = kWayCaptions[j].view(),
                      .place = {left, 780, 600, 405},
                      .colour = kMarkColour,
                      .align = Right,
                      .labels = kText4Ids[j].view()});
        controls.Add({.name = "Text4",
                      .index = j,
                      .kind = TextBox,
                      .container = "Frame5",
                      .place = {left + 600, 780, 750, 405},
                      .align = Centre,
                      .accessible_name = kWayNames[j].view(),
                      .limit = 2,
                      .digits = true});
      }
      controls.Add(kPracticeTail);
      return controls.list;
    }(),
    kPracticeFocusOrder);

// The page's reading order, as the window reads: the exercise, its range, the
// task, the answer's boxes, the buttons, the answer, and the tally or the ways
// found.
constexpr std::string_view kPracticeFormReadingOrder[] = {
    "Frame1",     "Frame2",     "Frame3",     "Label1_0", "Frame4",   "Frame5",
    "Command1_0", "Command1_1", "Command1_2", "Text1",    "Label1_1", "List1_0"};

}  // namespace

const FormLayout kPracticeForm = {"PracticeForm",
                                  {0, 0, 7785, 7200},
                                  kWindowColour,
                                  kPracticeFormControls,
                                  kPracticeFormReadingOrder};

}  // namespace banknotes
