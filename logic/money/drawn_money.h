#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace banknotes {

// The euro's notes and coins as this program draws them: one list of what each
// is (its value, kind, colours and real size), and the drawing of each as a few
// shapes that the desktop paints and the page writes as SVG. Stylised: a shape
// in the right proportions, the colour, the value written large and the word
// for the money; nothing of a real note's design. The value is always written,
// so that grey print and a pupil who cannot tell the colours read it too. What
// a pupil pays with them is the practice's.

struct Colour {
  std::uint8_t red, green, blue;
  friend bool operator==(const Colour&, const Colour&) = default;
};

enum class PieceKind { Banknote, Coin };

struct Piece {
  std::int64_t cents;  // 10000 for 100 €
  PieceKind kind;
  Colour colour;  // a note's; a coin's, its ring's where it has two metals
  Colour centre;  // a coin's centre; the same as `colour` for one metal
  double width_mm;
  double height_mm;  // a coin's diameter, as its width
};

// So many of one note or coin, as a heap of them is drawn.
struct Heap {
  std::int64_t cents = 0;
  std::int64_t count = 0;
  friend bool operator==(const Heap&, const Heap&) = default;
};

// Light enough that black letters read on every one, and told apart by their
// hue: grey, red, blue, orange, green, yellow-brown and purple notes.
inline constexpr Colour kCopper{214, 146, 104};
inline constexpr Colour kGold{232, 200, 96};
inline constexpr Colour kSilver{208, 210, 216};

// Every note and coin, 500 € first, 1 cent last.
inline constexpr Piece kEuroPieces[] = {
    {50000, PieceKind::Banknote, {208, 176, 228}, {208, 176, 228}, 160, 82},
    {20000, PieceKind::Banknote, {232, 208, 144}, {232, 208, 144}, 153, 77},
    {10000, PieceKind::Banknote, {164, 218, 164}, {164, 218, 164}, 147, 77},
    {5000, PieceKind::Banknote, {250, 194, 136}, {250, 194, 136}, 140, 77},
    {2000, PieceKind::Banknote, {166, 196, 242}, {166, 196, 242}, 133, 72},
    {1000, PieceKind::Banknote, {242, 166, 166}, {242, 166, 166}, 127, 67},
    {500, PieceKind::Banknote, {204, 204, 204}, {204, 204, 204}, 120, 62},
    {200, PieceKind::Coin, kSilver, kGold, 25.75, 25.75},
    {100, PieceKind::Coin, kGold, kSilver, 23.25, 23.25},
    {50, PieceKind::Coin, kGold, kGold, 24.25, 24.25},
    {20, PieceKind::Coin, kGold, kGold, 22.25, 22.25},
    {10, PieceKind::Coin, kGold, kGold, 19.75, 19.75},
    {5, PieceKind::Coin, kCopper, kCopper, 21.25, 21.25},
    {2, PieceKind::Coin, kCopper, kCopper, 18.75, 18.75},
    {1, PieceKind::Coin, kCopper, kCopper, 16.25, 16.25},
};

// The note or coin of a value, or none.
const Piece* FindPiece(std::int64_t cents);
// What a screen reader calls it: "Банкнота от 100 €", "Монета от 2 €",
// "Монета от 50 цента", "Монета от 1 цент".
std::string PieceName(const Piece& piece);

// One shape of a drawing, in millimetres from the piece's top left corner, or in
// a picture's own units from its top left corner.
struct Shape {
  enum Kind { Box, Round, Words, Line } kind;
  double x = 0, y = 0, width = 0, height = 0;  // Words: x, y is the middle of the line's base
  double corner = 0;                           // a box's rounded corners
  Colour fill{};
  Colour line{};
  double line_width = 0;  // none: no line
  std::string words = {};
  double size = 0;  // the font's size, its em
  bool bold = false;
  // Words: their start (-1), middle (0) or end (1) at x.
  int anchor = 0;
  // A line: its points, x and y in turn; dashed or whole.
  std::vector<double> points = {};
  bool dashed = false;

  friend bool operator==(const Shape&, const Shape&) = default;
};
std::vector<Shape> Drawing(const Piece& piece);

// A drawing of the program's own (a chart), `width` by `height` units, its
// shapes painted as a note's are; empty, nothing is drawn.
struct Picture {
  double width = 0, height = 0;
  std::vector<Shape> shapes;
  friend bool operator==(const Picture&, const Picture&) = default;
};
// The picture as an SVG element that fills its place, hidden from screen
// readers: what it shows is said beside it.
std::string PictureSvg(const Picture& picture);

// The drawing as an SVG element of its own, `height` CSS pixels high, named for
// screen readers by the piece's name.
std::string Svg(const Piece& piece, double height);
// The drawings of the pieces worth `cents` (every one: none given) as symbols
// of one hidden SVG, "money-10000" for 100 €, for a page to write once and show
// anywhere with <use>.
std::string SvgSymbols(const std::vector<std::int64_t>& cents = {});

}  // namespace banknotes
