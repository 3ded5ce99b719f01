// Cell and range references: positions, absolute flags, column letters and the A1 / R1C1
// texts of a reference.
#pragma once

#include <utility>

#include <cstdint>
#include <string>
#include <string_view>

namespace spread {

using Coord = std::int32_t;

// Key of a cell in hash maps: row in the high half, column in the low half.
inline std::uint64_t CellKey(Coord col, Coord row) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) | static_cast<std::uint32_t>(col);
}
inline Coord KeyCol(std::uint64_t key) { return static_cast<Coord>(key & 0xFFFFFFFFu); }
inline Coord KeyRow(std::uint64_t key) { return static_cast<Coord>(key >> 32); }

// One reference as written in a formula: an absolute position in the sheet and whether
// column and row stay fixed when the formula is copied. col 0 or row 0 never name a cell;
// a reference made invalid by a deletion is kept as `invalid`.
struct Ref {
    Coord col = 0;
    Coord row = 0;
    bool colAbs = false;
    bool rowAbs = false;
};

// The corners of a range in order, top-left first (each part keeps its anchoring).
inline void OrderCorners(Ref& a, Ref& b) {
    if (a.col > b.col) { std::swap(a.col, b.col); std::swap(a.colAbs, b.colAbs); }
    if (a.row > b.row) { std::swap(a.row, b.row); std::swap(a.rowAbs, b.rowAbs); }
}

struct Range {
    Coord col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    bool contains(Coord c, Coord r) const { return c >= col1 && c <= col2 && r >= row1 && r <= row2; }
};

// "A", "B", ..., "Z", "AA", ...
std::wstring ColumnLetters(Coord col);
// Letters (without case) to a column number; 0 when not letters or too large.
Coord ColumnFromLetters(std::wstring_view letters);

// A1 form, "$" for absolute parts.
std::wstring RefTextA1(const Ref& r);
// R1C1 form relative to the formula's cell ("R[-1]C", "R2C[3]").
std::wstring RefTextR1C1(const Ref& r, Coord hostCol, Coord hostRow);

}  // namespace spread
