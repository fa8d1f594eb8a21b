#include "settings/colors.h"

#include "app/module1.h"
#include "screen_model/application.h"
#include "settings/profile.h"

namespace tv {

const std::array<NamedColor, 24> kColorList = {{
    {"Black", 0x00000000},
    {"Red", 0x000000FF},
    {"Green", 0x0000FF00},
    {"Yellow", 0x0000FFFF},
    {"Blue", 0x00FF0000},
    {"Magenta", 0x00FF00FF},
    {"Cyan", 0x00FFFF00},
    {"White", 0x00FFFFFF},
    {"Dk Gray", 0x00808080},
    {"Dk Red", 0x00000080},
    {"Dk Green", 0x00008000},
    {"Lt Gray", 0x00E0E0E0},
    {"Lt Red", 0x008080FF},
    {"Lt Green", 0x00C0FFC0},
    {"Lt Yellow", 0x00C0FFFF},
    {"Lt Blue", 0x00FFFFC0},
    {"Lt Magenta", 0x00FFC0FF},
    {"Lt Orange", 0x00C0E0FF},
    {"Pale Green", 0x00D9FFD9},
    {"Tan", 0x00AED8E6},
    {"Lt Tan", 0x00CEE8F0},
    {"Window Default", 0x80000005},
    {"Window Application", 0x8000000C},
    {"Window Button", 0x8000000F},
}};

Color GetColorValue(const Module1& module, std::int64_t position)
{
    if (position < 0 || position > 23) return kDarkGray;
    if (position == 19) return module.gTanColor;
    if (position == 20) return module.gLtTanColor;
    return kColorList[static_cast<std::size_t>(position)].value;
}

int GetColorIndex(const Module1& module, Color value)
{
    for (int i = 0; i <= 18; ++i)
        if (kColorList[static_cast<std::size_t>(i)].value == value) return i;
    if (value == module.gTanColor) return 19;
    if (value == module.gLtTanColor) return 20;
    for (int i = 21; i <= 23; ++i)
        if (kColorList[static_cast<std::size_t>(i)].value == value) return i;
    return 11;
}

Color contrastColor(std::int64_t backgroundPosition)
{
    return backgroundPosition > 10 ? kBlack : kWhite;
}

void SetWindowColors(Module1& module)
{
    ColorTable& t = module.colors;
    t.gLoanBkgrndColor = t.gInvestBkgrndColor = t.gLoanButtonColor = t.gInvestButtonColor = syscolor::kButtonFace;
    t.gLoanTxtColor = t.gInvestTxtColor = t.gLoanButtonTxtColor = t.gInvestButtonTxtColor = syscolor::kButtonText;
    t.gLoanHiTxtColor = t.gInvestHiTxtColor = syscolor::kHighlightText;
    t.gTextBoxBgColor = syscolor::kWindowBackground;
    t.gLoanContrastColor = t.gInvestContrastColor = syscolor::kWindowText;
}

void ReadIniColors(Module1& module, ProfileFile& ini)
{
    ColorTable& t = module.colors;
    t.gUseWindowDefaults = ini.readInt(kIniSection, "UseWindowDefaults", 0);
    if (t.gUseWindowDefaults == 1) {
        SetWindowColors(module);
        return;
    }
    auto read = [&](const char* key, int def) { return static_cast<std::int64_t>(ini.readInt(kIniSection, key, def)); };
    std::int64_t loanBack = read("LoanBkgrndColor", 11);
    t.gLoanBkgrndColor = GetColorValue(module, loanBack);
    t.gLoanContrastColor = contrastColor(loanBack);
    t.gLoanTxtColor = GetColorValue(module, read("LoanTxtColor", 4));
    t.gLoanHiTxtColor = GetColorValue(module, read("LoanHiTxtColor", 1));
    std::int64_t investBack = read("InvestBkgrndColor", 11);
    t.gInvestBkgrndColor = GetColorValue(module, investBack);
    t.gInvestContrastColor = contrastColor(investBack);
    t.gInvestTxtColor = GetColorValue(module, read("InvestTxtColor", 4));
    t.gInvestHiTxtColor = GetColorValue(module, read("InvestHiTxtColor", 1));
    t.gTextBoxBgColor = GetColorValue(module, read("TextBoxBgColor", 18));
    t.gLoanButtonColor = GetColorValue(module, read("LoanButtonColor", 11));
    t.gLoanButtonTxtColor = GetColorValue(module, read("LoanButtonTxtColor", 0));
    t.gInvestButtonColor = GetColorValue(module, read("InvestButtonColor", 11));
    t.gInvestButtonTxtColor = GetColorValue(module, read("InvestButtonTxtColor", 0));
}

}  // namespace tv
