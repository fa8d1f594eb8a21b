#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "screen_model/declared_form.h"
#include "settings/ini_file_controls.h"
#include "settings/schema.h"

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
    // "&Restore Defaults": the values the program starts with when the file holds none; written only on save.
    void btn_defaults_Click();

private:
    // A field's box or rate list (kFields pairs each key with a control of the kind its type needs).
    MaskedBox& boxOf(AnyName name) const;
    RateList ratesOf(AnyName name) const;
    void bindHandlers();
    // Shows each key's value (`valueOf` gives its integer) in its box, rate list or option.
    void showValues(const std::function<std::int32_t(SettingKey)>& valueOf);
    // The boxes whose text will not read back as the number the box shows, each as one line of the question.
    std::vector<UserText> misreadBoxes() const;

    Program& m_program;
};

}  // namespace tv
