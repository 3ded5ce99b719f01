// The bitmap font: every printable ASCII and Latin-1 character has a glyph of its own,
// composed accents sit where they belong, and text lands where the cell layout says.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "win/bitmap_font.h"

namespace {

std::string Key(const unsigned char* rows) { return std::string(reinterpret_cast<const char*>(rows), win::kFontGlyphRows); }

TEST(BitmapFontTest, EveryPrintableCharacterHasItsOwnGlyph) {
    std::map<std::string, wchar_t> seen;
    auto check = [&](wchar_t c) {
        unsigned char rows[win::kFontGlyphRows];
        ASSERT_TRUE(win::FontGlyph(c, rows)) << "U+" << std::hex << static_cast<int>(c);
        int on = 0;
        for (unsigned char r : rows) {
            EXPECT_EQ(r & ~0x1Fu, 0u) << "glyph wider than five pixels: U+" << std::hex << static_cast<int>(c);
            on += __builtin_popcount(r);
        }
        EXPECT_GT(on, 0) << "empty glyph U+" << std::hex << static_cast<int>(c);
        // Two characters drawn alike would be read as one (the soft hyphen is a dash).
        auto [it, fresh] = seen.emplace(Key(rows), c);
        if (c != 0xAD) {
            EXPECT_TRUE(fresh) << "U+" << std::hex << static_cast<int>(c) << " looks like U+"
                               << static_cast<int>(it->second);
        }
    };
    for (wchar_t c = 0x21; c <= 0x7E; ++c) check(c);
    for (wchar_t c = 0xA1; c <= 0xFF; ++c) check(c);
    unsigned char rows[win::kFontGlyphRows];
    EXPECT_TRUE(win::FontGlyph(L' ', rows));
    EXPECT_TRUE(win::FontGlyph(0xA0, rows));
    EXPECT_FALSE(win::FontGlyph(0x263A, rows));  // outside Latin-1
    EXPECT_FALSE(win::FontGlyph(L'\x7F', rows));
}

TEST(BitmapFontTest, AccentsSitAboveCapitalsAndOverSmallLetters) {
    unsigned char e[win::kFontGlyphRows], eAcute[win::kFontGlyphRows], small[win::kFontGlyphRows],
        smallAcute[win::kFontGlyphRows], c[win::kFontGlyphRows], cCedilla[win::kFontGlyphRows];
    win::FontGlyph(L'E', e);
    win::FontGlyph(0xC9, eAcute);  // É
    win::FontGlyph(L'e', small);
    win::FontGlyph(0xE9, smallAcute);
    win::FontGlyph(L'C', c);
    win::FontGlyph(0xC7, cCedilla);
    // Capitals: the letter unchanged, the accent in the two rows above it.
    for (int r = 2; r < 9; ++r) EXPECT_EQ(eAcute[r], e[r]);
    EXPECT_NE(eAcute[0] | eAcute[1], 0);
    EXPECT_EQ(e[0] | e[1], 0);
    // Small letters: the accent in the capital rows above the x-height.
    EXPECT_EQ(small[2] | small[3], 0);
    EXPECT_NE(smallAcute[2] | smallAcute[3], 0);
    for (int r = 4; r < 9; ++r) EXPECT_EQ(smallAcute[r], small[r]);
    // The cedilla hangs below the baseline.
    EXPECT_EQ(c[9] | c[10], 0);
    EXPECT_NE(cCedilla[9] | cCedilla[10], 0);
    // Descenders go below the baseline, capitals do not.
    unsigned char g[win::kFontGlyphRows];
    win::FontGlyph(L'g', g);
    EXPECT_NE(g[9] | g[10], 0);
}

TEST(BitmapFontTest, TextIsDrawnCellByCellAndClipped) {
    win::Surface s(40, 20, RGB(255, 255, 255));
    const int end = win::DrawText(s, 2, 1, L"Hi\x263A", RGB(0, 0, 0), RECT{0, 0, 40, 20});
    EXPECT_EQ(end, 2 + 3 * win::kFontCellWidth);
    // 'H': both uprights from the capital row down to the baseline.
    for (int y = win::kFontCapTop; y < win::kFontBaseline; ++y) {
        EXPECT_EQ(s.pixel(2, 1 + y), RGB(0, 0, 0)) << y;
        EXPECT_EQ(s.pixel(6, 1 + y), RGB(0, 0, 0)) << y;
    }
    EXPECT_EQ(s.pixel(2, 1 + win::kFontCapTop - 1), RGB(255, 255, 255));
    EXPECT_EQ(s.pixel(2, 1 + win::kFontBaseline), RGB(255, 255, 255));
    // The missing character is a hollow box in the third cell.
    const int bx = 2 + 2 * win::kFontCellWidth;
    EXPECT_EQ(s.pixel(bx, 1 + win::kFontCapTop), RGB(0, 0, 0));
    EXPECT_EQ(s.pixel(bx + 2, 1 + win::kFontCapTop + 2), RGB(255, 255, 255));
    // Clipping: nothing outside the clip rectangle.
    win::Surface t(20, 20, RGB(255, 255, 255));
    win::DrawText(t, 0, 0, L"HH", RGB(0, 0, 0), RECT{0, 0, 3, 20});
    for (int y = 0; y < 20; ++y)
        for (int x = 3; x < 20; ++x) ASSERT_EQ(t.pixel(x, y), RGB(255, 255, 255)) << x << "," << y;
    // Bold strokes are one pixel wider.
    win::Surface u(20, 20, RGB(255, 255, 255));
    win::DrawText(u, 0, 0, L"I", RGB(0, 0, 0), RECT{0, 0, 20, 20}, true);
    EXPECT_EQ(u.pixel(3, 1 + win::kFontCapTop + 3), RGB(0, 0, 0));
}

}  // namespace
