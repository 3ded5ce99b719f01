// PNG files of pixel surfaces: 8-bit RGB, no interlacing, the image data compressed
// with our own deflate (fixed Huffman codes, greedy matching of repeated runs), with the
// CRC-32 of each chunk and the Adler-32 of the zlib stream.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "win/bitmap.h"

namespace win {

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::string_view bytes, std::uint32_t adler = 1);

// A zlib stream (RFC 1950) of bytes, deflated (RFC 1951) with fixed Huffman codes.
std::string ZlibCompress(std::string_view bytes);

// The PNG file of surface (empty for an empty surface).
std::string EncodePng(const Surface& surface);
// Writes the PNG file atomically (a failure leaves an old file intact); false on failure.
bool WritePngFile(std::wstring_view winPath, const Surface& surface);

}  // namespace win
