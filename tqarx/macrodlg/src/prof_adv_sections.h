// The section lists of the profile dialog: the sections of a profile's family (or its
// one user section) followed by the keep item, and the section families of the library.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// The choices for a section: systemNames (full names, "HEA-HEA200") and the texts shown
// for them, parallel. A "User Sections\" name gives that one section (shown without
// folder and extension); any other name the sections of the family before its first
// "-", shown by their user names. The keep item ends both lists; it is all there is
// when the family's table cannot be read.
void sectionChoices(const Zk_String& section, Zk_StringArray& systemNames, Zk_StringArray& shown);
// The type names of the section tables in the library's "prof\" folder.
Zk_StringArray sectionFamilies();
