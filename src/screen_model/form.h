#pragma once

#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "screen_model/control.h"
#include "screen_model/grid.h"
#include "screen_model/menu.h"
#include "screen_model/platform.h"
#include "screen_model/toolbar.h"

namespace tv {

class Application;

// One line of a form's control table. `container` names the frame the control sits in ("" for the form).
struct ControlDecl {
    Kind kind;
    const char* name;
    const char* container = "";
    const char* caption = "";
    Rect rect{};
    const char* toolTip = "";
    const char* format = "";  // masked boxes: the display format
};

// One line of a form's menu table: `level` 0 is a menu of the menu bar, 1 its items, 2 their sub-items.
// A caption "-" is a separator. `index` >= 0 makes the item a member of a menu array.
struct MenuDecl {
    int level;
    const char* name;
    const char* caption;
    const char* shortcut = "";
    int index = -1;
};

// One value of a form's state for a driver or test to read: an amount or rate, a count, or a flag.
struct StateField {
    std::string name;
    std::variant<double, long long, bool> value;
};

// A form: a window with its controls (declared once, in a table), its menus and its event handlers.
// Handlers are bound by their design names ("btn_Calc_Click", "Form_Load", "mnuOptLen_Click"): a declared
// control or menu item, or "Form", and an event the model fires for it.
class Form {
public:
    Form(Application& app, std::string name, std::span<const ControlDecl> controls,
         std::span<const MenuDecl> menus = {});
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& app() const { return m_app; }
    Platform& platform() const;
    const std::string& name() const { return m_name; }

    const std::string& caption() const { return m_caption; }
    void setCaption(const UserText& caption);
    // Outer size and position of the window, in twips.
    int left() const { return m_rect.left; }
    int top() const { return m_rect.top; }
    int width() const { return m_rect.width; }
    int height() const { return m_rect.height; }
    const Rect& rect() const { return m_rect; }
    // The area inside the borders, title bar and menu bar, where the controls sit (twips).
    int clientWidth() const { return m_rect.width - 2 * kBorderTwips; }
    int clientHeight() const
    {
        return m_rect.height - kTitleBarTwips - 2 * kBorderTwips - (m_menuBar.empty() ? 0 : kMenuBarTwips);
    }
    static constexpr int kBorderTwips = 60;
    static constexpr int kTitleBarTwips = 345;
    static constexpr int kMenuBarTwips = 285;
    void setRect(const Rect& rect);
    void move(int left, int top);
    Color backColor() const { return m_backColor; }
    void setBackColor(Color color);
    bool resizable() const { return m_resizable; }
    void setResizable(bool resizable) { m_resizable = resizable; }

    bool loaded() const { return m_loaded; }
    bool visible() const { return m_visible; }
    bool modal() const { return m_modal; }

    // Loads the form (runs Form_Load) unless it is loaded.
    void load();
    // Loads and shows the form. A modal show returns once the form is unloaded.
    void show(bool modal = false);
    void hide();
    // Runs Form_Unload (which may cancel), then hides the form and restores its design state.
    // Returns false when a handler cancelled.
    bool unload();
    // The user closes the window by its close box.
    bool userClose() { return unload(); }

    const std::vector<Control*>& controls() const { return m_order; }
    Control* find(const std::string& name) const;
    Control& control(const std::string& name) const;
    MaskedBox& box(const std::string& name) const { return get<MaskedBox>(name, Kind::MaskedBox); }
    Label& label(const std::string& name) const { return get<Label>(name, Kind::Label); }
    ComboList& combo(const std::string& name) const { return get<ComboList>(name, Kind::ComboList); }
    OptionButton& option(const std::string& name) const { return get<OptionButton>(name, Kind::OptionButton); }
    CheckBox& check(const std::string& name) const { return get<CheckBox>(name, Kind::CheckBox); }
    Frame& frame(const std::string& name) const { return get<Frame>(name, Kind::Frame); }
    CommandButton& button(const std::string& name) const { return get<CommandButton>(name, Kind::CommandButton); }
    Grid& grid(const std::string& name) const { return get<Grid>(name, Kind::Grid); }
    Toolbar& toolbar(const std::string& name) const { return get<Toolbar>(name, Kind::Toolbar); }
    TextArea& textArea(const std::string& name) const { return get<TextArea>(name, Kind::TextArea); }
    Picture& picture(const std::string& name) const { return get<Picture>(name, Kind::Picture); }
    Line& line(const std::string& name) const { return get<Line>(name, Kind::Line); }
    ChartView& chartView(const std::string& name) const { return get<ChartView>(name, Kind::ChartView); }

    // The menu bar's menus, in order.
    const std::vector<MenuItem*>& menuBar() const { return m_menuBar; }
    MenuItem* findMenu(const std::string& name, int index = -1) const;
    MenuItem& menu(const std::string& name, int index = -1) const;
    // Every menu item in menu order (depth first).
    std::vector<MenuItem*> allMenus() const;

    // Binds "name_Event"; throws std::logic_error naming the form and the handler when the form declares no
    // such control or menu item, or the model never fires that event for it (a misspelt name would never run).
    void bind(const std::string& handlerName, Handler handler);
    void bind(const std::string& handlerName, std::function<void()> handler);
    // Runs the handler "control_Event" ("Form_Event" for the form, "menuItem_Event" for a menu item) if one is
    // bound; throws std::logic_error when the form declares no such control or menu item. An exception from
    // the handler of the outermost event goes to the application's event fault handler, if it has one.
    bool fire(const std::string& controlName, const char* event, EventArgs& args);
    bool fire(const std::string& controlName, const char* event);

    // The values behind the form's boxes that a driver or test may read, in a fixed order (none by default).
    virtual std::vector<StateField> stateFields() const { return {}; }

    // A message box over this form; an empty title shows the product name.
    int msgBox(const UserText& text, MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
               const UserText& title = {});

    // How the form words its refusals of what the user typed: the title (empty: the product name) and icon.
    void setInputErrorStyle(UserText title, MsgIcon icon = MsgIcon::None);
    // Tells the user, in the form's style, that what they typed was refused.
    void refuseInput(const UserText& text);

    // Notifies the application's observers (used by the controls).
    void notifyControl(Control& control, Prop prop, int row, int col);
    void notifyMenu(MenuItem& item, Prop prop);

private:
    template <class T>
    T& get(const std::string& name, Kind kind) const
    {
        Control& c = control(name);
        if (c.kind() != kind) wrongKind(name);
        return static_cast<T&>(c);
    }
    [[noreturn]] void wrongKind(const std::string& name) const;
    void restoreDesign();
    bool declares(const std::string& name) const;

    // The texts of the boxes and the chosen entries of the lists, taken before the outermost handler runs.
    struct Inputs {
        std::vector<std::pair<MaskedBox*, std::string>> texts;
        std::vector<std::pair<ComboList*, int>> indexes;
    };
    Inputs takeInputs() const;
    void putBack(const Inputs& inputs);
    void runAtBoundary(const Handler& handler, EventArgs& args);

    Application& m_app;
    std::string m_name;
    std::string m_caption;
    Rect m_rect;
    Color m_backColor = syscolor::kButtonFace;
    bool m_resizable = false;
    bool m_loaded = false;
    bool m_visible = false;
    bool m_modal = false;
    bool m_unloading = false;
    bool m_designSaved = false;
    UserText m_inputErrorTitle;
    MsgIcon m_inputErrorIcon = MsgIcon::None;

    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<Control*> m_order;
    // Names are looked up on every property a handler reads or writes: hashed, not compared letter by letter.
    std::unordered_map<std::string, Control*> m_byName;
    std::vector<std::unique_ptr<MenuItem>> m_menus;
    std::vector<MenuItem*> m_menuBar;
    std::unordered_map<std::string, std::vector<MenuItem*>> m_menusByName;  // in menu order
    std::unordered_map<std::string, Handler> m_handlers;

    struct Design {
        std::string caption;
        Rect rect;
        Color backColor;
    } m_design{};
};

// The event fault handler of the desktop: tells the user, in the program's style, that a command failed in
// `form` and that the inputs are as they were ("Something went wrong in Loan Payment Table: ...").
void showEventFault(Form& form, const std::exception& fault);

}  // namespace tv
