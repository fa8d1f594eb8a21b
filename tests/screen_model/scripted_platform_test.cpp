#include "screen_model/scripted_platform.h"

#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tv {
namespace {

using ::testing::ElementsAre;

TEST(ScriptedPlatform, YesNoBoxesTakeQueuedAnswersThenNo)
{
    ScriptedPlatform p;
    p.queueAnswer(kAnswerYes);
    p.queueAnswer(kAnswerNo);
    p.queueAnswer(kAnswerYes);
    EXPECT_EQ(p.messageBox("1", "t", MsgButtons::YesNo, MsgIcon::Question), kAnswerYes);
    EXPECT_EQ(p.messageBox("2", "t", MsgButtons::YesNo, MsgIcon::Question), kAnswerNo);
    EXPECT_EQ(p.messageBox("3", "t", MsgButtons::YesNo, MsgIcon::Question), kAnswerYes);
    EXPECT_EQ(p.messageBox("4", "t", MsgButtons::YesNo, MsgIcon::Question), kAnswerNo);
}

TEST(ScriptedPlatform, OkBoxesAreAnsweredOkWithoutUsingTheQueue)
{
    ScriptedPlatform p;
    p.queueAnswer(kAnswerYes);
    EXPECT_EQ(p.messageBox("note", "t", MsgButtons::Ok, MsgIcon::Information), kAnswerOk);
    EXPECT_EQ(p.queuedAnswers(), 1u);
    EXPECT_EQ(p.messageBox("ask", "t", MsgButtons::YesNo, MsgIcon::Question), kAnswerYes);
}

TEST(ScriptedPlatform, EverythingIsRecordedAndHeardAsItHappens)
{
    ScriptedPlatform p;
    std::vector<PlatformRecord::Type> heard;
    p.setListener([&](const PlatformRecord& r) { heard.push_back(r.type); });
    p.messageBox("m", "title", MsgButtons::Ok, MsgIcon::Critical);
    p.setClipboardText("clip");
    EXPECT_TRUE(p.printText("page"));
    p.showHelp("Mervane.hlp", 3);
    EXPECT_TRUE(p.startProgram("Calc.exe", 1));
    p.endProgram();
    p.endProgram();
    using T = PlatformRecord::Type;
    EXPECT_THAT(heard, ElementsAre(T::Message, T::Clipboard, T::Printed, T::Help, T::Started, T::Ended));
    ASSERT_EQ(p.records().size(), 6u);
    EXPECT_EQ(p.records()[0].title, "title");
    EXPECT_EQ(p.records()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(p.records()[0].answer, kAnswerOk);
    EXPECT_EQ(p.records()[3].number, 3);
    EXPECT_EQ(p.records()[4].text, "Calc.exe");
    EXPECT_EQ(p.clipboardText(), "clip");
    EXPECT_TRUE(p.ended());
    EXPECT_EQ(p.messages().size(), 1u);
}

TEST(ScriptedPlatform, WithoutAPrinterNothingIsPrinted)
{
    ScriptedPlatform p;
    p.setPrinterAvailable(false);
    EXPECT_FALSE(p.printText("page"));
    EXPECT_TRUE(p.records().empty());
}

TEST(ScriptedPlatform, TheClockAndTheScreenAreFixed)
{
    ScriptedPlatform p;
    Date d = p.today();
    EXPECT_EQ(d.year, 2025);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.day, 15);
    EXPECT_EQ(p.screenSize().width, 15360);
    EXPECT_EQ(p.screenSize().height, 11520);
}

TEST(ScriptedPlatform, AModalShowRunsTheLoopOrReturnsAtOnce)
{
    ScriptedPlatform p;
    Application app(p);
    Form dialog(app, "D", {});
    dialog.show(true);  // no loop: the test goes on with the form open
    EXPECT_TRUE(dialog.visible());
    dialog.unload();
    int loops = 0;
    p.setModalLoop([&](Form& f) {
        ++loops;
        EXPECT_EQ(&f, &dialog);
        f.hide();
    });
    dialog.show(true);
    EXPECT_EQ(loops, 1);
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(dialog.loaded());
}

TEST(ScriptedPlatform, SavedFilesAndChartsAreRecordedAndNothingIsWritten)
{
    ScriptedPlatform p;
    EXPECT_TRUE(p.saveFile("table.csv", "a,b\r\n"));
    EXPECT_TRUE(p.savePdf("table.pdf", {"Title", {{"Rate", "15 Years"}, {"6.00%", "$675.09"}}}));
    ChartRequest chart;
    chart.name = "table";
    chart.caption = "Loan Payment Table Chart";
    chart.charts.push_back(
        {"t", {"x", ""}, {"y", "$"}, {}, {}, {{"6.00%", SeriesKind::Line, 0, false, {{15, 675.09}}}}});
    p.showChart(chart);
    ASSERT_EQ(p.records().size(), 3u);
    const PlatformRecord& csv = p.records()[0];
    EXPECT_EQ(csv.type, PlatformRecord::Type::Saved);
    EXPECT_EQ(csv.title, "table.csv");
    EXPECT_EQ(csv.text, "a,b\r\n");
    const PlatformRecord& pdf = p.records()[1];
    EXPECT_EQ(pdf.title, "table.pdf");
    EXPECT_EQ(pdf.table.rows.size(), 2u);
    EXPECT_EQ(pdf.text, "Title\nRate\t15 Years\n6.00%\t$675.09\n");
    const PlatformRecord& shown = p.records()[2];
    EXPECT_EQ(shown.type, PlatformRecord::Type::Chart);
    EXPECT_EQ(shown.title, "Loan Payment Table Chart");
    EXPECT_EQ(shown.chart.charts.at(0).series.at(0).points.at(0), (ChartPoint{15, 675.09}));
    EXPECT_FALSE(std::filesystem::exists("table.csv"));
}

TEST(ScriptedPlatform, ACancelledSaveIsNotRecorded)
{
    ScriptedPlatform p;
    p.setSaveAnswer(false);
    EXPECT_FALSE(p.saveFile("table.csv", "a"));
    EXPECT_FALSE(p.savePdf("table.pdf", {}));
    EXPECT_TRUE(p.records().empty());
}

TEST(ChartColors, BlendRunsChannelByChannelAndKeepsSystemColoursWhole)
{
    EXPECT_EQ(blendColors(rgb(0, 0, 255), rgb(255, 0, 0), 0.0), rgb(0, 0, 255));
    EXPECT_EQ(blendColors(rgb(0, 0, 255), rgb(255, 0, 0), 1.0), rgb(255, 0, 0));
    EXPECT_EQ(blendColors(rgb(0, 0, 255), rgb(255, 0, 0), 0.5), rgb(128, 0, 128));
    EXPECT_EQ(blendColors(syscolor::kWindowText, rgb(255, 0, 0), 0.2), syscolor::kWindowText);
    EXPECT_EQ(blendColors(syscolor::kWindowText, rgb(255, 0, 0), 0.8), rgb(255, 0, 0));
}

}  // namespace
}  // namespace tv
