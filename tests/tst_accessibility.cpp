// The window as a screen reader gets it: through Qt's accessibility
// interfaces, the role, name, description and states of every control, the
// question's text, and how they follow the test from screen to screen.

#include "support/expected.h"
#include "support/window_test.h"
#include "window/widgets/shape_widget.h"

#include <QAccessible>
#include <QRegularExpression>

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString spoken(QAccessibleInterface *iface, QAccessible::Text what = QAccessible::Name)
{
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

// The whole text a screen reader reads out of the question box.
QString questionRead(QAccessibleInterface *box)
{
    QAccessibleTextInterface *text = box ? box->textInterface() : nullptr;
    if (!text)
        return QStringLiteral("<no text interface>");
    return text->text(0, text->characterCount());
}

} // namespace

class AccessibilityTest : public WindowTest
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
        QTest::newRow("box a") << "cckInput1" << 1 << box << "a)";
        QTest::newRow("Réponses") << "cckAnswers" << 0 << box << "Réponses";
        QTest::newRow("title") << "Label1" << 0 << label << "Sélection Pilotes";
        // Every screen has a true statement, so one left with clear boxes is wrong.
        QTest::newRow("score after a screen") << "ScoreShow" << 2 << label << expected::scoreShown(0, 1);
        QTest::newRow("question box") << "rtfAnswer" << 0 << int(QAccessible::EditableText) << "Question";
        QTest::newRow("logo") << "Image1" << 0 << int(QAccessible::Graphic) << "Logo Test Quovale";
    }

    void controlSpeaks()
    {
        QFETCH(QString, name);
        QFETCH(int, presses);
        QFETCH(int, role);
        QFETCH(QString, spokenName);
        window();
        for (int p = 0; p < presses; ++p)
            pressSuivant();

        QAccessibleInterface *iface = accessible(control<QWidget>(window(), name));
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(spoken(iface), spokenName);
    }

    // Screen by screen: every dial label speaks its text and says where its
    // dial stands; the question box reads as text, paragraph by paragraph;
    // each answer box tells the statement it answers as the box shows it.
    void screensRead()
    {
        Form1 &form = window();
        QAccessibleInterface *box = accessible(questionBox());
        QVERIFY(box && box->textInterface());
        QVERIFY(box->state().readOnly && box->state().multiLine && box->state().focusable);
        QCOMPARE(questionRead(box).trimmed(), QStringLiteral("Cliquez sur 'Commencer' pour débuter l'exercice"));
        QVERIFY(spoken(accessible(answerBox(1)), QAccessible::Description).isEmpty());

        const QStringList places{"en haut", "au milieu à gauche", "au milieu à droite",
                                 "en bas à gauche", "en bas au centre", "en bas à droite"};
        QStringList previous;
        for (int screen = 1; screen <= 4; ++screen) {
            pressSuivant();
            for (int i = 1; i <= 6; ++i)
                for (QLabel *label : {param(i), valu(i)}) {
                    QAccessibleInterface *iface = accessible(label);
                    QCOMPARE(iface->role(), QAccessible::StaticText);
                    QCOMPARE(spoken(iface), label->text());
                    QVERIFY(!spoken(iface).isEmpty());
                    QVERIFY2(spoken(iface, QAccessible::Description).endsWith("cadran " + places[i - 1]),
                             qPrintable(spoken(iface, QAccessible::Description)));
                }

            const QString read = questionRead(box);
            QVERIFY2(read.startsWith(QString(" %1)").arg(screen)), qPrintable(read));
            QStringList described;
            for (int k = 1; k <= 3; ++k) {
                const QString letter = QString(QChar('a' + k - 1));
                const QString description = spoken(accessible(answerBox(k)), QAccessible::Description);
                QCOMPARE(description, form.Statements(k));
                // The statement as the question box shows it.
                const QRegularExpression line(QStringLiteral("^\\s*%1\\) (.+)$").arg(letter),
                                              QRegularExpression::MultilineOption);
                QCOMPARE(line.match(read).captured(1), description);
                QCOMPARE(spoken(accessible(quest(k)), QAccessible::Description), QString("correction de %1)").arg(letter));
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

    // The window lists every control but the drawn frames and circles,
    // which only outline what the labels already tell.
    void windowTree()
    {
        Form1 &form = window();
        QAccessibleInterface *tree = accessible(&form);
        QVERIFY(tree);
        QCOMPARE(tree->role(), QAccessible::Window);
        QCOMPARE(spoken(tree), form.windowTitle());

        QStringList listed;
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface *child = tree->child(i);
            QVERIFY(child && child->object());
            QCOMPARE(tree->indexOfChild(child), i);
            QCOMPARE(child->parent(), tree);
            listed << child->object()->objectName();
        }
        QStringList controls;
        for (QWidget *widget : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<ShapeWidget *>(widget))
                controls << widget->objectName();
        QCOMPARE(listed, controls);
        QCOMPARE(controls.size(), 27);

        for (ShapeWidget *shape : form.findChildren<ShapeWidget *>()) {
            QAccessibleInterface *iface = accessible(shape);
            QCOMPARE(iface->role(), QAccessible::Graphic);
            QCOMPARE(tree->indexOfChild(iface), -1);
        }
    }
};

QUOVALE_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
