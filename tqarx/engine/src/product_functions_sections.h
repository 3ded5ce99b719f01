// The host section tables as the product functions need them.
#pragma once

#include "host/zk_string.h"

// The system name of a section; false when the tables do not know it.
bool productSectionSystemName(const Zk_String& section, Zk_String& systemName);
// Value of a section in column (0-based); false when the section or column is unknown.
bool productSectionValue(const Zk_String& section, int column, Zk_String& value);
