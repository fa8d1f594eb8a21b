#include "screen_model/form.h"

#include "common/user_text.h"

#include <stdexcept>
#include <string_view>

#include "screen_model/application.h"

namespace tv {

namespace {

std::unique_ptr<Control> makeControl(Form& form, Kind kind, const std::string& name, Control* container)
{
    switch (kind) {
        case Kind::Label:
            return std::make_unique<Label>(form, name, container);
        case Kind::MaskedBox:
            return std::make_unique<MaskedBox>(form, name, container);
        case Kind::ComboList:
            return std::make_unique<ComboList>(form, name, container);
        case Kind::OptionButton:
            return std::make_unique<OptionButton>(form, name, container);
        case Kind::CheckBox:
            return std::make_unique<CheckBox>(form, name, container);
        case Kind::Frame:
            return std::make_unique<Frame>(form, name, container);
        case Kind::CommandButton:
            return std::make_unique<CommandButton>(form, name, container);
        case Kind::Line:
            return std::make_unique<Line>(form, name, container);
        case Kind::Picture:
            return std::make_unique<Picture>(form, name, container);
        case Kind::TextArea:
            return std::make_unique<TextArea>(form, name, container);
        case Kind::Grid:
            return std::make_unique<Grid>(form, name, container);
        case Kind::Toolbar:
            return std::make_unique<Toolbar>(form, name, container);
        case Kind::ChartView:
            return std::make_unique<ChartView>(form, name, container);
    }
    throw std::logic_error("unknown control kind");
}

// The events the model fires for a form.
bool formFires(std::string_view event)
{
    return event == "Load" || event == "Unload" || event == "Resize";
}

// Sets the application's event depth for as long as it lives, then puts the old one back.
class EventDepth {
public:
    EventDepth(Application& app, int depth) : m_app(app), m_old(app.eventDepth()) { app.setEventDepth(depth); }
    ~EventDepth() { m_app.setEventDepth(m_old); }
    EventDepth(const EventDepth&) = delete;
    EventDepth& operator=(const EventDepth&) = delete;

private:
    Application& m_app;
    int m_old;
};

}  // namespace

Form::Form(Application& app, std::string name, std::span<const ControlDecl> controls, std::span<const MenuDecl> menus)
    : m_app(app), m_name(std::move(name))
{
    for (const ControlDecl& d : controls) {
        Control* container = nullptr;
        if (d.container && *d.container) container = &control(d.container);
        if (m_byName.count(d.name)) throw std::logic_error(m_name + ": control declared twice: " + d.name);
        auto c = makeControl(*this, d.kind, d.name, container);
        c->setCaption(declaredText(m_name, d.caption));
        c->setToolTip(declaredText(m_name, d.toolTip));
        c->setRect(d.rect);
        if (d.kind == Kind::MaskedBox) static_cast<MaskedBox&>(*c).setFormat(d.format);
        m_byName[d.name] = c.get();
        m_order.push_back(c.get());
        m_controls.push_back(std::move(c));
    }
    std::vector<MenuItem*> open;  // the last item at each level
    for (const MenuDecl& d : menus) {
        auto item = std::make_unique<MenuItem>(*this, d.name, d.index, d.caption, d.shortcut);
        if (d.level < 0 || d.level > static_cast<int>(open.size()) || (d.level > 0 && open.empty()))
            throw std::logic_error(m_name + ": menu out of order: " + d.name);
        open.resize(static_cast<std::size_t>(d.level));
        MenuItem* added = nullptr;
        if (d.level == 0) {
            added = item.get();
            m_menus.push_back(std::move(item));
            m_menuBar.push_back(added);
        } else {
            added = &open.back()->addChild(std::move(item));
        }
        open.push_back(added);
    }
    for (MenuItem* m : allMenus()) m_menusByName[m->name()].push_back(m);
    app.registerForm(*this);
}

Form::~Form()
{
    m_app.unregisterForm(*this);
}

Platform& Form::platform() const
{
    return m_app.platform();
}

void Form::setCaption(const UserText& text)
{
    const std::string caption = m_app.text(text);
    if (m_caption == caption) return;
    m_caption = caption;
    m_app.formChanged(*this, FormEvent::Caption);
}

void Form::setRect(const Rect& rect)
{
    if (m_rect == rect) return;
    m_rect = rect;
    m_app.formChanged(*this, FormEvent::Geometry);
}

void Form::move(int left, int top)
{
    Rect r = m_rect;
    r.left = left;
    r.top = top;
    setRect(r);
}

void Form::setBackColor(Color color)
{
    if (m_backColor == color) return;
    m_backColor = color;
    m_app.formChanged(*this, FormEvent::BackColor);
}

void Form::load()
{
    if (m_loaded) return;
    if (!m_designSaved) {
        m_designSaved = true;
        // The state before the first load is the design state every later load starts from.
        m_design = {m_caption, m_rect, m_backColor};
        for (Control* c : m_order) c->saveDesign();
        for (auto& m : m_menus) m->saveDesign();
    }
    m_loaded = true;
    m_app.formChanged(*this, FormEvent::Loaded);
    fire("Form", "Load");
}

void Form::show(bool modal)
{
    load();
    if (!m_loaded || m_app.ended()) return;  // Form_Load may have unloaded it or ended the program
    if (!m_visible) {
        m_visible = true;
        m_modal = modal;
        m_app.formChanged(*this, FormEvent::Shown);
    }
    if (modal) {
        EventDepth ownLoop(m_app, 0);
        platform().runModal(*this);
    }
}

void Form::hide()
{
    if (!m_visible) return;
    m_visible = false;
    m_app.formChanged(*this, FormEvent::Hidden);
    m_modal = false;
}

bool Form::unload()
{
    if (!m_loaded || m_unloading) return true;
    m_unloading = true;
    EventArgs args;
    fire("Form", "Unload", args);
    m_unloading = false;
    if (args.cancel) return false;
    if (m_app.ended()) return true;
    if (m_visible) {
        m_visible = false;
        m_app.formChanged(*this, FormEvent::Hidden);
    }
    m_loaded = false;
    m_modal = false;
    Control* focus = m_app.focus();
    if (focus && &focus->form() == this) m_app.setFocus(nullptr);
    restoreDesign();
    m_app.formChanged(*this, FormEvent::Unloaded);
    return true;
}

void Form::restoreDesign()
{
    m_caption = m_design.caption;
    m_rect = m_design.rect;
    m_backColor = m_design.backColor;
    for (Control* c : m_order) c->restoreDesign();
    for (auto& m : m_menus) m->restoreDesign();
}

Control* Form::find(const std::string& name) const
{
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

Control& Form::control(const std::string& name) const
{
    Control* c = find(name);
    if (!c) throw std::logic_error(m_name + " has no control " + name);
    return *c;
}

void Form::wrongKind(const std::string& name) const
{
    throw std::logic_error(m_name + "." + name + " is not of the kind asked for");
}

MenuItem* Form::findMenu(const std::string& name, int index) const
{
    auto it = m_menusByName.find(name);
    if (it == m_menusByName.end()) return nullptr;
    for (MenuItem* m : it->second)
        if (m->index() == index) return m;
    return nullptr;
}

MenuItem& Form::menu(const std::string& name, int index) const
{
    MenuItem* m = findMenu(name, index);
    if (!m) throw std::logic_error(m_name + " has no menu " + name);
    return *m;
}

std::vector<MenuItem*> Form::allMenus() const
{
    std::vector<MenuItem*> out;
    auto walk = [&](auto& self, MenuItem* m) -> void {
        out.push_back(m);
        for (auto& c : m->children()) self(self, c.get());
    };
    for (MenuItem* m : m_menuBar) walk(walk, m);
    return out;
}

bool Form::declares(const std::string& name) const
{
    return m_byName.count(name) != 0 || m_menusByName.count(name) != 0;
}

void Form::bind(const std::string& handlerName, Handler handler)
{
    const std::size_t cut = handlerName.rfind('_');
    const std::string name = handlerName.substr(0, cut == std::string::npos ? 0 : cut);
    const std::string_view event =
        cut == std::string::npos ? std::string_view() : std::string_view(handlerName).substr(cut + 1);
    auto refuse = [&](const std::string& why) {
        throw std::logic_error(m_name + ": cannot bind " + handlerName + ": " + why);
    };
    if (name == "Form") {
        if (!formFires(event)) refuse("a form fires Load, Unload and Resize");
    } else if (Control* c = find(name)) {
        if (!firesEvent(c->kind(), event))
            refuse(std::string("a ") + kindName(c->kind()) + " never fires " + std::string(event));
    } else if (m_menusByName.count(name)) {
        if (event != "Click") refuse("a menu item fires Click only");
    } else {
        refuse("no control or menu item is declared as " + (name.empty() ? handlerName : name));
    }
    m_handlers[handlerName] = std::move(handler);
}

void Form::bind(const std::string& handlerName, std::function<void()> handler)
{
    bind(handlerName, Handler([h = std::move(handler)](EventArgs&) { h(); }));
}

bool Form::fire(const std::string& controlName, const char* event, EventArgs& args)
{
    if (m_app.ended()) return false;
    if (controlName != "Form" && !declares(controlName))
        throw std::logic_error(m_name + " declares no " + controlName + " to fire " + event + " on");
    auto it = m_handlers.find(controlName + "_" + event);
    if (it == m_handlers.end()) return false;
    Handler handler = it->second;  // a handler may rebind itself
    if (m_app.eventDepth() == 0 && m_app.eventFaultHandler()) {
        runAtBoundary(handler, args);
    } else {
        EventDepth inner(m_app, m_app.eventDepth() + 1);
        handler(args);
    }
    return true;
}

bool Form::fire(const std::string& controlName, const char* event)
{
    EventArgs args;
    return fire(controlName, event, args);
}

void Form::runAtBoundary(const Handler& handler, EventArgs& args)
{
    const Inputs before = takeInputs();
    const Pointer pointer = m_app.pointer();
    try {
        EventDepth inner(m_app, 1);
        handler(args);
    } catch (const std::exception& fault) {
        // A handler that unloaded its form left the design state, which stays.
        if (m_loaded) putBack(before);
        m_app.setPointer(pointer);
        const Application::EventFaultHandler report = m_app.eventFaultHandler();
        if (report) report(*this, fault);
    }
}

Form::Inputs Form::takeInputs() const
{
    Inputs inputs;
    for (Control* c : m_order) {
        if (c->kind() == Kind::MaskedBox) {
            auto* box = static_cast<MaskedBox*>(c);
            inputs.texts.emplace_back(box, box->text());
        } else if (c->kind() == Kind::ComboList) {
            auto* list = static_cast<ComboList*>(c);
            inputs.indexes.emplace_back(list, list->listIndex());
        }
    }
    return inputs;
}

void Form::putBack(const Inputs& inputs)
{
    for (const auto& [box, text] : inputs.texts) box->restoreText(text);
    for (const auto& [list, index] : inputs.indexes) list->restoreListIndex(index);
}

int Form::msgBox(const UserText& text, MsgButtons buttons, MsgIcon icon, const UserText& title)
{
    return app().messageBox(text, title.empty() ? finishedText(std::string(kProductName)) : title, buttons, icon);
}

void Form::setInputErrorStyle(UserText title, MsgIcon icon)
{
    m_inputErrorTitle = std::move(title);
    m_inputErrorIcon = icon;
}

void Form::refuseInput(const UserText& text)
{
    msgBox(text, MsgButtons::Ok, m_inputErrorIcon, m_inputErrorTitle);
}

void Form::notifyControl(Control& control, Prop prop, int row, int col)
{
    m_app.controlChanged(control, prop, row, col);
}

void Form::notifyMenu(MenuItem& item, Prop prop)
{
    m_app.menuChanged(item, prop);
}

void showEventFault(Form& form, const std::exception& fault)
{
    std::string what = fault.what();
    if (!what.empty() && what.back() == '.') what.pop_back();
    const std::string& where = form.caption().empty() ? form.name() : form.caption();
    form.msgBox(composeText<"Something went wrong in %1: %2. Your inputs are as they were before.">(where, what),
                MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace tv
