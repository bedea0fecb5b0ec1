// MakeTrueQuestion and MakeFalseQuestion. Both choose a statement that holds
// on the chart on show, by the same draws in the same order; the false
// maker then inverts its verb.

#include "window/form1.h"

#include <QLabel>

#include <algorithm>

namespace {
using Levels = BoundedArray<std::int16_t, 1, 6>;

bool allLevelsEqual(const Levels &levels)
{
    for (int k = 2; k <= 6; ++k) {
        if (levels(k) != levels(1))
            return false;
    }
    return true;
}
} // namespace

void Form1::MakeTrueQuestion(std::int16_t rang)
{
    const std::int16_t chosenRelation = ChooseStatement();
    Quest(rang)->setText(QStringLiteral("Vrai"));
    Statements(rang) = MakePhrase(StatementKind, FirstDial, Polarity, chosenRelation, SecondDial);
}

void Form1::MakeFalseQuestion(std::int16_t rang)
{
    const std::int16_t chosenRelation = ChooseStatement();
    Polarity = Polarity == 1 ? 2 : 1;
    Quest(rang)->setText(QStringLiteral("Faux"));
    Statements(rang) = MakePhrase(StatementKind, FirstDial, Polarity, chosenRelation, SecondDial);
}

std::int16_t Form1::ChooseStatement()
{
    StatementKind = toInt16(RandNum(1, 3)) == 1 ? 2 : 1;
    Polarity = toInt16(RandNum(1, 2)) == 1 ? 1 : 2;
    // Drawn and drawn again before use; they keep the order of the draws.
    FirstDial = toInt16(RandNum(1, 6));
    SecondDial = toInt16(RandNum(1, 6));

    if (StatementKind == 2) {
        Levels levels;
        for (int k = 1; k <= 6; ++k)
            levels(k) = static_cast<std::int16_t>(Valu(k)->text().toInt());
        // With every dial at one level no affirmative comparison holds and
        // the redraw would never end: such a statement is made about
        // positions instead.
        if (Polarity == 1 && allLevelsEqual(levels))
            StatementKind = 1;
        else
            return ChooseLevelStatement(levels);
    }
    return ChoosePositionStatement();
}

std::int16_t Form1::ChoosePositionStatement()
{
    std::int16_t chosenRelation = 0;
    do {
        chosenRelation = toInt16(RandNum(1, 4));
        FirstDial = toInt16(RandNum(1, 6));
        SecondDial = toInt16(RandNum(1, 6));
        const RelationTable &table = TableOf(chosenRelation);
        const std::int16_t wanted = Polarity == 1 ? TruthTrue : TruthFalse;
        while (table(FirstDial, SecondDial) != wanted) {
            FirstDial = toInt16(RandNum(1, 6));
            SecondDial = toInt16(RandNum(1, 6));
        }
    } while (FirstDial == SecondDial);
    return chosenRelation;
}

std::int16_t Form1::ChooseLevelStatement(const Levels &levels)
{
    const std::int16_t chosenRelation = toInt16(RandNum(5, 7));
    FirstDial = toInt16(RandNum(1, 6));
    SecondDial = toInt16(RandNum(1, 6));
    while (!LevelPairAccepted(chosenRelation, levels)) {
        FirstDial = toInt16(RandNum(1, 6));
        SecondDial = toInt16(RandNum(1, 6));
    }
    if (Polarity == 2 && chosenRelation == relation::Different)
        Valu(SecondDial)->setText(Valu(FirstDial)->text());
    m_levelDialNamed(FirstDial) = true;
    m_levelDialNamed(SecondDial) = true;
    return chosenRelation;
}

bool Form1::LevelPairAccepted(std::int16_t chosenRelation, const Levels &levels) const
{
    const std::int16_t f = levels(FirstDial);
    const std::int16_t s = levels(SecondDial);
    const bool twoDials = FirstDial != SecondDial;
    if (Polarity == 1) {
        switch (chosenRelation) {
        case relation::Greater: return f > s && twoDials;
        case relation::Less: return f < s && twoDials;
        default: return f != s;
        }
    }
    switch (chosenRelation) {
    case relation::Greater: return f <= s && twoDials;
    case relation::Less: return f >= s && twoDials;
    // The chart change copies onto the second dial: a dial that an earlier
    // level statement of this question compared must keep its level, or
    // that statement's answer would no longer hold.
    default: return twoDials && !m_levelDialNamed(SecondDial);
    }
}

const RelationTable &Form1::TableOf(std::int16_t chosenRelation) const
{
    switch (chosenRelation) {
    case relation::Above: return IsAbove;
    case relation::Below: return IsBelow;
    case relation::LeftOf: return IsLeftOf;
    default: return IsRightOf;
    }
}
