// The chart windows on the offscreen platform: every series the model computed is drawn with its points,
// colours and axes, for the table, the schedule and the fund charts.
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QStackedBarSeries>
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
                QCOMPARE(line->pen().color(), color(it->color));
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
