#include "app/module1.h"

#include "screen_model/form.h"

namespace tv {

std::vector<std::pair<std::string, long long>> ColorTable::slotList() const
{
    return {
        {"gUseWindowDefaults", gUseWindowDefaults}, {"gLoanBkgrndColor", gLoanBkgrndColor},
        {"gLoanTxtColor", gLoanTxtColor},           {"gLoanHiTxtColor", gLoanHiTxtColor},
        {"gInvestBkgrndColor", gInvestBkgrndColor}, {"gInvestTxtColor", gInvestTxtColor},
        {"gInvestHiTxtColor", gInvestHiTxtColor},   {"gTextBoxBgColor", gTextBoxBgColor},
        {"gLoanContrastColor", gLoanContrastColor}, {"gInvestContrastColor", gInvestContrastColor},
        {"gLoanButtonColor", gLoanButtonColor},     {"gLoanButtonTxtColor", gLoanButtonTxtColor},
        {"gInvestButtonColor", gInvestButtonColor}, {"gInvestButtonTxtColor", gInvestButtonTxtColor},
    };
}

void Module1::CenterForm(Form& form, int xOffset, int yOffset) const
{
    ScreenSize screen = m_platform.screenSize();
    form.move((screen.width - form.width()) / 2 + xOffset, (screen.height - form.height()) / 2 + yOffset);
}

}  // namespace tv
