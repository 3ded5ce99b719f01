// The macro file: one macro with its dialog data as hand-writable UTF-8 text.
//
//   Macro version 1.0
//   # a comment line; blank lines are ignored
//   macro EndPlate
//   caption "End plate connection"
//   genvar gen_Gap 10
//   baseprofile section=HEA-HEA200 material=S235
//   module Plate class=233 group=Plates
//     var Width 200 dialog=1 editable=1 button=flexible
//     cut SideCut CutOffset=10 CutRadius=5
//     placement Pl1 group=Web section=PL-PL10 material=S235 member=Web1
//   module Bolts class=232 group=Plates
//     pattern P1 class=282 bolts1=2 bolts2=3 reverse1=0 reverse2=1
//   tab Plates kind=1 template=EndPlate
//     bolts diameter=20 holeoffset=2 assembly=M20
//     cell Width value=200 caption=Width
//
// A line is a keyword, a name and key=value fields, separated by blanks. A name or value
// holding blanks, "=", "#" or quotes is written in double quotes ("" for a quote).
// "var", "cut", "pattern" and "placement" belong to the module above them; "bolts"
// and "cell" to the tab above them. Keys:
//   module     class (number), group
//   var        value (second word), dialog, editable (0/1), button (none, flexible, fixed)
//   cut        one field per offset: CutOffset, CutPolyOffset, CutLengthOffset,
//              CutCenterOffset, CutInsideOffset, CutOutsideOffset, CutChamferOffset1,
//              CutChamferOffset2, CutRadius
//   pattern    class (281 one direction, 282 two), bolts1, bolts2, reverse1, reverse2 (0/1)
//   placement  group, section, material, member
//   tab        kind, template, advbuttons; bolts: diameter, holeoffset, assembly and the bolt
//              details; cell: value, caption, editable, kind, choices
// Inside a tab also "slot", "holecolumn", "pattern" (the page's bolt pattern), "profile",
// "segmented" and "segment" (docs/MACRO_FILE.md lists their keys).
// Unknown keywords or keys, bad numbers, duplicate names and lines out of place are
// errors reported as "<file>(<line>): <what>"; nothing is taken from a rejected file.
#pragma once

#include <string>

#include "host/macro_model.h"
#include "host/zk_string.h"

// Parses macro text; on failure error names file and line and the outputs are unchanged.
bool parseMacroText(const Zk_String& text, const Zk_String& fileName, Zk_Macro& macro, MacroData& data,
                    Zk_String& error);
// The text of a macro and its dialog data (what parseMacroText reads back unchanged).
Zk_String macroToText(const Zk_Macro& macro, const MacroData& data);

// Reads a macro file (Windows path); false with error on an unreadable or malformed file.
bool readMacroFile(const Zk_String& path, Zk_DbMacro& dbMacro, MacroData& data, Zk_String& error);
// Writes the file atomically (a failure leaves the old file intact).
bool writeMacroFile(const Zk_String& path, const Zk_DbMacro& dbMacro, const MacroData& data, Zk_String& error);

// Parses a macro file's bytes (UTF-8, a leading byte-order mark skipped); as readMacroFile.
bool parseMacroFileBytes(const std::string& bytes, const Zk_String& fileName, Zk_DbMacro& dbMacro, MacroData& data,
                         Zk_String& error);
// The bytes of a macro file as written (`written`) with only the values that differ from
// macro and data changed: a changed value replaces the value as written (quoted when it
// needs it), a field the file left out is added at the end of its line, a field that no
// longer applies is removed. Comments, blank lines, order, indentation, line breaks and
// every untouched line stay byte for byte. When the records themselves differ (added,
// removed or renamed) or the bytes do not parse, the whole text of macroToText.
std::string updatedMacroText(const std::string& written, const Zk_Macro& macro, const MacroData& data);
// Writes updatedMacroText atomically (a failure leaves the old file intact).
bool writeMacroFileAsWritten(const Zk_String& path, const std::string& written, const Zk_DbMacro& dbMacro,
                             const MacroData& data, Zk_String& error);
