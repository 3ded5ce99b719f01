// Inserting, deleting and moving rows and columns: cells, formats, sizes and spans move,
// and references in formulas follow the cells they name (deleted cells become #REF!,
// ranges shrink or grow).
#include <algorithm>

#include "sheet.h"

namespace spread {

namespace {

struct Mapper {
    int kind;   // 0 insert, 1 delete, 2 move
    Coord a, n;
    // New index of an old one; 0 when deleted.
    Coord Map(Coord i) const {
        if (i < 1) return i;
        switch (kind) {
        case 0: return i >= a ? i + n : i;
        case 1: return i < a ? i : (i < a + n ? 0 : i - n);
        default: {
            Coord from = a, to = n;
            if (i == from) return to;
            if (from < to && i > from && i <= to) return i - 1;
            if (from > to && i >= to && i < from) return i + 1;
            return i;
        }
        }
    }
    // New span of an old [lo, hi]; false when nothing of it is left.
    bool MapSpan(Coord& lo, Coord& hi) const {
        if (kind == 1) {
            Coord nlo = lo < a ? lo : (lo < a + n ? a : lo - n);
            Coord nhi = hi < a ? hi : (hi < a + n ? a - 1 : hi - n);
            if (nhi < nlo) return false;
            lo = nlo;
            hi = nhi;
            return true;
        }
        Coord nlo = Map(lo), nhi = Map(hi);
        if (nlo > nhi) std::swap(nlo, nhi);
        lo = nlo;
        hi = nhi;
        return true;
    }
};

template <class M>
M RemapKeys(const M& in, const Mapper& m) {
    M out;
    for (const auto& [k, v] : in) {
        Coord nk = m.Map(k);
        if (k == 0) nk = 0;
        if (k == 0 || nk != 0) out[nk] = v;
    }
    return out;
}

std::set<Coord> RemapSet(const std::set<Coord>& in, const Mapper& m) {
    std::set<Coord> out;
    for (Coord k : in) {
        Coord nk = k == 0 ? 0 : m.Map(k);
        if (k == 0 || nk != 0) out.insert(nk);
    }
    return out;
}

}  // namespace

bool Sheet::Restructure(bool rows, int kind, Coord a, Coord n) {
    if (Calculating()) return false;
    Coord count = rows ? maxRows_ : maxCols_;
    Coord limit = rows ? SS_LIMIT_MAXROWS : SS_LIMIT_MAXCOLS;
    if (kind == 0 && (a < 1 || a > count + 1 || n < 1 || n > limit - count)) return false;
    if (kind == 1 && (a < 1 || n < 1 || a > count || n > count - a + 1)) return false;
    if (kind == 2 && (a < 1 || n < 1 || a > count || n > count)) return false;
    if (kind == 2 && a == n) return true;
    Mapper m{kind, a, n};
    auto idx = [rows](Coord col, Coord row) { return rows ? row : col; };

    // Cells: take out everything that moves, put it back at its new place.
    struct Moved { Coord col, row; CellData d; std::wstring text; };
    std::vector<Moved> moved;
    std::vector<std::uint64_t> keys;
    store_.ForEach([&](Coord c, Coord r, CellData&) {
        Coord i = idx(c, r);
        if (i >= 1 && m.Map(i) != i) keys.push_back(CellKey(c, r));
    });
    for (std::uint64_t k : keys) {
        Coord c = KeyCol(k), r = KeyRow(k);
        CellData* d = store_.Find(c, r);
        Coord ni = m.Map(idx(c, r));
        if (ni == 0) {
            ErasePosition(c, r);
            continue;
        }
        Moved mv{rows ? c : ni, rows ? ni : r, *d, d->text != kNone ? store_.Text(d->text) : std::wstring()};
        d->formula = kNone;   // ownership moves with the copy
        d->extra = kNone;
        store_.Erase(c, r);
        moved.push_back(std::move(mv));
    }
    for (Moved& mv : moved) {
        CellData& d = store_.Get(mv.col, mv.row);
        d = mv.d;
        d.text = mv.d.kind == Kind::Text ? store_.AddText(std::move(mv.text)) : kNone;
        if (d.formula != kNone) formulas_[d.formula].key = CellKey(mv.col, mv.row);
    }

    // Formats, sizes, hidden flags and spans along the moved axis.
    if (rows) {
        rowStyle_ = RemapKeys(rowStyle_, m);
        rowHeights_ = RemapKeys(rowHeights_, m);
        hiddenRows_ = RemapSet(hiddenRows_, m);
    } else {
        colStyle_ = RemapKeys(colStyle_, m);
        colWidths_ = RemapKeys(colWidths_, m);
        hiddenCols_ = RemapSet(hiddenCols_, m);
    }
    std::vector<Range> spans;
    for (Range s : spans_) {
        Coord& lo = rows ? s.row1 : s.col1;
        Coord& hi = rows ? s.row2 : s.col2;
        if (m.Map(lo) == 0 && kind == 1) continue;   // anchor deleted
        if (!m.MapSpan(lo, hi)) continue;
        spans.push_back(s);
    }
    spans_ = std::move(spans);

    // References.
    for (Formula& f : formulas_) {
        if (!f.live) continue;
        std::shared_ptr<Ast> ast;
        for (std::size_t i = 0; i < f.ast->nodes.size(); ++i) {
            const Node& n0 = f.ast->nodes[i];
            if ((n0.op != Op::Ref && n0.op != Op::Range) || n0.refInvalid) continue;
            Node nd = n0;
            if (nd.op == Op::Ref) {
                Coord& v = rows ? nd.a.row : nd.a.col;
                Coord nv = m.Map(v);
                if (nv == 0) nd.refInvalid = true;
                else v = nv;
            } else {
                Coord& lo = rows ? nd.a.row : nd.a.col;
                Coord& hi = rows ? nd.b.row : nd.b.col;
                bool whole = rows && lo == 1 && hi >= SS_LIMIT_MAXROWS;
                if (!whole && !m.MapSpan(lo, hi)) nd.refInvalid = true;
            }
            if (nd.a.row == n0.a.row && nd.a.col == n0.a.col && nd.b.row == n0.b.row && nd.b.col == n0.b.col &&
                nd.refInvalid == n0.refInvalid)
                continue;
            if (!ast) ast = std::make_shared<Ast>(*f.ast);
            ast->nodes[i] = nd;
        }
        if (ast) {
            f.ast = ast;
            f.textValid = false;
        }
        // Relative R1C1 text depends on the host cell too.
        if (f.textR1C1) f.textValid = false;
    }

    Coord newCount = kind == 0 ? count + n : (kind == 1 ? count - n : count);
    if (rows) maxRows_ = newCount; else maxCols_ = newCount;

    // Inserted rows (columns) take the formats of the one that was at the insertion point.
    if (kind == 0 && a <= count) {
        Coord src = a + n;
        if (rows) {
            auto it = rowStyle_.find(src);
            if (it != rowStyle_.end()) for (Coord r = a; r < a + n; ++r) rowStyle_[r] = it->second;
            auto h = rowHeights_.find(src);
            if (h != rowHeights_.end()) for (Coord r = a; r < a + n; ++r) rowHeights_[r] = h->second;
        } else {
            auto it = colStyle_.find(src);
            if (it != colStyle_.end()) for (Coord c = a; c < a + n; ++c) colStyle_[c] = it->second;
            auto w = colWidths_.find(src);
            if (w != colWidths_.end()) for (Coord c = a; c < a + n; ++c) colWidths_[c] = w->second;
        }
        std::vector<std::pair<Coord, std::uint32_t>> styled;
        store_.ForEach([&](Coord c, Coord r, CellData& d) {
            if (d.style != 0 && idx(c, r) == src) styled.push_back({rows ? c : r, d.style});
        });
        for (auto& [other, style] : styled)
            for (Coord i = a; i < a + n; ++i) {
                CellData& d = rows ? store_.Get(other, i) : store_.Get(i, other);
                d.style = style;
            }
    }

    RebuildDependencies();
    ++cacheGen_;
    aggCache_.clear();
    indexCache_.clear();
    MarkChanged();
    if (AutoCalc()) RecalcAll();
    return true;
}

bool Sheet::InsertRows(Coord row, Coord count) { return Restructure(true, 0, row, count); }
bool Sheet::DeleteRows(Coord row, Coord count) { return Restructure(true, 1, row, count); }
bool Sheet::InsertCols(Coord col, Coord count) { return Restructure(false, 0, col, count); }
bool Sheet::DeleteCols(Coord col, Coord count) { return Restructure(false, 1, col, count); }
bool Sheet::MoveRow(Coord from, Coord to) { return Restructure(true, 2, from, to); }
bool Sheet::MoveCol(Coord from, Coord to) { return Restructure(false, 2, from, to); }

}  // namespace spread
