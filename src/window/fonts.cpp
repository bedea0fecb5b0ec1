#include "window/fonts.h"

namespace fonts {

namespace {
struct Mapping {
    const char *family;
    const char *substitute;
};
// Liberation Sans is metric-compatible with Arial and is also the nearest
// free match for the plain sans serif of dialog boxes; Comic Neue was drawn
// after Comic Sans.
constexpr Mapping Mappings[] = {
    {SansSerif, "Liberation Sans"},
    {Arial, "Liberation Sans"},
    {Comic, "Comic Neue"},
};
} // namespace

void installSubstitutes()
{
    static const bool done = [] {
        for (const Mapping &m : Mappings)
            QFont::insertSubstitution(QString::fromLatin1(m.family), QString::fromLatin1(m.substitute));
        return true;
    }();
    Q_UNUSED(done);
}

QString substituteFor(const QString &family)
{
    for (const Mapping &m : Mappings) {
        if (family == QLatin1String(m.family))
            return QString::fromLatin1(m.substitute);
    }
    return family;
}

QFont make(const char *family, qreal pointSize, bool bold)
{
    installSubstitutes();
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace fonts
