#pragma once

#include <set>
#include <string>
#include <vector>

#include "screen_model/form.h"

namespace tv {
class Program;
class Grid;
}  // namespace tv

namespace tv::monkey {

// Texts the user typed during a run: the program shows them as they are, so their own oddities ("NaN",
// "1e308") are the user's, not the program's.
using UserTexts = std::set<std::string>;

// What is wrong with a text the program shows, or empty: "nan" or "inf" (as a word), a negative zero
// ("-0", "$-0.00", "($0.00)"), a minus sign inside money ("$-5"), or a number with an exponent.
// Occurrences of user texts that themselves look wrong are ignored (a message may quote the user).
std::string artefactIn(const std::string& text, const UserTexts& user);

// What is wrong with a masked box's text and display, or empty. A text the program wrote must be empty or a
// plain number without artefacts; whatever the text, a display of a number must read back as the text's value
// rounded to the format, and formatting that value again must give the same display.
std::string boxProblem(const std::string& text, const std::string& format, const std::string& display,
                       const UserTexts& user);

// Every broken promise of the running program, one line each (empty when all is well):
// - the main screen is shown; exactly one view and one duration unit are checked; the toolbar's pressed
//   buttons match the menus and the open windows; the input checker's menu check, toolbar image and flag agree;
// - every option group holds at most one selected button, the main screen's and the settings editor's exactly
//   one; the table screen's unit menus have exactly one check each, and its captions name the checked unit;
// - the mouse pointer is back to normal; the focus is on a loaded form;
// - the calculation state is finite, the installments per year 12, 24 or 26, the last answer a real one;
// - every visible box, label and form caption shows well-formed text (boxProblem, artefactIn).
std::vector<std::string> checkProgram(Program& program, const UserTexts& user);

// The problems of the main screen's calculation state, as checkProgram reports them: a value that is not
// finite, or installments per year other than 12, 24 or 26.
std::vector<std::string> checkState(const std::vector<StateField>& state);

// The problems of some cells of a grid (given as row * cols + col), as checkProgram reports them.
std::vector<std::string> checkCells(const Grid& grid, const std::set<int>& cells, const UserTexts& user);

}  // namespace tv::monkey
