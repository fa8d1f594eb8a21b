// CSV fields and rows as RFC 4180 writes them.
#include <gtest/gtest.h>

#include "common/csv.h"

namespace tv {
namespace {

TEST(Csv, PlainFieldsStandAsTheyAre)
{
    EXPECT_EQ(csvField("7.25"), "7.25");
    EXPECT_EQ(csvField("Rate (%)"), "Rate (%)");
    EXPECT_EQ(csvField(""), "");
}

TEST(Csv, FieldsWithCommasQuotesOrLineBreaksAreQuotedWithTheirQuotesDoubled)
{
    EXPECT_EQ(csvField("1,234.56"), "\"1,234.56\"");
    EXPECT_EQ(csvField("say \"when\""), "\"say \"\"when\"\"\"");
    EXPECT_EQ(csvField("Payment\n$730.02"), "\"Payment\n$730.02\"");
    EXPECT_EQ(csvField("a\rb"), "\"a\rb\"");
    EXPECT_EQ(csvField(" padded "), "\" padded \"");
}

TEST(Csv, RowsEndWithCrLfAndFieldsAreSeparatedByCommas)
{
    EXPECT_EQ(csvText({{"Month", "Interest Paid"}, {"1", "625.00"}, {"2", "a,b"}}),
              "Month,Interest Paid\r\n1,625.00\r\n2,\"a,b\"\r\n");
    EXPECT_EQ(csvText({}), "");
}

}  // namespace
}  // namespace tv
