#include "chart/random_draws.h"
#include "window/form1.h"
#include "window/host.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // One look on every desktop, whatever style the session prefers.
    QApplication::setStyle(QStringLiteral("Fusion"));

    DesktopHost host;
    ClockSeededGenerator draws;
    Form1 form(host, draws);
    host.setParentWindow(&form);
    form.show();
    return QApplication::exec();
}
