// The statements of a question: their wording, the choice the two makers
// make from a chart laid out by hand and a scripted stream of draws, and the
// question text with its answer key and colours.

#include "support/test_support.h"
#include "window/widgets/rich_text_box.h"
#include "window/widgets/text_color.h"

#include <QLabel>

namespace {

// The chart every scripted case starts from, dials 1 to 6.
const QStringList Names = {"Vitesse", "Moteur", "Huile", "Essence", "Pression", "Altitude"};
const QList<QColor> Inks = {QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x00, 0xC0), QColor(0x00, 0xC0, 0x00),
                            QColor(0xC0, 0x00, 0xC0), QColor(0x80, 0x40, 0x00), QColor(0xC0, 0xC0, 0xC0)};
const QString Black = QColor(0, 0, 0).name();

QLabel *param(const Form1 &form, int dial) { return control<QLabel>(form, QString("Param%1").arg(dial)); }
QLabel *valu(const Form1 &form, int dial) { return control<QLabel>(form, QString("Valu%1").arg(dial)); }
QLabel *quest(const Form1 &form, int rang) { return control<QLabel>(form, QString("Quest%1").arg(rang)); }
RichTextBox *answerBox(const Form1 &form) { return control<RichTextBox>(form, "rtfAnswer"); }

// A script of draws. Once it is spent, a choice loop that asks for more
// would spin for ever on one value; fresh values let it end, and the
// overrun count makes the case fail instead.
class GuardedDraws final : public DrawSource
{
public:
    float next() override
    {
        const bool spent = script.left() == 0;
        const float r = script.next();
        return spent ? ClockSeededGenerator::toUnit(static_cast<std::uint32_t>(m_spare())) : r;
    }
    void reseed() override { script.reseed(); }

    ScriptedDraws script;

private:
    std::mt19937 m_spare{5};
};

// Everything one case needs, built in this order and torn down in reverse.
struct Bench {
    FakeHost host;
    GuardedDraws draws;
    Form1 form{host, draws};

    // levels: "3,9,10,7,3,1" for dials 1 to 6.
    void setChart(const QString &levels, const QStringList &names = Names, const QList<QColor> &inks = Inks)
    {
        const QStringList values = levels.split(',');
        for (int i = 1; i <= 6; ++i) {
            param(form, i)->setText(names.at(i - 1));
            setTextColor(param(form, i), inks.at(i - 1));
            valu(form, i)->setText(values.at(i - 1));
        }
    }
    QString levels() const
    {
        QStringList values;
        for (int i = 1; i <= 6; ++i)
            values << valu(form, i)->text();
        return values.join(',');
    }
    // A script reads "K1 P2 D3 D4 L7 D1 D2": each word one draw, its letter
    // the range asked for. K kind (1..3), P polarity (1..2), D dial (1..6),
    // R position relation (1..4), L level relation (5..7), T truth pattern (1..7).
    void script(const QString &words)
    {
        for (const QString &word : words.split(' ', Qt::SkipEmptyParts)) {
            const int value = word.mid(1).toInt();
            switch (word.at(0).toLatin1()) {
            case 'K': draws.script.pushPick(value, 1, 3); break;
            case 'P': draws.script.pushPick(value, 1, 2); break;
            case 'D': draws.script.pushPick(value, 1, 6); break;
            case 'R': draws.script.pushPick(value, 1, 4); break;
            case 'L': draws.script.pushPick(value, 5, 7); break;
            case 'T': draws.script.pushPick(value, 1, 7); break;
            default: qFatal("bad script word %s", qPrintable(word));
            }
        }
    }
    bool usedExactly() const { return draws.script.left() == 0 && draws.script.overrun == 0; }
    QString drawReport() const
    {
        return QString("%1 scripted draws left, %2 asked beyond the script")
            .arg(draws.script.left()).arg(draws.script.overrun);
    }
};

// Every character of the box: black, except the first three occurrences of
// each dial's name, which take that dial's colour (dials 1 to 6 in turn).
QString colourProblem(const RichTextBox *box, const QStringList &names, const QList<QColor> &inks)
{
    const QString text = box->text();
    QStringList expected(text.size(), Black);
    for (int i = 0; i < names.size(); ++i) {
        qsizetype at = -1;
        for (int found = 0; found < 3; ++found) {
            at = text.indexOf(names.at(i), at + 1);
            if (at < 0)
                break;
            for (qsizetype c = at; c < at + names.at(i).size(); ++c)
                expected[c] = inks.at(i).name();
            at += names.at(i).size() - 1;
        }
    }
    for (int p = 0; p < text.size(); ++p) {
        const QString actual = box->colorAt(p).name();
        if (actual != expected.at(p))
            return QString("position %1 ('%2') is %3, expected %4").arg(p).arg(text.at(p)).arg(actual, expected.at(p));
    }
    return {};
}

} // namespace

class StatementsTest : public QObject
{
    Q_OBJECT

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
        QTest::newRow("less, negative") << 2 << 3 << 2 << 6 << 4 << "niveau Huile n'est pas inférieur à niveau Essence";
        QTest::newRow("below") << 1 << 6 << 2 << 2 << 5 << "Altitude n'est pas en dessous de Pression";
        QTest::newRow("left of") << 1 << 4 << 1 << 3 << 2 << "Essence est à gauche de Moteur";
        QTest::newRow("right of") << 1 << 3 << 2 << 4 << 1 << "Huile n'est pas à droite de Vitesse";
        QTest::newRow("greater") << 2 << 5 << 1 << 5 << 6 << "niveau Pression est supérieur à niveau Altitude";
        QTest::newRow("different") << 2 << 2 << 2 << 7 << 3 << "niveau Moteur n'est pas différent de niveau Huile";
        QTest::newRow("prefix 0") << 0 << 1 << 1 << 5 << 2 << "Vitesse est supérieur à niveau Moteur";
        QTest::newRow("prefix 8") << 8 << 1 << 1 << 5 << 2 << "Vitesse est supérieur à niveau Moteur";
        QTest::newRow("verb 0") << 1 << 1 << 0 << 1 << 2 << "Vitesseau dessus de Moteur";
        QTest::newRow("verb 8") << 2 << 1 << 8 << 6 << 2 << "niveau Vitesseinférieur à niveau Moteur";
        QTest::newRow("relation 0") << 1 << 1 << 1 << 0 << 2 << "Vitesse est Moteur";
        QTest::newRow("relation 8") << 2 << 1 << 2 << 8 << 2 << "niveau Vitesse n'est pas Moteur";
        QTest::newRow("same dial twice") << 1 << 3 << 1 << 3 << 3 << "Huile est à gauche de Huile";
    }
    void phrase()
    {
        QFETCH(int, An);
        QFETCH(int, Bn);
        QFETCH(int, Cn);
        QFETCH(int, Dn);
        QFETCH(int, En);
        QFETCH(QString, expected);
        Bench bench;
        bench.setChart("1,2,3,4,5,6");
        QCOMPARE(bench.form.MakePhrase(An, Bn, Cn, Dn, En), expected);
        QCOMPARE(bench.draws.script.drawn, 0);
    }

    // The names come from the labels as they are at the moment of the call.
    void phraseReadsLabelsNow()
    {
        Bench bench;
        bench.setChart("1,2,3,4,5,6");
        QCOMPARE(bench.form.MakePhrase(1, 1, 1, 1, 2), QString("Vitesse est au dessus de Moteur"));
        param(bench.form, 1)->setText("Altitude");
        param(bench.form, 2)->setText("Huile");
        QCOMPARE(bench.form.MakePhrase(1, 1, 1, 1, 2), QString("Altitude est au dessus de Huile"));
    }

    void makers_data()
    {
        QTest::addColumn<bool>("falseMaker");
        QTest::addColumn<int>("rang");
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("polarity");
        QTest::addColumn<QString>("levelsAfter");

        // Rows 1; 2, 3; 4, 5, 6. Columns from the left: 4 | 2 | 1 and 5 | 3 | 6.
        const QString chart = "3,9,10,7,3,1";
        QTest::newRow("position, affirmative") << false << 1 << chart << "K2 P1 D4 D4 R1 D1 D2"
            << "Vitesse est au dessus de Moteur" << 1 << 2 << 1 << 1 << chart;
        QTest::newRow("position, negative, same column") << false << 2 << chart << "K3 P2 D1 D1 R3 D1 D5"
            << "Vitesse n'est pas à gauche de Pression" << 1 << 5 << 1 << 2 << chart;
        QTest::newRow("position, pair drawn again") << false << 3 << chart << "K2 P1 D3 D3 R4 D2 D3 D6 D4"
            << "Altitude est à droite de Essence" << 6 << 4 << 1 << 1 << chart;
        QTest::newRow("position, same dial starts over") << false << 1 << chart
            << "K2 P2 D1 D2 R2 D3 D3 R1 D4 D5"
            << "Essence n'est pas au dessus de Pression" << 4 << 5 << 1 << 2 << chart;
        QTest::newRow("greater, affirmative, 10 over 9") << false << 2 << chart << "K1 P1 D1 D1 L5 D2 D3 D3 D2"
            << "niveau Huile est supérieur à niveau Moteur" << 3 << 2 << 2 << 1 << chart;
        QTest::newRow("less, affirmative, 9 under 10") << false << 3 << chart << "K1 P1 D1 D1 L6 D2 D3"
            << "niveau Moteur est inférieur à niveau Huile" << 2 << 3 << 2 << 1 << chart;
        QTest::newRow("different, affirmative") << false << 1 << chart << "K1 P1 D6 D6 L7 D1 D5 D1 D1 D1 D4"
            << "niveau Vitesse est différent de niveau Essence" << 1 << 4 << 2 << 1 << chart;
        QTest::newRow("greater, negative, equal levels") << false << 2 << chart << "K1 P2 D1 D1 L5 D5 D5 D3 D2 D1 D5"
            << "niveau Vitesse n'est pas supérieur à niveau Pression" << 1 << 5 << 2 << 2 << chart;
        QTest::newRow("less, negative") << false << 3 << chart << "K1 P2 D2 D2 L6 D2 D3 D3 D2"
            << "niveau Huile n'est pas inférieur à niveau Moteur" << 3 << 2 << 2 << 2 << chart;
        QTest::newRow("different, negative, chart change") << false << 1 << chart << "K1 P2 D1 D1 L7 D4 D4 D4 D6"
            << "niveau Essence n'est pas différent de niveau Altitude" << 4 << 6 << 2 << 2 << "3,9,10,7,3,7";

        QTest::newRow("false, position affirmative") << true << 1 << chart << "K2 P1 D4 D4 R1 D1 D2"
            << "Vitesse n'est pas au dessus de Moteur" << 1 << 2 << 1 << 2 << chart;
        QTest::newRow("false, position negative") << true << 2 << chart << "K3 P2 D1 D1 R3 D1 D5"
            << "Vitesse est à gauche de Pression" << 1 << 5 << 1 << 1 << chart;
        QTest::newRow("false, less affirmative") << true << 3 << chart << "K1 P1 D1 D1 L6 D2 D3"
            << "niveau Moteur n'est pas inférieur à niveau Huile" << 2 << 3 << 2 << 2 << chart;
        QTest::newRow("false, greater negative") << true << 1 << chart << "K1 P2 D1 D1 L5 D5 D5 D3 D2 D1 D5"
            << "niveau Vitesse est supérieur à niveau Pression" << 1 << 5 << 2 << 1 << chart;
        QTest::newRow("false, different negative") << true << 2 << chart << "K1 P2 D1 D1 L7 D4 D4 D4 D6"
            << "niveau Essence est différent de niveau Altitude" << 4 << 6 << 2 << 1 << "3,9,10,7,3,7";

        // Six equal levels: no affirmative comparison can hold, so a position
        // statement of the same polarity is made, without a level relation draw.
        const QString flat = "5,5,5,5,5,5";
        QTest::newRow("equal levels, affirmative") << false << 1 << flat << "K1 P1 D2 D3 R2 D4 D1"
            << "Essence est en dessous de Vitesse" << 4 << 1 << 1 << 1 << flat;
        QTest::newRow("false, equal levels, affirmative") << true << 2 << flat << "K1 P1 D1 D6 R3 D2 D3"
            << "Moteur n'est pas à gauche de Huile" << 2 << 3 << 1 << 2 << flat;
        QTest::newRow("equal levels, negative stays level") << false << 3 << flat << "K1 P2 D1 D1 L5 D1 D2"
            << "niveau Vitesse n'est pas supérieur à niveau Moteur" << 1 << 2 << 2 << 2 << flat;
    }
    void makers()
    {
        QFETCH(bool, falseMaker);
        QFETCH(int, rang);
        QFETCH(QString, levels);
        QFETCH(QString, script);
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, kind);
        QFETCH(int, polarity);
        QFETCH(QString, levelsAfter);

        Bench bench;
        bench.setChart(levels);
        bench.script(script);
        if (falseMaker)
            bench.form.MakeFalseQuestion(rang);
        else
            bench.form.MakeTrueQuestion(rang);

        QVERIFY2(bench.usedExactly(), qPrintable(bench.drawReport()));
        QCOMPARE(bench.form.Statements(rang), text);
        QCOMPARE(int(bench.form.FirstDial), first);
        QCOMPARE(int(bench.form.SecondDial), second);
        QCOMPARE(int(bench.form.StatementKind), kind);
        QCOMPARE(int(bench.form.Polarity), polarity);
        QCOMPARE(bench.levels(), levelsAfter);
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(quest(bench.form, k)->text(), k != rang ? QString() : QString(falseMaker ? "Faux" : "Vrai"));
            if (k != rang)
                QVERIFY(bench.form.Statements(k).isEmpty());
        }
    }

    // A whole question on six equal levels, where statements a) and b) ask
    // for affirmative level statements: both end as position statements.
    void equalLevelsQuestion()
    {
        Bench bench;
        bench.setChart("5,5,5,5,5,5");
        bench.script("T1  K1 P1 D2 D3 R2 D4 D1  K1 P1 D1 D6 R3 D2 D3  K1 P2 D1 D1 L5 D1 D2");
        bench.form.QuestionNumber = 4;
        bench.form.QuestionMake();
        QVERIFY2(bench.usedExactly(), qPrintable(bench.drawReport()));
        QCOMPARE(bench.form.Statements(1), QString("Essence est en dessous de Vitesse"));
        QCOMPARE(bench.form.Statements(2), QString("Moteur n'est pas à gauche de Huile"));
        QCOMPARE(bench.form.Statements(3), QString("niveau Vitesse est supérieur à niveau Moteur"));
        // Essence stands below Vitesse; Moteur does stand left of Huile; 5 is not above 5.
        QCOMPARE(int(bench.form.AnswerKey(1)), 1);
        QCOMPARE(int(bench.form.AnswerKey(2)), 0);
        QCOMPARE(int(bench.form.AnswerKey(3)), 0);
        QCOMPARE(quest(bench.form, 1)->text(), QString("Vrai"));
        QCOMPARE(quest(bench.form, 2)->text(), QString("Faux"));
        QCOMPARE(quest(bench.form, 3)->text(), QString("Faux"));
    }

    // Statement c) copies a level onto its second dial; a dial compared by
    // the level statement a) is refused there, one named only by a position
    // statement is not. The refusal lasts for one question only.
    void chartChangeSparesEarlierLevelStatement()
    {
        Bench bench;
        bench.setChart("3,9,10,7,3,1");
        bench.script("T7  K1 P1 D1 D1 L6 D2 D3  K2 P1 D1 D1 R1 D1 D6  K1 P2 D1 D1 L7 D3 D2 D1 D3 D4 D6");
        bench.form.QuestionNumber = 9;
        bench.form.QuestionMake();
        QVERIFY2(bench.usedExactly(), qPrintable(bench.drawReport()));
        QCOMPARE(bench.form.Statements(1), QString("niveau Moteur est inférieur à niveau Huile"));
        QCOMPARE(bench.form.Statements(2), QString("Vitesse est au dessus de Altitude"));
        QCOMPARE(bench.form.Statements(3), QString("niveau Essence n'est pas différent de niveau Altitude"));
        QCOMPARE(bench.levels(), QString("3,9,10,7,3,7"));
        // a) still holds on the chart the candidate sees.
        QVERIFY(valu(bench.form, 2)->text().toInt() < valu(bench.form, 3)->text().toInt());
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(int(bench.form.AnswerKey(k)), 1);

        // The next question starts afresh: dial 2 may now take a copied level.
        bench.script("T7  K1 P2 D1 D1 L7 D3 D2  K2 P1 D1 D1 R2 D4 D1  K2 P2 D1 D1 R4 D5 D1");
        bench.form.QuestionMake();
        QVERIFY2(bench.usedExactly(), qPrintable(bench.drawReport()));
        QCOMPARE(bench.form.Statements(1), QString("niveau Huile n'est pas différent de niveau Moteur"));
        QCOMPARE(bench.form.Statements(2), QString("Essence est en dessous de Vitesse"));
        QCOMPARE(bench.form.Statements(3), QString("Pression n'est pas à droite de Vitesse"));
        QCOMPARE(bench.levels(), QString("3,10,10,7,3,7"));
    }

    void questionText_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("key");
        QTest::newRow("pattern 1") << 1 << 1 << " 1)" << "100";
        QTest::newRow("pattern 2") << 2 << 7 << " 7)" << "010";
        QTest::newRow("pattern 3") << 3 << 12 << " 12)" << "001";
        QTest::newRow("pattern 4") << 4 << 33 << " 33)" << "110";
        QTest::newRow("pattern 5") << 5 << 59 << " 59)" << "101";
        QTest::newRow("pattern 6") << 6 << 60 << " 60)" << "011";
        QTest::newRow("pattern 7") << 7 << 7 << " 7)" << "111";
    }
    void questionText()
    {
        QFETCH(int, pattern);
        QFETCH(int, number);
        QFETCH(QString, heading);
        QFETCH(QString, key);

        Bench bench;
        bench.setChart("3,9,10,7,3,1");
        // The same draws serve either maker: a) above, b) less, c) not left of.
        bench.script(QString("T%1  K2 P1 D1 D1 R1 D1 D2  K1 P1 D1 D1 L6 D2 D3  K3 P2 D1 D1 R3 D1 D5").arg(pattern));
        bench.form.QuestionNumber = number;
        bench.form.QuestionMake();
        QVERIFY2(bench.usedExactly(), qPrintable(bench.drawReport()));

        const QString held[] = {"Vitesse est au dessus de Moteur", "niveau Moteur est inférieur à niveau Huile",
                                "Vitesse n'est pas à gauche de Pression"};
        const QString denied[] = {"Vitesse n'est pas au dessus de Moteur",
                                  "niveau Moteur n'est pas inférieur à niveau Huile",
                                  "Vitesse est à gauche de Pression"};
        QString expected = heading;
        const char *letters[] = {"a", "b", "c"};
        for (int k = 1; k <= 3; ++k) {
            const bool isTrue = key.at(k - 1) == '1';
            expected += QString("\r\n\r\n   %1) ").arg(letters[k - 1]) + (isTrue ? held[k - 1] : denied[k - 1]);
            QCOMPARE(int(bench.form.AnswerKey(k)), isTrue ? 1 : 0);
            QCOMPARE(quest(bench.form, k)->text(), QString(isTrue ? "Vrai" : "Faux"));
        }
        const RichTextBox *box = answerBox(bench.form);
        QCOMPARE(box->text(), expected);
        QCOMPARE(box->selStart(), 0);
        QCOMPARE(box->selLength(), 0);
        const QString problem = colourProblem(box, Names, Inks);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // Two dials carrying one name put it four times into the question:
    // the fourth occurrence stays black.
    void fourthOccurrenceStaysBlack()
    {
        Bench bench;
        QStringList names = Names;
        names[4] = "Vitesse";
        QList<QColor> inks = Inks;
        inks[4] = inks[0];
        bench.setChart("3,9,10,7,3,1", names, inks);
        bench.script("T7  K2 P1 D1 D1 R1 D1 D2  K2 P1 D1 D1 R2 D5 D1  K2 P1 D1 D1 R3 D4 D5");
        bench.form.QuestionNumber = 2;
        bench.form.QuestionMake();
        QVERIFY2(bench.usedExactly(), qPrintable(bench.drawReport()));
        const RichTextBox *box = answerBox(bench.form);
        const QString text = box->text();
        QCOMPARE(text, QString(" 2)\r\n\r\n   a) Vitesse est au dessus de Moteur"
                               "\r\n\r\n   b) Vitesse est en dessous de Vitesse"
                               "\r\n\r\n   c) Essence est à gauche de Vitesse"));
        const auto fourth = text.lastIndexOf("Vitesse");
        for (qsizetype p = fourth; p < fourth + 7; ++p)
            QCOMPARE(box->colorAt(static_cast<int>(p)).name(), Black);
        const QString problem = colourProblem(box, names, inks);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // Colours left by an earlier screen, and an ink left on the caret, do not
    // leak into the words of the next question.
    void blackRestoredOverPreviousColours()
    {
        Bench bench;
        bench.setChart("3,9,10,7,3,1");
        bench.script("T7  K1 P1 D1 D1 L6 D2 D3  K1 P1 D1 D1 L6 D2 D3  K1 P1 D1 D1 L6 D2 D3");
        bench.form.QuestionNumber = 1;
        bench.form.QuestionMake();
        RichTextBox *box = answerBox(bench.form);
        box->setSelStart(0);
        box->setSelLength(static_cast<int>(box->text().size()));
        box->setSelColor(QColor(0x00, 0xC0, 0x00));
        box->setTextColor(QColor(0xFF, 0x00, 0x00));

        bench.script("T7  K2 P1 D1 D1 R4 D6 D4  K2 P2 D1 D1 R1 D4 D6  K2 P1 D1 D1 R2 D6 D3");
        bench.form.QuestionNumber = 2;
        bench.form.QuestionMake();
        QVERIFY2(bench.usedExactly(), qPrintable(bench.drawReport()));
        QCOMPARE(box->text(), QString(" 2)\r\n\r\n   a) Altitude est à droite de Essence"
                                      "\r\n\r\n   b) Essence n'est pas au dessus de Altitude"
                                      "\r\n\r\n   c) Altitude est en dessous de Huile"));
        QCOMPARE(box->selStart(), 0);
        QCOMPARE(box->selLength(), 0);
        const QString problem = colourProblem(box, Names, Inks);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QUOVALE_TEST_MAIN(StatementsTest)
#include "tst_statements.moc"
