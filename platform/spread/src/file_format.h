// The sheet file: UTF-8 text, hand-writable.
//
//   KMSHEET<TAB>1                     first line: format and version
//   size<TAB>cols<TAB>rows            optional; counts are checked before anything is built
//   grid                              the cells from row 1, column 1: one line per row,
//   <cell><TAB><cell>...              fields tab-separated; "=" starts a formula; a field
//   ...                               starting with "'" is text with \\ \t \n \r escapes
//   end                               (used for texts that would otherwise read as numbers,
//   <records>                         formulas or contain tabs); other fields are data as typed
//
// Records, one per line, fields tab-separated ("#" lines and blank lines are ignored);
// C and R are a column and a row number, or "*" for every column / row (formats of whole
// columns, whole rows or the sheet):
//   header C R text | tag C R text | note C R text | tip C R text   (text escaped as above)
//   formula C R text           a formula that cannot stand in the grid
//   type C R general | edit MAXLEN CASE | number DECIMALS MIN MAX SEP | integer MIN MAX |
//            currency DECIMALS SYMBOL SEP | percent DECIMALS | checkbox TEXT PICT1 PICT2 |
//            combo EDITABLE ITEM... | button TEXT | static | picture STYLE NAME
//   lock C R 0|1 | color C R BACK FORE | font C R NAME SIZE BOLD ITALIC |
//   border C R SIDES STYLE COLOR | align C R N          (colours 0xBBGGRR or "default")
//   width C W | height R H | hiddencol C | hiddenrow R | span C R COLS ROWS
//   bool INDEX 0|1 | refstyle N | appearance N | backcolorstyle N | selcolor B F |
//   gridcolor C | shadowcolor S T | lockcolor B F | noteindicator N | texttip MODE DELAY B F |
//   actionkey ACTION SHIFT CTRL KEY | defaultfont NAME SIZE | selectionmode N |
//   active C R | selection C R C2 R2
//
// A file without the first line is read as a plain tab-separated grid (fields as they
// are, "=" starting a formula).
#pragma once

#include <string>
#include <string_view>

#include "sheet.h"

namespace spread {

// Fills `out` (a fresh sheet); false with "NAME, line N: what" in error.
bool LoadSheet(std::string_view bytes, const std::wstring& name, Sheet& out, std::wstring& error);
std::string SaveSheet(const Sheet& sheet, bool dataOnly);

}  // namespace spread
