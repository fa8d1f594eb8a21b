// The locales Qt knows, as the program shows and reads numbers and dates in them.
#include "qt_locale/qt_locale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "app/rate_list.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "screen_model/application.h"
#include "screen_model/form.h"
#include "screen_model/scripted_platform.h"

namespace tv {
namespace {

Locale named(const char* name)
{
    return tvqt::localeFromQt(QLocale(QString::fromLatin1(name)));
}

TEST(LocaleFromQt, TheCLocaleAndEnUSAreTodaysEnUS)
{
    for (const char* name : {"C", "POSIX", "en_US"}) EXPECT_EQ(named(name), Locale::enUS()) << name;
    EXPECT_FALSE(tvqt::qtLocaleNamed(QStringLiteral("xx_YY")));
    EXPECT_TRUE(tvqt::qtLocaleNamed(QStringLiteral("C")));
}

struct Shown {
    const char* locale;
    double value;
    std::string_view format;
    const char* text;
};

TEST(LocaleFromQt, MoneyNegativesGroupingAndRoundingAtTheHalfCent)
{
    const Shown cases[] = {
        {"de_DE", 1234.56, kMoneyFormat, "1.234,56\u00A0€"},
        {"de_DE", -1234.56, kMoneyFormat, "-1.234,56\u00A0€"},
        {"de_DE", 0.125, kCurrencyFormat, "0,13\u00A0€"},
        {"de_DE", -0.004, kMoneyFormat, "0,00\u00A0€"},
        {"de_DE", -1200.5, kDurationFormat, "-1.200,5"},
        {"fr_FR", 1234567.891, kCurrencyFormat, "1\u202F234\u202F567,89\u00A0€"},
        {"fr_FR", -20, kMoneyFormat, "(20,00\u00A0€)"},
        {"en_GB", -1234.56, kMoneyFormat, "(£1,234.56)"},
        {"en_GB", 7.5, kPercentFormat, "8%"},
        {"de_DE", 7.5, kPercentFormat, "8\u00A0%"},
        {"fr_FR", 7.5, kPercentFormat, "8\u202F%"},
        {"de_CH", 7.5, kPercentFormat, "8%"},
        {"en_IN", 1234567, kMoneyFormat, "₹12,34,567.00"},
        {"en_IN", 1234567.5, kWholeFormat, "12,34,568"},
        {"es_ES", 1234.5, kStandardFormat, "1234,50"},
        {"es_ES", 12345.5, kStandardFormat, "12.345,50"},
        {"es_ES", -0.375, kFixed2Format, "-0,38"},
        {"C", -1234.56, kMoneyFormat, "($1,234.56)"},
    };
    for (const Shown& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.format, named(c.locale)), c.text) << c.locale << " " << c.value;
}

struct Typed {
    const char* locale;
    const char* text;
    double value;
};

TEST(LocaleFromQt, TypedNumbersAreReadTheLocalesWay)
{
    const Typed cases[] = {
        {"de_DE", "1.234,56", 1234.56},      {"de_DE", "1 234,56", 1234.56},
        {"de_DE", "1\u00A0234,56", 1234.56}, {"fr_FR", "1\u202F234,56", 1234.56},
        {"fr_FR", "1.234,56", 1234.56},      {"es_ES", "1234,56", 1234.56},
        {"de_DE", "1,234", 1.234},           {"de_DE", "1.234", 1234},
        {"de_DE", "1.234,56 €", 1234.56},    {"de_DE", "1.234,56€", 1234.56},
        {"de_DE", "$1.234,56", 1234.56},     {"de_DE", "-1.234,56 €", -1234.56},
        {"fr_FR", "(1 234,56 €)", -1234.56}, {"en_GB", "£1,234.56", 1234.56},
        {"en_IN", "₹12,34,567.00", 1234567}, {"en_GB", "$5", 5},
        {"de_DE", "7,25 %", 7.25},           {"C", "$1,234.56", 1234.56},
        {"fr_FR", "7,25\u202F%", 7.25},      {"es_ES", "7,25\u00A0%", 7.25},
    };
    for (const Typed& c : cases) EXPECT_EQ(parseBoxValue(c.text, named(c.locale)), c.value) << c.locale << c.text;
    for (const Typed& c : std::initializer_list<Typed>{
             {"de_DE", "1,2,3", 0}, {"de_DE", "12abc", 0}, {"en_GB", "1 234.56", 0}, {"de_DE", "€", 0}})
        EXPECT_FALSE(parseBoxValue(c.text, named(c.locale))) << c.locale << c.text;
    EXPECT_EQ(leadingNumber("7,25%", named("de_DE")), 7.25);
}

TEST(LocaleFromQt, PlainTextsAndDisplaysReadBackInEveryLocale)
{
    for (const char* name : {"de_DE", "fr_FR", "en_GB", "en_IN", "es_ES", "C"}) {
        const Locale l = named(name);
        for (double v : {699.2145420, 1.0 / 3.0, -4.9e6, 1.5e-7, 123456.789012345}) {
            EXPECT_NEAR(readBoxValue(plainText(v, l), l), v, std::fabs(v) * 1e-14) << name << plainText(v, l);
            const std::string shown = formatNumber(v, kMoneyFormat, l);
            EXPECT_EQ(readBoxValue(shown, l), std::round(v * 100) / 100) << name << shown;
        }
    }
}

TEST(LocaleFromQt, DatesUseTheLocalesMonthAbbreviations)
{
    const Shown cases[] = {{"de_DE", 0, {}, "15. Aug. 2038"},     {"fr_FR", 0, {}, "15 août 2038"},
                           {"en_GB", 0, {}, "15 Aug 2038"},       {"en_IN", 0, {}, "15 Aug, 2038"},
                           {"es_ES", 0, {}, "15 de ago de 2038"}, {"C", 0, {}, "Aug 15, 2038"}};
    for (const Shown& c : cases) EXPECT_EQ(dateText(2038, 8, 15, named(c.locale)), c.text) << c.locale;
}

TEST(LocaleFromQt, RateListsShowAndReadTheDecimalComma)
{
    ScriptedPlatform platform;
    Application app(platform);
    const ControlDecl controls[] = {{Kind::ComboList, "rates"}};
    Form form(app, "Rates", controls);
    Locale::setCurrent(named("de_DE"));
    RateList rates(form.combo("rates"), RateScale::Main);
    rates.fill();
    EXPECT_EQ(rates.list().items()[52], "6,500");
    EXPECT_TRUE(rates.type("6,25 %"));
    EXPECT_EQ(rates.percent(), 6.25);
    EXPECT_FALSE(rates.type("6.25")) << "a point groups digits in de_DE, and a rate has no groups";
    EXPECT_EQ(rates.settingOf(rates.index()), 50);
    Locale::setCurrent(Locale::enUS());
}

}  // namespace
}  // namespace tv
