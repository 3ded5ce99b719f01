#include "host/tab_mapping_data.h"

bool TabMappingData::getMapping(const Zk_String& standard, Zk_String& mapping) const {
    mapping.clear();
    int index = -1;
    if (!standards.find(standard, index, true) || !mappings.isValidIndex(index)) return false;
    mapping = mappings[index];
    return true;
}

bool TabMappingData::isModuleTarget(const Zk_String& target) { return target.startsWith(Zk_String(kModulePrefix)); }

// The text after the first ".".
Zk_String TabMappingData::moduleOfTarget(const Zk_String& target) {
    const int dot = target.find(L'.');
    return dot < 0 ? Zk_String() : target.mid(dot + 1);
}

Zk_String TabMappingData::moduleTarget(const Zk_String& module) { return Zk_String(kModulePrefix) + module; }
