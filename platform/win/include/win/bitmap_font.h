// The small bitmap font every picture of a window is drawn with: 5 x 7 glyphs (capitals
// and digits 7 rows high, descenders 2 rows below, accents 2 rows above) in a cell of
// 6 x 13 pixels, the same cell the framework measures text with. Covers printable ASCII
// and Latin-1 (U+00A0..U+00FF); any other character is drawn as a hollow box.
#pragma once

#include <string_view>

#include "win/bitmap.h"

namespace win {

constexpr int kFontCellWidth = 6;
constexpr int kFontCellHeight = 13;
// Rows of a glyph from the top of its cell: accents, capitals, descenders.
constexpr int kFontAccentTop = 1;
constexpr int kFontCapTop = 3;      // first row of a capital letter
constexpr int kFontBaseline = 10;   // first row below a capital letter
constexpr int kFontGlyphRows = 11;  // accents (2) + body (7) + descenders (2)

// The glyph of c: bit 4 of row[r] is the leftmost pixel of row r (r = 0 is the top accent
// row, cell row kFontAccentTop). False for a character the font does not have.
bool FontGlyph(wchar_t c, unsigned char rows[kFontGlyphRows]);

// Width of text in pixels (one cell per character; tabs count as one).
inline int TextWidth(std::wstring_view text) { return static_cast<int>(text.size()) * kFontCellWidth; }

// Draws one line of text with its cell's top-left at (x, y), clipped to clip; bold
// doubles every stroke to the right. Returns the x after the last cell.
int DrawText(Surface& surface, int x, int y, std::wstring_view text, COLORREF color, const RECT& clip,
             bool bold = false);

}  // namespace win
