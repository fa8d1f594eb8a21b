#pragma once

#include <functional>
#include <string>
#include <vector>

#include "screen_model/chart.h"
#include "screen_model/types.h"

namespace tv {

class Form;

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// Answer codes of a message box.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// A message box's title when its caller gives none: the product name.
inline constexpr const char* kProductName = "Tarvolin";

struct Date {
    int year = 2025;
    int month = 1;
    int day = 15;
};

struct ScreenSize {
    int width = 15360;  // twips
    int height = 11520;
};

// A table laid out as a document: a title line, then rows of cells, the first row the column headings.
template <typename Text>
struct TableDocumentOf {
    Text title;
    std::vector<std::vector<Text>> rows;
};
// A printed or saved table as a form makes it (its texts marked, its numbers finished) and as it is shown.
using MarkedTable = TableDocumentOf<UserText>;
using TableDocument = TableDocumentOf<std::string>;

// The outside world of the screens. Two implementations: ScriptedPlatform (tests, the replay driver)
// and the Qt one of the desktop program.
class Platform {
public:
    virtual ~Platform() = default;

    virtual void setPointer(Pointer pointer) = 0;
    virtual ScreenSize screenSize() const = 0;
    // Runs a nested loop while `form` is shown modally; returns once the form is unloaded (or hidden).
    virtual void runModal(Form& form) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    virtual std::string clipboardText() const = 0;
    virtual void showHelp(const std::string& file, int command) = 0;
    // Starts another program by its command line; false when it could not be started.
    virtual bool startProgram(const std::string& commandLine, int windowStyle) = 0;
    // Ends the program at once: no unload events, nothing saved.
    virtual void endProgram() = 0;
    virtual Date today() const = 0;
    // Runs `task` once the command now running is done and its results are shown (the desktop runs it from its
    // event loop); at once where nothing is drawn.
    virtual void afterCommand(std::function<void()> task) { task(); }

protected:
    // What is shown with words: the application calls these with its texts in the user's language
    // (Application::messageBox and the others), so a form cannot show an unmarked text.
    friend class Application;
    // Shows a modal message box and returns kAnswerOk, kAnswerYes or kAnswerNo.
    virtual int messageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) = 0;
    // Prints plain text on the default printer. False when nothing was printed (no printer, cancelled);
    // the platform has then already told the user.
    virtual bool printText(const std::string& text) = 0;
    // Prints a table laid out in pages as savePdf lays it out; `text` is the same table as plain text, for a
    // platform that prints only text.
    virtual bool printTable(const std::string& text, const TableDocument& table) = 0;
    // Saving a file: asks the user where (offering `suggestedName`) and writes it there. saveFile writes
    // `bytes` as they are (a CSV text); savePdf lays `table` out as a PDF page with its title line over the
    // table. False when nothing was written (the user cancelled, or the platform has reported a failure).
    virtual bool saveFile(const std::string& suggestedName, const std::string& bytes) = 0;
    virtual bool savePdf(const std::string& suggestedName, const TableDocument& table) = 0;
    // Draws a chart in a window of its own, beside the forms (not modal).
    virtual void showChart(const ChartRequest& chart) = 0;
};

}  // namespace tv
