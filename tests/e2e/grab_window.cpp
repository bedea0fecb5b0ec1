// Saves a picture of one X window, given by its id, as PNG: its client
// area as the candidate sees it on the screen, or a part of it.
//   e2e_grab_window WINDOW-ID OUT.png [X Y WIDTH HEIGHT]
// The id is decimal or 0x hex.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // The picture must come from the X server that shows the window,
    // whatever platform the calling environment asks for.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3 && argc != 7) {
        err << "usage: e2e_grab_window WINDOW-ID OUT.png [X Y WIDTH HEIGHT]\n";
        return 2;
    }
    bool ok = false;
    const WId id = QString::fromLocal8Bit(argv[1]).toULongLong(&ok, 0);
    if (!ok) {
        err << "not a window id: " << argv[1] << "\n";
        return 2;
    }
    int part[4] = {0, 0, -1, -1};
    for (int i = 0; argc == 7 && i < 4; ++i) {
        part[i] = QString::fromLocal8Bit(argv[3 + i]).toInt(&ok);
        if (!ok) {
            err << "not a number: " << argv[3 + i] << "\n";
            return 2;
        }
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPixmap picture = screen ? screen->grabWindow(id, part[0], part[1], part[2], part[3]) : QPixmap();
    if (picture.isNull()) {
        err << "could not grab window " << argv[1] << "\n";
        return 1;
    }
    if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        err << "could not write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
