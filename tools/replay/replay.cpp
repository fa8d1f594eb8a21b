#include "replay/replay.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "history/history_keeper.h"
#include "replay/script_words.h"
#include "screen_model/application.h"
#include "screen_model/form.h"
#include "screen_model/scripted_platform.h"

namespace tv {

namespace {

using replay_detail::NameRef;
using replay_detail::ScriptWords;
using replay_detail::shown;

// A line the driver cannot run; carries the reason, the runner adds the line number.
struct ScriptError {
    std::string message;
};

[[noreturn]] void fail(std::string message)
{
    throw ScriptError{std::move(message)};
}

// What a name in a script stands for.
struct Target {
    std::string formName;
    Form* form = nullptr;  // null for a form of the program that has not been created yet
    bool isForm = false;
    Control* control = nullptr;
    MenuItem* menu = nullptr;
    Toolbar* toolbar = nullptr;  // with `button`: one toolbar button
    int button = 0;
};

class Runner {
public:
    Runner(Program& program, ScriptedPlatform& platform, std::istream& script, std::ostream& out, std::ostream& err,
           const ReplayOptions& options)
        : m_program(program),
          m_app(program.app()),
          m_platform(platform),
          m_in(script),
          m_out(out),
          m_err(err),
          m_options(options)
    {
        m_platform.setListener([this](const PlatformRecord& r) { onRecord(r); });
        m_platform.setModalLoop([this](Form& form) { runUntil(&form); });
    }
    ~Runner()
    {
        m_platform.setListener({});
        m_platform.setModalLoop({});
        m_out.flush();
    }
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Runs a piece of the program (Main) under the driver: its records are printed, its modal forms
    // read the script, and an exception it throws stops the replay as a fault of the program.
    template <class F>
    void runProgram(F&& f)
    {
        try {
            f();
        } catch (const std::exception& e) {
            programFault(0, e.what());
        }
    }

    void run() { runUntil(nullptr); }
    bool stopped() const { return m_stopped; }

    int status() const
    {
        if (m_scriptError) return kReplayScriptError;
        if (m_fault) return kReplayProgramFault;
        if (m_expectFailed) return kReplayExpectFailed;
        return kReplayOk;
    }

private:
    // Reads and runs script lines until the script ends or stops, or (inside a modal form's loop)
    // until that form is unloaded or hidden.
    void runUntil(Form* modal)
    {
        while (!m_stopped && !m_eof) {
            if (modal && (!modal->loaded() || !modal->visible())) return;
            std::string line;
            if (!std::getline(m_in, line)) {
                m_eof = true;
                return;
            }
            const int lineNo = ++m_lineNo;
            try {
                runLine(line);
            } catch (const ScriptError& e) {
                m_err << "line " << lineNo << ": " << e.message << '\n';
                m_scriptError = true;
                m_stopped = true;
            } catch (const std::exception& e) {
                programFault(lineNo, e.what());
            }
        }
    }

    void programFault(int lineNo, const char* what)
    {
        if (lineNo > 0)
            m_err << "line " << lineNo << ": the program failed: " << what << '\n';
        else
            m_err << "the program failed at start-up: " << what << '\n';
        m_fault = true;
        m_stopped = true;
    }

    void emit(const ReplayJson& j) { m_out << jsonLine(j) << '\n'; }

    void onRecord(const PlatformRecord& r)
    {
        if (m_stopped) return;  // nothing after the end of the script is shown
        ReplayJson j = recordJson(r);
        if (!j.is_null()) emit(j);
        if (r.type == PlatformRecord::Type::Ended) m_stopped = true;
    }

    void ignored(const std::string& name, const char* why) { emit({{"ignored", name}, {"why", why}}); }

    void runLine(std::string_view line)
    {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // a script with CRLF line ends
        ScriptWords words(line);
        std::string_view first = words.restTrimmed();
        if (first.empty() || first.front() == '#') return;
        const std::string command(words.next());
        if (command == "type") return cmdType(words);
        if (command == "pick") return cmdPick(words);
        if (command == "click") return cmdClick(words);
        if (command == "menu") return cmdMenu(words);
        if (command == "tool") return cmdTool(words);
        if (command == "cell") return cmdCell(words, false);
        if (command == "dblclick") return cmdCell(words, true);
        if (command == "focus") return cmdFocus(words);
        if (command == "close") return cmdClose(words);
        if (command == "answer") return cmdAnswer(words);
        if (command == "print") return cmdPrint(words);
        if (command == "expect") return cmdExpect(words);
        if (command == "history") return cmdHistory(words);
        auto extra = m_options.extraCommands.find(command);
        if (extra != m_options.extraCommands.end()) {
            std::string error;
            if (!extra->second(m_program, std::string(words.restTrimmed()), error))
                fail(command + ": " + (error.empty() ? std::string("failed") : error));
            return;
        }
        fail("unknown command '" + shown(command) + "'");
    }

    // ---- names --------------------------------------------------------------------------------

    bool isProgramForm(const std::string& name) const
    {
        if (m_app.findForm(name)) return true;
        for (const std::string& n : Program::formNames())
            if (n == name) return true;
        return false;
    }

    // Finds `ref.name` (with its index) on one form: a control, a menu item, or a toolbar button.
    static bool findOn(Form& form, const NameRef& ref, Target& t)
    {
        t.formName = form.name();
        t.form = &form;
        if (ref.index >= 0) {
            if (MenuItem* m = form.findMenu(ref.name, ref.index)) {
                t.menu = m;
                return true;
            }
            Control* c = form.find(ref.name);
            if (c && c->kind() == Kind::Toolbar) {
                auto* bar = static_cast<Toolbar*>(c);
                if (ref.index >= 1 && ref.index <= bar->count()) {
                    t.toolbar = bar;
                    t.button = ref.index;
                    return true;
                }
            }
            return false;
        }
        if (Control* c = form.find(ref.name)) {
            t.control = c;
            return true;
        }
        if (MenuItem* m = form.findMenu(ref.name, -1)) {
            t.menu = m;
            return true;
        }
        return false;
    }

    Target resolve(std::string_view word, bool formsToo)
    {
        std::optional<NameRef> parsed = replay_detail::parseNameRef(word);
        if (!parsed) fail("malformed name '" + shown(word) + "'");
        const NameRef& ref = *parsed;
        Target t;
        if (!ref.form.empty()) {
            Form* form = m_app.findForm(ref.form);
            if (!form) {
                if (!isProgramForm(ref.form)) fail("no form named '" + shown(ref.form) + "'");
                t.formName = ref.form;  // a form that has not been created: it is not loaded
                return t;
            }
            if (!findOn(*form, ref, t)) fail(ref.form + " has no '" + shown(ref.name) + "'");
            return t;
        }
        if (formsToo && ref.index < 0 && isProgramForm(ref.name)) {
            t.formName = ref.name;
            t.form = m_app.findForm(ref.name);
            t.isForm = true;
            return t;
        }
        // The topmost form, the other loaded forms, the main form; then forms that are not loaded.
        std::vector<Form*> order;
        Form* top = m_app.topmost();
        Form* main = m_app.findForm(m_options.mainForm);
        if (top) order.push_back(top);
        for (Form* f : m_app.forms())
            if (f->loaded() && f != top && f != main) order.push_back(f);
        if (main && main->loaded() && main != top) order.push_back(main);
        for (Form* f : m_app.forms())
            if (!f->loaded() && f != top) order.push_back(f);
        for (Form* f : order)
            if (findOn(*f, ref, t)) return t;
        fail("unknown name '" + shown(word) + "'");
    }

    Target resolveForm(std::string_view word)
    {
        std::string name(word);
        if (!isProgramForm(name)) fail("no form named '" + shown(word) + "'");
        Target t;
        t.formName = name;
        t.form = m_app.findForm(name);
        t.isForm = true;
        return t;
    }

    // Why a user cannot act on the target now, or null when they can.
    const char* whyNotUsable(const Target& t) const
    {
        if (!t.form || !t.form->loaded()) return "not loaded";
        if (!t.form->visible()) return "hidden";
        if (t.control) {
            if (!t.control->shownToUser()) return "hidden";
            if (!t.control->usableByUser()) return "disabled";
        } else if (t.menu) {
            for (const MenuItem* m = t.menu; m; m = m->parent())
                if (!m->visible()) return "hidden";
            for (const MenuItem* m = t.menu; m; m = m->parent())
                if (!m->enabled()) return "disabled";
            if (t.menu->isSeparator()) return "disabled";
        } else if (t.toolbar) {
            const ToolButton& b = t.toolbar->button(t.button);
            if (!t.toolbar->shownToUser() || !b.visible) return "hidden";
            if (!t.toolbar->usableByUser() || !b.enabled) return "disabled";
        }
        // While a modal form is open, every other window is disabled.
        Form* top = m_app.topmost();
        if (top && top->modal() && top != t.form) return "disabled";
        return nullptr;
    }

    // Resolves a name for a user's action; false (after printing why) when the user cannot act on it.
    bool usable(std::string_view word, Target& t)
    {
        t = resolve(word, false);
        if (const char* why = whyNotUsable(t)) {
            ignored(std::string(word), why);
            return false;
        }
        return true;
    }

    static std::string_view requireWord(ScriptWords& words, const char* what)
    {
        std::string_view w = words.next();
        if (w.empty()) fail(std::string("missing ") + what);
        return w;
    }

    static int requireCount(ScriptWords& words, const char* what)
    {
        std::string_view w = requireWord(words, what);
        std::optional<int> n = replay_detail::parseCount(w);
        if (!n) fail(std::string(what) + " must be a whole number, not '" + shown(w) + "'");
        return *n;
    }

    static void requireEnd(const ScriptWords& words)
    {
        if (!words.atEnd()) fail("unexpected '" + shown(words.restTrimmed()) + "' at the end of the line");
    }

    static std::string describe(const Target& t)
    {
        if (t.control) return std::string(kindName(t.control->kind())) + " " + t.control->name();
        if (t.menu) return "menu item " + t.menu->fullName();
        if (t.toolbar) return "toolbar button";
        return "form " + t.formName;
    }

    // ---- user actions -------------------------------------------------------------------------

    void cmdType(ScriptWords& words)
    {
        std::string_view name = requireWord(words, "NAME");
        const std::string text(words.restAfterOneBlank());
        Target t = resolve(name, false);
        const bool editableList =
            t.control && t.control->kind() == Kind::ComboList && static_cast<ComboList*>(t.control)->editable();
        if (t.form && (!t.control ||
                       (t.control->kind() != Kind::MaskedBox && t.control->kind() != Kind::TextArea && !editableList)))
            fail("cannot type into " + describe(t));
        if (const char* why = whyNotUsable(t)) return ignored(std::string(name), why);
        Control& c = *t.control;
        m_app.setFocus(&c);
        if (!m_app.ended() && c.form().loaded()) {
            if (c.kind() == Kind::MaskedBox) {
                auto& box = static_cast<MaskedBox&>(c);
                if (!box.locked()) box.userType(text);
            } else if (editableList) {
                static_cast<ComboList&>(c).userType(text);
            } else {
                auto& area = static_cast<TextArea&>(c);
                if (!area.readOnly()) area.setText(finishedText(text));
            }
        }
        if (!m_app.ended() && m_app.focus() == &c) m_app.setFocus(nullptr);
    }

    void cmdPick(ScriptWords& words)
    {
        std::string_view name = requireWord(words, "NAME");
        int index = requireCount(words, "INDEX");
        requireEnd(words);
        Target t = resolve(name, false);
        if (t.form && (!t.control || t.control->kind() != Kind::ComboList)) fail("cannot pick from " + describe(t));
        if (const char* why = whyNotUsable(t)) return ignored(std::string(name), why);
        auto& list = static_cast<ComboList&>(*t.control);
        if (index >= list.count())
            fail(list.name() + " has no entry " + std::to_string(index) + " (it has " + std::to_string(list.count()) +
                 ")");
        list.userPick(index);
    }

    void cmdClick(ScriptWords& words)
    {
        std::string_view name = requireWord(words, "NAME");
        requireEnd(words);
        Target t = resolve(name, false);
        bool clickable = false;
        if (t.control) {
            switch (t.control->kind()) {
                case Kind::OptionButton:
                case Kind::CommandButton:
                case Kind::CheckBox:
                case Kind::Label:
                case Kind::Frame:
                case Kind::Picture:
                    clickable = true;
                    break;
                default:
                    break;
            }
        }
        if (!clickable && t.form) fail("cannot click " + describe(t) + " (use menu, tool or cell for those)");
        if (const char* why = whyNotUsable(t)) return ignored(std::string(name), why);
        t.control->userClick();
    }

    void cmdMenu(ScriptWords& words)
    {
        std::string_view name = requireWord(words, "NAME");
        requireEnd(words);
        Target t = resolve(name, false);
        if (!t.menu && t.form) fail("'" + shown(name) + "' is not a menu item");
        if (const char* why = whyNotUsable(t)) return ignored(std::string(name), why);
        t.menu->userChoose();
    }

    void cmdTool(ScriptWords& words)
    {
        int index = requireCount(words, "INDEX");
        std::string_view itemWord = words.next();
        std::optional<int> item;
        if (!itemWord.empty()) {
            item = replay_detail::parseCount(itemWord);
            if (!item) fail("ITEM must be a whole number, not '" + shown(itemWord) + "'");
        }
        requireEnd(words);
        Form* main = m_app.findForm(m_options.mainForm);
        Toolbar* bar = nullptr;
        if (main)
            for (Control* c : main->controls())
                if (c->kind() == Kind::Toolbar) {
                    bar = static_cast<Toolbar*>(c);
                    break;
                }
        if (!bar) fail(m_options.mainForm + " has no toolbar");
        if (index < 1 || index > bar->count())
            fail(bar->name() + " has no button " + std::to_string(index) + " (it has " + std::to_string(bar->count()) +
                 ")");
        const std::string name = bar->name() + "(" + std::to_string(index) + ")";
        const ToolButton& b = bar->button(index);
        if (item && (*item < 1 || *item > static_cast<int>(b.menu.size())))
            fail(name + " has no drop-down item " + std::to_string(*item));
        Target t;
        t.formName = main->name();
        t.form = main;
        t.toolbar = bar;
        t.button = index;
        if (const char* why = whyNotUsable(t)) return ignored(name, why);
        if (!item) return bar->userClickButton(index);
        const ToolMenuItem& mi = b.menu[static_cast<std::size_t>(*item - 1)];
        if (!mi.visible) return ignored(name, "hidden");
        if (!mi.enabled) return ignored(name, "disabled");
        bar->userChooseMenuItem(index, *item);
    }

    void cmdCell(ScriptWords& words, bool doubleClick)
    {
        std::string_view name = requireWord(words, "NAME");
        int row = requireCount(words, "ROW");
        int col = requireCount(words, "COL");
        requireEnd(words);
        Target t = resolve(name, false);
        if (t.form && (!t.control || t.control->kind() != Kind::Grid)) fail(describe(t) + " is not a grid");
        if (const char* why = whyNotUsable(t)) return ignored(std::string(name), why);
        auto& grid = static_cast<Grid&>(*t.control);
        if (!grid.isCell(row, col) || grid.isFixed(row, col)) return ignored(std::string(name), "not a cell");
        if (doubleClick)
            grid.userDoubleClickCell(row, col);
        else
            grid.userClickCell(row, col);
    }

    void cmdFocus(ScriptWords& words)
    {
        std::string_view name = requireWord(words, "NAME");
        requireEnd(words);
        Target t = resolve(name, false);
        bool focusable = false;
        if (t.control) {
            switch (t.control->kind()) {
                case Kind::MaskedBox:
                case Kind::ComboList:
                case Kind::OptionButton:
                case Kind::CheckBox:
                case Kind::CommandButton:
                case Kind::TextArea:
                case Kind::Grid:
                    focusable = true;
                    break;
                default:
                    break;
            }
        }
        if (!focusable && t.form) fail(describe(t) + " cannot take the focus");
        if (const char* why = whyNotUsable(t)) return ignored(std::string(name), why);
        m_app.setFocus(t.control);
    }

    void cmdClose(ScriptWords& words)
    {
        std::string_view name = requireWord(words, "FORM");
        requireEnd(words);
        Target t = resolveForm(name);
        if (const char* why = whyNotUsable(t)) return ignored(std::string(name), why);
        t.form->userClose();
    }

    void cmdAnswer(ScriptWords& words)
    {
        std::vector<int> answers;
        int count = 0;
        for (std::string_view w = words.next(); !w.empty(); w = words.next(), ++count) {
            if (w == "yes")
                answers.push_back(kAnswerYes);
            else if (w == "no")
                answers.push_back(kAnswerNo);
            else if (w != "ok")  // OK boxes take no answer; "ok" only documents that one comes
                fail("answer must be ok, yes or no, not '" + shown(w) + "'");
        }
        if (count == 0) fail("answer needs ok, yes or no");
        for (int a : answers) m_platform.queueAnswer(a);
    }

    // ---- printing and checking ----------------------------------------------------------------

    static bool isSpecial(std::string_view word)
    {
        return word == "state" || word == "colors" || word == "clipboard" || word == "ini" || word == "pointer" ||
               word == "focus" || word == "history";
    }

    // The settings file as the program reads it (through its file layer, which a test may substitute).
    ReplayJson iniText() const
    {
        std::optional<std::string> text = m_program.fileSystem().read(m_program.settingsPath());
        if (!text) return nullptr;
        return *text;
    }

    // The object `print` shows for a special word.
    ReplayJson special(std::string_view word)
    {
        if (word == "state") return {{"state", stateJson(m_program)}};
        if (word == "history") return {{"history", historyJson()}};
        if (word == "colors") return {{"colors", colorsJson(m_program)}};
        if (word == "clipboard") return {{"clipboard", m_platform.clipboardText()}};
        if (word == "ini") return {{"ini", iniText()}};
        if (word == "pointer") return {{"pointer", m_app.pointer() == Pointer::Hourglass ? "hourglass" : "default"}};
        Control* focus = m_app.focus();
        return {{"focus", focus ? ReplayJson(focus->name()) : ReplayJson(nullptr)}};
    }

    static ReplayJson formJsonOf(const Target& t)
    {
        if (t.form) return formJson(*t.form);
        // A form not created yet looks like any form that is not loaded.
        return {{"name", t.formName}, {"kind", "form"},  {"visible", false},
                {"enabled", true},    {"loaded", false}, {"modal", false}};
    }

    static ReplayJson targetJson(const Target& t)
    {
        if (t.isForm) return formJsonOf(t);
        if (t.control) return controlJson(*t.control);
        if (t.menu) return menuItemJson(*t.menu);
        return toolButtonJson(*t.toolbar, t.button);
    }

    // The JSON of a name for print and expect; false (after printing why) for a form that is not loaded.
    bool jsonOf(std::string_view word, ReplayJson& json)
    {
        Target t = resolve(word, true);
        if (!t.isForm && (!t.form || !t.form->loaded())) {
            ignored(std::string(word), "not loaded");
            return false;
        }
        json = targetJson(t);
        return true;
    }

    void cmdPrint(ScriptWords& words)
    {
        std::string_view w = requireWord(words, "NAME");
        for (; !w.empty(); w = words.next()) {
            if (isSpecial(w)) {
                emit(special(w));
                continue;
            }
            ReplayJson j;
            if (jsonOf(w, j)) emit(j);
        }
    }

    // history FILE: the calculation history is kept in FILE (relative to the working folder) from now on;
    // without it a replay keeps its history in memory, empty at start.
    void cmdHistory(ScriptWords& words)
    {
        const std::string file(words.restTrimmed());
        if (file.empty()) fail("history: a FILE is needed");
        m_program.history().useFile(file);
    }

    // Every entry of the history, newest first: its view and its line.
    ReplayJson historyJson()
    {
        ReplayJson list = ReplayJson::array();
        for (const HistorySummary& s : m_program.history().store().summaries())
            list.push_back({{"view", s.view}, {"summary", s.summary}});
        m_program.history().noticeProblem();
        return list;
    }

    void cmdExpect(ScriptWords& words)
    {
        std::string_view name = requireWord(words, "NAME");
        const std::string field(requireWord(words, "FIELD"));
        const std::string value(words.restAfterOneBlank());
        ReplayJson subject;
        if (name == "state" || name == "colors") {
            subject = special(name).front();
        } else if (isSpecial(name)) {
            subject = special(name);
        } else if (!jsonOf(name, subject)) {
            m_expectFailed = true;
            return;
        }
        // FIELD may be a path into the object: "cells/2/1".
        const ReplayJson* got = nullptr;
        try {
            ReplayJson::json_pointer pointer("/" + field);
            if (subject.contains(pointer)) got = &subject.at(pointer);
        } catch (const nlohmann::json::exception&) {
            got = nullptr;
        }
        if (!got) fail("'" + shown(name) + "' has no field '" + shown(field) + "'");
        ReplayJson want;
        bool equal = false;
        if (got->is_string()) {
            want = value;
            equal = got->get_ref<const std::string&>() == value;
        } else {
            want = ReplayJson::parse(value, nullptr, false);
            if (want.is_discarded()) {
                want = value;
            } else {
                // Compared as plain JSON: 30 equals 30.0 and objects compare regardless of key order.
                equal = nlohmann::json::parse(jsonLine(want)) == nlohmann::json::parse(jsonLine(*got));
            }
        }
        if (equal) return;
        m_expectFailed = true;
        emit({{"expect_failed", {{"name", std::string(name)}, {"field", field}, {"want", want}, {"got", *got}}}});
    }

    Program& m_program;
    Application& m_app;
    ScriptedPlatform& m_platform;
    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    const ReplayOptions& m_options;
    int m_lineNo = 0;
    bool m_eof = false;
    bool m_stopped = false;
    bool m_scriptError = false;
    bool m_fault = false;
    bool m_expectFailed = false;
};

// 2025-01-15 09:00 UTC, the scripted platform's day.
constexpr std::int64_t kReplayHistoryStart = 1736931600;

}  // namespace

int runScript(Program& program, ScriptedPlatform& platform, std::istream& script, std::ostream& out, std::ostream& err,
              const ReplayOptions& options)
{
    Runner runner(program, platform, script, out, err, options);
    runner.run();
    return runner.status();
}

int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayOptions& options)
{
    ScriptedPlatform platform;
    Program program(platform, options.translator);
    // Entries are dated by a clock of their own, a minute apart from the scripted platform's day, so a replay
    // prints the same times on every run.
    std::int64_t minute = 0;
    program.history().setClock([&minute] { return kReplayHistoryStart + 60 * minute++; });
    if (options.onStart) options.onStart(program);
    Runner runner(program, platform, script, out, err, options);
    runner.runProgram([&] { program.Main(); });
    if (!runner.stopped()) runner.run();
    return runner.status();
}

}  // namespace tv
