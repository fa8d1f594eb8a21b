#include "screen_model/control.h"

#include <algorithm>

#include "common/formats.h"
#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tv {

const char* kindName(Kind kind)
{
    switch (kind) {
        case Kind::Label:
            return "label";
        case Kind::MaskedBox:
            return "maskedbox";
        case Kind::ComboList:
            return "combo";
        case Kind::OptionButton:
            return "option";
        case Kind::CheckBox:
            return "checkbox";
        case Kind::Frame:
            return "frame";
        case Kind::CommandButton:
            return "button";
        case Kind::Line:
            return "line";
        case Kind::Picture:
            return "picture";
        case Kind::TextArea:
            return "textarea";
        case Kind::Grid:
            return "grid";
        case Kind::Toolbar:
            return "toolbar";
        case Kind::ChartView:
            return "chartview";
    }
    return "control";
}

Control::Control(Form& form, Kind kind, std::string name, Control* container)
    : m_form(form), m_kind(kind), m_name(std::move(name)), m_container(container)
{
}

void Control::changed(Prop prop, int row, int col)
{
    m_form.notifyControl(*this, prop, row, col);
}

void Control::setCaption(const UserText& text)
{
    const std::string caption = m_form.app().text(text);
    if (m_props.caption == caption) return;
    m_props.caption = caption;
    changed(Prop::Caption);
}

void Control::setToolTip(const UserText& text)
{
    const std::string tip = m_form.app().text(text);
    if (m_props.toolTip == tip) return;
    m_props.toolTip = tip;
    changed(Prop::ToolTip);
}

void Control::setVisible(bool visible)
{
    if (m_props.visible == visible) return;
    m_props.visible = visible;
    changed(Prop::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (m_props.enabled == enabled) return;
    m_props.enabled = enabled;
    changed(Prop::Enabled);
}

void Control::setBackColor(Color color)
{
    if (m_props.backColor == color) return;
    m_props.backColor = color;
    changed(Prop::BackColor);
}

void Control::setForeColor(Color color)
{
    if (m_props.foreColor == color) return;
    m_props.foreColor = color;
    changed(Prop::ForeColor);
}

void Control::setRect(const Rect& rect)
{
    if (m_props.rect == rect) return;
    m_props.rect = rect;
    changed(Prop::Geometry);
}

void Control::move(int left, int top)
{
    Rect r = m_props.rect;
    r.left = left;
    r.top = top;
    setRect(r);
}

void Control::setFont(const Font& font)
{
    if (m_props.font == font) return;
    m_props.font = font;
    changed(Prop::Font);
}

void Control::setAlignment(Alignment alignment)
{
    if (m_props.alignment == alignment) return;
    m_props.alignment = alignment;
    changed(Prop::Alignment);
}

bool Control::shownToUser() const
{
    if (!m_form.loaded() || !m_form.visible()) return false;
    for (const Control* c = this; c; c = c->container())
        if (!c->visible()) return false;
    return true;
}

bool Control::usableByUser() const
{
    if (!shownToUser()) return false;
    for (const Control* c = this; c; c = c->container())
        if (!c->enabled()) return false;
    return true;
}

bool Control::canFocus() const
{
    switch (m_kind) {
        case Kind::MaskedBox:
        case Kind::ComboList:
        case Kind::OptionButton:
        case Kind::CheckBox:
        case Kind::CommandButton:
        case Kind::TextArea:
        case Kind::Grid:
            return usableByUser();
        default:
            return false;
    }
}

bool firesEvent(Kind kind, std::string_view event)
{
    if (event == "Click" || event == "GotFocus" || event == "LostFocus") return true;
    switch (kind) {
        case Kind::MaskedBox:
        case Kind::TextArea:
        case Kind::ComboList:
            return event == "Change";
        case Kind::Grid:
            return event == "DblClick";
        case Kind::Toolbar:
            return event == "ButtonClick" || event == "ButtonMenuClick";
        default:
            return false;
    }
}

bool Control::hasFocus() const
{
    return m_form.app().focus() == this;
}

void Control::setFocus()
{
    m_form.app().setFocus(this);
}

bool Control::fire(const char* event)
{
    EventArgs args;
    return m_form.fire(m_name, event, args);
}

bool Control::fire(const char* event, EventArgs& args)
{
    return m_form.fire(m_name, event, args);
}

void Control::userClick()
{
    fire("Click");
}

Label::Label(Form& form, std::string name, Control* container) : Control(form, Kind::Label, std::move(name), container)
{
}

MaskedBox::MaskedBox(Form& form, std::string name, Control* container)
    : Control(form, Kind::MaskedBox, std::move(name), container)
{
    m_props.backColor = syscolor::kWindowBackground;
    m_props.foreColor = syscolor::kWindowText;
}

void MaskedBox::setText(const std::string& text)
{
    if (m_data.text == text) return;
    restoreText(text);
    fire("Change");
}

void MaskedBox::restoreText(const std::string& text)
{
    if (m_data.text == text) return;
    m_data.text = text;
    // A selection never reaches past the end of the text.
    int len = static_cast<int>(text.size());
    bool clamped = m_data.selStart > len || m_data.selStart + m_data.selLength > len;
    if (m_data.selStart > len) m_data.selStart = len;
    if (m_data.selStart + m_data.selLength > len) m_data.selLength = len - m_data.selStart;
    changed(Prop::Text);
    if (clamped) changed(Prop::Selection);
}

UserText MaskedBox::tooLongMessage()
{
    return composeText<"Input too long - a box holds at most %1 characters">(std::to_string(kMaxTypedLength));
}

namespace {

// Characters of a UTF-8 text: every byte but the continuation bytes of a multi-byte character.
int characterCount(const std::string& text)
{
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

void MaskedBox::userType(const std::string& text)
{
    if (characterCount(text) > kMaxTypedLength) {
        form().refuseInput(tooLongMessage());
        return;
    }
    if (m_data.text != text) {
        setText(text);
        return;
    }
    fire("Change");
}

void MaskedBox::setFormat(const std::string& format)
{
    if (m_data.format == format) return;
    m_data.format = format;
    changed(Prop::Format);
}

std::string MaskedBox::display() const
{
    return displayText(m_data.text, m_data.format);
}

void MaskedBox::setSelection(int start, int length)
{
    int len = static_cast<int>(m_data.text.size());
    start = std::max(0, std::min(start, len));
    length = std::max(0, std::min(length, len - start));
    m_data.selStart = start;
    m_data.selLength = length;
    changed(Prop::Selection);
}

void MaskedBox::saveDesign()
{
    Control::saveDesign();
    m_design = m_data;
}

void MaskedBox::restoreDesign()
{
    Control::restoreDesign();
    m_data = m_design;
}

ComboList::ComboList(Form& form, std::string name, Control* container)
    : Control(form, Kind::ComboList, std::move(name), container)
{
    m_props.backColor = syscolor::kWindowBackground;
    m_props.foreColor = syscolor::kWindowText;
}

void ComboList::clear()
{
    m_data.items.clear();
    m_data.listIndex = -1;
    m_data.typed.reset();
    changed(Prop::Items);
}

void ComboList::addItem(const UserText& item)
{
    m_data.items.push_back(form().app().text(item));
    changed(Prop::Items);
}

void ComboList::setItems(const std::vector<UserText>& items)
{
    m_data.items.clear();
    m_data.items.reserve(items.size());
    for (const UserText& item : items) m_data.items.push_back(form().app().text(item));
    m_data.listIndex = -1;
    m_data.typed.reset();
    changed(Prop::Items);
}

void ComboList::setListIndex(int index)
{
    restoreListIndex(index);
    if (m_data.listIndex >= 0) fire("Click");
}

void ComboList::restoreListIndex(int index)
{
    restoreChoice(index, std::nullopt);
}

void ComboList::restoreChoice(int index, const std::optional<Typed>& typed)
{
    if (index < 0 || index >= count()) index = -1;
    const bool typedChanged = m_data.typed != typed;
    m_data.typed = typed;
    if (index != m_data.listIndex) {
        m_data.listIndex = index;
        changed(Prop::ListIndex);
    } else if (typedChanged) {
        changed(Prop::Text);
    }
}

void ComboList::setTyped(Typed typed, int indexBelow)
{
    restoreChoice(indexBelow, std::move(typed));
    if (m_data.listIndex >= 0) fire("Click");
}

void ComboList::userType(const std::string& text)
{
    m_pending = text;
    fire("Change");
    m_pending.clear();
}

std::string ComboList::text() const
{
    if (m_data.typed) return m_data.typed->text;
    if (m_data.listIndex < 0 || m_data.listIndex >= count()) return {};
    return m_data.items[static_cast<std::size_t>(m_data.listIndex)];
}

void ComboList::userPick(int index)
{
    setListIndex(index);
}

void ComboList::saveDesign()
{
    Control::saveDesign();
    m_design = m_data;
}

void ComboList::restoreDesign()
{
    Control::restoreDesign();
    m_data = m_design;
}

OptionButton::OptionButton(Form& form, std::string name, Control* container)
    : Control(form, Kind::OptionButton, std::move(name), container)
{
}

void OptionButton::select()
{
    for (Control* c : form().controls()) {
        if (c != this && c->kind() == Kind::OptionButton && c->container() == container()) {
            auto* other = static_cast<OptionButton*>(c);
            if (other->m_value) {
                other->m_value = false;
                other->changed(Prop::Value);
            }
        }
    }
    if (!m_value) {
        m_value = true;
        changed(Prop::Value);
    }
}

void OptionButton::setValue(bool value)
{
    if (value == m_value) return;
    if (!value) {
        m_value = false;
        changed(Prop::Value);
        return;
    }
    select();
    fire("Click");
}

void OptionButton::userClick()
{
    select();
    fire("Click");
}

CheckBox::CheckBox(Form& form, std::string name, Control* container)
    : Control(form, Kind::CheckBox, std::move(name), container)
{
}

void CheckBox::setValue(int value)
{
    if (value == m_value) return;
    m_value = value;
    changed(Prop::Value);
    fire("Click");
}

void CheckBox::userClick()
{
    setValue(m_value == 1 ? 0 : 1);
}

Frame::Frame(Form& form, std::string name, Control* container) : Control(form, Kind::Frame, std::move(name), container)
{
}

CommandButton::CommandButton(Form& form, std::string name, Control* container)
    : Control(form, Kind::CommandButton, std::move(name), container)
{
}

Line::Line(Form& form, std::string name, Control* container) : Control(form, Kind::Line, std::move(name), container)
{
    m_props.foreColor = syscolor::kWindowText;
}

Picture::Picture(Form& form, std::string name, Control* container)
    : Control(form, Kind::Picture, std::move(name), container)
{
}

void Picture::setImage(const std::string& image)
{
    if (m_image == image) return;
    m_image = image;
    changed(Prop::Value);
}

TextArea::TextArea(Form& form, std::string name, Control* container)
    : Control(form, Kind::TextArea, std::move(name), container)
{
    m_props.backColor = syscolor::kWindowBackground;
    m_props.foreColor = syscolor::kWindowText;
}

ChartView::ChartView(Form& form, std::string name, Control* container)
    : Control(form, Kind::ChartView, std::move(name), container)
{
    m_props.backColor = syscolor::kWindowBackground;
    m_props.foreColor = syscolor::kWindowText;
}

void ChartView::setChart(const MarkedChart& chart)
{
    m_chart = form().app().shown(chart);
    changed(Prop::Value);
}

void TextArea::setText(const UserText& shown)
{
    const std::string text = form().app().text(shown);
    if (m_text == text) return;
    m_text = text;
    changed(Prop::Text);
    fire("Change");
}

}  // namespace tv
