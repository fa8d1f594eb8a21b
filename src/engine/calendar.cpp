#include "engine/calendar.h"

#include <cmath>

namespace tv {

namespace {

bool isLeap(long long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(long long year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

// The civil-from-days and days-from-civil algorithms: eras of 400 years starting on March 1.
long long daysSinceEpoch(CalendarDate date)
{
    long long y = date.year - (date.month <= 2 ? 1 : 0);
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yearOfEra = y - era * 400;
    long long monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CalendarDate dateFromDays(long long days)
{
    days += 719468;
    long long era = (days >= 0 ? days : days - 146096) / 146097;
    long long dayOfEra = days - era * 146097;
    long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long long mp = (5 * dayOfYear + 2) / 153;
    int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

CalendarDate addMonths(CalendarDate date, long long months)
{
    long long index = static_cast<long long>(date.year) * 12 + (date.month - 1) + months;
    long long year = index >= 0 ? index / 12 : (index - 11) / 12;
    int month = static_cast<int>(index - year * 12) + 1;
    int day = date.day;
    if (day > daysInMonth(year, month)) day = daysInMonth(year, month);
    return {static_cast<int>(year), month, day};
}

CalendarDate installmentDate(CalendarDate start, int periodsPerYear, int count)
{
    if (periodsPerYear == 12) return addMonths(start, count);
    if (periodsPerYear == 24) {
        CalendarDate d = addMonths(start, count / 2);
        return count % 2 == 0 ? d : dateFromDays(daysSinceEpoch(d) + 15);
    }
    if (periodsPerYear <= 0) return start;
    long long step = std::llround(364.0 / periodsPerYear);
    return dateFromDays(daysSinceEpoch(start) + step * count);
}

}  // namespace tv
