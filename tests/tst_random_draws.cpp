// RandNum and RandomizeList: the exact numbers they give for known draws,
// how many draws they take, the spread of the shuffle; and the program's own
// generator, seeded from the clock.

#include "support/window_test.h"

#include <algorithm>

namespace {

// Shuffles the list Lo..Hi holding 1, 2, ... and returns what it holds then.
using Shuffle = QList<int> (*)(DrawSource &);
template <int Lo, int Hi>
QList<int> shuffled(DrawSource &draws)
{
    BoundedArray<std::int16_t, Lo, Hi> items;
    for (int i = Lo; i <= Hi; ++i)
        items(i) = static_cast<std::int16_t>(i - Lo + 1);
    RandomizeList(draws, items);
    QList<int> values;
    for (int i = Lo; i <= Hi; ++i)
        values.append(items(i));
    return values;
}

// Chi-square value exceeded with probability 0.001 for `df` degrees of
// freedom (Wilson-Hilferty; a little above the exact value, so generous).
double chiSquareLimit(int df)
{
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1.0 - a + 3.0902 * std::sqrt(a), 3.0);
}

} // namespace

Q_DECLARE_METATYPE(Shuffle)

class RandomDrawsTest : public WindowTest
{
    Q_OBJECT

private slots:
    void randNumForKnownDraw_data()
    {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero 1..7") << 1 << 7 << 0.0f << 1;
        QTest::newRow("zero 1000..10000") << 1000 << 10000 << 0.0f << 1000;
        // The top draw lands on upperbound; forming the sum in single
        // precision would round it up to upperbound + 1 for 10..20,
        // 1500..2000 and 2000..3000.
        QTest::newRow("top 1..2") << 1 << 2 << TopDraw << 2;
        QTest::newRow("top 1..7") << 1 << 7 << TopDraw << 7;
        QTest::newRow("top 10..20") << 10 << 20 << TopDraw << 20;
        QTest::newRow("top 1500..2000") << 1500 << 2000 << TopDraw << 2000;
        QTest::newRow("top 2000..3000") << 2000 << 3000 << TopDraw << 3000;
        QTest::newRow("top 1000..10000") << 1000 << 10000 << TopDraw << 10000;
        // Floor, not rounding to nearest, on and just below a step.
        QTest::newRow("10.7 floors to 10") << 1 << 10 << 0.97f << 10;
        QTest::newRow("step 0.5 of 1..2") << 1 << 2 << 0.5f << 2;
        QTest::newRow("below step 0.5 of 1..2") << 1 << 2 << std::nextafter(0.5f, 0.0f) << 1;
        QTest::newRow("below step 0.75 of 1..4") << 1 << 4 << std::nextafter(0.75f, 0.0f) << 3;
        QTest::newRow("middle of 1000..10000") << 1000 << 10000 << 0.5f << 5500;
        QTest::newRow("a..a top") << 1500 << 1500 << TopDraw << 1500;
    }
    void randNumForKnownDraw()
    {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(float, r);
        QFETCH(int, expected);
        scripted.push({r});
        const float value = RandNum(scripted, static_cast<std::int16_t>(lower), static_cast<std::int16_t>(upper));
        QCOMPARE(double(value), double(expected));
        QCOMPARE(scripted.drawn, 1);
    }

    // Step i of a list Lo..Hi swaps position i with j = floor((Hi + 1 - i) r + i):
    // one draw for each position but the last.
    void shuffleForKnownDraws_data()
    {
        QTest::addColumn<Shuffle>("shuffle");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QList<int>>("expected");
        const float belowHalf = std::nextafter(0.5f, 0.0f);
        QTest::newRow("1..1: no draw") << Shuffle(shuffled<1, 1>) << QList<float>{} << QList<int>{1};
        QTest::newRow("4..4: no draw") << Shuffle(shuffled<4, 4>) << QList<float>{} << QList<int>{1};
        QTest::newRow("1..2 just below one half") << Shuffle(shuffled<1, 2>) << QList<float>{belowHalf} << QList<int>{1, 2};
        QTest::newRow("1..2 at one half") << Shuffle(shuffled<1, 2>) << QList<float>{0.5f} << QList<int>{2, 1};
        QTest::newRow("1..2 top") << Shuffle(shuffled<1, 2>) << QList<float>{TopDraw} << QList<int>{2, 1};
        // Every j = i: nothing moves.
        QTest::newRow("1..6 all zero") << Shuffle(shuffled<1, 6>) << QList<float>(5, 0.0f) << QList<int>{1, 2, 3, 4, 5, 6};
        // Every j = 6: each step pushes the last value forward.
        QTest::newRow("1..6 all top") << Shuffle(shuffled<1, 6>) << QList<float>(5, TopDraw) << QList<int>{6, 1, 2, 3, 4, 5};
        // j = 6, 2, 5, 5, 6.
        QTest::newRow("1..6 mixed") << Shuffle(shuffled<1, 6>) << QList<float>{0.9f, 0.0f, 0.5f, 0.34f, 0.6f}
                                    << QList<int>{6, 2, 5, 3, 1, 4};
        // j = 2, 3, 4, 5, 6: the first value moves one place on at each step.
        QTest::newRow("1..6 next neighbour") << Shuffle(shuffled<1, 6>) << QList<float>{0.2f, 0.3f, 0.3f, 0.4f, 0.5f}
                                             << QList<int>{2, 3, 4, 5, 6, 1};
        QTest::newRow("1..8 all top") << Shuffle(shuffled<1, 8>) << QList<float>(7, TopDraw)
                                      << QList<int>{8, 1, 2, 3, 4, 5, 6, 7};
        // The list's own bounds: j = 4, 7, 5, 7.
        QTest::newRow("3..7") << Shuffle(shuffled<3, 7>) << QList<float>{0.3f, 0.99f, 0.1f, 0.7f}
                              << QList<int>{2, 5, 3, 1, 4};
        QTest::newRow("0..5 all zero") << Shuffle(shuffled<0, 5>) << QList<float>(5, 0.0f) << QList<int>{1, 2, 3, 4, 5, 6};
    }
    void shuffleForKnownDraws()
    {
        QFETCH(Shuffle, shuffle);
        QFETCH(QList<float>, script);
        QFETCH(QList<int>, expected);
        for (const float r : script)
            scripted.push({r});
        QCOMPARE(shuffle(scripted), expected);
        QCOMPARE(scripted.drawn, int(script.size()));
    }

    // Every one of the 720 orders of six comes up, about equally often.
    void shuffleOrdersEquallyLikely()
    {
        SeededDraws draws(31337);
        constexpr int Shuffles = 72000;
        const QList<int> values{1, 2, 3, 4, 5, 6};
        QHash<QList<int>, int> counts;
        for (int k = 0; k < Shuffles; ++k) {
            const QList<int> order = shuffled<1, 6>(draws);
            QVERIFY2(std::is_permutation(order.begin(), order.end(), values.begin()), "the values changed");
            ++counts[order];
        }
        QCOMPARE(counts.size(), 720);
        double statistic = 0;
        for (const int count : std::as_const(counts))
            statistic += (count - 100.0) * (count - 100.0) / 100.0;
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
        QTest::newRow("half, low byte set") << quint32(0x800000FFu) << 0.5;
        QTest::newRow("all bits") << quint32(0xFFFFFFFFu) << 1.0 - step;
    }
    void toUnitUsesTheTopTwentyFourBits()
    {
        QFETCH(quint32, bits);
        QFETCH(double, expected);
        QCOMPARE(double(ClockSeededGenerator::toUnit(bits)), expected);
    }

    // The program's generator: values in [0, 1) spread about one half, and
    // a new start at every re-seed, never the engine's built-in one.
    void clockSeededGenerator()
    {
        const auto firstDraws = [](DrawSource &source) {
            std::array<float, 4> values{};
            for (float &r : values)
                r = source.next();
            return values;
        };
        ClockSeededGenerator generator;
        double sum = 0;
        constexpr int Draws = 100000;
        for (int k = 0; k < Draws; ++k) {
            const float r = generator.next();
            QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(double(r))));
            sum += r;
        }
        // The spread of the mean is near 0.001 here.
        QVERIFY2(std::abs(sum / Draws - 0.5) < 0.01, qPrintable(QString::number(sum / Draws)));

        generator.reseed();
        const auto afterFirst = firstDraws(generator);
        generator.reseed();
        QVERIFY(firstDraws(generator) != afterFirst);
        ClockSeededGenerator one;
        ClockSeededGenerator two;
        QVERIFY(firstDraws(one) != firstDraws(two));

        std::mt19937 builtIn;
        std::array<float, 4> builtInStart{};
        for (float &r : builtInStart)
            r = ClockSeededGenerator::toUnit(static_cast<std::uint32_t>(builtIn()));
        ClockSeededGenerator fresh;
        QVERIFY(firstDraws(fresh) != builtInStart);
    }
};

QUOVALE_TEST_MAIN(RandomDrawsTest)
#include "tst_random_draws.moc"
