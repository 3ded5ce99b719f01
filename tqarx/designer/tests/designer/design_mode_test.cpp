// Design-mode editing of the selection and the property fields.
#include "acad/command_line.h"
#include "designer/control_tracker.h"
#include "designer/designer_texts.h"
#include "designer_test_support.h"
#include "host/texts.h"

namespace {

class DesignMode : public ::testing::Test {
protected:
    void SetUp() override {
        lib.writeBitmap("Design.bmp", 400, 200);
        ASSERT_TRUE(data.initialize(&dialog, kFirstId, kLastId, kTypeCombo, kContentsLabel, kContentsEdit,
                                    kListLabel, kListEdit, true));
        ASSERT_TRUE(data.attachBitmap(lib.path(L"Design.bmp")));
        // Pixel rectangles (left, top, right, bottom) on the 400 x 200 image.
        a = data.append(px(0, 10, 20, 50, 30, L"A"));
        b = data.append(px(2, 100, 40, 140, 60, L"B"));
        c = data.append(px(2, 200, 5, 230, 15, L"C"));
        ASSERT_TRUE(data.redrawAllControls());
    }
    static Zk_DesignerControl px(int type, int l, int t, int r, int bottom, const wchar_t* text) {
        return makeControl(type, l / 400.0, t / 200.0, r / 400.0, bottom / 200.0, text);
    }
    CRect rectOf(int id) { return windowRectOn(dialog.m_hWnd, ::GetDlgItem(dialog.m_hWnd, id)); }
    CString text(int id) {
        CString s;
        dialog.GetDlgItemText(id, s);
        return s;
    }

    TempLibrary lib;
    PanelHost dialog;
    Zk_DlgDesignerData data;
    int a = 0, b = 0, c = 0;
};

TEST_F(DesignMode, ControlsAreDisabledDummiesExceptLabels) {
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, a)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, b)));
    EXPECT_EQ(data.getTracker()->nrRects(), 3);
    EXPECT_EQ(::SendDlgItemMessageW(dialog.m_hWnd, kTypeCombo, CB_GETCOUNT, 0, 0), kNrControlTypes);
    EXPECT_EQ(controlTypeName(4), dialString(803) + L" 1: " + string(2220));
    EXPECT_EQ(controlTypeName(30), dialString(1428));
}

TEST_F(DesignMode, StickRightNeedsExactlyTwo) {
    for (const Zk_Array<int>& ids : {Zk_Array<int>{b}, Zk_Array<int>{a, b, c}, Zk_Array<int>{}}) {
        data.selectCtrls(ids);
        EXPECT_FALSE(data.stickRightCurCtrls());
        EXPECT_EQ(rectOf(b), CRect(100, 40, 140, 60));
        EXPECT_EQ(rectOf(a), CRect(10, 20, 50, 30));
    }
    data.selectCtrls(Zk_Array<int>{b, a});
    ASSERT_TRUE(data.stickRightCurCtrls());
    EXPECT_EQ(rectOf(b), CRect(50, 20, 90, 30)) << "right of the leftmost, its top and bottom, own width";
    EXPECT_EQ(rectOf(a), CRect(10, 20, 50, 30));
    EXPECT_EQ(data.getTracker()->nrSelected(), 2) << "the selection is kept";
}

TEST_F(DesignMode, OutlineKeepsHeightsOnTheLeftmostBottom) {
    data.selectCtrls(Zk_Array<int>{c, a, b});
    ASSERT_TRUE(data.outlineCurCtrls());
    EXPECT_EQ(rectOf(a), CRect(10, 20, 50, 30));
    EXPECT_EQ(rectOf(b), CRect(100, 10, 140, 30));
    EXPECT_EQ(rectOf(c), CRect(200, 20, 230, 30));
    data.selectCtrls(Zk_Array<int>{});
    EXPECT_FALSE(data.outlineCurCtrls());
}

TEST_F(DesignMode, CopyMovesTwentyPixelsAndSelectsTheCopies) {
    data.selectCtrls(Zk_Array<int>{a, c});
    ASSERT_TRUE(data.copyCurCtrls());
    ASSERT_EQ(data.getNrControls(), 5);
    EXPECT_EQ(rectOf(kFirstId + 3), CRect(30, 40, 70, 50));
    EXPECT_EQ(rectOf(kFirstId + 4), CRect(220, 25, 250, 35));
    EXPECT_EQ(data.selectedIds(), (Zk_Array<int>{kFirstId + 3, kFirstId + 4}));
    data.selectCtrls(Zk_Array<int>{});
    EXPECT_FALSE(data.copyCurCtrls());
    EXPECT_EQ(data.getNrControls(), 5);
}

TEST_F(DesignMode, DeletingTheSelection) {
    data.selectCtrls(Zk_Array<int>{b});
    ASSERT_TRUE(data.removeCurControls());
    EXPECT_EQ(data.getNrControls(), 2);
    EXPECT_EQ(::GetDlgItem(dialog.m_hWnd, b), nullptr);
    EXPECT_EQ(data.getTracker()->nrRects(), 2);
    EXPECT_TRUE(data.removeCurControls()) << "nothing selected: nothing removed";
    EXPECT_EQ(data.getNrControls(), 2);
}

TEST_F(DesignMode, PropertyFieldsShowAndEditTheOneSelectedControl) {
    data.selectCtrls(Zk_Array<int>{a, b});
    data.updatePropsOfCurSel();
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, kContentsEdit))) << "two selected: no fields";

    data.selectCtrls(Zk_Array<int>{a});
    data.updatePropsOfCurSel();
    EXPECT_EQ(::SendDlgItemMessageW(dialog.m_hWnd, kTypeCombo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(text(kContentsLabel), CString(dialString(827).c_str()));
    EXPECT_EQ(text(kContentsEdit), L"A");
    EXPECT_EQ(text(kListLabel), CString(dialString(1403).c_str()));

    data.selectCtrls(Zk_Array<int>{b});
    data.updatePropsOfCurSel();
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, kListEdit))) << "a value field has no list";
    dialog.SetDlgItemText(kContentsEdit, L"Width");
    data.propsOfCurSelUpdated();
    EXPECT_EQ(data.getControlFromRes(b)->contents, L"Width");
    EXPECT_EQ(text(b), L"Width");

    // A new type redraws the control as that type and keeps it selected.
    ::SendDlgItemMessageW(dialog.m_hWnd, kTypeCombo, CB_SETCURSEL, 30, 0);
    dialog.SetDlgItemText(kListEdit, L"Side;x;;z");
    data.propsOfCurSelUpdated();
    const Zk_DesignerControl* flex = data.getControlFromRes(b);
    EXPECT_EQ(flex->type, zkCtrlFlexButton);
    EXPECT_EQ(flex->flexGroup, L"Side");
    EXPECT_EQ(flex->flexPart4, L"z");
    EXPECT_EQ(data.getCurSel(), 1);
    EXPECT_TRUE(::GetWindowLongPtrW(::GetDlgItem(dialog.m_hWnd, b), GWL_STYLE) & BS_PUSHLIKE);
    EXPECT_EQ(rectOf(b), CRect(100, 40, 140, 60));
}

TEST_F(DesignMode, PositionsAreTakenFromTheWindowsAndPrinted) {
    ::MoveWindow(::GetDlgItem(dialog.m_hWnd, a), 40, 100, 80, 20, TRUE);
    ASSERT_TRUE(data.getSizeFromAllControls());
    EXPECT_DOUBLE_EQ(data.getControlFromRes(a)->topLeftX, 0.1);
    EXPECT_DOUBLE_EQ(data.getControlFromRes(a)->bottomRightY, 0.6);
    data.removeControl(2);
    EXPECT_FALSE(data.getSizeFromControl(0)) << "list and windows no longer match";
    acad::ClearCommandLine();
    data.printPositions();
    const std::string printed = acad::CommandLineUtf8();
    EXPECT_NE(printed.find("**** Control A ****\nLeft: 0.100000 - Right: 0.300000\nTop: 0.500000 - Bottom: 0.600000\n"),
              std::string::npos)
        << printed;
    EXPECT_NE(printed.find("********\n"), std::string::npos);
}

TEST_F(DesignMode, SizesInPixelsKeepTheTopLeftCorner) {
    ASSERT_TRUE(data.changeCtrlSize(1, true, 60));
    ASSERT_TRUE(data.changeCtrlSize(1, false, 5));
    const Zk_DesignerControl& second = *data.getControl(1);
    EXPECT_EQ(data.pixelRect(second), CRect(100, 40, 160, 45));
    EXPECT_FALSE(data.changeCtrlSize(7, true, 10));
    int left = -1;
    ASSERT_TRUE(data.findMostLeftCtrl(Zk_Array<int>{c, b, a}, left));
    EXPECT_EQ(left, 0);
    EXPECT_FALSE(data.findMostLeftCtrl(Zk_Array<int>{}, left));
}

TEST_F(DesignMode, AddedControlsHaveTheDefaultSize) {
    ASSERT_TRUE(data.addNewControl(2));
    const int id = kFirstId + 3;
    EXPECT_EQ(rectOf(id), CRect(80, 40, 110, 58));
    EXPECT_EQ(data.getControlFromRes(id)->contents, dialString(171));
}

}  // namespace
