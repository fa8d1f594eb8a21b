#include "desktop/masked_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/form_window.h"

namespace tvqt {

MaskedEdit::MaskedEdit(tv::MaskedBox& box, FormWindow& window, QWidget* parent)
    : QLineEdit(parent), m_box(box), m_window(window)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_window.applying()) return;
        // The caret first, so the box does not trim a selection the edit has already replaced.
        pushSelection();
        // Typed, pasted or dropped text goes through the box's typing rule: a text beyond its length limit
        // is refused with the form's message and the edit shows the box's text again.
        m_box.userType(text.toStdString());
        if (m_box.text() != text.toStdString()) {
            syncText();
            syncSelection();
        }
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { pushSelection(); });
    connect(this, &QLineEdit::selectionChanged, this, [this] { pushSelection(); });
}

void MaskedEdit::syncText()
{
    const std::string display = m_box.display();
    // A screen reader announces the formatted value ("$699.21") even while the plain text is being edited.
    QString description = QString::fromStdString(display);
    if (accessibleDescription() != description) setAccessibleDescription(description);
    QString text = m_box.hasFocus() ? QString::fromStdString(m_box.text()) : description;
    if (QLineEdit::text() == text) return;
    FormWindow::Applying guard(m_window);
    setText(text);
}

void MaskedEdit::syncSelection()
{
    if (m_pushing || !m_box.hasFocus()) return;
    FormWindow::Applying guard(m_window);
    if (m_box.selLength() > 0)
        setSelection(m_box.selStart(), m_box.selLength());
    else
        setCursorPosition(m_box.selStart());
}

void MaskedEdit::pushSelection()
{
    if (m_window.applying() || m_pushing || !m_box.hasFocus() || !hasFocus()) return;
    int start = hasSelectedText() ? selectionStart() : cursorPosition();
    int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    if (start == m_box.selStart() && length == m_box.selLength()) return;
    m_pushing = true;
    m_box.setSelection(start, length);
    m_pushing = false;
}

bool MaskedEdit::event(QEvent* event)
{
    // A menu command's key (Ctrl+Y for years, say) reaches the menu, not the edit; the clipboard keys stay
    // here, so Ctrl+C copies from the box rather than toggling the input checker.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!FormWindow::isClipboardKey(*key) && m_window.isMenuShortcut(*key)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void MaskedEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_window.applying()) return;  // the model moved the focus here and has shown the plain text
    m_focusedByPress = event->reason() == Qt::MouseFocusReason;
    m_window.userFocus(m_box);
    syncText();
    syncSelection();
}

void MaskedEdit::mousePressEvent(QMouseEvent* event)
{
    // The click that brought the focus keeps the selection the GotFocus handler made.
    bool keep = m_focusedByPress && m_box.hasFocus() && m_box.selLength() > 0;
    m_focusedByPress = false;
    if (keep && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void MaskedEdit::setEmphasis(bool emphasis)
{
    QFont f = font();
    if (m_emphasis == emphasis && f.bold() == emphasis) return;
    m_emphasis = emphasis;
    f.setBold(emphasis);
    setFont(f);
    update();
}

void MaskedEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!m_emphasis) return;
    QPainter p(this);
    const int pen = std::max(2, height() / 12);
    p.setPen(QPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text), pen));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0));
}

}  // namespace tvqt
