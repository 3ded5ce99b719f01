// CLayoutKeeper: keeps the controls of a resizable dialog in place. fill records the
// dialog's rectangle and every child window; setFlags says per control how it follows a
// change of size; apply (called from the dialog's size handler after the default
// handling) moves and sizes them in one batch.
//
// Flags, horizontally and vertically: 0 scale with the dialog, kKeepSize | kKeepStart (3)
// stay fixed, kKeepSize | kFollowEnd (5) move with the far edge, kKeepStart | kFollowEnd
// (6) stretch.
#pragma once

#include "host/zk_array.h"
#include "mfc/geometry.h"
#include "win/types.h"

class CWnd;

class CLayoutKeeper {
public:
    enum Flags { kKeepSize = 1, kKeepStart = 2, kFollowEnd = 4 };

    struct Entry {
        HWND hwnd = nullptr;
        RECT rect{};  // in the dialog's client coordinates when recorded
        int horizontal = 0;
        int vertical = 0;
    };

    CLayoutKeeper() = default;
    virtual ~CLayoutKeeper() = default;

    // Records the dialog and its child windows (tool bars left out).
    void fill(CWnd* dialog);
    // False when the control is not among the recorded ones.
    bool setFlags(int controlId, int horizontal, int vertical);
    void apply();

    const Zk_Array<Entry>& entries() const { return m_entries; }
    // One coordinate pair laid out: start and end as recorded, the recorded extent
    // (w0) and the present one (w).
    static void layOut(int flags, int start, int end, int w0, int w, int& newStart, int& newEnd);

private:
    HWND m_dialog = nullptr;
    RECT m_rect{};
    Zk_Array<Entry> m_entries;
};
