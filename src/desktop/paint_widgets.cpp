#include "desktop/paint_widgets.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace tvqt {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setLine(QPoint from, QPoint to, int penWidth)
{
    m_penWidth = std::max(1, penWidth);
    m_from = from;
    m_to = to;
    int pad = m_penWidth;
    QRect box = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    update();
}

void LineWidget::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QPen pen(m_color, m_penWidth);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    QPoint origin = geometry().topLeft();
    QPointF half(m_penWidth % 2 ? 0.5 : 0.0, m_penWidth % 2 ? 0.5 : 0.0);
    p.drawLine(QPointF(m_from - origin) + half, QPointF(m_to - origin) + half);
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

void PictureWidget::setIcon(const QIcon& icon)
{
    m_icon = icon;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    if (m_icon.isNull()) return;
    QPainter p(this);
    int side = std::min(width(), height());
    QRect target((width() - side) / 2, (height() - side) / 2, side, side);
    m_icon.paint(&p, target, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void FrameWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int top = fm.height() / 2;
    QRect r = rect().adjusted(0, top, -2, -2);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(r.translated(1, 1));
    QString text = title();
    if (text.isEmpty()) return;
    QSize size = fm.size(Qt::TextShowMnemonic, text);
    QRect caption(fm.averageCharWidth(), 0, size.width() + fm.averageCharWidth(), fm.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    style()->drawItemText(&p, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text,
                          QPalette::WindowText);
}

}  // namespace tvqt
