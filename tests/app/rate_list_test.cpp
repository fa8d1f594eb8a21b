// The rate lists as a form shows them: entries, the rate of an entry and its settings value.
#include <gtest/gtest.h>

#include "app/rate_list.h"
#include "screen_model/application.h"
#include "screen_model/form.h"
#include "screen_model/scripted_platform.h"

namespace tv::test {
struct RateListRow {
    RateScale scale;
    int count, entry, setting;  // entries in the list; an entry and its settings value
    const char *first, *last;
    double percent;  // the entry's rate
};
const RateListRow kRateListRows[] = {
    {RateScale::Main, 201, 64, 64, "0.000", "25.000", 8.0},    // the main screen: entry k is k/8 %
    {RateScale::Editor, 200, 63, 64, "0.125", "25.000", 8.0},  // the editor: no 0 %, saved as k + 1
    {RateScale::Table, 101, 30, 30, "0.000", "25.00", 7.5},    // the table screen: quarter percents
};
TEST(RateList, EachScaleListsItsRatesAndReadsTheChosenOne)
{
    ScriptedPlatform platform;
    Application app(platform);
    const ControlDecl controls[] = {{Kind::ComboList, "rates"}};
    Form form(app, "Rates", controls);
    for (const RateListRow& r : kRateListRows) {
        RateList rates(form.combo("rates"), r.scale);
        rates.fill();
        ASSERT_EQ(rates.list().count(), r.count);
        EXPECT_EQ(rates.list().items().front(), r.first);
        EXPECT_EQ(rates.list().items().back(), r.last);
        EXPECT_EQ(rates.percent(), 0.0) << "no entry chosen";
        rates.choose(r.entry);
        EXPECT_EQ(rates.percent(), r.percent);
        EXPECT_EQ(rates.settingOf(rates.index()), r.setting);
        EXPECT_EQ(rates.indexOfSetting(r.setting), r.entry);
    }
}
}  // namespace tv::test
