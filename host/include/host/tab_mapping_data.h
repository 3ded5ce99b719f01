// TabMappingData: which standards spreadsheets a macro uses and what each one maps to.
// A target is either "Module." + a module name (the spreadsheet works on that module's
// variables by their own names) or the name of a mapping in the spreadsheet's mapping
// file. The macro stays owned by the host.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_DbMacro;
class AcTransaction;

struct TabMappingData {
    // The prefix of targets that name a module.
    static constexpr const wchar_t* kModulePrefix = L"Module.";

    Zk_DbMacro* dbMacro = nullptr;
    AcTransaction* transaction = nullptr;
    Zk_StringArray moduleNames;
    Zk_StringArray standards;   // spreadsheet names below the standards folder, without ".kms"
    Zk_StringArray mappings;    // parallel to standards
    bool mappingChanged = false;

    // The target stored for a spreadsheet (the first row naming it, letter case ignored);
    // false and empty when the macro does not use it.
    bool getMapping(const Zk_String& standard, Zk_String& mapping) const;
    // Whether a target names a module, and which.
    static bool isModuleTarget(const Zk_String& target);
    static Zk_String moduleOfTarget(const Zk_String& target);
    static Zk_String moduleTarget(const Zk_String& module);

    friend bool operator==(const TabMappingData&, const TabMappingData&) = default;
};
