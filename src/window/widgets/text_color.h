#pragma once
// A label's text colour, read and set the way the window's procedures speak
// of it: the foreground of the label.

#include <QColor>
#include <QPalette>
#include <QWidget>

inline QColor textColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

inline void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
