// .bmp decoding and encoding, pixel surfaces and bitmap handles over them.
#include "win/bitmap.h"

#include <algorithm>

#include "win/files.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_ALPHABITFIELDS = 6;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;

std::uint32_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8);
}
std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }
std::int32_t I32(std::string_view b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

// A colour channel from a bit-field mask, scaled to 0..255.
BYTE Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1u)) ++shift;
    const std::uint32_t m = mask >> shift;
    const std::uint32_t v = (pixel >> shift) & m;
    return static_cast<BYTE>((v * 255u + m / 2) / m);
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: top-down
    std::uint32_t bpp = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t infoSize = 0;
    std::uint32_t offBits = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};
};

bool ParseHeader(std::string_view b, Header& h, std::string* error) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return Fail(error, "not a BMP file");
    h.offBits = U32(b, 10);
    h.infoSize = U32(b, 14);
    if (h.infoSize == 12) {
        h.width = U16(b, 18);
        h.height = U16(b, 20);
        h.bpp = U16(b, 24);
    } else if (h.infoSize == 40 || h.infoSize == 52 || h.infoSize == 56 || h.infoSize == 108 ||
               h.infoSize == 124) {
        if (b.size() < 14 + std::size_t{40}) return Fail(error, "truncated BMP header");
        h.width = I32(b, 18);
        h.height = I32(b, 22);
        h.bpp = U16(b, 28);
        h.compression = U32(b, 30);
        h.colorsUsed = U32(b, 46);
    } else {
        return Fail(error, "unsupported BMP header size");
    }
    const std::int64_t absHeight = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || absHeight <= 0 || h.width > win::kMaxBitmapSide || absHeight > win::kMaxBitmapSide ||
        h.width * absHeight > kMaxPixels)
        return Fail(error, "BMP size out of range");
    if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
        return Fail(error, "unsupported BMP bit depth");
    if (h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) {
        if (h.bpp != 16 && h.bpp != 32) return Fail(error, "bit fields need 16 or 32 bits per pixel");
        const std::size_t at = 14 + 40;  // inside a larger header, or right after a 40-byte one
        if (b.size() < at + 12) return Fail(error, "truncated BMP bit fields");
        for (int i = 0; i < 3; ++i) h.masks[i] = U32(b, at + 4 * static_cast<std::size_t>(i));
    } else if (h.compression == BI_RGB) {
        if (h.bpp == 16) {
            h.masks[0] = 0x7C00; h.masks[1] = 0x03E0; h.masks[2] = 0x001F;
        } else if (h.bpp == 32) {
            h.masks[0] = 0x00FF0000; h.masks[1] = 0x0000FF00; h.masks[2] = 0x000000FF;
        }
    } else {
        return Fail(error, "compressed BMP files are not supported");
    }
    return true;
}

std::mutex gHandleMutex;
std::map<HBITMAP, std::unique_ptr<win::Surface>> gBitmaps;

}  // namespace

namespace win {

Surface::Surface(int width, int height, COLORREF fill)
    : width_(width > 0 && height > 0 ? width : 0), height_(width > 0 && height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

COLORREF Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Surface::setPixel(int x, int y, COLORREF color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = color;
}

void Surface::fill(const RECT& rect, COLORREF color) {
    const int left = rect.left < 0 ? 0 : rect.left;
    const int top = rect.top < 0 ? 0 : rect.top;
    const int right = rect.right > width_ ? width_ : rect.right;
    const int bottom = rect.bottom > height_ ? height_ : rect.bottom;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) setPixel(x, y, color);
}

void Surface::blit(const Surface& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx) setPixel(x + sx, y + sy, src.pixel(sx, sy));
}

RECT Surface::inkBox(const RECT& within, COLORREF color) const {
    RECT box{within.right, within.bottom, within.left, within.top};
    for (int y = within.top; y < within.bottom; ++y)
        for (int x = within.left; x < within.right; ++x)
            if (pixel(x, y) == color) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

int Surface::countPixels(const RECT& within, COLORREF color) const {
    int n = 0;
    for (int y = within.top; y < within.bottom; ++y)
        for (int x = within.left; x < within.right; ++x)
            if (pixel(x, y) == color) ++n;
    return n;
}

bool DecodeBmp(std::string_view b, Surface& out, std::string* error) {
    Header h;
    if (!ParseHeader(b, h, error)) return false;
    const std::int64_t absHeight = h.height < 0 ? -h.height : h.height;
    const std::int64_t stride = ((h.width * h.bpp + 31) / 32) * 4;
    if (h.offBits > b.size() || static_cast<std::int64_t>(b.size()) - h.offBits < stride * absHeight)
        return Fail(error, "truncated BMP pixel data");

    std::vector<COLORREF> palette;
    if (h.bpp <= 8) {
        const std::size_t maxColors = std::size_t{1} << h.bpp;
        std::size_t count = h.colorsUsed ? h.colorsUsed : maxColors;
        if (count > maxColors) count = maxColors;
        const std::size_t entry = h.infoSize == 12 ? 3 : 4;
        const std::size_t at = 14 + h.infoSize;
        if (at + count * entry > h.offBits || at + count * entry > b.size())
            return Fail(error, "truncated BMP palette");
        for (std::size_t i = 0; i < count; ++i) {
            const auto byte = [&](std::size_t k) { return static_cast<BYTE>(b[at + i * entry + k]); };
            palette.push_back(RGB(byte(2), byte(1), byte(0)));
        }
    }

    Surface s(static_cast<int>(h.width), static_cast<int>(absHeight));
    for (std::int64_t row = 0; row < absHeight; ++row) {
        const std::size_t base = h.offBits + static_cast<std::size_t>(row * stride);
        const int y = static_cast<int>(h.height > 0 ? absHeight - 1 - row : row);
        for (std::int64_t col = 0; col < h.width; ++col) {
            COLORREF c = 0;
            if (h.bpp <= 8) {
                const std::size_t bit = static_cast<std::size_t>(col) * h.bpp;
                const auto byte = static_cast<unsigned char>(b[base + bit / 8]);
                const unsigned shift = 8 - h.bpp - static_cast<unsigned>(bit % 8);
                const std::size_t index = (byte >> shift) & ((1u << h.bpp) - 1);
                if (index >= palette.size()) return Fail(error, "BMP palette index out of range");
                c = palette[index];
            } else if (h.bpp == 24) {
                const std::size_t at = base + static_cast<std::size_t>(col) * 3;
                c = RGB(static_cast<BYTE>(b[at + 2]), static_cast<BYTE>(b[at + 1]), static_cast<BYTE>(b[at]));
            } else {
                const std::size_t at = base + static_cast<std::size_t>(col) * (h.bpp / 8);
                const std::uint32_t v = h.bpp == 16 ? U16(b, at) : U32(b, at);
                c = RGB(Channel(v, h.masks[0]), Channel(v, h.masks[1]), Channel(v, h.masks[2]));
            }
            s.setPixel(static_cast<int>(col), y, c);
        }
    }
    out = std::move(s);
    return true;
}

bool LoadBmpFile(std::wstring_view winPath, Surface& out, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(winPath, bytes)) return Fail(error, "cannot read the file");
    return DecodeBmp(bytes, out, error);
}

bool ReadBmpSize(std::wstring_view winPath, SIZE& size, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(winPath, bytes)) return Fail(error, "cannot read the file");
    Header h;
    if (!ParseHeader(bytes, h, error)) return false;
    size.cx = static_cast<LONG>(h.width);
    size.cy = static_cast<LONG>(h.height < 0 ? -h.height : h.height);
    return true;
}

std::string EncodeBmp24(const Surface& s) {
    const std::size_t stride = (static_cast<std::size_t>(s.width()) * 3 + 3) / 4 * 4;
    const std::size_t imageSize = stride * static_cast<std::size_t>(s.height());
    std::string b(54 + imageSize, '\0');
    const auto put16 = [&](std::size_t at, std::uint32_t v) {
        b[at] = static_cast<char>(v & 0xFF);
        b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
    };
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(s.width()));
    put32(22, static_cast<std::uint32_t>(s.height()));
    put16(26, 1);
    put16(28, 24);
    put32(34, static_cast<std::uint32_t>(imageSize));
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < s.height(); ++y) {
        const std::size_t row = 54 + static_cast<std::size_t>(s.height() - 1 - y) * stride;
        for (int x = 0; x < s.width(); ++x) {
            const COLORREF c = s.pixel(x, y);
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            b[at] = static_cast<char>(GetBValue(c));
            b[at + 1] = static_cast<char>(GetGValue(c));
            b[at + 2] = static_cast<char>(GetRValue(c));
        }
    }
    return b;
}

HBITMAP CreateBitmapFromSurface(const Surface& surface) {
    auto copy = std::make_unique<Surface>(surface);
    const HBITMAP handle = reinterpret_cast<HBITMAP>(copy.get());
    std::lock_guard<std::mutex> lock(gHandleMutex);
    gBitmaps.emplace(handle, std::move(copy));
    return handle;
}

Surface* SurfaceFromBitmap(HBITMAP bitmap) {
    std::lock_guard<std::mutex> lock(gHandleMutex);
    const auto it = gBitmaps.find(bitmap);
    return it == gBitmaps.end() ? nullptr : it->second.get();
}

}  // namespace win

HANDLE LoadImageW(HINSTANCE, LPCWSTR name, UINT type, int, int, UINT flags) {
    if (type != IMAGE_BITMAP || !(flags & LR_LOADFROMFILE) || !name) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    std::string bytes;
    if (!ReadFileBytes(name, bytes)) return nullptr;
    win::Surface surface;
    if (!win::DecodeBmp(bytes, surface)) {
        SetLastError(ERROR_BAD_FORMAT);
        return nullptr;
    }
    return win::CreateBitmapFromSurface(surface);
}

int GetObjectW(HBITMAP bitmap, int size, LPVOID out) {
    const win::Surface* s = win::SurfaceFromBitmap(bitmap);
    if (!s) return 0;
    if (!out) return static_cast<int>(sizeof(BITMAP));
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP bm;
    bm.bmWidth = s->width();
    bm.bmHeight = s->height();
    bm.bmWidthBytes = s->width() * 4;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = 32;
    std::memcpy(out, &bm, sizeof bm);
    return static_cast<int>(sizeof bm);
}

BOOL DeleteObject(HBITMAP bitmap) {
    std::lock_guard<std::mutex> lock(gHandleMutex);
    return gBitmaps.erase(bitmap) ? TRUE : FALSE;
}
