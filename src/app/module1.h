#pragma once

#include <string>
#include <utility>
#include <vector>

#include "screen_model/types.h"

namespace tv {

class Form;
class Platform;

// The colour table: one colour value (Windows encoding) per colour role of the screens.
struct ColorTable {
    int gUseWindowDefaults = 0;
    Color gLoanBkgrndColor = 0;
    Color gLoanTxtColor = 0;
    Color gLoanHiTxtColor = 0;
    Color gInvestBkgrndColor = 0;
    Color gInvestTxtColor = 0;
    Color gInvestHiTxtColor = 0;
    Color gTextBoxBgColor = 0;
    Color gLoanContrastColor = 0;
    Color gInvestContrastColor = 0;
    Color gLoanButtonColor = 0;
    Color gLoanButtonTxtColor = 0;
    Color gInvestButtonColor = 0;
    Color gInvestButtonTxtColor = 0;

    // Every slot by name, in table order (for the replay driver's "print colors").
    std::vector<std::pair<std::string, long long>> slotList() const;
};

// The program-wide values and shared procedures of the screens.
class Module1 {
public:
    explicit Module1(Platform& platform) : m_platform(platform) {}

    // The answer code of the last message box: 1 OK, 6 Yes, 7 No.
    double msgAnswer = 0;
    // True only while a fund transfer re-initialises the inputs.
    bool amtTransfer = false;
    Color gTanColor = 0;
    Color gLtTanColor = 0;
    ColorTable colors;
    // The preset the colour screen's "&Test Scheme" last saw chosen; it opens with it again (0 at start).
    int lastPreset = 0;

    // Places `form` centred on the screen, moved by the offsets (twips).
    void CenterForm(Form& form, int xOffset, int yOffset) const;

private:
    Platform& m_platform;
};

}  // namespace tv
