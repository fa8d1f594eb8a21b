#pragma once

#include <string>
#include <vector>

#include "common/user_text.h"
#include "screen_model/types.h"

// Charts as plain data: the forms compute every point from the engine and hand the whole chart to the
// platform (Platform::showChart), which draws it in a window of its own. Nothing here knows how it is drawn.
namespace tv {

enum class SeriesKind {
    Line,        // points joined in order of x
    StackedBar,  // one bar segment per category; the chart's bar series stack in their order
};

struct ChartPoint {
    double x = 0;  // StackedBar: the category's index
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

template <typename Text>
struct ChartSeriesOf {
    Text name;  // the legend's text
    SeriesKind kind = SeriesKind::Line;
    Color color = 0;
    bool rightAxis = false;  // measured on the chart's right-hand axis instead of the left one
    std::vector<ChartPoint> points;
};

// An axis title and its unit, shown as "Balance ($)".
template <typename Text>
struct ChartAxisOf {
    Text title;
    Text unit;
};

template <typename Text>
struct ChartOf {
    Text title;
    ChartAxisOf<Text> x;
    ChartAxisOf<Text> y;
    ChartAxisOf<Text> right;       // used when a series is on the right-hand axis
    std::vector<Text> categories;  // the bars' labels along x, when the chart has bars
    std::vector<ChartSeriesOf<Text>> series;
    // Lines to compare with one another (one per rate): the left axis spans their values instead of starting
    // at 0, and each line is told apart by a colour-blind-safe colour, a dash and a marker (its own colour unused).
    bool comparesLines = false;
};

// One chart window: its charts one above the other, in the colour scheme of the form that asked for it.
template <typename Text>
struct ChartRequestOf {
    std::string name;  // what the chart shows, e.g. "schedule"; a window of the same name is replaced
    Text caption;      // the window's title
    Color back = 0;    // the scheme's background and text colours
    Color fore = 0;
    std::vector<ChartOf<Text>> charts;
};

// A chart as the forms make it: every text marked (or finished, as numbers are).
using MarkedChartSeries = ChartSeriesOf<UserText>;
using MarkedChartAxis = ChartAxisOf<UserText>;
using MarkedChart = ChartOf<UserText>;
using MarkedChartRequest = ChartRequestOf<UserText>;
// A chart as it is shown: its texts in the user's language.
using ChartSeries = ChartSeriesOf<std::string>;
using ChartAxis = ChartAxisOf<std::string>;
using Chart = ChartOf<std::string>;
using ChartRequest = ChartRequestOf<std::string>;

// The colour a share t (0..1) of the way from a to b, channel by channel. A system colour has no fixed value
// here, so a blend with one is the nearer end.
constexpr Color blendColors(Color a, Color b, double t)
{
    if (isSystemColor(a) || isSystemColor(b)) return t < 0.5 ? a : b;
    auto channel = [&](int shift) {
        const double from = static_cast<double>((a >> shift) & 0xFFu);
        const double to = static_cast<double>((b >> shift) & 0xFFu);
        return static_cast<Color>(from + (to - from) * t + 0.5) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

}  // namespace tv
