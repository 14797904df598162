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
// align, tab index, accessible name, description, limit, read-only, labels.

// Above the frames' rows: the title and the two frames.
constexpr Control kMainFormHead[] = {
    {"Label1", 0, Label, "", "Математика - точна сума, разбиване", {1560, 0, 4335, 375}, kLabelColour, Centre, 0, "", "", 0, false, ""},
    {"Frame1", -1, Frame, "", "Вид купюр", {120, 240, 1335, 3015}, kWindowColour, Left, 1, "", "", 0, false, ""},
    {"Frame2", -1, Frame, "", "брой банкноти", {6000, 240, 1695, 3015}, kWindowColour, Left, 9, "", "", 0, false, ""},
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
    {"Text1", -1, Description, "", kDescription, {120, 3360, 7575, 2415}, kPlatforms, Left, 11, "Описание", "", 0, false, ""},
    {"Label1", 1, Label, "", "Сума за плащане:", {1560, 480, 1815, 405}, kLabelColour, Centre, 25, "", "", 0, false, "Text3_0"},
    {"Label1", 2, Label, "", "Обща сума:", {1560, 960, 1335, 405}, kLabelColour, Centre, 30, "", "", 0, false, "Text3_1"},
    {"Label1", 3, Label, "", "Сума за разбиване:", {1560, 1440, 2175, 405}, kLabelColour, Centre, 33, "", "", 0, false, "Text3_2"},
    {"Text3", 0, TextBox, "", "", {3360, 480, 975, 405}, kPlatforms, Centre, 26, "Сума за плащане", "", 4, false, ""},
    {"Text3", 1, TextBox, "", "", {2880, 960, 1455, 405}, kPlatforms, Centre, 29, "Обща сума", "", 0, true, ""},
    {"Command1", 0, Button, "", "Чисти", {4920, 960, 975, 375}, Rgb{255, 0, 0}, Centre, 27, "Чисти", "Изчиства всички полета, отметки и редове", 0, false, ""},
    {"Command1", 1, Button, "", "Въведи", {4920, 480, 975, 375}, Rgb{0, 255, 0}, Centre, 28, "Въведи", "Изплаща сумата с минимален брой банкноти и я добавя към общата сума", 0, false, ""},
    {"Command1", 2, Button, "", "Изведи", {4920, 1440, 975, 375}, Rgb{0, 192, 0}, Centre, 31, "Изведи", "Извежда всички начини за разбиване на сумата с 20, 10, 5, 2 и 1", 0, false, ""},
    {"List1", 0, ListBox, "", "", {1560, 1800, 4335, 1485}, kPlatforms, Left, 34, "Начини на разбиване", "", 0, false, ""},
    // Reaches a few pixels into the list, and stands over it.
    {"Text3", 2, TextBox, "", "", {3720, 1440, 615, 405}, kPlatforms, Centre, 32, "Сума за разбиване", "", 2, false, ""},
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
    controls[at++] = {"Check1", k, CheckBox, "Frame1", row.caption, {120, top, 1095, 375}, kMarkColour, Left, 2 + k, row.mark_name, "", 0, false, ""};
    controls[at++] = {"Label2", k, Label, "Frame2", row.count_caption, {120, top, 615, 405}, kMarkColour, Right, k == 0 ? 10 : 11 + 2 * k, "", "", 0, false, row.count_id};
    controls[at++] = {"Text2", k, TextBox, "Frame2", "", {720, top, 735, 405}, kPlatforms, Centre, 12 + 2 * k, row.count_name, "", 0, true, ""};
    // clang-format on
  }
  for (const Control& control : kMainFormTail) controls[at++] = control;
  return controls;
}

constexpr std::array<Control, kMainFormSize> kMainFormControls = MainFormControls();

}  // namespace

const FormLayout kMainForm = {"MainForm", {0, 0, 7785, 5850}, kWindowColour, 12, kMainFormControls};

}  // namespace banknotes
