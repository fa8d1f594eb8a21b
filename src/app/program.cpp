#include "app/program.h"

#include <cstdlib>

#include "settings/profile.h"
#include "settings/save_failed.h"
#include "settings/settings_path.h"

#include "history/compare_form.h"
#include "history/history_form.h"
#include "info/about.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "settings/color_form.h"
#include "settings/ini_file_form.h"

namespace tv {

Program::Program(Platform& platform, std::shared_ptr<const Translator> translator)
    : m_app(platform, std::move(translator)), m_module1(m_app.platform()), m_history(m_app)
{
    m_mervane = std::make_unique<Mervane>(*this);
    m_loanSheet = std::make_unique<LoanSheet>(*this);
    m_iniFile = std::make_unique<IniFile>(*this);
    m_colorFm = std::make_unique<ColorFm>(*this);
    m_about = std::make_unique<About>(*this);
    m_updateHist = std::make_unique<UpdateHist>(*this);
    m_historyForm = std::make_unique<HistoryForm>(*this);
    m_compareForm = std::make_unique<CompareForm>(*this);
    m_history.setOnChange([this] {
        if (m_historyForm && m_historyForm->loaded()) m_historyForm->refresh();
    });
}

Program::~Program() = default;

const std::vector<std::string>& Program::formNames()
{
    static const std::vector<std::string> names{"Mervane", "LoanSheet",  "IniFile", "ColorFm",
                                                "About",   "UpdateHist", "History", "Compare"};
    return names;
}

MainScreenLink& Program::mainScreen()
{
    return *m_mervane;
}

Form& Program::loanTable()
{
    return *m_loanSheet;
}

Form& Program::settingsEditor()
{
    return *m_iniFile;
}

Form& Program::colorScreen()
{
    return *m_colorFm;
}

Form& Program::aboutBox()
{
    return *m_about;
}

void Program::showUpdateHistory()
{
    tv::showUpdateHistory(*this);
}

Form& Program::historyWindow()
{
    return historyForm();
}

HistoryForm& Program::historyForm()
{
    return *m_historyForm;
}

CompareForm& Program::compareWindow()
{
    return *m_compareForm;
}

void Program::compare(std::vector<HistoryEntry> entries)
{
    compareWindow().compare(std::move(entries));
}

bool Program::restoreCalculation(const HistoryEntry& entry)
{
    if (entry.view == "Table") return m_loanSheet->restoreSchedule(entry);
    return m_mervane->restoreCalculation(entry);
}

std::string Program::settingsPath()
{
    return tv::settingsPath(*m_fileSystem, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

void Program::unloadLoanSheet()
{
    if (Form* sheet = m_app.findForm("LoanSheet")) sheet->unload();
}

void Program::Main()
{
    m_mervane->Main();
}

bool Program::saveSettings(Form& form, const std::vector<std::pair<std::string, std::string>>& keys)
{
    ProfileFile ini(settingsPath(), fileSystem());
    if (SaveResult saved = ini.writeStrings(kIniSection, keys); !saved) {
        module1().msgAnswer = form.msgBox(saveFailedMessage(absolutePath(ini.path()), saved.reason), MsgButtons::Ok,
                                          MsgIcon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace tv
