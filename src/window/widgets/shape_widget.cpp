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
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(m_fill ? QBrush(*m_fill) : QBrush(Qt::NoBrush));
    // A cosmetic pen draws to the right of and below its line, so the
    // outline of a w x h box is drawn on a (w - 1) x (h - 1) rectangle.
    const QRect box = m_kind == Kind::Circle ? circleRect() : rect();
    const QRect outline = box.adjusted(0, 0, -1, -1);
    if (m_kind == Kind::Circle)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
}
