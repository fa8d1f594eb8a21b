// The main screen's way into the Loan Payment Table.
#include "app/program.h"
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
    // presses the Table toolbar button; a table screen that is open already only comes to the front.
    showInFront(m_program.loanTable());
    option(describe(LoanOption::Payment).button).setValue(true);
    app().setPointer(Pointer::Default);
}

}  // namespace tv
