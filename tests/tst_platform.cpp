// Which window-system plugin the program asks Qt for, from the session's
// variables: through the X server wherever there is one, Wayland only as
// the fallback, and a plugin the user names left alone. And the window
// keeping its size when the window system imposes another.

#include "app/platform.h"
#include "support/expected.h"
#include "support/window_test.h"

#include <QScopeGuard>
#include <QWindow>

class TestPlatform : public WindowTest
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
    void appliedToTheEnvironment();
    void sizeKeptAgainstTheWindowSystem_data();
    void sizeKeptAgainstTheWindowSystem();
};

void TestPlatform::choice_data()
{
    QTest::addColumn<QByteArray>("requested");
    QTest::addColumn<QByteArray>("xDisplay");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("expected"); // empty: Qt's own choice

    QTest::newRow("Wayland desktop with XWayland") << QByteArray() << QByteArray(":0")
                                                   << QByteArray("wayland-0") << QByteArray("xcb;wayland");
    QTest::newRow("X11 desktop") << QByteArray() << QByteArray(":0") << QByteArray() << QByteArray("xcb");
    QTest::newRow("remote X display") << QByteArray() << QByteArray("host:10.0") << QByteArray()
                                      << QByteArray("xcb");
    QTest::newRow("Wayland without X server") << QByteArray() << QByteArray() << QByteArray("wayland-0")
                                              << QByteArray();
    QTest::newRow("no display at all") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("user names wayland") << QByteArray("wayland") << QByteArray(":0")
                                        << QByteArray("wayland-0") << QByteArray();
    QTest::newRow("user names offscreen") << QByteArray("offscreen") << QByteArray(":0") << QByteArray()
                                          << QByteArray();
    QTest::newRow("user names a list") << QByteArray("wayland;xcb") << QByteArray(":1")
                                       << QByteArray("wayland-1") << QByteArray();
}

void TestPlatform::choice()
{
    QFETCH(QByteArray, requested);
    QFETCH(QByteArray, xDisplay);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, expected);
    QCOMPARE(platformFor(requested, xDisplay, waylandDisplay), expected);
}

// The choice lands where Qt reads it, and an empty QT_QPA_PLATFORM counts
// as none, as it does for Qt.
void TestPlatform::appliedToTheEnvironment()
{
    const QByteArray saved[3] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
    const auto restore = qScopeGuard([&] {
        const char *names[3] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
        for (int i = 0; i < 3; ++i) {
            if (saved[i].isNull())
                qunsetenv(names[i]);
            else
                qputenv(names[i], saved[i]);
        }
    });

    qputenv("QT_QPA_PLATFORM", "");
    qputenv("DISPLAY", ":3");
    qputenv("WAYLAND_DISPLAY", "wayland-3");
    choosePlatform();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb;wayland"));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    choosePlatform();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));

    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    choosePlatform();
    QVERIFY(!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
}

void TestPlatform::sizeKeptAgainstTheWindowSystem_data()
{
    QTest::addColumn<Qt::WindowState>("state"); // Qt::WindowNoState: a plain new size
    QTest::newRow("resized") << Qt::WindowNoState;
    QTest::newRow("maximised") << Qt::WindowMaximized;
    QTest::newRow("fullscreen") << Qt::WindowFullScreen;
}

// The window system acts on the native window, past the widget's own
// limits: first shown to change a window left alone, then undone on one
// that keeps its size.
void TestPlatform::sizeKeptAgainstTheWindowSystem()
{
    QFETCH(Qt::WindowState, state);
    const QSize fixed = expected::WindowSize;
    const auto impose = [state](QWidget &form) {
        if (state == Qt::WindowNoState)
            form.windowHandle()->resize(1000, 700);
        else
            form.windowHandle()->setWindowStates(state);
    };

    Form1 &leftAlone = window();
    QVERIFY(QTest::qWaitForWindowExposed(&leftAlone));
    QCOMPARE(leftAlone.size(), fixed);
    impose(leftAlone);
    QTRY_VERIFY(leftAlone.size() != fixed);

    Form1 &kept = makeWindow(seeded);
    keepFixedSize(kept);
    QVERIFY(QTest::qWaitForWindowExposed(&kept));
    impose(kept);
    QTRY_COMPARE(kept.size(), fixed);
    QTRY_COMPARE(kept.windowHandle()->size(), fixed);
}

QUOVALE_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
