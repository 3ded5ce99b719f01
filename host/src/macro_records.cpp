// Bolt, pattern, profile and array records of a macro tab.
#include "host/macro_array_records.h"
#include "host/macro_bolt_records.h"
#include "host/macro_prof_records.h"
#include "host/texts.h"

namespace {

// Equal apart from the control ids: compares copies with the ids cleared.
template <typename T, typename Clear>
bool equalWithout(T a, T b, Clear clear) {
    clear(a);
    clear(b);
    return a == b;
}

}  // namespace

Zk_String macroKeepText() { return dialString(695); }

// ---- bolts ----

void MacroBoltData::getHoleColumns(Zk_StringArray& names, Zk_Array<int>& checked) const {
    names.clear();
    checked.clear();
    for (const MacroHoleColumn& c : holeColumns) {
        names.append(c.name);
        checked.append(c.checked ? 1 : 0);
    }
}

bool MacroBoltData::setHoleColumns(const Zk_StringArray& names, const Zk_Array<int>& checked) {
    if (names.length() != checked.length()) return false;
    Zk_Array<MacroHoleColumn> updated = holeColumns;
    for (int i = 0; i < names.length(); ++i) {
        bool found = false;
        for (MacroHoleColumn& c : updated) {
            if (!c.name.equal(names[i])) continue;
            c.checked = checked[i] != 0;
            found = true;
            break;
        }
        if (!found) return false;
    }
    holeColumns = updated;
    return true;
}

bool MacroBoltData::sameValues(const MacroBoltData& other) const {
    return equalWithout(*this, other, [](MacroBoltData& b) { b.controlId = 0; });
}

namespace {

int countDirection(const Zk_String& countText) {
    if (countText == L"1" || countText.equal(Zk_String(L"nr1"))) return 1;
    if (countText == L"2" || countText.equal(Zk_String(L"nr2"))) return 2;
    return 0;
}

}  // namespace

int MacroPatternProps::getCount(const Zk_String& countText) const {
    switch (countDirection(countText.trimmed())) {
    case 1: return nrBolts1;
    case 2: return type == kMacroPatternTwoDir ? nrBolts2 : -1;
    default: return -1;
    }
}

bool MacroPatternProps::setCount(const Zk_String& countText, int count) {
    if (count < 1 || getCount(countText) < 0) return false;
    (countDirection(countText.trimmed()) == 1 ? nrBolts1 : nrBolts2) = count;
    return true;
}

bool MacroPatternProps::sameValues(const MacroPatternProps& other) const {
    return equalWithout(*this, other, [](MacroPatternProps& p) { p.controlId = 0; });
}

// ---- profiles ----

bool MacroProfData::sameValues(const MacroProfData& other) const {
    return equalWithout(*this, other, [](MacroProfData& p) { p.controlId = p.buttonControlId = 0; });
}

namespace {
constexpr int kByReferenceItem = 1;
}

int getDlgOffsetType(const MacroProfData& profile) {
    if (profile.offsetType < 0) return -1;
    if (profile.byReference > 0) return kByReferenceItem;
    return profile.offsetType;
}

int getProfOffsetType(int item) {
    if (item == kByReferenceItem) return -1;
    if (item < 0 || item >= kMacroOffsetItemCount) return 0;
    return item;
}

// ---- arrays ----

bool DynArrayData::getEntry(int n, Zk_String& text) const {
    if (!entries.isValidIndex(n - 1)) return false;
    text = entries[n - 1].name;
    return true;
}

void DynArrayData::getEntryColumns(Zk_Array<int>& values, Zk_Array<int>& checked, Zk_StringArray& names) const {
    values.clear();
    checked.clear();
    names.clear();
    for (const DynArrayEntry& e : entries) {
        values.append(e.value);
        checked.append(e.checked ? 1 : 0);
        names.append(e.name);
    }
}

bool DynArrayData::setEntryColumns(const Zk_Array<int>& values, const Zk_Array<int>& checked,
                                   const Zk_StringArray& names) {
    if (values.length() != checked.length() || values.length() != names.length()) return false;
    Zk_Array<DynArrayEntry> updated;
    for (int i = 0; i < values.length(); ++i) {
        DynArrayEntry e;
        if (entries.isValidIndex(i)) e.action = entries[i].action;
        e.value = values[i];
        e.checked = checked[i] != 0;
        e.name = names[i];
        updated.append(e);
    }
    entries = updated;
    return true;
}

bool DynArrayData::setEntryAction(int index, int action) {
    if (!entries.isValidIndex(index)) return false;
    entries[index].action = action;
    return true;
}

bool DynArrayData::sameValues(const DynArrayData& other) const {
    return equalWithout(*this, other, [](DynArrayData& a) { a.controlId = 0; });
}
