// The toolbar, the Help menu and the launched programs.
#include "app/program.h"
#include "info/about.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::Toolbar1_ButtonClick(int index)
{
    Toolbar& tb = toolbar("Toolbar1");
    if (index < 1 || index > tb.count()) return;
    // Buttons are told apart by their first name; each runs its menu command or button.
    const std::string& key = tb.button(index).key;
    const std::pair<const char*, const char*> commands[] = {
        {"Loan", "mnu_view_loan"},     {"Invest", "mnu_view_invest"},  {"Years", "mnu_Years"},
        {"Months", "mnu_Months"},      {"Table", "mnu_LnSheet"},       {"PO>IA", "btn_Payoff2Amt"},
        {"Ini File", "mnu_IniFileEd"}, {"Chk Input", "mnu_InvInpChk"}, {"Exit", "mnu_exit"},
    };
    for (auto [name, handler] : commands) {
        if (key == name) {
            fire(handler, "Click");
            return;
        }
    }
}

void Mervane::Toolbar1_ButtonMenuClick(int index, int item)
{
    Toolbar& tb = toolbar("Toolbar1");
    if (index < 1 || index > tb.count()) return;
    const auto& menu = tb.button(index).menu;
    if (item < 1 || item > static_cast<int>(menu.size())) return;
    std::string text = menu[static_cast<std::size_t>(item - 1)].text;
    text.erase(0, text.find_first_not_of(' '));
    const std::pair<const char*, const char*> commands[] = {
        {"PayOff -> Amt", "btn_Payoff2Amt"},
        {"PayOff -> Ret Fund", "btn_Payoff2RF"},
        {"Ret Fund -> Amt", "btn_RF2Amt"},
        {"Clear Ret Fund", "btn_RFclear"},
    };
    for (auto [name, handler] : commands) {
        if (text == name) {
            fire(handler, "Click");
            return;
        }
    }
}

void Mervane::bindToolbarHandlers()
{
    bind("Toolbar1_ButtonClick", [this](EventArgs& args) { Toolbar1_ButtonClick(args.index); });
    bind("Toolbar1_ButtonMenuClick", [this](EventArgs& args) { Toolbar1_ButtonMenuClick(args.index, args.item); });
    bind("mnu_About_Click", [this] { m_program.about().show(true); });
    bind("mnu_UpdateHist_Click", [this] { showUpdateHistory(m_program); });
    bind("Mnu_HelpDefinitions_Click", [this] { platform().showHelp("Mervane.hlp", 3); });
    bind("mnu_WinCalc_Click", [this] { launch("Calc.exe"); });
    bind("mnu_DOSLnPrg_Click", [this] { launch("Pellidor.exe"); });
    // The older text-mode loan program does not exist on this desktop; its menu item stays disabled.
    menu("mnu_DOSLnPrg").setEnabled(false);
}

void Mervane::launch(const std::string& commandLine)
{
    app().setPointer(Pointer::Hourglass);
    platform().startProgram(commandLine, 1);
    app().setPointer(Pointer::Default);
}

}  // namespace tv
