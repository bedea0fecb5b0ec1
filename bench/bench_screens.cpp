// How long one press of Suivant takes to build a screen, and its parts.

#include "chart/random_draws.h"
#include "window/form1.h"
#include "window/host.h"

#include <QTest>

namespace {
class SilentHost final : public Host
{
public:
    void showMessage(const QString &) override {}
    void endProgram() override {}
};
} // namespace

class ScreenBench : public QObject
{
    Q_OBJECT
private slots:
    void chartMake()
    {
        SilentHost host;
        ClockSeededGenerator draws;
        Form1 form(host, draws);
        QBENCHMARK { form.ChartMake(); }
    }
    void chartAndQuestion()
    {
        SilentHost host;
        ClockSeededGenerator draws;
        Form1 form(host, draws);
        form.QuestionNumber = 1;
        QBENCHMARK {
            form.ChartMake();
            form.QuestionMake();
        }
    }
};

QTEST_MAIN(ScreenBench)
#include "bench_screens.moc"
