#pragma once
// Which of Qt's window-system plugins the program runs on.

#include <QByteArray>

// The plugin list to hand Qt, given the session's QT_QPA_PLATFORM, DISPLAY
// and WAYLAND_DISPLAY; empty leaves Qt's own choice.
QByteArray platformFor(const QByteArray &requested, const QByteArray &xDisplay,
                       const QByteArray &waylandDisplay);

// Applies platformFor to this process's environment. Must run before the
// QApplication is built, which reads the choice.
void choosePlatform();

class QWidget;

// Keeps a fixed-size window at its size when the window manager imposes
// another, as a compositor's maximise or fullscreen does to X11 windows
// under XWayland whatever size hints they carry.
void keepFixedSize(QWidget &window);
