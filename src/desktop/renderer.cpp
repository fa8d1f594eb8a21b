#include "desktop/renderer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "desktop/form_window.h"
#include "screen_model/form.h"

namespace tvqt {

Renderer::Renderer(tv::Application& app, QObject* parent) : QObject(parent), m_app(app)
{
    m_app.addObserver(this);
    // An exception must never leave a Qt event handler: while the model is drawn, a failed handler is a message.
    m_app.setEventFaultHandler(&tv::showEventFault);
    // Forms already on the screen get their windows now.
    for (tv::Form* f : m_app.forms())
        if (f->loaded() && f->visible()) formChanged(*f, tv::FormEvent::Shown);
}

Renderer::~Renderer()
{
    m_app.removeObserver(this);
    m_app.setEventFaultHandler({});
    for (auto& [form, window] : m_windows) delete window.data();
    for (auto& window : m_unloaded) delete window.data();
}

FormWindow* Renderer::windowOf(const tv::Form& form) const
{
    auto it = m_windows.find(&form);
    return it == m_windows.end() ? nullptr : it->second.data();
}

QWidget* Renderer::window(const tv::Form& form) const
{
    return windowOf(form);
}

QWidget* Renderer::topmostWindow() const
{
    const tv::Form* top = m_app.topmost();
    return top ? windowOf(*top) : nullptr;
}

QWidget* Renderer::widget(const tv::Control& control) const
{
    FormWindow* w = windowOf(control.form());
    return w ? w->widget(control) : nullptr;
}

QAction* Renderer::action(const tv::MenuItem& item) const
{
    FormWindow* w = windowOf(item.form());
    return w ? w->action(item) : nullptr;
}

QToolButton* Renderer::toolButton(const tv::Toolbar& toolbar, int index) const
{
    FormWindow* w = windowOf(toolbar.form());
    return w ? w->toolButton(toolbar, index) : nullptr;
}

void Renderer::flushPending()
{
    for (auto& [form, window] : m_windows)
        if (window) window->flushPending();
}

void Renderer::formChanged(tv::Form& form, tv::FormEvent event)
{
    FormWindow* window = windowOf(form);
    switch (event) {
        case tv::FormEvent::Shown:
            if (!window) {
                window = new FormWindow(form, TwipScale::forScreen(QGuiApplication::primaryScreen()));
                window->setRememberPlace(m_rememberWindows);
                m_windows[&form] = window;
            }
            window->showForm();
            break;
        case tv::FormEvent::Hidden:
            if (window) window->hideForm();
            checkAllClosed();
            break;
        case tv::FormEvent::Unloaded:
            if (window) {
                m_windows.erase(&form);
                window->hideForm();
                // Possibly called from one of the window's own event handlers (its close box).
                window->deleteLater();
                m_unloaded.erase(
                    std::remove_if(m_unloaded.begin(), m_unloaded.end(), [](const auto& p) { return p.isNull(); }),
                    m_unloaded.end());
                m_unloaded.emplace_back(window);
            }
            checkAllClosed();
            break;
        case tv::FormEvent::Loaded:
            break;
        default:
            if (window) window->formChanged(event);
            if (event == tv::FormEvent::BackColor) uncover(form);
            break;
    }
}

void Renderer::controlChanged(tv::Control& control, tv::Prop prop, int row, int col)
{
    if (FormWindow* w = windowOf(control.form())) w->controlChanged(control, prop, row, col);
}

void Renderer::menuChanged(tv::MenuItem& item, tv::Prop prop)
{
    if (FormWindow* w = windowOf(item.form())) w->menuChanged(item, prop);
}

void Renderer::focusChanged(tv::Control* oldFocus, tv::Control* newFocus)
{
    if (oldFocus)
        if (FormWindow* w = windowOf(oldFocus->form())) w->modelFocusLeft(*oldFocus);
    if (newFocus)
        if (FormWindow* w = windowOf(newFocus->form())) w->modelFocusEntered(*newFocus);
}

void Renderer::uncover(const tv::Form& form)
{
    FormWindow* below = windowOf(form);
    if (!below || !below->isVisible() || below->form().modal()) return;
    const QRect covered = below->frameGeometry();
    const QScreen* screen = below->screen();
    const QRect desk = screen ? screen->availableGeometry() : covered;
    // To the side with more room; each further dialog a little further out, so that each shows a part.
    const bool toRight = desk.right() - covered.right() >= covered.left() - desk.left();
    int step = 0;
    for (const auto& [f, window] : m_windows) {
        if (!window || window == below || !f->modal() || !window->isVisible()) continue;
        const QRect r = window->frameGeometry();
        if (!r.intersects(covered)) continue;
        const int x = toRight ? std::min(covered.right() + 1 + step, desk.right() + 1 - r.width())
                              : std::max(covered.left() - r.width() - step, desk.left());
        if (toRight ? x > r.left() : x < r.left()) window->move(x, r.top());
        step += r.width() / 4;
    }
}

void Renderer::checkAllClosed()
{
    if (m_closeCheckPending) return;
    m_closeCheckPending = true;
    // Decided once the handler that hid the form has finished: it may show another.
    QTimer::singleShot(0, this, [this] {
        m_closeCheckPending = false;
        for (tv::Form* f : m_app.forms())
            if (f->loaded() && f->visible()) return;
        Q_EMIT allFormsClosed();
    });
}

}  // namespace tvqt
