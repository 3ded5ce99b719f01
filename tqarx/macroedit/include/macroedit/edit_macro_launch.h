// Opening and closing the macro editor for the module's launchers: modal on a copy of
// the caller's record, or modeless (one editor at most) until it is ended.
#pragma once

class CDlgEditMacro;
class EditConstrData;

// Runs the editor modally on a copy of data; true on OK. The caller's record is not
// written.
bool runEditMacroModal(const EditConstrData& data);
// Opens the modeless editor on a copy of data with the CAD host's main window as parent
// and gives the focus back to the main window; when an editor is open already nothing
// happens. False only when the editor could not be made.
bool openModelessEditMacro(const EditConstrData& data);
// Ends the modeless editor: destroys its window ("Erase window failed\n" on the command
// line when that fails), deletes it and asks for a fresh command prompt. Nothing happens
// when none is open.
void closeModelessEditMacro();
// The open modeless editor, or null.
CDlgEditMacro* modelessEditMacro();
