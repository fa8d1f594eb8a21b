#pragma once

#include <string>
#include <vector>

#include "screen_model/application.h"
#include "screen_model/form.h"
#include "screen_model/scripted_platform.h"

namespace tv::test {

// Every handler a form ran, as "control_Event" ("control_Event:index" for arrays and toolbars).
using EventLog = std::vector<std::string>;

// Binds a logging handler to every event the model fires for each control and menu item, and to
// Form_Load/Form_Unload.
inline void logEvents(Form& form, EventLog& log)
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
    for (Control* c : form.controls()) {
        if (!firesEvent(c->kind(), "ButtonMenuClick")) continue;
        std::string handler = c->name() + "_ButtonMenuClick";
        form.bind(handler, [&log, handler](EventArgs& args) {
            log.push_back(handler + ":" + std::to_string(args.index) + ":" + std::to_string(args.item));
        });
    }
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

// Records every change the model reports.
struct Recorder : ModelObserver {
    struct ControlChange {
        std::string name;
        Prop prop;
        int row;
        int col;
    };
    std::vector<ControlChange> controls;
    std::vector<std::pair<std::string, Prop>> menus;
    std::vector<std::pair<std::string, FormEvent>> forms;
    std::vector<std::pair<Control*, Control*>> focus;
    std::vector<Pointer> pointers;

    void formChanged(Form& form, FormEvent event) override { forms.emplace_back(form.name(), event); }
    void controlChanged(Control& control, Prop prop, int row, int col) override
    {
        controls.push_back({control.name(), prop, row, col});
    }
    void menuChanged(MenuItem& item, Prop prop) override { menus.emplace_back(item.fullName(), prop); }
    void focusChanged(Control* oldFocus, Control* newFocus) override { focus.emplace_back(oldFocus, newFocus); }
    void pointerChanged(Pointer pointer) override { pointers.push_back(pointer); }

    bool sawControl(const std::string& name, Prop prop) const
    {
        for (const auto& c : controls)
            if (c.name == name && c.prop == prop) return true;
        return false;
    }
    void clear()
    {
        controls.clear();
        menus.clear();
        forms.clear();
        focus.clear();
        pointers.clear();
    }
};

}  // namespace tv::test
