// A panel in run mode: pixel geometry, values, check boxes, tab order and flex buttons.
#include "designer/control_tracker.h"
#include "designer_test_support.h"
#include "host/texts.h"
#include "mfc/user_input.h"

namespace {

class RunMode : public ::testing::Test {
protected:
    void SetUp() override {
        lib.writeBitmap("Run.bmp", 400, 200);
        ASSERT_TRUE(data.initialize(&dialog, kFirstId, kLastId, 0, 0, 0, 0, 0, false));
        ASSERT_TRUE(data.attachBitmap(lib.path(L"Run.bmp")));
    }
    int add(const Zk_DesignerControl& c) { return data.append(c); }
    HWND wnd(int resId) { return ::GetDlgItem(dialog.m_hWnd, resId); }

    TempLibrary lib;
    PanelHost dialog;
    Zk_DlgDesignerData data;
};

TEST_F(RunMode, SetHeightKeepsTheBottomEdge) {
    Zk_DesignerControl c = makeControl(2, 0, 10.0 / 200, 0.1, 30.0 / 200);
    data.setHeight(c, 5);
    EXPECT_EQ(data.getTopLeftY(c), 25);
    EXPECT_EQ(data.getBottomRightY(c), 30);
    data.setWidth(c, 12);
    EXPECT_EQ(data.getTopLeftX(c), 0);
    EXPECT_EQ(data.getWidth(c), 12);
}

TEST_F(RunMode, IdentifiersComeFromTheRangeAndRunOut) {
    Zk_DlgDesignerData small;
    ASSERT_TRUE(small.initialize(&dialog, 100, 101, 0, 0, 0, 0, 0, false));
    EXPECT_EQ(small.append(makeControl(2, 0, 0, 0, 0)), 100);
    EXPECT_EQ(small.append(makeControl(2, 0, 0, 0, 0)), 101);
    EXPECT_EQ(small.append(makeControl(2, 0, 0, 0, 0)), 0);
    small.removeControl(0);
    EXPECT_EQ(small.append(makeControl(2, 0, 0, 0, 0)), 100) << "the lowest free identifier";
    Zk_DlgDesignerData none;
    EXPECT_FALSE(none.initialize(nullptr, 1, 2, 0, 0, 0, 0, 0, false));
    EXPECT_FALSE(none.redrawAllControls());
}

TEST_F(RunMode, ValuesByType) {
    const int edit = add(makeControl(2, 0, 0, 0.2, 0.1, L"Thickness"));
    const int choice = add(makeControl(28, 0, 0.2, 0.2, 0.3, L"2"));
    Zk_DesignerControl list = makeControl(7, 0, 0.4, 0.2, 0.5, L"S355");
    list.comboItems = Zk_StringArray{L"S235", L"S355"};
    const int combo = add(list);
    const int total = add(makeControl(25, 0, 0.6, 0.2, 0.7, L"Total"));
    ASSERT_TRUE(data.redrawAllControls());

    Zk_String value;
    ASSERT_TRUE(data.getCtrlValue(edit, value));
    EXPECT_EQ(value, L"Thickness");
    ASSERT_TRUE(data.setCtrlValue(edit, L"12.5"));
    data.getCtrlValue(edit, value);
    EXPECT_EQ(value, L"12.5");

    ASSERT_TRUE(data.getCtrlValue(choice, value));
    EXPECT_EQ(value, L"2") << "the fixed choice starts at the index in its contents";
    data.setCtrlValue(choice, L"4");
    data.getCtrlValue(choice, value);
    EXPECT_EQ(value, L"4");
    EXPECT_EQ(::SendMessageW(wnd(choice), CB_GETCOUNT, 0, 0), 5);

    EXPECT_EQ(::SendMessageW(wnd(combo), CB_GETCURSEL, 0, 0), 1) << "the entry equal to contents";
    RECT r = windowRectOn(dialog.m_hWnd, wnd(combo));
    EXPECT_EQ(r.bottom - r.top, 200) << "a run-mode combo is as tall as its dropped list";

    EXPECT_TRUE(data.setCtrlValue(total, L"99"));
    data.getCtrlValue(total, value);
    EXPECT_EQ(value, L"Total") << "the total-dimension button keeps its caption";

    EXPECT_FALSE(data.getCtrlValue(12345, value));
    EXPECT_FALSE(data.setCtrlValue(12345, L"1"));
    EXPECT_TRUE(data.setCtrlReadOnly(edit, true));
    EXPECT_FALSE(::IsWindowEnabled(wnd(edit)));
    EXPECT_FALSE(data.setCtrlReadOnly(choice, true)) << "only value fields and item lists";
}

TEST_F(RunMode, ThePersonTypesIntoValueFieldsAndTicksCheckBoxes) {
    const int edit = add(makeControl(2, 0, 0, 0.2, 0.1, L"Thickness"));
    const int box = add(makeControl(29, 0, 0.2, 0.2, 0.3, L"Stiffeners"));
    ASSERT_TRUE(data.redrawAllControls());
    dialog.ShowWindow(SW_SHOW);
    ASSERT_TRUE(mfc::input::ReplaceText(wnd(edit), L"15"));
    ASSERT_TRUE(mfc::input::Click(wnd(box)));
    Zk_String value;
    data.getCtrlValue(edit, value);
    EXPECT_EQ(value, L"15");
    data.getCtrlValue(box, value);
    EXPECT_EQ(value, L"1");
    int focused = 0;
    EXPECT_TRUE(data.getFocusedDynControl(focused));
    EXPECT_EQ(focused, box);
}

TEST_F(RunMode, CheckValues) {
    Zk_DesignerControl box = makeControl(29, 0, 0, 0.2, 0.1, L"Stiffeners");
    box.comboList = L"1";
    const int id = add(box);
    ASSERT_TRUE(data.redrawAllControls());
    Zk_String value;
    ASSERT_TRUE(data.getCtrlValue(id, value));
    EXPECT_EQ(value, L"1") << "the stored check value is shown";

    const Zk_String keep = dialString(695);
    data.setCtrlValue(id, keep);
    data.getCtrlValue(id, value);
    EXPECT_EQ(value, keep);
    EXPECT_EQ(::GetWindowLongPtrW(wnd(id), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG_PTR>(BS_AUTO3STATE));
    data.setCtrlValue(id, L"0.5");
    data.getCtrlValue(id, value);
    EXPECT_EQ(value, L"1");
    EXPECT_EQ(::GetWindowLongPtrW(wnd(id), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG_PTR>(BS_AUTOCHECKBOX));
    data.setCtrlValue(id, L"-1");
    data.getCtrlValue(id, value);
    EXPECT_EQ(value, L"0");
}

TEST_F(RunMode, TabOrderByRows) {
    // Left and top in pixels of a 400 x 200 image, heights 10.
    const int a = add(makeControl(2, 50 / 400.0, 10 / 200.0, 80 / 400.0, 20 / 200.0));
    const int b = add(makeControl(2, 10 / 400.0, 12 / 200.0, 40 / 400.0, 22 / 200.0));
    const int c = add(makeControl(2, 30 / 400.0, 40 / 200.0, 60 / 400.0, 50 / 200.0));
    add(makeControl(0, 0, 0, 0.1, 0.1, L"label"));  // labels take no part
    ASSERT_TRUE(data.redrawAllControls());
    EXPECT_EQ(data.getControlFromRes(a)->tabOrder, 2);
    EXPECT_EQ(data.getControlFromRes(b)->tabOrder, 1);
    EXPECT_EQ(data.getControlFromRes(c)->tabOrder, 3);
    EXPECT_EQ(data.getControl(3)->tabOrder, 0);

    ASSERT_TRUE(data.setFocusToCtrl(true));
    EXPECT_EQ(::GetFocus(), wnd(b));
    Zk_TabMsgHandle result = tabHandled;
    EXPECT_FALSE(data.handleTabKey(VK_RETURN, result));
    EXPECT_EQ(result, tabNotHandled);
    ASSERT_TRUE(data.handleTabKey(VK_TAB, result));
    EXPECT_EQ(result, tabHandled);
    EXPECT_EQ(::GetFocus(), wnd(a));
    data.handleTabKey(VK_TAB, result);
    EXPECT_EQ(::GetFocus(), wnd(c));
    data.handleTabKey(VK_TAB, result);
    EXPECT_EQ(result, tabPastLast);
    EXPECT_EQ(::GetFocus(), wnd(c));

    ASSERT_TRUE(data.setFocusToCtrl(true));
    win::SetKeyDown(VK_SHIFT, true);
    data.handleTabKey(VK_TAB, result);
    win::SetKeyDown(VK_SHIFT, false);
    EXPECT_EQ(result, tabBeforeFirst);
    ASSERT_TRUE(data.setFocusToCtrl(false));
    EXPECT_EQ(::GetFocus(), wnd(c)) << "the last in tab order";
}

TEST_F(RunMode, FlexButtonGroups) {
    auto flex = [](const wchar_t* name, const wchar_t* list, double x) {
        Zk_DesignerControl c = makeControl(30, x, 0, x + 0.1, 0.1, name);
        c.setSplitExtComboList(list);
        return c;
    };
    add(flex(L"Left", L"Side;;p3", 0));
    add(flex(L"Right", L"Side", 0.2));
    add(flex(L"Top", L"Edge", 0.4));
    ASSERT_TRUE(data.redrawAllControls());
    Zk_StringArray groups;
    data.getFlexBtnsGroups(groups);
    EXPECT_EQ(groups, (Zk_StringArray{L"Side", L"Edge"}));
    Zk_Array<int> all, withPart3;
    ASSERT_TRUE(data.getFlexBtnsInGroup(L"Side", all, withPart3));
    EXPECT_EQ(all, (Zk_Array<int>{0, 1}));
    EXPECT_EQ(withPart3, (Zk_Array<int>{0}));
    ASSERT_TRUE(data.getFlexBtnsInGroup(L"", all, withPart3));
    EXPECT_TRUE(all.isEmpty());

    EXPECT_TRUE(data.setFlexBtnStatus(L"Side", L"Right", 1));
    int status = -1;
    ASSERT_TRUE(data.getFlexBtnStatus(1, status));
    EXPECT_EQ(status, 1);
    data.setFlexBtnStatus(L"Side", L"Right", 2);
    data.getFlexBtnStatus(1, status);
    EXPECT_EQ(status, 0) << "a requested 2 is set as 0";
    EXPECT_FALSE(data.setFlexBtnStatus(L"Side", L"Top", 1));

    ASSERT_TRUE(data.hideAllFlexBtns(L"Side"));
    EXPECT_FALSE(::IsWindowVisible(wnd(kFirstId)));
    EXPECT_FALSE(::IsWindowVisible(wnd(kFirstId + 1)));
    EXPECT_TRUE(::GetWindowLongPtrW(wnd(kFirstId + 2), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(RunMode, DrawingAgainLeavesOneWindowPerControl) {
    add(makeControl(2, 0, 0, 0.1, 0.1, L"A"));
    ASSERT_TRUE(data.redrawAllControls());
    ASSERT_TRUE(data.redrawAllControls());
    EXPECT_EQ(data.nrDrawnCtrls(), 1);
    int windows = 0;
    for (HWND w = ::GetWindow(dialog.m_hWnd, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetDlgCtrlID(w) == kFirstId) ++windows;
    EXPECT_EQ(windows, 1);
}

}  // namespace
