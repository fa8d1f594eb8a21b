#include "screen_model/form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "model_fixture.h"

namespace tv {
namespace {

using test::EventLog;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::ThrowsMessage;

const ControlDecl kControls[] = {
    {Kind::Label, "lbl", "", "Design caption", {100, 100, 1000, 300}, "a tip"},
    {Kind::MaskedBox, "box", "", "", {100, 500, 1000, 300}, "", "#,##0"},
    {Kind::ComboList, "cbo"},
    {Kind::Frame, "fra", "", "Frame"},
    {Kind::OptionButton, "opt1", "fra", "One"},
    {Kind::OptionButton, "opt2", "fra", "Two"},
    {Kind::CheckBox, "chk", "", "Tick"},
    {Kind::Grid, "grd"},
    {Kind::Toolbar, "tbr"},
    {Kind::TextArea, "txt"},
};

const MenuDecl kMenus[] = {
    {0, "mnuFile", "&File"},
    {1, "mnuOpen", "&Open", "Ctrl+O"},
    {1, "mnuSep1", "-"},
    {1, "mnuExit", "E&xit"},
    {0, "mnuView", "&View"},
    {1, "mnuLen", "Years", "", 0},
    {1, "mnuLen", "Months", "", 1},
    {1, "mnuSub", "More"},
    {2, "mnuDeep", "Deep"},
};

class FormTest : public ::testing::Test {
protected:
    FormTest()
    {
        test::logEvents(form, log);
        form.setCaption(tv::finishedText("Design title"));
        form.setRect({100, 200, 3000, 2000});
        form.combo("cbo").setItems({tv::finishedText("a"), tv::finishedText("b")});
        form.combo("cbo").setListIndex(0);
        form.option("opt1").setValue(true);
        form.box("box").setText("5");
        form.grid("grd").setRows(3);
        form.grid("grd").setText(1, 1, tv::finishedText("design cell"));
        form.toolbar("tbr").addButton({"k", "c", "t", 1, ToolStyle::Check, false, true, true, {}});
        form.textArea("txt").setText(tv::finishedText("design text"));
        form.menu("mnuLen", 0).setChecked(true);
        log.clear();
    }

    ScriptedPlatform platform;
    Application app{platform};
    Form form{app, "F", kControls, kMenus};
    EventLog log;
};

TEST_F(FormTest, ShowLoadsOnceAndShows)
{
    EXPECT_FALSE(form.loaded());
    form.show();
    form.show();
    form.load();
    EXPECT_TRUE(form.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(form.modal());
    EXPECT_THAT(log, ElementsAre("F_Load"));
}

TEST_F(FormTest, AModalShowRunsThePlatformsLoopWithTheFormShownModally)
{
    bool ran = false;
    platform.setModalLoop([&](Form& f) {
        ran = true;
        EXPECT_EQ(&f, &form);
        EXPECT_TRUE(f.visible());
        EXPECT_TRUE(f.modal());
        EXPECT_EQ(app.topmost(), &form);
        f.unload();
    });
    form.show(true);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(form.modal());
}

TEST_F(FormTest, UnloadRestoresTheDesignState)
{
    form.show();
    form.setCaption(tv::finishedText("Run title"));
    form.move(5, 5);
    form.setBackColor(rgb(1, 1, 1));
    form.label("lbl").setCaption(tv::finishedText("Run caption"));
    form.label("lbl").setVisible(false);
    form.label("lbl").setForeColor(rgb(255, 0, 0));
    form.box("box").setText("99");
    form.box("box").setFormat("0.00");
    form.combo("cbo").setItems({tv::finishedText("x"), tv::finishedText("y"), tv::finishedText("z")});
    form.combo("cbo").setListIndex(2);
    form.option("opt2").setValue(true);
    form.check("chk").setValue(1);
    form.grid("grd").setRows(10);
    form.grid("grd").setText(1, 1, tv::finishedText("run cell"));
    form.toolbar("tbr").setPressed(1, true);
    form.textArea("txt").setText(tv::finishedText("run text"));
    form.menu("mnuLen", 0).setChecked(false);
    form.menu("mnuLen", 1).setChecked(true);
    form.menu("mnuExit").setEnabled(false);
    form.menu("mnuOpen").setCaption(tv::finishedText("Run open"));

    ASSERT_TRUE(form.unload());
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.caption(), "Design title");
    EXPECT_EQ(form.rect(), (Rect{100, 200, 3000, 2000}));
    EXPECT_EQ(form.backColor(), syscolor::kButtonFace);
    EXPECT_EQ(form.label("lbl").caption(), "Design caption");
    EXPECT_TRUE(form.label("lbl").visible());
    EXPECT_EQ(form.label("lbl").foreColor(), syscolor::kButtonText);
    EXPECT_EQ(form.label("lbl").toolTip(), "a tip");
    EXPECT_EQ(form.box("box").text(), "5");
    EXPECT_EQ(form.box("box").format(), "#,##0");
    EXPECT_EQ(form.combo("cbo").count(), 2);
    EXPECT_EQ(form.combo("cbo").listIndex(), 0);
    EXPECT_TRUE(form.option("opt1").value());
    EXPECT_FALSE(form.option("opt2").value());
    EXPECT_EQ(form.check("chk").value(), 0);
    EXPECT_EQ(form.grid("grd").rows(), 3);
    EXPECT_EQ(form.grid("grd").text(1, 1), "design cell");
    EXPECT_FALSE(form.toolbar("tbr").button(1).pressed);
    EXPECT_EQ(form.textArea("txt").text(), "design text");
    EXPECT_TRUE(form.menu("mnuLen", 0).checked());
    EXPECT_FALSE(form.menu("mnuLen", 1).checked());
    EXPECT_TRUE(form.menu("mnuExit").enabled());
    EXPECT_EQ(form.menu("mnuOpen").caption(), "&Open");

    log.clear();
    form.show();  // a new load starts from the design again
    EXPECT_THAT(log, ElementsAre("F_Load"));
    EXPECT_EQ(form.box("box").text(), "5");
}

TEST_F(FormTest, AnUnloadHandlerCanKeepTheForm)
{
    form.show();
    form.bind("Form_Unload", [](EventArgs& args) { args.cancel = true; });
    form.box("box").setText("kept");
    EXPECT_FALSE(form.unload());
    EXPECT_FALSE(form.userClose());
    EXPECT_TRUE(form.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.box("box").text(), "kept");
}

TEST_F(FormTest, UnloadingTakesTheFocusAway)
{
    form.show();
    form.box("box").setFocus();
    form.unload();
    EXPECT_EQ(app.focus(), nullptr);
}

TEST_F(FormTest, UnloadOfAFormThatIsNotLoadedDoesNothing)
{
    EXPECT_TRUE(form.unload());
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(FormTest, HideKeepsTheFormLoaded)
{
    form.show();
    form.hide();
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(app.topmost(), nullptr);
}

TEST_F(FormTest, MenuArraysAreFoundByNameAndIndex)
{
    EXPECT_EQ(form.findMenu("mnuLen", 0)->caption(), "Years");
    EXPECT_EQ(form.findMenu("mnuLen", 1)->caption(), "Months");
    EXPECT_EQ(form.findMenu("mnuLen", 1)->fullName(), "mnuLen(1)");
    EXPECT_EQ(form.findMenu("mnuLen"), nullptr);
    EXPECT_EQ(form.findMenu("mnuLen", 2), nullptr);
    EXPECT_EQ(form.findMenu("mnuOpen")->fullName(), "mnuOpen");
    EXPECT_EQ(form.findMenu("mnuDeep")->parent()->name(), "mnuSub");
    EXPECT_EQ(form.findMenu("mnuOpen")->shortcut(), "Ctrl+O");
    EXPECT_THROW(form.menu("mnuNothing"), std::logic_error);
    ASSERT_EQ(form.menuBar().size(), 2u);
    EXPECT_EQ(form.allMenus().size(), 9u);
}

TEST_F(FormTest, MenuArrayMembersTellTheirIndexToTheirHandler)
{
    form.show();
    log.clear();
    form.menu("mnuLen", 1).userChoose();
    form.menu("mnuOpen").userChoose();
    EXPECT_THAT(log, ElementsAre("mnuLen_Click:1", "mnuOpen_Click"));
}

TEST_F(FormTest, ControlsAreFoundByNameAndKind)
{
    EXPECT_EQ(form.find("nothing"), nullptr);
    EXPECT_THROW(form.control("nothing"), std::logic_error);
    EXPECT_THROW(form.box("lbl"), std::logic_error);
    EXPECT_EQ(form.option("opt1").container(), &form.control("fra"));
    EXPECT_EQ(form.controls().size(), std::size(kControls));
}

TEST(FormDeclaration, MistakesInATableAreCaughtWhenTheFormIsBuilt)
{
    ScriptedPlatform platform;
    Application app(platform);
    const ControlDecl twice[] = {{Kind::Label, "a"}, {Kind::Label, "a"}};
    EXPECT_THROW(Form(app, "T", twice), std::logic_error);
    const ControlDecl containerLater[] = {{Kind::Label, "a", "fra"}, {Kind::Frame, "fra"}};
    EXPECT_THROW(Form(app, "T", containerLater), std::logic_error);
    const MenuDecl skipsALevel[] = {{0, "m", "M"}, {2, "deep", "Deep"}};
    EXPECT_THROW(Form(app, "T", {}, skipsALevel), std::logic_error);
    const MenuDecl noMenuAbove[] = {{1, "item", "Item"}};
    EXPECT_THROW(Form(app, "T", {}, noMenuAbove), std::logic_error);
    EXPECT_TRUE(app.forms().empty());
}

TEST_F(FormTest, AMessageBoxWithoutATitleShowsTheProductName)
{
    form.msgBox(finishedText("Hello"));
    form.msgBox(finishedText("Careful"), MsgButtons::YesNo, MsgIcon::Exclamation, finishedText("LoanSheet Error"));
    auto messages = platform.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, "Tarvolin");
    EXPECT_EQ(messages[1].title, "LoanSheet Error");
    EXPECT_EQ(messages[1].icon, MsgIcon::Exclamation);
}

TEST_F(FormTest, NoHandlerRunsOnceTheProgramHasEnded)
{
    form.show();
    log.clear();
    app.end();
    form.control("lbl").userClick();
    form.box("box").setText("x");
    EXPECT_TRUE(form.unload());  // nothing runs and nothing is unloaded any more
    EXPECT_TRUE(form.loaded());
    EXPECT_THAT(log, IsEmpty());
    EXPECT_TRUE(platform.ended());
}

TEST_F(FormTest, AHandlerMayRebindItself)
{
    form.show();
    log.clear();
    form.bind("lbl_Click", [this] {
        log.push_back("first");
        form.bind("lbl_Click", [this] { log.push_back("second"); });
    });
    form.control("lbl").userClick();
    form.control("lbl").userClick();
    EXPECT_THAT(log, ElementsAre("first", "second"));
}

TEST_F(FormTest, BindTakesOnlyAnEventTheModelFiresForADeclaredName)
{
    for (const char* handler : {"box_Change", "grd_DblClick", "tbr_ButtonMenuClick", "mnuDeep_Click", "Form_Resize"})
        EXPECT_NO_THROW(form.bind(handler, [] {})) << handler;
    for (const char* handler : {"lbel_Click", "box_Clik", "lbl_Change", "mnuOpen_Change", "Form_Laod", "form_Load"})
        EXPECT_THAT([&] { form.bind(handler, [] {}); },
                    ThrowsMessage<std::logic_error>(AllOf(HasSubstr("F: "), HasSubstr(handler))));
}

TEST_F(FormTest, FiringAnUndeclaredNameIsRefusedAndADeclaredOneWithoutAHandlerDoesNothing)
{
    EXPECT_FALSE(form.fire("lbl", "DblClick"));
    EXPECT_THAT([&] { form.fire("lbel", "Click"); }, ThrowsMessage<std::logic_error>(HasSubstr("lbel")));
}

TEST_F(FormTest, AFailedEventPutsTheBoxesBackAndReachesTheFaultHandlerOnce)
{
    form.show();
    std::vector<std::string> faults;
    app.setEventFaultHandler([&](Form& f, const std::exception& e) { faults.push_back(f.name() + ": " + e.what()); });
    form.bind("chk_Click", [this] {
        form.box("box").setText("half done");
        throw std::runtime_error("broken");
    });
    form.bind("mnuOpen_Click", [this] {
        form.combo("cbo").setListIndex(1);
        form.check("chk").setValue(1);  // the nested event passes the fault up to this outermost one
    });
    form.menu("mnuOpen").userChoose();
    EXPECT_EQ(form.box("box").text(), "5");
    EXPECT_EQ(form.combo("cbo").listIndex(), 0);
    EXPECT_THAT(faults, ElementsAre("F: broken"));
}

TEST_F(FormTest, AModalFormsEventsAreOutermostInItsOwnLoop)
{
    Form dialog{app, "D", kControls};
    platform.setModalLoop([](Form& f) {
        f.check("chk").userClick();
        f.unload();
    });
    dialog.bind("chk_Click", [] { throw std::runtime_error("no rate chosen."); });
    form.bind("lbl_Click", [&] { dialog.show(true), log.push_back("after the dialog"); });
    app.setEventFaultHandler(&showEventFault);
    form.control("lbl").userClick();
    EXPECT_THAT(log, ElementsAre("after the dialog"));
    ASSERT_EQ(platform.messages().size(), 1u);
    const PlatformRecord m = platform.messages()[0];
    EXPECT_EQ(m.text, "Something went wrong in D: no rate chosen. Your inputs are as they were before.");
    EXPECT_EQ(m.title, "Tarvolin");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
}

class TopmostTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    Application app{platform};
    Form a{app, "A", {}};
    Form b{app, "B", {}};
    Form c{app, "C", {}};
};

TEST_F(TopmostTest, TheLastShownFormIsTopmost)
{
    EXPECT_EQ(app.topmost(), nullptr);
    a.show();
    b.show();
    EXPECT_EQ(app.topmost(), &b);
    b.hide();
    EXPECT_EQ(app.topmost(), &a);
    b.show();
    b.unload();
    EXPECT_EQ(app.topmost(), &a);
}

TEST_F(TopmostTest, AnOpenModalFormStaysTopmost)
{
    a.show();
    b.show(true);  // no modal loop: returns with the form open
    c.show();
    EXPECT_EQ(app.topmost(), &b);
    c.show(true);  // c was shown already: it stays a plain window
    b.unload();
    EXPECT_EQ(app.topmost(), &c);
}

TEST_F(TopmostTest, TheInnerOfTwoModalFormsIsTopmost)
{
    a.show();
    b.show(true);
    c.show(true);
    EXPECT_EQ(app.topmost(), &c);
    c.unload();
    EXPECT_EQ(app.topmost(), &b);
    b.hide();
    EXPECT_FALSE(b.modal());
    EXPECT_EQ(app.topmost(), &a);
}

TEST_F(TopmostTest, FormsRegisterWithTheApplication)
{
    EXPECT_EQ(app.forms().size(), 3u);
    EXPECT_EQ(app.findForm("B"), &b);
    EXPECT_EQ(app.findForm("D"), nullptr);
    {
        Form d(app, "D", {});
        d.show();
        EXPECT_EQ(app.findForm("D"), &d);
    }
    EXPECT_EQ(app.findForm("D"), nullptr);
    EXPECT_EQ(app.topmost(), nullptr);
}

}  // namespace
}  // namespace tv
