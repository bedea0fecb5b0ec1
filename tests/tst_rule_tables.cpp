// The constant tables that decide the truth of position statements and the
// seven truth patterns of a question, as the window holds them after load.

#include "support/test_support.h"

#include <QPushButton>
#include <QSet>

#include <utility>
#include <vector>

namespace {

using Pair = std::pair<int, int>;

// The true cells, copied by hand from the dial triangle:
//              1
//         2         3
//     4        5         6
const std::vector<Pair> AboveTrue = {
    {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6},
    {2, 4}, {2, 5}, {2, 6},
    {3, 4}, {3, 5}, {3, 6},
};
const std::vector<Pair> BelowTrue = {
    {2, 1}, {3, 1},
    {4, 1}, {4, 2}, {4, 3},
    {5, 1}, {5, 2}, {5, 3},
    {6, 1}, {6, 2}, {6, 3},
};
const std::vector<Pair> LeftOfTrue = {
    {1, 3}, {1, 6},
    {2, 1}, {2, 3}, {2, 5}, {2, 6},
    {3, 6},
    {4, 1}, {4, 2}, {4, 3}, {4, 5}, {4, 6},
    {5, 3}, {5, 6},
};
const std::vector<Pair> RightOfTrue = {
    {1, 2}, {1, 4},
    {2, 4},
    {3, 1}, {3, 2}, {3, 4}, {3, 5},
    {5, 2}, {5, 4},
    {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5},
};
// Pattern p: the statements (1 = a, 2 = b, 3 = c) it makes true.
const std::vector<std::vector<int>> PatternTrue = {
    {}, {1}, {2}, {3}, {1, 2}, {1, 3}, {2, 3}, {1, 2, 3},
};

const QStringList TableNames = {"IsAbove", "IsBelow", "IsLeftOf", "IsRightOf"};

const RelationTable &table(const Form1 &form, const QString &name)
{
    if (name == "IsAbove")
        return form.IsAbove;
    if (name == "IsBelow")
        return form.IsBelow;
    if (name == "IsLeftOf")
        return form.IsLeftOf;
    return form.IsRightOf;
}

const std::vector<Pair> &expectedTrue(const QString &name)
{
    if (name == "IsAbove")
        return AboveTrue;
    if (name == "IsBelow")
        return BelowTrue;
    if (name == "IsLeftOf")
        return LeftOfTrue;
    return RightOfTrue;
}

bool listed(const std::vector<Pair> &pairs, int x, int y)
{
    for (const Pair &p : pairs)
        if (p.first == x && p.second == y)
            return true;
    return false;
}

} // namespace

class RuleTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void relationCell_data()
    {
        QTest::addColumn<QString>("tableName");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("expected");
        for (const QString &name : TableNames)
            for (int x = 1; x <= 6; ++x)
                for (int y = 1; y <= 6; ++y)
                    QTest::addRow("%s(%d,%d)", qPrintable(name), x, y)
                        << name << x << y << (listed(expectedTrue(name), x, y) ? -1 : 0);
    }
    void relationCell()
    {
        QFETCH(QString, tableName);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, expected);
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        QCOMPARE(int(table(form, tableName)(x, y)), expected);
    }

    void tableShape_data()
    {
        QTest::addColumn<QString>("tableName");
        QTest::addColumn<int>("trueCells");
        QTest::addColumn<int>("falseOffDiagonal");
        QTest::newRow("IsAbove") << "IsAbove" << 11 << 19;
        QTest::newRow("IsBelow") << "IsBelow" << 11 << 19;
        QTest::newRow("IsLeftOf") << "IsLeftOf" << 14 << 16;
        QTest::newRow("IsRightOf") << "IsRightOf" << 14 << 16;
    }
    void tableShape()
    {
        QFETCH(QString, tableName);
        QFETCH(int, trueCells);
        QFETCH(int, falseOffDiagonal);
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        const RelationTable &t = table(form, tableName);
        int trues = 0;
        int falsesOff = 0;
        for (int x = 1; x <= 6; ++x) {
            for (int y = 1; y <= 6; ++y) {
                const int v = t(x, y);
                QVERIFY2(v == -1 || v == 0, qPrintable(QString("cell (%1,%2) holds %3").arg(x).arg(y).arg(v)));
                if (v == -1)
                    ++trues;
                else if (x != y)
                    ++falsesOff;
                if (x == y)
                    QVERIFY2(v == 0, qPrintable(QString("dial %1 related to itself").arg(x)));
            }
        }
        QCOMPARE(trues, trueCells);
        QCOMPARE(falsesOff, falseOffDiagonal);
    }

    // Each relation is the mirror of its opposite, and no pair holds both.
    void oppositeRelations_data()
    {
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QString>("opposite");
        QTest::newRow("above/below") << "IsAbove" << "IsBelow";
        QTest::newRow("below/above") << "IsBelow" << "IsAbove";
        QTest::newRow("left/right") << "IsLeftOf" << "IsRightOf";
        QTest::newRow("right/left") << "IsRightOf" << "IsLeftOf";
    }
    void oppositeRelations()
    {
        QFETCH(QString, relation);
        QFETCH(QString, opposite);
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        const RelationTable &a = table(form, relation);
        const RelationTable &b = table(form, opposite);
        for (int x = 1; x <= 6; ++x) {
            for (int y = 1; y <= 6; ++y) {
                QCOMPARE(a(x, y), b(y, x));
                QVERIFY2(!(a(x, y) == -1 && b(x, y) == -1),
                         qPrintable(QString("(%1,%2) true both ways").arg(x).arg(y)));
            }
        }
    }

    void truthPatternCell_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("statement");
        QTest::addColumn<int>("expected");
        for (int p = 1; p <= 7; ++p)
            for (int k = 1; k <= 3; ++k) {
                bool isTrue = false;
                for (int t : PatternTrue[static_cast<std::size_t>(p)])
                    isTrue = isTrue || t == k;
                QTest::addRow("TruthPattern(%d,%d)", p, k) << p << k << (isTrue ? -1 : 0);
            }
    }
    void truthPatternCell()
    {
        QFETCH(int, pattern);
        QFETCH(int, statement);
        QFETCH(int, expected);
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        QCOMPARE(int(form.TruthPattern(pattern, statement)), expected);
    }

    // The seven rows are the seven ways at least one statement is true.
    void truthPatternsAreTheNonEmptySubsets()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        QSet<int> subsets;
        for (int p = 1; p <= 7; ++p) {
            int mask = 0;
            for (int k = 1; k <= 3; ++k) {
                const int v = form.TruthPattern(p, k);
                QVERIFY2(v == -1 || v == 0, qPrintable(QString("pattern %1 holds %2").arg(p).arg(v)));
                if (v == -1)
                    mask |= 1 << (k - 1);
            }
            QVERIFY2(mask != 0, qPrintable(QString("pattern %1 makes nothing true").arg(p)));
            subsets.insert(mask);
        }
        QCOMPARE(subsets.size(), 7);
    }

    // The window starts with every cell zero; only the load step fills them.
    void emptyBeforeLoad()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws, Form1::LoadStep::Skip);
        for (const QString &name : TableNames)
            for (int x = 1; x <= 6; ++x)
                for (int y = 1; y <= 6; ++y)
                    QCOMPARE(int(table(form, name)(x, y)), 0);
        for (int p = 1; p <= 7; ++p)
            for (int k = 1; k <= 3; ++k)
                QCOMPARE(int(form.TruthPattern(p, k)), 0);
        form.Form_Load();
        QCOMPARE(int(form.IsAbove(1, 2)), -1);
        QCOMPARE(int(form.TruthPattern(7, 3)), -1);
    }

    // Making statements reads the tables and must never write them.
    void unchangedByQuestions()
    {
        FakeHost host;
        SeededDraws draws(4242);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *suivant = control<QPushButton>(form, "Suivant");
        QVERIFY(suivant);
        for (int screen = 0; screen < 12; ++screen)
            QTest::mouseClick(suivant, Qt::LeftButton);
        QCOMPARE(int(form.QuestionNumber), 12);
        for (const QString &name : TableNames)
            for (int x = 1; x <= 6; ++x)
                for (int y = 1; y <= 6; ++y)
                    QCOMPARE(int(table(form, name)(x, y)), listed(expectedTrue(name), x, y) ? -1 : 0);
        for (int p = 1; p <= 7; ++p)
            for (int k = 1; k <= 3; ++k) {
                bool isTrue = false;
                for (int t : PatternTrue[static_cast<std::size_t>(p)])
                    isTrue = isTrue || t == k;
                QCOMPARE(int(form.TruthPattern(p, k)), isTrue ? -1 : 0);
            }
    }
};

QUOVALE_TEST_MAIN(RuleTablesTest)
#include "tst_rule_tables.moc"
