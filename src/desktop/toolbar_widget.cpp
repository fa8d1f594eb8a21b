#include "desktop/toolbar_widget.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

#include "desktop/accessible_names.h"
#include "desktop/form_window.h"
#include "desktop/icons.h"

namespace tvqt {

namespace {

// Drop-down entries are plain texts (leading blanks included): an "&" is shown, not a mnemonic.
QString literalText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Separators in a row: one gap as wide as all of them, with one separator line in its middle.
class ToolbarGap : public QWidget {
public:
    ToolbarGap(int separators, QToolBar* bar) : QWidget(bar), m_bar(bar)
    {
        QStyleOption opt;
        opt.initFrom(bar);
        setFixedWidth(separators * style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, &opt, bar));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QStyleOption opt;
        opt.initFrom(this);
        const int extent = style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, &opt, m_bar);
        opt.rect = QRect((width() - extent) / 2, 0, extent, height());
        opt.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &opt, &p, m_bar);
    }

private:
    QToolBar* m_bar;
};

bool isSeparator(const tv::Toolbar& toolbar, int index)
{
    return index >= 1 && index <= toolbar.count() && toolbar.button(index).style == tv::ToolStyle::Separator;
}

}  // namespace

ToolbarWidget::ToolbarWidget(tv::Toolbar& toolbar, FormWindow& window, QWidget* parent)
    : QToolBar(parent), m_toolbar(toolbar), m_window(window)
{
    setMovable(false);
    setFloatable(false);
    setFocusPolicy(Qt::NoFocus);
    // Icons are 16 pixels at 96 DPI (240 twips) and grow with the logical DPI.
    int icon = window.scale().px(240);
    setIconSize(QSize(icon, icon));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    rebuild();
}

void ToolbarWidget::rebuild()
{
    for (QAction* a : m_actions) {
        removeAction(a);
        a->deleteLater();
    }
    m_actions.clear();
    for (int index = 1; index <= m_toolbar.count(); ++index) {
        const tv::ToolButton& b = m_toolbar.button(index);
        if (b.style == tv::ToolStyle::Separator) {
            int run = 1;
            while (isSeparator(m_toolbar, index + run)) ++run;
            if (isSeparator(m_toolbar, index - 1)) {
                // Drawn by the gap of the first separator of the run.
                auto* inRun = new QAction(this);
                inRun->setSeparator(true);
                m_actions.push_back(inRun);
            } else {
                m_actions.push_back(run == 1 ? addSeparator() : addWidget(new ToolbarGap(run, this)));
            }
            continue;
        }
        auto* action = new QAction(this);
        addAction(action);
        m_actions.push_back(action);
        connect(action, &QAction::triggered, this, [this, index] {
            if (m_window.applying()) return;
            if (m_toolbar.usableByUser() && m_toolbar.button(index).enabled) m_toolbar.userClickButton(index);
            sync(-1);
        });
        QToolButton* tool = button(index);
        if (!tool) continue;
        tool->setFocusPolicy(Qt::NoFocus);
        if (b.image <= 0) tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
        if (b.style == tv::ToolStyle::DropDown) {
            auto* menu = new QMenu(tool);
            for (int item = 1; item <= static_cast<int>(b.menu.size()); ++item) {
                QAction* entry = menu->addAction(QString());
                connect(entry, &QAction::triggered, this, [this, index, item] {
                    if (m_window.applying()) return;
                    if (m_toolbar.usableByUser()) m_toolbar.userChooseMenuItem(index, item);
                    sync(-1);
                });
            }
            tool->setMenu(menu);
            tool->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
    sync(-1);
}

QToolButton* ToolbarWidget::button(int index) const
{
    if (index < 1 || index > static_cast<int>(m_actions.size())) return nullptr;
    QAction* a = m_actions[static_cast<std::size_t>(index - 1)];
    if (a->isSeparator()) return nullptr;
    return qobject_cast<QToolButton*>(widgetForAction(a));
}

void ToolbarWidget::sync(int index)
{
    if (static_cast<int>(m_actions.size()) != m_toolbar.count()) {
        rebuild();
        return;
    }
    FormWindow::Applying guard(m_window);
    if (index >= 1) {
        syncButton(index);
        return;
    }
    for (int i = 1; i <= m_toolbar.count(); ++i) syncButton(i);
}

void ToolbarWidget::syncButton(int index)
{
    const tv::ToolButton& b = m_toolbar.button(index);
    QAction* a = m_actions[static_cast<std::size_t>(index - 1)];
    a->setVisible(b.visible);
    if (b.style == tv::ToolStyle::Separator) return;
    QString text = QString::fromStdString(b.caption.empty() ? b.key : b.caption);
    a->setText(text);
    if (a->data().toInt() != b.image || a->icon().isNull() != (b.image <= 0)) {
        a->setData(b.image);
        a->setIcon(toolbarIcon(b.image));
    }
    a->setToolTip(QString::fromStdString(b.toolTip));
    a->setEnabled(b.enabled);
    a->setCheckable(true);
    a->setChecked(b.pressed);
    QToolButton* tool = button(index);
    if (!tool) return;
    // Announced by what it does (its tool-tip), not by its key or short caption.
    const QString name = spokenCaption(b.toolTip.empty() ? text.toStdString() : b.toolTip);
    if (tool->accessibleName() != name) tool->setAccessibleName(name);
    tool->setToolButtonStyle(b.image > 0 ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    QMenu* menu = tool->menu();
    if (!menu) return;
    const auto entries = menu->actions();
    if (entries.size() != static_cast<qsizetype>(b.menu.size())) {
        // The model's drop-down changed length: build the menu anew on the next rebuild.
        QMetaObject::invokeMethod(
            this, [this] { rebuild(); }, Qt::QueuedConnection);
        return;
    }
    for (std::size_t i = 0; i < b.menu.size(); ++i) {
        QAction* entry = entries[static_cast<qsizetype>(i)];
        entry->setText(literalText(b.menu[i].text));
        entry->setEnabled(b.menu[i].enabled);
        entry->setVisible(b.menu[i].visible);
    }
}

}  // namespace tvqt
