#include "engine/kept_lookup_sheet.h"

#include <algorithm>

#include "engine/zk_spread.h"
#include "win/encoding.h"

namespace {

std::wstring folded(const Zk_String& text) {
    std::wstring out = text.wstr();
    for (wchar_t& c : out) c = FoldCase(c);
    return out;
}

struct Entry {
    std::shared_ptr<const std::string> bytes;  // held, so the identity cannot be reused
    std::shared_ptr<KmKeptLookUpSheet> sheet;
};

constexpr std::size_t kMaxKept = 8;

struct Store {
    std::vector<Entry> entries;  // most recently used first
    std::size_t made = 0;
};

Store& store() {
    static Store s;
    return s;
}

}  // namespace

std::shared_ptr<KmKeptLookUpSheet> KmKeptLookUpSheet::read(const Zk_Spread& grid) {
    const int cols = grid.getColCount();
    const int rows = grid.getRowCount();
    if (cols < 0 || rows < 0 ||
        static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows + 1) > kMaxCells)
        return nullptr;
    auto sheet = std::make_shared<KmKeptLookUpSheet>();
    sheet->m_cols = cols;
    sheet->m_rows = rows;
    sheet->m_titles.reserve(static_cast<std::size_t>(cols));
    sheet->m_cells.reserve(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    Zk_String formula;
    for (int col = 1; col <= cols; ++col) {
        Zk_String title;
        if (!grid.readCellText(col, 0, title) || !grid.readCellText(col, 0, formula, 1) || !formula.isEmpty())
            return nullptr;
        sheet->m_titles.push_back(folded(title));
    }
    const HWND hwnd = grid.GetSafeHwnd();
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            KmLookUpCell cell;
            if (!grid.readCellText(col, row, cell.text) || !grid.readCellText(col, row, formula, 1) ||
                !formula.isEmpty())
                return nullptr;
            cell.type = grid.GetCellType(col, row);
            cell.isNumber = SSGetFloat(hwnd, col, row, &cell.number) != FALSE;
            sheet->m_cells.push_back(std::move(cell));
        }
    }
    return sheet;
}

int KmKeptLookUpSheet::column(const Zk_String& title) const {
    const std::wstring wanted = folded(title);
    for (std::size_t i = 0; i < m_titles.size(); ++i)
        if (m_titles[i] == wanted) return static_cast<int>(i) + 1;
    return -1;
}

int KmKeptLookUpSheet::row(int col, const Zk_String& key) {
    if (col < 1 || col > m_cols) return -1;
    auto found = m_keyRows.find(col);
    if (found == m_keyRows.end()) {
        std::unordered_map<std::wstring, int> rows;
        rows.reserve(static_cast<std::size_t>(m_rows));
        for (int row = m_rows; row >= 1; --row)  // from the bottom: the first row wins
            rows[folded(cell(col, row).text)] = row;
        found = m_keyRows.emplace(col, std::move(rows)).first;
    }
    const auto it = found->second.find(folded(key));
    return it == found->second.end() ? -1 : it->second;
}

const KmLookUpCell& KmKeptLookUpSheet::cell(int col, int row) const {
    return m_cells[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_cols) +
                   static_cast<std::size_t>(col - 1)];
}

std::shared_ptr<KmKeptLookUpSheet> findKeptLookUpSheet(const std::shared_ptr<const std::string>& bytes) {
    if (!bytes) return nullptr;
    auto& entries = store().entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].bytes != bytes) continue;
        std::rotate(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(i),
                    entries.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        return entries.front().sheet;
    }
    return nullptr;
}

void keepLookUpSheet(const std::shared_ptr<const std::string>& bytes, std::shared_ptr<KmKeptLookUpSheet> sheet) {
    if (!bytes || !sheet) return;
    ++store().made;
    auto& entries = store().entries;
    // Bytes nobody else holds any more (the file changed) can never be looked up again.
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const Entry& e) { return e.bytes.use_count() == 1; }),
                  entries.end());
    if (entries.size() >= kMaxKept) entries.pop_back();
    entries.insert(entries.begin(), Entry{bytes, std::move(sheet)});
}

std::size_t keptLookUpSheetsMade() { return store().made; }

void clearKeptLookUpSheets() { store().entries.clear(); }
