// broken_form_probe CASE: builds a window from a description with a fault in it,
// as a mistake in the table would bring, for the window test to watch it stop:
//   frame-after-child  a check box listed before the frame it stands in
//   wrong-kind         a label taken for a box
#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "logic/windows/form_layout.h"
#include "window/form_builder.h"
#include "window/form_zoom.h"

using namespace banknotes;

int main(int argc, char* argv[]) {
  // What stops it, on standard error everywhere: a Windows program with no
  // console would send it to the debugger.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
    if (type == QtFatalMsg) std::abort();
  });
  QApplication app(argc, argv);
  constexpr Control kFrameAfterChild[] = {
      {.name = "Check1",
       .index = 0,
       .kind = ControlKind::CheckBox,
       .container = "Frame1",
       .text = "100",
       .place = {120, 360, 1095, 375},
       .tab_index = 1,
       .accessible_name = "Вид купюр 100"},
      {.name = "Frame1",
       .kind = ControlKind::Frame,
       .text = "Вид купюр",
       .place = {120, 240, 1335, 3015}},
  };
  constexpr Control kALabel[] = {
      {.name = "Label1", .index = 0, .text = "Сума:", .place = {0, 0, 1000, 400}},
      {.name = "Text3",
       .index = 0,
       .kind = ControlKind::TextBox,
       .place = {1000, 0, 1000, 400},
       .tab_index = 1,
       .accessible_name = "Сума"},
  };
  const bool frame_after_child = argc > 1 && std::strcmp(argv[1], "frame-after-child") == 0;
  const FormLayout layout{"BrokenForm",
                          {0, 0, 3000, 3000},
                          {192, 192, 255},
                          frame_after_child ? std::span<const Control>(kFrameAfterChild)
                                            : std::span<const Control>(kALabel)};
  QWidget window;
  FormZoom zoom(&window, layout.client_area);
  const std::vector<QWidget*> widgets = BuildControls(window, layout, zoom);
  // The label, taken for the box it stands beside.
  As<QLineEdit>(widgets[0], layout.controls[0]);
  return 0;
}
