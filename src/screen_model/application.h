#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "screen_model/platform.h"
#include "screen_model/translator.h"
#include "screen_model/types.h"

namespace tv {

class Control;
class Form;
class MenuItem;

enum class FormEvent { Loaded, Shown, Hidden, Unloaded, Caption, Geometry, BackColor };

// Mirrors the model: the Qt renderer and tests observe every change.
class ModelObserver {
public:
    virtual ~ModelObserver() = default;
    virtual void formChanged(Form& /*form*/, FormEvent /*event*/) {}
    // `row` and `col` name the cell for grid cell changes, else -1.
    virtual void controlChanged(Control& /*control*/, Prop /*prop*/, int /*row*/, int /*col*/) {}
    virtual void menuChanged(MenuItem& /*item*/, Prop /*prop*/) {}
    virtual void focusChanged(Control* /*oldFocus*/, Control* /*newFocus*/) {}
    virtual void pointerChanged(Pointer /*pointer*/) {}
};

// The running set of forms: which are shown and in what order, where the focus is, the mouse pointer,
// and whether the program has ended. Forms register themselves when they are constructed.
class Application {
public:
    explicit Application(Platform& platform, std::shared_ptr<const Translator> translator = {});
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The outside world. What it shows with words goes through the calls below, which put it into the user's
    // language.
    Platform& platform() const { return m_platform; }

    // The user's language (none: English, as the forms are written). Set before the forms are built: a text is
    // translated when it is set.
    void setTranslator(std::shared_ptr<const Translator> translator);
    const Translator* translator() const { return m_translator.get(); }
    // A marked text in the user's language.
    std::string text(const UserText& text) const { return renderText(m_translator.get(), text); }
    int messageBox(const UserText& text, const UserText& title, MsgButtons buttons, MsgIcon icon) const
    {
        return m_platform.messageBox(this->text(text), this->text(title), buttons, icon);
    }
    bool printText(const UserText& text) const { return m_platform.printText(this->text(text)); }
    // `text` is the table as plain text (what a platform that prints only text prints).
    bool printTable(const UserText& text, const MarkedTable& table) const;
    bool saveFile(const UserText& suggestedName, const std::string& bytes) const
    {
        return m_platform.saveFile(text(suggestedName), bytes);
    }
    bool savePdf(const UserText& suggestedName, const MarkedTable& table) const;
    void showChart(const MarkedChartRequest& request) const;
    TableDocument shown(const MarkedTable& table) const;
    Chart shown(const MarkedChart& chart) const;

    const std::vector<Form*>& forms() const { return m_forms; }
    Form* findForm(const std::string& name) const;
    // The last form shown that is still loaded and visible; an open modal form is always topmost.
    Form* topmost() const;

    Control* focus() const { return m_focus; }
    void setFocus(Control* control);

    Pointer pointer() const { return m_pointer; }
    void setPointer(Pointer pointer);

    // Ends the program at once (the Exit command): no unload events run.
    void end();
    bool ended() const { return m_ended; }

    // Where an exception from a handler goes. With a fault handler, the outermost event (one a user or the
    // platform started, not one fired from inside a handler) catches it, puts its form's boxes and lists back
    // as they were and calls the fault handler; without one (the default) it reaches whoever fired the event.
    using EventFaultHandler = std::function<void(Form& form, const std::exception& fault)>;
    void setEventFaultHandler(EventFaultHandler handler) { m_eventFaultHandler = std::move(handler); }
    const EventFaultHandler& eventFaultHandler() const { return m_eventFaultHandler; }
    // Handlers running in the innermost event loop (Form::fire counts them; a modal form's loop starts again
    // from none, so its events are outermost there).
    int eventDepth() const { return m_eventDepth; }
    void setEventDepth(int depth) { m_eventDepth = depth; }

    void addObserver(ModelObserver* observer);
    void removeObserver(ModelObserver* observer);

    // Used by forms, controls and menus.
    void registerForm(Form& form);
    void unregisterForm(Form& form);
    void formChanged(Form& form, FormEvent event);
    void controlChanged(Control& control, Prop prop, int row, int col);
    void menuChanged(MenuItem& item, Prop prop);

private:
    // Calls `f` on every observer. An observer may add or remove observers (itself included) while it
    // is being notified: a removed one is not called again, an added one hears from the next change on.
    template <class F>
    void notifyObservers(F&& f);

    Platform& m_platform;
    std::shared_ptr<const Translator> m_translator;
    std::vector<Form*> m_forms;
    std::vector<Form*> m_shownOrder;
    std::vector<ModelObserver*> m_observers;  // null: removed during a notification
    int m_notifying = 0;
    Control* m_focus = nullptr;
    Pointer m_pointer = Pointer::Default;
    bool m_ended = false;
    EventFaultHandler m_eventFaultHandler;
    int m_eventDepth = 0;
};

}  // namespace tv
