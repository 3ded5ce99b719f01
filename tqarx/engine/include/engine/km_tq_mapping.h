// KmTqMapping: how the variables of a standards spreadsheet reach a macro. Mode 1
// (module group): a variable's own name says what it addresses in each module of the
// group. Mode 2 (mapping file): the entries loaded from the mapping file beside the
// spreadsheet tie each variable to one macro value.
//
// Mapping file (UTF-8 lines): "Mapping version 1.0", then one line per mapping:
// name "=" entries joined by "\u00BF", each entry tqVarName "\u0192" object string.
#pragma once

#include "acad/error_status.h"
#include "engine/km_object_map.h"
#include "engine/km_value_type.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class KmDlgStandardsData;  // engine/km_dlg_standards_data.h
class Zk_DbMacro;          // host/macro_model.h
class Zk_Module;           // host/macro_model.h
class MacroData;           // host/macro_model.h
class AcTransaction;       // acad

class KmTqMapping {
public:
    enum Mode { kNotInitialised = 0, kModuleGroupMode = 1, kMappingFileMode = 2 };

    int mappingMode = kNotInitialised;

    virtual ~KmTqMapping() = default;

    const Zk_Array<KmObjectMap>& mappedObjects() const { return m_mappedObjects; }
    Zk_Array<KmObjectMap>& mappedObjectsWrite() { return m_mappedObjects; }

    // Needs a macro and no module group; mode 2, then the stored mapping of the macro.
    Acad::ErrorStatus initFromMacro(const KmDlgStandardsData& data);
    // Mode 1 for a non-empty group.
    Acad::ErrorStatus initFromModuleGroup(const Zk_String& group);

    Acad::ErrorStatus getMacroVarValue(const Zk_String& tqVarName, KmValueType valueType, Zk_String& value,
                                       const KmDlgStandardsData& data);
    Acad::ErrorStatus setMacroVarValue(const Zk_String& tqVarName, KmValueType valueType,
                                       const Zk_String& value, const KmDlgStandardsData& data);

    // Appends an entry for every value the macro offers (the mapping tab's choice).
    Acad::ErrorStatus initAllVarsFromMacro(Zk_DbMacro* dbMacro, AcTransaction* transaction);

    // missing := entries of this mapping for which other has no compatible entry.
    Acad::ErrorStatus isCompatible(const KmTqMapping& other, int& missing) const;
    Acad::ErrorStatus findCompatible(const KmObjectMap& objectMap, int& index) const;
    // Entries whose kind is numeric when valueType is numeric, String when it is String.
    Acad::ErrorStatus getValidVars(bool flag, KmValueType valueType, Zk_Array<int>& indexes) const;
    // Regroups indexes by sortClass in the given order, -1 before each group.
    Acad::ErrorStatus sortValidVars(Zk_Array<int>& indexes, const Zk_Array<int>& order) const;
    // Every entry of this mapping has a compatible entry for the same variable in other.
    bool isEqual(const KmTqMapping& other) const;
    Acad::ErrorStatus findTqVar(const Zk_String& tqVarName, KmValueType valueType, int& index) const;

    // Mapping file. tqFile is the standards spreadsheet (a name in the standards folder
    // or a path); the file is that path with the extension "map".
    static Zk_String mappingFilePath(const Zk_String& tqFile);
    Acad::ErrorStatus initMappingFromLine(const Zk_String& line);
    Acad::ErrorStatus getMappingFromFile(const Zk_String& tqFile, const Zk_String& mappingName);
    // Stores this mapping under mappingName; an unchanged mapping is not written.
    Acad::ErrorStatus setMappingToFile(const Zk_String& tqFile, const Zk_String& mappingName) const;
    // The names of the mappings in the file (none when it does not exist); false when it
    // exists but cannot be read.
    static bool getMappingNames(const Zk_String& tqFile, Zk_StringArray& names);
    // True, with name set, when the file holds a mapping equal to this one.
    bool hasSameMapping(const Zk_String& tqFile, Zk_String& name) const;

    // Direct naming (mode 1) of one variable on one module.
    static Acad::ErrorStatus getSetDirectValue(Zk_DbMacro& dbMacro, Zk_Module& module, MacroData* macroData,
                                               const Zk_String& tqVarName, KmValueType valueType,
                                               Zk_String& value, bool get);
    // The last step of direct naming, and all a distance entry of a mapping file goes
    // through: the module's constraint variable name (a set first makes a fixed one
    // flexible).
    static Acad::ErrorStatus getSetConstraintValue(Zk_Module& module, const Zk_String& name, Zk_String& value,
                                                   bool get);

    friend bool operator==(const KmTqMapping&, const KmTqMapping&) = default;

private:
    Zk_Array<KmObjectMap> m_mappedObjects;
};
