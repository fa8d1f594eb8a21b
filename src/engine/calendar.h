#pragma once

// Dates of installments: when the k-th installment of a loan that starts on a given day falls due.
namespace tv {

struct CalendarDate {
    int year = 2025;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    bool operator==(const CalendarDate&) const = default;
};

// Days since 1970-01-01 (negative before it), in the proleptic Gregorian calendar, and back.
long long daysSinceEpoch(CalendarDate date);
CalendarDate dateFromDays(long long days);

// `months` calendar months after `date`; a day past the end of the target month becomes its last day
// (Jan 31 + 1 month = Feb 28 or 29).
CalendarDate addMonths(CalendarDate date, long long months);

// The due date of installment `count` of a loan taken out on `start`, the first falling one period after it:
// 12 a year are monthly, 24 a year twice a month (count / 2 months, and 15 days more for an odd count),
// 26 (and any other frequency) every 364 / periodsPerYear days, rounded to whole days (14 days for 26).
CalendarDate installmentDate(CalendarDate start, int periodsPerYear, int count);

}  // namespace tv
