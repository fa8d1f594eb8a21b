#include "screen_model/scripted_platform.h"

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

}  // namespace
}  // namespace tv
