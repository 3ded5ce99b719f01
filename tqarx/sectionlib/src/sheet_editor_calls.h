// The three spreadsheet-editor operations the values page uses, each behind one
// function: the find and replace window of a sheet, the sheet options editor and the
// prompt for a text.
#pragma once

#include "host/zk_string.h"

class CWnd;
class Zk_Spread;

// Opens the sheet's find and replace window, or runs Find next when it is open already.
void sectionSheetFindReplace(Zk_Spread& sheet);
// Edits the sheet's options; true when the user confirmed.
bool sectionSheetOptions(CWnd* parent, Zk_Spread& sheet);
// Asks for a text (value holds the proposal and receives the answer); true on OK.
bool sectionPromptString(CWnd* parent, const Zk_String& title, const Zk_String& prompt, Zk_String& value);
