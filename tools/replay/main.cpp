// tarvolin-replay [--locale NAME] [SCRIPT]: runs the program headless from a script of user events (standard input
// without SCRIPT) and prints what the user would see, one JSON object a line. The numbers, dates and language are
// en_US and English unless --locale names another locale ("de_DE"); the script's words stay as they are.
#include <QFileInfo>
#include <QLocale>
#include <QString>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "common/locale.h"
#include "qt_locale/qt_locale.h"
#include "qt_locale/qt_translator.h"
#include "replay/replay.h"

namespace {

constexpr const char* kUsage =
    "usage: tarvolin-replay [--locale NAME] [SCRIPT]   (reads the script from standard input without SCRIPT;\n"
    "       --locale reads and shows numbers, dates and texts as locale NAME and its language do, e.g. de_DE;\n"
    "       en_US and English without it)\n";

struct Options {
    bool help = false;
    bool bad = false;  // a usage error
    std::optional<std::string> locale;
    std::optional<std::string> script;
};

Options parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc && !o.bad; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0)
            o.help = true;
        else if (std::strcmp(arg, "--locale") == 0 && i + 1 < argc && !o.locale)
            o.locale = argv[++i];
        else if (std::strcmp(arg, "--locale") == 0 || o.script)
            o.bad = true;
        else
            o.script = arg;
    }
    if (o.help && o.script) o.bad = true;  // help takes no script
    return o;
}

// Makes the named locale the program's, numbers and language; false for a name Qt does not know.
bool useLocale(const std::string& name, const char* program, tv::ReplayOptions& replay)
{
    const std::optional<QLocale> locale = tvqt::qtLocaleNamed(QString::fromStdString(name));
    if (!locale) return false;
    tv::Locale::setCurrent(tvqt::localeFromQt(*locale));
    const QString folder = QFileInfo(QString::fromLocal8Bit(program)).absolutePath();
    replay.translator = tvqt::loadTranslation(*locale, tvqt::translationFolders(folder));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    if (options.help || options.bad) {
        std::cerr << kUsage;
        return options.bad ? tv::kReplayScriptError : tv::kReplayOk;
    }
    tv::ReplayOptions replay;
    if (options.locale && !useLocale(*options.locale, argv[0], replay)) {
        std::cerr << "tarvolin-replay: unknown locale " << *options.locale << '\n';
        return tv::kReplayScriptError;
    }
    std::ifstream file;
    std::istream* script = &std::cin;
    if (options.script) {
        file.open(*options.script, std::ios::binary);
        if (!file) {
            std::cerr << "tarvolin-replay: cannot read " << *options.script << '\n';
            return tv::kReplayScriptError;
        }
        script = &file;
    }
    try {
        return tv::runReplay(*script, std::cout, std::cerr, replay);
    } catch (const std::exception& e) {
        std::cerr << "tarvolin-replay: " << e.what() << '\n';
        return tv::kReplayProgramFault;
    }
}
