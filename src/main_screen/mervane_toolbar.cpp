// The toolbar, the Help menu and the launched programs.
#include "app/program.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::Toolbar1_ButtonClick(int index)
{
    if (index < 1 || index > toolbar("Toolbar1").count()) return;
    // Each button runs its menu command or button; separators run nothing.
    const char* handler = nullptr;
    switch (static_cast<MainTool>(index)) {
        case MainTool::Loan:
            handler = "mnu_view_loan";
            break;
        case MainTool::Table:
            handler = "mnu_LnSheet";
            break;
        case MainTool::Invest:
            handler = "mnu_view_invest";
            break;
        case MainTool::PayoffToAmount:
            handler = "btn_Payoff2Amt";
            break;
        case MainTool::CheckInput:
            handler = "mnu_InvInpChk";
            break;
        case MainTool::Years:
            handler = "mnu_Years";
            break;
        case MainTool::Months:
            handler = "mnu_Months";
            break;
        case MainTool::IniFile:
            handler = "mnu_IniFileEd";
            break;
        case MainTool::History:
            handler = "mnu_History";
            break;
        case MainTool::Exit:
            handler = "mnu_exit";
            break;
    }
    if (handler) fire(handler, "Click");
}

void Mervane::Toolbar1_ButtonMenuClick(int index, int item)
{
    // Only the Invest button has a drop-down; its items are told apart by their place, not their captions.
    if (index != static_cast<int>(MainTool::Invest)) return;
    switch (static_cast<InvestMenuItem>(item)) {
        case InvestMenuItem::PayoffToAmount:
            fire("btn_Payoff2Amt", "Click");
            break;
        case InvestMenuItem::PayoffToFund:
            fire("btn_Payoff2RF", "Click");
            break;
        case InvestMenuItem::FundToAmount:
            fire("btn_RF2Amt", "Click");
            break;
        case InvestMenuItem::ClearFund:
            fire("btn_RFclear", "Click");
            break;
    }
}

void Mervane::setToolEnabled(MainTool tool, bool enabled)
{
    toolbar("Toolbar1").setButtonEnabled(static_cast<int>(tool), enabled);
}

void Mervane::setInvestMenuItemEnabled(InvestMenuItem item, bool enabled)
{
    toolbar("Toolbar1").setMenuItemEnabled(static_cast<int>(MainTool::Invest), static_cast<int>(item), enabled);
}

void Mervane::bindToolbarHandlers()
{
    bind("Toolbar1_ButtonClick", [this](EventArgs& args) { Toolbar1_ButtonClick(args.index); });
    bind("Toolbar1_ButtonMenuClick", [this](EventArgs& args) { Toolbar1_ButtonMenuClick(args.index, args.item); });
    bind("mnu_About_Click", [this] { m_program.aboutBox().show(true); });
    bind("mnu_UpdateHist_Click", [this] { m_program.showUpdateHistory(); });
    bind("mnu_History_Click", [this] { showInFront(m_program.historyWindow()); });
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
