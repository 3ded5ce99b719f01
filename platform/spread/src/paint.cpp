// How the spreadsheet control looks in window pictures: a grid with its column and row
// headers, the cell texts in their colours and alignment, check box, button and combo
// box cells, the selection and the active cell, and scroll bars. The grid starts at the
// first column and row, moved on just enough to show the active cell.
#include <algorithm>
#include <cwctype>

#include "spread/ss_api.h"
#include "win/bitmap_font.h"
#include "win/render.h"
#include "win/window.h"

namespace spread {
namespace {

using win::Canvas;
namespace color = win::color;

constexpr int kScroll = 16;
constexpr int kMaxDrawn = 400;  // columns or rows looked at beyond the first shown one

struct Axis {
    std::vector<SS_COORD> index;  // shown columns (rows), in order
    std::vector<int> start;       // their left (top) edge
    std::vector<int> size;
};

int ColWidth(HWND h, SS_COORD col) {
    int px = 0;
    return SSGetColWidthInPixels(h, col, &px) ? px : 72;
}
int RowHeight(HWND h, SS_COORD row) {
    int px = 0;
    return SSGetRowHeightInPixels(h, row, &px) ? px : 16;
}

// The columns (rows) that fit between from and limit, starting at first.
Axis Lay(HWND h, bool cols, SS_COORD first, SS_COORD count, int from, int limit) {
    Axis a;
    int at = from;
    for (SS_COORD i = first; i <= count && i < first + kMaxDrawn && at < limit; ++i) {
        if (cols ? SSGetColHidden(h, i) : SSGetRowHidden(h, i)) continue;
        const int size = cols ? ColWidth(h, i) : RowHeight(h, i);
        if (size <= 0) continue;
        a.index.push_back(i);
        a.start.push_back(at);
        a.size.push_back(size);
        at += size;
    }
    return a;
}

// The first column (row) to show so that `active` is in view within `room` pixels.
SS_COORD FirstShown(HWND h, bool cols, SS_COORD active, int room) {
    if (active <= 1) return 1;
    int used = 0;
    SS_COORD first = active;
    while (first >= 1) {
        used += cols ? ColWidth(h, first) : RowHeight(h, first);
        if (used > room) return std::min(first + 1, active);
        --first;
    }
    return 1;
}

bool LooksNumeric(const std::wstring& t) {
    if (t.empty()) return false;
    std::size_t digits = 0;
    for (wchar_t c : t) {
        if (std::iswdigit(static_cast<wint_t>(c))) ++digits;
        else if (c != L'.' && c != L',' && c != L'-' && c != L'+' && c != L'%' && c != L'E' && c != L'e')
            return false;
    }
    return digits > 0;
}

void HeaderCell(Canvas& c, const RECT& r, const std::wstring& text, bool bold) {
    c.fill(r, color::kFace);
    c.hline(r.left, r.right, r.bottom - 1, color::kShadow);
    c.vline(r.right - 1, r.top, r.bottom, color::kShadow);
    c.hline(r.left, r.right - 1, r.top, color::kLight);
    c.vline(r.left, r.top, r.bottom - 1, color::kLight);
    Canvas in = c.inside(RECT{r.left + 1, r.top, r.right - 1, r.bottom});
    in.textIn(RECT{0, 0, r.right - r.left - 2, r.bottom - r.top}, text, win::kAlignCenter | win::kAlignMiddle,
              color::kText, bold);
}

void PaintCell(HWND h, Canvas& c, const RECT& r, SS_COORD col, SS_COORD row, bool selected, bool disabled) {
    COLORREF back = SS_COLOR_DEFAULT, fore = SS_COLOR_DEFAULT;
    SSGetColor(h, col, row, &back, &fore);
    if (back == SS_COLOR_DEFAULT) back = color::kWindow;
    if (fore == SS_COLOR_DEFAULT) fore = color::kText;
    if (disabled) fore = color::kGrayText;
    if (selected) {
        back = color::kHighlight;
        fore = color::kHighlightText;
    }
    c.fill(r, back);
    std::wstring text;
    SSGetData(h, col, row, text);
    std::wstring face;
    int size = 0;
    BOOL bold = FALSE, italic = FALSE;
    SSGetFont(h, col, row, face, &size, &bold, &italic);
    Canvas in = c.inside(RECT{r.left + 2, r.top, r.right - 2, r.bottom});
    const RECT box{0, 0, r.right - r.left - 4, r.bottom - r.top};
    switch (SSGetCellType(h, col, row)) {
    case SS_TYPE_CHECKBOX: {
        // A check box picture (checked when the value is not 0) before the cell's text.
        SS_CELLTYPEINFO info;
        SSGetCellTypeInfo(h, col, row, &info);
        const bool checked = !text.empty() && text != L"0";
        const int y = (box.bottom - 13) / 2;
        in.edge(RECT{0, y, 13, y + 13}, win::Edge::Sunken);
        in.fill(RECT{2, y + 2, 11, y + 11}, color::kWindow);
        if (checked) {
            const int pts[7][2] = {{0, 2}, {1, 3}, {2, 4}, {3, 3}, {4, 2}, {5, 1}, {6, 0}};
            for (const auto& p : pts)
                for (int k = 0; k < 3; ++k) in.pixel(3 + p[0], y + 3 + p[1] + k, color::kText);
        }
        in.textIn(RECT{17, 0, box.right, box.bottom}, info.text, win::kAlignMiddle, fore, bold != FALSE);
        return;
    }
    case SS_TYPE_BUTTON: {
        SS_CELLTYPEINFO info;
        SSGetCellTypeInfo(h, col, row, &info);
        const RECT b{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        c.fill(b, color::kFace);
        c.edge(b, win::Edge::Raised);
        c.textIn(b, info.text.empty() ? text : info.text, win::kAlignCenter | win::kAlignMiddle, color::kText,
                 bold != FALSE);
        return;
    }
    case SS_TYPE_COMBOBOX: {
        const RECT b{r.right - 1 - 13, r.top + 1, r.right - 1, r.bottom - 1};
        in.textIn(RECT{0, 0, box.right - 14, box.bottom}, text, win::kAlignMiddle, fore, bold != FALSE);
        c.fill(b, color::kFace);
        c.edge(b, win::Edge::Raised);
        c.arrow((b.left + b.right) / 2, (b.top + b.bottom) / 2 - 1, 'v', color::kText);
        return;
    }
    default: break;
    }
    const short align = SSGetAlign(h, col, row);
    UINT format = win::kAlignMiddle;
    if (align == SS_ALIGN_CENTER) format |= win::kAlignCenter;
    else if (align == SS_ALIGN_RIGHT || (align == SS_ALIGN_DEFAULT && LooksNumeric(text))) format |= win::kAlignRight;
    // Long texts stay in their cell.
    const std::size_t fits = static_cast<std::size_t>(std::max<LONG>(0, box.right / win::kFontCellWidth));
    if (text.size() > fits && !(format & win::kAlignRight)) text.resize(fits);
    in.textIn(box, text, format, fore, bold != FALSE);
}

void PaintSheet(HWND h, Canvas& c, const win::PaintState& state) {
    RECT wr;
    GetWindowRect(h, &wr);
    const RECT all{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    c.fill(all, color::kWindow);
    c.edge(all, win::Edge::Sunken);
    RECT area{2, 2, all.right - 2, all.bottom - 2};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    const bool vscroll = (style & WS_VSCROLL) != 0, hscroll = (style & WS_HSCROLL) != 0;
    if (vscroll) area.right -= kScroll;
    if (hscroll) area.bottom -= kScroll;
    const int headerW = SSGetBool(h, SSB_SHOWROWHEADERS) ? ColWidth(h, 0) : 0;
    const int headerH = SSGetBool(h, SSB_SHOWCOLHEADERS) ? RowHeight(h, 0) : 0;
    SS_COORD activeCol = 1, activeRow = 1;
    SSGetActiveCell(h, &activeCol, &activeRow);
    const SS_COORD cols = SSGetMaxCols(h), rows = SSGetMaxRows(h);
    const int gridLeft = area.left + headerW, gridTop = area.top + headerH;
    const Axis x = Lay(h, true, FirstShown(h, true, activeCol, area.right - gridLeft), cols, gridLeft, area.right);
    const Axis y = Lay(h, false, FirstShown(h, false, activeRow, area.bottom - gridTop), rows, gridTop, area.bottom);
    Canvas grid = c.inside(area);
    auto local = [&](int l, int t, int r, int b) { return RECT{l - area.left, t - area.top, r - area.left, b - area.top}; };

    SS_COORD s1 = 0, r1 = 0, s2 = 0, r2 = 0;
    const bool hasSelection = SSGetSelection(h, &s1, &r1, &s2, &r2) && (s1 != s2 || r1 != r2);
    const COLORREF gridColour = SSGetGridColor(h) == SS_COLOR_DEFAULT ? RGB(192, 192, 192) : SSGetGridColor(h);
    const bool gridLines = SSGetBool(h, SSB_GRIDLINES) != 0;
    for (std::size_t j = 0; j < y.index.size(); ++j) {
        for (std::size_t i = 0; i < x.index.size(); ++i) {
            const SS_COORD col = x.index[i], row = y.index[j];
            SS_COORD ac = 0, ar = 0, nc = 1, nr = 1;
            const short span = SSGetCellSpan(h, col, row, &ac, &ar, &nc, &nr);
            if (span == SS_SPAN_YES) continue;  // drawn with its anchor
            int right = x.start[i] + x.size[i], bottom = y.start[j] + y.size[j];
            if (span == SS_SPAN_ANCHOR) {
                for (std::size_t k = i + 1; k < x.index.size() && x.index[k] < col + nc; ++k) right = x.start[k] + x.size[k];
                for (std::size_t k = j + 1; k < y.index.size() && y.index[k] < row + nr; ++k) bottom = y.start[k] + y.size[k];
            }
            const bool selected = hasSelection && col >= std::min(s1, s2) && col <= std::max(s1, s2) &&
                                  row >= std::min(r1, r2) && row <= std::max(r1, r2) &&
                                  !(col == activeCol && row == activeRow);
            const RECT cell = local(x.start[i], y.start[j], right - (gridLines ? 1 : 0), bottom - (gridLines ? 1 : 0));
            PaintCell(h, grid, cell, col, row, selected, state.disabled);
            if (gridLines) {
                grid.hline(cell.left, cell.right + 1, cell.bottom, gridColour);
                grid.vline(cell.right, cell.top, cell.bottom + 1, gridColour);
            }
        }
    }
    // Headers over the grid's edges, then the corner.
    if (headerH) {
        for (std::size_t i = 0; i < x.index.size(); ++i) {
            std::wstring t;
            SSGetData(h, x.index[i], 0, t);
            HeaderCell(grid, local(x.start[i], area.top, x.start[i] + x.size[i], gridTop), t, false);
        }
    }
    if (headerW) {
        for (std::size_t j = 0; j < y.index.size(); ++j) {
            std::wstring t;
            SSGetData(h, 0, y.index[j], t);
            HeaderCell(grid, local(area.left, y.start[j], gridLeft, y.start[j] + y.size[j]), t, false);
        }
    }
    if (headerW && headerH) HeaderCell(grid, local(area.left, area.top, gridLeft, gridTop), L"", false);
    // The active cell: a two-pixel black frame.
    for (std::size_t j = 0; j < y.index.size(); ++j) {
        if (y.index[j] != activeRow) continue;
        for (std::size_t i = 0; i < x.index.size(); ++i) {
            if (x.index[i] != activeCol) continue;
            const RECT a = local(x.start[i] - 1, y.start[j] - 1, x.start[i] + x.size[i], y.start[j] + y.size[j]);
            grid.frame(a, color::kText);
            grid.frame(RECT{a.left + 1, a.top + 1, a.right - 1, a.bottom - 1}, color::kText);
        }
    }
    // Scroll bars: tracks with arrow buttons.
    auto button = [&](const RECT& b, char dir) {
        c.fill(b, color::kFace);
        c.edge(b, win::Edge::Raised);
        c.arrow((b.left + b.right) / 2, (b.top + b.bottom) / 2 - (dir == 'v' || dir == '^' ? 1 : 0), dir, color::kText);
    };
    if (vscroll) {
        const RECT t{area.right, area.top, area.right + kScroll, area.bottom};
        c.dither(t, color::kFace, color::kLight);
        button(RECT{t.left, t.top, t.right, t.top + kScroll}, '^');
        button(RECT{t.left, t.bottom - kScroll, t.right, t.bottom}, 'v');
    }
    if (hscroll) {
        const RECT t{area.left, area.bottom, area.right, area.bottom + kScroll};
        c.dither(t, color::kFace, color::kLight);
        button(RECT{t.left, t.top, t.left + kScroll, t.bottom}, '<');
        button(RECT{t.right - kScroll, t.top, t.right, t.bottom}, '>');
    }
    if (vscroll && hscroll) c.fill(RECT{area.right, area.bottom, area.right + kScroll, area.bottom + kScroll}, color::kFace);
}

const bool gPainter = [] {
    win::RegisterWindowPainter(SS_CLASSNAME, &PaintSheet);
    return true;
}();

}  // namespace
}  // namespace spread
