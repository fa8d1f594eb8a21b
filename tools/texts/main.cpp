// tarvolin-texts: every text of the program a user can read, for its translations. The texts are those the code
// marks where it makes them (userText, formText, composeText, pluralText and the tables listed beside them), the
// forms' declared captions, menus, tool-tips and toolbars (the forms are built with a translator that writes down
// what it is asked for), and the desktop's own texts. Nothing is run to find them: a text no marker names is no
// text of the program's, and a text every marker names is listed whether or not any session shows it.
// Prints "context<TAB>text" lines, sorted, once each, with tabs, newlines and backslashes written as \t, \n and \\;
// a text translated in plural forms ("%n calculations") has "<TAB>n" after it.
#include <algorithm>
#include <cctype>
#include <iostream>
#include <set>
#include <string>
#include <utility>

#include "app/program.h"
#include "common/user_text.h"
#include "qt_locale/desktop_texts.h"
#include "screen_model/scripted_platform.h"
#include "screen_model/translator.h"

namespace {

using Text = std::pair<std::string, std::string>;

// Answers nothing and writes down every text it is asked for: the forms' declared texts as they are built.
class RecordingTranslator : public tv::Translator {
public:
    std::optional<std::string> find(std::string_view context, std::string_view text) const override
    {
        // A text without letters ("-", "%", "$") reads the same in every language.
        if (std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
            texts.insert({std::string(context), std::string(text)});
        return std::nullopt;
    }
    mutable std::set<Text> texts;
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

}  // namespace

int main()
{
    auto recorder = std::make_shared<RecordingTranslator>();
    std::set<Text> plurals;  // translated in each language's plural forms
    {
        tv::ScriptedPlatform platform;
        tv::Program program(platform, recorder);
    }
    std::set<Text>& texts = recorder->texts;
    for (const char* text : tv::kDesktopTexts) texts.insert({tv::kDesktopContext, text});
    for (const tv::DesktopPlural& p : tv::kDesktopPlurals) {
        texts.insert({tv::kDesktopContext, p.other});
        plurals.insert({tv::kDesktopContext, p.other});
    }
    for (const tv::MarkedText& m : tv::markedTexts()) {
        if (m.text.empty()) continue;
        texts.insert({std::string(m.context), std::string(m.text)});
        if (!m.one.empty()) plurals.insert({std::string(m.context), std::string(m.text)});
    }
    for (const Text& t : texts)
        std::cout << escaped(t.first) << '\t' << escaped(t.second) << (plurals.contains(t) ? "\tn" : "") << '\n';
    return 0;
}
