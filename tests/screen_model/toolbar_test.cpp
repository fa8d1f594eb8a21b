#include "screen_model/toolbar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "model_fixture.h"

namespace tv {
namespace {

using test::EventLog;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const ControlDecl kControls[] = {{Kind::Toolbar, "tbr"}};

class ToolbarTest : public ::testing::Test {
protected:
    ToolbarTest()
    {
        test::logEvents(form, log);
        bar.addButton({"Loan", "Loan", "Loans", 1, ToolStyle::Check, true, true, true, {}});
        bar.addButton({"", "", "", 0, ToolStyle::Separator, false, true, true, {}});
        bar.addButton({"Invest",
                       "Invest",
                       "Investments",
                       3,
                       ToolStyle::DropDown,
                       false,
                       true,
                       true,
                       {{"One-time"}, {"Monthly"}}});
        form.show();
        app.addObserver(&recorder);
        log.clear();
    }
    ~ToolbarTest() override { app.removeObserver(&recorder); }

    ScriptedPlatform platform;
    Application app{platform};
    Form form{app, "F", kControls};
    Toolbar& bar = form.toolbar("tbr");
    EventLog log;
    test::Recorder recorder;
};

TEST_F(ToolbarTest, AClickTellsTheHandlerWhichButton)
{
    bar.userClickButton(3);
    bar.userClickButton(1);
    EXPECT_THAT(log, ElementsAre("tbr_ButtonClick:3", "tbr_ButtonClick:1"));
}

TEST_F(ToolbarTest, SeparatorsDoNothing)
{
    bar.userClickButton(2);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(ToolbarTest, ADropDownItemTellsButtonAndItem)
{
    bar.userChooseMenuItem(3, 2);
    bar.userChooseMenuItem(3, 3);  // no such item
    bar.userChooseMenuItem(3, 0);
    EXPECT_THAT(log, ElementsAre("tbr_ButtonMenuClick:3:2"));
}

TEST_F(ToolbarTest, ButtonsAreNumberedFromOne)
{
    EXPECT_EQ(bar.count(), 3);
    EXPECT_EQ(bar.button(1).key, "Loan");
    EXPECT_THROW(bar.button(0), std::out_of_range);
    EXPECT_THROW(bar.button(4), std::out_of_range);
    EXPECT_THROW(bar.userClickButton(4), std::out_of_range);
}

TEST_F(ToolbarTest, ButtonChangesAreObservedWithTheirIndex)
{
    bar.setPressed(1, false);
    bar.setPressed(1, false);
    bar.setButtonEnabled(3, false);
    bar.setImage(3, 7);
    bar.setMenuItemEnabled(3, 1, false);
    bar.setMenuItemVisible(3, 2, false);
    ASSERT_EQ(recorder.controls.size(), 5u);
    EXPECT_EQ(recorder.controls[0].prop, Prop::Buttons);
    EXPECT_EQ(recorder.controls[0].row, 1);
    EXPECT_EQ(recorder.controls[1].row, 3);
    EXPECT_FALSE(bar.button(1).pressed);
    EXPECT_FALSE(bar.button(3).enabled);
    EXPECT_EQ(bar.button(3).image, 7);
    EXPECT_FALSE(bar.button(3).menu[0].enabled);
    EXPECT_FALSE(bar.button(3).menu[1].visible);
    EXPECT_THROW(bar.setMenuItemEnabled(3, 3, false), std::out_of_range);
}

TEST_F(ToolbarTest, UnloadRestoresTheButtons)
{
    bar.setPressed(1, false);
    bar.setImage(1, 9);
    form.unload();
    EXPECT_TRUE(bar.button(1).pressed);
    EXPECT_EQ(bar.button(1).image, 1);
}

}  // namespace
}  // namespace tv
