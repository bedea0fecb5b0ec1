// The statements of a question: their wording, the choice the two makers
// make from a chart laid out by hand and a scripted stream of draws, and the
// question text with its answer key and colours.

#include "support/expected.h"
#include "support/window_test.h"
#include "window/widgets/text_color.h"

namespace {

// The chart every case starts from has the instruments in their own order,
// Vitesse on dial 1, written in six of the chart colours, black left out.
const QList<QColor> Inks = expected::ChartColours.mid(1, 6);

// The scripted draws, but a choice that asks for more than the script holds
// is stopped there: on a spent script a redraw loop would spin for ever.
struct ScriptSpent {
};
class StrictDraws final : public DrawSource
{
public:
    explicit StrictDraws(ScriptedDraws &script) : m_script(script) {}
    float next() override
    {
        if (m_script.left() == 0)
            throw ScriptSpent{};
        return m_script.next();
    }
    void reseed() override { m_script.reseed(); }

private:
    ScriptedDraws &m_script;
};

} // namespace

class StatementsTest : public WindowTest
{
    Q_OBJECT

    StrictDraws strict{scripted};

    // levels: "3,9,10,7,3,1" for dials 1 to 6.
    Form1 &chartWith(const QString &levels)
    {
        Form1 &form = makeWindow(strict);
        const QStringList values = levels.split(',');
        for (int i = 1; i <= 6; ++i) {
            param(i)->setText(expected::InstrumentNames.at(i - 1));
            setTextColor(param(i), Inks.at(i - 1));
            valu(i)->setText(values.at(i - 1));
        }
        return form;
    }
    QString levelsShown() const
    {
        QStringList values;
        for (int i = 1; i <= 6; ++i)
            values << valu(i)->text();
        return values.join(',');
    }
    // A script reads "K1 P2 D3 D4 L7 D1 D2": each word one draw, its letter
    // the range asked for. K kind (1..3), P polarity (1..2), D dial (1..6),
    // R position relation (1..4), L level relation (5..7), T truth pattern (1..7).
    void pushScript(const QString &words)
    {
        for (const QString &word : words.split(' ', Qt::SkipEmptyParts)) {
            const int value = word.mid(1).toInt();
            switch (word.at(0).toLatin1()) {
            case 'K': scripted.pushPick(value, 1, 3); break;
            case 'P': scripted.pushPick(value, 1, 2); break;
            case 'D': scripted.pushPick(value, 1, 6); break;
            case 'R': scripted.pushPick(value, 1, 4); break;
            case 'L': scripted.pushPick(value, 5, 7); break;
            case 'T': scripted.pushPick(value, 1, 7); break;
            default: qFatal("bad script word %s", qPrintable(word));
            }
        }
    }
    // Runs a step on the script: an empty text when it took exactly the script.
    QString drawsFault(const std::function<void()> &step)
    {
        try {
            step();
        } catch (const ScriptSpent &) {
            return QStringLiteral("asked for more draws than the script holds");
        }
        return scripted.left() == 0 ? QString() : QString("%1 scripted draws left").arg(scripted.left());
    }

private slots:
    void phrase_data()
    {
        QTest::addColumn<int>("An");
        QTest::addColumn<int>("Bn");
        QTest::addColumn<int>("Cn");
        QTest::addColumn<int>("Dn");
        QTest::addColumn<int>("En");
        QTest::addColumn<QString>("expected");
        QTest::newRow("above") << 1 << 1 << 1 << 1 << 2 << "Vitesse est au dessus de Moteur";
        QTest::newRow("below") << 1 << 6 << 2 << 2 << 5 << "Altitude n'est pas en dessous de Pression";
        QTest::newRow("left of") << 1 << 4 << 1 << 3 << 2 << "Essence est à gauche de Moteur";
        QTest::newRow("right of") << 1 << 3 << 2 << 4 << 1 << "Huile n'est pas à droite de Vitesse";
        QTest::newRow("greater") << 2 << 5 << 1 << 5 << 6 << "niveau Pression est supérieur à niveau Altitude";
        QTest::newRow("less, negative") << 2 << 3 << 2 << 6 << 4 << "niveau Huile n'est pas inférieur à niveau Essence";
        QTest::newRow("different") << 2 << 2 << 2 << 7 << 3 << "niveau Moteur n'est pas différent de niveau Huile";
        // A selector outside its table adds nothing.
        QTest::newRow("verb 0") << 1 << 1 << 0 << 1 << 2 << "Vitesseau dessus de Moteur";
    }
    void phrase()
    {
        QFETCH(int, An);
        QFETCH(int, Bn);
        QFETCH(int, Cn);
        QFETCH(int, Dn);
        QFETCH(int, En);
        QFETCH(QString, expected);
        Form1 &form = chartWith("1,2,3,4,5,6");
        QCOMPARE(form.MakePhrase(An, Bn, Cn, Dn, En), expected);
        QCOMPARE(scripted.drawn, 0);
    }

    void makers_data()
    {
        QTest::addColumn<bool>("falseMaker");
        QTest::addColumn<int>("rang");
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("levelsAfter");

        // Rows 1; 2, 3; 4, 5, 6. Columns from the left: 4 | 2 | 1 and 5 | 3 | 6.
        const QString chart = "3,9,10,7,3,1";
        QTest::newRow("position, affirmative") << false << 1 << chart << "K2 P1 D4 D4 R1 D1 D2"
            << "Vitesse est au dessus de Moteur" << chart;
        QTest::newRow("position, negative, same column") << false << 2 << chart << "K3 P2 D1 D1 R3 D1 D5"
            << "Vitesse n'est pas à gauche de Pression" << chart;
        QTest::newRow("position, pair drawn again") << false << 3 << chart << "K2 P1 D3 D3 R4 D2 D3 D6 D4"
            << "Altitude est à droite de Essence" << chart;
        QTest::newRow("position, same dial starts over") << false << 1 << chart << "K2 P2 D1 D2 R2 D3 D3 R1 D4 D5"
            << "Essence n'est pas au dessus de Pression" << chart;
        QTest::newRow("greater, affirmative, 10 over 9") << false << 2 << chart << "K1 P1 D1 D1 L5 D2 D3 D3 D2"
            << "niveau Huile est supérieur à niveau Moteur" << chart;
        QTest::newRow("less, affirmative, 9 under 10") << false << 3 << chart << "K1 P1 D1 D1 L6 D2 D3"
            << "niveau Moteur est inférieur à niveau Huile" << chart;
        QTest::newRow("different, affirmative") << false << 1 << chart << "K1 P1 D6 D6 L7 D1 D5 D1 D1 D1 D4"
            << "niveau Vitesse est différent de niveau Essence" << chart;
        QTest::newRow("greater, negative, equal levels") << false << 2 << chart << "K1 P2 D1 D1 L5 D5 D5 D3 D2 D1 D5"
            << "niveau Vitesse n'est pas supérieur à niveau Pression" << chart;
        QTest::newRow("less, negative") << false << 3 << chart << "K1 P2 D2 D2 L6 D2 D3 D3 D2"
            << "niveau Huile n'est pas inférieur à niveau Moteur" << chart;
        QTest::newRow("different, negative, chart change") << false << 1 << chart << "K1 P2 D1 D1 L7 D4 D4 D4 D6"
            << "niveau Essence n'est pas différent de niveau Altitude" << "3,9,10,7,3,7";

        // The false maker chooses as the true one, then inverts the verb.
        QTest::newRow("false, position affirmative") << true << 1 << chart << "K2 P1 D4 D4 R1 D1 D2"
            << "Vitesse n'est pas au dessus de Moteur" << chart;
        QTest::newRow("false, greater negative") << true << 1 << chart << "K1 P2 D1 D1 L5 D5 D5 D3 D2 D1 D5"
            << "niveau Vitesse est supérieur à niveau Pression" << chart;
        QTest::newRow("false, different negative") << true << 2 << chart << "K1 P2 D1 D1 L7 D4 D4 D4 D6"
            << "niveau Essence est différent de niveau Altitude" << "3,9,10,7,3,7";

        // Six equal levels: no affirmative comparison can hold, so a position
        // statement of the same polarity is made, without a level relation draw.
        const QString flat = "5,5,5,5,5,5";
        QTest::newRow("equal levels, affirmative") << false << 1 << flat << "K1 P1 D2 D3 R2 D4 D1"
            << "Essence est en dessous de Vitesse" << flat;
        QTest::newRow("equal levels, negative stays level") << false << 3 << flat << "K1 P2 D1 D1 L5 D1 D2"
            << "niveau Vitesse n'est pas supérieur à niveau Moteur" << flat;
    }
    void makers()
    {
        QFETCH(bool, falseMaker);
        QFETCH(int, rang);
        QFETCH(QString, levels);
        QFETCH(QString, script);
        QFETCH(QString, text);
        QFETCH(QString, levelsAfter);
        Form1 &form = chartWith(levels);
        pushScript(script);
        const QString fault = drawsFault([&] {
            if (falseMaker)
                form.MakeFalseQuestion(std::int16_t(rang));
            else
                form.MakeTrueQuestion(std::int16_t(rang));
        });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(form.Statements(rang), text);
        QCOMPARE(levelsShown(), levelsAfter);
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(quest(k)->text(), k != rang ? QString() : QString(falseMaker ? "Faux" : "Vrai"));
            if (k != rang)
                QVERIFY(form.Statements(k).isEmpty());
        }
    }

    // Statement c) copies a level onto its second dial; a dial compared by
    // the level statement a) is refused there, one named only by a position
    // statement is not. The refusal lasts for one question only.
    void chartChangeSparesEarlierLevelStatement()
    {
        Form1 &form = chartWith("3,9,10,7,3,1");
        pushScript("T7  K1 P1 D1 D1 L6 D2 D3  K2 P1 D1 D1 R1 D1 D6  K1 P2 D1 D1 L7 D3 D2 D1 D3 D4 D6");
        QString fault = drawsFault([&] { form.QuestionMake(); });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(form.Statements(1), QString("niveau Moteur est inférieur à niveau Huile"));
        QCOMPARE(form.Statements(2), QString("Vitesse est au dessus de Altitude"));
        QCOMPARE(form.Statements(3), QString("niveau Essence n'est pas différent de niveau Altitude"));
        // a) still holds on the chart the candidate sees.
        QCOMPARE(levelsShown(), QString("3,9,10,7,3,7"));
        QCOMPARE(answerKey(), Ticks({true, true, true}));

        // The next question starts afresh: dial 2 may now take a copied level.
        pushScript("T7  K1 P2 D1 D1 L7 D3 D2  K2 P1 D1 D1 R2 D4 D1  K2 P2 D1 D1 R4 D5 D1");
        fault = drawsFault([&] { form.QuestionMake(); });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(form.Statements(1), QString("niveau Huile n'est pas différent de niveau Moteur"));
        QCOMPARE(levelsShown(), QString("3,10,10,7,3,7"));
    }

    void questionText_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("key");
        QTest::newRow("all true") << 7 << 7
            << " 7)\r\n\r\n   a) Vitesse est au dessus de Moteur"
               "\r\n\r\n   b) niveau Moteur est inférieur à niveau Huile"
               "\r\n\r\n   c) Vitesse n'est pas à gauche de Pression"
            << QList<bool>{true, true, true};
        QTest::newRow("b) and c) true") << 6 << 60
            << " 60)\r\n\r\n   a) Vitesse n'est pas au dessus de Moteur"
               "\r\n\r\n   b) niveau Moteur est inférieur à niveau Huile"
               "\r\n\r\n   c) Vitesse n'est pas à gauche de Pression"
            << QList<bool>{false, true, true};
    }
    void questionText()
    {
        QFETCH(int, pattern);
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(QList<bool>, key);
        Form1 &form = chartWith("3,9,10,7,3,1");
        // The same draws serve either maker: a) above, b) less, c) not left of.
        pushScript(QString("T%1  K2 P1 D1 D1 R1 D1 D2  K1 P1 D1 D1 L6 D2 D3  K3 P2 D1 D1 R3 D1 D5").arg(pattern));
        form.QuestionNumber = std::int16_t(number);
        const QString fault = drawsFault([&] { form.QuestionMake(); });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        QCOMPARE(questionBox()->text(), text);
        QCOMPARE(answerKey(), (Ticks{key[0], key[1], key[2]}));
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(quest(k)->text(), QString(key[k - 1] ? "Vrai" : "Faux"));
        QCOMPARE(questionBox()->selStart(), 0);
        QCOMPARE(questionBox()->selLength(), 0);
        const QString colours = questionColourFault(*questionBox(), readChart(form));
        QVERIFY2(colours.isEmpty(), qPrintable(colours));
    }

    // Colours left by an earlier screen, and an ink left on the caret, do not
    // leak into the words of the next question.
    void blackRestoredOverPreviousColours()
    {
        Form1 &form = chartWith("3,9,10,7,3,1");
        pushScript("T7  K1 P1 D1 D1 L6 D2 D3  K1 P1 D1 D1 L6 D2 D3  K1 P1 D1 D1 L6 D2 D3");
        form.QuestionNumber = 1;
        QString fault = drawsFault([&] { form.QuestionMake(); });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        RichTextBox *box = questionBox();
        box->setSelStart(0);
        box->setSelLength(static_cast<int>(box->text().size()));
        box->setSelColor(QColor(0x00, 0xC0, 0x00));
        box->setTextColor(QColor(0xFF, 0x00, 0x00));

        pushScript("T7  K2 P1 D1 D1 R4 D6 D4  K2 P2 D1 D1 R1 D4 D6  K2 P1 D1 D1 R2 D6 D3");
        form.QuestionNumber = 2;
        fault = drawsFault([&] { form.QuestionMake(); });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(box->text(), QString(" 2)\r\n\r\n   a) Altitude est à droite de Essence"
                                      "\r\n\r\n   b) Essence n'est pas au dessus de Altitude"
                                      "\r\n\r\n   c) Altitude est en dessous de Huile"));
        const QString colours = questionColourFault(*box, readChart(form));
        QVERIFY2(colours.isEmpty(), qPrintable(colours));
    }
};

QUOVALE_TEST_MAIN(StatementsTest)
#include "tst_statements.moc"
