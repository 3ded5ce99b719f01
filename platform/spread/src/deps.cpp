#include "deps.h"

#include "functions.h"

#include <algorithm>

namespace spread {

void CollectPrecedents(Formula& f) {
    f.cells.clear();
    f.ranges.clear();
    f.dynamic.clear();
    f.isVolatile = false;
    f.callsSubtotal = false;
    for (const Node& n : f.ast->nodes) {
        if (n.op == Op::Call) {
            const std::wstring& name = f.ast->strings[n.str];
            if (IsVolatileBuiltin(name)) f.isVolatile = true;
            if (name == L"SUBTOTAL") f.callsSubtotal = true;
            continue;
        }
        if (n.refInvalid) continue;
        if (n.op == Op::Ref) {
            if (n.a.col >= 1 && n.a.row >= 1) f.cells.push_back(CellKey(n.a.col, n.a.row));
        } else if (n.op == Op::Range) {
            Range r{n.a.col, n.a.row, n.b.col, n.b.row};
            if (r.col1 < 1) r.col1 = 1;
            if (r.row1 < 1) r.row1 = 1;
            if (r.col2 >= r.col1 && r.row2 >= r.row1) f.ranges.push_back(r);
        }
    }
    std::sort(f.cells.begin(), f.cells.end());
    f.cells.erase(std::unique(f.cells.begin(), f.cells.end()), f.cells.end());
}

void DepIndex::Add(std::uint32_t id, const Formula& f) {
    for (std::uint64_t k : f.cells) singles_[k].Add(id);
    for (const Range& r : f.ranges) {
        if (r.col2 - r.col1 < kNarrow) {
            for (Coord c = r.col1; c <= r.col2; ++c) byCol_[c].push_back({r, id});
        } else {
            wide_.push_back({r, id});
        }
    }
}

void DepIndex::Remove(std::uint32_t id, const Formula& f) {
    for (std::uint64_t k : f.cells) {
        auto it = singles_.find(k);
        if (it == singles_.end()) continue;
        it->second.Erase(id);
        if (it->second.Empty()) singles_.erase(it);
    }
    auto drop = [id](std::vector<RangeDep>& v) {
        v.erase(std::remove_if(v.begin(), v.end(), [id](const RangeDep& d) { return d.id == id; }), v.end());
    };
    for (const Range& r : f.ranges) {
        if (r.col2 - r.col1 < kNarrow) {
            for (Coord c = r.col1; c <= r.col2; ++c) {
                auto it = byCol_.find(c);
                if (it == byCol_.end()) continue;
                drop(it->second);
                if (it->second.empty()) byCol_.erase(it);
            }
        } else {
            drop(wide_);
        }
    }
}

void DepIndex::Clear() {
    singles_.clear();
    byCol_.clear();
    wide_.clear();
}

}  // namespace spread
