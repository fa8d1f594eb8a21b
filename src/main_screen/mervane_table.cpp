// The main screen's way into the Loan Payment Table.
#include "app/program.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::bindTableHandlers()
{
    bind("mnu_LnSheet_Click", [this] { mnu_LnSheet_Click(); });
}

void Mervane::mnu_LnSheet_Click()
{
    app().setPointer(Pointer::Hourglass);
    // Loading the table screen (the first time, or after it was closed) fills it from this screen's loan and
    // presses toolbar button 2; a table screen that is open already only comes to the front.
    showInFront(m_program.loanSheet());
    option("opt_payment").setValue(true);
    app().setPointer(Pointer::Default);
}

}  // namespace tv
