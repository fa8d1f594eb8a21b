// Compiled by the tests, not linked: as it is it compiles; with UNMARKED set to a case, a text that is neither
// marked nor said to be finished reaches a setter of a text the user reads, and it must not compile.
#include <string>

#include "screen_model/form.h"
#include "screen_model/grid.h"

void show(tv::Form& form, tv::Label& label, tv::Grid& grid, tv::ComboList& list)
{
    const std::string composed = "Payment: " + std::to_string(12);
#if UNMARKED == 1
    label.setCaption(composed);
#elif UNMARKED == 2
    label.setCaption("Payment");
#elif UNMARKED == 3
    form.msgBox("Missing input");
#elif UNMARKED == 4
    grid.setText(0, 0, composed);
#elif UNMARKED == 5
    list.addItem("Monthly");
#elif UNMARKED == 6
    form.setCaption(composed);
#else
    label.setCaption(tv::composeText<"Payment: %1">(std::to_string(12)));
    form.msgBox(tv::userText<"Missing input">());
    grid.setText(0, 0, tv::finishedText(composed));
    list.addItem(tv::formText<"Form", "Monthly">());
    form.setCaption(tv::finishedText(composed));
#endif
}
