// The modeless macro dialogs, opened, queried and closed by registry index. The module
// owns those windows until they close.
#pragma once

class MacroData;
class CDlgMacro;

// index := the highest-numbered free slot, or a new slot at the end. The dialog gets
// the CAD host's main window as parent, a copy of data, and is shown; without keepFocus
// the focus goes back to the main window. False (slot left free) when it cannot be made.
bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& index);
// Copies the macro data of the dialog in slot index; false for a bad index or free slot.
bool GetDlgMacroData(int index, MacroData& data);
// Closes the dialog in slot index. A busy dialog closes 50 ms later (a thread timer);
// the call returns true at once. False for a bad index, a free slot or a window that
// cannot be destroyed. Closing the last slot trims the trailing free slots.
bool EndDlgMacroModeless(int index);
// Ends every modeless macro dialog, last slot first.
void DestroyAllMacroDlgs();
// The modal macro dialog; data receives the dialog's macro data whatever it returned.
void StartDlgMacro(MacroData& data);

// Closes every dialog now, busy or not, and cancels the delayed closes: the module is
// going away and no timer may fire into it afterwards.
void forceCloseAllMacroDlgs();

// Registry state, for inspection.
int macroDlgSlotCount();
CDlgMacro* macroDlgAt(int index);
int pendingDelayedMacroCloses();
