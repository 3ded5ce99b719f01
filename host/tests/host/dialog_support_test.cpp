#include "host/dialog_support.h"

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "temp_folder.h"
#include "win/module.h"
#include "win/window.h"

namespace {
class DialogState : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TQ_DLGSTATE_DIR", m_dir.host().string().c_str(), 1); }
    void TearDown() override { ::unsetenv("TQ_DLGSTATE_DIR"); }
    TempFolder m_dir;
};

constexpr UINT kTestDialog = 9901;

void registerTestDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Resizable";
    t.cx = 200;
    t.cy = 100;
    t.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
    t.listBox(10, 7, 7, 100, 60).pushButton(1, L"OK", 143, 79, 50, 14).edit(11, 110, 7, 83, 14);
    mfc::RegisterDialogTemplate(GetModuleHandleW(nullptr), kTestDialog, t);
}
}  // namespace

TEST_F(DialogState, SizesAndFlagsPersistPerUpperCaseKey) {
    RECT r{};
    EXPECT_FALSE(getDlgSize(L"DLG_GENVARS", r));
    ASSERT_TRUE(writeDlgRect(L"dlg_genvars", RECT{10, 20, 410, 320}));
    ASSERT_TRUE(getDlgSize(L"DLG_GENVARS", r));
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom, 320);
    int w = 0, h = 0;
    ASSERT_TRUE(getDlgSize(L"Dlg_GenVars", w, h));
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 300);

    EXPECT_TRUE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));  // default
    ASSERT_TRUE(writeDlgRegBool(L"dlg_select_macro", L"Large_Dlg", false));
    EXPECT_FALSE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));
    EXPECT_FALSE(writeDlgRegBool(L"DLG_SELECT_MACRO", L"rect", true));  // reserved name
    // Other keys are untouched by writes.
    ASSERT_TRUE(getDlgSize(L"DLG_GENVARS", r));
    Zk_String text;
    ASSERT_TRUE(writeDlgRegString(L"DLG_DSTV_POINTS", L"FILE", L"C:\\a\tb.txt"));
    ASSERT_TRUE(readDlgRegString(L"DLG_DSTV_POINTS", L"FILE", text));
    EXPECT_EQ(text, L"C:\\a b.txt");
}

TEST_F(DialogState, DamagedEntriesAreIgnored) {
    std::ofstream(m_dir.host() / "dialogs.txt") << "DLG_A\tRECT\t1 2 x 4\nDLG_B\tRECT\t50 50 10 10\ngarbage\n"
                                                   "DLG_C\tFLAG\tmaybe\n";
    RECT r{};
    EXPECT_FALSE(getDlgSize(L"DLG_A", r));
    EXPECT_FALSE(getDlgSize(L"DLG_B", r));  // upside down
    EXPECT_TRUE(readDlgRegBool(L"DLG_C", L"FLAG", true));
    EXPECT_TRUE(writeDlgRegBool(L"DLG_D", L"X", true));  // a damaged file is rewritten sound
    EXPECT_TRUE(readDlgRegBool(L"DLG_D", L"X", false));
}

TEST_F(DialogState, ChangeAndWriteDlgSizeRoundTripWithAMinimum) {
    registerTestDialog();
    CDialog dlg(kTestDialog);
    ASSERT_TRUE(dlg.Create(kTestDialog));
    EXPECT_FALSE(ChangeDlgSize(&dlg, L"DLG_TEST"));
    dlg.MoveWindow(30, 40, 500, 260);
    ASSERT_TRUE(WriteDlgSize(&dlg, L"DLG_TEST"));
    dlg.MoveWindow(0, 0, 100, 100);
    ASSERT_TRUE(ChangeDlgSize(&dlg, L"dlg_test"));
    RECT r;
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.right - r.left, 500);
    ASSERT_TRUE(ChangeDlgSize(&dlg, L"DLG_TEST", 600, 200));
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 260);
    EXPECT_FALSE(ChangeDlgSize(nullptr, L"DLG_TEST"));
    dlg.DestroyWindow();
}

TEST(Resizer, AnchoredControlsFollowTheirEdges) {
    registerTestDialog();
    CDialog dlg(kTestDialog);
    ASSERT_TRUE(dlg.Create(kTestDialog));
    const auto clientRectOf = [&](int id) {
        RECT r;
        dlg.GetDlgItem(id)->GetWindowRect(&r);
        dlg.ScreenToClient(&r);
        return r;
    };
    const RECT list0 = clientRectOf(10), ok0 = clientRectOf(1), edit0 = clientRectOf(11);
    // List: stretches right and down. OK: keeps its distance to the right and bottom
    // edges and its size. Edit: left follows the list's right edge, keeps its width.
    const CResizer::Anchor anchors[] = {
        {10, {1, 0, 1}, {1, 0, 2}, {1, 0, 3}, {1, 0, 4}},
        {1, {3, 0, 0}, {4, 0, 0}, {1, 0, 3}, {1, 0, 4}},
        {11, {1, 10, 3}, {1, 0, 2}, {3, 0, 0}, {4, 0, 0}},
    };
    CResizer resizer;
    ASSERT_TRUE(resizer.init(&dlg, anchors, 3));
    RECT w;
    dlg.GetWindowRect(&w);
    dlg.MoveWindow(w.left, w.top, (w.right - w.left) + 40, (w.bottom - w.top) + 30);
    resizer.move();
    const RECT list1 = clientRectOf(10), ok1 = clientRectOf(1), edit1 = clientRectOf(11);
    EXPECT_EQ(list1.left, list0.left);
    EXPECT_EQ(list1.right, list0.right + 40);
    EXPECT_EQ(list1.bottom, list0.bottom + 30);
    EXPECT_EQ(ok1.left, ok0.left + 40);
    EXPECT_EQ(ok1.top, ok0.top + 30);
    EXPECT_EQ(ok1.right - ok1.left, ok0.right - ok0.left);
    EXPECT_EQ(edit1.left, edit0.left + 40);
    EXPECT_EQ(edit1.right - edit1.left, edit0.right - edit0.left);
    EXPECT_EQ(edit1.top, edit0.top);
    CResizer unset;
    EXPECT_FALSE(unset.init(nullptr, anchors, 3));
    unset.move();  // harmless
    dlg.DestroyWindow();
}

TEST(ResourceOverride, SwitchesOnlyWhenNeededAndRestoresWhatItSwitched) {
    const HINSTANCE caller = AfxGetResourceHandle();
    const HINSTANCE module = win::ModuleFromAddress(reinterpret_cast<const void*>(&dialogStateFile));
    ASSERT_NE(module, nullptr);
    ASSERT_NE(module, caller);
    KmTempResourceOverride::SaveDefaultResource(nullptr);
    {
        KmTempResourceOverride o;
        EXPECT_FALSE(o.SetDefaultResource());  // nothing saved
    }
    KmTempResourceOverride::SaveDefaultResource(module);
    {
        KmTempResourceOverride o;
        EXPECT_TRUE(o.SetDefaultResource());
        EXPECT_FALSE(o.SetDefaultResource());  // switched already
        EXPECT_EQ(AfxGetResourceHandle(), module);
        {
            KmTempResourceOverride nested;
            EXPECT_FALSE(nested.SetDefaultResource());  // current already: nothing to undo
            nested.RestoreOriginalResource();
            EXPECT_EQ(AfxGetResourceHandle(), module);
        }
        // The destructor restores.
    }
    EXPECT_EQ(AfxGetResourceHandle(), caller);
    KmTempResourceOverride o;
    o.RestoreOriginalResource();  // never switched: nothing happens
    EXPECT_EQ(AfxGetResourceHandle(), caller);
    KmTempResourceOverride::SaveDefaultResource(nullptr);
}
