#include "desktop/table_pdf.h"

#include <QColor>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <cmath>
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

QString cellText(const tv::TableDocument& table, std::size_t row, std::size_t col)
{
    const auto& cells = table.rows[row];
    return col < cells.size() ? QString::fromStdString(cells[col]).trimmed() : QString();
}

// The sizes a table is tried in, largest first; 8 pt is the smallest that stays readable on paper.
constexpr double kPointSizes[] = {9.0, 8.5, 8.0};
constexpr double kHeadingPointSize = 11.0;
// Blank space either side of a cell's text, in lines of the table's font.
constexpr double kPaddingLines = 0.35;

QFont tableFont(double pointSize, bool bold = false)
{
    // A narrow sans serif (the Liberation fonts come with the program's packages) keeps wide tables on the page.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// How a table goes on its pages (in the orientation last set on the device): the font, each column's width and
// the blocks of columns, each led by column 0.
struct Plan {
    double pointSize = kPointSizes[0];
    std::vector<double> widths;  // device units
    std::vector<std::vector<std::size_t>> blocks;
};

Plan planFor(QPagedPaintDevice& device, const tv::TableDocument& table, std::size_t columns,
             QPageLayout::Orientation orientation, double pointSize)
{
    device.setPageOrientation(orientation);
    Plan plan{pointSize, {}, {}};
    const QFontMetricsF body(tableFont(pointSize), &device);
    const QFontMetricsF bold(tableFont(pointSize, true), &device);
    const double padding = body.height() * kPaddingLines;
    for (std::size_t c = 0; c < columns; ++c) {
        double widest = 0;
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            for (const QString& line : cellText(table, r, c).split(QLatin1Char('\n')))
                widest = std::max(widest, (r == 0 ? bold : body).horizontalAdvance(line));
        plan.widths.push_back(std::ceil(widest + 2 * padding));
    }
    // Greedy blocks first; then, if the value columns spread evenly over as many blocks still fit, those.
    const double page = device.width();
    auto split = [&](std::size_t most) {
        std::vector<std::vector<std::size_t>> blocks;
        std::vector<std::size_t> block{0};
        double used = plan.widths.empty() ? 0 : plan.widths[0];
        bool fits = true;
        for (std::size_t c = 1; c < columns; ++c) {
            if (block.size() > 1 && (used + plan.widths[c] > page || block.size() > most)) {
                blocks.push_back(block);
                block = {0};
                used = plan.widths[0];
            }
            block.push_back(c);
            used += plan.widths[c];
            fits = fits && used <= page;
        }
        blocks.push_back(block);
        return std::make_pair(blocks, fits);
    };
    plan.blocks = split(columns).first;
    if (plan.blocks.size() > 1) {
        const std::size_t even = (columns - 1 + plan.blocks.size() - 1) / plan.blocks.size();
        if (auto [blocks, fits] = split(even); fits && blocks.size() == plan.blocks.size()) plan.blocks = blocks;
    }
    return plan;
}

// Portrait in the largest size if the table fits across, else landscape in the largest size that fits,
// else landscape at the smallest size in blocks of columns.
Plan choosePlan(QPagedPaintDevice& device, const tv::TableDocument& table, std::size_t columns)
{
    Plan plan = planFor(device, table, columns, QPageLayout::Portrait, kPointSizes[0]);
    if (plan.blocks.size() == 1) return plan;
    for (double size : kPointSizes) {
        plan = planFor(device, table, columns, QPageLayout::Landscape, size);
        if (plan.blocks.size() == 1) return plan;
    }
    return plan;
}

// Height of `text` set in `font`, wrapped at word boundaries to `width`.
double wrappedHeight(QPagedPaintDevice& device, const QFont& font, const QString& text, double width)
{
    return QFontMetricsF(font, &device).boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

}  // namespace

bool paintTable(QPagedPaintDevice& device, const tv::TableDocument& table)
{
    std::size_t columns = 0;
    for (const auto& row : table.rows) columns = std::max(columns, row.size());
    const Plan plan = choosePlan(device, table, columns);

    const QFont body = tableFont(plan.pointSize);
    const QFont bold = tableFont(plan.pointSize, true);
    const QFont heading = tableFont(kHeadingPointSize, true);
    const QFontMetricsF metrics(body, &device);
    const double line = metrics.height();
    const double padding = line * kPaddingLines;
    const double pageW = device.width();
    const double pageH = device.height();

    // The title's first line is the heading; the others are facts, short ones side by side in three columns
    // and a long one (a note) on lines of its own.
    QStringList facts = QString::fromStdString(table.title).split(QLatin1Char('\n'));
    const QString title = facts.isEmpty() ? QString() : facts.takeFirst();
    const double titleH = wrappedHeight(device, heading, title, pageW) + line * 0.4;
    const double third = pageW / 3;
    std::vector<std::pair<QRectF, QString>> factBoxes;
    double factY = titleH;
    int column = 0;
    for (const QString& f : facts) {
        if (metrics.horizontalAdvance(f) + line <= third) {
            factBoxes.push_back({QRectF(column * third, factY, third, line), f});
            if (++column == 3) {
                column = 0;
                factY += line;
            }
            continue;
        }
        if (column) {
            column = 0;
            factY += line;
        }
        const double height = wrappedHeight(device, body, f, pageW);
        factBoxes.push_back({QRectF(0, factY, pageW, height), f});
        factY += height;
    }
    if (column) factY += line;
    const double topH = factY + line * 0.8;

    int headerLines = 1;
    if (!table.rows.empty())
        for (std::size_t c = 0; c < columns; ++c)
            headerLines = std::max(headerLines, static_cast<int>(cellText(table, 0, c).count(QLatin1Char('\n'))) + 1);
    const double rowH = line * 1.3;
    const double headerH = headerLines * line + line * 0.4;
    const double footH = line * 2;
    const std::size_t bodyRows = table.rows.empty() ? 0 : table.rows.size() - 1;
    const auto capacity = static_cast<std::size_t>(std::max(1.0, std::floor((pageH - topH - headerH - footH) / rowH)));
    // Each block's rows spread evenly over its pages: 103 rows at 50 a page go 34, 34, 35, not 50, 50, 3.
    const std::size_t pagesPerBlock = std::max<std::size_t>(1, (bodyRows + capacity - 1) / capacity);
    const std::size_t pageCount = pagesPerBlock * plan.blocks.size();

    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double dotsPerPoint = device.logicalDpiY() / 72.0;
    QPen rule(QColor(0x80, 0x80, 0x80));
    rule.setWidthF(0.5 * dotsPerPoint);
    std::size_t pageNumber = 0;
    for (std::size_t b = 0; b < plan.blocks.size(); ++b) {
        const std::vector<std::size_t>& block = plan.blocks[b];
        double tableW = 0;
        for (std::size_t c : block) tableW += plan.widths[c];
        for (std::size_t p = 0; p < pagesPerBlock; ++p) {
            const std::size_t first = 1 + p * bodyRows / pagesPerBlock;
            const std::size_t last = (p + 1) * bodyRows / pagesPerBlock;
            if (pageNumber++ > 0) device.newPage();
            painter.setPen(Qt::black);
            painter.setFont(heading);
            painter.drawText(QRectF(0, 0, pageW, titleH), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, title);
            painter.setFont(body);
            for (const auto& [box, fact] : factBoxes)
                painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, fact);
            double y = topH;
            // One row of the block at height y; the header row bold on grey.
            auto drawRow = [&](std::size_t r, double height) {
                if (r == 0) painter.fillRect(QRectF(0, y, tableW, height), QColor(0xE8, 0xE8, 0xE8));
                painter.setFont(r == 0 ? bold : body);
                painter.setPen(Qt::black);
                double x = 0;
                for (std::size_t c : block) {
                    const QString text = table.rows.empty() ? QString() : cellText(table, r, c);
                    const bool right =
                        r == 0 ? bodyRows > 0 && looksNumeric(cellText(table, 1, c)) : looksNumeric(text);
                    painter.drawText(QRectF(x + padding, y, plan.widths[c] - 2 * padding, height),
                                     (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
                    x += plan.widths[c];
                }
                painter.setPen(rule);
                painter.drawLine(QPointF(0, y + height), QPointF(tableW, y + height));
                y += height;
            };
            if (!table.rows.empty()) {
                painter.setPen(rule);
                painter.drawLine(QPointF(0, y), QPointF(tableW, y));
                const double top = y;
                drawRow(0, headerH);
                for (std::size_t r = first; r <= last; ++r) drawRow(r, rowH);
                painter.setPen(rule);
                double x = 0;
                painter.drawLine(QPointF(x, top), QPointF(x, y));
                for (std::size_t c : block) {
                    x += plan.widths[c];
                    painter.drawLine(QPointF(x, top), QPointF(x, y));
                }
            }
            QString foot = QCoreApplication::translate("Desktop", "Page %1 of %2").arg(pageNumber).arg(pageCount);
            if (plan.blocks.size() > 1 && block.size() > 1)
                foot +=
                    QStringLiteral("    ") + QCoreApplication::translate("Desktop", "(%1 to %2)")
                                                 .arg(cellText(table, 0, block[1]), cellText(table, 0, block.back()));
            painter.setPen(Qt::black);
            painter.setFont(body);
            painter.drawText(QRectF(0, pageH - line * 1.2, pageW, line * 1.2), Qt::AlignRight | Qt::AlignBottom, foot);
        }
    }
    return painter.end();
}

bool writeTablePdf(const QString& file, const tv::TableDocument& table)
{
    QPdfWriter writer(file);
    if (!writer.setPageSize(QPageSize(QPageSize::Letter))) return false;
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    writer.setTitle(QString::fromStdString(table.title.substr(0, table.title.find('\n'))));
    writer.setCreator(QStringLiteral("Tarvolin"));
    if (!paintTable(writer, table)) return false;
    return QFileInfo(file).isFile() && QFileInfo(file).size() > 0;
}

}  // namespace tvqt
