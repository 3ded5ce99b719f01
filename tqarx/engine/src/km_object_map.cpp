#include "engine/km_object_map.h"

#include "engine/km_var_cell.h"
#include "engine/km_tq_mapping.h"
#include "host/macro_model.h"
#include "host/section_tables.h"

namespace {

struct KindInfo {
    const wchar_t* word;
    KmValueType type;
};

// By code 1..21.
const KindInfo kKinds[kMapTypeCount] = {
    {nullptr, KmValueType::String},
    {L"Distance", KmValueType::Double},
    {L"GenVar", KmValueType::Double},
    {L"CutOffset", KmValueType::Double},
    {L"CutPolyOffset", KmValueType::Double},
    {L"CutLengthOffset", KmValueType::Double},
    {L"CutCenterOffset", KmValueType::Double},
    {L"CutInsideOffset", KmValueType::Double},
    {L"CutOutsideOffset", KmValueType::Double},
    {L"CutChamferOffset1", KmValueType::Double},
    {L"CutChamferOffset2", KmValueType::Double},
    {L"CutRadius", KmValueType::Double},
    {L"PrPlName", KmValueType::String},
    {L"PrPlMaterial", KmValueType::String},
    {L"OwnedMemberName", KmValueType::String},
    {L"MemberSectionSize", KmValueType::Double},
    {L"PatternNrBolts1", KmValueType::String},
    {L"PatternNrBolts2", KmValueType::String},
    {L"PatternReverseStart1", KmValueType::Int},
    {L"PatternReverseStart2", KmValueType::Int},
    {L"BoltsDiameter", KmValueType::Double},
    {L"BoltsHoleOffset", KmValueType::Double},
};

// The order in which object strings are matched against the kind words.
const KmMapType kParseOrder[] = {
    kMapDistance,          kMapGenVar,           kMapCutOffset,          kMapCutPolyOffset,
    kMapCutLengthOffset,   kMapCutCenterOffset,  kMapCutInsideOffset,    kMapCutOutsideOffset,
    kMapCutChamferOffset1, kMapCutChamferOffset2, kMapCutRadius,         kMapPatternNrBolts1,
    kMapPatternNrBolts2,   kMapPatternReverseStart1, kMapPatternReverseStart2, kMapPrPlName,
    kMapPrPlMaterial,      kMapOwnedMemberName,  kMapMemberSectionSize,  kMapBoltsDiameter,
    kMapBoltsHoleOffset,
};

bool isCutKind(int kind) { return kind >= kMapCutOffset && kind <= kMapCutRadius; }

// The kinds whose value lives in the modules of the group.
bool usesModules(int kind) {
    return kind == kMapDistance || isCutKind(kind) || kind == kMapOwnedMemberName ||
           (kind >= kMapPatternNrBolts1 && kind <= kMapBoltsHoleOffset);
}

// "Prof" followed by a whole number.
bool parseProfIndex(const Zk_String& text, int& index) {
    if (!text.startsWith(Zk_String(L"Prof"))) return false;
    Zk_String digits = text.mid(4);
    if (digits.isEmpty() || digits.length() > 6) return false;
    for (wchar_t c : digits.wstr())
        if (c < L'0' || c > L'9') return false;
    index = digits.toInt();
    return true;
}

bool parseWholeNumber(const Zk_String& text, int& value) {
    if (text.isEmpty() || text.length() > 6) return false;
    for (wchar_t c : text.wstr())
        if (c < L'0' || c > L'9') return false;
    value = text.toInt();
    return true;
}

}  // namespace

const wchar_t* mapTypeWord(int mapType) {
    if (mapType <= kMapNone || mapType >= kMapTypeCount) return nullptr;
    return kKinds[mapType].word;
}

bool mapTypeValueType(int mapType, KmValueType& type) {
    if (mapType <= kMapNone || mapType >= kMapTypeCount) return false;
    type = kKinds[mapType].type;
    return true;
}

bool isReadOnlyMapType(int mapType) {
    return mapType == kMapPrPlName || mapType == kMapPrPlMaterial || mapType == kMapMemberSectionSize;
}

Acad::ErrorStatus KmObjectMap::getMappingFromStrs(const Zk_String& varName, const Zk_String& objectString) {
    const int bullet = objectString.find(kMapBullet);
    if (bullet < 0) return Acad::eInvalidInput;
    const Zk_String path = objectString.left(bullet);
    const Zk_String right = objectString.mid(bullet + 1).trimmed();
    KmMapType kind = kMapNone;
    for (KmMapType candidate : kParseOrder) {
        if (right.startsWith(Zk_String(kKinds[candidate].word))) {
            kind = candidate;
            break;
        }
    }
    if (kind == kMapNone) return Acad::eInvalidInput;
    const int space = right.find(L' ');
    objectPath = path;
    memberName = space < 0 ? Zk_String() : right.mid(space + 1);
    mapType = kind;
    tqVarName = varName;
    return Acad::eOk;
}

Acad::ErrorStatus KmObjectMap::setMappingToStrs(Zk_String& objectString, Zk_String& varName) const {
    const wchar_t* word = mapTypeWord(mapType);
    if (!word) return Acad::eInvalidInput;
    objectString = objectPath + kMapBullet + Zk_String(word) + L' ' + memberName;
    varName = tqVarName;
    return Acad::eOk;
}

Acad::ErrorStatus KmObjectMap::mapFromArrays(const Zk_StringArray& names, const Zk_StringArray& objectStrings,
                                             const KmVarCell& cell) {
    int index = -1;
    if (!names.find(cell.varName, index) || !objectStrings.isValidIndex(index)) return Acad::eInvalidInput;
    return getMappingFromStrs(names[index], objectStrings[index]);
}

Acad::ErrorStatus KmObjectMap::isCompatible(const KmObjectMap& other) const {
    return objectPath.equal(other.objectPath) && memberName.equal(other.memberName) && mapType == other.mapType
               ? Acad::eOk
               : Acad::eInvalidInput;
}

Acad::ErrorStatus KmObjectMap::getMacroVarValue(Zk_DbMacro* dbMacro, MacroData* macroData, Zk_String& value,
                                                AcTransaction* transaction) const {
    return getSetMacroVarValue(dbMacro, macroData, value, transaction, true);
}

Acad::ErrorStatus KmObjectMap::setMacroVarValue(Zk_DbMacro* dbMacro, MacroData* macroData, const Zk_String& value,
                                                AcTransaction* transaction) const {
    Zk_String text = value;
    return getSetMacroVarValue(dbMacro, macroData, text, transaction, false);
}

Acad::ErrorStatus KmObjectMap::getSetMacroVarValue(Zk_DbMacro* dbMacro, MacroData* macroData, Zk_String& value,
                                                   AcTransaction* transaction, bool get) const {
    if (!dbMacro) return Acad::eInvalidInput;
    Zk_Macro& macro = dbMacro->macroWrite();

    if (usesModules(mapType)) {
        Zk_StringArray modules;
        if (macro.getModNamesOfGroup(objectPath, modules) != Acad::eOk) return Acad::eInvalidInput;
        // Every module of the group is visited in list order: a get takes the value of
        // the last module that has it, a set writes every module that has it. Either
        // succeeds only when some module had it.
        bool any = false;
        Zk_String found = value;
        for (const Zk_String& module : modules) {
            Zk_String text = value;
            if (getSetModuleVarValue(dbMacro, macroData, module, text, transaction, get) != Acad::eOk) continue;
            if (get) found = text;
            any = true;
        }
        if (get && any) value = found;
        return any ? Acad::eOk : Acad::eInvalidInput;
    }

    switch (mapType) {
    case kMapGenVar: {
        if (get) {
            double number = 0;
            if (macro.getGenVar(memberName, number) != Acad::eOk) return Acad::eInvalidInput;
            value = Zk_String(number, 8);
            return Acad::eOk;
        }
        double number = 0;
        if (!parseMacroNumber(value, number)) return Acad::eInvalidInput;
        return macro.setGenVar(memberName, number);
    }
    case kMapPrPlName:
    case kMapPrPlMaterial: {
        if (!get) return Acad::eInvalidInput;
        int index = -1;
        const Zk_BaseProfile* profile = nullptr;
        if (!parseProfIndex(memberName, index) || macro.getBaseProf(index, profile) != Acad::eOk)
            return Acad::eInvalidInput;
        Zk_String text;
        Acad::ErrorStatus es = mapType == kMapPrPlName ? getSectionName(*profile, text) : getMaterial(*profile, text);
        if (es != Acad::eOk) return Acad::eInvalidInput;
        value = text;
        return Acad::eOk;
    }
    case kMapMemberSectionSize: {
        if (!get) return Acad::eInvalidInput;
        const int semicolon = memberName.find(L';');
        int index = -1;
        int column = -1;
        const Zk_BaseProfile* profile = nullptr;
        Zk_String section;
        Zk_String text;
        if (semicolon < 0 || !parseProfIndex(memberName.left(semicolon), index) ||
            !parseWholeNumber(memberName.mid(semicolon + 1), column) ||
            macro.getBaseProf(index, profile) != Acad::eOk || getSectionName(*profile, section) != Acad::eOk ||
            getSectionValue(section, column, text) != Acad::eOk)
            return Acad::eInvalidInput;
        value = text;
        return Acad::eOk;
    }
    default:
        // Kind 0 and anything unknown address nothing.
        return mapType == kMapNone ? Acad::eInvalidInput : Acad::eOk;
    }
}

Acad::ErrorStatus KmObjectMap::getSetModuleVarValue(Zk_DbMacro* dbMacro, MacroData* macroData,
                                                    const Zk_String& moduleName, Zk_String& value,
                                                    AcTransaction* transaction, bool get) const {
    Zk_Module* module = nullptr;
    if (dbMacro->openModule(moduleName, module, transaction) != Acad::eOk || !module) return Acad::eInvalidInput;
    if (mapType >= kMapPatternNrBolts1 && mapType <= kMapPatternReverseStart2 && !module->isBoltModule())
        return Acad::eInvalidInput;
    MacroTabData* tab = macroData ? macroData->findModuleTab(*module) : nullptr;

    if (mapType == kMapDistance) return KmTqMapping::getSetConstraintValue(*module, memberName, value, get);
    if (isCutKind(mapType)) {
        double number = 0;
        if (get) {
            if (module->getSetCutValue(memberName, mapType - kMapCutOffset, number, true) != Acad::eOk)
                return Acad::eInvalidInput;
            value = Zk_String(number, 7);
            return Acad::eOk;
        }
        if (!parseMacroNumber(value, number)) return Acad::eInvalidInput;
        return module->getSetCutValue(memberName, mapType - kMapCutOffset, number, false);
    }
    switch (mapType) {
    case kMapBoltsDiameter:
    case kMapBoltsHoleOffset: {
        if (!tab || !tab->hasBoltData) return Acad::eInvalidInput;
        Zk_String& text = mapType == kMapBoltsDiameter ? tab->bolt.diameter : tab->bolt.holeOffset;
        if (get)
            value = text;
        else
            text = value;
        return Acad::eOk;
    }
    case kMapPatternNrBolts1:
    case kMapPatternNrBolts2:
        return module->getSetNrBolts(memberName, mapType == kMapPatternNrBolts1 ? 1 : 2, value, get);
    case kMapPatternReverseStart1:
    case kMapPatternReverseStart2: {
        int id = -1;
        if (module->findPattern(memberName, id) != Acad::eOk) return Acad::eInvalidInput;
        const int direction = mapType == kMapPatternReverseStart1 ? 1 : 2;
        bool flag = value == L"1";
        if (module->getSetReverseStart(id, direction, flag, get) != Acad::eOk) return Acad::eInvalidInput;
        if (get) value = Zk_String(flag ? L"1" : L"0");
        return Acad::eOk;
    }
    case kMapOwnedMemberName: {
        MacroProfData props;
        if (module->getMergedGroupProps(memberName, props) != Acad::eOk) return Acad::eInvalidInput;
        if (get) {
            value = props.memberName;
            return Acad::eOk;
        }
        for (Zk_ProfPlacement& placement : module->placements)
            if (placement.groupName.equal(memberName)) placement.memberName = value;
        return Acad::eOk;
    }
    default:
        return Acad::eInvalidInput;
    }
}
