// A small inflater for the tests: reads back zlib streams of stored and fixed-Huffman
// blocks (what our PNG writer makes) and checks the Adler-32 at the end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "win/png.h"

namespace testpng {

class BitReader {
public:
    explicit BitReader(std::string_view in) : m_in(in) {}
    bool bit(int& out) {
        if (m_pos >= m_in.size()) return false;
        out = (static_cast<unsigned char>(m_in[m_pos]) >> m_bit) & 1;
        if (++m_bit == 8) {
            m_bit = 0;
            ++m_pos;
        }
        return true;
    }
    bool bits(int count, int& out) {
        out = 0;
        for (int i = 0; i < count; ++i) {
            int b;
            if (!bit(b)) return false;
            out |= b << i;
        }
        return true;
    }
    void align() {
        if (m_bit) {
            m_bit = 0;
            ++m_pos;
        }
    }
    std::size_t pos() const { return m_pos; }
    void skip(std::size_t n) { m_pos += n; }

private:
    std::string_view m_in;
    std::size_t m_pos = 0;
    int m_bit = 0;
};

// The fixed literal/length symbol, read most significant bit first.
inline bool FixedSymbol(BitReader& r, int& symbol) {
    int code = 0, b;
    for (int len = 1; len <= 9; ++len) {
        if (!r.bit(b)) return false;
        code = (code << 1) | b;
        if (len == 7 && code <= 0x17) { symbol = code + 256; return true; }
        if (len == 8 && code >= 0x30 && code <= 0xBF) { symbol = code - 0x30; return true; }
        if (len == 8 && code >= 0xC0 && code <= 0xC7) { symbol = code - 0xC0 + 280; return true; }
        if (len == 9 && code >= 0x190) { symbol = code - 0x190 + 144; return true; }
    }
    return false;
}

inline std::optional<std::string> ZlibInflate(std::string_view z) {
    static const int lbase[29] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                  35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int lextra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static const int dbase[30] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769,
                                  1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    static const int dextra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8,
                                   9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    if (z.size() < 6) return std::nullopt;
    const int cmf = static_cast<unsigned char>(z[0]), flg = static_cast<unsigned char>(z[1]);
    if ((cmf & 0x0F) != 8 || ((cmf << 8) | flg) % 31 != 0) return std::nullopt;
    BitReader r(z.substr(2));
    std::string out;
    int final = 0;
    do {
        int type;
        if (!r.bit(final) || !r.bits(2, type)) return std::nullopt;
        if (type == 0) {
            r.align();
            const std::string_view rest = z.substr(2 + r.pos());
            if (rest.size() < 4) return std::nullopt;
            const int len = static_cast<unsigned char>(rest[0]) | (static_cast<unsigned char>(rest[1]) << 8);
            out.append(rest.substr(4, static_cast<std::size_t>(len)));
            r.skip(4 + static_cast<std::size_t>(len));
        } else if (type == 1) {
            for (;;) {
                int sym;
                if (!FixedSymbol(r, sym)) return std::nullopt;
                if (sym < 256) { out.push_back(static_cast<char>(sym)); continue; }
                if (sym == 256) break;
                int extra, dcode, dext;
                if (sym > 285 || !r.bits(lextra[sym - 257], extra)) return std::nullopt;
                const int length = lbase[sym - 257] + extra;
                int code = 0, b;
                for (int i = 0; i < 5; ++i) { if (!r.bit(b)) return std::nullopt; code = (code << 1) | b; }
                dcode = code;
                if (dcode > 29 || !r.bits(dextra[dcode], dext)) return std::nullopt;
                const std::size_t distance = static_cast<std::size_t>(dbase[dcode] + dext);
                if (distance > out.size()) return std::nullopt;
                for (int i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
            }
        } else {
            return std::nullopt;
        }
    } while (!final);
    r.align();
    const std::string_view tail = z.substr(2 + r.pos());
    if (tail.size() < 4) return std::nullopt;
    const std::uint32_t adler = (static_cast<std::uint32_t>(static_cast<unsigned char>(tail[0])) << 24) |
                                (static_cast<std::uint32_t>(static_cast<unsigned char>(tail[1])) << 16) |
                                (static_cast<std::uint32_t>(static_cast<unsigned char>(tail[2])) << 8) |
                                static_cast<unsigned char>(tail[3]);
    if (adler != win::Adler32(out)) return std::nullopt;
    return out;
}

}  // namespace testpng
