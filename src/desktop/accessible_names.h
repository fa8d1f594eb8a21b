#pragma once

#include <QString>
#include <string>

#include "screen_model/chart.h"

namespace tv {
class Control;
}  // namespace tv

namespace tvqt {

// The name a screen reader announces for a control, from the model's tables and current layout alone.
// - Buttons, option buttons, check boxes, frames and labels: their caption.
// - Boxes, lists, text areas and grids: the caption of their label, which is
//   - for a box in the second column of a row of boxes under a column heading, the row's label and the
//     heading ("Total Interest with Xtra Payment"),
//   - otherwise the label declared just before the box (the one whose mnemonic reaches it), or else the
//     label beside it on its row, or the label above it;
//   and, when no label names it, the frame it sits in, its tool-tip or the form's caption.
// Captions are shown without "&" mnemonics, line breaks and trailing colons, with runs of blanks as one.
// Hidden labels do not count, so a name follows the form's current view.
QString accessibleName(const tv::Control& control);

// The label whose caption alone names a box, list, text area or grid, or null (named otherwise). Screen
// readers on Linux name a list by the label it is the buddy of, not by the list's accessible name.
const tv::Control* namingLabel(const tv::Control& box);

// What a chart shows, for a screen reader: "2 lines over years: 1: Loan payment: 31 points, 350,000 to 0; ...",
// each line's first and last value; "No data" for a chart without points.
QString chartDescription(const tv::Chart& chart);

// A caption as a screen reader should say it (see above).
QString spokenCaption(const std::string& caption);

// What screen readers are told of the program's own widgets, beyond Qt's defaults: a form's window is a
// window (a dialog only while modal), an option button a radio button, a toolbar button a push button
// (pressed or not), and a list is named by its label, its entry being its value (Qt on Linux would name
// it by the entry, "8.000"). Installed before any window is shown (again is harmless).
void installAccessibleInterfaces();

}  // namespace tvqt
