#include "desktop/accessible_names.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "desktop/form_window.h"
#include "qt_locale/qt_locale.h"
#include "screen_model/chart.h"
#include "screen_model/control.h"
#include "screen_model/form.h"

namespace tvqt {

namespace {

// A heading may stand this far (twips) above the box it names.
constexpr int kHeadingReach = 600;

// Boxes whose label says only "Minimum" or "Maximum": the name says of what.
struct SpokenName {
    const char* form;
    const char* control;
    const char* name;
};
constexpr SpokenName kSpokenNames[] = {
    {"LoanSheet", "txtLenMin", "Minimum loan length (years)"},
    {"LoanSheet", "txtLenMax", "Maximum loan length (years)"},
    {"LoanSheet", "comIntrMin", "Minimum interest rate %"},
    {"LoanSheet", "comIntrMax", "Maximum interest rate %"},
};

const char* spokenNameOf(const tv::Control& control)
{
    for (const SpokenName& n : kSpokenNames)
        if (control.name() == n.control && control.form().name() == n.form) return n.name;
    return nullptr;
}

class FormWindowAccessible : public QAccessibleWidget {
public:
    explicit FormWindowAccessible(FormWindow* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QAccessible::Role role() const override
    {
        return static_cast<FormWindow*>(widget())->form().modal() ? QAccessible::Dialog : QAccessible::Window;
    }
};

class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(QComboBox* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// Qt calls a checkable button that is not auto-exclusive a check box; the model keeps the option buttons
// exclusive itself, so they are radio buttons all the same.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton* w) : QAccessibleWidget(w, QAccessible::RadioButton) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

// A toolbar button that stays pressed is checkable: Qt would call it a check box.
class ToolButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolButtonAccessible(QToolButton* w) : QAccessibleWidget(w, QAccessible::PushButton) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QToolButton* button() const { return static_cast<QToolButton*>(widget()); }
};

QAccessibleInterface* programInterface(const QString&, QObject* object)
{
    // A button with a drop-down keeps Qt's own interface, which offers its menu.
    // Qt's own buttons (the toolbar's overflow button, "qt_...") keep theirs too.
    if (auto* tool = qobject_cast<QToolButton*>(object); tool && !tool->menu() &&
                                                         !tool->objectName().startsWith(QLatin1String("qt_")) &&
                                                         qobject_cast<FormWindow*>(tool->window()))
        return new ToolButtonAccessible(tool);
    if (auto* option = qobject_cast<QRadioButton*>(object); option && qobject_cast<FormWindow*>(option->window()))
        return new OptionAccessible(option);
    if (auto* window = qobject_cast<FormWindow*>(object)) return new FormWindowAccessible(window);
    // Only the forms' lists: their parent chain reaches a form's window.
    if (auto* combo = qobject_cast<QComboBox*>(object); combo && qobject_cast<FormWindow*>(combo->window()))
        return new ListAccessible(combo);
    return nullptr;
}

int right(const tv::Rect& r)
{
    return r.left + r.width;
}
int bottom(const tv::Rect& r)
{
    return r.top + r.height;
}
int middleY(const tv::Rect& r)
{
    return r.top + r.height / 2;
}

bool isBox(tv::Kind k)
{
    return k == tv::Kind::MaskedBox || k == tv::Kind::ComboList || k == tv::Kind::TextArea || k == tv::Kind::Grid;
}

bool focusable(tv::Kind k)
{
    return isBox(k) || k == tv::Kind::OptionButton || k == tv::Kind::CheckBox || k == tv::Kind::CommandButton;
}

// The visible labels with something to say that sit in the same frame as `control`.
std::vector<const tv::Control*> labelsBeside(const tv::Control& control)
{
    std::vector<const tv::Control*> out;
    for (const tv::Control* c : control.form().controls())
        if (c->kind() == tv::Kind::Label && c->container() == control.container() && c->visible() &&
            !spokenCaption(c->caption()).isEmpty())
            out.push_back(c);
    return out;
}

// On the same row: the label's height covers the middle of the box.
bool sameRow(const tv::Control& label, const tv::Rect& box)
{
    return label.rect().top <= middleY(box) && middleY(box) <= bottom(label.rect());
}

// The label declared just before the box, with no control that takes the focus in between.
const tv::Control* buddyOf(const tv::Control& box)
{
    const auto& controls = box.form().controls();
    auto it = std::find(controls.begin(), controls.end(), &box);
    while (it != controls.begin()) {
        const tv::Control* c = *--it;
        if (focusable(c->kind())) return nullptr;
        if (c->kind() == tv::Kind::Label)
            return c->visible() && c->container() == box.container() && !spokenCaption(c->caption()).isEmpty()
                       ? c
                       : nullptr;
    }
    return nullptr;
}

// The nearest label to the left of `r` on its row.
const tv::Control* rowLabel(const std::vector<const tv::Control*>& labels, const tv::Rect& r)
{
    const tv::Control* best = nullptr;
    for (const tv::Control* l : labels)
        if (sameRow(*l, r) && l->rect().left < r.left && right(l->rect()) <= r.left + r.width / 2 &&
            (!best || right(l->rect()) > right(best->rect())))
            best = l;
    return best;
}

// The nearest label above the box, over some of its width.
const tv::Control* headingOf(const std::vector<const tv::Control*>& labels, const tv::Rect& r)
{
    const tv::Control* best = nullptr;
    for (const tv::Control* l : labels) {
        const tv::Rect& lr = l->rect();
        if (bottom(lr) > r.top + 15 || r.top - bottom(lr) > kHeadingReach) continue;
        if (lr.left >= right(r) || right(lr) <= r.left) continue;
        if (!best || bottom(lr) > bottom(best->rect())) best = l;
    }
    return best;
}

// A box between the row's label and the box: the box is in a later column of the row.
bool boxBetween(const tv::Control& box, const tv::Control& label)
{
    for (const tv::Control* c : box.form().controls())
        if (c != &box && isBox(c->kind()) && c->visible() && c->container() == box.container() &&
            c->rect().left >= right(label.rect()) - 15 && right(c->rect()) <= box.rect().left + 15 &&
            c->rect().top < bottom(box.rect()) && bottom(c->rect()) > box.rect().top)
            return true;
    return false;
}

// A heading that heads a column of a table stands alone on its row; headings side by side head groups.
bool standsAlone(const std::vector<const tv::Control*>& labels, const tv::Control& heading)
{
    return std::none_of(labels.begin(), labels.end(), [&](const tv::Control* l) {
        return l != &heading && sameRow(*l, heading.rect()) && right(l->rect()) <= heading.rect().left;
    });
}

struct BoxLabel {
    const tv::Control* label = nullptr;    // the one label that names the box
    const tv::Control* heading = nullptr;  // with the row's label: the column heading added to it
};

BoxLabel labelOf(const tv::Control& box)
{
    const auto labels = labelsBeside(box);
    const tv::Rect& r = box.rect();
    const tv::Control* buddy = buddyOf(box);
    if (buddy && sameRow(*buddy, r)) return {buddy};
    const tv::Control* row = rowLabel(labels, r);
    const tv::Control* heading = headingOf(labels, r);
    if (row && heading && boxBetween(box, *row) && standsAlone(labels, *heading)) return {row, heading};
    for (const tv::Control* l : {buddy, row, heading})
        if (l) return {l};
    return {};
}

QString boxName(const tv::Control& box)
{
    const BoxLabel found = labelOf(box);
    if (found.heading)
        return spokenCaption(found.label->caption()) + QLatin1Char(' ') + spokenCaption(found.heading->caption());
    if (found.label) return spokenCaption(found.label->caption());
    if (const tv::Control* frame = box.container(); frame && !spokenCaption(frame->caption()).isEmpty())
        return spokenCaption(frame->caption());
    if (!box.toolTip().empty()) return spokenCaption(box.toolTip());
    if (box.kind() == tv::Kind::Grid) return QStringLiteral("Table");
    return spokenCaption(box.form().caption());
}

}  // namespace

QString spokenCaption(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('&')) {
            if (i + 1 >= text.size() || text[i + 1] != QLatin1Char('&')) continue;  // a mnemonic
            ++i;                                                                    // "&&" is one "&"
        }
        out += c.isSpace() ? QChar(QLatin1Char(' ')) : c;
    }
    out = out.simplified();
    while (out.endsWith(QLatin1Char(':'))) out = out.chopped(1).trimmed();
    return out;
}

const tv::Control* namingLabel(const tv::Control& box)
{
    const BoxLabel found = labelOf(box);
    return found.heading ? nullptr : found.label;
}

QString chartDescription(const tv::Chart& chart)
{
    // Whole numbers written as the program writes them.
    const QLocale en = tvqt::numberLocale();
    auto number = [&en](double v) { return en.toString(v, 'f', 0); };
    QStringList parts;
    for (const tv::ChartSeries& s : chart.series) {
        if (s.points.empty()) continue;
        parts << QCoreApplication::translate("Desktop", "%1: %2 points, %3 to %4")
                     .arg(QString::fromStdString(s.name))
                     .arg(s.points.size())
                     .arg(number(s.points.front().y), number(s.points.back().y));
    }
    if (parts.isEmpty()) return QCoreApplication::translate("Desktop", "No data");
    const QString lines = desktopPlural(tv::kDesktopPlurals[0], static_cast<int>(parts.size()));
    const QString x =
        chart.x.unit.empty() ? QString::fromStdString(chart.x.title) : QString::fromStdString(chart.x.unit);
    return QCoreApplication::translate("Desktop", "%1 over %2: %3")
        .arg(lines, x.toLower(), parts.join(QStringLiteral("; ")));
}

void installAccessibleInterfaces()
{
    QAccessible::installFactory(programInterface);
}

QString accessibleName(const tv::Control& control)
{
    if (const char* name = spokenNameOf(control)) return QCoreApplication::translate("Desktop", name);
    switch (control.kind()) {
        case tv::Kind::MaskedBox:
        case tv::Kind::ComboList:
        case tv::Kind::TextArea:
        case tv::Kind::Grid:
            return boxName(control);
        case tv::Kind::Toolbar:
            return QStringLiteral("Toolbar");
        case tv::Kind::ChartView: {
            const std::string& title = static_cast<const tv::ChartView&>(control).chart().title;
            if (!title.empty()) return spokenCaption(title);
            return control.toolTip().empty() ? QStringLiteral("Chart") : spokenCaption(control.toolTip());
        }
        case tv::Kind::Picture:
        case tv::Kind::Line:
            return spokenCaption(control.toolTip());
        default:
            return spokenCaption(control.caption());
    }
}

}  // namespace tvqt
