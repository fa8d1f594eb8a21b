#include "desktop/chart_window.h"

#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "desktop/accessible_names.h"
#include "desktop/colors.h"
#include "qt_locale/qt_locale.h"
#include "screen_model/control.h"
#include "screen_model/platform.h"

namespace tvqt {

namespace {

// Past this many series the legend would crowd out the chart; the lines' colours still run in order.
constexpr int kMaxLegendEntries = 16;

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

void styleAxis(QAbstractAxis* axis, const tv::ChartAxis& model, const QColor& fore)
{
    axis->setTitleText(axisTitle(model));
    axis->setTitleBrush(fore);
    axis->setLabelsColor(fore);
    QColor grid = fore;
    grid.setAlpha(40);
    axis->setGridLineColor(grid);
    axis->setLinePenColor(fore);
}

QValueAxis* valueAxis(const tv::ChartAxis& model, const QColor& fore)
{
    auto* axis = new QValueAxis;
    // Money and counts are shown without decimals; the axis title carries the unit.
    axis->setLabelFormat(QStringLiteral("%.0f"));
    styleAxis(axis, model, fore);
    return axis;
}

// Okabe and Ito's colours, which readers with any common colour-vision deficiency tell apart.
constexpr std::array<QRgb, 8> kSafeColors{0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7,
                                          0xE69F00, 0x56B4E9, 0x000000, 0xF0E442};
constexpr std::array<Qt::PenStyle, 5> kDashes{Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine};
enum class Marker { Circle, Square, Triangle, Diamond };
constexpr int kMarkerCount = 4;
constexpr qreal kMarkerSize = 8;  // logical pixels across

// WCAG's relative luminance, 0 (black) to 1 (white).
double luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The safe colours that stand out from the background (a contrast ratio of at least 1.5), in their order.
std::vector<QColor> safeColors(const QColor& back)
{
    std::vector<QColor> out;
    const double b = luminance(back);
    for (QRgb rgb : kSafeColors) {
        const QColor c(rgb);
        const double l = luminance(c);
        if ((std::max(l, b) + 0.05) / (std::min(l, b) + 0.05) >= 1.5) out.push_back(c);
    }
    if (out.empty()) out.emplace_back(kSafeColors.front());
    return out;
}

// A marker drawn in `color`, for the series' light marker at every point.
QImage markerImage(Marker shape, const QColor& color)
{
    constexpr int kPixels = 32;  // drawn large, scaled down to kMarkerSize by the series
    QImage image(kPixels, kPixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const QRectF r(3, 3, kPixels - 6, kPixels - 6);
    QPainterPath path;
    switch (shape) {
        case Marker::Circle:
            path.addEllipse(r);
            break;
        case Marker::Square:
            path.addRect(r.adjusted(2, 2, -2, -2));
            break;
        case Marker::Triangle:
            path.addPolygon(QPolygonF{{r.center().x(), r.top()}, r.bottomRight(), r.bottomLeft()});
            break;
        case Marker::Diamond:
            path.addPolygon(QPolygonF{{r.center().x(), r.top()},
                                      {r.right(), r.center().y()},
                                      {r.center().x(), r.bottom()},
                                      {r.left(), r.center().y()}});
            break;
    }
    p.drawPath(path);
    return image;
}

// The n-th of lines to compare: its colour, dash and marker each run through their own list, so neighbours
// differ in all three.
void styleComparedLine(QLineSeries* line, std::size_t n, const std::vector<QColor>& colors)
{
    const QColor color = colors[n % colors.size()];
    QPen pen(color);
    pen.setWidthF(2.0);
    pen.setStyle(kDashes[n % kDashes.size()]);
    line->setPen(pen);
    line->setLightMarker(markerImage(static_cast<Marker>(n % kMarkerCount), color));
    line->setMarkerSize(kMarkerSize);
}

}  // namespace

QString axisTitle(const tv::ChartAxis& axis)
{
    if (axis.unit.empty()) return text(axis.title);
    return text(axis.title) + QStringLiteral(" (") + text(axis.unit) + QStringLiteral(")");
}

QChart* makeChart(const tv::Chart& model, tv::Color back, tv::Color fore)
{
    const QPalette palette = QApplication::palette();
    const QColor backColor = toQColor(back, palette);
    const QColor foreColor = toQColor(fore, palette);

    auto* chart = new QChart;
    // Axis labels written as the program writes numbers: "250,000" in en_US, "250.000" in de_DE.
    chart->setLocale(tvqt::numberLocale());
    chart->setLocalizeNumbers(true);
    chart->setTitle(text(model.title));
    chart->setTitleBrush(foreColor);
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    chart->setTitleFont(titleFont);
    chart->setBackgroundBrush(backColor);
    chart->setBackgroundRoundness(0);
    chart->legend()->setLabelColor(foreColor);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setVisible(model.series.size() <= static_cast<std::size_t>(kMaxLegendEntries));
    // The legend shows each compared line's own dash and marker, not a swatch of colour alone.
    if (model.comparesLines) chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    const bool hasBars = std::any_of(model.series.begin(), model.series.end(),
                                     [](const tv::ChartSeries& s) { return s.kind == tv::SeriesKind::StackedBar; });
    const bool hasRight =
        std::any_of(model.series.begin(), model.series.end(), [](const tv::ChartSeries& s) { return s.rightAxis; });

    QAbstractAxis* xAxis = nullptr;
    if (hasBars) {
        auto* categories = new QBarCategoryAxis;
        for (const std::string& c : model.categories) categories->append(text(c));
        styleAxis(categories, model.x, foreColor);
        xAxis = categories;
    } else {
        xAxis = valueAxis(model.x, foreColor);
    }
    chart->addAxis(xAxis, Qt::AlignBottom);
    QValueAxis* yAxis = valueAxis(model.y, foreColor);
    chart->addAxis(yAxis, Qt::AlignLeft);
    QValueAxis* rightAxis = nullptr;
    if (hasRight) {
        rightAxis = valueAxis(model.right, foreColor);
        rightAxis->setGridLineVisible(false);
        chart->addAxis(rightAxis, Qt::AlignRight);
    }

    QStackedBarSeries* bars = nullptr;
    double yMax = 0;
    double yMin = 0;
    double dataMin = std::numeric_limits<double>::infinity();
    const std::vector<QColor> compared = model.comparesLines ? safeColors(backColor) : std::vector<QColor>{};
    std::size_t lineIndex = 0;
    double rightMax = 0;
    double xMin = 0;
    double xMax = 0;
    bool anyX = false;
    for (const tv::ChartSeries& s : model.series) {
        const QColor color = toQColor(s.color, palette);
        if (s.kind == tv::SeriesKind::StackedBar) {
            // The bars join the chart where the first of them stands, so the legend keeps the model's order.
            if (!bars) {
                bars = new QStackedBarSeries;
                chart->addSeries(bars);
                bars->attachAxis(xAxis);
                bars->attachAxis(yAxis);
            }
            auto* set = new QBarSet(text(s.name));
            set->setColor(color);
            set->setBorderColor(color.darker(130));
            for (const tv::ChartPoint& p : s.points) set->append(p.y);
            bars->append(set);
            continue;
        }
        auto* line = new QLineSeries;
        line->setName(text(s.name));
        QPen pen(color);
        pen.setWidthF(2.0);
        line->setPen(pen);
        if (model.comparesLines) styleComparedLine(line, lineIndex, compared);
        ++lineIndex;
        for (const tv::ChartPoint& p : s.points) {
            line->append(p.x, p.y);
            if (s.rightAxis) {
                rightMax = std::max(rightMax, p.y);
            } else {
                yMax = std::max(yMax, p.y);
                yMin = std::min(yMin, p.y);
                dataMin = std::min(dataMin, p.y);
            }
            xMin = anyX ? std::min(xMin, p.x) : p.x;
            xMax = anyX ? std::max(xMax, p.x) : p.x;
            anyX = true;
        }
        chart->addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(s.rightAxis && rightAxis ? rightAxis : yAxis);
    }
    if (bars) {
        // The stacks' heights set the left axis.
        const int count = bars->barSets().isEmpty() ? 0 : bars->barSets().first()->count();
        for (int i = 0; i < count; ++i) {
            double stack = 0;
            for (QBarSet* set : bars->barSets()) stack += set->at(i);
            yMax = std::max(yMax, stack);
        }
    }
    // A schedule ends a few cents from zero either way; that is no reason for a negative half of the axis.
    if (yMin < 0 && -yMin < 0.001 * yMax) yMin = 0;
    // Lines compared with one another differ by little next to their size: the axis starts near the lowest.
    if (model.comparesLines && !bars && std::isfinite(dataMin)) yMin = dataMin;
    yAxis->setRange(yMin, yMax > yMin ? yMax : yMin + 1);
    yAxis->applyNiceNumbers();
    if (rightAxis) {
        rightAxis->setRange(0, rightMax > 0 ? rightMax : 1);
        rightAxis->applyNiceNumbers();
    }
    if (auto* values = qobject_cast<QValueAxis*>(xAxis)) {
        values->setRange(xMin, xMax > xMin ? xMax : xMin + 1);
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(xMin);
        // Whole steps of the unit, about ten of them.
        const double span = xMax - xMin;
        double step = 1;
        for (double nice : {1.0, 2.0, 5.0, 6.0, 10.0, 12.0, 20.0, 24.0, 50.0, 60.0, 100.0, 120.0, 200.0, 500.0})
            if (span / nice <= 12) {
                step = nice;
                break;
            }
        values->setTickInterval(step);
    }
    return chart;
}

ChartWindow::ChartWindow(const tv::ChartRequest& request)
{
    setObjectName(QStringLiteral("chart_") + text(request.name));
    setWindowTitle(text(request.caption));
    m_back = toQColor(request.back, QApplication::palette());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, m_back);
    setPalette(palette);
    setAutoFillBackground(true);

    m_charts = new QWidget(this);
    m_charts->setObjectName(objectName() + QStringLiteral("_charts"));
    auto* layout = new QVBoxLayout(m_charts);
    layout->setContentsMargins(6, 6, 6, 6);
    int index = 0;
    for (const tv::Chart& c : request.charts) {
        auto* view = new QChartView(makeChart(c, request.back, request.fore), m_charts);
        view->setObjectName(objectName() + QLatin1Char('_') + QString::number(index++));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(480, 300);
        layout->addWidget(view);
    }
    setCentralWidget(m_charts);

    QMenu* file = menuBar()->addMenu(QCoreApplication::translate("Desktop", "&File"));
    auto add = [&](const QString& caption, const QKeySequence& keys, auto command) {
        QAction* action = file->addAction(caption);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, command);
    };
    add(QCoreApplication::translate("Desktop", "Save as &PNG..."), QKeySequence(Qt::CTRL | Qt::Key_S),
        [this] { savePng(); });
    add(QCoreApplication::translate("Desktop", "Save as S&VG..."), QKeySequence(), [this] { saveSvg(); });
    add(QCoreApplication::translate("Desktop", "&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copy(); });
    add(QCoreApplication::translate("Desktop", "&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { print(); });
    file->addSeparator();
    add(QCoreApplication::translate("Desktop", "&Close"), QKeySequence(Qt::Key_Escape), [this] { close(); });

    resize(860, 40 + menuBar()->sizeHint().height() + 400 * std::max<int>(1, static_cast<int>(request.charts.size())));
}

QSize ChartWindow::chartSize() const
{
    return m_charts->size();
}

void ChartWindow::paintCharts(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(), chartSize()), m_back);
    for (QChartView* view : m_charts->findChildren<QChartView*>()) {
        const QWidget* port = view->viewport();
        view->render(&painter, QRectF(port->mapTo(m_charts, QPoint()), port->size()), port->rect());
    }
}

void ChartWindow::paintPage(QPainter& painter) const
{
    // The page's painter starts at the printable area's corner, in device pixels.
    const QRect page = painter.viewport();
    const QSize size = chartSize();
    const double scale = std::min(static_cast<double>(page.width()) / std::max(1, size.width()),
                                  static_cast<double>(page.height()) / std::max(1, size.height()));
    painter.scale(scale, scale);
    paintCharts(painter);
}

QImage ChartWindow::image() const
{
    const qreal ratio = devicePixelRatioF();
    QImage out(chartSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(ratio);
    out.fill(m_back);
    QPainter painter(&out);
    paintCharts(painter);
    return out;
}

bool ChartWindow::writePng(const QString& file) const
{
    return image().save(file, "PNG");
}

bool ChartWindow::writeSvg(const QString& file) const
{
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setTitle(windowTitle());
    svg.setSize(chartSize());
    svg.setViewBox(QRect(QPoint(), chartSize()));
    svg.setResolution(96);  // CSS pixels, so a viewer shows the picture at the window's size
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paintCharts(painter);
    return painter.end() && QFileInfo(file).isFile();
}

bool ChartWindow::writePdf(const QString& file) const
{
    QPdfWriter pdf(file);
    pdf.setTitle(windowTitle());
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(chartSize().width() > chartSize().height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    paintPage(painter);
    return painter.end() && QFileInfo(file).isFile();
}

QString ChartWindow::chooseFile(const QString& extension, const QString& filter)
{
    const QString name = windowTitle() + extension;
    if (m_chooser) return m_chooser(name, filter);
    return QFileDialog::getSaveFileName(this, QCoreApplication::translate("Desktop", "Save As"),
                                        QDir::home().filePath(name), filter);
}

bool ChartWindow::reportWritten(bool written, const QString& file)
{
    if (!written)
        QMessageBox::warning(this, QString::fromLatin1(tv::kProductName),
                             QCoreApplication::translate("Desktop", "The file could not be written:\n%1").arg(file));
    return written;
}

bool ChartWindow::savePng()
{
    const QString file =
        chooseFile(QStringLiteral(".png"), QCoreApplication::translate("Desktop", "PNG pictures (*.png)"));
    return !file.isEmpty() && reportWritten(writePng(file), file);
}

bool ChartWindow::saveSvg()
{
    const QString file =
        chooseFile(QStringLiteral(".svg"), QCoreApplication::translate("Desktop", "SVG pictures (*.svg)"));
    return !file.isEmpty() && reportWritten(writeSvg(file), file);
}

void ChartWindow::copy()
{
    QApplication::clipboard()->setImage(image());
}

bool ChartWindow::print()
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty()) info = QPrinterInfo::availablePrinters().first();
    if (info.isNull()) {
        // Without a printer the page goes to a PDF file, to print elsewhere.
        const QString file =
            chooseFile(QStringLiteral(".pdf"), QCoreApplication::translate("Desktop", "PDF files (*.pdf)"));
        return !file.isEmpty() && reportWritten(writePdf(file), file);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(chartSize().width() > chartSize().height() ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(
            this, QString::fromLatin1(tv::kProductName),
            QCoreApplication::translate("Desktop", "Printing on \"%1\" failed.").arg(printer.printerName()));
        return false;
    }
    paintPage(painter);
    return painter.end();
}

ChartViewWidget::ChartViewWidget(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
}

void ChartViewWidget::sync(const tv::ChartView& control)
{
    // The view owns the chart it is given, not the one it gives up.
    QChart* old = chart();
    setChart(makeChart(control.chart(), control.backColor(), control.foreColor()));
    delete old;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(control.backColor(), QApplication::palette()));
    setPalette(pal);
    setBackgroundBrush(pal.color(QPalette::Window));
    // The name is the chart's title, which changes with the chart.
    if (const QString name = tvqt::accessibleName(control); accessibleName() != name) setAccessibleName(name);
    const QString description = chartDescription(control.chart());
    if (accessibleDescription() != description) setAccessibleDescription(description);
}

std::unique_ptr<ChartWindow> makeChartWindow(const tv::ChartRequest& request)
{
    return std::make_unique<ChartWindow>(request);
}

}  // namespace tvqt
