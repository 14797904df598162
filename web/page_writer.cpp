// Writes the web page's HTML and the stylesheet of its window's places from the
// same description the desktop window is built from, at build time, so that the
// window is drawn before any script runs:
//   page_writer DIR     writes DIR/index.html and DIR/main-form.css, the main
//                       window's page, and DIR/practice.html and
//                       DIR/practice-form.css, the practice window's; and
//                       DIR/_headers and DIR/.htaccess, the headers a host sends
// It decides the page's markup and reading order; the page's scripts bring the
// behaviour.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <limits>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generated/product.h"
#include "logic/form_layout.h"
#include "logic/outcome.h"
#include "logic/practice.h"

namespace banknotes {
namespace {

// What a narrow screen shows first comes first: the amount and its button, then
// the total, the marks and counts, the splitting, and the description last. On a
// wide screen the controls stand at their places and the focus takes the
// window's tab order.
constexpr std::string_view kMainFormReadingOrder[] = {
    "Label1_0", "Label1_1", "Text3_0",  "Command1_1", "Label1_2",   "Text3_1", "Command1_0",
    "Frame1",   "Frame2",   "Label1_3", "Text3_2",    "Command1_2", "List1_0", "Text1"};
// The practice window reads as its window: the exercise, its range, the task, the
// answer's boxes, the buttons, the answer, and the tally or the ways found.
constexpr std::string_view kPracticeFormReadingOrder[] = {
    "Frame1",     "Frame2",     "Frame3",     "Label1_0", "Frame4",   "Frame5",
    "Command1_0", "Command1_1", "Command1_2", "Text1",    "Label1_1", "List1_0"};

// The pieces one after another; the page is written from many small ones.
std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string joined;
  for (const std::string_view piece : pieces) joined.append(piece);
  return joined;
}

std::string Id(const Control& control) {
  if (control.index < 0) return std::string(control.name);
  return Join({control.name, "_", std::to_string(control.index)});
}

std::string Escape(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\r':
        break;  // lines end with LF alone in the page
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string Rgb(const banknotes::Rgb& colour) {
  return Join({"rgb(", std::to_string(colour.red), " ", std::to_string(colour.green), " ",
               std::to_string(colour.blue), ")"});
}

// A description's line in pixels (16 px text), and what its border and top
// padding take with a bottom padding of one pixel.
constexpr int kDescriptionLine = 19;
constexpr int kDescriptionEdges = 4;

class FormWriter {
 public:
  // `chosen`: the options chosen at start.
  FormWriter(const FormLayout& layout, std::vector<std::string> chosen)
      : layout_(layout), chosen_(std::move(chosen)) {}

  // The form's controls in `order`, frames holding theirs.
  std::string Markup(std::span<const std::string_view> order) {
    std::string html;
    for (const std::string_view id : order) html += ControlMarkup(Find(id));
    for (const Control& control : layout_.controls)
      if (control.container.empty() && !written_.contains(Id(control)))
        Fail(Join({"control ", Id(control), " has no place in the page's reading order"}));
    return html;
  }

  // The form's own controls (not those in a frame) in the window's tab order, a
  // frame where its first control is, a label just before the control it names:
  // the page's order where the window is seen whole.
  std::string TabOrder() const {
    std::vector<std::pair<double, std::string>> placed;
    for (const Control& control : layout_.controls) {
      if (!control.container.empty()) continue;
      double at = control.tab_index;
      if (control.kind == ControlKind::Frame) {
        int first = std::numeric_limits<int>::max();
        for (const Control& inside : layout_.controls)
          if (inside.container == control.name && TakesFocus(inside))
            first = std::min(first, inside.tab_index);
        if (first != std::numeric_limits<int>::max()) at = first;
      }
      if (!control.labels.empty()) at = Find(control.labels).tab_index - 0.5;
      placed.emplace_back(at, Id(control));
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string order;
    for (const auto& [at, id] : placed) order += (order.empty() ? "" : " ") + id;
    return order;
  }

  // Colours and alignment on every screen; places, sizes and stacking where the
  // window fits.
  std::string Stylesheet() const {
    std::ostringstream css;
    const std::string form = Join({"#", layout_.name});
    css << "/* Written by page_writer from the window's description. */\n";
    css << form << " { background: " << Rgb(layout_.background)
        << "; --description-line: " << kDescriptionLine << "px; }\n";
    for (const Control& control : layout_.controls) {
      css << "#" << Id(control) << " {";
      if (control.colour) css << " background: " << Rgb(*control.colour) << ";";
      if (control.align == Align::Centre) css << " text-align: center;";
      if (control.align == Align::Right) css << " text-align: right;";
      css << " }\n";
    }
    css << "@media (min-width: 560px) {\n";
    css << "  " << form << " { width: " << ToPixels(layout_.client_area.width)
        << "px; height: " << ToPixels(layout_.client_area.height) << "px; }\n";
    int layer = 1;
    for (const Control& control : layout_.controls) {
      const Twips& at = control.place;
      const int left = ToPixels(at.left), top = ToPixels(at.top);
      const int height = ToPixels(at.top + at.height) - top;
      css << "  #" << Id(control) << " { left: " << left << "px; top: " << top
          << "px; width: " << ToPixels(at.left + at.width) - left << "px; height: " << height
          << "px; z-index: " << layer++ << ";";
      // A description's last line is whole: what its lines leave goes under them.
      if (control.kind == ControlKind::Description)
        css << " padding-bottom: " << 1 + (height - kDescriptionEdges) % kDescriptionLine << "px;";
      css << " }\n";
    }
    css << "}\n";
    return css.str();
  }

 private:
  const Control& Find(std::string_view id) const {
    for (const Control& control : layout_.controls)
      if (Id(control) == id) return control;
    Fail(Join({"no control ", id}));
  }

  [[noreturn]] static void Fail(const std::string& what) {
    std::cerr << "page_writer: " << what << "\n";
    std::exit(1);
  }

  static bool TakesFocus(const Control& control) {
    return control.kind != ControlKind::Label && control.kind != ControlKind::Frame;
  }

  bool Chosen(std::string_view id) const {
    return std::find(chosen_.begin(), chosen_.end(), id) != chosen_.end();
  }

  std::string ControlMarkup(const Control& control) {
    const std::string id = Id(control);
    written_.insert(id);
    const std::string text = Escape(control.text);
    const std::string name = Escape(control.accessible_name);
    const std::string tab = Join({" data-tab=\"", std::to_string(control.tab_index), "\""});
    // Its id, and, for what belongs to an option, which one: hidden until chosen.
    std::string own = Join({" id=\"", id, "\""});
    if (!control.shown_with.empty())
      own += Join({" data-shown-with=\"", control.shown_with, "\"",
                   Chosen(control.shown_with) ? "" : " hidden"});
    switch (control.kind) {
      case ControlKind::Label:
        if (control.labels.empty())
          return Join({"<span", own, " class=\"label\">", text, "</span>\n"});
        return Join(
            {"<label", own, " class=\"label\" for=\"", control.labels, "\">", text, "</label>\n"});
      case ControlKind::Frame: {
        std::string html =
            Join({"<fieldset", own, " class=\"frame\"><legend>", text, "</legend>\n"});
        for (const Control& inside : layout_.controls)
          if (inside.container == control.name) html += ControlMarkup(inside);
        return html + "</fieldset>\n";
      }
      case ControlKind::TextBox: {
        std::string html = Join({"<input", own, " class=\"box\" type=\"text\" aria-label=\"", name,
                                 "\" autocomplete=\"off\" spellcheck=\"false\"", tab});
        if (!text.empty()) html += Join({" value=\"", text, "\""});
        if (control.read_only) html += " readonly";
        // A keyboard with digits, where the user types a number.
        if (control.limit > 0)
          html += Join(
              {" data-limit=\"", std::to_string(control.limit), "\"",
               control.digits ? " data-digits inputmode=\"numeric\"" : " inputmode=\"decimal\""});
        return html + ">\n";
      }
      case ControlKind::Description:
        return Join({"<textarea", own, " class=\"description\" aria-label=\"", name,
                     "\" spellcheck=\"false\"", tab, control.read_only ? " readonly" : "", ">",
                     text, "</textarea>\n"});
      case ControlKind::CheckBox:
        return Join({"<label", own, " class=\"check\"><input type=\"checkbox\" aria-label=\"", name,
                     "\"", tab, "><span class=\"caption\" aria-hidden=\"true\">", text,
                     "</span></label>\n"});
      case ControlKind::Option:
        return Join({"<label", own, " class=\"check\"><input type=\"radio\" name=\"",
                     control.container, "\" aria-label=\"", name, "\"", tab,
                     Chosen(id) ? " checked" : "", "><span class=\"caption\" aria-hidden=\"true\">",
                     text, "</span></label>\n"});
      case ControlKind::Button:
        if (control.description.empty())
          return Join(
              {"<button", own, " class=\"button\" type=\"button\"", tab, ">", text, "</button>\n"});
        return Join({"<button", own, " class=\"button\" type=\"button\"", tab,
                     " aria-describedby=\"", id, "-about\">", text, "</button>\n<span id=\"", id,
                     "-about\" hidden>", Escape(control.description), "</span>\n"});
      case ControlKind::ListBox:
        return Join({"<div", own, " class=\"list\" role=\"listbox\" tabindex=\"0\" aria-label=\"",
                     name, "\"", tab, "></div>\n"});
    }
    return "";
  }

  const FormLayout& layout_;
  std::vector<std::string> chosen_;
  std::set<std::string> written_;
};

// Scripts and WebAssembly from the page's own origin only, nothing inline.
constexpr std::string_view kSecurityPolicy =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "object-src 'none'; base-uri 'none'; form-action 'none'";

// What a host should send with every file, for what a <meta> policy cannot say:
// that no other site may frame the page, and that no file is taken for another
// type. In the forms static hosts read: _headers (Netlify, Cloudflare Pages) and
// .htaccess (Apache).
std::string HeadersFile() {
  return Join({"/*\n  Content-Security-Policy: ", kSecurityPolicy,
               "; frame-ancestors 'none'\n  X-Content-Type-Options: nosniff\n"});
}

std::string HtaccessFile() {
  return Join(
      {"AddType application/wasm .wasm\n<IfModule mod_headers.c>\n"
       "  Header set Content-Security-Policy \"",
       kSecurityPolicy, "; frame-ancestors 'none'\"\n",
       "  Header set X-Content-Type-Options \"nosniff\"\n</IfModule>\n"});
}

std::string Head(std::string_view title, std::string_view stylesheet,
                 const std::vector<std::string_view>& scripts) {
  std::string head = Join({R"(<!doctype html>
<html lang="bg">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content=")",
                           kSecurityPolicy, R"(">
<meta name="color-scheme" content="light">
<title>)",
                           Escape(title), R"(</title>
<meta name="description" content=")",
                           Escape(product::kSummary), R"(">
<meta name="theme-color" content="#c0c0ff">
<link rel="icon" type="image/png" sizes="32x32" href="icon-32.png">
<link rel="apple-touch-icon" href="icon-192.png">
<link rel="manifest" href="manifest.webmanifest">
<link rel="preload" href="liberation-serif.woff2" as="font" type="font/woff2" crossorigin>
<link rel="stylesheet" href="page.css">
<link rel="stylesheet" href=")",
                           stylesheet, "\">\n"});
  for (const std::string_view script : scripts)
    head += Join({"<script src=\"", script, "\" defer></script>\n"});
  return head + "</head>\n";
}

void Write(const std::string& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary);
  out << content;
  if (!out) {
    std::cerr << "page_writer: cannot write " << file << "\n";
    std::exit(1);
  }
}

// What both pages have under the window: the links, the status line, what is said
// to screen readers, and the list's copy menu.
std::string Below(std::string_view link) {
  return Join({"<nav class=\"links\">", link, R"(<a href="licences.html">Лицензи</a></nav>
<p id="Status" class="status" role="status"></p>
<div id="Announcement" class="announcement" aria-live="polite"></div>
<noscript><p class="status">За програмата е нужен JavaScript: разрешете го в браузъра.</p></noscript>
<div id="List1Menu" class="menu" role="menu" aria-label="Копиране" hidden>
<div role="menuitem" tabindex="-1" data-copy="line">Копиране</div>
<div role="menuitem" tabindex="-1" data-copy="all">Копиране на всички редове</div>
</div>
)"});
}

// The failure message, hidden until a click fails, over a shade that takes the
// page's clicks meanwhile; it knows what to say when a failure is unexpected.
std::string FailureMessage() {
  return Join({R"(<div id="Shade" class="shade" hidden></div>
<dialog id="FailureMessage" class="message" aria-modal="true" aria-labelledby="FailureTitle" aria-describedby="FailureText" data-title=")",
               Escape(kFailureTitle), "\" data-unexpected=\"", Escape(kUnexpectedFailureText),
               R"(">
<h2 id="FailureTitle">)",
               Escape(kFailureTitle), R"(</h2>
<p id="FailureText"></p>
<button type="button" class="button" autofocus>Добре</button>
</dialog>
)"});
}

// The form's element, with both of its orders: the one read on a narrow screen,
// in which the page is written, and the window's tab order, in which the page's
// script puts it where the window is seen whole.
std::string FormOpening(const FormWriter& form, const FormLayout& layout,
                        std::span<const std::string_view> reading_order) {
  std::string reading;
  for (const std::string_view id : reading_order) reading += Join({reading.empty() ? "" : " ", id});
  return Join({"<main id=\"", layout.name, "\" class=\"form\" data-reading-order=\"", reading,
               "\" data-tab-order=\"", form.TabOrder(), "\">\n"});
}

std::string MainPage(FormWriter& form) {
  return Join({Head(product::kTitle, "main-form.css", {"logic.js", "controls.js", "main-form.js"}),
               "<body>\n", FormOpening(form, kMainForm, kMainFormReadingOrder),
               form.Markup(kMainFormReadingOrder), "</main>\n",
               Below(Join({R"(<a href="practice.html">)", Escape(product::kPracticeName), "</a>"})),
               FailureMessage(), R"(</body>
</html>
)"});
}

std::string PracticePage(FormWriter& form) {
  return Join({Head(product::kPracticeName, "practice-form.css",
                    {"logic.js", "controls.js", "practice-form.js"}),
               "<body>\n", FormOpening(form, kPracticeForm, kPracticeFormReadingOrder),
               form.Markup(kPracticeFormReadingOrder), "</main>\n",
               Below(R"(<a href="./">Към банкнотите</a>)"), FailureMessage(),
               "</body>\n</html>\n"});
}

// The options a practice starts with, as its state's defaults choose them.
std::vector<std::string> PracticeChoices() {
  const PracticeState start;
  return {Join({"Option1_", std::to_string(static_cast<int>(start.exercise))}),
          Join({"Option2_", std::to_string(static_cast<int>(start.payment_range))}),
          Join({"Option3_", std::to_string(static_cast<int>(start.split_range))})};
}

}  // namespace
}  // namespace banknotes

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: page_writer DIR\n";
    return 2;
  }
  const std::string dir = argv[1];
  banknotes::FormWriter main_form(banknotes::kMainForm, {});
  banknotes::Write(dir + "/index.html", banknotes::MainPage(main_form));
  banknotes::Write(dir + "/main-form.css", main_form.Stylesheet());
  banknotes::FormWriter practice_form(banknotes::kPracticeForm, banknotes::PracticeChoices());
  banknotes::Write(dir + "/practice.html", banknotes::PracticePage(practice_form));
  banknotes::Write(dir + "/practice-form.css", practice_form.Stylesheet());
  banknotes::Write(dir + "/_headers", banknotes::HeadersFile());
  banknotes::Write(dir + "/.htaccess", banknotes::HtaccessFile());
  return 0;
}
