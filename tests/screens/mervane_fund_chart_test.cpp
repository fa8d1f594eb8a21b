// The Investments view's fund chart: offered after a calculation, for the option just calculated.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/module1.h"
#include "common/formats.h"
#include "engine/investment.h"
#include "test_program.h"

namespace tv::test {
namespace {

const ChartRequest* lastChart(TestProgram& t)
{
    const ChartRequest* found = nullptr;
    for (const PlatformRecord& r : t.platform.records())
        if (r.type == PlatformRecord::Type::Chart) found = &r.chart;
    return found;
}

void investments(TestProgram& t, const char* option)
{
    t.form().menu("mnu_view_invest").userChoose();
    t.form().option(option).userClick();
}

TEST(MervaneFundChart, OfferedOnlyAfterAnInvestmentCalculation)
{
    TestProgram t;
    MenuItem& item = t.form().menu("mnu_FundChart");
    EXPECT_EQ(item.caption(), "Fund &Chart...");
    EXPECT_FALSE(item.enabled());
    t.calculate();  // a loan
    EXPECT_FALSE(item.enabled());
    investments(t, "Opt_Invest");
    EXPECT_FALSE(item.enabled());
    t.calculate();
    EXPECT_TRUE(item.enabled());
    // Another option, or the other view, takes it away until the next calculation.
    t.form().option("Opt_invest_mnthly").userClick();
    EXPECT_FALSE(item.enabled());
    t.calculate();
    EXPECT_TRUE(item.enabled());
    t.form().menu("mnu_view_loan").userChoose();
    EXPECT_FALSE(item.enabled());
}

TEST(MervaneFundChart, BuildingAFundStacksContributionsAndGrowthUpToTheResult)
{
    TestProgram t;
    investments(t, "Opt_invest_mnthly");
    t.type("fp_Prin", "1000");
    t.type("fp_Time", "10");
    t.calculate();
    t.form().menu("mnu_FundChart").userChoose();
    const ChartRequest* c = lastChart(t);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->name, "fund");
    EXPECT_EQ(c->back, t.program->module1().colors.gInvestBkgrndColor);
    ASSERT_EQ(c->charts.size(), 1u);
    const Chart& chart = c->charts[0];
    EXPECT_EQ(chart.y.unit, "$");
    ASSERT_EQ(chart.categories.size(), 11u);
    EXPECT_EQ(chart.categories.back(), "10");
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].name, "Contributions");
    EXPECT_EQ(chart.series[1].name, "Growth");
    const ChartPoint& paid = chart.series[0].points.back();
    const ChartPoint& growth = chart.series[1].points.back();
    EXPECT_EQ(paid.y, 120000);
    EXPECT_EQ(formatNumber(paid.y + growth.y, kCurrencyFormat), t.text("fp_Payment"));
    // Year 1: twelve contributions.
    EXPECT_EQ(chart.series[0].points[1].y, 12000);
}

TEST(MervaneFundChart, AnAnnuityRunsTheFundDown)
{
    TestProgram t;
    investments(t, "Opt_Annuity_Mnthly");
    t.type("fp_Prin", "300000");
    t.type("fp_Time", "25");
    t.calculate();
    t.form().menu("mnu_FundChart").userChoose();
    const ChartRequest* c = lastChart(t);
    ASSERT_NE(c, nullptr);
    const Chart& chart = c->charts[0];
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].name, "Fund balance");
    EXPECT_EQ(chart.series[0].kind, SeriesKind::Line);
    ASSERT_EQ(chart.series[0].points.size(), 26u);
    EXPECT_EQ(chart.series[0].points.front().y, 300000);
    EXPECT_NEAR(chart.series[0].points.back().y, 0, 1e-6);
    EXPECT_EQ(chart.series[1].name, "Paid out");
    EXPECT_NEAR(chart.series[1].points.back().y, t.m().calc().valPayment * 300, 1e-6);
}

TEST(MervaneFundChart, UsesTheAmountTheCalculationUsedNotTheBoxAsRoundedAfterwards)
{
    // Calculate shows the fund rounded to the cent; the chart draws the fund the payment was computed from,
    // so it still runs down to nothing.
    TestProgram t;
    investments(t, "Opt_Annuity_Mnthly");
    t.type("fp_Prin", "300000.004");
    t.type("fp_Time", "25");
    t.calculate();
    EXPECT_EQ(t.text("fp_Prin"), "$300,000.00");
    t.form().menu("mnu_FundChart").userChoose();
    const ChartRequest* c = lastChart(t);
    ASSERT_NE(c, nullptr);
    const ChartSeries& fund = c->charts.at(0).series.at(0);
    EXPECT_EQ(fund.points.front().y, 300000.004);
    EXPECT_NEAR(fund.points.back().y, 0, 1e-6);
}

TEST(MervaneFundChart, EveryOptionHasItsChart)
{
    for (const char* option :
         {"Opt_Invest", "Opt_invest_mnthly", "Opt_invest_1xmnthly", "Opt_invest_yearly", "Opt_Annuity",
          "Opt_Annuity_Mnthly", "Opt_Annuity_Duration", "Opt_Spec_Dur", "Opt_Inv2Annuity"}) {
        TestProgram t;
        investments(t, option);
        t.calculate();
        t.messages();
        ASSERT_TRUE(t.form().menu("mnu_FundChart").enabled()) << option;
        t.form().menu("mnu_FundChart").userChoose();
        const ChartRequest* c = lastChart(t);
        ASSERT_NE(c, nullptr) << option;
        ASSERT_EQ(c->charts.size(), 1u) << option;
        const Chart& chart = c->charts[0];
        EXPECT_FALSE(chart.title.empty()) << option;
        EXPECT_FALSE(chart.x.title.empty()) << option;
        EXPECT_EQ(chart.y.unit, "$") << option;
        for (const ChartSeries& s : chart.series) EXPECT_GE(s.points.size(), 2u) << option << " " << s.name;
    }
}

TEST(MervaneFundChart, SaveThenDrawJoinsTheTwoPhases)
{
    TestProgram t;
    investments(t, "Opt_Inv2Annuity");
    t.calculate();
    const MarkedChart& chart = t.m().fundChart().charts.at(0);
    ASSERT_EQ(chart.series.size(), 3u);
    const MarkedChartSeries& fund = chart.series[0];
    // The fund peaks where the saving ends at the calculated fund, then runs down.
    auto peak = std::max_element(fund.points.begin(), fund.points.end(),
                                 [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
    EXPECT_EQ(peak->x, t.m().calc().durYears);
    EXPECT_EQ(peak->y, t.m().calc().valPayment);
    EXPECT_NEAR(fund.points.back().y, 0, 1e-3);
    for (std::size_t i = 1; i < fund.points.size(); ++i) EXPECT_GT(fund.points[i].x, fund.points[i - 1].x);
}

}  // namespace
}  // namespace tv::test
