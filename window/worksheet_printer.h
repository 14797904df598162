#pragma once

#include <QString>

#include "logic/companions/worksheet.h"

class QPagedPaintDevice;

namespace banknotes {

// Lays a worksheet out on A4 pages, black on white in the window's font: its
// head with blanks for the name, class and date; each task with boxes for its
// answer (seven for a payment, 100 to 1; numbered lines and a box for a split's
// ways); and its answer key from a new page on. A task is never split across
// pages. It knows nothing of where the pages go: a printer or a PDF file.
// False where the device could not be painted on.
bool PrintWorksheet(const Worksheet& sheet, QPagedPaintDevice& device);

// Writes the worksheet as a PDF at `path`, and nothing else anywhere; false
// where the file cannot be written.
bool SaveWorksheetPdf(const Worksheet& sheet, const QString& path);

}  // namespace banknotes
