#pragma once

#include <iosfwd>
#include <string_view>

// Savings and annuities: what money grows to, what a fund pays out and for how long, what is left after
// yearly withdrawals, and payments that rise with inflation. Money is in currency units, rates in percent
// per year (7.5 means 7.5 %), durations in years (already rounded to whole months by roundToMonth where the
// screen rounds them). Every period count is a whole number, the product of periods per year and years
// rounded half to even, at most limits::kMaxPeriods (the 16-bit counters: 89 years of daily compounding).
// Powers are taken by repeated multiplication, one factor per period, as in engine/loan.h: the cents depend
// on it. Nothing here shows a message; every function returns a status with its result, no result is NaN or
// infinite, and every loop is bounded.
namespace tv {

enum class InvestStatus {
    Ok,
    InvalidInput,      // a number that is not finite, a negative rate, or a fund or payment that is not positive
    AmountTooLarge,    // a money amount typed by the user beyond limits::kMaxMoney in size
    TooFewPeriods,     // an annuity whose duration rounds to no payment at all: its formula would divide by zero
    TooManyPeriods,    // more than limits::kMaxPeriods periods, months, payments or years
    ResultOutOfRange,  // the result would not be a finite number
};

// The enumerator's name ("Ok", "TooFewPeriods", ...), for logs and test output.
std::string_view statusName(InvestStatus status);
std::ostream& operator<<(std::ostream& out, InvestStatus status);

struct GrowthResult {
    InvestStatus status = InvestStatus::Ok;
    double value = 0.0;
    int periods = 0;  // compounding periods
};

// A one-time amount grown (GetInvestment): amount x (1 + r)^n with r = annualRatePercent / (periodsPerYear x
// 100) and n = durationYears x periodsPerYear rounded half to even (no period leaves the amount as it is).
// A rate of 0 leaves the amount as it is.
GrowthResult growOneTime(double amount, double annualRatePercent, int periodsPerYear, double durationYears);

enum class ContributionSchedule { Monthly, Yearly };

struct ContributionInput {
    double contribution = 0.0;  // each monthly or yearly contribution
    ContributionSchedule schedule = ContributionSchedule::Monthly;
    double oneTimeAmount = 0.0;  // also invested once at the start (0 for none), grown as by growOneTime
    double annualRatePercent = 0.0;
    int periodsPerYear = 12;  // compounding periods per year: 12 (monthly) or 365 (daily)
    double durationYears = 0.0;
};

struct ContributionResult {
    InvestStatus status = InvestStatus::Ok;
    double value = 0.0;               // contributionsValue + oneTimeValue
    double contributionsValue = 0.0;  // the contributions with their growth
    double oneTimeValue = 0.0;        // the one-time amount with its growth
    int contributions = 0;            // contributions made
    int periods = 0;                  // compounding periods of the whole duration
};

// Contributions grown (GetInvestMnthly), r as for growOneTime.
// Monthly: M = durationYears x 12 rounded half to even contributions; contribution i (1..M) is made at the
// start of month i and grows for the whole periods of (durationYears - (i - 1) / 12) years, each such count
// rounded half to even: value = sum of contribution x (1 + r)^n(i), added in the order i = 1..M. The powers
// are the prefix products of one multiplication walk, so each equals the repeated multiplication bit for
// bit, with one walk for the whole schedule (the one-time amount included) instead of one per month.
// Yearly: a contribution at the start of each year 0..floor(durationYears), compounded period by period as
// total = total + r x total until the end of the duration (N = durationYears x periodsPerYear rounded half
// to even periods in all). Whole years are counted with floor, so no contribution falls after the end date;
// with a whole number of years the last one falls on the end date and earns nothing (10 years: eleven
// contributions, the last unearning; 10.5 years: eleven, the last compounded for six months).
ContributionResult growContributions(const ContributionInput& input);

struct AnnuityResult {
    InvestStatus status = InvestStatus::Ok;
    double payment = 0.0;  // per payment period
    int periods = 0;       // payments
};

// The level payment, at the end of each period, that uses up a fund (GetAnnuity): r = annualRatePercent /
// 100 / paymentsPerYear, h = (1 + r)^n with n = paymentsPerYear x durationYears rounded half to even,
// payment = fund x (r + r / (h - 1)); at a rate of 0, fund / n. A duration that rounds to no payment (an
// annual annuity over half a year) is TooFewPeriods.
AnnuityResult annuityPayment(double fund, double annualRatePercent, int paymentsPerYear, double durationYears);

enum class AnnuityDurationOutcome {
    Found,               // the fund lasts the months returned
    PaymentTooLarge,     // the fund is under 2.9 wanted payments: 1 year is used instead
    PaymentTooSmall,     // the fund lasts beyond 75 years, or for ever: 75 years are used instead
    ShorterThan3Months,  // the fund lasts under 3 months (only at the list's 0 %, which has no too-large test)
};

struct AnnuityDurationResult {
    InvestStatus status = InvestStatus::Ok;
    AnnuityDurationOutcome outcome = AnnuityDurationOutcome::Found;
    double years = 0.0;    // months / 12: 1, 75, or how long the fund lasts
    double payment = 0.0;  // the monthly payment for that duration (annuityPayment with 12 a year)
    int months = 0;        // whole monthly payments
};

// How long a fund lasts with a monthly payment (GetAnnuityDuration). listRatePercent is the rate list's
// number (0 for the "0.000" entry), which the two plausibility tests use; annualRatePercent the rate the
// formula computes with. ratio = (listRatePercent / 100 x fund) / wantedPayment, a year's interest in
// payments; its limit L is 12 above 5 %, 11.75 from 3.3 % to 5 %, 11 below 3.3 %. Too large (1 year) when
// listRatePercent / 100 x 2.9 > ratio, else too small (75 years) when ratio > L. Otherwise the fund lasts
// n = -ln(1 - fund x i / wantedPayment) / ln(1 + i) monthly payments, i = annualRatePercent / 1200 (n = fund /
// wantedPayment at a rate of 0), rounded half to even to whole months; beyond 900 months (75 years), or
// for ever (fund x i >= wantedPayment), it is too small as well. Under 3 months is ShorterThan3Months with
// that duration, at least one month. The payment is the monthly annuity of the fund over the months returned.
AnnuityDurationResult annuityDuration(double fund, double wantedPayment, double listRatePercent,
                                      double annualRatePercent);

struct SaveThenDrawInput {
    double monthlyContribution = 0.0;
    double saveRatePercent = 0.0;  // as for growContributions
    int periodsPerYear = 12;       // compounding periods of the saving phase: 12 or 365
    double saveYears = 0.0;        // rounded to whole months
    double annuityRatePercent = 0.0;
    double annuityYears = 0.0;  // as typed: rounded to whole months here
};

struct SaveThenDrawResult {
    InvestStatus status = InvestStatus::Ok;
    bool refusedInAnnuity = false;  // the status is about the annuity phase rather than the saving phase
    double fund = 0.0;              // what the monthly saving grows to
    double annuityYears = 0.0;      // the annuity duration rounded to whole months
    double monthlyPayment = 0.0;    // the monthly payment that uses up the fund over annuityYears
    int annuityPayments = 0;
};

// Monthly saving followed by a monthly annuity (GetInvest2Annuity): the fund of growContributions (monthly,
// no one-time amount), then the annuity payment factor (r + r / (h - 1)) of annuityPayment at 12 a year
// over roundToMonth(annuityYears), times the fund. An annuity duration that rounds to no month is
// TooFewPeriods.
SaveThenDrawResult saveThenDraw(const SaveThenDrawInput& input);

struct RemainingFundResult {
    InvestStatus status = InvestStatus::Ok;
    double fund = 0.0;       // what is left: 0 once the withdrawals have used the fund up
    double withdrawn = 0.0;  // what the fund actually paid out
    double interest = 0.0;   // what the fund earned while it lasted
    int withdrawals = 0;     // withdrawals asked for: one at the start of every year begun
    int runOutYear = 0;      // the year (from 1) after whose withdrawal nothing is left; 0 when something is
    double lastPaid = 0.0;   // what the fund paid of that year's withdrawal
};

// The fund left after yearly withdrawals at the start of each year (GetRemainFund): while durationYears >
// year: the withdrawal is paid from the fund, then the rest grows a year, fund x (1 + annualRatePercent / 100).
// A duration of 10.5 years makes 11 withdrawals and 11 years of growth. A fund that cannot pay a withdrawal in
// full pays what it has and is used up: nothing is left to grow or to withdraw in the years after, and the fund
// is never a debt. Less than half a cent left after a withdrawal counts as nothing. A negative fund or
// withdrawal is InvalidInput; more than limits::kMaxPeriods years is refused.
RemainingFundResult remainingFund(double fund, double yearlyWithdrawal, double annualRatePercent, double durationYears);

struct InflationInput {
    double fund = 0.0;               // the fund the level payments use up
    double annualRatePercent = 0.0;  // the annuity's own rate
    bool annual = false;             // one payment a year; otherwise twelve
    double durationYears = 0.0;      // the annuity's duration
    double inflationPercent = 0.0;   // per year
    double additionalPayment = 0.0;  // the additional annuity payments, per payment: level, not adjusted
};

struct InflationResult {
    InvestStatus status = InvestStatus::Ok;
    double firstPayment = 0.0;  // the income I of each payment of the first year
    double lastPayment = 0.0;   // the income of each payment of the last year, I x (1 + inflation)^(years - 1)
    double total = 0.0;         // the sum of every payment's income
    int periods = 0;            // payments
};

// Payments that rise with inflation instead of the level payment of annuityPayment, drawn from the same fund
// at the same rate and timing. The n payments (as annuityPayment counts them, at the end of each period, r =
// annualRatePercent / 100 / paymentsPerYear) bring an income that rises once a year, compounded: payment k
// (1..n) falls in year y = (k - 1) / paymentsPerYear (whole years) and brings I x g^y, g = 1 + inflationPercent
// / 100. The additional payments A stay level, so the fund pays I x g^y - A, and those payments have a present
// value equal to the fund: fund = sum of (I x g^y - A) / (1 + r)^k, so I = (fund + A x sum of 1 / (1 + r)^k) /
// sum of g^y / (1 + r)^k. Without inflation I is the level payment plus A. An income below zero (additional
// payments below zero that the fund cannot make up) is InvalidInput; a duration that rounds to no payment is
// TooFewPeriods; powers beyond the double range are ResultOutOfRange.
InflationResult inflationAdjustedPayments(const InflationInput& input);

struct LevelWorthResult {
    InvestStatus status = InvestStatus::Ok;
    double paymentCents = 0.0;  // the level payment rounded to the cent (half away from zero)
    double worth = 0.0;         // what it is worth during the last year, in today's money
    int years = 0;              // years of inflation applied
};

// What a level payment will be worth during the last year of the annuity, in today's money: payment / (1 +
// inflationPercent / 100)^Y, Y = durationYears rounded half to even, the power by repeated multiplication (the
// walk stops once less than half a cent is left: every later year shows the same $0.00).
LevelWorthResult levelPaymentWorth(double payment, double inflationPercent, double durationYears);

}  // namespace tv
