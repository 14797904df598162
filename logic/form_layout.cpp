#include "logic/form_layout.h"

#include <array>
#include <initializer_list>
#include <iterator>

#include "logic/description.h"
#include "logic/explore.h"
#include "logic/form_state.h"
#include "logic/practice.h"
#include "logic/worksheet.h"

namespace banknotes {
namespace {

constexpr Rgb kWindowColour{192, 192, 255};
constexpr Rgb kLabelColour{255, 192, 128};
constexpr Rgb kMarkColour{128, 128, 255};

using enum ControlKind;
using enum Align;

// ---- Texts made from others at compile time, kept for the program's life.

// A short text of its own storage.
struct Text {
  char chars[48]{};
  std::size_t size = 0;
  constexpr std::string_view view() const { return {chars, size}; }
};
constexpr Text Joined(std::initializer_list<std::string_view> pieces) {
  Text joined;
  for (const std::string_view piece : pieces)
    for (const char c : piece) joined.chars[joined.size++] = c;
  return joined;
}
constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// One text for each of `captions`: prefix, caption, suffix.
template <std::size_t N>
constexpr std::array<Text, N> Each(std::string_view prefix,
                                   const std::array<const char*, N>& captions,
                                   std::string_view suffix = "") {
  std::array<Text, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = Joined({prefix, captions[i], suffix});
  return texts;
}
// "Text2_0" .. for a control array of N.
template <std::size_t N>
constexpr std::array<Text, N> Ids(std::string_view name) {
  std::array<Text, N> ids{};
  for (std::size_t i = 0; i < N; ++i) ids[i] = Joined({name, "_", kDigits[i]});
  return ids;
}

// The denominations, 100 first, and the values a sum is split into, 20 first.
constexpr auto kSplitCaptions = [] {
  std::array<const char*, kSplitValues> captions{};
  for (std::size_t i = 0; i < kSplitValues; ++i)
    captions[i] = kDenominationCaptions[kDenominations - kSplitValues + i];
  return captions;
}();

constexpr auto kMarkNames = Each("Вид купюр ", kDenominationCaptions);
constexpr auto kCountNames = Each("брой банкноти ", kDenominationCaptions);
constexpr auto kCountCaptions = Each("", kDenominationCaptions, "* ");
constexpr auto kWayNames = Each("брой по ", kSplitCaptions);
constexpr auto kWayCaptions = Each("", kSplitCaptions, "* ");
constexpr auto kText2Ids = Ids<kDenominations>("Text2");
constexpr auto kText4Ids = Ids<kSplitValues>("Text4");

// A window's controls gathered in the order the window stacks them: where two
// overlap, the later one is on top.
template <std::size_t N>
struct Controls {
  std::array<Control, N> list{};
  std::size_t size = 0;
  constexpr void Add(const Control& control) { list[size++] = control; }
  template <std::size_t M>
  constexpr void Add(const Control (&controls)[M]) {
    for (const Control& control : controls) Add(control);
  }
};

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
     .colour = kWindowColour,
     .tab_index = 1},
    {.name = "Frame2",
     .kind = Frame,
     .text = "брой банкноти",
     .place = {6000, 240, 1695, 3015},
     .colour = kWindowColour,
     .tab_index = 9},
};

// Below and beside the frames.
constexpr Control kMainFormTail[] = {
    {.name = "Text1",
     .kind = Description,
     .text = kDescription,
     .place = {120, 3360, 7575, 2415},
     .tab_index = 11,
     .accessible_name = "Описание"},
    {.name = "Label1",
     .index = 1,
     .text = "Сума за плащане:",
     .place = {1560, 480, 1815, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 25,
     .labels = "Text3_0"},
    {.name = "Label1",
     .index = 2,
     .text = "Обща сума:",
     .place = {1560, 960, 1335, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 30,
     .labels = "Text3_1"},
    {.name = "Label1",
     .index = 3,
     .text = "Сума за разбиване:",
     .place = {1560, 1440, 2175, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 33,
     .labels = "Text3_2"},
    {.name = "Text3",
     .index = 0,
     .kind = TextBox,
     .place = {3360, 480, 975, 405},
     .align = Centre,
     .tab_index = 26,
     .accessible_name = "Сума за плащане",
     .limit = 4},
    {.name = "Text3",
     .index = 1,
     .kind = TextBox,
     .place = {2880, 960, 1455, 405},
     .align = Centre,
     .tab_index = 29,
     .accessible_name = "Обща сума",
     .read_only = true},
    {.name = "Command1",
     .index = 0,
     .kind = Button,
     .text = "Чисти",
     .place = {4920, 960, 975, 375},
     .colour = Rgb{255, 0, 0},
     .align = Centre,
     .tab_index = 27,
     .accessible_name = "Чисти",
     .description = "Изчиства всички полета, отметки и редове"},
    {.name = "Command1",
     .index = 1,
     .kind = Button,
     .text = "Въведи",
     .place = {4920, 480, 975, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .tab_index = 28,
     .accessible_name = "Въведи",
     .description = "Изплаща сумата с минимален брой банкноти и я добавя към общата сума"},
    {.name = "Command1",
     .index = 2,
     .kind = Button,
     .text = "Изведи",
     .place = {4920, 1440, 975, 375},
     .colour = Rgb{0, 192, 0},
     .align = Centre,
     .tab_index = 31,
     .accessible_name = "Изведи",
     .description = "Извежда всички начини за разбиване на сумата с 20, 10, 5, 2 и 1"},
    {.name = "List1",
     .index = 0,
     .kind = ListBox,
     .place = {1560, 1800, 4335, 1485},
     .tab_index = 34,
     .accessible_name = "Начини на разбиване"},
    // Reaches a few pixels into the list, and stands over it.
    {.name = "Text3",
     .index = 2,
     .kind = TextBox,
     .place = {3720, 1440, 615, 405},
     .align = Centre,
     .tab_index = 32,
     .accessible_name = "Сума за разбиване",
     .limit = 2},
};

constexpr std::size_t kMainFormSize =
    std::size(kMainFormHead) + 3 * kDenominations + std::size(kMainFormTail);

constexpr auto kMainFormControls = [] {
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
                  .tab_index = 2 + k,
                  .accessible_name = kMarkNames[k].view()});
    controls.Add({.name = "Label2",
                  .index = k,
                  .container = "Frame2",
                  .text = kCountCaptions[k].view(),
                  .place = {120, top, 615, 405},
                  .colour = kMarkColour,
                  .align = Right,
                  .tab_index = k == 0 ? 10 : 11 + 2 * k,
                  .labels = kText2Ids[k].view()});
    controls.Add({.name = "Text2",
                  .index = k,
                  .kind = TextBox,
                  .container = "Frame2",
                  .place = {720, top, 735, 405},
                  .align = Centre,
                  .tab_index = 12 + 2 * k,
                  .accessible_name = kCountNames[k].view(),
                  .read_only = true});
  }
  controls.Add(kMainFormTail);
  return controls.list;
}();

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
     .tab_index = 1,
     .accessible_name = "Плащане"},
    {.name = "Option1",
     .index = 1,
     .kind = Option,
     .container = "Frame1",
     .text = "Разбиване",
     .place = {120, 675, 2040, 360},
     .colour = kMarkColour,
     .tab_index = 2,
     .accessible_name = "Разбиване"},
    {.name = "Frame2",
     .kind = Frame,
     .text = "Суми",
     .place = {2520, 120, 5145, 1095},
     .colour = kWindowColour,
     .tab_index = 3,
     .shown_with = "Option1_0"},
    {.name = "Option2",
     .index = 0,
     .kind = Option,
     .container = "Frame2",
     .text = "до 100",
     .place = {120, 300, 1500, 360},
     .colour = kMarkColour,
     .tab_index = 4,
     .accessible_name = "Суми до 100"},
    {.name = "Option2",
     .index = 1,
     .kind = Option,
     .container = "Frame2",
     .text = "до 1000",
     .place = {1740, 300, 1500, 360},
     .colour = kMarkColour,
     .tab_index = 5,
     .accessible_name = "Суми до 1000"},
    {.name = "Option2",
     .index = 2,
     .kind = Option,
     .container = "Frame2",
     .text = "до 10 000",
     .place = {3360, 300, 1665, 360},
     .colour = kMarkColour,
     .tab_index = 6,
     .accessible_name = "Суми до 10 000"},
    {.name = "Frame3",
     .kind = Frame,
     .text = "Суми",
     .place = {2520, 120, 5145, 1095},
     .colour = kWindowColour,
     .tab_index = 7,
     .shown_with = "Option1_1"},
    {.name = "Option3",
     .index = 0,
     .kind = Option,
     .container = "Frame3",
     .text = "от 5 до 10",
     .place = {120, 300, 2400, 360},
     .colour = kMarkColour,
     .tab_index = 8,
     .accessible_name = "Суми от 5 до 10"},
    {.name = "Option3",
     .index = 1,
     .kind = Option,
     .container = "Frame3",
     .text = "от 11 до 20",
     .place = {2640, 300, 2400, 360},
     .colour = kMarkColour,
     .tab_index = 9,
     .accessible_name = "Суми от 11 до 20"},
    {.name = "Label1",
     .index = 0,
     .place = {120, 1320, 7545, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 10},
    {.name = "Frame4",
     .kind = Frame,
     .text = "брой банкноти",
     .place = {120, 1800, 7545, 1290},
     .colour = kWindowColour,
     .tab_index = 11,
     .shown_with = "Option1_0"},
    {.name = "Frame5",
     .kind = Frame,
     .text = "Разбиване",
     .place = {120, 1800, 7545, 1290},
     .colour = kWindowColour,
     .tab_index = 26,
     .shown_with = "Option1_1"},
    {.name = "Label3",
     .index = 0,
     .container = "Frame5",
     .text = "Сума за разбиване:",
     .place = {120, 300, 2175, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 27,
     .labels = "Text3_0"},
    {.name = "Text3",
     .index = 0,
     .kind = TextBox,
     .container = "Frame5",
     .place = {2415, 300, 615, 405},
     .align = Centre,
     .tab_index = 28,
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
     .tab_index = 39,
     .accessible_name = "Провери",
     .description = "Проверява отговора"},
    {.name = "Command1",
     .index = 1,
     .kind = Button,
     .text = "Нова задача",
     .place = {2040, 3225, 1800, 375},
     .colour = Rgb{255, 255, 0},
     .align = Centre,
     .tab_index = 40,
     .accessible_name = "Нова задача",
     .description = "Задава нова задача и изчиства отговора"},
    {.name = "Command1",
     .index = 2,
     .kind = Button,
     .text = "Покажи всички",
     .place = {3960, 3225, 1800, 375},
     .colour = Rgb{0, 192, 0},
     .align = Centre,
     .tab_index = 41,
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
     .tab_index = 42,
     .accessible_name = "Работен лист…",
     .description = "Отваря работен лист със задачите от същия номер, за печат",
     .where = Where::Desktop},
    {.name = "Text1",
     .kind = Description,
     .place = {120, 3720, 7545, 1650},
     .tab_index = 43,
     .accessible_name = "Отговор",
     .read_only = true},
    {.name = "Label1",
     .index = 1,
     .place = {120, 5490, 7545, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 44,
     .shown_with = "Option1_0"},
    {.name = "List1",
     .index = 0,
     .kind = ListBox,
     .place = {120, 5490, 7545, 1560},
     .tab_index = 45,
     .accessible_name = "Намерени начини",
     .shown_with = "Option1_1"},
};

constexpr std::size_t kPracticeFormSize =
    std::size(kPracticeHead) + 2 * kDenominations + 2 * kSplitValues + std::size(kPracticeTail);

constexpr auto kPracticeFormControls = [] {
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
                  .tab_index = 12 + 2 * k,
                  .labels = kText2Ids[k].view()});
    controls.Add({.name = "Text2",
                  .index = k,
                  .kind = TextBox,
                  .container = "Frame4",
                  .place = {left, 690, 990, 405},
                  .align = Centre,
                  .tab_index = 13 + 2 * k,
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
                  .tab_index = 29 + 2 * j,
                  .labels = kText4Ids[j].view()});
    controls.Add({.name = "Text4",
                  .index = j,
                  .kind = TextBox,
                  .container = "Frame5",
                  .place = {left + 600, 780, 750, 405},
                  .align = Centre,
                  .tab_index = 30 + 2 * j,
                  .accessible_name = kWayNames[j].view(),
                  .limit = 2,
                  .digits = true});
  }
  controls.Add(kPracticeTail);
  return controls.list;
}();

// ---- The exploring window.

constexpr auto kValueNames = [] {
  std::array<Text, kMaxValues> names{};
  for (std::size_t k = 0; k < kMaxValues; ++k)
    names[k] = k + 1 < 10 ? Joined({"Стойност ", kDigits[k + 1]}) : Joined({"Стойност 10"});
  return names;
}();

// Under the values and the ready-made sets: the two sums and the button, what is
// wrong with the input, and the answers, each in a box of its own.
constexpr Control kExploreTail[] = {
    {.name = "Label2",
     .index = 0,
     .text = "Сума за плащане:",
     .place = {120, 3330, 1845, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 16,
     .labels = "Text3_0"},
    {.name = "Text3",
     .index = 0,
     .kind = TextBox,
     .place = {2025, 3330, 900, 405},
     .align = Centre,
     .tab_index = 17,
     .accessible_name = "Сума за плащане",
     .limit = 5,
     .digits = true},
    {.name = "Label2",
     .index = 1,
     .text = "Сума за разбиване:",
     .place = {3045, 3330, 2070, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 18,
     .labels = "Text3_1"},
    {.name = "Text3",
     .index = 1,
     .kind = TextBox,
     .place = {5175, 3330, 900, 405},
     .align = Centre,
     .tab_index = 19,
     .accessible_name = "Сума за разбиване",
     .limit = 5,
     .digits = true},
    {.name = "Command1",
     .index = 0,
     .kind = Button,
     .text = "Изчисли",
     .place = {6195, 3345, 1470, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .tab_index = 20,
     .accessible_name = "Изчисли",
     .description = "Отговаря на трите въпроса за въведените стойности и суми"},
    {.name = "Label1",
     .index = 1,
     .place = {120, 3855, 7545, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 21},
    {.name = "Label1",
     .index = 0,
     .place = {120, 4380, 7545, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 22},
    {.name = "Label3",
     .index = 0,
     .text = "Най-големите първо",
     .place = {120, 4905, 3720, 360},
     .colour = kMarkColour,
     .align = Centre,
     .tab_index = 23,
     .labels = "Text1"},
    {.name = "Text1",
     .kind = Description,
     .place = {120, 5265, 3720, 1455},
     .tab_index = 24,
     .accessible_name = "Най-големите първо",
     .read_only = true},
    {.name = "Label3",
     .index = 1,
     .text = "Най-малко",
     .place = {3945, 4905, 3720, 360},
     .colour = kMarkColour,
     .align = Centre,
     .tab_index = 25,
     .labels = "Text2"},
    {.name = "Text2",
     .kind = Description,
     .place = {3945, 5265, 3720, 1455},
     .tab_index = 26,
     .accessible_name = "Най-малко",
     .read_only = true},
    {.name = "Text6",
     .kind = Description,
     .place = {120, 6840, 7545, 780},
     .tab_index = 27,
     .accessible_name = "Винаги ли дават най-малко",
     .read_only = true},
    {.name = "Text7",
     .kind = Description,
     .place = {120, 7740, 7545, 1230},
     .tab_index = 28,
     .accessible_name = "Начини и работа",
     .read_only = true},
};

constexpr std::size_t kExploreFormSize = 2 + kMaxValues + kReadySets + std::size(kExploreTail);

constexpr auto kExploreFormControls = [] {
  Controls<kExploreFormSize> controls;
  // Ten values in two rows of five, then the ready-made sets, one a line.
  controls.Add({.name = "Frame1",
                .kind = Frame,
                .text = "Стойности",
                .place = {120, 120, 7545, 1290},
                .colour = kWindowColour});
  for (int k = 0; k < static_cast<int>(kMaxValues); ++k)
    controls.Add({.name = "Text5",
                  .index = k,
                  .kind = TextBox,
                  .container = "Frame1",
                  .place = {120 + (k % 5) * 1470, 300 + (k / 5) * 465, 1350, 405},
                  .align = Centre,
                  .tab_index = 1 + k,
                  .accessible_name = kValueNames[k].view(),
                  .limit = 5,
                  .digits = true});
  controls.Add({.name = "Frame2",
                .kind = Frame,
                .text = "Готови набори",
                .place = {120, 1530, 7545, 1680},
                .colour = kWindowColour,
                .tab_index = 11});
  for (int j = 0; j < static_cast<int>(kReadySets); ++j)
    controls.Add({.name = "Option1",
                  .index = j,
                  .kind = Option,
                  .container = "Frame2",
                  .text = kReadySetCaptions[j],
                  .place = {120, 300 + j * 345, 7305, 330},
                  .colour = kMarkColour,
                  .tab_index = 12 + j,
                  .accessible_name = kReadySetCaptions[j]});
  controls.Add(kExploreTail);
  return controls.list;
}();

// ---- The worksheet's choices.

// A caption and its box on one line, a frame of options beside it.
constexpr Control kWorksheetHead[] = {
    {.name = "Label1",
     .index = 0,
     .text = "Номер на листа:",
     .place = {120, 120, 2400, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 0,
     .labels = "Text1_0"},
    {.name = "Text1",
     .index = 0,
     .kind = TextBox,
     .text = kFirstSheetNumber,
     .place = {2640, 120, 1800, 405},
     .align = Centre,
     .tab_index = 1,
     .accessible_name = "Номер на листа",
     .limit = 10,
     .digits = true},
    {.name = "Label1",
     .index = 1,
     .text = "Задачи за плащане:",
     .place = {120, 705, 2400, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 2,
     .labels = "Text1_1"},
    {.name = "Text1",
     .index = 1,
     .kind = TextBox,
     .text = kFirstPayments,
     .place = {2640, 705, 600, 405},
     .align = Centre,
     .tab_index = 3,
     .accessible_name = "Задачи за плащане",
     .limit = 2,
     .digits = true},
    {.name = "Frame1",
     .kind = Frame,
     .text = "Суми за плащане",
     .place = {3360, 585, 4305, 645},
     .colour = kWindowColour,
     .tab_index = 4},
    {.name = "Option1",
     .index = 0,
     .kind = Option,
     .container = "Frame1",
     .text = "до 100",
     .place = {120, 240, 1260, 330},
     .colour = kMarkColour,
     .tab_index = 5,
     .accessible_name = "Суми за плащане до 100"},
    {.name = "Option1",
     .index = 1,
     .kind = Option,
     .container = "Frame1",
     .text = "до 1000",
     .place = {1440, 240, 1260, 330},
     .colour = kMarkColour,
     .tab_index = 6,
     .accessible_name = "Суми за плащане до 1000"},
    {.name = "Option1",
     .index = 2,
     .kind = Option,
     .container = "Frame1",
     .text = "до 10 000",
     .place = {2760, 240, 1425, 330},
     .colour = kMarkColour,
     .tab_index = 7,
     .accessible_name = "Суми за плащане до 10 000"},
    {.name = "Label1",
     .index = 2,
     .text = "Задачи за разбиване:",
     .place = {120, 1350, 2400, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 8,
     .labels = "Text1_2"},
    {.name = "Text1",
     .index = 2,
     .kind = TextBox,
     .text = kFirstSplits,
     .place = {2640, 1350, 600, 405},
     .align = Centre,
     .tab_index = 9,
     .accessible_name = "Задачи за разбиване",
     .limit = 2,
     .digits = true},
    {.name = "Frame2",
     .kind = Frame,
     .text = "Суми за разбиване",
     .place = {3360, 1230, 4305, 645},
     .colour = kWindowColour,
     .tab_index = 10},
    {.name = "Option2",
     .index = 0,
     .kind = Option,
     .container = "Frame2",
     .text = "от 5 до 10",
     .place = {120, 240, 2010, 330},
     .colour = kMarkColour,
     .tab_index = 11,
     .accessible_name = "Суми за разбиване от 5 до 10"},
    {.name = "Option2",
     .index = 1,
     .kind = Option,
     .container = "Frame2",
     .text = "от 11 до 20",
     .place = {2190, 240, 1995, 330},
     .colour = kMarkColour,
     .tab_index = 12,
     .accessible_name = "Суми за разбиване от 11 до 20"},
    {.name = "Label1",
     .index = 3,
     .text = "Задачи за най-големите първо:",
     .place = {120, 1995, 3240, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 13,
     .labels = "Text1_3"},
    {.name = "Text1",
     .index = 3,
     .kind = TextBox,
     .text = kFirstExplorations,
     .place = {3480, 1995, 600, 405},
     .align = Centre,
     .tab_index = 14,
     .accessible_name = "Задачи за най-големите първо",
     .limit = 2,
     .digits = true},
    {.name = "Frame3",
     .kind = Frame,
     .text = "Стойности за най-големите първо",
     .place = {120, 2520, 7545, 1680},
     .colour = kWindowColour,
     .tab_index = 15},
};

// What is wrong with the choices, and what is done with the sheet: printed or
// saved on the desktop, printed by the browser on the page.
constexpr Control kWorksheetTail[] = {
    {.name = "Label1",
     .index = 4,
     .place = {120, 4320, 7545, 405},
     .colour = kLabelColour,
     .align = Centre,
     .tab_index = 20},
    {.name = "Command1",
     .index = 0,
     .kind = Button,
     .text = "Печат…",
     .place = {120, 4845, 2400, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .tab_index = 21,
     .accessible_name = "Печат…",
     .description = "Отпечатва листа и отговорите му",
     .where = Where::Desktop},
    {.name = "Command1",
     .index = 1,
     .kind = Button,
     .text = "Запис като PDF…",
     .place = {2640, 4845, 2400, 375},
     .colour = Rgb{0, 192, 0},
     .align = Centre,
     .tab_index = 22,
     .accessible_name = "Запис като PDF…",
     .description = "Записва листа и отговорите му в PDF файл",
     .where = Where::Desktop},
    {.name = "Command1",
     .index = 2,
     .kind = Button,
     .text = "Печат",
     .place = {120, 4845, 2400, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .tab_index = 23,
     .accessible_name = "Печат",
     .description = "Отпечатва листа и отговорите му",
     .where = Where::Page},
};

constexpr std::size_t kWorksheetFormSize =
    std::size(kWorksheetHead) + kReadySets + std::size(kWorksheetTail);

constexpr auto kWorksheetFormControls = [] {
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
                  .tab_index = 16 + j,
                  .accessible_name = kReadySetCaptions[j]});
  controls.Add(kWorksheetTail);
  return controls.list;
}();

}  // namespace

std::string ControlId(const Control& control) {
  std::string id(control.name);
  if (control.index != kOwn) id.append("_").append(std::to_string(control.index));
  return id;
}

const Control* FindControl(const FormLayout& layout, std::string_view id) {
  for (const Control& control : layout.controls)
    if (ControlId(control) == id) return &control;
  return nullptr;
}

const Control& FirstFocus(const FormLayout& layout) {
  const Control* first = nullptr;
  for (const Control& control : layout.controls)
    if (TakesFocus(control.kind) && (!first || control.tab_index < first->tab_index))
      first = &control;
  return *first;
}

const FormLayout kMainForm = {"MainForm", {0, 0, 7785, 5850}, kWindowColour, kMainFormControls};
const FormLayout kPracticeForm = {
    "PracticeForm", {0, 0, 7785, 7200}, kWindowColour, kPracticeFormControls};
const FormLayout kExploreForm = {
    "ExploreForm", {0, 0, 7785, 9090}, kWindowColour, kExploreFormControls};
const FormLayout kWorksheetForm = {
    "WorksheetForm", {0, 0, 7785, 5340}, kWindowColour, kWorksheetFormControls};

}  // namespace banknotes
