// The built-in section types. A type is referenced by its number 1 to 24 (the decimal
// text in a values table's image cell) or by the file name of a user section drawing (a
// reference ending in ".dwg"). Each built-in number has a picture stem, a display name
// (numbered text), the display form "<name>" used in lists, and the names of its value
// columns.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

constexpr int kBuiltinSectionTypeCount = 24;
// The rectangular tube: its wall may not be thicker than its corner radius.
constexpr int kSectionTypeRectTube = 10;

// True when the reference names a user section drawing (ends in ".dwg").
bool isUserSectionReference(const Zk_String& reference);
// The built-in number of a reference, -1 when it is none (a user section, or a text that
// is not a number from 1 to 24).
int builtinSectionNumber(const Zk_String& reference);
// Picture stem ("ProfSectionI"), display name and "<display name>" of a number; empty for
// any other number.
Zk_String builtinSectionStem(int number);
Zk_String builtinSectionName(int number);
Zk_String builtinSectionDisplay(int number);
// The first number whose display form equals text; -1 when none.
int builtinSectionFromDisplay(const Zk_String& text);
// The numbered texts of a built-in type's value columns, in column order (empty for any
// other number), and their texts.
Zk_Array<int> builtinSectionValueTexts(int number);
Zk_StringArray builtinSectionValueNames(int number);
// The value-column titles of a type: the built-in names, or for a user section the
// table's own value-column names, each looked up under the group "Prof" of the language
// texts (the name itself when there is no text for it).
Zk_StringArray sectionValueColumnTitles(const Zk_String& reference, const Zk_StringArray& tableValueColumns);
