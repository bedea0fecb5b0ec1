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

// --- The chart and the questions --------------------------------------------

} // namespace expected
