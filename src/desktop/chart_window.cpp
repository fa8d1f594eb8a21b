#include "desktop/chart_window.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPalette>
#include <QShortcut>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>

#include "desktop/colors.h"

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
    // Axis labels in the program's one number style: "250,000", whatever the desktop's locale.
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
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
        for (const tv::ChartPoint& p : s.points) {
            line->append(p.x, p.y);
            if (s.rightAxis) {
                rightMax = std::max(rightMax, p.y);
            } else {
                yMax = std::max(yMax, p.y);
                yMin = std::min(yMin, p.y);
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

std::unique_ptr<QWidget> makeChartWindow(const tv::ChartRequest& request)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("chart_") + text(request.name));
    window->setWindowTitle(text(request.caption));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, toQColor(request.back, QApplication::palette()));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(6, 6, 6, 6);
    int index = 0;
    for (const tv::Chart& c : request.charts) {
        auto* view = new QChartView(makeChart(c, request.back, request.fore), window.get());
        view->setObjectName(window->objectName() + QLatin1Char('_') + QString::number(index++));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(480, 300);
        layout->addWidget(view);
    }
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window.get());
    QObject::connect(close, &QShortcut::activated, window.get(), &QWidget::close);
    window->resize(860, 40 + 400 * std::max<int>(1, static_cast<int>(request.charts.size())));
    return window;
}

}  // namespace tvqt
