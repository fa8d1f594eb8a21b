// The Loan Payment Table screen, opened from the main screen and driven as a user drives it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/module1.h"
#include "loan_table/loan_sheet.h"
#include "test_program.h"

namespace tv::test {
namespace {

constexpr const char* kError = "LoanSheet Error";

LoanSheet& sheet(TestProgram& t)
{
    return t.program->loanSheet();
}

// The screen as a form, for controls named at run time.
Form& sheetForm(TestProgram& t)
{
    return t.program->loanSheet();
}

void open(TestProgram& t)
{
    t.m().menu("mnu_LnSheet").userChoose();
}

// Opens the screen and switches the lengths to months.
void openInMonths(TestProgram& t)
{
    open(t);
    sheet(t).menu("mnuOptLen", 1).userChoose();
}

// Opens the screen and switches the down payment to an amount.
void openWithAmountDown(TestProgram& t)
{
    open(t);
    sheet(t).menu("mnuOptDwn", 1).userChoose();
}

void typeIn(TestProgram& t, const char* box, const std::string& text)
{
    sheetForm(t).box(box).userType(text);
}

std::string textOf(TestProgram& t, const char* box)
{
    return sheetForm(t).box(box).text();
}

Grid& grid(TestProgram& t)
{
    return sheet(t).grid("grdPayments");
}

std::string cell(TestProgram& t, int row, int col)
{
    return grid(t).text(row, col);
}

// Rate list entry k is k x 0.25 %.
int entry(double percent)
{
    return static_cast<int>(percent * 4);
}

// Opens the screen and fills it in: purchase, down payment (in the unit checked), lengths and rates.
void fill(TestProgram& t, const std::string& purchase, const std::string& down, const std::string& minLen,
          const std::string& maxLen, double minRate, double maxRate)
{
    if (!sheet(t).loaded()) open(t);
    t.messages();
    LoanSheet& s = sheet(t);
    typeIn(t, "txtPurchTotl", purchase);
    typeIn(t, "txtDwnPay", down);
    typeIn(t, "txtLenMax", maxLen);
    typeIn(t, "txtLenMin", minLen);
    // The lowest minimum first, so no choice in between falls below it.
    s.combo("comIntrMin").userPick(0);
    s.combo("comIntrMax").userPick(entry(maxRate));
    s.combo("comIntrMin").userPick(entry(minRate));
}

void showPayments(TestProgram& t)
{
    sheet(t).button("cmdCalcPmts").userClick();
}

// Fills the screen in as fill() does and shows the payments.
void showPaymentsFor(TestProgram& t, const std::string& purchase, const std::string& down, const std::string& minLen,
                     const std::string& maxLen, double minRate, double maxRate)
{
    fill(t, purchase, down, minLen, maxLen, minRate, maxRate);
    showPayments(t);
}

// A small table: 100000 with nothing down over 5 and 6 years at 7 and 7.25 %, two payments by two, the first
// $1,980.12; the grid keeps its minimum size around it.
void showTwoByTwo(TestProgram& t)
{
    showPaymentsFor(t, "100000", "0", "5", "6", 7.0, 7.25);
}

void expectLengths(TestProgram& t, const char* minLen, const char* maxLen)
{
    EXPECT_EQ(textOf(t, "txtLenMin"), minLen);
    EXPECT_EQ(textOf(t, "txtLenMax"), maxLen);
}

// Copy from the Options menu; what it put on the clipboard.
std::string copied(TestProgram& t)
{
    sheet(t).menu("mnuOptCopy").userChoose();
    return t.platform.clipboardText();
}

// Print from the Options menu; the one text it printed.
std::string printed(TestProgram& t)
{
    t.platform.clearRecords();
    sheet(t).menu("mnuOptPrint").userChoose();
    const std::vector<PlatformRecord>& records = t.platform.records();
    EXPECT_EQ(records.size(), 1u);
    if (records.empty()) return "";
    EXPECT_EQ(records[0].type, PlatformRecord::Type::Printed);
    return records[0].text;
}

// The one message shown since the last look, with the screen's title and icon.
std::string oneError(TestProgram& t)
{
    std::vector<PlatformRecord> shown = t.platform.messages();
    t.platform.clearRecords();
    if (shown.size() != 1) return "(" + std::to_string(shown.size()) + " messages)";
    EXPECT_EQ(shown[0].title, kError);
    EXPECT_EQ(shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(shown[0].buttons, MsgButtons::Ok);
    return shown[0].text;
}

Control* focused(TestProgram& t)
{
    return t.program->app().focus();
}

// What the user typed or picked was refused: the one message, the control given the focus (emptied when it is a
// box), and no table to copy or to amortize.
void expectRefused(TestProgram& t, const std::string& message, const char* control)
{
    EXPECT_EQ(oneError(t), message);
    Control& refused = static_cast<Form&>(sheet(t)).control(control);
    if (refused.kind() == Kind::MaskedBox) {
        EXPECT_EQ(textOf(t, control), "");
    }
    EXPECT_EQ(focused(t), &refused);
    EXPECT_FALSE(sheet(t).button("cmdCalcAmort").enabled());
    EXPECT_FALSE(sheet(t).menu("mnuOptCopy").enabled());
}

// ---- opening -----------------------------------------------------------------------------------

TEST(LoanSheetOpening, InYearViewTakesTheMainScreensLoan)
{
    TestProgram t;  // 100000 for 15 years at 8.000 %
    open(t);
    LoanSheet& s = sheet(t);
    ASSERT_TRUE(s.loaded());
    EXPECT_TRUE(s.visible());
    EXPECT_FALSE(s.modal());
    EXPECT_EQ(s.caption(), "LoanSheet");
    EXPECT_EQ(textOf(t, "txtPurchTotl"), "100000");
    EXPECT_EQ(s.box("txtPurchTotl").display(), "$100,000.00");
    EXPECT_EQ(textOf(t, "txtDwnPay"), "0");
    EXPECT_EQ(s.box("txtDwnPay").display(), "0%");
    expectLengths(t, "14", "16");
    EXPECT_EQ(s.combo("comIntrMin").listIndex(), 30);  // 7.50
    EXPECT_EQ(s.combo("comIntrMax").listIndex(), 34);  // 8.50
    EXPECT_EQ(s.purchAmt, 100000);
    EXPECT_EQ(s.dwnPay, 0);
    EXPECT_EQ(s.lenMin, 14);
    EXPECT_EQ(s.lenMax, 16);
    EXPECT_EQ(s.intrMin, 7.5);
    EXPECT_EQ(s.intrMax, 8.5);
    EXPECT_TRUE(s.menu("mnuOptLen", 0).checked());
    EXPECT_FALSE(s.menu("mnuOptLen", 1).checked());
    EXPECT_TRUE(s.menu("mnuOptDwn", 0).checked());
    EXPECT_EQ(s.frame("frmLoanLen").caption(), "Years in Loan");
    EXPECT_TRUE(t.m().toolbar("Toolbar1").button(2).pressed);
    EXPECT_FALSE(s.button("cmdCalcAmort").enabled());
    EXPECT_FALSE(s.menu("mnuOptCopy").enabled());
    EXPECT_FALSE(s.menu("mnuOptPrint").enabled());
    EXPECT_EQ(grid(t).rows(), 17);
    EXPECT_EQ(grid(t).cols(), 4);
    EXPECT_EQ(grid(t).scrollBars(), ScrollBars::Vertical);
    EXPECT_EQ(s.left(), (15360 - s.width()) / 2 + 1200);
    EXPECT_EQ(s.top(), (11520 - s.height()) / 2 + 600);
    EXPECT_EQ(t.program->app().pointer(), Pointer::Default);
    EXPECT_TRUE(t.messages().empty());
}

TEST(LoanSheetOpening, RateListsHold101EntriesInQuarters)
{
    TestProgram t;
    open(t);
    for (const char* name : {"comIntrMin", "comIntrMax"}) {
        const ComboList& list = sheetForm(t).combo(name);
        ASSERT_EQ(list.count(), 101);
        EXPECT_EQ(list.items()[0], "0.000");
        EXPECT_EQ(list.items()[1], "0.25");
        EXPECT_EQ(list.items()[29], "7.25");
        EXPECT_EQ(list.items()[100], "25.00");
    }
}

TEST(LoanSheetOpening, ThirtyYearsAtSevenAndAHalfGivesLengths29To31AndRates7To8)
{
    TestProgram t;
    t.type("fp_Time", "30");
    t.m().combo("comIntr").userPick(60);  // 7.500
    open(t);
    expectLengths(t, "29", "31");
    EXPECT_EQ(sheet(t).combo("comIntrMin").listIndex(), 28);
    EXPECT_EQ(sheet(t).combo("comIntrMax").listIndex(), 32);
}

TEST(LoanSheetOpening, InMonthViewWorksInMonths)
{
    TestProgram t;
    t.m().menu("mnu_Months").userChoose();
    t.type("fp_Time", "24");
    open(t);
    LoanSheet& s = sheet(t);
    EXPECT_TRUE(s.menu("mnuOptLen", 1).checked());
    EXPECT_FALSE(s.menu("mnuOptLen", 0).checked());
    EXPECT_EQ(s.frame("frmLoanLen").caption(), "Months in Loan");
    expectLengths(t, "12", "36");
    EXPECT_TRUE(t.messages().empty());
}

TEST(LoanSheetOpening, StartsFromTheMainScreensBoxesAsTheyRead)
{
    struct Case {
        const char* name;
        bool monthView;
        const char* principal;  // typed into the main screen's amount box; nullptr leaves it as it started
        const char* duration;   // typed into its duration box
        const char* purchase;   // the boxes of the table screen then
        const char* minLen;
        const char* maxLen;
    };
    const Case cases[] = {
        {"six months in the month view start the minimum at six", true, nullptr, "6", "100000", "6", "18"},
        {"one year starts the minimum at one", false, nullptr, "1", "100000", "1", "2"},
        {"the boxes read as the values they show", false, "$250,000.00", "2.5", "250000", "1.5", "3.5"},
        {"empty or unreadable boxes give the start-up loan", false, "", "abc", "100000", "14", "16"},
        {"an empty duration in the month view gives the start-up length in months", true, nullptr, "", "100000", "168",
         "192"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram t;
        if (c.monthView) t.m().menu("mnu_Months").userChoose();
        if (c.principal) t.type("fp_Prin", c.principal);
        t.type("fp_Time", c.duration);
        open(t);
        EXPECT_EQ(textOf(t, "txtPurchTotl"), c.purchase);
        expectLengths(t, c.minLen, c.maxLen);
        EXPECT_TRUE(t.messages().empty());
    }
}

TEST(LoanSheetOpening, AMainScreenRateAbove24_625TakesTheLastMaximumEntry)
{
    for (int mainEntry : {197, 198, 200}) {  // 24.625, 24.750, 25.000
        TestProgram t;
        t.m().combo("comIntr").userPick(mainEntry);
        open(t);
        EXPECT_EQ(sheet(t).combo("comIntrMax").listIndex(), 100) << mainEntry;
        EXPECT_EQ(sheet(t).combo("comIntrMax").text(), "25.00") << mainEntry;
        EXPECT_TRUE(t.messages().empty()) << mainEntry;
    }
    TestProgram t;
    t.m().combo("comIntr").userPick(200);
    open(t);
    EXPECT_EQ(sheet(t).combo("comIntrMin").listIndex(), 98);  // 24.50
}

TEST(LoanSheetOpening, ARateOfZeroStartsTheMinimumAtTheZeroEntry)
{
    TestProgram t;
    t.m().combo("comIntr").userPick(0);
    open(t);
    EXPECT_EQ(sheet(t).combo("comIntrMin").listIndex(), 0);
    EXPECT_EQ(sheet(t).combo("comIntrMax").listIndex(), 2);
}

TEST(LoanSheetOpening, SelectsThePaymentOptionOfTheMainScreen)
{
    TestProgram t;
    t.click("opt_Prin");
    open(t);
    EXPECT_TRUE(t.m().option("opt_payment").value());
}

TEST(LoanSheetOpening, OpeningAgainWhileOpenOnlyBringsItToTheFront)
{
    TestProgram t;
    open(t);
    typeIn(t, "txtPurchTotl", "55555");
    t.program->app().formChanged(t.m(), FormEvent::Shown);  // the user brings the main screen forward
    ASSERT_EQ(t.program->app().topmost(), &t.m());
    open(t);
    EXPECT_EQ(textOf(t, "txtPurchTotl"), "55555");
    EXPECT_EQ(t.program->app().topmost(), &sheet(t));
}

TEST(LoanSheetOpening, ToolbarButtonTwoOpensItToo)
{
    TestProgram t;
    t.m().toolbar("Toolbar1").userClickButton(2);
    EXPECT_TRUE(sheet(t).visible());
    EXPECT_TRUE(t.m().toolbar("Toolbar1").button(2).pressed);
}

TEST(LoanSheetOpening, TakesTheLoanColoursEvenInTheInvestmentView)
{
    TestProgram t;
    ColorTable& c = t.program->module1().colors;
    c.gLoanBkgrndColor = rgb(1, 2, 3);
    c.gLoanTxtColor = rgb(4, 5, 6);
    c.gLoanContrastColor = rgb(7, 8, 9);
    c.gLoanButtonColor = rgb(10, 11, 12);
    c.gTextBoxBgColor = rgb(13, 14, 15);
    t.m().menu("mnu_view_invest").userChoose();
    t.m().mnu_LnSheet_Click();
    Form& s = sheet(t);
    EXPECT_EQ(s.backColor(), rgb(1, 2, 3));
    for (const char* name :
         {"lblPurchTotl", "lblDwnPay", "lbl_MaxLen", "lbl_MinLen", "lbl_MaxPercent", "lbl_MinPercent"}) {
        EXPECT_EQ(s.control(name).backColor(), rgb(1, 2, 3)) << name;
        EXPECT_EQ(s.control(name).foreColor(), rgb(4, 5, 6)) << name;
    }
    for (const char* name : {"frmLoanLen", "frmIntr"}) {
        EXPECT_EQ(s.control(name).backColor(), rgb(1, 2, 3)) << name;
        EXPECT_EQ(s.control(name).foreColor(), rgb(7, 8, 9)) << name;
    }
    for (const char* name :
         {"txtPurchTotl", "txtDwnPay", "txtLenMax", "txtLenMin", "comIntrMax", "comIntrMin", "grdPayments"})
        EXPECT_EQ(s.control(name).backColor(), rgb(13, 14, 15)) << name;
    for (const char* name : {"cmdCalcPmts", "cmdCalcAmort", "Btn_Clear"})
        EXPECT_EQ(s.control(name).backColor(), rgb(10, 11, 12)) << name;
    EXPECT_EQ(s.control("Btn_Close").backColor(), syscolor::kButtonFace);
}

// ---- the payment table -------------------------------------------------------------------------

TEST(LoanSheetPayments, Purchase100000With20PercentDownOver15To30YearsAt6To8Percent)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "20", "15", "30", 6.0, 8.0);
    EXPECT_TRUE(t.messages().empty());
    LoanSheet& s = sheet(t);
    EXPECT_EQ(s.loanAmt, 80000);
    EXPECT_EQ(s.rateCount, 9);
    EXPECT_EQ(s.lenCount, 16);
    Grid& g = grid(t);
    EXPECT_EQ(g.rows(), 17);
    EXPECT_EQ(g.cols(), 17);
    EXPECT_EQ(g.scrollBars(), ScrollBars::Horizontal);
    EXPECT_EQ(cell(t, 0, 1), "15 Years");
    EXPECT_EQ(cell(t, 0, 16), "30 Years");
    EXPECT_EQ(cell(t, 1, 0), "6.00%");
    EXPECT_EQ(cell(t, 2, 0), "6.25%");
    EXPECT_EQ(cell(t, 9, 0), "8.00%");
    EXPECT_EQ(cell(t, 10, 0), " ");
    EXPECT_EQ(cell(t, 1, 16), "$479.64");
    EXPECT_EQ(g.rowHeight(0), 240);
    EXPECT_EQ(g.rowHeight(1), 321);  // (5655 - 240 - 30 - 255) / 16
    EXPECT_EQ(g.colWidth(1), 1415);  // (5235 - 960 - 30) / 3
    EXPECT_EQ(g.colWidth(16), 1415);
    EXPECT_EQ(g.row(), 9);
    EXPECT_EQ(g.col(), 16);
    EXPECT_EQ(g.topRow(), 1);
    EXPECT_EQ(g.leftCol(), 1);
    EXPECT_TRUE(s.button("cmdCalcAmort").enabled());
    EXPECT_TRUE(s.menu("mnuOptCopy").enabled());
    EXPECT_TRUE(s.menu("mnuOptPrint").enabled());
    EXPECT_FALSE(s.showingSchedule);
    EXPECT_EQ(t.program->app().pointer(), Pointer::Default);
}

TEST(LoanSheetPayments, ASmallTableHasNoScrollBarsAndKeepsTheGridsMinimumSize)
{
    TestProgram t;
    showTwoByTwo(t);
    Grid& g = grid(t);
    EXPECT_EQ(g.rows(), 17);
    EXPECT_EQ(g.cols(), 4);
    EXPECT_EQ(g.scrollBars(), ScrollBars::None);
    EXPECT_EQ(g.rowHeight(1), 337);  // (5655 - 240 - 30) / 16 = 336.56
    EXPECT_EQ(g.rowHeight(16), 337);
    EXPECT_EQ(cell(t, 1, 1), "$1,980.12");
    EXPECT_EQ(cell(t, 2, 2), "$1,716.93");
    EXPECT_EQ(cell(t, 1, 3), " ");
}

TEST(LoanSheetPayments, ManyRatesAndLengthsGiveBothScrollBars)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "0", "1", "100", 0.0, 25.0);
    Grid& g = grid(t);
    EXPECT_EQ(sheet(t).rateCount, 101);
    EXPECT_EQ(sheet(t).lenCount, 100);
    EXPECT_EQ(g.rows(), 102);
    EXPECT_EQ(g.cols(), 101);
    EXPECT_EQ(g.scrollBars(), ScrollBars::Both);
    EXPECT_EQ(g.colWidth(1), 1330);  // (5235 - 960 - 30 - 255) / 3
    EXPECT_EQ(cell(t, 101, 0), "25.00%");
    EXPECT_EQ(cell(t, 0, 100), "100 Years");
}

TEST(LoanSheetPayments, TheZeroMinimumRateRepaysInEqualParts)
{
    TestProgram t;
    showPaymentsFor(t, "12000", "0", "1", "1", 0.0, 5.0);
    EXPECT_TRUE(t.messages().empty());
    LoanSheet& s = sheet(t);
    EXPECT_EQ(s.rateCount, 21);
    EXPECT_EQ(grid(t).scrollBars(), ScrollBars::Vertical);
    EXPECT_EQ(cell(t, 1, 0), "0.00%");
    EXPECT_EQ(cell(t, 2, 0), "0.25%");
    EXPECT_EQ(cell(t, 21, 0), "5.00%");
    EXPECT_EQ(cell(t, 1, 1), "$1,000.00");
    EXPECT_EQ(cell(t, 2, 1), "$1,001.35");  // at 0.25 % itself
    EXPECT_EQ(s.pmtTable.ratesPercent[20], 5.0);
}

TEST(LoanSheetPayments, EqualLengthsAndRatesGiveASingleCell)
{
    TestProgram t;
    showPaymentsFor(t, "80000", "0", "30", "30", 6.0, 6.0);
    EXPECT_EQ(sheet(t).rateCount, 1);
    EXPECT_EQ(sheet(t).lenCount, 1);
    EXPECT_EQ(cell(t, 0, 1), "30 Years");
    EXPECT_EQ(cell(t, 1, 1), "$479.64");
    EXPECT_EQ(cell(t, 2, 0), " ");
    EXPECT_EQ(cell(t, 1, 2), " ");
}

TEST(LoanSheetPayments, MonthsFrom60To70GiveColumnsOf60And66Months)
{
    TestProgram t;
    openInMonths(t);
    showPaymentsFor(t, "20000", "0", "60", "70", 5.0, 5.0);
    EXPECT_EQ(sheet(t).lenStep, 6);
    EXPECT_EQ(sheet(t).lenCount, 2);
    EXPECT_EQ(cell(t, 0, 1), "60 Months");
    EXPECT_EQ(cell(t, 0, 2), "66 Months");
    EXPECT_EQ(cell(t, 1, 1), "$377.42");
    EXPECT_EQ(cell(t, 1, 2), "$347.23");
}

TEST(LoanSheetPayments, NinetyNinePercentDownFinancesOnePercent)
{
    TestProgram t;
    fill(t, "100000", "99", "30", "30", 6.0, 6.0);
    EXPECT_TRUE(t.messages().empty());
    showPayments(t);
    EXPECT_NEAR(sheet(t).loanAmt, 1000, 1e-9);
    EXPECT_EQ(cell(t, 1, 1), "$6.00");
}

TEST(LoanSheetPayments, ReadsEachBoxAsTheValueItShows)
{
    TestProgram t;
    fill(t, "100,000", "20%", "15", "30", 6.0, 6.0);
    EXPECT_EQ(sheet(t).purchAmt, 100000);
    EXPECT_EQ(sheet(t).dwnPay, 20);
    typeIn(t, "txtLenMax", "1,200");
    EXPECT_EQ(sheet(t).lenMax, 1200);
    typeIn(t, "txtLenMax", "30");
    showPayments(t);
    EXPECT_EQ(sheet(t).loanAmt, 80000);
    EXPECT_EQ(cell(t, 1, 16), "$479.64");
}

// A percentage down is an amount to the cent, halves up (7.5 % of 123,456.78 is 9,259.2585), and the loan is
// what the purchase leaves.
TEST(LoanSheetPayments, APercentageDownIsRoundedToTheCentAndTheLoanIsTheRest)
{
    for (const auto& [down, loan] : {std::pair{"7.5%", 114197.52}, {"2.5%", 120370.36}, {"0.5%", 122839.5}}) {
        TestProgram t;
        showPaymentsFor(t, "123456.78", down, "30", "30", 6.0, 6.0);
        EXPECT_EQ(sheet(t).loanAmt, loan) << down;  // 9,259.26; 3,086.42 (3,086.4195); 617.28 (617.2839)
    }
}

TEST(LoanSheetPayments, AmountDownIsSubtractedFromThePurchase)
{
    TestProgram t;
    openWithAmountDown(t);
    showPaymentsFor(t, "100000", "$20,000.00", "30", "30", 6.0, 6.0);
    EXPECT_EQ(sheet(t).loanAmt, 80000);
    EXPECT_EQ(cell(t, 1, 1), "$479.64");
}

TEST(LoanSheetPayments, ShowPaymentsRebuildsTheTableAfterASchedule)
{
    TestProgram t;
    showPaymentsFor(t, "80000", "0", "30", "30", 6.0, 6.0);
    grid(t).userDoubleClickCell(1, 1);
    ASSERT_TRUE(sheet(t).showingSchedule);
    showPayments(t);
    EXPECT_FALSE(sheet(t).showingSchedule);
    EXPECT_EQ(grid(t).rows(), 17);
    EXPECT_EQ(grid(t).cols(), 4);
    EXPECT_EQ(grid(t).rowHeight(0), 240);
    EXPECT_EQ(cell(t, 0, 0), " ");
    EXPECT_EQ(cell(t, 1, 1), "$479.64");
    EXPECT_EQ(cell(t, 2, 1), " ");
}

// ---- messages ----------------------------------------------------------------------------------

TEST(LoanSheetMessages, DownPaymentAbove99Percent)
{
    TestProgram t;
    fill(t, "100000", "0", "15", "30", 6.0, 8.0);
    typeIn(t, "txtDwnPay", "100");
    expectRefused(t, "Down payment percentage cannot exceed 99 percent.", "txtDwnPay");
    EXPECT_EQ(sheet(t).dwnPay, 0);
}

TEST(LoanSheetMessages, DownPaymentAmountAbovePurchase)
{
    TestProgram t;
    fill(t, "100000", "0", "15", "30", 6.0, 8.0);
    sheet(t).menu("mnuOptDwn", 1).userChoose();
    typeIn(t, "txtDwnPay", "100001");
    expectRefused(t, "Down payment amount cannot exceed purchase amount.", "txtDwnPay");
    EXPECT_EQ(sheet(t).dwnPay, 0);
    typeIn(t, "txtDwnPay", "100000");
    EXPECT_EQ(t.messages().size(), 0u);
}

TEST(LoanSheetMessages, NegativeDownPayment)
{
    TestProgram t;
    fill(t, "100000", "0", "15", "30", 6.0, 8.0);
    typeIn(t, "txtDwnPay", "-5");
    expectRefused(t, "Down payment amount must be zero or greater.", "txtDwnPay");
}

TEST(LoanSheetMessages, MaximumRateBelowTheMinimumMovesTheMinimum)
{
    TestProgram t;
    fill(t, "100000", "0", "15", "30", 6.0, 8.0);
    sheet(t).combo("comIntrMax").userPick(entry(5.0));
    EXPECT_EQ(oneError(t), "Maximum interest rate must be greater than or equal to the minimum interest rate.");
    EXPECT_EQ(sheet(t).combo("comIntrMin").listIndex(), entry(5.0));
    EXPECT_EQ(sheet(t).intrMin, 5.0);
    EXPECT_EQ(sheet(t).intrMax, 5.0);
}

TEST(LoanSheetMessages, MinimumRateAboveTheMaximumIsPutBack)
{
    TestProgram t;
    fill(t, "100000", "0", "15", "30", 6.0, 8.0);
    sheet(t).combo("comIntrMin").userPick(entry(9.0));
    EXPECT_EQ(oneError(t), "Minimum interest rate must be less than or equal to the maximum interest rate.");
    EXPECT_EQ(sheet(t).combo("comIntrMin").listIndex(), entry(8.0));
    EXPECT_EQ(sheet(t).intrMin, 8.0);
}

TEST(LoanSheetMessages, NoPurchaseAmount)
{
    for (const char* purchase : {"0", "", "-5", "abc"}) {
        SCOPED_TRACE(purchase);
        TestProgram t;
        showPaymentsFor(t, purchase, "0", "15", "30", 6.0, 8.0);
        expectRefused(t, "You must enter a valid purchase amount.", "txtPurchTotl");
    }
}

TEST(LoanSheetMessages, PurchaseBeyondATrillion)
{
    TestProgram t;
    showPaymentsFor(t, "1000000000001", "0", "15", "30", 6.0, 8.0);
    expectRefused(t, "The purchase amount cannot exceed $1,000,000,000,000.00.", "txtPurchTotl");
}

TEST(LoanSheetMessages, AnAmountDownSwitchedToPercentDownIsCheckedAgain)
{
    TestProgram t;
    openWithAmountDown(t);
    fill(t, "100000", "5000", "15", "30", 6.0, 8.0);
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(sheet(t).box("txtDwnPay").display(), "$5,000.00");
    sheet(t).menu("mnuOptDwn", 0).userChoose();
    EXPECT_EQ(textOf(t, "txtDwnPay"), "5000");  // switching alone does not check
    EXPECT_EQ(sheet(t).box("txtDwnPay").display(), "5000%");
    showPayments(t);
    expectRefused(t, "Down payment percentage cannot exceed 99 percent.", "txtDwnPay");
    EXPECT_EQ(sheet(t).dwnPay, 0);
    showPayments(t);
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(sheet(t).loanAmt, 100000);
}

TEST(LoanSheetMessages, APurchaseLoweredBelowTheAmountDownIsRefused)
{
    TestProgram t;
    openWithAmountDown(t);
    fill(t, "100000", "20000", "15", "30", 6.0, 8.0);
    typeIn(t, "txtPurchTotl", "10000");
    EXPECT_TRUE(t.messages().empty());  // the purchase box itself checks nothing
    showPayments(t);
    expectRefused(t, "Down payment amount cannot exceed purchase amount.", "txtDwnPay");
    EXPECT_EQ(sheet(t).loanAmt, 0);
}

TEST(LoanSheetMessages, NoMaximumLength)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "0", "", "", 6.0, 8.0);
    expectRefused(t, "You must enter a maximum length of loan.", "txtLenMax");
    EXPECT_EQ(textOf(t, "txtLenMin"), "");
}

TEST(LoanSheetMessages, MaximumLengthBelowOne)
{
    for (const char* maxLen : {"0", "-3", "abc", "0.5"}) {
        SCOPED_TRACE(maxLen);
        TestProgram t;
        showPaymentsFor(t, "100000", "0", "1", maxLen, 6.0, 8.0);
        expectRefused(t, "The maximum length of loan must be at least one month or year.", "txtLenMax");
    }
}

TEST(LoanSheetMessages, MaximumLengthBeyond100Years)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "0", "1", "101", 6.0, 8.0);
    expectRefused(t, "The maximum length of loan cannot exceed 100 years.", "txtLenMax");
    typeIn(t, "txtLenMax", "100");
    showPayments(t);
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(sheet(t).lenCount, 100);
}

TEST(LoanSheetMessages, MaximumLengthBeyond1200Months)
{
    TestProgram t;
    openInMonths(t);
    showPaymentsFor(t, "100000", "0", "1", "1201", 6.0, 6.0);
    expectRefused(t, "The maximum length of loan cannot exceed 1,200 months.", "txtLenMax");
    typeIn(t, "txtLenMax", "1200");
    showPayments(t);
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(sheet(t).lenCount, 200);
    EXPECT_EQ(cell(t, 0, 200), "1195 Months");
    grid(t).userDoubleClickCell(1, 200);
    EXPECT_EQ(grid(t).rows(), 1196);
}

TEST(LoanSheetMessages, MaximumLengthBelowTheMinimum)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "0", "20", "10", 6.0, 8.0);
    expectRefused(t, "Maximum length of loan must be greater than the minimum length of loan.", "txtLenMax");
}

TEST(LoanSheetMessages, AnEmptyMinimumLengthBecomesOneAndTheTableIsStillComputed)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "0", "", "3", 6.0, 6.0);
    EXPECT_EQ(oneError(t), "The minimum length of loan must be one month or year.");
    EXPECT_EQ(textOf(t, "txtLenMin"), "1");
    EXPECT_EQ(sheet(t).lenCount, 3);
    EXPECT_EQ(cell(t, 0, 1), "1 Years");
    EXPECT_TRUE(sheet(t).menu("mnuOptCopy").enabled());
}

TEST(LoanSheetMessages, AMinimumLengthBelowOneBecomesOne)
{
    for (const char* minLen : {"0", "-4", "xyz", "0.25"}) {
        TestProgram t;
        showPaymentsFor(t, "100000", "0", minLen, "2", 6.0, 6.0);
        EXPECT_EQ(oneError(t), "The minimum length of loan must be one month or year.") << minLen;
        EXPECT_EQ(textOf(t, "txtLenMin"), "1");
        EXPECT_EQ(sheet(t).lenCount, 2);
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(cell(t, 1, j).front(), '$') << minLen;
    }
}

TEST(LoanSheetMessages, MaximumRateBelowHalfAPercent)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "0", "1", "2", 0.0, 0.25);
    expectRefused(t, "You must specify a maximum interest rate greater than zero.", "comIntrMax");
}

TEST(LoanSheetMessages, InstructionsHaveTheirOwnTitle)
{
    TestProgram t;
    open(t);
    t.platform.clearRecords();
    sheet(t).menu("mnuOptInstruct").userChoose();
    std::vector<PlatformRecord> shown = t.platform.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "LoanSheet Instructions");
    EXPECT_EQ(shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(shown[0].text,
              "Enter the purchase amount, down payment, length of loan, and interest rates. Click the Show Payments "
              "button to display monthly payments in the grid on the right.\n\r\n\r"
              "Select a monthly payment and click the Show Amortization button to display an amortization schedule "
              "for the selected interest rate and length of loan in the grid.\n\r\n\r"
              "Select cells in the grid and choose Copy from the Options menu to copy data onto the Clipboard.");
}

// ---- the schedule ------------------------------------------------------------------------------

TEST(LoanSheetSchedule, EightyThousandAtSixPercentForThirtyYears)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "20", "15", "30", 6.0, 8.0);
    grid(t).userDoubleClickCell(1, 16);
    LoanSheet& s = sheet(t);
    EXPECT_TRUE(s.showingSchedule);
    EXPECT_EQ(s.termMonths, 360);
    Grid& g = grid(t);
    EXPECT_EQ(g.rows(), 361);
    EXPECT_EQ(g.cols(), 5);
    EXPECT_EQ(g.scrollBars(), ScrollBars::Both);
    EXPECT_EQ(g.rowHeight(0), 480);
    EXPECT_EQ(g.rowHeight(1), 322);  // (5655 - 480 - 30) / 16 = 321.56
    EXPECT_EQ(g.colWidth(1), 998);   // (5235 - 960 - 30 - 255) / 4 = 997.5, to even
    EXPECT_EQ(cell(t, 0, 0), "Payment\n$479.64");
    EXPECT_EQ(cell(t, 0, 1), "Principle Paid");
    EXPECT_EQ(cell(t, 0, 2), "Interest Paid");
    EXPECT_EQ(cell(t, 0, 3), "Principle Balance");
    EXPECT_EQ(cell(t, 0, 4), "Total Interest");
    const std::vector<std::string> month1 = {"1", "$79.64", "$400.00", "$79,920.36", "$400.00"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(cell(t, 1, c), month1[static_cast<std::size_t>(c)]);
    EXPECT_EQ(cell(t, 2, 2), "$399.60");
    EXPECT_EQ(cell(t, 2, 3), "$79,840.32");
    EXPECT_EQ(cell(t, 360, 0), "360");
    EXPECT_EQ(cell(t, 360, 1), "$477.51");
    EXPECT_EQ(cell(t, 360, 2), "$2.39");
    EXPECT_EQ(cell(t, 360, 3), "$0.00");
    EXPECT_EQ(cell(t, 360, 4), "$92,670.66");
    EXPECT_EQ(s.label("lblScheduleNote").caption(), "");
    EXPECT_EQ(g.row(), 360);
    EXPECT_EQ(g.col(), 4);
    EXPECT_FALSE(s.button("cmdCalcAmort").enabled());
    EXPECT_TRUE(s.menu("mnuOptCopy").enabled());
    EXPECT_EQ(s.loanAmt, 80000);
}

TEST(LoanSheetSchedule, ShowAmortizationRightAfterShowPaymentsTakesTheLastCell)
{
    TestProgram t;
    showPaymentsFor(t, "80000", "0", "29", "30", 5.0, 6.0);
    sheet(t).button("cmdCalcAmort").userClick();
    EXPECT_EQ(cell(t, 0, 0), "Payment\n$479.64");
    EXPECT_EQ(grid(t).rows(), 361);
}

TEST(LoanSheetSchedule, RowCountsFollowTheMonths)
{
    struct Case {
        const char* length;
        bool months;
        int rows;
        int lastMonth;
    };
    for (Case c : {Case{"1", false, 16, 12}, Case{"16", true, 17, 16}, Case{"30", false, 361, 360},
                   Case{"2.5", false, 31, 30}}) {
        TestProgram t;
        open(t);
        if (c.months) sheet(t).menu("mnuOptLen", 1).userChoose();
        showPaymentsFor(t, "10000", "0", c.length, c.length, 6.0, 6.0);
        grid(t).userDoubleClickCell(1, 1);
        EXPECT_EQ(grid(t).rows(), c.rows) << c.length;
        EXPECT_EQ(cell(t, c.lastMonth, 0), std::to_string(c.lastMonth)) << c.length;
        EXPECT_EQ(cell(t, c.lastMonth + 1, 0), c.rows > c.lastMonth + 1 ? " " : "") << c.length;
    }
}

// A last installment that the rows alone do not explain gets a note under the grid, in the copy and the PDF.
TEST(LoanSheetSchedule, ABalloonOrAnEarlyEndIsNoted)
{
    const std::string balloon =
        "The last installment of $81,450.00 is a balloon payment: the level payment does "
        "not repay the loan within its term.";
    const std::string early =
        "The loan is repaid with installment 1,175, before the end of its term; the last "
        "installment is $285.40.";
    for (auto [years, rate, lastMonth, note] : {std::tuple{"97", 21.75, 1164, balloon}, {"98", 6.75, 1175, early}}) {
        TestProgram t;
        showPaymentsFor(t, "80000", "0", years, years, rate, rate);
        grid(t).userDoubleClickCell(1, 1);
        EXPECT_EQ(cell(t, lastMonth, 3), "$0.00");
        EXPECT_EQ(sheet(t).label("lblScheduleNote").caption(), note);
        const std::string text = copied(t);
        const std::string title = sheet(t).PdfTable().title.english();
        EXPECT_EQ(text.substr(text.size() - note.size() - 2), note + "\r\n");
        EXPECT_EQ(title.substr(title.size() - note.size()), note);
        showPayments(t);
        EXPECT_EQ(sheet(t).label("lblScheduleNote").caption(), "");
    }
}

TEST(LoanSheetSchedule, TheSixtySixMonthColumnGivesA66MonthSchedule)
{
    TestProgram t;
    openInMonths(t);
    showPaymentsFor(t, "20000", "0", "60", "70", 5.0, 5.0);
    grid(t).userDoubleClickCell(1, 2);
    EXPECT_EQ(sheet(t).termMonths, 66);
    EXPECT_EQ(grid(t).rows(), 67);
    EXPECT_EQ(cell(t, 0, 0), "Payment\n$347.23");
    EXPECT_EQ(cell(t, 66, 0), "66");
}

TEST(LoanSheetSchedule, AScheduleKeepsTheUnitOfItsTableAfterTheUnitIsSwitched)
{
    TestProgram t;
    showPaymentsFor(t, "10000", "0", "2", "2", 6.0, 6.0);
    sheet(t).menu("mnuOptLen", 1).userChoose();
    grid(t).userDoubleClickCell(1, 1);
    EXPECT_EQ(sheet(t).termMonths, 24);
}

TEST(LoanSheetSchedule, ClicksEnableShowAmortizationOnlyOnPaymentsOfTheTable)
{
    TestProgram t;
    showTwoByTwo(t);
    CommandButton& amort = sheet(t).button("cmdCalcAmort");
    grid(t).userClickCell(5, 1);  // blank
    EXPECT_FALSE(amort.enabled());
    grid(t).userClickCell(1, 3);  // a blank column of the grid's minimum size
    EXPECT_FALSE(amort.enabled());
    grid(t).userClickCell(2, 1);
    EXPECT_TRUE(amort.enabled());
    grid(t).userDoubleClickCell(6, 1);  // blank: no schedule
    EXPECT_FALSE(amort.enabled());
    EXPECT_FALSE(sheet(t).showingSchedule);
    grid(t).userDoubleClickCell(1, 1);
    EXPECT_TRUE(sheet(t).showingSchedule);
    grid(t).userClickCell(3, 2);  // a schedule cell
    EXPECT_FALSE(amort.enabled());
    grid(t).userDoubleClickCell(3, 2);
    EXPECT_FALSE(amort.enabled());
    EXPECT_EQ(cell(t, 0, 0), "Payment\n$1,980.12");
}

TEST(LoanSheetSchedule, AfterClearingASchedulesClicksKeepTheButtonDisabledUntilShowPayments)
{
    TestProgram t;
    showTwoByTwo(t);
    grid(t).userDoubleClickCell(1, 1);
    sheet(t).button("Btn_Clear").userClick();
    EXPECT_TRUE(sheet(t).showingSchedule);
    grid(t).userClickCell(1, 1);
    EXPECT_FALSE(sheet(t).button("cmdCalcAmort").enabled());
    showPayments(t);
    grid(t).userClickCell(1, 1);
    EXPECT_TRUE(sheet(t).button("cmdCalcAmort").enabled());
}

// ---- copy and print ----------------------------------------------------------------------------

TEST(LoanSheetCopy, ATwoByTwoTableCoversItsOwnColumnsOnly)
{
    TestProgram t;
    showTwoByTwo(t);
    grid(t).userClickCell(10, 3);  // one blank cell chosen: the whole table is highlighted
    EXPECT_EQ(copied(t),
              "Loan of  100000\r\n"
              "\t\t5 Years\t6 Years\r\n"
              "7.00%\t\t$1,980.12\t$1,704.90\r\n"
              "7.25%\t\t$1,991.94\t$1,716.93\r\n");
    EXPECT_EQ(sheet(t).tableText, t.platform.clipboardText());
    Grid& g = grid(t);
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.col(), 0);
    EXPECT_EQ(g.rowSel(), 2);
    EXPECT_EQ(g.colSel(), 2);
}

TEST(LoanSheetCopy, APaymentCellChosenLeavesTheSelectionAlone)
{
    TestProgram t;
    showTwoByTwo(t);
    grid(t).userClickCell(2, 1);
    sheet(t).menu("mnuOptCopy").userChoose();
    EXPECT_EQ(grid(t).row(), 2);
    EXPECT_EQ(grid(t).col(), 1);
}

TEST(LoanSheetCopy, ThePrintedTableHasATabAfterEachLengthHeader)
{
    TestProgram t;
    showTwoByTwo(t);
    EXPECT_EQ(printed(t),
              "Loan of  100000\r\n"
              "\t\t5 Years\t\t6 Years\t\r\n"
              "7.00%\t\t$1,980.12\t$1,704.90\r\n"
              "7.25%\t\t$1,991.94\t$1,716.93\r\n");
}

TEST(LoanSheetCopy, ShortPaymentsGetAnExtraTab)
{
    TestProgram t;
    showPaymentsFor(t, "1000", "0", "1", "1", 7.0, 7.0);
    EXPECT_EQ(copied(t), "Loan of  1000\r\n\t\t1 Years\r\n7.00%\t\t$86.53\t\r\n");
}

TEST(LoanSheetCopy, AScheduleByteForByte)
{
    TestProgram t;
    showPaymentsFor(t, "1000", "0", "1", "1", 6.0, 6.0);
    grid(t).userDoubleClickCell(1, 1);
    EXPECT_EQ(copied(t),
              "Loan of  1000\r\n"
              "Payment\n$86.07\r\n"
              "\tPrinciple Paid\t\tInterest Paid\t\tPrinciple Balance\tTotal Interest\r\n"
              "1\t$81.07\t\t\t$5.00\t\t\t$918.93\t\t$5.00\t\t\r\n"
              "2\t$81.48\t\t\t$4.59\t\t\t$837.45\t\t$9.59\t\t\r\n"
              "3\t$81.88\t\t\t$4.19\t\t\t$755.57\t\t$13.78\t\t\r\n"
              "4\t$82.29\t\t\t$3.78\t\t\t$673.28\t\t$17.56\t\t\r\n"
              "5\t$82.70\t\t\t$3.37\t\t\t$590.58\t\t$20.93\t\t\r\n"
              "6\t$83.12\t\t\t$2.95\t\t\t$507.46\t\t$23.88\t\t\r\n"
              "7\t$83.53\t\t\t$2.54\t\t\t$423.93\t\t$26.42\t\t\r\n"
              "8\t$83.95\t\t\t$2.12\t\t\t$339.98\t\t$28.54\t\t\r\n"
              "9\t$84.37\t\t\t$1.70\t\t\t$255.61\t\t$30.24\t\t\r\n"
              "10\t$84.79\t\t\t$1.28\t\t\t$170.82\t\t$31.52\t\t\r\n"
              "11\t$85.22\t\t\t$0.85\t\t\t$85.60\t\t\t$32.37\t\t\r\n"
              "12\t$85.60\t\t\t$0.43\t\t\t$0.00\t\t\t$32.80\t\t\r\n");
    const std::string print = printed(t);
    EXPECT_EQ(print.substr(0, print.find("2\t")),
              "Loan of  1000\r\n"
              "Payment\n$86.07\r\n"
              "\tPrinciple Paid\t\tInterest Paid\tPrinciple Balance\t\tTotal Interest\r\n"
              "1\t$81.07\t\t$5.00\t\t$918.93\t\t$5.00\t\r\n");
}

TEST(LoanSheetCopy, TheFirstLineReadsTheBoxesAsTheyAreNow)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "20", "30", "30", 6.0, 6.0);
    typeIn(t, "txtPurchTotl", "$90,000.00");
    EXPECT_EQ(copied(t).substr(0, 16), "Loan of  72000\r\n");
}

TEST(LoanSheetCopy, AnEmptyPurchaseBoxGivesTheAmountOfTheTableShown)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "20", "30", "30", 6.0, 6.0);
    typeIn(t, "txtPurchTotl", "");
    EXPECT_EQ(copied(t).substr(0, 16), "Loan of  80000\r\n");
    typeIn(t, "txtPurchTotl", "lots");
    EXPECT_EQ(printed(t).substr(0, 16), "Loan of  80000\r\n");
}

TEST(LoanSheetCopy, NoPrinterPrintsNothing)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "20", "30", "30", 6.0, 6.0);
    t.platform.setPrinterAvailable(false);
    t.platform.clearRecords();
    sheet(t).menu("mnuOptPrint").userChoose();
    EXPECT_TRUE(t.platform.records().empty());
}

TEST(LoanSheetCopy, ClearTableDisablesCopyAndPrintUntilShowPayments)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "20", "15", "30", 6.0, 8.0);
    grid(t).setTopRow(5);
    sheet(t).button("Btn_Clear").userClick();
    LoanSheet& s = sheet(t);
    EXPECT_FALSE(s.menu("mnuOptCopy").enabled());
    EXPECT_FALSE(s.menu("mnuOptPrint").enabled());
    EXPECT_FALSE(s.button("cmdCalcAmort").enabled());
    Grid& g = grid(t);
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c) ASSERT_EQ(g.text(r, c), " ");
    EXPECT_EQ(g.topRow(), 1);
    EXPECT_EQ(textOf(t, "txtPurchTotl"), "100000");
    showPayments(t);
    EXPECT_TRUE(s.menu("mnuOptCopy").enabled());
    EXPECT_TRUE(s.menu("mnuOptPrint").enabled());
}

// ---- units -------------------------------------------------------------------------------------

TEST(LoanSheetUnits, LengthsSwitchBetweenYearsAndMonths)
{
    TestProgram t;
    fill(t, "100000", "0", "2", "5", 6.0, 6.0);
    LoanSheet& s = sheet(t);
    s.menu("mnuOptLen", 1).userChoose();
    expectLengths(t, "24", "60");
    EXPECT_EQ(s.lenMin, 24);
    EXPECT_EQ(s.lenMax, 60);
    EXPECT_EQ(s.frame("frmLoanLen").caption(), "Months in Loan");
    s.menu("mnuOptLen", 1).userChoose();
    expectLengths(t, "24", "60");
    s.menu("mnuOptLen", 0).userChoose();
    expectLengths(t, "2", "5");
    EXPECT_EQ(s.frame("frmLoanLen").caption(), "Years in Loan");
}

TEST(LoanSheetUnits, ThirtyOneMonthsAreTwoPoint583Years)
{
    TestProgram t;
    openInMonths(t);
    fill(t, "100000", "0", "31", "31", 6.0, 6.0);
    sheet(t).menu("mnuOptLen", 0).userChoose();
    EXPECT_EQ(textOf(t, "txtLenMax"), "2.583");
    EXPECT_EQ(sheet(t).box("txtLenMax").display(), "2.583");
    EXPECT_EQ(sheet(t).lenMax, 2.583);
}

TEST(LoanSheetUnits, AnEmptyLengthStaysEmpty)
{
    TestProgram t;
    fill(t, "100000", "0", "", "", 6.0, 6.0);
    sheet(t).menu("mnuOptLen", 1).userChoose();
    expectLengths(t, "", "");
}

TEST(LoanSheetUnits, TheTableKeepsTheUnitItWasComputedIn)
{
    TestProgram t;
    showPaymentsFor(t, "100000", "0", "2", "3", 6.0, 6.0);
    sheet(t).menu("mnuOptLen", 1).userChoose();
    EXPECT_EQ(cell(t, 0, 1), "2 Years");
    EXPECT_NE(copied(t).find("\t\t2 Years\t3 Years\r\n"), std::string::npos);
}

TEST(LoanSheetUnits, PercentDownSwitchedToAmountDownReadsTheSameBoxAsDollars)
{
    TestProgram t;
    fill(t, "100000", "20", "30", "30", 6.0, 6.0);
    LoanSheet& s = sheet(t);
    s.menu("mnuOptDwn", 1).userChoose();
    EXPECT_EQ(textOf(t, "txtDwnPay"), "20");
    EXPECT_EQ(s.label("lblDwnPay").caption(), "Amount Down");
    EXPECT_FALSE(s.menu("mnuOptDwn", 0).checked());
    EXPECT_TRUE(s.menu("mnuOptDwn", 1).checked());
    EXPECT_TRUE(t.messages().empty());
    showPayments(t);
    EXPECT_EQ(s.loanAmt, 99980);
    s.menu("mnuOptDwn", 0).userChoose();
    EXPECT_EQ(s.label("lblDwnPay").caption(), "Percent Down");
    showPayments(t);
    EXPECT_EQ(s.loanAmt, 80000);
}

TEST(LoanSheetUnits, AnInputBoxSelectsItsWholeTextOnFocus)
{
    TestProgram t;
    open(t);
    for (const char* name : {"txtPurchTotl", "txtDwnPay", "txtLenMin", "txtLenMax"}) {
        MaskedBox& b = sheetForm(t).box(name);
        b.setSelection(0, 0);
        b.setFocus();
        EXPECT_EQ(b.selStart(), 0) << name;
        EXPECT_EQ(b.selLength(), static_cast<int>(b.text().size())) << name;
    }
}

// ---- leaving -----------------------------------------------------------------------------------

TEST(LoanSheetClosing, TheCloseBoxReleasesToolbarButtonTwo)
{
    TestProgram t;
    open(t);
    sheet(t).userClose();
    EXPECT_FALSE(sheet(t).loaded());
    EXPECT_FALSE(t.m().toolbar("Toolbar1").button(2).pressed);
    EXPECT_TRUE(t.m().visible());
    EXPECT_EQ(t.text("fp_Prin"), "100000");
}

TEST(LoanSheetClosing, CloseAndReturnToCalculatorShowTheMainScreen)
{
    for (bool byMenu : {false, true}) {
        TestProgram t;
        open(t);
        if (byMenu)
            sheet(t).menu("mnuOptExit").userChoose();
        else
            sheet(t).button("Btn_Close").userClick();
        EXPECT_FALSE(sheet(t).loaded());
        EXPECT_FALSE(t.m().toolbar("Toolbar1").button(2).pressed);
        EXPECT_EQ(t.program->app().topmost(), &t.m());
    }
}

TEST(LoanSheetClosing, OpeningAgainStartsAFreshScreen)
{
    TestProgram t;
    fill(t, "100000", "20", "15", "30", 6.0, 8.0);
    sheet(t).menu("mnuOptDwn", 1).userChoose();
    showPayments(t);
    grid(t).userDoubleClickCell(1, 1);
    sheet(t).userClose();
    open(t);
    LoanSheet& s = sheet(t);
    EXPECT_EQ(textOf(t, "txtPurchTotl"), "100000");
    EXPECT_EQ(textOf(t, "txtLenMin"), "14");
    EXPECT_TRUE(s.menu("mnuOptDwn", 0).checked());
    EXPECT_EQ(s.label("lblDwnPay").caption(), "Percent &Down");
    EXPECT_FALSE(s.showingSchedule);
    EXPECT_FALSE(s.menu("mnuOptCopy").enabled());
    EXPECT_FALSE(s.button("cmdCalcAmort").enabled());
    EXPECT_EQ(grid(t).rows(), 17);
    EXPECT_EQ(grid(t).cols(), 4);
    EXPECT_TRUE(t.m().toolbar("Toolbar1").button(2).pressed);
    EXPECT_TRUE(t.messages().empty());
}

TEST(LoanSheetClosing, ClosingTheMainScreenUnloadsTheTable)
{
    TestProgram t;
    open(t);
    t.m().userClose();
    EXPECT_FALSE(sheet(t).loaded());
    EXPECT_TRUE(t.platform.ended());
}

}  // namespace
}  // namespace tv::test
