#pragma once

#include <QLineEdit>

#include "screen_model/control.h"

namespace tvqt {

class FormWindow;

// The line edit of a masked box: while the box does not have the model's focus it shows the box's display
// format, while it has it the plain text, with the model's selection. Every keystroke edit sets the box's
// text (its Change fires); cursor and selection moves are written back to the box.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    MaskedEdit(tv::MaskedBox& box, FormWindow& window, QWidget* parent);

    tv::MaskedBox& box() const { return m_box; }
    // Shows the display format or the plain text, whichever the model's focus asks for.
    void syncText();
    // Applies the model's selection while editing.
    void syncSelection();
    // The box holds the answer: bold text in a frame of the text's colour, so it stands out without colour.
    void setEmphasis(bool emphasis);
    bool emphasis() const { return m_emphasis; }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pushSelection();

    tv::MaskedBox& m_box;
    FormWindow& m_window;
    bool m_pushing = false;
    bool m_focusedByPress = false;
    bool m_emphasis = false;
};

}  // namespace tvqt
