// The loan solvers: thin glue that reads the boxes, calls the engine and writes the results.
#include <charconv>
#include <cmath>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/amortization.h"
#include "engine/calendar.h"
#include "engine/exact_rate.h"
#include "engine/ledger.h"
#include "engine/limits.h"
#include "engine/loan.h"
#include "main_screen/mervane.h"
#include "main_screen/mervane_messages.h"

namespace tv {

namespace {

// "Exact rate for $699.21: 7.49994 %": five decimals of the solved rate.
UserText exactRateText(double annualRatePercent, double payment)
{
    char digits[64];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, annualRatePercent, std::chars_format::fixed, 5);
    std::string rate = ec == std::errc() ? std::string(digits, end) : plainText(annualRatePercent, Locale::enUS());
    // Five decimals, with the decimal separator the user writes.
    if (const std::size_t point = rate.find('.'); point != std::string::npos)
        rate.replace(point, 1, Locale::current().decimalSeparator);
    return composeFormText<"Mervane", "Exact rate for %1: %2 %">(formatNumber(payment, kCurrencyFormat), rate);
}

}  // namespace

UserText Mervane::statusMessage(LoanStatus status)
{
    switch (status) {
        case LoanStatus::PaymentTooLow:
            return userText<"Suggested payment not high enough for this loan amount">();
        case LoanStatus::PaymentBelowZeroRate:
            return userText<"Suggested payment too low - even at 0% interest it does not repay this loan amount">();
        case LoanStatus::ExceededHighInterest:
            return userText<"Exceeded High Interest of 25%">();
        case LoanStatus::TooFewPeriods:
            return userText<"Duration too short - the loan must last at least one installment">();
        case LoanStatus::TooManyPeriods:
            return composeText<"Duration too long - at most %1 installments can be computed">(
                std::to_string(limits::kMaxPeriods));
        case LoanStatus::AmountTooLarge:
            return mervane_messages::amountTooLarge();
        case LoanStatus::ZeroRate:
        case LoanStatus::NegativeExtra:
        case LoanStatus::NegativeStart:
        case LoanStatus::InvalidInput:
            return mervane_messages::missingInput();
        case LoanStatus::ResultOutOfRange:
            return mervane_messages::resultTooLarge();
        case LoanStatus::Ok:
            break;
    }
    return {};
}

bool Mervane::accept(LoanStatus status)
{
    if (hasResult(status)) return true;
    refuse(statusMessage(status));
    return false;
}

std::int16_t Mervane::Calc_Loan(bool& ok)
{
    std::int16_t numpay = m_calc.instPerYear;
    m_plainLedger.reset();
    m_loanCurve.clear();
    ok = (this->*loanInfo().solve)(numpay) && paymentShowsAsMoney();
    return numpay;
}

bool Mervane::GetPayment(std::int16_t numpay)
{
    LedgerInput options;
    options.keepYearEnds = true;
    const LoanLedgers r = levelPaymentLedgers(value("fp_Prin"), m_calc.intRate, numpay, m_calc.durYears, options);
    if (!accept(r.status)) return false;
    m_calc.valPayment = r.payment;
    rememberPlainLedger(r);
    return true;
}

bool Mervane::GetPrin(std::int16_t numpay)
{
    double payment = value("fp_Payment");
    LedgerInput options;
    options.keepYearEnds = true;
    const LoanLedgers r = loanPrincipalLedgers(payment, m_calc.intRate, numpay, m_calc.durYears, options);
    if (!accept(r.status)) return false;
    // The loan amount lands in the amount box, which every other calculation reads: it keeps to the money limit.
    if (std::fabs(r.principal) > limits::kMaxMoney) return accept(LoanStatus::AmountTooLarge);
    m_calc.valPayment = payment;
    setBoxNumber("fp_Prin", r.principal);
    rememberPlainLedger(r);
    return true;
}

bool Mervane::GetTime(std::int16_t numpay)
{
    DurationResult r = durationFor(value("fp_Prin"), value("fp_Payment"), m_calc.intRate, numpay);
    if (!accept(r.status)) return false;
    const double years = m_calc.durYears;
    m_calc.durYears = r.durationYears;
    // The level payment for the whole months found, with its ledger.
    if (!GetPayment(numpay)) {
        m_calc.durYears = years;
        return false;
    }
    setBoxNumber("fp_Time", inMonthView() ? wholeMonths(m_calc.durYears) : m_calc.durYears);
    return true;
}

bool Mervane::GetIntRate(std::int16_t numpay)
{
    Label& exact = label("lbl_exactRate");
    exact.setVisible(false);
    const double typedPayment = value("fp_Payment");
    RateResult r = rateForPayment(value("fp_Prin"), typedPayment, numpay, m_calc.durYears);
    if (!accept(r.status)) return false;
    // Above 25 % the search stops at the last entry and says so; the 25 % result is used.
    if (r.status == LoanStatus::ExceededHighInterest) refuse(statusMessage(r.status));
    rateList().choose(r.rateIndex);
    m_calc.intRate = r.annualRatePercent;
    m_calc.valPayment = r.payment;
    // The list holds steps of 0.125 %; the line under it gives the rate of the typed payment itself.
    ExactRateResult e = exactRateForPayment(value("fp_Prin"), typedPayment, numpay, m_calc.durYears);
    if (e.status == LoanStatus::Ok) {
        exact.setCaption(exactRateText(e.annualRatePercent, typedPayment));
        exact.setVisible(true);
        button("btn_UseExact").setVisible(e.annualRatePercent <= RateList::kHighestPercent);
        m_exactRate = e.annualRatePercent;
    }
    return true;
}

void Mervane::btn_UseExact_Click()
{
    // The payment at the exact rate is the one the user typed, to the cent; the option stays as it is.
    rateList().setRate(m_exactRate);
    m_calc.intRate = rateList().percent();
    const std::int16_t numpay = m_calc.instPerYear;
    m_plainLedger.reset();
    m_loanCurve.clear();
    if (!GetPayment(numpay)) return;
    label("lbl_exactRate").setVisible(false);
    button("btn_UseExact").setVisible(false);
    Fill_Totals(numpay);
    layoutInputColumn();
}

bool Mervane::GetIntOnly(std::int16_t numpay)
{
    PaymentResult r = interestOnlyPayment(value("fp_Prin"), m_calc.intRate, numpay, isZeroRateText());
    if (r.status == LoanStatus::ZeroRate) {
        refuse(statusMessage(r.status));
        m_reinitialisedAfterRefusal = true;
        Init_Input();
        return false;
    }
    if (!accept(r.status)) return false;
    m_calc.valPayment = r.payment;
    return true;
}

bool Mervane::ExtraPay(std::int16_t numpay)
{
    if (box("fp_xpaystrt").text().empty()) box("fp_xpaystrt").setText("1");
    if (box("fp_xpay").text().empty()) box("fp_xpay").setText("0");
    Label& note = label("lbl_xtra_w_last");
    note.setVisible(false);
    label("lbl_xtra_saved").setVisible(false);
    m_xtraInstallments = 0;
    m_xtraPaid = 0;

    ExtraPayInput in;
    in.principal = value("fp_Prin");
    in.annualRatePercent = m_calc.intRate;
    in.periodsPerYear = numpay;
    in.durationYears = m_calc.durYears;
    in.mode = loanInfo().extraMode;
    in.extraAmount = value("fp_xpay");
    in.startInstallment = value("fp_xpaystrt");
    ExtraPayResult r = amortizeWithExtras(in);
    if (!accept(r.status)) return false;

    m_calc.valXpay = in.extraAmount;
    m_calc.valXpayStrt = in.startInstallment;
    m_calc.valPayment = r.payment;
    m_calc.valTotIntwX = r.totalInterest;
    m_calc.valTotPaywX = r.totalPaid;
    m_calc.valLstPay = r.lastPayment;
    m_xtraInstallments = r.installments;
    m_xtraPaid = r.extrasPaid;
    m_plainLedger = r.plain;
    m_loanCurve = r.yearEnds;
    label("lbl_dur2")
        .setCaption(composeFormText<"Mervane", "%1 payments\r\n    (%2 yrs)">(std::to_string(r.installments),
                                                                              formatNumber(r.years, kStandardFormat)));
    if (in.mode == ExtraMode::Yearly)
        label("lbl_wXP").setCaption(
            composeFormText<"Mervane", "with %1 Yearly Payments">(std::to_string(r.yearlyCount)));
    if (r.paidOffBeforeStart) {
        note.setCaption(userText<"Loan is paid off before that installment - no Xtra payment made">());
        note.setVisible(true);
    } else if (r.extraExceedsBalance) {
        note.setCaption(userText<"Xtra payment exceeds the balance - only the balance is paid">());
        note.setVisible(true);
    } else if (r.lastYearlyCapped) {
        note.setCaption(userText<"Xtra payment with last installment">());
        note.setVisible(true);
    }
    return true;
}

void Mervane::ShowXtraSavings(std::int16_t numpay)
{
    Label& line = label("lbl_xtra_saved");
    line.setVisible(false);
    if (m_xtraInstallments <= 0 || !m_plainLedger) return;
    const Date today = platform().today();
    const CalendarDate start{today.year, today.month, today.day};
    const CalendarDate end = installmentDate(start, numpay, m_xtraInstallments);
    const std::string paidOff = dateText(end.year, end.month, end.day);
    if (m_xtraPaid <= 0) {
        line.setCaption(composeText<"No Xtra payment made - nothing saved; paid off %1">(paidOff));
    } else {
        // Both ledgers are in whole cents: the interest without extras less the interest with them.
        const double saved = roundToCent(m_plainLedger->totalInterest - m_calc.valTotIntwX);
        const int fewer = m_plainLedger->installments - m_xtraInstallments;
        line.setCaption(pluralText<"Saves %n installment and %1 interest; paid off %2",
                                   "Saves %n installments and %1 interest; paid off %2">(
            fewer, formatNumber(saved, kCurrencyFormat), paidOff));
    }
    line.setVisible(true);
}

void Mervane::rememberPlainLedger(const LoanLedgers& ledgers)
{
    // The ledger of the amounts as they will be shown: the totals read it.
    if (ledgers.plain.status != LoanStatus::Ok) return;
    m_plainLedger = totalsOf(ledgers.plain);
    m_plainLedger->yearsPerSample = ledgers.input.yearsPerSample;
}

LedgerTotals Mervane::plainLedgerTotals(std::int16_t numpay)
{
    if (m_plainLedger) return *m_plainLedger;
    // The loan as the boxes show it: the amount and the payment to the cent.
    LedgerInput in;
    in.principal = centsOf(value("fp_Prin")).value_or(0);
    in.payment = centsOf(value("fp_Payment")).value_or(0);
    in.annualRatePercent = m_calc.intRate;
    in.periodsPerYear = numpay;
    const PeriodCount count = installmentCount(numpay, m_calc.durYears);
    in.term = count.status == LoanStatus::Ok ? count.count : 0;
    in.keepYearEnds = true;
    in.yearsPerSample = yearsPerSampleOf(in.term, numpay);
    const Ledger ledger = loanLedger(in);
    m_plainLedger = ledger.status == LoanStatus::Ok ? totalsOf(ledger) : LedgerTotals{};
    m_plainLedger->yearsPerSample = in.yearsPerSample;
    return *m_plainLedger;
}

void Mervane::showBalloonNote(double lastPayment)
{
    Label& note = label("lbl_balloon");
    const bool balloon = lastPayment > 2 * value("fp_Payment");
    if (balloon)
        note.setCaption(composeText<"The last installment of %1 is a balloon payment: the level payment does not "
                                    "repay the loan within its term.">(formatNumber(lastPayment, kCurrencyFormat)));
    note.setVisible(balloon);
}

bool Mervane::GetPayoff(std::int16_t numpay)
{
    PayoffInput in;
    in.principal = value("fp_Prin");
    in.annualRatePercent = m_calc.intRate;
    in.periodsPerYear = numpay;
    in.durationYears = m_calc.durYears;
    in.lastInstallment = value("fp_xpaystrt");
    PayoffResult r = payoffAfter(in);
    if (!accept(r.status)) return false;
    m_calc.valPayment = r.payment;
    m_calc.valXpayStrt = in.lastInstallment;
    m_calc.valXpay = r.lowPayoff;
    m_calc.valHiPayoff = r.highPayoff;
    m_calc.valTotIntwX = r.interestPaid;
    m_calc.valTotPaywX = r.totalToPayOff;
    m_plainLedger = r.plain;
    if (r.paidOffBeforeInstallment)
        label("lbl_payoff_msg").setCaption(userText<"The loan is paid off before that installment">());
    return true;
}

}  // namespace tv
