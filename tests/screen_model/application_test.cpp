#include "screen_model/application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace tv {
namespace {

using ::testing::ElementsAre;

const ControlDecl kControls[] = {
    {Kind::Label, "lbl"},
    {Kind::MaskedBox, "box"},
};
const MenuDecl kMenus[] = {{0, "mnuFile", "&File"}, {1, "mnuOpen", "&Open"}};

// An observer that runs an action on its first notification of any kind.
struct OnceObserver : ModelObserver {
    std::function<void()> action;
    int calls = 0;
    void hit()
    {
        ++calls;
        if (calls == 1 && action) action();
    }
    void formChanged(Form&, FormEvent) override { hit(); }
    void controlChanged(Control&, Prop, int, int) override { hit(); }
    void menuChanged(MenuItem&, Prop) override { hit(); }
    void focusChanged(Control*, Control*) override { hit(); }
    void pointerChanged(Pointer) override { hit(); }
};

class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() { form.show(); }

    ScriptedPlatform platform;
    Application app{platform};
    Form form{app, "F", kControls, kMenus};
};

// Each kind of change, so every notification path is exercised.
const std::pair<const char*, std::function<void(Form&)>> kChanges[] = {
    {"control", [](Form& f) { f.control("lbl").setCaption(finishedText(f.control("lbl").caption() + "x")); }},
    {"menu", [](Form& f) { f.menu("mnuOpen").setChecked(!f.menu("mnuOpen").checked()); }},
    {"form", [](Form& f) { f.setCaption(finishedText(f.caption() + "x")); }},
    {"focus", [](Form& f) { f.app().setFocus(f.app().focus() ? nullptr : &f.control("box")); }},
    {"pointer",
     [](Form& f) {
         f.app().setPointer(f.app().pointer() == Pointer::Default ? Pointer::Hourglass : Pointer::Default);
     }},
};

TEST_F(ApplicationTest, AnObserverMayRemoveItselfWhileItIsNotified)
{
    for (const auto& [what, change] : kChanges) {
        OnceObserver first;
        OnceObserver second;
        first.action = [&] { app.removeObserver(&first); };
        app.addObserver(&first);
        app.addObserver(&second);
        change(form);
        change(form);
        EXPECT_EQ(first.calls, 1) << what;
        EXPECT_EQ(second.calls, 2) << what;  // the next observer is not skipped
        app.removeObserver(&second);
    }
}

TEST_F(ApplicationTest, AnObserverRemovedByAnotherDuringANotificationIsNotCalled)
{
    for (const auto& [what, change] : kChanges) {
        OnceObserver first;
        auto second = std::make_unique<OnceObserver>();
        first.action = [&] {
            app.removeObserver(second.get());
            second.reset();  // gone for good: calling it now would be a use after free
        };
        app.addObserver(&first);
        app.addObserver(second.get());
        change(form);
        EXPECT_EQ(first.calls, 1) << what;
        app.removeObserver(&first);
    }
}

TEST_F(ApplicationTest, AnObserverAddedDuringANotificationHearsTheNextChange)
{
    for (const auto& [what, change] : kChanges) {
        OnceObserver first;
        OnceObserver late;
        first.action = [&] { app.addObserver(&late); };
        app.addObserver(&first);
        change(form);
        EXPECT_EQ(late.calls, 0) << what;
        change(form);
        EXPECT_EQ(late.calls, 1) << what;
        app.removeObserver(&first);
        app.removeObserver(&late);
    }
}

TEST_F(ApplicationTest, AnObserverHearsFormEventsInOrder)
{
    test::Recorder recorder;
    app.addObserver(&recorder);
    Form other(app, "G", {});
    other.show();
    other.move(1, 2);
    other.setBackColor(rgb(1, 2, 3));
    other.hide();
    other.unload();
    app.removeObserver(&recorder);
    using E = std::pair<std::string, FormEvent>;
    EXPECT_THAT(recorder.forms,
                ElementsAre(E{"G", FormEvent::Loaded}, E{"G", FormEvent::Shown}, E{"G", FormEvent::Geometry},
                            E{"G", FormEvent::BackColor}, E{"G", FormEvent::Hidden}, E{"G", FormEvent::Unloaded}));
}

TEST_F(ApplicationTest, ThePointerReachesThePlatform)
{
    app.setPointer(Pointer::Hourglass);
    EXPECT_EQ(platform.pointer(), Pointer::Hourglass);
    app.setPointer(Pointer::Default);
    EXPECT_EQ(platform.pointer(), Pointer::Default);
}

TEST_F(ApplicationTest, EndingTellsThePlatformOnce)
{
    app.end();
    app.end();
    EXPECT_TRUE(app.ended());
    ASSERT_EQ(platform.records().size(), 1u);
    EXPECT_EQ(platform.records()[0].type, PlatformRecord::Type::Ended);
}

TEST_F(ApplicationTest, AFormThatGoesAwayTakesTheFocusWithIt)
{
    {
        const ControlDecl boxes[] = {{Kind::MaskedBox, "b"}};
        Form temp(app, "T", boxes);
        temp.show();
        temp.control("b").setFocus();
        EXPECT_EQ(app.focus(), &temp.control("b"));
    }
    EXPECT_EQ(app.focus(), nullptr);
}

}  // namespace
}  // namespace tv
