// KmObjectMap: one entry of a macro mapping, tying a spreadsheet variable (tqVarName)
// to one value of a macro: the kind of value (mapType), the module group or module it
// belongs to (objectPath) and its name inside that object (memberName).
//
// As text an entry is two strings: the variable name and the object string
// objectPath + "\u2022" + kind word + " " + memberName.
#pragma once

#include "acad/error_status.h"
#include "engine/km_value_type.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_DbMacro;     // host/macro_model.h
class MacroData;      // host/macro_model.h
class AcTransaction;  // acad
class KmVarCell;      // engine/km_var_cell.h

// The kind of macro value an entry addresses.
enum KmMapType : int {
    kMapNone = 0,                   // invalid entry
    kMapDistance = 1,               // constraint variable of each module of the group
    kMapGenVar = 2,                 // general variable of the macro
    kMapCutOffset = 3,              // cut offsets of types 0..8: kinds 3..11
    kMapCutPolyOffset = 4,
    kMapCutLengthOffset = 5,
    kMapCutCenterOffset = 6,
    kMapCutInsideOffset = 7,
    kMapCutOutsideOffset = 8,
    kMapCutChamferOffset1 = 9,
    kMapCutChamferOffset2 = 10,
    kMapCutRadius = 11,
    kMapPrPlName = 12,              // section name of a base profile (read only)
    kMapPrPlMaterial = 13,          // material of a base profile (read only)
    kMapOwnedMemberName = 14,       // member name of a placement group
    kMapMemberSectionSize = 15,     // one section value of a base profile (read only)
    kMapPatternNrBolts1 = 16,
    kMapPatternNrBolts2 = 17,
    kMapPatternReverseStart1 = 18,
    kMapPatternReverseStart2 = 19,
    kMapBoltsDiameter = 20,
    kMapBoltsHoleOffset = 21,
};
constexpr int kMapTypeCount = 22;

// The word written in object strings; null for kMapNone and codes out of range.
const wchar_t* mapTypeWord(int mapType);
// The value type a kind carries; false for kinds without one (0, out of range).
bool mapTypeValueType(int mapType, KmValueType& type);
// Kinds that can only be read (12, 13, 15).
bool isReadOnlyMapType(int mapType);

// The bullet between objectPath and kind word.
inline constexpr wchar_t kMapBullet = L'\u2022';

class KmObjectMap {
public:
    Zk_String objectPath;   // module group or module; empty for general variables
    Zk_String memberName;   // variable, cut, pattern or group name, "Prof" N, "Prof" N ";" C
    Zk_String tqVarName;    // the spreadsheet variable served
    KmMapType mapType = kMapNone;
    int sortClass = 3;      // display group 0..3 (sortValidVars)
    Zk_String columnName;   // section column name of kind-15 entries (not stored in files)

    virtual ~KmObjectMap() = default;

    // Parses the object string; eInvalidInput when it has no bullet or no kind word.
    Acad::ErrorStatus getMappingFromStrs(const Zk_String& varName, const Zk_String& objectString);
    // The inverse; eInvalidInput for a kind without a word.
    Acad::ErrorStatus setMappingToStrs(Zk_String& objectString, Zk_String& varName) const;
    // Finds cell's name in names and parses the object string at the same index.
    Acad::ErrorStatus mapFromArrays(const Zk_StringArray& names, const Zk_StringArray& objectStrings,
                                    const KmVarCell& cell);
    // eOk when objectPath, memberName and mapType are equal.
    Acad::ErrorStatus isCompatible(const KmObjectMap& other) const;
    // The value type of the entry's kind; false when it has none.
    bool valueType(KmValueType& type) const { return mapTypeValueType(mapType, type); }

    Acad::ErrorStatus getMacroVarValue(Zk_DbMacro* dbMacro, MacroData* macroData, Zk_String& value,
                                       AcTransaction* transaction) const;
    Acad::ErrorStatus setMacroVarValue(Zk_DbMacro* dbMacro, MacroData* macroData, const Zk_String& value,
                                       AcTransaction* transaction) const;

    friend bool operator==(const KmObjectMap&, const KmObjectMap&) = default;

private:
    Acad::ErrorStatus getSetMacroVarValue(Zk_DbMacro* dbMacro, MacroData* macroData, Zk_String& value,
                                          AcTransaction* transaction, bool get) const;
    Acad::ErrorStatus getSetModuleVarValue(Zk_DbMacro* dbMacro, MacroData* macroData,
                                           const Zk_String& moduleName, Zk_String& value,
                                           AcTransaction* transaction, bool get) const;
};
