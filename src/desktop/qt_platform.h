#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "screen_model/platform.h"

class QEventLoop;
class QPrinter;
class QTextBrowser;
class QWidget;

namespace tvqt {

// The help file the program asks for; "Mervane.hlp#loans" asks for it at the id "loans" (help topics are
// the help document's section ids: start, loans, investments, results, table, settings, keys).
inline constexpr const char* kHelpFile = "Mervane.hlp";
inline constexpr int kHelpContext = 1;

// The platform of the desktop program.
// - messageBox: a QMessageBox with the title, text (any of "\r\n", "\n\r", "\r", "\n" breaks a line), icon
//   and OK or Yes/No buttons; returns 1, 6 or 7 (Escape answers No).
// - setPointer: the hourglass as the application's override cursor.
// - screenSize: the primary screen in twips at its logical DPI.
// - runModal: a nested event loop until the form is hidden or unloaded (or the program ends).
// - printText: the default printer (a fixed-pitch font, one document per call). Without a printer it says
//   so and offers to save the text as a PDF; it answers true only when the printer took the document.
// - showHelp: a help window on the program's help document (installed, next to the program or in the
//   source tree's docs/help/; see helpCandidates) at the file's "#topic" if it names one, or a message that
//   none is installed. Escape closes it.
// - startProgram: never through a shell. "Calc.exe" starts the desktop's calculator (the first installed
//   of calculatorPrograms()); a program that cannot be started is reported in a message.
// - endProgram: leaves every nested loop and the application's event loop at once.
// - saveFile, savePdf: a save dialog in the home folder offering the suggested name, then QFile (the bytes as
//   they are) or QPdfWriter (the table laid out by desktop/table_pdf.h); a file that cannot be written is
//   reported in a message (qt_platform_files.cpp).
// - showChart: a chart window (desktop/chart_window.h), one per chart name, replaced by the next of that name;
//   F1 there shows the help on results.
class QtPlatform : public tv::Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    int messageBox(const std::string& text, const std::string& title, tv::MsgButtons buttons,
                   tv::MsgIcon icon) override;
    void setPointer(tv::Pointer pointer) override;
    tv::ScreenSize screenSize() const override;
    void runModal(tv::Form& form) override;
    void setClipboardText(const std::string& text) override;
    std::string clipboardText() const override;
    bool printText(const std::string& text) override;
    bool printTable(const std::string& text, const tv::TableDocument& table) override;
    // Prints through `paint` on the default printer, or, without one, offers to save the pages as a PDF.
    bool printPages(const std::function<bool(QPrinter&)>& paint);
    // Where message boxes and file dialogs open when no window is active: the renderer's window on top.
    void setTopmostWindow(std::function<QWidget*()> topmost) { m_topmostWindow = std::move(topmost); }
    QWidget* dialogParent() const;
    void showHelp(const std::string& file, int command) override;
    bool startProgram(const std::string& commandLine, int windowStyle) override;
    void endProgram() override;
    tv::Date today() const override;
    bool saveFile(const std::string& suggestedName, const std::string& bytes) override;
    bool savePdf(const std::string& suggestedName, const tv::TableDocument& table) override;
    void showChart(const tv::ChartRequest& chart) override;
    // From the event loop, once the command's results are painted.
    void afterCommand(std::function<void()> task) override;

    // Where a save goes: the path chosen, or an empty string for a cancel. The default asks with a save
    // dialog; tests answer themselves.
    using SaveChooser = std::function<QString(const QString& suggestedName, const QString& filter)>;
    void setSaveChooser(SaveChooser chooser) { m_saveChooser = std::move(chooser); }
    // The chart window last shown under `name`, or null.
    QWidget* chartWindow(const std::string& name) const;

    // True once endProgram() ran: the caller must not enter the application's event loop any more.
    bool ended() const { return m_ended; }

    // A message text with every kind of line break as "\n".
    static QString messageText(const std::string& text);
    // The calculators tried for "Calc.exe", in order.
    static QStringList calculatorPrograms();
    // The help documents looked for, in order: beside the program (a build), in the share/tarvolin/help/
    // folder of the prefix the program is installed in (bin/../share), in the desktop's data folders, and
    // in the source tree. `programDir` is the program's folder.
    static QStringList helpCandidates(const QString& programDir);
    static QStringList helpCandidates();
    // The help window, once shown.
    QTextBrowser* helpWindow() const { return m_help.get(); }

private:
    bool startDetached(const QString& program, const QStringList& arguments);
    QString chooseSaveFile(const std::string& suggestedName, const QString& filter);

    std::vector<QEventLoop*> m_loops;
    std::unique_ptr<QTextBrowser> m_help;
    SaveChooser m_saveChooser;
    std::map<std::string, std::unique_ptr<QWidget>> m_charts;
    bool m_waitCursor = false;
    bool m_ended = false;
    std::function<QWidget*()> m_topmostWindow;
};

}  // namespace tvqt
