#pragma once
// The three faces the window's layout names. None of them exists on a Linux
// desktop: the application's set-up gives each its stand-ins.

#include <QFont>

namespace windowfonts {

inline constexpr char SansSerif[] = "MS Sans Serif";
inline constexpr char Arial[] = "Arial";
inline constexpr char Comic[] = "Comic Sans MS";

// A face of the layout, sized in the layout's own pixels (8.25 pt at 96 dpi
// is 11 px, 9.75 pt 13 px, 11.25 pt 15 px, 12 pt 16 px). Text then grows
// only when the whole window does, never alone with the desktop's font DPI.
inline QFont make(const char *family, int pixelSize, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace windowfonts
