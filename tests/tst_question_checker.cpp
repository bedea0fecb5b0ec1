// Reads many screens as a candidate would: the sentences in the question
// box, the names, colours and numbers on the dials, and where the dials stand
// in the window. Each sentence is judged from that alone and the verdict must
// match the answer key and the hidden correction labels.

#include "support/test_support.h"
#include "window/widgets/rich_text_box.h"

#include <QElapsedTimer>
#include <QLabel>

#include <algorithm>
#include <array>

namespace {

enum class Relation { Above, Below, LeftOf, RightOf, Greater, Less, Different };

struct Phrase {
    const char *words;
    Relation relation;
    bool level;
};
// The French wording, as the candidate reads it.
const Phrase Phrases[] = {
    {"au dessus de ", Relation::Above, false},       {"en dessous de ", Relation::Below, false},
    {"à gauche de ", Relation::LeftOf, false},       {"à droite de ", Relation::RightOf, false},
    {"supérieur à niveau ", Relation::Greater, true}, {"inférieur à niveau ", Relation::Less, true},
    {"différent de niveau ", Relation::Different, true},
};
const QString LevelWord = "niveau ";
const QString Affirmative = " est ";
const QString Negative = " n'est pas ";

const QStringList InstrumentNames = {"Vitesse", "Moteur", "Huile", "Essence", "Pression", "Altitude"};
const QStringList ChartInks = {"#000000", "#0000c0", "#ff0000", "#00c000", "#c000c0", "#ffff00", "#804000", "#c0c0c0"};
const std::array<std::pair<int, int>, 5> LevelRanges = {{{1, 10}, {10, 20}, {1500, 2000}, {2000, 3000}, {1000, 10000}}};

// Circles whose centres lie closer than this share a row or a column: the
// top dial and the bottom centre one are a few pixels apart, neighbouring
// columns more than fifty.
constexpr double SameLine = 20.0;

struct Dial {
    QString name;
    QString ink;
    int level = 0;
    QPointF centre;
};

struct Parsed {
    bool levelWord = false;
    int first = -1;
    bool negative = false;
    const Phrase *phrase = nullptr;
    int second = -1;
};

QRectF boxInWindow(const QWidget &form, const QWidget *widget)
{
    return QRectF(widget->mapTo(&form, QPoint(0, 0)), widget->size());
}

// The centre of the circle drawn around each dial's name.
QList<QPointF> dialCentres(const Form1 &form)
{
    QList<QPointF> centres;
    for (int i = 1; i <= 6; ++i) {
        const QPointF nameAt = boxInWindow(form, control<QLabel>(form, QString("Param%1").arg(i))).center();
        for (int k = 0; k <= 5; ++k) {
            const QRectF circle = boxInWindow(form, control<QWidget>(form, QString("Shape1_%1").arg(k)));
            if (circle.contains(nameAt))
                centres << circle.center();
        }
    }
    return centres;
}

bool holds(const Dial &x, const Dial &y, Relation relation)
{
    switch (relation) {
    case Relation::Above: return x.centre.y() < y.centre.y() - SameLine;
    case Relation::Below: return x.centre.y() > y.centre.y() + SameLine;
    case Relation::LeftOf: return x.centre.x() < y.centre.x() - SameLine;
    case Relation::RightOf: return x.centre.x() > y.centre.x() + SameLine;
    case Relation::Greater: return x.level > y.level;
    case Relation::Less: return x.level < y.level;
    case Relation::Different: return x.level != y.level;
    }
    return false;
}

int dialNamedAtStart(const QList<Dial> &dials, const QString &rest)
{
    for (int i = 0; i < dials.size(); ++i) {
        if (rest.startsWith(dials.at(i).name))
            return i;
    }
    return -1;
}

bool parse(const QString &sentence, const QList<Dial> &dials, Parsed &out)
{
    QString rest = sentence;
    out.levelWord = rest.startsWith(LevelWord);
    if (out.levelWord)
        rest.remove(0, LevelWord.size());
    out.first = dialNamedAtStart(dials, rest);
    if (out.first < 0)
        return false;
    rest.remove(0, dials.at(out.first).name.size());
    out.negative = rest.startsWith(Negative);
    if (!out.negative && !rest.startsWith(Affirmative))
        return false;
    rest.remove(0, (out.negative ? Negative : Affirmative).size());
    for (const Phrase &phrase : Phrases) {
        if (rest.startsWith(QString::fromUtf8(phrase.words)))
            out.phrase = &phrase;
    }
    if (!out.phrase)
        return false;
    rest.remove(0, QString::fromUtf8(out.phrase->words).size());
    out.second = dialNamedAtStart(dials, rest);
    return out.second >= 0 && rest == dials.at(out.second).name && out.levelWord == out.phrase->level;
}

struct Tally {
    int statements = 0;
    int level = 0;
    int negative = 0;
    QMap<QString, int> patterns;
};

// Everything wrong with the screen on show, or nothing.
QString screenProblem(const Form1 &form, const QList<QPointF> &centres, Tally &tally)
{
    QList<Dial> dials;
    QStringList names;
    QStringList inks;
    for (int i = 1; i <= 6; ++i) {
        const QLabel *name = control<QLabel>(form, QString("Param%1").arg(i));
        const QString value = control<QLabel>(form, QString("Valu%1").arg(i))->text();
        bool digits = !value.isEmpty() && !value.startsWith('0');
        for (const QChar c : value)
            digits = digits && c.isDigit();
        if (!digits)
            return QString("dial %1 shows '%2'").arg(i).arg(value);
        dials << Dial{name->text(), name->palette().color(QPalette::WindowText).name(), value.toInt(), centres.at(i - 1)};
        names << dials.last().name;
        inks << dials.last().ink;
    }
    QStringList sortedNames = names;
    QStringList allNames = InstrumentNames;
    sortedNames.sort();
    allNames.sort();
    if (sortedNames != allNames)
        return "instruments on the chart: " + names.join(' ');
    for (const QString &ink : inks) {
        if (!ChartInks.contains(ink) || inks.count(ink) != 1)
            return "colours on the chart: " + inks.join(' ');
    }
    const bool inOneRange = std::any_of(LevelRanges.begin(), LevelRanges.end(), [&](const auto &range) {
        return std::all_of(dials.begin(), dials.end(), [&](const Dial &d) {
            return d.level >= range.first && d.level <= range.second;
        });
    });
    if (!inOneRange)
        return "levels in no single range";

    const RichTextBox *box = control<RichTextBox>(form, "rtfAnswer");
    const QString text = box->text();
    const QStringList parts = text.split("\r\n\r\n");
    if (parts.size() != 4 || parts.at(0) != QString(" %1)").arg(form.QuestionNumber))
        return "layout of the question: " + text;

    QString pattern;
    const char *const letters[] = {"a", "b", "c"};
    for (int k = 1; k <= 3; ++k) {
        const QString lead = QString("   %1) ").arg(letters[k - 1]);
        if (!parts.at(k).startsWith(lead))
            return "statement lead: " + parts.at(k);
        const QString sentence = parts.at(k).mid(lead.size());
        Parsed statement;
        if (!parse(sentence, dials, statement))
            return "cannot read: " + sentence;
        if (statement.first == statement.second)
            return "one dial named twice: " + sentence;
        const bool related = holds(dials.at(statement.first), dials.at(statement.second), statement.phrase->relation);
        const bool isTrue = related != statement.negative;
        if (form.AnswerKey(k) != (isTrue ? 1 : 0))
            return QString("key %1 for '%2'").arg(form.AnswerKey(k)).arg(sentence);
        const QString caption = control<QLabel>(form, QString("Quest%1").arg(k))->text();
        if (caption != (isTrue ? "Vrai" : "Faux"))
            return QString("correction '%1' for '%2'").arg(caption, sentence);
        pattern += isTrue ? '1' : '0';
        ++tally.statements;
        tally.level += statement.levelWord ? 1 : 0;
        tally.negative += statement.negative ? 1 : 0;
    }
    if (!pattern.contains('1'))
        return "no true statement";
    ++tally.patterns[pattern];

    // Each name is on one dial and at most once in a statement, so every
    // occurrence is in that dial's colour and everything else is black.
    QStringList expected(text.size(), "#000000");
    for (const Dial &dial : dials) {
        for (auto at = text.indexOf(dial.name); at >= 0; at = text.indexOf(dial.name, at + dial.name.size())) {
            for (auto c = at; c < at + dial.name.size(); ++c)
                expected[c] = dial.ink;
        }
    }
    for (int p = 0; p < text.size(); ++p) {
        if (box->colorAt(p).name() != expected.at(p))
            return QString("colour %1 at %2 in: %3").arg(box->colorAt(p).name()).arg(p).arg(text);
    }
    return {};
}

} // namespace

class QuestionCheckerTest : public QObject
{
    Q_OBJECT

private slots:
    void manyScreens()
    {
        const std::uint32_t seeds[] = {11, 23, 37, 41, 59, 67, 73, 89, 97, 101};
        constexpr int ScreensPerSeed = 1000;
        Tally tally;
        QElapsedTimer clock;
        clock.start();
        for (const std::uint32_t seed : seeds) {
            FakeHost host;
            SeededDraws draws(seed);
            Form1 form(host, draws);
            const QList<QPointF> centres = dialCentres(form);
            QCOMPARE(centres.size(), 6);
            for (int screen = 0; screen < ScreensPerSeed; ++screen) {
                form.QuestionNumber = static_cast<std::int16_t>(screen % 60 + 1);
                form.ChartMake();
                form.QuestionMake();
                const QString problem = screenProblem(form, centres, tally);
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
        for (auto it = tally.patterns.cbegin(); it != tally.patterns.cend(); ++it) {
            QVERIFY2(std::abs(it.value() / screens - 1.0 / 7.0) < 0.02,
                     qPrintable(QString("pattern %1 on %2 screens").arg(it.key()).arg(it.value())));
        }
    }
};

QUOVALE_TEST_MAIN(QuestionCheckerTest)
#include "tst_question_checker.moc"
