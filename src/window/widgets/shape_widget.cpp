#include "window/widgets/shape_widget.h"

#include <QPainter>

#include <algorithm>

ShapeWidget::ShapeWidget(Kind kind, QWidget *parent)
    : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::setFill(const QColor &color)
{
    m_fill = color;
    update();
}

QRect ShapeWidget::circleRect() const
{
    const int side = std::min(width(), height());
    return QRect((width() - side) / 2, (height() - side) / 2, side, side);
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Drawn as outlines, not pictures, so that on a screen of several
    // device pixels per pixel the circle's edge is smoothed at the screen's
    // own resolution. The 1-pixel border runs half a pixel inside the box:
    // it then covers whole pixels at any scale, the box's outermost ones.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(m_fill ? QBrush(*m_fill) : QBrush(Qt::NoBrush));
    const QRect box = m_kind == Kind::Circle ? circleRect() : rect();
    const QRectF outline = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_kind == Kind::Circle)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
}
