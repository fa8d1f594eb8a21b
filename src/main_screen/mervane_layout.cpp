// The two views, the duration unit, the input checker switch and the field layout of each option.
#include "app/program.h"
#include "common/numbers.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

// Where "Total Payments:" and "Total Contributions:" sit: both end where the input labels end.
constexpr Rect kTotPayNarrow{Mervane::kTotPayNarrowLeft, 0, Mervane::kTotPayNarrowWidth, 0};
constexpr Rect kTotPayWide{Mervane::kTotPayWideLeft, 0, Mervane::kTotPayWideWidth, 0};

}  // namespace

void Mervane::mnu_view_loan_Click()
{
    setCaption("Financial Calculator - Loans");
    menu("mnu_LnSheet").setEnabled(true);
    for (const char* name : {"frm_invSolve", "frm_invIntComp", "frm_invRetFund"}) frame(name).setVisible(false);
    frame("frm_LnInstFreq").setVisible(true);
    frame("frm_LnSolve").setVisible(true);
    label("lbl_IntRate_IA").setVisible(false);
    combo("comIntr_IA").setVisible(false);
    menu("mnu_view_loan").setChecked(true);
    menu("mnu_view_invest").setChecked(false);
    label("lbl_Prin").setCaption("Loan &Amount:     ");
    label("lbl_Payment").setCaption("&Payment:            ");
    Label& totPay = label("lbl_totPay");
    totPay.setCaption("Total Payments:");
    totPay.setRect({kTotPayNarrow.left, totPay.top(), kTotPayNarrow.width, totPay.height()});
    label("lbl_xpaystrt").setCaption("Start &Xtra Payments which Installment:");
    label("lbl_xpay").setCaption("&Xtra Payment:     ");
    box("fp_xpaystrt").setText("0");
    Toolbar& tb = toolbar("Toolbar1");
    tb.setPressed(1, true);
    tb.setPressed(4, false);
    tb.setButtonEnabled(2, true);
    tb.setButtonEnabled(5, false);
    for (int item = 1; item <= 4; ++item) tb.setMenuItemEnabled(4, item, false);
    tb.setButtonEnabled(6, false);
    menu("mnu_InvInpChk").setEnabled(false);
    button("btn_RF2Amt").setEnabled(false);
    button("btn_RFclear").setEnabled(false);
    // Only the first switch (made at start-up) leaves the inputs alone; the count stops at 2.
    if (viewSwitchCount < 2) ++viewSwitchCount;
    if (viewSwitchCount != 1) Btn_Clear_Click();
}

void Mervane::mnu_view_invest_Click()
{
    setCaption("Financial Calculator - Investments");
    menu("mnu_LnSheet").setEnabled(false);
    frame("frm_LnInstFreq").setVisible(false);
    frame("frm_LnSolve").setVisible(false);
    frame("frm_invSolve").setVisible(true);
    for (const char* name : {"lbl_hipayoff", "lbl_payoff_msg", "lbl_wXP", "lbl_dur1", "lbl_dur2", "lbl_lstPay"})
        label(name).setVisible(false);
    for (const char* name : {"fp_hipayoff", "fp_totIntwX", "fp_totPaywX", "fp_lstPay"}) box(name).setVisible(false);
    menu("mnu_view_loan").setChecked(false);
    menu("mnu_view_invest").setChecked(true);
    label("lbl_Prin").setCaption("Invested &Amount:");
    label("lbl_Payment").setCaption("&PayOff:                ");
    Label& totPay = label("lbl_totPay");
    totPay.setCaption("Total Contributions:");
    totPay.setRect({kTotPayWide.left, totPay.top(), kTotPayWide.width, totPay.height()});
    label("lbl_xpay").setCaption("Annuity &Payment:");
    invGroup = 1;
    box("fp_xpaystrt").setText("0");
    Toolbar& tb = toolbar("Toolbar1");
    tb.setPressed(1, false);
    tb.setPressed(4, true);
    tb.setButtonEnabled(2, false);
    tb.setButtonEnabled(6, true);
    menu("mnu_InvInpChk").setEnabled(true);
    if (viewSwitchCount < 2) ++viewSwitchCount;
    if (viewSwitchCount != 1) Btn_Clear_Click();
}

void Mervane::mnu_Months_Click()
{
    if (menu("mnu_Months").checked()) return;
    menu("mnu_Years").setChecked(false);
    menu("mnu_Months").setChecked(true);
    label("lbl_Time").setCaption("&Duration:  (Mos)");
    // The toolbar's Years/Months pair shows the unit however it was chosen.
    toolbar("Toolbar1").setPressed(8, false);
    toolbar("Toolbar1").setPressed(9, true);
    MaskedBox& time = box("fp_Time");
    if (time.text().empty()) time.setText("0");
    setBoxNumber("fp_Time", value("fp_Time") * 12);
}

void Mervane::mnu_Years_Click()
{
    if (menu("mnu_Years").checked()) return;
    menu("mnu_Years").setChecked(true);
    menu("mnu_Months").setChecked(false);
    label("lbl_Time").setCaption("&Duration:  (Yrs)");
    toolbar("Toolbar1").setPressed(8, true);
    toolbar("Toolbar1").setPressed(9, false);
    MaskedBox& time = box("fp_Time");
    if (time.text().empty()) time.setText("0");
    durYears = roundToMonth(value("fp_Time") / 12);
    setBoxNumber("fp_Time", durYears);
}

void Mervane::mnu_InvInpChk_Click()
{
    inputCheckOn = !inputCheckOn;
    toolbar("Toolbar1").setImage(6, inputCheckOn ? 13 : 14);
    MenuItem& item = menu("mnu_InvInpChk");
    item.setChecked(!item.checked());
}

void Mervane::layoutInputColumn()
{
    struct Row {
        const char* first;
        const char* second;
        int height;
    };
    static const Row kRows[] = {
        {"lbl_Prin", "fp_Prin", 375},     {"lbl_IntRate", "comIntr", 375},      {"lbl_exactRate", nullptr, 300},
        {"lbl_Time", "fp_Time", 375},     {"lbl_Payment", "fp_Payment", 375},   {"lbl_xpaystrt", "fp_xpaystrt", 375},
        {"lbl_xpay", "fp_xpay", 375},     {"lbl_hipayoff", "fp_hipayoff", 375}, {"lbl_IntRate_IA", "comIntr_IA", 375},
        {"lbl_dur1", "lbl_dur2", 510},    {"lbl_lstPay", "fp_lstPay", 375},     {"lbl_xtra_w_last", nullptr, 330},
        {"lbl_xtra_saved", nullptr, 330}, {"lbl_payoff_msg", nullptr, 330},
    };
    // Labels sit a little lower than the boxes beside them, so their text lines up with the boxes' text.
    auto place = [this](const char* name, int top) {
        Control& c = control(name);
        c.move(c.left(), c.kind() == Kind::Label ? top + 45 : top);
    };
    int y = 600;
    for (const Row& row : kRows) {
        bool shown = control(row.first).visible() || (row.second && control(row.second).visible());
        if (!shown) continue;
        place(row.first, y);
        if (row.second) place(row.second, y);
        y += row.height;
    }
    y += 60;
    control("Line1").move(kLabelLeft, y);
    y += 120;
    if (label("lbl_wXP").visible()) {
        label("lbl_wXP").move(label("lbl_wXP").left(), y);
        y += 270;
    }
    for (const char* name : {"lbl_totInt", "fp_totInt", "fp_totIntwX"}) place(name, y);
    y += 375;
    for (const char* name : {"lbl_totPay", "fp_totpay", "fp_totPaywX"}) place(name, y);
}

void Mervane::HideXtra()
{
    showFieldsOfOption();
    layoutInputColumn();
}

void Mervane::showFieldsOfOption()
{
    label("lbl_payoff_msg").setVisible(false);
    // The result notes of a calculation: shown again by the next one that has them.
    label("lbl_exactRate").setVisible(false);
    label("lbl_xtra_saved").setVisible(false);
    menu("mnu_FundChart").setEnabled(false);
    auto show = [this](const char* labelName, const char* boxName, bool visible) {
        label(labelName).setVisible(visible);
        if (boxName) control(boxName).setVisible(visible);
    };
    Toolbar& tb = toolbar("Toolbar1");

    if (inLoanView()) {
        label("lbl_xtra_w_last").setVisible(false);
        box("fp_Payment").setEnabled(true);
        box("fp_Time").setEnabled(true);
        bool payoff = option("opt_payoff").value();
        bool extra = option("opt_xpaymo").value() || option("opt_xpay1x").value() || option("opt_xpayperiodic").value();
        show("lbl_xpaystrt", "fp_xpaystrt", payoff || extra);
        show("lbl_xpay", "fp_xpay", payoff || extra);
        box("fp_xpay").setEnabled(extra);
        show("lbl_hipayoff", "fp_hipayoff", payoff);
        label("lbl_wXP").setVisible(payoff || extra);
        box("fp_totIntwX").setVisible(payoff || extra);
        box("fp_totPaywX").setVisible(payoff || extra);
        show("lbl_dur1", nullptr, extra);
        show("lbl_dur2", nullptr, extra);
        show("lbl_lstPay", "fp_lstPay", extra);
        if (payoff) {
            Label& msg = label("lbl_payoff_msg");
            msg.setCaption("Varies with number of days between Last Installment and Payoff");
            msg.setVisible(true);
        }
        return;
    }

    box("fp_Payment").setEnabled(false);
    box("fp_Time").setEnabled(true);
    frame("frm_invIntComp").setVisible(true);
    frame("frm_invRetFund").setVisible(true);
    // Hidden after every initialisation; the inflation adjustment shows some of them afterwards.
    show("lbl_hipayoff", "fp_hipayoff", false);
    show("lbl_lstPay", "fp_lstPay", false);
    for (const char* name : {"lbl_wXP", "lbl_dur1", "lbl_dur2"}) label(name).setVisible(false);
    box("fp_totIntwX").setVisible(false);
    box("fp_totPaywX").setVisible(false);

    bool oneTimeMonthly = option("Opt_invest_1xmnthly").value();
    bool toAnnuity = option("Opt_Inv2Annuity").value();
    bool specDur = option("Opt_Spec_Dur").value();
    bool annuity =
        option("Opt_Annuity").value() || option("Opt_Annuity_Mnthly").value() || option("Opt_Annuity_Duration").value();
    show("lbl_xpaystrt", "fp_xpaystrt", toAnnuity || specDur);
    show("lbl_xpay", "fp_xpay", oneTimeMonthly || toAnnuity);
    box("fp_xpay").setEnabled(oneTimeMonthly);
    show("lbl_IntRate_IA", "comIntr_IA", toAnnuity);
    if (annuity) {
        frame("frm_invIntComp").setVisible(false);
        frame("frm_invRetFund").setVisible(false);
    }
    if (toAnnuity) frame("frm_invRetFund").setVisible(false);
    if (option("Opt_Annuity_Duration").value()) {
        box("fp_Payment").setEnabled(true);
        box("fp_Time").setEnabled(false);
    }

    tb.setButtonEnabled(5, false);
    tb.setMenuItemEnabled(4, 1, false);
    tb.setMenuItemEnabled(4, 2, false);
    if (!frame("frm_invRetFund").visible()) {
        tb.setMenuItemEnabled(4, 3, false);
        tb.setMenuItemEnabled(4, 4, false);
        button("btn_RF2Amt").setEnabled(false);
        button("btn_RFclear").setEnabled(false);
    }
    button("btn_Payoff2RF").setEnabled(false);
}

}  // namespace tv
