// The two views, the duration unit, the input checker switch and the field layout of each option.
#include "app/program.h"
#include "common/numbers.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

// Where "Total Payments:" and "Total Contributions:" sit: both end where the input labels end.
constexpr Rect kTotPayNarrow{mervane_layout::kTotPayNarrowLeft, 0, mervane_layout::kTotPayNarrowWidth, 0};
constexpr Rect kTotPayWide{mervane_layout::kTotPayWideLeft, 0, mervane_layout::kTotPayWideWidth, 0};

}  // namespace

void Mervane::mnu_view_loan_Click()
{
    setCaption(formText<"Mervane", "Financial Calculator - Loans">());
    menu("mnu_LnSheet").setEnabled(true);
    for (NameOf<Kind::Frame> name : NameList<Kind::Frame>{"frm_invSolve", "frm_invIntComp", "frm_invRetFund"})
        frame(name).setVisible(false);
    frame("frm_LnInstFreq").setVisible(true);
    frame("frm_LnSolve").setVisible(true);
    label("lbl_IntRate_IA").setVisible(false);
    combo("comIntr_IA").setVisible(false);
    menu("mnu_view_loan").setChecked(true);
    menu("mnu_view_invest").setChecked(false);
    label("lbl_Prin").setCaption(formText<"Mervane", "Loan &Amount:     ">());
    label("lbl_Payment").setCaption(formText<"Mervane", "&Payment:            ">());
    Label& totPay = label("lbl_totPay");
    totPay.setCaption(formText<"Mervane", "Total Payments:">());
    totPay.setRect({kTotPayNarrow.left, totPay.top(), kTotPayNarrow.width, totPay.height()});
    label("lbl_xpaystrt").setCaption(formText<"Mervane", "Start &Xtra Payments which Installment:">());
    label("lbl_xpay").setCaption(formText<"Mervane", "&Xtra Payment:     ">());
    box("fp_xpaystrt").setText("0");
    setToolPressed(MainTool::Loan, true);
    setToolPressed(MainTool::Invest, false);
    setToolEnabled(MainTool::Table, true);
    setToolEnabled(MainTool::PayoffToAmount, false);
    for (InvestMenuItem item : {InvestMenuItem::PayoffToAmount, InvestMenuItem::PayoffToFund,
                                InvestMenuItem::FundToAmount, InvestMenuItem::ClearFund})
        setInvestMenuItemEnabled(item, false);
    setToolEnabled(MainTool::CheckInput, false);
    menu("mnu_InvInpChk").setEnabled(false);
    button("btn_RF2Amt").setEnabled(false);
    button("btn_RFclear").setEnabled(false);
    // Only the first switch (made at start-up) leaves the inputs alone; the count stops at 2.
    if (m_calc.viewSwitchCount < 2) ++m_calc.viewSwitchCount;
    if (m_calc.viewSwitchCount != 1) Btn_Clear_Click();
}

void Mervane::mnu_view_invest_Click()
{
    setCaption(formText<"Mervane", "Financial Calculator - Investments">());
    menu("mnu_LnSheet").setEnabled(false);
    frame("frm_LnInstFreq").setVisible(false);
    frame("frm_LnSolve").setVisible(false);
    frame("frm_invSolve").setVisible(true);
    for (LabelName name :
         NameList<Kind::Label>{"lbl_hipayoff", "lbl_payoff_msg", "lbl_wXP", "lbl_dur1", "lbl_dur2", "lbl_lstPay"})
        label(name).setVisible(false);
    for (NameOf<Kind::MaskedBox> name :
         NameList<Kind::MaskedBox>{"fp_hipayoff", "fp_totIntwX", "fp_totPaywX", "fp_lstPay"})
        box(name).setVisible(false);
    menu("mnu_view_loan").setChecked(false);
    menu("mnu_view_invest").setChecked(true);
    label("lbl_Prin").setCaption(formText<"Mervane", "Invested &Amount:">());
    label("lbl_Payment").setCaption(formText<"Mervane", "&PayOff:                ">());
    Label& totPay = label("lbl_totPay");
    totPay.setCaption(formText<"Mervane", "Total Contributions:">());
    totPay.setRect({kTotPayWide.left, totPay.top(), kTotPayWide.width, totPay.height()});
    label("lbl_xpay").setCaption(formText<"Mervane", "Annuity &Payment:">());
    m_calc.invGroup = 1;
    box("fp_xpaystrt").setText("0");
    setToolPressed(MainTool::Loan, false);
    setToolPressed(MainTool::Invest, true);
    setToolEnabled(MainTool::Table, false);
    setToolEnabled(MainTool::CheckInput, true);
    menu("mnu_InvInpChk").setEnabled(true);
    if (m_calc.viewSwitchCount < 2) ++m_calc.viewSwitchCount;
    if (m_calc.viewSwitchCount != 1) Btn_Clear_Click();
}

void Mervane::mnu_Months_Click()
{
    if (menu("mnu_Months").checked()) return;
    menu("mnu_Years").setChecked(false);
    menu("mnu_Months").setChecked(true);
    label("lbl_Time").setCaption(formText<"Mervane", "&Duration:  (Mos)">());
    // The toolbar's Years/Months pair shows the unit however it was chosen.
    setToolPressed(MainTool::Years, false);
    setToolPressed(MainTool::Months, true);
    MaskedBox& time = box("fp_Time");
    if (time.text().empty()) time.setText("0");
    setBoxNumber("fp_Time", wholeMonths(value("fp_Time")));
}

void Mervane::mnu_Years_Click()
{
    if (menu("mnu_Years").checked()) return;
    menu("mnu_Years").setChecked(true);
    menu("mnu_Months").setChecked(false);
    label("lbl_Time").setCaption(formText<"Mervane", "&Duration:  (Yrs)">());
    setToolPressed(MainTool::Years, true);
    setToolPressed(MainTool::Months, false);
    MaskedBox& time = box("fp_Time");
    if (time.text().empty()) time.setText("0");
    m_calc.durYears = roundToMonth(value("fp_Time") / 12);
    setBoxNumber("fp_Time", m_calc.durYears);
}

void Mervane::mnu_InvInpChk_Click()
{
    m_calc.inputCheckOn = !m_calc.inputCheckOn;
    toolbar("Toolbar1").setImage(static_cast<int>(MainTool::CheckInput), m_calc.inputCheckOn ? 13 : 14);
    MenuItem& item = menu("mnu_InvInpChk");
    item.setChecked(!item.checked());
}

namespace {
// Two lines of a note.
constexpr int kBalloonNoteHeight = 480;
}  // namespace

void Mervane::layoutInputColumn()
{
    // A row is a label and its box, or a note alone (its second name repeats the first).
    struct Row {
        AnyName first;
        AnyName second;
        int height;
    };
    static constexpr Row kRows[] = {
        {"lbl_Prin", "fp_Prin", 375},
        {"lbl_IntRate", "comIntr", 375},
        {"lbl_exactRate", "btn_UseExact", 330},
        {"lbl_Time", "fp_Time", 375},
        {"lbl_Payment", "fp_Payment", 375},
        {"lbl_xpaystrt", "fp_xpaystrt", 375},
        {"lbl_xpay", "fp_xpay", 375},
        {"lbl_hipayoff", "fp_hipayoff", 375},
        {"lbl_IntRate_IA", "comIntr_IA", 375},
        {"lbl_dur1", "lbl_dur2", 510},
        {"lbl_lstPay", "fp_lstPay", 375},
        {"lbl_xtra_w_last", "lbl_xtra_w_last", 330},
        {"lbl_xtra_saved", "lbl_xtra_saved", 330},
        {"lbl_payoff_msg", "lbl_payoff_msg", 330},
    };
    // Labels sit a little lower than the boxes beside them, so their text lines up with the boxes' text.
    auto place = [this](AnyName name, int top) {
        Control& c = control(name);
        c.move(c.left(), c.kind() == Kind::Label ? top + 45 : top);
    };
    int y = 600;
    for (const Row& row : kRows) {
        if (!control(row.first).visible() && !control(row.second).visible()) continue;
        place(row.first, y);
        place(row.second, y);
        y += row.height;
    }
    y += 60;
    control("Line1").move(mervane_layout::kLabelLeft, y);
    y += 120;
    if (label("lbl_wXP").visible()) {
        label("lbl_wXP").move(label("lbl_wXP").left(), y);
        y += 270;
    }
    for (AnyName name : AnyNames{"lbl_totInt", "fp_totInt", "fp_totIntwX"}) place(name, y);
    y += 375;
    for (AnyName name : AnyNames{"lbl_totPay", "fp_totpay", "fp_totPaywX"}) place(name, y);
    // The balloon note stands under the totals; where they leave it no room above the commands, under the
    // installment frequencies beside them.
    Label& balloon = label("lbl_balloon");
    y += 375 + 45;
    const int commandsTop = button("btn_Calc").top();
    if (y + kBalloonNoteHeight + 60 <= commandsTop) {
        balloon.setRect({mervane_layout::kLabelLeft, y,
                         mervane_layout::kExtraLeft + mervane_layout::kBoxWidth - mervane_layout::kLabelLeft,
                         kBalloonNoteHeight});
    } else {
        const Control& frequencies = control("frm_LnInstFreq");
        const int top = frequencies.top() + frequencies.height() + 120;
        balloon.setRect({frequencies.left(), top, frequencies.width(), commandsTop + 405 - top});
    }
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
    button("btn_UseExact").setVisible(false);
    label("lbl_xtra_saved").setVisible(false);
    label("lbl_balloon").setVisible(false);
    menu("mnu_FundChart").setEnabled(false);
    auto show = [this](LabelName labelName, AnyName boxName, bool visible) {
        label(labelName).setVisible(visible);
        control(boxName).setVisible(visible);
    };

    if (inLoanView()) {
        label("lbl_xtra_w_last").setVisible(false);
        box("fp_Payment").setEnabled(true);
        box("fp_Time").setEnabled(true);
        const LoanGroup group = loanInfo().group;
        const bool payoff = group == LoanGroup::Payoff;
        const bool extra = group == LoanGroup::Extra;
        show("lbl_xpaystrt", "fp_xpaystrt", payoff || extra);
        show("lbl_xpay", "fp_xpay", payoff || extra);
        box("fp_xpay").setEnabled(extra);
        show("lbl_hipayoff", "fp_hipayoff", payoff);
        label("lbl_wXP").setVisible(payoff || extra);
        box("fp_totIntwX").setVisible(payoff || extra);
        box("fp_totPaywX").setVisible(payoff || extra);
        label("lbl_dur1").setVisible(extra);
        label("lbl_dur2").setVisible(extra);
        show("lbl_lstPay", "fp_lstPay", extra);
        if (payoff) {
            Label& msg = label("lbl_payoff_msg");
            msg.setCaption(formText<"Mervane", "Varies with number of days between Last Installment and Payoff">());
            msg.setVisible(true);
        }
        return;
    }

    const InvestOptionInfo& info = investInfo();
    box("fp_Payment").setEnabled(info.solvesDuration);
    box("fp_Time").setEnabled(!info.solvesDuration);
    // Hidden after every initialisation; the inflation adjustment shows some of them afterwards.
    show("lbl_hipayoff", "fp_hipayoff", false);
    show("lbl_lstPay", "fp_lstPay", false);
    for (LabelName name : NameList<Kind::Label>{"lbl_wXP", "lbl_dur1", "lbl_dur2", "lbl_xtra_w_last"})
        label(name).setVisible(false);
    box("fp_totIntwX").setVisible(false);
    box("fp_totPaywX").setVisible(false);

    show("lbl_xpaystrt", "fp_xpaystrt", info.showsStart);
    show("lbl_xpay", "fp_xpay", info.showsExtra);
    box("fp_xpay").setEnabled(info.extraTyped);
    show("lbl_IntRate_IA", "comIntr_IA", info.showsAnnuityRate);
    frame("frm_invIntComp").setVisible(info.showsCompounding);
    frame("frm_invRetFund").setVisible(info.showsRetirementFund);

    setToolEnabled(MainTool::PayoffToAmount, false);
    setInvestMenuItemEnabled(InvestMenuItem::PayoffToAmount, false);
    setInvestMenuItemEnabled(InvestMenuItem::PayoffToFund, false);
    if (!info.showsRetirementFund) setFundTransfersEnabled(false);
    button("btn_Payoff2RF").setEnabled(false);
}

}  // namespace tv
