#include "format.h"

#include <cmath>

namespace spread {

void Style::Take(const Style& s, std::uint32_t groups) {
    groups &= s.has;
    if (groups & kGroupType) type = s.type;
    if (groups & kGroupLock) locked = s.locked;
    if (groups & kGroupColor) { back = s.back; fore = s.fore; }
    if (groups & kGroupFont) { fontName = s.fontName; fontSize = s.fontSize; bold = s.bold; italic = s.italic; }
    if (groups & kGroupBorder) { borderSides = s.borderSides; borderStyle = s.borderStyle; borderColor = s.borderColor; }
    if (groups & kGroupAlign) align = s.align;
    has |= groups;
}

std::wstring Style::Key() const {
    std::wstring k = std::to_wstring(has);
    auto add = [&](const std::wstring& s) { k += L'\x1f'; k += s; };
    if (has & kGroupType) {
        add(std::to_wstring(type.type) + L',' + std::to_wstring(type.maxLength) + L',' + std::to_wstring(type.caseMode) + L',' +
            std::to_wstring(type.decimals) + L',' + FormatNumber(type.minValue) + L',' + FormatNumber(type.maxValue) + L',' +
            std::to_wstring(type.separator) + L',' + std::to_wstring(type.editable) + L',' + std::to_wstring(type.style));
        add(type.text);
        add(type.items);
        add(type.picture1);
        add(type.picture2);
    }
    if (has & kGroupLock) add(locked ? L"L" : L"U");
    if (has & kGroupColor) add(std::to_wstring(back) + L',' + std::to_wstring(fore));
    if (has & kGroupFont) add(fontName + L',' + std::to_wstring(fontSize) + L',' + std::to_wstring(bold) + std::to_wstring(italic));
    if (has & kGroupBorder) add(std::to_wstring(borderSides) + L',' + std::to_wstring(borderStyle) + L',' + std::to_wstring(borderColor));
    if (has & kGroupAlign) add(std::to_wstring(align));
    return k;
}

bool SameTypeInfo(const SS_CELLTYPEINFO& a, const SS_CELLTYPEINFO& b) {
    return a.type == b.type && a.maxLength == b.maxLength && a.caseMode == b.caseMode && a.decimals == b.decimals &&
           a.minValue == b.minValue && a.maxValue == b.maxValue && a.separator == b.separator &&
           a.editable == b.editable && a.style == b.style && a.text == b.text && a.items == b.items &&
           a.picture1 == b.picture1 && a.picture2 == b.picture2;
}

bool Style::operator==(const Style& o) const {
    return has == o.has && SameTypeInfo(type, o.type) && locked == o.locked &&
           back == o.back && fore == o.fore && fontName == o.fontName && fontSize == o.fontSize && bold == o.bold &&
           italic == o.italic && borderSides == o.borderSides && borderStyle == o.borderStyle &&
           borderColor == o.borderColor && align == o.align;
}

StyleTable::StyleTable() { Clear(); }

void StyleTable::Clear() {
    styles_.assign(1, Style{});
    for (Derivation& d : recent_) d = Derivation{};
    nextRecent_ = 0;
    ids_.clear();
    ids_.emplace(Style{}.Key(), 0);
}

std::uint32_t StyleTable::Intern(const Style& s) {
    if (s.has == 0) return 0;
    std::wstring k = s.Key();
    auto it = ids_.find(k);
    if (it != ids_.end()) return it->second;
    styles_.push_back(s);
    std::uint32_t id = static_cast<std::uint32_t>(styles_.size() - 1);
    ids_.emplace(std::move(k), id);
    return id;
}

std::uint32_t StyleTable::Derive(std::uint32_t id, const Style& src, std::uint32_t groups) {
    for (const Derivation& d : recent_)
        if (d.valid && d.from == id && d.groups == groups && d.src == src) return d.result;
    Style n = styles_[id];
    n.Take(src, groups);
    const std::uint32_t result = Intern(n);
    Derivation& slot = recent_[nextRecent_];
    nextRecent_ = (nextRecent_ + 1) % kRecentDerivations;
    slot.valid = true;
    slot.from = id;
    slot.groups = groups;
    slot.result = result;
    slot.src = src;
    return result;
}

namespace {

bool InRange(const SS_CELLTYPEINFO& t, double v) {
    if (t.minValue < t.maxValue) return v >= t.minValue && v <= t.maxValue;
    return true;
}

bool IsItem(const SS_CELLTYPEINFO& t, std::wstring_view text) {
    std::size_t p = 0;
    std::wstring_view items = t.items;
    while (p <= items.size()) {
        std::size_t q = items.find(L'\t', p);
        if (q == std::wstring_view::npos) q = items.size();
        if (EqualNoCaseW(items.substr(p, q - p), text)) return true;
        p = q + 1;
    }
    return false;
}

}  // namespace

bool NumberForType(const SS_CELLTYPEINFO& t, double n, Value& out) {
    if (t.type == SS_TYPE_INTEGER) n = std::round(n);
    if (!InRange(t, n)) return false;
    out.SetNumber(n == 0 ? 0.0 : n);
    return true;
}

bool ParseForType(const SS_CELLTYPEINFO& t, std::wstring_view text, Value& out) {
    if (text.size() > static_cast<std::size_t>(SS_LIMIT_CELL_TEXT)) return false;
    if (text.empty()) { out.SetEmpty(); return true; }
    double n = 0;
    switch (t.type) {
    case SS_TYPE_GENERAL:
        if (ParseNumber(text, n)) out.SetNumber(n);
        else out.SetText(text);
        return true;
    case SS_TYPE_EDIT: {
        if (t.maxLength > 0 && text.size() > static_cast<std::size_t>(t.maxLength)) return false;
        if (t.caseMode == SS_CASE_UPPER) out.SetText(Upper(text));
        else if (t.caseMode == SS_CASE_LOWER) out.SetText(Lower(text));
        else out.SetText(text);
        return true;
    }
    case SS_TYPE_NUMBER:
    case SS_TYPE_CURRENCY:
    case SS_TYPE_PERCENT:
    case SS_TYPE_INTEGER: {
        std::wstring_view s = Trim(text);
        if (s.empty()) { out.SetEmpty(); return true; }
        bool pct = false;
        if (t.type == SS_TYPE_CURRENCY && !t.text.empty()) {
            std::wstring_view sign;
            if (!s.empty() && s[0] == L'-') { sign = s.substr(0, 1); s.remove_prefix(1); }
            if (s.substr(0, t.text.size()) == t.text) s.remove_prefix(t.text.size());
            if (!sign.empty()) {
                if (!ParseNumber(s, n, true)) return false;
                n = -n;
                goto parsed;
            }
        }
        if (!s.empty() && s.back() == L'%') { pct = true; s.remove_suffix(1); }
        if (!ParseNumber(s, n, true)) return false;
        if (pct) n /= 100;
    parsed:
        return NumberForType(t, n, out);
    }
    case SS_TYPE_CHECKBOX: {
        std::wstring_view s = Trim(text);
        if (EqualNoCaseW(s, L"TRUE")) n = 1;
        else if (EqualNoCaseW(s, L"FALSE")) n = 0;
        else if (!ParseNumber(s, n)) return false;
        out.SetNumber(n != 0 ? 1 : 0);
        return true;
    }
    case SS_TYPE_COMBOBOX:
        if (!t.editable && !IsItem(t, text)) return false;
        out.SetText(text);
        return true;
    default:
        out.SetText(text);
        return true;
    }
}

std::wstring FormatForType(const SS_CELLTYPEINFO& t, const Value& v) {
    if (v.kind != Kind::Number) return PlainText(v);
    switch (t.type) {
    case SS_TYPE_NUMBER: return FormatFixed(v.num, t.decimals, t.separator != 0);
    case SS_TYPE_INTEGER: return FormatFixed(v.num, 0, false);
    case SS_TYPE_CURRENCY: {
        std::wstring body = FormatFixed(std::fabs(v.num), t.decimals, t.separator != 0);
        bool neg = v.num < 0 && body.find_first_not_of(L"0.,") != std::wstring::npos;
        return (neg ? L"-" : L"") + t.text + body;
    }
    case SS_TYPE_PERCENT: return FormatFixed(v.num * 100, t.decimals, false) + L"%";
    case SS_TYPE_CHECKBOX: return v.num != 0 ? L"1" : L"0";
    default: return PlainText(v);
    }
}

}  // namespace spread
