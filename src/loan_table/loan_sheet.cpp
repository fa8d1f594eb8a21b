#include "loan_table/loan_sheet.h"

#include <algorithm>

#include "app/links.h"
#include "app/program.h"
#include "app/rate_list.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "common/user_text.h"
#include "screen_model/application.h"

namespace tv {

namespace {

// Client area of the window (twips), with two lines under the grid for a schedule's note.
constexpr int kClientWidth = 8085;
constexpr int kClientHeight = 6330;

// The input boxes, which align their text right and select all of it when they receive the focus.
constexpr LoanSheet::NameOf<Kind::MaskedBox> kInputBoxes[] = {"txtPurchTotl", "txtDwnPay", "txtLenMin", "txtLenMax"};

// The most a percent down payment may be.
constexpr double kMaxPercentDown = 99;

}  // namespace

void showInFront(Form& form)
{
    const bool wasShown = form.loaded() && form.visible();
    form.show();
    // A window that is shown already only comes to the front.
    if (wasShown) form.app().formChanged(form, FormEvent::Shown);
}

LoanSheet::LoanSheet(Program& program) : DeclaredForm(program.app(), "LoanSheet"), m_program(program)
{
    setCaption(formText<"LoanSheet", "LoanSheet">());
    setRect({0, 0, kClientWidth + 2 * kBorderTwips, kClientHeight + kTitleBarTwips + 2 * kBorderTwips + kMenuBarTwips});
    for (NameOf<Kind::MaskedBox> name : kInputBoxes) box(name).setAlignment(Alignment::Right);
    button("cmdCalcPmts").setDefault(true);
    setInputErrorStyle(errorTitle(), MsgIcon::Exclamation);
    button("cmdCalcAmort").setEnabled(false);
    menu("mnuOptCopy").setEnabled(false);
    menu("mnuOptPrint").setEnabled(false);
    setExportEnabled(false);
    menu("mnuOptDwn", 0).setChecked(true);
    menu("mnuOptLen", 0).setChecked(true);
    grid("grdPayments").setFixed(1, 1);
    bindHandlers();
}

Module1& LoanSheet::module1() const
{
    return m_program.module1();
}

bool LoanSheet::percentDown() const
{
    return menu("mnuOptDwn", 0).checked();
}

bool LoanSheet::inMonths() const
{
    return menu("mnuOptLen", 1).checked();
}

void LoanSheet::bindHandlers()
{
    bind("Form_Load", [this] { Form_Load(); });
    bind("Form_Unload", [this](EventArgs& args) { Form_Unload(args); });
    bind("txtPurchTotl_Change", [this] { txtPurchTotl_Change(); });
    bind("txtDwnPay_Change", [this] { txtDwnPay_Change(); });
    bind("txtLenMin_Change", [this] { txtLenMin_Change(); });
    bind("txtLenMax_Change", [this] { txtLenMax_Change(); });
    bind("comIntrMin_Click", [this] { comIntrMin_Click(); });
    bind("comIntrMax_Click", [this] { comIntrMax_Click(); });
    bind("cmdCalcPmts_Click", [this] { cmdCalcPmts_Click(); });
    bind("cmdCalcAmort_Click", [this] { cmdCalcAmort_Click(); });
    bind("grdPayments_Click", [this] { grdPayments_Click(); });
    bind("grdPayments_DblClick", [this] { grdPayments_DblClick(); });
    bind("mnuOptCopy_Click", [this] { mnuOptCopy_Click(); });
    bind("mnuOptPrint_Click", [this] { mnuOptPrint_Click(); });
    bind("mnuOptInstruct_Click", [this] { mnuOptInstruct_Click(); });
    bind("mnuOptExit_Click", [this] { mnuOptExit_Click(); });
    bind("mnuOptDwn_Click", [this](EventArgs& args) { mnuOptDwn_Click(static_cast<std::int16_t>(args.index)); });
    bind("mnuOptLen_Click", [this](EventArgs& args) { mnuOptLen_Click(static_cast<std::int16_t>(args.index)); });
    bind("Btn_Clear_Click", [this] { Btn_Clear_Click(); });
    bind("Btn_Close_Click", [this] { Btn_Close_Click(); });
    bindExportHandlers();
    // An input box selects its whole text when it receives the focus, so typing replaces the value.
    for (NameOf<Kind::MaskedBox> name : kInputBoxes) {
        MaskedBox& b = box(name);
        bind(b.name() + "_GotFocus", [&b] { b.setSelection(0, static_cast<int>(b.text().size())); });
    }
}

void LoanSheet::Form_Load()
{
    app().setPointer(Pointer::Hourglass);
    SetSheetColors();
    MainScreenLink& main = m_program.mainScreen();
    main.setToolPressed(MainTool::Table, true);

    // Every opening starts a fresh screen: nothing of an earlier opening carries over.
    purchAmt = loanAmt = lenMin = lenMax = intrMin = intrMax = 0;
    lenStep = 1;
    pmtTable = {};
    showingSchedule = false;
    selPayment = mnthRate = termMonths = 0;
    amortTable = {};
    label("lblScheduleNote").setCaption({});
    tableText.clear();
    dwnPay = 0;
    module1().CenterForm(*this, 1200, 600);

    minRates().fill();
    maxRates().fill();

    Grid& g = grid("grdPayments");
    g.setCurrent(0, 0);
    rateCount = 16;
    lenCount = 3;
    SizeGrid(g);

    // The lengths around the main screen's duration.
    const TableStart start = main.tableStart();
    if (start.months) {
        mnuOptLen_Click(1);
        box("txtLenMax").setText(plainText(start.duration + 12));
        box("txtLenMin").setText(plainText(start.duration - 12));
        if (value("txtLenMin") <= 0) box("txtLenMin").setText("6");
    } else {
        mnuOptLen_Click(0);
        box("txtLenMax").setText(plainText(start.duration + 1));
        box("txtLenMin").setText(plainText(start.duration - 1));
        if (value("txtLenMin") <= 0) box("txtLenMin").setText("1");
    }

    // The loan amount itself, not reduced by any down payment.
    box("txtPurchTotl").setText(plainText(start.amount));
    box("txtDwnPay").setText("0");

    // Rates half a percent either side of the main screen's; a rate above 24.625 % takes the last entry.
    const double entry = start.ratePercent / kTableRateStepPercent;  // the main screen's rate in table entries
    const double halfPercent = 0.5 / kTableRateStepPercent;
    const double maxIndex = std::min(roundHalfEven(entry + halfPercent), static_cast<double>(kTableMaxRateIndex));
    maxRates().choose(static_cast<int>(maxIndex));
    const double t = entry - halfPercent;
    minRates().choose(t <= 0 ? 0 : static_cast<int>(roundHalfEven(t)));
    app().setPointer(Pointer::Default);
}

void LoanSheet::Form_Unload(EventArgs&)
{
    m_program.mainScreen().setToolPressed(MainTool::Table, false);
}

RateList LoanSheet::minRates()
{
    return RateList(combo("comIntrMin"), RateScale::Table);
}

RateList LoanSheet::maxRates()
{
    return RateList(combo("comIntrMax"), RateScale::Table);
}

double LoanSheet::value(NameOf<Kind::MaskedBox> boxName) const
{
    return readBoxValue(box(boxName).text());
}

void LoanSheet::error(const UserText& text)
{
    msgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, errorTitle());
}

void LoanSheet::txtPurchTotl_Change()
{
    purchAmt = value("txtPurchTotl");
}

void LoanSheet::txtLenMin_Change()
{
    lenMin = value("txtLenMin");
}

void LoanSheet::txtLenMax_Change()
{
    lenMax = value("txtLenMax");
}

double LoanSheet::financedOf(double purchase, double down) const
{
    const double downPayment = percentDown() ? purchase * down / 100 : down;
    const std::optional<Cents> price = centsOf(purchase);
    const std::optional<Cents> downCents = centsOf(downPayment);
    if (!price || !downCents) return purchase - downPayment;  // beyond what the checks accept
    return dollarsOf(*price - *downCents);
}

UserText LoanSheet::downPaymentProblem() const
{
    if (percentDown() && dwnPay > kMaxPercentDown)
        return composeText<"Down payment percentage cannot exceed %1 percent.">(plainText(kMaxPercentDown));
    if (menu("mnuOptDwn", 1).checked() && dwnPay > purchAmt)
        return userText<"Down payment amount cannot exceed purchase amount.">();
    if (dwnPay < 0) return userText<"Down payment amount must be zero or greater.">();
    return {};
}

void LoanSheet::txtDwnPay_Change()
{
    MaskedBox& down = box("txtDwnPay");
    dwnPay = value("txtDwnPay");
    if (down.text().empty()) return;  // an emptied box is 0, and 0 is always accepted
    const UserText problem = downPaymentProblem();
    if (problem.empty()) return;
    error(problem);
    down.setText("");
    down.setFocus();
}

void LoanSheet::comIntrMax_Click()
{
    intrMax = maxRates().percent();
    if (intrMax < intrMin) {
        error(userText<"Maximum interest rate must be greater than or equal to the minimum interest rate.">());
        minRates().choose(maxRates().index());
    }
}

void LoanSheet::comIntrMin_Click()
{
    intrMin = minRates().percent();
    if (intrMax < intrMin) {
        error(userText<"Minimum interest rate must be less than or equal to the maximum interest rate.">());
        minRates().choose(maxRates().index());
    }
}

}  // namespace tv
