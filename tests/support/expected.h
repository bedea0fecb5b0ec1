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

} // namespace expected
