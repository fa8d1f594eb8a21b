#pragma once

#include "info/about_controls.h"
#include "screen_model/declared_form.h"

namespace tv {

class Program;

// The About window: version, date, disclaimer, and the way to the update history.
class About : public DeclaredForm<kAboutControls> {
public:
    explicit About(Program& program);
    void Form_Load();
    void Updates_Click();
    void Command1_Click();

private:
    Program& m_program;
};

// The update history window.
class UpdateHist : public DeclaredForm<kHistoryControls> {
public:
    explicit UpdateHist(Program& program);
    void Form_Load();
    void btn_OK_Click();

    // The history text: CRLF between lines, none after the last.
    static UserText historyText();

private:
    Program& m_program;
};

// Builds the history text, loads the history window with it and shows it modally (the About window's
// Updates button and the Help menu's "&Update History").
void showUpdateHistory(Program& program);

}  // namespace tv
