#include "host/macro_props_filter.h"

#include <vector>

#include "host/files.h"
#include "host/list_utils.h"
#include "host/settings.h"
#include "win/bitmap.h"
#include "win/files.h"

namespace {

Zk_StringArray readProperties(const Zk_String& dwgFile) {
    Zk_StringArray lines;
    Zk_StringArray properties;
    if (!ObjectExportReadFile(changeFileExtension(dwgFile, Zk_String(L"props")), lines)) return properties;
    for (const Zk_String& line : lines) {
        const Zk_String name = line.trimmed();
        if (!name.isEmpty()) properties.appendUnique(name, true);
    }
    return properties;
}

// A small picture standing for a drawing: a plate with a profile across it, placed by
// the drawing's name so that different drawings look different.
win::Surface previewPicture(const Zk_String& dwgFile) {
    unsigned hash = 2166136261u;
    const Zk_String title = getFileTitle(dwgFile);
    for (wchar_t ch : title.wstr()) hash = (hash ^ static_cast<unsigned>(ch)) * 16777619u;
    constexpr int kSize = 64;
    win::Surface s(kSize, kSize, RGB(255, 255, 255));
    const int shift = static_cast<int>(hash % 20);
    s.fill(RECT{8, 8 + shift, 56, 20 + shift}, RGB(176, 188, 200));
    s.fill(RECT{26, 4, 38, 60}, RGB(96, 112, 128));
    for (int x = 0; x < kSize; ++x) {
        s.setPixel(x, 0, RGB(128, 128, 128));
        s.setPixel(x, kSize - 1, RGB(128, 128, 128));
        s.setPixel(0, x, RGB(128, 128, 128));
        s.setPixel(kSize - 1, x, RGB(128, 128, 128));
    }
    return s;
}

}  // namespace

Zk_String Zk_MacroPropsFilter::moduleFolder(const Zk_String& module) {
    return addBackslash(gSettings.libDir) + L"Macros\\" + module + L"\\";
}

void Zk_MacroPropsFilter::initialize(const Zk_StringArray& modules, const AcArray<bool>& enabled, int soleModule,
                                     int maxDrawings) {
    m_modules.clear();
    m_maxDrawings = maxDrawings > 0 ? maxDrawings : 0;
    // Read by iteration: indexing an array of bool hands out a temporary.
    const std::vector<bool> flags(enabled.begin(), enabled.end());
    for (int i = 0; i < modules.length(); ++i) {
        Module module;
        module.name = modules[i];
        module.on = soleModule >= 0 ? i == soleModule : (i >= static_cast<int>(flags.size()) || flags[static_cast<std::size_t>(i)]);
        Zk_StringArray files;
        if (!gSettings.libDir.isEmpty()) ObjectExportFindFiles(moduleFolder(module.name), L"*.dwg", files, true);
        for (const Zk_String& file : files) {
            Drawing drawing{file, readProperties(file)};
            for (const Zk_String& property : drawing.properties) module.properties.appendUnique(property, true);
            module.drawings.append(drawing);
        }
        sortStrings(module.properties, true);
        for (int p = 0; p < module.properties.length(); ++p) module.propertyOn.append(1);
        m_modules.append(module);
    }
}

bool Zk_MacroPropsFilter::offered(const Module& module, const Drawing& drawing) const {
    if (!module.on) return false;
    for (const Zk_String& property : drawing.properties) {
        int index = -1;
        if (module.properties.find(property, index, true) && module.propertyOn[index] == 0) return false;
    }
    return true;
}

void Zk_MacroPropsFilter::getAllDwgFiles(Zk_StringArray& files) const {
    files.clear();
    for (const Module& module : m_modules)
        for (const Drawing& drawing : module.drawings) files.append(drawing.file);
}

void Zk_MacroPropsFilter::getFilteredMacros(Zk_StringArray& files) const {
    files.clear();
    for (const Module& module : m_modules)
        for (const Drawing& drawing : module.drawings) {
            if (m_maxDrawings > 0 && files.length() >= m_maxDrawings) return;
            if (offered(module, drawing)) files.append(drawing.file);
        }
}

void Zk_MacroPropsFilter::getMergedProperties(Zk_Array<Zk_StringArray>& names,
                                              Zk_Array<Zk_Array<int>>& flags) const {
    names.clear();
    flags.clear();
    for (const Module& module : m_modules) {
        Zk_StringArray moduleNames;
        Zk_Array<int> moduleFlags;
        moduleNames.append(module.name);
        moduleFlags.append(module.on ? 1 : 0);
        moduleNames.append(module.properties);
        moduleFlags.append(module.propertyOn);
        names.append(moduleNames);
        flags.append(moduleFlags);
    }
}

bool Zk_MacroPropsFilter::setModuleStatus(int module, bool on) {
    if (!m_modules.isValidIndex(module)) return false;
    m_modules[module].on = on;
    return true;
}

bool Zk_MacroPropsFilter::setModulePropStatus(int module, int property, bool on) {
    if (!m_modules.isValidIndex(module)) return false;
    Module& m = m_modules[module];
    if (!m.propertyOn.isValidIndex(property - 1)) return false;
    m.propertyOn[property - 1] = on ? 1 : 0;
    return true;
}

int CreatePreviewBMPs(const Zk_StringArray& dwgFiles, const Zk_String& extension) {
    int written = 0;
    for (const Zk_String& file : dwgFiles) {
        if (!fileExists(file)) continue;
        const Zk_String preview = changeFileExtension(file, extension);
        if (WriteFileAtomic(preview.wstr(), win::EncodeBmp24(previewPicture(file)))) ++written;
    }
    return written;
}
