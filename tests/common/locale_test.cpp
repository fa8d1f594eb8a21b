// The current locale and the date texts; the other locales' numbers are tested through Qt in tests/qt_locale.
#include "common/locale.h"

#include <gtest/gtest.h>

#include "common/formats.h"
#include "common/numbers.h"

namespace tv {
namespace {

TEST(Locale, TheProgramStartsInEnUSAndSettingALocaleChangesTheDefaults)
{
    ASSERT_EQ(Locale::current(), Locale::enUS());
    Locale comma;
    comma.decimalSeparator = ",";
    comma.groupSeparator = ".";
    Locale::setCurrent(comma);
    EXPECT_EQ(formatNumber(1234.5, kStandardFormat), "1.234,50");
    EXPECT_EQ(readBoxValue("1.234,5"), 1234.5);
    EXPECT_EQ(plainText(7.5), "7,5");
    EXPECT_EQ(plainText(7.5, Locale::enUS()), "7.5") << "files and exports pass en_US";
    Locale::setCurrent(Locale::enUS());
    EXPECT_EQ(formatNumber(1234.5, kStandardFormat), "1,234.50");
}

TEST(DateText, FollowsTheLocalesPattern)
{
    EXPECT_EQ(dateText(2038, 8, 15), "Aug 15, 2038");
    EXPECT_EQ(dateText(2025, 1, 5), "Jan 5, 2025");
    Locale dotted;
    dotted.shortDatePattern = "dd.MM.yy 'um' MMM";
    EXPECT_EQ(dateText(2038, 8, 5, dotted), "05.08.38 um Aug");
    dotted.shortDatePattern = "dddd, d MMMM yyyy''";  // a weekday is left out
    EXPECT_EQ(dateText(2038, 12, 31, dotted), ", 31 Dec 2038'");
}

}  // namespace
}  // namespace tv
