#include "frame/tq_dlgs_mgr.h"

#include <cstdlib>
#include <memory>

#include "acad/main_window.h"
#include "engine/dlg_tq_standards.h"
#include "engine/km_dlg_standards_data.h"
#include "engine/standards_evaluator.h"
#include "frame/standards_launchers.h"
#include "frame_fixture.h"
#include "win/window.h"

using StandardsPool = FrameTest;

TEST_F(StandardsPool, HeldWindowsAreNotLentTwiceAndReleasedOnesAreReused) {
    KmTqDlgsMgr pool;
    void* first = pool.getDlg();
    ASSERT_NE(first, nullptr);
    auto* dlg = static_cast<CDlgTqStandards*>(first);
    EXPECT_TRUE(IsWindow(dlg->GetSafeHwnd()));
    EXPECT_FALSE(dlg->IsWindowVisible());
    EXPECT_EQ(dlg->GetParent()->GetSafeHwnd(), adsw_acadMainWnd());
    void* second = pool.getDlg();  // the first is still held: a second window
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(pool.length(), 2);
    EXPECT_EQ(pool.releaseDlg(first), Acad::eOk);
    EXPECT_EQ(pool.releaseDlg(second), Acad::eOk);
    EXPECT_FALSE(pool.isInUse(0));
    EXPECT_FALSE(pool.isInUse(1));
    EXPECT_EQ(pool.getDlg(), first);
    int notPooled = 0;
    EXPECT_EQ(pool.releaseDlg(&notPooled), Acad::eInvalidInput);
    EXPECT_EQ(pool.releaseDlg(nullptr), Acad::eInvalidInput);
    HWND a = static_cast<CDlgTqStandards*>(first)->GetSafeHwnd();
    pool.destroyAll();
    EXPECT_EQ(pool.length(), 0);
    EXPECT_FALSE(IsWindow(a));
}

TEST_F(StandardsPool, CopiesListTheWindowsWithoutOwningThem) {
    auto pool = std::make_unique<KmTqDlgsMgr>();
    void* dlg = pool->getDlg();
    ASSERT_NE(dlg, nullptr);
    HWND hwnd = static_cast<CDlgTqStandards*>(dlg)->GetSafeHwnd();
    EXPECT_TRUE(pool->owns(0));
    {
        KmTqDlgsMgr copy(*pool);
        EXPECT_EQ(copy.length(), 1);
        EXPECT_EQ(copy.dialogAt(0), dlg);
        EXPECT_TRUE(copy.isInUse(0));
        EXPECT_FALSE(copy.owns(0));
        KmTqDlgsMgr assigned;
        assigned = copy;
        EXPECT_EQ(assigned.dialogAt(0), dlg);
        assigned.destroyAll();  // forgets the window, destroys nothing
        EXPECT_EQ(assigned.length(), 0);
        EXPECT_TRUE(IsWindow(hwnd));
    }
    EXPECT_TRUE(IsWindow(hwnd));  // the copies are gone, the window is still the pool's
    EXPECT_EQ(pool->releaseDlg(dlg), Acad::eOk);
    // The pool that made it goes first; a copy still listing it is destroyed later
    // without touching it again.
    auto late = std::make_unique<KmTqDlgsMgr>(*pool);
    pool.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    late.reset();
}

TEST_F(StandardsPool, AnAssignmentKeepsTheWindowsTheTargetLentOut) {
    KmTqDlgsMgr target;
    void* lent = target.getDlg();
    void* spare = target.getDlg();
    ASSERT_NE(lent, nullptr);
    ASSERT_NE(spare, nullptr);
    ASSERT_EQ(target.releaseDlg(spare), Acad::eOk);
    const HWND lentWindow = static_cast<CDlgTqStandards*>(lent)->GetSafeHwnd();
    const HWND spareWindow = static_cast<CDlgTqStandards*>(spare)->GetSafeHwnd();
    KmTqDlgsMgr other;
    void* others = other.getDlg();
    ASSERT_NE(others, nullptr);
    ASSERT_EQ(other.releaseDlg(others), Acad::eOk);

    target = other;
    // The borrower still works with its window; the free one is gone.
    EXPECT_TRUE(IsWindow(lentWindow));
    EXPECT_FALSE(IsWindow(spareWindow));
    ASSERT_EQ(target.length(), 2);
    EXPECT_EQ(target.dialogAt(0), others);
    EXPECT_FALSE(target.owns(0));
    EXPECT_EQ(target.dialogAt(1), lent);
    EXPECT_TRUE(target.owns(1));
    EXPECT_TRUE(target.isInUse(1));
    // The listed window of the other pool is lent like any other, the own one comes back.
    EXPECT_EQ(target.getDlg(), others);
    EXPECT_EQ(target.releaseDlg(others), Acad::eOk);
    EXPECT_EQ(target.releaseDlg(lent), Acad::eOk);
    target.destroyAll();
    EXPECT_FALSE(IsWindow(lentWindow));
    EXPECT_TRUE(IsWindow(static_cast<CDlgTqStandards*>(others)->GetSafeHwnd()));  // the other pool's
    target = target;  // self-assignment changes nothing
    EXPECT_EQ(target.length(), 0);
}

TEST_F(StandardsPool, ThePoolHoldingWindowsAtExitIsDestroyedSafely) {
    // The module-wide pool still holds windows when the program ends: its destructor runs
    // among the other statics, in whatever order, without help from any of them.
    EXPECT_EXIT(
        {
            static KmTqDlgsMgr lateStatic;
            gTqDlgsMgr.getDlg();
            lateStatic = gTqDlgsMgr;
            lateStatic.getDlg();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(StandardsPool, FailedEvaluationReturnsTheWindowAndLeavesTheRecord) {
    gTqDlgsMgr.destroyAll();
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = L"Z:\\nonexistent\\standard.kms";
    data.macroName = L"kept";
    EXPECT_FALSE(StartDlgStandardsTq(data));
    EXPECT_EQ(data.macroName, L"kept");
    ASSERT_EQ(gTqDlgsMgr.length(), 1);
    EXPECT_FALSE(gTqDlgsMgr.isInUse(0));
    EXPECT_EQ(AfxGetResourceHandle(), m_callerResource);
}

TEST_F(StandardsPool, EvaluationWhileAWindowIsHeldUsesASecondWindow) {
    gTqDlgsMgr.destroyAll();
    void* held = gTqDlgsMgr.getDlg();
    ASSERT_NE(held, nullptr);
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = L"Z:\\nonexistent\\standard.kms";
    StartDlgStandardsTq(data);
    ASSERT_EQ(gTqDlgsMgr.length(), 2);
    EXPECT_TRUE(gTqDlgsMgr.isInUse(0));
    EXPECT_FALSE(gTqDlgsMgr.isInUse(1));
    EXPECT_EQ(gTqDlgsMgr.releaseDlg(held), Acad::eOk);
    EXPECT_FALSE(gTqDlgsMgr.isInUse(0));
}

TEST_F(StandardsPool, AttachInstallsTheEvaluatorAndDetachRemovesIt) {
    EXPECT_EQ(standardsEvaluator(), &StartDlgStandardsTq);
    DllMain(m_instance, DLL_PROCESS_DETACH, nullptr);
    EXPECT_EQ(standardsEvaluator(), nullptr);
    ASSERT_TRUE(DllMain(m_instance, DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(standardsEvaluator(), &StartDlgStandardsTq);
}
