// The macro editor's launchers (EndDlgEditConstraints is with the module entry, which
// also calls it at unload).
#pragma once

class EditConstrData;

// Runs the macro editor modally on a copy of data; true on OK. The record is passed in
// only.
bool StartDlgEditConstrModal(EditConstrData& data);
// Opens the modeless macro editor on a copy of data (nothing happens when one is open)
// and gives the focus back to the CAD host's main window. Always true.
bool StartDlgEditConstraints(EditConstrData& data);
