#include "host/dialog_support.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

#include "host/files.h"
#include "host/list_utils.h"
#include "host/settings.h"
#include "mfc/cwnd.h"
#include "mfc/resources.h"
#include "win/paths.h"

namespace {

HINSTANCE gDefaultResource = nullptr;

using StateKey = std::pair<Zk_String, Zk_String>;  // (upper-case dialog key, upper-case name)
using State = std::map<StateKey, Zk_String>;

Zk_String stateFileWin() {
    if (const char* dir = std::getenv("TQ_DLGSTATE_DIR"); dir && *dir)
        return addBackslash(Zk_String(WindowsPathFromHost(dir))) + L"dialogs.txt";
    if (gSettings.zkDir.isEmpty()) return {};
    return gSettings.zkDir + L"dialogs.txt";
}

// False when the file exists but cannot be read (too large, unreadable); a missing
// file is an empty state.
bool readState(State& state) {
    state.clear();
    Zk_Array<Zk_StringArray> rows;
    const Zk_String file = stateFileWin();
    if (file.isEmpty()) return true;
    if (!readFile(file, rows)) return !fileExists(file);
    for (const auto& row : rows)
        if (row.length() >= 3 && !row[0].isEmpty()) state[{row[0].toUpper(), row[1].toUpper()}] = row[2];
    return true;
}

State readState() {
    State state;
    readState(state);
    return state;
}

bool writeValue(const Zk_String& key, const Zk_String& name, const Zk_String& value) {
    const Zk_String file = stateFileWin();
    if (file.isEmpty() || key.isEmpty()) return false;
    // A file that exists but cannot be read is left alone rather than replaced by this
    // one value.
    State state;
    if (!readState(state)) return false;
    state[{key.toUpper(), name.toUpper()}] = value;
    Zk_Array<Zk_StringArray> rows;
    for (const auto& [k, v] : state) rows.append(Zk_StringArray{k.first, k.second, v});
    return writeFile(file, rows);
}

bool readValue(const Zk_String& key, const Zk_String& name, Zk_String& value) {
    const State state = readState();
    const auto it = state.find({key.toUpper(), name.toUpper()});
    if (it == state.end()) return false;
    value = it->second;
    return true;
}

}  // namespace

KmTempResourceOverride::~KmTempResourceOverride() { RestoreOriginalResource(); }

void KmTempResourceOverride::SaveDefaultResource(HINSTANCE module) { gDefaultResource = module; }

HINSTANCE KmTempResourceOverride::defaultResource() { return gDefaultResource; }

bool KmTempResourceOverride::SetDefaultResource() {
    if (m_switched || gDefaultResource == nullptr) return false;
    const HINSTANCE current = AfxGetResourceHandle();
    if (current == gDefaultResource) return false;
    m_previous = current;
    AfxSetResourceHandle(gDefaultResource);
    m_switched = true;
    return true;
}

void KmTempResourceOverride::RestoreOriginalResource() {
    if (!m_switched) return;
    AfxSetResourceHandle(m_previous);
    m_switched = false;
    m_previous = nullptr;
}

bool getDlgSize(const Zk_String& key, RECT& rect) {
    Zk_String value;
    if (!readValue(key, L"RECT", value)) return false;
    const Zk_StringArray parts = strToArr(value, L" ");
    if (parts.length() != 4) return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toInt(&ok);
        if (!ok) return false;
    }
    // A stored rectangle that is empty or upside down is not used.
    if (v[2] <= v[0] || v[3] <= v[1]) return false;
    rect = RECT{v[0], v[1], v[2], v[3]};
    return true;
}

bool getDlgSize(const Zk_String& key, int& width, int& height) {
    RECT r;
    if (!getDlgSize(key, r)) return false;
    width = r.right - r.left;
    height = r.bottom - r.top;
    return true;
}

bool ChangeDlgSize(CWnd* dlg, const Zk_String& key, int minWidth, int minHeight) {
    RECT r;
    if (!dlg || !dlg->GetSafeHwnd() || !getDlgSize(key, r)) return false;
    const int width = std::max<int>(r.right - r.left, minWidth);
    const int height = std::max<int>(r.bottom - r.top, minHeight);
    dlg->MoveWindow(r.left, r.top, width, height, TRUE);
    return true;
}

bool writeDlgRect(const Zk_String& key, const RECT& rect) {
    return writeValue(key, L"RECT",
                      Zk_String(static_cast<int>(rect.left)) + L" " + Zk_String(static_cast<int>(rect.top)) + L" " +
                          Zk_String(static_cast<int>(rect.right)) + L" " + Zk_String(static_cast<int>(rect.bottom)));
}

bool WriteDlgSize(CWnd* dlg, const Zk_String& key) {
    if (!dlg || !dlg->GetSafeHwnd()) return false;
    RECT r;
    dlg->GetWindowRect(&r);
    return writeDlgRect(key, r);
}

bool readDlgRegBool(const Zk_String& key, const Zk_String& name, bool defaultValue) {
    Zk_String value;
    if (!readValue(key, name, value)) return defaultValue;
    if (value == L"1") return true;
    if (value == L"0") return false;
    return defaultValue;
}

bool writeDlgRegBool(const Zk_String& key, const Zk_String& name, bool value) {
    if (name.toUpper() == L"RECT") return false;  // reserved for the window rectangle
    return writeValue(key, name, value ? Zk_String(L"1") : Zk_String(L"0"));
}

Zk_String dialogStateFile() {
    const Zk_String file = stateFileWin();
    return file.isEmpty() ? file : Zk_String(HostPathFromWindows(file.wstr()));
}

bool readDlgRegString(const Zk_String& key, const Zk_String& name, Zk_String& value) {
    return readValue(key, name, value);
}

bool writeDlgRegString(const Zk_String& key, const Zk_String& name, const Zk_String& value) {
    if (name.toUpper() == L"RECT") return false;
    Zk_String clean = value;
    clean.replace(L"\t", L" ");
    clean.replace(L"\r", L" ");
    clean.replace(L"\n", L" ");
    return writeValue(key, name, clean);
}
