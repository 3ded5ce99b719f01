#include "sectionlib/section_pictures.h"

#include <cstdint>

#include "host/files.h"
#include "host/settings.h"
#include "sectionlib/section_types.h"

namespace {

const wchar_t* const kUserSectionsFolder = L"User Sections\\";

Zk_String pictureSuffix(bool big) { return Zk_String(big ? L"-big.bmp" : L"-small.bmp"); }

}  // namespace

Zk_String sectionIconsFolder() { return addBackslash(gSettings.zkDir) + Zk_String(L"icons\\"); }

Zk_String sectionTypeBitmap(const Zk_String& reference, const Zk_String& userSectionPath, bool big) {
    Zk_String stem;
    bool userSection = true;
    if (reference.isEmpty()) {
        Zk_String path = userSectionPath;
        if (path.startsWith(Zk_String(kUserSectionsFolder), true)) path = path.mid(Zk_String(kUserSectionsFolder).length());
        stem = removeFileExtension(path);
    } else if (!isUserSectionReference(reference)) {
        stem = builtinSectionStem(reference.trimmed().toInt());
        userSection = false;
    } else {
        stem = removeFileExtension(reference);
    }
    if (!stem.isEmpty()) {
        const Zk_String name = stem + pictureSuffix(big);
        if (fileExists(sectionIconsFolder() + name)) return name;
        Zk_String automated;
        if (!big && userSection && refreshUserSectionBitmap(stem, automated)) return automated;
    }
    return Zk_String(L"Unknown") + pictureSuffix(big);
}

bool refreshUserSectionBitmap(const Zk_String& name, Zk_String& pictureName) {
    if (name.isEmpty()) return false;
    const Zk_String source = addBackslash(gSettings.libDir) + Zk_String(kUserSectionsFolder) + name + Zk_String(L".bmp");
    if (!fileExists(source)) return false;
    const Zk_String result = name + Zk_String(L"-automated.bmp");
    const Zk_String target = sectionIconsFolder() + result;
    std::int64_t sourceTime = 0;
    std::int64_t targetTime = 0;
    const bool stale = !fileExists(target) || !ObjectExportGetFileTime(target, targetTime) ||
                       (ObjectExportGetFileTime(source, sourceTime) && sourceTime > targetTime);
    if (stale) {
        if (!folderExists(sectionIconsFolder())) createFolder(sectionIconsFolder());
        if (!copyFile(source, target, true)) return false;
    }
    pictureName = result;
    return true;
}
