// Section choices of the macro dialogs: a combo box offering the sections a section
// reference may change to, and the host's section selection dialog.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

class CComboBox;

// A reference "User Sections\Plate.dwg" offers only that user section ("Plate"); any other
// ("HEA-HEA200") offers the active sections of its values table under their user names.
// Both end with the keep marker (numbered text 695). names receives what each entry stands
// for (the references; empty for the keep marker); the entry of reference is selected (the
// keep marker for an empty reference). Returns the number of sections offered.
int fillSectionCombo(CComboBox& combo, Zk_StringArray& names, const Zk_String& reference);
// Runs the host's section selection starting at reference (posting "CANCELCMD" first when
// cancelCommand is set); on OK reference becomes the chosen path without the library folder
// in front, and the result is true.
bool pickSection(Zk_String& reference, bool cancelCommand);
