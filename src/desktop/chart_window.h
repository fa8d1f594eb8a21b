#pragma once

#include <QChartView>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "screen_model/chart.h"

class QChart;
class QImage;
class QPainter;
class QPaintDevice;

namespace tv {
class ChartView;
}

namespace tvqt {

// An axis title with its unit: "Balance ($)", or the title alone.
QString axisTitle(const tv::ChartAxis& axis);

// One chart of a request drawn with Qt Charts: line series on value axes (or on the bars' category axis
// when the chart has bars), stacked bar series sharing one QStackedBarSeries in their order, a right-hand
// axis for the series that ask for it, the scheme's background and text colours on the chart, its title,
// axes and legend. A chart that compares lines spans its left axis over their values and tells the lines
// apart by colour, dash and marker. The caller owns the chart.
QChart* makeChart(const tv::Chart& chart, tv::Color back, tv::Color fore);

// A top-level window holding one chart view per chart of the request, one above the other, titled with the
// request's caption and named "chart_NAME" (its chart views "chart_NAME_0", "chart_NAME_1", ...). Its File
// menu saves the charts as a PNG or SVG picture (Ctrl+S: PNG), copies them to the clipboard as an image
// (Ctrl+C), prints them (Ctrl+P; a PDF file when the computer has no printer) and closes it (Escape).
// Pictures are of the charts' area as shown, in logical pixels (the PNG at the screen's pixel ratio).
class ChartWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ChartWindow(const tv::ChartRequest& request);

    // Where a file goes: the path chosen, or an empty string for a cancel. The default asks with a save
    // dialog in the home folder offering the suggested name (the window's caption and the file's extension).
    using FileChooser = std::function<QString(const QString& suggestedName, const QString& filter)>;
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    // The size of the charts' area, which every picture of the charts has.
    QSize chartSize() const;
    // The charts as the window shows them, at the screen's pixel ratio.
    QImage image() const;

    // The menu's commands: each asks for a file and reports a file it cannot write; false for a cancel too.
    bool savePng();
    bool saveSvg();
    void copy();
    bool print();

    // The pictures written to `file` without asking; false when it cannot be written.
    bool writePng(const QString& file) const;
    bool writeSvg(const QString& file) const;
    bool writePdf(const QString& file) const;

private:
    // Paints the charts' area at its own size from (0, 0) in logical pixels.
    void paintCharts(QPainter& painter) const;
    // Paints the charts scaled to fit the painter's page, keeping their shape.
    void paintPage(QPainter& painter) const;
    QString chooseFile(const QString& extension, const QString& filter);
    bool reportWritten(bool written, const QString& file);

    QWidget* m_charts = nullptr;
    QColor m_back;
    FileChooser m_chooser;
};

// A form's chart control: the model's chart drawn by makeChart in the control's back and fore colours, drawn
// again whenever the form changes the chart or its colours. It tells a screen reader what it shows.
class ChartViewWidget : public QChartView {
public:
    explicit ChartViewWidget(QWidget* parent);
    void sync(const tv::ChartView& control);
};

std::unique_ptr<ChartWindow> makeChartWindow(const tv::ChartRequest& request);

}  // namespace tvqt
