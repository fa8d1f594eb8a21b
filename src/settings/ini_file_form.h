#pragma once

#include <span>
#include <string>
#include <vector>

#include "screen_model/form.h"

namespace tv {

class Program;

// The settings editor: the main screen's start-up defaults as the settings file holds them. It reads
// the file each time it loads and writes the thirteen keys on "&Save && Close" as one change.
class IniFile : public Form {
public:
    explicit IniFile(Program& program);

    void Form_Load();
    void Form_Unload(EventArgs& args);
    void btn_save_Click();
    void btn_close_Click();
    void btn_colors_Click();

private:
    static std::span<const ControlDecl> controlTable();
    void bindHandlers();
    // The boxes whose text will not read back as the number the box shows, each as one line of the question.
    std::vector<std::string> misreadBoxes() const;

    Program& m_program;
};

}  // namespace tv
