// A test run driven through the window as the candidate drives it with the
// mouse: the presses of Suivant, the answer boxes and their verdict, the
// running score, the closing message, the "Réponses" display and the ways
// out of the program. The same test by keyboard is tst_keyboard's.

#include "support/expected.h"
#include "support/window_test.h"

namespace {

Ticks complement(const Ticks &key) { return {!key[0], !key[1], !key[2]}; }

} // namespace

class TestRunTest : public WindowTest
{
    Q_OBJECT

private slots:
    void firstPressShowsQuestionOne()
    {
        window();
        QCOMPARE(suivant()->text(), QString("Commencer"));

        pressSuivant();

        QCOMPARE(suivant()->text(), QString("Suivant"));
        QVERIFY2(questionBox()->text().startsWith(" 1)\r\n\r\n   a) "), qPrintable(questionBox()->text()));
        QCOMPARE(scoreShow()->text(), expected::scoreShown(0, 0));
        for (int k = 1; k <= 3; ++k)
            QVERIFY(answerBox(k)->isEnabled() && !answerBox(k)->isChecked());
        QVERIFY(answersBox()->isEnabled());
        QVERIFY(host.messages.isEmpty());
    }

    // Only the first press starts the countdown: a candidate pressing faster
    // than once a second must not hold it back.
    void fastPressesLeaveTheCountdownRunning()
    {
        Form1 &form = window();
        pressSuivant();
        QTimer presses;
        connect(&presses, &QTimer::timeout, this, [this] { pressSuivant(); });
        presses.start(300);
        QTRY_VERIFY_WITH_TIMEOUT(form.TimeLeftMs < 840000.0f, 5000);
    }

    // The boxes clicked against the key of the screen on show; the verdict
    // counts only as a whole, for the boxes as they stand at the next press.
    void verdict_data()
    {
        QTest::addColumn<QString>("key"); // 1 where the statement is true
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("verdict");
        QTest::newRow("101: a c") << "101" << "ac" << 1;
        QTest::newRow("101: a b c") << "101" << "abc" << 0;
        QTest::newRow("101: a alone") << "101" << "a" << 0;
        QTest::newRow("101: b alone") << "101" << "b" << 0;
        QTest::newRow("101: nothing") << "101" << "" << 0;
        QTest::newRow("101: a ticked and cleared") << "101" << "aa" << 0;
        QTest::newRow("101: a b c, b cleared") << "101" << "abcb" << 1;
        QTest::newRow("111: a b c") << "111" << "abc" << 1;
        QTest::newRow("111: c b a") << "111" << "cba" << 1;
        QTest::newRow("111: a b") << "111" << "ab" << 0;
        QTest::newRow("111: a b c, c cleared") << "111" << "abcc" << 0;
    }

    void verdict()
    {
        QFETCH(QString, key);
        QFETCH(QString, clicks);
        QFETCH(int, verdict);
        Form1 &form = window();
        pressSuivant();
        for (int k = 1; k <= 3; ++k)
            form.AnswerKey(k) = key.at(k - 1) == QLatin1Char('1') ? 1 : 0;

        for (const QChar letter : clicks)
            QTest::mouseClick(answerBox(letter.unicode() - 'a' + 1), Qt::LeftButton);
        QCOMPARE(form.ScreenResult, std::int16_t(verdict));

        pressSuivant();
        QCOMPARE(scoreShow()->text(), expected::scoreShown(verdict, 1));
    }

    void scoreAfterScreens_data()
    {
        // R right, W wrong (exactly the false ones ticked), U untouched.
        QTest::addColumn<QString>("screens");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first screen right") << "R" << expected::scoreShown(1, 1);
        // The right answer of the screen before must not carry over.
        QTest::newRow("untouched after right") << "RU" << expected::scoreShown(1, 2);
        QTest::newRow("wrong then right") << "WR" << expected::scoreShown(1, 2);
        QTest::newRow("fifteen screens") << "RRRWRRRURRRRRWR" << expected::scoreShown(12, 15);
    }

    void scoreAfterScreens()
    {
        QFETCH(QString, screens);
        QFETCH(QString, shown);
        window();
        pressSuivant();
        for (const QChar screen : screens) {
            if (screen == QLatin1Char('R'))
                tickTo(answerKey());
            else if (screen == QLatin1Char('W'))
                tickTo(complement(answerKey()));
            pressSuivant();
        }
        QCOMPARE(scoreShow()->text(), shown);
    }

    // The press after the 60th screen: the time taken from the last tick,
    // the 60th screen counted, and nothing new built.
    void closingMessage_data()
    {
        QTest::addColumn<int>("minutesLeft");
        QTest::addColumn<int>("secondsLeft");
        QTest::addColumn<int>("scoreBefore");
        QTest::addColumn<bool>("lastRight");
        QTest::addColumn<QString>("message");
        QTest::newRow("2:15 left, last screen right") << 2 << 15 << 47 << true << expected::closingMessage(11, 45, 48);
        QTest::newRow("2:15 left, last screen untouched")
            << 2 << 15 << 48 << false << expected::closingMessage(11, 45, 48);
        QTest::newRow("10:00 left") << 10 << 0 << 48 << false << expected::closingMessage(3, 60, 48);
        QTest::newRow("13:59 left, all right") << 13 << 59 << 59 << true << expected::closingMessage(0, 1, 60);
        QTest::newRow("no tick yet") << 0 << 0 << 0 << false << expected::closingMessage(13, 60, 0);
    }

    void closingMessage()
    {
        QFETCH(int, minutesLeft);
        QFETCH(int, secondsLeft);
        QFETCH(int, scoreBefore);
        QFETCH(bool, lastRight);
        QFETCH(QString, message);
        Form1 &form = window();
        pressSuivant();
        form.QuestionNumber = 60;
        form.MinutesLeft = std::int16_t(minutesLeft);
        form.SecondsLeft = std::int16_t(secondsLeft);
        form.Score = std::int16_t(scoreBefore);
        if (lastRight)
            tickTo(answerKey());
        const int drawn = seeded.drawn;
        const int reseeds = seeded.reseeds;
        const QString question = questionBox()->text();

        pressSuivant();

        QCOMPARE(host.messages, QStringList{message});
        QCOMPARE(host.endRequests, 1);
        QCOMPARE(host.timerRunningAtMessage, QList<bool>{false});
        QCOMPARE(seeded.drawn, drawn);
        QCOMPARE(seeded.reseeds, reseeds);
        QCOMPARE(questionBox()->text(), question);
    }

    void correctionDisplayAcrossScreens()
    {
        window();
        pressSuivant();
        const auto checkCorrections = [this](bool shown) {
            for (int k = 1; k <= 3; ++k) {
                const QLabel *label = quest(k);
                QCOMPARE(label->isVisible(), shown);
                QCOMPARE(label->text(), QString(answerKey()[k - 1] ? "Vrai" : "Faux"));
                const QColor ink = answerKey()[k - 1] ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0x00, 0x00);
                QCOMPARE(label->palette().color(QPalette::WindowText), ink);
            }
        };
        // Hidden until asked for, but already in the colours of their captions.
        checkCorrections(false);

        QTest::mouseClick(answersBox(), Qt::LeftButton);
        checkCorrections(true);

        // Kept on over the next screens, each shown in its own colours at once.
        bool keyChanged = false;
        for (int screen = 0; screen < 8; ++screen) {
            const Ticks before = answerKey();
            pressSuivant();
            QVERIFY(answersBox()->isChecked());
            keyChanged = keyChanged || answerKey() != before;
            checkCorrections(true);
        }
        QVERIFY2(keyChanged, "no screen turned a Vrai into a Faux or back; choose another seed");

        QTest::mouseClick(answersBox(), Qt::LeftButton);
        checkCorrections(false);
        for (int screen = 0; screen < 3; ++screen) {
            pressSuivant();
            checkCorrections(false);
        }
    }

    void quitEndsAtOnce_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<bool>("closeBox");
        for (const bool closeBox : {false, true}) {
            const char *way = closeBox ? "close box" : "Quitter";
            QTest::addRow("%s before the start", way) << 0 << closeBox;
            QTest::addRow("%s during the test", way) << 5 << closeBox;
            QTest::addRow("%s on the last screen", way) << 60 << closeBox;
        }
    }

    void quitEndsAtOnce()
    {
        QFETCH(int, question);
        QFETCH(bool, closeBox);
        Form1 &form = window();
        for (int n = 1; n <= question; ++n)
            pressSuivant();
        if (question > 0) {
            // A right answer on show must not be counted by leaving.
            tickTo(answerKey());
            QCOMPARE(form.ScreenResult, std::int16_t(1));
            QVERIFY(timer1()->isActive());
        }
        const std::int16_t score = form.Score;

        if (closeBox)
            QVERIFY(form.close());
        else
            QTest::mouseClick(quitter(), Qt::LeftButton);

        QCOMPARE(host.endRequests, 1);
        QVERIFY(host.messages.isEmpty());
        QVERIFY(!timer1()->isActive());
        QCOMPARE(form.Score, score);
    }
};

QUOVALE_TEST_MAIN(TestRunTest)
#include "tst_test_run.moc"
