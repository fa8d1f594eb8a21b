// tarvolin-screens [--out DIR] [SCRIPT.replay ...]
// Runs each shot script (default: every *.replay of the source tree's tools/screens/shots) on a fresh
// program drawn by the real renderer, and writes the PNG files its `snap` commands ask for into DIR
// (default: ./screens). Run it on the offscreen platform (scripts/screens does). The driver's JSON
// output of each script goes to DIR/NAME.log beside the pictures.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPalette>
#include <QTranslator>
#include <clocale>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/program.h"
#include "common/locale.h"
#include "desktop/desktop_defaults.h"
#include "desktop/renderer.h"
#include "qt_locale/qt_locale.h"
#include "qt_locale/qt_translator.h"
#include "replay/replay.h"
#include "screen_model/scripted_platform.h"
#include "screens/snap_commands.h"

namespace {

int runShot(const QString& path, const QString& outDir)
{
    std::ifstream file(path.toStdString());
    if (!file) {
        std::cerr << "tarvolin-screens: cannot read " << path.toStdString() << "\n";
        return 2;
    }
    // Every shot starts the program as the desktop does; the script then sets up the state to draw.
    std::stringstream script;
    script << "start\n" << file.rdbuf();

    QString log = QDir(outDir).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".log"));
    std::ofstream out(log.toStdString());
    int snaps = 0;
    int status = 0;
    const QPalette desktopPalette = QApplication::palette();
    {
        tv::ScriptedPlatform platform;
        // In the desktop's language, as the desktop program starts.
        tv::Program program(
            platform,
            tvqt::loadTranslation(QLocale::system(), tvqt::translationFolders(QCoreApplication::applicationDirPath())));
        {
            tvqt::Renderer renderer(program.app());
            // Every shot starts from the forms' own places and sizes, whatever an earlier shot left.
            renderer.setRememberWindows(false);
            tv::ReplayOptions options = tvscreens::snapOptions(renderer, outDir, snaps);
            status = tv::runScript(program, platform, script, out, std::cerr, options);
        }
    }
    std::cout << QFileInfo(path).fileName().toStdString() << ": " << snaps << " picture(s)"
              << (status == 0 ? "" : ", status " + std::to_string(status)) << "\n";
    // The next shot starts on the desktop's palette again.
    QApplication::setPalette(desktopPalette);
    return status == tv::kReplayExpectFailed ? 0 : status;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The numbers and dates of the desktop's locale, as the program shows them (LANG=de_DE.UTF-8 …).
    std::setlocale(LC_NUMERIC, "C");
    tv::Locale::setCurrent(tvqt::localeFromQt(QLocale::system()));
    tvqt::applyDesktopDefaults(app);
    // The desktop layer's own texts in the desktop's language, as the desktop program loads them.
    QTranslator desktopTexts;
    if (QLocale::system().language() != QLocale::English &&
        desktopTexts.load(QLocale::system(), QStringLiteral("tarvolin"), QStringLiteral("_"),
                          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(&desktopTexts);

    QString outDir = QStringLiteral("screens");
    QStringList scripts;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            outDir = args[++i];
        else
            scripts << args[i];
    }
    if (scripts.isEmpty()) {
        QDir shots(QStringLiteral(TARVOLIN_SHOTS_DIR));
        for (const QString& name : shots.entryList({QStringLiteral("*.replay")}, QDir::Files, QDir::Name))
            scripts << shots.filePath(name);
    }
    QDir().mkpath(outDir);
    int worst = 0;
    for (const QString& s : scripts) worst = std::max(worst, runShot(s, outDir));
    return worst;
}
