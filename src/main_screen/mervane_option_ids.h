#pragma once
// The main screen's options, in the order of their rows (each view's table of rows is checked against its enum
// when the program is compiled).
#include <cstddef>

namespace tv {

enum class LoanOption {
    Principal,
    Rate,
    Duration,
    Payment,
    InterestOnly,
    Payoff,
    ExtraEveryInstallment,
    ExtraOnce,
    ExtraYearly,
};

enum class InvestOption {
    OneTime,
    Monthly,
    OneTimeMonthly,
    Yearly,
    SaveThenDraw,
    AnnualAnnuity,
    MonthlyAnnuity,
    AnnuityDuration,
    Withdrawals,
};

// Rows of each view's option table: the last option's place plus one.
inline constexpr std::size_t kLoanOptionCount = static_cast<std::size_t>(LoanOption::ExtraYearly) + 1;
inline constexpr std::size_t kInvestOptionCount = static_cast<std::size_t>(InvestOption::Withdrawals) + 1;

// Whether a table lists one row for each option, in the enum's order (what describe() relies on).
template <typename Row, std::size_t N>
constexpr bool rowsInEnumOrder(const Row (&rows)[N], std::size_t count)
{
    if (N != count) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].id) != i) return false;
    return true;
}

}  // namespace tv
