// Writes the web pages from the same descriptions the desktop windows are built
// from, at build time, so that each window is drawn before any script runs:
//   page_writer TEMPLATES OUT
// fills the pages' templates in TEMPLATES (index.html.in for the main window,
// companion.html.in for the practice and exploring windows and the worksheet, head.html.in and
// below.html.in, which every page shares; page.css.in with its parts phone.css.in,
// contrast.css.in and sheet.css.in, and manifest.webmanifest.in)
// and writes them into OUT, with each form's stylesheet of places (main-form.css,
// practice-form.css, explore-form.css) and the headers a host should send
// (_headers, .htaccess). A template names what it takes as {{name}}; the writer
// stops on a name it does not know. It decides the controls' markup and reading
// order; the page's scripts bring the behaviour.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generated/product.h"
#include "logic/form/outcome.h"
#include "logic/money/drawn_money.h"
#include "logic/money/values.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/window_logic.h"

namespace banknotes {
namespace {

// The window stands at its places from this width on; narrower, in one column.
constexpr int kWidePixels = 560;
// Behind the window.
constexpr std::string_view kPageBackground = "#e4e4ee";

// A description's line in pixels, and what its border and top padding take with
// a bottom padding of one pixel.
constexpr int kDescriptionLine = 19;
constexpr int kDescriptionEdges = 4;

// Scripts and WebAssembly from the page's own origin only, nothing inline.
constexpr std::string_view kSecurityPolicy =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "object-src 'none'; base-uri 'none'; form-action 'none'";

// The drawings the pages show: what the wallet pays with, the euro's whole
// values and the coins of cents, which a worksheet's handfuls hold some of; no
// more, as every pupil's browser fetches what is written.
std::string ShownMoney() {
  std::vector<std::int64_t> cents(WalletCents().begin(), WalletCents().end());
  return SvgSymbols(cents);
}

[[noreturn]] void Fail(const std::string& what) {
  std::cerr << "page_writer: " << what << "\n";
  std::exit(1);
}

// The pieces one after another; the page is written from many small ones.
std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string joined;
  for (const std::string_view piece : pieces) joined.append(piece);
  return joined;
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

std::string Hex(const banknotes::Rgb& colour) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex = "#";
  for (const int part : {colour.red, colour.green, colour.blue}) {
    hex += kDigits[part / 16];
    hex += kDigits[part % 16];
  }
  return hex;
}

std::string Pixels(int pixels) { return std::to_string(pixels) + "px"; }

class FormWriter {
 public:
  // `chosen`: the options chosen at start.
  FormWriter(const FormLayout& layout, std::vector<std::string> chosen)
      : layout_(layout), chosen_(std::move(chosen)) {}

  const FormLayout& layout() const { return layout_; }

  // The form's element and its controls in `order`, frames holding theirs, with
  // both of the form's orders: the one read on a narrow screen, in which it is
  // written, and the window's tab order, in which the page's script puts it
  // where the window is seen whole. A window with no reading order of its own
  // reads in its tab order.
  std::string Markup(std::span<const std::string_view> order, std::string_view heading) {
    std::vector<const Control*> own;
    for (const Control& control : layout_.controls)
      if (control.container.empty() && control.where != Where::Desktop) own.push_back(&control);
    std::ranges::sort(own, {}, &Control::tab_index);
    std::vector<std::string> ids;
    for (const Control* control : own) ids.push_back(ControlId(*control));
    const std::vector<std::string_view> tab_order(ids.begin(), ids.end());
    if (order.empty()) order = tab_order;
    std::string reading;
    for (const std::string_view id : order) reading += Join({reading.empty() ? "" : " ", id});
    std::string html = Join({"<main id=\"", layout_.name, "\" class=\"form\" data-reading-order=\"",
                             reading, "\" data-tab-order=\"", TabOrder(),
                             "\">\n<h1 class=\"title\">", Escape(heading), "</h1>\n"});
    for (const std::string_view id : order) html += ControlMarkup(Find(id));
    for (const Control& control : layout_.controls)
      if (control.container.empty() && control.where != Where::Desktop &&
          !written_.contains(ControlId(control)))
        Fail(Join({"control ", ControlId(control), " has no place in the page's reading order"}));
    // The notes and coins drawn controls show, written once.
    if (std::ranges::any_of(layout_.controls, &Control::drawn)) html += ShownMoney() + "\n";
    return html + "</main>";
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
      if (control.where == Where::Desktop) continue;
      css << "#" << ControlId(control) << " {";
      if (control.colour) css << " background: " << Rgb(*control.colour) << ";";
      if (control.align == Align::Centre) css << " text-align: center;";
      if (control.align == Align::Right) css << " text-align: right;";
      css << " }\n";
    }
    css << "@media (min-width: " << Pixels(kWidePixels) << ") {\n";
    css << "  " << form << " { width: " << ToPixels(layout_.client_area.width)
        << "px; height: " << ToPixels(layout_.client_area.height) << "px; }\n";
    int layer = 1;
    for (const Control& control : layout_.controls) {
      if (control.where == Where::Desktop) continue;
      const Twips& at = control.place;
      const int left = ToPixels(at.left), top = ToPixels(at.top);
      const int height = ToPixels(at.top + at.height) - top;
      css << "  #" << ControlId(control) << " { left: " << left << "px; top: " << top
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
    const Control* control = FindControl(layout_, id);
    if (!control) Fail(Join({"no control ", id}));
    return *control;
  }

  // The form's own controls (not those in a frame) in the window's tab order, a
  // frame where its first control is, a label just before the control it names.
  std::string TabOrder() const {
    std::vector<std::pair<double, std::string>> placed;
    for (const Control& control : layout_.controls) {
      if (!control.container.empty() || control.where == Where::Desktop) continue;
      double at = control.tab_index;
      if (control.kind == ControlKind::Frame) {
        int first = std::numeric_limits<int>::max();
        for (const Control& inside : layout_.controls)
          if (inside.container == control.name && TakesFocus(inside.kind))
            first = std::min(first, inside.tab_index);
        if (first != std::numeric_limits<int>::max()) at = first;
      }
      if (!control.labels.empty()) at = Find(control.labels).tab_index - 0.5;
      placed.emplace_back(at, ControlId(control));
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string order;
    for (const auto& [at, id] : placed) order += (order.empty() ? "" : " ") + id;
    return order;
  }

  bool Chosen(std::string_view id) const {
    return std::find(chosen_.begin(), chosen_.end(), id) != chosen_.end();
  }

  std::string ControlMarkup(const Control& control) {
    // What only the desktop has, the page leaves out.
    if (control.where == Where::Desktop) return "";
    const std::string id = ControlId(control);
    written_.insert(id);
    const std::string text = Escape(control.text);
    const std::string name = Escape(control.accessible_name);
    // Its id; where the focus starts; and, for what belongs to an option, which
    // one: hidden until chosen.
    std::string own = Join({" id=\"", id, "\""});
    // Money that may be dragged, and where to.
    if (!control.drops_on.empty()) own += Join({" data-drops-on=\"", control.drops_on, "\""});
    if (&control == &FirstFocus(layout_)) own += " data-first-focus";
    if (!control.shown_with.empty())
      own += Join({" data-shown-with=\"", control.shown_with, "\"",
                   std::ranges::any_of(ShownWith(control),
                                       [this](std::string_view option) { return Chosen(option); })
                       ? ""
                       : " hidden"});
    switch (control.kind) {
      case ControlKind::Label:
        if (control.labels.empty())
          // What the logic writes in a label wraps, as on the desktop.
          return Join({"<span", own,
                       control.text.empty() ? " class=\"label wraps\">" : " class=\"label\">", text,
                       "</span>\n"});
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
                                 "\" autocomplete=\"off\" spellcheck=\"false\""});
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
                     "\" spellcheck=\"false\"", control.read_only ? " readonly" : "", ">", text,
                     "</textarea>\n"});
      case ControlKind::CheckBox:
        return Join({"<label", own, " class=\"check\"><input type=\"checkbox\" aria-label=\"", name,
                     "\"><span class=\"caption\" aria-hidden=\"true\">", text,
                     "</span></label>\n"});
      case ControlKind::Option:
        return Join({"<label", own, " class=\"check\"><input type=\"radio\" name=\"",
                     control.container, "\" aria-label=\"", name, "\"",
                     Chosen(id) ? " checked" : "", "><span class=\"caption\" aria-hidden=\"true\">",
                     text, "</span></label>\n"});
      case ControlKind::Button:
        // A drawn button's face is a note or coin, and its name says which.
        if (control.drawn)
          return Join({"<button", own, " class=\"button money\" type=\"button\" aria-label=\"",
                       name, "\" aria-describedby=\"", id, "-about\"></button>\n<span id=\"", id,
                       "-about\" hidden>", Escape(control.description), "</span>\n"});
        if (control.description.empty())
          return Join({"<button", own, " class=\"button\" type=\"button\">", text, "</button>\n"});
        return Join({"<button", own, " class=\"button\" type=\"button\" aria-describedby=\"", id,
                     "-about\">", text, "</button>\n<span id=\"", id, "-about\" hidden>",
                     Escape(control.description), "</span>\n"});
      case ControlKind::Picture:
        // The logic's drawing, written in by the page; its name says what it shows.
        return Join(
            {"<div", own, " class=\"picture\" role=\"img\" aria-label=\"", name, "\"></div>\n"});
      case ControlKind::ListBox:
        // Drawn, its lines side by side, each pressed to take one back.
        if (control.drawn)
          return Join({"<div", own, " class=\"list money\" role=\"listbox\" tabindex=\"0\" ",
                       "aria-orientation=\"horizontal\" aria-label=\"", name,
                       "\" aria-describedby=\"", id, "-about\"></div>\n<span id=\"", id,
                       "-about\" hidden>", Escape(control.description), "</span>\n"});
        // With the menu that copies its lines.
        return Join({"<div", own, " class=\"list\" role=\"listbox\" tabindex=\"0\" aria-label=\"",
                     name, "\"></div>\n<div id=\"", id,
                     "-menu\" class=\"menu\" role=\"menu\" aria-label=\"", Escape(kCopyLineCaption),
                     "\" hidden>\n<div role=\"menuitem\" tabindex=\"-1\" data-copy=\"line\">",
                     Escape(kCopyLineCaption),
                     "</div>\n<div role=\"menuitem\" tabindex=\"-1\" data-copy=\"all\">",
                     Escape(kCopyAllCaption), "</div>\n</div>\n"});
    }
    return "";
  }

  const FormLayout& layout_;
  std::vector<std::string> chosen_;
  std::set<std::string> written_;
};

// The options a companion window starts with chosen, as its logic writes it.
std::vector<std::string> ChosenAtStart(std::string_view name) {
  const WindowContent fresh = MakeWindow(name, {}, 0).logic->Fresh();
  const FormLayout& layout = fresh.layout();
  std::vector<std::string> chosen;
  for (std::size_t i = 0; i < fresh.size(); ++i)
    if (layout.controls[i].kind == ControlKind::Option && fresh.at(i).mark)
      chosen.push_back(ControlId(layout.controls[i]));
  return chosen;
}

// The links to the windows the main window opens, one a page.
std::string CompanionLinks() {
  std::string links;
  for (const product::Companion& companion : product::kCompanions)
    links += Join({"<a href=\"", companion.page, ".html\">", Escape(companion.title), "</a>"});
  return links;
}

std::string Read(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail("cannot read " + file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Write(const std::string& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary);
  out << content;
  if (!out) Fail("cannot write " + file);
}

using Values = std::map<std::string, std::string, std::less<>>;

// The template `name` with every {{name}} it holds replaced by its value.
std::string Filled(const std::string& templates, const std::string& name, const Values& values) {
  const std::string text = Read(templates + "/" + name);
  std::string filled;
  for (std::size_t at = 0;;) {
    const std::size_t open = text.find("{{", at);
    if (open == std::string::npos) return filled + text.substr(at);
    const std::size_t close = text.find("}}", open);
    if (close == std::string::npos) Fail(name + ": a {{ with no }}");
    const std::string key = text.substr(open + 2, close - open - 2);
    const auto value = values.find(key);
    if (value == values.end()) Fail(name + ": no value for {{" + key + "}}");
    filled += text.substr(at, open - at) + value->second;
    at = close + 2;
  }
}

// The facts every template may use.
Values Facts() {
  const auto colour = Hex(kMainForm.background);
  return {
      {"title", Escape(product::kTitle)},
      {"name", Escape(product::kName)},
      {"companion-links", CompanionLinks()},
      {"summary", Escape(product::kSummary)},
      {"policy", std::string(kSecurityPolicy)},
      {"theme-colour", colour},
      {"page-background", std::string(kPageBackground)},
      {"wide", Pixels(kWidePixels)},
      // Just under the wide width: the two ranges meet with no width in neither.
      {"narrow", std::to_string(kWidePixels - 1) + ".98px"},
      {"wide-query", "(min-width: " + Pixels(kWidePixels) + ")"},
      {"font-size", Pixels(FontPixels())},
      {"font-family", std::string(kFontFamily)},
      {"font-fallback", std::string(kFontFallback)},
      {"failure-title", Escape(kFailureTitle)},
      {"unexpected", Escape(kUnexpectedFailureText)},
  };
}

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

// The page `page` from the template `frame`, its form `form_file`.css and .js;
// `links` to other pages, and what stands `after` the form.
void WritePage(const std::string& templates, const std::string& out, const std::string& page,
               const std::string& frame, const std::string& form_file, FormWriter& form,
               std::string_view heading, Values values, const std::string& links = "",
               const std::string& after = "") {
  values["page-name"] = Escape(heading);
  values["form-file"] = form_file;
  // A window with nothing of its own on the page takes the common script.
  values["form-script"] =
      std::filesystem::exists(templates + "/" + form_file + ".js") ? form_file : "window";
  values["links"] = links;
  values["after-form"] = after;
  // A shared piece stands in its page's lines with no line break of its own after it.
  const auto piece = [&](const std::string& name) {
    std::string filled = Filled(templates, name, values);
    if (filled.ends_with('\n')) filled.pop_back();
    return filled;
  };
  values["head"] = piece("head.html.in");
  values["below"] = piece("below.html.in");
  values["form"] = form.Markup(form.layout().reading_order, heading);
  Write(out + "/" + page, Filled(templates, frame, values));
}

}  // namespace
}  // namespace banknotes

int main(int argc, char* argv[]) {
  using namespace banknotes;
  if (argc != 3) {
    std::cerr << "usage: page_writer TEMPLATES OUT\n";
    return 2;
  }
  const std::string templates = argv[1], out = argv[2];
  const Values facts = Facts();
  FormWriter main_form(kMainForm, {});
  WritePage(templates, out, "index.html", "index.html.in", "main-form", main_form, product::kTitle,
            facts);
  Write(out + "/main-form.css", main_form.Stylesheet());
  // The windows the main window opens, a page each; the practice's links its
  // worksheet.
  for (const product::Companion& companion : product::kCompanions) {
    const std::string page = companion.page;
    FormWriter form(MakeWindow(companion.table, {}, 0).logic->layout(),
                    ChosenAtStart(companion.table));
    WritePage(templates, out, page + ".html", "companion.html.in", page + "-form", form,
              companion.title, facts,
              page == "practice" ? "<a href=\"worksheet.html\">Работен лист</a>" : "");
    Write(out + "/" + page + "-form.css", form.Stylesheet());
  }
  // The worksheet: its choices, and the sheet they make, which its script draws.
  FormWriter worksheet_form(kWorksheetForm, ChosenAtStart(kWorksheetForm.name));
  WritePage(templates, out, "worksheet.html", "companion.html.in", "worksheet-form", worksheet_form,
            "Работен лист", facts,
            Join({"<a href=\"practice.html\">", Escape(product::kPracticeName), "</a>"}),
            "<section id=\"Sheet\" class=\"sheet\" aria-label=\"Работният лист\"></section>" +
                ShownMoney());
  Write(out + "/worksheet-form.css", worksheet_form.Stylesheet());
  // One stylesheet for every page, from its parts by what they style.
  std::string page_css;
  for (const char* part : {"page.css.in", "phone.css.in", "contrast.css.in", "sheet.css.in"})
    page_css += Filled(templates, part, facts) + "\n";
  Write(out + "/page.css", page_css);
  Write(out + "/manifest.webmanifest", Filled(templates, "manifest.webmanifest.in", facts));
  Write(out + "/_headers", HeadersFile());
  Write(out + "/.htaccess", HtaccessFile());
  return 0;
}
