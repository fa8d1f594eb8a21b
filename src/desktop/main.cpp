// The desktop program: the model program, drawn by the Qt renderer, on the Qt platform.
#include <QApplication>

#include "app/program.h"
#include "desktop/accessible_names.h"
#include "desktop/desktop_defaults.h"
#include "desktop/qt_platform.h"
#include "desktop/renderer.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    tvqt::applyDesktopDefaults(qapp);
    tvqt::installAccessibleInterfaces();

    tvqt::QtPlatform platform;
    tv::Program program(platform);
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
