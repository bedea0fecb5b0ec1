// Reads many screens as a candidate would: the sentences in the question
// box, the names, colours and numbers on the dials, and where the dials stand
// in the window. Each sentence is judged from that alone and the verdict must
// match the answer key and the hidden correction labels.

#include "support/expected.h"
#include "support/window_test.h"

#include <QElapsedTimer>

namespace {

using expected::RelationWords;

struct Parsed {
    bool levelWord = false;
    int first = -1;  // dial index 0..5
    bool negative = false;
    int relation = 0;  // 1..7
    int second = -1;
};

int dialNamedAtStart(const Chart &chart, const QString &rest)
{
    for (int i = 0; i < 6; ++i)
        if (rest.startsWith(chart[std::size_t(i)].name))
            return i;
    return -1;
}

bool parse(QString rest, const Chart &chart, Parsed &out)
{
    out.levelWord = rest.startsWith(expected::LevelPrefix);
    if (out.levelWord)
        rest.remove(0, expected::LevelPrefix.size());
    out.first = dialNamedAtStart(chart, rest);
    if (out.first < 0)
        return false;
    rest.remove(0, chart[std::size_t(out.first)].name.size());
    out.negative = rest.startsWith(expected::Negative);
    if (!out.negative && !rest.startsWith(expected::Affirmative))
        return false;
    rest.remove(0, (out.negative ? expected::Negative : expected::Affirmative).size());
    for (int r = 1; r <= 7; ++r)
        if (rest.startsWith(RelationWords[r - 1]))
            out.relation = r;
    if (out.relation == 0)
        return false;
    rest.remove(0, RelationWords[out.relation - 1].size());
    out.second = dialNamedAtStart(chart, rest);
    return out.second >= 0 && rest == chart[std::size_t(out.second)].name && out.levelWord == (out.relation >= 5);
}

bool holds(const Dial &x, const Dial &y, int relation)
{
    switch (relation) {
    case 5: return x.level.toInt() > y.level.toInt();
    case 6: return x.level.toInt() < y.level.toInt();
    case 7: return x.level.toInt() != y.level.toInt();
    default: return standsAs(relation, x, y);
    }
}

struct Tally {
    int statements = 0;
    int level = 0;
    int negative = 0;
    QMap<QString, int> patterns;
};

} // namespace

class QuestionCheckerTest : public WindowTest
{
    Q_OBJECT

    // Everything wrong with the screen on show, or nothing.
    QString screenProblem(const Form1 &form, Tally &tally) const
    {
        const Chart chart = readChart(form);
        if (const QString fault = chartFault(chart); !fault.isEmpty())
            return fault;

        const QString text = questionBox()->text();
        const QStringList parts = text.split("\r\n\r\n");
        if (parts.size() != 4 || parts.at(0) != QString(" %1)").arg(form.QuestionNumber))
            return "layout of the question: " + text;

        QString pattern;
        for (int k = 1; k <= 3; ++k) {
            const QString lead = QString("   %1) ").arg(QChar('a' + k - 1));
            if (!parts.at(k).startsWith(lead))
                return "statement lead: " + parts.at(k);
            const QString sentence = parts.at(k).mid(lead.size());
            Parsed statement;
            if (!parse(sentence, chart, statement))
                return "cannot read: " + sentence;
            if (statement.first == statement.second)
                return "one dial named twice: " + sentence;
            const bool related = holds(chart[std::size_t(statement.first)], chart[std::size_t(statement.second)],
                                       statement.relation);
            const bool isTrue = related != statement.negative;
            if (form.AnswerKey(k) != (isTrue ? 1 : 0))
                return QString("key %1 for '%2'").arg(form.AnswerKey(k)).arg(sentence);
            if (quest(k)->text() != (isTrue ? "Vrai" : "Faux"))
                return QString("correction '%1' for '%2'").arg(quest(k)->text(), sentence);
            pattern += isTrue ? '1' : '0';
            ++tally.statements;
            tally.level += statement.levelWord ? 1 : 0;
            tally.negative += statement.negative ? 1 : 0;
        }
        if (!pattern.contains('1'))
            return "no true statement";
        ++tally.patterns[pattern];
        return questionColourFault(*questionBox(), chart);
    }

private slots:
    void manyScreens()
    {
        const std::uint32_t seeds[] = {11, 23, 37, 41, 59, 67, 73, 89, 97, 101};
        constexpr int ScreensPerSeed = 1000;
        Tally tally;
        QElapsedTimer clock;
        clock.start();
        for (const std::uint32_t seed : seeds) {
            seeded.seed(seed);
            Form1 &form = makeWindow(seeded);
            for (int screen = 0; screen < ScreensPerSeed; ++screen) {
                form.QuestionNumber = static_cast<std::int16_t>(screen % 60 + 1);
                form.ChartMake();
                form.QuestionMake();
                const QString problem = screenProblem(form, tally);
                QVERIFY2(problem.isEmpty(),
                         qPrintable(QString("seed %1, screen %2: %3").arg(seed).arg(screen).arg(problem)));
            }
        }
        qInfo("%d screens checked in %lld ms", tally.statements / 3, static_cast<long long>(clock.elapsed()));

        const double statements = tally.statements;
        QVERIFY2(std::abs(tally.level / statements - 1.0 / 3.0) < 0.02,
                 qPrintable(QString("level statements %1 of %2").arg(tally.level).arg(tally.statements)));
        QVERIFY2(std::abs(tally.negative / statements - 0.5) < 0.02,
                 qPrintable(QString("negative statements %1 of %2").arg(tally.negative).arg(tally.statements)));
        QCOMPARE(tally.patterns.size(), 7);
        const double screens = tally.statements / 3;
        for (auto it = tally.patterns.cbegin(); it != tally.patterns.cend(); ++it)
            QVERIFY2(std::abs(it.value() / screens - 1.0 / 7.0) < 0.02,
                     qPrintable(QString("pattern %1 on %2 screens").arg(it.key()).arg(it.value())));
    }
};

QUOVALE_TEST_MAIN(QuestionCheckerTest)
#include "tst_question_checker.moc"
