#include "settings/colors.h"

#include "app/module1.h"
#include "screen_model/application.h"
#include "settings/profile.h"
#include "settings/schema.h"

namespace tv {

const std::array<NamedColor, colorpos::Count> kColorList = {{
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
    if (position < 0 || position > colorpos::Last) return kDarkGray;
    if (position == colorpos::Tan) return module.gTanColor;
    if (position == colorpos::LtTan) return module.gLtTanColor;
    return kColorList[static_cast<std::size_t>(position)].value;
}

int GetColorIndex(const Module1& module, Color value)
{
    // The fixed colours before Tan win over Tan and Lt Tan, which win over the desktop's colours after them.
    for (int i = 0; i < colorpos::Tan; ++i)
        if (kColorList[static_cast<std::size_t>(i)].value == value) return i;
    if (value == module.gTanColor) return colorpos::Tan;
    if (value == module.gLtTanColor) return colorpos::LtTan;
    for (int i = colorpos::WindowDefault; i <= colorpos::Last; ++i)
        if (kColorList[static_cast<std::size_t>(i)].value == value) return i;
    return colorpos::LtGray;
}

Color contrastColor(std::int64_t backgroundPosition)
{
    return backgroundPosition > colorpos::DkGreen ? kBlack : kWhite;
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

void ReadIniColors(Module1& module, const ProfileFile& ini)
{
    ColorTable& t = module.colors;
    t.gUseWindowDefaults = readSetting(ini, SettingKey::UseWindowDefaults);
    if (t.gUseWindowDefaults == 1) {
        SetWindowColors(module);
        return;
    }
    auto read = [&](SettingKey key) { return static_cast<std::int64_t>(readSetting(ini, key)); };
    std::int64_t loanBack = read(SettingKey::LoanBkgrndColor);
    t.gLoanBkgrndColor = GetColorValue(module, loanBack);
    t.gLoanContrastColor = contrastColor(loanBack);
    t.gLoanTxtColor = GetColorValue(module, read(SettingKey::LoanTxtColor));
    t.gLoanHiTxtColor = GetColorValue(module, read(SettingKey::LoanHiTxtColor));
    std::int64_t investBack = read(SettingKey::InvestBkgrndColor);
    t.gInvestBkgrndColor = GetColorValue(module, investBack);
    t.gInvestContrastColor = contrastColor(investBack);
    t.gInvestTxtColor = GetColorValue(module, read(SettingKey::InvestTxtColor));
    t.gInvestHiTxtColor = GetColorValue(module, read(SettingKey::InvestHiTxtColor));
    t.gTextBoxBgColor = GetColorValue(module, read(SettingKey::TextBoxBgColor));
    t.gLoanButtonColor = GetColorValue(module, read(SettingKey::LoanButtonColor));
    t.gLoanButtonTxtColor = GetColorValue(module, read(SettingKey::LoanButtonTxtColor));
    t.gInvestButtonColor = GetColorValue(module, read(SettingKey::InvestButtonColor));
    t.gInvestButtonTxtColor = GetColorValue(module, read(SettingKey::InvestButtonTxtColor));
}

}  // namespace tv
