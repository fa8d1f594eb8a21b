#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <QTimer>
#include <utility>

#include "desktop/desktop_defaults.h"
#include "screen_model/grid.h"

class QAbstractButton;

namespace tvqt {

class FormWindow;

// A tv::Grid as a Qt table model. The grid's first fixed row and first fixed column become the view's
// headers (they never scroll); further fixed rows or columns, if any, are ordinary rows drawn as fixed.
// Texts are read from the grid when painted, so a cell change needs no copy. The row and column counts
// are the ones of the last reshape(), which a view must see in one reset.
class GridModel : public QAbstractTableModel {
public:
    GridModel(tv::Grid& grid, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void reshape();
    bool shapeMatches() const;
    // Rows and columns taken by the headers (0 or 1 each).
    int headerRows() const { return m_headerRows; }
    int headerCols() const { return m_headerCols; }
    QModelIndex toIndex(int row, int col) const;
    std::pair<int, int> toCell(const QModelIndex& index) const;
    // The cells of the grid rectangle top..bottom x left..right changed: one dataChanged for the body
    // cells among them and one headerDataChanged per header they touch.
    void cellsChanged(int top, int left, int bottom, int right);

    // A cell text with its line breaks ("\r\n", "\n\r", "\r") as "\n".
    static QString cellText(const std::string& text);

private:
    tv::Grid& m_grid;
    int m_rows = 0;
    int m_cols = 0;
    int m_headerRows = 0;
    int m_headerCols = 0;
};

// The table view of a grid: row heights, column widths, alignments and scroll bars from the grid; the
// current cell kept in step both ways; clicks and double clicks reach the grid's Click and DblClick.
class GridView : public QTableView {
public:
    GridView(tv::Grid& grid, FormWindow& window, QWidget* parent);

    // A change of the grid; shape, cell texts, alignments, current cell and scrolling are gathered and
    // applied by flush(), so a table filled cell by cell is announced to the view once.
    void changed(tv::Prop prop, int row, int col);
    void flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void schedule();
    void applyShape();
    void applyCurrent();
    void applyScroll();
    void pushScroll();
    void applyScrollBars();
    void applyCells();
    void repaintAll();
    // Widens every column (and the row headings) that the grid made narrower than its widest text in the
    // rows firstRow..lastRow; a fit of every row also narrows a column back to its designed width.
    void fitColumns(int firstRow, int lastRow);

    tv::Grid& m_grid;
    FormWindow& m_window;
    GridModel m_model;
    QTimer m_timer;
    QAbstractButton* m_corner = nullptr;
    bool m_shapeDirty = true;
    bool m_currentDirty = true;
    bool m_scrollDirty = true;
    bool m_alignmentDirty = false;
    // The grid rectangle of the cells changed since the last flush; empty when bottom < top.
    int m_dirtyTop = 0;
    int m_dirtyLeft = 0;
    int m_dirtyBottom = -1;
    int m_dirtyRight = -1;
    bool m_pushingScroll = false;
};

}  // namespace tvqt
