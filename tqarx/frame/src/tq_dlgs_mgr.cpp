#include "frame/tq_dlgs_mgr.h"

#include <memory>

#include "acad/main_window.h"
#include "engine/dlg_tq_standards.h"

KmTqDlgsMgr gTqDlgsMgr;

KmTqDlgsMgr::KmTqDlgsMgr() {
    m_dialogs.SetSize(0, 8);
    m_inUse.SetSize(0, 8);
    m_owned.SetSize(0, 8);
}

KmTqDlgsMgr::KmTqDlgsMgr(const KmTqDlgsMgr& other) : KmTqDlgsMgr() { *this = other; }

KmTqDlgsMgr& KmTqDlgsMgr::operator=(const KmTqDlgsMgr& other) {
    if (this == &other) return *this;
    // Own windows lent out must outlive the assignment: the borrower still uses them.
    CArray<void*, void*> lent;
    for (INT_PTR i = m_dialogs.GetSize() - 1; i >= 0; --i) {
        if (m_owned[i] && m_inUse[i]) {
            lent.Add(m_dialogs[i]);
            m_dialogs.RemoveAt(i);
            m_inUse.RemoveAt(i);
            m_owned.RemoveAt(i);
        }
    }
    destroyAll();
    for (INT_PTR i = 0; i < other.m_dialogs.GetSize(); ++i) {
        m_dialogs.Add(other.m_dialogs[i]);
        m_inUse.Add(other.m_inUse[i]);
        m_owned.Add(FALSE);
    }
    for (INT_PTR i = lent.GetSize() - 1; i >= 0; --i) {
        m_dialogs.Add(lent[i]);
        m_inUse.Add(TRUE);
        m_owned.Add(TRUE);
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
    m_dialogs.Add(made);
    m_inUse.Add(TRUE);
    m_owned.Add(TRUE);
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
    m_dialogs.RemoveAll();
    m_inUse.RemoveAll();
    m_owned.RemoveAll();
}

Acad::ErrorStatus KmTqDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= length()) return Acad::eInvalidInput;
    void* entry = m_dialogs[index];
    if (entry == nullptr) return Acad::eInvalidInput;
    const int i = index;  // index may refer into our own storage
    const bool owned = i < m_owned.GetSize() && m_owned[i];
    m_dialogs.RemoveAt(i);
    if (i < m_inUse.GetSize()) m_inUse.RemoveAt(i);
    if (i < m_owned.GetSize()) m_owned.RemoveAt(i);
    if (owned) {
        auto* dlg = static_cast<CDlgTqStandards*>(entry);
        if (dlg->GetSafeHwnd()) dlg->DestroyWindow();
        delete dlg;
    }
    return Acad::eOk;
}

bool KmTqDlgsMgr::owns(int index) const {
    return index >= 0 && index < m_owned.GetSize() && m_owned[index] != FALSE;
}

bool KmTqDlgsMgr::isInUse(int index) const {
    return index >= 0 && index < m_inUse.GetSize() && m_inUse[index] != FALSE;
}

void* KmTqDlgsMgr::dialogAt(int index) const {
    return index >= 0 && index < length() ? m_dialogs[index] : nullptr;
}
