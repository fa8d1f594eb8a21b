#pragma once

#include <QColor>
#include <QGroupBox>
#include <QIcon>
#include <QPoint>
#include <QProxyStyle>
#include <QWidget>

namespace tvqt {

// A straight line between two points of its parent; the widget covers the line's bounding box and lets
// the mouse through.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent);
    // The end points in the parent's pixels, the pen width in pixels.
    void setLine(QPoint from, QPoint to, int penWidth);
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    int m_penWidth = 1;
    QColor m_color;
};

// A picture: an icon drawn to fit its rectangle, keeping its proportions.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent);
    void setIcon(const QIcon& icon);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_icon;
};

// A frame in the classic look: an etched border whose top runs through the middle of the caption, on the
// frame's own background. Layouts in twips place the first child just below the caption line.
class FrameWidget : public QGroupBox {
public:
    explicit FrameWidget(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The desktop's style, except that option dots and check marks are drawn in a colour that reads on the
// indicator's fill (kReadableContrast), enabled or not, whatever the scheme and the desktop's palette: the
// fill is the palette's Base (white where a dark Base sits on a pale Button background), the mark its Text
// (WindowText's disabled grey while disabled), made readable on the fill.
class IndicatorStyle : public QProxyStyle {
public:
    IndicatorStyle() = default;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tvqt
