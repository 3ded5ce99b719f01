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

struct Formula {
    std::uint64_t key = 0;              // the cell holding it
    std::shared_ptr<const Ast> ast;     // shared so that an evaluation survives replacement
    std::wstring text;                  // as written (valid while textValid)
    bool textR1C1 = false;
    bool textValid = false;
    std::vector<std::uint64_t> cells;   // single-cell precedents
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

// Formulas reading one cell, in the order they were added. Most cells have one reader,
// kept without a heap block of its own.
class IdList {
public:
    void Add(std::uint32_t id) {
        if (first_ == kNoId) first_ = id;
        else more_.push_back(id);
    }
    void Erase(std::uint32_t id) {
        more_.erase(std::remove(more_.begin(), more_.end(), id), more_.end());
        if (first_ != id) return;
        if (more_.empty()) {
            first_ = kNoId;
        } else {
            first_ = more_.front();
            more_.erase(more_.begin());
        }
    }
    bool Empty() const { return first_ == kNoId; }
    template <class F> void ForEach(F&& f) const {
        if (first_ == kNoId) return;
        f(first_);
        for (std::uint32_t id : more_) f(id);
    }

private:
    static constexpr std::uint32_t kNoId = 0xFFFFFFFFu;
    std::uint32_t first_ = kNoId;
    std::vector<std::uint32_t> more_;
};

// Fills cells, ranges and the volatile and SUBTOTAL flags of f from its tree.
void CollectPrecedents(Formula& f);

class DepIndex {
public:
    void Add(std::uint32_t id, const Formula& f);
    void Remove(std::uint32_t id, const Formula& f);
    void Clear();
    // Room for the readers of this many cells (a load knows how many formulas come).
    void Reserve(std::size_t cells) { singles_.reserve(cells); }
    bool Empty() const { return singles_.empty() && byCol_.empty() && wide_.empty(); }
    // Formulas that read (col, row) directly or through a range.
    template <class F> void ForEachDependent(Coord col, Coord row, F&& f) const {
        auto it = singles_.find(CellKey(col, row));
        if (it != singles_.end()) it->second.ForEach(f);
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
    std::unordered_map<std::uint64_t, IdList> singles_;
    std::unordered_map<Coord, std::vector<RangeDep>> byCol_;
    std::vector<RangeDep> wide_;
};

}  // namespace spread
