// Drawing primitives of window pictures.
#include <algorithm>

#include "win/bitmap_font.h"
#include "win/render.h"

namespace win {

Canvas::Canvas(Surface& surface, POINT origin, RECT clip) : m_surface(&surface), m_origin(origin), m_clip(clip) {
    m_clip.left = std::max<LONG>(m_clip.left, 0);
    m_clip.top = std::max<LONG>(m_clip.top, 0);
    m_clip.right = std::min<LONG>(m_clip.right, surface.width());
    m_clip.bottom = std::min<LONG>(m_clip.bottom, surface.height());
}

RECT Canvas::clip() const {
    return RECT{m_clip.left - m_origin.x, m_clip.top - m_origin.y, m_clip.right - m_origin.x,
                m_clip.bottom - m_origin.y};
}

Canvas Canvas::inside(const RECT& r) const {
    RECT abs{r.left + m_origin.x, r.top + m_origin.y, r.right + m_origin.x, r.bottom + m_origin.y};
    RECT c{std::max(abs.left, m_clip.left), std::max(abs.top, m_clip.top), std::min(abs.right, m_clip.right),
           std::min(abs.bottom, m_clip.bottom)};
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    return Canvas(*m_surface, POINT{abs.left, abs.top}, c);
}

void Canvas::pixel(int x, int y, COLORREF c) {
    x += m_origin.x;
    y += m_origin.y;
    if (x >= m_clip.left && x < m_clip.right && y >= m_clip.top && y < m_clip.bottom) m_surface->setPixel(x, y, c);
}

void Canvas::fill(const RECT& r, COLORREF c) {
    RECT abs{std::max<LONG>(r.left + m_origin.x, m_clip.left), std::max<LONG>(r.top + m_origin.y, m_clip.top),
             std::min<LONG>(r.right + m_origin.x, m_clip.right), std::min<LONG>(r.bottom + m_origin.y, m_clip.bottom)};
    if (abs.right > abs.left && abs.bottom > abs.top) m_surface->fill(abs, c);
}

void Canvas::dither(const RECT& r, COLORREF a, COLORREF b) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixel(x, y, ((x + y) & 1) ? b : a);
}

void Canvas::hline(int x0, int x1, int y, COLORREF c) { fill(RECT{x0, y, x1, y + 1}, c); }
void Canvas::vline(int x, int y0, int y1, COLORREF c) { fill(RECT{x, y0, x + 1, y1}, c); }

void Canvas::frame(const RECT& r, COLORREF c) {
    hline(r.left, r.right, r.top, c);
    hline(r.left, r.right, r.bottom - 1, c);
    vline(r.left, r.top, r.bottom, c);
    vline(r.right - 1, r.top, r.bottom, c);
}

void Canvas::dottedFrame(const RECT& r, COLORREF c) {
    for (int x = r.left; x < r.right; x += 2) {
        pixel(x, r.top, c);
        pixel(x, r.bottom - 1, c);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        pixel(r.left, y, c);
        pixel(r.right - 1, y, c);
    }
}

void Canvas::edge(const RECT& r, Edge kind) {
    auto lines = [&](const RECT& q, COLORREF topLeft, COLORREF bottomRight) {
        hline(q.left, q.right - 1, q.top, topLeft);
        vline(q.left, q.top, q.bottom - 1, topLeft);
        hline(q.left, q.right, q.bottom - 1, bottomRight);
        vline(q.right - 1, q.top, q.bottom, bottomRight);
    };
    const RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    switch (kind) {
    case Edge::Raised:
        lines(r, color::kLight, color::kDarkShadow);
        lines(in, color::kFace, color::kShadow);
        break;
    case Edge::Sunken:
        lines(r, color::kShadow, color::kLight);
        lines(in, color::kDarkShadow, color::kFace);
        break;
    case Edge::Pressed:
        frame(r, color::kDarkShadow);
        frame(in, color::kShadow);
        break;
    case Edge::Etched:
        frame(RECT{r.left + 1, r.top + 1, r.right, r.bottom}, color::kLight);
        frame(RECT{r.left, r.top, r.right - 1, r.bottom - 1}, color::kShadow);
        break;
    case Edge::ThinRaised: lines(r, color::kLight, color::kShadow); break;
    case Edge::ThinSunken: lines(r, color::kShadow, color::kLight); break;
    }
}

int Canvas::text(int x, int y, std::wstring_view s, COLORREF c, bool bold) {
    const RECT abs = m_clip;
    return DrawText(*m_surface, x + m_origin.x, y + m_origin.y, s, c, abs, bold) - m_origin.x;
}

int LayoutLines(std::wstring_view text, int width, bool wrap, std::wstring* lines, int maxLines) {
    int count = 0;
    const int perLine = std::max(1, width / kFontCellWidth);
    std::size_t pos = 0;
    while (pos <= text.size() && count < maxLines) {
        std::size_t end = text.find(L'\n', pos);
        if (end == std::wstring_view::npos) end = text.size();
        std::wstring_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        if (!wrap) {
            lines[count++] = std::wstring(line);
        } else {
            do {
                std::size_t take = line.size();
                if (static_cast<int>(take) > perLine) {
                    take = static_cast<std::size_t>(perLine);
                    const std::size_t space = line.substr(0, take + 1).rfind(L' ');
                    if (space != std::wstring_view::npos && space > 0) take = space;
                }
                lines[count++] = std::wstring(line.substr(0, take));
                line.remove_prefix(take);
                while (!line.empty() && line.front() == L' ') line.remove_prefix(1);
            } while (!line.empty() && count < maxLines);
        }
        if (end == text.size()) break;
        pos = end + 1;
    }
    return count;
}

void Canvas::textIn(const RECT& r, std::wstring_view s, UINT format, COLORREF c, bool bold, bool disabled) {
    std::wstring shown;
    std::size_t underline = std::wstring::npos;
    if (format & kPrefix) {
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == L'&' && i + 1 < s.size()) {
                ++i;
                if (s[i] != L'&' && underline == std::wstring::npos) underline = shown.size();
            }
            shown += s[i];
        }
    } else {
        shown = std::wstring(s);
    }
    constexpr int kMaxLines = 64;
    std::wstring lines[kMaxLines];
    const int n = LayoutLines(shown, r.right - r.left, (format & kWrap) != 0, lines, kMaxLines);
    int y = r.top;
    if (format & kAlignMiddle) y = r.top + (r.bottom - r.top - n * kFontCellHeight) / 2;
    std::size_t offset = 0;
    for (int i = 0; i < n; ++i, y += kFontCellHeight) {
        // Centred and right-aligned by the ink: the cell's last column is always blank.
        const int w = lines[i].empty() ? 0 : TextWidth(lines[i]) - 1;
        int x = r.left;
        if (format & kAlignCenter) x = r.left + (r.right - r.left - w) / 2;
        else if (format & kAlignRight) x = r.right - w;
        auto draw = [&](int dx, int dy, COLORREF col) {
            text(x + dx, y + dy, lines[i], col, bold);
            if (underline != std::wstring::npos && underline >= offset && underline < offset + lines[i].size()) {
                const int ux = x + dx + static_cast<int>(underline - offset) * kFontCellWidth;
                hline(ux, ux + 5, y + dy + kFontBaseline + 1, col);
            }
        };
        if (disabled) {
            draw(1, 1, color::kLight);
            draw(0, 0, color::kShadow);
        } else {
            draw(0, 0, c);
        }
        offset += lines[i].size();
    }
}

void Canvas::image(const Surface& img, int x, int y) {
    for (int j = 0; j < img.height(); ++j)
        for (int i = 0; i < img.width(); ++i) pixel(x + i, y + j, img.pixel(i, j));
}

void Canvas::arrow(int cx, int cy, char direction, COLORREF c) {
    // A solid triangle four rows deep.
    for (int k = 0; k < 4; ++k) {
        switch (direction) {
        case 'v': hline(cx - 3 + k, cx + 4 - k, cy - 1 + k, c); break;
        case '^': hline(cx - 3 + k, cx + 4 - k, cy + 2 - k, c); break;
        case '<': vline(cx + 2 - k, cy - 3 + k, cy + 4 - k, c); break;
        default: vline(cx - 1 + k, cy - 3 + k, cy + 4 - k, c); break;
        }
    }
}

}  // namespace win
