// Calculate, Reset and the totals every calculation ends with.
#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "engine/loan.h"
#include "main_screen/mervane.h"

namespace tv {

Mervane::Snapshot Mervane::takeSnapshot() const
{
    Snapshot s;
    for (Control* c : controls()) {
        if (c->kind() == Kind::MaskedBox) s.texts.emplace_back(c->name(), static_cast<MaskedBox*>(c)->text());
        if (c->kind() == Kind::ComboList) s.indexes.emplace_back(c->name(), static_cast<ComboList*>(c)->listIndex());
    }
    s.durYears = durYears;
    s.intRate = intRate;
    return s;
}

void Mervane::restoreSnapshot(const Snapshot& s)
{
    for (const auto& [name, text] : s.texts) box(name).setText(text);
    for (const auto& [name, index] : s.indexes)
        if (combo(name).listIndex() != index) combo(name).setListIndex(index);
    durYears = s.durYears;
    intRate = s.intRate;
}

void Mervane::btn_Calc_Click()
{
    Module1& m = module1();
    if (!Input_Chk()) {
        m.msgAnswer = msgBox("Missing or Inappropriate Input (possibly a negitive number or 0)", MsgButtons::Ok,
                             MsgIcon::None, "input Error");
        Init_Input();
        return;
    }
    // A refused calculation leaves every box as it was before Calculate.
    Snapshot before = takeSnapshot();
    m_reinitialisedAfterRefusal = false;
    app().setPointer(Pointer::Hourglass);

    std::string rateText = combo("comIntr").text();
    intRate = rateText == "0.000" ? kZeroRateSubstitutePercent : leadingNumber(rateText);
    if (!option("opt_time").value() && !option("Opt_Annuity_Duration").value()) {
        if (inMonthView()) {
            durYears = roundToMonth(value("fp_Time") / 12);
        } else {
            durYears = roundToMonth(value("fp_Time"));
            setBoxNumber("fp_Time", durYears);
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
    if (!inLoanView()) prepareFundChart(numpay);
    Fill_Totals(numpay);
    if (inLoanView() &&
        (option("opt_xpaymo").value() || option("opt_xpay1x").value() || option("opt_xpayperiodic").value()))
        ShowXtraSavings(numpay);
    if (!inLoanView() && button("btn_InfAdj").enabled()) fire("btn_InfAdj", "Click");
    layoutInputColumn();
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
        if (option("Opt_invest_1xmnthly").value()) {
            box("fp_xpay").setText("10000");
        } else if (option("Opt_Inv2Annuity").value()) {
            box("fp_xpaystrt").setText("10");
            box("fp_xpay").setText("0");
        }
    }
    btn_RFclear_Click();
    Init_Input();
}

void Mervane::btn_RFclear_Click()
{
    box("fpRetFund").setText("0");
    Toolbar& tb = toolbar("Toolbar1");
    tb.setMenuItemEnabled(4, 3, false);
    tb.setMenuItemEnabled(4, 4, false);
    button("btn_RF2Amt").setEnabled(false);
    button("btn_RFclear").setEnabled(false);
}

void Mervane::Fill_Totals(std::int16_t numpay)
{
    auto currency = [](double v) { return formatNumber(v, kCurrencyFormat); };
    box("fp_Prin").setText(currency(value("fp_Prin")));
    box("fp_Payment").setText(currency(valPayment));
    box("fp_xpay").setText(currency(valXpay));
    if (box("fp_xpaystrt").text().empty()) box("fp_xpaystrt").setText(currency(valXpayStrt));
    box("fp_hipayoff").setText(currency(valHiPayoff));
    box("fp_totIntwX").setText(currency(valTotIntwX));
    box("fp_totPaywX").setText(currency(valTotPaywX));
    box("fp_lstPay").setText(currency(valLstPay));

    if (inLoanView()) {
        // The totals come from the payment as shown, rounded to the cent.
        double pay = value("fp_Payment");
        double principal = value("fp_Prin");
        double n = durYears * numpay;
        if (option("opt_IntOnly").value()) {
            box("fp_totpay").setText("0");
            setBoxNumber("fp_totInt", pay * n);
        } else if (isZeroRateText()) {
            box("fp_totpay").setText(box("fp_Prin").text());
            box("fp_totInt").setText("0");
        } else {
            setBoxNumber("fp_totpay", pay * n);
            setBoxNumber("fp_totInt", value("fp_totpay") - principal);
        }
        return;
    }

    Module1& m = module1();
    Toolbar& tb = toolbar("Toolbar1");
    if (frame("frm_invRetFund").visible()) {
        tb.setButtonEnabled(5, true);
        tb.setMenuItemEnabled(4, 1, true);
        tb.setMenuItemEnabled(4, 2, true);
        if (value("fpRetFund") != 0) {
            tb.setMenuItemEnabled(4, 3, true);
            tb.setMenuItemEnabled(4, 4, true);
            button("btn_RF2Amt").setEnabled(true);
            button("btn_RFclear").setEnabled(true);
        }
    }
    button("btn_Payoff2RF").setEnabled(true);
    m.amtTransfer = false;

    double a = value("fp_Payment");
    double p = value("fp_Prin");
    double y = durYears;
    auto total = [this] { return value("fp_totpay"); };
    if (option("Opt_Invest").value()) {
        box("fp_totpay").setText(box("fp_Prin").text());
        setBoxNumber("fp_totInt", a - total());
    } else if (option("Opt_invest_mnthly").value()) {
        setBoxNumber("fp_totpay", p * y * 12);
        setBoxNumber("fp_totInt", a - total());
    } else if (option("Opt_invest_1xmnthly").value()) {
        setBoxNumber("fp_totpay", p * y * 12 + value("fp_xpay"));
        setBoxNumber("fp_totInt", a - total());
    } else if (option("Opt_invest_yearly").value()) {
        setBoxNumber("fp_totpay", p * y);
        setBoxNumber("fp_totInt", a - total());
    } else if (option("Opt_Annuity").value()) {
        setBoxNumber("fp_totpay", a * y);
        setBoxNumber("fp_totInt", total() - p);
    } else if (option("Opt_Annuity_Mnthly").value() || option("Opt_Annuity_Duration").value()) {
        setBoxNumber("fp_totpay", a * y * 12);
        setBoxNumber("fp_totInt", total() - p);
    } else if (option("Opt_Inv2Annuity").value()) {
        setBoxNumber("fp_totpay", p * y * 12);
        setBoxNumber("fp_totInt", a - total());
        button("btn_Payoff2RF").setEnabled(false);
    } else if (option("Opt_Spec_Dur").value()) {
        setBoxNumber("fp_totpay", value("fp_xpaystrt") * y);
        setBoxNumber("fp_totInt", a - (p - total()));
    }
}

}  // namespace tv
