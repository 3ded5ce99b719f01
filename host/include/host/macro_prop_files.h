// Property files of placed macros: the values of every tab's cells, saved under a name
// and loaded into other macros of the same kind. A file is UTF-8 text, one value a
// line: tab name, a tab, cell name, a tab, value. Values that name no tab or cell of
// the macros they are loaded into are counted as not placed.
#pragma once

#include "host/macro_data.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

struct MacroPropFilesStandIn {
    bool allowed = true;            // whether the macros may use property files
    Zk_String folder;               // where the files are kept (Windows path ending in "\")
    Zk_String extension = L"mpf";   // without the dot
};
// The stand-in's settings; reset with resetMacroHost().
MacroPropFilesStandIn& macroPropFiles();

bool propListAllowed(const MacroData& data);
// The folder, extension, and the names and descriptions of the files there.
void getPropFiles(const MacroData& data, Zk_String& folder, Zk_String& extension, Zk_StringArray& names,
                  Zk_StringArray& descriptions);
// Reads a property file into data; unplaced receives the number of values that found no
// cell. False (data unchanged) when the file cannot be read.
bool readPropFile(MacroData& data, const Zk_String& path, int& unplaced);
// Writes the cells of every tab (atomically: a failure leaves the old file intact).
bool writePropFile(const MacroData& data, const Zk_String& path);
// Hands the differences of every tab between before and data to the host; the number
// of tabs updated.
int setAllToMacro(MacroData& data, const MacroData& before);
