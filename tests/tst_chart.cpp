// The six-dial chart as the candidate reads it from the labels Param1..6
// (name and ink) and Valu1..6 (level): exact charts for known draws, the
// rules every chart keeps, and the chart built by a press of Suivant.

#include "support/test_support.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <array>
#include <cmath>

namespace {

const float TopDraw = std::nextafter(1.0f, 0.0f);

// Colour numbers 1..8 of the dial names.
const QStringList ChartColours = {"#000000", "#0000C0", "#FF0000", "#00C000",
                                  "#C000C0", "#FFFF00", "#804000", "#C0C0C0"};
const QStringList InstrumentNames = {"Vitesse", "Moteur", "Huile", "Essence", "Pression", "Altitude"};

struct LevelRange {
    int lowest;
    int highest;
};
// Range numbers 1..5.
const std::array<LevelRange, 5> LevelRanges{{{1, 10}, {10, 20}, {1500, 2000}, {2000, 3000}, {1000, 10000}}};

struct Chart {
    QStringList colours;  // "#RRGGBB" of Param1..6
    QStringList names;    // text of Param1..6
    QStringList levels;   // text of Valu1..6
};

Chart readChart(const Form1 &form)
{
    Chart chart;
    for (int i = 1; i <= 6; ++i) {
        const QLabel *name = control<QLabel>(form, QString("Param%1").arg(i));
        const QLabel *level = control<QLabel>(form, QString("Valu%1").arg(i));
        chart.colours << name->palette().color(QPalette::WindowText).name(QColor::HexRgb).toUpper();
        chart.names << name->text();
        chart.levels << level->text();
    }
    return chart;
}

// Range numbers whose bounds hold all six levels (ranges overlap, so there
// can be more than one).
QList<int> rangesHolding(const Chart &chart)
{
    QList<int> found;
    for (int k = 1; k <= 5; ++k) {
        const LevelRange range = LevelRanges[static_cast<std::size_t>(k - 1)];
        bool inside = true;
        for (const QString &text : chart.levels) {
            const int level = text.toInt();
            inside = inside && level >= range.lowest && level <= range.highest;
        }
        if (inside)
            found << k;
    }
    return found;
}

// The narrowest range holding the chart: the one it was drawn from, but for
// charts so unlikely (say six 10s, or six levels of 1000..10000 that all
// fall in 1500..2000) that a few thousand charts never show one.
int narrowestRange(const Chart &chart)
{
    int best = 0;
    for (const int k : rangesHolding(chart)) {
        const auto span = [](int n) {
            const LevelRange r = LevelRanges[static_cast<std::size_t>(n - 1)];
            return r.highest - r.lowest;
        };
        if (best == 0 || span(k) < span(best))
            best = k;
    }
    return best;
}

// What is wrong with a chart, or an empty text when it keeps every rule.
QString chartFault(const Chart &chart)
{
    static const QRegularExpression plainDigits(QStringLiteral("^[1-9][0-9]*$"));
    for (int i = 0; i < 6; ++i) {
        if (!ChartColours.contains(chart.colours[i]))
            return QString("dial %1 has colour %2, not one of the eight").arg(i + 1).arg(chart.colours[i]);
        if (chart.colours.count(chart.colours[i]) != 1)
            return QString("colour %1 is on more than one dial").arg(chart.colours[i]);
        if (!InstrumentNames.contains(chart.names[i]))
            return QString("dial %1 is named '%2'").arg(i + 1).arg(chart.names[i]);
        if (chart.names.count(chart.names[i]) != 1)
            return QString("'%1' is on more than one dial").arg(chart.names[i]);
        if (!plainDigits.match(chart.levels[i]).hasMatch())
            return QString("dial %1 shows level '%2'").arg(i + 1).arg(chart.levels[i]);
    }
    if (rangesHolding(chart).isEmpty())
        return QString("levels %1 fit no single range").arg(chart.levels.join(' '));
    return {};
}

} // namespace

class ChartTest : public QObject
{
    Q_OBJECT

private slots:
    void scriptedChart_data()
    {
        // The 19 draws in the order the chart takes them: 7 for the colour
        // list 1..8, 5 for the instrument list 1..6, the range, six levels.
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QStringList>("colours");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("levels");

        // Nothing moves in either shuffle; range 1 and its lowest level everywhere.
        QTest::newRow("all draws zero")
            << QList<float>(19, 0.0f)
            << QStringList{"#000000", "#0000C0", "#FF0000", "#00C000", "#C000C0", "#FFFF00"}
            << QStringList{"Vitesse", "Moteur", "Huile", "Essence", "Pression", "Altitude"}
            << QStringList{"1", "1", "1", "1", "1", "1"};

        // Colours: j = 5, 8, 3, 7, 6, 8, 7 gives 5 8 3 7 6 2 | 4 1.
        // Instruments: j = 3, 6, 5, 4, 6 gives 3 6 5 4 2 1.
        // Range 5 (1000..10000, 9001 levels): floor(9001 r + 1000).
        QTest::newRow("range 5 reaching 10000")
            << QList<float>{0.55f, 0.95f, 0.1f, 0.7f, 0.3f, 0.9f, 0.2f,
                            0.4f, 0.85f, 0.6f, 0.0f, 0.75f,
                            0.9f,
                            TopDraw, 0.0f, 0.5f, 0.25f, 0.1f, 0.75f}
            << QStringList{"#C000C0", "#C0C0C0", "#FF0000", "#804000", "#FFFF00", "#0000C0"}
            << QStringList{"Huile", "Altitude", "Pression", "Essence", "Moteur", "Vitesse"}
            << QStringList{"10000", "1000", "5500", "3250", "1900", "7750"};

        // Every shuffle step takes the last position, so the last value
        // comes first and the others move one place on. Range 2 (10..20).
        QTest::newRow("range 2 with shuffles at the top")
            << QList<float>{TopDraw, TopDraw, TopDraw, TopDraw, TopDraw, TopDraw, TopDraw,
                            TopDraw, TopDraw, TopDraw, TopDraw, TopDraw,
                            0.3f,
                            TopDraw, 0.0f, 0.5f, 0.0f, 0.1f, 0.88f}
            << QStringList{"#C0C0C0", "#000000", "#0000C0", "#FF0000", "#00C000", "#C000C0"}
            << QStringList{"Altitude", "Vitesse", "Moteur", "Huile", "Essence", "Pression"}
            << QStringList{"20", "10", "15", "10", "11", "19"};

        // Colours: j = 8, 2, 6, 6, 8, 6, 8 gives 8 2 6 3 1 4 | 5 7.
        // Instruments: j = 4, 4, 6, 4, 6 gives 4 1 6 2 3 5.
        // Range 4 (2000..3000, 1001 levels).
        QTest::newRow("range 4")
            << QList<float>{0.99f, 0.0f, 0.5f, 0.5f, 0.99f, 0.0f, 0.5f,
                            0.5f, 0.5f, 0.99f, 0.0f, 0.5f,
                            0.7f,
                            0.5f, TopDraw, 0.001f, 0.3f, 0.0f, 0.9995f}
            << QStringList{"#C0C0C0", "#0000C0", "#FFFF00", "#FF0000", "#000000", "#00C000"}
            << QStringList{"Essence", "Vitesse", "Altitude", "Moteur", "Huile", "Pression"}
            << QStringList{"2500", "3000", "2001", "2300", "2000", "3000"};
    }

    void scriptedChart()
    {
        QFETCH(QList<float>, script);
        QFETCH(QStringList, colours);
        QFETCH(QStringList, names);
        QFETCH(QStringList, levels);
        QCOMPARE(script.size(), 19);

        FakeHost host;
        ScriptedDraws draws;
        for (const float r : script)
            draws.push({r});
        Form1 form(host, draws);
        QCOMPARE(draws.drawn, 0);  // the waiting window draws nothing

        form.ChartMake();
        const Chart chart = readChart(form);
        QCOMPARE(chart.colours, colours);
        QCOMPARE(chart.names, names);
        QCOMPARE(chart.levels, levels);
        QCOMPARE(draws.drawn, 19);
        QCOMPARE(draws.overrun, 0);
    }

    void rangeBounds_data()
    {
        QTest::addColumn<float>("rangeDraw");
        QTest::addColumn<QString>("lowest");
        QTest::addColumn<QString>("highest");
        // floor(5 r + 1) picks the range.
        QTest::newRow("range 1") << 0.1f << "1" << "10";
        QTest::newRow("range 2") << 0.3f << "10" << "20";
        QTest::newRow("range 3") << 0.5f << "1500" << "2000";
        QTest::newRow("range 4") << 0.7f << "2000" << "3000";
        QTest::newRow("range 5") << 0.9f << "1000" << "10000";
    }

    void rangeBounds()
    {
        QFETCH(float, rangeDraw);
        QFETCH(QString, lowest);
        QFETCH(QString, highest);

        FakeHost host;
        ScriptedDraws draws;
        for (int k = 0; k < 12; ++k)
            draws.push({0.0f});
        draws.push({rangeDraw});
        // Levels alternate between the bottom and the top draw.
        draws.push({0.0f, TopDraw, 0.0f, TopDraw, 0.0f, TopDraw});
        Form1 form(host, draws);
        form.ChartMake();
        QCOMPARE(readChart(form).levels, QStringList({lowest, highest, lowest, highest, lowest, highest}));
        QCOMPARE(draws.drawn, 19);
    }

    void manyChartsKeepTheRules()
    {
        FakeHost host;
        SeededDraws draws(4242);
        Form1 form(host, draws);
        constexpr int Charts = 2000;

        std::array<int, 5> byRange{};
        std::array<int, 8> absent{};
        std::array<std::array<int, 8>, 6> colourAtDial{};
        std::array<std::array<int, 6>, 6> nameAtDial{};
        QSet<QString> levelsOfRange1;
        QSet<QString> levelsOfRange2;

        for (int n = 0; n < Charts; ++n) {
            form.ChartMake();
            const Chart chart = readChart(form);
            const QString fault = chartFault(chart);
            QVERIFY2(fault.isEmpty(), qPrintable(QString("chart %1: %2").arg(n).arg(fault)));

            const int range = narrowestRange(chart);
            ++byRange[static_cast<std::size_t>(range - 1)];
            for (int c = 0; c < 8; ++c)
                if (!chart.colours.contains(ChartColours[c]))
                    ++absent[static_cast<std::size_t>(c)];
            for (int i = 0; i < 6; ++i) {
                const auto dial = static_cast<std::size_t>(i);
                ++colourAtDial[dial][static_cast<std::size_t>(ChartColours.indexOf(chart.colours[i]))];
                ++nameAtDial[dial][static_cast<std::size_t>(InstrumentNames.indexOf(chart.names[i]))];
                if (range == 1)
                    levelsOfRange1 << chart.levels[i];
                if (range == 2)
                    levelsOfRange2 << chart.levels[i];
            }
        }
        QCOMPARE(draws.drawn, 19 * Charts);

        // The bounds below sit at least five standard deviations from the
        // mean, so only a real bias can cross them.
        for (int k = 0; k < 5; ++k)  // 400 charts per range expected
            QVERIFY2(byRange[static_cast<std::size_t>(k)] >= 300 && byRange[static_cast<std::size_t>(k)] <= 500,
                     qPrintable(QString("range %1 in %2 charts").arg(k + 1).arg(byRange[static_cast<std::size_t>(k)])));
        for (int c = 0; c < 8; ++c)  // two of eight left out: 500 expected
            QVERIFY2(absent[static_cast<std::size_t>(c)] >= 400 && absent[static_cast<std::size_t>(c)] <= 600,
                     qPrintable(QString("%1 absent from %2 charts").arg(ChartColours[c]).arg(absent[static_cast<std::size_t>(c)])));
        for (std::size_t dial = 0; dial < 6; ++dial) {
            for (std::size_t c = 0; c < 8; ++c)  // 250 expected
                QVERIFY2(colourAtDial[dial][c] >= 175 && colourAtDial[dial][c] <= 325,
                         qPrintable(QString("dial %1, colour %2: %3").arg(dial + 1).arg(c + 1).arg(colourAtDial[dial][c])));
            for (std::size_t k = 0; k < 6; ++k)  // about 333 expected
                QVERIFY2(nameAtDial[dial][k] >= 250 && nameAtDial[dial][k] <= 420,
                         qPrintable(QString("dial %1, %2: %3").arg(dial + 1).arg(InstrumentNames[int(k)]).arg(nameAtDial[dial][k])));
        }
        // The small ranges show every one of their levels, ends included.
        for (int level = 1; level <= 10; ++level)
            QVERIFY2(levelsOfRange1.contains(QString::number(level)), qPrintable(QString::number(level)));
        for (int level = 10; level <= 20; ++level)
            QVERIFY2(levelsOfRange2.contains(QString::number(level)), qPrintable(QString::number(level)));
    }

    void suivantBuildsTheChart()
    {
        // Wraps the seeded stream to see where the re-seed falls among the draws.
        class ReseedWatch final : public DrawSource
        {
        public:
            explicit ReseedWatch(SeededDraws &inner) : m_inner(inner) {}
            float next() override { return m_inner.next(); }
            void reseed() override
            {
                drawsBeforeReseed = m_inner.drawn;
                m_inner.reseed();
            }
            int drawsBeforeReseed = -1;

        private:
            SeededDraws &m_inner;
        };

        constexpr std::uint32_t Seed = 777;
        FakeHost host;
        SeededDraws seeded(Seed);
        ReseedWatch draws(seeded);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const QString &level : readChart(form).levels)
            QVERIFY(level.isEmpty());

        QTest::mouseClick(control<QPushButton>(form, "Suivant"), Qt::LeftButton);
        QCOMPARE(seeded.reseeds, 1);
        QCOMPARE(draws.drawsBeforeReseed, 0);  // the chart's draws follow the re-seed
        QVERIFY(seeded.drawn >= 19);

        const Chart shown = readChart(form);
        const QString fault = chartFault(shown);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        // The chart takes the first 19 draws after the re-seed: the same
        // stream given straight to ChartMake gives the same dials. A level
        // statement of the question may copy one dial's level onto another,
        // so the levels on show need only come from that chart.
        FakeHost twinHost;
        SeededDraws twinDraws(Seed);
        Form1 twin(twinHost, twinDraws);
        twin.ChartMake();
        const Chart built = readChart(twin);
        QCOMPARE(shown.colours, built.colours);
        QCOMPARE(shown.names, built.names);
        for (const QString &level : shown.levels)
            QVERIFY2(built.levels.contains(level), qPrintable(level + " not in " + built.levels.join(' ')));
    }
};

QUOVALE_TEST_MAIN(ChartTest)
#include "tst_chart.moc"
