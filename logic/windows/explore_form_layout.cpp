#include <iterator>

#include "logic/companions/explore.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/table_parts.h"

namespace banknotes {
namespace {

using namespace table;
using enum ControlKind;
using enum Align;

// ---- The exploring window.

// "Стойност 1" .. "Стойност 16", and "Брой в касата 1" ..
constexpr auto Numbered(const char* what) {
  std::array<Text, kMaxValues> names{};
  for (std::size_t k = 0; k < kMaxValues; ++k)
    names[k] = k + 1 < 10 ? Joined({what, kDigits[k + 1]})
                          : Joined({what, kDigits[(k + 1) / 10], kDigits[(k + 1) % 10]});
  return names;
}
constexpr auto kValueNames = Numbered("Стойност ");
constexpr auto kTillNames = Numbered("Брой в касата ");

// Under the values and the ready-made sets: the two sums and the button, what is
// wrong with the input, and the answers, each in a box of its own.
constexpr Control kExploreTail[] = {
    {.name = "Label2",
     .index = 0,
     .text = "Сума за плащане:",
     .place = {120, 4965, 1845, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text3_0"},
    {.name = "Text3",
     .index = 0,
     .kind = TextBox,
     .place = {2025, 4965, 900, 405},
     .align = Centre,
     .accessible_name = "Сума за плащане",
     .limit = 8},
    {.name = "Label2",
     .index = 1,
     .text = "Сума за разбиване:",
     .place = {3045, 4965, 2070, 405},
     .colour = kLabelColour,
     .align = Centre,
     .labels = "Text3_1"},
    {.name = "Text3",
     .index = 1,
     .kind = TextBox,
     .place = {5175, 4965, 900, 405},
     .align = Centre,
     .accessible_name = "Сума за разбиване",
     .limit = 8},
    {.name = "Command1",
     .index = 0,
     .kind = Button,
     .text = "Изчисли",
     .place = {6195, 4980, 1470, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .accessible_name = "Изчисли",
     .description = "Отговаря на трите въпроса за въведените стойности и суми"},
    {.name = "Label1",
     .index = 1,
     .place = {120, 5490, 7545, 405},
     .colour = kLabelColour,
     .align = Centre},
    // The three questions the window answers, each over its answer.
    {.name = "Label4",
     .index = 0,
     .text = "1. Дава ли алчният алгоритъм най-малко за сумата за плащане?",
     .place = {120, 5985, 7545, 330},
     .colour = kWindowColour},
    {.name = "Label1",
     .index = 0,
     .place = {120, 6375, 7545, 405},
     .colour = kLabelColour,
     .align = Centre},
    {.name = "Label3",
     .index = 0,
     .text = "Алчен алгоритъм",
     .place = {120, 6900, 3720, 360},
     .colour = kMarkColour,
     .align = Centre,
     .labels = "Text1"},
    {.name = "Text1",
     .kind = Description,
     .place = {120, 7260, 3720, 1455},
     .accessible_name = "Алчен алгоритъм",
     .read_only = true},
    {.name = "Label3",
     .index = 1,
     .text = "Най-малко",
     .place = {3945, 6900, 3720, 360},
     .colour = kMarkColour,
     .align = Centre,
     .labels = "Text2"},
    {.name = "Text2",
     .kind = Description,
     .place = {3945, 7260, 3720, 1455},
     .accessible_name = "Най-малко",
     .read_only = true},
    {.name = "Label4",
     .index = 1,
     .text = "2. Дава ли алчният алгоритъм най-малко за всяка сума?",
     .place = {120, 8835, 7545, 330},
     .colour = kWindowColour,
     .labels = "Text6"},
    {.name = "Text6",
     .kind = Description,
     .place = {120, 9225, 7545, 780},
     .accessible_name = "2. Дава ли алчният алгоритъм най-малко за всяка сума?",
     .read_only = true},
    {.name = "Label4",
     .index = 2,
     .text = "3. По колко начина се разбива сумата и колко работа иска това?",
     .place = {120, 10125, 7545, 330},
     .colour = kWindowColour,
     .labels = "Text7"},
    {.name = "Text7",
     .kind = Description,
     .place = {120, 10515, 7545, 1230},
     .accessible_name = "3. По колко начина се разбива сумата и колко работа иска това?",
     .read_only = true},
};

constexpr std::size_t kExploreFormSize =
    3 + 2 * kMaxValues + kExploreReadySets + std::size(kExploreTail);

// The order the focus takes, labels and frames in their places too, every
// control once: the table takes its tab indexes from it, so that a control
// added is one name here and renumbers nothing.
constexpr std::string_view kExploreFocusOrder[] = {
    "Frame1",    "Label5_0",  "Text5_0",    "Text8_0",   "Text5_1",   "Text8_1",  "Text5_2",
    "Text8_2",   "Text5_3",   "Text8_3",    "Text5_4",   "Text8_4",   "Text5_5",  "Text8_5",
    "Text5_6",   "Text8_6",   "Text5_7",    "Text8_7",   "Text5_8",   "Text8_8",  "Text5_9",
    "Text8_9",   "Text5_10",  "Text8_10",   "Text5_11",  "Text8_11",  "Text5_12", "Text8_12",
    "Text5_13",  "Text8_13",  "Text5_14",   "Text8_14",  "Text5_15",  "Text8_15", "Frame2",
    "Option1_0", "Option1_1", "Option1_2",  "Option1_3", "Option1_4", "Label2_0", "Text3_0",
    "Label2_1",  "Text3_1",   "Command1_0", "Label1_1",  "Label4_0",  "Label1_0", "Label3_0",
    "Text1",     "Label3_1",  "Text2",      "Label4_1",  "Text6",     "Label4_2", "Text7",
};

constexpr auto kExploreFormControls = InFocusOrder(
    [] {
      Controls<kExploreFormSize> controls;
      // Sixteen values in four rows of four, each with how many the till holds
      // beside it; then the ready-made sets, one a line. A value or an amount
      // may be written with cents ("3,88"), so its box takes any text and the
      // logic says what is wrong.
      controls.Add({.name = "Frame1",
                    .kind = Frame,
                    .text = "Стойности",
                    .place = {120, 120, 7545, 2580},
                    .colour = kWindowColour});
      controls.Add(
          {.name = "Label5",
           .index = 0,
           .container = "Frame1",
           .text = "До всяка стойност – колко има от нея в касата (празно: колкото трябва)",
           .place = {120, 270, 7305, 330},
           .colour = kWindowColour});
      for (int k = 0; k < static_cast<int>(kMaxValues); ++k) {
        const int left = 120 + (k % 4) * 1860, top = 660 + (k / 4) * 465;
        controls.Add({.name = "Text5",
                      .index = k,
                      .kind = TextBox,
                      .container = "Frame1",
                      .place = {left, top, 1050, 405},
                      .align = Centre,
                      .accessible_name = kValueNames[k].view(),
                      .limit = 8});
        controls.Add({.name = "Text8",
                      .index = k,
                      .kind = TextBox,
                      .container = "Frame1",
                      .place = {left + 1110, top, 630, 405},
                      .align = Centre,
                      .accessible_name = kTillNames[k].view(),
                      .limit = 3,
                      .digits = true});
      }
      controls.Add({.name = "Frame2",
                    .kind = Frame,
                    .text = "Готови набори",
                    .place = {120, 2820, 7545, 2025},
                    .colour = kWindowColour});
      for (int j = 0; j < static_cast<int>(kExploreReadySets); ++j) {
        const char* caption = j == kEuroCentsSet ? kEuroCentsCaption : kReadySetCaptions[j];
        controls.Add({.name = "Option1",
                      .index = j,
                      .kind = Option,
                      .container = "Frame2",
                      .text = caption,
                      .place = {120, 300 + j * 345, 7305, 330},
                      .colour = kMarkColour,
                      .accessible_name = caption});
      }
      controls.Add(kExploreTail);
      return controls.list;
    }(),
    kExploreFocusOrder);

// The page's reading order, as the window reads: the values, the ready-made
// sets, the sums and the button, what is wrong, and each question with its answer.
constexpr std::string_view kExploreFormReadingOrder[] = {
    "Frame1",     "Frame2",   "Label2_0", "Text3_0",  "Label2_1", "Text3_1",
    "Command1_0", "Label1_1", "Label4_0", "Label1_0", "Label3_0", "Text1",
    "Label3_1",   "Text2",    "Label4_1", "Text6",    "Label4_2", "Text7"};

}  // namespace

const FormLayout kExploreForm = {"ExploreForm",
                                 {0, 0, 7785, 11865},
                                 kWindowColour,
                                 kExploreFormControls,
                                 kExploreFormReadingOrder};

}  // namespace banknotes
