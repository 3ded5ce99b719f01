// The text form of a values table, for editing in any spreadsheet program: tab-separated
// lines, the picture reference alone on line 1, the column names on line 2, then one
// section a line. Reading it back checks it before anything is changed.
#pragma once

#include "host/zk_string.h"
#include "sectionlib/zk_prof_values_table.h"

// Every line ends in "\n". activeOnly leaves out the sections whose flag is "0".
Zk_String sectionTableToText(const Zk_ProfValuesTable& table, bool activeOnly);

// Parses the text form into table (typeName is left alone). The checks: line 1 is one
// cell; line 2 holds at least the system name, the flag and the user-name columns, none
// of them empty; every section line has exactly as many cells as line 2, a system name
// not used on an earlier line, the flag "0" or "1" and numbers as values. Line ends LF or
// CR LF, a leading byte-order mark and empty lines at the end are ignored. False, with
// error "line N: ..." naming the first fault, and table unchanged.
bool sectionTableFromText(const Zk_String& text, Zk_ProfValuesTable& table, Zk_String& error);
