#include "frame/macro_registry.h"

#include "acad/main_window.h"
#include "frame_fixture.h"
#include "host/macro_model.h"
#include "macrodlg/dlg_macro.h"
#include "mfc/scripted_user.h"
#include "win/window.h"

namespace {
MacroData named(const wchar_t* caption) {
    MacroData d;
    d.caption = caption;
    return d;
}

int open(const wchar_t* caption, bool keepFocus = true) {
    MacroData d = named(caption);
    int index = -1;
    EXPECT_TRUE(StartDlgMacroModeless(keepFocus, d, index));
    return index;
}
}  // namespace

using MacroRegistry = FrameTest;

TEST_F(MacroRegistry, FreedSlotIsReusedAndClosingTheLastTrimsTrailingFreeSlots) {
    EXPECT_EQ(open(L"a"), 0);
    EXPECT_EQ(open(L"b"), 1);
    EXPECT_EQ(open(L"c"), 2);
    HWND second = macroDlgAt(1)->GetSafeHwnd();
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(macroDlgSlotCount(), 3);
    EXPECT_EQ(open(L"d"), 1);  // the highest free slot
    MacroData got;
    ASSERT_TRUE(GetDlgMacroData(1, got));
    EXPECT_EQ(got.caption, L"d");

    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_TRUE(EndDlgMacroModeless(2));  // the last slot: 1 and 2 both go
    EXPECT_EQ(macroDlgSlotCount(), 1);
    EXPECT_EQ(open(L"e"), 1);
    EXPECT_EQ(acad::CommandPromptPostCount(), 3);
}

TEST_F(MacroRegistry, UnknownIndexesAndFreeSlotsAreRefused) {
    MacroData data = named(L"kept");
    EXPECT_FALSE(GetDlgMacroData(0, data));
    EXPECT_FALSE(EndDlgMacroModeless(0));
    EXPECT_EQ(open(L"a"), 0);
    EXPECT_EQ(open(L"b"), 1);
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_FALSE(GetDlgMacroData(0, data));
    EXPECT_FALSE(GetDlgMacroData(-1, data));
    EXPECT_FALSE(GetDlgMacroData(2, data));
    EXPECT_FALSE(EndDlgMacroModeless(0));
    EXPECT_FALSE(EndDlgMacroModeless(7));
    EXPECT_EQ(data.caption, L"kept");
    EXPECT_EQ(acad::CommandLineText(), L"");  // nothing printed for refusals
}

TEST_F(MacroRegistry, DialogGetsACopyOfTheData) {
    MacroData data = named(L"first");
    int index = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, data, index));
    data.caption = L"changed by the caller";
    MacroData got;
    ASSERT_TRUE(GetDlgMacroData(index, got));
    EXPECT_EQ(got.caption, L"first");
    EXPECT_EQ(macroDlgAt(index)->GetParent()->GetSafeHwnd(), adsw_acadMainWnd());
}

TEST_F(MacroRegistry, WithoutKeepFocusTheMainWindowGetsTheFocus) {
    open(L"a", true);
    EXPECT_NE(GetFocus(), adsw_acadMainWnd());
    open(L"b", false);
    EXPECT_EQ(GetFocus(), adsw_acadMainWnd());
}

TEST_F(MacroRegistry, BusyDialogClosesFiftyMillisecondsLater) {
    const int index = open(L"busy");
    CDlgMacro* dlg = macroDlgAt(index);
    HWND hwnd = dlg->GetSafeHwnd();
    dlg->setBusy(true);
    EXPECT_TRUE(EndDlgMacroModeless(index));
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(pendingDelayedMacroCloses(), 1);
    win::AdvanceVirtualTime(49);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(acad::CommandLineText(), L"");
    // Still busy when the timer fires: the close waits another 50 ms.
    win::AdvanceVirtualTime(1);
    EXPECT_EQ(acad::CommandLineText(), L"Delayed timer called.\n");
    EXPECT_TRUE(IsWindow(hwnd));
    dlg->setBusy(false);
    win::AdvanceVirtualTime(50);
    EXPECT_EQ(acad::CommandLineText(), L"Delayed timer called.\nDelayed timer called.\n");
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(macroDlgSlotCount(), 0);
    EXPECT_EQ(pendingDelayedMacroCloses(), 0);
    EXPECT_EQ(win::ActiveTimerCount(), 0);
}

TEST_F(MacroRegistry, OldDelayedCloseNeverHitsALaterDialogInTheSameSlot) {
    const int index = open(L"busy");
    macroDlgAt(index)->setBusy(true);
    EXPECT_TRUE(EndDlgMacroModeless(index));
    macroDlgAt(index)->setBusy(false);
    EXPECT_TRUE(EndDlgMacroModeless(index));  // closed now, before the timer
    EXPECT_EQ(open(L"new"), index);
    win::AdvanceVirtualTime(100);
    EXPECT_NE(macroDlgAt(index), nullptr);
    EXPECT_EQ(win::ActiveTimerCount(), 0);
}

TEST_F(MacroRegistry, UserClosingTheDialogFreesItsSlot) {
    const int index = open(L"a");
    HWND hwnd = macroDlgAt(index)->GetSafeHwnd();
    ScriptedUser user;
    user.now(hwnd).click(1);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(macroDlgAt(index), nullptr);
    EXPECT_EQ(macroDlgSlotCount(), 0);
}

TEST_F(MacroRegistry, DestroyAllEndsEveryDialogAndUnloadEndsBusyOnesToo) {
    open(L"a");
    open(L"b");
    const int busy = open(L"c");
    macroDlgAt(busy)->setBusy(true);
    HWND busyWnd = macroDlgAt(busy)->GetSafeHwnd();
    DestroyAllMacroDlgs();
    EXPECT_EQ(macroDlgAt(0), nullptr);
    EXPECT_EQ(macroDlgAt(1), nullptr);
    EXPECT_TRUE(IsWindow(busyWnd));  // deferred
    acrxEntryPoint(AcRx::kUnloadAppMsg, m_instance);
    EXPECT_FALSE(IsWindow(busyWnd));
    EXPECT_EQ(win::ActiveTimerCount(), 0);
    EXPECT_EQ(macroDlgSlotCount(), 0);
}

TEST_F(MacroRegistry, ModalMacroDialogCopiesBackWhateverItReturns) {
    MacroData data = named(L"before");
    ScriptedUser user;
    user.onDialog(8131u).then([](CDialog& dlg) { static_cast<CDlgMacro&>(dlg).macroData().caption = L"edited"; }).close();
    StartDlgMacro(data);
    EXPECT_EQ(data.caption, L"edited");
    EXPECT_EQ(AfxGetResourceHandle(), m_callerResource);
}
