#include "screen_model/menu.h"

#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tv {

MenuItem::MenuItem(Form& form, std::string name, int index, const char* caption, std::string shortcut)
    : m_form(form),
      m_name(std::move(name)),
      m_index(index),
      m_caption(form.app().text(declaredText(form.name(), caption))),
      m_shortcut(std::move(shortcut))
{
}

std::string MenuItem::fullName() const
{
    if (m_index < 0) return m_name;
    return m_name + "(" + std::to_string(m_index) + ")";
}

void MenuItem::changed(Prop prop)
{
    m_form.notifyMenu(*this, prop);
}

void MenuItem::setCaption(const UserText& text)
{
    const std::string caption = m_form.app().text(text);
    if (m_caption == caption) return;
    m_caption = caption;
    changed(Prop::Caption);
}

void MenuItem::setChecked(bool checked)
{
    if (m_checked == checked) return;
    m_checked = checked;
    changed(Prop::Checked);
}

void MenuItem::setEnabled(bool enabled)
{
    if (m_enabled == enabled) return;
    m_enabled = enabled;
    changed(Prop::Enabled);
}

void MenuItem::setVisible(bool visible)
{
    if (m_visible == visible) return;
    m_visible = visible;
    changed(Prop::Visible);
}

MenuItem& MenuItem::addChild(std::unique_ptr<MenuItem> child)
{
    child->m_parent = this;
    m_children.push_back(std::move(child));
    return *m_children.back();
}

bool MenuItem::usableByUser() const
{
    if (!m_form.loaded() || !m_form.visible() || isSeparator()) return false;
    for (const MenuItem* m = this; m; m = m->parent())
        if (!m->visible() || !m->enabled()) return false;
    return true;
}

void MenuItem::userChoose()
{
    EventArgs args;
    args.index = m_index;
    m_form.fire(m_name, "Click", args);
}

void MenuItem::saveDesign()
{
    m_design = {m_caption, m_checked, m_enabled, m_visible};
    for (auto& c : m_children) c->saveDesign();
}

void MenuItem::restoreDesign()
{
    m_caption = m_design.caption;
    m_checked = m_design.checked;
    m_enabled = m_design.enabled;
    m_visible = m_design.visible;
    for (auto& c : m_children) c->restoreDesign();
}

}  // namespace tv
