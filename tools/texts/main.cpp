// tarvolin-texts SCRIPT_FOLDER...: every text of the program a user can read, for its translations. The forms are
// built (their declared captions, menus, tool-tips and lists), every replay script of the folders is run, and (with
// the tests built) the monkey's 300 seeded walks, all with a translator that writes down what it is asked for; a text
// holding numbers, amounts or dates is written as its pattern ("Saves %1 installments and %2 interest; paid off %3").
// Every text the code marks (userText, composeText) is listed too, among the messages, reached or not.
// Prints "context<TAB>text" lines, sorted, once each, with tabs, newlines and backslashes written as \t, \n and \\;
// a text translated in plural forms ("%n calculations") has "<TAB>n" after it.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include <stdlib.h>
#include <unistd.h>

#include "app/program.h"
#include "common/user_text.h"
#include "qt_locale/desktop_texts.h"
#ifdef TARVOLIN_TEXTS_MONKEY
#include "monkey.h"
#endif
#include "replay/replay.h"
#include "screen_model/scripted_platform.h"
#include "screen_model/translator.h"

namespace {

namespace fs = std::filesystem;
using Text = std::pair<std::string, std::string>;

bool isPattern(std::string_view text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') return true;
    return false;
}

// Answers nothing and writes down every text: as it is when it holds no number or while the forms are being
// built (their declared texts), else as its pattern.
class RecordingTranslator : public tv::Translator {
public:
    std::optional<std::string> find(std::string_view context, std::string_view text) const override
    {
        // The second look-up of a text, by its pattern, is not a text of its own.
        if (text == lastPattern) return std::nullopt;
        const tv::TextPattern p = tv::patternOf(text);
        lastPattern = p.args.empty() ? std::string() : p.pattern;
        // A text the code marks is listed as it is (among the messages).
        for (const tv::MarkedText& m : tv::markedTexts())
            if (!m.pattern && m.text == text && (m.context == context || m.context == tv::kMessagesContext))
                return std::nullopt;
        if (walking && (context == "Compare" || text.find_first_of("\"'\n") != std::string_view::npos))
            return std::nullopt;
        // A compared cell (a best mark, a difference) printed or saved is made of translated pieces too.
        if (walking && (text.find("\u2605") != std::string_view::npos ||
                        text.find("(\u2212") != std::string_view::npos || text.find("(+") != std::string_view::npos))
            return std::nullopt;
        // A message or title of several lines is translated a line at a time (each line is written down).
        if (!building && context == "Messages" && text.find('\n') != std::string_view::npos) return std::nullopt;
        const bool exact = p.args.empty() || building || isPattern(text);
        // A date alone is no text of the program's.
        if (!exact && p.pattern.find_first_not_of("%0123456789") == std::string::npos) return std::nullopt;
        texts.insert({std::string(context), exact ? std::string(text) : p.pattern});
        return std::nullopt;
    }
    mutable std::set<Text> texts;
    mutable std::string lastPattern;
    bool building = true;
    bool walking = false;
};

std::string escaped(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

// Runs one script in a fresh folder (with its settings file beside it, NAME.ini, when there is one).
void runScript(const fs::path& script, const std::shared_ptr<RecordingTranslator>& recorder)
{
    const fs::path work = fs::temp_directory_path() / ("tarvolin-texts-" + std::to_string(::getpid()));
    fs::remove_all(work);
    fs::create_directories(work);
    const fs::path old = fs::current_path();
    fs::current_path(work);
    // The script's settings and history stay in its own folder, never the user's or a test's.
    ::setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (work / "data").c_str(), 1);
    fs::path ini = script;
    ini.replace_extension(".ini");
    if (fs::exists(ini)) fs::copy_file(ini, work / "Tarvolin.ini");
    std::ifstream in(script, std::ios::binary);
    std::ostringstream out;
    std::ostringstream err;
    tv::ReplayOptions options;
    options.translator = recorder;
    // The words of the picture-taking tool do nothing here.
    for (const char* word : {"snap", "snapchart", "snapscreen", "snappdf", "palette", "resize", "start"})
        options.extraCommands[word] = [](tv::Program&, const std::string&, std::string&) { return true; };
    tv::runReplay(in, out, err, options);
    fs::current_path(old);
    fs::remove_all(work);
}

}  // namespace

int main(int argc, char** argv)
{
    auto recorder = std::make_shared<RecordingTranslator>();
    std::set<Text> plurals;  // translated in each language's plural forms
    {
        tv::ScriptedPlatform platform;
        tv::Program program(platform, recorder);
        recorder->building = false;
        for (const char* text : tv::kDesktopTexts) recorder->texts.insert({tv::kDesktopContext, text});
        // The texts the code marks where it makes them, whether or not a script or walk shows them.
        for (const tv::MarkedText& m : tv::markedTexts()) {
            recorder->texts.insert({std::string(m.context), std::string(m.text)});
            if (!m.one.empty()) plurals.insert({std::string(m.context), std::string(m.text)});
        }
        for (const tv::DesktopPlural& p : tv::kDesktopPlurals) {
            recorder->texts.insert({tv::kDesktopContext, p.other});
            plurals.insert({tv::kDesktopContext, p.other});
        }
        program.Main();
    }
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        for (const fs::directory_entry& e : fs::directory_iterator(argv[i], ec))
            if (e.path().extension() == ".replay") runScript(fs::absolute(e.path()), recorder);
        if (ec) {
            std::cerr << "tarvolin-texts: cannot read " << argv[i] << '\n';
            return 2;
        }
    }
#ifdef TARVOLIN_TEXTS_MONKEY
    // Random walks reach the messages and notes no script shows. Lines a walk composed from what it typed (the
    // history's lines, compared cells, quoted texts, multi-line titles) are the walk's, not the program's.
    recorder->walking = true;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        tv::monkey::Options walk;
        walk.seed = seed;
        walk.steps = 1000;
        walk.translator = recorder;
        tv::monkey::run(walk);
    }
#endif
    for (const Text& t : recorder->texts)
        std::cout << escaped(t.first) << '\t' << escaped(t.second) << (plurals.contains(t) ? "\tn" : "") << '\n';
    return 0;
}
