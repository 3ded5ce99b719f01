// The host's macro model: a placed macro (Zk_DbMacro holding a Zk_Macro) made of
// modules (Zk_Module) with their constraint variables, cut constraints, bolt patterns
// and profile placements, the macro's base profiles and general variables, and the
// dialog-side records (MacroData with one MacroTabData per dialog tab, in
// host/macro_data.h; the host operations the dialogs call are in host/macro_host_calls.h).
//
// Every accessor returns Acad::eOk on success and Acad::eInvalidInput for anything it
// cannot do (unknown name, unparsable text, wrong module class). Numbers handed out
// as text use formatMacroNumber; numbers taken as text must parse completely.
#pragma once

#include <utility>

#include "acad/error_status.h"
#include "host/macro_data.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class AcTransaction;

// Module class codes.
constexpr int kBoltModuleClass = 232;
constexpr int kProfileModuleClass = 233;
// Bolt pattern class codes: one direction, two directions.
constexpr int kOneDirPatternClass = 281;
constexpr int kTwoDirPatternClass = 282;

// Shortest plain text of a number: up to 10 decimals, trailing zeros removed, no
// exponent ("200", "12.5", "-0.25"); non-finite values give "0".
Zk_String formatMacroNumber(double value);
// Parses a whole text as a number (surrounding blanks allowed).
bool parseMacroNumber(const Zk_String& text, double& value);

// A constraint (distance) variable of a module.
struct Zk_ConstrVar {
    Zk_String name;
    double value = 0.0;
    // Dialog flags: shown in the macro dialog, editable there.
    bool inDialog = true;
    bool editable = true;
    // The flexible/fixed button beside the variable, when it has one.
    bool hasFlexFixBtn = false;
    bool flexible = true;
    bool fixed = false;

    friend bool operator==(const Zk_ConstrVar&, const Zk_ConstrVar&) = default;
};

// A cut constraint with the offsets it carries.
struct Zk_CutConstraint {
    Zk_String name;
    bool hasOffset[kCutOffsetTypeCount] = {};
    double offset[kCutOffsetTypeCount] = {};

    friend bool operator==(const Zk_CutConstraint&, const Zk_CutConstraint&) = default;
};

// A bolt pattern of a bolt module.
struct Zk_BoltPattern {
    Zk_String name;
    int classCode = kOneDirPatternClass;
    int nrBolts1 = 1;
    int nrBolts2 = 1;
    bool reverseStart1 = false;
    bool reverseStart2 = false;

    friend bool operator==(const Zk_BoltPattern&, const Zk_BoltPattern&) = default;
};

// A profile placement of a profile module; placements sharing a group name form a
// placement group whose merged properties the dialogs edit together.
struct Zk_ProfPlacement {
    Zk_String name;
    Zk_String groupName;
    Zk_String sectionName;
    Zk_String material;
    Zk_String memberName;

    friend bool operator==(const Zk_ProfPlacement&, const Zk_ProfPlacement&) = default;
};

// A base profile of the macro (the members the connection is placed on).
struct Zk_BaseProfile {
    Zk_String sectionName;
    Zk_String material;

    friend bool operator==(const Zk_BaseProfile&, const Zk_BaseProfile&) = default;
};

class Zk_Module {
public:
    Zk_String name;
    Zk_String groupName;            // empty: the module forms no group
    int classCode = 0;              // kBoltModuleClass, kProfileModuleClass or other
    Zk_Array<Zk_ConstrVar> variables;
    Zk_Array<Zk_CutConstraint> cuts;
    Zk_Array<Zk_BoltPattern> patterns;
    Zk_Array<Zk_ProfPlacement> placements;

    virtual ~Zk_Module() = default;
    bool isBoltModule() const { return classCode == kBoltModuleClass; }
    bool isProfileModule() const { return classCode == kProfileModuleClass; }
    // The group name, or the module name when it has no group.
    Zk_String groupOrName() const { return groupName.isEmpty() ? name : groupName; }

    // Constraint variables. Get gives the value as text; set parses the text.
    Acad::ErrorStatus getSetConstrVarValue(const Zk_String& varName, Zk_String& value, bool get);
    // The flexible/fixed button state of a variable: (flexible, fixed).
    Acad::ErrorStatus getFlexFixBtnStatus(const Zk_String& varName, bool& flexible, bool& fixed) const;
    // Presses the button: fix true makes the variable fixed, false flexible.
    Acad::ErrorStatus flexFixBtnClicked(const Zk_String& varName, bool fix);
    // Names of all variables with their two dialog flags (shown, editable) as 0/1.
    Acad::ErrorStatus getDialogVariables(Zk_StringArray& names, Zk_Array<int>& inDialog,
                                         Zk_Array<int>& editable) const;
    Zk_ConstrVar* findConstrVar(const Zk_String& varName);
    const Zk_ConstrVar* findConstrVar(const Zk_String& varName) const;

    // Cut constraints.
    Acad::ErrorStatus getCutConstraint(const Zk_String& cutName, Zk_CutConstraint*& cut);
    Acad::ErrorStatus getCutConstraints(Zk_StringArray& names) const;
    // The offset types (0 to 8, ascending) the cut carries.
    Acad::ErrorStatus getCutOffsets(const Zk_String& cutName, Zk_Array<int>& types) const;
    // Reads or writes one offset; the cut must carry that offset type.
    Acad::ErrorStatus getSetCutValue(const Zk_String& cutName, int offsetType, double& value, bool get);

    // Bolt patterns. Pattern ids are indexes into patterns.
    Acad::ErrorStatus getPatternIds(Zk_Array<int>& ids) const;
    Acad::ErrorStatus getPattern(int id, Zk_BoltPattern*& pattern);
    Acad::ErrorStatus findPattern(const Zk_String& patternName, int& id) const;
    // Number of bolts in direction 1 or 2 as text (set: a whole number of at least 1;
    // direction 2 only for two-direction patterns).
    Acad::ErrorStatus getSetNrBolts(const Zk_String& patternName, int direction, Zk_String& value, bool get);
    // Reverse-start flag 1 or 2 of the pattern with that id.
    Acad::ErrorStatus getSetReverseStart(int id, int direction, bool& value, bool get);

    // Profile placements.
    Acad::ErrorStatus getNamedPrpl(const Zk_String& placementName, Zk_ProfPlacement*& placement);
    // Merged properties of the placement group; eInvalidInput when no placement has that group.
    Acad::ErrorStatus getMergedGroupProps(const Zk_String& group, MacroProfData& props) const;
    // Writes the non-empty fields of props into every placement of the group.
    Acad::ErrorStatus setMergedGroupProps(const Zk_String& group, const MacroProfData& props);

    friend bool operator==(const Zk_Module&, const Zk_Module&) = default;
};

// A general variable of the macro ("gen_" names).
struct Zk_GenVar {
    Zk_String name;
    double value = 0.0;

    friend bool operator==(const Zk_GenVar&, const Zk_GenVar&) = default;
};

// A macro definition with its current values.
class Zk_Macro {
public:
    Zk_String name;
    Zk_Array<Zk_Module> modules;
    Zk_Array<Zk_BaseProfile> baseProfiles;
    Zk_Array<Zk_GenVar> genVars;

    virtual ~Zk_Macro() = default;

    // Names of the modules of a group: the modules whose group is group, else the
    // module of that name when it has no group. None: eInvalidInput.
    Acad::ErrorStatus getModNamesOfGroup(const Zk_String& group, Zk_StringArray& names) const;
    Acad::ErrorStatus findModuleWrite(const Zk_String& moduleName, Zk_Module*& module);
    Acad::ErrorStatus findModule(const Zk_String& moduleName, const Zk_Module*& module) const;

    // General variables: must exist for both get and set.
    Acad::ErrorStatus getGenVar(const Zk_String& varName, double& value) const;
    Acad::ErrorStatus setGenVar(const Zk_String& varName, double value);
    Acad::ErrorStatus getGenVarNames(Zk_StringArray& names) const;

    // Base profiles: ids are the indexes 0.. in the order the macro lists them.
    Acad::ErrorStatus mapBaseProfIds(Zk_Array<int>& ids) const;
    Acad::ErrorStatus getBaseProf(int id, const Zk_BaseProfile*& profile) const;

    friend bool operator==(const Zk_Macro&, const Zk_Macro&) = default;
};

// Section name and material of a base profile (empty texts fail).
Acad::ErrorStatus getSectionName(const Zk_BaseProfile& profile, Zk_String& sectionName);
Acad::ErrorStatus getMaterial(const Zk_BaseProfile& profile, Zk_String& material);

// The macro as an object of the drawing database. Reads and writes go through the
// transaction the caller holds open; the stand-in accepts a null transaction.
class Zk_DbMacro {
public:
    Zk_DbMacro() = default;
    explicit Zk_DbMacro(Zk_Macro macro) : m_macro(std::move(macro)) {}
    virtual ~Zk_DbMacro() = default;

    const Zk_String& name() const { return m_macro.name; }
    const Zk_Macro& macro() const { return m_macro; }
    Zk_Macro& macroWrite() { return m_macro; }

    Acad::ErrorStatus getModNamesOfGroup(const Zk_String& group, Zk_StringArray& names) const {
        return m_macro.getModNamesOfGroup(group, names);
    }
    Acad::ErrorStatus findModuleWrite(const Zk_String& moduleName, Zk_Module*& module) {
        return m_macro.findModuleWrite(moduleName, module);
    }
    // Opens a module for reading and writing inside the transaction.
    Acad::ErrorStatus openModule(const Zk_String& moduleName, Zk_Module*& module, AcTransaction* transaction);

private:
    Zk_Macro m_macro;
};
