#include "settings/colors.h"

#include <gtest/gtest.h>

#include <string>

#include "app/module1.h"
#include "screen_model/scripted_platform.h"
#include "settings/profile.h"
#include "settings_fixture.h"

namespace tv {
namespace {

constexpr const char* kIni = "Tarvolin.ini";

// Module1 with the tan colours set, as the main screen's Form_Load sets them before any conversion.
struct Colors : ::testing::Test {
    Colors() : module(platform)
    {
        module.gTanColor = rgb(230, 216, 174);
        module.gLtTanColor = rgb(240, 232, 206);
    }
    void readFile(const std::string& text)
    {
        fs.files[kIni] = text;
        ProfileFile ini(kIni, fs);
        ReadIniColors(module, ini);
    }
    ScriptedPlatform platform;
    Module1 module;
    MemoryFileSystem fs;
};

struct ListedColor {
    int position;
    const char* name;
    Color value;
};

const ListedColor kListed[] = {
    {0, "Black", 0x00000000},
    {1, "Red", 0x000000FF},
    {2, "Green", 0x0000FF00},
    {3, "Yellow", 0x0000FFFF},
    {4, "Blue", 0x00FF0000},
    {5, "Magenta", 0x00FF00FF},
    {6, "Cyan", 0x00FFFF00},
    {7, "White", 0x00FFFFFF},
    {8, "Dk Gray", 0x00808080},
    {9, "Dk Red", 0x00000080},
    {10, "Dk Green", 0x00008000},
    {11, "Lt Gray", 0x00E0E0E0},
    {12, "Lt Red", 0x008080FF},
    {13, "Lt Green", 0x00C0FFC0},
    {14, "Lt Yellow", 0x00C0FFFF},
    {15, "Lt Blue", 0x00FFFFC0},
    {16, "Lt Magenta", 0x00FFC0FF},
    {17, "Lt Orange", 0x00C0E0FF},
    {18, "Pale Green", 0x00D9FFD9},
    {19, "Tan", 0x00AED8E6},
    {20, "Lt Tan", 0x00CEE8F0},
    {21, "Window Default", 0x80000005},
    {22, "Window Application", 0x8000000C},
    {23, "Window Button", 0x8000000F},
};

TEST_F(Colors, EveryListedValueGivesItsOwnPositionAndBack)
{
    for (const ListedColor& c : kListed) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(kColorList[static_cast<std::size_t>(c.position)].name, c.name);
        EXPECT_EQ(GetColorValue(module, c.position), c.value);
        EXPECT_EQ(GetColorIndex(module, c.value), c.position);
    }
}

TEST_F(Colors, TanAndLtTanComeFromTheProgramWideValues)
{
    module.gTanColor = rgb(1, 2, 3);
    EXPECT_EQ(GetColorValue(module, 19), rgb(1, 2, 3));
    EXPECT_EQ(GetColorIndex(module, rgb(1, 2, 3)), 19);
}

TEST_F(Colors, UnknownValueGivesLtGray)
{
    EXPECT_EQ(GetColorIndex(module, 0x00123456), 11);
    EXPECT_EQ(GetColorIndex(module, syscolor::kButtonText), 11);
    EXPECT_EQ(GetColorIndex(module, 0xFFFFFFFF), 11);
}

TEST_F(Colors, PositionOutsideTheListGivesDkGray)
{
    for (std::int64_t p : {-1LL, 24LL, 40LL, 2147483647LL, -2147483648LL})
        EXPECT_EQ(GetColorValue(module, p), kDarkGray) << p;
}

TEST(ContrastRule, DarkColoursUpToPosition10GetWhiteText)
{
    EXPECT_EQ(contrastColor(10), kWhite);
    EXPECT_EQ(contrastColor(0), kWhite);
    EXPECT_EQ(contrastColor(-1), kWhite);
}

TEST(ContrastRule, LightColoursFromPosition11GetBlackText)
{
    EXPECT_EQ(contrastColor(11), kBlack);
    EXPECT_EQ(contrastColor(23), kBlack);
    EXPECT_EQ(contrastColor(40), kBlack);
}

TEST_F(Colors, NoFileGivesTheDefaultScheme)
{
    ProfileFile ini(kIni, fs);
    ReadIniColors(module, ini);
    const ColorTable& t = module.colors;
    EXPECT_EQ(t.gUseWindowDefaults, 0);
    EXPECT_EQ(t.gLoanBkgrndColor, 0x00E0E0E0u);
    EXPECT_EQ(t.gLoanTxtColor, 0x00FF0000u);
    EXPECT_EQ(t.gLoanHiTxtColor, 0x000000FFu);
    EXPECT_EQ(t.gInvestBkgrndColor, 0x00E0E0E0u);
    EXPECT_EQ(t.gInvestTxtColor, 0x00FF0000u);
    EXPECT_EQ(t.gInvestHiTxtColor, 0x000000FFu);
    EXPECT_EQ(t.gTextBoxBgColor, 0x00D9FFD9u);
    EXPECT_EQ(t.gLoanContrastColor, kBlack);
    EXPECT_EQ(t.gInvestContrastColor, kBlack);
    EXPECT_EQ(t.gLoanButtonColor, 0x00E0E0E0u);
    EXPECT_EQ(t.gLoanButtonTxtColor, kBlack);
    EXPECT_EQ(t.gInvestButtonColor, 0x00E0E0E0u);
    EXPECT_EQ(t.gInvestButtonTxtColor, kBlack);
}

TEST_F(Colors, WindowDefaults1IgnoresTheColourKeys)
{
    readFile(
        "[TarvolinDefaults]\r\nUseWindowDefaults=1\r\nLoanBkgrndColor=9\r\nLoanTxtColor=6\r\nTextBoxBgColor=17\r\n");
    const ColorTable& t = module.colors;
    EXPECT_EQ(t.gUseWindowDefaults, 1);
    EXPECT_EQ(t.gLoanBkgrndColor, syscolor::kButtonFace);
    EXPECT_EQ(t.gInvestBkgrndColor, syscolor::kButtonFace);
    EXPECT_EQ(t.gLoanButtonColor, syscolor::kButtonFace);
    EXPECT_EQ(t.gInvestButtonColor, syscolor::kButtonFace);
    EXPECT_EQ(t.gLoanTxtColor, syscolor::kButtonText);
    EXPECT_EQ(t.gInvestTxtColor, syscolor::kButtonText);
    EXPECT_EQ(t.gLoanButtonTxtColor, syscolor::kButtonText);
    EXPECT_EQ(t.gInvestButtonTxtColor, syscolor::kButtonText);
    EXPECT_EQ(t.gLoanHiTxtColor, syscolor::kHighlightText);
    EXPECT_EQ(t.gInvestHiTxtColor, syscolor::kHighlightText);
    EXPECT_EQ(t.gTextBoxBgColor, syscolor::kWindowBackground);
    EXPECT_EQ(t.gLoanContrastColor, syscolor::kWindowText);
    EXPECT_EQ(t.gInvestContrastColor, syscolor::kWindowText);
}

TEST_F(Colors, WindowDefaults2IsNot1SoTheColourKeysAreRead)
{
    readFile(
        "[TarvolinDefaults]\r\nUseWindowDefaults=2\r\nLoanBkgrndColor=9\r\nLoanTxtColor=6\r\nTextBoxBgColor=17\r\n");
    const ColorTable& t = module.colors;
    EXPECT_EQ(t.gUseWindowDefaults, 2);
    EXPECT_EQ(t.gLoanBkgrndColor, 0x00000080u);
    EXPECT_EQ(t.gLoanTxtColor, 0x00FFFF00u);
    EXPECT_EQ(t.gTextBoxBgColor, 0x00C0E0FFu);
    EXPECT_EQ(t.gLoanContrastColor, kWhite);
}

TEST_F(Colors, LoanBackgroundPositionsPickTheContrastText)
{
    readFile("[TarvolinDefaults]\r\nLoanBkgrndColor=10\r\nInvestBkgrndColor=11\r\n");
    EXPECT_EQ(module.colors.gLoanBkgrndColor, 0x00008000u);
    EXPECT_EQ(module.colors.gLoanContrastColor, kWhite);
    EXPECT_EQ(module.colors.gInvestBkgrndColor, 0x00E0E0E0u);
    EXPECT_EQ(module.colors.gInvestContrastColor, kBlack);

    readFile("[TarvolinDefaults]\r\nLoanBkgrndColor=40\r\n");
    EXPECT_EQ(module.colors.gLoanBkgrndColor, kDarkGray);
    EXPECT_EQ(module.colors.gLoanContrastColor, kBlack);
}

TEST_F(Colors, EveryColourKeyFillsItsSlot)
{
    readFile(
        "[TarvolinDefaults]\r\nUseWindowDefaults=0\r\nLoanBkgrndColor=19\r\nLoanTxtColor=0\r\nLoanHiTxtColor=5\r\n"
        "InvestBkgrndColor=20\r\nInvestTxtColor=7\r\nInvestHiTxtColor=12\r\nTextBoxBgColor=21\r\n"
        "LoanButtonColor=22\r\nLoanButtonTxtColor=2\r\nInvestButtonColor=23\r\nInvestButtonTxtColor=3\r\n");
    const ColorTable& t = module.colors;
    EXPECT_EQ(t.gLoanBkgrndColor, module.gTanColor);
    EXPECT_EQ(t.gLoanTxtColor, kBlack);
    EXPECT_EQ(t.gLoanHiTxtColor, 0x00FF00FFu);
    EXPECT_EQ(t.gInvestBkgrndColor, module.gLtTanColor);
    EXPECT_EQ(t.gInvestTxtColor, kWhite);
    EXPECT_EQ(t.gInvestHiTxtColor, 0x008080FFu);
    EXPECT_EQ(t.gTextBoxBgColor, 0x80000005u);
    EXPECT_EQ(t.gLoanButtonColor, 0x8000000Cu);
    EXPECT_EQ(t.gLoanButtonTxtColor, 0x0000FF00u);
    EXPECT_EQ(t.gInvestButtonColor, 0x8000000Fu);
    EXPECT_EQ(t.gInvestButtonTxtColor, 0x0000FFFFu);
    EXPECT_EQ(t.gLoanContrastColor, kBlack);
    EXPECT_EQ(t.gInvestContrastColor, kBlack);
}

TEST_F(Colors, NonsenseColourValuesShowDkGray)
{
    readFile("[TarvolinDefaults]\r\nLoanTxtColor=abc\r\nLoanHiTxtColor=-5\r\nTextBoxBgColor=99999999999\r\n");
    EXPECT_EQ(module.colors.gLoanTxtColor, kBlack) << "text that is not a number reads 0";
    EXPECT_EQ(module.colors.gLoanHiTxtColor, kDarkGray);
    EXPECT_EQ(module.colors.gTextBoxBgColor, kDarkGray);
}

}  // namespace
}  // namespace tv
