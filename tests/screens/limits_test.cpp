// The program's limits (docs/architecture.md, "Limits"), in every box of every screen: money amounts up to
// 1,000,000,000,000 in size, at most 32,766 periods or installments, the table screen's lengths and sizes, and
// a typed box text of at most 32 characters. Each is refused with a message that names it, and the user's
// other values stay as they were.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "loan_table/loan_sheet.h"
#include "settings/ini_file_form.h"
#include "test_program.h"

namespace tv::test {
namespace {

const std::string kTooLong = "Input too long - a box holds at most 32 characters";
const std::string kAmountTooLarge = "Amount too large - at most $1,000,000,000,000 can be computed";

// Every box's text and every list's entry of a form.
std::map<std::string, std::string> formState(const Form& form)
{
    std::map<std::string, std::string> state;
    for (const Control* c : form.controls()) {
        if (c->kind() == Kind::MaskedBox) state[c->name()] = static_cast<const MaskedBox*>(c)->text();
        if (c->kind() == Kind::ComboList)
            state[c->name()] = std::to_string(static_cast<const ComboList*>(c)->listIndex());
    }
    return state;
}

void choose(TestProgram& t, bool invest, const char* option)
{
    if (invest) t.m().menu("mnu_view_invest").userChoose();
    t.click(option);
    t.messages();
}

// ---- money -----------------------------------------------------------------------------------------------

struct MoneyCase {
    bool invest;
    const char* option;
    const char* box;  // the money box typed beyond the limit
};

// Every money box each solver reads, in both views.
const MoneyCase kMoneyCases[] = {
    {false, "opt_Prin", "fp_Payment"},
    {false, "opt_intRate", "fp_Prin"},
    {false, "opt_intRate", "fp_Payment"},
    {false, "opt_time", "fp_Prin"},
    {false, "opt_time", "fp_Payment"},
    {false, "opt_payment", "fp_Prin"},
    {false, "opt_IntOnly", "fp_Prin"},
    {false, "opt_payoff", "fp_Prin"},
    {false, "opt_xpaymo", "fp_Prin"},
    {false, "opt_xpaymo", "fp_xpay"},
    {false, "opt_xpay1x", "fp_xpay"},
    {false, "opt_xpayperiodic", "fp_xpay"},
    {true, "Opt_Invest", "fp_Prin"},
    {true, "Opt_invest_mnthly", "fp_Prin"},
    {true, "Opt_invest_1xmnthly", "fp_Prin"},
    {true, "Opt_invest_1xmnthly", "fp_xpay"},
    {true, "Opt_invest_yearly", "fp_Prin"},
    {true, "Opt_Annuity", "fp_Prin"},
    {true, "Opt_Annuity_Mnthly", "fp_Prin"},
    {true, "Opt_Annuity_Duration", "fp_Prin"},
    {true, "Opt_Annuity_Duration", "fp_Payment"},
    {true, "Opt_Inv2Annuity", "fp_Prin"},
    {true, "Opt_Spec_Dur", "fp_Prin"},
    {true, "Opt_Spec_Dur", "fp_xpaystrt"},
};

TEST(Limits, EveryMoneyBoxOfTheMainScreenRefusesMoreThanATrillionAndKeepsEveryValue)
{
    for (const MoneyCase& c : kMoneyCases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.box);
        TestProgram t;
        choose(t, c.invest, c.option);
        t.type(c.box, "1,000,000,000,000.01");
        const auto before = formState(t.m());
        t.calculate();
        EXPECT_EQ(t.messages(), std::vector<std::string>{kAmountTooLarge});
        EXPECT_EQ(formState(t.m()), before);
    }
}

TEST(Limits, ATrillionItselfIsComputedInEveryMoneyBox)
{
    for (const MoneyCase& c : kMoneyCases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.box);
        TestProgram t;
        choose(t, c.invest, c.option);
        t.type(c.box, "1000000000000");
        // A trillion a month for 15 years repays more than a trillion: one month repays less.
        if (std::string(c.option) == "opt_Prin") t.type("fp_Time", "0.083");
        t.calculate();
        for (const std::string& m : t.messages()) EXPECT_NE(m, kAmountTooLarge);
    }
}

TEST(Limits, TheTableScreenRefusesAPurchaseOfMoreThanATrillion)
{
    TestProgram t;
    t.m().menu("mnu_LnSheet").userChoose();
    LoanSheet& s = t.program->loanSheet();
    s.box("txtPurchTotl").userType("1000000000000.01");
    s.button("cmdCalcPmts").userClick();
    auto shown = t.platform.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "The purchase amount cannot exceed $1,000,000,000,000.00.");
    EXPECT_EQ(shown[0].title, "LoanSheet Error");
    t.platform.clearRecords();
    s.box("txtPurchTotl").userType("1000000000000");
    s.button("cmdCalcPmts").userClick();
    EXPECT_TRUE(t.platform.messages().empty());
}

// Found by the monkey: results beyond the limit reached the amount box, which the next calculation refused.
TEST(Limits, TheLoanAmountASolverWritesKeepsToTheMoneyLimit)
{
    TestProgram t;
    choose(t, false, "opt_Prin");
    t.type("fp_Payment", "1000000000000");
    const auto before = formState(t.m());
    t.calculate();
    EXPECT_EQ(t.messages(), std::vector<std::string>{kAmountTooLarge});
    EXPECT_EQ(formState(t.m()), before);
}

TEST(Limits, TransfersKeepTheAmountAndTheRetirementFundWithinTheMoneyLimit)
{
    TestProgram t;
    choose(t, true, "Opt_Invest");
    t.type("fp_Prin", "1000000000000");
    t.m().combo("comIntr").userPick(200);  // 25 %
    t.type("fp_Time", "50");
    t.calculate();
    ASSERT_GT(readBoxValue(t.text("fp_Payment")), 1e12);
    t.messages();
    const auto before = formState(t.m());
    t.click("btn_Payoff2Amt");
    EXPECT_EQ(t.messages(), std::vector<std::string>{kAmountTooLarge});
    EXPECT_EQ(formState(t.m()), before);
    t.click("btn_Payoff2RF");
    EXPECT_EQ(t.messages(), std::vector<std::string>{kAmountTooLarge});
    EXPECT_EQ(formState(t.m()), before);

    // The fund itself, typed beyond the limit, is not moved into the amount box.
    t.type("fpRetFund", "2000000000000");
    t.calculate();
    ASSERT_TRUE(t.m().button("btn_RF2Amt").usableByUser());
    t.messages();
    t.click("btn_RF2Amt");
    EXPECT_EQ(t.messages(), std::vector<std::string>{kAmountTooLarge});
    EXPECT_EQ(t.text("fp_Prin"), before.at("fp_Prin"));
}

// ---- periods -------------------------------------------------------------------------------------------

TEST(Limits, EveryLoanSolverRefusesMoreThan32766Installments)
{
    // 26 a year for 1,261 years is 32,786 installments.
    for (const char* option :
         {"opt_Prin", "opt_payment", "opt_payoff", "opt_xpaymo", "opt_xpay1x", "opt_xpayperiodic", "opt_intRate"}) {
        SCOPED_TRACE(option);
        TestProgram t;
        choose(t, false, option);
        t.click("opt_26");
        t.messages();
        t.type("fp_Time", "1261");
        const auto before = formState(t.m());
        t.calculate();
        EXPECT_EQ(t.messages(),
                  std::vector<std::string>{"Duration too long - at most 32766 installments can be computed"});
        EXPECT_EQ(formState(t.m()), before);
        t.type("fp_Time", "1260");  // 32,760 installments
        t.calculate();
        for (const std::string& m : t.messages()) EXPECT_EQ(m.find("32766"), std::string::npos) << m;
    }
}

// ---- the table screen's ranges --------------------------------------------------------------------------

TEST(Limits, TheTableScreenHoldsLengthsFromOneTo100YearsOr1200Months)
{
    TestProgram t;
    t.m().menu("mnu_LnSheet").userChoose();
    LoanSheet& s = t.program->loanSheet();
    s.box("txtLenMin").userType("1");
    s.box("txtLenMax").userType("101");
    s.button("cmdCalcPmts").userClick();
    EXPECT_EQ(t.platform.messages().back().text, "The maximum length of loan cannot exceed 100 years.");
    t.platform.clearRecords();

    // The largest table: every rate of the lists by every year.
    s.box("txtLenMax").userType("100");
    s.combo("comIntrMax").userPick(100);
    s.combo("comIntrMin").userPick(0);
    s.button("cmdCalcPmts").userClick();
    EXPECT_TRUE(t.platform.messages().empty());
    EXPECT_EQ(s.rateCount, 101);
    EXPECT_EQ(s.lenCount, 100);
    EXPECT_EQ(s.grid("grdPayments").rows(), 102);

    // Its longest schedule: 1,200 months.
    s.grid("grdPayments").userDoubleClickCell(101, 100);
    EXPECT_EQ(s.amortTable.months(), 1200);

    s.menu("mnuOptLen", 1).userChoose();
    s.box("txtLenMin").userType("1");
    s.box("txtLenMax").userType("1201");
    s.button("cmdCalcPmts").userClick();
    EXPECT_EQ(t.platform.messages().back().text, "The maximum length of loan cannot exceed 1,200 months.");
    t.platform.clearRecords();
    s.box("txtLenMax").userType("1200");
    s.button("cmdCalcPmts").userClick();
    EXPECT_TRUE(t.platform.messages().empty());
    EXPECT_EQ(s.lenCount, 200);
}

// ---- typed text -----------------------------------------------------------------------------------------

// Types 33 characters into every box a user can type into, and then 32: the first is refused with the
// form's message, the second taken.
void checkTextLimit(TestProgram& t, Form& form, const std::string& title, MsgIcon icon)
{
    int boxes = 0;
    for (Control* c : form.controls()) {
        if (c->kind() != Kind::MaskedBox || !c->usableByUser() || static_cast<MaskedBox*>(c)->locked()) continue;
        SCOPED_TRACE(form.name() + "." + c->name());
        ++boxes;
        auto& box = static_cast<MaskedBox&>(*c);
        t.platform.clearRecords();
        const auto before = formState(form);
        box.userType(std::string(33, '1'));
        auto shown = t.platform.messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, kTooLong);
        EXPECT_EQ(shown[0].title, title);
        EXPECT_EQ(shown[0].icon, icon);
        EXPECT_EQ(formState(form), before);
        t.platform.clearRecords();
        box.userType("  " + std::string(30, '0'));
        EXPECT_EQ(box.text().size(), 32u);
        for (const auto& m : t.platform.messages()) EXPECT_NE(m.text, kTooLong);
    }
    EXPECT_GT(boxes, 0);
}

TEST(Limits, EveryBoxOfEveryScreenHoldsAtMost32TypedCharacters)
{
    for (const char* option : {"opt_payment", "opt_xpaymo", "opt_payoff", "opt_intRate", "opt_Prin"}) {
        TestProgram t;
        choose(t, false, option);
        checkTextLimit(t, t.m(), "input Error", MsgIcon::None);
    }
    for (const char* option : {"Opt_invest_1xmnthly", "Opt_Inv2Annuity", "Opt_Spec_Dur", "Opt_Annuity_Duration"}) {
        TestProgram t;
        choose(t, true, option);
        checkTextLimit(t, t.m(), "input Error", MsgIcon::None);
    }
    {
        TestProgram t;
        t.m().menu("mnu_LnSheet").userChoose();
        checkTextLimit(t, t.program->loanSheet(), "LoanSheet Error", MsgIcon::Exclamation);
    }
    {
        TestProgram t;
        t.m().menu("mnu_IniFileEd").userChoose();
        checkTextLimit(t, t.program->iniFile(), "input Error", MsgIcon::None);
    }
}

}  // namespace
}  // namespace tv::test
