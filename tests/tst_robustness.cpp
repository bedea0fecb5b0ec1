// Many random interface events on the real window, across whole tests, with
// the countdown delivered fast. After every event the window must still be
// in a state the program can be in: a crash, a hang, a second message box
// or a state that no candidate could reach fails the run, with the seed and
// the event that led there.

#include "support/expected.h"
#include "support/window_test.h"

#include <QWindow>

#include <random>

namespace {

constexpr int EventsPerRun = 100000;

enum class Ending { None, AllAnswered, TimeOut, Quit };

// How the candidate of one session behaves, so that every way a test ends
// comes up: one who goes through to the end, one too slow to finish, and
// one who may do anything, Quitter included.
enum class Candidate { Finisher, Slow, Anything };

} // namespace

class TestRobustness : public WindowTest
{
    Q_OBJECT

private:
    // Empty when the window is in a state the program can be in; otherwise what is wrong.
    QString inconsistency()
    {
        const Form1 &form = window();
        const int question = form.QuestionNumber;
        const bool ended = host.endRequests > 0;
        const bool onShow = !ended && question >= 1 && question <= 60;

        if (question < 0 || question > 61)
            return QStringLiteral("question number out of range");
        if (form.Score < 0 || form.Score > std::max(0, question - 1))
            return QStringLiteral("score above the screens answered");
        if (host.maxOpen > 1)
            return QStringLiteral("two message boxes open at once");
        if (host.messages.size() > 1)
            return QStringLiteral("more than one closing message: ") + host.messages.join(" | ");
        if (ended)
            return {};

        Ticks ticks{};
        for (int k = 1; k <= 3; ++k) {
            if (answerBox(k)->isEnabled() != onShow)
                return QStringLiteral("answer box %1 enabled=%2 with a question on show=%3")
                    .arg(k).arg(!onShow).arg(onShow);
            ticks[k - 1] = answerBox(k)->isChecked();
        }
        if (answersBox()->isEnabled() != onShow)
            return QStringLiteral("Réponses box enabled out of step with the question");
        if (onShow && form.ScreenResult != (ticks == answerKey() ? 1 : 0))
            return QStringLiteral("screen result does not match the ticks");
        // Running from the first press until the time is up.
        const bool started = question > 0;
        if (timer1()->isActive() != (started && form.TimeLeftMs > 0))
            return QStringLiteral("countdown running=%1 while started=%2").arg(timer1()->isActive()).arg(started);
        if (started && scoreShow()->text() != expected::scoreShown(form.Score, question - 1))
            return QStringLiteral("score shows '%1' at question %2 with score %3")
                .arg(scoreShow()->text()).arg(question).arg(form.Score);
        return {};
    }

    Ending ending(int endsBefore) const
    {
        if (host.endRequests == endsBefore)
            return Ending::None;
        if (host.messages.isEmpty())
            return Ending::Quit;
        return host.messages.first().startsWith(QStringLiteral("Il ne reste plus de temps")) ? Ending::TimeOut
                                                                                              : Ending::AllAnswered;
    }

    // The countdown comes from the test, many times faster than in a real
    // test: a tick is delivered whenever Timer1 is running, also while a
    // message box is up, where a real tick could arrive as well.
    void deliverTick()
    {
        if (timer1()->isActive())
            window().Timer1_Timer();
    }

    // A fresh window and host for the next session.
    void newSession(std::uint32_t seed)
    {
        host = {};
        seeded.seed(seed);
        makeWindow(seeded).activateWindow();
        host.whileOpen = [this] {
            // A second box is already a failure; ticking under it would only nest deeper.
            if (host.open > 1)
                return;
            for (int i = 0; i < 3; ++i)
                deliverTick();
            QCoreApplication::processEvents();
        };
    }

private slots:
    void randomEvents_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::newRow("seed 20261208") << 20261208u;
    }

    void randomEvents()
    {
        QFETCH(std::uint32_t, seed);
        std::mt19937 rng(seed);
        const auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

        int whole[4] = {0, 0, 0, 0};
        int sessions = 0;
        Candidate candidate = Candidate::Finisher;
        std::uint32_t sessionSeed = seed;
        newSession(sessionSeed);
        QVERIFY(QTest::qWaitForWindowExposed(&window()));

        const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab,
                                Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        QString lastEvent;
        for (int event = 0; event < EventsPerRun; ++event) {
            Form1 &form = window();
            const int endsBefore = host.endRequests;
            const int kind = below(100);

            if (kind < 40) {
                // Anywhere in the window, Quitter too for a candidate who may do anything.
                QPoint at;
                do {
                    at = QPoint(below(form.width()), below(form.height()));
                } while (candidate != Candidate::Anything && quitter()->geometry().contains(at));
                lastEvent = QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
                QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
            } else if (kind < 55 && candidate != Candidate::Slow) {
                // Suivant itself, often enough that whole tests run to their end.
                lastEvent = QStringLiteral("click on Suivant");
                pressSuivant();
            } else if (kind < 60 && kind >= 55) {
                lastEvent = QStringLiteral("click on Réponses");
                QTest::mouseClick(answersBox(), Qt::LeftButton);
            } else {
                Qt::Key key = keys[below(int(std::size(keys)))];
                // Only the candidate who may do anything presses Quitter from the keyboard.
                const bool onQuitter = QApplication::focusWidget() == quitter();
                if (candidate != Candidate::Anything && onQuitter && (key == Qt::Key_Space || key == Qt::Key_Return))
                    key = Qt::Key_Tab;
                lastEvent = QStringLiteral("key 0x%1").arg(int(key), 0, 16);
                QTest::keyClick(form.windowHandle(), key);
            }
            if (candidate == Candidate::Slow) {
                lastEvent += QStringLiteral(", then two ticks");
                deliverTick();
                deliverTick();
            } else if (below(4) == 0) {
                lastEvent += QStringLiteral(", then a tick");
                deliverTick();
            }

            const QString wrong = inconsistency();
            if (!wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, session seed %2, event %3 (%4): %5")
                                     .arg(seed).arg(sessionSeed).arg(event).arg(lastEvent, wrong)));

            const Ending end = ending(endsBefore);
            if (end != Ending::None) {
                ++whole[int(end)];
                candidate = static_cast<Candidate>(++sessions % 3);
                sessionSeed = sessionSeed * 69069u + 1u;
                newSession(sessionSeed);
                QVERIFY(QTest::qWaitForWindowExposed(&window()));
            }
        }

        // The run must have met every way a test ends, or it proved less than it claims.
        qInfo("whole tests: %d answered to the end, %d timed out, %d quit", whole[int(Ending::AllAnswered)],
              whole[int(Ending::TimeOut)], whole[int(Ending::Quit)]);
        QVERIFY(whole[int(Ending::AllAnswered)] > 0);
        QVERIFY(whole[int(Ending::TimeOut)] > 0);
        QVERIFY(whole[int(Ending::Quit)] > 0);
    }
};

QUOVALE_TEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
