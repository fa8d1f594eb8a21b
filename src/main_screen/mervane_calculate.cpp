// Calculate, Reset and the totals every calculation ends with.
#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "engine/loan.h"
#include "main_screen/mervane.h"
#include "main_screen/mervane_messages.h"

namespace tv {

using mervane_messages::missingInput;

Mervane::Snapshot Mervane::takeSnapshot() const
{
    Snapshot s;
    for (Control* c : controls()) {
        if (c->kind() == Kind::MaskedBox)
            s.texts.emplace_back(static_cast<MaskedBox*>(c), static_cast<MaskedBox*>(c)->text());
        if (c->kind() == Kind::ComboList) {
            auto* list = static_cast<ComboList*>(c);
            s.choices.push_back({list, list->listIndex(), list->typed()});
        }
    }
    s.calc = m_calc;
    return s;
}

void Mervane::restoreSnapshot(const Snapshot& s)
{
    for (const auto& [box, text] : s.texts) box->setText(text);
    for (const Snapshot::Choice& c : s.choices) {
        if (c.list->listIndex() == c.index && c.list->typed() == c.typed) continue;
        if (c.typed)
            c.list->restoreChoice(c.index, c.typed);
        else
            c.list->setListIndex(c.index);
    }
    m_calc = s.calc;
}

void Mervane::btn_Calc_Click()
{
    if (!Input_Chk()) {
        refuse(missingInput());
        Init_Input();
        return;
    }
    // A refused calculation leaves every box as it was before Calculate.
    Snapshot before = takeSnapshot();
    std::vector<HistoryField> inputs = historyInputs();
    m_reinitialisedAfterRefusal = false;
    app().setPointer(Pointer::Hourglass);

    m_calc.intRate = rateList().percent();
    const bool solvesDuration = inLoanView() ? loanInfo().solvesDuration : investInfo().solvesDuration;
    if (!solvesDuration) {
        if (inMonthView()) {
            m_calc.durYears = roundToMonth(value("fp_Time") / 12);
        } else {
            m_calc.durYears = roundToMonth(value("fp_Time"));
            setBoxNumber("fp_Time", m_calc.durYears);
        }
    }

    bool ok = true;
    std::int16_t numpay = inLoanView() ? Calc_Loan(ok) : Calc_Invest(ok);
    if (!ok) {
        if (!m_reinitialisedAfterRefusal) restoreSnapshot(before);
        app().setPointer(Pointer::Default);
        return;
    }
    // The chart takes the amounts as this calculation read them, before Fill_Totals rounds the boxes to the cent.
    if (!inLoanView()) {
        m_fundChart = {};
        m_buildFundChart = nullptr;
        menu("mnu_FundChart").setEnabled(false);
        (this->*investInfo().prepareChart)(numpay);
    }
    Fill_Totals(numpay);
    if (inLoanView() && loanInfo().group == LoanGroup::Extra) ShowXtraSavings(numpay);
    if (!inLoanView() && button("btn_InfAdj").enabled()) fire("btn_InfAdj", "Click");
    layoutInputColumn();
    recordCalculation(std::move(inputs), numpay);
    app().setPointer(Pointer::Default);
}

void Mervane::Btn_Clear_Click()
{
    box("fp_Prin").setText("0");
    combo("comIntr").setListIndex(-1);
    box("fp_Time").setText("0");
    box("fp_Payment").setText("0");
    if (!inLoanView()) {
        combo("comIntr_IA").setListIndex(-1);
        const InvestOptionInfo& info = investInfo();
        if (info.resetStart) box("fp_xpaystrt").setText(info.resetStart);
        if (info.resetExtra) box("fp_xpay").setText(info.resetExtra);
    }
    btn_RFclear_Click();
    Init_Input();
}

void Mervane::btn_RFclear_Click()
{
    box("fpRetFund").setText("0");
    setFundTransfersEnabled(false);
}

void Mervane::setFundTransfersEnabled(bool enabled)
{
    setInvestMenuItemEnabled(InvestMenuItem::FundToAmount, enabled);
    setInvestMenuItemEnabled(InvestMenuItem::ClearFund, enabled);
    button("btn_RF2Amt").setEnabled(enabled);
    button("btn_RFclear").setEnabled(enabled);
}

void Mervane::Fill_Totals(std::int16_t numpay)
{
    auto currency = [](double v) { return formatNumber(v, kCurrencyFormat); };
    const CalcState& c = m_calc;
    box("fp_Prin").setText(currency(value("fp_Prin")));
    box("fp_Payment").setText(currency(c.valPayment));
    box("fp_xpay").setText(currency(c.valXpay));
    if (box("fp_xpaystrt").text().empty()) box("fp_xpaystrt").setText(currency(c.valXpayStrt));
    box("fp_hipayoff").setText(currency(c.valHiPayoff));
    box("fp_totIntwX").setText(currency(c.valTotIntwX));
    box("fp_totPaywX").setText(currency(c.valTotPaywX));
    box("fp_lstPay").setText(currency(c.valLstPay));

    if (inLoanView()) {
        label("lbl_balloon").setVisible(false);
        if (loanInfo().interestOnly) {
            // The interest of every installment, none of the loan repaid.
            const PeriodCount count = installmentCount(numpay, c.durYears);
            const double n = count.status == LoanStatus::Ok ? count.count : 0;
            box("fp_totpay").setText("0");
            setBoxNumber("fp_totInt", value("fp_Payment") * n);
            return;
        }
        // Every total is the ledger's: the payment as shown, each installment's interest to the cent.
        const LedgerTotals plain = plainLedgerTotals(numpay);
        if (isZeroRateText()) {
            // No interest: what is paid is the amount, as its box writes it.
            box("fp_totpay").setText(box("fp_Prin").text());
            box("fp_totInt").setText("0");
        } else {
            setBoxNumber("fp_totpay", plain.totalPaid);
            setBoxNumber("fp_totInt", plain.totalInterest);
        }
        if (m_loanCurve.empty()) m_loanCurve = plain.yearEnds;
        // The last installment shown: with extras, the Last Payment box's (a balloon only when the extras
        // leave the loan to its term's end).
        if (loanInfo().group == LoanGroup::Extra) {
            const PeriodCount term = installmentCount(numpay, c.durYears);
            showBalloonNote(term.status == LoanStatus::Ok && m_xtraInstallments == term.count ? c.valLstPay : 0);
        } else {
            showBalloonNote(plain.installments > 0 ? plain.lastPayment : 0);
        }
        return;
    }

    Toolbar& tb = toolbar("Toolbar1");
    if (frame("frm_invRetFund").visible()) {
        tb.setButtonEnabled(static_cast<int>(MainTool::PayoffToAmount), true);
        setInvestMenuItemEnabled(InvestMenuItem::PayoffToAmount, true);
        setInvestMenuItemEnabled(InvestMenuItem::PayoffToFund, true);
        if (value("fpRetFund") != 0) setFundTransfersEnabled(true);
    }
    button("btn_Payoff2RF").setEnabled(investInfo().payoffToFund);
    module1().amtTransfer = false;
    (this->*investInfo().fillTotals)();
}

// Total contributions (paid in) and the growth on them; for annuities, total payments (paid out) and the
// interest they earned; for withdrawals, what was withdrawn and what the fund earned besides.
void Mervane::totalsOneTime()
{
    box("fp_totpay").setText(box("fp_Prin").text());
    setBoxNumber("fp_totInt", value("fp_Payment") - value("fp_totpay"));
}

void Mervane::totalsContributions()
{
    setBoxNumber("fp_totpay", value("fp_Prin") * m_countPaid);
    setBoxNumber("fp_totInt", value("fp_Payment") - value("fp_totpay"));
}

void Mervane::totalsOneTimeMonthly()
{
    setBoxNumber("fp_totpay", value("fp_Prin") * m_countPaid + value("fp_xpay"));
    setBoxNumber("fp_totInt", value("fp_Payment") - value("fp_totpay"));
}

void Mervane::totalsAnnuity()
{
    setBoxNumber("fp_totpay", value("fp_Payment") * m_countPaid);
    setBoxNumber("fp_totInt", value("fp_totpay") - value("fp_Prin"));
}

void Mervane::totalsWithdrawals()
{
    setBoxNumber("fp_totpay", m_withdrawn);
    setBoxNumber("fp_totInt", value("fp_Payment") - (value("fp_Prin") - value("fp_totpay")));
}

}  // namespace tv
