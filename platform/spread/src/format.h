// Cell formats: cell type with parameters, lock, colours, font, border and alignment,
// stored as shared (interned) styles. A cell's format is resolved per property group from
// the cell's own style, then its row's, then its column's, then the sheet default.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "ref.h"
#include "spread/ss_api.h"
#include "value.h"

namespace spread {

enum StyleGroup : std::uint32_t {
    kGroupType = 1, kGroupLock = 2, kGroupColor = 4, kGroupFont = 8, kGroupBorder = 16, kGroupAlign = 32,
    kGroupAll = 63,
};

struct Style {
    std::uint32_t has = 0;   // StyleGroup bits this style sets
    SS_CELLTYPEINFO type;
    bool locked = false;
    COLORREF back = SS_COLOR_DEFAULT, fore = SS_COLOR_DEFAULT;
    std::wstring fontName;
    int fontSize = 0;
    bool bold = false, italic = false;
    WORD borderSides = 0, borderStyle = 0;
    COLORREF borderColor = SS_COLOR_DEFAULT;
    short align = SS_ALIGN_DEFAULT;

    // Copies the groups in `groups` from src (and marks them set).
    void Take(const Style& src, std::uint32_t groups);
    std::wstring Key() const;
    bool operator==(const Style& o) const;
};

// Whether two cell types are the same in every field.
bool SameTypeInfo(const SS_CELLTYPEINFO& a, const SS_CELLTYPEINFO& b);

class StyleTable {
public:
    StyleTable();
    std::uint32_t Intern(const Style& s);   // 0 for a style that sets nothing
    // The id of style id with the groups of src taken over (Style::Take). The last few
    // derivations are remembered: cells given the same types over and over cost no key.
    std::uint32_t Derive(std::uint32_t id, const Style& src, std::uint32_t groups);
    const Style& Get(std::uint32_t id) const { return styles_[id]; }
    void Clear();
private:
    std::vector<Style> styles_;
    std::unordered_map<std::wstring, std::uint32_t> ids_;
    struct Derivation {
        bool valid = false;
        std::uint32_t from = 0, groups = 0, result = 0;
        Style src;
    };
    static constexpr std::size_t kRecentDerivations = 8;
    Derivation recent_[kRecentDerivations];
    std::size_t nextRecent_ = 0;  // the slot the next new derivation takes
};

// Data text as the cell type takes it; false when the type refuses the text.
bool ParseForType(const SS_CELLTYPEINFO& t, std::wstring_view text, Value& out);
// What a cell of a number type (number, integer, percent) holds for a text that reads
// as n: n rounded for integers, false outside the type's range.
bool NumberForType(const SS_CELLTYPEINFO& t, double n, Value& out);
// Display text of a value as the cell type shows it.
std::wstring FormatForType(const SS_CELLTYPEINFO& t, const Value& v);

}  // namespace spread
