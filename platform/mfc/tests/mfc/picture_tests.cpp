// Pictures of framework dialogs: a template dialog drawn while the scripted user has it
// open, windows that paint themselves (a tracker with its handles), device-context text,
// icons with pixels, and the pictures a failing test leaves behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "mfc/afx.h"
#include "mfc/failure_pictures.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "mfc/window_picture.h"
#include "test_dialog.h"
#include "win/bitmap_font.h"
#include "win/render.h"

namespace {

namespace color = win::color;


RECT InPicture(HWND root, HWND child) {
    RECT d, c;
    GetWindowRect(root, &d);
    GetWindowRect(child, &c);
    return RECT{c.left - d.left, c.top - d.top, c.right - d.left, c.bottom - d.top};
}

TEST_F(MfcTest, TemplateDialogIsDrawnWhileTheUserHasItOpen) {
    CTestDlg dlg;
    dlg.data.kind = 2;
    win::Surface picture;
    RECT edit{}, combo{}, tabs{}, ok{};
    ScriptedUser user;
    win::Surface afterTab;
    user.onDialog(IDD_TEST)
        .then([&](CDialog& d) {
            picture = win::RenderWindow(d.GetSafeHwnd());
            edit = InPicture(d.GetSafeHwnd(), ::GetDlgItem(d.GetSafeHwnd(), IDC_NAME));
            combo = InPicture(d.GetSafeHwnd(), ::GetDlgItem(d.GetSafeHwnd(), IDC_KIND));
            tabs = InPicture(d.GetSafeHwnd(), ::GetDlgItem(d.GetSafeHwnd(), IDC_TABS));
            ok = InPicture(d.GetSafeHwnd(), ::GetDlgItem(d.GetSafeHwnd(), IDOK));
        })
        .selectTab(IDC_TABS, 1)
        .then([&](CDialog& d) { afterTab = win::RenderWindow(d.GetSafeHwnd()); })
        .cancel();
    dlg.DoModal();
    ASSERT_FALSE(picture.empty());
    // Sizes follow the template's dialog units: 260 x 200 units of 6/4 x 13/8 pixels plus
    // the frame (3 px a side) and the title bar.
    EXPECT_EQ(picture.width(), 260 * 6 / 4 + 6);
    EXPECT_EQ(picture.height(), 200 * 13 / 8 + 6 + kCaptionHeight);
    EXPECT_EQ(edit.left, 7 * 6 / 4 + 3);
    EXPECT_EQ(edit.top, 7 * 13 / 8 + 3 + kCaptionHeight);
    // The edit has the focus with its text "original" selected: white on the highlight.
    const RECT selected = picture.inkBox(edit, color::kHighlight);
    EXPECT_EQ(selected.left, edit.left + 3);
    EXPECT_EQ(selected.right - selected.left, 8 * win::kFontCellWidth);
    // The combo box shows "Beam", the third item.
    const RECT beam = picture.inkBox(RECT{combo.left, combo.top, combo.right - 20, combo.top + 21}, color::kText);
    EXPECT_EQ(beam.left, combo.left + 4);
    EXPECT_EQ(beam.right - beam.left, 4 * win::kFontCellWidth - 1);
    // OK is the default button (black frame), Cancel is not.
    EXPECT_EQ(picture.pixel(ok.left, ok.top), color::kText);
    // First the first tab is current (raised two pixels), after the pick the second one.
    const RECT firstTab{tabs.left + 2, tabs.top, tabs.left + 2 + 7 * 6 + 12, tabs.top + 22};
    EXPECT_EQ(picture.pixel(firstTab.left + 5, tabs.top), color::kLight);
    EXPECT_EQ(picture.pixel(firstTab.right + 5, tabs.top), color::kFace);
    ASSERT_FALSE(afterTab.empty());
    EXPECT_EQ(afterTab.pixel(firstTab.left + 5, tabs.top), color::kFace);
    EXPECT_EQ(afterTab.pixel(firstTab.right + 5, tabs.top), color::kLight);
}

// A view that paints itself: a tracker with its handles and a caption drawn as text.
class CTrackerView : public CWnd {
public:
    CRectTracker tracker{CRect(20, 20, 60, 50), CRectTracker::solidLine | CRectTracker::resizeOutside};
    int paints = 0;
    void OnPaint() override {
        ++paints;
        CPaintDC dc(this);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 255));
        dc.TextOut(2, 2, L"View");
        tracker.Draw(&dc);
    }
};

TEST_F(MfcTest, WindowsThatPaintThemselvesAreDrawnThroughTheirOnPaint) {
    static const bool registered = [] {
        WNDCLASSW wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = L"TestTrackerView";
        return RegisterClassW(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.ShowWindow(SW_SHOW);
    CTrackerView view;
    ASSERT_TRUE(view.CreateEx(0, L"TestTrackerView", L"", WS_CHILD | WS_VISIBLE, CRect(250, 160, 350, 240), &dlg, 0));
    const win::Surface picture = win::RenderWindow(dlg.GetSafeHwnd());
    EXPECT_EQ(view.paints, 1);
    const RECT v = InPicture(dlg.GetSafeHwnd(), view.GetSafeHwnd());
    // The tracker's frame, and its handles exactly as Draw makes them on a bitmap.
    EXPECT_EQ(picture.pixel(v.left + 20, v.top + 35), RGB(0, 0, 0));   // left side of the frame
    EXPECT_EQ(picture.pixel(v.left + 40, v.top + 35), color::kFace);   // inside
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 100, 80));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 100, 80, RGB(255, 255, 255));
    view.tracker.Draw(&memory);
    int black = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool ink = bitmap.surface()->pixel(x, y) == RGB(0, 0, 0);
            black += ink;
            if (ink) {
                ASSERT_EQ(picture.pixel(v.left + x, v.top + y), RGB(0, 0, 0)) << x << "," << y;
            }
        }
    EXPECT_GT(black, 2 * (40 + 30) + 8 * 4);  // the frame and more than a pixel per handle
    // Text drawn by TextOut: blue ink starting at (2, 2) in the bitmap font's cell.
    const RECT text = picture.inkBox(v, RGB(0, 0, 255));
    EXPECT_EQ(text.left, v.left + 2);
    EXPECT_EQ(text.top, v.top + 2 + win::kFontCapTop);
    // Outside a picture the view's device context draws nothing and keeps nothing.
    view.SendMessage(WM_PAINT, 0, 0);
    EXPECT_EQ(mfc::PictureBeingTaken(view.GetSafeHwnd()), nullptr);
}

TEST_F(MfcTest, IconsWithPicturesAreDrawnWithTheirPixelsOthersGenerically) {
    win::Surface arrow(16, 16, RGB(255, 0, 255));
    arrow.fill(RECT{4, 4, 12, 12}, RGB(0, 128, 0));
    mfc::RegisterIconPicture(AfxGetInstanceHandle(), 7001, arrow);
    mfc::RegisterIconResource(AfxGetInstanceHandle(), 7002, 16, 16);
    HICON withPixels = AfxLoadIcon(7001), without = AfxLoadIcon(7002);
    ASSERT_NE(withPixels, nullptr);
    EXPECT_EQ(mfc::IconSize(withPixels).cx, 16);
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.ShowWindow(SW_SHOW);
    auto* apply = static_cast<CButton*>(dlg.GetDlgItem(IDC_APPLY));
    apply->ModifyStyle(0, BS_ICON);
    apply->SetIcon(withPixels);
    win::Surface picture = win::RenderWindow(dlg.GetSafeHwnd());
    const RECT b = InPicture(dlg.GetSafeHwnd(), apply->GetSafeHwnd());
    const RECT green = picture.inkBox(b, RGB(0, 128, 0));
    EXPECT_EQ(green.right - green.left, 8);
    // Centred in the button.
    EXPECT_LE(std::abs((green.left - b.left) - (b.right - green.right)), 1);
    apply->SetIcon(without);
    picture = win::RenderWindow(dlg.GetSafeHwnd());
    EXPECT_EQ(picture.inkBox(b, RGB(0, 128, 0)).right, b.left);  // no green any more
    EXPECT_GT(picture.inkBox(b, color::kHighlight).right, b.left);  // the generic picture
    mfc::UnregisterModuleResources(AfxGetInstanceHandle());
    RegisterTestDialog();
}

TEST_F(MfcTest, AFailingTestLeavesPicturesOfTheOpenDialogs) {
    const auto dir = std::filesystem::temp_directory_path() / ("pictures_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    ::setenv("TEST_UNDECLARED_OUTPUTS_DIR", dir.string().c_str(), 1);
    EXPECT_EQ(mfc::FailurePictures::outputFolder(), dir.string());
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.ShowWindow(SW_SHOW);
    CTestDlg hidden;
    ASSERT_TRUE(hidden.Create(IDD_TEST));  // not shown: not pictured
    // A real failure, in a child process so that this test itself passes: the listener
    // draws the open dialog while GoogleTest reports the failure (a deadlock ends the child
    // by the alarm).
    const std::filesystem::path file = dir / "MfcTest.AFailingTestLeavesPicturesOfTheOpenDialogs-1.png";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(10);
        if (!std::freopen("/dev/null", "w", stdout)) ::_exit(4);  // keep the child's report quiet
        ADD_FAILURE() << "a deliberate failure in the child";
        const bool one = std::filesystem::exists(file) &&
                         !std::filesystem::exists(dir / "MfcTest.AFailingTestLeavesPicturesOfTheOpenDialogs-1-2.png");
        ::_exit(one ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child hung or crashed";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "no single picture was written";
    std::ifstream in(file, std::ios::binary);
    std::string head(8, '\0');
    in.read(head.data(), 8);
    EXPECT_EQ(head, std::string("\x89PNG\r\n\x1a\n", 8));
    // Successes leave nothing.
    mfc::FailurePictures& listener = mfc::InstallFailurePictures();
    listener.lastSaved.clear();
    listener.OnTestPartResult(::testing::TestPartResult(::testing::TestPartResult::kSuccess, __FILE__, __LINE__, ""));
    EXPECT_TRUE(listener.lastSaved.empty());
    ::unsetenv("TEST_UNDECLARED_OUTPUTS_DIR");
    std::filesystem::remove_all(dir);
}

}  // namespace

namespace {

// A button whose object draws its own picture: a green square, greyed when disabled.
class CSwatchButton : public CButton {
public:
    bool DrawPicture(win::Canvas& canvas, const win::PaintState& state) override {
        canvas.fill(RECT{0, 0, 8, 8}, state.disabled ? RGB(128, 128, 128) : RGB(0, 160, 0));
        return true;
    }
};

TEST_F(MfcTest, WindowObjectsCanDrawTheirOwnPicture) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.ShowWindow(SW_SHOW);
    CSwatchButton swatch;
    ASSERT_TRUE(swatch.SubclassDlgItem(IDC_APPLY, &dlg));
    win::Surface picture = win::RenderWindow(dlg.GetSafeHwnd());
    const RECT b = InPicture(dlg.GetSafeHwnd(), swatch.GetSafeHwnd());
    EXPECT_EQ(picture.pixel(b.left + 2, b.top + 2), RGB(0, 160, 0));
    // Nothing of the push button's own look (its text "Apply") is drawn.
    EXPECT_EQ(picture.inkBox(b, color::kText).right, b.left);
    swatch.EnableWindow(FALSE);
    picture = win::RenderWindow(dlg.GetSafeHwnd());
    EXPECT_EQ(picture.pixel(b.left + 2, b.top + 2), RGB(128, 128, 128));
    swatch.UnsubclassWindow();
    picture = win::RenderWindow(dlg.GetSafeHwnd());
    EXPECT_GT(picture.inkBox(b, color::kGrayText).right, b.left);  // a plain disabled button again
}

}  // namespace
