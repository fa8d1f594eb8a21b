// The desktop program: the model program, drawn by the Qt renderer, on the Qt platform.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstdlib>

#include "app/program.h"
#include "common/locale.h"
#include "desktop/accessible_names.h"
#include "desktop/desktop_defaults.h"
#include "desktop/qt_platform.h"
#include "desktop/renderer.h"
#include "history_store/history_store.h"
#include "qt_locale/qt_locale.h"
#include "qt_locale/qt_translator.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    // Qt set the C library's numeric locale from the environment; what the user sees goes through tv::Locale, and
    // the C library's number texts stay plain.
    std::setlocale(LC_NUMERIC, "C");
    tv::Locale::setCurrent(tvqt::localeFromQt(QLocale::system()));
    tvqt::applyDesktopDefaults(qapp);
    tvqt::installAccessibleInterfaces();
    // The desktop's language: the program's own texts, and Qt's dialogs (print, files) in it too.
    std::shared_ptr<const tv::Translator> translator =
        tvqt::loadTranslation(QLocale::system(), tvqt::translationFolders(QCoreApplication::applicationDirPath()));
    // The desktop layer's own texts (chart windows, file dialogs, printouts) from the same translation.
    QTranslator desktopTexts;
    if (translator)
        for (const QString& folder : tvqt::translationFolders(QCoreApplication::applicationDirPath()))
            if (desktopTexts.load(QLocale::system(), QStringLiteral("tarvolin"), QStringLiteral("_"), folder)) {
                QCoreApplication::installTranslator(&desktopTexts);
                break;
            }
    QTranslator qtDialogs;
    if (translator && qtDialogs.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtDialogs);

    tvqt::QtPlatform platform;
    tv::Program program(platform, translator);
    // The history file is opened at the first calculation, not here: start-up reads nothing more.
    program.history().useFile(tv::historyPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    int status = 0;
    {
        // Attached before Main so the first form shown already gets its window.
        tvqt::Renderer renderer(program.app());
        platform.setTopmostWindow([&renderer] { return renderer.topmostWindow(); });
        QObject::connect(&renderer, &tvqt::Renderer::allFormsClosed, &qapp, [] { QCoreApplication::quit(); });
        program.Main();
        if (!platform.ended() && !program.app().ended()) status = QApplication::exec();
        platform.setTopmostWindow(nullptr);
    }
    return status;
}
