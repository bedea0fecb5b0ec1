#include "app/platform.h"
#include "chart/random_draws.h"
#include "window/fonts.h"
#include "window/form1.h"
#include "window/host.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    choosePlatform();
    QApplication app(argc, argv);
    // Ties the window to its menu entry and icon, on Wayland above all.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUOVALE_APP_ID));
    // One look on every desktop, whatever style the session prefers.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The window's own font for everything, its message boxes included:
    // the desktop's default face would otherwise be loaded for nothing.
    QApplication::setFont(fonts::make(fonts::SansSerif, 8.25, false));

    DesktopHost host;
    ClockSeededGenerator draws;
    Form1 form(host, draws);
    host.setParentWindow(&form);
    keepFixedSize(form);
    form.show();
    return QApplication::exec();
}
