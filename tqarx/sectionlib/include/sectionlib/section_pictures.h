// Pictures of section types: files in the "icons\" folder of the program folder, named
// after the type's picture stem with "-big.bmp" or "-small.bmp". A user section without a
// prepared picture gets a copy of its drawing's bitmap ("User Sections\<name>.bmp" in the
// library) as "<name>-automated.bmp", refreshed when the source is newer.
#pragma once

#include "host/zk_string.h"

// The folder the pictures are in (zkDir + "icons\").
Zk_String sectionIconsFolder();
// The picture file (a name inside sectionIconsFolder) of a type reference: a built-in
// number or a user-section drawing ("Plate.dwg"); with an empty reference the user
// section named by userSectionPath ("User Sections\Plate.dwg"). "Unknown-big.bmp" /
// "Unknown-small.bmp" when there is none.
Zk_String sectionTypeBitmap(const Zk_String& reference, const Zk_String& userSectionPath, bool big);
// Copies "User Sections\<name>.bmp" of the library to "<name>-automated.bmp" in the icons
// folder when the copy is missing or older. False when there is no source or the copy
// fails; pictureName receives "<name>-automated.bmp" on success.
bool refreshUserSectionBitmap(const Zk_String& name, Zk_String& pictureName);
