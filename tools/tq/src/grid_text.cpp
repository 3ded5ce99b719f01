#include "tq/grid_text.h"

#include <cstdio>

namespace tq {

namespace {

bool isBinaryByte(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != 0x0B && c != 0x0C; }

std::string hexByte(unsigned char c) {
    char b[8];
    std::snprintf(b, sizeof b, "0x%02X", c);
    return b;
}

std::string binary(std::size_t offset, unsigned char c) {
    return (c == 0 ? std::string("a NUL byte") : "a control byte " + hexByte(c)) + " at offset " +
           std::to_string(offset) + ": a binary file, not a grid";
}


void append(std::wstring& text, char32_t code) {
    if (sizeof(wchar_t) >= 4 || code < 0x10000) {
        text += static_cast<wchar_t>(code);
        return;
    }
    code -= 0x10000;
    text += static_cast<wchar_t>(0xD800 + (code >> 10));
    text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
}

bool decodeUtf16(const std::string& bytes, bool littleEndian, std::wstring& text, std::string& why) {
    if (bytes.size() % 2 != 0) {
        why = "UTF-16 text with an odd number of bytes (cut short?)";
        return false;
    }
    std::size_t line = 1;
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        char32_t unit = littleEndian ? (b << 8 | a) : (a << 8 | b);
        if (unit < 0x20 && isBinaryByte(static_cast<unsigned char>(unit))) {
            why = binary(i, static_cast<unsigned char>(unit));
            return false;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const auto c = static_cast<unsigned char>(bytes[i + 2]);
            const auto d = static_cast<unsigned char>(bytes[i + 3]);
            const char32_t low = littleEndian ? (d << 8 | c) : (c << 8 | d);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                append(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            why = "line " + std::to_string(line) + ": a broken UTF-16 surrogate pair";
            return false;
        }
        if (unit == '\n') ++line;
        append(text, unit);
    }
    return true;
}

}  // namespace

// One UTF-8 sequence at s[i]: its length and code point, 0 when invalid.
std::size_t utf8Sequence(const std::string& s, std::size_t i, char32_t& code) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (c < 0x80) {
        code = c;
        return 1;
    }
    if ((c & 0xE0) == 0xC0) { length = 2; code = c & 0x1F; minimum = 0x80; }
    else if ((c & 0xF0) == 0xE0) { length = 3; code = c & 0x0F; minimum = 0x800; }
    else if ((c & 0xF8) == 0xF0) { length = 4; code = c & 0x07; minimum = 0x10000; }
    else return 0;
    if (i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        code = (code << 6) | (d & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

bool decodeGridText(const std::string& bytes, std::wstring& text, std::string& why) {
    text.clear();
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return decodeUtf16(bytes, true, text, why);
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') return decodeUtf16(bytes, false, text, why);
    std::size_t i = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::size_t line = 1;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (isBinaryByte(c)) {
            why = binary(i, c);
            return false;
        }
        char32_t code = 0;
        const std::size_t length = utf8Sequence(bytes, i, code);
        if (length == 0) {
            // A NUL further on says more than the first stray byte.
            const std::size_t nul = bytes.find('\0', i);
            why = nul != std::string::npos ? binary(nul, 0)
                                           : "line " + std::to_string(line) + ": byte " + hexByte(c) +
                                                 " is no UTF-8; save the grid as UTF-8 or UTF-16 text";
            return false;
        }
        if (c == '\n') ++line;
        append(text, code);
        i += length;
    }
    return true;
}

}  // namespace tq
