#pragma once

#include <QStringList>
#include <memory>
#include <vector>

#include "screen_model/platform.h"

class QEventLoop;
class QTextBrowser;

namespace tvqt {

// The platform of the desktop program.
// - messageBox: a QMessageBox with the title, text (any of "\r\n", "\n\r", "\r", "\n" breaks a line), icon
//   and OK or Yes/No buttons; returns 1, 6 or 7 (Escape answers No).
// - setPointer: the hourglass as the application's override cursor.
// - screenSize: the primary screen in twips at its logical DPI.
// - runModal: a nested event loop until the form is hidden or unloaded (or the program ends).
// - printText: the default printer (a fixed-pitch font, one document per call). Without a printer it says
//   so and offers to save the text as a PDF; it answers true only when the printer took the document.
// - showHelp: a help window on the program's help document (next to the program or in the source tree's
//   docs/help/), or a message that none is installed.
// - startProgram: never through a shell. "Calc.exe" starts the desktop's calculator (the first installed
//   of calculatorPrograms()); a program that cannot be started is reported in a message.
// - endProgram: leaves every nested loop and the application's event loop at once.
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
    void showHelp(const std::string& file, int command) override;
    bool startProgram(const std::string& commandLine, int windowStyle) override;
    void endProgram() override;
    tv::Date today() const override;

    // True once endProgram() ran: the caller must not enter the application's event loop any more.
    bool ended() const { return m_ended; }

    // A message text with every kind of line break as "\n".
    static QString messageText(const std::string& text);
    // The calculators tried for "Calc.exe", in order.
    static QStringList calculatorPrograms();
    // The help documents looked for, in order.
    static QStringList helpCandidates();
    // The help window, once shown.
    QTextBrowser* helpWindow() const { return m_help.get(); }

private:
    bool startDetached(const QString& program, const QStringList& arguments);

    std::vector<QEventLoop*> m_loops;
    std::unique_ptr<QTextBrowser> m_help;
    bool m_waitCursor = false;
    bool m_ended = false;
};

}  // namespace tvqt
