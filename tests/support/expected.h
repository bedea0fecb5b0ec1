#pragma once
// What the program must show and do, written once for every suite: the
// constant tables of its behaviour, as a candidate or the layout sees them.

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

namespace expected {

// --- The window -------------------------------------------------------------

// The client area, in the layout's pixels; nothing makes it change.
inline const QSize WindowSize(804, 356);

// The white header box (Shape3) and the frame around the chart (Shape2).
inline const QRect HeaderBox(8, 16, 401, 81);
inline const QRect ChartFrame(424, 16, 369, 329);

// The boxes of the circles Shape1(0..5), by circle number, not dial number.
inline const std::array<QRect, 6> CircleBoxes{{
    {552, 32, 105, 97}, {496, 120, 105, 97}, {560, 224, 97, 97},
    {440, 224, 113, 97}, {672, 224, 105, 97}, {616, 120, 105, 97},
}};

// Temps before the countdown has ticked.
inline const QString TimeAtStart = QStringLiteral("Temps restant 14 ' 00 \"");

// ScoreShow once the test runs: right answers over screens answered.
inline QString scoreShown(int right, int answered)
{
    return QStringLiteral("Score : %1 /  %2").arg(right).arg(answered);
}

// The message after the 60th screen: the time taken and the right answers.
inline QString closingMessage(int minutes, int seconds, int right)
{
    return QStringLiteral("Vous avez répondu toutes les questions en %1 minute(s) et  %2 seconde(s)\r\n"
                          "Vous avez  %3 réponses justes")
        .arg(minutes)
        .arg(seconds)
        .arg(right);
}

// --- The chart and the questions --------------------------------------------

// Instrument numbers 1 to 6 at [0..5].
inline const QStringList InstrumentNames = {"Vitesse", "Moteur", "Huile", "Essence", "Pression", "Altitude"};

// The eight colours a dial's name may be written in; each chart leaves two out.
inline const QList<QColor> ChartColours = {QColor(0x00, 0x00, 0x00), QColor(0x00, 0x00, 0xC0),
                                           QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xC0, 0x00),
                                           QColor(0xC0, 0x00, 0xC0), QColor(0xFF, 0xFF, 0x00),
                                           QColor(0x80, 0x40, 0x00), QColor(0xC0, 0xC0, 0xC0)};

// The five ranges a chart's six levels are drawn from, ends included.
struct LevelRange {
    int lowest;
    int highest;
};
inline constexpr std::array<LevelRange, 5> LevelRanges{{{1, 10}, {10, 20}, {1500, 2000}, {2000, 3000}, {1000, 10000}}};

// The words of a statement: "niveau " X " est " relation Y. Relation r at
// [r - 1]: 1 to 4 say where the dials stand, 5 to 7 compare their levels.
inline const QString LevelPrefix = QStringLiteral("niveau ");
inline const QString Affirmative = QStringLiteral(" est ");
inline const QString Negative = QStringLiteral(" n'est pas ");
inline const QStringList RelationWords = {"au dessus de ",       "en dessous de ",      "à gauche de ",
                                          "à droite de ",        "supérieur à niveau ", "inférieur à niveau ",
                                          "différent de niveau "};

} // namespace expected
