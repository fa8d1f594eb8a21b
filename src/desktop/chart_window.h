#pragma once

#include <QString>
#include <memory>

#include "screen_model/chart.h"

class QChart;
class QWidget;

namespace tvqt {

// An axis title with its unit: "Balance ($)", or the title alone.
QString axisTitle(const tv::ChartAxis& axis);

// One chart of a request drawn with Qt Charts: line series on value axes (or on the bars' category axis
// when the chart has bars), stacked bar series sharing one QStackedBarSeries in their order, a right-hand
// axis for the series that ask for it, the scheme's background and text colours on the chart, its title,
// axes and legend. The caller owns the chart.
QChart* makeChart(const tv::Chart& chart, tv::Color back, tv::Color fore);

// A top-level window holding one chart view per chart of the request, one above the other, titled with the
// request's caption and named "chart_NAME" (its chart views "chart_NAME_0", "chart_NAME_1", ...).
std::unique_ptr<QWidget> makeChartWindow(const tv::ChartRequest& request);

}  // namespace tvqt
