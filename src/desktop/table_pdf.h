#pragma once

#include <QString>

#include "screen_model/platform.h"

class QPagedPaintDevice;

namespace tvqt {

// Paints `table` on the pages of `device` (a QPdfWriter or a QPrinter, its page size and margins already set):
// on top of every page the title's first line as a heading and its further lines as short facts side by side,
// then the header row, then whole rows, and "Page n of m" at the foot. Columns are as wide as their widest
// text and never wrap; the page turns to landscape, then the font shrinks to 8 pt, before a table too wide for
// the page is split into blocks of columns, each led by the first column. Rows are spread evenly over a
// block's pages so that no page holds only a few. False when the device cannot be painted on.
bool paintTable(QPagedPaintDevice& device, const tv::TableDocument& table);

// Writes `table` painted as above to a PDF file of Letter pages; false when the file cannot be written.
bool writeTablePdf(const QString& file, const tv::TableDocument& table);

}  // namespace tvqt
