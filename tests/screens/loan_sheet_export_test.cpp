// The table screen's Save as CSV, Save as PDF and Chart: what they hand the platform for the grid shown.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/formats.h"
#include "common/numbers.h"
#include "engine/chart_data.h"
#include "loan_table/loan_sheet.h"
#include "test_program.h"

namespace tv::test {
namespace {

LoanSheet& sheet(TestProgram& t)
{
    return t.program->loanSheet();
}

// 100000 less 20 % down, 15 to 30 years, 6 to 8 %: nine rates, sixteen lengths.
void showTable(TestProgram& t)
{
    t.m().menu("mnu_LnSheet").userChoose();
    LoanSheet& s = sheet(t);
    s.box("txtPurchTotl").userType("100000");
    s.box("txtDwnPay").userType("20");
    s.box("txtLenMax").userType("30");
    s.box("txtLenMin").userType("15");
    s.combo("comIntrMin").userPick(0);
    s.combo("comIntrMax").userPick(32);
    s.combo("comIntrMin").userPick(24);
    s.button("cmdCalcPmts").userClick();
    t.messages();
    t.platform.clearRecords();
}

// The last record of a kind.
const PlatformRecord* last(TestProgram& t, PlatformRecord::Type type)
{
    const PlatformRecord* found = nullptr;
    for (const PlatformRecord& r : t.platform.records())
        if (r.type == type) found = &r;
    return found;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CRLF";
    return out;
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, ',');) out.push_back(f);
    return out;
}

TEST(LoanSheetExport, EntriesAreEnabledWithCopyAndPrint)
{
    TestProgram t;
    t.m().menu("mnu_LnSheet").userChoose();
    Form& s = sheet(t);
    for (const char* name : {"mnuOptSaveCsv", "mnuOptSavePdf", "mnuChart"})
        EXPECT_FALSE(s.menu(name).enabled()) << name;
    EXPECT_EQ(s.menu("mnuOptSaveCsv").caption(), "&Save as CSV...");
    EXPECT_EQ(s.menu("mnuOptSavePdf").caption(), "Save as P&DF...");
    EXPECT_EQ(s.menu("mnuChart").caption(), "C&hart");
    // Chosen while disabled (a script can), they do nothing.
    s.menu("mnuOptSaveCsv").userChoose();
    s.menu("mnuChart").userChoose();
    EXPECT_EQ(last(t, PlatformRecord::Type::Saved), nullptr);
    EXPECT_EQ(last(t, PlatformRecord::Type::Chart), nullptr);
    showTable(t);
    for (const char* name : {"mnuOptSaveCsv", "mnuOptSavePdf", "mnuChart"}) EXPECT_TRUE(s.menu(name).enabled()) << name;
    s.button("Btn_Clear").userClick();
    for (const char* name : {"mnuOptSaveCsv", "mnuOptSavePdf", "mnuChart"})
        EXPECT_FALSE(s.menu(name).enabled()) << name;
}

TEST(LoanSheetExport, TheTableAsCsvHasAHeaderRowAndPlainNumbers)
{
    TestProgram t;
    showTable(t);
    sheet(t).menu("mnuOptSaveCsv").userChoose();
    const PlatformRecord* saved = last(t, PlatformRecord::Type::Saved);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->title, "Loan payment table.csv");
    const std::string terms =
        "Purchase,100000.00\r\nDown payment,20000.00\r\nAmount financed,80000.00\r\n"
        "Rate (%),6,8\r\nLength (years),15,30\r\nMonthly payment,479.64,764.52\r\n\r\n";
    ASSERT_EQ(saved->text.substr(0, terms.size()), terms);
    std::vector<std::string> rows = lines(saved->text.substr(terms.size()));
    ASSERT_EQ(rows.size(), 10u);  // the header and nine rates
    std::vector<std::string> header = fields(rows[0]);
    ASSERT_EQ(header.size(), 17u);
    EXPECT_EQ(header[0], "Rate (%)");
    EXPECT_EQ(header[1], "15 years");
    EXPECT_EQ(header[16], "30 years");
    // Every cell is the number the grid shows, without its dollar sign or separators.
    const Grid& g = sheet(t).grid("grdPayments");
    for (int i = 1; i <= 9; ++i) {
        std::vector<std::string> row = fields(rows[static_cast<std::size_t>(i)]);
        ASSERT_EQ(row.size(), 17u) << i;
        EXPECT_DOUBLE_EQ(std::stod(row[0]), readBoxValue(g.text(i, 0)));
        for (int j = 1; j <= 16; ++j) {
            const std::string& csv = row[static_cast<std::size_t>(j)];
            EXPECT_EQ(csv.find_first_of("$,()"), std::string::npos) << csv;
            EXPECT_DOUBLE_EQ(std::stod(csv), readBoxValue(g.text(i, j))) << i << "," << j;
        }
    }
    EXPECT_EQ(fields(rows[1])[0], "6");
    EXPECT_EQ(fields(rows[1])[1], "675.09") << "6 % over 15 years on 80000";
    EXPECT_EQ(fields(rows[1])[16], "479.64") << "6 % over 30 years on 80000";
    EXPECT_EQ(fields(rows[9])[0], "8");
}

TEST(LoanSheetExport, TheScheduleAsCsvHasItsMonths)
{
    TestProgram t;
    showTable(t);
    sheet(t).grid("grdPayments").userDoubleClickCell(1, 16);  // 6 % over 30 years
    sheet(t).menu("mnuOptSaveCsv").userChoose();
    const PlatformRecord* saved = last(t, PlatformRecord::Type::Saved);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->title, "Amortization schedule.csv");
    const std::string terms =
        "Purchase,100000.00\r\nDown payment,20000.00\r\nAmount financed,80000.00\r\n"
        "Rate (%),6\r\nLength (years),30\r\nMonthly payment,479.64\r\n\r\n";
    ASSERT_EQ(saved->text.substr(0, terms.size()), terms);
    std::vector<std::string> rows = lines(saved->text.substr(terms.size()));
    ASSERT_EQ(rows.size(), 361u);
    EXPECT_EQ(rows[0], "Month,Principal Paid,Interest Paid,Principal Balance,Total Interest");
    EXPECT_EQ(rows[1], "1,79.64,400.00,79920.36,400.00");
    EXPECT_EQ(rows[2].substr(0, 16), "2,80.04,399.60,7");
    EXPECT_EQ(rows[360], "360,477.51,2.39,0.00,92670.66");
}

TEST(LoanSheetExport, ThePdfHoldsTheGridsTextsUnderATitleLine)
{
    TestProgram t;
    showTable(t);
    LoanSheet& s = sheet(t);
    s.menu("mnuOptSavePdf").userChoose();
    const PlatformRecord* saved = last(t, PlatformRecord::Type::Saved);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->title, "Loan payment table.pdf");
    const TableDocument& doc = saved->table;
    EXPECT_EQ(doc.title,
              "Loan Payment Table: monthly payments\nPurchase: $100,000.00\nDown payment: $20,000.00 (20%)\n"
              "Amount financed: $80,000.00\nRate: 6.00% to 8.00%\nLength: 15 to 30 years\n"
              "Monthly payment: $479.64 to $764.52");
    ASSERT_EQ(doc.rows.size(), 10u);
    EXPECT_EQ(doc.rows[0][0], "Rate");
    EXPECT_EQ(doc.rows[0][1], "15 Years");
    EXPECT_EQ(doc.rows[1][0], "6.00%");
    EXPECT_EQ(doc.rows[1][16], "$479.64");
    EXPECT_EQ(doc.rows[9][0], "8.00%");

    s.grid("grdPayments").userDoubleClickCell(1, 16);
    s.menu("mnuOptSavePdf").userChoose();
    const TableDocument& schedule = last(t, PlatformRecord::Type::Saved)->table;
    EXPECT_EQ(last(t, PlatformRecord::Type::Saved)->title, "Amortization schedule.pdf");
    EXPECT_EQ(schedule.title,
              "Amortization Schedule\nPurchase: $100,000.00\nDown payment: $20,000.00 (20%)\n"
              "Amount financed: $80,000.00\nRate: 6.00%\nLength: 30 years\nMonthly payment: $479.64");
    ASSERT_EQ(schedule.rows.size(), 361u);
    EXPECT_EQ(schedule.rows[0], (std::vector<std::string>{"Month", "Principle Paid", "Interest Paid",
                                                          "Principle Balance", "Total Interest"}));
    EXPECT_EQ(schedule.rows[1], (std::vector<std::string>{"1", "$79.64", "$400.00", "$79,920.36", "$400.00"}));
    EXPECT_EQ(schedule.rows[360][3], "$0.00");
}

TEST(LoanSheetExport, ACancelledSaveRecordsNothing)
{
    TestProgram t;
    showTable(t);
    t.platform.setSaveAnswer(false);
    sheet(t).menu("mnuOptSaveCsv").userChoose();
    sheet(t).menu("mnuOptSavePdf").userChoose();
    EXPECT_EQ(last(t, PlatformRecord::Type::Saved), nullptr);
    EXPECT_TRUE(t.messages().empty());
}

TEST(LoanSheetChart, TheTableChartsPaymentAgainstLengthOneLinePerRate)
{
    TestProgram t;
    showTable(t);
    LoanSheet& s = sheet(t);
    s.menu("mnuChart").userChoose();
    const PlatformRecord* shown = last(t, PlatformRecord::Type::Chart);
    ASSERT_NE(shown, nullptr);
    const ChartRequest& c = shown->chart;
    EXPECT_EQ(c.name, "table");
    EXPECT_EQ(c.caption, "Loan Payment Table Chart");
    const ColorTable& colors = t.program->module1().colors;
    EXPECT_EQ(c.back, colors.gLoanBkgrndColor);
    EXPECT_EQ(c.fore, colors.gLoanTxtColor);
    ASSERT_EQ(c.charts.size(), 1u);
    const Chart& chart = c.charts[0];
    EXPECT_EQ(chart.x.title, "Loan length");
    EXPECT_EQ(chart.x.unit, "years");
    EXPECT_EQ(chart.y.unit, "$");
    ASSERT_EQ(chart.series.size(), 9u);
    EXPECT_EQ(chart.series.front().name, "6.00%");
    EXPECT_EQ(chart.series.back().name, "8.00%");
    EXPECT_EQ(chart.series.front().color, colors.gLoanTxtColor);
    EXPECT_EQ(chart.series.back().color, colors.gLoanHiTxtColor);
    for (int i = 0; i < 9; ++i) {
        const ChartSeries& line = chart.series[static_cast<std::size_t>(i)];
        EXPECT_EQ(line.kind, SeriesKind::Line);
        ASSERT_EQ(line.points.size(), 16u);
        for (int j = 0; j < 16; ++j) {
            EXPECT_EQ(line.points[static_cast<std::size_t>(j)].x, 15 + j);
            EXPECT_EQ(line.points[static_cast<std::size_t>(j)].y, s.pmtTable.payment(i, j));
        }
    }
}

TEST(LoanSheetChart, TheScheduleChartsTheBalanceAndThePrincipalAndInterestOfEachYear)
{
    TestProgram t;
    showTable(t);
    LoanSheet& s = sheet(t);
    s.grid("grdPayments").userDoubleClickCell(1, 16);
    s.menu("mnuChart").userChoose();
    const ChartRequest& c = last(t, PlatformRecord::Type::Chart)->chart;
    EXPECT_EQ(c.name, "schedule");
    ASSERT_EQ(c.charts.size(), 2u);
    const Chart& balance = c.charts[0];
    EXPECT_EQ(balance.x.title, "Month");
    EXPECT_EQ(balance.y.unit, "$");
    ASSERT_EQ(balance.series.size(), 1u);
    ASSERT_EQ(balance.series[0].points.size(), 361u);
    EXPECT_EQ(balance.series[0].points[0], (ChartPoint{0, 80000}));
    for (int k = 0; k <= 360; ++k)
        EXPECT_EQ(balance.series[0].points[static_cast<std::size_t>(k)].y,
                  s.amortTable.lines[static_cast<std::size_t>(k)].balance);

    const Chart& yearly = c.charts[1];
    ASSERT_EQ(yearly.categories.size(), 30u);
    EXPECT_EQ(yearly.categories.front(), "1");
    ASSERT_EQ(yearly.series.size(), 3u);
    EXPECT_EQ(yearly.series[0].name, "Principal");
    EXPECT_EQ(yearly.series[0].kind, SeriesKind::StackedBar);
    EXPECT_EQ(yearly.series[1].name, "Interest");
    EXPECT_EQ(yearly.series[1].kind, SeriesKind::StackedBar);
    EXPECT_EQ(yearly.series[2].name, "Total interest");
    EXPECT_EQ(yearly.series[2].kind, SeriesKind::Line);
    EXPECT_TRUE(yearly.series[2].rightAxis);
    EXPECT_FALSE(yearly.right.title.empty());
    std::vector<ScheduleYear> years = scheduleByYear(s.amortTable);
    for (std::size_t y = 0; y < 30; ++y) {
        EXPECT_EQ(yearly.series[0].points[y].y, years[y].principal);
        EXPECT_EQ(yearly.series[1].points[y].y, years[y].interest);
        EXPECT_EQ(yearly.series[2].points[y].y, years[y].cumulativeInterest);
    }
    // The total interest at the end is the schedule's last Total Interest cell.
    EXPECT_EQ(formatNumber(yearly.series[2].points.back().y, kCurrencyFormat), "$92,670.66");
}

}  // namespace
}  // namespace tv::test
