// Sparse cell storage: a flat array of cells and an open-addressing hash from position to
// cell, so memory follows the cells used, never the sheet's counts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ref.h"
#include "value.h"

namespace spread {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

struct CellData {
    double num = 0;
    std::uint32_t text = kNone;      // Text value: index in the string pool
    std::uint32_t formula = kNone;   // index in the sheet's formulas
    std::uint32_t style = 0;         // own format (0: none)
    std::uint32_t extra = kNone;     // tag, note, text tip
    Kind kind = Kind::Empty;
    Err err = Err::None;
    bool hasContent() const { return kind != Kind::Empty || formula != kNone; }
    bool unused() const { return !hasContent() && style == 0 && extra == kNone; }
};

class CellStore {
public:
    CellStore();
    // Inline: every cell read of a calculation comes here.
    CellData* Find(Coord col, Coord row) {
        const std::size_t s = Slot(CellKey(col, row));
        return tableKeys_[s] == kFree ? nullptr : &cells_[tableIdx_[s]];
    }
    const CellData* Find(Coord col, Coord row) const {
        const std::size_t s = Slot(CellKey(col, row));
        return tableKeys_[s] == kFree ? nullptr : &cells_[tableIdx_[s]];
    }
    CellData& Get(Coord col, Coord row);   // creates an empty cell when missing
    void Erase(Coord col, Coord row);
    // Erases the cell when nothing is left in it.
    void Compact(Coord col, Coord row);
    std::size_t Size() const { return count_; }
    void Clear();
    void Reserve(std::size_t cells);

    // Every cell (position and data), in no particular order. Do not add or erase inside.
    template <class F> void ForEach(F&& f) {
        for (std::size_t i = 0; i < cells_.size(); ++i)
            if (keys_[i] != kFree) f(KeyCol(keys_[i]), KeyRow(keys_[i]), cells_[i]);
    }
    // Positions of all cells sorted by row, then column.
    std::vector<std::uint64_t> SortedKeys() const;

    // Text pool.
    const std::wstring& Text(std::uint32_t id) const { return texts_[id]; }
    std::uint32_t AddText(std::wstring s);
    void FreeText(std::uint32_t id);

    // Value of a cell in the compact form.
    void SetValue(CellData& c, const Value& v);

    // Changes whenever a value in the column may have changed through this store (set,
    // erased, all cleared); what is built from a column's values holds while it is equal.
    // Cells changed through a CellData reference directly (moving blocks of cells) are not
    // seen: such changes drop what was built.
    std::uint64_t ColumnVersion(Coord col) const {
        const std::size_t c = static_cast<std::size_t>(col);
        return c < columnVersions_.size() ? columnVersions_[c] : clearedAt_;
    }
    Value GetValue(const CellData& c) const;

    std::size_t MemoryBytes() const;

private:
    static constexpr std::uint64_t kFree = ~0ull;
    static std::uint64_t Mix(std::uint64_t x) {
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdULL;
        x ^= x >> 33;
        x *= 0xc4ceb9fe1a85ec53ULL;
        x ^= x >> 33;
        return x;
    }
    std::size_t Slot(std::uint64_t key) const {
        const std::size_t mask = tableKeys_.size() - 1;
        std::size_t i = static_cast<std::size_t>(Mix(key)) & mask;
        while (tableKeys_[i] != kFree && tableKeys_[i] != key) i = (i + 1) & mask;
        return i;
    }
    void Grow();
    void Rehash(std::size_t slots);   // a power of two

    std::vector<CellData> cells_;
    std::vector<std::uint64_t> keys_;      // key per cell index (kFree when on the free list)
    std::vector<std::uint32_t> freeCells_;
    std::vector<std::uint64_t> tableKeys_; // hash table: key per bucket
    std::vector<std::uint32_t> tableIdx_;  // hash table: cell index per bucket
    std::size_t count_ = 0;
    std::vector<std::wstring> texts_;
    std::vector<std::uint32_t> freeTexts_;
    void TouchColumn(Coord col) {
        const std::size_t c = static_cast<std::size_t>(col);
        if (col >= 0 && c < columnVersions_.size()) columnVersions_[c] = ++versions_;
        else TouchNewColumn(col);
    }
    void TouchNewColumn(Coord col);
    std::vector<std::uint64_t> columnVersions_;  // by column, grown as columns are touched
    std::uint64_t versions_ = 0;                  // the last version handed out
    std::uint64_t clearedAt_ = 0;                 // version of columns untouched since Clear
};

}  // namespace spread
