#include "screen_model/toolbar.h"

#include <stdexcept>

#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tv {

Toolbar::Toolbar(Form& form, std::string name, Control* container)
    : Control(form, Kind::Toolbar, std::move(name), container)
{
}

void Toolbar::addButton(const ToolButtonDecl& decl)
{
    auto shown = [this](const char* text) { return form().app().text(declaredText(form().name(), text)); };
    ToolButton button{decl.key,     shown(decl.caption), shown(decl.toolTip), decl.image, decl.style,
                      decl.pressed, decl.enabled,        decl.visible,        {}};
    for (const char* item : decl.menu) button.menu.push_back({shown(item)});
    m_buttons.push_back(std::move(button));
    changed(Prop::Buttons);
}

ToolButton& Toolbar::at(int index)
{
    if (index < 1 || index > count()) throw std::out_of_range("toolbar button " + std::to_string(index));
    return m_buttons[static_cast<std::size_t>(index - 1)];
}

const ToolButton& Toolbar::button(int index) const
{
    return const_cast<Toolbar*>(this)->at(index);
}

void Toolbar::setPressed(int index, bool pressed)
{
    ToolButton& b = at(index);
    if (b.pressed == pressed) return;
    b.pressed = pressed;
    changed(Prop::Buttons, index);
}

void Toolbar::setButtonEnabled(int index, bool enabled)
{
    ToolButton& b = at(index);
    if (b.enabled == enabled) return;
    b.enabled = enabled;
    changed(Prop::Buttons, index);
}

void Toolbar::setImage(int index, int image)
{
    ToolButton& b = at(index);
    if (b.image == image) return;
    b.image = image;
    changed(Prop::Buttons, index);
}

void Toolbar::setMenuItemEnabled(int index, int item, bool enabled)
{
    ToolButton& b = at(index);
    if (item < 1 || item > static_cast<int>(b.menu.size())) throw std::out_of_range("toolbar menu item");
    ToolMenuItem& m = b.menu[static_cast<std::size_t>(item - 1)];
    if (m.enabled == enabled) return;
    m.enabled = enabled;
    changed(Prop::Buttons, index);
}

void Toolbar::setMenuItemVisible(int index, int item, bool visible)
{
    ToolButton& b = at(index);
    if (item < 1 || item > static_cast<int>(b.menu.size())) throw std::out_of_range("toolbar menu item");
    ToolMenuItem& m = b.menu[static_cast<std::size_t>(item - 1)];
    if (m.visible == visible) return;
    m.visible = visible;
    changed(Prop::Buttons, index);
}

void Toolbar::userClickButton(int index)
{
    if (at(index).style == ToolStyle::Separator) return;
    EventArgs args;
    args.index = index;
    fire("ButtonClick", args);
}

void Toolbar::userChooseMenuItem(int index, int item)
{
    ToolButton& b = at(index);
    if (item < 1 || item > static_cast<int>(b.menu.size())) return;
    EventArgs args;
    args.index = index;
    args.item = item;
    fire("ButtonMenuClick", args);
}

void Toolbar::saveDesign()
{
    Control::saveDesign();
    m_design = m_buttons;
}

void Toolbar::restoreDesign()
{
    Control::restoreDesign();
    m_buttons = m_design;
}

}  // namespace tv
