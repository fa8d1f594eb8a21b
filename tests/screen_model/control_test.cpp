#include "screen_model/control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace tv {
namespace {

using test::EventLog;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const ControlDecl kControls[] = {
    {Kind::Frame, "fraA", "", "A"},
    {Kind::OptionButton, "optA1", "fraA", "A1"},
    {Kind::OptionButton, "optA2", "fraA", "A2"},
    {Kind::Frame, "fraB", "", "B"},
    {Kind::OptionButton, "optB1", "fraB", "B1"},
    {Kind::OptionButton, "optB2", "fraB", "B2"},
    {Kind::OptionButton, "optF1", "", "F1"},
    {Kind::OptionButton, "optF2", "", "F2"},
    {Kind::CheckBox, "chk", "", "Tick"},
    {Kind::ComboList, "cbo"},
    {Kind::MaskedBox, "box1", "", "", {}, "", "$#,##0.00;($#,##0.00)"},
    {Kind::MaskedBox, "box2"},
    {Kind::Label, "lbl", "", "Label"},
    {Kind::CommandButton, "btn", "", "Go"},
    {Kind::Frame, "fraHidden"},
    {Kind::CommandButton, "btnInHidden", "fraHidden", "Inside"},
    {Kind::TextArea, "txt"},
};

class ControlTest : public ::testing::Test {
protected:
    ControlTest()
    {
        test::logEvents(form, log);
        form.combo("cbo").setItems({tv::finishedText("zero"), tv::finishedText("one"), tv::finishedText("two")});
        form.show();
        app.addObserver(&recorder);
        log.clear();
    }
    ~ControlTest() override { app.removeObserver(&recorder); }

    bool value(const char* option) const { return form.option(option).value(); }

    ScriptedPlatform platform;
    Application app{platform};
    Form form{app, "F", kControls};
    EventLog log;
    test::Recorder recorder;
};

TEST_F(ControlTest, OptionButtonsAreExclusiveWithinTheirContainerOnly)
{
    form.option("optA1").userClick();
    form.option("optB1").userClick();
    form.option("optF1").userClick();
    EXPECT_TRUE(value("optA1"));
    EXPECT_TRUE(value("optB1"));
    EXPECT_TRUE(value("optF1"));
    form.option("optA2").userClick();
    EXPECT_FALSE(value("optA1"));
    EXPECT_TRUE(value("optA2"));
    EXPECT_TRUE(value("optB1"));  // another frame's group is not touched
    EXPECT_TRUE(value("optF1"));  // nor the form's own group
    form.option("optF2").userClick();
    EXPECT_FALSE(value("optF1"));
    EXPECT_TRUE(value("optA2"));
}

TEST_F(ControlTest, AUsersClickOnTheSelectedOptionFiresClickAgain)
{
    form.option("optA1").userClick();
    form.option("optA1").userClick();
    EXPECT_THAT(log, ElementsAre("optA1_Click", "optA1_Click"));
    EXPECT_TRUE(value("optA1"));
}

TEST_F(ControlTest, SelectingAnOptionByCodeFiresItsClickAndClearsTheOthersQuietly)
{
    form.option("optA1").setValue(true);
    form.option("optA2").setValue(true);
    EXPECT_THAT(log, ElementsAre("optA1_Click", "optA2_Click"));
    EXPECT_FALSE(value("optA1"));
    EXPECT_TRUE(recorder.sawControl("optA1", Prop::Value));
}

TEST_F(ControlTest, SelectingTheSelectedOptionByCodeChangesNothing)
{
    form.option("optA1").setValue(true);
    log.clear();
    recorder.clear();
    form.option("optA1").setValue(true);
    EXPECT_THAT(log, IsEmpty());
    EXPECT_THAT(recorder.controls, IsEmpty());
}

TEST_F(ControlTest, ClearingAnOptionByCodeFiresNothing)
{
    form.option("optA1").setValue(true);
    log.clear();
    form.option("optA1").setValue(false);
    EXPECT_FALSE(value("optA1"));
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(ControlTest, ChoosingAListEntryByCodeFiresClick)
{
    ComboList& cbo = form.combo("cbo");
    cbo.setListIndex(1);
    EXPECT_EQ(cbo.listIndex(), 1);
    EXPECT_EQ(cbo.text(), "one");
    EXPECT_THAT(log, ElementsAre("cbo_Click"));
    EXPECT_TRUE(recorder.sawControl("cbo", Prop::ListIndex));
}

TEST_F(ControlTest, ChoosingNoEntryOrAMissingOneFiresNothing)
{
    ComboList& cbo = form.combo("cbo");
    cbo.setListIndex(2);
    log.clear();
    cbo.setListIndex(-1);
    EXPECT_EQ(cbo.listIndex(), -1);
    EXPECT_EQ(cbo.text(), "");
    cbo.setListIndex(3);
    EXPECT_EQ(cbo.listIndex(), -1);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(ControlTest, AUsersPickFiresClickEvenForTheChosenEntry)
{
    ComboList& cbo = form.combo("cbo");
    cbo.userPick(0);
    cbo.userPick(0);
    EXPECT_THAT(log, ElementsAre("cbo_Click", "cbo_Click"));
}

TEST_F(ControlTest, NewListEntriesClearTheChoice)
{
    ComboList& cbo = form.combo("cbo");
    cbo.setListIndex(1);
    cbo.setItems({tv::finishedText("a"), tv::finishedText("b")});
    EXPECT_EQ(cbo.listIndex(), -1);
    EXPECT_EQ(cbo.count(), 2);
    cbo.addItem(tv::finishedText("c"));
    EXPECT_EQ(cbo.count(), 3);
    cbo.setListIndex(2);
    cbo.clear();
    EXPECT_EQ(cbo.count(), 0);
    EXPECT_EQ(cbo.listIndex(), -1);
}

TEST_F(ControlTest, SettingABoxTextFiresChangeOnlyWhenItDiffers)
{
    MaskedBox& box = form.box("box1");
    box.setText("12");
    box.setText("12");
    box.setText("13");
    EXPECT_THAT(log, ElementsAre("box1_Change", "box1_Change"));
}

TEST_F(ControlTest, TypingFiresChangeExactlyOnce)
{
    MaskedBox& box = form.box("box1");
    box.userType("1234.5");
    EXPECT_THAT(log, ElementsAre("box1_Change"));
    log.clear();
    box.userType("1234.5");  // typing the same text over it is still a change the user made
    EXPECT_THAT(log, ElementsAre("box1_Change"));
    EXPECT_EQ(box.text(), "1234.5");
    EXPECT_EQ(box.display(), "$1,234.50");
}

TEST_F(ControlTest, TypingMoreThan32CharactersIsRefusedInTheFormsStyleAndTheBoxKeepsItsText)
{
    MaskedBox& box = form.box("box1");
    box.userType("12");
    log.clear();
    form.setInputErrorStyle(tv::finishedText("input Error"));
    box.userType(std::string(33, '9'));
    EXPECT_THAT(log, IsEmpty()) << "no Change fires";
    EXPECT_EQ(box.text(), "12");
    form.box("box2").userType(std::string(10000, 'x'));
    EXPECT_EQ(form.box("box2").text(), "");
    auto messages = platform.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Input too long - a box holds at most 32 characters");
    EXPECT_EQ(messages[0].title, "input Error");
    EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(messages[0].icon, MsgIcon::None);

    form.setInputErrorStyle(tv::finishedText("Sheet Error"), MsgIcon::Exclamation);
    box.userType(std::string(40, '1'));
    EXPECT_EQ(platform.messages().back().title, "Sheet Error");
    EXPECT_EQ(platform.messages().back().icon, MsgIcon::Exclamation);
}

TEST_F(ControlTest, ThirtyTwoCharactersAreTypedAndCharactersAreCountedNotBytes)
{
    MaskedBox& box = form.box("box2");
    const std::string full(32, '7');
    box.userType(full);
    EXPECT_EQ(box.text(), full);
    // 32 cent signs are 64 bytes but 32 characters.
    std::string cents;
    for (int i = 0; i < 32; ++i) cents += "\xC2\xA2";
    box.userType(cents);
    EXPECT_EQ(box.text(), cents);
    EXPECT_TRUE(platform.messages().empty());
    box.setText(std::string(100, '5'));  // the program itself is not limited
    EXPECT_EQ(box.text().size(), 100u);
}

TEST_F(ControlTest, ABoxSelectionStaysInsideItsText)
{
    MaskedBox& box = form.box("box2");
    box.setText("12345");
    box.setSelection(2, 10);
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 3);
    box.setSelection(-3, 2);
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 2);
    box.setSelection(9, 1);
    EXPECT_EQ(box.selStart(), 5);
    EXPECT_EQ(box.selLength(), 0);
    box.setSelection(0, -4);
    EXPECT_EQ(box.selLength(), 0);
}

TEST_F(ControlTest, AShorterTextShrinksTheSelectionAndSaysSo)
{
    MaskedBox& box = form.box("box2");
    box.setText("12345");
    box.setSelection(0, 5);
    recorder.clear();
    box.setText("12");
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 2);
    EXPECT_TRUE(recorder.sawControl("box2", Prop::Selection));
    box.setSelection(2, 0);
    box.setText("");
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 0);
}

TEST_F(ControlTest, ACheckBoxFiresClickOnANewValueOnly)
{
    CheckBox& chk = form.check("chk");
    chk.setValue(1);
    chk.setValue(1);
    EXPECT_THAT(log, ElementsAre("chk_Click"));
    chk.userClick();
    EXPECT_EQ(chk.value(), 0);
    chk.setValue(2);
    chk.userClick();  // a greyed box becomes ticked
    EXPECT_EQ(chk.value(), 1);
    EXPECT_THAT(log, ElementsAre("chk_Click", "chk_Click", "chk_Click", "chk_Click"));
}

TEST_F(ControlTest, ButtonsAndLabelsFireClick)
{
    form.button("btn").userClick();
    form.label("lbl").userClick();
    EXPECT_THAT(log, ElementsAre("btn_Click", "lbl_Click"));
}

TEST_F(ControlTest, FocusMovesWithLostFocusBeforeGotFocus)
{
    form.box("box1").setFocus();
    form.box("box2").setFocus();
    form.box("box2").setFocus();  // already there: nothing
    app.setFocus(nullptr);
    EXPECT_THAT(log, ElementsAre("box1_GotFocus", "box1_LostFocus", "box2_GotFocus", "box2_LostFocus"));
    ASSERT_EQ(recorder.focus.size(), 3u);
    EXPECT_EQ(recorder.focus[1].first, &form.control("box1"));
    EXPECT_EQ(recorder.focus[1].second, &form.control("box2"));
    EXPECT_EQ(app.focus(), nullptr);
}

TEST_F(ControlTest, AGotFocusHandlerSeesItsControlFocusedAndMaySelectTheText)
{
    MaskedBox& box = form.box("box2");
    box.setText("100000");
    form.bind("box2_GotFocus", [&box] {
        EXPECT_TRUE(box.hasFocus());
        box.setSelection(0, static_cast<int>(box.text().size()));
    });
    box.setFocus();
    EXPECT_EQ(box.selLength(), 6);
}

TEST_F(ControlTest, WhatAUserCanSeeAndUseFollowsContainersAndTheForm)
{
    Control& inside = form.control("btnInHidden");
    EXPECT_TRUE(inside.usableByUser());
    form.control("fraHidden").setEnabled(false);
    EXPECT_TRUE(inside.shownToUser());
    EXPECT_FALSE(inside.usableByUser());
    EXPECT_FALSE(inside.canFocus());
    form.control("fraHidden").setVisible(false);
    EXPECT_FALSE(inside.shownToUser());
    EXPECT_TRUE(inside.visible());  // its own property is unchanged
    form.hide();
    EXPECT_FALSE(form.control("btn").shownToUser());
    EXPECT_FALSE(form.control("lbl").canFocus());
}

TEST_F(ControlTest, EveryControlPropertyChangeIsObserved)
{
    struct Case {
        const char* what;
        const char* control;
        Prop prop;
        std::function<void(Form&)> change;
    };
    const Case cases[] = {
        {"caption", "lbl", Prop::Caption, [](Form& f) { f.control("lbl").setCaption(tv::finishedText("new")); }},
        {"tool-tip", "lbl", Prop::ToolTip, [](Form& f) { f.control("lbl").setToolTip(tv::finishedText("tip")); }},
        {"visible", "btn", Prop::Visible, [](Form& f) { f.control("btn").setVisible(false); }},
        {"enabled", "btn", Prop::Enabled, [](Form& f) { f.control("btn").setEnabled(false); }},
        {"back colour", "btn", Prop::BackColor, [](Form& f) { f.control("btn").setBackColor(rgb(1, 2, 3)); }},
        {"fore colour", "btn", Prop::ForeColor, [](Form& f) { f.control("btn").setForeColor(rgb(1, 2, 3)); }},
        {"geometry", "btn", Prop::Geometry, [](Form& f) { f.control("btn").move(10, 20); }},
        {"font", "lbl", Prop::Font,
         [](Form& f) {
             f.control("lbl").setFont({"Arial", 10, true, false});
         }},
        {"alignment", "lbl", Prop::Alignment, [](Form& f) { f.control("lbl").setAlignment(Alignment::Right); }},
        {"box text", "box1", Prop::Text, [](Form& f) { f.box("box1").setText("5"); }},
        {"box format", "box1", Prop::Format, [](Form& f) { f.box("box1").setFormat("#,##0"); }},
        {"box selection", "box1", Prop::Selection, [](Form& f) { f.box("box1").setSelection(0, 0); }},
        {"list entries", "cbo", Prop::Items, [](Form& f) { f.combo("cbo").addItem(tv::finishedText("three")); }},
        {"list choice", "cbo", Prop::ListIndex, [](Form& f) { f.combo("cbo").setListIndex(0); }},
        {"option value", "optB2", Prop::Value, [](Form& f) { f.option("optB2").setValue(true); }},
        {"check value", "chk", Prop::Value, [](Form& f) { f.check("chk").setValue(1); }},
        {"text area", "txt", Prop::Text, [](Form& f) { f.textArea("txt").setText(tv::finishedText("notes")); }},
    };
    for (const Case& c : cases) {
        recorder.clear();
        c.change(form);
        EXPECT_TRUE(recorder.sawControl(c.control, c.prop)) << c.what;
        recorder.clear();
        c.change(form);
        // Setting the same value again is no change (adding an entry always is one; a selection and a list
        // choice may be reported again).
        if (c.prop != Prop::Items && c.prop != Prop::Selection && c.prop != Prop::ListIndex) {
            EXPECT_FALSE(recorder.sawControl(c.control, c.prop)) << c.what << " reported again without a change";
        }
    }
}

}  // namespace
}  // namespace tv
