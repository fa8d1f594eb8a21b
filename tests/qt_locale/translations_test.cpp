// The translations as a user meets them: every window in each language keeps an access key on every caption that
// has one, and two controls or menus of a window that the English tells apart by their keys stay apart.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <cctype>
#include <vector>

#include "app/program.h"
#include "qt_locale/qt_translator.h"
#include "screen_model/control.h"
#include "screen_model/form.h"
#include "screen_model/menu.h"
#include "screen_model/scripted_platform.h"

namespace tv {
namespace {

// The access key of a caption ("&Calculate" -> 'c'), 0 for none; "&&" is an ampersand.
char32_t accessKey(const std::string& caption, int* count = nullptr)
{
    char32_t key = 0;
    int keys = 0;
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        ++keys;
        const auto c = static_cast<unsigned char>(caption[i + 1]);
        if (!key) key = c < 0x80 ? static_cast<char32_t>(std::tolower(c)) : c;
    }
    if (count) *count = keys;
    return key;
}

struct Keyed {
    std::string what;
    std::string english;
    std::string translated;
};

// The captions a window shows together: its controls, its menu bar's menus, and each menu's items.
std::vector<std::vector<Keyed>> keyedGroups(Form& english, Form& translated)
{
    auto keyed = [](const std::string& caption) { return accessKey(caption) != 0; };
    std::vector<std::vector<Keyed>> groups(1);
    for (Control* c : english.controls())
        if (Control* t = translated.find(c->name()); t && keyed(c->caption()))
            groups[0].push_back({c->name(), c->caption(), t->caption()});
    auto items = [&](const std::vector<MenuItem*>& english) {
        std::vector<Keyed> group;
        for (MenuItem* m : english)
            if (MenuItem* t = translated.findMenu(m->name(), m->index()); t && keyed(m->caption()))
                group.push_back({m->name(), m->caption(), t->caption()});
        return group;
    };
    groups.push_back(items(english.menuBar()));
    for (MenuItem* menu : english.menuBar()) {
        std::vector<MenuItem*> children;
        for (const auto& child : menu->children()) children.push_back(child.get());
        groups.push_back(items(children));
    }
    return groups;
}

class Translations : public testing::TestWithParam<const char*> {};

TEST_P(Translations, KeepEveryAccessKeyAndTellTheSameControlsApart)
{
    const QLocale locale(QString::fromLatin1(GetParam()));
    std::shared_ptr<const Translator> translator =
        tvqt::loadTranslation(locale, {QStringLiteral(TARVOLIN_TRANSLATIONS_DIR)});
    ASSERT_TRUE(translator) << "no translation for " << GetParam();
    ScriptedPlatform englishPlatform;
    ScriptedPlatform translatedPlatform;
    Program english(englishPlatform);
    Program translated(translatedPlatform, translator);
    for (const std::string& name : Program::formNames()) {
        Form* e = english.app().findForm(name);
        Form* t = translated.app().findForm(name);
        ASSERT_TRUE(e && t) << name;
        for (const std::vector<Keyed>& group : keyedGroups(*e, *t)) {
            for (std::size_t i = 0; i < group.size(); ++i) {
                int keys = 0;
                accessKey(group[i].translated, &keys);
                EXPECT_EQ(keys, 1) << name << "." << group[i].what << ": \"" << group[i].translated << "\"";
                for (std::size_t j = i + 1; j < group.size(); ++j) {
                    if (accessKey(group[i].english) == accessKey(group[j].english)) continue;
                    EXPECT_NE(accessKey(group[i].translated), accessKey(group[j].translated))
                        << name << ": \"" << group[i].translated << "\" and \"" << group[j].translated << "\"";
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Translations, testing::Values("de_DE", "fr_FR", "es_ES"));

}  // namespace
}  // namespace tv
