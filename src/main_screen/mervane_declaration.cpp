// The main screen's toolbar.
#include "main_screen/mervane.h"

namespace tv {

void Mervane::declareToolbar()
{
    Toolbar& tb = toolbar("Toolbar1");
    auto add = [&tb](const char* key, const char* caption, const char* tip, ToolStyle style = ToolStyle::Default) {
        ToolButtonDecl b{key, caption, tip, 0, style, false, true, true, {}};
        if (style == ToolStyle::DropDown)
            b.menu = {"PayOff -> Amt", "PayOff -> Ret Fund", "  Ret Fund -> Amt", "  Clear Ret Fund"};
        tb.addButton(b);
    };
    auto separator = [&add] { add("", "", "", ToolStyle::Separator); };
    add("Loan", "Mervane", "Do Loan Calculations", ToolStyle::Check);
    add("Table", "Table", "Launch Loan Payment Table");
    separator();
    add("Invest", "Invest Calc", "Do Investment Calculations", ToolStyle::DropDown);
    add("PO>IA", "PO>IA", "PayOff -> Invest Amt");
    add("Chk Input", "InputChk", "Auto check input for appropriate values");
    separator();
    add("Years", "Years", "Calculate using Years", ToolStyle::Check);
    add("Months", "Months", "Compute in Months", ToolStyle::Check);
    separator();
    add("Ini File", "Ini File Editor", "Modify startup values");
    add("History", "History", "Calculation history: restore and compare (Ctrl+H)");
    separator();
    separator();
    add("Exit", "Exit app", "Close Tarvolin");
}

}  // namespace tv
