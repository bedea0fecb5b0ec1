// ChartMake: six dials with six colours out of eight, the six instruments
// and six levels from one range. The dial labels are the chart's only store.

#include "window/form1.h"
#include "window/widgets/text_color.h"

#include <QColor>
#include <QLabel>

namespace {

const BoundedArray<QColor, 1, 8> ChartColors = [] {
    BoundedArray<QColor, 1, 8> colors;
    colors(1) = QColor(0x00, 0x00, 0x00);  // black
    colors(2) = QColor(0x00, 0x00, 0xC0);  // dark blue
    colors(3) = QColor(0xFF, 0x00, 0x00);  // red
    colors(4) = QColor(0x00, 0xC0, 0x00);  // green
    colors(5) = QColor(0xC0, 0x00, 0xC0);  // purple
    colors(6) = QColor(0xFF, 0xFF, 0x00);  // yellow
    colors(7) = QColor(0x80, 0x40, 0x00);  // brown
    colors(8) = QColor(0xC0, 0xC0, 0xC0);  // light grey
    return colors;
}();

const BoundedArray<QString, 1, 6> Instruments = [] {
    BoundedArray<QString, 1, 6> names;
    names(1) = QStringLiteral("Vitesse");
    names(2) = QStringLiteral("Moteur");
    names(3) = QStringLiteral("Huile");
    names(4) = QStringLiteral("Essence");
    names(5) = QStringLiteral("Pression");
    names(6) = QStringLiteral("Altitude");
    return names;
}();

struct LevelRange {
    std::int16_t lowest;
    std::int16_t highest;
};
const BoundedArray<LevelRange, 1, 5> LevelRanges = [] {
    BoundedArray<LevelRange, 1, 5> ranges;
    ranges(1) = {1, 10};
    ranges(2) = {10, 20};
    ranges(3) = {1500, 2000};
    ranges(4) = {2000, 3000};
    ranges(5) = {1000, 10000};
    return ranges;
}();

} // namespace

void Form1::ChartMake()
{
    DistributeColor();
    DistributeInstrument();
    DistributeValues();
}

void Form1::DistributeColor()
{
    BoundedArray<std::int16_t, 1, 8> colors;
    for (std::int16_t i = 1; i <= 8; ++i)
        colors(i) = i;
    RandomizeList(colors);
    // Positions 7 and 8 are the two colours this chart leaves out.
    for (int i = 1; i <= 6; ++i)
        setTextColor(Param(i), ChartColors(colors(i)));
}

void Form1::DistributeInstrument()
{
    BoundedArray<std::int16_t, 1, 6> instruments;
    for (std::int16_t i = 1; i <= 6; ++i)
        instruments(i) = i;
    RandomizeList(instruments);
    for (int i = 1; i <= 6; ++i)
        Param(i)->setText(Instruments(instruments(i)));
}

void Form1::DistributeValues()
{
    const LevelRange range = LevelRanges(toInt16(RandNum(1, 5)));
    for (int i = 1; i <= 6; ++i)
        Valu(i)->setText(QString::number(toInt16(RandNum(range.lowest, range.highest))));
}
