// What a screen reader tells of the window. Labels, buttons and check boxes
// already speak their own text; this adds what the eye takes from the
// layout: where each dial stands, which statement a correction belongs to,
// and what the question box and the picture are. The statement each answer
// box answers is given to it as each question is made.

#include "window/form1.h"
#include "window/widgets/rich_text_box.h"
#include "window/widgets/shape_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QLabel>

namespace {

// The dials' places in the triangle, by dial number.
const char *const DialPlaces[] = {
    "en haut", "au milieu à gauche", "au milieu à droite",
    "en bas à gauche", "en bas au centre", "en bas à droite",
};

// The window as a screen reader walks it: the frames and the circles only
// outline what the labels already say, so they are left out.
class FormAccessible final : public QAccessibleWidget
{
public:
    explicit FormAccessible(QWidget *form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shown().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList children = shown();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(shown().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QWidgetList shown() const
    {
        QWidgetList children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !qobject_cast<ShapeWidget *>(child))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Form1") && object->isWidgetType())
        return new FormAccessible(static_cast<QWidget *>(object));
    // A drawn outline, should anything ask for it on its own.
    if (className == QLatin1String("ShapeWidget") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void Form1::installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void Form1::describeControls()
{
    rtfAnswer->setAccessibleName(QStringLiteral("Question"));
    Image1->setAccessibleName(QStringLiteral("Logo Test Quovale"));
    for (int i = 1; i <= 6; ++i) {
        const QString place = QString::fromUtf8(DialPlaces[i - 1]);
        Param(i)->setAccessibleDescription(QStringLiteral("cadran ") + place);
        Valu(i)->setAccessibleDescription(QStringLiteral("niveau du cadran ") + place);
    }
    for (int k = 1; k <= 3; ++k)
        Quest(k)->setAccessibleDescription(QStringLiteral("correction de ") + cckInput(k)->text());
}

void Form1::describeStatements()
{
    // A screen reader tells each answer box's statement along with its name.
    for (int k = 1; k <= 3; ++k)
        cckInput(k)->setAccessibleDescription(Statements(k));
}
