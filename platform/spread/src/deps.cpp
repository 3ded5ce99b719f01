#include "deps.h"

#include "functions.h"

#include <algorithm>

namespace spread {

void CollectPrecedents(Formula& f) {
    f.cells.Clear();
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
            if (n.a.col >= 1 && n.a.row >= 1) f.cells.Add(CellKey(n.a.col, n.a.row));
        } else if (n.op == Op::Range) {
            Range r{n.a.col, n.a.row, n.b.col, n.b.row};
            if (r.col1 < 1) r.col1 = 1;
            if (r.row1 < 1) r.row1 = 1;
            if (r.col2 >= r.col1 && r.row2 >= r.row1) f.ranges.push_back(r);
        }
    }
    f.cells.Sort();
}

void DepIndex::Reserve(std::size_t cells) {
    std::size_t slots = std::max<std::size_t>(16, slotKey_.size());
    while (slots < cells * 2) slots *= 2;
    if (slots > slotKey_.size()) Rehash(slots);
}

void DepIndex::Rehash(std::size_t slots) {
    std::vector<std::uint64_t> keys(slots, kFreeSlot);
    std::vector<std::uint32_t> firsts(slots);
    keys.swap(slotKey_);
    firsts.swap(slotFirst_);
    shift_ = 64;
    for (std::size_t n = slotKey_.size(); n > 1; n /= 2) --shift_;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == kFreeSlot) continue;
        const std::size_t s = Slot(keys[i]);
        slotKey_[s] = keys[i];
        slotFirst_[s] = firsts[i];
    }
}

void DepIndex::AddReader(std::uint64_t key, std::uint32_t id) {
    if ((readCells_ + 1) * 2 > slotKey_.size()) Rehash(std::max<std::size_t>(16, slotKey_.size() * 2));
    const std::size_t s = Slot(key);
    if (slotKey_[s] == key) {
        later_[key].push_back(id);
        return;
    }
    slotKey_[s] = key;
    slotFirst_[s] = id;
    ++readCells_;
}

void DepIndex::RemoveReader(std::uint64_t key, std::uint32_t id) {
    if (readCells_ == 0) return;
    std::size_t s = Slot(key);
    if (slotKey_[s] != key) return;
    auto later = later_.empty() ? later_.end() : later_.find(key);
    if (later != later_.end()) {
        std::vector<std::uint32_t>& v = later->second;
        v.erase(std::remove(v.begin(), v.end(), id), v.end());
        const bool next = slotFirst_[s] == id && !v.empty();
        if (next) {   // the next reader becomes the first
            slotFirst_[s] = v.front();
            v.erase(v.begin());
        }
        if (v.empty()) later_.erase(later);
        if (next) return;
    }
    if (slotFirst_[s] != id) return;
    // The cell has no reader left. Backward-shift deletion keeps probe chains intact
    // without tombstones.
    const std::size_t mask = slotKey_.size() - 1;
    for (std::size_t j = s;;) {
        j = (j + 1) & mask;
        if (slotKey_[j] == kFreeSlot) break;
        const std::size_t home = Home(slotKey_[j]);
        const bool movable = s <= j ? (home <= s || home > j) : (home <= s && home > j);
        if (movable) {
            slotKey_[s] = slotKey_[j];
            slotFirst_[s] = slotFirst_[j];
            s = j;
        }
    }
    slotKey_[s] = kFreeSlot;
    --readCells_;
}

void DepIndex::Add(std::uint32_t id, const Formula& f) {
    for (std::uint64_t k : f.cells) AddReader(k, id);
    for (const Range& r : f.ranges) {
        if (r.col2 - r.col1 < kNarrow) {
            for (Coord c = r.col1; c <= r.col2; ++c) byCol_[c].push_back({r, id});
        } else {
            wide_.push_back({r, id});
        }
    }
}

void DepIndex::Remove(std::uint32_t id, const Formula& f) {
    for (std::uint64_t k : f.cells) RemoveReader(k, id);
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
    slotKey_ = {};
    slotFirst_ = {};
    shift_ = 64;
    readCells_ = 0;
    later_.clear();
    byCol_.clear();
    wide_.clear();
}

}  // namespace spread
