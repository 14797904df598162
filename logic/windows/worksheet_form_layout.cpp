#include <iterator>

#include "logic/companions/worksheet.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/table_parts.h"

namespace banknotes {
namespace {

using namespace table;
using enum ControlKind;
using enum Align;

// ---- The worksheet's choices.

// A caption and its box on one line, a frame of options beside it.
constexpr Control kWorksheetHead[] = {
    {.name = "Label1",
     .index = 0,
     .text = "Номер на листа:",
     .place = {120, 120, 2400, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text1_0"},
    {.name = "Text1",
     .index = 0,
     .kind = TextBox,
     .text = kFirstSheetNumber,
     .place = {2640, 120, 1800, 405},
     .align = Centre,
     .accessible_name = "Номер на листа",
     .limit = 10,
     .digits = true},
    {.name = "Label1",
     .index = 1,
     .text = "Задачи за плащане:",
     .place = {120, 705, 2400, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text1_1"},
    {.name = "Text1",
     .index = 1,
     .kind = TextBox,
     .text = kFirstPayments,
     .place = {2640, 705, 600, 405},
     .align = Centre,
     .accessible_name = "Задачи за плащане",
     .limit = 2,
     .digits = true},
    {.name = "Frame1",
     .kind = Frame,
     .text = "Суми за плащане",
     .place = {3360, 585, 4305, 645},
     .colour = kWindowColour},
    {.name = "Option1",
     .index = 0,
     .kind = Option,
     .container = "Frame1",
     .text = "до 100",
     .place = {120, 240, 1260, 330},
     .colour = kMarkColour,
     .accessible_name = "Суми за плащане до 100"},
    {.name = "Option1",
     .index = 1,
     .kind = Option,
     .container = "Frame1",
     .text = "до 1000",
     .place = {1440, 240, 1260, 330},
     .colour = kMarkColour,
     .accessible_name = "Суми за плащане до 1000"},
    {.name = "Option1",
     .index = 2,
     .kind = Option,
     .container = "Frame1",
     .text = "до 10 000",
     .place = {2760, 240, 1425, 330},
     .colour = kMarkColour,
     .accessible_name = "Суми за плащане до 10 000"},
    {.name = "Label1",
     .index = 2,
     .text = "Задачи за разбиване:",
     .place = {120, 1350, 2400, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text1_2"},
    {.name = "Text1",
     .index = 2,
     .kind = TextBox,
     .text = kFirstSplits,
     .place = {2640, 1350, 600, 405},
     .align = Centre,
     .accessible_name = "Задачи за разбиване",
     .limit = 2,
     .digits = true},
    {.name = "Frame2",
     .kind = Frame,
     .text = "Суми за разбиване",
     .place = {3360, 1230, 4305, 645},
     .colour = kWindowColour},
    {.name = "Option2",
     .index = 0,
     .kind = Option,
     .container = "Frame2",
     .text = "от 5 до 10",
     .place = {120, 240, 2010, 330},
     .colour = kMarkColour,
     .accessible_name = "Суми за разбиване от 5 до 10"},
    {.name = "Option2",
     .index = 1,
     .kind = Option,
     .container = "Frame2",
     .text = "от 11 до 20",
     .place = {2190, 240, 1995, 330},
     .colour = kMarkColour,
     .accessible_name = "Суми за разбиване от 11 до 20"},
    {.name = "Label1",
     .index = 3,
     .text = "Задачи за алчния алгоритъм:",
     .place = {120, 1995, 3240, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text1_3"},
    {.name = "Text1",
     .index = 3,
     .kind = TextBox,
     .text = kFirstExplorations,
     .place = {3480, 1995, 600, 405},
     .align = Centre,
     .accessible_name = "Задачи за алчния алгоритъм",
     .limit = 2,
     .digits = true},
    {.name = "Frame3",
     .kind = Frame,
     .text = "Стойности за алчния алгоритъм",
     .place = {120, 2520, 7545, 1680},
     .colour = kWindowColour},
};

// How many handfuls to count; what is wrong with the choices, and what is done
// with the sheet: printed or saved on the desktop, printed by the browser on the
// page.
constexpr Control kWorksheetTail[] = {
    {.name = "Label1",
     .index = 5,
     .text = "Задачи „Колко пари има тук?“:",
     .place = {120, 4320, 3840, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text1_4"},
    {.name = "Text1",
     .index = 4,
     .kind = TextBox,
     .text = kFirstCounting,
     .place = {4080, 4320, 600, 405},
     .align = Centre,
     .accessible_name = "Задачи „Колко пари има тук?“",
     .limit = 2,
     .digits = true},
    {.name = "Label1",
     .index = 6,
     .text = "Задачи за ресто:",
     .place = {120, 4905, 3840, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text1_5"},
    {.name = "Text1",
     .index = 5,
     .kind = TextBox,
     .text = kFirstChanges,
     .place = {4080, 4905, 600, 405},
     .align = Centre,
     .accessible_name = "Задачи за ресто",
     .limit = 2,
     .digits = true},
    {.name = "Label1",
     .index = 4,
     .place = {120, 5490, 7545, 405},
     .colour = kLabelColour,
     .align = Centre},
    {.name = "Command1",
     .index = 0,
     .kind = Button,
     .text = "Печат…",
     .place = {120, 6015, 2400, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .accessible_name = "Печат…",
     .description = "Отпечатва листа и отговорите му",
     .where = Where::Desktop},
    {.name = "Command1",
     .index = 1,
     .kind = Button,
     .text = "Запис като PDF…",
     .place = {2640, 6015, 2400, 375},
     .colour = Rgb{0, 192, 0},
     .align = Centre,
     .accessible_name = "Запис като PDF…",
     .description = "Записва листа и отговорите му в PDF файл",
     .where = Where::Desktop},
    {.name = "Command1",
     .index = 2,
     .kind = Button,
     .text = "Печат",
     .place = {120, 6015, 2400, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .accessible_name = "Печат",
     .description = "Отпечатва листа и отговорите му",
     .where = Where::Page},
};

constexpr std::size_t kWorksheetFormSize =
    std::size(kWorksheetHead) + kReadySets + std::size(kWorksheetTail);

// The order the focus takes, labels and frames in their places too, every
// control once: the table takes its tab indexes from it, so that a control
// added is one name here and renumbers nothing.
constexpr std::string_view kWorksheetFocusOrder[] = {
    "Label1_0",  "Text1_0",  "Label1_1",  "Text1_1",   "Frame1",     "Option1_0",  "Option1_1",
    "Option1_2", "Label1_2", "Text1_2",   "Frame2",    "Option2_0",  "Option2_1",  "Label1_3",
    "Text1_3",   "Frame3",   "Option3_0", "Option3_1", "Option3_2",  "Option3_3",  "Label1_5",
    "Text1_4",   "Label1_6", "Text1_5",   "Label1_4",  "Command1_0", "Command1_1", "Command1_2",
};

constexpr auto kWorksheetFormControls = InFocusOrder(
    [] {
      Controls<kWorksheetFormSize> controls;
      controls.Add(kWorksheetHead);
      for (int j = 0; j < static_cast<int>(kReadySets); ++j)
        controls.Add({.name = "Option3",
                      .index = j,
                      .kind = Option,
                      .container = "Frame3",
                      .text = kReadySetCaptions[j],
                      .place = {120, 300 + j * 345, 7305, 330},
                      .colour = kMarkColour,
                      .accessible_name = kReadySetCaptions[j]});
      controls.Add(kWorksheetTail);
      return controls.list;
    }(),
    kWorksheetFocusOrder);

// The page's reading order: the choices as their dialog reads, the sheet after
// them.
constexpr std::string_view kWorksheetFormReadingOrder[] = {
    "Label1_0", "Text1_0",  "Label1_1", "Text1_1",  "Frame1",    "Label1_2",
    "Text1_2",  "Frame2",   "Label1_3", "Text1_3",  "Frame3",    "Label1_5",
    "Text1_4",  "Label1_6", "Text1_5",  "Label1_4", "Command1_2"};

}  // namespace

const FormLayout kWorksheetForm = {"WorksheetForm",
                                   {0, 0, 7785, 6510},
                                   kWindowColour,
                                   kWorksheetFormControls,
                                   kWorksheetFormReadingOrder};

}  // namespace banknotes
