#include "app/application.h"
#include "app/desktop_host.h"
#include "chart/random_draws.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app::configure();

    DesktopHost host;
    ClockSeededGenerator draws;
    Form1 form(host, draws);
    host.setParentWindow(&form);
    form.show();
    return QApplication::exec();
}
