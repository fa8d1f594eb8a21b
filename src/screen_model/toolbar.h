#pragma once

#include <string>
#include <vector>

#include "screen_model/control.h"

namespace tv {

enum class ToolStyle { Default, Check, Separator, DropDown };

struct ToolMenuItem {
    std::string text;
    bool enabled = true;
    bool visible = true;
};

struct ToolButton {
    std::string key;      // the first name, by which the click handler tells buttons apart
    std::string caption;  // the second name
    std::string toolTip;
    int image = 0;  // image number in the toolbar's image list; 0 for none
    ToolStyle style = ToolStyle::Default;
    bool pressed = false;
    bool enabled = true;
    bool visible = true;
    std::vector<ToolMenuItem> menu;
};

// A button as a form declares it: its texts in English.
struct ToolButtonDecl {
    const char* key = "";
    const char* caption = "";
    const char* toolTip = "";
    int image = 0;
    ToolStyle style = ToolStyle::Default;
    bool pressed = false;
    bool enabled = true;
    bool visible = true;
    std::vector<const char*> menu;
};

// A toolbar along the top of its form. Buttons are numbered from 1.
class Toolbar : public Control {
public:
    Toolbar(Form& form, std::string name, Control* container);

    int count() const { return static_cast<int>(m_buttons.size()); }
    // Adds a button as the form declares it (its caption, tool-tip and menu translated among the form's texts).
    void addButton(const ToolButtonDecl& button);
    const ToolButton& button(int index) const;
    void setPressed(int index, bool pressed);
    void setButtonEnabled(int index, bool enabled);
    void setImage(int index, int image);
    void setMenuItemEnabled(int index, int item, bool enabled);
    void setMenuItemVisible(int index, int item, bool visible);

    // A user's click on button `index` (ButtonClick); separators do nothing.
    void userClickButton(int index);
    // A user's choice of drop-down item `item` (1-based) of button `index` (ButtonMenuClick).
    void userChooseMenuItem(int index, int item);

    void saveDesign() override;
    void restoreDesign() override;

private:
    ToolButton& at(int index);
    std::vector<ToolButton> m_buttons;
    std::vector<ToolButton> m_design;
};

}  // namespace tv
