// Input initialisation, the input check of Calculate and the investment input checker's questions.
#include <cmath>

#include "app/program.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/limits.h"
#include "main_screen/mervane.h"

namespace tv {

int Mervane::rateIndexFromIni(double iniValue) const
{
    // A settings value that names no entry leaves the list without a chosen entry.
    std::optional<std::int16_t> index = toInt16(iniValue);
    if (!index || *index < 0 || *index >= combo("comIntr").count()) return -1;
    return *index;
}

void Mervane::highlight(const std::string& labelName, Color color)
{
    label(labelName).setForeColor(color);
}

void Mervane::Init_Input()
{
    app().setPointer(Pointer::Hourglass);
    for (const char* name : {"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt", "fp_xpay"})
        if (box(name).text().empty()) box(name).setText("0");
    SetMainColors();
    if (inLoanView()) {
        initLoanDefaults();
    } else {
        int rateIndex = -1;
        initInvestDefaults(rateIndex);
    }
    for (const char* name : {"fp_totInt", "fp_totpay", "fp_hipayoff", "fp_totIntwX", "fp_totPaywX", "fp_lstPay"})
        box(name).setText("0");
    label("lbl_dur2").setCaption("0");
    HideXtra();
    app().setPointer(Pointer::Default);
}

void Mervane::initLoanDefaults()
{
    const ColorTable& colors = module1().colors;
    double durationDefault = iniLoanDuration * (inMonthView() ? 12 : 1);
    label("lbl_xpaystrt").setCaption("Start &Xtra Payments which Installment:");
    label("lbl_hipayoff").setCaption("And: ");

    ComboList& rate = combo("comIntr");
    auto rateDefault = [&] {
        if (rate.listIndex() < 0) rate.setListIndex(rateIndexFromIni(iniLoanInterest));
    };
    auto amountIfNotPositive = [&] {
        if (value("fp_Prin") <= 0) setBoxNumber("fp_Prin", iniLoanAmount);
    };
    auto durationIfZero = [&] {
        if (value("fp_Time") == 0) setBoxNumber("fp_Time", durationDefault);
    };
    auto paymentIfNotPositive = [&] {
        if (value("fp_Payment") <= 0) setBoxNumber("fp_Payment", iniLoanAmount / 125);
    };
    auto startIfZero = [&] {
        if (value("fp_xpaystrt") == 0) box("fp_xpaystrt").setText("1");
    };

    std::string hi = "lbl_Payment";
    if (option("opt_Prin").value()) {
        box("fp_Prin").setText("0");
        rateDefault();
        durationIfZero();
        paymentIfNotPositive();
        hi = "lbl_Prin";
    } else if (option("opt_intRate").value()) {
        amountIfNotPositive();
        rate.setListIndex(-1);
        if (value("fp_Time") <= 0) setBoxNumber("fp_Time", durationDefault);
        paymentIfNotPositive();
        hi = "lbl_IntRate";
    } else if (option("opt_time").value()) {
        amountIfNotPositive();
        rateDefault();
        box("fp_Time").setText("0");
        paymentIfNotPositive();
        hi = "lbl_Time";
    } else if (option("opt_IntOnly").value()) {
        amountIfNotPositive();
        rateDefault();
        box("fp_Time").setText("0");
        box("fp_Payment").setText("0");
    } else {
        amountIfNotPositive();
        rateDefault();
        durationIfZero();
        box("fp_Payment").setText("0");
        startIfZero();
        if (option("opt_payoff").value()) {
            box("fp_xpay").setText("0");
        } else if (option("opt_xpaymo").value()) {
            box("fp_xpay").setText("25");
        } else if (option("opt_xpay1x").value() || option("opt_xpayperiodic").value()) {
            box("fp_xpay").setText("500");
        }
    }
    highlight(hi, colors.gLoanHiTxtColor);

    if (option("opt_payoff").value()) {
        label("lbl_xpaystrt").setCaption("Last Installment made before Payoff:");
        label("lbl_xpay").setCaption("Payoff between:  ");
        label("lbl_wXP").setCaption("with low Payoff:");
    } else if (option("opt_xpaymo").value() || option("opt_xpay1x").value() || option("opt_xpayperiodic").value()) {
        highlight("lbl_xpay", colors.gLoanTxtColor);
        label("lbl_xpay").setCaption("&Xtra Payment:     ");
        if (option("opt_xpay1x").value()) {
            label("lbl_xpaystrt").setCaption("&Xtra Payment made with Installment:");
            label("lbl_wXP").setCaption("with Xtra Payment");
        } else if (option("opt_xpaymo").value()) {
            label("lbl_xpaystrt").setCaption("Start &Xtra Payments with Installment:");
            label("lbl_wXP").setCaption("with Xtra Payments");
        } else {
            label("lbl_xpaystrt").setCaption("Start &Xtra Payments with Installment:");
            label("lbl_wXP").setCaption("with Yearly Payments");
        }
    }
}

void Mervane::initInvestDefaults(int& rateIndex)
{
    const ColorTable& colors = module1().colors;
    Module1& m = module1();
    if (box("fpRetFund").text().empty()) box("fpRetFund").setText("0");

    bool invest = option("Opt_Invest").value();
    bool monthly = option("Opt_invest_mnthly").value();
    bool oneTimeMonthly = option("Opt_invest_1xmnthly").value();
    bool yearly = option("Opt_invest_yearly").value();
    bool toAnnuity = option("Opt_Inv2Annuity").value();
    bool annual = option("Opt_Annuity").value();
    bool annuityMonthly = option("Opt_Annuity_Mnthly").value();
    bool annuityDuration = option("Opt_Annuity_Duration").value();
    bool specDur = option("Opt_Spec_Dur").value();
    bool buildFund = invest || monthly || oneTimeMonthly || yearly || toAnnuity;
    bool annuity = annual || annuityMonthly || annuityDuration;

    rateIndex = rateIndexFromIni(buildFund ? iniInvestBFInt : iniInvestAnnuityInt);
    ComboList& rate = combo("comIntr");
    if (rate.listIndex() < 0) rate.setListIndex(rateIndex);

    highlight("lbl_Payment", colors.gInvestHiTxtColor);
    highlight("lbl_xpay", colors.gInvestHiTxtColor);

    bool transferring = m.amtTransfer;
    auto caption = [this](const char* name, const char* text) { label(name).setCaption(text); };
    if (invest) {
        caption("lbl_Prin", "Invested &Amount:");
        caption("lbl_Payment", "&PayOff:                ");
        if (!transferring && value("fp_Prin") <= 0) setBoxNumber("fp_Prin", iniInvestBFamt1x);
    } else if (monthly) {
        caption("lbl_Prin", "Monthly &Amount:");
        caption("lbl_Payment", "&PayOff:                ");
        if (!transferring && value("fp_Prin") <= 0) setBoxNumber("fp_Prin", iniInvestBFamtMo);
    } else if (oneTimeMonthly) {
        caption("lbl_Prin", "Monthly &Amount:");
        caption("lbl_Payment", "&PayOff:                ");
        caption("lbl_xpay", "1 Time &Amount:  ");
        highlight("lbl_xpay", colors.gInvestTxtColor);
        caption("lbl_IntRate_IA", "Annuity &Interest Rate:  %");
        if (!transferring) {
            if (value("fp_Prin") <= 0) setBoxNumber("fp_Prin", iniInvestBFamtMo);
            if (value("fp_xpay") <= 0) setBoxNumber("fp_xpay", iniInvestBFamt1x);
        }
    } else if (yearly) {
        caption("lbl_Prin", "Yearly &Amount:");
        caption("lbl_Payment", "&PayOff:                ");
    } else if (annuity) {
        caption("lbl_IntRate_IA", "Infation Rate Adjustment:  %");
        caption("lbl_xpaystrt", "Additional Annuity Payments:            $");
        caption("lbl_xpay", "1st Adj Payment:");
        caption("lbl_hipayoff", "And Last:");
        caption("lbl_Prin", "Invested &Amount:");
        caption("lbl_Payment", "Annuity &Payment:");
        if (value("fp_xpaystrt") <= 30) box("fp_xpaystrt").setText("0");
        box("fp_xpay").setText("0");
        box("fp_hipayoff").setText("0");
    } else if (toAnnuity) {
        caption("lbl_Prin", "Monthly &Amount:");
        caption("lbl_Payment", "&PayOff:                ");
        caption("lbl_IntRate_IA", "Annuity &Interest Rate:  %");
        caption("lbl_xpaystrt", "Annuity &Duration: (yrs)");
        caption("lbl_xpay", "Annuity &Payment:");
        if (value("fp_Prin") <= 0) setBoxNumber("fp_Prin", iniInvestBFamtMo);
        if (value("fp_xpaystrt") <= 0) setBoxNumber("fp_xpaystrt", iniInvestAnnuityDuration);
        if (combo("comIntr_IA").listIndex() < 1)
            combo("comIntr_IA").setListIndex(rateIndexFromIni(iniInvestAnnuityInt));
    } else if (specDur) {
        caption("lbl_Prin", "Invested &Amount:");
        caption("lbl_Payment", "Remaining &Fund:");
        caption("lbl_IntRate_IA", "Annuity &Interest Rate:  %");
        caption("lbl_xpaystrt", "Yearly Payments (beginning of year): $");
        if (value("fp_xpaystrt") <= 0) setBoxNumber("fp_xpaystrt", iniInvestBFamtYr * 4);
        // The remaining-fund duration counts whole years, so its default is in the box's unit.
        if (value("fp_Time") <= 0) setBoxNumber("fp_Time", iniInvestBFduration * (inMonthView() ? 12 : 1));
    }

    if (inputCheckOn) {
        m.msgAnswer = kAnswerOk;
        askPlausibility();
    }

    button("btn_InfAdj").setEnabled(false);
    Label& totPay = label("lbl_totPay");
    if (annual || annuityMonthly || annuityDuration || specDur) {
        totPay.setCaption("Total Payments:");
        totPay.setRect({kTotPayNarrowLeft, totPay.top(), kTotPayNarrowWidth, totPay.height()});
        if (annual || annuityMonthly) box("fp_Payment").setText("0");
        if (annuityDuration && value("fp_Payment") <= 0) setBoxNumber("fp_Payment", iniInvestAnnuityPayment);
        if (!specDur) annuityInput = true;
    } else {
        totPay.setCaption("Total Contributions:");
        totPay.setRect({kTotPayWideLeft, totPay.top(), kTotPayWideWidth, totPay.height()});
        box("fp_Payment").setText("0");
        annuityInput = false;
    }

    double durationDefault = (buildFund || specDur) ? iniInvestBFduration : iniInvestAnnuityDuration;
    if (inMonthView()) durationDefault *= 12;
    if (m.msgAnswer == kAnswerYes && inputCheckOn) {
        setBoxNumber("fp_Time", durationDefault);
        if (rateGroup != invGroup || rate.listIndex() < 1) {
            rate.setListIndex(rateIndex);
            rateGroup = invGroup;
        }
    }
    if (value("fp_Time") == 0) setBoxNumber("fp_Time", durationDefault);
}

void Mervane::askPlausibility()
{
    Module1& m = module1();
    auto ask = [&](const char* text) {
        m.msgAnswer = msgBox(text, MsgButtons::YesNo, MsgIcon::None, "input Error");
        return m.msgAnswer == kAnswerYes;
    };
    double amount = value("fp_Prin");
    ComboList& annuityRate = combo("comIntr_IA");

    bool monthlyGroup = option("Opt_invest_mnthly").value() || option("Opt_invest_1xmnthly").value() ||
                        option("Opt_Inv2Annuity").value();
    bool annuity =
        option("Opt_Annuity").value() || option("Opt_Annuity_Mnthly").value() || option("Opt_Annuity_Duration").value();
    if (monthlyGroup) {
        if (!(amount <= 0 || amount > iniInvestBFamtYr)) return;
        if (m.amtTransfer) {
            m.msgAnswer = msgBox("Retirement Fund seems too large for monthly payment - re-enter if appropriate",
                                 MsgButtons::Ok, MsgIcon::None, "input Error");
            return;
        }
        if (!ask("Monthly Investment seems too large - do you want to use the ini file value?")) return;
        setBoxNumber("fp_Prin", iniInvestBFamtYr);
        if (option("Opt_invest_1xmnthly").value() && value("fp_xpay") <= 5000)
            setBoxNumber("fp_xpay", iniInvestBFamt1x);
        if (option("Opt_Inv2Annuity").value()) {
            if (annuityRate.listIndex() <= iniInvestAnnuityInt / 2.5)
                annuityRate.setListIndex(rateIndexFromIni(iniInvestAnnuityInt));
            if (value("fp_xpay") != 0) box("fp_xpay").setText("0");
            if (value("fp_xpaystrt") >= 50) setBoxNumber("fp_xpaystrt", iniInvestAnnuityDuration);
        }
    } else if (option("Opt_Invest").value()) {
        if (!m.amtTransfer && amount < 5000 &&
            ask("One time investment seems small - do you want to use the ini file value?"))
            setBoxNumber("fp_Prin", iniInvestBFamt1x);
    } else if (option("Opt_invest_yearly").value()) {
        if (!m.amtTransfer && (amount < iniInvestBFamtMo || amount > 5 * iniInvestBFamtYr) &&
            ask("Yearly investment seems inappropriate - do you want to use the ini file value?"))
            setBoxNumber("fp_Prin", iniInvestBFamtYr);
    } else if (annuity) {
        if (m.amtTransfer || amount >= iniInvestBFamt1x) return;
        // The previous result is offered only when it came from a build-fund calculation and its text
        // sorts after the amount's text (a character comparison, as the boxes hold them).
        // A payment beyond the money limit is no amount a calculation could use, so it is not offered.
        bool offerPayment = !annuityInput && box("fp_Payment").text() > box("fp_Prin").text() &&
                            std::abs(value("fp_Payment")) <= limits::kMaxMoney;
        if (offerPayment) {
            if (!ask("Invested amount seems small - do you want to use the previously calculated payment amount?"))
                return;
            box("fp_Prin").setText(box("fp_Payment").text());
        } else {
            if (!ask("Invested amount seems small - do you want to use the ini file value?")) return;
            setBoxNumber("fp_Prin", iniInvestAnnuityAmt);
        }
        int inflation = annuityRate.listIndex();
        if (inflation > 40 || inflation < 8) {
            std::optional<std::int16_t> index = toInt16(iniInvestAnnuityInt / 2.5);
            annuityRate.setListIndex(index ? *index : -1);
        }
    } else if (option("Opt_Spec_Dur").value()) {
        double yearlyPay = value("fp_xpaystrt");
        if ((yearlyPay < iniInvestBFamtYr || yearlyPay > 7 * iniInvestBFamtYr) &&
            ask("Yearly payment seems inappropriate - do you want to use the ini file value?"))
            setBoxNumber("fp_xpaystrt", iniInvestBFamtYr * 4);
    }
}

bool Mervane::Input_Chk()
{
    for (const char* name : {"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt"})
        if (box(name).text().empty()) box(name).setText("0");
    bool result = true;
    auto fail = [&](const char* name) {
        result = false;
        control(name).setFocus();
    };
    bool noRate = combo("comIntr").listIndex() < 0;

    if (!inLoanView()) {
        if (value("fp_Prin") <= 0)
            fail("fp_Prin");
        else if (noRate)
            fail("comIntr");
        if (option("Opt_Annuity_Duration").value()) {
            if (value("fp_Payment") <= 0) fail("fp_Payment");
        } else if (value("fp_Time") <= 0) {
            fail("fp_Time");
        }
        if ((option("Opt_Inv2Annuity").value() || option("Opt_Spec_Dur").value()) && value("fp_xpaystrt") <= 0)
            fail("fp_xpaystrt");
        // The save-then-draw option also reads the annuity rate list, which a settings file can leave empty.
        if (option("Opt_Inv2Annuity").value() && combo("comIntr_IA").listIndex() < 0) fail("comIntr_IA");
        return result;
    }

    if (option("opt_Prin").value()) {
        if (noRate) return fail("comIntr"), result;
        if (value("fp_Time") <= 0) return fail("fp_Time"), result;
        if (value("fp_Payment") <= 0) fail("fp_Payment");
        return result;
    }
    if (option("opt_intRate").value()) {
        if (value("fp_Prin") <= 0) return fail("fp_Prin"), result;
        if (value("fp_Time") <= 0) return fail("fp_Time"), result;
        if (value("fp_Payment") <= 0) fail("fp_Payment");
        return result;
    }
    if (option("opt_time").value()) {
        if (value("fp_Prin") <= 0) return fail("fp_Prin"), result;
        if (noRate) return fail("comIntr"), result;
        if (value("fp_Payment") <= 0) fail("fp_Payment");
        return result;
    }
    if (value("fp_Prin") <= 0)
        fail("fp_Prin");
    else if (noRate)
        fail("comIntr");
    else if (value("fp_Time") <= 0 && !option("opt_IntOnly").value())
        fail("fp_Time");
    if (option("opt_payoff").value() && value("fp_xpaystrt") < 0) return fail("fp_xpaystrt"), result;
    if (option("opt_xpaymo").value() || option("opt_xpay1x").value()) {
        if (value("fp_xpaystrt") < 1)
            fail("fp_xpaystrt");
        else if (value("fp_xpay") < 0)
            fail("fp_xpay");
    }
    // A negative yearly extra would lengthen the loan instead of shortening it.
    if (option("opt_xpayperiodic").value() && value("fp_xpay") < 0) fail("fp_xpay");
    return result;
}

}  // namespace tv
