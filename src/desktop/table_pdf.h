#pragma once

#include <QString>

#include "screen_model/platform.h"

class QTextDocument;

namespace tvqt {

// Lays `table` out in `doc`: its title as a heading line, then a bordered table whose first row is the
// header (repeated at the top of every page), the cells that hold numbers right-aligned. A table of more
// than twelve columns beside its first is laid out in blocks of twelve, one under the other, each led by
// the first column.
void layOutTable(QTextDocument& doc, const tv::TableDocument& table);

// Writes `table` laid out as above to a PDF file (Letter pages, landscape for more than six columns); false
// when the file cannot be written.
bool writeTablePdf(const QString& file, const tv::TableDocument& table);

}  // namespace tvqt
