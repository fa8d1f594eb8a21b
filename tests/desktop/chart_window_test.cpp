// The chart windows on the offscreen platform: every series the model computed is drawn with its points,
// colours and axes, for the table, the schedule and the fund charts.
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QStackedBarSeries>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QValueAxis>
#include <memory>

#include "app/module1.h"
#include "app/program.h"
#include "desktop/chart_window.h"
#include "desktop/colors.h"
#include "desktop/desktop_defaults.h"
#include "desktop/qt_platform.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "screen_model/scripted_platform.h"
#include "tests/desktop/program_windows.h"

class ChartWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tvtest::ProgramWindows> m_windows;
    tv::Program* m_program = nullptr;
    tv::ScriptedPlatform* m_platform = nullptr;

    tv::LoanSheet& sheet() { return m_program->loanSheet(); }
    QColor color(tv::Color c) { return tvqt::toQColor(c, QApplication::palette()); }

    // The chart the program last handed to the platform.
    tv::ChartRequest lastChart()
    {
        tv::ChartRequest found;
        for (const tv::PlatformRecord& r : m_platform->records())
            if (r.type == tv::PlatformRecord::Type::Chart) found = r.chart;
        return found;
    }

    // 100,000 with 20 % down over 15 to 30 years at 6.00 to 8.00 %.
    void showTable()
    {
        m_program->mervane().menu("mnu_LnSheet").userChoose();
        tvtest::enterPaymentTable(sheet());
        sheet().button("cmdCalcPmts").userClick();
    }

    static QList<QChartView*> views(QWidget* window)
    {
        QList<QChartView*> out = window->findChildren<QChartView*>();
        std::sort(out.begin(), out.end(),
                  [](QChartView* a, QChartView* b) { return a->objectName() < b->objectName(); });
        return out;
    }

    // The chart drawn for `model`: every series with the model's name, colour and points.
    void compareChart(QChart* chart, const tv::Chart& model, const tv::ChartRequest& request)
    {
        QCOMPARE(chart->title(), QString::fromStdString(model.title));
        QCOMPARE(chart->backgroundBrush().color(), color(request.back));
        QCOMPARE(chart->titleBrush().color(), color(request.fore));
        // Axis labels group thousands as the rest of the program does, whatever the desktop's locale.
        QVERIFY(chart->localizeNumbers());
        QCOMPARE(chart->locale().toString(250000.0, 'f', 0), QStringLiteral("250,000"));
        const QList<QAbstractAxis*> bottom = chart->axes(Qt::Horizontal);
        QCOMPARE(bottom.size(), 1);
        QCOMPARE(bottom[0]->titleText(), tvqt::axisTitle(model.x));
        QList<QAbstractAxis*> vertical = chart->axes(Qt::Vertical);
        QVERIFY(!vertical.isEmpty());
        QCOMPARE(vertical[0]->titleText(), tvqt::axisTitle(model.y));
        QVERIFY(!vertical[0]->titleText().isEmpty());

        int lines = 0;
        QStackedBarSeries* bars = nullptr;
        for (QAbstractSeries* s : chart->series()) {
            if (auto* line = qobject_cast<QLineSeries*>(s)) {
                ++lines;
                auto it = std::find_if(model.series.begin(), model.series.end(), [&](const tv::ChartSeries& m) {
                    return QString::fromStdString(m.name) == line->name();
                });
                QVERIFY2(it != model.series.end(), qPrintable(line->name()));
                QCOMPARE(it->kind, tv::SeriesKind::Line);
                // Compared lines take colours of their own.
                if (!model.comparesLines) QCOMPARE(line->pen().color(), color(it->color));
                QCOMPARE(line->count(), static_cast<int>(it->points.size()));
                for (int i = 0; i < line->count(); ++i) {
                    QCOMPARE(line->at(i).x(), it->points[static_cast<std::size_t>(i)].x);
                    QCOMPARE(line->at(i).y(), it->points[static_cast<std::size_t>(i)].y);
                }
                // A series on the right-hand axis is measured on it.
                const QList<QAbstractAxis*> axes = line->attachedAxes();
                const bool right = std::any_of(axes.begin(), axes.end(),
                                               [](QAbstractAxis* a) { return a->alignment() == Qt::AlignRight; });
                QCOMPARE(right, it->rightAxis);
            } else if (auto* stacked = qobject_cast<QStackedBarSeries*>(s)) {
                QVERIFY(!bars);
                bars = stacked;
            }
        }
        int barModels = 0;
        for (const tv::ChartSeries& m : model.series) {
            if (m.kind != tv::SeriesKind::StackedBar) continue;
            QVERIFY(bars);
            QBarSet* set = bars->barSets().value(barModels++);
            QVERIFY(set);
            QCOMPARE(set->label(), QString::fromStdString(m.name));
            QCOMPARE(set->color(), color(m.color));
            QCOMPARE(set->count(), static_cast<int>(m.points.size()));
            for (int i = 0; i < set->count(); ++i) QCOMPARE(set->at(i), m.points[static_cast<std::size_t>(i)].y);
        }
        QCOMPARE(lines + barModels, static_cast<int>(model.series.size()));
        if (bars) {
            auto* categories = qobject_cast<QBarCategoryAxis*>(bottom[0]);
            QVERIFY(categories);
            QCOMPARE(categories->count(), static_cast<int>(model.categories.size()));
            QCOMPARE(categories->categories().first(), QString::fromStdString(model.categories.front()));
        }
    }

    void compareWindow(const tv::ChartRequest& request, int expectedCharts)
    {
        QCOMPARE(static_cast<int>(request.charts.size()), expectedCharts);
        std::unique_ptr<QWidget> window = tvqt::makeChartWindow(request);
        QCOMPARE(window->windowTitle(), QString::fromStdString(request.caption));
        QList<QChartView*> shown = views(window.get());
        QCOMPARE(shown.size(), expectedCharts);
        for (int i = 0; i < expectedCharts; ++i)
            compareChart(shown[i]->chart(), request.charts[static_cast<std::size_t>(i)], request);
    }

    // The payment table's chart in a shown window, saving into `m_dir`.
    std::unique_ptr<tvqt::ChartWindow> shownTableChart()
    {
        showTable();
        sheet().menu("mnuChart").userChoose();
        auto window = tvqt::makeChartWindow(lastChart());
        window->setFileChooser([this](const QString& name, const QString&) { return m_dir.filePath(name); });
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    QTemporaryDir m_dir;

private Q_SLOTS:
    void init()
    {
        m_windows = std::make_unique<tvtest::ProgramWindows>();
        m_program = &m_windows->program();
        m_platform = &m_windows->platform();
    }

    void cleanup()
    {
        m_windows.reset();
        m_program = nullptr;
        m_platform = nullptr;
    }

    void theTableChartHasOneLinePerRate()
    {
        showTable();
        sheet().menu("mnuChart").userChoose();
        tv::ChartRequest request = lastChart();
        QCOMPARE(request.name, std::string("table"));
        QCOMPARE(request.charts.at(0).series.size(), std::size_t{9});
        compareWindow(request, 1);
    }

    void theScheduleChartHasTheBalanceAndTheYearlyBars()
    {
        showTable();
        sheet().grid("grdPayments").userDoubleClickCell(1, 16);
        sheet().menu("mnuChart").userChoose();
        tv::ChartRequest request = lastChart();
        QCOMPARE(request.name, std::string("schedule"));
        compareWindow(request, 2);
        // The yearly chart has the total interest on an axis of its own, on the right.
        std::unique_ptr<QWidget> window = tvqt::makeChartWindow(request);
        QChart* yearly = views(window.get())[1]->chart();
        QCOMPARE(yearly->axes(Qt::Vertical).size(), 2);
        QCOMPARE(yearly->axes(Qt::Vertical)[1]->alignment(), Qt::AlignRight);
        QCOMPARE(yearly->axes(Qt::Vertical)[1]->titleText(), QStringLiteral("Total interest ($)"));
    }

    void theFundChartsFollowTheirOption_data()
    {
        QTest::addColumn<QString>("option");
        for (const char* o :
             {"Opt_Invest", "Opt_invest_mnthly", "Opt_invest_1xmnthly", "Opt_invest_yearly", "Opt_Annuity",
              "Opt_Annuity_Mnthly", "Opt_Annuity_Duration", "Opt_Spec_Dur", "Opt_Inv2Annuity"})
            QTest::newRow(o) << QString::fromLatin1(o);
    }

    void theFundChartsFollowTheirOption()
    {
        QFETCH(QString, option);
        tv::Form& m = m_program->mervane();
        m.menu("mnu_view_invest").userChoose();
        m.option(option.toStdString()).userClick();
        m.button("btn_Calc").userClick();
        m.menu("mnu_FundChart").userChoose();
        tv::ChartRequest request = lastChart();
        QCOMPARE(request.name, std::string("fund"));
        QCOMPARE(request.back, m_program->module1().colors.gInvestBkgrndColor);
        compareWindow(request, 1);
    }

    void theTableChartTellsItsRatesApartNearTheirPayments()
    {
        showTable();
        sheet().menu("mnuChart").userChoose();
        tv::ChartRequest request = lastChart();
        request.charts.at(0).comparesLines = true;
        compareWindow(request, 1);
        std::unique_ptr<QWidget> window = tvqt::makeChartWindow(request);
        QChart* chart = views(window.get())[0]->chart();
        QList<QLineSeries*> lines;
        double low = 1e300;
        double high = 0;
        for (QAbstractSeries* s : chart->series())
            if (auto* line = qobject_cast<QLineSeries*>(s)) {
                lines.append(line);
                for (const QPointF& p : line->points()) low = std::min(low, p.y()), high = std::max(high, p.y());
            }
        QCOMPARE(lines.size(), 9);
        for (int i = 1; i < lines.size(); ++i) {
            QVERIFY(lines[i]->pen().color() != lines[i - 1]->pen().color());
            QVERIFY(lines[i]->pen().style() != lines[i - 1]->pen().style());
            QVERIFY(lines[i]->lightMarker() != lines[i - 1]->lightMarker());
        }
        // The payments axis starts below the lowest payment, closer to it than the payments spread.
        auto* payments = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical)[0]);
        QVERIFY(payments->min() <= low && payments->min() > low - (high - low));
        QVERIFY(payments->max() >= high && payments->max() < high + (high - low));
    }

    void theFileMenuHasItsCommandsAndKeys_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("png") << "Save as &PNG..." << QKeySequence(QStringLiteral("Ctrl+S"));
        QTest::newRow("svg") << "Save as S&VG..." << QKeySequence();
        QTest::newRow("copy") << "&Copy" << QKeySequence(QStringLiteral("Ctrl+C"));
        QTest::newRow("print") << "&Print..." << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("close") << "&Close" << QKeySequence(QStringLiteral("Esc"));
    }

    void theFileMenuHasItsCommandsAndKeys()
    {
        QFETCH(QString, caption);
        QFETCH(QKeySequence, keys);
        auto window = shownTableChart();
        QCOMPARE(window->menuBar()->actions().size(), 1);
        QMenu* file = window->menuBar()->actions()[0]->menu();
        QCOMPARE(file->title(), QStringLiteral("&File"));
        const QList<QAction*> actions = file->actions();
        auto it = std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == caption; });
        QVERIFY(it != actions.end());
        QCOMPARE((*it)->shortcut(), keys);
    }

    void ctrlSSavesThePngAndTheMenuTheSvgOfTheChartsSize()
    {
        auto window = shownTableChart();
        const QSize size = window->chartSize();
        QVERIFY(size.width() >= 480 && size.height() >= 300);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        const QImage png(m_dir.filePath(QStringLiteral("Loan Payment Table Chart.png")));
        QCOMPARE(png.size(), size * window->devicePixelRatio());
        QVERIFY(window->saveSvg());
        QSvgRenderer svg(m_dir.filePath(QStringLiteral("Loan Payment Table Chart.svg")));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox().size(), size);
    }

    void ctrlCCopiesTheChartsAsAnImage()
    {
        auto window = shownTableChart();
        QApplication::clipboard()->clear();
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->image().size(), window->chartSize() * window->devicePixelRatio());
    }

    void ctrlPWithoutAPrinterSavesAPdf()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this computer has a printer: printing asks");
        auto window = shownTableChart();
        QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
        QFile pdf(m_dir.filePath(QStringLiteral("Loan Payment Table Chart.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    void theQtPlatformShowsOneWindowPerChartName()
    {
        showTable();
        tvqt::QtPlatform platform;
        sheet().menu("mnuChart").userChoose();
        platform.showChart(lastChart());
        QWidget* table = platform.chartWindow("table");
        QVERIFY(table);
        QVERIFY(table->isVisible());
        QCOMPARE(table->windowTitle(), QStringLiteral("Loan Payment Table Chart"));
        sheet().grid("grdPayments").userDoubleClickCell(1, 16);
        sheet().menu("mnuChart").userChoose();
        platform.showChart(lastChart());
        QVERIFY(platform.chartWindow("schedule"));
        QVERIFY(platform.chartWindow("table"));
        // The same name again replaces its window.
        platform.showChart(lastChart());
        QCOMPARE(views(platform.chartWindow("schedule")).size(), 2);
        QVERIFY(!platform.chartWindow("fund"));
    }

    void f1InAChartShowsTheHelpOnResultsAndEscapeClosesIt()
    {
        showTable();
        tvqt::QtPlatform platform;
        sheet().menu("mnuChart").userChoose();
        platform.showChart(lastChart());
        QWidget* chart = platform.chartWindow("table");
        QApplication::setActiveWindow(chart);
        QTest::keyClick(chart, Qt::Key_F1);
        QVERIFY(platform.helpWindow() && platform.helpWindow()->isVisible());
        QCOMPARE(platform.helpWindow()->source().fragment(), QStringLiteral("results"));
        QApplication::setActiveWindow(chart);
        QTest::keyClick(chart, Qt::Key_Escape);
        QVERIFY(!chart->isVisible());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    ChartWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "chart_window_test.moc"
