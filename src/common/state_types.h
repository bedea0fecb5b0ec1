#pragma once
// The few value types of the test state: fixed-bound arrays addressed as
// items(i), the two truth encodings, and the number text of captions.

#include <QString>
#include <QtGlobal>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

// A one-dimensional array whose subscripts run from Lo to Hi, both included.
template <typename T, int Lo, int Hi>
class BoundedArray
{
    static_assert(Lo <= Hi);

public:
    static constexpr int lowerBound = Lo;
    static constexpr int upperBound = Hi;

    T &operator()(int i)
    {
        Q_ASSERT(i >= Lo && i <= Hi);
        return m_items[static_cast<std::size_t>(i - Lo)];
    }
    const T &operator()(int i) const
    {
        Q_ASSERT(i >= Lo && i <= Hi);
        return m_items[static_cast<std::size_t>(i - Lo)];
    }
    void fill(const T &value) { m_items.fill(value); }

private:
    std::array<T, Hi - Lo + 1> m_items{};
};

// A table whose row subscripts run 1..Rows and column subscripts 1..Cols.
template <typename T, int Rows, int Cols>
class Grid
{
public:
    T &operator()(int row, int col)
    {
        Q_ASSERT(row >= 1 && row <= Rows && col >= 1 && col <= Cols);
        return m_cells[static_cast<std::size_t>((row - 1) * Cols + (col - 1))];
    }
    const T &operator()(int row, int col) const
    {
        Q_ASSERT(row >= 1 && row <= Rows && col >= 1 && col <= Cols);
        return m_cells[static_cast<std::size_t>((row - 1) * Cols + (col - 1))];
    }
    void fill(const T &value) { m_cells.fill(value); }

private:
    std::array<T, Rows * Cols> m_cells{};
};

// Truth as the rule tables and FirstStart hold it.
inline constexpr std::int16_t TruthTrue = -1;
inline constexpr std::int16_t TruthFalse = 0;

// Round to the nearest whole number, ties to even, as a 16-bit integer.
inline std::int16_t toInt16(double value)
{
    return static_cast<std::int16_t>(std::nearbyint(value));
}

// A number joined into a caption: one blank before it when it is not negative.
inline QString num(int n)
{
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

// The line break of every text the program composes.
inline const QString CrLf = QStringLiteral("\r\n");
