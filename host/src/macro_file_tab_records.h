// The dialog records a macro file's tab holds beside its cells: the bolt record's details,
// slotted holes and hole columns, bolt patterns with their two directions, profiles (and
// so profile groups) and segmented profiles. Each record's fields are described once;
// the same description parses a line, writes it and renders it for the byte-preserving
// update. Internal to the macro file reader and writer.
#pragma once

#include <string>
#include <vector>

#include "host/macro_tab_data.h"

namespace macrofile {

struct Field {
    std::wstring key;    // empty for a positional word
    std::wstring value;
    // Where the field stands in its line: [begin, end) the whole field, value text (quotes
    // included) from valueBegin.
    size_t begin = 0, valueBegin = 0, end = 0;
};

// The largest bolt count of a pattern and the largest segment number a file may give.
constexpr int kMaxFileCount = 10000;

// The keywords of the records below that live inside a tab (the tab's own line, "bolts"
// and "cell" are the reader's). "pattern" is one of them only inside a tab.
bool isTabRecordKeyword(const std::wstring& keyword);

// Parses one of those records into the tab: words are the positional words after the
// keyword, named the key=value fields. item receives the record's index in its list,
// sub (segments) its index in the segmented profile; false with why on a bad line.
bool parseTabRecord(const std::wstring& keyword, MacroTabData& tab, const std::vector<std::wstring>& words,
                    const std::vector<Field>& named, int& item, int& sub, std::wstring& why);
// The fields of such a record as the writer gives them (words first, then fields whose
// values differ from a fresh record's).
std::vector<Field> renderTabRecord(const std::wstring& keyword, const MacroTabData& tab, int item, int sub);
// The record lines of a tab's records, in the order the reader expects, indented by two.
void writeTabRecords(const MacroTabData& tab, std::vector<std::wstring>& lines);
// Names and counts of a tab's records: two tabs with the same shape differ in values only.
std::wstring tabRecordsShape(const MacroTabData& tab);

// The fields the "bolts", "cell" and "tab" lines carry beyond their first ones: parse
// those of named (the ones the caller did not take), or render the non-default ones.
bool parseBoltDetails(MacroBoltData& bolt, const std::vector<Field>& named, std::wstring& why);
bool parseCellDetails(MacroCell& cell, const std::vector<Field>& named, std::wstring& why);
bool parseTabDetails(MacroTabData& tab, const std::vector<Field>& named, std::wstring& why);
void renderBoltDetails(const MacroBoltData& bolt, std::vector<Field>& out);
void renderCellDetails(const MacroCell& cell, std::vector<Field>& out);
void renderTabDetails(const MacroTabData& tab, std::vector<Field>& out);

// A field as it stands in a written line: " key=value", the value quoted when needed.
std::wstring fieldText(const Field& field);
// A value as written: in double quotes (quotes doubled) when it is empty or holds a
// blank, "=", "#", a quote or a line break.
std::wstring quotedValue(const std::wstring& text);

}  // namespace macrofile
