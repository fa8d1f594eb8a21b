#include "desktop/paint_widgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

#include "desktop/colors.h"

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

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const bool enabled = option->state & State_Enabled;
    const QPalette& pal = option->palette;
    // A dark desktop's base would be a black disc on a scheme's pale background: there the fill is white.
    auto isLight = [](const QColor& c) { return contrastRatio(c, Qt::black) > contrastRatio(c, Qt::white); };
    const QColor back = pal.color(QPalette::Active, QPalette::Button);
    QColor fill = pal.color(QPalette::Active, QPalette::Base);
    if (isLight(back) && !isLight(fill)) fill = Qt::white;
    // An enabled mark that does not read becomes black or white; a disabled one stays as grey as it can.
    QColor mark =
        enabled ? pal.color(QPalette::Active, QPalette::Text) : pal.color(QPalette::Disabled, QPalette::WindowText);
    if (enabled && contrastRatio(mark, fill) < kReadableContrast) mark = isLight(fill) ? Qt::black : Qt::white;
    mark = readableOn(mark, fill);
    // The mark also draws the outline, which must stand out from the background where the fill does not.
    if (isLight(fill) == isLight(back)) mark = readableOn(mark, back);
    const int side = std::min(option->rect.width(), option->rect.height()) - 1;
    const QRectF box(option->rect.x() + (option->rect.width() - side) / 2 + 0.5,
                     option->rect.y() + (option->rect.height() - side) / 2 + 0.5, side - 1, side - 1);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // An outline thick enough that anti-aliasing leaves some of it at full strength.
    painter->setPen(QPen(mark, std::max(1.5, side / 12.0)));
    painter->setBrush(fill);
    if (element == PE_IndicatorRadioButton) {
        painter->drawEllipse(box);
        if (option->state & State_On) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(mark);
            const double r = box.width() / 3.6;
            painter->drawEllipse(box.center(), r, r);
        }
    } else {
        painter->drawRect(box);
        if (option->state & State_NoChange) {
            painter->fillRect(box.adjusted(3, 3, -3, -3), mark);
        } else if (option->state & State_On) {
            // A check mark drawn in strokes of about a sixth of the box.
            QPainterPath tick;
            const double w = box.width();
            tick.moveTo(box.left() + w * 0.22, box.top() + w * 0.5);
            tick.lineTo(box.left() + w * 0.42, box.top() + w * 0.72);
            tick.lineTo(box.left() + w * 0.78, box.top() + w * 0.28);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(mark, std::max(2.0, w / 6), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter->drawPath(tick);
        }
    }
    painter->restore();
}

}  // namespace tvqt
