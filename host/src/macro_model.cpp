#include "host/macro_model.h"

#include <cmath>
#include <cstdio>

namespace {

Acad::ErrorStatus ok(bool success) { return success ? Acad::eOk : Acad::eInvalidInput; }

bool validOffsetType(int type) { return type >= 0 && type < kCutOffsetTypeCount; }

}  // namespace

Zk_String formatMacroNumber(double value) {
    if (!std::isfinite(value)) return Zk_String(L"0");
    Zk_String text(value, 10);
    if (text.contains(Zk_String(L"."))) {
        int end = text.length();
        while (end > 0 && text[end - 1] == L'0') --end;
        if (end > 0 && text[end - 1] == L'.') --end;
        text = text.left(end);
    }
    if (text == L"-0") text = Zk_String(L"0");
    return text;
}

bool parseMacroNumber(const Zk_String& text, double& value) {
    bool ok = false;
    double parsed = text.toDouble(&ok);
    if (!ok || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

// ---- Zk_Module ----

Zk_ConstrVar* Zk_Module::findConstrVar(const Zk_String& varName) {
    for (Zk_ConstrVar& var : variables)
        if (var.name.equal(varName)) return &var;
    return nullptr;
}

const Zk_ConstrVar* Zk_Module::findConstrVar(const Zk_String& varName) const {
    return const_cast<Zk_Module*>(this)->findConstrVar(varName);
}

Acad::ErrorStatus Zk_Module::getSetConstrVarValue(const Zk_String& varName, Zk_String& value, bool get) {
    Zk_ConstrVar* var = findConstrVar(varName);
    if (!var) return Acad::eInvalidInput;
    if (get) {
        value = formatMacroNumber(var->value);
        return Acad::eOk;
    }
    double number = 0;
    if (!parseMacroNumber(value, number)) return Acad::eInvalidInput;
    var->value = number;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getFlexFixBtnStatus(const Zk_String& varName, bool& flexible, bool& fixed) const {
    const Zk_ConstrVar* var = findConstrVar(varName);
    if (!var || !var->hasFlexFixBtn) return Acad::eInvalidInput;
    flexible = var->flexible;
    fixed = var->fixed;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::flexFixBtnClicked(const Zk_String& varName, bool fix) {
    Zk_ConstrVar* var = findConstrVar(varName);
    if (!var || !var->hasFlexFixBtn) return Acad::eInvalidInput;
    var->flexible = !fix;
    var->fixed = fix;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getDialogVariables(Zk_StringArray& names, Zk_Array<int>& inDialog,
                                                Zk_Array<int>& editable) const {
    names.clear();
    inDialog.clear();
    editable.clear();
    for (const Zk_ConstrVar& var : variables) {
        names.append(var.name);
        inDialog.append(var.inDialog ? 1 : 0);
        editable.append(var.editable ? 1 : 0);
    }
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getCutConstraint(const Zk_String& cutName, Zk_CutConstraint*& cut) {
    for (Zk_CutConstraint& c : cuts) {
        if (c.name.equal(cutName)) {
            cut = &c;
            return Acad::eOk;
        }
    }
    cut = nullptr;
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Zk_Module::getCutConstraints(Zk_StringArray& names) const {
    names.clear();
    for (const Zk_CutConstraint& c : cuts) names.append(c.name);
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getCutOffsets(const Zk_String& cutName, Zk_Array<int>& types) const {
    types.clear();
    Zk_CutConstraint* cut = nullptr;
    if (const_cast<Zk_Module*>(this)->getCutConstraint(cutName, cut) != Acad::eOk) return Acad::eInvalidInput;
    for (int t = 0; t < kCutOffsetTypeCount; ++t)
        if (cut->hasOffset[t]) types.append(t);
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getSetCutValue(const Zk_String& cutName, int offsetType, double& value, bool get) {
    Zk_CutConstraint* cut = nullptr;
    if (!validOffsetType(offsetType) || getCutConstraint(cutName, cut) != Acad::eOk) return Acad::eInvalidInput;
    if (!cut->hasOffset[offsetType]) return Acad::eInvalidInput;
    if (get) {
        value = cut->offset[offsetType];
    } else {
        if (!std::isfinite(value)) return Acad::eInvalidInput;
        cut->offset[offsetType] = value;
    }
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getPatternIds(Zk_Array<int>& ids) const {
    ids.clear();
    for (int i = 0; i < patterns.length(); ++i) ids.append(i);
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getPattern(int id, Zk_BoltPattern*& pattern) {
    pattern = patterns.isValidIndex(id) ? &patterns[id] : nullptr;
    return ok(pattern != nullptr);
}

Acad::ErrorStatus Zk_Module::findPattern(const Zk_String& patternName, int& id) const {
    for (int i = 0; i < patterns.length(); ++i) {
        if (patterns[i].name.equal(patternName)) {
            id = i;
            return Acad::eOk;
        }
    }
    id = -1;
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Zk_Module::getSetNrBolts(const Zk_String& patternName, int direction, Zk_String& value, bool get) {
    int id = -1;
    if (findPattern(patternName, id) != Acad::eOk) return Acad::eInvalidInput;
    Zk_BoltPattern& pattern = patterns[id];
    if (direction != 1 && direction != 2) return Acad::eInvalidInput;
    if (direction == 2 && pattern.classCode != kTwoDirPatternClass) return Acad::eInvalidInput;
    int& count = direction == 1 ? pattern.nrBolts1 : pattern.nrBolts2;
    if (get) {
        value = Zk_String(count);
        return Acad::eOk;
    }
    double number = 0;
    if (!parseMacroNumber(value, number) || number != std::floor(number) || number < 1 || number > 100000)
        return Acad::eInvalidInput;
    count = static_cast<int>(number);
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getSetReverseStart(int id, int direction, bool& value, bool get) {
    if (!patterns.isValidIndex(id) || (direction != 1 && direction != 2)) return Acad::eInvalidInput;
    Zk_BoltPattern& pattern = patterns[id];
    if (direction == 2 && pattern.classCode != kTwoDirPatternClass) return Acad::eInvalidInput;
    bool& flag = direction == 1 ? pattern.reverseStart1 : pattern.reverseStart2;
    if (get)
        value = flag;
    else
        flag = value;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::getNamedPrpl(const Zk_String& placementName, Zk_ProfPlacement*& placement) {
    for (Zk_ProfPlacement& p : placements) {
        if (p.name.equal(placementName)) {
            placement = &p;
            return Acad::eOk;
        }
    }
    placement = nullptr;
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Zk_Module::getMergedGroupProps(const Zk_String& group, MacroProfData& props) const {
    bool found = false;
    MacroProfData merged;
    merged.groupName = group;
    for (const Zk_ProfPlacement& p : placements) {
        if (group.isEmpty() || !p.groupName.equal(group)) continue;
        if (!found) {
            merged.sectionName = p.sectionName;
            merged.material = p.material;
            merged.memberName = p.memberName;
            found = true;
            continue;
        }
        if (merged.sectionName != p.sectionName) merged.sectionName.clear();
        if (merged.material != p.material) merged.material.clear();
        if (merged.memberName != p.memberName) merged.memberName.clear();
    }
    if (!found) return Acad::eInvalidInput;
    props = merged;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Module::setMergedGroupProps(const Zk_String& group, const MacroProfData& props) {
    bool found = false;
    for (Zk_ProfPlacement& p : placements) {
        if (group.isEmpty() || !p.groupName.equal(group)) continue;
        found = true;
        if (!props.sectionName.isEmpty()) p.sectionName = props.sectionName;
        if (!props.material.isEmpty()) p.material = props.material;
        if (!props.memberName.isEmpty()) p.memberName = props.memberName;
    }
    return ok(found);
}

// ---- Zk_Macro ----

Acad::ErrorStatus Zk_Macro::getModNamesOfGroup(const Zk_String& group, Zk_StringArray& names) const {
    names.clear();
    if (group.isEmpty()) return Acad::eInvalidInput;
    for (const Zk_Module& m : modules)
        if (m.groupName.equal(group)) names.append(m.name);
    if (names.isEmpty()) {
        for (const Zk_Module& m : modules)
            if (m.groupName.isEmpty() && m.name.equal(group)) names.append(m.name);
    }
    return ok(!names.isEmpty());
}

Acad::ErrorStatus Zk_Macro::findModuleWrite(const Zk_String& moduleName, Zk_Module*& module) {
    for (Zk_Module& m : modules) {
        if (m.name.equal(moduleName)) {
            module = &m;
            return Acad::eOk;
        }
    }
    module = nullptr;
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Zk_Macro::findModule(const Zk_String& moduleName, const Zk_Module*& module) const {
    Zk_Module* found = nullptr;
    Acad::ErrorStatus es = const_cast<Zk_Macro*>(this)->findModuleWrite(moduleName, found);
    module = found;
    return es;
}

Acad::ErrorStatus Zk_Macro::getGenVar(const Zk_String& varName, double& value) const {
    for (const Zk_GenVar& v : genVars) {
        if (v.name.equal(varName)) {
            value = v.value;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Zk_Macro::setGenVar(const Zk_String& varName, double value) {
    if (!std::isfinite(value)) return Acad::eInvalidInput;
    for (Zk_GenVar& v : genVars) {
        if (v.name.equal(varName)) {
            v.value = value;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Zk_Macro::getGenVarNames(Zk_StringArray& names) const {
    names.clear();
    for (const Zk_GenVar& v : genVars) names.append(v.name);
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Macro::mapBaseProfIds(Zk_Array<int>& ids) const {
    ids.clear();
    for (int i = 0; i < baseProfiles.length(); ++i) ids.append(i);
    return Acad::eOk;
}

Acad::ErrorStatus Zk_Macro::getBaseProf(int id, const Zk_BaseProfile*& profile) const {
    profile = baseProfiles.isValidIndex(id) ? &baseProfiles[id] : nullptr;
    return ok(profile != nullptr);
}

Acad::ErrorStatus getSectionName(const Zk_BaseProfile& profile, Zk_String& sectionName) {
    if (profile.sectionName.isEmpty()) return Acad::eInvalidInput;
    sectionName = profile.sectionName;
    return Acad::eOk;
}

Acad::ErrorStatus getMaterial(const Zk_BaseProfile& profile, Zk_String& material) {
    if (profile.material.isEmpty()) return Acad::eInvalidInput;
    material = profile.material;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_DbMacro::openModule(const Zk_String& moduleName, Zk_Module*& module, AcTransaction*) {
    return m_macro.findModuleWrite(moduleName, module);
}

MacroTabData* MacroData::findModuleTab(const Zk_Module& module) {
    for (const Zk_String& wanted : {module.groupName, module.name}) {
        if (wanted.isEmpty()) continue;
        for (MacroTabData& tab : tabs)
            if (tab.name.equal(wanted)) return &tab;
    }
    return nullptr;
}
