#include <algorithm>
#include <cctype>
#include <string>

#include "logic/windows/window_logic.h"

namespace banknotes {

// Each companion window's logic, made in its own file from its settings. A new
// window is a line here and one in the list below.
MadeWindow MakePracticeWindow(const Settings& settings, std::uint32_t random);
MadeWindow MakeExploreWindow(const Settings& settings, std::uint32_t random);
MadeWindow MakeWorksheetWindow(const Settings& settings, std::uint32_t random);
MadeWindow MakeStepsWindow(const Settings& settings, std::uint32_t random);

namespace {

struct Maker {
  std::string_view name;  // its table's
  MadeWindow (*make)(const Settings&, std::uint32_t);
};
constexpr Maker kMakers[] = {{"PracticeForm", MakePracticeWindow},
                             {"ExploreForm", MakeExploreWindow},
                             {"WorksheetForm", MakeWorksheetWindow},
                             {"StepsForm", MakeStepsWindow}};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// As an address decodes it: "+" a space, "%41" the byte 0x41.
std::string Decoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      decoded += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
               HexDigit(text[i + 2]) >= 0) {
      decoded += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

}  // namespace

Settings SettingsOf(std::string_view query) {
  if (!query.empty() && query.front() == '?') query.remove_prefix(1);
  Settings settings;
  while (!query.empty()) {
    const std::string_view pair = query.substr(0, query.find('&'));
    query.remove_prefix(std::min(query.size(), pair.size() + 1));
    if (pair.empty()) continue;
    const std::size_t equals = pair.find('=');
    settings.emplace_back(Decoded(pair.substr(0, equals)),
                          equals == std::string_view::npos ? "" : Decoded(pair.substr(equals + 1)));
  }
  return settings;
}

std::string AddressText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) && byte < 0x80)
      encoded += c;
    else if (c == '*' || c == '-' || c == '.' || c == '_')
      encoded += c;
    else if (c == ' ')
      encoded += '+';
    else
      encoded.append(1, '%').append(1, kHex[byte >> 4]).append(1, kHex[byte & 15]);
  }
  return encoded;
}

MadeWindow MakeWindow(std::string_view name, const Settings& settings, std::uint32_t random) {
  for (const Maker& maker : kMakers)
    if (maker.name == name) return maker.make(settings, random);
  return {};
}

}  // namespace banknotes
