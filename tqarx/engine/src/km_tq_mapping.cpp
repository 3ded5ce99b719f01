#include "engine/km_tq_mapping.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/km_dlg_standards_data.h"
#include "engine/sheet_file_cache.h"
#include "host/files.h"
#include "host/list_utils.h"
#include "host/macro_model.h"
#include "host/section_tables.h"
#include "host/settings.h"

namespace {

const wchar_t* const kFileHeader = L"Mapping version 1.0";
constexpr wchar_t kEntrySeparator = L'\u00BF';  // between entries of a line
constexpr wchar_t kPairSeparator = L'\u0192';   // between variable name and object string

bool isHeaderLine(const Zk_String& line) {
    return line.contains(Zk_String(L"Mapping")) && line.contains(Zk_String(L"version"));
}

// Lines of the file without the version line and without empty lines.
bool readMappingLines(const Zk_String& tqFile, Zk_StringArray& lines) {
    Zk_StringArray raw;
    if (!ObjectExportReadFile(KmTqMapping::mappingFilePath(tqFile), raw)) return false;
    lines.clear();
    for (int i = 0; i < raw.length(); ++i) {
        if (i == 0 && isHeaderLine(raw[i])) continue;
        if (raw[i].trimmed().isEmpty()) continue;
        lines.append(raw[i]);
    }
    return true;
}

Zk_String lineName(const Zk_String& line) { return getSubstrBefore(line, Zk_String(L"=")); }

// Texts that would break the line format.
bool breaksLine(const Zk_String& text) {
    return text.contains(Zk_String(kEntrySeparator)) || text.find(L'\n') >= 0 || text.find(L'\r') >= 0;
}

bool sameMapping(const KmTqMapping& a, const KmTqMapping& b) { return a.isEqual(b) && b.isEqual(a); }

// Kinds whose values are numbers (the suffixes of direct naming step 3, by offset type).
const wchar_t* const kCutSuffixes[kCutOffsetTypeCount] = {
    L".Cut", L".CutPoly", L".CutLength", L".CutCenter", L".CutInside", L".CutOutside", L".Chamfer1", L".Chamfer2",
    L".CutRadius",
};

Zk_String objectBefore(const Zk_String& name) { return getSubstrBefore(name, Zk_String(L"."), true); }

}  // namespace

Zk_String KmTqMapping::mappingFilePath(const Zk_String& tqFile) {
    Zk_String base = hasFileExtension(tqFile, Zk_String(L"kms")) ? removeFileExtension(tqFile) : tqFile;
    if (!isAbsolutePath(base))
        base = addBackslash(gSettings.libDir) + Zk_String(L"Connection Standards\\") + base;
    return base + Zk_String(L".map");
}

Acad::ErrorStatus KmTqMapping::initFromMacro(const KmDlgStandardsData& data) {
    if (!data.dbMacro || !data.moduleGroup.isEmpty()) return Acad::eInvalidInput;
    mappingMode = kMappingFileMode;
    return getMappingFromFile(data.tqFileName, data.macroName);
}

Acad::ErrorStatus KmTqMapping::initFromModuleGroup(const Zk_String& group) {
    if (group.isEmpty()) return Acad::eInvalidInput;
    mappingMode = kModuleGroupMode;
    return Acad::eOk;
}

Acad::ErrorStatus KmTqMapping::getSetDirectValue(Zk_DbMacro& dbMacro, Zk_Module& module, MacroData* macroData,
                                                 const Zk_String& name, KmValueType valueType, Zk_String& value,
                                                 bool get) {
    const bool numeric = isNumericValueType(valueType);
    Zk_Macro& macro = dbMacro.macroWrite();

    // 1. General variables "gen." + rest.
    if (numeric && name.startsWith(Zk_String(L"gen."))) {
        const Zk_String varName = Zk_String(L"gen_") + name.mid(4);
        double number = 0;
        if (macro.getGenVar(varName, number) != Acad::eOk) return Acad::eInvalidInput;
        if (get) {
            value = Zk_String(number, 4);
            return Acad::eOk;
        }
        if (!parseMacroNumber(value, number)) return Acad::eInvalidInput;
        return macro.setGenVar(varName, number);
    }
    // 2. Section name or material of a named profile placement.
    if (get && !numeric &&
        (name.endsWith(Zk_String(L".Name")) || name.endsWith(Zk_String(L".Material")))) {
        Zk_ProfPlacement* placement = nullptr;
        if (module.getNamedPrpl(objectBefore(name), placement) != Acad::eOk) return Acad::eInvalidInput;
        value = name.endsWith(Zk_String(L".Name")) ? placement->sectionName : placement->material;
        return Acad::eOk;
    }
    // 3. Cut offsets.
    if (numeric) {
        for (int type = 0; type < kCutOffsetTypeCount; ++type) {
            if (!name.endsWith(Zk_String(kCutSuffixes[type]))) continue;
            const Zk_String cutName = objectBefore(name);
            Zk_CutConstraint* cut = nullptr;
            if (module.getCutConstraint(cutName, cut) != Acad::eOk) return Acad::eInvalidInput;
            double number = 0;
            if (get) {
                if (module.getSetCutValue(cutName, type, number, true) != Acad::eOk) return Acad::eInvalidInput;
                value = Zk_String(number, 7);
                return Acad::eOk;
            }
            if (!parseMacroNumber(value, number)) return Acad::eInvalidInput;
            return module.getSetCutValue(cutName, type, number, false);
        }
    }
    // 4. Bolt diameter and hole offset.
    if (numeric && (name.endsWith(Zk_String(L".Diameter")) || name.endsWith(Zk_String(L".HoleOffset")))) {
        MacroTabData* tab = macroData ? macroData->findModuleTab(module) : nullptr;
        if (!tab || !tab->hasBoltData) return Acad::eInvalidInput;
        Zk_String& text = name.endsWith(Zk_String(L".Diameter")) ? tab->bolt.diameter : tab->bolt.holeOffset;
        if (get)
            value = text;
        else
            text = value;
        return Acad::eOk;
    }
    // 5. Number of bolts of a pattern.
    if (name.endsWith(Zk_String(L".NrBolts1")) || name.endsWith(Zk_String(L".NrBolts2")))
        return module.getSetNrBolts(objectBefore(name), name.endsWith(Zk_String(L".NrBolts1")) ? 1 : 2, value, get);
    // 6. Reverse-start flags of a bolt module's pattern.
    if (numeric && (name.endsWith(Zk_String(L".ReverseStart1")) || name.endsWith(Zk_String(L".ReverseStart2")))) {
        if (!module.isBoltModule()) return Acad::eInvalidInput;
        int id = -1;
        if (module.findPattern(objectBefore(name), id) != Acad::eOk) return Acad::eInvalidInput;
        bool flag = value == L"1";
        const int direction = name.endsWith(Zk_String(L".ReverseStart1")) ? 1 : 2;
        if (module.getSetReverseStart(id, direction, flag, get) != Acad::eOk) return Acad::eInvalidInput;
        if (get) value = Zk_String(flag ? L"1" : L"0");
        return Acad::eOk;
    }
    // 7. Member name of a placement group.
    if (!numeric && name.endsWith(Zk_String(L".MemberName"))) {
        const Zk_String group = objectBefore(name);
        MacroProfData props;
        if (module.getMergedGroupProps(group, props) != Acad::eOk) return Acad::eInvalidInput;
        if (get) {
            value = props.memberName;
            return Acad::eOk;
        }
        for (Zk_ProfPlacement& placement : module.placements)
            if (placement.groupName.equal(group)) placement.memberName = value;
        return Acad::eOk;
    }
    // 8. Constraint variables.
    if (!numeric) return Acad::eInvalidInput;
    return getSetConstraintValue(module, name, value, get);
}

Acad::ErrorStatus KmTqMapping::getSetConstraintValue(Zk_Module& module, const Zk_String& name, Zk_String& value,
                                                     bool get) {
    if (!get) {
        bool flexible = false;
        bool fixed = false;
        if (module.getFlexFixBtnStatus(name, flexible, fixed) == Acad::eOk && (!flexible || fixed))
            module.flexFixBtnClicked(name, false);
    }
    return module.getSetConstrVarValue(name, value, get);
}

Acad::ErrorStatus KmTqMapping::getMacroVarValue(const Zk_String& tqVarName, KmValueType valueType, Zk_String& value,
                                                const KmDlgStandardsData& data) {
    if (!data.dbMacro) return Acad::eInvalidInput;
    if (mappingMode == kModuleGroupMode) {
        Zk_StringArray modules;
        data.dbMacro->getModNamesOfGroup(data.moduleGroup, modules);
        for (const Zk_String& moduleName : modules) {
            Zk_Module* module = nullptr;
            if (data.dbMacro->findModuleWrite(moduleName, module) != Acad::eOk || !module) continue;
            Zk_String text = value;
            if (getSetDirectValue(*data.dbMacro, *module, data.macroData, tqVarName, valueType, text, true) ==
                Acad::eOk) {
                value = text;
                return Acad::eOk;
            }
        }
        return Acad::eInvalidInput;
    }
    int index = -1;
    if (findTqVar(tqVarName, valueType, index) != Acad::eOk) return Acad::eInvalidInput;
    return m_mappedObjects[index].getMacroVarValue(data.dbMacro, data.macroData, value, data.transaction);
}

Acad::ErrorStatus KmTqMapping::setMacroVarValue(const Zk_String& tqVarName, KmValueType valueType,
                                                const Zk_String& value, const KmDlgStandardsData& data) {
    if (!data.dbMacro) return Acad::eInvalidInput;
    bool written = false;
    if (mappingMode == kModuleGroupMode) {
        Zk_StringArray modules;
        data.dbMacro->getModNamesOfGroup(data.moduleGroup, modules);
        for (const Zk_String& moduleName : modules) {
            Zk_Module* module = nullptr;
            if (data.dbMacro->findModuleWrite(moduleName, module) != Acad::eOk || !module) continue;
            Zk_String text = value;
            if (getSetDirectValue(*data.dbMacro, *module, data.macroData, tqVarName, valueType, text, false) ==
                Acad::eOk)
                written = true;
        }
    }
    int index = -1;
    Acad::ErrorStatus es = Acad::eInvalidInput;
    if (findTqVar(tqVarName, valueType, index) == Acad::eOk)
        es = m_mappedObjects[index].setMacroVarValue(data.dbMacro, data.macroData, value, data.transaction);
    // A value written into the group's modules is a success even without a map entry.
    return written ? Acad::eOk : es;
}

Acad::ErrorStatus KmTqMapping::initAllVarsFromMacro(Zk_DbMacro* dbMacro, AcTransaction* transaction) {
    if (!dbMacro) return Acad::eInvalidInput;
    const Zk_Macro& macro = dbMacro->macro();
    auto add = [this](const Zk_String& path, const Zk_String& member, KmMapType kind, int sortClass) {
        KmObjectMap entry;
        entry.objectPath = path;
        entry.memberName = member;
        entry.mapType = kind;
        entry.sortClass = sortClass;
        m_mappedObjects.append(entry);
        return m_mappedObjects.length() - 1;
    };
    for (const Zk_Module& listed : macro.modules) {
        Zk_Module* module = nullptr;
        if (dbMacro->openModule(listed.name, module, transaction) != Acad::eOk || !module) continue;
        const Zk_String path = module->groupOrName();

        Zk_StringArray names;
        Zk_Array<int> first;
        Zk_Array<int> second;
        if (module->getDialogVariables(names, first, second) == Acad::eOk) {
            for (int i = 0; i < names.length(); ++i) {
                const bool f1 = first.isValidIndex(i) && first[i] != 0;
                const bool f2 = second.isValidIndex(i) && second[i] != 0;
                add(path, names[i], kMapDistance, (f1 ? 0 : 2) + (f2 ? 0 : 1));
            }
        }
        Zk_StringArray cuts;
        if (module->getCutConstraints(cuts) == Acad::eOk) {
            for (const Zk_String& cut : cuts) {
                Zk_Array<int> types;
                if (module->getCutOffsets(cut, types) != Acad::eOk) continue;
                for (int type : types)
                    if (type >= 0 && type < kCutOffsetTypeCount)
                        add(path, cut, static_cast<KmMapType>(type + kMapCutOffset), 0);
            }
        }
        if (module->isBoltModule()) {
            add(path, Zk_String(), kMapBoltsDiameter, 0);
            add(path, Zk_String(), kMapBoltsHoleOffset, 0);
            Zk_Array<int> ids;
            module->getPatternIds(ids);
            for (int id : ids) {
                Zk_BoltPattern* pattern = nullptr;
                if (module->getPattern(id, pattern) != Acad::eOk || !pattern) continue;
                add(path, pattern->name, kMapPatternNrBolts1, 0);
                add(path, pattern->name, kMapPatternReverseStart1, 0);
                if (pattern->classCode == kTwoDirPatternClass) {
                    add(path, pattern->name, kMapPatternNrBolts2, 0);
                    add(path, pattern->name, kMapPatternReverseStart2, 0);
                }
            }
        }
        if (module->isProfileModule()) {
            for (const Zk_ProfPlacement& placement : module->placements)
                if (!placement.groupName.isEmpty()) add(path, placement.groupName, kMapOwnedMemberName, 0);
        }
    }
    Zk_Array<int> profIds;
    macro.mapBaseProfIds(profIds);
    for (int i = 0; i < profIds.length(); ++i) {
        const Zk_String prof = Zk_String(L"Prof") + Zk_String(i);
        add(Zk_String(), prof, kMapPrPlName, 0);
        add(Zk_String(), prof, kMapPrPlMaterial, 0);
        const Zk_BaseProfile* profile = nullptr;
        Zk_String section;
        Zk_StringArray columns;
        if (macro.getBaseProf(profIds[i], profile) != Acad::eOk || getSectionName(*profile, section) != Acad::eOk ||
            getSectionColumnNames(section, columns) != Acad::eOk)
            continue;
        for (int j = 0; j < columns.length(); ++j) {
            int at = add(Zk_String(), prof + Zk_String(L";") + Zk_String(j), kMapMemberSectionSize, 0);
            m_mappedObjects[at].columnName = columns[j];
        }
    }
    for (const Zk_GenVar& var : macro.genVars) add(Zk_String(), var.name, kMapGenVar, 0);
    return Acad::eOk;
}

Acad::ErrorStatus KmTqMapping::isCompatible(const KmTqMapping& other, int& missing) const {
    missing = 0;
    int index = -1;
    for (const KmObjectMap& entry : m_mappedObjects)
        if (other.findCompatible(entry, index) != Acad::eOk) ++missing;
    return Acad::eOk;
}

Acad::ErrorStatus KmTqMapping::findCompatible(const KmObjectMap& objectMap, int& index) const {
    for (int i = 0; i < m_mappedObjects.length(); ++i) {
        if (m_mappedObjects[i].isCompatible(objectMap) == Acad::eOk) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KmTqMapping::getValidVars(bool, KmValueType valueType, Zk_Array<int>& indexes) const {
    indexes.clear();
    for (int i = 0; i < m_mappedObjects.length(); ++i) {
        KmValueType type;
        if (m_mappedObjects[i].valueType(type) && isNumericValueType(type) == isNumericValueType(valueType))
            indexes.append(i);
    }
    return Acad::eOk;
}

Acad::ErrorStatus KmTqMapping::sortValidVars(Zk_Array<int>& indexes, const Zk_Array<int>& order) const {
    if (order.isEmpty()) {
        indexes.clear();
        return Acad::eInvalidInput;
    }
    Zk_Array<Zk_Array<int>> groups;
    groups.setLength(order.length());
    Zk_Array<int> rest;
    for (int index : indexes) {
        if (!m_mappedObjects.isValidIndex(index)) continue;  // separators of an earlier sort
        int group = -1;
        order.find(m_mappedObjects[index].sortClass, group);
        if (group >= 0)
            groups[group].append(index);
        else
            rest.append(index);
    }
    groups.last().append(rest);
    indexes.clear();
    for (const Zk_Array<int>& group : groups) {
        indexes.append(-1);
        indexes.append(group);
    }
    return Acad::eOk;
}

bool KmTqMapping::isEqual(const KmTqMapping& other) const {
    for (const KmObjectMap& entry : m_mappedObjects) {
        KmValueType type;
        int index = -1;
        if (!entry.valueType(type) || other.findTqVar(entry.tqVarName, type, index) != Acad::eOk ||
            other.m_mappedObjects[index].isCompatible(entry) != Acad::eOk)
            return false;
    }
    return true;
}

Acad::ErrorStatus KmTqMapping::findTqVar(const Zk_String& tqVarName, KmValueType valueType, int& index) const {
    for (int i = 0; i < m_mappedObjects.length(); ++i) {
        KmValueType type;
        if (m_mappedObjects[i].valueType(type) && type == valueType && m_mappedObjects[i].tqVarName.equal(tqVarName)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KmTqMapping::initMappingFromLine(const Zk_String& line) {
    m_mappedObjects.clear();
    Zk_String name;
    Zk_String rest;
    if (!splitStringAtSymbol(line, Zk_String(L"="), name, rest)) return Acad::eInvalidInput;
    for (const Zk_String& piece : strToArr(rest, Zk_String(kEntrySeparator), true, false)) {
        Zk_String varName;
        Zk_String objectString;
        if (!splitStringAtSymbol(piece, Zk_String(kPairSeparator), varName, objectString)) continue;
        KmObjectMap entry;
        if (entry.getMappingFromStrs(varName, objectString) == Acad::eOk) m_mappedObjects.append(entry);
    }
    return Acad::eOk;
}

namespace {

// The entries a mapping name gave, kept by the identity of the file's bytes (the sheet file
// cache hands out the same object while the file is unchanged) so that evaluating one macro
// after another reads and splits its mapping line once.
struct KeptMapping {
    std::shared_ptr<const std::string> bytes;
    Zk_String name;
    Zk_Array<KmObjectMap> objects;
};
constexpr std::size_t kMaxKeptMappings = 16;
constexpr std::uint64_t kMaxKeptMappingBytes = 16u * 1024u * 1024u;

std::vector<KeptMapping>& keptMappings() {
    static std::vector<KeptMapping> kept;
    return kept;
}

}  // namespace

Acad::ErrorStatus KmTqMapping::getMappingFromFile(const Zk_String& tqFile, const Zk_String& mappingName) {
    const std::shared_ptr<const std::string> bytes =
        readSheetFileBytes(mappingFilePath(tqFile).wstr(), kMaxKeptMappingBytes);
    auto& kept = keptMappings();
    if (bytes) {
        for (const KeptMapping& k : kept) {
            if (k.bytes != bytes || k.name != mappingName) continue;
            m_mappedObjects = k.objects;
            return Acad::eOk;
        }
    }
    Zk_StringArray lines;
    if (!readMappingLines(tqFile, lines)) return Acad::eInvalidInput;
    if (lines.isEmpty()) {
        m_mappedObjects.clear();
    } else {
        Zk_StringArray names;
        for (const Zk_String& line : lines) names.append(lineName(line));
        int index = -1;
        if (!names.find(mappingName, index, true)) return Acad::eInvalidInput;
        if (initMappingFromLine(lines[index]) != Acad::eOk) return Acad::eInvalidInput;
    }
    // The bytes read first stand for what was read after only if the file is still unchanged.
    if (bytes && sheetFileBytesKept(bytes)) {
        kept.erase(std::remove_if(kept.begin(), kept.end(), [](const KeptMapping& k) { return k.bytes.use_count() == 1; }),
                   kept.end());
        if (kept.size() >= kMaxKeptMappings) kept.erase(kept.begin());
        kept.push_back(KeptMapping{bytes, mappingName, m_mappedObjects});
    }
    return Acad::eOk;
}

Acad::ErrorStatus KmTqMapping::setMappingToFile(const Zk_String& tqFile, const Zk_String& mappingName) const {
    if (mappingName.isEmpty() || mappingName.contains(Zk_String(L"=")) || breaksLine(mappingName))
        return Acad::eInvalidInput;
    // 1. The entries as pairs of strings.
    Zk_StringArray varNames;
    Zk_StringArray objectStrings;
    KmTqMapping stored;
    for (const KmObjectMap& entry : m_mappedObjects) {
        Zk_String objectString;
        Zk_String varName;
        if (entry.setMappingToStrs(objectString, varName) != Acad::eOk) continue;
        if (breaksLine(objectString) || breaksLine(varName) || varName.contains(Zk_String(kPairSeparator))) continue;
        varNames.append(varName);
        objectStrings.append(objectString);
        stored.m_mappedObjects.append(entry);
    }
    // 2. Later duplicates of a variable name, then names unfit for files, are dropped.
    Zk_Array<int> later;
    getDuplicates(varNames, later);
    for (int i = later.length() - 1; i >= 0; --i) {
        varNames.removeAt(later[i]);
        objectStrings.removeAt(later[i]);
        stored.m_mappedObjects.removeAt(later[i]);
    }
    for (int i = varNames.length() - 1; i >= 0; --i) {
        if (!hasInvalidFileNameChars(varNames[i])) continue;
        varNames.removeAt(i);
        objectStrings.removeAt(i);
        stored.m_mappedObjects.removeAt(i);
    }
    // 3. An equal stored mapping is left as it is; a different one is replaced.
    // A mapping file that exists but cannot be read (too large, unreadable) is left
    // alone: writing only this mapping would lose every other.
    Zk_StringArray lines;
    if (!readMappingLines(tqFile, lines)) {
        if (fileExists(mappingFilePath(tqFile))) return Acad::eInvalidInput;
        lines.clear();
    }
    for (int i = lines.length() - 1; i >= 0; --i) {
        if (!lineName(lines[i]).equal(mappingName, true)) continue;
        KmTqMapping old;
        if (old.initMappingFromLine(lines[i]) == Acad::eOk && sameMapping(old, stored)) return Acad::eOk;
        lines.removeAt(i);
    }
    // 4. Append the new line and write the file with its version line.
    Zk_String line = mappingName + L'=';
    for (int i = 0; i < varNames.length(); ++i) {
        if (i > 0) line += kEntrySeparator;
        line += varNames[i] + kPairSeparator + objectStrings[i];
    }
    lines.append(line);
    lines.insertAt(0, Zk_String(kFileHeader));
    const Zk_String path = mappingFilePath(tqFile);
    const Zk_String folder = getFolder(path);
    if (!folder.isEmpty() && !folderExists(folder)) createFolder(folder);
    return ObjectExportWriteFile(path, lines) ? Acad::eOk : Acad::eInvalidInput;
}

bool KmTqMapping::getMappingNames(const Zk_String& tqFile, Zk_StringArray& names) {
    names.clear();
    Zk_StringArray lines;
    if (!readMappingLines(tqFile, lines)) {
        const Zk_String path = mappingFilePath(tqFile);
        return !fileExists(path) && !folderExists(path);
    }
    for (const Zk_String& line : lines)
        if (line.contains(Zk_String(L"="))) names.append(lineName(line));
    return true;
}

bool KmTqMapping::hasSameMapping(const Zk_String& tqFile, Zk_String& name) const {
    Zk_StringArray lines;
    if (!readMappingLines(tqFile, lines)) return false;
    for (const Zk_String& line : lines) {
        KmTqMapping other;
        if (other.initMappingFromLine(line) != Acad::eOk) continue;
        if (sameMapping(*this, other)) {
            name = lineName(line);
            return true;
        }
    }
    return false;
}
