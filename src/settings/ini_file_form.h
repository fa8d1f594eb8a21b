#pragma once

#include <string>
#include <vector>

#include "screen_model/declared_form.h"
#include "settings/ini_file_controls.h"

namespace tv {

class Program;
class RateList;

// The settings editor: the main screen's start-up defaults as the settings file holds them. It reads
// the file each time it loads and writes the thirteen keys on "&Save && Close" as one change.
class IniFile : public DeclaredForm<kIniFileControls> {
public:
    explicit IniFile(Program& program);

    void Form_Load();
    void Form_Unload(EventArgs& args);
    void btn_save_Click();
    void btn_close_Click();
    void btn_colors_Click();

private:
    // A field's box or rate list (kFields pairs each key with a control of the kind its type needs).
    MaskedBox& boxOf(AnyName name) const;
    RateList ratesOf(AnyName name) const;
    void bindHandlers();
    // The boxes whose text will not read back as the number the box shows, each as one line of the question.
    std::vector<std::string> misreadBoxes() const;

    Program& m_program;
};

}  // namespace tv
