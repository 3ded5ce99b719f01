// The look-up sheets of FROMTABLE's four-argument form, kept as they loaded: the column
// titles, every cell's text, type and number, and per key column the first row of each
// key, so that looking up an unchanged sheet again needs neither a window nor a load
// nor a walk over its rows.
//
// A sheet is kept by the identity of its file's bytes as the sheet file cache hands
// them out (the same object while path, size and write time are unchanged), so a
// rewritten file is read afresh. Only sheets without formulas are kept: their cells read
// the same at every look-up as right after a fresh load. Titles and keys match as the
// look-up matches them: whole texts, letter case ignored.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/zk_string.h"

class Zk_Spread;

// One cell as a look-up reads its result: the value text, the cell type's code and,
// for a number, the number.
struct KmLookUpCell {
    Zk_String text;
    int type = 0;
    bool isNumber = false;
    double number = 0.0;
};

class KmKeptLookUpSheet {
public:
    // Sheets with more cells than this are not kept.
    static constexpr std::size_t kMaxCells = 100000;

    // The loaded grid read whole; null when it holds a formula or is larger than kMaxCells.
    static std::shared_ptr<KmKeptLookUpSheet> read(const Zk_Spread& grid);

    // The first column (from 1) whose title matches title, or -1.
    int column(const Zk_String& title) const;
    // The first row (from 1) of column col whose text matches key, or -1.
    int row(int col, const Zk_String& key);
    // Cell (col, row), both within the sheet (column from 1, row from 1).
    const KmLookUpCell& cell(int col, int row) const;

private:
    int m_cols = 0, m_rows = 0;
    std::vector<std::wstring> m_titles;  // folded, columns 1 ..
    std::vector<KmLookUpCell> m_cells;   // row by row, rows 1 .., columns 1 ..
    std::unordered_map<int, std::unordered_map<std::wstring, int>> m_keyRows;  // made per key column on first use
};

// The sheet kept for these bytes, or null.
std::shared_ptr<KmKeptLookUpSheet> findKeptLookUpSheet(const std::shared_ptr<const std::string>& bytes);
// Keeps sheet for bytes (the last few sheets are kept).
void keepLookUpSheet(const std::shared_ptr<const std::string>& bytes, std::shared_ptr<KmKeptLookUpSheet> sheet);
// Sheets kept so far (for tests), and forgetting every one kept.
std::size_t keptLookUpSheetsMade();
void clearKeptLookUpSheets();
