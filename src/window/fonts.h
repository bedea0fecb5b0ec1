#pragma once
// The window names its fonts as the original layout does ("MS Sans Serif",
// "Arial", "Comic Sans MS"); none of them exists on Linux, so each is mapped
// to a free substitute installed with the program's packages.

#include <QFont>

namespace fonts {

inline constexpr char SansSerif[] = "MS Sans Serif";
inline constexpr char Arial[] = "Arial";
inline constexpr char Comic[] = "Comic Sans MS";

// Registers the substitutes once; later calls do nothing.
void installSubstitutes();

// The family that actually draws the text of a named family.
QString substituteFor(const QString &family);

QFont make(const char *family, qreal pointSize, bool bold);

} // namespace fonts
