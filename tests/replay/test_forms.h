#pragma once

#include <string>
#include <vector>

#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tv::test {

// Every event a test form's handler saw, as "control_Event" (with details after a colon).
using EventLog = std::vector<std::string>;

// The main test form: one control of every kind, menus (with an array), a toolbar, and buttons that
// open a modal dialog, show message boxes, print, open help, start a program and end the program.
class MainForm : public Form {
public:
    MainForm(Application& app, EventLog& log, Form& dialog, Form& second);
};

// A modal dialog with a box, a button that closes it, one that opens a nested modal form, one that
// only hides it, and one that cancels its own unload when ticked.
class DialogForm : public Form {
public:
    DialogForm(Application& app, EventLog& log, Form& inner);
    bool refuseUnload = false;
};

class InnerForm : public Form {
public:
    InnerForm(Application& app, EventLog& log);
};

// A second, non-modal window.
class SecondForm : public Form {
public:
    SecondForm(Application& app, EventLog& log);
    bool refuseUnload = false;
};

// The four test forms on one application; `main` is shown.
struct TestForms {
    TestForms(Application& app, EventLog& log);
    InnerForm inner;
    DialogForm dialog;
    SecondForm second;
    MainForm main;
};

}  // namespace tv::test
