// The Investments view's options, one row each.
#include "main_screen/mervane.h"

namespace tv {

namespace {

constexpr const char* kInvested = "Invested &Amount:";
constexpr const char* kMonthly = "Monthly &Amount:";
constexpr const char* kPayOff = "&PayOff:                ";
constexpr const char* kAnnuityRate = "Annuity &Interest Rate:  %";

// The annuity options' captions: the inflation adjustment uses the extra column.
constexpr const char* kInflation = "Infation Rate Adjustment:  %";
constexpr const char* kAdditional = "Additional Annuity Payments:            $";
constexpr const char* kFirstAdjusted = "1st Adj Payment:";
constexpr const char* kLastAdjusted = "And Last:";
constexpr const char* kAnnuityPayment = "Annuity &Payment:";

// The annuity options start without additional payments and adjusted ones.
constexpr std::array<Default, 3> kAnnuityDefaults{Default{Field::Start, When::IfAtMost30, Source::Number, 0},
                                                  Default{Field::Extra, When::Always, Source::Number, 0},
                                                  Default{Field::HiPayoff, When::Always, Source::Number, 0}};

constexpr CheckGroup kAmountRate{Check{Field::Amount, Test::Positive}, Check{Field::Rate, Test::Chosen}};
constexpr CheckGroup kDuration{Check{Field::Duration, Test::Positive}};
constexpr CheckGroup kStart{Check{Field::Start, Test::Positive}};

}  // namespace

std::span<const InvestOptionInfo> Mervane::investOptions()
{
    using enum InvestOption;
    using M = Mervane;
    static constexpr InvestOptionInfo kOptions[] = {
        {.id = OneTime,
         .button = "Opt_Invest",
         .amountCaption = kInvested,
         .resultCaption = kPayOff,
         .defaults = {Default{Field::Amount, When::IfNotPositive, Source::FundOneTime, 0, true}},
         .checks = {kAmountRate, kDuration},
         .askPlausibility = &M::askOneTimePlausibility,
         .solve = &M::GetInvestment,
         .fillTotals = &M::totalsOneTime,
         .prepareChart = &M::chartOneTime},
        {.id = Monthly,
         .button = "Opt_invest_mnthly",
         .amountCaption = kMonthly,
         .resultCaption = kPayOff,
         .defaults = {Default{Field::Amount, When::IfNotPositive, Source::FundMonthly, 0, true}},
         .checks = {kAmountRate, kDuration},
         .askPlausibility = &M::askMonthlyPlausibility,
         .solve = &M::GetInvestMnthly,
         .fillTotals = &M::totalsMonthly,
         .prepareChart = &M::chartContributions},
        {.id = OneTimeMonthly,
         .button = "Opt_invest_1xmnthly",
         .amountCaption = kMonthly,
         .resultCaption = kPayOff,
         .extraCaption = "1 Time &Amount:  ",
         .annuityRateCaption = kAnnuityRate,
         .extraHighlighted = false,
         .defaults = {Default{Field::Amount, When::IfNotPositive, Source::FundMonthly, 0, true},
                      Default{Field::Extra, When::IfNotPositive, Source::FundOneTime, 0, true}},
         .checks = {kAmountRate, kDuration},
         .showsExtra = true,
         .extraTyped = true,
         .resetExtra = "10000",
         .oneTimeAmount = true,
         .askPlausibility = &M::askMonthlyPlausibility,
         .solve = &M::GetInvestMnthly,
         .fillTotals = &M::totalsOneTimeMonthly,
         .prepareChart = &M::chartContributions},
        {.id = Yearly,
         .button = "Opt_invest_yearly",
         .amountCaption = "Yearly &Amount:",
         .resultCaption = kPayOff,
         .checks = {kAmountRate, kDuration},
         .schedule = ContributionSchedule::Yearly,
         .askPlausibility = &M::askYearlyPlausibility,
         .solve = &M::GetInvestMnthly,
         .fillTotals = &M::totalsYearly,
         .prepareChart = &M::chartContributions},
        {.id = SaveThenDraw,
         .button = "Opt_Inv2Annuity",
         .amountCaption = kMonthly,
         .resultCaption = kPayOff,
         .startCaption = "Annuity &Duration: (yrs)",
         .extraCaption = kAnnuityPayment,
         .annuityRateCaption = kAnnuityRate,
         .defaults = {Default{Field::Amount, When::IfNotPositive, Source::FundMonthly},
                      Default{Field::Start, When::IfNotPositive, Source::AnnuityDuration},
                      Default{Field::AnnuityRate, When::IfIndexBelowOne, Source::AnnuityRate}},
         .checks = {kAmountRate, kDuration, kStart, CheckGroup{Check{Field::AnnuityRate, Test::Chosen}}},
         .showsStart = true,
         .showsExtra = true,
         .showsAnnuityRate = true,
         .showsRetirementFund = false,
         .resetStart = "10",
         .resetExtra = "0",
         .payoffToFund = false,
         .askPlausibility = &M::askMonthlyPlausibility,
         .solve = &M::GetInvest2Annuity,
         .fillTotals = &M::totalsSaveThenDraw,
         .prepareChart = &M::chartSaveThenDraw},
        {.id = AnnualAnnuity,
         .button = "Opt_Annuity",
         .group = 2,
         .annuityPerYear = 1,
         .amountCaption = kInvested,
         .resultCaption = kAnnuityPayment,
         .startCaption = kAdditional,
         .extraCaption = kFirstAdjusted,
         .hiPayoffCaption = kLastAdjusted,
         .annuityRateCaption = kInflation,
         .defaults = kAnnuityDefaults,
         .checks = {kAmountRate, kDuration},
         .showsCompounding = false,
         .showsRetirementFund = false,
         .paysOut = true,
         .adjustsAgainOnStartChange = true,
         .askPlausibility = &M::askAnnuityPlausibility,
         .solve = &M::solveAnnualAnnuity,
         .fillTotals = &M::totalsAnnualAnnuity,
         .prepareChart = &M::chartAnnuity},
        {.id = MonthlyAnnuity,
         .button = "Opt_Annuity_Mnthly",
         .group = 2,
         .annuityPerYear = 12,
         .amountCaption = kInvested,
         .resultCaption = kAnnuityPayment,
         .startCaption = kAdditional,
         .extraCaption = kFirstAdjusted,
         .hiPayoffCaption = kLastAdjusted,
         .annuityRateCaption = kInflation,
         .defaults = kAnnuityDefaults,
         .checks = {kAmountRate, kDuration},
         .showsCompounding = false,
         .showsRetirementFund = false,
         .paysOut = true,
         .adjustsAgainOnStartChange = true,
         .adjustsAgainOnInflationChange = true,
         .askPlausibility = &M::askAnnuityPlausibility,
         .solve = &M::solveMonthlyAnnuity,
         .fillTotals = &M::totalsMonthlyAnnuity,
         .prepareChart = &M::chartAnnuity},
        // Solves for the duration: the payment is typed and the duration box shows the result.
        {.id = AnnuityDuration,
         .button = "Opt_Annuity_Duration",
         .group = 2,
         .annuityPerYear = 12,
         .amountCaption = kInvested,
         .resultCaption = kAnnuityPayment,
         .startCaption = kAdditional,
         .extraCaption = kFirstAdjusted,
         .hiPayoffCaption = kLastAdjusted,
         .annuityRateCaption = kInflation,
         .defaults = kAnnuityDefaults,
         .paymentDefault = {Field::Payment, When::IfNotPositive, Source::AnnuityPayment},
         .checks = {kAmountRate, CheckGroup{Check{Field::Payment, Test::Positive}}},
         .showsCompounding = false,
         .showsRetirementFund = false,
         .solvesDuration = true,
         .paysOut = true,
         .askPlausibility = &M::askAnnuityPlausibility,
         .solve = &M::solveAnnuityDuration,
         .fillTotals = &M::totalsMonthlyAnnuity,
         .prepareChart = &M::chartAnnuity},
        {.id = Withdrawals,
         .button = "Opt_Spec_Dur",
         .group = 2,
         .amountCaption = kInvested,
         .resultCaption = "Remaining &Fund:",
         .startCaption = "Yearly Payments (beginning of year): $",
         .annuityRateCaption = kAnnuityRate,
         .defaults = {Default{Field::Start, When::IfNotPositive, Source::FundYearlyTimes4},
                      Default{Field::Duration, When::IfNotPositive, Source::FundDuration}},
         .paymentDefault = {},
         .checks = {kAmountRate, kDuration, kStart},
         .showsStart = true,
         .paysOut = true,
         .askPlausibility = &M::askWithdrawalPlausibility,
         .solve = &M::solveRemainingFund,
         .fillTotals = &M::totalsWithdrawals,
         .prepareChart = &M::chartWithdrawals},
    };
    return kOptions;
}

const InvestOptionInfo& Mervane::describe(InvestOption option)
{
    return investOptions()[static_cast<std::size_t>(option)];
}

}  // namespace tv
