// The 14-minute countdown: what each tick takes off and shows in Temps, the
// time-out message, and the real timer that drives it.

#include "support/test_support.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

// Records like FakeHost, and also whether the countdown was still running
// at the moment each message came up. With `keepOpenMs` the message stays
// open that long, dispatching events as the real modal box does, so that a
// countdown left running would get the chance to tick under it.
class WatchingHost final : public Host
{
public:
    void showMessage(const QString &text) override
    {
        messages.append(text);
        timerRunningAtMessage.append(timer && timer->isActive());
        if (keepOpenMs > 0) {
            QEventLoop modal;
            QTimer::singleShot(keepOpenMs, &modal, &QEventLoop::quit);
            modal.exec();
        }
    }
    void endProgram() override { ++endRequests; }

    QPointer<QTimer> timer;
    int keepOpenMs = 0;
    QStringList messages;
    QList<bool> timerRunningAtMessage;
    int endRequests = 0;
};

struct Session
{
    explicit Session(std::uint32_t seed) : draws(seed), form(host, draws)
    {
        host.timer = timer();
    }
    QTimer *timer() const { return form.findChild<QTimer *>("Timer1"); }
    QString temps() const { return control<QLabel>(form, "Temps")->text(); }
    void pressSuivant() { QTest::mouseClick(control<QPushButton>(form, "Suivant"), Qt::LeftButton); }

    WatchingHost host;
    SeededDraws draws;
    Form1 form;
};

const QString WaitingTime = QStringLiteral("Temps restant 14 ' 00 \"");

} // namespace

class CountdownTest : public QObject
{
    Q_OBJECT

private slots:
    void tickShowsRemainingTime_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<double>("after");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("timesOut");

        // The second-long ticks of a real test.
        QTest::newRow("13:59") << 1000 << 839000.0 << 13 << 59 << "Temps restant 13 '  59 ''" << false;
        QTest::newRow("13:00") << 1000 << 780000.0 << 13 << 0 << "Temps restant 13 '  0 ''" << false;
        QTest::newRow("1:05") << 1000 << 65000.0 << 1 << 5 << "Temps restant 1 '  5 ''" << false;
        QTest::newRow("0:59") << 1000 << 59000.0 << 0 << 59 << "Temps restant 0 '  59 ''" << false;
        QTest::newRow("0:00") << 1000 << 0.0 << 0 << 0 << "Temps restant 0 '  0 ''" << true;

        // A 1 ms period leaves fractions and odd milliseconds: both roundings
        // go to the nearest whole number, ties to the even one; minutes are
        // cut toward zero, and the seconds' remainder keeps their sign.
        QTest::newRow("59.5 s") << 1 << 59500.0 << 0 << 0 << "Temps restant 0 '  0 ''" << false;
        QTest::newRow("60.5 s") << 1 << 60500.0 << 1 << 0 << "Temps restant 1 '  0 ''" << false;
        QTest::newRow("61.5 s") << 1 << 61500.0 << 1 << 2 << "Temps restant 1 '  2 ''" << false;
        QTest::newRow("2.5 s") << 1 << 2500.0 << 0 << 2 << "Temps restant 0 '  2 ''" << false;
        QTest::newRow("3.5 s") << 1 << 3500.0 << 0 << 4 << "Temps restant 0 '  4 ''" << false;
        QTest::newRow("59999.5 ms") << 1 << 59999.5 << 1 << 0 << "Temps restant 1 '  0 ''" << false;
        QTest::newRow("0.5 ms") << 1 << 0.5 << 0 << 0 << "Temps restant 0 '  0 ''" << false;
        QTest::newRow("-0.5 ms") << 1 << -0.5 << 0 << 0 << "Temps restant 0 '  0 ''" << true;
        QTest::newRow("-1 s") << 1 << -1000.0 << 0 << -1 << "Temps restant 0 ' -1 ''" << true;
        QTest::newRow("-2.5 s") << 1 << -2500.0 << 0 << -2 << "Temps restant 0 ' -2 ''" << true;
        QTest::newRow("-61.5 s") << 1 << -61500.0 << -1 << -2 << "Temps restant-1 ' -2 ''" << true;
        QTest::newRow("-59999.5 ms") << 1 << -59999.5 << -1 << 0 << "Temps restant-1 '  0 ''" << true;
    }

    void tickShowsRemainingTime()
    {
        QFETCH(int, interval);
        QFETCH(double, after);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, caption);
        QFETCH(bool, timesOut);
        Session s(1);
        if (interval == 1000) {
            s.pressSuivant();
            QCOMPARE(s.timer()->interval(), 1000);
        } else {
            s.timer()->setInterval(interval);
        }

        s.form.TimeLeftMs = static_cast<float>(after + interval);
        s.form.Timer1_Timer();

        QCOMPARE(s.form.TimeLeftMs, static_cast<float>(after));
        QCOMPARE(s.form.MinutesLeft, std::int16_t(minutes));
        QCOMPARE(s.form.SecondsLeft, std::int16_t(seconds));
        QCOMPARE(s.temps(), caption);
        if (timesOut) {
            QCOMPARE(s.host.messages,
                     QStringList{"Il ne reste plus de temps ! Vous avez  0 bonnes réponses sur 60."});
            QCOMPARE(s.host.endRequests, 1);
            QVERIFY(!s.timer()->isActive());
        } else {
            QVERIFY(s.host.messages.isEmpty());
            QCOMPARE(s.host.endRequests, 0);
            QCOMPARE(s.timer()->isActive(), interval == 1000);
        }
    }

    void timeOutMessage_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("screenAnsweredRight");
        QTest::addColumn<QString>("message");
        QTest::newRow("score 12")
            << 12 << false << "Il ne reste plus de temps ! Vous avez  12 bonnes réponses sur 60.";
        QTest::newRow("score 0")
            << 0 << false << "Il ne reste plus de temps ! Vous avez  0 bonnes réponses sur 60.";
        // The screen on show when the time runs out does not count.
        QTest::newRow("score 12, screen on show right")
            << 12 << true << "Il ne reste plus de temps ! Vous avez  12 bonnes réponses sur 60.";
    }

    void timeOutMessage()
    {
        QFETCH(int, score);
        QFETCH(bool, screenAnsweredRight);
        QFETCH(QString, message);
        Session s(12);
        s.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        s.pressSuivant();
        s.form.Score = std::int16_t(score);
        if (screenAnsweredRight) {
            for (int k = 1; k <= 3; ++k)
                if (s.form.AnswerKey(k) == 1)
                    QTest::mouseClick(control<QCheckBox>(s.form, QString("cckInput%1").arg(k)), Qt::LeftButton);
            QCOMPARE(s.form.ScreenResult, std::int16_t(1));
        }
        s.form.TimeLeftMs = 1000;

        s.form.Timer1_Timer();

        QCOMPARE(s.temps(), QString("Temps restant 0 '  0 ''"));
        QCOMPARE(s.host.messages, QStringList{message});
        QCOMPARE(s.host.endRequests, 1);
        QCOMPARE(s.form.Score, std::int16_t(score));
        // Stopped before the message came up, not only after it closed.
        QCOMPARE(s.host.timerRunningAtMessage, QList<bool>{false});
        QVERIFY(!s.timer()->isActive());
    }

    void timeOutShownOnceWhileOpen()
    {
        Session s(13);
        // The candidate reads the message for longer than one period.
        s.host.keepOpenMs = 1300;
        s.pressSuivant();
        s.form.TimeLeftMs = 1000;

        QTRY_COMPARE_WITH_TIMEOUT(s.host.endRequests, 1, 5000);
        QCOMPARE(s.host.messages.size(), 1);
        QCOMPARE(s.host.timerRunningAtMessage, QList<bool>{false});
        QCOMPARE(s.form.TimeLeftMs, 0.0f);
        QCOMPARE(s.temps(), QString("Temps restant 0 '  0 ''"));
        QVERIFY(!s.timer()->isActive());
    }

    void fullCountdown()
    {
        Session s(14);
        s.pressSuivant();
        for (int tick = 1; tick <= 840; ++tick) {
            QVERIFY2(s.host.messages.isEmpty(), qPrintable(QString("time-out before tick %1").arg(tick)));
            s.form.Timer1_Timer();
            const int left = 840 - tick;
            QCOMPARE(s.form.MinutesLeft, std::int16_t(left / 60));
            QCOMPARE(s.form.SecondsLeft, std::int16_t(left % 60));
            if (tick == 60)
                QCOMPARE(s.temps(), QString("Temps restant 13 '  0 ''"));
            if (tick == 61)
                QCOMPARE(s.temps(), QString("Temps restant 12 '  59 ''"));
        }
        QCOMPARE(s.form.TimeLeftMs, 0.0f);
        QCOMPARE(s.temps(), QString("Temps restant 0 '  0 ''"));
        QCOMPARE(s.host.messages.size(), 1);
        QCOMPARE(s.host.endRequests, 1);
    }

    void realTimerFirstTick()
    {
        Session s(15);
        s.pressSuivant();
        QVERIFY(s.timer()->isActive());
        QCOMPARE(s.timer()->interval(), 1000);
        QCOMPARE(s.form.TimeLeftMs, 840000.0f);
        QCOMPARE(s.temps(), WaitingTime);

        // Long enough for many ticks of the 1 ms period, had one been left running.
        QTest::qWait(50);
        QCOMPARE(s.form.TimeLeftMs, 840000.0f);
        QCOMPARE(s.temps(), WaitingTime);

        QTRY_VERIFY_WITH_TIMEOUT(s.form.TimeLeftMs != 840000.0f, 3000);
        QCOMPARE(s.form.TimeLeftMs, 839000.0f);
        QCOMPARE(s.temps(), QString("Temps restant 13 '  59 ''"));
        QTRY_COMPARE_WITH_TIMEOUT(s.form.TimeLeftMs, 838000.0f, 3000);
        QCOMPARE(s.temps(), QString("Temps restant 13 '  58 ''"));
        QVERIFY(s.host.messages.isEmpty());
    }

    void stoppedBeforeFirstPress()
    {
        Session s(16);
        s.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        QVERIFY(!s.timer()->isActive());
        QTest::qWait(50);
        QVERIFY(!s.timer()->isActive());
        QCOMPARE(s.form.TimeLeftMs, 840000.0f);
        QCOMPARE(s.form.MinutesLeft, std::int16_t(0));
        QCOMPARE(s.form.SecondsLeft, std::int16_t(0));
        QCOMPARE(s.temps(), WaitingTime);
        QVERIFY(s.host.messages.isEmpty());
    }
};

QUOVALE_TEST_MAIN(CountdownTest)
#include "tst_countdown.moc"
