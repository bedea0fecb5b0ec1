#include "app/platform.h"

#include <QEvent>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
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
//
// A window manager may turn the program's own resize request down, as
// weston does while it still holds the window fullscreen, and answer with
// the size it keeps. Qt then learns the native size but tells the widget
// nothing, since that size is the one last reported: so the size is looked
// at again a little later, from the native window's side too, until both
// agree with the fixed one or the tries run out.
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
            QMetaObject::invokeMethod(window, [window] { restore(*window, Retries); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static constexpr int Retries = 20;
    static constexpr int RetryMs = 250;

    static void restore(QWidget &window, int retries)
    {
        const QSize fixed = window.minimumSize();
        if (fixed != window.maximumSize())
            return;
        constexpr Qt::WindowStates imposed = Qt::WindowMaximized | Qt::WindowFullScreen;
        QWindow *native = window.windowHandle();
        if (window.windowState() & imposed)
            window.setWindowState(window.windowState() & ~imposed);
        else if (window.size() != fixed)
            window.resize(fixed);
        else if (native && native->size() != fixed)
            native->resize(fixed);
        else
            return;
        if (retries > 0)
            QTimer::singleShot(RetryMs, &window, [&window, retries] { restore(window, retries - 1); });
    }
};

} // namespace

void keepFixedSize(QWidget &window)
{
    window.installEventFilter(new FixedSizeKeeper(&window));
}
