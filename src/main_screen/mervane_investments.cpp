// The Investments view's solvers, the inflation adjustment and the retirement fund: thin glue that reads
// the boxes, calls the engine and writes the results.
#include <cmath>
#include <optional>
#include <string>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/investment.h"
#include "engine/limits.h"
#include "engine/loan.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

// The two lines of a message are joined by a line feed and then a carriage return.
constexpr const char* kLineBreak = "\n\r";

// The inflation entry from which the adjustment warns: 5.625 %, the first above 5.5 %.
constexpr int kHighInflationIndex = 45;

// What a refused duration was for, so the message can name it.
enum class Subject { Growth, Annuity, SavedAnnuity, Withdrawals, Adjustment };

std::string refusalText(InvestStatus status, Subject subject)
{
    const std::string limit = std::to_string(limits::kMaxPeriods);
    switch (status) {
        case InvestStatus::TooManyPeriods:
            switch (subject) {
                case Subject::Growth:
                    return "Duration too long - at most " + limit +
                           " compounding periods can be computed (89 years compounded daily)";
                case Subject::Annuity:
                    return "Duration too long - at most " + limit + " annuity payments can be computed";
                case Subject::SavedAnnuity:
                    return "Annuity Duration too long - at most " + limit + " monthly payments can be computed";
                case Subject::Withdrawals:
                    return "Duration too long - at most " + limit + " yearly payments can be computed";
                case Subject::Adjustment:
                    return "Duration too long - at most " + limit + " years can be adjusted for inflation";
            }
            break;
        case InvestStatus::TooFewPeriods:
            if (subject == Subject::SavedAnnuity)
                return "Annuity Duration too short - the annuity must last at least one month";
            return "Duration too short - the annuity must make at least one payment";
        case InvestStatus::AmountTooLarge:
            return "Amount too large - at most $1,000,000,000,000 can be computed";
        case InvestStatus::ResultOutOfRange:
            return "Inappropriate Input - the result is too large to compute";
        case InvestStatus::InvalidInput:
            return "Missing or Inappropriate Input (possibly a negitive number or 0)";
        case InvestStatus::Ok:
            break;
    }
    return {};
}

// The rate a rate list's entry stands for, with "0.000" computed as 0.0001 %.
double computedListRate(const ComboList& list)
{
    std::string text = list.text();
    return text == "0.000" ? kZeroRateSubstitutePercent : leadingNumber(text);
}

// Refuses an amount beyond the money limit for the amount box or the retirement fund, which calculations read.
bool withinMoneyLimit(Mervane& m, double amount)
{
    if (std::abs(amount) <= limits::kMaxMoney) return true;
    m.module1().msgAnswer = m.msgBox(refusalText(InvestStatus::AmountTooLarge, Subject::Growth), MsgButtons::Ok,
                                     MsgIcon::None, "input Error");
    return false;
}

// "PayOff -> Amt" and "RF -> Amt": the text becomes the amount, and the inputs are initialised for it.
void transferToAmount(Mervane& m, const std::string& text)
{
    if (!withinMoneyLimit(m, readBoxValue(text))) return;
    m.module1().amtTransfer = true;
    m.box("fp_Prin").setText(text);
    m.Init_Input();
    m.module1().amtTransfer = false;
}

}  // namespace

void Mervane::bindInvestmentHandlers()
{
    bind("btn_InfAdj_Click", [this] { btn_InfAdj_Click(); });
    bind("comIntr_IA_Click", [this] { comIntr_IA_Click(); });
    bind("btn_Payoff2Amt_Click", [this] { btn_Payoff2Amt_Click(); });
    bind("btn_Payoff2RF_Click", [this] { btn_Payoff2RF_Click(); });
    bind("btn_RF2Amt_Click", [this] { btn_RF2Amt_Click(); });
    bind("mnu_FundChart_Click", [this] { mnu_FundChart_Click(); });
}

std::int16_t Mervane::Calc_Invest(bool& ok)
{
    double ppy = option("Opt_CI_daily").value() ? 365 : 12;
    ok = true;
    bool annuity =
        option("Opt_Annuity").value() || option("Opt_Annuity_Mnthly").value() || option("Opt_Annuity_Duration").value();
    // The inflation adjustment that follows an annuity reads the additional payments; refuse an amount it
    // cannot use now, before any box changes.
    if (annuity && std::abs(value("fp_xpaystrt")) > limits::kMaxMoney) {
        refuse(refusalText(InvestStatus::AmountTooLarge, Subject::Adjustment));
        ok = false;
        return static_cast<std::int16_t>(ppy);
    }
    if (option("Opt_Invest").value())
        ok = GetInvestment(ppy);
    else if (option("Opt_invest_mnthly").value() || option("Opt_invest_1xmnthly").value() ||
             option("Opt_invest_yearly").value())
        ok = GetInvestMnthly(ppy);
    else if (option("Opt_Annuity").value())
        ok = GetAnnuity(1);
    else if (option("Opt_Annuity_Mnthly").value())
        ok = GetAnnuity(12);
    else if (option("Opt_Annuity_Duration").value())
        ok = GetAnnuityDuration();
    else if (option("Opt_Inv2Annuity").value())
        ok = GetInvest2Annuity(ppy);
    else if (option("Opt_Spec_Dur").value())
        ok = GetRemainFund();
    return static_cast<std::int16_t>(ppy);
}

bool Mervane::GetInvestment(double numpay)
{
    double amount = value(option("Opt_invest_1xmnthly").value() ? "fp_xpay" : "fp_Prin");
    GrowthResult r = growOneTime(amount, intRate, static_cast<int>(numpay), durYears);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Growth));
        return false;
    }
    valPayment = r.value;
    return true;
}

bool Mervane::GetInvestMnthly(double numpay)
{
    bool oneTime = option("Opt_invest_1xmnthly").value();
    ContributionInput in;
    in.contribution = value("fp_Prin");
    in.schedule = option("Opt_invest_yearly").value() ? ContributionSchedule::Yearly : ContributionSchedule::Monthly;
    in.oneTimeAmount = oneTime ? value("fp_xpay") : 0.0;
    in.annualRatePercent = intRate;
    in.periodsPerYear = static_cast<int>(numpay);
    in.durationYears = durYears;
    ContributionResult r = growContributions(in);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Growth));
        return false;
    }
    if (oneTime) valXpay = in.oneTimeAmount;
    valPayment = r.value;
    return true;
}

bool Mervane::GetAnnuity(std::int16_t period)
{
    AnnuityResult r = annuityPayment(value("fp_Prin"), intRate, period, durYears);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Annuity));
        return false;
    }
    valPayment = r.payment;
    button("btn_InfAdj").setEnabled(true);
    return true;
}

bool Mervane::GetAnnuityDuration()
{
    // The plausibility tests read the list's own number ("0.000" is 0); the formula computes with intRate.
    double listRate = leadingNumber(combo("comIntr").text());
    AnnuityDurationResult r = annuityDuration(value("fp_Prin"), value("fp_Payment"), listRate, intRate);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Annuity));
        return false;
    }
    durYears = r.years;
    valPayment = r.payment;
    // In the months view the box is read as months, so the duration is written in months too.
    setBoxNumber("fp_Time", inMonthView() ? r.years * 12 : r.years);
    switch (r.outcome) {
        case AnnuityDurationOutcome::PaymentTooLarge:
            msgBox(
                std::string("ERROR: Annuity Payment is too large. Duration result is expected to be less than 3mos.") +
                kLineBreak + "Please reduce the payment amount. [1 yr will be used]");
            break;
        case AnnuityDurationOutcome::PaymentTooSmall:
            msgBox(
                std::string("ERROR: Annuity Payment is too small. Duration result is expected to be more than 75yrs.") +
                kLineBreak + "Please increase the payment amount. [75 yrs will be used]");
            break;
        case AnnuityDurationOutcome::ShorterThan3Months:
            msgBox("ERROR: Duration is less than 3 mos; decrease Annuity Payment.");
            break;
        case AnnuityDurationOutcome::LongerThan75Years:
            msgBox("ERROR: Duration is greater than 75 yrs; increase Annuity Payment.");
            break;
        case AnnuityDurationOutcome::Found:
            break;
    }
    // Every outcome ends with a monthly annuity computed, as GetAnnuity(12) leaves it.
    button("btn_InfAdj").setEnabled(true);
    return true;
}

bool Mervane::GetInvest2Annuity(double numpay)
{
    SaveThenDrawInput in;
    in.monthlyContribution = value("fp_Prin");
    in.saveRatePercent = intRate;
    in.periodsPerYear = static_cast<int>(numpay);
    in.saveYears = durYears;
    in.annuityRatePercent = computedListRate(combo("comIntr_IA"));
    in.annuityYears = value("fp_xpaystrt");
    SaveThenDrawResult r = saveThenDraw(in);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, r.refusedInAnnuity ? Subject::SavedAnnuity : Subject::Growth));
        return false;
    }
    valPayment = r.fund;
    valXpayStrt = r.annuityYears;
    valXpay = r.monthlyPayment;
    return true;
}

bool Mervane::GetRemainFund()
{
    // The years are those Calculate read from the duration box in the current unit (months / 12 in the
    // Months view), the same duration the totals use; in the Years view they are the box's value.
    RemainingFundResult r = remainingFund(value("fp_Prin"), value("fp_xpaystrt"), intRate, durYears);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Withdrawals));
        return false;
    }
    valPayment = r.fund;
    return true;
}

bool Mervane::GetAdj4Infation()
{
    InflationInput in;
    in.payment = value("fp_Payment");
    in.additionalPayment = value("fp_xpaystrt");
    in.annual = option("Opt_Annuity").value();
    in.inflationPercent = readBoxValue(combo("comIntr_IA").text());
    in.durationYears = durYears;
    InflationResult adjusted = inflationAdjustedPayments(in);
    LevelWorthResult worth = levelPaymentWorth(in.payment + in.additionalPayment, in.inflationPercent, durYears);
    InvestStatus status = adjusted.status != InvestStatus::Ok ? adjusted.status : worth.status;
    // Payments below zero (a negative additional payment typed) are no annuity to adjust.
    if (status == InvestStatus::Ok && in.payment + in.additionalPayment < 0) status = InvestStatus::InvalidInput;
    if (status != InvestStatus::Ok) {
        refuse(refusalText(status, Subject::Adjustment));
        return false;
    }
    valXpay = adjusted.firstPayment;
    valHiPayoff = adjusted.lastPayment;
    valTotPaywX = adjusted.total;
    Label& note = label("lbl_payoff_msg");
    note.setVisible(true);
    note.setCaption("Level payments of $" + plainText(worth.paymentCents) + " will be worth " +
                    formatNumber(worth.worth, kCurrencyFormat) + " during last year of Annuity");
    return true;
}

void Mervane::btn_InfAdj_Click()
{
    app().setPointer(Pointer::Hourglass);
    for (const char* name : {"lbl_xpay", "fp_xpay", "lbl_xpaystrt", "fp_xpaystrt", "lbl_hipayoff", "fp_hipayoff",
                             "lbl_IntRate_IA", "lbl_wXP", "fp_totPaywX", "comIntr_IA"})
        control(name).setVisible(true);
    box("fp_xpay").setEnabled(false);

    ComboList& inflation = combo("comIntr_IA");
    if (inflation.listIndex() >= kHighInflationIndex) {
        msgBox("WARNING: Infation rate seems a little high.");
    } else if (inflation.listIndex() < 0) {
        // The setting is a position in eighths of a percent; the list's default is that rate divided by 2.5.
        std::optional<std::int16_t> index = toInt16(iniInvestAnnuityInt / 2.5);
        inflation.setListIndex(index ? *index : -1);
    }

    if (GetAdj4Infation()) {
        setBoxNumber("fp_xpay", valXpay);
        setBoxNumber("fp_hipayoff", valHiPayoff);
        setBoxNumber("fp_totPaywX", valTotPaywX);
    }
    button("btn_InfAdj").setEnabled(false);
    if (inflation.canFocus()) inflation.setFocus();
    layoutInputColumn();
    app().setPointer(Pointer::Default);
}

void Mervane::comIntr_IA_Click()
{
    // A new inflation rate for monthly payments can be applied again; for annual payments it waits for
    // the next Calculate.
    if (option("Opt_Annuity_Mnthly").value()) button("btn_InfAdj").setEnabled(true);
}

void Mervane::btn_Payoff2Amt_Click()
{
    transferToAmount(*this, box("fp_Payment").text());
}

void Mervane::btn_RF2Amt_Click()
{
    transferToAmount(*this, box("fpRetFund").text());
}

void Mervane::btn_Payoff2RF_Click()
{
    MaskedBox& fund = box("fpRetFund");
    if (!withinMoneyLimit(*this, value("fp_Payment") + value("fpRetFund"))) return;
    if (fund.text().empty()) fund.setText("0");
    setBoxNumber("fpRetFund", value("fp_Payment") + value("fpRetFund"));
    if (value("fpRetFund") != 0) {
        Toolbar& tb = toolbar("Toolbar1");
        tb.setMenuItemEnabled(4, 3, true);
        tb.setMenuItemEnabled(4, 4, true);
        button("btn_RF2Amt").setEnabled(true);
        button("btn_RFclear").setEnabled(true);
    }
}

}  // namespace tv
