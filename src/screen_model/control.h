#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_text.h"
#include "screen_model/chart.h"
#include "screen_model/types.h"

namespace tv {

class Form;

// Characters a user may type into a box: every text the program reads from a box fits in 32.
inline constexpr int kMaxBoxTextLength = 32;

// Whether the model fires `event` for a control of `kind`: every control fires Click, GotFocus and LostFocus;
// boxes and text areas Change, the grid DblClick, the toolbar ButtonClick and ButtonMenuClick.
bool firesEvent(Kind kind, std::string_view event);

// The properties every control has. Kept as one value so a form can restore its design state when it
// is unloaded and loaded again.
struct ControlProps {
    std::string caption;
    std::string toolTip;
    bool visible = true;
    bool enabled = true;
    Color backColor = syscolor::kButtonFace;
    Color foreColor = syscolor::kButtonText;
    Rect rect;
    Font font;
    Alignment alignment = Alignment::Left;
};

class Control {
public:
    Control(Form& form, Kind kind, std::string name, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    Form& form() const { return m_form; }
    // The frame (or picture) this control sits in; null when it sits on the form itself.
    Control* container() const { return m_container; }

    const std::string& caption() const { return m_props.caption; }
    void setCaption(const UserText& caption);
    const std::string& toolTip() const { return m_props.toolTip; }
    void setToolTip(const UserText& tip);
    bool visible() const { return m_props.visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_props.enabled; }
    void setEnabled(bool enabled);
    Color backColor() const { return m_props.backColor; }
    void setBackColor(Color color);
    Color foreColor() const { return m_props.foreColor; }
    void setForeColor(Color color);
    const Rect& rect() const { return m_props.rect; }
    void setRect(const Rect& rect);
    void move(int left, int top);
    int left() const { return m_props.rect.left; }
    int top() const { return m_props.rect.top; }
    int width() const { return m_props.rect.width; }
    int height() const { return m_props.rect.height; }
    const Font& font() const { return m_props.font; }
    void setFont(const Font& font);
    Alignment alignment() const { return m_props.alignment; }
    void setAlignment(Alignment alignment);

    // Visible and enabled including every container and the form: what a user can see and use.
    bool shownToUser() const;
    bool usableByUser() const;
    bool canFocus() const;

    bool hasFocus() const;
    // Moves the focus here (LostFocus of the old control, then GotFocus of this one).
    void setFocus();

    // Runs this control's handler for the event (name + "_" + event), if the form has one.
    bool fire(const char* event);
    bool fire(const char* event, EventArgs& args);

    // A user's click: command buttons, labels, check boxes and option buttons each do what a click does.
    virtual void userClick();

    // Design state: taken once the form is declared, restored when the form is unloaded.
    virtual void saveDesign() { m_designProps = m_props; }
    virtual void restoreDesign() { m_props = m_designProps; }

protected:
    void changed(Prop prop, int row = -1, int col = -1);

    ControlProps m_props;

private:
    Form& m_form;
    Kind m_kind;
    std::string m_name;
    Control* m_container;
    ControlProps m_designProps;
};

class Label : public Control {
public:
    Label(Form& form, std::string name, Control* container);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap) { m_wordWrap = wrap; }
    bool border() const { return m_border; }
    void setBorder(bool border) { m_border = border; }

private:
    bool m_wordWrap = true;
    bool m_border = false;
};

// An input or result box with a text and a display format; it shows the text through the format while
// it does not have the focus.
class MaskedBox : public Control {
public:
    MaskedBox(Form& form, std::string name, Control* container);

    const std::string& text() const { return m_data.text; }
    // Sets the text; Change fires when the text differs.
    void setText(const std::string& text);
    // A user's typing: the whole text becomes `text` and Change fires once. A text longer than
    // kMaxTypedLength characters is refused with a message in the form's style (Form::refuseInput) that
    // names the limit; the box keeps its text and nothing fires.
    void userType(const std::string& text);
    static constexpr int kMaxTypedLength = kMaxBoxTextLength;
    // "Input too long - a box holds at most 32 characters"
    static UserText tooLongMessage();
    const std::string& format() const { return m_data.format; }
    void setFormat(const std::string& format);
    // What the box shows while unfocused.
    std::string display() const;
    int selStart() const { return m_data.selStart; }
    int selLength() const { return m_data.selLength; }
    void setSelection(int start, int length);
    bool locked() const { return m_data.locked; }
    void setLocked(bool locked) { m_data.locked = locked; }
    // Puts a text back without firing Change (undoing a handler that failed).
    void restoreText(const std::string& text);

    void saveDesign() override;
    void restoreDesign() override;

private:
    struct Data {
        std::string text;
        std::string format;
        int selStart = 0;
        int selLength = 0;
        bool locked = false;
    };
    Data m_data;
    Data m_design;
};

// A drop-down list the user can only choose from. Choosing an entry, by the user or by code, raises Click.
class ComboList : public Control {
public:
    ComboList(Form& form, std::string name, Control* container);

    const std::vector<std::string>& items() const { return m_data.items; }
    int count() const { return static_cast<int>(m_data.items.size()); }
    void clear();
    void addItem(const UserText& item);
    void setItems(const std::vector<UserText>& items);
    // -1: no entry chosen.
    int listIndex() const { return m_data.listIndex; }
    // Chooses an entry (out-of-range indexes choose nothing); Click fires for a real entry.
    void setListIndex(int index);
    // The text of the chosen entry, or empty.
    std::string text() const;
    void userPick(int index);
    // Puts a chosen entry back without firing Click (undoing a handler that failed).
    void restoreListIndex(int index);

    // An editable list also holds a typed value that is none of its entries: its text as the user typed it,
    // the value it stands for, and the entry just below it as the chosen entry.
    struct Typed {
        std::string text;
        double value = 0;
        bool operator==(const Typed&) const = default;
    };
    bool editable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }
    const std::optional<Typed>& typed() const { return m_data.typed; }
    // Keeps a typed value with the entry below it chosen; Click fires as for a chosen entry.
    void setTyped(Typed typed, int indexBelow);
    // Puts an entry or a typed value back without firing Click.
    void restoreChoice(int index, const std::optional<Typed>& typed);
    // The user typed `text` into an editable list and left it: Change fires with pendingText() holding it, and
    // the form's handler takes it (setTyped, setListIndex) or refuses it.
    void userType(const std::string& text);
    const std::string& pendingText() const { return m_pending; }

    void saveDesign() override;
    void restoreDesign() override;

private:
    struct Data {
        std::vector<std::string> items;
        int listIndex = -1;
        std::optional<Typed> typed;
    };
    bool m_editable = false;
    std::string m_pending;
    Data m_data;
    Data m_design;
};

// Option buttons sharing a container are exclusive.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, Control* container);
    bool value() const { return m_value; }
    // Selecting by code clears the others of the group and fires Click when the value changes.
    void setValue(bool value);
    // A user's click selects the button and fires Click, even when it was selected already.
    void userClick() override;

    void saveDesign() override { Control::saveDesign(), m_designValue = m_value; }
    void restoreDesign() override { Control::restoreDesign(), m_value = m_designValue; }

private:
    void select();
    bool m_value = false;
    bool m_designValue = false;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, Control* container);
    // 0 unticked, 1 ticked, 2 greyed.
    int value() const { return m_value; }
    // Setting a new value raises Click.
    void setValue(int value);
    void userClick() override;

    void saveDesign() override { Control::saveDesign(), m_designValue = m_value; }
    void restoreDesign() override { Control::restoreDesign(), m_value = m_designValue; }

private:
    int m_value = 0;
    int m_designValue = 0;
};

class Frame : public Control {
public:
    Frame(Form& form, std::string name, Control* container);
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, Control* container);
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault) { m_default = isDefault; }
    bool isCancel() const { return m_cancel; }
    void setCancel(bool isCancel) { m_cancel = isCancel; }

private:
    bool m_default = false;
    bool m_cancel = false;
};

// A straight line from (left, top) to (left + width, top + height); its colour is the fore colour.
class Line : public Control {
public:
    Line(Form& form, std::string name, Control* container);
};

// A picture: an image by name (drawn by the renderer), or a container.
class Picture : public Control {
public:
    Picture(Form& form, std::string name, Control* container);
    const std::string& image() const { return m_image; }
    void setImage(const std::string& image);

private:
    std::string m_image;
};

class TextArea : public Control {
public:
    TextArea(Form& form, std::string name, Control* container);
    const std::string& text() const { return m_text; }
    void setText(const UserText& text);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    void saveDesign() override { Control::saveDesign(), m_designText = m_text; }
    void restoreDesign() override { Control::restoreDesign(), m_text = m_designText; }

private:
    std::string m_text;
    std::string m_designText;
    bool m_readOnly = true;
};

// A chart drawn on the form itself, in the control's back and fore colours (Chart's own series colours as
// chart.h says). The form replaces the whole chart at once; nothing here is typed or clicked.
class ChartView : public Control {
public:
    ChartView(Form& form, std::string name, Control* container);
    const Chart& chart() const { return m_chart; }
    void setChart(const MarkedChart& chart);

    void saveDesign() override { Control::saveDesign(), m_designChart = m_chart; }
    void restoreDesign() override { Control::restoreDesign(), m_chart = m_designChart; }

private:
    Chart m_chart;
    Chart m_designChart;
};

}  // namespace tv
