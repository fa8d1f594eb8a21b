#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/links.h"
#include "app/module1.h"
#include "history/history_keeper.h"
#include "screen_model/application.h"
#include "screen_model/platform.h"
#include "settings/file_system.h"

namespace tv {

class Mervane;
class LoanSheet;
class IniFile;
class ColorFm;
class About;
class UpdateHist;
class HistoryForm;
class CompareForm;

// The running program: the application model, the program-wide values of Module1 and every form.
// Forms reach each other through it, never through globals.
class Program {
public:
    // With a translator, every form, message and chart is in the user's language (English without).
    explicit Program(Platform& platform, std::shared_ptr<const Translator> translator = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Application& app() { return m_app; }
    Platform& platform() { return m_app.platform(); }
    Module1& module1() { return m_module1; }

    // The forms as the other forms reach them: the main screen through what it offers them, the others as
    // windows to show.
    MainScreenLink& mainScreen();
    Form& loanTable();
    Form& settingsEditor();
    Form& colorScreen();
    Form& aboutBox();
    void showUpdateHistory();
    // The calculation history (its store opened when first needed) and its two windows.
    HistoryKeeper& history() { return m_history; }
    Form& historyWindow();
    HistoryForm& historyForm();
    // Shows two to four recorded calculations side by side (the first is the one the others are measured against).
    void compare(std::vector<HistoryEntry> entries);
    // Puts a recorded calculation back where it was made: the main screen, or the table screen for a schedule.
    bool restoreCalculation(const HistoryEntry& entry);
    CompareForm& compareWindow();

    // The forms themselves, for the front ends and the tests.
    Mervane& mervane() { return *m_mervane; }
    LoanSheet& loanSheet() { return *m_loanSheet; }
    IniFile& iniFile() { return *m_iniFile; }
    ColorFm& colorFm() { return *m_colorFm; }
    About& about() { return *m_about; }
    UpdateHist& updateHist() { return *m_updateHist; }

    // The file layer under the settings file (the disk, or a test's substitute).
    FileSystem& fileSystem() { return *m_fileSystem; }
    void setFileSystem(FileSystem& fs) { m_fileSystem = &fs; }

    // Unloads the Loan Payment Table when it is open (the main screen closing).
    void unloadLoanSheet();

    // The name of every form of the program, whether it has been created yet or not.
    static const std::vector<std::string>& formNames();

    // The settings file in use: "Tarvolin.ini" in the current folder when there is one, otherwise the one in
    // the per-user configuration folder (settings/settings_path.h).
    std::string settingsPath();
    // Writes `keys` into the settings file as one change; when it cannot, tells the user over `form` (naming the
    // file and the reason; the form stays open) and returns false.
    bool saveSettings(Form& form, const std::vector<std::pair<std::string, std::string>>& keys);

    // Start-up: shows the main screen, reads the settings and fills in the defaults.
    void Main();

private:
    Application m_app;
    Module1 m_module1;
    FileSystem* m_fileSystem = &FileSystem::disk();
    std::unique_ptr<Mervane> m_mervane;
    std::unique_ptr<LoanSheet> m_loanSheet;
    std::unique_ptr<IniFile> m_iniFile;
    std::unique_ptr<ColorFm> m_colorFm;
    std::unique_ptr<About> m_about;
    std::unique_ptr<UpdateHist> m_updateHist;
    HistoryKeeper m_history;
    std::unique_ptr<HistoryForm> m_historyForm;
    std::unique_ptr<CompareForm> m_compareForm;
};

}  // namespace tv
