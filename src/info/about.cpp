#include "info/about.h"

#include "app/program.h"
#include "settings/file_system.h"

namespace tv {

About::About(Program& program) : DeclaredForm(program.app(), "About"), m_program(program)
{
    setCaption(formText<"About", "About Tarvolin">());
    setRect({0, 0, 5280 + 2 * kBorderTwips, 4380 + kTitleBarTwips + 2 * kBorderTwips});
    picture("Image1").setImage("app-icon");
    Font title;
    title.size = 14;
    title.bold = true;
    label("lbl_Title").setFont(title);
    label("Label1").setCaption(formText<"About", "Desktop edition for Linux, built with Qt 6">());
    Font heading;
    heading.bold = true;
    label("lbl_Disclaimer1").setFont(heading);
    label("lbl_Disclaimer2").setBackColor(0x00C0C0C0);
    label("lbl_Disclaimer2").setForeColor(0x00000000);
    button("Command1").setDefault(true);
    button("Command1").setCancel(true);
    bind("Form_Load", [this] { Form_Load(); });
    bind("Updates_Click", [this] { Updates_Click(); });
    bind("Command1_Click", [this] { Command1_Click(); });
}

void About::Form_Load()
{
    label("lbl_Ver").setCaption(composeFormText<"About", "Version %1">(std::string("6.03.07")));
    label("lbl_Date").setCaption(finishedText("5/25/2002"));
    // The whole path, so the user can find the file the program reads and saves.
    label("lbl_Settings").setCaption(composeFormText<"About", "Settings: %1">(absolutePath(m_program.settingsPath())));
    m_program.module1().CenterForm(*this, 0, 0);
    label("lbl_Disclaimer2")
        .setCaption(formText<"About",
                             "Some annuity payments could not be verified.  It is believed that the equations are "
                             "correct and therefore the figures are assumed to be correct; but you know what happens "
                             "to assume.">());
}

void About::Updates_Click()
{
    showUpdateHistory(m_program);
}

void About::Command1_Click()
{
    unload();
}

UpdateHist::UpdateHist(Program& program) : DeclaredForm(program.app(), "UpdateHist"), m_program(program)
{
    setCaption(formText<"UpdateHist", "Mervane Update History">());
    setRect({0, 0, 8760 + 2 * kBorderTwips, 5295 + kTitleBarTwips + 2 * kBorderTwips});
    button("btn_OK").setDefault(true);
    button("btn_OK").setCancel(true);
    bind("Form_Load", [this] { Form_Load(); });
    bind("btn_OK_Click", [this] { btn_OK_Click(); });
}

void UpdateHist::Form_Load()
{
    m_program.module1().CenterForm(*this, -1700, -1500);
}

void UpdateHist::btn_OK_Click()
{
    unload();
}

UserText UpdateHist::historyText()
{
    // One text, so a translator sees the whole history at once.
    return formText<"UpdateHist",
                    "1987 - Original DOS ver\r\n"
                    "1996 - First Windows version (16 bit)\r\n"
                    "\r\n"
                    " Ver\t Date\tUpdate History\r\n"
                    "6.00.00  02/13/02 - Converted to the new release of the development tools; uses the masked edit "
                    "box and the flexible grid\r\n"
                    "6.00.01  03/14/02 - Fix the initialization of the edit boxes\r\n"
                    "6.00.02  03/21/02 - Fix spelling error, reformat colors\r\n"
                    "6.01.00  03/25/02 - Add the ability to set Colors with presets or Window defaults\r\n"
                    "6.01.01  03/26/02 - Adjust tab stops & focus\r\n"
                    "6.01.02  03/27/02 - Add Button color; could not do Button Text\r\n"
                    "\t\tAdd Window Default to the background lists\r\n"
                    "6.01.03  03/27/02 - Adjust formating issues & menu items\r\n"
                    "6.01.04  03/28/02 - Change messages for Payoff & Annuity\r\n"
                    "6.02.00  04/07/02 - Fix Loan Pymnt Table: Copy Table & add Print to default printer\r\n"
                    "\t\tAdd customizable Toolbar with MS Toolbar & ImageList\r\n"
                    "6.03.00  05/07/02 - Add new 'Annuity Payment' - Remaining Fund with yearly payment for specific "
                    "duration\r\n"
                    "6.03.01  05/08/02 - Add 'InputChk' button, cleanup checking\r\n"
                    "6.03.04  05/11/02 - Change order of buttons, put back PO->Amt button, cleanup code\r\n"
                    "6.03.05  05/17/02 - Add ToolTips on option buttons\r\n"
                    "6.03.06  05/21/02 - Put back true checking on Investments for input when 'input checking' is "
                    "on\r\n"
                    "\t\tFix investment 'Combo' to calculate monthly payment correctly\r\n"
                    "6.03.07  05/25/02 - Add Close button to Table Dialog and reinstate 'X' (close) in control box">();
}

void showUpdateHistory(Program& program)
{
    const UserText text = UpdateHist::historyText();
    Form* form = program.app().findForm("UpdateHist");
    if (!form) return;
    form->load();
    form->textArea("txt_UpdateHist").setText(text);
    form->show(true);
}

}  // namespace tv
