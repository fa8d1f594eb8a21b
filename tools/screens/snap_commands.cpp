#include "screens/snap_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <sstream>

#include "app/program.h"
#include "desktop/renderer.h"
#include "screen_model/application.h"
#include "screen_model/form.h"
#include "screens/snap_chart.h"

namespace tvscreens {

bool saveFormImage(tvqt::Renderer& renderer, const tv::Form& form, const QString& file, std::string& error)
{
    renderer.flushPending();
    // Posted layout and geometry updates (not user input) make the picture what a user would see.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    renderer.flushPending();
    QWidget* window = renderer.window(form);
    if (!window || !window->isVisible()) {
        error = "form " + form.name() + " is not shown";
        return false;
    }
    if (!window->grab().save(file, "PNG")) {
        error = "cannot write " + file.toStdString();
        return false;
    }
    return true;
}

tv::ReplayOptions snapOptions(tvqt::Renderer& renderer, const QString& outDir, int& snapsTaken)
{
    tv::ReplayOptions options;
    options.extraCommands["start"] = [](tv::Program& program, const std::string&, std::string&) {
        program.Main();
        return true;
    };
    options.extraCommands["snap"] = [&renderer, outDir, &snapsTaken](tv::Program& program, const std::string& args,
                                                                     std::string& error) {
        std::istringstream words(args);
        std::string name;
        std::string formName;
        words >> name >> formName;
        if (name.empty()) {
            error = "snap needs a NAME";
            return false;
        }
        const tv::Form* form = formName.empty() ? program.app().topmost() : program.app().findForm(formName);
        if (!form) {
            error = formName.empty() ? "no form is shown" : "no form " + formName;
            return false;
        }
        QDir().mkpath(outDir);
        if (!saveFormImage(renderer, *form, QDir(outDir).filePath(QString::fromStdString(name) + ".png"), error))
            return false;
        ++snapsTaken;
        return true;
    };
    addChartSnap(options, outDir, snapsTaken);
    return options;
}

}  // namespace tvscreens
