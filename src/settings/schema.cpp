#include "settings/schema.h"

#include "settings/profile.h"

namespace tv {

namespace {

constexpr bool rowsFollowTheKeys()
{
    for (std::size_t i = 0; i < std::size(kSettings); ++i)
        if (static_cast<std::size_t>(kSettings[i].id) != i) return false;
    return std::size(kSettings) == static_cast<std::size_t>(SettingKey::InvestButtonTxtColor) + 1;
}
static_assert(rowsFollowTheKeys(), "kSettings holds one row per SettingKey, in its order");

}  // namespace

std::int32_t readSetting(const ProfileFile& ini, SettingKey key)
{
    return ini.readInt(kIniSection, keyName(key), setting(key).startupDefault);
}

StartupDefaults StartupDefaults::read(const ProfileFile& ini)
{
    auto value = [&](SettingKey key) { return static_cast<double>(readSetting(ini, key)); };
    StartupDefaults d;
    d.loanAmount = value(SettingKey::LoanAmount);
    d.loanDuration = value(SettingKey::LoanDuration);
    d.loanInterest = value(SettingKey::LoanInterest);
    d.investBFamt1x = value(SettingKey::InvestBFamt1x);
    d.investBFamtMo = value(SettingKey::InvestBFamtMo);
    d.investBFamtYr = value(SettingKey::InvestBFamtYr);
    d.investBFduration = value(SettingKey::InvestBFduration);
    d.investBFInt = value(SettingKey::InvestBFInt);
    d.investAnnuityAmt = value(SettingKey::InvestAnnuityAmt);
    d.investAnnuityDuration = value(SettingKey::InvestAnnuityDuration);
    d.investAnnuityInt = value(SettingKey::InvestAnnuityInt);
    d.investAnnuityPayment = value(SettingKey::InvestAnnuityPayment);
    d.menuStart = readSetting(ini, SettingKey::MenuStart);
    d.durationType = readSetting(ini, SettingKey::DurationType);
    return d;
}

}  // namespace tv
