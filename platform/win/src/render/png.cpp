// PNG writing: chunks, CRC-32, Adler-32 and a small deflate.
#include "win/png.h"

#include <algorithm>
#include <array>
#include <vector>

#include "win/files.h"

namespace win {
namespace {

const std::array<std::uint32_t, 256>& CrcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

// Writes bits least significant first, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : m_out(out) {}
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            m_acc |= ((value >> i) & 1u) << m_used;
            if (++m_used == 8) flush();
        }
    }
    // Huffman codes go most significant bit first.
    void code(std::uint32_t value, int length) {
        for (int i = length - 1; i >= 0; --i) bits((value >> i) & 1u, 1);
    }
    void finish() {
        if (m_used) flush();
    }

private:
    void flush() {
        m_out.push_back(static_cast<char>(m_acc));
        m_acc = 0;
        m_used = 0;
    }
    std::string& m_out;
    std::uint32_t m_acc = 0;
    int m_used = 0;
};

// The fixed literal/length code of a symbol 0..287.
void FixedLiteral(BitWriter& w, int symbol) {
    if (symbol < 144) w.code(0x30 + symbol, 8);
    else if (symbol < 256) w.code(0x190 + (symbol - 144), 9);
    else if (symbol < 280) w.code(symbol - 256, 7);
    else w.code(0xC0 + (symbol - 280), 8);
}

constexpr int kLengthBase[29] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistBase[30] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769,
                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8,
                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void WriteMatch(BitWriter& w, int length, int distance) {
    int li = 28;
    while (kLengthBase[li] > length) --li;
    FixedLiteral(w, 257 + li);
    w.bits(static_cast<std::uint32_t>(length - kLengthBase[li]), kLengthExtra[li]);
    int di = 29;
    while (kDistBase[di] > distance) --di;
    w.code(static_cast<std::uint32_t>(di), 5);
    w.bits(static_cast<std::uint32_t>(distance - kDistBase[di]), kDistExtra[di]);
}

void Put32(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v >> 24));
    out.push_back(static_cast<char>(v >> 16));
    out.push_back(static_cast<char>(v >> 8));
    out.push_back(static_cast<char>(v));
}

void Chunk(std::string& out, const char type[5], std::string_view data) {
    Put32(out, static_cast<std::uint32_t>(data.size()));
    std::string body(type, 4);
    body.append(data);
    out.append(body);
    Put32(out, Crc32(body));
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc) {
    const auto& t = CrcTable();
    std::uint32_t c = crc ^ 0xFFFFFFFFu;
    for (char ch : bytes) c = t[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::string_view bytes, std::uint32_t adler) {
    std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
    for (char ch : bytes) {
        a = (a + static_cast<unsigned char>(ch)) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

std::string ZlibCompress(std::string_view in) {
    std::string out;
    out.push_back(static_cast<char>(0x78));  // deflate, 32 KiB window
    out.push_back(static_cast<char>(0x01));  // (0x7801 is a multiple of 31)
    BitWriter w(out);
    w.bits(1, 1);  // the only block, final
    w.bits(1, 2);  // fixed Huffman codes
    constexpr int kWindow = 32768, kMaxLength = 258, kHashSize = 1 << 15, kMaxChain = 32;
    std::vector<int> head(kHashSize, -1), prev(in.size(), -1);
    auto hash = [&](std::size_t i) {
        const auto* p = reinterpret_cast<const unsigned char*>(in.data()) + i;
        return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & (kHashSize - 1);
    };
    auto insert = [&](std::size_t i) {
        if (i + 2 >= in.size()) return;
        const int h = hash(i);
        prev[i] = head[h];
        head[h] = static_cast<int>(i);
    };
    std::size_t i = 0;
    while (i < in.size()) {
        int bestLength = 0, bestDistance = 0;
        if (i + 2 < in.size()) {
            int candidate = head[hash(i)];
            for (int chain = 0; candidate >= 0 && chain < kMaxChain; ++chain, candidate = prev[candidate]) {
                const int distance = static_cast<int>(i) - candidate;
                if (distance > kWindow) break;
                int length = 0;
                const int limit = static_cast<int>(std::min<std::size_t>(kMaxLength, in.size() - i));
                while (length < limit && in[candidate + length] == in[i + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = distance;
                    if (length == limit) break;
                }
            }
        }
        if (bestLength >= 3) {
            WriteMatch(w, bestLength, bestDistance);
            for (int k = 0; k < bestLength; ++k) insert(i + k);
            i += static_cast<std::size_t>(bestLength);
        } else {
            FixedLiteral(w, static_cast<unsigned char>(in[i]));
            insert(i);
            ++i;
        }
    }
    FixedLiteral(w, 256);  // end of block
    w.finish();
    Put32(out, Adler32(in));
    return out;
}

std::string EncodePng(const Surface& s) {
    if (s.empty()) return {};
    std::string raw;
    raw.reserve(static_cast<std::size_t>(s.height()) * (1 + 3 * static_cast<std::size_t>(s.width())));
    for (int y = 0; y < s.height(); ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < s.width(); ++x) {
            const COLORREF c = s.pixel(x, y);
            raw.push_back(static_cast<char>(GetRValue(c)));
            raw.push_back(static_cast<char>(GetGValue(c)));
            raw.push_back(static_cast<char>(GetBValue(c)));
        }
    }
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    Put32(header, static_cast<std::uint32_t>(s.width()));
    Put32(header, static_cast<std::uint32_t>(s.height()));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, filter 0, no interlace
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", ZlibCompress(raw));
    Chunk(png, "IEND", {});
    return png;
}

bool WritePngFile(std::wstring_view winPath, const Surface& surface) {
    const std::string bytes = EncodePng(surface);
    if (bytes.empty()) return false;
    return WriteFileAtomic(winPath, bytes);
}

}  // namespace win
