#include "loan_table/loan_sheet.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "main_screen/mervane.h"
#include "screen_model/application.h"

namespace tv {

namespace {

// Client area of the window (twips).
constexpr int kClientWidth = 8085;
constexpr int kClientHeight = 5850;

// The main screen's toolbar button that opens this screen; pressed while it is loaded.
constexpr int kTableButton = 2;

// The rate lists: "0.000", then 0.25 to 25.00 in steps of 0.25.
std::vector<std::string> rateEntries()
{
    std::vector<std::string> items;
    items.reserve(kTableMaxRateIndex + 1);
    items.emplace_back("0.000");
    for (int k = 1; k <= kTableMaxRateIndex; ++k)
        items.push_back(formatNumber(k * kTableRateStepPercent, kFixed2Format));
    return items;
}

// The value a main-screen box shows, or nothing when it is empty or not a number.
std::optional<double> shownValue(const MaskedBox& box)
{
    if (box.text().find_first_not_of(' ') == std::string::npos) return std::nullopt;
    return parseBoxValue(box.text());
}

}  // namespace

void showInFront(Form& form)
{
    const bool wasShown = form.loaded() && form.visible();
    form.show();
    // A window that is shown already only comes to the front.
    if (wasShown) form.app().formChanged(form, FormEvent::Shown);
}

LoanSheet::LoanSheet(Program& program)
    : Form(program.app(), "LoanSheet", controlTable(), menuTable()), m_program(program)
{
    setCaption("LoanSheet");
    setRect({0, 0, kClientWidth + 2 * kBorderTwips, kClientHeight + kTitleBarTwips + 2 * kBorderTwips + kMenuBarTwips});
    for (const char* name : {"txtPurchTotl", "txtDwnPay", "txtLenMin", "txtLenMax"})
        box(name).setAlignment(Alignment::Right);
    button("cmdCalcPmts").setDefault(true);
    setInputErrorStyle(kErrorTitle, MsgIcon::Exclamation);
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
    for (const char* name : {"txtPurchTotl", "txtDwnPay", "txtLenMin", "txtLenMax"}) {
        bind(std::string(name) + "_GotFocus", [this, name] {
            MaskedBox& b = box(name);
            b.setSelection(0, static_cast<int>(b.text().size()));
        });
    }
}

void LoanSheet::Form_Load()
{
    app().setPointer(Pointer::Hourglass);
    SetSheetColors();
    Mervane& main = m_program.mervane();
    main.toolbar("Toolbar1").setPressed(kTableButton, true);

    // Every opening starts a fresh screen: nothing of an earlier opening carries over.
    purchAmt = loanAmt = lenMin = lenMax = intrMin = intrMax = 0;
    lenStep = 1;
    pmtTable = {};
    showingSchedule = false;
    selPayment = mnthRate = termMonths = 0;
    amortTable = {};
    tableText.clear();
    dwnPay = 0;
    module1().CenterForm(*this, 1200, 600);

    std::vector<std::string> rates = rateEntries();
    combo("comIntrMin").setItems(rates);
    combo("comIntrMax").setItems(rates);

    Grid& g = grid("grdPayments");
    g.setCurrent(0, 0);
    rateCount = 16;
    lenCount = 3;
    SizeGrid(g);

    // The lengths around the main screen's duration. An empty box, or one that is not a number, stands for
    // the duration the main screen starts with.
    const bool months = main.inMonthView();
    const double duration = shownValue(main.box("fp_Time")).value_or(main.iniLoanDuration * (months ? 12 : 1));
    if (months) {
        mnuOptLen_Click(1);
        box("txtLenMax").setText(plainText(duration + 12));
        box("txtLenMin").setText(plainText(duration - 12));
        if (value("txtLenMin") <= 0) box("txtLenMin").setText("6");
    } else {
        mnuOptLen_Click(0);
        box("txtLenMax").setText(plainText(duration + 1));
        box("txtLenMin").setText(plainText(duration - 1));
        if (value("txtLenMin") <= 0) box("txtLenMin").setText("1");
    }

    // The loan amount itself, not reduced by any down payment; likewise the start-up amount for a box that
    // is empty or not a number.
    box("txtPurchTotl").setText(plainText(shownValue(main.box("fp_Prin")).value_or(main.iniLoanAmount)));
    box("txtDwnPay").setText("0");

    // Rates half a percent either side of the main screen's; a rate above 24.625 % takes the last entry.
    const double rate = leadingNumber(main.combo("comIntr").text());
    const double maxIndex = std::min(roundHalfEven(rate * 4 + 2), static_cast<double>(kTableMaxRateIndex));
    combo("comIntrMax").setListIndex(static_cast<int>(maxIndex));
    const double t = rate * 4 - 2;
    combo("comIntrMin").setListIndex(t <= 0 ? 0 : static_cast<int>(roundHalfEven(t)));
    app().setPointer(Pointer::Default);
}

void LoanSheet::Form_Unload(EventArgs&)
{
    m_program.mervane().toolbar("Toolbar1").setPressed(kTableButton, false);
}

double LoanSheet::value(const std::string& boxName) const
{
    return readBoxValue(box(boxName).text());
}

void LoanSheet::error(const std::string& text)
{
    msgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, kErrorTitle);
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

std::string LoanSheet::downPaymentProblem() const
{
    if (percentDown() && dwnPay > 99) return "Down payment percentage cannot exceed 99 percent.";
    if (menu("mnuOptDwn", 1).checked() && dwnPay > purchAmt)
        return "Down payment amount cannot exceed purchase amount.";
    if (dwnPay < 0) return "Down payment amount must be zero or greater.";
    return {};
}

void LoanSheet::txtDwnPay_Change()
{
    MaskedBox& down = box("txtDwnPay");
    dwnPay = value("txtDwnPay");
    if (down.text().empty()) return;  // an emptied box is 0, and 0 is always accepted
    std::string problem = downPaymentProblem();
    if (problem.empty()) return;
    error(problem);
    down.setText("");
    down.setFocus();
}

void LoanSheet::comIntrMax_Click()
{
    intrMax = leadingNumber(combo("comIntrMax").text());
    if (intrMax < intrMin) {
        error("Maximum interest rate must be greater than or equal to the minimum interest rate.");
        combo("comIntrMin").setListIndex(combo("comIntrMax").listIndex());
    }
}

void LoanSheet::comIntrMin_Click()
{
    intrMin = leadingNumber(combo("comIntrMin").text());
    if (intrMax < intrMin) {
        error("Minimum interest rate must be less than or equal to the maximum interest rate.");
        combo("comIntrMin").setListIndex(combo("comIntrMax").listIndex());
    }
}

}  // namespace tv
