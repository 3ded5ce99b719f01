// Text and list helpers: splitting and joining at a symbol, number tests,
// duplicates, comments, spreadsheet column letters and small name utilities.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// Splits text at the first (or, with last, the last) occurrence of symbol.
// Not found: false, left = text, right empty.
bool splitStringAtSymbol(const Zk_String& text, const Zk_String& symbol, Zk_String& left,
                         Zk_String& right, bool last = false);

// Splits text at every symbol. dropEmpty leaves out empty pieces; trim removes the
// blanks around each piece (before the empty test). An empty symbol gives the whole text.
Zk_StringArray strToArr(const Zk_String& text, const Zk_String& symbol = L";", bool dropEmpty = true,
                        bool trim = false);
void strToArr(const Zk_String& text, Zk_StringArray& out, const Zk_String& symbol = L";",
              bool dropEmpty = true, bool trim = false);
// Joins the items with symbol between them.
Zk_String arrToStr(const Zk_StringArray& items, const Zk_String& symbol = L";");

// True when the whole text (surrounding blanks allowed) is a decimal number:
// optional sign, digits with an optional "." and fraction, optional exponent.
bool isNumber(const Zk_String& text);

// True when some text occurs more than once.
bool hasDuplicates(const Zk_StringArray& items, bool ignoreCase = false);
// laterIndexes: the indexes of every second and later occurrence, ascending (remove
// them highest first to keep the first occurrences). names: each duplicated text once,
// in the order of its first occurrence. Returns true when there are duplicates.
bool getDuplicates(const Zk_StringArray& items, Zk_Array<int>& laterIndexes, Zk_StringArray& names,
                   bool ignoreCase = false);
bool getDuplicates(const Zk_StringArray& items, Zk_Array<int>& laterIndexes, bool ignoreCase = false);

// Removes "/* ... */" block comments (which may span lines; an unterminated one runs to
// the end) and "//" comments to the end of the line.
Zk_String removeComments(const Zk_String& text);
void removeComments(Zk_StringArray& lines);
// Cuts every line at its first "//".
void removeLineComments(Zk_StringArray& lines);

// The text before the first (with last: the last) symbol; the whole text when absent.
Zk_String getSubstrBefore(const Zk_String& text, const Zk_String& symbol, bool last = false);
// The text after the first (with last: the last) symbol; empty when absent.
Zk_String getSubstrAfter(const Zk_String& text, const Zk_String& symbol, bool last = false);

// Spreadsheet column letters: 1 -> "A", 26 -> "Z", 27 -> "AA"; empty for column < 1.
Zk_String getAlfabet(int column);
// Column number of column letters (case ignored): "A" -> 1, "AA" -> 27; 0 when invalid.
int getColumnNumber(const Zk_String& letters);

// base when it is not in existing, else base followed by the smallest number from 1
// that makes it new.
Zk_String findNonExistingString(const Zk_String& base, const Zk_StringArray& existing,
                                bool ignoreCase = true);
// True when text holds a character not allowed in a file name (\ / : * ? " < > | or a
// control character).
bool hasInvalidFileNameChars(const Zk_String& text);
// text without its trailing digits ("Beam12" -> "Beam").
Zk_String stripNumbersAtEnd(const Zk_String& text);
// The first run of digits in text ("HEA200x10" -> "200"); empty when none.
// pos (when given) receives its start or -1.
Zk_String findFirstNumbers(const Zk_String& text, int* pos = nullptr);

// Sorting of string lists. Natural order compares runs of digits by value
// ("A2" < "A10"); equal texts keep their order.
void sortStrings(Zk_StringArray& items, bool ignoreCase = false, bool descending = false);
void sortStringsNatural(Zk_StringArray& items, bool ignoreCase = true);
// Natural comparison: <0, 0, >0.
int compareNatural(const Zk_String& a, const Zk_String& b, bool ignoreCase = true);
// Inserts text into a list sorted in natural order (after equal texts) and returns
// its index; with unique a text already present is not added and its index returned.
int ObjectExportAddToSorted(Zk_StringArray& items, const Zk_String& text, bool unique = false);
// The permutation that sorts items: result[k] is the index of the k-th smallest.
Zk_Array<int> sortedIndexes(const Zk_StringArray& items, bool ignoreCase = false);
