#include "host/array_dim_names.h"

std::map<long long, Zk_StringArray>& arrayDimNamesInDrawing() {
    static std::map<long long, Zk_StringArray> names;
    return names;
}

void getValidDimNames(const DynArrayData&, const AcDbObjectIdArray& objectIds, Zk_StringArray& names) {
    names.clear();
    const auto& drawing = arrayDimNamesInDrawing();
    for (int i = 0; i < objectIds.length(); ++i) {
        const auto found = drawing.find(objectIds[i].asOldId());
        const Zk_StringArray dims = found == drawing.end() ? Zk_StringArray() : found->second;
        if (i == 0) {
            names = dims;
            continue;
        }
        // Only the names all macros share.
        Zk_StringArray shared;
        for (const Zk_String& name : names)
            if (dims.contains(name, true)) shared.append(name);
        names = shared;
    }
}
