#include "screens/snap_chart.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <sstream>

#include "app/program.h"
#include "desktop/chart_window.h"
#include "screen_model/application.h"
#include "screen_model/scripted_platform.h"

namespace tvscreens {

void addChartSnap(tv::ReplayOptions& options, const QString& outDir, int& snapsTaken)
{
    options.extraCommands["snapchart"] = [outDir, &snapsTaken](tv::Program& program, const std::string& args,
                                                               std::string& error) {
        std::istringstream words(args);
        std::string name;
        std::string chartName;
        words >> name >> chartName;
        if (name.empty()) {
            error = "snapchart needs a NAME";
            return false;
        }
        auto* platform = dynamic_cast<tv::ScriptedPlatform*>(&program.app().platform());
        if (!platform) {
            error = "snapchart needs the scripted platform";
            return false;
        }
        const tv::ChartRequest* chart = nullptr;
        for (const tv::PlatformRecord& r : platform->records())
            if (r.type == tv::PlatformRecord::Type::Chart && (chartName.empty() || r.chart.name == chartName))
                chart = &r.chart;
        if (!chart) {
            error = chartName.empty() ? "no chart was shown" : "no chart " + chartName + " was shown";
            return false;
        }
        // The window the desktop program shows for this chart, drawn offscreen.
        std::unique_ptr<QWidget> window = tvqt::makeChartWindow(*chart);
        window->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QDir().mkpath(outDir);
        const QString file = QDir(outDir).filePath(QString::fromStdString(name) + ".png");
        if (!window->grab().save(file, "PNG")) {
            error = "cannot write " + file.toStdString();
            return false;
        }
        ++snapsTaken;
        return true;
    };
}

}  // namespace tvscreens
