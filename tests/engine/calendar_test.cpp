// Installment due dates, counted from the day the loan starts.
#include <gtest/gtest.h>

#include "engine/calendar.h"

namespace tv {
namespace {

TEST(Calendar, DaysSinceEpochRoundTrips)
{
    EXPECT_EQ(daysSinceEpoch({1970, 1, 1}), 0);
    EXPECT_EQ(daysSinceEpoch({2025, 1, 15}), 20103);
    EXPECT_EQ(daysSinceEpoch({2000, 3, 1}), 11017);
    for (long long d = -1000000; d <= 1000000; d += 997) EXPECT_EQ(daysSinceEpoch(dateFromDays(d)), d) << d;
    EXPECT_EQ(dateFromDays(daysSinceEpoch({2024, 2, 29}) + 1), (CalendarDate{2024, 3, 1}));
}

TEST(Calendar, AddMonthsKeepsTheDayOrTakesTheMonthsLast)
{
    EXPECT_EQ(addMonths({2025, 1, 15}, 360), (CalendarDate{2055, 1, 15}));
    EXPECT_EQ(addMonths({2025, 1, 31}, 1), (CalendarDate{2025, 2, 28}));
    EXPECT_EQ(addMonths({2024, 1, 31}, 1), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(addMonths({2025, 11, 30}, 3), (CalendarDate{2026, 2, 28}));
    EXPECT_EQ(addMonths({2025, 3, 15}, -3), (CalendarDate{2024, 12, 15}));
}

TEST(Calendar, MonthlyInstallmentsFallOnTheSameDay)
{
    EXPECT_EQ(installmentDate({2025, 1, 15}, 12, 1), (CalendarDate{2025, 2, 15}));
    EXPECT_EQ(installmentDate({2025, 1, 15}, 12, 246), (CalendarDate{2045, 7, 15}));
}

TEST(Calendar, TwiceAMonthIsHalfMonthsOfFifteenDays)
{
    EXPECT_EQ(installmentDate({2025, 1, 15}, 24, 1), (CalendarDate{2025, 1, 30}));
    EXPECT_EQ(installmentDate({2025, 1, 15}, 24, 2), (CalendarDate{2025, 2, 15}));
    EXPECT_EQ(installmentDate({2025, 1, 15}, 24, 3), (CalendarDate{2025, 3, 2}));
}

TEST(Calendar, EveryTwoWeeksIsFourteenDays)
{
    EXPECT_EQ(installmentDate({2025, 1, 15}, 26, 1), (CalendarDate{2025, 1, 29}));
    EXPECT_EQ(installmentDate({2025, 1, 15}, 26, 26), (CalendarDate{2026, 1, 14}));
}

}  // namespace
}  // namespace tv
