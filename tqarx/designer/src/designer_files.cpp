// Template files and folders: where templates live, their names, reading and writing the
// template file and loading its background image.
#include "designer/zk_dlg_designer_data.h"

#include "acad/command_line.h"
#include "host/files.h"
#include "host/list_utils.h"
#include "host/properties_list.h"
#include "host/settings.h"

namespace {

const wchar_t* const kControlKeys[] = {L"type", L"topLeftX", L"topLeftY", L"bottomRightX", L"bottomRightY",
                                       L"contents", L"comboList"};

// The kind each key of a control must have.
Zk_PropertiesList::Kind kindOfKey(int keyIndex) {
    if (keyIndex == 0) return Zk_PropertiesList::Kind::Int;
    if (keyIndex <= 4) return Zk_PropertiesList::Kind::Double;
    return Zk_PropertiesList::Kind::String;
}

const wchar_t* kindName(Zk_PropertiesList::Kind kind) {
    switch (kind) {
    case Zk_PropertiesList::Kind::Int: return L"an int";
    case Zk_PropertiesList::Kind::Double: return L"a double";
    default: return L"a string";
    }
}

// "<path>, line N: " or "<path>: " when the line is not known.
Zk_String where(const Zk_String& path, int line) {
    return line > 0 ? path + L", line " + Zk_String(line) + L": " : path + L": ";
}

bool hasParentStep(const Zk_String& relative) {
    for (const Zk_String& part : strToArr(relative, L"\\", true))
        if (part == L"..") return true;
    return false;
}

Zk_String withBackslashes(Zk_String path) {
    path.replace(L"/", L"\\");
    return path;
}

// The image with white made black, and its mask: white where the image was white.
void makeMask(win::Surface& image, win::Surface& mask) {
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    mask = win::Surface(image.width(), image.height(), RGB(0, 0, 0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kWhite) {
                mask.setPixel(x, y, kWhite);
                image.setPixel(x, y, RGB(0, 0, 0));
            }
}

bool loadImage(const Zk_String& path, win::Surface& image, win::Surface& mask, Zk_String& error) {
    if (!fileExists(path)) {
        error = path + L": the background image does not exist";
        return false;
    }
    std::string reason;
    win::Surface loaded;
    if (!win::LoadBmpFile(path.wstr(), loaded, &reason) || loaded.empty()) {
        error = path + L": the background image cannot be read (" + Zk_String(reason) + L")";
        return false;
    }
    makeMask(loaded, mask);
    image = std::move(loaded);
    return true;
}

}  // namespace

Zk_String getDesignerRootFolder() {
    return addBackslash(gSettings.libDir) + L"Dialog Templates\\Dialog Design\\";
}

bool getNameFromFile(const Zk_String& path, Zk_String& name) {
    const Zk_String root = getDesignerRootFolder();
    const Zk_String full = withBackslashes(path);
    if (!full.startsWith(root, true) || full.length() <= root.length()) return false;
    const Zk_String relative = removeFileExtension(full.mid(root.length()));
    if (relative.isEmpty() || hasParentStep(relative)) return false;
    name = relative;
    return true;
}

void getModuleImages(Zk_StringArray& names) {
    names.removeAll();
    const Zk_String root = getDesignerRootFolder();
    Zk_StringArray files;
    if (!ObjectExportFindFilesRecursive(root, L"*.txt", files)) return;
    for (const Zk_String& file : files) {
        Zk_String name;
        if (getNameFromFile(file, name)) names.append(name);
    }
    sortStrings(names, true);
}

bool Zk_DlgDesignerData::fail(const Zk_String& error) {
    m_lastError = error;
    acutPrintf(L"*Error* %s\n", error.c_str());
    return false;
}

bool Zk_DlgDesignerData::readTemplate(const Zk_String& path, Zk_Array<Zk_DesignerControl>& out,
                                      Zk_String& error) const {
    Zk_PropertiesList list;
    if (!list.readFromFile(path, &error)) return false;
    int count = 0;
    Zk_PropertiesList::Kind kind;
    if (list.kindOf(L"nrOfControls", kind)) {
        const int line = list.lineOf(L"nrOfControls");
        if (kind != Zk_PropertiesList::Kind::Int) {
            error = where(path, line) + L"nrOfControls must be an int";
            return false;
        }
        list.getProperty(L"nrOfControls", count);
        if (count < 0 || count > kMaxTemplateControls) {
            error = where(path, line) + L"nrOfControls " + Zk_String(count) + L" is outside 0.." +
                    Zk_String(kMaxTemplateControls);
            return false;
        }
    }
    out.removeAll();
    for (int number = 0; number < count; ++number) {
        for (int k = 0; k < 7; ++k) {
            const Zk_String key = Zk_String(kControlKeys[k]) + Zk_String(number);
            if (!list.kindOf(key, kind)) continue;
            const Zk_PropertiesList::Kind wanted = kindOfKey(k);
            const bool ok = kind == wanted ||
                            (wanted == Zk_PropertiesList::Kind::Double && kind == Zk_PropertiesList::Kind::Int);
            if (!ok) {
                error = where(path, list.lineOf(key)) + key + L" must be " + kindName(wanted);
                return false;
            }
        }
        Zk_DesignerControl control;
        control.getFromPropList(list, number);
        out.append(control);
    }
    return true;
}

bool Zk_DlgDesignerData::readFromFile(const Zk_String& path, bool withBitmap) {
    m_lastError.clear();
    if (!fileExists(path)) return fail(path + L": the template does not exist");
    Zk_String name;
    if (!getNameFromFile(path, name))
        return fail(path + L": the template is not inside the template folder " + getDesignerRootFolder());
    Zk_Array<Zk_DesignerControl> read;
    Zk_String error;
    if (!readTemplate(path, read, error)) return fail(error);
    win::Surface image, mask;
    if (withBitmap && !loadImage(changeFileExtension(path, L"bmp"), image, mask, error)) return fail(error);

    templateName = name;
    controls.removeAll();
    for (const Zk_DesignerControl& control : read) append(control);
    if (withBitmap) {
        m_image = std::move(image);
        m_mask = std::move(mask);
        imageWidth = m_image.width();
        imageHeight = m_image.height();
    }
    return true;
}

bool Zk_DlgDesignerData::writeToFile(const Zk_String& path) {
    m_lastError.clear();
    const Zk_String oldName = templateName;
    Zk_String name;
    if (!getNameFromFile(path, name))
        return fail(path + L": a template can only be saved inside the template folder " +
                    getDesignerRootFolder());
    const Zk_String oldImage = getDesignerRootFolder() + oldName + L".bmp";
    const Zk_String newImage = changeFileExtension(path, L"bmp");
    createFolder(getFolder(path));
    if (!oldName.isEmpty() && !oldImage.equal(newImage, true) && fileExists(oldImage) &&
        !copyFile(oldImage, newImage, true))
        return fail(newImage + L": the background image cannot be copied here");
    getSizeFromAllControls();
    Zk_PropertiesList list;
    list.setProperty(L"nrOfControls", controls.length());
    for (int i = 0; i < controls.length(); ++i) controls[i].setToPropList(list, i);
    if (!list.writeToFile(path)) return fail(path + L": the template cannot be written");
    templateName = name;
    return true;
}

bool Zk_DlgDesignerData::attachBitmap(const Zk_String& path) {
    win::Surface image, mask;
    Zk_String error;
    if (!loadImage(path, image, mask, error)) {
        m_lastError = error;
        return false;
    }
    m_image = std::move(image);
    m_mask = std::move(mask);
    imageWidth = m_image.width();
    imageHeight = m_image.height();
    return true;
}

void Zk_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = initialized ? imageWidth : 0;
    height = initialized ? imageHeight : 0;
}
