// The time from a press of Suivant to the new screen: built (chart,
// statements, coloured text), and then painted as well. Many windows of one
// whole test each, so that every press builds a screen; the median and the
// 99.9th percentile are printed.

#include "silent_host.h"

#include "app/application.h"
#include "chart/random_draws.h"
#include "window/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <vector>

namespace {

struct Figures
{
    double median;
    double p999;
    double worst;
};

Figures figures(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    auto at = [&ns](double q) { return ns[static_cast<std::size_t>(q * static_cast<double>(ns.size() - 1))] / 1e6; };
    return {at(0.5), at(0.999), ns.back() / 1e6};
}

void print(const char *what, const Figures &f, std::size_t presses)
{
    std::printf("%-34s median %.3f ms   99.9th percentile %.3f ms   worst %.3f ms   (%zu presses)\n", what,
                f.median, f.p999, f.worst, presses);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app::configure();
    // 167 whole tests: 10,020 presses. A count on the command line, for a
    // profiler run, replaces it.
    const int Windows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 167;
    constexpr int ScreensPerTest = 60;

    std::vector<qint64> built;
    std::vector<qint64> painted;
    built.reserve(Windows * ScreensPerTest);
    painted.reserve(Windows * ScreensPerTest);

    SilentHost host;
    ClockSeededGenerator draws;
    QElapsedTimer clock;
    for (int w = 0; w < Windows; ++w) {
        Form1 form(host, draws);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return 1;
        auto *suivant = form.findChild<QPushButton *>(QStringLiteral("Suivant"));
        for (int screen = 1; screen <= ScreensPerTest; ++screen) {
            clock.start();
            suivant->click();
            built.push_back(clock.nsecsElapsed());
            QCoreApplication::processEvents();
            painted.push_back(clock.nsecsElapsed());
        }
    }

    print("press of Suivant to screen built", figures(built), built.size());
    print("press of Suivant to screen painted", figures(painted), painted.size());
    return 0;
}
