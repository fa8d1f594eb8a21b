#include "desktop/table_pdf.h"

#include <QColor>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLength>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace tvqt {

namespace {

// A cell that shows a number ("$730.02", "7.25%", "12") lines up on the right.
bool looksNumeric(const QString& cell)
{
    const QString t = cell.trimmed();
    return !t.isEmpty() &&
           (t[0].isDigit() || t[0] == QLatin1Char('$') || t[0] == QLatin1Char('(') || t[0] == QLatin1Char('-'));
}

// Value columns a page holds beside the first column, on a landscape page.
constexpr std::size_t kMaxValueColumns = 12;

}  // namespace

void layOutTable(QTextDocument& doc, const tv::TableDocument& table)
{
    doc.clear();
    // A narrow sans serif (the Liberation fonts come with the program's packages) keeps wide tables on the page.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.5);
    doc.setDefaultFont(font);
    QTextCursor cursor(&doc);

    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(8);
    QTextCharFormat titleChar;
    titleChar.setFontWeight(QFont::Bold);
    titleChar.setFontPointSize(11);
    cursor.setBlockFormat(titleBlock);
    cursor.insertText(QString::fromStdString(table.title), titleChar);

    std::size_t columns = 0;
    for (const auto& row : table.rows) columns = std::max(columns, row.size());
    if (table.rows.empty() || columns == 0) return;

    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setBorder(1);
    format.setBorderBrush(QColor(0x80, 0x80, 0x80));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBottomMargin(12);
    QTextCharFormat header;
    header.setFontWeight(QFont::Bold);
    header.setBackground(QColor(0xE8, 0xE8, 0xE8));
    // A heading stands over its column the way the column's first value does.
    auto numericColumn = [&](std::size_t c) {
        return table.rows.size() > 1 && c < table.rows[1].size() &&
               looksNumeric(QString::fromStdString(table.rows[1][c]));
    };

    // A table wider than a page goes in blocks of columns, one under the other, each led by the first column.
    const std::size_t valueColumns = columns - 1;
    const std::size_t blocks = valueColumns == 0 ? 1 : (valueColumns + kMaxValueColumns - 1) / kMaxValueColumns;
    for (std::size_t b = 0; b < blocks; ++b) {
        std::vector<std::size_t> shown{0};
        for (std::size_t c = 1 + b * kMaxValueColumns; c < columns && c <= (b + 1) * kMaxValueColumns; ++c)
            shown.push_back(c);
        QTextTableFormat blockFormat = format;
        // Full blocks span the page; a last, narrower block keeps the same column widths.
        blockFormat.setWidth(QTextLength(
            QTextLength::PercentageLength,
            100.0 * static_cast<double>(shown.size()) / static_cast<double>(std::min(columns, kMaxValueColumns + 1))));
        cursor.movePosition(QTextCursor::End);
        QTextTable* grid =
            cursor.insertTable(static_cast<int>(table.rows.size()), static_cast<int>(shown.size()), blockFormat);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const std::size_t c = shown[i];
                if (c >= table.rows[r].size()) continue;
                const QString cell = QString::fromStdString(table.rows[r][c]).trimmed();
                QTextCursor at = grid->cellAt(static_cast<int>(r), static_cast<int>(i)).firstCursorPosition();
                QTextBlockFormat block;
                const bool right = r == 0 ? numericColumn(c) : looksNumeric(cell);
                block.setAlignment(right ? Qt::AlignRight : Qt::AlignLeft);
                at.setBlockFormat(block);
                at.insertText(cell, r == 0 ? header : QTextCharFormat());
            }
        }
    }
}

bool writeTablePdf(const QString& file, const tv::TableDocument& table)
{
    QPdfWriter writer(file);
    if (!writer.setPageSize(QPageSize(QPageSize::Letter))) return false;
    // More than a few columns need the page's long side.
    std::size_t columns = 0;
    for (const auto& row : table.rows) columns = std::max(columns, row.size());
    writer.setPageOrientation(columns > 6 ? QPageLayout::Landscape : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(QString::fromStdString(table.title));
    writer.setCreator(QStringLiteral("Tarvolin"));
    QTextDocument doc;
    layOutTable(doc, table);
    // Laid out on the page's printable area in points; the writer's margins are the only ones.
    doc.setPageSize(writer.pageLayout().paintRectPoints().size());
    doc.setDocumentMargin(0);
    doc.print(&writer);
    return QFileInfo(file).isFile() && QFileInfo(file).size() > 0;
}

}  // namespace tvqt
