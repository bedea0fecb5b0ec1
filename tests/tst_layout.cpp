// The window as the candidate first meets it: its frame, the stacking of
// its controls, and the waiting state that the load step leaves, in which
// the boxes take no click until the test has started.

#include "support/expected.h"
#include "support/window_test.h"

namespace {

const QString Invitation = QStringLiteral("\r\n\r\n      Cliquez sur 'Commencer' pour débuter l'exercice");

QStringList numbered(const QString &stem, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << stem + QString::number(i);
    return names;
}

} // namespace

class LayoutTest : public WindowTest
{
    Q_OBJECT

private slots:
    void windowFrame()
    {
        const Form1 &form = window();
        QCOMPARE(form.minimumSize(), expected::WindowSize);
        QCOMPARE(form.maximumSize(), expected::WindowSize);
        QVERIFY(form.windowTitle().startsWith("Test Quovale - par "));
        QVERIFY(form.windowTitle().size() > QStringLiteral("Test Quovale - par ").size());
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    // Later siblings are painted over earlier ones.
    void stacking_data()
    {
        QTest::addColumn<QStringList>("upper");
        QTest::addColumn<QStringList>("lower");
        const QStringList circles = numbered("Shape1_", 0, 5);
        const QStringList labels = QStringList{"Label1", "Label2", "ScoreShow", "Temps"} + numbered("Param", 1, 6)
                                   + numbered("Valu", 1, 6) + numbered("Quest", 1, 3);
        const QStringList controls = numbered("cckInput", 1, 3)
                                     + QStringList{"cckAnswers", "Suivant", "Quitter", "rtfAnswer"};
        QTest::newRow("controls above drawn items")
            << controls << labels + circles + QStringList{"Image1", "Shape2", "Shape3"};
        QTest::newRow("labels and picture above circles") << labels + QStringList{"Image1"} << circles;
        QTest::newRow("circles above chart frame") << circles << QStringList{"Shape2"};
        QTest::newRow("header box behind its contents")
            << QStringList{"Label1", "Label2", "Image1", "ScoreShow", "Temps"} << QStringList{"Shape3"};
    }

    void stacking()
    {
        QFETCH(QStringList, upper);
        QFETCH(QStringList, lower);
        const QObjectList stack = window().children();
        const auto place = [&](const QString &name) { return stack.indexOf(control<QWidget>(window(), name)); };
        for (const QString &top : upper)
            for (const QString &bottom : lower) {
                QVERIFY(place(top) >= 0 && place(bottom) >= 0);
                QVERIFY2(place(top) > place(bottom), qPrintable(top + " is not above " + bottom));
            }
    }

    void waitingState()
    {
        window();
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(param(i)->text().isEmpty());
            QVERIFY(valu(i)->text().isEmpty());
        }
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(quest(k)->text().isEmpty() && !quest(k)->isVisible());
            QVERIFY(!answerBox(k)->isEnabled() && !answerBox(k)->isChecked());
        }
        QVERIFY(!answersBox()->isEnabled() && !answersBox()->isChecked());
        QCOMPARE(suivant()->text(), QString("Commencer"));
        QVERIFY(quitter()->isEnabled());
        QCOMPARE(questionBox()->text(), Invitation);
        QCOMPARE(scoreShow()->text(), QString("Score : 0 / 0"));
        QCOMPARE(temps()->text(), expected::TimeAtStart);
        QVERIFY(!timer1()->isActive());
        QCOMPARE(seeded.drawn, 0);
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(host.endRequests, 0);
    }

    // The same click that does nothing while waiting works once the test runs.
    void disabledBoxesIgnoreClicks_data()
    {
        QTest::addColumn<int>("box"); // 1..3 an answer box, 0 "Réponses"
        QTest::newRow("a)") << 1;
        QTest::newRow("b)") << 2;
        QTest::newRow("c)") << 3;
        QTest::newRow("Réponses") << 0;
    }

    void disabledBoxesIgnoreClicks()
    {
        QFETCH(int, box);
        Form1 &form = window();
        QCheckBox *clicked = box > 0 ? answerBox(box) : answersBox();
        const QPoint onIndicator(6, clicked->height() / 2);

        QTest::mouseClick(clicked, Qt::LeftButton, {}, onIndicator);
        QVERIFY(!clicked->isChecked());
        for (int k = 1; k <= 3; ++k)
            QVERIFY(!quest(k)->isVisible());
        QCOMPARE(int(form.QuestionNumber), 0);
        QCOMPARE(questionBox()->text(), Invitation);

        pressSuivant();
        QTest::mouseClick(clicked, Qt::LeftButton, {}, onIndicator);
        QVERIFY(clicked->isChecked());
    }
};

QUOVALE_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
