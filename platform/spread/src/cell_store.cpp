#include "cell_store.h"

#include <algorithm>

namespace spread {

CellStore::CellStore() { Clear(); }

void CellStore::Clear() {
    cells_.clear();
    keys_.clear();
    freeCells_.clear();
    tableKeys_.assign(16, kFree);
    tableIdx_.assign(16, 0);
    count_ = 0;
    texts_.clear();
    freeTexts_.clear();
    clearedAt_ = ++versions_;
    columnVersions_.clear();
}

void CellStore::TouchNewColumn(Coord col) {
    if (col < 0) return;
    const std::size_t c = static_cast<std::size_t>(col);
    if (c >= columnVersions_.size()) columnVersions_.resize(c + 1, clearedAt_);
    columnVersions_[c] = ++versions_;
}

void CellStore::Reserve(std::size_t n) {
    cells_.reserve(n);
    keys_.reserve(n);
    std::size_t slots = tableKeys_.size();
    while (slots < n * 2) slots *= 2;
    if (slots > tableKeys_.size()) Rehash(slots);   // at once, not doubling step by step
}

void CellStore::Grow() { Rehash(tableKeys_.size() * 2); }

void CellStore::Rehash(std::size_t slots) {
    std::vector<std::uint64_t> oldKeys(slots, kFree);
    std::vector<std::uint32_t> oldIdx(slots, 0);
    oldKeys.swap(tableKeys_);
    oldIdx.swap(tableIdx_);
    for (std::size_t i = 0; i < oldKeys.size(); ++i) {
        if (oldKeys[i] == kFree) continue;
        std::size_t s = Slot(oldKeys[i]);
        tableKeys_[s] = oldKeys[i];
        tableIdx_[s] = oldIdx[i];
    }
}

CellData& CellStore::Get(Coord col, Coord row) {
    std::uint64_t key = CellKey(col, row);
    std::size_t s = Slot(key);
    if (tableKeys_[s] != kFree) return cells_[tableIdx_[s]];
    if ((count_ + 1) * 2 > tableKeys_.size()) {
        Grow();
        s = Slot(key);
    }
    std::uint32_t idx;
    if (!freeCells_.empty()) {
        idx = freeCells_.back();
        freeCells_.pop_back();
        cells_[idx] = CellData{};
        keys_[idx] = key;
    } else {
        idx = static_cast<std::uint32_t>(cells_.size());
        cells_.emplace_back();
        keys_.push_back(key);
    }
    tableKeys_[s] = key;
    tableIdx_[s] = idx;
    ++count_;
    return cells_[idx];
}

void CellStore::Erase(Coord col, Coord row) {
    std::size_t mask = tableKeys_.size() - 1;
    std::size_t s = Slot(CellKey(col, row));
    if (tableKeys_[s] == kFree) return;
    TouchColumn(col);
    std::uint32_t idx = tableIdx_[s];
    if (cells_[idx].text != kNone) FreeText(cells_[idx].text);
    cells_[idx] = CellData{};
    keys_[idx] = kFree;
    freeCells_.push_back(idx);
    --count_;
    // Backward-shift deletion keeps probe chains intact without tombstones.
    std::size_t hole = s;
    std::size_t j = s;
    for (;;) {
        j = (j + 1) & mask;
        if (tableKeys_[j] == kFree) break;
        std::size_t home = static_cast<std::size_t>(Mix(tableKeys_[j])) & mask;
        bool movable = (hole <= j) ? (home <= hole || home > j) : (home <= hole && home > j);
        if (movable) {
            tableKeys_[hole] = tableKeys_[j];
            tableIdx_[hole] = tableIdx_[j];
            hole = j;
        }
    }
    tableKeys_[hole] = kFree;
}

void CellStore::Compact(Coord col, Coord row) {
    CellData* c = Find(col, row);
    if (c && c->unused()) Erase(col, row);
}

std::vector<std::uint64_t> CellStore::SortedKeys() const {
    std::vector<std::uint64_t> out;
    out.reserve(count_);
    for (std::uint64_t k : keys_)
        if (k != kFree) out.push_back(k);
    std::sort(out.begin(), out.end());
    return out;
}

std::uint32_t CellStore::AddText(std::wstring s) {
    if (!freeTexts_.empty()) {
        std::uint32_t id = freeTexts_.back();
        freeTexts_.pop_back();
        texts_[id] = std::move(s);
        return id;
    }
    texts_.push_back(std::move(s));
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

void CellStore::FreeText(std::uint32_t id) {
    texts_[id].clear();
    texts_[id].shrink_to_fit();
    freeTexts_.push_back(id);
}

void CellStore::SetValue(CellData& c, const Value& v) {
    const std::size_t index = static_cast<std::size_t>(&c - cells_.data());
    if (index < keys_.size() && keys_[index] != kFree) TouchColumn(KeyCol(keys_[index]));
    if (v.kind == Kind::Text) {
        if (c.text != kNone) texts_[c.text] = v.text;
        else c.text = AddText(v.text);
    } else if (c.text != kNone) {
        FreeText(c.text);
        c.text = kNone;
    }
    c.kind = v.kind;
    c.err = v.err;
    c.num = v.kind == Kind::Number || v.kind == Kind::Logical ? v.num : 0;
}

Value CellStore::GetValue(const CellData& c) const {
    Value v;
    v.kind = c.kind;
    v.err = c.err;
    v.num = c.num;
    if (c.kind == Kind::Text && c.text != kNone) v.text = texts_[c.text];
    return v;
}

std::size_t CellStore::MemoryBytes() const {
    std::size_t b = cells_.capacity() * sizeof(CellData) + keys_.capacity() * 8 + tableKeys_.capacity() * 8 +
                    tableIdx_.capacity() * 4 + freeCells_.capacity() * 4 + texts_.capacity() * sizeof(std::wstring);
    for (const auto& t : texts_) b += t.capacity() * sizeof(wchar_t);
    return b;
}

}  // namespace spread
