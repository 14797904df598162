// Every text of ours outside the logic, read from the source tree by the rules of
// how we write Bulgarian (tests/text_rules.h): the pages and their scripts, the
// desktop window's own dialogs, the desktop entry, the metainfo, the manual
// pages and the installers. Only texts with a Cyrillic letter are ours to read;
// the main window's own texts are the original program's and stay as they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "generated/product.h"
#include "logic/windows/form_layout.h"
#include "tests/text_rules.h"

namespace banknotes {
namespace {

namespace fs = std::filesystem;

bool HasCyrillic(const std::string& text) {
  // Cyrillic letters are U+0400 to U+04FF: lead bytes 0xD0 to 0xD3.
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0xD0 && static_cast<unsigned char>(c) <= 0xD3) return true;
  return false;
}

void Replace(std::string& text, const std::string& what, const std::string& with) {
  for (std::size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

// The string literals of C++, JavaScript, CMake, shell, Python or NSIS, comments
// left out. An escaped quote stays a quote, so that the rules see it.
std::vector<std::string> Literals(const std::string& code, bool hash_comments) {
  std::vector<std::string> found;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (!hash_comments && code.compare(i, 2, "//") == 0) {
      i = code.find('\n', i);
      if (i == std::string::npos) break;
    } else if (!hash_comments && code.compare(i, 2, "/*") == 0) {
      i = code.find("*/", i);
      if (i == std::string::npos) break;
      ++i;
    } else if (hash_comments && (c == '#' || c == ';') &&
               (i == 0 || code[i - 1] == '\n' || code[i - 1] == ' ')) {
      i = code.find('\n', i);
      if (i == std::string::npos) break;
    } else if (c == '"' || c == '\'' || c == '`') {
      std::string literal;
      std::size_t j = i + 1;
      for (; j < code.size() && code[j] != c; ++j) {
        if (code[j] == '\\' && j + 1 < code.size()) {
          ++j;
          if (code.compare(j, 5, "u00a0") == 0) {
            literal += "\u00a0";
            j += 4;
          } else {
            literal += code[j] == 'n' ? '\n' : code[j];
          }
        } else if (code[j] == '\n' && c != '`') {
          break;  // an apostrophe in English prose, not a literal
        } else {
          literal += code[j];
        }
      }
      if (HasCyrillic(literal)) found.push_back(literal);
      i = j;
    }
  }
  return found;
}

// The text of HTML or XML: what stands between the tags, and the values of the
// tags' attributes.
std::vector<std::string> MarkupTexts(std::string markup) {
  for (std::size_t open = markup.find("<!--"); open != std::string::npos;
       open = markup.find("<!--", open))
    markup.erase(open, markup.find("-->", open) + 3 - open);
  Replace(markup, "&nbsp;", "\u00a0");
  Replace(markup, "&quot;", "\"");
  Replace(markup, "&amp;", "&");
  std::vector<std::string> found;
  std::string text;
  for (std::size_t i = 0; i < markup.size(); ++i) {
    if (markup[i] != '<') {
      text += markup[i];
      continue;
    }
    if (HasCyrillic(text)) found.push_back(text);
    text.clear();
    const std::size_t close = markup.find('>', i);
    const std::string tag = markup.substr(i, close - i);
    for (std::size_t quote = tag.find('"'); quote != std::string::npos;
         quote = tag.find('"', quote)) {
      const std::size_t end = tag.find('"', quote + 1);
      const std::string value = tag.substr(quote + 1, end - quote - 1);
      if (HasCyrillic(value)) found.push_back(value);
      quote = end == std::string::npos ? end : end + 1;
    }
    if (close == std::string::npos) break;
    i = close;
  }
  if (HasCyrillic(text)) found.push_back(text);
  return found;
}

// A desktop entry's values, a list's items apart.
std::vector<std::string> EntryValues(const std::string& entry) {
  std::vector<std::string> found;
  std::istringstream lines(entry);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream items(line.substr(line.find('=') + 1));
    for (std::string item; std::getline(items, item, ';');)
      if (HasCyrillic(item)) found.push_back(item);
  }
  return found;
}

// A manual page's lines as they are shown: a macro's words without its quotes,
// "\-" as the hyphen it is. The name line's "banknotes \- …" is what whatis reads.
std::vector<std::string> ManualLines(const std::string& page) {
  std::vector<std::string> found;
  std::istringstream lines(page);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("banknotes \\- ", 0) == 0) line.erase(0, 13);
    if (line.rfind('.', 0) == 0) {
      const std::size_t space = line.find(' ');
      line.erase(0, space == std::string::npos ? line.size() : space + 1);
      Replace(line, "\"", "");
    }
    Replace(line, "\\-", "-");
    if (HasCyrillic(line)) found.push_back(line);
  }
  return found;
}

std::string Read(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Every text of ours in the files that hold them, by file.
std::map<std::string, std::vector<std::string>> OurTexts() {
  const fs::path source = BANKNOTES_SOURCE_DIR;
  std::map<std::string, std::vector<std::string>> texts;
  std::vector<fs::path> files = {source / "CMakeLists.txt"};
  for (const char* folder : {"web", "window", "packaging"})
    for (const auto& entry : fs::recursive_directory_iterator(source / folder))
      if (entry.is_regular_file()) files.push_back(entry.path());
  for (const fs::path& path : files) {
    const std::string name = path.filename().string();
    const std::string content = Read(path);
    const auto has = [&](const char* ending) { return name.find(ending) != std::string::npos; };
    std::vector<std::string> found;
    if (has(".html") || has(".xml") || has(".wxs"))
      found = MarkupTexts(content);
    else if (has(".desktop"))
      found = EntryValues(content);
    else if (path.extension() == ".1")
      found = ManualLines(content);
    else if (has(".cpp") || has(".h") || has(".js"))
      found = Literals(content, false);
    else if (has("CMakeLists") || has(".nsi") || has("NSIS") || has(".sh") || has(".py"))
      found = Literals(content, true);
    // Markup written by code is read as markup.
    std::vector<std::string> shown;
    for (const std::string& text : found) {
      const std::vector<std::string> inner =
          text.find('<') != std::string::npos && text.find('>') != std::string::npos
              ? MarkupTexts(text)
              : std::vector<std::string>{text};
      shown.insert(shown.end(), inner.begin(), inner.end());
    }
    found = shown;
    if (!found.empty()) texts[fs::relative(path, source).generic_string()] = found;
  }
  return texts;
}

// What the main window says in its own words, the original program's: ours to
// keep, not to mend.
std::vector<std::string> OriginalTexts() {
  std::vector<std::string> texts = {product::kTitle};
  for (const Control& control : kMainForm.controls)
    for (const std::string_view text : {control.text, control.description})
      if (HasCyrillic(std::string(text))) texts.emplace_back(text);
  return texts;
}

TEST(TextFiles, HoldTheRulesForEveryTextOfOurs) {
  const auto texts = OurTexts();
  const std::vector<std::string> original = OriginalTexts();
  std::size_t read = 0;
  for (const auto& [file, found] : texts)
    for (std::string text : found) {
      for (const std::string& theirs : original) Replace(text, theirs, "");
      ++read;
      EXPECT_EQ(Broken(text), "") << file << ": " << text;
    }
  // The reading itself: every kind of file gives its texts.
  for (const char* file :
       {"CMakeLists.txt", "packaging/linux/banknotes.desktop.in",
        "packaging/linux/banknotes.metainfo.xml.in", "packaging/linux/banknotes.bg.1",
        "packaging/windows/NSIS.template.in", "packaging/windows/CMakeLists.txt",
        "web/site/licences.html.in", "web/site/loading.js", "web/page_writer.cpp",
        "window/worksheet_dialog.cpp"})
    EXPECT_TRUE(texts.contains(file)) << file;
  EXPECT_GT(read, 50u);
}

// The readers themselves, on what each kind of file holds.
TEST(TextFiles, AreReadAsTheyAreShown) {
  const struct {
    const char* name;
    std::vector<std::string> found;
    std::vector<std::string> wanted;
  } rows[] = {
      {"a literal with an escaped quote, a comment left out",
       Literals("f(\"Натиснете \\\"Изведи\\\"\"); // Не\n", false),
       {"Натиснете \"Изведи\""}},
      {"an English apostrophe is no literal",
       Literals("// the page's text\nshow('Сума');\n", false),
       {"Сума"}},
      {"a hash comment left out",
       Literals("# 'Лицензи'\nset(A \"Банкноти\")\n", true),
       {"Банкноти"}},
      {"markup's text and attributes",
       MarkupTexts("<nav aria-label=\"Страници\"><a href=\"x\">Към&nbsp;банкнотите</a></nav>"),
       {"Страници", "Към\u00a0банкнотите"}},
      {"a desktop entry's list", EntryValues("Keywords=пари;сума;\nExec=x\n"), {"пари", "сума"}},
      {"a manual page's macro and hyphen",
       ManualLines(".BR Упражнение ,\nbanknotes \\- изплащане\nот 5\\-10\n"),
       {"Упражнение ,", "изплащане", "от 5-10"}},
  };
  for (const auto& row : rows) EXPECT_EQ(row.found, row.wanted) << row.name;
}

}  // namespace
}  // namespace banknotes
