#include "desktop/grid_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>
#include <string>
#include <unordered_map>

#include "desktop/form_window.h"

namespace tvqt {

namespace {

Qt::Alignment qtAlignment(tv::Alignment a)
{
    switch (a) {
        case tv::Alignment::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case tv::Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case tv::Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Sets the section sizes of a header: the most common size becomes the default, the others are set one
// by one, and zero sizes hide their section. Cheap for 1,200 equal rows.
template <class SizeOf>
void applySectionSizes(QHeaderView* header, int count, SizeOf sizeOf)
{
    if (count <= 0) return;
    std::unordered_map<int, int> tally;
    for (int i = 0; i < count; ++i) ++tally[sizeOf(i)];
    int common = 0;
    int best = -1;
    for (auto [size, n] : tally)
        if (size > 0 && (n > best || (n == best && size < common))) common = size, best = n;
    if (common > 0 && header->defaultSectionSize() != common) header->setDefaultSectionSize(common);
    for (int i = 0; i < count; ++i) {
        int size = sizeOf(i);
        if (size <= 0) {
            if (!header->isSectionHidden(i)) header->setSectionHidden(i, true);
            continue;
        }
        if (header->isSectionHidden(i)) header->setSectionHidden(i, false);
        if (header->sectionSize(i) != size) header->resizeSection(i, size);
    }
}

}  // namespace

GridModel::GridModel(tv::Grid& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid) {}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QString GridModel::cellText(const std::string& text)
{
    QString s = QString::fromStdString(text);
    if (!s.contains(QLatin1Char('\r'))) return s;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    auto [row, col] = toCell(index);
    switch (role) {
        case Qt::DisplayRole:
            return cellText(m_grid.text(row, col));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                qtAlignment(m_grid.isFixed(row, col) ? m_grid.fixedAlignment(col) : m_grid.colAlignment(col)));
        case Qt::BackgroundRole:
            if (m_grid.isFixed(row, col)) return QApplication::palette().button();
            return {};
        case Qt::ForegroundRole:
            if (m_grid.isFixed(row, col)) return QApplication::palette().buttonText();
            return {};
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    int row = orientation == Qt::Horizontal ? 0 : section + m_headerRows;
    int col = orientation == Qt::Horizontal ? section + m_headerCols : 0;
    switch (role) {
        case Qt::DisplayRole:
            return cellText(m_grid.text(row, col));
        // A heading wider than its column wraps at a blank onto the next line of a tall header row.
        case Qt::TextAlignmentRole:
            return QVariant(static_cast<int>(qtAlignment(m_grid.fixedAlignment(col))) | Qt::TextWordWrap);
        default:
            return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    auto [row, col] = toCell(index);
    if (m_grid.isFixed(row, col)) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool GridModel::shapeMatches() const
{
    int hr = std::min(m_grid.fixedRows(), 1);
    int hc = std::min(m_grid.fixedCols(), 1);
    return hr == m_headerRows && hc == m_headerCols && m_grid.rows() - hr == m_rows && m_grid.cols() - hc == m_cols;
}

void GridModel::reshape()
{
    beginResetModel();
    m_headerRows = std::min(m_grid.fixedRows(), 1);
    m_headerCols = std::min(m_grid.fixedCols(), 1);
    m_rows = std::max(0, m_grid.rows() - m_headerRows);
    m_cols = std::max(0, m_grid.cols() - m_headerCols);
    endResetModel();
}

QModelIndex GridModel::toIndex(int row, int col) const
{
    int r = row - m_headerRows;
    int c = col - m_headerCols;
    if (r < 0 || c < 0 || r >= m_rows || c >= m_cols) return {};
    return index(r, c);
}

std::pair<int, int> GridModel::toCell(const QModelIndex& index) const
{
    return {index.row() + m_headerRows, index.column() + m_headerCols};
}

void GridModel::cellsChanged(int top, int left, int bottom, int right)
{
    // The header row and column of the view are the grid's row 0 and column 0 when they are fixed.
    const int bodyTop = std::max(top, m_headerRows) - m_headerRows;
    const int bodyLeft = std::max(left, m_headerCols) - m_headerCols;
    const int bodyBottom = std::min(bottom - m_headerRows, m_rows - 1);
    const int bodyRight = std::min(right - m_headerCols, m_cols - 1);
    if (top < m_headerRows && bodyLeft <= bodyRight) Q_EMIT headerDataChanged(Qt::Horizontal, bodyLeft, bodyRight);
    if (left < m_headerCols && bodyTop <= bodyBottom) Q_EMIT headerDataChanged(Qt::Vertical, bodyTop, bodyBottom);
    if (bodyTop <= bodyBottom && bodyLeft <= bodyRight)
        Q_EMIT dataChanged(index(bodyTop, bodyLeft), index(bodyBottom, bodyRight), {Qt::DisplayRole});
}

GridView::GridView(tv::Grid& grid, FormWindow& window, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_window(window), m_model(grid, this)
{
    setModel(&m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setMinimumSectionSize(1);
        h->setTextElideMode(Qt::ElideNone);
    }
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) m_corner->installEventFilter(this);

    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] { flush(); });

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (m_window.applying() || !m_grid.usableByUser()) return;
        auto [row, col] = m_model.toCell(index);
        m_grid.userClickCell(row, col);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_window.applying() || !m_grid.usableByUser()) return;
        auto [row, col] = m_model.toCell(index);
        // The first click of the pair has already fired Click.
        if (m_grid.isCell(row, col) && !m_grid.isFixed(row, col)) m_grid.fire("DblClick");
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (m_window.applying() || !current.isValid()) return;
        auto [row, col] = m_model.toCell(current);
        if (row != m_grid.row() || col != m_grid.col()) m_grid.setCurrent(row, col);
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { pushScroll(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { pushScroll(); });
}

void GridView::schedule()
{
    if (!m_timer.isActive()) m_timer.start();
}

void GridView::changed(tv::Prop prop, int row, int col)
{
    switch (prop) {
        case tv::Prop::GridShape:
            m_shapeDirty = m_currentDirty = m_scrollDirty = true;
            schedule();
            break;
        case tv::Prop::GridCell:
            if (m_shapeDirty) break;  // the coming reset shows it
            if (m_dirtyBottom < m_dirtyTop) {
                m_dirtyTop = m_dirtyBottom = row;
                m_dirtyLeft = m_dirtyRight = col;
            } else {
                m_dirtyTop = std::min(m_dirtyTop, row);
                m_dirtyBottom = std::max(m_dirtyBottom, row);
                m_dirtyLeft = std::min(m_dirtyLeft, col);
                m_dirtyRight = std::max(m_dirtyRight, col);
            }
            schedule();
            break;
        case tv::Prop::GridCurrent:
            m_currentDirty = true;
            schedule();
            break;
        case tv::Prop::GridScroll:
            if (m_pushingScroll) break;
            m_scrollDirty = true;
            schedule();
            break;
        case tv::Prop::GridAlignment:
            m_alignmentDirty = true;
            schedule();
            break;
        default:
            break;
    }
}

void GridView::flush()
{
    m_timer.stop();
    FormWindow::Applying guard(m_window);
    if (m_shapeDirty) {
        applyShape();  // a reset, which shows every text and alignment
    } else {
        applyCells();
        if (m_alignmentDirty) repaintAll();
    }
    if (m_currentDirty) applyCurrent();
    if (m_scrollDirty) applyScroll();
    m_shapeDirty = m_currentDirty = m_scrollDirty = m_alignmentDirty = false;
    m_dirtyBottom = m_dirtyTop - 1;
}

void GridView::applyCells()
{
    if (m_dirtyBottom < m_dirtyTop) return;
    m_model.cellsChanged(m_dirtyTop, m_dirtyLeft, m_dirtyBottom, m_dirtyRight);
    fitColumns(m_dirtyTop, m_dirtyBottom);
    // The corner shows cell (0, 0) outside the model's reach.
    if (m_dirtyTop == 0 && m_dirtyLeft == 0 && m_corner) m_corner->update();
}

void GridView::repaintAll()
{
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    if (m_corner) m_corner->update();
}

void GridView::applyShape()
{
    if (!m_model.shapeMatches()) m_model.reshape();
    const TwipScale& s = m_window.scale();
    int hr = m_model.headerRows();
    int hc = m_model.headerCols();
    horizontalHeader()->setVisible(hr > 0);
    verticalHeader()->setVisible(hc > 0);
    if (hr > 0) horizontalHeader()->setFixedHeight(std::max(1, s.px(m_grid.rowHeight(0))));
    if (hc > 0) verticalHeader()->setFixedWidth(std::max(1, s.px(m_grid.colWidth(0))));
    applySectionSizes(verticalHeader(), m_model.rowCount(), [&](int r) { return s.px(m_grid.rowHeight(r + hr)); });
    applySectionSizes(horizontalHeader(), m_model.columnCount(), [&](int c) { return s.px(m_grid.colWidth(c + hc)); });
    setWordWrap(m_grid.wordWrap());
    fitColumns(0, m_grid.rows() - 1);
    applyScrollBars();
    repaintAll();
}

namespace {

// The width of texts in one font, fast enough for a column of ten thousand lines: each text's width is first
// estimated from cached character advances, and only the texts that may be the widest are measured exactly
// (shaping every line costs tens of milliseconds).
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : m_fm(font), m_average(std::max(1, m_fm.averageCharWidth()))
    {
        for (int c = 0; c < 128; ++c) m_ascii[c] = m_fm.horizontalAdvance(QChar(c));
        // With digits of one width (as text fonts draw figures for tables), an amount is as wide as the same amount
        // written with zeros: a column of a hundred amounts is shaped a few times, not a hundred.
        const QFontMetricsF exact(font);
        for (char d = '1'; d <= '9'; ++d)
            m_tabular =
                m_tabular && exact.horizontalAdvance(QLatin1Char(d)) == exact.horizontalAdvance(QLatin1Char('0'));
    }

    int estimate(const std::string& text)
    {
        int w = 0;
        for (std::size_t i = 0; i < text.size();) {
            const auto b = static_cast<unsigned char>(text[i]);
            if (b < 0x80) {
                w += m_ascii[b];
                ++i;
                continue;
            }
            // A UTF-8 sequence: its code point's advance, cached.
            const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            char32_t cp = b & (0xFF >> (length + 1));
            for (int k = 1; k < length && i + k < text.size(); ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
            i += static_cast<std::size_t>(length);
            auto [it, fresh] = m_other.try_emplace(cp, m_average);
            if (fresh && cp <= 0xFFFF) it->second = m_fm.horizontalAdvance(QChar(static_cast<char16_t>(cp)));
            w += it->second;
        }
        return w;
    }
    int exact(const std::string& text)
    {
        std::string key = text;
        if (m_tabular)
            std::replace_if(
                key.begin(), key.end(), [](char c) { return c >= '1' && c <= '9'; }, '0');
        auto [it, fresh] = m_exact.try_emplace(std::move(key), 0);
        if (fresh) it->second = m_fm.horizontalAdvance(GridModel::cellText(it->first));
        return it->second;
    }
    // Estimates within this of the widest may be the widest once shaped (kerning, ligatures).
    int tolerance(int widestEstimate) const { return 3 * m_average + widestEstimate / 20; }
    int averageCharWidth() const { return m_average; }

private:
    QFontMetrics m_fm;
    int m_average;
    int m_ascii[128]{};
    std::unordered_map<char32_t, int> m_other;
    bool m_tabular = true;
    std::unordered_map<std::string, int> m_exact;
};

}  // namespace

void GridView::fitColumns(int firstRow, int lastRow)
{
    const TwipScale& s = m_window.scale();
    TextWidths widths(font());
    // The cell's text margins on both sides, as the view draws them, the grid line, and half a character
    // for the text layout's fractional widths, which the metrics round away.
    const int margin =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1 + widths.averageCharWidth() / 2;
    const int hr = m_model.headerRows();
    const int hc = m_model.headerCols();
    const int from = std::max(firstRow, hr);
    const int to = std::min(lastRow, m_grid.rows() - 1);
    auto widest = [&](int col) {
        int most = 0;
        for (int row = from; row <= to; ++row) most = std::max(most, widths.estimate(m_grid.text(row, col)));
        if (most == 0) return 0;
        const int floor = most - widths.tolerance(most);
        int w = 0;
        for (int row = from; row <= to; ++row) {
            const std::string& text = m_grid.text(row, col);
            if (!text.empty() && widths.estimate(text) >= floor) w = std::max(w, widths.exact(text) + margin);
        }
        return w;
    };
    // A refit of some rows only widens: the rows not looked at may hold the widest text.
    const bool whole = from <= hr && to >= m_grid.rows() - 1;
    if (hc > 0 && m_grid.colWidth(0) > 0) {
        const int designed = std::max(1, s.px(m_grid.colWidth(0)));
        const int now = whole ? designed : std::max(designed, verticalHeader()->width());
        verticalHeader()->setFixedWidth(std::max(now, widest(0)));
    }
    // Headings wrap onto further lines; only the cells below them set a column's width.
    for (int c = 0; c < m_model.columnCount(); ++c) {
        const int designed = s.px(m_grid.colWidth(c + hc));
        if (designed <= 0) continue;
        const int base = whole ? designed : std::max(designed, horizontalHeader()->sectionSize(c));
        const int width = std::max(base, widest(c + hc));
        if (horizontalHeader()->sectionSize(c) != width) horizontalHeader()->resizeSection(c, width);
    }
}

void GridView::applyScrollBars()
{
    tv::ScrollBars bars = m_grid.scrollBars();
    bool h = bars == tv::ScrollBars::Horizontal || bars == tv::ScrollBars::Both;
    bool v = bars == tv::ScrollBars::Vertical || bars == tv::ScrollBars::Both;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void GridView::applyCurrent()
{
    // Moving the current cell from code does not scroll the grid; topRow and leftCol do.
    bool scroll = hasAutoScroll();
    setAutoScroll(false);
    QModelIndex current = m_model.toIndex(m_grid.row(), m_grid.col());
    if (current.isValid()) {
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        QModelIndex end = m_model.toIndex(m_grid.rowSel(), m_grid.colSel());
        if (!end.isValid()) end = current;
        QModelIndex topLeft =
            m_model.index(std::min(current.row(), end.row()), std::min(current.column(), end.column()));
        QModelIndex bottomRight =
            m_model.index(std::max(current.row(), end.row()), std::max(current.column(), end.column()));
        selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clear();
    }
    setAutoScroll(scroll);
}

void GridView::applyScroll()
{
    updateGeometries();
    auto visibleBefore = [](QHeaderView* h, int section) {
        int n = 0;
        for (int i = 0; i < section && i < h->count(); ++i)
            if (!h->isSectionHidden(i)) ++n;
        return n;
    };
    int top = std::max(0, m_grid.topRow() - m_model.headerRows());
    int left = std::max(0, m_grid.leftCol() - m_model.headerCols());
    verticalScrollBar()->setValue(visibleBefore(verticalHeader(), top));
    horizontalScrollBar()->setValue(visibleBefore(horizontalHeader(), left));
}

void GridView::pushScroll()
{
    if (m_window.applying()) return;
    int row = rowAt(0);
    int col = columnAt(0);
    m_pushingScroll = true;
    if (row >= 0) m_grid.setTopRow(row + m_model.headerRows());
    if (col >= 0) m_grid.setLeftCol(col + m_model.headerCols());
    m_pushingScroll = false;
}

void GridView::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    // Scroll positions need the view's final size.
    m_scrollDirty = true;
    schedule();
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        QPainter p(m_corner);
        QStyleOptionHeader opt;
        opt.initFrom(m_corner);
        opt.state |= QStyle::State_Enabled | QStyle::State_Raised;
        opt.rect = m_corner->rect();
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.text = GridModel::cellText(m_grid.text(0, 0));
        opt.textAlignment = qtAlignment(m_grid.fixedAlignment(0));
        opt.palette = horizontalHeader()->palette();
        opt.fontMetrics = horizontalHeader()->fontMetrics();
        p.setFont(horizontalHeader()->font());
        style()->drawControl(QStyle::CE_Header, &opt, &p, m_corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace tvqt
