// The rule tables, filled once at load. The relations follow from each
// dial's row and column in the triangle:
//
//              1                row 1
//         2         3           row 2
//     4        5         6      row 3
//
// Columns from the left: 4 | 2 | 1 and 5 | 3 | 6.

#include "window/form1.h"

namespace {
constexpr int RowOf[] = {0, 1, 2, 2, 3, 3, 3};
constexpr int ColumnOf[] = {0, 3, 2, 4, 1, 3, 5};
} // namespace

void Form1::FillRuleTables()
{
    IsAbove.fill(TruthFalse);
    IsBelow.fill(TruthFalse);
    IsRightOf.fill(TruthFalse);
    IsLeftOf.fill(TruthFalse);
    TruthPattern.fill(TruthFalse);

    for (FirstDial = 1; FirstDial <= 6; ++FirstDial) {
        for (SecondDial = 1; SecondDial <= 6; ++SecondDial) {
            const int x = FirstDial;
            const int y = SecondDial;
            if (RowOf[x] < RowOf[y])
                IsAbove(x, y) = TruthTrue;
            if (RowOf[x] > RowOf[y])
                IsBelow(x, y) = TruthTrue;
            if (ColumnOf[x] < ColumnOf[y])
                IsLeftOf(x, y) = TruthTrue;
            if (ColumnOf[x] > ColumnOf[y])
                IsRightOf(x, y) = TruthTrue;
        }
    }

    // The seven non-empty choices of true statements among a), b), c).
    TruthPattern(1, 1) = TruthTrue;
    TruthPattern(2, 2) = TruthTrue;
    TruthPattern(3, 3) = TruthTrue;
    TruthPattern(4, 1) = TruthTrue;
    TruthPattern(4, 2) = TruthTrue;
    TruthPattern(5, 1) = TruthTrue;
    TruthPattern(5, 3) = TruthTrue;
    TruthPattern(6, 2) = TruthTrue;
    TruthPattern(6, 3) = TruthTrue;
    TruthPattern(7, 1) = TruthTrue;
    TruthPattern(7, 2) = TruthTrue;
    TruthPattern(7, 3) = TruthTrue;
}
