// The five-text list builder of the dialogs' fixed choice lists: the texts in order,
// empty ones left out (so callers pass empty texts after the ones they list).
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

Zk_StringArray stringArr(const Zk_String& s1, const Zk_String& s2 = Zk_String(), const Zk_String& s3 = Zk_String(),
                         const Zk_String& s4 = Zk_String(), const Zk_String& s5 = Zk_String());
