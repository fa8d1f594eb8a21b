// The Investments view's options, one row each.
#include "main_screen/mervane.h"

#include "common/locale.h"
#include "common/user_text.h"

namespace tv {

namespace {

constexpr const char* kInvested = "Invested &Amount:";
constexpr const char* kMonthly = "Monthly &Amount:";
constexpr const char* kPayOff = "&PayOff:                ";
constexpr const char* kAnnuityRate = "Annuity &Interest Rate:  %";

// The annuity options' captions: the inflation adjustment uses the extra column.
constexpr const char* kInflation = "Infation Rate Adjustment:  %";
// Amounts beside these captions are in the locale's currency.
UserText additionalPayments()
{
    return composeText<"Additional Annuity Payments:            %1">(Locale::current().currencySymbol);
}
UserText yearlyPayments()
{
    return composeText<"Yearly Payments (beginning of year): %1">(Locale::current().currencySymbol);
}
UserText annuityDuration()
{
    return userText<"Annuity &Duration: (yrs)">();
}
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
    // The annuity options draw on a fund: the same captions, defaults, fields and question, the inflation
    // adjustment in the extra column.
    constexpr auto annuity = [](InvestOptionInfo row) {
        row.group = 2;
        row.amountCaption = kInvested;
        row.resultCaption = kAnnuityPayment;
        row.startCaption = &additionalPayments;
        row.extraCaption = kFirstAdjusted;
        row.hiPayoffCaption = kLastAdjusted;
        row.annuityRateCaption = kInflation;
        row.defaults = kAnnuityDefaults;
        row.showsCompounding = false;
        row.showsRetirementFund = false;
        row.paysOut = true;
        row.askPlausibility = &M::askAnnuityPlausibility;
        row.prepareChart = &M::chartAnnuity;
        return row;
    };
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
         .fillTotals = &M::totalsContributions,
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
         .fillTotals = &M::totalsContributions,
         .prepareChart = &M::chartContributions},
        {.id = SaveThenDraw,
         .button = "Opt_Inv2Annuity",
         .amountCaption = kMonthly,
         .resultCaption = kPayOff,
         .startCaption = &annuityDuration,
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
         .fillTotals = &M::totalsContributions,
         .prepareChart = &M::chartSaveThenDraw},
        annuity({.id = AnnualAnnuity,
                 .button = "Opt_Annuity",
                 .annuityPerYear = 1,
                 .checks = {kAmountRate, kDuration},
                 .adjustsAgainOnStartChange = true,
                 .solve = &M::solveAnnualAnnuity,
                 .fillTotals = &M::totalsAnnuity}),
        annuity({.id = MonthlyAnnuity,
                 .button = "Opt_Annuity_Mnthly",
                 .annuityPerYear = 12,
                 .checks = {kAmountRate, kDuration},
                 .adjustsAgainOnStartChange = true,
                 .adjustsAgainOnInflationChange = true,
                 .solve = &M::solveMonthlyAnnuity,
                 .fillTotals = &M::totalsAnnuity}),
        // Solves for the duration: the payment is typed and the duration box shows the result.
        annuity({.id = AnnuityDuration,
                 .button = "Opt_Annuity_Duration",
                 .annuityPerYear = 12,
                 .paymentDefault = {Field::Payment, When::IfNotPositive, Source::AnnuityPayment},
                 .checks = {kAmountRate, CheckGroup{Check{Field::Payment, Test::Positive}}},
                 .solvesDuration = true,
                 .solve = &M::solveAnnuityDuration,
                 .fillTotals = &M::totalsAnnuity}),
        {.id = Withdrawals,
         .button = "Opt_Spec_Dur",
         .group = 2,
         .amountCaption = kInvested,
         .resultCaption = "Remaining &Fund:",
         .startCaption = &yearlyPayments,
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
    static_assert(rowsInEnumOrder(kOptions, kInvestOptionCount), "one row for each option, in the order of the enum");
    return kOptions;
}

const InvestOptionInfo& Mervane::describe(InvestOption option)
{
    return investOptions()[static_cast<std::size_t>(option)];
}

namespace {
// The rows' captions, among the main screen's texts.
const bool kCaptionsListed = [] {
    for (const char* InvestOptionInfo::*field :
         {&InvestOptionInfo::amountCaption, &InvestOptionInfo::resultCaption, &InvestOptionInfo::extraCaption,
          &InvestOptionInfo::hiPayoffCaption, &InvestOptionInfo::annuityRateCaption})
        listTableTexts<"Mervane">(Mervane::investOptions(), field);
    return true;
}();
}  // namespace

}  // namespace tv
