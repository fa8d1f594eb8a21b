// The widget of each control kind, and how each model property shows on it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QStyle>
#include <algorithm>
#include <string>
#include <vector>

#include "desktop/chart_window.h"
#include "desktop/colors.h"
#include "desktop/form_window.h"
#include "desktop/grid_view.h"
#include "desktop/icons.h"
#include "desktop/masked_edit.h"
#include "desktop/paint_widgets.h"
#include "desktop/toolbar_widget.h"

namespace tvqt {

// The font size a control had before its caption was drawn smaller to fit (a widget property).
constexpr const char* kFitBase = "tvFitBase";

namespace {

Qt::Alignment horizontal(tv::Alignment a)
{
    switch (a) {
        case tv::Alignment::Left:
            return Qt::AlignLeft;
        case tv::Alignment::Right:
            return Qt::AlignRight;
        case tv::Alignment::Center:
            return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

// A caption shown without a mnemonic: "&x" shows "x", "&&" shows "&".
QString withoutMnemonic(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString lineBreaks(const std::string& text)
{
    return GridModel::cellText(text);
}

// A caption with a mnemonic: an "&" before anything but another "&".
bool hasMnemonic(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return true;
        ++i;
    }
    return false;
}

bool focusableKind(tv::Kind k)
{
    switch (k) {
        case tv::Kind::MaskedBox:
        case tv::Kind::ComboList:
        case tv::Kind::OptionButton:
        case tv::Kind::CheckBox:
        case tv::Kind::CommandButton:
        case tv::Kind::TextArea:
        case tv::Kind::Grid:
            return true;
        default:
            return false;
    }
}

// The root of a control's frames, in form coordinates (twips).
const tv::Control& outermost(const tv::Control& control)
{
    const tv::Control* c = &control;
    while (c->container()) c = c->container();
    return *c;
}

// Tab's reading order: the boxes and lists of the form's left half top to bottom, then its right half's,
// then the choices (option buttons, check boxes), then the command buttons, each group as declared (the
// forms declare controls top to bottom).
std::vector<tv::Control*> readingOrder(const tv::Form& form)
{
    std::vector<tv::Control*> order;
    for (tv::Control* c : form.controls())
        if (focusableKind(c->kind())) order.push_back(c);
    const int middle = form.clientWidth() / 2;
    auto rank = [middle](const tv::Control* c) {
        switch (c->kind()) {
            case tv::Kind::OptionButton:
            case tv::Kind::CheckBox:
                return 2;
            case tv::Kind::CommandButton:
                return 3;
            default:
                return outermost(*c).rect().left >= middle ? 1 : 0;
        }
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const tv::Control* a, const tv::Control* b) { return rank(a) < rank(b); });
    return order;
}

bool takesFocusNow(const FormWindow& window, const tv::Control& control)
{
    QWidget* w = window.widget(control);
    return control.canFocus() && w && w->isVisibleTo(const_cast<FormWindow*>(&window)) && w->isEnabled();
}

// The next control in reading order that can take the focus now, going round; null if none.
tv::Control* tabTarget(const FormWindow& window, const tv::Control& from, bool forward)
{
    const auto order = readingOrder(window.form());
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    const auto at = std::find(order.begin(), order.end(), &from) - order.begin();
    if (at == n) return nullptr;
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        tv::Control* c = order[static_cast<std::size_t>(((forward ? at + step : at - step) % n + n) % n)];
        if (takesFocusNow(window, *c)) return c;
    }
    return nullptr;
}

// The option button an arrow key chooses: the next or previous one of the same frame, going round.
tv::Control* optionTarget(const FormWindow& window, const tv::Control& from, bool forward)
{
    std::vector<tv::Control*> group;
    for (tv::Control* c : window.form().controls())
        if (c->kind() == tv::Kind::OptionButton && c->container() == from.container()) group.push_back(c);
    const auto n = static_cast<std::ptrdiff_t>(group.size());
    const auto at = std::find(group.begin(), group.end(), &from) - group.begin();
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        tv::Control* c = group[static_cast<std::size_t>(((forward ? at + step : at - step) % n + n) % n)];
        if (takesFocusNow(window, *c)) return c;
    }
    return nullptr;
}

// The help topic (an id of the help document) for a form's window.
std::string helpTopic(const tv::Form& form)
{
    static constexpr std::pair<const char*, const char*> kTopics[] = {
        {"Mervane", "loans"}, {"LoanSheet", "table"}, {"IniFile", "settings"}, {"ColorFm", "settings"}};
    // The main screen's investment view has its own topic.
    if (const tv::Control* invest = form.find("frm_invSolve"); invest && invest->visible()) return "investments";
    for (const auto& [name, topic] : kTopics)
        if (form.name() == name) return topic;
    return "start";
}

bool isCancelButton(const tv::Control* c)
{
    return c->kind() == tv::Kind::CommandButton && static_cast<const tv::CommandButton*>(c)->isCancel();
}

// F1 asks for the program's help file at a topic: "Mervane.hlp#loans", shown at the topic's id.
constexpr const char* kHelpFile = "Mervane.hlp";
constexpr int kHelpContext = 1;

// The keys the window handles for a control before the control does; true when handled.
bool controlKeyPressed(FormWindow& window, tv::Control& control, const QKeyEvent& key)
{
    tv::Form& form = window.form();
    const auto mods = key.modifiers() & ~Qt::KeypadModifier;
    if ((key.key() == Qt::Key_Tab && mods == Qt::NoModifier) || key.key() == Qt::Key_Backtab) {
        if (tv::Control* next = tabTarget(window, control, key.key() == Qt::Key_Tab))
            window.widget(*next)->setFocus(key.key() == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    if (mods != Qt::NoModifier) return false;
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right: {
            if (control.kind() != tv::Kind::OptionButton) return false;
            // An arrow chooses the next option, as a click on it would.
            tv::Control* next = optionTarget(window, control, key.key() == Qt::Key_Down || key.key() == Qt::Key_Right);
            if (!next) return true;
            auto* button = static_cast<QAbstractButton*>(window.widget(*next));
            button->setFocus(Qt::TabFocusReason);
            button->click();
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // On a cell of a grid Enter is a double-click (the table screen shows that payment's schedule).
            if (control.kind() != tv::Kind::Grid || !control.usableByUser()) return false;
            auto& grid = static_cast<tv::Grid&>(control);
            return grid.userDoubleClickCell(grid.row(), grid.col());
        }
        case Qt::Key_Escape: {
            // A window of its own (not a dialog, not the main screen) closes on Escape unless a Cancel button
            // is there to press (keyPressEvent presses it).
            const auto& controls = form.controls();
            if (form.modal() || &form == form.app().forms().front() ||
                std::any_of(controls.begin(), controls.end(), isCancelButton))
                return false;
            form.userClose();
            return true;
        }
        case Qt::Key_F1:
            form.app().platform().showHelp(std::string(kHelpFile) + "#" + helpTopic(form), kHelpContext);
            return true;
        default:
            return false;
    }
}

}  // namespace

QWidget* FormWindow::createWidget(tv::Control& control, QWidget* parent)
{
    switch (control.kind()) {
        case tv::Kind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->installEventFilter(this);
            return label;
        }
        case tv::Kind::MaskedBox: {
            // The edit takes its focus itself; the filter sees its keys.
            auto* edit = new MaskedEdit(static_cast<tv::MaskedBox&>(control), *this, parent);
            edit->installEventFilter(this);
            return edit;
        }
        case tv::Kind::ComboList: {
            auto* combo = new QComboBox(parent);
            auto& list = static_cast<tv::ComboList&>(control);
            combo->setEditable(list.editable());
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setMaxVisibleItems(16);
            connect(combo, &QComboBox::activated, this, [this, &list, &control, combo](int index) {
                if (applying()) return;
                if (list.usableByUser()) list.userPick(index);
                Applying guard(*this);
                applyValue(control, combo);
            });
            if (list.editable()) {
                // A typed rate is handed to the model when the user leaves the box or presses Enter; the box
                // then shows what the model kept (the typed value, or what it held when the text was refused).
                connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, &list, &control, combo] {
                    if (applying()) return;
                    const std::string typed = combo->currentText().toStdString();
                    // Guarded: a refusal's message box takes the focus, which must not hand the text over again.
                    Applying guard(*this);
                    if (list.usableByUser() && typed != list.text()) list.userType(typed);
                    applyValue(control, combo);
                });
            }
            combo->installEventFilter(this);
            return combo;
        }
        case tv::Kind::OptionButton: {
            auto* radio = new QRadioButton(parent);
            // The model keeps option buttons exclusive within their frame.
            radio->setAutoExclusive(false);
            connect(radio, &QAbstractButton::clicked, this, [this, &control] { userClicked(control); });
            radio->installEventFilter(this);
            return radio;
        }
        case tv::Kind::CheckBox: {
            auto* check = new QCheckBox(parent);
            connect(check, &QAbstractButton::clicked, this, [this, &control] { userClicked(control); });
            check->installEventFilter(this);
            return check;
        }
        case tv::Kind::Frame: {
            auto* frame = new FrameWidget(parent);
            frame->installEventFilter(this);
            return frame;
        }
        case tv::Kind::CommandButton: {
            auto* button = new QPushButton(parent);
            connect(button, &QAbstractButton::clicked, this, [this, &control] { userClicked(control); });
            button->installEventFilter(this);
            return button;
        }
        case tv::Kind::Line:
            return new LineWidget(parent);
        case tv::Kind::Picture: {
            auto* picture = new PictureWidget(parent);
            picture->installEventFilter(this);
            return picture;
        }
        case tv::Kind::TextArea: {
            auto* edit = new QPlainTextEdit(parent);
            auto& area = static_cast<tv::TextArea&>(control);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, &area, edit] {
                if (applying() || area.readOnly()) return;
                area.setText(tv::finishedText(edit->toPlainText().toStdString()));
            });
            edit->installEventFilter(this);
            return edit;
        }
        case tv::Kind::Grid: {
            auto* grid = new GridView(static_cast<tv::Grid&>(control), *this, parent);
            grid->installEventFilter(this);
            return grid;
        }
        case tv::Kind::Toolbar:
            return new ToolbarWidget(static_cast<tv::Toolbar&>(control), *this, parent);
        case tv::Kind::ChartView:
            return new ChartViewWidget(parent);
    }
    return new QWidget(parent);
}

void FormWindow::userClicked(tv::Control& control)
{
    if (applying()) return;
    if (control.usableByUser()) control.userClick();
    // Qt has toggled the button itself; show what the model holds.
    if (QWidget* w = widget(control)) {
        Applying guard(*this);
        applyValue(control, w);
    }
}

void FormWindow::applyAll(tv::Control& control)
{
    QWidget* w = widget(control);
    if (!w) return;
    Applying guard(*this);
    applyCaption(control, w);
    applyItems(control, w);
    applyValue(control, w);
    applyColors(control, w);
    w->setFont(qtFont(control.font(), QApplication::font()));
    w->setToolTip(QString::fromStdString(control.toolTip()));
    w->setEnabled(control.enabled());
    applyGeometry(control, w);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        auto& l = static_cast<tv::Label&>(control);
        label->setWordWrap(l.wordWrap());
        label->setFrameStyle(l.border() ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
        label->setAlignment(horizontal(control.alignment()) | Qt::AlignTop);
    } else if (auto* edit = qobject_cast<MaskedEdit*>(w)) {
        edit->setReadOnly(edit->box().locked());
        edit->setAlignment(horizontal(control.alignment()) | Qt::AlignVCenter);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(w)) {
        area->setReadOnly(static_cast<tv::TextArea&>(control).readOnly());
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setDefault(static_cast<tv::CommandButton&>(control).isDefault());
    } else if (auto* grid = dynamic_cast<GridView*>(w)) {
        grid->flush();
    }
    // The caption fitted once its font and size are the control's own.
    w->setProperty(kFitBase, QVariant());
    fitCaption(control, w);
    w->setVisible(control.visible());
}

void FormWindow::apply(tv::Control& control, tv::Prop prop, int row, int col)
{
    QWidget* w = widget(control);
    Applying guard(*this);
    // A label's caption, place or visibility may name the box beside it.
    if (prop == tv::Prop::Caption || prop == tv::Prop::Visible || prop == tv::Prop::Geometry ||
        prop == tv::Prop::ToolTip)
        scheduleAccessibleNames();
    switch (prop) {
        case tv::Prop::Caption:
            applyCaption(control, w);
            break;
        case tv::Prop::Text:
        case tv::Prop::Format:
        case tv::Prop::Value:
        case tv::Prop::ListIndex:
            applyValue(control, w);
            break;
        case tv::Prop::Selection:
            if (auto* edit = qobject_cast<MaskedEdit*>(w)) edit->syncSelection();
            break;
        case tv::Prop::Items:
            applyItems(control, w);
            applyValue(control, w);
            break;
        case tv::Prop::Visible:
            w->setVisible(control.visible());
            break;
        case tv::Prop::Enabled:
            w->setEnabled(control.enabled());
            break;
        case tv::Prop::BackColor:
        case tv::Prop::ForeColor:
            applyColors(control, w);
            break;
        case tv::Prop::Geometry:
            applyGeometry(control, w);
            fitCaption(control, w);
            break;
        case tv::Prop::ToolTip:
            w->setToolTip(QString::fromStdString(control.toolTip()));
            break;
        case tv::Prop::Font:
            w->setFont(qtFont(control.font(), QApplication::font()));
            w->setProperty(kFitBase, QVariant());
            fitCaption(control, w);
            break;
        case tv::Prop::Alignment:
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setAlignment(horizontal(control.alignment()) | Qt::AlignTop);
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                edit->setAlignment(horizontal(control.alignment()) | Qt::AlignVCenter);
            break;
        case tv::Prop::Buttons:
            if (auto* bar = dynamic_cast<ToolbarWidget*>(w)) {
                if (row < 0)
                    bar->rebuild();
                else
                    bar->sync(row);
            }
            break;
        case tv::Prop::GridShape:
        case tv::Prop::GridCell:
        case tv::Prop::GridCurrent:
        case tv::Prop::GridScroll:
        case tv::Prop::GridAlignment:
            if (auto* grid = dynamic_cast<GridView*>(w)) grid->changed(prop, row, col);
            break;
        case tv::Prop::Checked:
            break;
    }
}

void FormWindow::applyGeometry(tv::Control& control, QWidget* w)
{
    if (auto* line = dynamic_cast<LineWidget*>(w)) {
        const tv::Rect& r = control.rect();
        QPoint from(m_scale.px(r.left), m_scale.px(r.top));
        QPoint to(m_scale.px(r.left + r.width), m_scale.px(r.top + r.height));
        line->setLine(from, to, std::max(1, m_scale.px(15)));
        return;
    }
    w->setGeometry(m_scale.rect(control.rect()));
}

void FormWindow::applyCaption(tv::Control& control, QWidget* w)
{
    QString caption = QString::fromStdString(control.caption());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // A label's mnemonic moves the focus to the next control in tab order: with a buddy Qt draws the
        // underline and sends the shortcut here, where the next control that can take the focus now is found.
        tv::Control* next = hasMnemonic(caption) ? nextFocusableAfter(control, false) : nullptr;
        QWidget* buddy = next ? widget(*next) : nullptr;
        label->setBuddy(buddy);
        label->setText(buddy ? lineBreaks(control.caption()) : withoutMnemonic(lineBreaks(control.caption())));
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(caption);
    }
    fitCaption(control, w);
}

void FormWindow::fitCaption(tv::Control& control, QWidget* w)
{
    // The forms are laid out for their English captions: only a translated one can need more room.
    if (!m_form.app().translator() || !w || control.caption().empty()) return;
    auto* label = qobject_cast<QLabel*>(w);
    if (label && label->wordWrap()) return;
    const QVariant base = w->property(kFitBase);
    QFont font = w->font();
    if (base.isValid()) font.setPointSizeF(base.toDouble());
    // The room the text has: the control less its indicator or frame.
    int room = w->width();
    if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
        room -= w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) + 8;
    else if (qobject_cast<QPushButton*>(w) || qobject_cast<QGroupBox*>(w))
        room -= 16;
    const QString text = withoutMnemonic(lineBreaks(control.caption()));
    int needed = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        needed = std::max(needed, QFontMetrics(font).horizontalAdvance(line.trimmed()));
    if (room <= 0 || needed <= room) {
        if (base.isValid()) w->setFont(font);
        return;
    }
    // A caption that does not fit is drawn smaller, never cut off: down to three quarters of its size.
    if (!base.isValid()) w->setProperty(kFitBase, font.pointSizeF());
    font.setPointSizeF(std::max(font.pointSizeF() * 0.75, font.pointSizeF() * room / needed));
    w->setFont(font);
}

void FormWindow::applyItems(tv::Control& control, QWidget* w)
{
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!combo) return;
    auto& list = static_cast<tv::ComboList&>(control);
    QStringList items;
    items.reserve(list.count());
    for (const std::string& s : list.items()) items << QString::fromStdString(s);
    combo->clear();
    combo->addItems(items);
}

void FormWindow::applyValue(tv::Control& control, QWidget* w)
{
    switch (control.kind()) {
        case tv::Kind::MaskedBox:
            static_cast<MaskedEdit*>(w)->syncText();
            break;
        case tv::Kind::ComboList: {
            auto* combo = static_cast<QComboBox*>(w);
            auto& list = static_cast<tv::ComboList&>(control);
            if (combo->count() != list.count()) applyItems(control, w);
            combo->setCurrentIndex(list.listIndex());
            if (combo->isEditable()) combo->setEditText(QString::fromStdString(list.text()));
            break;
        }
        case tv::Kind::OptionButton:
            static_cast<QRadioButton*>(w)->setChecked(static_cast<tv::OptionButton&>(control).value());
            break;
        case tv::Kind::CheckBox: {
            int v = static_cast<tv::CheckBox&>(control).value();
            static_cast<QCheckBox*>(w)->setCheckState(v == 1   ? Qt::Checked
                                                      : v == 2 ? Qt::PartiallyChecked
                                                               : Qt::Unchecked);
            break;
        }
        case tv::Kind::TextArea: {
            auto* edit = static_cast<QPlainTextEdit*>(w);
            QString text = lineBreaks(static_cast<tv::TextArea&>(control).text());
            if (edit->toPlainText() != text) edit->setPlainText(text);
            break;
        }
        case tv::Kind::ChartView:
            static_cast<ChartViewWidget*>(w)->sync(static_cast<tv::ChartView&>(control));
            break;
        case tv::Kind::Picture:
            static_cast<PictureWidget*>(w)->setIcon(
                pictureIcon(QString::fromStdString(static_cast<tv::Picture&>(control).image())));
            break;
        default:
            break;
    }
}

void FormWindow::applyColors(const tv::Control& control, QWidget* w)
{
    const QPalette desktop = QApplication::palette();
    QColor back = toQColor(control.backColor(), desktop);
    QColor fore = control.kind() == tv::Kind::Line ? toQColor(control.foreColor(), desktop)
                                                   : readableTextColor(control.foreColor(), back, desktop);
    QPalette pal = w->palette();
    auto setFore = [&](QPalette::ColorRole role) {
        // The disabled group keeps the desktop's grey, so a disabled control still looks disabled.
        pal.setColor(QPalette::Active, role, fore);
        pal.setColor(QPalette::Inactive, role, fore);
    };
    bool fill = false;
    switch (control.kind()) {
        case tv::Kind::Label:
        case tv::Kind::OptionButton:
        case tv::Kind::CheckBox:
        case tv::Kind::Frame:
        case tv::Kind::Picture:
            // Check boxes and option buttons fill with the Button role and label with either role.
            pal.setColor(QPalette::Window, back);
            pal.setColor(QPalette::Button, back);
            setFore(QPalette::WindowText);
            setFore(QPalette::ButtonText);
            fill = true;
            break;
        case tv::Kind::MaskedBox:
        case tv::Kind::TextArea:
        case tv::Kind::Grid:
            pal.setColor(QPalette::Base, back);
            setFore(QPalette::Text);
            break;
        case tv::Kind::ComboList:
            pal.setColor(QPalette::Base, back);
            setFore(QPalette::Text);
            // A closed list is drawn as a button: an explicit colour paints it (with text that reads on it), a
            // system colour keeps the look.
            if (!tv::isSystemColor(control.backColor())) pal.setColor(QPalette::Button, back);
            if (!tv::isSystemColor(control.foreColor()) || !tv::isSystemColor(control.backColor()))
                setFore(QPalette::ButtonText);
            break;
        case tv::Kind::CommandButton:
            pal.setColor(QPalette::Button, back);
            setFore(QPalette::ButtonText);
            break;
        case tv::Kind::Toolbar:
            pal.setColor(QPalette::Window, back);
            pal.setColor(QPalette::Button, back);
            break;
        case tv::Kind::Line:
            static_cast<LineWidget*>(w)->setColor(fore);
            return;
        case tv::Kind::ChartView:
            // The chart is drawn in the control's colours.
            static_cast<ChartViewWidget*>(w)->sync(static_cast<const tv::ChartView&>(control));
            return;
    }
    if (!tv::isSystemColor(control.backColor())) {
        // Bevels, separators and etched frames shaded from the control's own colour, not from the desktop's
        // (whose shades may be meant for a dark background).
        const QPalette shades(back);
        for (auto role : {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow})
            pal.setColor(role, shades.color(role));
    }
    w->setPalette(pal);
    w->setAutoFillBackground(fill);
}

tv::Control* FormWindow::nextFocusableAfter(const tv::Control& control, bool usableNow) const
{
    const auto& controls = m_form.controls();
    auto it = std::find(controls.begin(), controls.end(), &control);
    if (it == controls.end()) return nullptr;
    for (auto next = it + 1; next != controls.end(); ++next)
        if (usableNow ? (*next)->canFocus() : focusableKind((*next)->kind())) return *next;
    return nullptr;
}

void FormWindow::frameMnemonic(tv::Control& frame)
{
    // Into the frame: its selected option button, as the one a user tabs into, or else its first control.
    tv::Control* first = nullptr;
    for (tv::Control* c : m_form.controls()) {
        if (c->container() != &frame || !c->canFocus()) continue;
        if (c->kind() == tv::Kind::OptionButton && static_cast<tv::OptionButton*>(c)->value()) {
            first = c;
            break;
        }
        if (!first) first = c;
    }
    if (QWidget* w = first ? widget(*first) : nullptr) w->setFocus(Qt::ShortcutFocusReason);
}

void FormWindow::labelMnemonic(tv::Control& label)
{
    tv::Control* next = nextFocusableAfter(label, true);
    if (!next) return;
    if (QWidget* w = widget(*next)) w->setFocus(Qt::ShortcutFocusReason);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto it = m_controlOf.find(watched);
    if (it == m_controlOf.end()) return QDialog::eventFilter(watched, event);
    tv::Control& control = *it->second;
    if (event->type() == QEvent::KeyPress) {
        if (!applying() && controlKeyPressed(*this, control, *static_cast<QKeyEvent*>(event))) return true;
        return QDialog::eventFilter(watched, event);
    }
    // A box handles its own focus and shortcuts (masked_edit.cpp).
    if (control.kind() == tv::Kind::MaskedBox) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn: {
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (!applying() && reason != Qt::PopupFocusReason) userFocus(control);
            break;
        }
        case QEvent::Shortcut:
            if (control.kind() == tv::Kind::Label) {
                labelMnemonic(control);
                return true;
            }
            if (control.kind() == tv::Kind::Frame && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
                frameMnemonic(control);
                return true;
            }
            // A button's own mnemonic clicks it at once (Qt's animated click would come a moment later); one
            // that several controls share moves the focus among them, as Qt does.
            if (auto* button = qobject_cast<QAbstractButton*>(watched);
                button && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
                if (button->isEnabled()) button->click();
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (control.kind() == tv::Kind::Label || control.kind() == tv::Kind::Picture) {
                auto* me = static_cast<QMouseEvent*>(event);
                auto* w = static_cast<QWidget*>(watched);
                if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint()) && !applying() &&
                    control.usableByUser())
                    control.userClick();
            }
            break;
        case QEvent::ShortcutOverride: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (control.kind() == tv::Kind::TextArea && isClipboardKey(*key)) break;
            if (isMenuShortcut(*key)) {
                event->ignore();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tvqt
