// KmTqDlgsMgr: the pool of hidden CDlgTqStandards windows that serve as calculation
// engines. A caller takes a window (getDlg), uses it and gives it back (releaseDlg); the
// pool keeps every window it made until destroyAll (or its destructor).
#pragma once

#include "acad/error_status.h"
#include "mfc/carray.h"

class KmTqDlgsMgr {
public:
    KmTqDlgsMgr();
    // Copies share the windows: both arrays are copied element by element. A window is
    // destroyed only by the last pool that still holds it, so destroying a copy never
    // pulls a window from under another pool.
    KmTqDlgsMgr(const KmTqDlgsMgr& other);
    KmTqDlgsMgr& operator=(const KmTqDlgsMgr& other);
    virtual ~KmTqDlgsMgr();

    // The first free window (now held), or a new one made from resource 253 with the CAD
    // host's main window as parent (modeless, not shown); null when none can be made.
    void* getDlg();
    // eOk when dlg is in the pool (it becomes free), else eInvalidInput.
    Acad::ErrorStatus releaseDlg(void* dlg);
    // Destroys every window, last first, and empties the pool.
    void destroyAll();

    int length() const { return static_cast<int>(m_dialogs.GetSize()); }
    bool isInUse(int index) const;
    void* dialogAt(int index) const;

private:
    Acad::ErrorStatus destroyDlg(const int& index);

    CArray<void*, void*> m_dialogs;
    CArray<BOOL, BOOL> m_inUse;
};

extern KmTqDlgsMgr gTqDlgsMgr;
