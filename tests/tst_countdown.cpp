// The 14-minute countdown: what each tick takes off and shows in Temps, the
// time-out message, and the real timer that drives it.

#include "support/expected.h"
#include "support/window_test.h"

namespace {
const QString TimeOut = QStringLiteral("Il ne reste plus de temps ! Vous avez %1 bonnes réponses sur 60.");
} // namespace

class CountdownTest : public WindowTest
{
    Q_OBJECT

private slots:
    void tickShowsRemainingTime_data()
    {
        QTest::addColumn<double>("after");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("caption");

        QTest::newRow("13:59") << 839000.0 << 13 << 59 << "Temps restant 13 '  59 ''";
        QTest::newRow("13:00") << 780000.0 << 13 << 0 << "Temps restant 13 '  0 ''";
        QTest::newRow("1:05") << 65000.0 << 1 << 5 << "Temps restant 1 '  5 ''";
        QTest::newRow("0:59") << 59000.0 << 0 << 59 << "Temps restant 0 '  59 ''";
        QTest::newRow("0:00") << 0.0 << 0 << 0 << "Temps restant 0 '  0 ''";
    }

    void tickShowsRemainingTime()
    {
        QFETCH(double, after);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, caption);
        Form1 &form = window();
        pressSuivant();
        form.TimeLeftMs = static_cast<float>(after + 1000);

        tick();

        QCOMPARE(form.TimeLeftMs, static_cast<float>(after));
        QCOMPARE(form.MinutesLeft, std::int16_t(minutes));
        QCOMPARE(form.SecondsLeft, std::int16_t(seconds));
        QCOMPARE(temps()->text(), caption);
        const bool timesOut = after <= 0;
        QCOMPARE(host.messages.size(), timesOut ? 1 : 0);
        QCOMPARE(host.endRequests, timesOut ? 1 : 0);
        QCOMPARE(timer1()->isActive(), !timesOut);
    }

    void timeOutMessage_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("screenAnsweredRight");
        QTest::addColumn<QString>("message");
        QTest::newRow("score 12") << 12 << false << TimeOut.arg(" 12");
        QTest::newRow("score 0") << 0 << false << TimeOut.arg(" 0");
        // The screen on show when the time runs out does not count.
        QTest::newRow("score 12, screen on show right") << 12 << true << TimeOut.arg(" 12");
    }

    void timeOutMessage()
    {
        QFETCH(int, score);
        QFETCH(bool, screenAnsweredRight);
        QFETCH(QString, message);
        Form1 &form = window();
        pressSuivant();
        form.Score = std::int16_t(score);
        if (screenAnsweredRight) {
            tickTo(answerKey());
            QCOMPARE(form.ScreenResult, std::int16_t(1));
        }
        form.TimeLeftMs = 1000;

        tick();

        QCOMPARE(temps()->text(), QString("Temps restant 0 '  0 ''"));
        QCOMPARE(host.messages, QStringList{message});
        QCOMPARE(host.endRequests, 1);
        QCOMPARE(form.Score, std::int16_t(score));
        // Stopped before the message came up, not only after it closed.
        QCOMPARE(host.timerRunningAtMessage, QList<bool>{false});
        QVERIFY(!timer1()->isActive());
    }

    void timeOutShownOnceWhileOpen()
    {
        Form1 &form = window();
        // The candidate reads the message for longer than one period.
        host.keepOpenMs = 1300;
        pressSuivant();
        form.TimeLeftMs = 1000;

        QTRY_COMPARE_WITH_TIMEOUT(host.endRequests, 1, 5000);
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.timerRunningAtMessage, QList<bool>{false});
        QCOMPARE(form.TimeLeftMs, 0.0f);
        QVERIFY(!timer1()->isActive());
    }

    void fullCountdown()
    {
        Form1 &form = window();
        pressSuivant();
        takeOverCountdown();
        for (int t = 1; t <= 840; ++t) {
            QVERIFY2(host.messages.isEmpty(), qPrintable(QString("time-out before tick %1").arg(t)));
            tick();
            const int left = 840 - t;
            QCOMPARE(form.MinutesLeft, std::int16_t(left / 60));
            QCOMPARE(form.SecondsLeft, std::int16_t(left % 60));
        }
        QCOMPARE(form.TimeLeftMs, 0.0f);
        QCOMPARE(host.messages, QStringList{TimeOut.arg(" 0")});
        QCOMPARE(host.endRequests, 1);
    }

    // The first tick comes a second after the first press, then one a second.
    void realTimerFirstTick()
    {
        Form1 &form = window();
        pressSuivant();
        QVERIFY(timer1()->isActive());
        QCOMPARE(timer1()->interval(), 1000);

        // Long enough for many ticks of the 1 ms period, had one been left running.
        QTest::qWait(50);
        QCOMPARE(form.TimeLeftMs, 840000.0f);
        QCOMPARE(temps()->text(), expected::TimeAtStart);

        QTRY_VERIFY_WITH_TIMEOUT(form.TimeLeftMs != 840000.0f, 3000);
        QCOMPARE(form.TimeLeftMs, 839000.0f);
        QTRY_COMPARE_WITH_TIMEOUT(form.TimeLeftMs, 838000.0f, 3000);
        QCOMPARE(temps()->text(), QString("Temps restant 13 '  58 ''"));
    }

    void stoppedBeforeFirstPress()
    {
        Form1 &form = window();
        QTest::qWait(50);
        QVERIFY(!timer1()->isActive());
        QCOMPARE(form.TimeLeftMs, 840000.0f);
        QCOMPARE(temps()->text(), expected::TimeAtStart);
    }
};

QUOVALE_TEST_MAIN(CountdownTest)
#include "tst_countdown.moc"
