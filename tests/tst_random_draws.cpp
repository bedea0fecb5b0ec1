// RandNum and RandomizeList: the exact numbers they give for known draws,
// how many draws they take, and their spread over a long reproducible stream.

#include "support/test_support.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// The largest single-precision value below 1: the top of the generator's range.
const float TopDraw = std::nextafter(1.0f, 0.0f);

// Chi-square value exceeded with probability 0.001 for `df` degrees of
// freedom (Wilson-Hilferty approximation; a little above the exact value
// for small df, so the bound only gets more generous).
double chiSquareLimit(int df)
{
    const double z = 3.0902;  // upper 0.1% point of the normal law
    const double k = df;
    const double a = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - a + z * std::sqrt(a), 3.0);
}

template <typename Counts>
double chiSquare(const Counts &observed, double expected)
{
    double sum = 0;
    for (const auto count : observed)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

template <int Lo, int Hi>
BoundedArray<std::int16_t, Lo, Hi> ascending()
{
    BoundedArray<std::int16_t, Lo, Hi> items;
    for (int i = Lo; i <= Hi; ++i)
        items(i) = static_cast<std::int16_t>(i - Lo + 1);
    return items;
}

template <int Lo, int Hi>
QList<int> contents(const BoundedArray<std::int16_t, Lo, Hi> &items)
{
    QList<int> values;
    for (int i = Lo; i <= Hi; ++i)
        values.append(items(i));
    return values;
}

void pushAll(ScriptedDraws &draws, const QList<float> &values)
{
    for (const float r : values)
        draws.push({r});
}

} // namespace

class RandomDrawsTest : public QObject
{
    Q_OBJECT

private slots:
    void randNumForKnownDraw_data()
    {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("expected");

        // r = 0 is the bottom of every range.
        QTest::newRow("zero 1..7") << 1 << 7 << 0.0f << 1;
        QTest::newRow("zero 1..10000") << 1 << 10000 << 0.0f << 1;
        QTest::newRow("zero 1500..2000") << 1500 << 2000 << 0.0f << 1500;
        QTest::newRow("zero 1000..10000") << 1000 << 10000 << 0.0f << 1000;
        // The top draw lands on upperbound; forming the sum in single
        // precision would round it up to upperbound + 1 for 10..20,
        // 1500..2000 and 2000..3000.
        QTest::newRow("top 1..2") << 1 << 2 << TopDraw << 2;
        QTest::newRow("top 1..5") << 1 << 5 << TopDraw << 5;
        QTest::newRow("top 1..7") << 1 << 7 << TopDraw << 7;
        QTest::newRow("top 10..20") << 10 << 20 << TopDraw << 20;
        QTest::newRow("top 1500..2000") << 1500 << 2000 << TopDraw << 2000;
        QTest::newRow("top 2000..3000") << 2000 << 3000 << TopDraw << 3000;
        QTest::newRow("top 1000..10000") << 1000 << 10000 << TopDraw << 10000;
        QTest::newRow("top 1..10000") << 1 << 10000 << TopDraw << 10000;
        // Floor, not rounding to nearest.
        QTest::newRow("1.6 floors to 1") << 1 << 2 << 0.3f << 1;
        QTest::newRow("10.7 floors to 10") << 1 << 10 << 0.97f << 10;
        QTest::newRow("4.9 floors to 4") << 1 << 5 << 0.78f << 4;
        // On and just below a step between two results.
        QTest::newRow("step 0.5 of 1..2") << 1 << 2 << 0.5f << 2;
        QTest::newRow("below step 0.5 of 1..2") << 1 << 2 << std::nextafter(0.5f, 0.0f) << 1;
        QTest::newRow("step 0.75 of 1..4") << 1 << 4 << 0.75f << 4;
        QTest::newRow("below step 0.75 of 1..4") << 1 << 4 << std::nextafter(0.75f, 0.0f) << 3;
        QTest::newRow("middle of 1000..10000") << 1000 << 10000 << 0.5f << 5500;
        // A single-value range gives its value whatever the draw.
        QTest::newRow("a..a zero") << 7 << 7 << 0.0f << 7;
        QTest::newRow("a..a middle") << 1500 << 1500 << 0.5f << 1500;
        QTest::newRow("a..a top") << 10000 << 10000 << TopDraw << 10000;
        QTest::newRow("1..1 top") << 1 << 1 << TopDraw << 1;
    }

    void randNumForKnownDraw()
    {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(float, r);
        QFETCH(int, expected);

        ScriptedDraws draws{r};
        const float value = RandNum(draws, static_cast<std::int16_t>(lower), static_cast<std::int16_t>(upper));
        QVERIFY2(std::floor(value) == value, qPrintable(QString::number(double(value), 'f', 6)));
        QCOMPARE(static_cast<int>(value), expected);
        QCOMPARE(draws.drawn, 1);
        QCOMPARE(draws.overrun, 0);
    }

    void drawsConsumed_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<int>("expected");
        QTest::newRow("RandNum(1, 7)") << "RandNum(1, 7)" << 1;
        QTest::newRow("RandNum(3, 3)") << "RandNum(3, 3)" << 1;
        QTest::newRow("list 1..8") << "1..8" << 7;
        QTest::newRow("list 1..6") << "1..6" << 5;
        QTest::newRow("list 1..2") << "1..2" << 1;
        QTest::newRow("list 1..1") << "1..1" << 0;
        QTest::newRow("list 4..4") << "4..4" << 0;
        QTest::newRow("list 3..7") << "3..7" << 4;
        QTest::newRow("list 0..5") << "0..5" << 5;
    }

    void drawsConsumed()
    {
        QFETCH(QString, procedure);
        QFETCH(int, expected);

        ScriptedDraws draws;
        for (int k = 0; k < 20; ++k)
            draws.push({0.5f});
        if (procedure == "RandNum(1, 7)") {
            RandNum(draws, 1, 7);
        } else if (procedure == "RandNum(3, 3)") {
            RandNum(draws, 3, 3);
        } else if (procedure == "1..8") {
            auto items = ascending<1, 8>();
            RandomizeList(draws, items);
        } else if (procedure == "1..6") {
            auto items = ascending<1, 6>();
            RandomizeList(draws, items);
        } else if (procedure == "1..2") {
            auto items = ascending<1, 2>();
            RandomizeList(draws, items);
        } else if (procedure == "1..1") {
            // A single element: no draw, and the element stays as it was.
            BoundedArray<std::int16_t, 1, 1> one;
            one(1) = -3;
            RandomizeList(draws, one);
            QCOMPARE(one(1), std::int16_t(-3));
        } else if (procedure == "4..4") {
            BoundedArray<std::int16_t, 4, 4> one;
            one(4) = 42;
            RandomizeList(draws, one);
            QCOMPARE(one(4), std::int16_t(42));
        } else if (procedure == "3..7") {
            auto items = ascending<3, 7>();
            RandomizeList(draws, items);
        } else if (procedure == "0..5") {
            auto items = ascending<0, 5>();
            RandomizeList(draws, items);
        } else {
            QFAIL("unknown procedure");
        }
        QCOMPARE(draws.drawn, expected);
        QCOMPARE(draws.overrun, 0);
    }

    void twoElementListSwapsFromOneHalf_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<bool>("swapped");
        QTest::newRow("0") << 0.0f << false;
        QTest::newRow("0.25") << 0.25f << false;
        QTest::newRow("just below 0.5") << std::nextafter(0.5f, 0.0f) << false;
        QTest::newRow("0.5") << 0.5f << true;
        QTest::newRow("0.75") << 0.75f << true;
        QTest::newRow("top") << TopDraw << true;
    }

    void twoElementListSwapsFromOneHalf()
    {
        QFETCH(float, r);
        QFETCH(bool, swapped);
        ScriptedDraws draws{r};
        BoundedArray<std::int16_t, 1, 2> items;
        items(1) = 1;
        items(2) = 2;
        RandomizeList(draws, items);
        QCOMPARE(contents(items), swapped ? QList<int>({2, 1}) : QList<int>({1, 2}));
        QCOMPARE(draws.drawn, 1);
    }

    void scriptedShuffleOfSix_data()
    {
        // Positions 1..6 start as 1..6; step i swaps i with
        // j = floor((7 - i) * r + i).
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QList<int>>("expected");
        // Every j = i: nothing moves.
        QTest::newRow("all zero") << QList<float>{0, 0, 0, 0, 0} << QList<int>{1, 2, 3, 4, 5, 6};
        // Every j = 6: each step pushes the last value forward.
        QTest::newRow("all top") << QList<float>{TopDraw, TopDraw, TopDraw, TopDraw, TopDraw}
                                 << QList<int>{6, 1, 2, 3, 4, 5};
        // j = 6, 2, 5, 5, 6.
        QTest::newRow("mixed") << QList<float>{0.9f, 0.0f, 0.5f, 0.34f, 0.6f} << QList<int>{6, 2, 5, 3, 1, 4};
        // j = 2, 3, 4, 5, 6: each step moves the first value one place on.
        QTest::newRow("next neighbour") << QList<float>{0.2f, 0.3f, 0.3f, 0.4f, 0.5f}
                                        << QList<int>{2, 3, 4, 5, 6, 1};
        // j = 1, 6, 3, 4, 5: only positions 2 and 6 trade.
        QTest::newRow("one swap") << QList<float>{0.1f, 0.9f, 0.1f, 0.1f, 0.1f} << QList<int>{1, 6, 3, 4, 5, 2};
    }

    void scriptedShuffleOfSix()
    {
        QFETCH(QList<float>, script);
        QFETCH(QList<int>, expected);
        ScriptedDraws draws;
        pushAll(draws, script);
        auto items = ascending<1, 6>();
        RandomizeList(draws, items);
        QCOMPARE(contents(items), expected);
        QCOMPARE(draws.drawn, 5);
        QCOMPARE(draws.overrun, 0);
    }

    void scriptedShuffleUsesTheListsOwnBounds()
    {
        // Positions 3..7 hold 10..50; step i swaps i with j = floor((8 - i) * r + i).
        BoundedArray<std::int16_t, 3, 7> items;
        for (int i = 3; i <= 7; ++i)
            items(i) = static_cast<std::int16_t>((i - 2) * 10);
        // j = 4, 7, 5, 7.
        ScriptedDraws draws{0.3f, 0.99f, 0.1f, 0.7f};
        RandomizeList(draws, items);
        QCOMPARE(contents(items), QList<int>({20, 50, 30, 10, 40}));
        QCOMPARE(draws.drawn, 4);
        QCOMPARE(draws.overrun, 0);
    }

    void shuffleKeepsTheValues()
    {
        SeededDraws draws(99);
        BoundedArray<std::int16_t, 1, 8> items;
        const std::array<std::int16_t, 8> start{3, 3, 7, -2, 7, 7, 0, 10000};
        for (int i = 1; i <= 8; ++i)
            items(i) = start[static_cast<std::size_t>(i - 1)];
        QList<int> sorted(start.begin(), start.end());
        std::sort(sorted.begin(), sorted.end());
        bool orderChanged = false;
        // Shuffle the same list again and again: nothing may be lost or doubled.
        for (int round = 0; round < 500; ++round) {
            RandomizeList(draws, items);
            QList<int> now = contents(items);
            orderChanged = orderChanged || now != QList<int>(start.begin(), start.end());
            std::sort(now.begin(), now.end());
            QCOMPARE(now, sorted);
        }
        QVERIFY(orderChanged);
        QCOMPARE(draws.drawn, 500 * 7);
    }

    void randNumSpreadsEvenly_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("seed 1") << quint32(1);
        QTest::newRow("seed 2026") << quint32(2026);
        QTest::newRow("seed 123456789") << quint32(123456789);
    }

    void randNumSpreadsEvenly()
    {
        QFETCH(quint32, seed);
        SeededDraws draws(seed);
        constexpr int Draws = 70000;
        std::array<int, 7> counts{};
        for (int k = 0; k < Draws; ++k) {
            const float value = RandNum(draws, 1, 7);
            QVERIFY2(value >= 1 && value <= 7, qPrintable(QString::number(double(value))));
            QVERIFY(std::floor(value) == value);
            ++counts[static_cast<std::size_t>(value) - 1];
        }
        const double statistic = chiSquare(counts, Draws / 7.0);
        QVERIFY2(statistic < chiSquareLimit(6), qPrintable(QString("chi-square %1").arg(statistic)));
    }

    void shuffleSpreadsEachValueOverEachPosition_data() { randNumSpreadsEvenly_data(); }

    void shuffleSpreadsEachValueOverEachPosition()
    {
        QFETCH(quint32, seed);
        SeededDraws draws(seed);
        constexpr int Shuffles = 60000;
        std::array<std::array<int, 6>, 6> counts{};  // [position][value]
        for (int k = 0; k < Shuffles; ++k) {
            auto items = ascending<1, 6>();
            RandomizeList(draws, items);
            for (int i = 1; i <= 6; ++i)
                ++counts[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(items(i) - 1)];
        }
        for (int position = 0; position < 6; ++position) {
            const double statistic = chiSquare(counts[static_cast<std::size_t>(position)], Shuffles / 6.0);
            QVERIFY2(statistic < chiSquareLimit(5),
                     qPrintable(QString("position %1: chi-square %2").arg(position + 1).arg(statistic)));
        }
    }

    void shuffleOrdersEquallyLikely()
    {
        // Even spread over positions is not enough: every one of the 720
        // orders must come up about equally often.
        SeededDraws draws(31337);
        constexpr int Shuffles = 72000;
        std::vector<int> counts(46656, 0);  // indexed by the order read as a base-6 number
        for (int k = 0; k < Shuffles; ++k) {
            auto items = ascending<1, 6>();
            RandomizeList(draws, items);
            int code = 0;
            for (int i = 1; i <= 6; ++i)
                code = code * 6 + (items(i) - 1);
            ++counts[static_cast<std::size_t>(code)];
        }
        std::vector<int> seen;
        for (const int count : counts)
            if (count > 0)
                seen.push_back(count);
        QCOMPARE(int(seen.size()), 720);
        const double statistic = chiSquare(seen, Shuffles / 720.0);
        QVERIFY2(statistic < chiSquareLimit(719), qPrintable(QString("chi-square %1").arg(statistic)));
    }

    void toUnitUsesTheTopTwentyFourBits_data()
    {
        QTest::addColumn<quint32>("bits");
        QTest::addColumn<double>("expected");
        const double step = std::ldexp(1.0, -24);
        QTest::newRow("0") << quint32(0) << 0.0;
        QTest::newRow("low byte only") << quint32(0xFF) << 0.0;
        QTest::newRow("lowest counted bit") << quint32(0x100) << step;
        QTest::newRow("half") << quint32(0x80000000u) << 0.5;
        QTest::newRow("half, low byte set") << quint32(0x800000FFu) << 0.5;
        QTest::newRow("quarter") << quint32(0x40000000u) << 0.25;
        QTest::newRow("all bits") << quint32(0xFFFFFFFFu) << 1.0 - step;
        QTest::newRow("all but low byte") << quint32(0xFFFFFF00u) << 1.0 - step;
        QTest::newRow("top bits below all") << quint32(0xFFFFFEFFu) << 1.0 - 2 * step;
    }

    void toUnitUsesTheTopTwentyFourBits()
    {
        QFETCH(quint32, bits);
        QFETCH(double, expected);
        const float r = ClockSeededGenerator::toUnit(bits);
        QVERIFY(r >= 0.0f);
        QVERIFY(r < 1.0f);
        QVERIFY2(double(r) == expected,
                 qPrintable(QString("%1 instead of %2").arg(double(r), 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }

    void clockGeneratorNeverRepeatsItsStart()
    {
        const auto firstDraws = [](DrawSource &source) {
            std::array<float, 4> values{};
            for (float &r : values)
                r = source.next();
            return values;
        };

        // Two re-seeds in a row read two different clock times.
        ClockSeededGenerator generator;
        generator.reseed();
        const auto afterFirst = firstDraws(generator);
        generator.reseed();
        const auto afterSecond = firstDraws(generator);
        QVERIFY(afterFirst != afterSecond);

        // Two generators made one after the other start apart too.
        ClockSeededGenerator one;
        ClockSeededGenerator two;
        QVERIFY(firstDraws(one) != firstDraws(two));

        // And a fresh one does not start from the engine's built-in seed.
        std::mt19937 builtIn;
        std::array<float, 4> builtInStart{};
        for (float &r : builtInStart)
            r = ClockSeededGenerator::toUnit(static_cast<std::uint32_t>(builtIn()));
        ClockSeededGenerator fresh;
        QVERIFY(firstDraws(fresh) != builtInStart);
    }

    void clockGeneratorStaysBelowOne()
    {
        ClockSeededGenerator generator;
        double sum = 0;
        constexpr int Draws = 100000;
        for (int k = 0; k < Draws; ++k) {
            const float r = generator.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            sum += r;
        }
        // The mean of uniform draws: 0.5 with a spread near 0.001 here.
        QVERIFY2(std::abs(sum / Draws - 0.5) < 0.01, qPrintable(QString::number(sum / Draws)));
    }
};

QUOVALE_TEST_MAIN(RandomDrawsTest)
#include "tst_random_draws.moc"
