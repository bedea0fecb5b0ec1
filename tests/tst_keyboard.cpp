// The test taken without a mouse: the Tab key walks the focus order, the
// space bar ticks the boxes and presses the buttons, and after each screen
// the focus is back on Suivant.

#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Keys go to the window, as from the keyboard; Qt hands them to the focus.
void key(Form1 &form, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(form.windowHandle(), k, modifiers);
}

QString focused()
{
    const QWidget *widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("<none>");
}

// Tabs once and says where the focus went.
QString tabTo(Form1 &form, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    key(form, Qt::Key_Tab, modifiers);
    return focused();
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void focusOrder_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("stops");

        // Before the start the boxes are disabled and Tab passes them by.
        QTest::newRow("waiting") << 0 << false << QStringList{"rtfAnswer", "Quitter", "Suivant"};
        QTest::newRow("question shown")
            << 1 << false
            << QStringList{"cckInput1", "cckInput2", "cckInput3", "rtfAnswer", "Quitter", "cckAnswers", "Suivant"};
        QTest::newRow("question shown, Shift+Tab")
            << 1 << true
            << QStringList{"cckAnswers", "Quitter", "rtfAnswer", "cckInput3", "cckInput2", "cckInput1", "Suivant"};
    }

    void focusOrder()
    {
        QFETCH(int, presses);
        QFETCH(bool, backwards);
        QFETCH(QStringList, stops);

        FakeHost host;
        SeededDraws draws(3);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(focused(), QStringLiteral("Suivant"));
        for (int p = 0; p < presses; ++p)
            key(form, Qt::Key_Space);
        QCOMPARE(focused(), QStringLiteral("Suivant"));

        QStringList walked;
        for (qsizetype i = 0; i < stops.size(); ++i)
            walked << tabTo(form, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(walked, stops);
    }

    void screensByKeyboard_data()
    {
        QTest::addColumn<QList<bool>>("rightAnswers");
        QTest::addColumn<bool>("showCorrections");

        QTest::newRow("three right") << QList<bool>{true, true, true} << false;
        QTest::newRow("right, wrong, right") << QList<bool>{true, false, true} << false;
        QTest::newRow("with Réponses ticked") << QList<bool>{false, true} << true;
    }

    // Space starts; on each screen Tab reaches each box and Space ticks
    // those to tick; Tab goes on round to Suivant and Space takes the next.
    void screensByKeyboard()
    {
        QFETCH(QList<bool>, rightAnswers);
        QFETCH(bool, showCorrections);

        FakeHost host;
        SeededDraws draws(4242);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(focused(), QStringLiteral("Suivant"));
        key(form, Qt::Key_Space);
        form.findChild<QTimer *>("Timer1")->stop();

        int right = 0;
        for (qsizetype screen = 0; screen < rightAnswers.size(); ++screen) {
            QCOMPARE(focused(), QStringLiteral("Suivant"));
            QCOMPARE(control<QPushButton>(form, "Suivant")->text(), QStringLiteral("Suivant"));
            for (int k = 1; k <= 3; ++k) {
                auto *box = control<QCheckBox>(form, QString("cckInput%1").arg(k));
                QCOMPARE(tabTo(form), box->objectName());
                QVERIFY(!box->isChecked());
                // The key read off the hidden correction: true for "Vrai".
                const bool truth = control<QLabel>(form, QString("Quest%1").arg(k))->text() == QLatin1String("Vrai");
                // A wrong screen: the first box answered the other way.
                const bool tick = (k == 1 && !rightAnswers[screen]) ? !truth : truth;
                if (tick)
                    key(form, Qt::Key_Space);
                QCOMPARE(box->isChecked(), tick);
            }
            QCOMPARE(tabTo(form), QStringLiteral("rtfAnswer"));
            QCOMPARE(tabTo(form), QStringLiteral("Quitter"));
            QCOMPARE(tabTo(form), QStringLiteral("cckAnswers"));
            if (showCorrections && !control<QCheckBox>(form, "cckAnswers")->isChecked()) {
                key(form, Qt::Key_Space);
                for (int k = 1; k <= 3; ++k)
                    QVERIFY(control<QLabel>(form, QString("Quest%1").arg(k))->isVisible());
            }
            QCOMPARE(tabTo(form), QStringLiteral("Suivant"));
            key(form, Qt::Key_Space);

            right += rightAnswers[screen] ? 1 : 0;
            QCOMPARE(form.Score, right);
            QCOMPARE(control<QLabel>(form, "ScoreShow")->text(),
                     QString("Score : %1 /  %2").arg(right).arg(screen + 1));
        }
        QCOMPARE(focused(), QStringLiteral("Suivant"));
        QCOMPARE(host.endRequests, 0);
    }

    // All sixty screens, from the first Space to the closing message.
    void wholeTestByKeyboard()
    {
        FakeHost host;
        SeededDraws draws(60);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        key(form, Qt::Key_Space);
        form.findChild<QTimer *>("Timer1")->stop();
        for (int screen = 1; screen <= 60; ++screen) {
            for (int k = 1; k <= 3; ++k) {
                tabTo(form);
                if (form.AnswerKey(k) == 1)
                    key(form, Qt::Key_Space);
            }
            for (int stop = 0; stop < 4; ++stop)
                tabTo(form);
            QCOMPARE(focused(), QStringLiteral("Suivant"));
            key(form, Qt::Key_Space);
        }
        QCOMPARE(host.messages.size(), 1);
        QVERIFY2(host.messages.first().endsWith(QStringLiteral("Vous avez  60 réponses justes")),
                 qPrintable(host.messages.first()));
        QCOMPARE(host.endRequests, 1);
    }
};

QUOVALE_TEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
