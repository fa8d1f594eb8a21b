#pragma once

#include <string>
#include <vector>

#include "screen_model/form.h"

namespace tvtest {

// Every event the test form's handlers saw, as "control_Event" plus details after a colon.
using EventLog = std::vector<std::string>;

// A form with one control of every kind: a toolbar with a drop-down, labels with mnemonics, a masked box
// whose GotFocus selects its text, a rate list, a frame of option buttons, a check box, default and cancel
// buttons, a line, a picture, a multi-line text and a grid with a two-line header; menus with shortcuts,
// a separator, a check mark and a menu array.
class TestForm : public tv::Form {
public:
    TestForm(tv::Application& app, EventLog& log);
    bool refuseUnload = false;

    static constexpr int kGridRows = 6;
    static constexpr int kGridCols = 5;
};

}  // namespace tvtest
