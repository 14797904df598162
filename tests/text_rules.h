// The rules of how we write Bulgarian, as a test reads a text of ours: no
// hyphen between spaces and no em dash (our dash is „–“), numbers of five
// digits or more grouped, no "1" before a plural noun (but "2,1 дни"), no Latin letter inside a
// Cyrillic word, and „…“ rather than straight quotes.
#pragma once

#include <string>

namespace banknotes {

// What a rule finds wrong in `text`, or nothing.
inline std::string Broken(const std::string& text) {
  std::wstring wide;
  // UTF-8 to code points, enough for the rules' letters.
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    wchar_t point = length == 1 ? byte : byte & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < text.size(); ++k)
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    wide += point;
    i += static_cast<std::size_t>(length);
  }
  // What the user typed, quoted back, is theirs.
  for (std::size_t open = wide.find(L'„'); open != std::wstring::npos; open = wide.find(L'„')) {
    const std::size_t close = wide.find(L'“', open);
    wide.erase(open, close == std::wstring::npos ? std::wstring::npos : close - open + 1);
  }
  if (wide.find(L" - ") != std::wstring::npos) return "a hyphen between spaces";
  if (wide.find(L'—') != std::wstring::npos) return "an em dash";
  const auto digit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
  const auto cyrillic = [](wchar_t c) { return c >= L'А' && c <= L'я'; };
  const auto latin = [](wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); };
  for (std::size_t i = 0, run = 0; i < wide.size(); ++i) {
    run = digit(wide[i]) ? run + 1 : 0;
    if (run >= 5) return "a number of five digits or more, not grouped";
  }
  for (const wchar_t* plural :
       {L"банкноти", L"монети", L"начина", L"стъпки", L"комбинации", L"дни", L"години", L"задачи"})
    for (std::size_t at = wide.find(std::wstring(L"1 ") + plural); at != std::wstring::npos;
         at = wide.find(std::wstring(L"1 ") + plural, at + 1))
      if (at == 0 || (!digit(wide[at - 1]) && wide[at - 1] != L'\u00a0' && wide[at - 1] != L','))
        return "1 before a plural noun";
  for (std::size_t i = 1; i < wide.size(); ++i)
    if ((cyrillic(wide[i - 1]) && latin(wide[i])) || (latin(wide[i - 1]) && cyrillic(wide[i])))
      return "a Latin letter inside a Cyrillic word";
  if (wide.find(L'"') != std::wstring::npos) return "a straight quote";
  return "";
}

}  // namespace banknotes
