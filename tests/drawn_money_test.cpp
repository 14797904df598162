// The euro's notes and coins as the program draws them: the list, the names
// screen readers say, and the drawing's shapes and SVG.
#include "logic/money/drawn_money.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace banknotes {
namespace {

TEST(DrawnMoney, EveryNoteAndCoinOnceWithItsKindAndSize) {
  const struct {
    std::int64_t cents;
    PieceKind kind;
    double width_mm, height_mm;
  } rows[] = {
      {50000, PieceKind::Banknote, 160, 82}, {20000, PieceKind::Banknote, 153, 77},
      {10000, PieceKind::Banknote, 147, 77}, {5000, PieceKind::Banknote, 140, 77},
      {2000, PieceKind::Banknote, 133, 72},  {1000, PieceKind::Banknote, 127, 67},
      {500, PieceKind::Banknote, 120, 62},   {200, PieceKind::Coin, 25.75, 25.75},
      {100, PieceKind::Coin, 23.25, 23.25},  {50, PieceKind::Coin, 24.25, 24.25},
      {20, PieceKind::Coin, 22.25, 22.25},   {10, PieceKind::Coin, 19.75, 19.75},
      {5, PieceKind::Coin, 21.25, 21.25},    {2, PieceKind::Coin, 18.75, 18.75},
      {1, PieceKind::Coin, 16.25, 16.25},
  };
  ASSERT_EQ(std::size(kEuroPieces), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].cents);
    const Piece* piece = FindPiece(rows[i].cents);
    ASSERT_EQ(piece, &kEuroPieces[i]);  // in order, largest first
    EXPECT_EQ(piece->kind, rows[i].kind);
    EXPECT_DOUBLE_EQ(piece->width_mm, rows[i].width_mm);
    EXPECT_DOUBLE_EQ(piece->height_mm, rows[i].height_mm);
  }
  EXPECT_EQ(FindPiece(300), nullptr);
  EXPECT_EQ(FindPiece(0), nullptr);
}

TEST(DrawnMoney, NotesDifferInColourAndCoinsAreOfTheirMetals) {
  std::set<std::tuple<int, int, int>> colours;
  for (const Piece& piece : kEuroPieces)
    if (piece.kind == PieceKind::Banknote)
      colours.insert({piece.colour.red, piece.colour.green, piece.colour.blue});
  EXPECT_EQ(colours.size(), 7u);
  // Two metals: 1 € silver inside gold, 2 € gold inside silver; the rest one.
  EXPECT_EQ(FindPiece(100)->colour, kGold);
  EXPECT_EQ(FindPiece(100)->centre, kSilver);
  EXPECT_EQ(FindPiece(200)->colour, kSilver);
  EXPECT_EQ(FindPiece(200)->centre, kGold);
  for (const std::int64_t cents : {1, 2, 5}) EXPECT_EQ(FindPiece(cents)->colour, kCopper);
  for (const std::int64_t cents : {10, 20, 50}) EXPECT_EQ(FindPiece(cents)->colour, kGold);
}

TEST(DrawnMoney, NamesSayTheKindAndTheValue) {
  const struct {
    std::int64_t cents;
    const char* name;
  } rows[] = {{50000, "Банкнота от 500\u00a0€"},
              {500, "Банкнота от 5\u00a0€"},
              {200, "Монета от 2\u00a0€"},
              {100, "Монета от 1\u00a0€"},
              {50, "Монета от 50 цента"},
              {2, "Монета от 2 цента"},
              {1, "Монета от 1 цент"}};
  for (const auto& row : rows) EXPECT_EQ(PieceName(*FindPiece(row.cents)), row.name);
}

// Colour is never the only sign: every drawing writes its value and its money,
// inside the piece.
TEST(DrawnMoney, EveryDrawingWritesItsValueInside) {
  for (const Piece& piece : kEuroPieces) {
    SCOPED_TRACE(piece.cents);
    const std::string value = std::to_string(piece.cents >= 100 ? piece.cents / 100 : piece.cents);
    bool value_written = false, money_written = false;
    for (const Shape& shape : Drawing(piece)) {
      EXPECT_GE(shape.x, 0);
      EXPECT_LE(shape.x + shape.width, piece.width_mm);
      EXPECT_LE(shape.y + shape.height, piece.height_mm);
      value_written = value_written || (shape.kind == Shape::Words && shape.words == value);
      money_written =
          money_written || shape.words == "ЕВРО" || shape.words == "ЦЕНТА" || shape.words == "ЦЕНТ";
    }
    EXPECT_TRUE(value_written);
    EXPECT_TRUE(money_written);
  }
}

TEST(DrawnMoney, SvgIsNamedAndInProportion) {
  const std::string svg = Svg(*FindPiece(10000), 77);
  EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
  EXPECT_NE(svg.find("role=\"img\" aria-label=\"Банкнота от 100\u00a0€\""), std::string::npos);
  EXPECT_NE(svg.find("width=\"147\" height=\"77\" viewBox=\"0 0 147 77\""), std::string::npos);
  EXPECT_NE(svg.find(">100</text>"), std::string::npos);
  EXPECT_NE(svg.find(">EURO</text>"), std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 6), "</svg>");
  // A two-metal coin draws its centre over its ring.
  const std::string coin = Svg(*FindPiece(200), 40);
  EXPECT_EQ(coin.find("<ellipse", coin.find("<ellipse") + 1) != std::string::npos, true);
  EXPECT_NE(coin.find("fill=\"#e8c860\""), std::string::npos);  // gold, the centre
}

}  // namespace
}  // namespace banknotes
