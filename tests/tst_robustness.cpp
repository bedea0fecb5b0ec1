// Many random interface events on the real window, across whole tests, with
// the countdown delivered fast. After every event the test state must still
// make sense: a crash, a hang, a second message box or a state that no
// candidate could reach fails the run, with the seed and the event that
// led there.

#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

namespace {

constexpr int EventsPerRun = 100000;

// Behaves like the real message box: the event loop, and so the countdown,
// goes on while it is up. It counts how many are open at once.
class ModalHost final : public Host
{
public:
    void showMessage(const QString &text) override
    {
        ++open;
        maxOpen = std::max(maxOpen, open);
        messages.append(text);
        if (whileOpen)
            whileOpen();
        --open;
    }
    void endProgram() override { ++endRequests; }

    std::function<void()> whileOpen;
    QStringList messages;
    int open = 0;
    int maxOpen = 0;
    int endRequests = 0;
};

enum class Ending { None, AllAnswered, TimeOut, Quit };

// How the candidate of one session behaves, so that every way a test ends
// comes up: one who goes through to the end, one too slow to finish, and
// one who may do anything, Quitter included.
enum class Candidate { Finisher, Slow, Anything };

struct Session
{
    explicit Session(std::uint32_t seed) : draws(seed), form(host, draws)
    {
        timer = form.findChild<QTimer *>("Timer1");
        form.show();
        form.activateWindow();
    }
    ModalHost host;
    SeededDraws draws;
    Form1 form;
    QTimer *timer = nullptr;
};

QString describe(const Form1 &form)
{
    return QStringLiteral("QuestionNumber=%1 Score=%2 ScreenResult=%3 TimeLeftMs=%4")
        .arg(form.QuestionNumber)
        .arg(form.Score)
        .arg(form.ScreenResult)
        .arg(static_cast<double>(form.TimeLeftMs));
}

// Empty when the window is in a state the program can be in; otherwise what is wrong.
QString inconsistency(const Session &s)
{
    const Form1 &form = s.form;
    const bool ended = s.host.endRequests > 0;
    const bool onShow = !ended && form.QuestionNumber >= 1 && form.QuestionNumber <= 60;

    if (form.QuestionNumber < 0 || form.QuestionNumber > 61)
        return QStringLiteral("question number out of range");
    if (form.Score < 0 || form.Score > std::max(0, form.QuestionNumber - 1))
        return QStringLiteral("score above the screens answered");
    if (s.host.maxOpen > 1)
        return QStringLiteral("two message boxes open at once");
    if (s.host.messages.size() > 1)
        return QStringLiteral("more than one closing message: ") + s.host.messages.join(" | ");
    if (ended)
        return {};

    for (int k = 1; k <= 3; ++k)
        if (control<QCheckBox>(form, QString("cckInput%1").arg(k))->isEnabled() != onShow)
            return QStringLiteral("answer box %1 enabled=%2 with a question on show=%3")
                .arg(k).arg(!onShow).arg(onShow);
    if (control<QCheckBox>(form, "cckAnswers")->isEnabled() != onShow)
        return QStringLiteral("Réponses box enabled out of step with the question");
    if (onShow && form.ScreenResult != form.Correction())
        return QStringLiteral("screen result does not match the ticks");
    const bool started = form.FirstStart == TruthFalse;
    if (s.timer->isActive() != (started && form.TimeLeftMs > 0))
        return QStringLiteral("countdown running=%1 while started=%2").arg(s.timer->isActive()).arg(started);
    if (started) {
        const QString expected = QStringLiteral("Score :") + num(form.Score) + QStringLiteral(" / ")
            + num(form.QuestionNumber - 1);
        const QString shown = control<QLabel>(form, "ScoreShow")->text();
        if (shown != expected)
            return QStringLiteral("score shows '%1', expected '%2'").arg(shown, expected);
    }
    return {};
}

Ending endingOf(const Session &s, int endsBefore)
{
    if (s.host.endRequests == endsBefore)
        return Ending::None;
    if (s.host.messages.isEmpty())
        return Ending::Quit;
    return s.host.messages.first().startsWith(QStringLiteral("Il ne reste plus de temps")) ? Ending::TimeOut
                                                                                            : Ending::AllAnswered;
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    void randomEvents_data();
    void randomEvents();
};

void TestRobustness::randomEvents_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    QTest::newRow("seed 20261208") << 20261208u;
}

void TestRobustness::randomEvents()
{
    QFETCH(std::uint32_t, seed);
    std::mt19937 rng(seed);
    auto chance = [&rng](int outOf) { return std::uniform_int_distribution<int>(0, outOf - 1)(rng) == 0; };

    int whole[4] = {0, 0, 0, 0};
    int sessions = 0;
    Candidate candidate = Candidate::Finisher;
    std::uint32_t sessionSeed = seed;
    auto session = std::make_unique<Session>(sessionSeed);
    QVERIFY(QTest::qWaitForWindowExposed(&session->form));

    // The countdown comes from the test, many times faster than in a real
    // test: a tick is delivered whenever Timer1 is running, also while a
    // message box is up, where a real tick could arrive as well.
    auto deliverTick = [&session] {
        if (session->timer->isActive())
            session->form.Timer1_Timer();
    };
    auto armHost = [&] {
        session->host.whileOpen = [&] {
            // A second box is already a failure; ticking under it would only nest deeper.
            if (session->host.open > 1)
                return;
            for (int i = 0; i < 3; ++i)
                deliverTick();
            QCoreApplication::processEvents();
        };
    };
    armHost();

    const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab,
                            Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    QString lastEvent;
    for (int event = 0; event < EventsPerRun; ++event) {
        Form1 &form = session->form;
        QWindow *window = form.windowHandle();
        const int endsBefore = session->host.endRequests;
        const int kind = std::uniform_int_distribution<int>(0, 99)(rng);

        if (kind < 40) {
            // Anywhere in the window, Quitter too for a candidate who may do anything.
            const QRect quitter = control<QPushButton>(form, "Quitter")->geometry();
            QPoint at;
            do {
                at = QPoint(std::uniform_int_distribution<int>(0, form.width() - 1)(rng),
                            std::uniform_int_distribution<int>(0, form.height() - 1)(rng));
            } while (candidate != Candidate::Anything && quitter.contains(at));
            lastEvent = QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
        } else if (kind < 55 && candidate != Candidate::Slow) {
            // Suivant itself, often enough that whole tests run to their end.
            lastEvent = QStringLiteral("click on Suivant");
            QTest::mouseClick(control<QPushButton>(form, "Suivant"), Qt::LeftButton);
        } else if (kind < 60 && kind >= 55) {
            lastEvent = QStringLiteral("click on Réponses");
            QTest::mouseClick(control<QCheckBox>(form, "cckAnswers"), Qt::LeftButton);
        } else {
            Qt::Key key = keys[std::uniform_int_distribution<int>(0, std::size(keys) - 1)(rng)];
            // Only the candidate who may do anything presses Quitter from the keyboard.
            const bool onQuitter = QApplication::focusWidget() == control<QPushButton>(form, "Quitter");
            if (candidate != Candidate::Anything && onQuitter && (key == Qt::Key_Space || key == Qt::Key_Return))
                key = Qt::Key_Tab;
            lastEvent = QStringLiteral("key 0x%1").arg(int(key), 0, 16);
            QTest::keyClick(window, key);
        }
        if (candidate == Candidate::Slow) {
            lastEvent += QStringLiteral(", then two ticks");
            deliverTick();
            deliverTick();
        } else if (chance(4)) {
            lastEvent += QStringLiteral(", then a tick");
            deliverTick();
        }

        const QString wrong = inconsistency(*session);
        if (!wrong.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, session seed %2, event %3 (%4): %5; %6")
                                 .arg(seed).arg(sessionSeed).arg(event).arg(lastEvent, wrong, describe(form))));

        const Ending ending = endingOf(*session, endsBefore);
        if (ending != Ending::None) {
            ++whole[int(ending)];
            candidate = static_cast<Candidate>(++sessions % 3);
            sessionSeed = sessionSeed * 69069u + 1u;
            session = std::make_unique<Session>(sessionSeed);
            QVERIFY(QTest::qWaitForWindowExposed(&session->form));
            armHost();
        }
    }

    // The run must have met every way a test ends, or it proved less than it claims.
    qInfo("whole tests: %d answered to the end, %d timed out, %d quit", whole[int(Ending::AllAnswered)],
          whole[int(Ending::TimeOut)], whole[int(Ending::Quit)]);
    QVERIFY(whole[int(Ending::AllAnswered)] > 0);
    QVERIFY(whole[int(Ending::TimeOut)] > 0);
    QVERIFY(whole[int(Ending::Quit)] > 0);
}

QUOVALE_TEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
