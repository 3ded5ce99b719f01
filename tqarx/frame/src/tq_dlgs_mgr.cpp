#include "frame/tq_dlgs_mgr.h"

#include <map>
#include <memory>

#include "acad/main_window.h"
#include "engine/dlg_tq_standards.h"

KmTqDlgsMgr gTqDlgsMgr;

namespace {
// How many pools hold each window: copies share windows, the last holder destroys it.
std::map<void*, int>& holders() {
    static std::map<void*, int> h;
    return h;
}
void hold(void* dlg) { ++holders()[dlg]; }
// True when the caller was the last holder.
bool drop(void* dlg) {
    auto it = holders().find(dlg);
    if (it == holders().end()) return true;
    if (--it->second > 0) return false;
    holders().erase(it);
    return true;
}
}  // namespace

KmTqDlgsMgr::KmTqDlgsMgr() {
    m_dialogs.SetSize(0, 8);
    m_inUse.SetSize(0, 8);
}

KmTqDlgsMgr::KmTqDlgsMgr(const KmTqDlgsMgr& other) : KmTqDlgsMgr() { *this = other; }

KmTqDlgsMgr& KmTqDlgsMgr::operator=(const KmTqDlgsMgr& other) {
    if (this == &other) return *this;
    for (void* dlg : other.m_dialogs) hold(dlg);
    destroyAll();
    for (INT_PTR i = 0; i < other.m_dialogs.GetSize(); ++i) {
        m_dialogs.Add(other.m_dialogs[i]);
        m_inUse.Add(other.m_inUse[i]);
    }
    return *this;
}

KmTqDlgsMgr::~KmTqDlgsMgr() { destroyAll(); }

void* KmTqDlgsMgr::getDlg() {
    for (INT_PTR i = 0; i < m_dialogs.GetSize(); ++i) {
        if (!m_inUse[i]) {
            m_inUse[i] = TRUE;
            return m_dialogs[i];
        }
    }
    auto dlg = std::make_unique<CDlgTqStandards>(CWnd::FromHandle(adsw_acadMainWnd()));
    if (!dlg->Create(CDlgTqStandards::IDD, CWnd::FromHandle(adsw_acadMainWnd()))) return nullptr;
    void* made = dlg.release();
    hold(made);
    m_dialogs.Add(made);
    m_inUse.Add(TRUE);
    return made;
}

Acad::ErrorStatus KmTqDlgsMgr::releaseDlg(void* dlg) {
    for (INT_PTR i = 0; i < m_dialogs.GetSize(); ++i) {
        if (m_dialogs[i] == dlg && dlg != nullptr) {
            m_inUse[i] = FALSE;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

void KmTqDlgsMgr::destroyAll() {
    for (int i = length() - 1; i >= 0; --i) destroyDlg(i);
    m_inUse.RemoveAll();
}

Acad::ErrorStatus KmTqDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= length()) return Acad::eInvalidInput;
    void* entry = m_dialogs[index];
    if (entry == nullptr) return Acad::eInvalidInput;
    const int i = index;  // index may refer into our own storage
    if (drop(entry)) {
        auto* dlg = static_cast<CDlgTqStandards*>(entry);
        if (dlg->GetSafeHwnd()) dlg->DestroyWindow();
        delete dlg;
    }
    m_dialogs.RemoveAt(i);
    if (i < m_inUse.GetSize()) m_inUse.RemoveAt(i);
    return Acad::eOk;
}

bool KmTqDlgsMgr::isInUse(int index) const {
    return index >= 0 && index < m_inUse.GetSize() && m_inUse[index] != FALSE;
}

void* KmTqDlgsMgr::dialogAt(int index) const {
    return index >= 0 && index < length() ? m_dialogs[index] : nullptr;
}
