// Strings in global-memory handles, as the spreadsheet control's calculation values
// carry them: wide characters with a terminating zero.
#pragma once

#include "win/types.h"
#include "host/zk_string.h"

// The text held by handle (empty for a null handle).
Zk_String getGlobalStr(HGLOBAL handle);
// A new movable handle holding text; null when the allocation fails. The caller owns it.
HGLOBAL setGlobalStr(const Zk_String& text);
// Replaces the text of handle (freeing the old handle when it is not null); false and
// handle unchanged when the allocation fails.
bool setGlobalStr(HGLOBAL& handle, const Zk_String& text);
