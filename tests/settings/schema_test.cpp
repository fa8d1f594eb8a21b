// The main screen's start-up values as the settings file gives them.
#include "settings/schema.h"

#include <gtest/gtest.h>

#include "settings/profile.h"

namespace tv {
namespace {

struct StartupRow {
    const char* name;
    const char* file;  // nullptr: no settings file
    double loanAmount, loanDuration, annuityPayment;
    bool loanView, months;
};
const StartupRow kStartupRows[] = {
    {"NoFileGivesTheDefaults", nullptr, 100000, 15, 3000, true, false},
    {"MissingKeysGiveTheirDefaults", "[TarvolinDefaults]\r\nLoanDuration=30\r\n", 100000, 30, 3000, true, false},
    {"ValuesReadAsTheirLeadingWholeNumber", "[TarvolinDefaults]\r\nLoanAmount=250,000\r\nLoanDuration=15.5\r\n", 250,
     15, 3000, true, false},
    {"TextThatIsNoNumberReadsAs0", "[TarvolinDefaults]\r\nLoanAmount=abc\r\nInvestAnnuityPayment=\r\n", 0, 15, 0, true,
     false},
    {"MenuStart2AndDurationType1StartInInvestmentsAndMonths", "[TarvolinDefaults]\r\nMenuStart=2\r\nDurationType=1\r\n",
     100000, 15, 3000, false, true},
};

TEST(StartupDefaults, ReadFromTheSettingsFile)
{
    for (const StartupRow& r : kStartupRows) {
        SCOPED_TRACE(r.name);
        MemoryFileSystem fs;
        if (r.file) fs.files["Tarvolin.ini"] = r.file;
        StartupDefaults d = StartupDefaults::read(ProfileFile("Tarvolin.ini", fs));
        EXPECT_EQ(d.loanAmount, r.loanAmount);
        EXPECT_EQ(d.loanDuration, r.loanDuration);
        EXPECT_EQ(d.investAnnuityPayment, r.annuityPayment);
        EXPECT_EQ(d.startsInLoanView(), r.loanView);
        EXPECT_EQ(d.startsInMonths(), r.months);
        EXPECT_EQ(d == StartupDefaults::fromSchema(), !r.file) << "only a missing file reads as every default";
    }
}

}  // namespace
}  // namespace tv
