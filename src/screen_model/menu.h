#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/user_text.h"
#include "screen_model/types.h"

namespace tv {

class Form;

// A menu item: a top-level menu, a command, or a separator (caption "-"). Items of a menu array share
// a name and differ by index.
class MenuItem {
public:
    MenuItem(Form& form, std::string name, int index, const char* caption, std::string shortcut);

    Form& form() const { return m_form; }
    const std::string& name() const { return m_name; }
    int index() const { return m_index; }
    // "name" or "name(index)" for a member of a menu array.
    std::string fullName() const;
    const std::string& caption() const { return m_caption; }
    void setCaption(const UserText& caption);
    // "Ctrl+Y" and the like; empty for none.
    const std::string& shortcut() const { return m_shortcut; }
    bool isSeparator() const { return m_caption == "-"; }
    bool checked() const { return m_checked; }
    void setChecked(bool checked);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    MenuItem* parent() const { return m_parent; }
    const std::vector<std::unique_ptr<MenuItem>>& children() const { return m_children; }
    MenuItem& addChild(std::unique_ptr<MenuItem> child);

    // Usable by a user: visible and enabled, and so is every menu above it.
    bool usableByUser() const;
    // A user's choice of this item: its Click handler runs.
    void userChoose();

    void saveDesign();
    void restoreDesign();

private:
    void changed(Prop prop);

    Form& m_form;
    std::string m_name;
    int m_index;
    std::string m_caption;
    std::string m_shortcut;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    MenuItem* m_parent = nullptr;
    std::vector<std::unique_ptr<MenuItem>> m_children;
    struct Design {
        std::string caption;
        bool checked;
        bool enabled;
        bool visible;
    } m_design{};
};

}  // namespace tv
