#include "host/macro_coord_sys.h"

Zk_Array<MacroCoordSys>& macroCoordSystems() {
    static Zk_Array<MacroCoordSys> systems;
    return systems;
}

void clearMacroCoordSystems() { macroCoordSystems().removeAll(); }

void getAllCoordSys(Zk_Array<long long>& ids, Zk_StringArray& names) {
    ids.removeAll();
    names.removeAll();
    for (const MacroCoordSys& system : macroCoordSystems()) {
        ids.append(system.id);
        names.append(system.name);
    }
}
