#include "desktop/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "desktop/accessible_names.h"
#include "desktop/colors.h"
#include "desktop/grid_view.h"
#include "desktop/icons.h"
#include "desktop/masked_edit.h"
#include "desktop/paint_widgets.h"
#include "desktop/toolbar_widget.h"

namespace tvqt {

FormWindow::FormWindow(tv::Form& form, const TwipScale& scale) : QDialog(nullptr), m_form(form), m_scale(scale)
{
    setObjectName(QString::fromStdString(form.name()));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setSizeGripEnabled(false);
    setWindowIcon(programIcon());
    m_indicatorStyle = new IndicatorStyle;
    m_indicatorStyle->setParent(this);
    build();
}

FormWindow::~FormWindow()
{
    saveOwnPlace();
    // Hiding the dialog in its base's destructor takes the focus from an edit box, whose signals must no longer
    // reach this window.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->disconnect(this);
}

void FormWindow::build()
{
    Applying guard(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    layout->addWidget(m_client);
    buildMenus();
    if (m_menuBar) layout->setMenuBar(m_menuBar);

    // Controls are declared after their frames, so a control's container already has its widget.
    for (tv::Control* c : m_form.controls()) {
        QWidget* parent = m_client;
        if (c->container()) {
            auto it = m_widgets.find(c->container());
            if (it != m_widgets.end()) parent = it->second;
        }
        QWidget* w = createWidget(*c, parent);
        w->setObjectName(QString::fromStdString(c->name()));
        m_widgets[c] = w;
        m_controlOf[w] = c;
    }
    for (tv::Control* c : m_form.controls()) {
        if (c->kind() == tv::Kind::OptionButton || c->kind() == tv::Kind::CheckBox)
            m_widgets[c]->setStyle(m_indicatorStyle);
        applyAll(*c);
        applyReadability(*c, m_widgets[c]);
    }
    applyEmphasis();
    // Labels, lines and pictures are drawn on their container, beneath every windowed control.
    const auto& controls = m_form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        tv::Kind k = (*it)->kind();
        if (k == tv::Kind::Label || k == tv::Kind::Line || k == tv::Kind::Picture) m_widgets[*it]->lower();
    }
    setWindowTitle(QString::fromStdString(m_form.caption()));
    applyFormColors();
    applyFormGeometry();
    applyAccessibleNames();
}

void FormWindow::applyAccessibleNames()
{
    m_namesPending = false;
    for (const auto& [control, w] : m_widgets) {
        QString name = tvqt::accessibleName(*control);
        if (w->accessibleName() != name) w->setAccessibleName(name);
        if (control->kind() != tv::Kind::ComboList) continue;
        // A list is announced by the label whose buddy it is; a label with a mnemonic has its buddy already,
        // and one whose text shows an "&" cannot take one (the "&" would turn into a mnemonic).
        if (const tv::Control* label = namingLabel(*control))
            if (auto* l = qobject_cast<QLabel*>(widget(*label));
                l && !l->buddy() && !l->text().contains(QLatin1Char('&')))
                l->setBuddy(w);
    }
}

void FormWindow::scheduleAccessibleNames()
{
    // A handler moves and re-captions many controls in a row: the names follow once it has finished.
    if (m_namesPending) return;
    m_namesPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_namesPending) applyAccessibleNames();
        },
        Qt::QueuedConnection);
}

void FormWindow::buildMenus()
{
    if (m_form.menuBar().empty()) return;
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    for (tv::MenuItem* top : m_form.menuBar()) {
        QString text = QString::fromStdString(top->caption());
        QAction* action = nullptr;
        if (top->children().empty()) {
            action = m_menuBar->addAction(text);
            bindMenuAction(*top, action);
        } else {
            QMenu* menu = m_menuBar->addMenu(text);
            action = menu->menuAction();
            addMenuItems(menu, *top);
        }
        m_actions[top] = action;
        applyMenu(*top);
    }
}

void FormWindow::addMenuItems(QMenu* menu, tv::MenuItem& parent)
{
    for (auto& child : parent.children()) {
        tv::MenuItem& item = *child;
        QAction* action = nullptr;
        if (item.isSeparator()) {
            action = menu->addSeparator();
        } else if (!item.children().empty()) {
            QMenu* sub = menu->addMenu(QString::fromStdString(item.caption()));
            action = sub->menuAction();
            addMenuItems(sub, item);
        } else {
            action = menu->addAction(QString::fromStdString(item.caption()));
            if (!item.shortcut().empty())
                action->setShortcut(
                    QKeySequence::fromString(QString::fromStdString(item.shortcut()), QKeySequence::PortableText));
            bindMenuAction(item, action);
        }
        m_actions[&item] = action;
        applyMenu(item);
    }
}

void FormWindow::bindMenuAction(tv::MenuItem& item, QAction* action)
{
    connect(action, &QAction::triggered, this, [this, &item] {
        if (applying()) return;
        if (item.usableByUser()) item.userChoose();
        applyMenu(item);  // Qt toggles a checked item itself; the model decides
    });
}

void FormWindow::applyMenu(tv::MenuItem& item)
{
    auto it = m_actions.find(&item);
    if (it == m_actions.end()) return;
    QAction* a = it->second;
    Applying guard(*this);
    a->setVisible(item.visible());
    if (a->isSeparator()) return;
    a->setText(QString::fromStdString(item.caption()));
    a->setEnabled(item.enabled());
    // Only a checked item is checkable, so unchecked items show no empty check box.
    a->setCheckable(item.checked());
    a->setChecked(item.checked());
}

void FormWindow::menuChanged(tv::MenuItem& item, tv::Prop)
{
    applyMenu(item);
}

bool FormWindow::isClipboardKey(const QKeyEvent& event)
{
    return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Paste);
}

bool FormWindow::isMenuShortcut(const QKeyEvent& event) const
{
    QKeySequence pressed(event.keyCombination());
    for (const auto& [item, action] : m_actions)
        if (!action->shortcut().isEmpty() && action->shortcut().matches(pressed) == QKeySequence::ExactMatch &&
            item->usableByUser())
            return true;
    return false;
}

QSize FormWindow::designedClient() const
{
    return QSize(m_scale.px(m_form.clientWidth()), m_scale.px(m_form.clientHeight())).expandedTo(QSize(1, 1));
}

void FormWindow::applyFormGeometry()
{
    const QSize client = designedClient();
    auto* l = layout();
    l->setSizeConstraint(QLayout::SetDefaultConstraint);
    m_client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    int menu = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    if (m_form.resizable()) {
        // The form lays itself out in Form_Resize from the model's size.
        m_client->setMinimumSize(0, 0);
        resize(client.width(), client.height() + menu);
    } else {
        // The designed size is the smallest; what the user adds goes to the grids.
        m_client->setMinimumSize(client);
        resize(client.width() + m_extra.width(), client.height() + menu + m_extra.height());
    }
    l->activate();
    placeGrids();
    // The window goes where the form says when the form moves it, and otherwise stays where the user put it.
    const QPoint modelPos(m_scale.px(m_form.left()), m_scale.px(m_form.top()));
    if (!m_placed || modelPos != m_modelPos) move(modelPos);
    m_modelPos = modelPos;
    m_placed = true;
}

void FormWindow::placeGrids()
{
    if (m_form.resizable()) return;
    const QSize extra = (m_client->size() - designedClient()).expandedTo(QSize(0, 0));
    std::vector<const tv::Control*> growing;
    for (const tv::Control* c : m_form.controls())
        if ((c->kind() == tv::Kind::Grid || c->kind() == tv::Kind::ChartView) && !c->container()) growing.push_back(c);
    if (growing.empty()) return;
    // The extra height is shared evenly (the last takes the odd pixels): a form stacks its grid and chart.
    const int count = static_cast<int>(growing.size());
    auto share = [&](std::size_t i) {
        return extra.height() / count + (i + 1 == growing.size() ? extra.height() % count : 0);
    };
    for (const auto& [control, w] : m_widgets) {
        if (control->container() || control->kind() == tv::Kind::Line) continue;
        const tv::Rect& c = control->rect();
        // What lies under a growing control moves down with its bottom edge.
        int down = 0;
        for (std::size_t i = 0; i < growing.size(); ++i) {
            const tv::Rect& g = growing[i]->rect();
            if (c.top >= g.top + g.height && c.left < g.left + g.width && g.left < c.left + c.width) down += share(i);
        }
        const auto own = std::find(growing.begin(), growing.end(), control);
        if (own == growing.end() && down == 0) continue;
        QRect r = m_scale.rect(c).translated(0, down);
        if (own != growing.end())
            r.setSize(r.size() + QSize(extra.width(), share(static_cast<std::size_t>(own - growing.begin()))));
        if (w->geometry() != r) w->setGeometry(r);
    }
}

void FormWindow::saveOwnPlace()
{
    if (!m_rememberPlace || !isVisible()) return;
    saveWindowPlace(objectName(), QRect(pos(), size()));
}

void FormWindow::applyFormColors()
{
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, toQColor(m_form.backColor(), QApplication::palette()));
    m_client->setPalette(pal);
    m_client->setAutoFillBackground(true);
}

void FormWindow::showForm()
{
    Applying guard(*this);
    setWindowFlags(m_form.modal()
                       ? (Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
                       : (Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint));
    setWindowModality(m_form.modal() ? Qt::ApplicationModal : Qt::NonModal);
    if (m_form.modal()) {
        // Keep a dialog above the window it was opened from.
        if (QWidget* active = QApplication::activeWindow(); active && active != this) {
            winId();
            if (windowHandle() && active->windowHandle()) windowHandle()->setTransientParent(active->windowHandle());
        }
    }
    if (m_rememberPlace && !m_restored && !m_form.resizable()) {
        m_restored = true;
        // The first showing: where and how large the user left the window in an earlier run.
        if (std::optional<QRect> saved = savedWindowPlace(objectName())) {
            const int menu = m_menuBar ? m_menuBar->sizeHint().height() : 0;
            m_extra = (saved->size() - designedClient() - QSize(0, menu)).expandedTo(QSize(0, 0));
            applyFormGeometry();
            // A place on a screen that is gone keeps the form's own.
            if (QGuiApplication::screenAt(saved->topLeft() + QPoint(20, 20))) move(saved->topLeft());
        }
    }
    applyFormGeometry();
    show();
    // The focused control is always marked, however the focus got there (the form's code moves it too);
    // showing a window clears this.
    setAttribute(Qt::WA_KeyboardFocusChange);
    activateWindow();
    // The model's focus, if it is on this form, is where the keyboard goes.
    if (tv::Control* focus = m_form.app().focus(); focus && &focus->form() == &m_form) modelFocusEntered(*focus);
}

void FormWindow::hideForm()
{
    Applying guard(*this);
    saveOwnPlace();
    hide();
}

void FormWindow::formChanged(tv::FormEvent event)
{
    Applying guard(*this);
    switch (event) {
        case tv::FormEvent::Caption:
            setWindowTitle(QString::fromStdString(m_form.caption()));
            break;
        case tv::FormEvent::Geometry:
            applyFormGeometry();
            break;
        case tv::FormEvent::BackColor:
            applyFormColors();
            break;
        default:
            break;
    }
}

void FormWindow::controlChanged(tv::Control& control, tv::Prop prop, int row, int col)
{
    QWidget* w = widget(control);
    if (!w) return;
    apply(control, prop, row, col);
    Applying guard(*this);
    switch (prop) {
        case tv::Prop::Geometry:
            placeGrids();
            if (control.kind() == tv::Kind::Label || control.kind() == tv::Kind::MaskedBox) applyEmphasis();
            break;
        case tv::Prop::Enabled:
        case tv::Prop::BackColor:
        case tv::Prop::ForeColor:
            applyReadability(control, w);
            if (control.kind() == tv::Kind::Label) applyEmphasis();
            break;
        case tv::Prop::Visible:
        case tv::Prop::Caption:
            if (control.kind() == tv::Kind::Label || control.kind() == tv::Kind::MaskedBox) applyEmphasis();
            break;
        case tv::Prop::Font:
            if (auto* edit = qobject_cast<MaskedEdit*>(w)) edit->setEmphasis(edit->emphasis());
            break;
        default:
            break;
    }
}

void FormWindow::applyReadability(const tv::Control& control, QWidget* w)
{
    QPalette pal = w->palette();
    auto readable = [&pal](QPalette::ColorRole text, QPalette::ColorRole back) {
        // Buttons and closed lists are drawn on a gradient up to 70 % either side of their colour.
        const QColor b = pal.color(back);
        QColor c = readableOn(pal.color(QPalette::Disabled, text), b);
        if (back == QPalette::Button) c = readableOn(readableOn(c, b.lighter(170)), b.darker(170));
        pal.setColor(QPalette::Disabled, text, c);
    };
    switch (control.kind()) {
        case tv::Kind::Label:
        case tv::Kind::OptionButton:
        case tv::Kind::CheckBox:
        case tv::Kind::Frame:
            readable(QPalette::WindowText, QPalette::Window);
            readable(QPalette::ButtonText, QPalette::Button);
            // The indicator's fill: the desktop's base, unless the control's own background reads as well.
            readable(QPalette::Text, QPalette::Base);
            break;
        case tv::Kind::MaskedBox:
            // A box the form disabled or locked holds a result: shown read-only in the colours of an enabled box,
            // never greyed, and it still takes no focus.
            pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
            pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Active, QPalette::Base));
            break;
        case tv::Kind::ComboList:
        case tv::Kind::TextArea:
        case tv::Kind::Grid:
            readable(QPalette::Text, QPalette::Base);
            readable(QPalette::ButtonText, QPalette::Button);
            break;
        case tv::Kind::CommandButton:
            readable(QPalette::ButtonText, QPalette::Button);
            break;
        default:
            return;
    }
    if (pal != w->palette()) w->setPalette(pal);
}

void FormWindow::applyEmphasis()
{
    // The answer's label is drawn in the highlight colour: the one label colour that differs from the one most
    // labels of the form's boxes share. Its box is marked by more than colour.
    std::vector<std::pair<MaskedEdit*, tv::Color>> boxes;
    std::map<tv::Color, int> tally;
    for (const auto& [control, w] : m_widgets) {
        auto* edit = qobject_cast<MaskedEdit*>(w);
        if (!edit) continue;
        const tv::Control* label = control->visible() ? namingLabel(*control) : nullptr;
        if (!label || !label->visible()) {
            edit->setEmphasis(false);
            continue;
        }
        boxes.emplace_back(edit, label->foreColor());
        ++tally[label->foreColor()];
    }
    const auto common =
        std::max_element(tally.begin(), tally.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (auto [edit, color] : boxes) edit->setEmphasis(tally.size() > 1 && color != common->first);
}

void FormWindow::modelFocusLeft(tv::Control& control)
{
    if (auto* edit = qobject_cast<MaskedEdit*>(widget(control))) edit->syncText();
}

void FormWindow::modelFocusEntered(tv::Control& control)
{
    QWidget* w = widget(control);
    if (!w) return;
    if (auto* edit = qobject_cast<MaskedEdit*>(w)) {
        edit->syncText();
        edit->syncSelection();
    }
    if (!w->hasFocus()) {
        Applying guard(*this);
        w->setFocus(Qt::OtherFocusReason);
    }
}

void FormWindow::userFocus(tv::Control& control)
{
    if (applying()) return;
    m_form.app().setFocus(&control);
}

void FormWindow::flushPending()
{
    if (m_namesPending) applyAccessibleNames();
    for (auto& [control, w] : m_widgets)
        if (auto* grid = dynamic_cast<GridView*>(w)) grid->flush();
}

QWidget* FormWindow::widget(const tv::Control& control) const
{
    auto it = m_widgets.find(&control);
    return it == m_widgets.end() ? nullptr : it->second;
}

QAction* FormWindow::action(const tv::MenuItem& item) const
{
    auto it = m_actions.find(&item);
    return it == m_actions.end() ? nullptr : it->second;
}

QToolButton* FormWindow::toolButton(const tv::Toolbar& toolbar, int index) const
{
    auto* bar = dynamic_cast<ToolbarWidget*>(widget(toolbar));
    return bar ? bar->button(index) : nullptr;
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange) {
        // System colours are the desktop's palette: a new one (a dark theme, say) repaints them.
        Applying guard(*this);
        applyFormColors();
        for (const auto& [control, w] : m_widgets) {
            applyColors(*control, w);
            applyReadability(*control, w);
        }
    }
    return QDialog::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The form decides: its Unload handler may keep it open; if it unloads, the renderer hides this window.
    event->ignore();
    if (applying()) return;
    m_form.userClose();
}

void FormWindow::reject()
{
    // Escape is handled in keyPressEvent; a dialog never closes itself behind the form's back.
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        for (tv::Control* c : m_form.controls()) {
            if (c->kind() != tv::Kind::CommandButton || !static_cast<tv::CommandButton*>(c)->isCancel()) continue;
            if (!c->usableByUser()) continue;
            if (auto* b = qobject_cast<QPushButton*>(widget(*c))) b->click();
            return;
        }
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_form.resizable()) {
        layout()->activate();
        placeGrids();
        if (!applying() && isVisible()) m_extra = (m_client->size() - designedClient()).expandedTo(QSize(0, 0));
        return;
    }
    if (applying() || !isVisible()) return;
    // A user's resize of a form that lays itself out: the model learns its new outer size and runs Form_Resize.
    int menu = m_menuBar ? tv::Form::kMenuBarTwips : 0;
    tv::Rect r = m_form.rect();
    r.width = m_scale.twips(m_client->width()) + 2 * tv::Form::kBorderTwips;
    r.height = m_scale.twips(m_client->height()) + tv::Form::kTitleBarTwips + 2 * tv::Form::kBorderTwips + menu;
    if (r == m_form.rect()) return;
    {
        Applying guard(*this);
        m_form.setRect(r);
    }
    m_form.fire("Form", "Resize");
}

}  // namespace tvqt
