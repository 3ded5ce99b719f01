// The user coordinate systems of the drawing that a profile's base plane may refer to.
// The stand-in holds them in a list a test fills (cleared with clearMacroCoordSystems).
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

struct MacroCoordSys {
    long long id = 0;
    Zk_String name;
};

// The stand-in's list of the drawing's coordinate systems.
Zk_Array<MacroCoordSys>& macroCoordSystems();
void clearMacroCoordSystems();
// Every coordinate system of the drawing: ids and names, parallel.
void getAllCoordSys(Zk_Array<long long>& ids, Zk_StringArray& names);
