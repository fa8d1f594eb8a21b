#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "screen_model/form.h"

namespace tv {

// The menu table of a form without menus.
inline constexpr MenuDecl kNoMenus[] = {{0, "", ""}};

// A control's name, checked against a form's control table when the program is compiled: a name the table
// does not declare, or one declared as another kind, does not compile. `KindPlusOne` is 0 for any kind, else
// the kind asked for plus one.
template <const auto& Table, int KindPlusOne = 0>
class ControlName {
public:
    consteval ControlName(const char* name) : m_index(indexOf(name)) {}
    constexpr int index() const { return m_index; }
    constexpr const char* name() const { return Table[m_index].name; }

private:
    static consteval int indexOf(const char* name)
    {
        for (std::size_t i = 0; i < std::size(Table); ++i) {
            if (std::string_view(Table[i].name) != name) continue;
            if (KindPlusOne != 0 && static_cast<int>(Table[i].kind) + 1 != KindPlusOne)
                throw "the control is declared as another kind";
            return static_cast<int>(i);
        }
        throw "no control of that name is declared";
    }
    int m_index;
};

// A menu item's name, checked against a form's menu table when the program is compiled.
template <const auto& Table>
class MenuName {
public:
    consteval MenuName(const char* name) : m_name(check(name)) {}
    constexpr const char* name() const { return m_name; }

private:
    static consteval const char* check(const char* name)
    {
        for (const MenuDecl& d : Table)
            if (std::string_view(d.name) == name) return d.name;
        throw "no menu item of that name is declared";
    }
    const char* m_name;
};

// A form whose control and menu tables are constants the compiler sees, so every name its code looks up is
// checked when the program is compiled, and the look-up is an index instead of a search.
template <const auto& Controls, const auto& Menus = kNoMenus>
class DeclaredForm : public Form {
public:
    template <Kind K>
    using NameOf = ControlName<Controls, static_cast<int>(K) + 1>;
    using AnyName = ControlName<Controls>;
    // Lists of names to loop over: `for (LabelName n : NameList<Kind::Label>{"a", "b"})`.
    template <Kind K>
    using NameList = std::initializer_list<NameOf<K>>;
    using AnyNames = std::initializer_list<AnyName>;
    using MenuItemName = MenuName<Menus>;

    DeclaredForm(Application& app, std::string name) : Form(app, std::move(name), Controls, menuTable()) {}

    Control& control(AnyName n) const { return *controls()[static_cast<std::size_t>(n.index())]; }
    MaskedBox& box(NameOf<Kind::MaskedBox> n) const { return at<MaskedBox>(n.index()); }
    Label& label(NameOf<Kind::Label> n) const { return at<Label>(n.index()); }
    ComboList& combo(NameOf<Kind::ComboList> n) const { return at<ComboList>(n.index()); }
    OptionButton& option(NameOf<Kind::OptionButton> n) const { return at<OptionButton>(n.index()); }
    CheckBox& check(NameOf<Kind::CheckBox> n) const { return at<CheckBox>(n.index()); }
    Frame& frame(NameOf<Kind::Frame> n) const { return at<Frame>(n.index()); }
    CommandButton& button(NameOf<Kind::CommandButton> n) const { return at<CommandButton>(n.index()); }
    Grid& grid(NameOf<Kind::Grid> n) const { return at<Grid>(n.index()); }
    Toolbar& toolbar(NameOf<Kind::Toolbar> n) const { return at<Toolbar>(n.index()); }
    TextArea& textArea(NameOf<Kind::TextArea> n) const { return at<TextArea>(n.index()); }
    Picture& picture(NameOf<Kind::Picture> n) const { return at<Picture>(n.index()); }
    Line& line(NameOf<Kind::Line> n) const { return at<Line>(n.index()); }
    ChartView& chartView(NameOf<Kind::ChartView> n) const { return at<ChartView>(n.index()); }
    MenuItem& menu(MenuItemName n, int index = -1) const { return Form::menu(n.name(), index); }

private:
    static std::span<const MenuDecl> menuTable()
    {
        std::span<const MenuDecl> menus(Menus);
        return menus.size() == 1 && *menus[0].name == '\0' ? menus.first(0) : menus;
    }
    template <class T>
    T& at(int index) const
    {
        return static_cast<T&>(*controls()[static_cast<std::size_t>(index)]);
    }
};

}  // namespace tv
