// The table screen's colours from the colour table: always the loan colours, whatever the main view.
#include "app/program.h"
#include "loan_table/loan_sheet.h"

namespace tv {

void LoanSheet::SetSheetColors()
{
    const ColorTable& t = module1().colors;
    auto paint = [this](AnyNames names, Color back, Color fore) {
        for (AnyName name : names) {
            DeclaredForm::control(name).setBackColor(back);
            DeclaredForm::control(name).setForeColor(fore);
        }
    };
    setBackColor(t.gLoanBkgrndColor);
    paint({"lblPurchTotl", "lblDwnPay", "lblScheduleNote"}, t.gLoanBkgrndColor, t.gLoanTxtColor);
    paint({"frmLoanLen"}, t.gLoanBkgrndColor, t.gLoanContrastColor);
    paint({"lbl_MaxLen", "lbl_MinLen"}, t.gLoanBkgrndColor, t.gLoanTxtColor);
    paint({"frmIntr"}, t.gLoanBkgrndColor, t.gLoanContrastColor);
    paint({"lbl_MaxPercent", "lbl_MinPercent"}, t.gLoanBkgrndColor, t.gLoanTxtColor);
    for (NameOf<Kind::MaskedBox> name :
         NameList<Kind::MaskedBox>{"txtPurchTotl", "txtDwnPay", "txtLenMax", "txtLenMin"})
        box(name).setBackColor(t.gTextBoxBgColor);
    for (NameOf<Kind::ComboList> name : NameList<Kind::ComboList>{"comIntrMax", "comIntrMin"})
        combo(name).setBackColor(t.gTextBoxBgColor);
    grid("grdPayments").setBackColor(t.gTextBoxBgColor);
    // Btn_Close keeps its design colour.
    for (NameOf<Kind::CommandButton> name : NameList<Kind::CommandButton>{"cmdCalcPmts", "cmdCalcAmort", "Btn_Clear"})
        button(name).setBackColor(t.gLoanButtonColor);
}

}  // namespace tv
