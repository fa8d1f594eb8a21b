#pragma once

#include <QToolBar>
#include <vector>

#include "desktop/desktop_defaults.h"
#include "screen_model/toolbar.h"

class QToolButton;

namespace tvqt {

class FormWindow;

// A model toolbar as a QToolBar placed at the control's rectangle: one tool button per model button
// (icon by image number, tool-tip, pressed shown as checked, enabled, visible), separators, and a
// drop-down menu on buttons of the DropDown style. A click runs ButtonClick, a drop-down item
// ButtonMenuClick; afterwards the buttons show the model's state again, whatever Qt toggled.
class ToolbarWidget : public QToolBar {
public:
    ToolbarWidget(tv::Toolbar& toolbar, FormWindow& window, QWidget* parent);

    // All buttons anew (a button was added).
    void rebuild();
    // One button's state (index 1-based), or all of them for index -1.
    void sync(int index);
    QToolButton* button(int index) const;

private:
    void syncButton(int index);

    tv::Toolbar& m_toolbar;
    FormWindow& m_window;
    std::vector<QAction*> m_actions;  // by model index - 1
};

}  // namespace tvqt
