#include "app/application.h"
#include "app/desktop_host.h"
#include "app/platform.h"
#include "chart/random_draws.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    choosePlatform();
    // The test takes no command line. Qt is given the program's name alone,
    // so that none of its own options (-stylesheet, -reverse, ...) can
    // change the window a candidate sees.
    int qtArgc = argc > 0 ? 1 : 0;
    char *qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(qtArgc, qtArgv);
    app::configure();

    DesktopHost host;
    ClockSeededGenerator draws;
    Form1 form(host, draws);
    host.setParentWindow(&form);
    keepFixedSize(form);
    form.show();
    return QApplication::exec();
}
