#pragma once

#include <QDialog>
#include <unordered_map>

#include "desktop/desktop_defaults.h"
#include "screen_model/application.h"
#include "screen_model/form.h"

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QToolButton;

namespace tvqt {

class Renderer;

// The window of one model form: a menu bar over a client area of the form's client size, where every
// control has its widget at its twip rectangle (inside its frame's widget). It is a QDialog so that Enter
// presses the default button; Escape presses the cancel button, and the close box asks the form.
class FormWindow : public QDialog {
    Q_OBJECT
public:
    FormWindow(tv::Form& form, const TwipScale& scale);
    ~FormWindow() override;

    tv::Form& form() const { return m_form; }
    const TwipScale& scale() const { return m_scale; }

    // Shows the window as the form asks (modal or not) at the form's position, or, the first time, where the
    // user left it in an earlier run (desktop_defaults.h) when remembering places.
    void showForm();
    void setRememberPlace(bool remember) { m_rememberPlace = remember; }
    void hideForm();
    void formChanged(tv::FormEvent event);
    void controlChanged(tv::Control& control, tv::Prop prop, int row, int col);
    void menuChanged(tv::MenuItem& item, tv::Prop prop);
    // The model's focus left `control` / moved to `control` (both of this form).
    void modelFocusLeft(tv::Control& control);
    void modelFocusEntered(tv::Control& control);
    void flushPending();

    QWidget* widget(const tv::Control& control) const;
    QAction* action(const tv::MenuItem& item) const;
    QToolButton* toolButton(const tv::Toolbar& toolbar, int index) const;
    QMenuBar* menuBar() const { return m_menuBar; }

    // True while the window applies a model change: the widget signals that follow are not user actions.
    bool applying() const { return m_applying > 0; }
    class Applying {
    public:
        explicit Applying(FormWindow& w) : m_w(w) { ++m_w.m_applying; }
        ~Applying() { --m_w.m_applying; }
        Applying(const Applying&) = delete;
        Applying& operator=(const Applying&) = delete;

    private:
        FormWindow& m_w;
    };

    // A widget of `control` received the keyboard focus from the user (click, Tab, mnemonic, window switch).
    void userFocus(tv::Control& control);
    // A key that one of the form's menu commands uses: it goes to the menu even inside a text box, unless
    // it is one of the text box's clipboard keys (isClipboardKey).
    bool isMenuShortcut(const QKeyEvent& event) const;
    // Copy, cut and paste: in a text box they work on its text, as in every program, even where a menu
    // command has the same key (Ctrl+C, the main screen's input checker).
    static bool isClipboardKey(const QKeyEvent& event);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildMenus();
    void addMenuItems(QMenu* menu, tv::MenuItem& parent);
    void bindMenuAction(tv::MenuItem& item, QAction* action);
    void applyMenu(tv::MenuItem& item);
    void applyFormGeometry();
    void applyFormColors();
    // The form's client size at the design's twips, in pixels: the window's smallest client size.
    QSize designedClient() const;
    // Top-level grids take the room the window has beyond its designed size (they grow right and down); what
    // lies under a grid moves down with its bottom edge, everything else keeps its place.
    void placeGrids();
    // Disabled text and indicators that read on their background, result boxes drawn unlocked but read-only,
    // and the answer box marked: what the desktop adds to a control's colours.
    void applyReadability(const tv::Control& control, QWidget* w);
    void applyEmphasis();
    void saveOwnPlace();
    // Every control's accessible name (desktop/accessible_names.h), now or once the event loop runs.
    void applyAccessibleNames();
    void scheduleAccessibleNames();

    // Per control kind (form_window_controls.cpp).
    QWidget* createWidget(tv::Control& control, QWidget* parent);
    void applyAll(tv::Control& control);
    void apply(tv::Control& control, tv::Prop prop, int row, int col);
    void applyGeometry(tv::Control& control, QWidget* w);
    void applyColors(const tv::Control& control, QWidget* w);
    void applyCaption(tv::Control& control, QWidget* w);
    // Draws a translated caption that is wider than its control a little smaller, so it is never cut off.
    void fitCaption(tv::Control& control, QWidget* w);
    void applyValue(tv::Control& control, QWidget* w);
    void applyItems(tv::Control& control, QWidget* w);
    void userClicked(tv::Control& control);
    void labelMnemonic(tv::Control& label);
    void frameMnemonic(tv::Control& frame);
    tv::Control* nextFocusableAfter(const tv::Control& control, bool usableNow) const;

    tv::Form& m_form;
    TwipScale m_scale;
    QWidget* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    std::unordered_map<const tv::Control*, QWidget*> m_widgets;
    std::unordered_map<const QObject*, tv::Control*> m_controlOf;
    std::unordered_map<const tv::MenuItem*, QAction*> m_actions;
    int m_applying = 0;
    bool m_namesPending = false;
    bool m_rememberPlace = true;
    bool m_placed = false;
    bool m_restored = false;
    QPoint m_modelPos;
    QSize m_extra{0, 0};  // pixels beyond the designed client size, from the user's resizing
    QStyle* m_indicatorStyle = nullptr;
};

}  // namespace tvqt
