// How long one press of Suivant takes to build a screen, and its parts.

#include "silent_host.h"

#include "app/application.h"
#include "chart/random_draws.h"
#include "window/form1.h"

#include <QApplication>
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app::configure();
    ScreenBench bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_screens.moc"
