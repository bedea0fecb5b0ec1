#pragma once
// The three faces the window's layout names. None of them exists on a Linux
// desktop: the application's set-up gives each its stand-ins.

#include <QFont>

namespace windowfonts {

inline constexpr char SansSerif[] = "MS Sans Serif";
inline constexpr char Arial[] = "Arial";
inline constexpr char Comic[] = "Comic Sans MS";

// A face of the layout at a size in the layout's pixels, so that the text
// grows only when the whole window does.
inline QFont make(const char *family, qreal pointSizeAt96Dpi, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSizeAt96Dpi);
    font.setBold(bold);
    return font;
}

} // namespace windowfonts
