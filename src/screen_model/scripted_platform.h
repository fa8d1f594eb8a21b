#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "screen_model/platform.h"

namespace tv {

// One thing the program did to the outside world, as the scripted platform recorded it.
struct PlatformRecord {
    enum class Type { Message, Printed, Help, Started, Ended, Clipboard, Saved, Chart };
    Type type;
    std::string text;   // message text, printed text, help file, command line, clipboard text, saved bytes
    std::string title;  // message title, saved file's suggested name, chart window's caption
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    int answer = 0;            // message boxes
    int number = 0;            // help command, window style
    TableDocument table = {};  // a saved PDF's title and rows (its `text` is the same as lines of TABs)
    ChartRequest chart = {};   // a chart shown
};

// The platform of tests and the replay driver: records everything, answers Yes/No boxes from a queue
// (No when the queue is empty; OK boxes are always answered OK and use no answer), has a fixed clock
// (2025-01-15) and a screen of 15360 x 11520 twips.
class ScriptedPlatform : public Platform {
public:
    int messageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override;
    void setPointer(Pointer pointer) override { m_pointer = pointer; }
    ScreenSize screenSize() const override { return m_screen; }
    void runModal(Form& form) override;
    void setClipboardText(const std::string& text) override;
    std::string clipboardText() const override { return m_clipboard; }
    bool printText(const std::string& text) override;
    bool printTable(const std::string& text, const TableDocument&) override { return printText(text); }
    void showHelp(const std::string& file, int command) override;
    bool startProgram(const std::string& commandLine, int windowStyle) override;
    void endProgram() override;
    Date today() const override { return m_today; }
    // Records the file (nothing is written anywhere) and answers as setSaveAnswer says.
    bool saveFile(const std::string& suggestedName, const std::string& bytes) override;
    bool savePdf(const std::string& suggestedName, const TableDocument& table) override;
    void showChart(const ChartRequest& chart) override;

    // Answers for the next Yes/No boxes, in order: kAnswerYes or kAnswerNo.
    void queueAnswer(int answer) { m_answers.push_back(answer); }
    std::size_t queuedAnswers() const { return m_answers.size(); }
    // What runs while a form is shown modally (the replay driver reads its script there). Without one,
    // a modal show returns at once and leaves the form loaded for the test to work with.
    void setModalLoop(std::function<void(Form&)> loop) { m_modalLoop = std::move(loop); }
    // Called for every record as it happens.
    void setListener(std::function<void(const PlatformRecord&)> listener) { m_listener = std::move(listener); }
    void setPrinterAvailable(bool available) { m_printer = available; }
    // Held: what runs after a command waits for runHeld(), as the desktop's waits for its event loop.
    void afterCommand(std::function<void()> task) override
    {
        if (m_hold)
            m_held.push_back(std::move(task));
        else
            task();
    }
    void setHold(bool hold) { m_hold = hold; }
    void runHeld()
    {
        std::vector<std::function<void()>> tasks;
        tasks.swap(m_held);
        for (auto& task : tasks) task();
    }
    // False: the user cancels every save dialog, and nothing is recorded as saved.
    void setSaveAnswer(bool save) { m_save = save; }

    const std::vector<PlatformRecord>& records() const { return m_records; }
    std::vector<PlatformRecord> messages() const;
    void clearRecords() { m_records.clear(); }
    Pointer pointer() const { return m_pointer; }
    bool ended() const { return m_ended; }

private:
    void record(PlatformRecord r);

    std::deque<int> m_answers;
    std::function<void(Form&)> m_modalLoop;
    std::function<void(const PlatformRecord&)> m_listener;
    std::vector<PlatformRecord> m_records;
    std::string m_clipboard;
    Pointer m_pointer = Pointer::Default;
    ScreenSize m_screen;
    Date m_today;
    bool m_printer = true;
    bool m_hold = false;
    std::vector<std::function<void()>> m_held;
    bool m_save = true;
    bool m_ended = false;
};

}  // namespace tv
