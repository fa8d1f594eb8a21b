#include "screens/snap_commands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <sstream>
#include <vector>

#include "app/program.h"
#include "desktop/desktop_defaults.h"
#include "desktop/renderer.h"
#include "desktop/table_pdf.h"
#include "loan_table/loan_sheet.h"
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
    options.extraCommands["snapscreen"] = [&renderer, outDir, &snapsTaken](
                                              tv::Program& program, const std::string& args, std::string& error) {
        if (args.empty()) {
            error = "snapscreen needs a NAME";
            return false;
        }
        renderer.flushPending();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // The desktop as the user sees it: every shown window at its place, in the order they were shown.
        QRect desk;
        std::vector<QWidget*> windows;
        for (tv::Form* f : program.app().forms())
            if (QWidget* w = f->visible() ? renderer.window(*f) : nullptr; w && w->isVisible()) {
                windows.push_back(w);
                desk |= w->geometry();
            }
        if (const tv::Form* top = program.app().topmost())
            std::stable_partition(windows.begin(), windows.end(),
                                  [&](QWidget* w) { return w != renderer.window(*top); });
        QPixmap picture(desk.size());
        picture.fill(QColor(0x3a, 0x6e, 0xa5));
        QPainter p(&picture);
        for (QWidget* w : windows) {
            p.drawPixmap(w->geometry().topLeft() - desk.topLeft(), w->grab());
            p.setPen(Qt::black);
            p.drawRect(QRect(w->geometry().topLeft() - desk.topLeft(), w->size()).adjusted(-1, -1, 0, 0));
        }
        p.end();
        const QString file = QDir(outDir).filePath(QString::fromStdString(args) + ".png");
        if (!picture.save(file, "PNG")) {
            error = "cannot write " + file.toStdString();
            return false;
        }
        ++snapsTaken;
        return true;
    };
    options.extraCommands["palette"] = [&renderer](tv::Program&, const std::string& args, std::string& error) {
        if (args != "dark" && args != "light") {
            error = "palette needs dark or light";
            return false;
        }
        QApplication::setPalette(args == "dark" ? tvqt::darkDesktopPalette()
                                                : QApplication::style()->standardPalette());
        // The windows repaint their system colours when the palette change reaches them.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        renderer.flushPending();
        return true;
    };
    options.extraCommands["resize"] = [&renderer](tv::Program& program, const std::string& args, std::string& error) {
        std::istringstream words(args);
        std::string formName;
        int width = 0;
        int height = 0;
        words >> formName >> width >> height;
        const tv::Form* form = program.app().findForm(formName);
        QWidget* window = form ? renderer.window(*form) : nullptr;
        if (!window || width <= 0 || height <= 0) {
            error = "resize needs a shown FORM, a WIDTH and a HEIGHT";
            return false;
        }
        window->resize(width, height);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
    options.extraCommands["snappdf"] = [outDir, &snapsTaken](tv::Program& program, const std::string& args,
                                                             std::string& error) {
        std::istringstream words(args);
        std::string name;
        int pages = 1;
        words >> name >> pages;
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (name.empty() || pages < 1 || tool.isEmpty()) {
            error = tool.isEmpty() ? "snappdf needs pdftoppm (poppler-utils)" : "snappdf needs a NAME";
            return false;
        }
        QDir().mkpath(outDir);
        const QString base = QDir(outDir).filePath(QString::fromStdString(name));
        // The page as the program prints it: in the user's language.
        const tv::TableDocument table = program.app().shown(program.loanSheet().PdfTable());
        if (!tvqt::writeTablePdf(base + ".pdf", table)) {
            error = "cannot write " + base.toStdString() + ".pdf";
            return false;
        }
        // Pages at 80 dots an inch: NAME-1.png, NAME-2.png, ... (pdftoppm pads the number for long documents).
        QProcess p;
        p.start(tool, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-l"),
                       QString::number(pages), base + ".pdf", base});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            error = "pdftoppm failed on " + base.toStdString() + ".pdf";
            return false;
        }
        snapsTaken += pages;
        return true;
    };
    addChartSnap(options, outDir, snapsTaken);
    return options;
}

}  // namespace tvscreens
