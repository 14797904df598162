#include "logic/money/drawn_money.h"

#include <algorithm>
#include <cstdio>

#include "logic/money/number_text.h"

namespace banknotes {
namespace {

constexpr Colour kInk{24, 24, 24};

// The same hue, dark enough for an edge that shows on white paper and on the window.
Colour Darker(Colour colour) {
  return {static_cast<std::uint8_t>(colour.red / 2), static_cast<std::uint8_t>(colour.green / 2),
          static_cast<std::uint8_t>(colour.blue / 2)};
}
Colour Paler(Colour colour) {
  const auto half_way = [](std::uint8_t c) { return static_cast<std::uint8_t>((c + 255) / 2); };
  return {half_way(colour.red), half_way(colour.green), half_way(colour.blue)};
}

bool InEuro(const Piece& piece) { return piece.cents >= 100; }
std::string ValueText(const Piece& piece) {
  return Quantity(InEuro(piece) ? piece.cents / 100 : piece.cents);
}

std::string Hex(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string number = text;
  while (number.back() == '0') number.pop_back();
  if (number.back() == '.') number.pop_back();
  return number;
}
std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '<')
      escaped += "&lt;";
    else if (c == '&')
      escaped += "&amp;";
    else if (c == '"')
      escaped += "&quot;";
    else
      escaped += c;
  }
  return escaped;
}

}  // namespace

const Piece* FindPiece(std::int64_t cents) {
  const auto found = std::find_if(std::begin(kEuroPieces), std::end(kEuroPieces),
                                  [&](const Piece& piece) { return piece.cents == cents; });
  return found == std::end(kEuroPieces) ? nullptr : &*found;
}

std::string PieceName(const Piece& piece) {
  const std::string kind = piece.kind == PieceKind::Banknote ? "Банкнота от " : "Монета от ";
  if (InEuro(piece)) return kind + ValueText(piece) + "\u00a0€";
  return kind + Counted(piece.cents, Noun::Cent);
}

std::vector<Shape> Drawing(const Piece& piece) {
  const double w = piece.width_mm;
  const double h = piece.height_mm;
  const std::string value = ValueText(piece);
  if (piece.kind == PieceKind::Banknote) {
    return {
        {.kind = Shape::Box,
         .x = 0.6,
         .y = 0.6,
         .width = w - 1.2,
         .height = h - 1.2,
         .corner = 3,
         .fill = piece.colour,
         .line = Darker(piece.colour),
         .line_width = 1.2},
        // A paler panel on the right, where a real note has its window.
        {.kind = Shape::Box,
         .x = w * 0.66,
         .y = h * 0.12,
         .width = w * 0.27,
         .height = h * 0.76,
         .corner = 2,
         .fill = Paler(piece.colour)},
        {.kind = Shape::Words,
         .x = w * 0.33,
         .y = h * 0.6,
         .fill = kInk,
         .words = value,
         .size = h * 0.46,
         .bold = true},
        {.kind = Shape::Words,
         .x = w * 0.33,
         .y = h * 0.85,
         .fill = kInk,
         .words = "ЕВРО",
         .size = h * 0.16},
        {.kind = Shape::Words,
         .x = w * 0.795,
         .y = h * 0.4,
         .fill = kInk,
         .words = value,
         .size = h * 0.2,
         .bold = true},
        {.kind = Shape::Words,
         .x = w * 0.795,
         .y = h * 0.7,
         .fill = kInk,
         .words = "EURO",
         .size = h * 0.14},
    };
  }
  std::vector<Shape> shapes = {{.kind = Shape::Round,
                                .x = w * 0.03,
                                .y = h * 0.03,
                                .width = w * 0.94,
                                .height = h * 0.94,
                                .fill = piece.colour,
                                .line = Darker(piece.colour),
                                .line_width = w * 0.04}};
  if (piece.centre != piece.colour)
    shapes.push_back({.kind = Shape::Round,
                      .x = w * 0.17,
                      .y = h * 0.17,
                      .width = w * 0.66,
                      .height = h * 0.66,
                      .fill = piece.centre,
                      .line = Darker(piece.centre),
                      .line_width = w * 0.015});
  shapes.push_back({.kind = Shape::Words,
                    .x = w / 2,
                    .y = h * 0.58,
                    .fill = kInk,
                    .words = value,
                    .size = h * (value.size() > 1 ? 0.36 : 0.42),
                    .bold = true});
  shapes.push_back({.kind = Shape::Words,
                    .x = w / 2,
                    .y = h * 0.76,
                    .fill = kInk,
                    .words = InEuro(piece)      ? "ЕВРО"
                             : piece.cents == 1 ? "ЦЕНТ"
                                                : "ЦЕНТА",
                    .size = h * 0.13});
  return shapes;
}

namespace {

std::string ViewBox(const Piece& piece) {
  return "viewBox=\"0 0 " + Number(piece.width_mm) + " " + Number(piece.height_mm) + "\"";
}

// The drawing's shapes as SVG elements.
std::string SvgShapes(const std::vector<Shape>& shapes) {
  std::string svg;
  for (const Shape& shape : shapes) {
    const std::string paint =
        " fill=\"" + Hex(shape.fill) + "\"" +
        (shape.line_width > 0 ? " stroke=\"" + Hex(shape.line) + "\" stroke-width=\"" +
                                    Number(shape.line_width) + "\""
                              : "");
    switch (shape.kind) {
      case Shape::Box:
        svg += "<rect x=\"" + Number(shape.x) + "\" y=\"" + Number(shape.y) + "\" width=\"" +
               Number(shape.width) + "\" height=\"" + Number(shape.height) + "\" rx=\"" +
               Number(shape.corner) + "\"" + paint + "/>";
        break;
      case Shape::Round:
        svg += "<ellipse cx=\"" + Number(shape.x + shape.width / 2) + "\" cy=\"" +
               Number(shape.y + shape.height / 2) + "\" rx=\"" + Number(shape.width / 2) +
               "\" ry=\"" + Number(shape.height / 2) + "\"" + paint + "/>";
        break;
      case Shape::Line: {
        std::string points;
        for (std::size_t i = 0; i + 1 < shape.points.size(); i += 2)
          points.append(i ? " " : "")
              .append(Number(shape.points[i]))
              .append(",")
              .append(Number(shape.points[i + 1]));
        svg += "<polyline points=\"" + points + "\" fill=\"none\" stroke=\"" + Hex(shape.line) +
               "\" stroke-width=\"" + Number(shape.line_width) + "\"" +
               (shape.dashed ? " stroke-dasharray=\"" + Number(shape.line_width * 4) + "\"" : "") +
               "/>";
        break;
      }
      case Shape::Words:
        svg += "<text x=\"" + Number(shape.x) + "\" y=\"" + Number(shape.y) + "\" text-anchor=\"" +
               (shape.anchor < 0   ? "start"
                : shape.anchor > 0 ? "end"
                                   : "middle") +
               "\" font-size=\"" + Number(shape.size) + "\"" +
               (shape.bold ? " font-weight=\"bold\"" : "") + paint + ">" + Escaped(shape.words) +
               "</text>";
        break;
    }
  }
  return svg;
}

}  // namespace

std::string Svg(const Piece& piece, double height) {
  const double width = height * piece.width_mm / piece.height_mm;
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" aria-label=\"" +
         Escaped(PieceName(piece)) + "\" width=\"" + Number(width) + "\" height=\"" +
         Number(height) + "\" " + ViewBox(piece) + ">" + SvgShapes(Drawing(piece)) + "</svg>";
}

std::string PictureSvg(const Picture& picture) {
  if (picture.shapes.empty()) return {};
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" aria-hidden=\"true\" viewBox=\"0 0 " +
         Number(picture.width) + " " + Number(picture.height) + "\">" + SvgShapes(picture.shapes) +
         "</svg>";
}

std::string SvgSymbols(const std::vector<std::int64_t>& cents) {
  std::string svg = "<svg class=\"symbols\" aria-hidden=\"true\">";
  for (const Piece& piece : kEuroPieces)
    if (cents.empty() || std::find(cents.begin(), cents.end(), piece.cents) != cents.end())
      svg += "<symbol id=\"money-" + std::to_string(piece.cents) + "\" " + ViewBox(piece) + ">" +
             SvgShapes(Drawing(piece)) + "</symbol>";
  return svg + "</svg>";
}

}  // namespace banknotes
