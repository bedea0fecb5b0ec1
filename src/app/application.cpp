#include "app/application.h"

#include "window/window_fonts.h"

#include <QApplication>
#include <QFont>

namespace app {

namespace {

struct Substitute {
    const char *family;
    const char *standIn;
};
// Liberation Sans is metric-compatible with Arial and is also the nearest
// free match for the plain sans serif of dialog boxes; Comic Neue was drawn
// after Comic Sans.
constexpr Substitute Substitutes[] = {
    {windowfonts::SansSerif, "Liberation Sans"},
    {windowfonts::Arial, "Liberation Sans"},
    {windowfonts::Comic, "Comic Neue"},
};

void installFontSubstitutes()
{
    for (const Substitute &s : Substitutes)
        QFont::insertSubstitution(QString::fromLatin1(s.family), QString::fromLatin1(s.standIn));
}

} // namespace

void configure()
{
    // Ties the window to its menu entry and icon, on Wayland above all.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUOVALE_APP_ID));
    // One look on every desktop, whatever style the session prefers.
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFontSubstitutes();
    // The window's own font for everything, its message boxes included:
    // the desktop's default face would otherwise be loaded for nothing.
    QApplication::setFont(windowfonts::make(windowfonts::SansSerif, 8.25, false));
}

} // namespace app
