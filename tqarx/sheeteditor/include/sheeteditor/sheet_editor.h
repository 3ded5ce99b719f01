// The sheet editor's part in every spreadsheet window of the module: F3 and F5 open the
// find and replace window, the context menu is built by dynMenu, and the menu's copy,
// paste and selection entries act on the sheet. The module installs it when it loads.
#pragma once

#include "engine/zk_spread.h"
#include "host/zk_string.h"

void registerSheetEditorWithSpreadsheets();
void unregisterSheetEditorWithSpreadsheets();

// The default actions of the context menu: kind 2 copies the selection (tab-separated
// rows), kind 3 pastes it at the active cell, kind 8 selects every cell, kind 9 clears
// the selection.
void runSheetMenuAction(Zk_Spread& sheet, int kind);
class CDlgFindReplace;
// The find window the sheet opened on F3 or F5 (null while none is open).
CDlgFindReplace* findReplaceWindowOf(const Zk_Spread& sheet);

// What the last copy took (the module's own clipboard).
const Zk_String& sheetClipboardText();
