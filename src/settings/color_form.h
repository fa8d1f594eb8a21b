#pragma once

#include "screen_model/declared_form.h"
#include "settings/color_form_controls.h"

namespace tv {

class Program;

// The colour-scheme screen: the colours of the main screen's two views and of the table screen, chosen
// from the colour list, from seven presets, or the desktop's own colours. "&Test Scheme" puts the choice
// into the running colour table; "&Save && Close" writes it to the settings file.
class ColorFm : public DeclaredForm<kColorFmControls> {
public:
    explicit ColorFm(Program& program);

    void Form_Load();
    void cbo_LnBackGrnd_Click();
    void cbo_LnText_Click();
    void cbo_LnHiTxt_Click();
    void cbo_InvBackGrnd_Click();
    void cbo_InvText_Click();
    void cbo_InvHiTxt_Click();
    void cbo_LnButBG_Click();
    void cbo_invButBG_Click();
    void cbo_TextBoxBG_Click();
    void cbo_Pesets_Click();
    void chk_WinDefaults_Click();
    void but_testScheme_Click();
    void Btn_S_C_Click();
    void btn_cancel_Click();

    // The background Lt Gray of the screen, its caption labels, option buttons and check box.
    static constexpr Color kDesignBackColor = 0x00E0E0E0;

private:
    void bindHandlers();
    // The colour position of the entry chosen in a list (-1 when none is chosen; Black in the textbox list),
    // and its colour value (Dk Gray when none is chosen).
    int chosenPosition(NameOf<Kind::ComboList> list) const;
    Color chosenColor(NameOf<Kind::ComboList> list) const;
    bool windowDefaults() const;

    Program& m_program;
};

}  // namespace tv
