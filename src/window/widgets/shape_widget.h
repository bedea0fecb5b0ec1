#pragma once
// A drawn rectangle or circle. It takes no input and no focus; it is only
// painted, with a 1-pixel border in the window-text colour.

#include <QColor>
#include <QWidget>

#include <optional>

class ShapeWidget : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Rectangle, Circle };

    ShapeWidget(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    // Solid fill inside the border; none when not set.
    void setFill(const QColor &color);
    std::optional<QColor> fill() const { return m_fill; }

    // Where the circle is drawn: a square of the box's smaller side, centred.
    QRect circleRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    std::optional<QColor> m_fill;
};
