// Formulas of a sheet and the dependency index between cells: which formulas read a cell
// directly and which read it through a range.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ast.h"
#include "ref.h"

namespace spread {

// The cells a formula reads directly, sorted and without repeats. Most formulas read at
// most one, kept without a heap block of its own.
class CellKeys {
public:
    const std::uint64_t* begin() const { return more_.empty() ? &one_ : more_.data(); }
    const std::uint64_t* end() const {
        return more_.empty() ? &one_ + (one_ != kNoKey) : more_.data() + more_.size();
    }
    void Clear() {
        one_ = kNoKey;
        more_.clear();
    }
    // Sort() after the last Add puts the keys in order and drops repeats.
    void Add(std::uint64_t key) {
        if (more_.empty()) {
            if (one_ == kNoKey || one_ == key) { one_ = key; return; }
            more_.push_back(one_);
        }
        more_.push_back(key);
    }
    void Sort() {
        std::sort(more_.begin(), more_.end());
        more_.erase(std::unique(more_.begin(), more_.end()), more_.end());
    }

private:
    static constexpr std::uint64_t kNoKey = ~0ull;   // no cell has this key
    std::uint64_t one_ = kNoKey;                     // the only key while more_ is empty
    std::vector<std::uint64_t> more_;                // all keys once there are two
};

struct Formula {
    std::uint64_t key = 0;              // the cell holding it
    std::shared_ptr<const Ast> ast;     // shared so that an evaluation survives replacement
    std::wstring text;                  // as written (valid while textValid)
    bool textR1C1 = false;
    bool textValid = false;
    CellKeys cells;                     // single-cell precedents
    std::vector<Range> ranges;          // range precedents
    std::vector<Range> dynamic;         // references INDIRECT and OFFSET made when last calculated
    bool isVolatile = false;            // calls TODAY, NOW, INDIRECT or OFFSET
    bool callsSubtotal = false;         // SUBTOTAL leaves such cells out
    bool live = false;
    // Calculation state.
    std::uint8_t state = 0;             // 0 calculated, 1 pending, 2 being calculated
    bool circular = false;
    std::uint8_t requeued = 0;          // times put back in one pass for a dynamic reference
    std::uint32_t stackPos = 0;
};

// Rows of one column holding formulas, sorted (appending in row order is the cheap case).
class SortedRows {
public:
    void Insert(Coord row) {
        if (v_.empty() || v_.back() < row) { v_.push_back(row); return; }
        auto it = std::lower_bound(v_.begin(), v_.end(), row);
        if (it == v_.end() || *it != row) v_.insert(it, row);
    }
    void Erase(Coord row) {
        auto it = std::lower_bound(v_.begin(), v_.end(), row);
        if (it != v_.end() && *it == row) v_.erase(it);
    }
    bool Empty() const { return v_.empty(); }
    std::vector<Coord>::const_iterator From(Coord row) const { return std::lower_bound(v_.begin(), v_.end(), row); }
    std::vector<Coord>::const_iterator End() const { return v_.end(); }
private:
    std::vector<Coord> v_;
};

// Fills cells, ranges and the volatile and SUBTOTAL flags of f from its tree.
void CollectPrecedents(Formula& f);

class DepIndex {
public:
    void Add(std::uint32_t id, const Formula& f);
    void Remove(std::uint32_t id, const Formula& f);
    void Clear();
    // Room for the readers of this many cells.
    void Reserve(std::size_t cells);
    bool Empty() const { return readCells_ == 0 && byCol_.empty() && wide_.empty(); }
    // Formulas that read (col, row) directly or through a range; direct readers in the
    // order they were added.
    template <class F> void ForEachDependent(Coord col, Coord row, F&& f) const {
        if (readCells_ != 0) {
            const std::uint64_t key = CellKey(col, row);
            const std::size_t s = Slot(key);
            if (slotKey_[s] == key) {
                f(slotFirst_[s]);
                auto later = later_.empty() ? later_.end() : later_.find(key);
                if (later != later_.end())
                    for (std::uint32_t id : later->second) f(id);
            }
        }
        auto c = byCol_.find(col);
        if (c != byCol_.end())
            for (const RangeDep& d : c->second)
                if (d.r.contains(col, row)) f(d.id);
        for (const RangeDep& d : wide_)
            if (d.r.contains(col, row)) f(d.id);
    }

private:
    struct RangeDep { Range r; std::uint32_t id; };
    static constexpr Coord kNarrow = 16;   // ranges this wide or less are indexed per column
    static constexpr std::uint64_t kFreeSlot = ~0ull;   // no cell has this key

    // The slot holding key, or the free slot where it would go (the table is not empty).
    std::size_t Slot(std::uint64_t key) const {
        const std::size_t mask = slotKey_.size() - 1;
        std::size_t i = Home(key);
        while (slotKey_[i] != kFreeSlot && slotKey_[i] != key) i = (i + 1) & mask;
        return i;
    }
    std::size_t Home(std::uint64_t key) const { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_); }
    void Rehash(std::size_t slots);   // a power of two
    void AddReader(std::uint64_t key, std::uint32_t id);
    void RemoveReader(std::uint64_t key, std::uint32_t id);

    // Cells read directly: an open-addressing table (linear probing, at most half full)
    // from the cell to its first reader, so that a cell with one reader, the common case,
    // costs no heap block; the readers after the first in later_.
    std::vector<std::uint64_t> slotKey_;
    std::vector<std::uint32_t> slotFirst_;
    int shift_ = 64;
    std::size_t readCells_ = 0;
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> later_;
    std::unordered_map<Coord, std::vector<RangeDep>> byCol_;
    std::vector<RangeDep> wide_;
};

}  // namespace spread
