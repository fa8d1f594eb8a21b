#include "screen_model/menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace tv {
namespace {

using ::testing::ElementsAre;

const MenuDecl kMenus[] = {
    {0, "mnuFile", "&File"},       {1, "mnuOpen", "&Open"},        {1, "mnuSep", "-"},
    {1, "mnuSub", "More"},         {2, "mnuDeep", "Deep"},         {0, "mnuLens", "&Length"},
    {1, "mnuLen", "Years", "", 0}, {1, "mnuLen", "Months", "", 1},
};

class MenuTest : public ::testing::Test {
protected:
    MenuTest()
    {
        test::logEvents(form, log);
        app.addObserver(&recorder);
    }
    ~MenuTest() override { app.removeObserver(&recorder); }

    ScriptedPlatform platform;
    Application app{platform};
    Form form{app, "F", {}, kMenus};
    test::EventLog log;
    test::Recorder recorder;
};

TEST_F(MenuTest, OnlyItemsOfAShownFormCanBeUsed)
{
    EXPECT_FALSE(form.menu("mnuOpen").usableByUser());
    form.show();
    EXPECT_TRUE(form.menu("mnuOpen").usableByUser());
    form.hide();
    EXPECT_FALSE(form.menu("mnuOpen").usableByUser());
}

TEST_F(MenuTest, AnItemIsUsableOnlyWhenEveryMenuAboveItIs)
{
    form.show();
    MenuItem& deep = form.menu("mnuDeep");
    EXPECT_TRUE(deep.usableByUser());
    form.menu("mnuSub").setEnabled(false);
    EXPECT_FALSE(deep.usableByUser());
    form.menu("mnuSub").setEnabled(true);
    form.menu("mnuFile").setVisible(false);
    EXPECT_FALSE(deep.usableByUser());
    EXPECT_TRUE(deep.visible());
}

TEST_F(MenuTest, SeparatorsCannotBeChosen)
{
    form.show();
    EXPECT_TRUE(form.menu("mnuSep").isSeparator());
    EXPECT_FALSE(form.menu("mnuSep").usableByUser());
}

TEST_F(MenuTest, ArrayMembersShareOneHandler)
{
    form.show();
    form.menu("mnuLen", 0).userChoose();
    form.menu("mnuLen", 1).userChoose();
    form.menu("mnuDeep").userChoose();
    EXPECT_THAT(log, ElementsAre("F_Load", "mnuLen_Click:0", "mnuLen_Click:1", "mnuDeep_Click"));
}

TEST_F(MenuTest, EveryItemChangeIsObserved)
{
    MenuItem& m = form.menu("mnuLen", 1);
    m.setChecked(true);
    m.setChecked(true);
    m.setEnabled(false);
    m.setVisible(false);
    m.setCaption(tv::finishedText("Mo&nths"));
    using Change = std::pair<std::string, Prop>;
    EXPECT_THAT(recorder.menus, ElementsAre(Change{"mnuLen(1)", Prop::Checked}, Change{"mnuLen(1)", Prop::Enabled},
                                            Change{"mnuLen(1)", Prop::Visible}, Change{"mnuLen(1)", Prop::Caption}));
}

}  // namespace
}  // namespace tv
