// The window as a screen reader gets it: through Qt's accessibility
// interfaces, the role, name, description and states of every control, the
// question's text, and how they follow the test from screen to screen.

#include "support/test_support.h"
#include "window/widgets/shape_widget.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace {

QAccessibleInterface *accessible(const Form1 &form, const QString &name)
{
    QWidget *widget = control<QWidget>(form, name);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString spoken(QAccessibleInterface *iface, QAccessible::Text what = QAccessible::Name)
{
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

// The whole text a screen reader reads out of the question box.
QString questionRead(const Form1 &form)
{
    QAccessibleInterface *box = accessible(form, "rtfAnswer");
    QAccessibleTextInterface *text = box ? box->textInterface() : nullptr;
    if (!text)
        return QStringLiteral("<no text interface>");
    return text->text(0, text->characterCount());
}

// The statement of a), b) or c) as the question box shows it.
QString statementRead(const Form1 &form, const QString &letter)
{
    const QRegularExpression line(QStringLiteral("^\\s*%1\\) (.+)$").arg(letter),
                                  QRegularExpression::MultilineOption);
    return line.match(questionRead(form)).captured(1);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void controlSpeaks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("spokenName");

        const int button = QAccessible::PushButton, box = QAccessible::CheckBox, label = QAccessible::StaticText;
        QTest::newRow("Commencer") << "Suivant" << 0 << button << "Commencer";
        QTest::newRow("Suivant") << "Suivant" << 1 << button << "Suivant";
        QTest::newRow("Quitter") << "Quitter" << 0 << button << "Quitter";
        QTest::newRow("box a") << "cckInput1" << 1 << box << "a)";
        QTest::newRow("box b") << "cckInput2" << 1 << box << "b)";
        QTest::newRow("box c") << "cckInput3" << 1 << box << "c)";
        QTest::newRow("Réponses") << "cckAnswers" << 0 << box << "Réponses";
        QTest::newRow("title") << "Label1" << 0 << label << "Sélection Pilotes";
        QTest::newRow("subtitle") << "Label2" << 0 << label << "Test Quovale";
        QTest::newRow("score at start") << "ScoreShow" << 0 << label << "Score : 0 / 0";
        // Every screen has a true statement, so one left with clear boxes is wrong.
        QTest::newRow("score after a screen") << "ScoreShow" << 2 << label << "Score : 0 /  1";
        QTest::newRow("time left") << "Temps" << 0 << label << "Temps restant 14 ' 00 \"";
        QTest::newRow("question box") << "rtfAnswer" << 0 << int(QAccessible::EditableText) << "Question";
        QTest::newRow("logo") << "Image1" << 0 << int(QAccessible::Graphic) << "Logo Test Quovale";
    }

    void controlSpeaks()
    {
        QFETCH(QString, name);
        QFETCH(int, presses);
        QFETCH(int, role);
        QFETCH(QString, spokenName);

        FakeHost host;
        SeededDraws draws(11);
        Form1 form(host, draws);
        for (int p = 0; p < presses; ++p)
            pressSuivant(form);

        QAccessibleInterface *iface = accessible(form, name);
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(spoken(iface), spokenName);
    }

    // Screen by screen: every dial label speaks its text and says where its
    // dial stands; the question box reads as text, paragraph by paragraph;
    // each answer box tells the statement it answers as the box shows it.
    void screensRead()
    {
        FakeHost host;
        SeededDraws draws(2024);
        Form1 form(host, draws);
        QAccessibleInterface *box = accessible(form, "rtfAnswer");
        QVERIFY(box && box->textInterface());
        QVERIFY(box->state().readOnly && box->state().multiLine && box->state().focusable);
        QCOMPARE(questionRead(form).trimmed(), QStringLiteral("Cliquez sur 'Commencer' pour débuter l'exercice"));
        QVERIFY(spoken(accessible(form, "cckInput1"), QAccessible::Description).isEmpty());

        const QStringList places{"en haut", "au milieu à gauche", "au milieu à droite",
                                 "en bas à gauche", "en bas au centre", "en bas à droite"};
        QStringList previous;
        for (int screen = 1; screen <= 4; ++screen) {
            pressSuivant(form);
            for (int i = 1; i <= 6; ++i)
                for (const char *prefix : {"Param", "Valu"}) {
                    const QString name = QString::fromLatin1(prefix) + QString::number(i);
                    QAccessibleInterface *iface = accessible(form, name);
                    QCOMPARE(iface->role(), QAccessible::StaticText);
                    QCOMPARE(spoken(iface), control<QLabel>(form, name)->text());
                    QVERIFY(!spoken(iface).isEmpty());
                    QVERIFY2(spoken(iface, QAccessible::Description).endsWith("cadran " + places[i - 1]),
                             qPrintable(spoken(iface, QAccessible::Description)));
                }

            const QString read = questionRead(form);
            QVERIFY2(read.startsWith(QString(" %1)").arg(screen)), qPrintable(read));
            QStringList described;
            for (int k = 1; k <= 3; ++k) {
                const QString letter = QString(QChar('a' + k - 1));
                const QString description = spoken(accessible(form, QString("cckInput%1").arg(k)), QAccessible::Description);
                QCOMPARE(description, form.Statements(k));
                QCOMPARE(statementRead(form, letter), description);
                QCOMPARE(spoken(accessible(form, QString("Quest%1").arg(k)), QAccessible::Description),
                         QString("correction de %1)").arg(letter));
                described << description;
            }
            QVERIFY2(described != previous, "the descriptions must follow the new question");
            previous = described;

            const int at = static_cast<int>(read.indexOf(QStringLiteral("b) ")));
            int start = -1, end = -1;
            const QString paragraph = box->textInterface()->textAtOffset(at, QAccessible::ParagraphBoundary, &start, &end);
            QCOMPARE(paragraph.trimmed(), QStringLiteral("b) ") + form.Statements(2));
        }
    }

    void boxStates_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("tickFirst");
        QTest::addColumn<bool>("showCorrections");

        QTest::newRow("waiting") << 0 << false << false;
        QTest::newRow("question shown") << 1 << false << false;
        QTest::newRow("a) ticked") << 1 << true << false;
        QTest::newRow("next screen clears") << 2 << true << false;
        QTest::newRow("Réponses ticked") << 1 << false << true;
    }

    // The boxes' states as the candidate changes them, and the corrections,
    // silent while hidden, speaking "Vrai" or "Faux" once shown.
    void boxStates()
    {
        QFETCH(int, presses);
        QFETCH(bool, tickFirst);
        QFETCH(bool, showCorrections);

        FakeHost host;
        SeededDraws draws(5);
        Form1 form(host, draws);
        form.show();
        for (int p = 1; p <= presses; ++p) {
            pressSuivant(form);
            if (p == 1 && tickFirst)
                QTest::mouseClick(control<QCheckBox>(form, "cckInput1"), Qt::LeftButton);
        }
        if (showCorrections)
            QTest::mouseClick(control<QCheckBox>(form, "cckAnswers"), Qt::LeftButton);

        for (const char *name : {"cckInput1", "cckInput2", "cckInput3", "cckAnswers"}) {
            const QAccessible::State state = accessible(form, name)->state();
            QCOMPARE(bool(state.disabled), presses == 0);
            QVERIFY(state.checkable && state.focusable);
            const bool checked = qstrcmp(name, "cckAnswers") == 0
                                     ? showCorrections
                                     : tickFirst && presses == 1 && qstrcmp(name, "cckInput1") == 0;
            QCOMPARE(bool(state.checked), checked);
        }
        for (int k = 1; k <= 3; ++k) {
            QAccessibleInterface *iface = accessible(form, QString("Quest%1").arg(k));
            QCOMPARE(bool(iface->state().invisible), !showCorrections);
            if (showCorrections)
                QCOMPARE(spoken(iface), form.AnswerKey(k) == 1 ? QStringLiteral("Vrai") : QStringLiteral("Faux"));
        }
    }

    // The window lists every control but the drawn frames and circles,
    // which only outline what the labels already tell.
    void windowTree()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
        QVERIFY(window);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(spoken(window), form.windowTitle());

        QStringList listed;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface *child = window->child(i);
            QVERIFY(child && child->object());
            QCOMPARE(window->indexOfChild(child), i);
            QCOMPARE(child->parent(), window);
            listed << child->object()->objectName();
        }
        QStringList expected;
        for (QWidget *widget : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<ShapeWidget *>(widget))
                expected << widget->objectName();
        QCOMPARE(listed, expected);
        QCOMPARE(expected.size(), 27);

        for (ShapeWidget *shape : form.findChildren<ShapeWidget *>()) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(shape);
            QCOMPARE(iface->role(), QAccessible::Graphic);
            QCOMPARE(window->indexOfChild(iface), -1);
        }
    }
};

QUOVALE_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
