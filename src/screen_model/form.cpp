#include "screen_model/form.h"

#include <stdexcept>

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
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace

Form::Form(Application& app, std::string name, std::span<const ControlDecl> controls, std::span<const MenuDecl> menus)
    : m_app(app), m_name(std::move(name))
{
    int tab = 0;
    for (const ControlDecl& d : controls) {
        Control* container = nullptr;
        if (d.container && *d.container) container = &control(d.container);
        if (m_byName.count(d.name)) throw std::logic_error(m_name + ": control declared twice: " + d.name);
        auto c = makeControl(*this, d.kind, d.name, container);
        c->setTabIndex(tab++);
        c->setCaption(d.caption);
        c->setToolTip(d.toolTip);
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

void Form::setCaption(const std::string& caption)
{
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
    if (modal) platform().runModal(*this);
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

void Form::bind(const std::string& handlerName, Handler handler)
{
    m_handlers[handlerName] = std::move(handler);
}

void Form::bind(const std::string& handlerName, std::function<void()> handler)
{
    m_handlers[handlerName] = [h = std::move(handler)](EventArgs&) { h(); };
}

bool Form::hasHandler(const std::string& handlerName) const
{
    return m_handlers.count(handlerName) != 0;
}

bool Form::fire(const std::string& controlName, const char* event, EventArgs& args)
{
    if (m_app.ended()) return false;
    auto it = m_handlers.find(controlName + "_" + event);
    if (it == m_handlers.end()) return false;
    Handler handler = it->second;  // a handler may rebind itself
    handler(args);
    return true;
}

bool Form::fire(const std::string& controlName, const char* event)
{
    EventArgs args;
    return fire(controlName, event, args);
}

int Form::msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title)
{
    return platform().messageBox(text, title.empty() ? std::string(kProductName) : title, buttons, icon);
}

void Form::setInputErrorStyle(std::string title, MsgIcon icon)
{
    m_inputErrorTitle = std::move(title);
    m_inputErrorIcon = icon;
}

void Form::refuseInput(const std::string& text)
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

}  // namespace tv
