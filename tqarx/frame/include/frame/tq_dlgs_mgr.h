// KmTqDlgsMgr: the pool of hidden CDlgTqStandards windows that serve as calculation
// engines. A caller takes a window (getDlg), uses it and gives it back (releaseDlg); the
// pool keeps every window it made until destroyAll (or its destructor).
//
// A pool owns only the windows it made itself. Copies (construction or assignment) list
// the other pool's windows without owning them, so destroying or emptying a copy never
// pulls a window from under the pool that made it, and nothing but the pool's own
// members is needed to destroy it (safe at exit in any order of destruction).
#pragma once

#include "acad/error_status.h"
#include "mfc/carray.h"

class KmTqDlgsMgr {
public:
    KmTqDlgsMgr();
    // Copies list the other pool's windows and their in-use flags, owning none of them.
    // An assignment destroys the target's own free windows; its own windows that are lent
    // out stay in it (owned and in use) until they come back and the pool is emptied.
    KmTqDlgsMgr(const KmTqDlgsMgr& other);
    KmTqDlgsMgr& operator=(const KmTqDlgsMgr& other);
    virtual ~KmTqDlgsMgr();

    // The first free window (now held), or a new one made from resource 253 with the CAD
    // host's main window as parent (modeless, not shown); null when none can be made.
    void* getDlg();
    // eOk when dlg is in the pool (it becomes free), else eInvalidInput.
    Acad::ErrorStatus releaseDlg(void* dlg);
    // Destroys every window the pool owns, last first, and empties the pool.
    void destroyAll();

    int length() const { return static_cast<int>(m_dialogs.GetSize()); }
    bool isInUse(int index) const;
    bool owns(int index) const;
    void* dialogAt(int index) const;

private:
    Acad::ErrorStatus destroyDlg(const int& index);

    CArray<void*, void*> m_dialogs;
    CArray<BOOL, BOOL> m_inUse;
    CArray<BOOL, BOOL> m_owned;  // parallel: made by this pool (destroyed with it)
};

extern KmTqDlgsMgr gTqDlgsMgr;
