// PNG files: check sums against published values, the deflate stream read back by an
// independent inflater, and the chunk layout of a written picture.
#include <gtest/gtest.h>

#include <random>

#include "inflate.h"
#include "win/png.h"

namespace {

std::uint32_t Be32(const std::string& s, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8) |
           static_cast<unsigned char>(s[at + 3]);
}

TEST(PngTest, CheckSumsMatchTheirPublishedValues) {
    EXPECT_EQ(win::Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(win::Crc32(""), 0u);
    EXPECT_EQ(win::Crc32("IEND"), 0xAE426082u);  // every PNG file ends with these bytes
    EXPECT_EQ(win::Adler32("Wikipedia"), 0x11E60398u);
    EXPECT_EQ(win::Adler32(""), 1u);
    // Running sums continue where they left off.
    EXPECT_EQ(win::Crc32("6789", win::Crc32("12345")), 0xCBF43926u);
    EXPECT_EQ(win::Adler32("pedia", win::Adler32("Wiki")), 0x11E60398u);
    // Adler-32 reduces modulo 65521 before it overflows: a long run of 0xFF bytes.
    const std::string ff(100000, '\xff');
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : ff) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(win::Adler32(ff), (b << 16) | a);
}

TEST(PngTest, CompressedStreamsInflateBackToTheInput) {
    std::mt19937 rng(7);
    std::string random(5000, '\0');
    for (char& c : random) c = static_cast<char>(rng());
    std::string runs;
    for (int i = 0; i < 3000; ++i) runs += std::string(static_cast<std::size_t>(i % 300), static_cast<char>('a' + i % 5));
    std::string longDistance = random.substr(0, 1000) + std::string(31000, 'x') + random.substr(0, 1000);
    for (const std::string& input : {std::string(), std::string("a"), std::string("abcabcabcabcabcabc"), random,
                                     runs, longDistance, std::string(70000, '\0')}) {
        const std::string z = win::ZlibCompress(input);
        const auto back = testpng::ZlibInflate(z);
        ASSERT_TRUE(back.has_value()) << "input of " << input.size() << " bytes";
        EXPECT_EQ(*back, input);
    }
    // Repetitive data shrinks (what dialog pictures are).
    EXPECT_LT(win::ZlibCompress(runs).size(), runs.size() / 10);
}

TEST(PngTest, EncodedPictureHasValidChunksAndItsPixels) {
    win::Surface s(3, 2, RGB(10, 20, 30));
    s.setPixel(2, 1, RGB(255, 0, 128));
    const std::string png = win::EncodePng(s);
    ASSERT_GT(png.size(), 8u + 25 + 12 + 12);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    // Walk the chunks: IHDR, IDAT, IEND, each with a correct CRC.
    std::size_t at = 8;
    std::vector<std::string> types;
    std::string idat, ihdr;
    while (at + 12 <= png.size()) {
        const std::uint32_t len = Be32(png, at);
        const std::string type = png.substr(at + 4, 4);
        ASSERT_LE(at + 12 + len, png.size());
        EXPECT_EQ(Be32(png, at + 8 + len), win::Crc32(std::string_view(png).substr(at + 4, 4 + len))) << type;
        types.push_back(type);
        if (type == "IHDR") ihdr = png.substr(at + 8, len);
        if (type == "IDAT") idat += png.substr(at + 8, len);
        at += 12 + len;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    ASSERT_EQ(ihdr.size(), 13u);
    EXPECT_EQ(Be32(ihdr, 0), 3u);
    EXPECT_EQ(Be32(ihdr, 4), 2u);
    EXPECT_EQ(ihdr.substr(8), std::string("\x08\x02\x00\x00\x00", 5));
    const auto raw = testpng::ZlibInflate(idat);
    ASSERT_TRUE(raw.has_value());
    // Each row: filter byte 0, then R, G, B per pixel.
    ASSERT_EQ(raw->size(), 2u * (1 + 3 * 3));
    EXPECT_EQ((*raw)[0], 0);
    EXPECT_EQ(static_cast<unsigned char>((*raw)[1]), 10);
    EXPECT_EQ(static_cast<unsigned char>((*raw)[3]), 30);
    EXPECT_EQ(raw->substr(10 + 7, 3), std::string("\xff\x00\x80", 3));
    EXPECT_TRUE(win::EncodePng(win::Surface()).empty());
}

}  // namespace
