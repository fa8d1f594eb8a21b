#include "test_forms.h"

namespace tv::test {

namespace {

const ControlDecl kMainControls[] = {
    {Kind::Toolbar, "Toolbar1", "", "", {0, 0, 6000, 420}},
    {Kind::MaskedBox, "fp_Amt", "", "", {120, 600, 1500, 300}, "Amount", "$#,##0.00;($#,##0.00)"},
    {Kind::MaskedBox, "fp_Locked", "", "", {120, 960, 1500, 300}, "", "#,##0"},
    {Kind::MaskedBox, "fp_Hidden", "", "", {120, 1320, 1500, 300}},
    {Kind::MaskedBox, "fp_Off", "", "", {120, 1680, 1500, 300}},
    {Kind::Frame, "frm_Opt", "", "Choose", {1800, 600, 2000, 1200}},
    {Kind::OptionButton, "opt_A", "frm_Opt", "A", {100, 200, 1500, 300}},
    {Kind::OptionButton, "opt_B", "frm_Opt", "B", {100, 600, 1500, 300}},
    {Kind::Frame, "frm_Hidden", "", "Hidden", {1800, 1900, 2000, 800}},
    {Kind::OptionButton, "opt_C", "frm_Hidden", "C", {100, 200, 1500, 300}},
    {Kind::CheckBox, "chk_X", "", "Tick", {4000, 600, 1500, 300}},
    {Kind::ComboList, "comRate", "", "", {4000, 1000, 1500, 300}},
    {Kind::Label, "lbl_Shared", "", "main label", {4000, 1400, 1500, 300}},
    {Kind::Label, "lbl_After", "", "", {4000, 1800, 1500, 300}},
    {Kind::CommandButton, "btn_Ask", "", "Ask", {120, 2400, 1000, 400}},
    {Kind::CommandButton, "btn_Note", "", "Note", {1200, 2400, 1000, 400}},
    {Kind::CommandButton, "btn_Dialog", "", "Dialog", {2300, 2400, 1000, 400}},
    {Kind::CommandButton, "btn_End", "", "End", {3400, 2400, 1000, 400}},
    {Kind::CommandButton, "btn_Second", "", "Second", {4500, 2400, 1000, 400}},
    {Kind::CommandButton, "btn_Out", "", "Out", {5600, 2400, 1000, 400}},
    {Kind::Grid, "grd", "", "", {120, 3000, 4000, 1500}},
    {Kind::TextArea, "txtNotes", "", "", {4300, 3000, 1500, 1500}},
    {Kind::Line, "lin_1", "", "", {0, 2900, 6000, 0}},
    {Kind::Picture, "pic_1", "", "", {5000, 600, 400, 400}},
};

const MenuDecl kMainMenus[] = {
    {0, "mnuFile", "&File"},
    {1, "mnuOpen", "&Open", "Ctrl+O"},
    {1, "mnuSep", "-"},
    {1, "mnuOff", "Off"},
    {1, "mnuHid", "Hidden"},
    {0, "mnuLenMenu", "&Length"},
    {1, "mnuLen", "Years", "", 0},
    {1, "mnuLen", "Months", "", 1},
    {0, "mnuGone", "Gone"},
    {1, "mnuUnder", "Under a hidden menu"},
};

const ControlDecl kDialogControls[] = {
    {Kind::MaskedBox, "txtValue", "", "", {120, 120, 1500, 300}},
    {Kind::Label, "lbl_Shared", "", "dialog label", {120, 500, 1500, 300}},
    {Kind::CommandButton, "btnOK", "", "OK", {120, 900, 1000, 400}},
    {Kind::CommandButton, "btnInner", "", "Inner", {1200, 900, 1000, 400}},
    {Kind::CommandButton, "btnHide", "", "Hide", {2300, 900, 1000, 400}},
};

const ControlDecl kInnerControls[] = {
    {Kind::CommandButton, "btnClose", "", "Close", {120, 120, 1000, 400}},
};

const ControlDecl kSecondControls[] = {
    {Kind::Label, "lbl_Only2", "", "second", {120, 120, 1500, 300}},
};

// Logs every event of every control and of the form; the forms bind their behaviour over these.
void logEverything(Form& form, EventLog& log)
{
    static const char* const kEvents[] = {"Click", "Change", "GotFocus", "LostFocus", "DblClick", "ButtonClick"};
    for (Control* c : form.controls())
        for (const char* e : kEvents) {
            if (!firesEvent(c->kind(), e)) continue;
            std::string handler = c->name() + "_" + e;
            form.bind(handler, [&log, handler](EventArgs& args) {
                log.push_back(args.index >= 0 ? handler + ":" + std::to_string(args.index) : handler);
            });
        }
    if (form.find("Toolbar1"))
        form.bind("Toolbar1_ButtonMenuClick", [&log](EventArgs& args) {
            log.push_back("Toolbar1_ButtonMenuClick:" + std::to_string(args.index) + ":" + std::to_string(args.item));
        });
    for (MenuItem* m : form.allMenus()) {
        std::string handler = m->name() + "_Click";
        form.bind(handler, [&log, handler](EventArgs& args) {
            log.push_back(args.index >= 0 ? handler + ":" + std::to_string(args.index) : handler);
        });
    }
    std::string name = form.name();
    form.bind("Form_Load", [&log, name] { log.push_back(name + "_Load"); });
    form.bind("Form_Unload", [&log, name](EventArgs&) { log.push_back(name + "_Unload"); });
}

}  // namespace

MainForm::MainForm(Application& app, EventLog& log, Form& dialog, Form& second)
    : Form(app, "Main", kMainControls, kMainMenus)
{
    setCaption(tv::finishedText("Test main"));
    setRect({1000, 800, 7000, 6000});
    logEverything(*this, log);

    Toolbar& bar = toolbar("Toolbar1");
    bar.addButton({"Go", "Go", "Go on", 1, ToolStyle::Default, false, true, true, {}});
    bar.addButton({"", "", "", 0, ToolStyle::Separator, false, true, true, {}});
    bar.addButton({"Pick", "Pick", "Drop-down", 3, ToolStyle::DropDown, false, true, true, {"One", "Two", "Three"}});
    bar.setMenuItemEnabled(3, 2, false);
    bar.setMenuItemVisible(3, 3, false);
    bar.addButton({"Off", "Off", "Disabled", 4, ToolStyle::Default, false, false, true, {}});
    bar.addButton({"Gone", "Gone", "Hidden", 5, ToolStyle::Check, true, true, false, {}});

    control("fp_Hidden").setVisible(false);
    control("fp_Off").setEnabled(false);
    box("fp_Locked").setLocked(true);
    box("fp_Locked").setText("7");
    frame("frm_Hidden").setVisible(false);
    combo("comRate").setItems({tv::finishedText("7.000"), tv::finishedText("7.125"), tv::finishedText("7.250")});
    textArea("txtNotes").setReadOnly(false);
    menu("mnuOff").setEnabled(false);
    menu("mnuHid").setVisible(false);
    menu("mnuGone").setVisible(false);
    menu("mnuLen", 0).setChecked(true);

    Grid& g = grid("grd");
    g.setRows(4);
    g.setCols(3);
    g.setText(0, 1, tv::finishedText("Rate"));
    g.setText(1, 0, tv::finishedText("1"));
    g.setText(1, 1, tv::finishedText("a"));
    g.setText(2, 2, tv::finishedText("b"));

    bind("btn_Ask_Click", [this, &log] {
        int answer =
            msgBox(tv::finishedText("Go on?"), MsgButtons::YesNo, MsgIcon::Question, tv::finishedText("input Error"));
        log.push_back("answer:" + std::to_string(answer));
    });
    bind("btn_Note_Click", [this, &log] {
        int answer = msgBox(tv::finishedText("Noted."), MsgButtons::Ok, MsgIcon::Information);
        log.push_back("answer:" + std::to_string(answer));
    });
    bind("btn_Dialog_Click", [this, &dialog, &log] {
        log.push_back("dialog opens");
        dialog.show(true);
        log.push_back("dialog returned");
        label("lbl_After").setCaption(tv::finishedText("back"));
    });
    bind("btn_End_Click", [this] { this->app().end(); });
    bind("btn_Second_Click", [&second] { second.show(); });
    bind("btn_Out_Click", [this] {
        platform().setClipboardText("a\tb\r\n");
        this->app().printText(tv::finishedText("printed text"));
        platform().showHelp("Mervane.hlp", 3);
        platform().startProgram("Calc.exe", 1);
    });
}

DialogForm::DialogForm(Application& app, EventLog& log, Form& inner) : Form(app, "Dialog", kDialogControls)
{
    setCaption(tv::finishedText("Test dialog"));
    setRect({2000, 1500, 4000, 2500});
    logEverything(*this, log);
    bind("btnOK_Click", [this, &log] {
        log.push_back("btnOK_Click");
        unload();
    });
    bind("btnInner_Click", [&inner, &log] {
        log.push_back("btnInner_Click");
        inner.show(true);
        log.push_back("inner returned");
    });
    bind("btnHide_Click", [this, &log] {
        log.push_back("btnHide_Click");
        hide();
    });
    bind("Form_Unload", [this, &log](EventArgs& args) {
        log.push_back("Dialog_Unload");
        args.cancel = refuseUnload;
    });
}

InnerForm::InnerForm(Application& app, EventLog& log) : Form(app, "Inner", kInnerControls)
{
    setRect({2500, 2000, 2000, 1500});
    logEverything(*this, log);
    bind("btnClose_Click", [this, &log] {
        log.push_back("btnClose_Click");
        unload();
    });
}

SecondForm::SecondForm(Application& app, EventLog& log) : Form(app, "Second", kSecondControls)
{
    setRect({500, 500, 3000, 2000});
    logEverything(*this, log);
    bind("Form_Unload", [this, &log](EventArgs& args) {
        log.push_back("Second_Unload");
        args.cancel = refuseUnload;
    });
}

TestForms::TestForms(Application& app, EventLog& log)
    : inner(app, log), dialog(app, log, inner), second(app, log), main(app, log, dialog, second)
{
    main.show();
}

}  // namespace tv::test
