#pragma once

#include <iosfwd>
#include <string_view>

// The classic loan formulas: the period-counting power, whole-month durations, and solving for the
// payment, the loan amount, the duration or the rate. Money is in currency units, rates in percent per
// year (7.5 means 7.5 %), durations in years, counts in installments. Nothing here shows a message: every
// function returns a status with its result, and the screen turns the status into the words the user sees.
// No result is ever NaN or infinite: a calculation that would give one returns a status instead.
namespace tv {

// The rate list: entry k stands for k x 0.125 percent, from 0.000 (entry 0) to 25.000 (entry 200).
inline constexpr double kRateStepPercent = 0.125;
inline constexpr int kMaxRateIndex = 200;
inline constexpr double kMaxRatePercent = 25.0;

enum class LoanStatus {
    Ok,
    InvalidInput,          // a number that is not finite, a negative rate, or no installments per year
    AmountTooLarge,        // a money amount beyond limits::kMaxMoney in size
    TooFewPeriods,         // the duration rounds to no installment at all (under half an installment)
    TooManyPeriods,        // more than limits::kMaxPeriods installments
    PaymentTooLow,         // duration: the payment does not cover one period's interest ("not high enough")
    PaymentBelowZeroRate,  // rate search: the target is below the 0 % payment, so no rate repays the loan
    ExceededHighInterest,  // rate search: 25 % still pays less than the target; the result is the 25 % one
    ZeroRate,              // interest-only at the "0.000" rate: there is no interest to pay
    NegativeExtra,         // extra payments: a negative extra amount
    NegativeStart,         // extra payments and payoff: a negative installment number
    ResultOutOfRange,      // the result would not be a finite number
};

// The enumerator's name ("Ok", "TooFewPeriods", ...), for logs and test output.
std::string_view statusName(LoanStatus status);
std::ostream& operator<<(std::ostream& out, LoanStatus status);

// True when the result fields are filled: Ok, and ExceededHighInterest (a result at 25 % plus a notice).
constexpr bool hasResult(LoanStatus status)
{
    return status == LoanStatus::Ok || status == LoanStatus::ExceededHighInterest;
}

struct PowerResult {
    LoanStatus status = LoanStatus::Ok;
    double value = 0.0;  // base^n, meaningful only when status is Ok
    int periods = 0;     // n, the whole period count used
};

// base^n by repeated multiplication, with n = periods rounded half to even (2.5 -> 2, 3.5 -> 4); n <= 0
// gives 1. The multiplication loop is kept as it is, since the cents of every result depend on its exact
// rounding. A count above limits::kMaxPeriods is TooManyPeriods, one below the 16-bit range
// TooFewPeriods (never wrapped); a result that overflows is ResultOutOfRange.
PowerResult periodPower(double base, double periods);

struct PeriodCount {
    LoanStatus status = LoanStatus::Ok;
    int count = 0;  // 1..limits::kMaxPeriods when status is Ok
};

// The number of installments of a loan: periodsPerYear x durationYears rounded half to even.
// Fewer than 1 is TooFewPeriods, more than limits::kMaxPeriods TooManyPeriods.
PeriodCount installmentCount(int periodsPerYear, double durationYears);

// Years rounded to whole months, the twelfths written with three decimals: with w the whole years and f
// the fraction, f below 0.0417 gives w, below 0.125 gives w + 0.083, below 0.2083 w + 0.167, then w + 0.25,
// 0.333, 0.417, 0.5, 0.583, 0.667, 0.75, 0.833, 0.917 (bounds 0.2917, 0.375, 0.4583, 0.5417, 0.625,
// 0.7083, 0.7917, 0.875, 0.9583), and w + 1 from 0.9583 on. So 2.6 -> 2.583 and 10.96 -> 11.
// The whole years are kept as a double, so no size wraps; a value that is not finite gives 0, which every
// solver refuses as TooFewPeriods.
double roundToMonth(double years);

// The period rate of the payment formulas: annualRatePercent / (periodsPerYear x 100), in that order.
double periodRateOf(double annualRatePercent, int periodsPerYear);

// The level payment for a power h = (1 + r)^n already taken by repeated multiplication: principal x r x h /
// (h - 1), principal / n at a rate of 0; bit for bit levelPayment's.
double levelPaymentForPower(double principal, double r, double h, int n);

// The loan amount a payment repays for a power h = (1 + r)^n: payment x (h - 1) / (h x r), payment x n at a rate
// of 0; bit for bit loanPrincipal's.
double principalForPower(double payment, double r, double h, int n);

// The level payment with std::pow instead of repeated multiplication: within 3e-9 of levelPayment's, relative.
double estimatedLevelPayment(double principal, double r, int n);

struct PaymentResult {
    LoanStatus status = LoanStatus::Ok;
    double payment = 0.0;  // per installment
    int periods = 0;       // installments the payment was computed for
};

// The level payment (GetPayment): r = annualRatePercent / (periodsPerYear x 100), h = (1 + r)^n with n
// the installment count, payment = principal x r x h / (h - 1); at a rate of 0, principal / n.
PaymentResult levelPayment(double principal, double annualRatePercent, int periodsPerYear, double durationYears);

struct PrincipalResult {
    LoanStatus status = LoanStatus::Ok;
    double principal = 0.0;
    int periods = 0;
};

// The loan amount a payment repays (GetPrin): principal = payment x (h - 1) / (h x r), r and h as above;
// at a rate of 0, payment x n.
PrincipalResult loanPrincipal(double payment, double annualRatePercent, int periodsPerYear, double durationYears);

struct DurationResult {
    LoanStatus status = LoanStatus::Ok;
    double durationYears = 0.0;  // rounded to whole months by roundToMonth
    double payment = 0.0;        // the level payment for that rounded duration
    int periods = 0;
};

// The duration a payment needs (GetTime): n = ln(1 / (1 - principal x r / payment)) / ln(1 + r)
// installments (principal / payment at a rate of 0), durationYears = roundToMonth(n / periodsPerYear), then
// the level payment for it.
// PaymentTooLow when principal x r / payment >= 1 (or the payment is not positive).
DurationResult loanDuration(double principal, double payment, double annualRatePercent, int periodsPerYear);
// The same duration without its payment (payment 0): what loanDuration refuses, it refuses.
DurationResult durationFor(double principal, double payment, double annualRatePercent, int periodsPerYear);

struct RateResult {
    LoanStatus status = LoanStatus::Ok;
    int rateIndex = 0;               // entry of the rate list, 0..kMaxRateIndex
    double annualRatePercent = 0.0;  // rateIndex x 0.125 (0 for the "0.000" entry)
    double payment = 0.0;            // the level payment at that rate (principal / installments for the 0 entry)
    int periods = 0;
};

// The rate of the list whose level payment is closest to targetPayment (GetIntRate): the steps 0.125 %,
// 0.25 %, ... are tried upwards until one pays at least the target; that step or the one below it is
// chosen, whichever payment is closer, a tie going to the lower step. The step below 0.125 % is 0 %, whose
// payment is principal / installments. A target below that is PaymentBelowZeroRate; a target above the
// 25 % payment gives ExceededHighInterest with entry 200, 25 % and the 25 % payment. Only the steps the
// choice reads are computed by repeated multiplication; std::pow rules out the others with a margin far
// wider than the two ways ever differ, so the answer is the step-by-step walk's, bit for bit.
RateResult rateForPayment(double principal, double targetPayment, int periodsPerYear, double durationYears);

// The interest-only payment (GetIntOnly): principal x annualRatePercent / (periodsPerYear x 100), exactly to
// the cent (halves up) from the amount's cents and the rate's digits.
// The "0.000" rate (isZeroRateText, or a rate of 0) is ZeroRate: the screen refuses it.
PaymentResult interestOnlyPayment(double principal, double annualRatePercent, int periodsPerYear, bool isZeroRateText);

}  // namespace tv
