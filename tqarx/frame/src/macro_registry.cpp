#include "frame/macro_registry.h"

#include <memory>
#include <utility>

#include "acad/command_line.h"
#include "acad/main_window.h"
#include "frame/launch.h"
#include "macrodlg/dlg_macro.h"
#include "mfc/carray.h"
#include "res/frame_ids.h"
#include "win/timer.h"
#include "win/window.h"

namespace {

constexpr UINT kDelayedCloseMs = 50;

// Slot i holds the modeless dialog opened under index i, or null.
CArray<CDlgMacro*, CDlgMacro*>& registry() {
    static CArray<CDlgMacro*, CDlgMacro*> r;
    return r;
}

struct DelayedClose {
    UINT_PTR timer;
    int index;
};
CArray<DelayedClose, const DelayedClose&>& delayed() {
    static CArray<DelayedClose, const DelayedClose&> d;
    return d;
}

bool isOccupied(int index) {
    return index >= 0 && index < registry().GetSize() && registry()[index] != nullptr;
}

void delayedCloseTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    acutPrintf(L"Delayed timer called.\n");
    auto& list = delayed();
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        if (list[i].timer != timer) continue;
        const int index = list[i].index;
        KillTimer(nullptr, timer);
        // Remove the pair first: a dialog still busy adds a fresh one.
        list.RemoveAt(i);
        EndDlgMacroModeless(index);
        return;
    }
}

// Dialogs closed from inside their own handlers: their windows are gone, the objects are
// deleted at the next registry call, once their handlers have returned.
CArray<CDlgMacro*, CDlgMacro*>& graveyard() {
    static CArray<CDlgMacro*, CDlgMacro*> g;
    return g;
}

void buryTheDead() {
    auto& dead = graveyard();
    while (dead.GetSize() > 0) {
        CDlgMacro* dlg = dead[dead.GetSize() - 1];
        dead.RemoveAt(dead.GetSize() - 1);
        delete dlg;
    }
}

// Forgets the pending delayed closes of a slot, so a later dialog in the same slot is
// not closed by an old timer.
void cancelDelayedCloses(int index) {
    auto& list = delayed();
    for (INT_PTR i = list.GetSize() - 1; i >= 0; --i) {
        if (list[i].index != index) continue;
        KillTimer(nullptr, list[i].timer);
        list.RemoveAt(i);
    }
}

// Frees slot index (its window destroyed already) and trims trailing free slots when it
// was the last one.
void freeSlot(int index) {
    auto& slots = registry();
    slots[index] = nullptr;
    cancelDelayedCloses(index);
    if (index == slots.GetSize() - 1) {
        while (slots.GetSize() > 0 && slots[slots.GetSize() - 1] == nullptr) slots.RemoveAt(slots.GetSize() - 1);
    }
}

// The user closed the dialog itself (its own button or close box).
void closeFromDialog(int index) {
    if (!isOccupied(index)) return;
    CDlgMacro* dlg = registry()[index];
    if (dlg->isBusy()) {
        EndDlgMacroModeless(index);  // deferred like any close of a busy dialog
        return;
    }
    freeSlot(index);
    graveyard().Add(dlg);
    if (dlg->GetSafeHwnd()) dlg->DestroyWindow();
    acedPostCommandPrompt();
}

}  // namespace

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& index) {
    buryTheDead();
    TqResourceScope resources;
    auto& slots = registry();
    int slot = -1;
    for (int i = static_cast<int>(slots.GetSize()) - 1; i >= 0; --i) {
        if (slots[i] == nullptr) {
            slot = i;
            break;
        }
    }
    CDlgMacro::setModelessCloseHandler(&closeFromDialog);
    CWnd* main = CWnd::FromHandle(adsw_acadMainWnd());
    auto dlg = std::make_unique<CDlgMacro>(main);
    const int newIndex = slot >= 0 ? slot : static_cast<int>(slots.GetSize());
    dlg->setIndex(newIndex);
    dlg->macroData() = data;
    if (!dlg->Create(CDlgMacro::IDD, main)) return false;
    dlg->ShowWindow(SW_SHOW);
    if (slot < 0) slots.Add(nullptr);
    slots[newIndex] = dlg.release();
    index = newIndex;
    if (!keepFocus && main) main->SetFocus();
    return true;
}

bool GetDlgMacroData(int index, MacroData& data) {
    if (!isOccupied(index)) return false;
    data = registry()[index]->macroData();
    return true;
}

bool EndDlgMacroModeless(int index) {
    buryTheDead();
    if (!isOccupied(index)) return false;
    CDlgMacro* dlg = registry()[index];
    if (dlg->isBusy()) {
        const UINT_PTR timer = SetTimer(nullptr, 0, kDelayedCloseMs, &delayedCloseTimer);
        if (timer == 0) return false;
        delayed().Add(DelayedClose{timer, index});
        return true;
    }
    if (dlg->GetSafeHwnd() && !dlg->DestroyWindow()) return false;
    delete dlg;
    freeSlot(index);
    acedPostCommandPrompt();
    return true;
}

void DestroyAllMacroDlgs() {
    for (int i = static_cast<int>(registry().GetSize()) - 1; i >= 0; --i) EndDlgMacroModeless(i);
}

void forceCloseAllMacroDlgs() {
    auto& list = delayed();
    for (const auto& pending : list) KillTimer(nullptr, pending.timer);
    list.RemoveAll();
    auto& slots = registry();
    for (INT_PTR i = slots.GetSize() - 1; i >= 0; --i) {
        CDlgMacro* dlg = slots[i];
        if (!dlg) continue;
        if (dlg->GetSafeHwnd()) dlg->DestroyWindow();
        delete dlg;
    }
    slots.RemoveAll();
    buryTheDead();
}

void StartDlgMacro(MacroData& data) {
    TqResourceScope resources;
    CDlgMacro dlg;
    dlg.macroData() = data;
    dlg.DoModal();
    data = dlg.macroData();
}

int macroDlgSlotCount() { return static_cast<int>(registry().GetSize()); }

CDlgMacro* macroDlgAt(int index) { return isOccupied(index) ? registry()[index] : nullptr; }

int pendingDelayedMacroCloses() { return static_cast<int>(delayed().GetSize()); }
