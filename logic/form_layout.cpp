#include "logic/form_layout.h"

#include <array>
#include <iterator>

#include "logic/description.h"

namespace banknotes {
namespace {

constexpr Rgb kWindowColour{192, 192, 255};
constexpr Rgb kLabelColour{255, 192, 128};
constexpr Rgb kMarkColour{128, 128, 255};
constexpr std::optional<Rgb> kPlatforms;  // the platform's own colours

using enum ControlKind;
using enum Align;

// clang-format off
// Tables, one control a line: name, index, kind, container, text, place, colour,
// align, tab index, accessible name, description, limit, digits only, read-only,
// labels, shown with.

// Above the frames' rows: the title and the two frames.
constexpr Control kMainFormHead[] = {
    {"Label1", 0, Label, "", "Математика - точна сума, разбиване", {1560, 0, 4335, 375}, kLabelColour, Centre, 0, "", "", 0, false, false, "", ""},
    {"Frame1", -1, Frame, "", "Вид купюр", {120, 240, 1335, 3015}, kWindowColour, Left, 1, "", "", 0, false, false, "", ""},
    {"Frame2", -1, Frame, "", "брой банкноти", {6000, 240, 1695, 3015}, kWindowColour, Left, 9, "", "", 0, false, false, "", ""},
};

// One row of the frames a denomination, 100 at the top: its mark in Frame1, its
// count and the count's label in Frame2.
struct DenominationRow {
  std::string_view caption, count_caption, mark_name, count_name, count_id;
};
constexpr DenominationRow kDenominationRows[] = {
    {"100", "100* ", "Вид купюр 100", "брой банкноти 100", "Text2_0"},
    {"50", "50* ", "Вид купюр 50", "брой банкноти 50", "Text2_1"},
    {"20", "20* ", "Вид купюр 20", "брой банкноти 20", "Text2_2"},
    {"10", "10* ", "Вид купюр 10", "брой банкноти 10", "Text2_3"},
    {"5", "5* ", "Вид купюр 5", "брой банкноти 5", "Text2_4"},
    {"2", "2* ", "Вид купюр 2", "брой банкноти 2", "Text2_5"},
    {"1", "1* ", "Вид купюр 1", "брой банкноти 1", "Text2_6"},
};

// Below and beside the frames.
constexpr Control kMainFormTail[] = {
    {"Text1", -1, Description, "", kDescription, {120, 3360, 7575, 2415}, kPlatforms, Left, 11, "Описание", "", 0, false, false, "", ""},
    {"Label1", 1, Label, "", "Сума за плащане:", {1560, 480, 1815, 405}, kLabelColour, Centre, 25, "", "", 0, false, false, "Text3_0", ""},
    {"Label1", 2, Label, "", "Обща сума:", {1560, 960, 1335, 405}, kLabelColour, Centre, 30, "", "", 0, false, false, "Text3_1", ""},
    {"Label1", 3, Label, "", "Сума за разбиване:", {1560, 1440, 2175, 405}, kLabelColour, Centre, 33, "", "", 0, false, false, "Text3_2", ""},
    {"Text3", 0, TextBox, "", "", {3360, 480, 975, 405}, kPlatforms, Centre, 26, "Сума за плащане", "", 4, false, false, "", ""},
    {"Text3", 1, TextBox, "", "", {2880, 960, 1455, 405}, kPlatforms, Centre, 29, "Обща сума", "", 0, false, true, "", ""},
    {"Command1", 0, Button, "", "Чисти", {4920, 960, 975, 375}, Rgb{255, 0, 0}, Centre, 27, "Чисти", "Изчиства всички полета, отметки и редове", 0, false, false, "", ""},
    {"Command1", 1, Button, "", "Въведи", {4920, 480, 975, 375}, Rgb{0, 255, 0}, Centre, 28, "Въведи", "Изплаща сумата с минимален брой банкноти и я добавя към общата сума", 0, false, false, "", ""},
    {"Command1", 2, Button, "", "Изведи", {4920, 1440, 975, 375}, Rgb{0, 192, 0}, Centre, 31, "Изведи", "Извежда всички начини за разбиване на сумата с 20, 10, 5, 2 и 1", 0, false, false, "", ""},
    {"List1", 0, ListBox, "", "", {1560, 1800, 4335, 1485}, kPlatforms, Left, 34, "Начини на разбиване", "", 0, false, false, "", ""},
    // Reaches a few pixels into the list, and stands over it.
    {"Text3", 2, TextBox, "", "", {3720, 1440, 615, 405}, kPlatforms, Centre, 32, "Сума за разбиване", "", 2, false, false, "", ""},
};

// clang-format on

constexpr std::size_t kMainFormSize =
    std::size(kMainFormHead) + 3 * std::size(kDenominationRows) + std::size(kMainFormTail);

// In the order the window stacks them: where two overlap, the later one is on top.
constexpr std::array<Control, kMainFormSize> MainFormControls() {
  std::array<Control, kMainFormSize> controls{};
  std::size_t at = 0;
  for (const Control& control : kMainFormHead) controls[at++] = control;
  for (int k = 0; k < static_cast<int>(std::size(kDenominationRows)); ++k) {
    const DenominationRow& row = kDenominationRows[k];
    const int top = 360 + 360 * k;
    // clang-format off
    controls[at++] = {"Check1", k, CheckBox, "Frame1", row.caption, {120, top, 1095, 375}, kMarkColour, Left, 2 + k, row.mark_name, "", 0, false, false, "", ""};
    controls[at++] = {"Label2", k, Label, "Frame2", row.count_caption, {120, top, 615, 405}, kMarkColour, Right, k == 0 ? 10 : 11 + 2 * k, "", "", 0, false, false, row.count_id, ""};
    controls[at++] = {"Text2", k, TextBox, "Frame2", "", {720, top, 735, 405}, kPlatforms, Centre, 12 + 2 * k, row.count_name, "", 0, false, true, "", ""};
    // clang-format on
  }
  for (const Control& control : kMainFormTail) controls[at++] = control;
  return controls;
}

constexpr std::array<Control, kMainFormSize> kMainFormControls = MainFormControls();

// clang-format off
// Above the answer: the exercise and its range, the task, and the pupil's answer,
// the payment's counts or a way to split the sum, each exercise's in a frame of
// its own, shown while it is chosen.
constexpr Control kPracticeHead[] = {
    {"Frame1", -1, Frame, "", "Упражнение", {120, 120, 2280, 1095}, kWindowColour, Left, 0, "", "", 0, false, false, "", ""},
    {"Option1", 0, Option, "Frame1", "Плащане", {120, 300, 2040, 360}, kMarkColour, Left, 1, "Плащане", "", 0, false, false, "", ""},
    {"Option1", 1, Option, "Frame1", "Разбиване", {120, 675, 2040, 360}, kMarkColour, Left, 2, "Разбиване", "", 0, false, false, "", ""},
    {"Frame2", -1, Frame, "", "Суми", {2520, 120, 5145, 1095}, kWindowColour, Left, 3, "", "", 0, false, false, "", "Option1_0"},
    {"Option2", 0, Option, "Frame2", "до 100", {120, 300, 1500, 360}, kMarkColour, Left, 4, "Суми до 100", "", 0, false, false, "", ""},
    {"Option2", 1, Option, "Frame2", "до 1000", {1740, 300, 1500, 360}, kMarkColour, Left, 5, "Суми до 1000", "", 0, false, false, "", ""},
    {"Option2", 2, Option, "Frame2", "до 10 000", {3360, 300, 1665, 360}, kMarkColour, Left, 6, "Суми до 10 000", "", 0, false, false, "", ""},
    {"Frame3", -1, Frame, "", "Суми", {2520, 120, 5145, 1095}, kWindowColour, Left, 7, "", "", 0, false, false, "", "Option1_1"},
    {"Option3", 0, Option, "Frame3", "от 5 до 10", {120, 300, 2400, 360}, kMarkColour, Left, 8, "Суми от 5 до 10", "", 0, false, false, "", ""},
    {"Option3", 1, Option, "Frame3", "от 11 до 20", {2640, 300, 2400, 360}, kMarkColour, Left, 9, "Суми от 11 до 20", "", 0, false, false, "", ""},
    {"Label1", 0, Label, "", "", {120, 1320, 7545, 405}, kLabelColour, Centre, 10, "", "", 0, false, false, "", ""},
    {"Frame4", -1, Frame, "", "брой банкноти", {120, 1800, 7545, 1290}, kWindowColour, Left, 11, "", "", 0, false, false, "", "Option1_0"},
    {"Frame5", -1, Frame, "", "Разбиване", {120, 1800, 7545, 1290}, kWindowColour, Left, 26, "", "", 0, false, false, "", "Option1_1"},
    {"Label3", 0, Label, "Frame5", "Сума за разбиване:", {120, 300, 2175, 405}, kLabelColour, Centre, 27, "", "", 0, false, false, "Text3_0", ""},
    {"Text3", 0, TextBox, "Frame5", "", {2415, 300, 615, 405}, kPlatforms, Centre, 28, "Сума за разбиване", "", 2, false, false, "", ""},
};

// A column of counts: its label and its box.
struct CountColumn {
  std::string_view caption, box_name, box_id;
};
// The payment's, in Frame4: how many of each banknote, the label above its box.
constexpr CountColumn kBanknoteColumns[] = {
    {"100", "брой банкноти 100", "Text2_0"}, {"50", "брой банкноти 50", "Text2_1"},
    {"20", "брой банкноти 20", "Text2_2"}, {"10", "брой банкноти 10", "Text2_3"},
    {"5", "брой банкноти 5", "Text2_4"}, {"2", "брой банкноти 2", "Text2_5"},
    {"1", "брой банкноти 1", "Text2_6"},
};
// A way to split, in Frame5 under the sum: how many of each value, the label
// before its box.
constexpr CountColumn kWayColumns[] = {
    {"20* ", "брой по 20", "Text4_0"}, {"10* ", "брой по 10", "Text4_1"},
    {"5* ", "брой по 5", "Text4_2"}, {"2* ", "брой по 2", "Text4_3"},
    {"1* ", "брой по 1", "Text4_4"},
};

// The buttons, the answer, and under it the tally or the ways found.
constexpr Control kPracticeTail[] = {
    {"Command1", 0, Button, "", "Провери", {120, 3225, 1950, 375}, Rgb{0, 255, 0}, Centre, 39, "Провери", "Проверява отговора", 0, false, false, "", ""},
    {"Command1", 1, Button, "", "Нова задача", {2190, 3225, 1950, 375}, Rgb{255, 255, 0}, Centre, 40, "Нова задача", "Задава нова задача и изчиства отговора", 0, false, false, "", ""},
    {"Command1", 2, Button, "", "Покажи всички", {4260, 3225, 1950, 375}, Rgb{0, 192, 0}, Centre, 41, "Покажи всички", "Показва начините, които още не са намерени", 0, false, false, "", "Option1_1"},
    {"Text1", -1, Description, "", "", {120, 3720, 7545, 1650}, kPlatforms, Left, 42, "Отговор", "", 0, false, true, "", ""},
    {"Label1", 1, Label, "", "", {120, 5490, 7545, 405}, kLabelColour, Centre, 43, "", "", 0, false, false, "", "Option1_0"},
    {"List1", 0, ListBox, "", "", {120, 5490, 7545, 1560}, kPlatforms, Left, 44, "Намерени начини", "", 0, false, false, "", "Option1_1"},
};
// clang-format on

constexpr std::size_t kPracticeFormSize = std::size(kPracticeHead) +
                                          2 * std::size(kBanknoteColumns) +
                                          2 * std::size(kWayColumns) + std::size(kPracticeTail);

constexpr std::array<Control, kPracticeFormSize> PracticeFormControls() {
  std::array<Control, kPracticeFormSize> controls{};
  std::size_t at = 0;
  for (const Control& control : kPracticeHead) controls[at++] = control;
  for (int k = 0; k < static_cast<int>(std::size(kBanknoteColumns)); ++k) {
    const CountColumn& column = kBanknoteColumns[k];
    const int left = 120 + 1050 * k;
    // clang-format off
    controls[at++] = {"Label2", k, Label, "Frame4", column.caption, {left, 300, 990, 360}, kMarkColour, Centre, 12 + 2 * k, "", "", 0, false, false, column.box_id, ""};
    controls[at++] = {"Text2", k, TextBox, "Frame4", "", {left, 690, 990, 405}, kPlatforms, Centre, 13 + 2 * k, column.box_name, "", 3, true, false, "", ""};
    // clang-format on
  }
  for (int j = 0; j < static_cast<int>(std::size(kWayColumns)); ++j) {
    const CountColumn& column = kWayColumns[j];
    const int left = 120 + 1470 * j;
    // clang-format off
    controls[at++] = {"Label4", j, Label, "Frame5", column.caption, {left, 780, 600, 405}, kMarkColour, Right, 29 + 2 * j, "", "", 0, false, false, column.box_id, ""};
    controls[at++] = {"Text4", j, TextBox, "Frame5", "", {left + 600, 780, 750, 405}, kPlatforms, Centre, 30 + 2 * j, column.box_name, "", 2, true, false, "", ""};
    // clang-format on
  }
  for (const Control& control : kPracticeTail) controls[at++] = control;
  return controls;
}

constexpr std::array<Control, kPracticeFormSize> kPracticeFormControls = PracticeFormControls();

}  // namespace

const FormLayout kMainForm = {"MainForm", {0, 0, 7785, 5850}, kWindowColour, 12, kMainFormControls};
const FormLayout kPracticeForm = {
    "PracticeForm", {0, 0, 7785, 7200}, kWindowColour, 12, kPracticeFormControls};

}  // namespace banknotes
