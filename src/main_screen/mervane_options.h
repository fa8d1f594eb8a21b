#pragma once
// The options of the main screen's two views, one constant row each: what an option shows, the defaults it
// puts in, what Calculate checks, its solver, its totals and its chart. A new option is a new row and its
// solver.
#include <array>
#include <cstdint>
#include <span>

#include "engine/amortization.h"
#include "engine/investment.h"
#include "main_screen/mervane_controls.h"
#include "screen_model/declared_form.h"

namespace tv {

class Mervane;

// The inflation entry offered for an annuity: the settings' annuity rate (in eighths of a percent) / 2.5.
inline constexpr double kInflationFromAnnuityRate = 2.5;

enum class Compounding { Monthly, Daily };

using OptionButtonName = ControlName<kMervaneControls, static_cast<int>(Kind::OptionButton) + 1>;
using LabelName = ControlName<kMervaneControls, static_cast<int>(Kind::Label) + 1>;

// The installment frequencies of a loan and the compounding of an investment, by their buttons.
struct FrequencyButton {
    std::int16_t perYear;
    OptionButtonName button;
};
inline constexpr FrequencyButton kFrequencyButtons[] = {{12, "opt_12"}, {24, "opt_24"}, {26, "opt_26"}};
struct CompoundingButton {
    Compounding id;
    OptionButtonName button;
};
inline constexpr CompoundingButton kCompoundingButtons[] = {{Compounding::Monthly, "Opt_CI_monthly"},
                                                            {Compounding::Daily, "Opt_CI_daily"}};

// The inputs that defaults and checks name.
enum class Field { None, Amount, Rate, Duration, Payment, Start, Extra, HiPayoff, AnnuityRate };

// When a default replaces what a field holds.
enum class When {
    Always,
    IfZero,
    IfNotPositive,
    IfAtMost30,       // the annuity's additional payments: a small number is taken for none
    IfNoEntry,        // a rate list without a chosen entry
    IfIndexBelowOne,  // a rate list at "0.000" or without an entry
};

// What a default puts in: a number, no entry, or a start-up value from the settings file.
enum class Source {
    Number,
    NoEntry,
    LoanAmount,
    LoanAmountOver125,  // a first payment: the start-up loan amount / 125
    LoanDuration,       // in the duration box's unit
    LoanRate,
    FundOneTime,
    FundMonthly,
    FundYearlyTimes4,  // a first yearly withdrawal: four yearly contributions
    FundDuration,      // in the duration box's unit
    AnnuityDuration,   // in years, whatever the unit
    AnnuityRate,
    AnnuityPayment,
};

struct Default {
    Field field = Field::None;
    When when = When::Always;
    Source source = Source::Number;
    double number = 0;
    // Left alone while an amount is being transferred into the amount box.
    bool skippedOnTransfer = false;
};

// What Calculate asks of an input.
enum class Test { Chosen, Positive, NotNegative, AtLeastOne };

struct Check {
    Field field = Field::None;
    Test test = Test::Positive;
};

// Checks tried in order until one fails; that input gets the focus. Every group of an option is tried.
using CheckGroup = std::array<Check, 3>;

// How the loan options lay out the extra column.
enum class LoanGroup {
    Solve,   // the basic solvers: no extra column
    Payoff,  // the payoff after a given installment
    Extra,   // extra payments
};

struct LoanOptionInfo {
    LoanOption id;
    OptionButtonName button;
    LoanGroup group = LoanGroup::Solve;
    LabelName highlighted = "lbl_Payment";
    std::array<Default, 6> defaults{};
    std::array<CheckGroup, 2> checks{};
    // The extra column's captions; null keeps the view's own.
    const char* startCaption = nullptr;
    const char* extraCaption = nullptr;
    const char* withCaption = nullptr;
    ExtraMode extraMode = ExtraMode::PerInstallment;
    bool (Mervane::*solve)(std::int16_t numpay) = nullptr;
    bool solvesDuration = false;
    bool solvesRate = false;
    // The payment is interest only: the totals count no principal.
    bool interestOnly = false;
};

struct InvestOptionInfo {
    InvestOption id;
    OptionButtonName button;
    // 1: building a fund; 2: drawing on one. Chooses the start-up rate, and a new group's rate when the input
    // checker offers the settings' values.
    std::int16_t group = 1;
    // Annuity payments a year (1 or 12) for the annuity options, 0 for the others.
    int annuityPerYear = 0;
    // Captions; null keeps what the label shows.
    const char* amountCaption = nullptr;
    const char* resultCaption = nullptr;
    UserText (*startCaption)() = nullptr;  // made as it is shown (it names the currency)
    const char* extraCaption = nullptr;
    const char* hiPayoffCaption = nullptr;
    const char* annuityRateCaption = nullptr;
    // The extra box's label in the highlight colour (a result) rather than the text colour (an input).
    bool extraHighlighted = true;
    std::array<Default, 3> defaults{};
    // Put in after the input checker's questions.
    Default paymentDefault{Field::Payment, When::Always, Source::Number, 0};
    std::array<CheckGroup, 4> checks{};
    // The fields shown.
    bool showsStart = false;
    bool showsExtra = false;
    bool extraTyped = false;
    bool showsAnnuityRate = false;
    bool showsCompounding = true;
    bool showsRetirementFund = true;
    bool solvesDuration = false;
    // "Total Payments:" (money paid out) rather than "Total Contributions:".
    bool paysOut = false;
    // Reset Input puts these texts into the start and extra boxes; null leaves them.
    const char* resetStart = nullptr;
    const char* resetExtra = nullptr;
    // The inflation adjustment can be applied again after the additional payments or the inflation change.
    bool adjustsAgainOnStartChange = false;
    bool adjustsAgainOnInflationChange = false;
    // The result can be added to the retirement fund.
    bool payoffToFund = true;
    ContributionSchedule schedule = ContributionSchedule::Monthly;
    bool oneTimeAmount = false;
    // The input checker's question; true when the user took the settings' values.
    bool (Mervane::*askPlausibility)() = nullptr;
    bool (Mervane::*solve)(double periodsPerYear) = nullptr;
    void (Mervane::*fillTotals)() = nullptr;
    void (Mervane::*prepareChart)(std::int16_t periodsPerYear) = nullptr;
};

}  // namespace tv
