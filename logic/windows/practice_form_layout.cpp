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
// its own, shown while it is chosen; the change shares the payment's.
constexpr Control kPracticeHead[] = {
    {.name = "Frame1",
     .kind = Frame,
     .text = "Упражнение",
     .place = {120, 120, 2280, 1470},
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
    {.name = "Option1",
     .index = 2,
     .kind = Option,
     .container = "Frame1",
     .text = "Ресто",
     .place = {120, 1050, 2040, 360},
     .colour = kMarkColour,
     .accessible_name = "Ресто"},
    // The payment's levels, two to a row; "до 10" and those with cents are the
    // newest, and keep the indexes after the three ranges that worksheets and
    // addresses name.
    {.name = "Frame2",
     .kind = Frame,
     .text = "Ниво",
     .place = {2520, 120, 5145, 1470},
     .colour = kWindowColour,
     .shown_with = "Option1_0"},
    {.name = "Option2",
     .index = 3,
     .kind = Option,
     .container = "Frame2",
     .text = "до 10",
     .place = {120, 300, 2400, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 10"},
    {.name = "Option2",
     .index = 0,
     .kind = Option,
     .container = "Frame2",
     .text = "до 100",
     .place = {2640, 300, 2385, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 100"},
    {.name = "Option2",
     .index = 1,
     .kind = Option,
     .container = "Frame2",
     .text = "до 1000",
     .place = {120, 690, 2400, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 1000"},
    {.name = "Option2",
     .index = 2,
     .kind = Option,
     .container = "Frame2",
     .text = "до 10 000",
     .place = {2640, 690, 2385, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 10 000"},
    {.name = "Option2",
     .index = 4,
     .kind = Option,
     .container = "Frame2",
     .text = "до 10 € с центове",
     .place = {120, 1065, 2400, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 10 € с центове"},
    {.name = "Option2",
     .index = 5,
     .kind = Option,
     .container = "Frame2",
     .text = "до 100 € с центове",
     .place = {2640, 1065, 2385, 360},
     .colour = kMarkColour,
     .accessible_name = "Суми до 100 € с центове"},
    {.name = "Frame3",
     .kind = Frame,
     .text = "Суми",
     .place = {2520, 120, 5145, 1470},
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
    {.name = "Frame8",
     .kind = Frame,
     .text = "Цени",
     .place = {2520, 120, 5145, 1470},
     .colour = kWindowColour,
     .shown_with = "Option1_2"},
    {.name = "Option4",
     .index = 0,
     .kind = Option,
     .container = "Frame8",
     .text = "до 10 €",
     .place = {120, 300, 2400, 360},
     .colour = kMarkColour,
     .accessible_name = "Цени до 10 €"},
    {.name = "Option4",
     .index = 1,
     .kind = Option,
     .container = "Frame8",
     .text = "до 100 €",
     .place = {2640, 300, 2385, 360},
     .colour = kMarkColour,
     .accessible_name = "Цени до 100 €"},
    {.name = "Label1",
     .index = 0,
     .place = {120, 1695, 7545, 630},
     .colour = kLabelColour,
     .align = Centre},
    // The wallet, one of each value to pay with, and the counter, what is paid
    // so far: the same payment as the counts under them, drawn.
    {.name = "Frame6",
     .kind = Frame,
     .text = "Портмоне",
     .place = {120, 2400, 7545, 1680},
     .colour = kWindowColour,
     .shown_with = "Option1_0 Option1_2"},
    {.name = "Frame7",
     .kind = Frame,
     .text = "Платено",
     .place = {120, 4140, 7545, 1530},
     .colour = kWindowColour,
     .shown_with = "Option1_0 Option1_2"},
    {.name = "Label5",
     .index = 0,
     .container = "Frame7",
     .place = {120, 270, 7305, 330},
     .colour = kWindowColour,
     .align = Centre},
    {.name = "List2",
     .index = 0,
     .kind = ListBox,
     .container = "Frame7",
     .place = {120, 660, 7305, 750},
     .accessible_name = "Платено",
     .description = "Enter или Delete връща в портмонето една от избрания ред",
     .drawn = true,
     .drops_on = "Frame6"},
    {.name = "Frame4",
     .kind = Frame,
     .text = "брой банкноти и монети",
     .place = {120, 5730, 7545, 1770},
     .colour = kWindowColour,
     .shown_with = "Option1_0 Option1_2"},
    {.name = "Frame5",
     .kind = Frame,
     .text = "Разбиване",
     .place = {120, 2400, 7545, 1290},
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
     .place = {120, 7560, 1800, 375},
     .colour = Rgb{0, 255, 0},
     .align = Centre,
     .accessible_name = "Провери",
     .description = "Проверява отговора"},
    {.name = "Command1",
     .index = 1,
     .kind = Button,
     .text = "Нова задача",
     .place = {2040, 7560, 1800, 375},
     .colour = Rgb{255, 255, 0},
     .align = Centre,
     .accessible_name = "Нова задача",
     .description = "Задава нова задача и изчиства отговора"},
    {.name = "Command1",
     .index = 2,
     .kind = Button,
     .text = "Покажи всички",
     .place = {3960, 7560, 1800, 375},
     .colour = Rgb{0, 192, 0},
     .align = Centre,
     .accessible_name = "Покажи всички",
     .description = "Показва начините, които още не са намерени",
     .shown_with = "Option1_1"},
    {.name = "Command1",
     .index = 4,
     .kind = Button,
     .text = "Подсказка",
     .place = {3960, 7560, 1800, 375},
     .colour = Rgb{255, 192, 255},
     .align = Centre,
     .accessible_name = "Подсказка",
     .description = "Казва колко банкноти и монети стигат, без да казва кои",
     .shown_with = "Option1_0 Option1_2"},
    // The page has a link of its own to the worksheets.
    {.name = "Command1",
     .index = 3,
     .kind = Button,
     .text = "Работен лист…",
     .place = {5880, 7560, 1785, 375},
     .colour = Rgb{192, 255, 255},
     .align = Centre,
     .accessible_name = "Работен лист…",
     .description = "Отваря работен лист със задачите от същия номер, за печат",
     .where = Where::Desktop},
    {.name = "Text1",
     .kind = Description,
     .place = {120, 8055, 7545, 900},
     .accessible_name = "Отговор",
     .read_only = true},
    // After a check of the right sum, the fewest drawn under the answer.
    {.name = "Label6",
     .index = 0,
     .text = "Най-малко:",
     .place = {120, 9060, 1500, 660},
     .colour = kMarkColour,
     .align = Centre,
     .labels = "List3_0",
     .shown_with = "Option1_0 Option1_2"},
    {.name = "List3",
     .index = 0,
     .kind = ListBox,
     .place = {1740, 9060, 5925, 660},
     .accessible_name = "Най-малко",
     .shown_with = "Option1_0 Option1_2",
     .drawn = true},
    {.name = "Command1",
     .index = 5,
     .kind = Button,
     .text = "Следващо ниво",
     .place = {5880, 9840, 1785, 405},
     .colour = Rgb{255, 255, 0},
     .align = Centre,
     .accessible_name = "Следващо ниво",
     .description = "След три задачи, решени вярно от първия път, дава по-големи суми",
     .shown_with = "Option1_0"},
    {.name = "Label1",
     .index = 1,
     .place = {120, 9840, 5640, 405},
     .colour = kLabelColour,
     .align = Centre,
     .shown_with = "Option1_0 Option1_2"},
    {.name = "List1",
     .index = 0,
     .kind = ListBox,
     .place = {120, 3810, 7545, 3690},
     .accessible_name = "Намерени начини",
     .shown_with = "Option1_1"},
};

constexpr std::size_t kPracticeFormSize =
    std::size(kPracticeHead) + 3 * kWalletValues + 2 * kSplitValues + std::size(kPracticeTail);

// The coins of cents, 50 first: how their boxes are captioned and named.
constexpr std::size_t kCoinsOfCents = kWalletValues - kDenominations;
constexpr std::string_view kCentCaptions[kCoinsOfCents] = {"0,50", "0,20", "0,10",
                                                           "0,05", "0,02", "0,01"};
constexpr std::string_view kCentNames[kCoinsOfCents] = {"50 цента", "20 цента", "10 цента",
                                                        "5 цента",  "2 цента",  "1 цент"};
constexpr auto kWalletPieceNames = [] {
  std::array<Text, kWalletValues> names{};
  for (std::size_t k = 0; k < kWalletValues; ++k)
    names[k] = k < kDenominations ? kWalletNames[k]
                                  : Joined({"Монета от ", kCentNames[k - kDenominations]});
  return names;
}();
constexpr auto kWalletCountNames = [] {
  std::array<Text, kWalletValues> names{};
  for (std::size_t k = 0; k < kWalletValues; ++k)
    names[k] = k < kDenominations ? kCountNames[k]
                                  : Joined({"Брой монети от ", kCentNames[k - kDenominations]});
  return names;
}();

// The wallet's notes in their real proportions, 8 twips a millimetre; its coins
// three times as large as that, so that their values read, side by side in a
// row: the notes and the euro's coins, and under them the coins of cents.
constexpr int kTwipsAMillimetre = 8;
constexpr int kWalletGap = 60;
constexpr std::array<Twips, kWalletValues> kWalletPlaces = [] {
  std::array<Twips, kWalletValues> places{};
  const auto row = [&places](std::size_t first, std::size_t end, int top, int height) {
    int widths = 0;
    for (std::size_t k = first; k < end; ++k) {
      const Piece& piece = kEuroPieces[2 + k];  // from 100 €
      const int scale = piece.kind == PieceKind::Coin ? 3 * kTwipsAMillimetre : kTwipsAMillimetre;
      places[k].width = static_cast<int>(piece.width_mm * scale + 0.5);
      places[k].height = static_cast<int>(piece.height_mm * scale + 0.5);
      widths += places[k].width + (k == first ? 0 : kWalletGap);
    }
    int left = 120 + (7305 - widths) / 2;
    for (std::size_t k = first; k < end; ++k) {
      places[k].left = left;
      places[k].top = top + (height - places[k].height) / 2;
      left += places[k].width + kWalletGap;
    }
  };
  const int notes = kTwipsAMillimetre * 77;  // the tallest, 100 €
  row(0, kDenominations, 300, notes);
  row(kDenominations, kWalletValues, 300 + notes + kWalletGap,
      static_cast<int>(kEuroPieces[2 + kDenominations].height_mm * 3 * kTwipsAMillimetre + 0.5));
  return places;
}();

// The order the focus takes, labels and frames in their places too, every
// control once: the table takes its tab indexes from it, so that a control
// added is one name here and renumbers nothing.
constexpr std::string_view kPracticeFocusOrder[] = {
    "Frame1",      "Option1_0",   "Option1_1",  "Option1_2",  "Frame2",     "Option2_3",
    "Option2_0",   "Option2_1",   "Option2_2",  "Option2_4",  "Option2_5",  "Frame3",
    "Option3_0",   "Option3_1",   "Frame8",     "Option4_0",  "Option4_1",  "Label1_0",
    "Frame6",      "Command2_0",  "Command2_1", "Command2_2", "Command2_3", "Command2_4",
    "Command2_5",  "Command2_6",  "Command2_7", "Command2_8", "Command2_9", "Command2_10",
    "Command2_11", "Command2_12", "Frame7",     "Label5_0",   "List2_0",    "Frame4",
    "Label2_0",    "Text2_0",     "Label2_1",   "Text2_1",    "Label2_2",   "Text2_2",
    "Label2_3",    "Text2_3",     "Label2_4",   "Text2_4",    "Label2_5",   "Text2_5",
    "Label2_6",    "Text2_6",     "Label2_7",   "Text2_7",    "Label2_8",   "Text2_8",
    "Label2_9",    "Text2_9",     "Label2_10",  "Text2_10",   "Label2_11",  "Text2_11",
    "Label2_12",   "Text2_12",    "Frame5",     "Label3_0",   "Text3_0",    "Label4_0",
    "Text4_0",     "Label4_1",    "Text4_1",    "Label4_2",   "Text4_2",    "Label4_3",
    "Text4_3",     "Label4_4",    "Text4_4",    "List1_0",    "Command1_0", "Command1_1",
    "Command1_4",  "Command1_2",  "Command1_3", "Text1",      "Label6_0",   "List3_0",
    "Label1_1",    "Command1_5",
};

// The coins of cents are counted in a row of their own, shown with the levels
// that pay with them and at the till.
constexpr std::string_view kWithCents = "Option2_4 Option2_5 Option1_2";

constexpr auto kPracticeFormControls = InFocusOrder(
    [] {
      Controls<kPracticeFormSize> controls;
      controls.Add(kPracticeHead);
      for (int k = 0; k < static_cast<int>(kWalletValues); ++k)
        controls.Add({.name = "Command2",
                      .index = k,
                      .kind = Button,
                      .container = "Frame6",
                      .place = kWalletPlaces[k],
                      .accessible_name = kWalletPieceNames[k].view(),
                      .description = "Добавя една към платеното",
                      .drawn = true,
                      .drops_on = "Frame7"});
      // The payment's counts in Frame4, how many of each banknote, a label above
      // its box; under them the coins of cents, a label before its box.
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
      for (int c = 0; c < static_cast<int>(kCoinsOfCents); ++c) {
        const int left = 120 + 1220 * c;
        const int k = static_cast<int>(kDenominations) + c;
        controls.Add({.name = "Label2",
                      .index = k,
                      .container = "Frame4",
                      .text = kCentCaptions[c],
                      .place = {left, 1215, 570, 405},
                      .colour = kMarkColour,
                      .align = Right,
                      .labels = kText2Ids[k].view(),
                      .shown_with = kWithCents});
        controls.Add({.name = "Text2",
                      .index = k,
                      .kind = TextBox,
                      .container = "Frame4",
                      .place = {left + 600, 1215, 570, 405},
                      .align = Centre,
                      .accessible_name = kWalletCountNames[k].view(),
                      .limit = 3,
                      .digits = true,
                      .shown_with = kWithCents});
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
// task, the wallet and what is paid, the answer's boxes, the ways found, the
// buttons, the answer, and the tally.
constexpr std::string_view kPracticeFormReadingOrder[] = {
    "Frame1", "Frame2",   "Frame3",  "Frame8",     "Label1_0",   "Frame6",     "Frame7",
    "Frame4", "Frame5",   "List1_0", "Command1_0", "Command1_1", "Command1_4", "Command1_2",
    "Text1",  "Label6_0", "List3_0", "Label1_1",   "Command1_5"};

}  // namespace

const FormLayout kPracticeForm = {"PracticeForm",
                                  {0, 0, 7785, 10365},
                                  kWindowColour,
                                  kPracticeFormControls,
                                  kPracticeFormReadingOrder};

}  // namespace banknotes
