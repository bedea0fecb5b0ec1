// The constant tables behind the answer key: the four position tables must
// say what the chart shows, and the truth patterns must be the seven ways in
// which at least one statement is true. Both are checked after a few screens,
// since making statements reads the tables and must never write them.

#include "support/window_test.h"

#include <QSet>

using Table = const RelationTable Form1::*;
Q_DECLARE_METATYPE(Table)

class RuleTablesTest : public WindowTest
{
    Q_OBJECT

    static constexpr int Screens = 12;

private slots:
    void relationTableAsOnScreen_data()
    {
        QTest::addColumn<int>("relation");
        QTest::addColumn<Table>("table");
        QTest::newRow("au dessus de") << 1 << Table(&Form1::IsAbove);
        QTest::newRow("en dessous de") << 2 << Table(&Form1::IsBelow);
        QTest::newRow("à gauche de") << 3 << Table(&Form1::IsLeftOf);
        QTest::newRow("à droite de") << 4 << Table(&Form1::IsRightOf);
    }
    void relationTableAsOnScreen()
    {
        QFETCH(int, relation);
        QFETCH(Table, table);
        Form1 &form = window();
        for (int screen = 0; screen < Screens; ++screen)
            pressSuivant();
        const Chart chart = readChart(form);
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y) {
                const bool stands = standsAs(relation, chart[std::size_t(x - 1)], chart[std::size_t(y - 1)]);
                QVERIFY2(int((form.*table)(x, y)) == (stands ? TruthTrue : TruthFalse),
                         qPrintable(QString("dial %1 and dial %2").arg(x).arg(y)));
            }
    }

    void truthPatternsAreTheNonEmptySubsets()
    {
        Form1 &form = window();
        for (int screen = 0; screen < Screens; ++screen)
            pressSuivant();
        QSet<int> subsets;
        for (int p = 1; p <= 7; ++p) {
            int mask = 0;
            for (int k = 1; k <= 3; ++k) {
                const int v = form.TruthPattern(p, k);
                QVERIFY2(v == TruthTrue || v == TruthFalse, qPrintable(QString("pattern %1 holds %2").arg(p).arg(v)));
                mask |= v == TruthTrue ? 1 << (k - 1) : 0;
            }
            subsets.insert(mask);
        }
        QVERIFY2(!subsets.contains(0), "a pattern makes nothing true");
        QCOMPARE(subsets.size(), 7);
    }
};

QUOVALE_TEST_MAIN(RuleTablesTest)
#include "tst_rule_tables.moc"
