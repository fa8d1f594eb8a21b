#pragma once

#include <string>
#include <vector>

#include "screen_model/control.h"

namespace tv {

// A flexible grid: fixed header rows and columns, a text per cell, a height per row and a width per
// column (twips), column alignments, scroll bars, a current cell, a selected range and the first
// visible row and column. Growing the grid adds empty cells.
class Grid : public Control {
public:
    Grid(Form& form, std::string name, Control* container);

    int rows() const { return m_data.rows; }
    int cols() const { return m_data.cols; }
    void setRows(int rows);
    void setCols(int cols);
    int fixedRows() const { return m_data.fixedRows; }
    int fixedCols() const { return m_data.fixedCols; }
    void setFixed(int fixedRows, int fixedCols);

    const std::string& text(int row, int col) const;
    void setText(int row, int col, const UserText& text);
    // The current cell's text.
    const std::string& text() const { return text(m_data.row, m_data.col); }
    void setText(const UserText& text) { setText(m_data.row, m_data.col, text); }

    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int defaultRowHeight() const { return m_data.defaultRowHeight; }
    int defaultColWidth() const { return m_data.defaultColWidth; }

    Alignment colAlignment(int col) const;
    void setColAlignment(int col, Alignment alignment);
    Alignment fixedAlignment(int col) const;
    void setFixedAlignment(int col, Alignment alignment);
    bool wordWrap() const { return m_data.wordWrap; }
    void setWordWrap(bool wrap);

    ScrollBars scrollBars() const { return m_data.scrollBars; }
    void setScrollBars(ScrollBars bars);

    int row() const { return m_data.row; }
    int col() const { return m_data.col; }
    // Makes (row, col) the current cell, fixed cells included; the selection collapses to it.
    void setCurrent(int row, int col);
    int rowSel() const { return m_data.rowSel; }
    int colSel() const { return m_data.colSel; }
    void setSelectionEnd(int rowSel, int colSel);

    int topRow() const { return m_data.topRow; }
    int leftCol() const { return m_data.leftCol; }
    void setTopRow(int row);
    void setLeftCol(int col);

    bool isCell(int row, int col) const { return row >= 0 && col >= 0 && row < m_data.rows && col < m_data.cols; }
    bool isFixed(int row, int col) const { return row < m_data.fixedRows || col < m_data.fixedCols; }
    // A user's click on a cell: the current cell moves there and Click fires. False for a fixed or
    // out-of-range cell, which is ignored.
    bool userClickCell(int row, int col);
    bool userDoubleClickCell(int row, int col);

    void saveDesign() override;
    void restoreDesign() override;

private:
    std::size_t index(int row, int col) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_data.cols) + static_cast<std::size_t>(col);
    }
    void reshape(int rows, int cols);

    struct Data {
        int rows = 2;
        int cols = 2;
        int fixedRows = 1;
        int fixedCols = 1;
        std::vector<std::string> cells = std::vector<std::string>(4);
        std::vector<int> rowHeights = std::vector<int>(2, -1);  // -1: the default height
        std::vector<int> colWidths = std::vector<int>(2, -1);
        std::vector<Alignment> colAlignments = std::vector<Alignment>(2, Alignment::Right);
        std::vector<Alignment> fixedAlignments = std::vector<Alignment>(2, Alignment::Left);
        int defaultRowHeight = 240;
        int defaultColWidth = 960;
        bool wordWrap = false;
        ScrollBars scrollBars = ScrollBars::Both;
        int row = 1;
        int col = 1;
        int rowSel = 1;
        int colSel = 1;
        int topRow = 1;
        int leftCol = 1;
    };
    Data m_data;
    Data m_design;
};

}  // namespace tv
