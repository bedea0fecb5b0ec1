// A test run driven through the window as the candidate drives it: the
// presses of Suivant, the answer boxes, the "Réponses" display, the closing
// message and the ways out of the program.

#include "support/test_support.h"
#include "window/widgets/rich_text_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace {

using Ticks = std::array<bool, 3>;

// Records like FakeHost, and also whether the countdown was still running
// at the moment each message came up.
class WatchingHost final : public Host
{
public:
    void showMessage(const QString &text) override
    {
        messages.append(text);
        timerRunningAtMessage.append(timer && timer->isActive());
    }
    void endProgram() override { ++endRequests; }

    QPointer<QTimer> timer;
    QStringList messages;
    QList<bool> timerRunningAtMessage;
    int endRequests = 0;
};

// The window on screen, as the candidate gets it after start.
struct Session
{
    explicit Session(std::uint32_t seed) : draws(seed), form(host, draws)
    {
        host.timer = form.findChild<QTimer *>("Timer1");
        form.show();
    }
    WatchingHost host;
    SeededDraws draws;
    Form1 form;
};

QCheckBox *answerBox(const Form1 &form, int k) { return control<QCheckBox>(form, QString("cckInput%1").arg(k)); }
QLabel *correction(const Form1 &form, int k) { return control<QLabel>(form, QString("Quest%1").arg(k)); }
QPushButton *button(const Form1 &form, const QString &name) { return control<QPushButton>(form, name); }
QLabel *label(const Form1 &form, const QString &name) { return control<QLabel>(form, name); }
QString questionText(const Form1 &form) { return control<RichTextBox>(form, "rtfAnswer")->text(); }
QTimer *countdown(const Form1 &form) { return form.findChild<QTimer *>("Timer1"); }

// Clicks every answer box whose tick differs from the one wanted.
void tickTo(Form1 &form, const Ticks &wanted)
{
    for (int k = 1; k <= 3; ++k)
        if (answerBox(form, k)->isChecked() != wanted[k - 1])
            QTest::mouseClick(answerBox(form, k), Qt::LeftButton);
}

void showCorrections(Form1 &form)
{
    QCheckBox *answers = control<QCheckBox>(form, "cckAnswers");
    if (!answers->isChecked())
        QTest::mouseClick(answers, Qt::LeftButton);
}

// The verdicts as the correction display shows them: true for "Vrai".
// False when the display is not on or a caption is neither word.
bool readCorrections(const Form1 &form, Ticks &key)
{
    for (int k = 1; k <= 3; ++k) {
        const QLabel *quest = correction(form, k);
        if (!quest->isVisible())
            return false;
        if (quest->text() == QLatin1String("Vrai"))
            key[k - 1] = true;
        else if (quest->text() == QLatin1String("Faux"))
            key[k - 1] = false;
        else
            return false;
    }
    return true;
}

Ticks complement(const Ticks &key) { return {!key[0], !key[1], !key[2]}; }
bool allTrue(const Ticks &key) { return key[0] && key[1] && key[2]; }

int firstIndexOf(const Ticks &key, bool value)
{
    for (int k = 1; k <= 3; ++k)
        if (key[k - 1] == value)
            return k;
    return 0;
}

QColor inkFor(const QString &caption)
{
    return caption == QLatin1String("Vrai") ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0x00, 0x00);
}

// How a screen gets answered.
enum Answer {
    Exact,               // exactly the true statements ticked
    ExtraFalse,          // and one false one as well
    MissingTrue,         // one true one left clear
    Nothing,             // no box touched
    Complement,          // exactly the false ones ticked
    AllThree,            // every box ticked
    DetourBackToExact,   // all three ticked, then the false ones cleared again
    DetourAwayFromExact, // right, then a false one ticked and cleared, then a true one cleared
};

bool needsFalseStatement(Answer answer)
{
    return answer == ExtraFalse || answer == AllThree || answer == DetourBackToExact
        || answer == DetourAwayFromExact;
}

void answerScreen(Form1 &form, const Ticks &key, Answer answer)
{
    switch (answer) {
    case Exact:
        tickTo(form, key);
        break;
    case ExtraFalse:
        tickTo(form, key);
        QTest::mouseClick(answerBox(form, firstIndexOf(key, false)), Qt::LeftButton);
        break;
    case MissingTrue:
        tickTo(form, key);
        QTest::mouseClick(answerBox(form, firstIndexOf(key, true)), Qt::LeftButton);
        break;
    case Nothing:
        break;
    case Complement:
        tickTo(form, complement(key));
        break;
    case AllThree:
        tickTo(form, {true, true, true});
        break;
    case DetourBackToExact:
        tickTo(form, {true, true, true});
        tickTo(form, key);
        break;
    case DetourAwayFromExact: {
        tickTo(form, key);
        QCheckBox *falseOne = answerBox(form, firstIndexOf(key, false));
        QTest::mouseClick(falseOne, Qt::LeftButton);
        QTest::mouseClick(falseOne, Qt::LeftButton);
        QTest::mouseClick(answerBox(form, firstIndexOf(key, true)), Qt::LeftButton);
        break;
    }
    }
}

} // namespace

class TestRunTest : public QObject
{
    Q_OBJECT

private slots:
    void firstPressStartsTest()
    {
        Session s(31);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        QLabel *temps = label(s.form, "Temps");
        const QString waitingTime = temps->text();
        QCOMPARE(button(s.form, "Suivant")->text(), QString("Commencer"));

        pressSuivant(s.form);

        QCOMPARE(button(s.form, "Suivant")->text(), QString("Suivant"));
        QCOMPARE(s.form.QuestionNumber, std::int16_t(1));
        QVERIFY2(questionText(s.form).startsWith(" 1)\r\n\r\n   a) "), qPrintable(questionText(s.form)));
        QCOMPARE(label(s.form, "ScoreShow")->text(), QString("Score : 0 /  0"));
        QCOMPARE(s.form.Score, std::int16_t(0));
        for (int k = 1; k <= 3; ++k)
            QVERIFY(answerBox(s.form, k)->isEnabled());
        QVERIFY(control<QCheckBox>(s.form, "cckAnswers")->isEnabled());

        // The countdown runs, but its first tick is a second away.
        QTimer *timer = countdown(s.form);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(temps->text(), waitingTime);
        QTRY_COMPARE_WITH_TIMEOUT(temps->text(), QString("Temps restant 13 '  59 ''"), 3000);
        QVERIFY(s.host.messages.isEmpty());
    }

    void screenScoring_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("added");
        QTest::newRow("exactly the true ones") << int(Exact) << 1;
        QTest::newRow("one extra tick") << int(ExtraFalse) << 0;
        QTest::newRow("one missing tick") << int(MissingTrue) << 0;
        QTest::newRow("untouched") << int(Nothing) << 0;
        QTest::newRow("exactly the false ones") << int(Complement) << 0;
        QTest::newRow("all three ticked") << int(AllThree) << 0;
        QTest::newRow("ticked and cleared back to right") << int(DetourBackToExact) << 1;
        QTest::newRow("ticked and cleared away from right") << int(DetourAwayFromExact) << 0;
    }

    void screenScoring()
    {
        QFETCH(int, answer);
        QFETCH(int, added);
        Session s(97);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        pressSuivant(s.form);
        showCorrections(s.form);

        // Some answers need a screen with a false statement: skip the others untouched.
        Ticks key{};
        QVERIFY(readCorrections(s.form, key));
        while (needsFalseStatement(Answer(answer)) && allTrue(key) && s.form.QuestionNumber < 50) {
            pressSuivant(s.form);
            QVERIFY(readCorrections(s.form, key));
        }
        QVERIFY(!needsFalseStatement(Answer(answer)) || !allTrue(key));
        QCOMPARE(s.form.Score, std::int16_t(0));

        answerScreen(s.form, key, Answer(answer));
        QCOMPARE(s.form.ScreenResult, std::int16_t(added));
        pressSuivant(s.form);
        QCOMPARE(s.form.Score, std::int16_t(added));
    }

    void verdictAgainstKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("verdict");
        QTest::newRow("101: a c") << "101" << "ac" << 1;
        QTest::newRow("101: a b c") << "101" << "abc" << 0;
        QTest::newRow("101: a alone") << "101" << "a" << 0;
        QTest::newRow("101: nothing") << "101" << "" << 0;
        QTest::newRow("101: a ticked and cleared") << "101" << "aa" << 0;
        QTest::newRow("101: a b c, b cleared") << "101" << "abcb" << 1;
        QTest::newRow("111: a b c") << "111" << "abc" << 1;
        QTest::newRow("111: c b a") << "111" << "cba" << 1;
        QTest::newRow("111: a b") << "111" << "ab" << 0;
        QTest::newRow("111: a b c, c cleared") << "111" << "abcc" << 0;
    }

    void verdictAgainstKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, clicks);
        QFETCH(int, verdict);
        Session s(5);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        pressSuivant(s.form);
        for (int k = 1; k <= 3; ++k)
            s.form.AnswerKey(k) = key.at(k - 1) == QLatin1Char('1') ? 1 : 0;
        for (const QChar letter : clicks)
            QTest::mouseClick(answerBox(s.form, letter.unicode() - 'a' + 1), Qt::LeftButton);
        QCOMPARE(s.form.ScreenResult, std::int16_t(verdict));
    }

    void scoreShowAfterPresses_data()
    {
        // R right, W wrong (exactly the false ones ticked), U untouched.
        QTest::addColumn<QString>("screens");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first screen right") << "R" << "Score : 1 /  1";
        QTest::newRow("first screen wrong") << "W" << "Score : 0 /  1";
        QTest::newRow("first screen untouched") << "U" << "Score : 0 /  1";
        QTest::newRow("untouched after right") << "RU" << "Score : 1 /  2";
        QTest::newRow("wrong then right") << "WR" << "Score : 1 /  2";
        QTest::newRow("fifteen screens") << "RRRWRRRURRRRRWR" << "Score : 12 /  15";
    }

    void scoreShowAfterPresses()
    {
        QFETCH(QString, screens);
        QFETCH(QString, shown);
        Session s(123);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        pressSuivant(s.form);
        showCorrections(s.form);
        for (const QChar screen : screens) {
            Ticks key{};
            QVERIFY(readCorrections(s.form, key));
            if (screen == QLatin1Char('R'))
                tickTo(s.form, key);
            else if (screen == QLatin1Char('W'))
                tickTo(s.form, complement(key));
            pressSuivant(s.form);
        }
        QCOMPARE(label(s.form, "ScoreShow")->text(), shown);
    }

    void everyPressClearsBoxesAndKeepsFocus()
    {
        Session s(8);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        s.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.form));
        QPushButton *suivant = button(s.form, "Suivant");
        QCOMPARE(QApplication::focusWidget(), suivant);

        for (int n = 1; n <= 12; ++n) {
            if (n % 2 == 1) {
                // The space bar goes to whatever has the focus.
                QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Space);
            } else {
                tickTo(s.form, {true, true, true});
                QTest::mouseClick(suivant, Qt::LeftButton);
            }
            QCOMPARE(s.form.QuestionNumber, std::int16_t(n));
            QVERIFY2(questionText(s.form).startsWith(QString(" %1)").arg(n)), qPrintable(questionText(s.form)));
            for (int k = 1; k <= 3; ++k) {
                QVERIFY(!answerBox(s.form, k)->isChecked());
                QVERIFY(answerBox(s.form, k)->isEnabled());
            }
            QCOMPARE(s.form.ScreenResult, std::int16_t(0));
            QCOMPARE(QApplication::focusWidget(), suivant);
        }
    }

    void wholeTest_data()
    {
        // R every screen right, W every screen wrong, A right on even screens only.
        QTest::addColumn<QChar>("mode");
        QTest::addColumn<QString>("shownBeforeLast");
        QTest::addColumn<QString>("ending");
        QTest::newRow("all right") << QChar('R') << "Score : 59 /  59" << "Vous avez  60 réponses justes";
        QTest::newRow("all wrong") << QChar('W') << "Score : 0 /  59" << "Vous avez  0 réponses justes";
        QTest::newRow("every other") << QChar('A') << "Score : 29 /  59" << "Vous avez  30 réponses justes";
    }

    void wholeTest()
    {
        QFETCH(QChar, mode);
        QFETCH(QString, shownBeforeLast);
        QFETCH(QString, ending);
        Session s(60);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        pressSuivant(s.form);
        showCorrections(s.form);

        for (int n = 1; n <= 60; ++n) {
            QCOMPARE(s.form.QuestionNumber, std::int16_t(n));
            Ticks key{};
            QVERIFY(readCorrections(s.form, key));
            for (int k = 1; k <= 3; ++k)
                QCOMPARE(s.form.AnswerKey(k), std::int16_t(key[k - 1] ? 1 : 0));
            const bool right = mode == QLatin1Char('R') || (mode == QLatin1Char('A') && n % 2 == 0);
            tickTo(s.form, right ? key : complement(key));
            if (n < 60)
                pressSuivant(s.form);
        }
        QVERIFY(questionText(s.form).startsWith(" 60)\r\n\r\n"));
        QCOMPARE(label(s.form, "ScoreShow")->text(), shownBeforeLast);
        QVERIFY(s.host.messages.isEmpty());
        QVERIFY(countdown(s.form)->isActive());

        // The press after the 60th screen ends the test and builds nothing.
        const int drawn = s.draws.drawn;
        const int reseeds = s.draws.reseeds;
        const QString question = questionText(s.form);
        QStringList dials;
        for (int i = 1; i <= 6; ++i)
            dials << label(s.form, QString("Param%1").arg(i))->text()
                  << label(s.form, QString("Valu%1").arg(i))->text();
        pressSuivant(s.form);

        QCOMPARE(s.host.messages.size(), 1);
        const QString message = s.host.messages.first();
        QVERIFY2(message.startsWith("Vous avez répondu toutes les questions en"), qPrintable(message));
        QVERIFY2(message.endsWith("\r\n" + ending), qPrintable(message));
        QCOMPARE(s.host.endRequests, 1);
        QCOMPARE(s.host.timerRunningAtMessage, QList<bool>{false});
        QVERIFY(!countdown(s.form)->isActive());
        QCOMPARE(s.draws.drawn, drawn);
        QCOMPARE(s.draws.reseeds, reseeds);
        QCOMPARE(questionText(s.form), question);
        QStringList dialsAfter;
        for (int i = 1; i <= 6; ++i)
            dialsAfter << label(s.form, QString("Param%1").arg(i))->text()
                       << label(s.form, QString("Valu%1").arg(i))->text();
        QCOMPARE(dialsAfter, dials);
        QCOMPARE(label(s.form, "ScoreShow")->text(), shownBeforeLast);
    }

    void closingMessage_data()
    {
        QTest::addColumn<int>("minutesLeft");
        QTest::addColumn<int>("secondsLeft");
        QTest::addColumn<int>("scoreBefore");
        QTest::addColumn<bool>("lastRight");
        QTest::addColumn<QString>("message");
        const QString first = QStringLiteral("Vous avez répondu toutes les questions en");
        QTest::newRow("2:15 left, last screen right")
            << 2 << 15 << 47 << true
            << first + " 11 minute(s) et  45 seconde(s)\r\nVous avez  48 réponses justes";
        QTest::newRow("2:15 left, last screen untouched")
            << 2 << 15 << 48 << false
            << first + " 11 minute(s) et  45 seconde(s)\r\nVous avez  48 réponses justes";
        QTest::newRow("10:00 left")
            << 10 << 0 << 48 << false
            << first + " 3 minute(s) et  60 seconde(s)\r\nVous avez  48 réponses justes";
        QTest::newRow("13:59 left, all right")
            << 13 << 59 << 59 << true
            << first + " 0 minute(s) et  1 seconde(s)\r\nVous avez  60 réponses justes";
        QTest::newRow("no tick yet")
            << 0 << 0 << 0 << false
            << first + " 13 minute(s) et  60 seconde(s)\r\nVous avez  0 réponses justes";
    }

    void closingMessage()
    {
        QFETCH(int, minutesLeft);
        QFETCH(int, secondsLeft);
        QFETCH(int, scoreBefore);
        QFETCH(bool, lastRight);
        QFETCH(QString, message);
        Session s(48);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        pressSuivant(s.form);
        s.form.QuestionNumber = 60;
        s.form.MinutesLeft = std::int16_t(minutesLeft);
        s.form.SecondsLeft = std::int16_t(secondsLeft);
        s.form.Score = std::int16_t(scoreBefore);
        if (lastRight) {
            showCorrections(s.form);
            Ticks key{};
            QVERIFY(readCorrections(s.form, key));
            tickTo(s.form, key);
        }

        pressSuivant(s.form);

        QCOMPARE(s.host.messages, QStringList{message});
        QCOMPARE(s.host.endRequests, 1);
        QCOMPARE(s.host.timerRunningAtMessage, QList<bool>{false});
        QVERIFY(!countdown(s.form)->isActive());
    }

    void correctionDisplayAcrossScreens()
    {
        Session s(77);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        pressSuivant(s.form);
        const auto checkColours = [&s] {
            for (int k = 1; k <= 3; ++k) {
                const QLabel *quest = correction(s.form, k);
                QVERIFY2(quest->text() == "Vrai" || quest->text() == "Faux", qPrintable(quest->text()));
                QCOMPARE(quest->palette().color(QPalette::WindowText), inkFor(quest->text()));
            }
        };
        // Hidden until asked for, but already in the colours of their captions.
        for (int k = 1; k <= 3; ++k)
            QVERIFY(!correction(s.form, k)->isVisible());
        checkColours();

        QCheckBox *answers = control<QCheckBox>(s.form, "cckAnswers");
        QTest::mouseClick(answers, Qt::LeftButton);
        QVERIFY(answers->isChecked());
        for (int k = 1; k <= 3; ++k)
            QVERIFY(correction(s.form, k)->isVisible());
        checkColours();

        // Kept on over the next screens, each shown in its own colours at once.
        bool captionChanged = false;
        for (int screen = 0; screen < 8; ++screen) {
            QStringList before;
            for (int k = 1; k <= 3; ++k)
                before << correction(s.form, k)->text();
            pressSuivant(s.form);
            QVERIFY(answers->isChecked());
            for (int k = 1; k <= 3; ++k) {
                QVERIFY(correction(s.form, k)->isVisible());
                captionChanged = captionChanged || correction(s.form, k)->text() != before.at(k - 1);
            }
            checkColours();
        }
        QVERIFY2(captionChanged, "no screen turned a Vrai into a Faux or back; choose another seed");

        QTest::mouseClick(answers, Qt::LeftButton);
        QVERIFY(!answers->isChecked());
        for (int k = 1; k <= 3; ++k)
            QVERIFY(!correction(s.form, k)->isVisible());
        for (int screen = 0; screen < 3; ++screen) {
            pressSuivant(s.form);
            for (int k = 1; k <= 3; ++k)
                QVERIFY(!correction(s.form, k)->isVisible());
            checkColours();
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
        Session s(3);
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        for (int n = 1; n <= question; ++n)
            pressSuivant(s.form);
        QCOMPARE(s.form.QuestionNumber, std::int16_t(question));
        if (question > 0) {
            // A right answer on show must not be counted by leaving.
            showCorrections(s.form);
            Ticks key{};
            QVERIFY(readCorrections(s.form, key));
            tickTo(s.form, key);
            QCOMPARE(s.form.ScreenResult, std::int16_t(1));
            QVERIFY(countdown(s.form)->isActive());
        }
        const std::int16_t score = s.form.Score;

        if (closeBox)
            s.form.close();
        else
            QTest::mouseClick(button(s.form, "Quitter"), Qt::LeftButton);

        QCOMPARE(s.host.endRequests, 1);
        QVERIFY(s.host.messages.isEmpty());
        QVERIFY(!countdown(s.form)->isActive());
        QCOMPARE(s.form.Score, score);
    }
};

QUOVALE_TEST_MAIN(TestRunTest)
#include "tst_test_run.moc"
