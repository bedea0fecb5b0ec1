#include "app/application.h"

#include "app/layout_style.h"
#include "window/window_fonts.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleHints>

namespace app {

namespace {

// Each face of the layout, then what stands in for it. Liberation Sans is
// metric-compatible with Arial and the nearest free match for the plain
// sans serif of dialog boxes; Comic Neue was drawn after Comic Sans. Each
// list ends on plain sans serifs that the package brings, so that a missing
// stand-in never lets the desktop answer with a script or symbol face.
struct StandIns {
    const char *family;
    QStringList faces;
};
const StandIns FontStandIns[] = {
    {windowfonts::SansSerif, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
    {windowfonts::Arial, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
    {windowfonts::Comic,
     {QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
};

void installFontStandIns()
{
    for (const StandIns &s : FontStandIns) {
        const QString family = QString::fromLatin1(s.family);
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, s.faces);
    }
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/" QUOVALE_APP_ID ".png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QPalette fixedPalette()
{
    struct RoleColors {
        QPalette::ColorRole role;
        QRgb normal;    // active and inactive
        QRgb disabled;
    };
    static constexpr RoleColors Colors[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        {QPalette::Accent, 0xff308cc6, 0xff919191},
#endif
    };
    QPalette palette;
    for (const RoleColors &c : Colors) {
        palette.setColor(QPalette::Active, c.role, QColor::fromRgba(c.normal));
        palette.setColor(QPalette::Inactive, c.role, QColor::fromRgba(c.normal));
        palette.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return palette;
}

void configure()
{
    // Ties the window to its menu entry and icon, on Wayland above all.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUOVALE_APP_ID));
    QApplication::setWindowIcon(windowIcon());
    // One look on every desktop, whatever style or colour scheme the
    // session prefers: the same style, and a palette of the program's own.
    QApplication::setStyle(new LayoutStyle);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
    QApplication::setPalette(fixedPalette());
    installFontStandIns();
    // The window's own font for everything, its message boxes included:
    // the desktop's default face would otherwise be loaded for nothing.
    QApplication::setFont(windowfonts::make(windowfonts::SansSerif, 11, false));
}

} // namespace app
