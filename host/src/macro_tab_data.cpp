// A tab of the macro dialog: search helpers, profile groups and differences.
#include "host/macro_tab_data.h"

namespace {

template <typename T>
T* findNamed(Zk_Array<T>& records, const Zk_String& name) {
    for (T& r : records)
        if (r.name.equal(name)) return &r;
    return nullptr;
}

template <typename T>
const T* findNamed(const Zk_Array<T>& records, const Zk_String& name) {
    return findNamed(const_cast<Zk_Array<T>&>(records), name);
}

MacroChange change(int kind, int index, const Zk_String& name, const Zk_String& oldValue = Zk_String(),
                   const Zk_String& newValue = Zk_String()) {
    MacroChange c;
    c.kind = kind;
    c.index = index;
    c.name = name;
    c.oldValue = oldValue;
    c.newValue = newValue;
    return c;
}

// Records matched by name, compared by their sameValues.
template <typename T>
void namedChanges(int kind, const Zk_Array<T>& now, const Zk_Array<T>& before, MacroChanges& changes) {
    for (int i = 0; i < now.length(); ++i) {
        const T* old = findNamed(before, now[i].name);
        if (!old || !now[i].sameValues(*old)) changes.append(change(kind, i, now[i].name));
    }
}

bool sameCut(MacroCutData a, MacroCutData b) {
    a.controlId = b.controlId = 0;
    return a == b;
}

Zk_String flexFixText(bool fixed) { return Zk_String(fixed ? L"fixed" : L"flexible"); }

}  // namespace

MacroChanges MacroTabData::differences(const MacroTabData& before) const {
    MacroChanges changes;
    for (int i = 0; i < cells.length(); ++i) {
        const MacroCell* old = before.findCell(cells[i].name);
        if (!old) changes.append(change(kMacroChangeCell, i, cells[i].name, Zk_String(), cells[i].value));
        else if (old->value != cells[i].value)
            changes.append(change(kMacroChangeCell, i, cells[i].name, old->value, cells[i].value));
    }
    namedChanges(kMacroChangePattern, patterns, before.patterns, changes);
    if (hasBoltData && (!before.hasBoltData || !bolt.sameValues(before.bolt)))
        changes.append(change(kMacroChangeBolt, 0, name));
    for (int i = 0; i < profs.length(); ++i)
        if (i >= before.profs.length() || !profs[i].sameValues(before.profs[i]))
            changes.append(change(kMacroChangeProfile, i, profs[i].groupName));
    for (int i = 0; i < segmented.length(); ++i)
        if (i >= before.segmented.length() || !(segmented[i] == before.segmented[i]))
            changes.append(change(kMacroChangeSegmented, i, segmented[i].name));
    namedChanges(kMacroChangeArray, arrays, before.arrays, changes);
    for (int i = 0; i < cuts.length(); ++i) {
        const MacroCutData* old = findNamed(before.cuts, cuts[i].name);
        if (!old || !sameCut(cuts[i], *old)) changes.append(change(kMacroChangeCut, i, cuts[i].name));
    }
    for (int i = 0; i < flexFixGroups.length(); ++i) {
        const MacroFlexFixGroup& now = flexFixGroups[i];
        const MacroFlexFixGroup* old = nullptr;
        for (const MacroFlexFixGroup& g : before.flexFixGroups)
            if (g.group.equal(now.group)) old = &g;
        if (!old) changes.append(change(kMacroChangeFlexFix, i, now.group, Zk_String(), flexFixText(now.fixed)));
        else if (old->fixed != now.fixed)
            changes.append(change(kMacroChangeFlexFix, i, now.group, flexFixText(old->fixed), flexFixText(now.fixed)));
    }
    if (hasDrawingChoice && (!before.hasDrawingChoice || drawingFile != before.drawingFile))
        changes.append(change(kMacroChangeDrawingFile, 0, name, before.drawingFile, drawingFile));
    return changes;
}

MacroCell* MacroTabData::findCell(const Zk_String& cellName) { return findNamed(cells, cellName); }
const MacroCell* MacroTabData::findCell(const Zk_String& cellName) const { return findNamed(cells, cellName); }
MacroPatternProps* MacroTabData::findPatternWithName(const Zk_String& n) { return findNamed(patterns, n); }
DynArrayData* MacroTabData::findArrayWithName(const Zk_String& n) { return findNamed(arrays, n); }
MacroCutData* MacroTabData::findCutWithName(const Zk_String& n) { return findNamed(cuts, n); }

Zk_StringArray MacroTabData::getProfGroups() const {
    Zk_StringArray groups;
    for (const MacroProfData& p : profs)
        if (!groups.contains(p.groupName)) groups.append(p.groupName);
    return groups;
}

Zk_Array<long long> MacroTabData::getProfIdsOfGroup(const Zk_String& group) const {
    Zk_Array<long long> ids;
    for (const MacroProfData& p : profs)
        if (p.groupName.equal(group)) ids.append(p.objectId);
    return ids;
}

int MacroTabData::getProfDataIndx(long long objectId) const {
    for (int i = 0; i < profs.length(); ++i)
        if (profs[i].objectId == objectId) return i;
    return -1;
}

MacroProfData* MacroTabData::findProfDataWithGroup(const Zk_String& group) {
    for (MacroProfData& p : profs)
        if (p.groupName.equal(group)) return &p;
    return nullptr;
}

MacroProfData* MacroTabData::findProfDataWithButtonId(int controlId) {
    if (controlId == 0) return nullptr;
    for (MacroProfData& p : profs)
        if (p.buttonControlId == controlId || p.controlId == controlId) return &p;
    return nullptr;
}

namespace {

void mergeText(Zk_String& merged, const Zk_String& value) {
    if (merged != value) merged = macroKeepText();
}
void mergeInt(int& merged, int value) {
    if (merged != value) merged = -1;
}

// Copies a text unless it is the keep text.
void takeText(Zk_String& target, const Zk_String& value) {
    if (value != macroKeepText()) target = value;
}
void takeInt(int& target, int value) {
    if (value >= 0) target = value;
}

}  // namespace

bool MacroTabData::getMergedPropsOfGroup(const Zk_String& group, MacroProfData& props) const {
    const MacroProfData* first = nullptr;
    MacroProfData merged;
    for (const MacroProfData& p : profs) {
        if (!p.groupName.equal(group)) continue;
        if (!first) {
            first = &p;
            merged = p;
            merged.objectId = 0;
            continue;
        }
        mergeText(merged.sectionName, p.sectionName);
        mergeText(merged.material, p.material);
        mergeText(merged.memberName, p.memberName);
        mergeInt(merged.offsetType, p.offsetType);
        mergeInt(merged.byReference, p.byReference);
        mergeText(merged.xOffset, p.xOffset);
        mergeText(merged.yOffset, p.yOffset);
        mergeText(merged.rotation, p.rotation);
        mergeText(merged.planeText, p.planeText);
        if (merged.planeObjectId != p.planeObjectId) merged.planeObjectId = 0;
        mergeText(merged.endSectionName, p.endSectionName);
        mergeText(merged.morphGroup1, p.morphGroup1);
        mergeText(merged.morphGroup2, p.morphGroup2);
        mergeInt(merged.onSegment, p.onSegment);
        mergeText(merged.segmentNr, p.segmentNr);
        mergeInt(merged.option, p.option);
        merged.morphed = merged.morphed || p.morphed;
    }
    if (!first) return false;
    props = merged;
    return true;
}

bool MacroTabData::setMergedPropsOfGroup(const Zk_String& group, const MacroProfData& props) {
    bool found = false;
    for (MacroProfData& p : profs) {
        if (!p.groupName.equal(group)) continue;
        found = true;
        takeText(p.sectionName, props.sectionName);
        takeText(p.material, props.material);
        takeText(p.memberName, props.memberName);
        takeInt(p.offsetType, props.offsetType);
        if (props.byReference >= 0) p.byReference = props.byReference;
        takeText(p.xOffset, props.xOffset);
        takeText(p.yOffset, props.yOffset);
        takeText(p.rotation, props.rotation);
        if (props.planeText != macroKeepText()) {
            p.planeText = props.planeText;
            p.planeObjectId = props.planeObjectId;
        }
        takeText(p.endSectionName, props.endSectionName);
        takeText(p.morphGroup1, props.morphGroup1);
        takeText(p.morphGroup2, props.morphGroup2);
        takeInt(p.onSegment, props.onSegment);
        takeText(p.segmentNr, props.segmentNr);
        takeInt(p.option, props.option);
        if (props.sectionPointSet) {
            p.sectionPointSet = true;
            p.sectionPointX = props.sectionPointX;
            p.sectionPointY = props.sectionPointY;
        }
    }
    return found;
}

bool MacroTabData::hasBtnFlexFix(const Zk_String& group) const {
    for (const MacroFlexFixGroup& g : flexFixGroups)
        if (g.group.equal(group)) return true;
    return false;
}

bool MacroTabData::flexFixBtnClicked(const Zk_String& group, bool fix) {
    for (MacroFlexFixGroup& g : flexFixGroups) {
        if (!g.group.equal(group)) continue;
        g.fixed = fix;
        return true;
    }
    return false;
}

void MacroTabData::removeAllDlgReferences() {
    for (MacroCell& c : cells) c.controlId = 0;
    for (MacroPatternProps& p : patterns) p.controlId = 0;
    bolt.controlId = 0;
    for (MacroProfData& p : profs) p.controlId = p.buttonControlId = 0;
    for (DynArrayData& a : arrays) a.controlId = 0;
    for (MacroCutData& c : cuts) c.controlId = 0;
    for (MacroFlexFixGroup& g : flexFixGroups) g.controlId = 0;
}
