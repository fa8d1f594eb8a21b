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
#include "main_screen/mervane_messages.h"

namespace tv {

namespace {

// The two lines of a message are joined by a line feed and then a carriage return.
constexpr const char* kLineBreak = "\n\r";

// The inflation entry from which the adjustment warns: 5.625 %, the first above 5.5 %.
constexpr int kHighInflationIndex = 45;

// What a refused duration was for, so the message can name it.
enum class Subject { Growth, Annuity, SavedAnnuity, Withdrawals, Adjustment };

UserText refusalText(InvestStatus status, Subject subject)
{
    const std::string limit = std::to_string(limits::kMaxPeriods);
    switch (status) {
        case InvestStatus::TooManyPeriods:
            switch (subject) {
                case Subject::Growth:
                    return composeText<
                        "Duration too long - at most %1 compounding periods can be computed (89 years "
                        "compounded daily)">(limit);
                case Subject::Annuity:
                    return composeText<"Duration too long - at most %1 annuity payments can be computed">(limit);
                case Subject::SavedAnnuity:
                    return composeText<"Annuity Duration too long - at most %1 monthly payments can be computed">(
                        limit);
                case Subject::Withdrawals:
                    return composeText<"Duration too long - at most %1 yearly payments can be computed">(limit);
                case Subject::Adjustment:
                    return composeText<"Duration too long - at most %1 years can be adjusted for inflation">(limit);
            }
            break;
        case InvestStatus::TooFewPeriods:
            if (subject == Subject::SavedAnnuity)
                return userText<"Annuity Duration too short - the annuity must last at least one month">();
            return userText<"Duration too short - the annuity must make at least one payment">();
        case InvestStatus::AmountTooLarge:
            return mervane_messages::amountTooLarge();
        case InvestStatus::ResultOutOfRange:
            return mervane_messages::resultTooLarge();
        case InvestStatus::InvalidInput:
            return mervane_messages::missingInput();
        case InvestStatus::Ok:
            break;
    }
    return {};
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
    double ppy = m_compounding == Compounding::Daily ? 365 : 12;
    const InvestOptionInfo& info = investInfo();
    // The inflation adjustment that follows an annuity reads the additional payments; refuse an amount it
    // cannot use now, before any box changes.
    if (info.annuityPerYear > 0 && std::abs(value("fp_xpaystrt")) > limits::kMaxMoney) {
        refuse(refusalText(InvestStatus::AmountTooLarge, Subject::Adjustment));
        ok = false;
        return static_cast<std::int16_t>(ppy);
    }
    ok = (this->*info.solve)(ppy);
    // An annuity payment that shows as $0.00 is no payment.
    if (ok && info.annuityPerYear > 0 && !paymentShowsAsMoney()) ok = false;
    return static_cast<std::int16_t>(ppy);
}

bool Mervane::solveAnnualAnnuity(double)
{
    return GetAnnuity(1);
}

bool Mervane::solveMonthlyAnnuity(double)
{
    return GetAnnuity(12);
}

bool Mervane::solveAnnuityDuration(double)
{
    return GetAnnuityDuration();
}

bool Mervane::solveRemainingFund(double)
{
    return GetRemainFund();
}

bool Mervane::GetInvestment(double numpay)
{
    double amount = value("fp_Prin");
    GrowthResult r = growOneTime(amount, m_calc.intRate, static_cast<int>(numpay), m_calc.durYears);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Growth));
        return false;
    }
    m_calc.valPayment = r.value;
    m_countPaid = 1;
    return true;
}

bool Mervane::GetInvestMnthly(double numpay)
{
    const InvestOptionInfo& info = investInfo();
    bool oneTime = info.oneTimeAmount;
    ContributionInput in;
    in.contribution = value("fp_Prin");
    in.schedule = info.schedule;
    in.oneTimeAmount = oneTime ? value("fp_xpay") : 0.0;
    in.annualRatePercent = m_calc.intRate;
    in.periodsPerYear = static_cast<int>(numpay);
    in.durationYears = m_calc.durYears;
    ContributionResult r = growContributions(in);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Growth));
        return false;
    }
    if (oneTime) m_calc.valXpay = in.oneTimeAmount;
    m_calc.valPayment = r.value;
    m_countPaid = r.contributions;
    return true;
}

bool Mervane::GetAnnuity(std::int16_t period)
{
    AnnuityResult r = annuityPayment(value("fp_Prin"), m_calc.intRate, period, m_calc.durYears);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Annuity));
        return false;
    }
    m_calc.valPayment = r.payment;
    m_countPaid = r.periods;
    button("btn_InfAdj").setEnabled(true);
    return true;
}

bool Mervane::GetAnnuityDuration()
{
    // The plausibility tests read the list's own number ("0.000" is 0); the formula computes with m_calc.intRate.
    double listRate = rateList().percent();
    AnnuityDurationResult r = annuityDuration(value("fp_Prin"), value("fp_Payment"), listRate, m_calc.intRate);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Annuity));
        return false;
    }
    // Whole months, written as every duration is (twelfths to three decimals).
    m_calc.durYears = roundToMonth(r.months / 12.0);
    m_calc.valPayment = r.payment;
    m_countPaid = r.months;
    // In the months view the box is read as months, so the duration is written in months too.
    setBoxNumber("fp_Time", inMonthView() ? r.months : m_calc.durYears);
    switch (r.outcome) {
        case AnnuityDurationOutcome::PaymentTooLarge:
            msgBox(textLines(
                userText<"ERROR: Annuity Payment is too large. Duration result is expected to be less than 3mos.">(),
                userText<"Please reduce the payment amount. [1 yr will be used]">(), kLineBreak));
            break;
        case AnnuityDurationOutcome::PaymentTooSmall:
            msgBox(textLines(
                userText<"ERROR: Annuity Payment is too small. Duration result is expected to be more than 75yrs.">(),
                userText<"Please increase the payment amount. [75 yrs will be used]">(), kLineBreak));
            break;
        case AnnuityDurationOutcome::ShorterThan3Months:
            msgBox(userText<"ERROR: Duration is less than 3 mos; decrease Annuity Payment.">());
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
    in.saveRatePercent = m_calc.intRate;
    in.periodsPerYear = static_cast<int>(numpay);
    in.saveYears = m_calc.durYears;
    in.annuityRatePercent = annuityRateList().percent();
    in.annuityYears = value("fp_xpaystrt");
    SaveThenDrawResult r = saveThenDraw(in);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, r.refusedInAnnuity ? Subject::SavedAnnuity : Subject::Growth));
        return false;
    }
    m_calc.valPayment = r.fund;
    m_countPaid = static_cast<int>(roundHalfEven(m_calc.durYears * 12));
    m_calc.valXpayStrt = r.annuityYears;
    m_calc.valXpay = r.monthlyPayment;
    return true;
}

bool Mervane::GetRemainFund()
{
    // The years are those Calculate read from the duration box in the current unit (months / 12 in the
    // Months view), the same duration the totals use; in the Years view they are the box's value.
    RemainingFundResult r = remainingFund(value("fp_Prin"), value("fp_xpaystrt"), m_calc.intRate, m_calc.durYears);
    if (r.status != InvestStatus::Ok) {
        refuse(refusalText(r.status, Subject::Withdrawals));
        return false;
    }
    m_calc.valPayment = r.fund;
    m_countPaid = r.withdrawals;
    m_withdrawn = r.withdrawn;
    // When the withdrawals use the fund up, the note says in which year and what it paid of that year's.
    Label& note = label("lbl_payoff_msg");
    note.setVisible(r.runOutYear > 0);
    if (r.runOutYear > 0) {
        note.setCaption(composeText<"The fund runs out in year %1: it pays %2 of that year's %3.">(
            std::to_string(r.runOutYear), formatNumber(r.lastPaid, kCurrencyFormat),
            formatNumber(value("fp_xpaystrt"), kCurrencyFormat)));
    }
    return true;
}

bool Mervane::GetAdj4Infation()
{
    // The rising payments are drawn from the fund the level payment uses up, at the annuity's rate and duration.
    InflationInput in;
    in.fund = value("fp_Prin");
    in.annualRatePercent = m_calc.intRate;
    in.annual = investInfo().annuityPerYear == 1;
    in.durationYears = m_calc.durYears;
    in.inflationPercent = annuityRateList().percent();
    in.additionalPayment = value("fp_xpaystrt");
    const double level = value("fp_Payment") + in.additionalPayment;
    InflationResult adjusted = inflationAdjustedPayments(in);
    LevelWorthResult worth = levelPaymentWorth(level, in.inflationPercent, m_calc.durYears);
    InvestStatus status = adjusted.status != InvestStatus::Ok ? adjusted.status : worth.status;
    // Payments below zero (a negative additional payment typed) are no annuity to adjust.
    if (status == InvestStatus::Ok && level < 0) status = InvestStatus::InvalidInput;
    if (status != InvestStatus::Ok) {
        refuse(refusalText(status, Subject::Adjustment));
        return false;
    }
    m_calc.valXpay = adjusted.firstPayment;
    m_calc.valHiPayoff = adjusted.lastPayment;
    m_calc.valTotPaywX = adjusted.total;
    Label& note = label("lbl_payoff_msg");
    note.setVisible(true);
    note.setCaption(composeFormText<"Mervane", "Level payments of %1 will be worth %2 during last year of Annuity">(
        withCurrency(plainText(worth.paymentCents)), formatNumber(worth.worth, kCurrencyFormat)));
    return true;
}

void Mervane::btn_InfAdj_Click()
{
    app().setPointer(Pointer::Hourglass);
    for (AnyName name : AnyNames{"lbl_xpay", "fp_xpay", "lbl_xpaystrt", "fp_xpaystrt", "lbl_hipayoff", "fp_hipayoff",
                                 "lbl_IntRate_IA", "lbl_wXP", "fp_totPaywX", "comIntr_IA"})
        control(name).setVisible(true);
    box("fp_xpay").setEnabled(false);

    ComboList& inflation = combo("comIntr_IA");
    if (inflation.listIndex() >= kHighInflationIndex) {
        msgBox(userText<"WARNING: Infation rate seems a little high.">());
    } else if (inflation.listIndex() < 0) {
        // The setting is a position in eighths of a percent; the list's default is that rate divided by 2.5.
        std::optional<std::int16_t> index = toInt16(m_startup.investAnnuityInt / kInflationFromAnnuityRate);
        inflation.setListIndex(index ? *index : -1);
    }

    if (GetAdj4Infation()) {
        setBoxNumber("fp_xpay", m_calc.valXpay);
        setBoxNumber("fp_hipayoff", m_calc.valHiPayoff);
        setBoxNumber("fp_totPaywX", m_calc.valTotPaywX);
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
    if (investInfo().adjustsAgainOnInflationChange) button("btn_InfAdj").setEnabled(true);
}

void Mervane::btn_Payoff2Amt_Click()
{
    transferToAmount(box("fp_Payment").text());
}

void Mervane::btn_RF2Amt_Click()
{
    transferToAmount(box("fpRetFund").text());
}

void Mervane::btn_Payoff2RF_Click()
{
    MaskedBox& fund = box("fpRetFund");
    if (!withinMoneyLimit(value("fp_Payment") + value("fpRetFund"))) return;
    if (fund.text().empty()) fund.setText("0");
    setBoxNumber("fpRetFund", value("fp_Payment") + value("fpRetFund"));
    if (value("fpRetFund") != 0) setFundTransfersEnabled(true);
}

bool Mervane::withinMoneyLimit(double amount)
{
    if (std::abs(amount) <= limits::kMaxMoney) return true;
    refuse(refusalText(InvestStatus::AmountTooLarge, Subject::Growth));
    return false;
}

void Mervane::transferToAmount(const std::string& text)
{
    if (!withinMoneyLimit(readBoxValue(text))) return;
    module1().amtTransfer = true;
    box("fp_Prin").setText(text);
    Init_Input();
    module1().amtTransfer = false;
}

}  // namespace tv
