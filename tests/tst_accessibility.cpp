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

void pressSuivant(Form1 &form)
{
    QTest::mouseClick(control<QPushButton>(form, "Suivant"), Qt::LeftButton);
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

    // Every dial label speaks its text, and says where its dial stands.
    void dialLabels_data()
    {
        QTest::addColumn<int>("dial");
        QTest::addColumn<QString>("place");
        QTest::newRow("1") << 1 << "en haut";
        QTest::newRow("2") << 2 << "au milieu à gauche";
        QTest::newRow("3") << 3 << "au milieu à droite";
        QTest::newRow("4") << 4 << "en bas à gauche";
        QTest::newRow("5") << 5 << "en bas au centre";
        QTest::newRow("6") << 6 << "en bas à droite";
    }

    void dialLabels()
    {
        QFETCH(int, dial);
        QFETCH(QString, place);

        FakeHost host;
        SeededDraws draws(2024);
        Form1 form(host, draws);
        QStringList namesSeen;
        for (int screen = 1; screen <= 3; ++screen) {
            pressSuivant(form);
            for (const char *prefix : {"Param", "Valu"}) {
                const QString labelName = QString::fromLatin1(prefix) + QString::number(dial);
                QAccessibleInterface *iface = accessible(form, labelName);
                QVERIFY(iface);
                QCOMPARE(iface->role(), QAccessible::StaticText);
                const QString shown = control<QLabel>(form, labelName)->text();
                QVERIFY(!shown.isEmpty());
                QCOMPARE(spoken(iface), shown);
                QVERIFY2(spoken(iface, QAccessible::Description).endsWith(QStringLiteral("cadran ") + place),
                         qPrintable(spoken(iface, QAccessible::Description)));
            }
            namesSeen << spoken(accessible(form, QString("Param%1").arg(dial)));
        }
        // The instrument names change from screen to screen with the chart.
        namesSeen.removeDuplicates();
        QVERIFY2(namesSeen.size() > 1, qPrintable(namesSeen.join(", ")));
    }

    // Each answer box tells the statement it answers, as the question box
    // shows it, and the correction beside it tells which box it belongs to.
    void answerBoxesTellTheirStatement()
    {
        FakeHost host;
        SeededDraws draws(77);
        Form1 form(host, draws);
        for (int k = 1; k <= 3; ++k)
            QVERIFY(spoken(accessible(form, QString("cckInput%1").arg(k)), QAccessible::Description).isEmpty());

        QStringList previous;
        for (int screen = 1; screen <= 5; ++screen) {
            pressSuivant(form);
            QStringList described;
            for (int k = 1; k <= 3; ++k) {
                const QString letter = QString(QChar('a' + k - 1));
                const QString description =
                    spoken(accessible(form, QString("cckInput%1").arg(k)), QAccessible::Description);
                QVERIFY(!description.isEmpty());
                QCOMPARE(description, statementRead(form, letter));
                QCOMPARE(spoken(accessible(form, QString("Quest%1").arg(k)), QAccessible::Description),
                         QString("correction de %1)").arg(letter));
                described << description;
            }
            QVERIFY2(described != previous, "the descriptions must follow the new question");
            previous = described;
        }
    }

    void boxStates_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("tickFirst");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("firstChecked");

        QTest::newRow("waiting") << 0 << false << false << false;
        QTest::newRow("question shown") << 1 << false << true << false;
        QTest::newRow("a) ticked") << 1 << true << true << true;
        QTest::newRow("next screen clears") << 2 << true << true << false;
    }

    void boxStates()
    {
        QFETCH(int, presses);
        QFETCH(bool, tickFirst);
        QFETCH(bool, enabled);
        QFETCH(bool, firstChecked);

        FakeHost host;
        SeededDraws draws(5);
        Form1 form(host, draws);
        for (int p = 1; p <= presses; ++p) {
            pressSuivant(form);
            if (p == 1 && tickFirst)
                QTest::mouseClick(control<QCheckBox>(form, "cckInput1"), Qt::LeftButton);
        }

        for (const char *name : {"cckInput1", "cckInput2", "cckInput3", "cckAnswers"}) {
            const QAccessible::State state = accessible(form, name)->state();
            QCOMPARE(bool(state.disabled), !enabled);
            QVERIFY(state.checkable);
            QVERIFY(state.focusable);
            const bool expectChecked = firstChecked && qstrcmp(name, "cckInput1") == 0;
            QCOMPARE(bool(state.checked), expectChecked);
            QCOMPARE(bool(state.checked), control<QCheckBox>(form, name)->isChecked());
        }
        QVERIFY(!accessible(form, "Suivant")->state().disabled);
        QVERIFY(!accessible(form, "Quitter")->state().disabled);
    }

    // The corrections are silent while hidden and speak "Vrai" or "Faux"
    // once "Réponses" is ticked.
    void correctionsSpeakWhenShown()
    {
        FakeHost host;
        SeededDraws draws(9);
        Form1 form(host, draws);
        form.show();
        pressSuivant(form);
        for (int k = 1; k <= 3; ++k)
            QVERIFY(accessible(form, QString("Quest%1").arg(k))->state().invisible);

        QTest::mouseClick(control<QCheckBox>(form, "cckAnswers"), Qt::LeftButton);
        for (int k = 1; k <= 3; ++k) {
            QAccessibleInterface *iface = accessible(form, QString("Quest%1").arg(k));
            QVERIFY(!iface->state().invisible);
            const QString verdict = spoken(iface);
            QVERIFY2(verdict == QLatin1String("Vrai") || verdict == QLatin1String("Faux"), qPrintable(verdict));
            QCOMPARE(verdict, form.AnswerKey(k) == 1 ? QStringLiteral("Vrai") : QStringLiteral("Faux"));
        }
    }

    void questionReadAsText()
    {
        FakeHost host;
        SeededDraws draws(31);
        Form1 form(host, draws);
        QAccessibleInterface *box = accessible(form, "rtfAnswer");
        QVERIFY(box);
        QVERIFY(box->textInterface());
        QVERIFY(box->state().readOnly);
        QVERIFY(box->state().multiLine);
        QVERIFY(box->state().focusable);
        QCOMPARE(questionRead(form).trimmed(), QStringLiteral("Cliquez sur 'Commencer' pour débuter l'exercice"));

        for (int screen = 1; screen <= 3; ++screen) {
            pressSuivant(form);
            const QString read = questionRead(form);
            QVERIFY2(read.startsWith(QString(" %1)").arg(screen)), qPrintable(read));
            for (int k = 1; k <= 3; ++k)
                QCOMPARE(statementRead(form, QString(QChar('a' + k - 1))), form.Statements(k));
            // Reading paragraph by paragraph, as a screen reader's keys do.
            QAccessibleTextInterface *text = box->textInterface();
            const int at = static_cast<int>(read.indexOf(QStringLiteral("b) ")));
            int start = -1, end = -1;
            const QString paragraph = text->textAtOffset(at, QAccessible::ParagraphBoundary, &start, &end);
            QCOMPARE(paragraph.trimmed(), QStringLiteral("b) ") + form.Statements(2));
            QVERIFY(start <= at && at < end);
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

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
