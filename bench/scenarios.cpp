#include "scenarios.h"

#include <cmath>
#include <cstdio>

#include "app/program.h"
#include "engine/loan.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "screen_model/scripted_platform.h"

namespace tv::bench {

namespace {

// Entries of the main screen's rate lists (k x 0.125 %).
constexpr int kLowestRate = 1;  // 0.125 %
constexpr int kTwoPercent = 16;
constexpr int kSixPercent = 48;
constexpr int kHighestRate = 200;  // 25 %

// The longest durations the period limit accepts: 32,766 monthly installments or payments, 32,759 days of
// daily compounding (89.75 years, the longest whole-month duration within 32,766 days), 32,766 years.
constexpr const char* kLongestMonthly = "2730.5";
constexpr const char* kLongestDaily = "89.75";
constexpr const char* kLongestYearly = "32766";

std::string cents(double amount)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

void loanView(Form& m, const char* option)
{
    m.option("opt_12").userClick();
    m.option(option).userClick();
}

void investView(Form& m, const char* option, bool daily)
{
    m.menu("mnu_view_invest").userChoose();
    m.option(option).userClick();
    m.option(daily ? "Opt_CI_daily" : "Opt_CI_monthly").userClick();
}

// The smallest payment, in whole cents, whose duration still fits the period limit: the longest duration
// GetTime accepts.
std::string slowestAcceptedPayment(double principal, double ratePercent)
{
    double low = principal * ratePercent / 1200;  // pays only the interest: refused
    double high = principal;                      // repays it in one month
    while (high - low > 0.005) {
        double mid = std::round((low + high) / 2 * 100) / 100;
        if (mid <= low || mid >= high) break;
        DurationResult r = loanDuration(principal, mid, ratePercent, 12);
        (r.status == LoanStatus::Ok ? high : low) = mid;
    }
    return cents(high);
}

// Built on first use: the benchmarks register themselves from static initialisers.
std::vector<CalcScenario> makeScenarios()
{
    return {
        {"Calculate/Loan/Payment/32766 months",
         [](Mervane& m) {
             loanView(m, "opt_payment");
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Time").userType(kLongestMonthly);
         }},
        {"Calculate/Loan/Principal/32766 months",
         [](Mervane& m) {
             loanView(m, "opt_Prin");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Time").userType(kLongestMonthly);
             m.box("fp_Payment").userType("600");
         }},
        {"Calculate/Loan/Duration/longest accepted",
         [](Mervane& m) {
             loanView(m, "opt_time");
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kLowestRate);
             m.box("fp_Payment").userType(slowestAcceptedPayment(100000, kLowestRate * kRateStepPercent));
         }},
        {"Calculate/Loan/Rate/32766 months, answer 25 %",
         [](Mervane& m) {
             // Just below the 25 % payment: the answer is the last entry of the list.
             loanView(m, "opt_intRate");
             m.box("fp_Prin").userType("100000");
             m.box("fp_Time").userType(kLongestMonthly);
             m.box("fp_Payment").userType(cents(levelPayment(100000, kMaxRatePercent, 12, 2730.5).payment - 1));
         }},
        {"Calculate/Loan/Rate/32766 months, answer 0.125 %",
         [](Mervane& m) {
             loanView(m, "opt_intRate");
             m.box("fp_Prin").userType("100000");
             m.box("fp_Time").userType(kLongestMonthly);
             m.box("fp_Payment").userType(cents(levelPayment(100000, kRateStepPercent, 12, 2730.5).payment));
         }},
        {"Calculate/Loan/Interest only",
         [](Mervane& m) {
             loanView(m, "opt_IntOnly");
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
         }},
        {"Calculate/Loan/Payoff/after installment 32766",
         [](Mervane& m) {
             loanView(m, "opt_payoff");
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Time").userType(kLongestMonthly);
             m.box("fp_xpaystrt").userType("32766");
         }},
        {"Calculate/Loan/Xtra per installment/32766 installments",
         [](Mervane& m) {
             // An extra of 0 shortens nothing: the walk makes every installment.
             loanView(m, "opt_xpaymo");
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Time").userType(kLongestMonthly);
             m.box("fp_xpay").userType("0");
             m.box("fp_xpaystrt").userType("1");
         }},
        {"Calculate/Loan/Xtra one time/32766 installments",
         [](Mervane& m) {
             loanView(m, "opt_xpay1x");
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Time").userType(kLongestMonthly);
             m.box("fp_xpay").userType("0");
             m.box("fp_xpaystrt").userType("1");
         }},
        {"Calculate/Loan/Xtra yearly/32766 installments",
         [](Mervane& m) {
             loanView(m, "opt_xpayperiodic");
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Time").userType(kLongestMonthly);
             m.box("fp_xpay").userType("0");
             m.box("fp_xpaystrt").userType("1");
         }},
        {"Calculate/Invest/One time/89.75 years daily",
         [](Mervane& m) {
             investView(m, "Opt_Invest", true);
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kHighestRate);
             m.box("fp_Time").userType(kLongestDaily);
         }},
        {"Calculate/Invest/Monthly/89.75 years daily",
         [](Mervane& m) {
             investView(m, "Opt_invest_mnthly", true);
             m.box("fp_Prin").userType("1000");
             m.combo("comIntr").userPick(kHighestRate);
             m.box("fp_Time").userType(kLongestDaily);
         }},
        {"Calculate/Invest/One time + monthly/89.75 years daily",
         [](Mervane& m) {
             investView(m, "Opt_invest_1xmnthly", true);
             m.box("fp_Prin").userType("1000");
             m.box("fp_xpay").userType("100000");
             m.combo("comIntr").userPick(kHighestRate);
             m.box("fp_Time").userType(kLongestDaily);
         }},
        {"Calculate/Invest/Yearly/89.75 years daily",
         [](Mervane& m) {
             investView(m, "Opt_invest_yearly", true);
             m.box("fp_Prin").userType("10000");
             m.combo("comIntr").userPick(kHighestRate);
             m.box("fp_Time").userType(kLongestDaily);
         }},
        {"Calculate/Invest/Save then draw/89.75 years daily, 32766 payments",
         [](Mervane& m) {
             investView(m, "Opt_Inv2Annuity", true);
             m.box("fp_Prin").userType("1000");
             m.combo("comIntr").userPick(kHighestRate);
             m.box("fp_Time").userType(kLongestDaily);
             m.combo("comIntr_IA").userPick(kHighestRate);
             m.box("fp_xpaystrt").userType(kLongestMonthly);
         }},
        {"Calculate/Invest/Annual annuity/32766 years at 25 %, inflation 2 %",
         [](Mervane& m) {
             // The highest rate: the power overflows early. Prices rising 2 % a year for 32,766 years still fit a
             // double (1.02^32765 is about 1e282), so the rising payments are computed; a higher inflation over
             // these years is beyond it.
             investView(m, "Opt_Annuity", false);
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kHighestRate);
             m.box("fp_Time").userType(kLongestYearly);
             m.combo("comIntr_IA").userPick(kTwoPercent);
         }},
        {"Calculate/Invest/Annual annuity/32766 years at 0.125 %, inflation 0.125 %",
         [](Mervane& m) {
             // The lowest rates: every one of the 32,766 years is computed, for the payment and for its worth.
             investView(m, "Opt_Annuity", false);
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kLowestRate);
             m.box("fp_Time").userType(kLongestYearly);
             m.combo("comIntr_IA").userPick(kLowestRate);
         }},
        {"Calculate/Invest/Monthly annuity/32766 payments at 0.125 %, inflation 25 %",
         [](Mervane& m) {
             investView(m, "Opt_Annuity_Mnthly", false);
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kLowestRate);
             m.box("fp_Time").userType(kLongestMonthly);
             m.combo("comIntr_IA").userPick(kHighestRate);
         }},
        {"Calculate/Invest/Annuity duration/search down to 3 months",
         [](Mervane& m) {
             investView(m, "Opt_Annuity_Duration", false);
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Payment").userType("34000");
         }},
        {"Calculate/Invest/Annuity duration/search up to 75 years",
         [](Mervane& m) {
             investView(m, "Opt_Annuity_Duration", false);
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kSixPercent);
             m.box("fp_Payment").userType("505");
         }},
        {"Calculate/Invest/Remaining fund/32766 years",
         [](Mervane& m) {
             investView(m, "Opt_Spec_Dur", false);
             m.box("fp_Prin").userType("100000");
             m.combo("comIntr").userPick(kLowestRate);
             m.box("fp_Time").userType(kLongestYearly);
             m.box("fp_xpaystrt").userType("40000");
         }},
    };
}

void openTable(Program& program)
{
    program.mervane().menu("mnu_LnSheet").userChoose();
}

}  // namespace

const std::vector<CalcScenario>& calcScenarios()
{
    static const std::vector<CalcScenario> scenarios = makeScenarios();
    return scenarios;
}

void enterLargestTable(Program& program)
{
    openTable(program);
    LoanSheet& s = program.loanSheet();
    s.menu("mnuOptLen", 1).userChoose();
    s.box("txtPurchTotl").userType("100000");
    s.box("txtDwnPay").userType("0");
    s.box("txtLenMax").userType("1200");
    s.box("txtLenMin").userType("1");
    s.combo("comIntrMax").userPick(kTableMaxRateIndex);
    s.combo("comIntrMin").userPick(0);
}

void enterLongestScheduleTable(Program& program)
{
    openTable(program);
    LoanSheet& s = program.loanSheet();
    s.menu("mnuOptLen", 0).userChoose();
    s.box("txtPurchTotl").userType("100000");
    s.box("txtDwnPay").userType("0");
    s.box("txtLenMax").userType("100");
    s.box("txtLenMin").userType("1");
    s.combo("comIntrMax").userPick(kTableMaxRateIndex);
    s.combo("comIntrMin").userPick(0);
}

std::vector<std::string> shownTexts(const Mervane& m)
{
    std::vector<std::string> out;
    for (Control* c : m.controls()) {
        if (c->kind() == Kind::MaskedBox) out.push_back(c->name() + "=" + static_cast<MaskedBox*>(c)->text());
        if (c->kind() == Kind::Label) out.push_back(c->name() + "=" + c->caption());
        if (c->kind() == Kind::ComboList)
            out.push_back(c->name() + "=#" + std::to_string(static_cast<ComboList*>(c)->listIndex()));
    }
    return out;
}

std::vector<std::string> takeMessages(ScriptedPlatform& platform)
{
    std::vector<std::string> out;
    for (const PlatformRecord& r : platform.records())
        if (r.type == PlatformRecord::Type::Message) out.push_back(r.title + ": " + r.text);
    platform.clearRecords();
    return out;
}

}  // namespace tv::bench
