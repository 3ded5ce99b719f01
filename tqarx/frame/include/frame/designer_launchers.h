// Launchers of the dialog designer.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// Opens the designer on the template at path (empty or missing: a new template); true
// when the window is closed with OK.
bool StartDlgDesigner(const Zk_String& path);
// The names of the value fields of the template at path (read without its picture);
// false when it cannot be read (names then empty).
bool GetImageDlgCtrlNames(const Zk_String& path, Zk_StringArray& names);
