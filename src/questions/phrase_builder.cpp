// MakePhrase: a statement chosen as five numbers, worded in French.

#include "window/form1.h"

#include <QLabel>

namespace {

QString prefixText(std::int16_t selector)
{
    return selector == 2 ? QStringLiteral("niveau ") : QString();
}

QString verbText(std::int16_t selector)
{
    switch (selector) {
    case 1: return QStringLiteral(" est ");
    case 2: return QStringLiteral(" n'est pas ");
    default: return QString();
    }
}

QString relationText(std::int16_t selector)
{
    switch (selector) {
    case relation::Above: return QStringLiteral("au dessus de ");
    case relation::Below: return QStringLiteral("en dessous de ");
    case relation::LeftOf: return QStringLiteral("à gauche de ");
    case relation::RightOf: return QStringLiteral("à droite de ");
    case relation::Greater: return QStringLiteral("supérieur à niveau ");
    case relation::Less: return QStringLiteral("inférieur à niveau ");
    case relation::Different: return QStringLiteral("différent de niveau ");
    default: return QString();
    }
}

} // namespace

QString Form1::MakePhrase(std::int16_t An, std::int16_t Bn, std::int16_t Cn, std::int16_t Dn, std::int16_t En) const
{
    // The names are read from the chart as it shows them now.
    const auto nameOf = [this](std::int16_t dial) {
        return dial >= 1 && dial <= 6 ? Param(dial)->text() : QString();
    };
    return prefixText(An) + nameOf(Bn) + verbText(Cn) + relationText(Dn) + nameOf(En);
}
