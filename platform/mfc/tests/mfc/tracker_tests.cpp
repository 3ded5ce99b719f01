// CRectTracker: handle geometry, hit tests, drawing, and moves, resizes and rubber bands
// driven by the scripted user's drags (with Ctrl or Shift held).
#include "mfc/scripted_user.h"
#include "recording_dialog.h"

namespace {

CRectTracker Outside(CRect r) { return CRectTracker(&r, CRectTracker::solidLine | CRectTracker::resizeOutside); }

TEST(TrackerGeometry, HandlesSitOutsideTheRectangleAndHitTestFindsEach) {
    CRectTracker t = Outside(CRect(100, 100, 200, 160));
    t.m_nHandleSize = 5;
    EXPECT_EQ(t.GetHandleMask(), 0xFFu);
    CRect h;
    ASSERT_TRUE(t.GetHandleRect(CRectTracker::hitTopLeft, &h));
    EXPECT_EQ(h, CRect(95, 95, 100, 100));
    ASSERT_TRUE(t.GetHandleRect(CRectTracker::hitBottomRight, &h));
    EXPECT_EQ(h, CRect(200, 160, 205, 165));
    ASSERT_TRUE(t.GetHandleRect(CRectTracker::hitRight, &h));
    EXPECT_EQ(h, CRect(200, 128, 205, 133));
    for (int handle = 0; handle < 8; ++handle) {
        ASSERT_TRUE(t.GetHandleRect(handle, &h));
        EXPECT_EQ(t.HitTest(h.CenterPoint()), handle) << "handle " << handle;
    }
    EXPECT_EQ(t.HitTest(CPoint(150, 130)), CRectTracker::hitMiddle);
    EXPECT_EQ(t.HitTest(CPoint(90, 130)), CRectTracker::hitNothing);
    EXPECT_EQ(t.HitTest(CPoint(199, 159)), CRectTracker::hitMiddle) << "the last pixel inside";
    CRect whole;
    t.GetTrueRect(&whole);
    EXPECT_EQ(whole, CRect(95, 95, 205, 165)) << "the rectangle with its handles";
}

TEST(TrackerGeometry, InsideHandlesAndNoHandlesWithoutAResizeStyle) {
    CRect r(0, 0, 60, 60);
    CRectTracker inside(&r, CRectTracker::resizeInside);
    inside.m_nHandleSize = 6;
    CRect h;
    ASSERT_TRUE(inside.GetHandleRect(CRectTracker::hitBottomRight, &h));
    EXPECT_EQ(h, CRect(54, 54, 60, 60));
    CRectTracker plain(&r, CRectTracker::solidLine);
    EXPECT_EQ(plain.GetHandleMask(), 0u);
    EXPECT_FALSE(plain.GetHandleRect(0, &h));
    EXPECT_EQ(plain.HitTest(CPoint(0, 0)), CRectTracker::hitMiddle);
}

TEST(TrackerGeometry, ASmallRectangleKeepsOnlyItsCornerHandles) {
    CRectTracker t = Outside(CRect(10, 10, 22, 60));  // 12 wide: no room for top and bottom middles
    t.m_nHandleSize = 5;
    UINT mask = t.GetHandleMask();
    EXPECT_EQ(mask & 0x0Fu, 0x0Fu);
    EXPECT_FALSE(mask & (1u << CRectTracker::hitTop));
    EXPECT_FALSE(mask & (1u << CRectTracker::hitBottom));
    EXPECT_TRUE(mask & (1u << CRectTracker::hitLeft));
    EXPECT_EQ(t.HitTest(CPoint(16, 7)), CRectTracker::hitNothing) << "where the top handle would be";
}

TEST(TrackerGeometry, AnInvertedRectangleReportsTheHandleAsTheUserSeesIt) {
    CRect r(200, 160, 100, 100);  // right < left, bottom < top
    CRectTracker t(&r, CRectTracker::resizeOutside);
    t.m_nHandleSize = 5;
    EXPECT_EQ(t.NormalizeHit(CRectTracker::hitTopLeft), CRectTracker::hitBottomRight);
    EXPECT_EQ(t.NormalizeHit(CRectTracker::hitRight), CRectTracker::hitLeft);
    EXPECT_EQ(t.NormalizeHit(CRectTracker::hitMiddle), CRectTracker::hitMiddle);
}

TEST(TrackerGeometry, DrawPaintsTheFrameAndTheHandlesWhereHitTestFindsThem) {
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(nullptr, 100, 100);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 100, 100, RGB(255, 255, 255));
    CRectTracker t = Outside(CRect(20, 20, 60, 50));
    t.m_nHandleSize = 5;
    t.Draw(&dc);
    CRect h;
    t.GetHandleRect(CRectTracker::hitBottomLeft, &h);
    EXPECT_EQ(dc.GetPixel(h.left, h.top), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(h.right - 1, h.bottom - 1), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(30, 20), RGB(0, 0, 0)) << "the top edge";
    EXPECT_EQ(dc.GetPixel(40, 35), RGB(255, 255, 255)) << "the inside stays";
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(255, 255, 255));
}

// A small layout canvas as the designer builds it: two control rectangles, selection by
// click (Ctrl toggles, Shift adds), a drag moves or sizes the selection, a drag beside them
// draws a rubber band.
class CCanvasDlg : public CRecordingDlg {
public:
    CRectTracker items[2];
    bool selected[2] = {false, false};
    std::vector<std::string> seen;
    CCanvasDlg() {
        for (auto& t : items) {
            t.m_nStyle = CRectTracker::solidLine | CRectTracker::resizeOutside;
            t.m_nHandleSize = 5;
        }
        items[0].m_rect = CRect(20, 20, 80, 50);
        items[1].m_rect = CRect(120, 20, 180, 50);
    }
    void OnLButtonDown(UINT flags, CPoint pt) override {
        bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
        seen.push_back(std::string(ctrl ? "ctrl " : "") + (shift ? "shift " : "") +
                       ((flags & MK_CONTROL) ? "flag-ctrl" : "no-flag"));
        for (int i = 0; i < 2; ++i) {
            int hit = items[i].HitTest(pt);
            if (hit < 0) continue;
            if (ctrl) selected[i] = !selected[i];
            else if (shift) selected[i] = true;
            else {
                if (!selected[i]) selected[0] = selected[1] = false;
                selected[i] = true;
                items[i].Track(this, pt);
            }
            return;
        }
        if (ctrl || shift) return;
        selected[0] = selected[1] = false;
        CRectTracker band;
        if (band.TrackRubberBand(this, pt, TRUE)) {
            band.m_rect.NormalizeRect();
            for (int i = 0; i < 2; ++i) {
                CRect both;
                both.IntersectRect(band.m_rect, items[i].m_rect);
                selected[i] = both == items[i].m_rect;
            }
        }
    }
};

class TrackerTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        mfc::DialogTemplate t;
        t.caption = L"Canvas";
        t.cx = 200;
        t.cy = 120;
        t.defPushButton(IDOK, L"OK", 90, 100, 50, 14).pushButton(IDCANCEL, L"Cancel", 145, 100, 50, 14);
        RegisterRecordingDialog(t);
    }
    static CCanvasDlg& Canvas(CDialog& d) { return static_cast<CCanvasDlg&>(d); }
};

TEST_F(TrackerTest, DraggingTheMiddleMovesAndDraggingAHandleResizes) {
    ScriptedUser user;
    user.onDialog(L"Canvas")
        .drag(0, POINT{50, 35}, POINT{60, 45})
        .then([](CDialog& d) {
            EXPECT_EQ(Canvas(d).items[0].m_rect, CRect(30, 30, 90, 60));
            EXPECT_TRUE(Canvas(d).selected[0]);
            EXPECT_EQ(GetCapture(), nullptr) << "the drag released the mouse";
        })
        .drag(0, POINT{92, 62}, POINT{112, 52})  // the bottom-right handle
        .then([](CDialog& d) { EXPECT_EQ(Canvas(d).items[0].m_rect, CRect(30, 30, 110, 50)); })
        .drag(0, POINT{27, 40}, POINT{5, 40})  // the left handle
        .then([](CDialog& d) { EXPECT_EQ(Canvas(d).items[0].m_rect, CRect(8, 30, 110, 50)); })
        .cancel();
    CCanvasDlg dlg;
    dlg.DoModal();
}

TEST_F(TrackerTest, ACtrlClickTogglesAShiftClickAddsAndNeitherMoves) {
    ScriptedUser user;
    user.onDialog(L"Canvas")
        .clickAt(0, POINT{50, 35})
        .clickAt(0, POINT{150, 35}, mfc::kShift)
        .then([](CDialog& d) {
            EXPECT_TRUE(Canvas(d).selected[0]);
            EXPECT_TRUE(Canvas(d).selected[1]);
        })
        .clickAt(0, POINT{50, 35}, mfc::kCtrl)
        .then([](CDialog& d) {
            EXPECT_FALSE(Canvas(d).selected[0]);
            EXPECT_TRUE(Canvas(d).selected[1]);
        })
        .drag(0, POINT{150, 35}, POINT{160, 45}, mfc::kCtrl)
        .then([](CDialog& d) { EXPECT_EQ(Canvas(d).items[1].m_rect, CRect(120, 20, 180, 50)) << "no move with Ctrl"; })
        .cancel();
    CCanvasDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.seen, (std::vector<std::string>{"no-flag", "shift no-flag", "ctrl flag-ctrl", "ctrl flag-ctrl"}));
}

TEST_F(TrackerTest, ARubberBandSelectsOnlyWhatLiesWhollyInsideIt) {
    ScriptedUser user;
    user.onDialog(L"Canvas")
        .drag(0, POINT{10, 10}, POINT{150, 60})  // all of the first, half of the second
        .then([](CDialog& d) {
            EXPECT_TRUE(Canvas(d).selected[0]);
            EXPECT_FALSE(Canvas(d).selected[1]);
        })
        .drag(0, POINT{195, 70}, POINT{100, 5})  // drawn backwards
        .then([](CDialog& d) {
            EXPECT_FALSE(Canvas(d).selected[0]);
            EXPECT_TRUE(Canvas(d).selected[1]);
        })
        .drag(0, POINT{195, 70}, POINT{100, 5}, mfc::kShift)  // beside everything with Shift: nothing
        .then([](CDialog& d) { EXPECT_TRUE(Canvas(d).selected[1]); })
        .cancel();
    CCanvasDlg dlg;
    dlg.DoModal();
}

TEST_F(TrackerTest, EscapeDuringADragPutsTheRectangleBackAndAMinimumSizeHolds) {
    ScriptedUser user;
    user.onDialog(L"Canvas")
        .then([](CDialog& d) {
            CRectTracker& t = Canvas(d).items[0];
            HWND h = d.m_hWnd;
            PostMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(70, 70));
            PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(h, WM_LBUTTONUP, 0, PointToLParam(70, 70));
            EXPECT_FALSE(t.Track(&d, CPoint(50, 35)));
            EXPECT_EQ(t.m_rect, CRect(20, 20, 80, 50));
            win::PumpMessages();  // the release after Escape goes to the window as usual
            t.m_sizeMin = CSize(10, 10);
            PostMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(25, 25));
            PostMessageW(h, WM_LBUTTONUP, 0, PointToLParam(25, 25));
            EXPECT_TRUE(t.Track(&d, CPoint(82, 52)));  // the bottom-right handle, almost onto the top-left
            EXPECT_EQ(t.m_rect, CRect(20, 20, 30, 30)) << "not smaller than the minimum";
        })
        .cancel();
    CCanvasDlg dlg;
    dlg.DoModal();
}

TEST_F(TrackerTest, SetCursorPicksTheHandleUnderTheMouse) {
    ScriptedUser user;
    user.onDialog(L"Canvas")
        .mouseMove(0, POINT{82, 52})
        .then([](CDialog& d) {
            CRectTracker& t = Canvas(d).items[0];
            EXPECT_TRUE(t.SetCursor(&d, HTCLIENT));
            EXPECT_EQ(t.m_lastCursorHit, CRectTracker::hitBottomRight);
            EXPECT_FALSE(t.SetCursor(&d, HTCAPTION));
        })
        .mouseMove(0, POINT{5, 90})
        .then([](CDialog& d) {
            EXPECT_FALSE(Canvas(d).items[0].SetCursor(&d, HTCLIENT));
            EXPECT_EQ(Canvas(d).items[0].m_lastCursorHit, CRectTracker::hitNothing);
        })
        .cancel();
    CCanvasDlg dlg;
    dlg.DoModal();
}

}  // namespace
