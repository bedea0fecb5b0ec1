// The six-dial chart as the candidate reads it from the labels: exact charts
// for known draws, the rules every chart keeps, and the chart built by a
// press of Suivant.

#include "support/expected.h"
#include "support/window_test.h"

using expected::ChartColours;
using expected::InstrumentNames;
using expected::LevelRanges;

class ChartTest : public WindowTest
{
    Q_OBJECT

private slots:
    void scriptedChart_data()
    {
        // The 19 draws in the order the chart takes them: 7 for the colour
        // list 1..8, 5 for the instrument list 1..6, the range, six levels.
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QList<int>>("colours");
        QTest::addColumn<QList<int>>("instruments");
        QTest::addColumn<QStringList>("levels");

        // Nothing moves in either shuffle; range 1 and its lowest level everywhere.
        QTest::newRow("all draws zero") << QList<float>(19, 0.0f) << QList<int>{1, 2, 3, 4, 5, 6}
                                        << QList<int>{1, 2, 3, 4, 5, 6} << QStringList{"1", "1", "1", "1", "1", "1"};
        // Colours: j = 5, 8, 3, 7, 6, 8, 7 gives 5 8 3 7 6 2 | 4 1.
        // Instruments: j = 3, 6, 5, 4, 6 gives 3 6 5 4 2 1.
        // Range 5 (1000..10000, 9001 levels): floor(9001 r + 1000).
        QTest::newRow("range 5 reaching 10000")
            << QList<float>{0.55f, 0.95f, 0.1f, 0.7f, 0.3f, 0.9f, 0.2f,
                            0.4f, 0.85f, 0.6f, 0.0f, 0.75f,
                            0.9f,
                            TopDraw, 0.0f, 0.5f, 0.25f, 0.1f, 0.75f}
            << QList<int>{5, 8, 3, 7, 6, 2} << QList<int>{3, 6, 5, 4, 2, 1}
            << QStringList{"10000", "1000", "5500", "3250", "1900", "7750"};
        // Colours: j = 8, 2, 6, 6, 8, 6, 8 gives 8 2 6 3 1 4 | 5 7.
        // Instruments: j = 4, 4, 6, 4, 6 gives 4 1 6 2 3 5.
        // Range 4 (2000..3000, 1001 levels).
        QTest::newRow("range 4")
            << QList<float>{0.99f, 0.0f, 0.5f, 0.5f, 0.99f, 0.0f, 0.5f,
                            0.5f, 0.5f, 0.99f, 0.0f, 0.5f,
                            0.7f,
                            0.5f, TopDraw, 0.001f, 0.3f, 0.0f, 0.9995f}
            << QList<int>{8, 2, 6, 3, 1, 4} << QList<int>{4, 1, 6, 2, 3, 5}
            << QStringList{"2500", "3000", "2001", "2300", "2000", "3000"};
    }
    void scriptedChart()
    {
        QFETCH(QList<float>, script);
        QFETCH(QList<int>, colours);
        QFETCH(QList<int>, instruments);
        QFETCH(QStringList, levels);
        for (const float r : script)
            scripted.push({r});
        Form1 &form = makeWindow(scripted);
        QCOMPARE(scripted.drawn, 0);  // the waiting window draws nothing

        form.ChartMake();
        const Chart chart = readChart(form);
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(chart[i].ink, ChartColours[colours[int(i)] - 1]);
            QCOMPARE(chart[i].name, InstrumentNames[instruments[int(i)] - 1]);
            QCOMPARE(chart[i].level, levels[int(i)]);
        }
        QCOMPARE(scripted.drawn, 19);
    }

    // Both ends of each range come up.
    void rangeBounds_data()
    {
        QTest::addColumn<int>("range");
        for (int k = 1; k <= 5; ++k)
            QTest::addRow("range %d", k) << k;
    }
    void rangeBounds()
    {
        QFETCH(int, range);
        scripted.push({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        scripted.pushPick(range, 1, 5);
        scripted.push({0.0f, TopDraw, 0.0f, TopDraw, 0.0f, TopDraw});
        Form1 &form = makeWindow(scripted);
        form.ChartMake();
        const QString lowest = QString::number(LevelRanges[std::size_t(range - 1)].lowest);
        const QString highest = QString::number(LevelRanges[std::size_t(range - 1)].highest);
        const Chart chart = readChart(form);
        for (std::size_t i = 0; i < 6; ++i)
            QCOMPARE(chart[i].level, i % 2 == 0 ? lowest : highest);
    }

    void manyChartsKeepTheRules()
    {
        seeded.seed(4242);
        Form1 &form = window();
        constexpr int Charts = 2000;
        std::array<int, 5> byRange{};
        std::array<std::array<int, 8>, 6> colourAtDial{};
        std::array<std::array<int, 6>, 6> nameAtDial{};
        std::array<QSet<QString>, 2> levelsOfSmallRanges;
        for (int n = 0; n < Charts; ++n) {
            form.ChartMake();
            const Chart chart = readChart(form);
            const QString fault = chartFault(chart);
            QVERIFY2(fault.isEmpty(), qPrintable(QString("chart %1: %2").arg(n).arg(fault)));
            // The ranges come narrowest first, and the narrowest holding the
            // chart is the one it was drawn from, but for charts too unlikely
            // to come up here (say six 10s).
            const int range = rangesHolding(chart).first();
            ++byRange[std::size_t(range - 1)];
            for (std::size_t dial = 0; dial < 6; ++dial) {
                ++colourAtDial[dial][std::size_t(ChartColours.indexOf(chart[dial].ink))];
                ++nameAtDial[dial][std::size_t(InstrumentNames.indexOf(chart[dial].name))];
                if (range <= 2)
                    levelsOfSmallRanges[std::size_t(range - 1)] << chart[dial].level;
            }
        }

        // Each bound sits at least five standard deviations from the mean, so
        // only a real bias can cross it.
        const auto within = [](const auto &counts, int low, int high) {
            return std::all_of(counts.begin(), counts.end(), [&](int n) { return n >= low && n <= high; });
        };
        QVERIFY2(within(byRange, 300, 500), "ranges unevenly drawn");  // 400 expected
        for (std::size_t dial = 0; dial < 6; ++dial) {
            QVERIFY2(within(colourAtDial[dial], 175, 325), qPrintable(QString("colours on dial %1").arg(dial + 1)));
            QVERIFY2(within(nameAtDial[dial], 250, 420), qPrintable(QString("names on dial %1").arg(dial + 1)));
        }
        // The small ranges show every one of their levels, ends included.
        for (std::size_t k = 0; k < 2; ++k)
            for (int level = LevelRanges[k].lowest; level <= LevelRanges[k].highest; ++level)
                QVERIFY2(levelsOfSmallRanges[k].contains(QString::number(level)), qPrintable(QString::number(level)));
    }

    // Each press re-seeds, then builds the chart from the next 19 draws.
    void suivantBuildsTheChart()
    {
        constexpr std::uint32_t Seed = 777;
        seeded.seed(Seed);
        Form1 &form = window();
        for (const Dial &dial : readChart(form))
            QVERIFY(dial.level.isEmpty());

        pressSuivant();
        QCOMPARE(seeded.reseeds, 1);
        const Chart shown = readChart(form);
        QVERIFY2(chartFault(shown).isEmpty(), qPrintable(chartFault(shown)));

        // The same draws given straight to ChartMake give the same dials. A
        // level statement of the question may copy one dial's level onto
        // another, so the levels on show need only come from that chart.
        seeded.seed(Seed);
        form.ChartMake();
        const Chart built = readChart(form);
        QStringList builtLevels;
        for (const Dial &dial : built)
            builtLevels << dial.level;
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(shown[i].name, built[i].name);
            QCOMPARE(shown[i].ink, built[i].ink);
            QVERIFY2(builtLevels.contains(shown[i].level), qPrintable(shown[i].level + " not in " + builtLevels.join(' ')));
        }
    }
};

QUOVALE_TEST_MAIN(ChartTest)
#include "tst_chart.moc"
