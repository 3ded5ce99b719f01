#include "macrodlg/macro_combo_values.h"

#include "host/files.h"
#include "host/macro_prof_records.h"
#include "host/settings.h"
#include "host/texts.h"
#include "win/window.h"

namespace {
constexpr wchar_t kDegree[] = L"\u00B0";

bool isCombo(HWND wnd) {
    wchar_t name[32] = {};
    ::GetClassNameW(wnd, name, 32);
    return Zk_String(name).equal(L"ComboBox", true);
}

Zk_String windowText(HWND wnd) {
    const int length = ::GetWindowTextLengthW(wnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::GetWindowTextW(wnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return Zk_String(text);
}

Zk_String comboItem(HWND combo, int index) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return Zk_String();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Zk_String(text);
}

bool isDropList(HWND combo) { return (::GetWindowLongPtrW(combo, GWL_STYLE) & 0x3) == 0x3; }
}  // namespace

int indexIn(const Zk_StringArray& items, const Zk_String& text) {
    int index = -1;
    return items.find(text, index) ? index : -1;
}

Zk_String controlText(HWND wnd) {
    if (!wnd) return Zk_String();
    if (isCombo(wnd) && isDropList(wnd)) {
        const int sel = static_cast<int>(::SendMessageW(wnd, CB_GETCURSEL, 0, 0));
        return sel < 0 ? Zk_String() : comboItem(wnd, sel);
    }
    return windowText(wnd);
}

void fillCombo(HWND combo, const Zk_StringArray& items) {
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const Zk_String& item : items) ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void selectComboItem(HWND combo, int index) { ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void showInControl(HWND wnd, const Zk_String& value, const Zk_StringArray* items) {
    if (!wnd) return;
    if (!isCombo(wnd)) {
        ::SetWindowTextW(wnd, value.c_str());
        return;
    }
    if (items) fillCombo(wnd, *items);
    LRESULT at = ::SendMessageW(wnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
    if (at < 0 && isDropList(wnd)) {
        at = ::SendMessageW(wnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value.c_str()));
    }
    if (at >= 0) ::SendMessageW(wnd, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    if (!isDropList(wnd)) ::SetWindowTextW(wnd, value.c_str());
}

Zk_StringArray rotationItems() {
    return Zk_StringArray{Zk_String(L"0") + kDegree, Zk_String(L"90") + kDegree, Zk_String(L"180") + kDegree,
                          Zk_String(L"270") + kDegree, macroKeepText()};
}

Zk_String rotationShown(const Zk_String& rotation) {
    for (const wchar_t* r : {L"0", L"90", L"180", L"270"})
        if (rotation == r) return rotation + kDegree;
    return rotation;
}

Zk_String rotationValue(const Zk_String& shown) {
    Zk_String value = shown.trimmed();
    if (value.endsWith(kDegree)) value = value.left(value.length() - 1).trimmed();
    return value;
}

Zk_String fittedButtonText(const Zk_String& text, HWND button) {
    RECT r{};
    if (button) ::GetClientRect(button, &r);
    const Zk_StringArray languages = gMacroLangs.GetAllLanguages();
    const bool language4 = languages.length() >= 4 && languages[3] == gMacroLangs.GetCurLanguage();
    const int needed = text.length() * 4 * (language4 ? 8 : 1);
    return needed > r.right - r.left ? Zk_String(L"...") : text;
}

namespace {
Zk_String drawingFolder(const Zk_String& subFolder) {
    Zk_String folder = gSettings.libDir;
    if (!folder.isEmpty() && !folder.endsWith(L"\\")) folder += L"\\";
    folder += subFolder;
    if (!folder.isEmpty() && !folder.endsWith(L"\\")) folder += L"\\";
    return folder;
}
}  // namespace

Zk_StringArray drawingFileNames(const Zk_String& subFolder) {
    Zk_StringArray files, names;
    ObjectExportFindFiles(drawingFolder(subFolder), L"*.dwg", files);
    for (const Zk_String& f : files) names.append(getFileTitle(f));
    return names;
}

Zk_String drawingFilePath(const Zk_String& subFolder, const Zk_String& name) {
    return drawingFolder(subFolder) + name + L".dwg";
}
