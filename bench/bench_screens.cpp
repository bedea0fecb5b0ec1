// How long one press of Suivant takes to build a screen, and its parts.

#include "silent_host.h"

#include "chart/random_draws.h"
#include "window/form1.h"

#include <QTest>

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
