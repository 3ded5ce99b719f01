// Bitmaps: .bmp files and an in-memory pixel surface that windows and dialogs draw on.
#pragma once

#include "win/messages.h"  // IMAGE_BITMAP
#include "win/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace win {

// A width x height grid of COLORREF pixels (RGB()), row 0 at the top.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, COLORREF fill = RGB(0, 0, 0));

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    // Outside the surface: pixel() gives 0 and setPixel() does nothing.
    COLORREF pixel(int x, int y) const;
    void setPixel(int x, int y, COLORREF color);
    // Fills rect (right and bottom exclusive), clipped to the surface.
    void fill(const RECT& rect, COLORREF color);
    // Copies src with its top-left corner at (x, y), clipped.
    void blit(const Surface& src, int x, int y);
    // The smallest rectangle holding every pixel of color inside within (right and
    // bottom exclusive); an inverted rectangle (left >= right) when there is none.
    RECT inkBox(const RECT& within, COLORREF color) const;
    // How many pixels inside within have color.
    int countPixels(const RECT& within, COLORREF color) const;
    const std::vector<COLORREF>& pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// Largest width or height accepted from a file; larger ones are refused as malformed.
constexpr int kMaxBitmapSide = 32768;

// Decodes a .bmp: 1, 4, 8 (palette), 16 (5-5-5 or bit fields), 24 and 32 bits per pixel,
// bottom-up or top-down, uncompressed or with bit fields; info headers of 12, 40, 52, 56,
// 108 and 124 bytes. Truncated or malformed data fails with a reason in *error and
// leaves out unchanged.
bool DecodeBmp(std::string_view bytes, Surface& out, std::string* error = nullptr);
bool LoadBmpFile(std::wstring_view winPath, Surface& out, std::string* error = nullptr);
// Width and height from the header only.
bool ReadBmpSize(std::wstring_view winPath, SIZE& size, std::string* error = nullptr);
// A 24-bit bottom-up .bmp of the surface.
std::string EncodeBmp24(const Surface& surface);

// Bitmap handles over surfaces. The handle owns a copy of the surface until DeleteObject.
HBITMAP CreateBitmapFromSurface(const Surface& surface);
// The surface of a handle (drawable); nullptr for an unknown handle.
Surface* SurfaceFromBitmap(HBITMAP bitmap);

}  // namespace win

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    LPVOID bmBits = nullptr;
};

constexpr UINT LR_DEFAULTCOLOR = 0x0000;
constexpr UINT LR_LOADFROMFILE = 0x0010;
constexpr UINT LR_CREATEDIBSECTION = 0x2000;

// Only files: IMAGE_BITMAP with LR_LOADFROMFILE (name is a Windows path); anything else
// gives nullptr with ERROR_NOT_SUPPORTED. A bad file gives nullptr with ERROR_BAD_FORMAT.
HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
// Fills a BITMAP (bmBits stays null); returns the bytes written, 0 for an unknown handle.
int GetObjectW(HBITMAP bitmap, int size, LPVOID out);
// Releases a bitmap handle; FALSE for an unknown one.
BOOL DeleteObject(HBITMAP bitmap);
