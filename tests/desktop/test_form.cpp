#include "tests/desktop/test_form.h"

#include "screen_model/application.h"

namespace tvtest {

namespace {

using tv::Kind;

const tv::ControlDecl kControls[] = {
    {Kind::Toolbar, "Toolbar1", "", "", {0, 0, 6600, 420}},
    {Kind::Label, "lbl_Amount", "", "Loan &Amount:", {120, 600, 1300, 255}},
    {Kind::MaskedBox, "fp_Amount", "", "", {1500, 560, 1600, 315}, "Loan amount", "$#,##0.00;($#,##0.00)"},
    {Kind::Label, "lbl_Rate", "", "Interest &Rate:  %", {120, 1000, 1300, 255}},
    {Kind::ComboList, "comRate", "", "", {1500, 960, 1600, 315}, "Annual interest rate"},
    {Kind::Frame, "frm_Freq", "", "Installment &Frequency", {3300, 520, 3120, 1320}},
    {Kind::OptionButton, "opt_12", "frm_Freq", "12 (monthly) Payments", {150, 300, 2800, 255}},
    {Kind::OptionButton, "opt_24", "frm_Freq", "24 (2x a month) Payments", {150, 600, 2800, 255}},
    {Kind::OptionButton, "opt_26", "frm_Freq", "26 (every 2 wks) Payments", {150, 900, 2800, 255}},
    {Kind::CheckBox, "chk_Round", "", "Round to &cents", {120, 1440, 3000, 255}},
    {Kind::Line, "Line1", "", "", {120, 1980, 6300, 0}},
    {Kind::Picture, "Image1", "", "", {120, 2130, 480, 480}},
    {Kind::Label, "lbl_Result", "", "Payment:  $699.21 && more", {720, 2160, 2400, 255}},
    {Kind::TextArea, "txtNotes", "", "", {3300, 2100, 3120, 900}},
    {Kind::Grid, "grd", "", "", {120, 3120, 6300, 1900}},
    {Kind::CommandButton, "btn_Calc", "", "&Calculate", {3300, 5160, 1455, 375}},
    {Kind::CommandButton, "btn_Close", "", "Close", {4965, 5160, 1455, 375}},
};

const tv::MenuDecl kMenus[] = {
    {0, "mnu_View", "&View"},
    {1, "mnu_Years", "&Years", "Ctrl+Y"},
    {1, "mnu_Months", "&Months", "Ctrl+M"},
    {1, "mnu_sep1", "-"},
    {1, "mnu_exit", "E&xit"},
    {0, "mnuLoanLen", "&Duration"},
    {1, "mnuOptLen", "&Years", "", 0},
    {1, "mnuOptLen", "&Months", "", 1},
};

tv::ToolButtonDecl tool(const char* key, const char* caption, const char* tip, int image,
                        tv::ToolStyle style = tv::ToolStyle::Default)
{
    return {key, caption, tip, image, style, false, true, true, {}};
}

std::string format(const char* pattern, int a, int b = 0)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, a, b);
    return buf;
}

}  // namespace

TestForm::TestForm(tv::Application& app, EventLog& log) : Form(app, "TestForm", kControls, kMenus)
{
    setCaption(tv::finishedText("Renderer Test Form"));
    setRect({1200, 900, 6780 + 2 * kBorderTwips, 5700 + kTitleBarTwips + 2 * kBorderTwips + kMenuBarTwips});

    auto& bar = toolbar("Toolbar1");
    bar.addButton(tool("Loan", "Mervane", "Do Loan Calculations", 1, tv::ToolStyle::Check));
    bar.addButton(tool("Table", "Table", "Launch Loan Payment Table", 10));
    bar.addButton(tool("", "", "", 0, tv::ToolStyle::Separator));
    tv::ToolButtonDecl invest = tool("Invest", "Invest Calc", "Do Investment Calculations", 3, tv::ToolStyle::DropDown);
    invest.menu = {"PayOff -> Amt", "PayOff -> Ret Fund", "  Ret Fund -> Amt", "  Clear Ret Fund"};
    bar.addButton(invest);
    bar.addButton(tool("Chk Input", "InputChk", "Auto check input", 14));
    bar.addButton(tool("", "", "", 0, tv::ToolStyle::Separator));
    bar.addButton(tool("Exit", "Exit app", "Close the form", 16));

    std::vector<tv::UserText> rates;
    for (int k = 0; k <= 200; ++k) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.3f", k * 0.125);
        rates.push_back(tv::finishedText(buf));
    }
    combo("comRate").setItems(rates);
    option("opt_12").setValue(true);
    picture("Image1").setImage("tarvolin");
    textArea("txtNotes").setText(tv::finishedText("First line\r\nSecond line"));
    label("lbl_Result").setBorder(true);
    label("lbl_Result").setAlignment(tv::Alignment::Right);
    button("btn_Calc").setDefault(true);
    button("btn_Close").setCancel(true);
    menu("mnu_Years").setChecked(true);
    menu("mnuOptLen", 0).setChecked(true);

    auto& g = grid("grd");
    g.setRows(kGridRows);
    g.setCols(kGridCols);
    g.setFixed(1, 1);
    g.setRowHeight(0, 480);
    g.setColWidth(0, 1100);
    g.setText(0, 0, tv::finishedText("Rate"));
    for (int c = 1; c < kGridCols; ++c) {
        g.setText(0, c, tv::finishedText(format("%d Yrs\r\n%d Mos", c * 5, c * 60)));
        g.setFixedAlignment(c, tv::Alignment::Center);
    }
    for (int r = 1; r < kGridRows; ++r) {
        g.setText(r, 0, tv::finishedText(format("%d.000 %%", 5 + r)));
        for (int c = 1; c < kGridCols; ++c) g.setText(r, c, tv::finishedText(format("$%d.%02d", 1000 + r * 100 + c)));
    }

    auto logged = [this, &log](const std::string& what) { bind(what, [&log, what] { log.push_back(what); }); };
    bind("fp_Amount_GotFocus", [this, &log] {
        log.push_back("fp_Amount_GotFocus");
        auto& b = box("fp_Amount");
        b.setSelection(0, static_cast<int>(b.text().size()));
    });
    bind("fp_Amount_Change", [this, &log] { log.push_back("fp_Amount_Change:" + box("fp_Amount").text()); });
    logged("fp_Amount_LostFocus");
    bind("comRate_Click",
         [this, &log] { log.push_back("comRate_Click:" + std::to_string(combo("comRate").listIndex())); });
    logged("opt_12_Click");
    logged("opt_24_Click");
    logged("opt_26_Click");
    bind("chk_Round_Click",
         [this, &log] { log.push_back("chk_Round_Click:" + std::to_string(check("chk_Round").value())); });
    logged("btn_Calc_Click");
    logged("btn_Close_Click");
    logged("lbl_Result_Click");
    bind("grd_Click", [this, &log] {
        auto& g = grid("grd");
        log.push_back("grd_Click:" + std::to_string(g.row()) + "," + std::to_string(g.col()));
    });
    logged("grd_DblClick");
    bind("Toolbar1_ButtonClick", tv::Handler([this, &log](tv::EventArgs& a) {
             log.push_back("Toolbar1_ButtonClick:" + std::to_string(a.index));
             // The Loan button is pressed by its handler, as the main screen does it.
             if (a.index == 1) toolbar("Toolbar1").setPressed(1, true);
         }));
    bind("Toolbar1_ButtonMenuClick", tv::Handler([&log](tv::EventArgs& a) {
             log.push_back("Toolbar1_ButtonMenuClick:" + std::to_string(a.index) + "," + std::to_string(a.item));
         }));
    bind("mnu_Years_Click", [this, &log] {
        log.push_back("mnu_Years_Click");
        menu("mnu_Years").setChecked(true);
        menu("mnu_Months").setChecked(false);
    });
    bind("mnu_Months_Click", [this, &log] {
        log.push_back("mnu_Months_Click");
        menu("mnu_Years").setChecked(false);
        menu("mnu_Months").setChecked(true);
    });
    bind("mnuOptLen_Click", tv::Handler([this, &log](tv::EventArgs& a) {
             log.push_back("mnuOptLen_Click:" + std::to_string(a.index));
             menu("mnuOptLen", 0).setChecked(a.index == 0);
             menu("mnuOptLen", 1).setChecked(a.index == 1);
         }));
    logged("mnu_exit_Click");
    bind("Form_Unload", tv::Handler([this, &log](tv::EventArgs& a) {
             log.push_back("Form_Unload");
             a.cancel = refuseUnload;
         }));
}

}  // namespace tvtest
