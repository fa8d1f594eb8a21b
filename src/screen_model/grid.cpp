#include "screen_model/grid.h"

#include <algorithm>

#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tv {

namespace {
const std::string kNoText;
}

Grid::Grid(Form& form, std::string name, Control* container) : Control(form, Kind::Grid, std::move(name), container)
{
    m_props.backColor = syscolor::kWindowBackground;
    m_props.foreColor = syscolor::kWindowText;
}

void Grid::reshape(int rows, int cols)
{
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    if (rows == m_data.rows && cols == m_data.cols) return;
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    int keepRows = std::min(rows, m_data.rows);
    int keepCols = std::min(cols, m_data.cols);
    for (int r = 0; r < keepRows; ++r)
        for (int c = 0; c < keepCols; ++c)
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)] =
                std::move(m_data.cells[index(r, c)]);
    m_data.cells = std::move(cells);
    m_data.rows = rows;
    m_data.cols = cols;
    m_data.rowHeights.resize(static_cast<std::size_t>(rows), -1);
    m_data.colWidths.resize(static_cast<std::size_t>(cols), -1);
    m_data.colAlignments.resize(static_cast<std::size_t>(cols), Alignment::Right);
    m_data.fixedAlignments.resize(static_cast<std::size_t>(cols), Alignment::Left);
    m_data.fixedRows = std::min(m_data.fixedRows, rows);
    m_data.fixedCols = std::min(m_data.fixedCols, cols);
    auto clampTo = [](int v, int n) { return n <= 0 ? 0 : std::clamp(v, 0, n - 1); };
    m_data.row = clampTo(m_data.row, rows);
    m_data.col = clampTo(m_data.col, cols);
    m_data.rowSel = clampTo(m_data.rowSel, rows);
    m_data.colSel = clampTo(m_data.colSel, cols);
    m_data.topRow = clampTo(m_data.topRow, rows);
    m_data.leftCol = clampTo(m_data.leftCol, cols);
    changed(Prop::GridShape);
}

void Grid::setRows(int rows)
{
    reshape(rows, m_data.cols);
}

void Grid::setCols(int cols)
{
    reshape(m_data.rows, cols);
}

void Grid::setFixed(int fixedRows, int fixedCols)
{
    m_data.fixedRows = std::clamp(fixedRows, 0, m_data.rows);
    m_data.fixedCols = std::clamp(fixedCols, 0, m_data.cols);
    changed(Prop::GridShape);
}

const std::string& Grid::text(int row, int col) const
{
    if (!isCell(row, col)) return kNoText;
    return m_data.cells[index(row, col)];
}

void Grid::setText(int row, int col, const UserText& shown)
{
    if (!isCell(row, col)) return;
    const std::string text = form().app().text(shown);
    std::string& cell = m_data.cells[index(row, col)];
    if (cell == text) return;
    cell = text;
    changed(Prop::GridCell, row, col);
}

int Grid::rowHeight(int row) const
{
    if (row < 0 || row >= m_data.rows) return 0;
    int h = m_data.rowHeights[static_cast<std::size_t>(row)];
    return h < 0 ? m_data.defaultRowHeight : h;
}

void Grid::setRowHeight(int row, int twips)
{
    if (row < 0 || row >= m_data.rows) return;
    m_data.rowHeights[static_cast<std::size_t>(row)] = std::max(0, twips);
    changed(Prop::GridShape);
}

int Grid::colWidth(int col) const
{
    if (col < 0 || col >= m_data.cols) return 0;
    int w = m_data.colWidths[static_cast<std::size_t>(col)];
    return w < 0 ? m_data.defaultColWidth : w;
}

void Grid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= m_data.cols) return;
    m_data.colWidths[static_cast<std::size_t>(col)] = std::max(0, twips);
    changed(Prop::GridShape);
}

Alignment Grid::colAlignment(int col) const
{
    if (col < 0 || col >= m_data.cols) return Alignment::Right;
    return m_data.colAlignments[static_cast<std::size_t>(col)];
}

void Grid::setColAlignment(int col, Alignment alignment)
{
    if (col < 0 || col >= m_data.cols || m_data.colAlignments[static_cast<std::size_t>(col)] == alignment) return;
    m_data.colAlignments[static_cast<std::size_t>(col)] = alignment;
    changed(Prop::GridAlignment);
}

Alignment Grid::fixedAlignment(int col) const
{
    if (col < 0 || col >= m_data.cols) return Alignment::Left;
    return m_data.fixedAlignments[static_cast<std::size_t>(col)];
}

void Grid::setFixedAlignment(int col, Alignment alignment)
{
    if (col < 0 || col >= m_data.cols || m_data.fixedAlignments[static_cast<std::size_t>(col)] == alignment) return;
    m_data.fixedAlignments[static_cast<std::size_t>(col)] = alignment;
    changed(Prop::GridAlignment);
}

void Grid::setWordWrap(bool wrap)
{
    m_data.wordWrap = wrap;
    changed(Prop::GridShape);
}

void Grid::setScrollBars(ScrollBars bars)
{
    if (m_data.scrollBars == bars) return;
    m_data.scrollBars = bars;
    changed(Prop::GridShape);
}

void Grid::setCurrent(int row, int col)
{
    if (!isCell(row, col)) return;
    m_data.row = row;
    m_data.col = col;
    m_data.rowSel = row;
    m_data.colSel = col;
    changed(Prop::GridCurrent);
}

void Grid::setSelectionEnd(int rowSel, int colSel)
{
    if (!isCell(rowSel, colSel)) return;
    m_data.rowSel = rowSel;
    m_data.colSel = colSel;
    changed(Prop::GridCurrent);
}

void Grid::setTopRow(int row)
{
    if (row < 0 || row >= m_data.rows || row == m_data.topRow) return;
    m_data.topRow = row;
    changed(Prop::GridScroll);
}

void Grid::setLeftCol(int col)
{
    if (col < 0 || col >= m_data.cols || col == m_data.leftCol) return;
    m_data.leftCol = col;
    changed(Prop::GridScroll);
}

bool Grid::userClickCell(int row, int col)
{
    if (!isCell(row, col) || isFixed(row, col)) return false;
    setCurrent(row, col);
    fire("Click");
    return true;
}

bool Grid::userDoubleClickCell(int row, int col)
{
    if (!userClickCell(row, col)) return false;
    fire("DblClick");
    return true;
}

void Grid::saveDesign()
{
    Control::saveDesign();
    m_design = m_data;
}

void Grid::restoreDesign()
{
    Control::restoreDesign();
    m_data = m_design;
}

}  // namespace tv
