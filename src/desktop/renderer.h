#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <vector>

#include "screen_model/application.h"

class QAction;
class QToolButton;
class QWidget;

namespace tv {
class Control;
class Form;
class MenuItem;
class Toolbar;
}  // namespace tv

namespace tvqt {

class FormWindow;

// Turns every model form into a window while it is shown, and keeps the two in step: each model change
// shows at once in the widgets, and each user action on a widget reaches the model as its event.
// A form's window is created when the form is shown, hidden when it is hidden and destroyed when it is
// unloaded; controls, menus and the toolbar are built from the form's tables, positioned from their twips
// at the screen's logical DPI. While attached it is the application's event fault handler (tv::showEventFault):
// a handler's exception is a message, never an exception through Qt. Attach the renderer before the program
// starts showing forms; destroy it before the forms.
class Renderer : public QObject, public tv::ModelObserver {
    Q_OBJECT
public:
    explicit Renderer(tv::Application& app, QObject* parent = nullptr);
    ~Renderer() override;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    tv::Application& app() const { return m_app; }

    // Whether windows open where the user left them in an earlier run and remember where they are left
    // (desktop_defaults.h); on by default. Off, a window opens at the form's own place and size.
    void setRememberWindows(bool remember) { m_rememberWindows = remember; }

    // The window of a loaded form that has been shown (it may be hidden now); null otherwise.
    QWidget* window(const tv::Form& form) const;
    // The window of the form on top (the last shown, or the modal one): where a message box or file dialog
    // belongs while that form's handler runs; null when no form is shown.
    QWidget* topmostWindow() const;
    // The widget that draws a control; null while its form has no window.
    QWidget* widget(const tv::Control& control) const;
    // The menu bar action of a menu item.
    QAction* action(const tv::MenuItem& item) const;
    // The tool button of toolbar button `index` (1-based); null for separators.
    QToolButton* toolButton(const tv::Toolbar& toolbar, int index) const;

    // Grid reshapes, cell texts, alignments, current-cell moves and scrolling are gathered while a handler
    // runs and applied when the event loop next runs (a table of 20,000 cells is filled cell by cell). This
    // applies them now.
    void flushPending();

    void formChanged(tv::Form& form, tv::FormEvent event) override;
    void controlChanged(tv::Control& control, tv::Prop prop, int row, int col) override;
    void menuChanged(tv::MenuItem& item, tv::Prop prop) override;
    void focusChanged(tv::Control* oldFocus, tv::Control* newFocus) override;

Q_SIGNALS:
    // Emitted (from the event loop) once no form is visible any more after one was hidden or unloaded.
    void allFormsClosed();

private:
    FormWindow* windowOf(const tv::Form& form) const;
    void checkAllClosed();
    // A form recoloured beneath open dialogs (the colour screen's Test Scheme) is shown: the dialogs that
    // cover it step aside to its right, or as far right as the screen allows.
    void uncover(const tv::Form& form);

    tv::Application& m_app;
    std::map<const tv::Form*, QPointer<FormWindow>> m_windows;
    std::vector<QPointer<FormWindow>> m_unloaded;  // deleted by the event loop, or with the renderer
    bool m_closeCheckPending = false;
    bool m_rememberWindows = true;
};

}  // namespace tvqt
