#include "win/bitmap.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

void Put(std::string& b, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A .bmp with a 40-byte header. pixel(x, y) gives a palette index (bpp <= 8) or a colour.
template <typename PixelFn>
std::string MakeBmp(int width, int height, int bpp, const std::vector<COLORREF>& palette, PixelFn pixel,
                    bool topDown = false) {
    const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
    const std::size_t offBits = 54 + palette.size() * 4;
    std::string b(offBits + stride * static_cast<std::size_t>(height), '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
    Put(b, 10, static_cast<std::uint32_t>(offBits), 4);
    Put(b, 14, 40, 4);
    Put(b, 18, static_cast<std::uint32_t>(width), 4);
    Put(b, 22, static_cast<std::uint32_t>(topDown ? -height : height), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<std::uint32_t>(bpp), 2);
    Put(b, 46, static_cast<std::uint32_t>(palette.size()), 4);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        b[54 + i * 4] = static_cast<char>(GetBValue(palette[i]));
        b[54 + i * 4 + 1] = static_cast<char>(GetGValue(palette[i]));
        b[54 + i * 4 + 2] = static_cast<char>(GetRValue(palette[i]));
    }
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offBits + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = pixel(x, y);
            const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bpp);
            if (bpp <= 8) {
                const int shift = 8 - bpp - static_cast<int>(bit % 8);
                b[row + bit / 8] = static_cast<char>(static_cast<unsigned char>(b[row + bit / 8]) | (v << shift));
            } else {
                const COLORREF c = v;
                const std::size_t at = row + bit / 8;
                b[at] = static_cast<char>(GetBValue(c));
                b[at + 1] = static_cast<char>(GetGValue(c));
                b[at + 2] = static_cast<char>(GetRValue(c));
            }
        }
    }
    return b;
}

COLORREF Colour(int x, int y) { return RGB(static_cast<BYTE>(x * 20), static_cast<BYTE>(y * 30), 77); }

}  // namespace

TEST(Bitmap, DecodesEverySupportedDepth) {
    const std::vector<COLORREF> two = {RGB(0, 0, 0), RGB(255, 255, 255)};
    std::vector<COLORREF> sixteen, many;
    for (int i = 0; i < 16; ++i) sixteen.push_back(RGB(static_cast<BYTE>(i * 16), 0, static_cast<BYTE>(255 - i)));
    for (int i = 0; i < 200; ++i) many.push_back(RGB(static_cast<BYTE>(i), static_cast<BYTE>(i / 2), 9));
    const auto index = [](int modulo) { return [modulo](int x, int y) { return std::uint32_t((x + 3 * y) % modulo); }; };
    struct Case {
        int bpp;
        std::vector<COLORREF> palette;
        int modulo;
    };
    // Widths that do not fill whole bytes or rows test the padding.
    for (const Case& c : {Case{1, two, 2}, Case{4, sixteen, 16}, Case{8, many, 200}}) {
        win::Surface s;
        std::string error;
        ASSERT_TRUE(win::DecodeBmp(MakeBmp(13, 5, c.bpp, c.palette, index(c.modulo)), s, &error)) << c.bpp << error;
        ASSERT_EQ(s.width(), 13);
        ASSERT_EQ(s.height(), 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 13; ++x)
                ASSERT_EQ(s.pixel(x, y), c.palette[static_cast<std::size_t>((x + 3 * y) % c.modulo)])
                    << c.bpp << " at " << x << "," << y;
    }
    for (int bpp : {24, 32}) {
        for (bool topDown : {false, true}) {
            win::Surface s;
            ASSERT_TRUE(win::DecodeBmp(MakeBmp(7, 3, bpp, {}, Colour, topDown), s)) << bpp;
            EXPECT_EQ(s.width(), 7);
            EXPECT_EQ(s.height(), 3);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 7; ++x) ASSERT_EQ(s.pixel(x, y), Colour(x, y)) << bpp << " " << topDown;
        }
    }
}

TEST(Bitmap, FilesHandlesAndSizes) {
    TempDir t;
    t.write("icons/pic.bmp", MakeBmp(31, 17, 8, {RGB(1, 2, 3)}, [](int, int) { return 0u; }));
    SIZE size;
    ASSERT_TRUE(win::ReadBmpSize(L"T:\\ICONS\\pic.bmp", size));
    EXPECT_EQ(size.cx, 31);
    EXPECT_EQ(size.cy, 17);
    HANDLE h = LoadImageW(nullptr, L"T:\\icons\\pic.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    ASSERT_NE(h, nullptr);
    BITMAP bm;
    ASSERT_EQ(GetObjectW(static_cast<HBITMAP>(h), sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 31);
    EXPECT_EQ(bm.bmHeight, 17);
    EXPECT_EQ(win::SurfaceFromBitmap(static_cast<HBITMAP>(h))->pixel(30, 16), RGB(1, 2, 3));
    EXPECT_TRUE(DeleteObject(static_cast<HBITMAP>(h)));
    EXPECT_FALSE(DeleteObject(static_cast<HBITMAP>(h)));
    EXPECT_EQ(LoadImageW(nullptr, L"T:\\icons\\none.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
}

TEST(Bitmap, MalformedDataFailsAndLeavesTheSurface) {
    const std::string good = MakeBmp(4, 4, 24, {}, Colour);
    win::Surface s(2, 2, RGB(9, 9, 9));
    std::string error;
    EXPECT_FALSE(win::DecodeBmp(good.substr(0, good.size() - 1), s, &error));
    EXPECT_EQ(error, "truncated BMP pixel data");
    EXPECT_FALSE(win::DecodeBmp("GIF89a", s, &error));
    std::string huge = good;
    Put(huge, 18, 0x7FFFFFFF, 4);
    EXPECT_FALSE(win::DecodeBmp(huge, s, &error));
    std::string negativeWidth = good;
    Put(negativeWidth, 18, 0xFFFFFFFF, 4);
    EXPECT_FALSE(win::DecodeBmp(negativeWidth, s, &error));
    std::string rle = good;
    Put(rle, 30, 1, 4);
    EXPECT_FALSE(win::DecodeBmp(rle, s, &error));
    // A palette index beyond the palette.
    EXPECT_FALSE(win::DecodeBmp(MakeBmp(2, 1, 8, {RGB(0, 0, 0)}, [](int x, int) { return std::uint32_t(x); }), s));
    EXPECT_EQ(s.width(), 2);
    EXPECT_EQ(s.pixel(1, 1), RGB(9, 9, 9));
}

TEST(Bitmap, SurfaceDrawsClippedAndEncodesRoundTrip) {
    win::Surface s(5, 4, RGB(255, 255, 255));
    s.fill(RECT{-2, 1, 3, 10}, RGB(10, 20, 30));
    win::Surface dot(2, 2, RGB(1, 1, 1));
    s.blit(dot, 4, 3);  // only one pixel lands
    s.setPixel(-1, 0, RGB(0, 0, 0));
    EXPECT_EQ(s.pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(s.pixel(2, 3), RGB(10, 20, 30));
    EXPECT_EQ(s.pixel(3, 1), RGB(255, 255, 255));
    EXPECT_EQ(s.pixel(4, 3), RGB(1, 1, 1));
    EXPECT_EQ(s.pixel(9, 9), 0u);
    win::Surface back;
    ASSERT_TRUE(win::DecodeBmp(win::EncodeBmp24(s), back));
    EXPECT_EQ(back.pixels(), s.pixels());
}
