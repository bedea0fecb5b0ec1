// The test taken without a mouse: the Tab key walks the focus order, the
// space bar ticks the boxes and presses the buttons, Return presses the
// button that has the focus and nothing else, and after each screen the
// focus is back on Suivant.

#include "support/expected.h"
#include "support/window_test.h"

namespace {

QString focused()
{
    const QWidget *widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("<none>");
}

} // namespace

class KeyboardTest : public WindowTest
{
    Q_OBJECT

private:
    // Keys go to the window, as from the keyboard; Qt hands them to the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window().windowHandle(), k, modifiers);
    }

    // Tabs once and says where the focus went.
    QString tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        key(Qt::Key_Tab, modifiers);
        return focused();
    }

private slots:
    void init()
    {
        WindowTest::init();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QCOMPARE(focused(), QStringLiteral("Suivant"));
    }

    void focusOrder_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("stops");

        // Before the start the boxes are disabled and Tab passes them by;
        // the whole test below walks forwards on every screen.
        QTest::newRow("waiting") << false << false << QStringList{"rtfAnswer", "Quitter", "Suivant"};
        QTest::newRow("question shown, Shift+Tab")
            << true << true
            << QStringList{"cckAnswers", "Quitter", "rtfAnswer", "cckInput3", "cckInput2", "cckInput1", "Suivant"};
    }

    void focusOrder()
    {
        QFETCH(bool, started);
        QFETCH(bool, backwards);
        QFETCH(QStringList, stops);
        if (started)
            key(Qt::Key_Space);
        QCOMPARE(focused(), QStringLiteral("Suivant"));

        QStringList walked;
        for (qsizetype i = 0; i < stops.size(); ++i)
            walked << tab(backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(walked, stops);
    }

    // All sixty screens, from the first Space to the closing message. On
    // each, Tab reaches each box and Space ticks those to tick; Tab goes on
    // round to Suivant, and Space or Return takes the next screen.
    void wholeTest_data()
    {
        // R every screen right, W every screen wrong (the false ones
        // ticked), A right on even screens only.
        QTest::addColumn<QChar>("mode");
        QTest::addColumn<bool>("showCorrections");
        QTest::newRow("all right") << QChar('R') << false;
        QTest::newRow("all wrong") << QChar('W') << false;
        QTest::newRow("every other, Réponses ticked") << QChar('A') << true;
    }

    void wholeTest()
    {
        QFETCH(QChar, mode);
        QFETCH(bool, showCorrections);
        key(Qt::Key_Space);
        takeOverCountdown();

        int right = 0;
        for (int screen = 1; screen <= 60; ++screen) {
            QCOMPARE(focused(), QStringLiteral("Suivant"));
            const bool answerRight = mode == QLatin1Char('R') || (mode == QLatin1Char('A') && screen % 2 == 0);
            const Ticks truth = answerKey();
            for (int k = 1; k <= 3; ++k) {
                QCOMPARE(tab(), answerBox(k)->objectName());
                QVERIFY(!answerBox(k)->isChecked());
                if (truth[k - 1] == answerRight)
                    key(Qt::Key_Space);
            }
            QCOMPARE(tab(), QStringLiteral("rtfAnswer"));
            QCOMPARE(tab(), QStringLiteral("Quitter"));
            QCOMPARE(tab(), QStringLiteral("cckAnswers"));
            if (showCorrections && !answersBox()->isChecked())
                key(Qt::Key_Space);
            for (int k = 1; k <= 3; ++k)
                QCOMPARE(quest(k)->isVisible(), showCorrections);
            QCOMPARE(tab(), QStringLiteral("Suivant"));
            key(screen % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);

            right += answerRight ? 1 : 0;
            if (screen < 60)
                QCOMPARE(scoreShow()->text(), expected::scoreShown(right, screen));
        }
        // No tick came: the countdown was taken over.
        QCOMPARE(host.messages, QStringList{expected::closingMessage(13, 60, right)});
        QCOMPARE(host.endRequests, 1);
    }

    // Keys that must do nothing but what they say, whatever has the focus.
    void keyOnFocus_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("questionAfter"); // -1: the program ends

        QTest::newRow("Space on Commencer") << false << "Suivant" << int(Qt::Key_Space) << 1;
        QTest::newRow("Escape while waiting") << false << "Suivant" << int(Qt::Key_Escape) << 0;
        QTest::newRow("Escape during the test") << true << "Suivant" << int(Qt::Key_Escape) << 1;
        QTest::newRow("Return on Quitter") << true << "Quitter" << int(Qt::Key_Return) << -1;
        // A check box is no button: Return there must not press Suivant.
        for (const char *box : {"cckInput1", "cckInput2", "cckInput3", "cckAnswers"}) {
            QTest::addRow("Return on %s", box) << true << box << int(Qt::Key_Return) << 1;
            QTest::addRow("Enter on %s", box) << true << box << int(Qt::Key_Enter) << 1;
        }
    }

    void keyOnFocus()
    {
        QFETCH(bool, started);
        QFETCH(QString, focus);
        QFETCH(int, pressed);
        QFETCH(int, questionAfter);
        if (started)
            key(Qt::Key_Space);
        control<QWidget>(window(), focus)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(focused(), focus);

        key(Qt::Key(pressed));
        QCoreApplication::processEvents();

        QVERIFY(host.messages.isEmpty());
        QCOMPARE(host.endRequests, questionAfter < 0 ? 1 : 0);
        if (questionAfter >= 0) {
            QCOMPARE(int(window().QuestionNumber), questionAfter);
            QVERIFY(window().isVisible());
        }
    }
};

QUOVALE_TEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
