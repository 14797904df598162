#include <iterator>

#include "logic/form/description.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/table_parts.h"

namespace banknotes {
namespace {

using namespace table;
using enum ControlKind;
using enum Align;

// ---- The main window.

// Above the frames' rows: the title and the two frames.
constexpr Control kMainFormHead[] = {
    {.name = "Label1",
     .index = 0,
     .text = "Математика - точна сума, разбиване",
     .place = {1560, 0, 4335, 375},
     .colour = kLabelColour,
     .align = Centre},
    {.name = "Frame1",
     .kind = Frame,
     .text = "Вид купюр",
     .place = {120, 240, 1335, 3015},
     .colour = kWindowColour},
    {.name = "Frame2",
     .kind = Frame,
     .text = "брой банкноти",
     .place = {6000, 240, 1695, 3015},
     .colour = kWindowColour},
};

// Below and beside the frames.
constexpr Control kMainFormTail[] = {
    {.name = "Text1",
     .kind = Description,
     .text = kDescription,
     .place = {120, 3360, 7575, 2415},
     .accessible_name = "Описание"},
    {.name = "Label1",
     .index = 1,
     .text = "Сума за плащане:",
     .place = {1560, 480, 1815, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text3_0"},
    {.name = "Label1",
     .index = 2,
     .text = "Обща сума:",
     .place = {1560, 960, 1335, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text3_1"},
    {.name = "Label1",
     .index = 3,
     .text = "Сума за разбиване:",
     .place = {1560, 1440, 2175, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text3_2"},
    {.name = "Text3",
     .index = 0,
     .kind = TextBox,
     .place = {3360, 480, 975, 405},
     .align = Centre,
     .accessible_name = "Сума за плащане",
     .limit = 4},
    {.name = "Text3",
     .index = 1,
     .kind = TextBox,
     .place = {2880, 960, 1455, 405},
     .align = Centre,
     .accessible_name = "Обща сума",
     .read_only = true},
    {.name = "Command1",
     .index = 0,
     .kind = Button,
     .text = "Чисти",
     .place = {4920, 960, 975, 375},
     .colour = Rgb{255, 0, 0},
     .align = Centre,
     .accessible_name = "Чисти",
     .description = "Изчиства всички полета, отметки и редове"},
    {.name = "Command1",
     .index = 1,
     .kind = Button,
     .text = "Въведи",
     .place = {4920, 480, 975, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .accessible_name = "Въведи",
     .description = "Изплаща сумата с минимален брой банкноти и я добавя към общата сума"},
    {.name = "Command1",
     .index = 2,
     .kind = Button,
     .text = "Изведи",
     .place = {4920, 1440, 975, 375},
     .colour = Rgb{0, 192, 0},
     .align = Centre,
     .accessible_name = "Изведи",
     .description = "Извежда всички начини за разбиване на сумата с 20, 10, 5, 2 и 1"},
    {.name = "List1",
     .index = 0,
     .kind = ListBox,
     .place = {1560, 1800, 4335, 1485},
     .accessible_name = "Начини на разбиване"},
    // Reaches a few pixels into the list, and stands over it.
    {.name = "Text3",
     .index = 2,
     .kind = TextBox,
     .place = {3720, 1440, 615, 405},
     .align = Centre,
     .accessible_name = "Сума за разбиване",
     .limit = 2},
};

constexpr std::size_t kMainFormSize =
    std::size(kMainFormHead) + 3 * kDenominations + std::size(kMainFormTail);

// The order the focus takes, labels and frames in their places too, every
// control once: the table takes its tab indexes from it, so that a control
// added is one name here and renumbers nothing.
constexpr std::string_view kMainFocusOrder[] = {
    "Label1_0",   "Frame1",   "Check1_0", "Check1_1",   "Check1_2", "Check1_3", "Check1_4",
    "Check1_5",   "Check1_6", "Frame2",   "Label2_0",   "Text1",    "Text2_0",  "Label2_1",
    "Text2_1",    "Label2_2", "Text2_2",  "Label2_3",   "Text2_3",  "Label2_4", "Text2_4",
    "Label2_5",   "Text2_5",  "Label2_6", "Text2_6",    "Label1_1", "Text3_0",  "Command1_0",
    "Command1_1", "Text3_1",  "Label1_2", "Command1_2", "Text3_2",  "Label1_3", "List1_0",
};

constexpr auto kMainFormControls = InFocusOrder(
    [] {
      Controls<kMainFormSize> controls;
      controls.Add(kMainFormHead);
      // One row of the frames a denomination, 100 at the top: its mark in Frame1, its
      // count and the count's label in Frame2.
      for (int k = 0; k < static_cast<int>(kDenominations); ++k) {
        const int top = 360 + 360 * k;
        controls.Add({.name = "Check1",
                      .index = k,
                      .kind = CheckBox,
                      .container = "Frame1",
                      .text = kDenominationCaptions[k],
                      .place = {120, top, 1095, 375},
                      .colour = kMarkColour,
                      .accessible_name = kMarkNames[k].view()});
        controls.Add({.name = "Label2",
                      .index = k,
                      .container = "Frame2",
                      .text = kCountCaptions[k].view(),
                      .place = {120, top, 615, 405},
                      .colour = kMarkColour,
                      .align = Right,
                      .labels = kText2Ids[k].view()});
        controls.Add({.name = "Text2",
                      .index = k,
                      .kind = TextBox,
                      .container = "Frame2",
                      .place = {720, top, 735, 405},
                      .align = Centre,
                      .accessible_name = kCountNames[k].view(),
                      .read_only = true});
      }
      controls.Add(kMainFormTail);
      return controls.list;
    }(),
    kMainFocusOrder);

// The page's reading order: what a narrow screen shows first comes first, the
// amount and its button, then the total, the marks and counts, the splitting,
// and the description last. On a wide screen the controls stand at their
// places, in the window's tab order.
constexpr std::string_view kMainFormReadingOrder[] = {
    "Label1_0", "Label1_1", "Text3_0",  "Command1_1", "Label1_2",   "Text3_1", "Command1_0",
    "Frame1",   "Frame2",   "Label1_3", "Text3_2",    "Command1_2", "List1_0", "Text1"};

}  // namespace

const FormLayout kMainForm = {
    "MainForm", {0, 0, 7785, 5850}, kWindowColour, kMainFormControls, kMainFormReadingOrder};

}  // namespace banknotes
