#pragma once

// The program's limits. Each one is enforced with a message that names it; change a limit here, with the
// reason, if it proves wrong.
namespace tv::limits {

// Money amounts up to a trillion in size: cents stay exact in a double.
inline constexpr double kMaxMoney = 1e12;

// Every period or installment count, one below the largest 16-bit count (89 years of daily compounding,
// 1,260 years at 26 a year).
inline constexpr int kMaxPeriods = 32766;

// Loan lengths on the table screen.
inline constexpr int kMinTableYears = 1;
inline constexpr int kMaxTableYears = 100;
inline constexpr int kMinTableMonths = 1;
inline constexpr int kMaxTableMonths = 1200;

// The table screen's grid and schedule sizes that follow from those lengths.
inline constexpr int kMaxTableRateRows = 101;
inline constexpr int kMaxTableYearColumns = 100;
inline constexpr int kMaxTableMonthColumns = 200;
inline constexpr int kMaxScheduleRows = 1200;

}  // namespace tv::limits
