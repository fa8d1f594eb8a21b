// The Compare window: calculations of the history side by side, their best results, differences and curves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "history/compare_form.h"
#include "test_program.h"

namespace tv::test {
namespace {

constexpr const char* kMoney = "$#,##0.00;($#,##0.00)";
constexpr std::int64_t kJan15At1030 = 1736937000;  // 2025-01-15 10:30 UTC

HistoryField field(const char* label, const char* text, double value, const char* format, int better = 0)
{
    return {label, label, text, value, format, better};
}

HistoryEntry loan(const char* years, double interest, double payment, const char* paymentText, const char* interestText)
{
    const double length = std::atof(years);
    return {
        0,
        kJan15At1030,
        "Loans",
        "opt_payment",
        "12",
        "Years",
        std::string("Loan payment \u2014 $350,000.00 for ") + years + " yrs",
        {field("Loan Amount", "$350,000.00", 350000, kMoney), field("Years", years, length, "#,##0")},
        {field("Payment", paymentText, payment, kMoney), field("Total Interest", interestText, interest, kMoney, -1),
         field("Payoff (years)", years, length, "#,##0", -1)},
        "Balance",
        {{0, 350000}, {length / 2, 200000}, {length, 0}},
        ""};
}

HistoryEntry fund(const char* text, double value)
{
    return {0,
            kJan15At1030,
            "Investments",
            "Opt_invest_mnthly",
            "Monthly",
            "Years",
            "Monthly investment \u2014 $500.00",
            {field("Deposit", "$500.00", 500, kMoney), field("Years", "30", 30, "#,##0")},
            {field("Fund", text, value, kMoney, +1)},
            "Fund",
            {{0, 0}, {30, value}},
            ""};
}

const HistoryEntry k30 = loan("30", 456792.40, 2241.09, "$2,241.09", "$456,792.40");
const HistoryEntry k15 = loan("15", 181630.00, 2953.50, "$2,953.50", "$181,630.00");

struct CompareTest : ::testing::Test {
    CompareTest()
    {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    // The cell of the row labelled `label` in calculation `column` (1-based), or "?" without such a row.
    std::string cell(const std::string& label, int column)
    {
        const Grid& g = form.grid("grdCompare");
        for (int r = 1; r < g.rows(); ++r)
            if (g.text(r, 0) == label) return g.text(r, column);
        return "?";
    }
    TestProgram t;
    CompareForm form{*t.program};
};

TEST_F(CompareTest, ShowsOneColumnPerCalculationAndTheUnionOfRowsInputsFirst)
{
    form.compare({k30, fund("$609,985.50", 609985.50)});
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.entries().size(), 2u);
    const Grid& g = form.grid("grdCompare");
    ASSERT_EQ(g.cols(), 3);
    EXPECT_EQ(g.text(0, 1), "1: Loan payment\r\n2025-01-15 10:30");
    EXPECT_EQ(g.text(0, 2), "2: Monthly investment\r\n2025-01-15 10:30");
    std::vector<std::string> labels;
    for (int r = 1; r < g.rows(); ++r) labels.push_back(g.text(r, 0));
    EXPECT_EQ(labels, (std::vector<std::string>{"Loan Amount", "Years", "Deposit", "Payment", "Total Interest",
                                                "Payoff (years)", "Fund"}));
}

TEST_F(CompareTest, MarksTheBestResultAndShowsDifferencesToTheFirstColumn)
{
    struct Case {
        std::vector<HistoryEntry> entries;
        const char* row;
        int column;
        const char* shown;
    };
    const Case cases[] = {
        {{k30, k15}, "Total Interest", 1, "$456,792.40"},
        {{k30, k15}, "Total Interest", 2, "\u2605 $181,630.00 (\u2212$275,162.40)"},  // the least interest
        {{k30, k15}, "Payoff (years)", 2, "\u2605 15 (\u221215)"},                    // the earliest payoff
        {{k15, k30}, "Payoff (years)", 2, "30 (+15)"},
        {{k30, k15}, "Payment", 2, "$2,953.50 (+$712.41)"},  // neither better: no mark
        {{k30, k15}, "Years", 2, "15"},                      // inputs show no difference
        {{fund("$609,985.50", 609985.50), fund("$700,000.00", 700000)},
         "Fund",
         2,
         "\u2605 $700,000.00 (+$90,014.50)"},              // the largest fund
        {{k30, k30}, "Total Interest", 2, "$456,792.40"},  // a tie is no best
        {{k30, fund("$609,985.50", 609985.50)}, "Fund", 1, "\u2014"},
        {{k30, fund("$609,985.50", 609985.50)}, "Fund", 2, "$609,985.50"},  // one number alone is no best
        {{k30, fund("$609,985.50", 609985.50)}, "Total Interest", 2, "\u2014"},
    };
    for (const Case& c : cases) {
        form.compare(c.entries);
        EXPECT_EQ(cell(c.row, c.column), c.shown) << c.row << " in column " << c.column;
    }
}

TEST_F(CompareTest, ValuesThatAreNotNumbersAreNeitherComparedNorShown)
{
    HistoryEntry broken = k15;
    broken.results[1].value = std::numeric_limits<double>::quiet_NaN();
    broken.curve.push_back({std::numeric_limits<double>::infinity(), 1});
    form.compare({k30, broken});
    EXPECT_EQ(cell("Total Interest", 2), "$181,630.00");
    EXPECT_EQ(form.chartView("chtCompare").chart().series[1].points.size(), 3u);
    form.button("cmdCopy").userClick();
    for (const char* bad : {"nan", "inf", "NaN"}) EXPECT_EQ(t.platform.clipboardText().find(bad), std::string::npos);
}

TEST_F(CompareTest, CopiesTabSeparatedTextAndSavesPlainNumbersAsCsv)
{
    form.compare({k30, k15});
    form.button("cmdCopy").userClick();
    const std::string copied = t.platform.clipboardText();
    EXPECT_EQ(copied.substr(0, copied.find("\r\n")),
              "\t1: Loan payment (2025-01-15 10:30)\t2: Loan payment (2025-01-15 10:30)");
    EXPECT_NE(copied.find("\r\nTotal Interest\t$456,792.40\t\u2605 $181,630.00 (\u2212$275,162.40)\r\n"),
              std::string::npos);

    form.menu("mnuSaveCsv").userChoose();
    const PlatformRecord& saved = t.platform.records().back();
    ASSERT_EQ(saved.type, PlatformRecord::Type::Saved);
    EXPECT_EQ(saved.title, "Compared calculations.csv");
    EXPECT_NE(saved.text.find("\r\nTotal Interest,456792.40,181630.00\r\n"), std::string::npos);
    EXPECT_NE(saved.text.find("\r\nYears,30,15\r\n"), std::string::npos);

    form.button("cmdSavePdf").userClick();
    EXPECT_EQ(t.platform.records().back().table.rows.size(), 6u);
}

TEST_F(CompareTest, ChartsEachCurveAsALineTitledByWhatTheCurvesAre)
{
    struct Case {
        std::vector<HistoryEntry> entries;
        const char* title;
        std::vector<std::string> series;
    };
    HistoryEntry noCurve = k15;
    noCurve.curve.clear();
    const Case cases[] = {
        {{k30, k15}, "Loan balance over time", {"1: Loan payment", "2: Loan payment"}},
        {{fund("$1.00", 1), fund("$2.00", 2)}, "Fund over time", {"1: Monthly investment", "2: Monthly investment"}},
        {{k30, noCurve, fund("$1.00", 1)}, "Balance and fund over time", {"1: Loan payment", "3: Monthly investment"}},
    };
    for (const Case& c : cases) {
        form.compare(c.entries);
        const Chart& chart = form.chartView("chtCompare").chart();
        EXPECT_EQ(chart.title, c.title);
        EXPECT_TRUE(chart.comparesLines);
        std::vector<std::string> names;
        for (const ChartSeries& s : chart.series) names.push_back(s.name);
        EXPECT_EQ(names, c.series);
    }
}

}  // namespace
}  // namespace tv::test
