// The Loans view's options, one row each.
#include "main_screen/mervane.h"

#include "common/user_text.h"

namespace tv {

namespace {

constexpr Default kAmountIfNotPositive{Field::Amount, When::IfNotPositive, Source::LoanAmount};
constexpr Default kRateIfNone{Field::Rate, When::IfNoEntry, Source::LoanRate};
constexpr Default kDurationIfZero{Field::Duration, When::IfZero, Source::LoanDuration};
constexpr Default kPaymentIfNotPositive{Field::Payment, When::IfNotPositive, Source::LoanAmountOver125};
constexpr Default kPaymentZero{Field::Payment, When::Always, Source::Number, 0};
constexpr Default kStartIfZero{Field::Start, When::IfZero, Source::Number, 1};

constexpr Check kAmount{Field::Amount, Test::Positive};
constexpr Check kRate{Field::Rate, Test::Chosen};
constexpr Check kDuration{Field::Duration, Test::Positive};
constexpr Check kPayment{Field::Payment, Test::Positive};
constexpr CheckGroup kAmountRateDuration{kAmount, kRate, kDuration};
constexpr CheckGroup kStartAndExtra{Check{Field::Start, Test::AtLeastOne}, Check{Field::Extra, Test::NotNegative}};

constexpr const char* kStartWith = "Start &Xtra Payments with Installment:";
constexpr const char* kExtra = "&Xtra Payment:     ";

}  // namespace

std::span<const LoanOptionInfo> Mervane::loanOptions()
{
    using enum LoanOption;
    static constexpr LoanOptionInfo kOptions[] = {
        {.id = Principal,
         .button = "opt_Prin",
         .highlighted = "lbl_Prin",
         .defaults = {Default{Field::Amount, When::Always, Source::Number, 0}, kRateIfNone, kDurationIfZero,
                      kPaymentIfNotPositive},
         .checks = {CheckGroup{kRate, kDuration, kPayment}},
         .solve = &Mervane::GetPrin},
        {.id = Rate,
         .button = "opt_intRate",
         .highlighted = "lbl_IntRate",
         .defaults = {kAmountIfNotPositive, Default{Field::Rate, When::Always, Source::NoEntry},
                      Default{Field::Duration, When::IfNotPositive, Source::LoanDuration}, kPaymentIfNotPositive},
         .checks = {CheckGroup{kAmount, kDuration, kPayment}},
         .solve = &Mervane::GetIntRate,
         .solvesRate = true},
        {.id = Duration,
         .button = "opt_time",
         .highlighted = "lbl_Time",
         .defaults = {kAmountIfNotPositive, kRateIfNone, Default{Field::Duration, When::Always, Source::Number, 0},
                      kPaymentIfNotPositive},
         .checks = {CheckGroup{kAmount, kRate, kPayment}},
         .solve = &Mervane::GetTime,
         .solvesDuration = true},
        {.id = Payment,
         .button = "opt_payment",
         .defaults = {kAmountIfNotPositive, kRateIfNone, kDurationIfZero, kPaymentZero, kStartIfZero},
         .checks = {kAmountRateDuration},
         .solve = &Mervane::GetPayment},
        {.id = InterestOnly,
         .button = "opt_IntOnly",
         .defaults = {kAmountIfNotPositive, kRateIfNone, Default{Field::Duration, When::Always, Source::Number, 0},
                      kPaymentZero},
         .checks = {CheckGroup{kAmount, kRate}},
         .solve = &Mervane::GetIntOnly,
         .interestOnly = true},
        {.id = Payoff,
         .button = "opt_payoff",
         .group = LoanGroup::Payoff,
         .defaults = {kAmountIfNotPositive, kRateIfNone, kDurationIfZero, kPaymentZero, kStartIfZero,
                      Default{Field::Extra, When::Always, Source::Number, 0}},
         .checks = {kAmountRateDuration, CheckGroup{Check{Field::Start, Test::NotNegative}}},
         .startCaption = "Last Installment made before Payoff:",
         .extraCaption = "Payoff between:  ",
         .withCaption = "with low Payoff:",
         .solve = &Mervane::GetPayoff},
        {.id = ExtraEveryInstallment,
         .button = "opt_xpaymo",
         .group = LoanGroup::Extra,
         .defaults = {kAmountIfNotPositive, kRateIfNone, kDurationIfZero, kPaymentZero, kStartIfZero,
                      Default{Field::Extra, When::Always, Source::Number, 25}},
         .checks = {kAmountRateDuration, kStartAndExtra},
         .startCaption = kStartWith,
         .extraCaption = kExtra,
         .withCaption = "with Xtra Payments",
         .extraMode = ExtraMode::PerInstallment,
         .solve = &Mervane::ExtraPay},
        {.id = ExtraOnce,
         .button = "opt_xpay1x",
         .group = LoanGroup::Extra,
         .defaults = {kAmountIfNotPositive, kRateIfNone, kDurationIfZero, kPaymentZero, kStartIfZero,
                      Default{Field::Extra, When::Always, Source::Number, 500}},
         .checks = {kAmountRateDuration, kStartAndExtra},
         .startCaption = "&Xtra Payment made with Installment:",
         .extraCaption = kExtra,
         .withCaption = "with Xtra Payment",
         .extraMode = ExtraMode::OneTime,
         .solve = &Mervane::ExtraPay},
        // A negative yearly extra would lengthen the loan instead of shortening it.
        {.id = ExtraYearly,
         .button = "opt_xpayperiodic",
         .group = LoanGroup::Extra,
         .defaults = {kAmountIfNotPositive, kRateIfNone, kDurationIfZero, kPaymentZero, kStartIfZero,
                      Default{Field::Extra, When::Always, Source::Number, 500}},
         .checks = {kAmountRateDuration, CheckGroup{Check{Field::Extra, Test::NotNegative}}},
         .startCaption = kStartWith,
         .extraCaption = kExtra,
         .withCaption = "with Yearly Payments",
         .extraMode = ExtraMode::Yearly,
         .solve = &Mervane::ExtraPay},
    };
    static_assert(rowsInEnumOrder(kOptions, kLoanOptionCount), "one row for each option, in the order of the enum");
    return kOptions;
}

namespace {
// The rows' captions, among the main screen's texts.
const bool kCaptionsListed = listTableTexts<"Mervane">(Mervane::loanOptions(), &LoanOptionInfo::startCaption) &&
                             listTableTexts<"Mervane">(Mervane::loanOptions(), &LoanOptionInfo::extraCaption) &&
                             listTableTexts<"Mervane">(Mervane::loanOptions(), &LoanOptionInfo::withCaption);
}  // namespace

const LoanOptionInfo& Mervane::describe(LoanOption option)
{
    return loanOptions()[static_cast<std::size_t>(option)];
}

}  // namespace tv
