// Preloaded into a program under test by the start-up benchmark: when the
// first window is exposed and has had its first paint, it writes the
// monotonic clock to the descriptor named in QUOVALE_PROBE_FD and ends the
// process at once, so that its peak memory is the memory of a window just
// shown. The same probe goes into both programs compared.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

void report()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char *fd = std::getenv("QUOVALE_PROBE_FD");
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%lld\n",
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    if (fd && n > 0)
        (void)!write(std::atoi(fd), line, static_cast<size_t>(n));
    std::_Exit(0);
}

class ExposeWatch final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_seen) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                m_seen = true;
                // Queued: the expose handler paints the window first.
                QMetaObject::invokeMethod(qApp, &report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

void install()
{
    qApp->installEventFilter(new ExposeWatch(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
