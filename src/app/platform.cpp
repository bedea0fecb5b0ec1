#include "app/platform.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <QtGlobal>

// Wherever an X server is at hand the window goes through it, on a Wayland
// desktop through XWayland: there the window offers only its close box and
// leaves like any X11 window. Qt's own Wayland window offers minimise and
// maximise, is ended by the compositor when maximised, and now and then
// hangs on its way out. Wayland stays second, for a session whose X server
// cannot be reached; a plugin the user names is taken as it is.
QByteArray platformFor(const QByteArray &requested, const QByteArray &xDisplay,
                       const QByteArray &waylandDisplay)
{
    if (!requested.isEmpty() || xDisplay.isEmpty())
        return {};
    return waylandDisplay.isEmpty() ? QByteArrayLiteral("xcb") : QByteArrayLiteral("xcb;wayland");
}

void choosePlatform()
{
    const QByteArray platform = platformFor(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                            qgetenv("WAYLAND_DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

namespace {

// Undoes what the window system imposed on a fixed-size window: a maximised
// or fullscreen state first, then a size other than the fixed one.
class FixedSizeKeeper final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange) {
            auto *window = static_cast<QWidget *>(watched);
            // Once the window system's own change has been handled.
            QMetaObject::invokeMethod(window, [window] { restore(*window); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void restore(QWidget &window)
    {
        const QSize fixed = window.minimumSize();
        if (fixed != window.maximumSize())
            return;
        constexpr Qt::WindowStates imposed = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (window.windowState() & imposed)
            window.setWindowState(window.windowState() & ~imposed);
        else if (window.size() != fixed)
            window.resize(fixed);
    }
};

} // namespace

void keepFixedSize(QWidget &window)
{
    window.installEventFilter(new FixedSizeKeeper(&window));
}
