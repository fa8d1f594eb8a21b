#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/limits.h"
#include "engine/loan.h"
#include "settings/colors.h"

namespace tv {

class ProfileFile;

// Every key of the settings file's section, in the order the start-up reads them.
enum class SettingKey {
    LoanAmount,
    LoanDuration,
    LoanInterest,
    InvestBFamt1x,
    InvestBFamtMo,
    InvestBFamtYr,
    InvestBFduration,
    InvestBFInt,
    InvestAnnuityAmt,
    InvestAnnuityDuration,
    InvestAnnuityInt,
    InvestAnnuityPayment,
    MenuStart,
    DurationType,
    UseWindowDefaults,
    LoanBkgrndColor,
    LoanTxtColor,
    LoanHiTxtColor,
    InvestBkgrndColor,
    InvestTxtColor,
    InvestHiTxtColor,
    TextBoxBgColor,
    LoanButtonColor,
    LoanButtonTxtColor,
    InvestButtonColor,
    InvestButtonTxtColor,
};

// What a key's integer stands for.
enum class SettingType {
    Amount,         // dollars
    Duration,       // years, or months when the main screen starts in months
    RateSetting,    // eighths of a percent: entry k of the main screen's rate list, entry k - 1 of the editor's
    Choice,         // 1 or 2: MenuStart 1 loan, 2 investments; DurationType 1 months, otherwise years
    Flag,           // 0 or 1; any other number counts as set wherever the program tests it
    ColorPosition,  // a position in the colour list (colors.h)
};

// One key: its name in the file, its type, the value the program takes when it is missing (the main screen,
// the colour reader and the settings editor alike, so saving the editor unchanged keeps what the program used)
// and the range of sensible values (the readers accept any integer).
struct SettingDecl {
    SettingKey id;
    const char* key;
    SettingType type;
    std::int32_t startupDefault;
    double min;
    double max;
};

inline constexpr double kMaxDurationSetting = limits::kMaxPeriods;

// The schema: one row per SettingKey, in its order.
inline constexpr SettingDecl kSettings[] = {
    {SettingKey::LoanAmount, "LoanAmount", SettingType::Amount, 100000, 0, limits::kMaxMoney},
    {SettingKey::LoanDuration, "LoanDuration", SettingType::Duration, 15, 0, kMaxDurationSetting},
    {SettingKey::LoanInterest, "LoanInterest", SettingType::RateSetting, 64, 0, kMaxRateIndex},
    {SettingKey::InvestBFamt1x, "InvestBFamt1x", SettingType::Amount, 100000, 0, limits::kMaxMoney},
    {SettingKey::InvestBFamtMo, "InvestBFamtMo", SettingType::Amount, 1000, 0, limits::kMaxMoney},
    {SettingKey::InvestBFamtYr, "InvestBFamtYr", SettingType::Amount, 10000, 0, limits::kMaxMoney},
    {SettingKey::InvestBFduration, "InvestBFduration", SettingType::Duration, 10, 0, kMaxDurationSetting},
    {SettingKey::InvestBFInt, "InvestBFInt", SettingType::RateSetting, 80, 0, kMaxRateIndex},
    {SettingKey::InvestAnnuityAmt, "InvestAnnuityAmt", SettingType::Amount, 30000, 0, limits::kMaxMoney},
    {SettingKey::InvestAnnuityDuration, "InvestAnnuityDuration", SettingType::Duration, 25, 0, kMaxDurationSetting},
    {SettingKey::InvestAnnuityInt, "InvestAnnuityInt", SettingType::RateSetting, 60, 0, kMaxRateIndex},
    {SettingKey::InvestAnnuityPayment, "InvestAnnuityPayment", SettingType::Amount, 3000, 0, limits::kMaxMoney},
    {SettingKey::MenuStart, "MenuStart", SettingType::Choice, 1, 1, 2},
    {SettingKey::DurationType, "DurationType", SettingType::Choice, 2, 1, 2},
    {SettingKey::UseWindowDefaults, "UseWindowDefaults", SettingType::Flag, 0, 0, 1},
    {SettingKey::LoanBkgrndColor, "LoanBkgrndColor", SettingType::ColorPosition, colorpos::LtGray, 0, colorpos::Last},
    {SettingKey::LoanTxtColor, "LoanTxtColor", SettingType::ColorPosition, colorpos::Blue, 0, colorpos::Last},
    {SettingKey::LoanHiTxtColor, "LoanHiTxtColor", SettingType::ColorPosition, colorpos::Red, 0, colorpos::Last},
    {SettingKey::InvestBkgrndColor, "InvestBkgrndColor", SettingType::ColorPosition, colorpos::LtGray, 0,
     colorpos::Last},
    {SettingKey::InvestTxtColor, "InvestTxtColor", SettingType::ColorPosition, colorpos::Blue, 0, colorpos::Last},
    {SettingKey::InvestHiTxtColor, "InvestHiTxtColor", SettingType::ColorPosition, colorpos::Red, 0, colorpos::Last},
    {SettingKey::TextBoxBgColor, "TextBoxBgColor", SettingType::ColorPosition, colorpos::PaleGreen, 0, colorpos::Last},
    {SettingKey::LoanButtonColor, "LoanButtonColor", SettingType::ColorPosition, colorpos::LtGray, 0, colorpos::Last},
    {SettingKey::LoanButtonTxtColor, "LoanButtonTxtColor", SettingType::ColorPosition, colorpos::Black, 0,
     colorpos::Last},
    {SettingKey::InvestButtonColor, "InvestButtonColor", SettingType::ColorPosition, colorpos::LtGray, 0,
     colorpos::Last},
    {SettingKey::InvestButtonTxtColor, "InvestButtonTxtColor", SettingType::ColorPosition, colorpos::Black, 0,
     colorpos::Last},
};

constexpr const SettingDecl& setting(SettingKey key)
{
    return kSettings[static_cast<std::size_t>(key)];
}
constexpr const char* keyName(SettingKey key)
{
    return setting(key).key;
}
constexpr std::int32_t startupDefault(SettingKey key)
{
    return setting(key).startupDefault;
}

// The integer of a key (ProfileFile::readInt), or its start-up default when the file or key is missing.
std::int32_t readSetting(const ProfileFile& ini, SettingKey key);

// The main screen's start-up values, as the settings file gives them.
struct StartupDefaults {
    double loanAmount = startupDefault(SettingKey::LoanAmount);
    double loanDuration = startupDefault(SettingKey::LoanDuration);
    double loanInterest = startupDefault(SettingKey::LoanInterest);
    double investBFamt1x = startupDefault(SettingKey::InvestBFamt1x);
    double investBFamtMo = startupDefault(SettingKey::InvestBFamtMo);
    double investBFamtYr = startupDefault(SettingKey::InvestBFamtYr);
    double investBFduration = startupDefault(SettingKey::InvestBFduration);
    double investBFInt = startupDefault(SettingKey::InvestBFInt);
    double investAnnuityAmt = startupDefault(SettingKey::InvestAnnuityAmt);
    double investAnnuityDuration = startupDefault(SettingKey::InvestAnnuityDuration);
    double investAnnuityInt = startupDefault(SettingKey::InvestAnnuityInt);
    double investAnnuityPayment = startupDefault(SettingKey::InvestAnnuityPayment);
    std::int32_t menuStart = startupDefault(SettingKey::MenuStart);
    std::int32_t durationType = startupDefault(SettingKey::DurationType);

    bool startsInLoanView() const { return menuStart == 1; }
    bool startsInMonths() const { return durationType == 1; }
    bool operator==(const StartupDefaults&) const = default;

    // Every value at its schema default (no settings file).
    static constexpr StartupDefaults fromSchema() { return {}; }
    // Every value from the file: a key's integer, or its default when the file or key is missing.
    static StartupDefaults read(const ProfileFile& ini);
};

}  // namespace tv
