#include "settings/profile.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "settings_fixture.h"

namespace tv {
namespace {

using test::TempDir;

constexpr const char* kIni = "Tarvolin.ini";

// ---- reading --------------------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    const char* fileText;
    std::int32_t expected;  // LoanAmount read with the default 777
};

const ReadCase kReadCases[] = {
    {"PlainNumber", "[TarvolinDefaults]\r\nLoanAmount=250000\r\n", 250000},
    {"GroupSeparatorStopsTheNumber", "[TarvolinDefaults]\r\nLoanAmount=100,000\r\n", 100},
    {"DecimalPointStopsTheNumber", "[TarvolinDefaults]\r\nLoanAmount=15.5\r\n", 15},
    {"TextReadsZero", "[TarvolinDefaults]\r\nLoanAmount=abc\r\n", 0},
    {"NegativeNumber", "[TarvolinDefaults]\r\nLoanAmount=-3\r\n", -3},
    {"BlankValueReadsZero", "[TarvolinDefaults]\r\nLoanAmount=\r\n", 0},
    {"BlanksOnlyReadZero", "[TarvolinDefaults]\r\nLoanAmount=   \r\n", 0},
    {"MissingKeyGivesDefault", "[TarvolinDefaults]\r\nLoanDuration=15\r\n", 777},
    {"MissingSectionGivesDefault", "[Other]\r\nLoanAmount=5\r\n", 777},
    {"EmptyFileGivesDefault", "", 777},
    {"LfLineEnds", "[TarvolinDefaults]\nLoanDuration=3\nLoanAmount=42\n", 42},
    {"CrLfLineEnds", "[TarvolinDefaults]\r\nLoanDuration=3\r\nLoanAmount=42\r\n", 42},
    {"LastLineWithoutLineEnd", "[TarvolinDefaults]\r\nLoanAmount=42", 42},
    {"NamesMatchWithoutCase", "[tarvolindefaults]\r\nLOANAMOUNT=9\r\n", 9},
    {"BlanksAroundTheEqualsSign", "[TarvolinDefaults]\r\n  LoanAmount  =  250  \r\n", 250},
    {"BlanksAroundTheSectionName", "[ TarvolinDefaults ]\r\nLoanAmount=8\r\n", 8},
    {"FirstOfTwoSectionsWins", "[TarvolinDefaults]\r\nLoanAmount=1\r\n[TarvolinDefaults]\r\nLoanAmount=2\r\n", 1},
    {"KeyOnlyInTheSecondSectionIsNotRead",
     "[TarvolinDefaults]\r\nLoanDuration=1\r\n[TarvolinDefaults]\r\nLoanAmount=2\r\n", 777},
    {"FirstOfTwoKeysWins", "[TarvolinDefaults]\r\nLoanAmount=1\r\nLoanAmount=2\r\n", 1},
    {"KeyOfAnotherSectionIsNotRead", "[Other]\r\nLoanAmount=5\r\n[TarvolinDefaults]\r\nLoanDuration=1\r\n", 777},
    {"KeyBeforeAnySectionIsNotRead", "LoanAmount=5\r\n[TarvolinDefaults]\r\n", 777},
    {"CommentedKeyIsNotRead", "[TarvolinDefaults]\r\n;LoanAmount=5\r\n", 777},
    {"CommentAfterTheSectionHeader", "[TarvolinDefaults] ; defaults\r\nLoanAmount=6\r\n", 6},
    {"HugeNumberIsCappedAt32Bits", "[TarvolinDefaults]\r\nLoanAmount=99999999999999999999\r\n",
     std::numeric_limits<std::int32_t>::max()},
    {"HugeNegativeNumberIsCappedAt32Bits", "[TarvolinDefaults]\r\nLoanAmount=-99999999999\r\n",
     std::numeric_limits<std::int32_t>::min()},
    {"PlusSign", "[TarvolinDefaults]\r\nLoanAmount=+12\r\n", 12},
    {"ByteOrderMarkBeforeTheSection", "\xEF\xBB\xBF[TarvolinDefaults]\r\nLoanAmount=31\r\n", 31},
    {"KeyWithoutEqualsSignIsNotAKey", "[TarvolinDefaults]\r\nLoanAmount\r\n", 777},
    {"LoneCrLineEnds", "[TarvolinDefaults]\rLoanDuration=3\rLoanAmount=42\r", 42},
    {"MixedLineEnds", "[Other]\rLoanAmount=1\n[TarvolinDefaults]\r\nLoanAmount=42\r", 42},
    {"LoneCrEndsTheSectionHeader", "[TarvolinDefaults]\rLoanAmount=43", 43},
};

class ReadingRule : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingRule, ReadsTheRealFileText)
{
    TempDir dir;
    dir.write(kIni, GetParam().fileText);
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", 777), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Profile, ReadingRule, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileReading, MissingFileGivesEveryDefault)
{
    TempDir dir;
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", 100000), 100000);
    EXPECT_EQ(ini.readInt(kIniSection, "LoanInterest", 64), 64);
    EXPECT_FALSE(ini.readString(kIniSection, "LoanAmount"));
    EXPECT_FALSE(dir.exists(kIni)) << "reading never creates the file";
}

TEST(ProfileReading, RawValueIsTheTextAfterTheEqualsSignWithoutSurroundingBlanks)
{
    TempDir dir;
    dir.write(kIni, "[TarvolinDefaults]\r\nLoanAmount =  100,000 \r\n");
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.readString(kIniSection, "LoanAmount"), "100,000");
}

TEST(ProfileReading, FileOverTheSizeLimitIsRefusedWholeAndSaysSo)
{
    TempDir dir;
    std::string text = "[TarvolinDefaults]\r\nLoanAmount=5\r\n";
    text += std::string(3 << 20, 'x');  // several megabytes in one line
    dir.write(kIni, text);
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", 0), 0) << "no part of it is read";
    EXPECT_EQ(ini.problem()->english(),
              "The settings could not be read - " + dir.path(kIni) +
                  ": it is too large for a settings file (3,145,762 bytes; at most 1,048,576). "
                  "Tarvolin uses its default settings and leaves the file as it is.");
    EXPECT_FALSE(ProfileFile(dir.path("missing.ini")).problem());
}

// 26 keys of a file at the size limit, made of 130,000 short lines: one read, one split.
TEST(ProfileReading, EveryKeyComesFromOneReadOfTheFile)
{
    MemoryFileSystem fs;
    std::string text = "[TarvolinDefaults]\nLoanAmount=5\n";
    while (text.size() + 8 <= kMaxSettingsFileBytes) text += "k" + std::to_string(text.size() % 100000) + "=1\n";
    fs.files[kIni] = text;
    ProfileFile ini(kIni, fs);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(ini.readInt(kIniSection, i == 0 ? "LoanAmount" : "Key" + std::to_string(i), 5), 5);
    EXPECT_FALSE(ini.problem());
    EXPECT_EQ(fs.reads, 1);
}

// UTF-16 as an editor on another system saves it: text with letters beyond ASCII and beyond 16 bits.
std::string utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes;
    for (char16_t unit : u"\uFEFF" + text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(ProfileWriting, Utf16FilesAreReadAndWrittenBackInUtf16WithTheirMark)
{
    for (bool bigEndian : {false, true}) {
        MemoryFileSystem fs;
        fs.files[kIni] = utf16(u"; Zo\u00EB \U0001F600\r\n[TarvolinDefaults]\r\nLoanAmount=5\r\n", bigEndian);
        ProfileFile ini(kIni, fs);
        EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", 0), 5);
        ASSERT_TRUE(ini.writeStrings(kIniSection, {{"LoanAmount", "7"}, {"MenuStart", "2"}}));
        EXPECT_EQ(fs.files[kIni],
                  utf16(u"; Zo\u00EB \U0001F600\r\n[TarvolinDefaults]\r\nLoanAmount=7\r\nMenuStart=2\r\n", bigEndian));
    }
}

TEST(ProfileReading, BinaryTextLoadsWithoutTrouble)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 70000; ++i) text += static_cast<char>((i * 131 + 7) % 256);
    text += "\n[TarvolinDefaults]\nLoanAmount=5";
    text += std::string(1, '\0') + "77\n";
    dir.write(kIni, text);
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", 1), 5);
    EXPECT_EQ(ini.readInt(kIniSection, "NoSuchKey", 3), 3);
}

TEST(ProfileReading, ValueTextReadsAsTheFileReaderReadsIt)
{
    EXPECT_EQ(ProfileFile::intOf("100,000"), 100);
    EXPECT_EQ(ProfileFile::intOf("12.5"), 12);
    EXPECT_EQ(ProfileFile::intOf(" 64 "), 64);
    EXPECT_EQ(ProfileFile::intOf("$100"), 0);
    EXPECT_EQ(ProfileFile::intOf(""), 0);
    EXPECT_EQ(ProfileFile::intOf("-3"), -3);
}

// ---- writing --------------------------------------------------------------------------------------

using Keys = std::vector<std::pair<std::string, std::string>>;

// A key read back after the write, through the same ProfileFile.
struct ReadBack {
    const char* key;
    std::int32_t fallback;
    std::int32_t expected;
};

struct WriteCase {
    const char* name;
    const char* fileText;  // the file before the write; nullptr when there is none
    Keys keys;
    const char* expected;  // the file's text after it
    std::vector<ReadBack> readBack = {};
};

const WriteCase kWriteCases[] = {
    {"CreatesTheFileAndSectionWhenMissing",
     nullptr,
     {{"LoanAmount", "100000"}},
     "[TarvolinDefaults]\r\nLoanAmount=100000\r\n",
     {{"LoanAmount", 0, 100000}}},
    {"KeepsForeignLinesAndCommentsAsTheyWere",
     "; written by hand\r\n"
     "[Window]\r\n"
     "Left=120\r\n"
     "\r\n"
     "[TarvolinDefaults]\r\n"
     "; loan defaults\r\n"
     "LoanAmount = 5000\r\n"
     "Unknown=yes\r\n"
     "\r\n"
     "[Later]\r\n"
     "LoanAmount=1\r\n",
     {{"LoanAmount", "250000"}, {"MenuStart", "2"}},
     "; written by hand\r\n"
     "[Window]\r\n"
     "Left=120\r\n"
     "\r\n"
     "[TarvolinDefaults]\r\n"
     "; loan defaults\r\n"
     "LoanAmount =250000\r\n"
     "Unknown=yes\r\n"
     "MenuStart=2\r\n"
     "\r\n"
     "[Later]\r\n"
     "LoanAmount=1\r\n"},
    {"KeepsLfLineEndsAndAddsLfLines",
     "[TarvolinDefaults]\nLoanAmount=1\n",
     {{"LoanAmount", "2"}, {"LoanDuration", "30"}},
     "[TarvolinDefaults]\nLoanAmount=2\nLoanDuration=30\n"},
    {"KeepsLoneCrLineEndsAndAddsCrLines",
     "[TarvolinDefaults]\rLoanAmount=1\rLoanDuration=3\r[Other]\rA=1",
     {{"LoanAmount", "2"}, {"MenuStart", "2"}},
     "[TarvolinDefaults]\rLoanAmount=2\rLoanDuration=3\rMenuStart=2\r[Other]\rA=1",
     {{"LoanDuration", 0, 3}}},
    {"LineAddedBeforeABlankLfLineInACrFileKeepsThatLine",
     "[TarvolinDefaults]\rA=1\n\n[Other]\r",
     {{"LoanAmount", "2"}},
     "[TarvolinDefaults]\rA=1\nLoanAmount=2\r\n\n[Other]\r"},
    {"KeepsCrLfLineEndsAndAddsCrLfLines",
     "[TarvolinDefaults]\r\nLoanAmount=1\r\n",
     {{"LoanAmount", "2"}, {"LoanDuration", "30"}},
     "[TarvolinDefaults]\r\nLoanAmount=2\r\nLoanDuration=30\r\n"},
    {"AddsTheSectionAfterOtherSections",
     "[Other]\nA=1",
     {{"MenuStart", "1"}},
     "[Other]\nA=1\n[TarvolinDefaults]\nMenuStart=1\n"},
    {"LeavesTheEndOfAFileWithoutLineEndAsItWas",
     "[TarvolinDefaults]\r\nLoanAmount=1\r\n[Other]\r\nA=1",
     {{"MenuStart", "2"}},
     "[TarvolinDefaults]\r\nLoanAmount=1\r\nMenuStart=2\r\n[Other]\r\nA=1"},
    {"ReplacesAKeyWhoseNameDiffersInCase",
     "[tarvolindefaults]\r\nloanamount=1\r\n",
     {{"LoanAmount", "2"}},
     "[tarvolindefaults]\r\nloanamount=2\r\n"},
    {"WritesIntoTheFirstOfTwoSameSections",
     "[TarvolinDefaults]\r\nA=1\r\n[TarvolinDefaults]\r\nLoanAmount=2\r\n",
     {{"LoanAmount", "3"}},
     "[TarvolinDefaults]\r\nA=1\r\nLoanAmount=3\r\n[TarvolinDefaults]\r\nLoanAmount=2\r\n",
     {{"LoanAmount", 0, 3}}},
    {"KeepsTheByteOrderMarkOfAnEditedFile",
     "\xEF\xBB\xBF[TarvolinDefaults]\r\nLoanAmount=1\r\n",
     {{"LoanAmount", "2"}},
     "\xEF\xBB\xBF[TarvolinDefaults]\r\nLoanAmount=2\r\n"},
    {"ValueIsWrittenAsGivenAndReadByTheReadingRule",
     nullptr,
     {{"LoanAmount", "100,000"}, {"LoanDuration", "12.5"}},
     "[TarvolinDefaults]\r\nLoanAmount=100,000\r\nLoanDuration=12.5\r\n",
     {{"LoanAmount", 0, 100}, {"LoanDuration", 0, 12}}},
    // The value's line break is written as a blank, so "[Evil]" and its key stay inside the value.
    {"LineBreakInAValueCannotAddLines",
     nullptr,
     {{"LoanAmount", "5\r\n[Evil]\nMenuStart=2"}},
     "[TarvolinDefaults]\r\nLoanAmount=5  [Evil] MenuStart=2\r\n",
     {{"MenuStart", 1, 1}}},
};

class WritingRule : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WritingRule, WritesTheRealFileText)
{
    const WriteCase& c = GetParam();
    TempDir dir;
    if (c.fileText) dir.write(kIni, c.fileText);
    ProfileFile ini(dir.path(kIni));
    // One key goes through writeString, several through writeStrings, so both ways in are covered.
    const SaveResult written = c.keys.size() == 1 ? ini.writeString(kIniSection, c.keys[0].first, c.keys[0].second)
                                                  : ini.writeStrings(kIniSection, c.keys);
    ASSERT_TRUE(written);
    EXPECT_EQ(dir.read(kIni), c.expected);
    for (const ReadBack& r : c.readBack) EXPECT_EQ(ini.readInt(kIniSection, r.key, r.fallback), r.expected) << r.key;
}

INSTANTIATE_TEST_SUITE_P(Profile, WritingRule, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileWriting, SeveralKeysAreOneChangeEqualToOneKeyAtATime)
{
    const std::string start = "; mine\n[TarvolinDefaults]\nLoanDuration=9\n\n[Other]\nX=1\n";
    const Keys keys{{"LoanAmount", "100"}, {"LoanDuration", "20"}, {"MenuStart", "2"}, {"LoanAmount", "300"}};

    MemoryFileSystem together;
    MemoryFileSystem oneByOne;
    together.files[kIni] = oneByOne.files[kIni] = start;

    ProfileFile all(kIni, together);
    ASSERT_TRUE(all.writeStrings(kIniSection, keys));
    EXPECT_EQ(together.replaces, 1);

    ProfileFile single(kIni, oneByOne);
    for (const auto& [key, value] : keys) ASSERT_TRUE(single.writeString(kIniSection, key, value));
    EXPECT_EQ(oneByOne.replaces, 4);

    EXPECT_EQ(together.files[kIni], oneByOne.files[kIni]);
    EXPECT_EQ(together.files[kIni],
              "; mine\n[TarvolinDefaults]\nLoanDuration=20\nLoanAmount=300\nMenuStart=2\n\n[Other]\nX=1\n");
}

TEST(ProfileWriting, FailedWriteIsReportedAndLeavesTheFile)
{
    MemoryFileSystem fs;
    fs.files[kIni] = "[TarvolinDefaults]\r\nLoanAmount=1\r\n";
    fs.refuseWrites = true;
    ProfileFile ini(kIni, fs);
    EXPECT_EQ(ini.writeStrings(kIniSection, {{"LoanAmount", "2"}, {"MenuStart", "2"}}).reason.english(),
              "writing failed (No space left on device)");
    EXPECT_EQ(fs.files[kIni], "[TarvolinDefaults]\r\nLoanAmount=1\r\n");
}

TEST(ProfileWriting, UnwritableDirectoryIsReportedAndLeavesNoFile)
{
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only directories";
    TempDir dir;
    std::filesystem::create_directory(dir.path("locked"));
    std::filesystem::permissions(dir.path("locked"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    ProfileFile ini(dir.path("locked/Tarvolin.ini"));
    EXPECT_FALSE(ini.writeString(kIniSection, "LoanAmount", "1"));
    EXPECT_FALSE(std::filesystem::exists(dir.path("locked/Tarvolin.ini")));
    std::filesystem::permissions(dir.path("locked"), std::filesystem::perms::owner_all);
}

TEST(ProfileWriting, FileNameTakenByADirectoryIsReported)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path(kIni));
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.writeString(kIniSection, "LoanAmount", "1").reason.english(), "it is a folder, not a file");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path(kIni)));
    EXPECT_TRUE(dir.temporaries().empty()) << "no temporary file is left behind";
}

TEST(ProfileWriting, FolderThatCannotBeMadeIsReported)
{
    TempDir dir;
    dir.write("no", "a file where a folder should be");
    ProfileFile ini(dir.path("no/such/folder/Tarvolin.ini"));
    EXPECT_EQ(ini.writeString(kIniSection, "LoanAmount", "1").reason.english(),
              "it cannot be reached (Not a directory)");
}

TEST(ProfileWriting, FileTooLargeToReadWholeIsNotCutOff)
{
    TempDir dir;
    std::string text =
        "[TarvolinDefaults]\r\nLoanAmount=1\r\n" + std::string(kMaxSettingsFileBytes, ';') + "\r\nEnd=1\r\n";
    dir.write(kIni, text);
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.writeString(kIniSection, "LoanAmount", "2").reason.english(),
              "it is too large for a settings file (1,048,619 bytes; at most 1,048,576)");
    EXPECT_EQ(dir.read(kIni), text);
}

TEST(ProfileWriting, ApplyKeysOnTextGivesTheWrittenText)
{
    EXPECT_EQ(ProfileFile::applyKeys("", kIniSection, {{"A", "1"}, {"B", "2"}}),
              "[TarvolinDefaults]\r\nA=1\r\nB=2\r\n");
    EXPECT_EQ(ProfileFile::applyKeys("[TarvolinDefaults]\nA=0\n", kIniSection, {{"a", "1"}}),
              "[TarvolinDefaults]\nA=1\n");
}

}  // namespace
}  // namespace tv
