#include "sheeteditor/km_tq_settings.h"

#include <algorithm>
#include <vector>

#include "host/files.h"
#include "host/settings.h"
#include "spread/ss_api.h"
#include "win/registry.h"

namespace {

const wchar_t* const kHeaderFile = L"headerFile";
const wchar_t* const kFooterFile = L"footerFile";
const wchar_t* const kDefaultFont = L"defaultFont";
const wchar_t* const kDefaultTextHeight = L"defaultTextHeight";
const wchar_t* const kMarginLeft = L"marginLeft";
const wchar_t* const kMarginRight = L"marginRight";
const wchar_t* const kMarginTop = L"marginTop";
const wchar_t* const kMarginBottom = L"marginBottom";
const wchar_t* const kSmartPrint = L"smartPrint";
const wchar_t* const kColors = L"colors";
const wchar_t* const kColHeader = L"colHeader";
const wchar_t* const kRowHeader = L"rowHeader";
const wchar_t* const kCellSeperators = L"cellSeperators";
const wchar_t* const kBorder = L"border";
const wchar_t* const kVarNames = L"varNames";
const wchar_t* const kVarValues = L"varValues";

void readIndexed(const Zk_SimplePropsList& list, const wchar_t* key, Zk_StringArray& out) {
    out.clear();
    Zk_String value;
    for (int i = 0; list.getText(Zk_String(key) + Zk_String(i), value); ++i) out.append(value);
}

}  // namespace

KmTqSettings::KmTqSettings() { setDefaults(); }

void KmTqSettings::setDefaults() {
    valid = false;
    headerFile.clear();
    footerFile.clear();
    defaultFont = L"Tahoma";
    defaultTextHeight = 13;
    marginLeft = 9;
    marginRight = 5;
    marginTop = 5;
    marginBottom = 5;
    smartPrint = colors = colHeader = rowHeader = cellSeperators = border = true;
}

void KmTqSettings::loadFromList(const Zk_SimplePropsList& list) {
    Zk_String text;
    if (list.getText(kHeaderFile, text)) headerFile = text;
    if (list.getText(kFooterFile, text)) footerFile = text;
    if (list.getText(kDefaultFont, text)) defaultFont = text;
    const struct {
        const wchar_t* key;
        int* field;
    } ints[] = {{kDefaultTextHeight, &defaultTextHeight}, {kMarginLeft, &marginLeft}, {kMarginRight, &marginRight},
                {kMarginTop, &marginTop}, {kMarginBottom, &marginBottom}};
    for (const auto& i : ints) {
        int v = 0;
        if (list.getInt(i.key, v)) *i.field = v;
    }
    const struct {
        const wchar_t* key;
        bool* field;
    } flags[] = {{kSmartPrint, &smartPrint}, {kColors, &colors},   {kColHeader, &colHeader},
                 {kRowHeader, &rowHeader},   {kCellSeperators, &cellSeperators}, {kBorder, &border}};
    for (const auto& f : flags) {
        bool v = false;
        if (list.getBool(f.key, v)) *f.field = v;
    }
    readIndexed(list, kVarNames, varNames);
    readIndexed(list, kVarValues, varValues);
    const int pairs = std::min(varNames.length(), varValues.length());
    varNames.setLength(pairs);
    varValues.setLength(pairs);
}

Zk_SimplePropsList KmTqSettings::toList() const {
    Zk_SimplePropsList list;
    list.setText(kDefaultFont, defaultFont);
    list.setInt(kDefaultTextHeight, defaultTextHeight);
    list.setText(kHeaderFile, headerFile);
    list.setText(kFooterFile, footerFile);
    list.setInt(kMarginLeft, marginLeft);
    list.setInt(kMarginRight, marginRight);
    list.setInt(kMarginTop, marginTop);
    list.setInt(kMarginBottom, marginBottom);
    list.setBool(kSmartPrint, smartPrint);
    list.setBool(kColors, colors);
    list.setBool(kColHeader, colHeader);
    list.setBool(kRowHeader, rowHeader);
    list.setBool(kCellSeperators, cellSeperators);
    list.setBool(kBorder, border);
    for (int i = 0; i < varNames.length(); ++i) list.setText(Zk_String(kVarNames) + Zk_String(i), varNames[i]);
    for (int i = 0; i < varValues.length(); ++i) list.setText(Zk_String(kVarValues) + Zk_String(i), varValues[i]);
    return list;
}

void KmTqSettings::loadFromSheet(HWND hwnd) {
    setDefaults();
    valid = true;
    sheet = hwnd;
    std::wstring tag;
    if (!hwnd || !SSGetCellTag(hwnd, 0, 0, tag)) return;
    Zk_SimplePropsList list;
    list.fromText(Zk_String(std::move(tag)));
    loadFromList(list);
}

bool KmTqSettings::storeToSheet(HWND hwnd) const {
    if (!valid || !hwnd) return false;
    return SSSetCellTag(hwnd, 0, 0, toList().toText().c_str()) != FALSE;
}

bool KmTqSettings::loadFromFile(const Zk_String& settingsName) {
    setDefaults();
    valid = true;
    if (settingsName.isEmpty()) return false;
    Zk_SimplePropsList list;
    if (!list.readFile(settingsFilePath(settingsName))) return false;
    loadFromList(list);
    return true;
}

bool KmTqSettings::setVariables(HWND hwnd, const Zk_StringArray& names, const Zk_StringArray& values) {
    loadFromSheet(hwnd);
    varNames = names;
    varValues = values;
    return storeToSheet(hwnd);
}

Zk_String KmTqSettings::productFolder() {
    Zk_String folder = gSettings.zkDir;
    folder.replace(L"/", L"\\");
    if (!folder.isEmpty() && !folder.endsWith(L"\\")) folder += L'\\';
    return folder;
}

Zk_String KmTqSettings::settingsFilePath(const Zk_String& settingsName) {
    return productFolder() + settingsName + L".kmd";
}

// ---- registry ----

bool KmTqRegistrySets::readValue(const Zk_String& fullPath, Zk_String& value) {
    const int split = fullPath.findLast(L'\\');
    const Zk_String key = split < 0 ? Zk_String() : fullPath.left(split);
    const Zk_String name = split < 0 ? fullPath : fullPath.mid(split + 1);
    HKEY handle = nullptr;
    LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle);
    if (status != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(status));
        return false;
    }
    std::vector<BYTE> buffer(kBufferBytes, 0);
    DWORD type = REG_NONE;
    DWORD size = kBufferBytes;
    status = RegQueryValueExW(handle, name.c_str(), nullptr, &type, buffer.data(), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(status));
        return false;
    }
    if (type != REG_SZ) {
        SetLastError(static_cast<DWORD>(ERROR_INVALID_DATA));
        return false;
    }
    // The stored text up to its terminating null (or the end of what was read).
    const auto* chars = reinterpret_cast<const wchar_t*>(buffer.data());
    std::size_t count = std::min<std::size_t>(size, kBufferBytes) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < count && chars[length] != L'\0') ++length;
    value = Zk_String(std::wstring(chars, length));
    return true;
}

bool KmTqRegistrySets::read() {
    const Zk_String key(kKey);
    Zk_String value;
    bool ok = true;
    if (readValue(key + L"\\Language", value))
        language = value;
    else
        ok = false;
    if (readValue(key + L"\\Default Settings", value))
        defaultSettings = value;
    else
        ok = false;
    return ok;
}
