// Buttons as a person uses them: radio groups, tri-state and push-like check boxes, image
// buttons with their flat look, transparent colour and tool tip.
#include "mfc/button_st.h"
#include "mfc/scripted_user.h"
#include "recording_dialog.h"

namespace {

constexpr int IDC_R1 = 101, IDC_R2 = 102, IDC_R3 = 103, IDC_R4 = 104, IDC_R5 = 105;
constexpr int IDC_TRI = 110, IDC_MANUAL3 = 111, IDC_TWO = 112, IDC_PUSHLIKE = 113;
constexpr int IDC_IMAGE = 120, IDC_AFTER = 121;

void RegisterButtons() {
    mfc::DialogTemplate t;
    t.caption = L"Buttons";
    t.cx = 200;
    t.cy = 160;
    t.radioButton(IDC_R1, L"0", 7, 7, 40, 10, WS_GROUP | WS_TABSTOP)
        .radioButton(IDC_R2, L"90", 7, 20, 40, 10)
        .radioButton(IDC_R3, L"180", 7, 33, 40, 10)
        .radioButton(IDC_R4, L"Left", 60, 7, 40, 10, WS_GROUP | WS_TABSTOP)
        .radioButton(IDC_R5, L"Right", 60, 20, 40, 10)
        .threeState(IDC_TRI, L"Active", 7, 50, 60, 10, WS_GROUP)
        .control(WC_BUTTON, IDC_MANUAL3, L"Manual", BS_3STATE | WS_TABSTOP, 7, 63, 60, 10)
        .checkBox(IDC_TWO, L"Two", 7, 76, 60, 10)
        .control(WC_BUTTON, IDC_PUSHLIKE, L"Bolt", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 7, 89, 40, 14)
        .pushButton(IDC_IMAGE, L"", 60, 89, 20, 20)
        .pushButton(IDC_AFTER, L"After", 90, 89, 40, 14)
        .defPushButton(IDOK, L"OK", 90, 140, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 145, 140, 50, 14);
    RegisterRecordingDialog(t);
}

class ButtonTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        RegisterButtons();
    }
    static int Check(CDialog& d, int id) { return static_cast<int>(d.IsDlgButtonChecked(id)); }
    static int Focus() { return CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0; }
};

TEST_F(ButtonTest, RadioButtonsAreExclusiveWithinTheirGroupOnly) {
    ScriptedUser user;
    user.onDialog(L"Buttons")
        .click(IDC_R4)
        .click(IDC_R2)
        .then([](CDialog& d) {
            EXPECT_EQ(Check(d, IDC_R1) + Check(d, IDC_R2) + Check(d, IDC_R3), 1);
            EXPECT_EQ(Check(d, IDC_R2), 1);
            EXPECT_EQ(Check(d, IDC_R4), 1) << "another group keeps its choice";
        })
        .click(IDC_R3)
        .then([](CDialog& d) {
            EXPECT_EQ(Check(d, IDC_R2), 0);
            EXPECT_EQ(Check(d, IDC_R3), 1);
            EXPECT_EQ(Check(d, IDC_R4), 1);
        })
        .ok();
    CRecordingDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.plainEvents(),
              (std::vector<std::string>{"104 clicked", "102 clicked", "103 clicked", "1 clicked"}));
}

TEST_F(ButtonTest, ArrowKeysMoveTheCheckAroundTheGroupAndTabEntersAtTheCheckedButton) {
    ScriptedUser user;
    user.onDialog(L"Buttons")
        .click(IDC_R2)
        .key(VK_DOWN)
        .then([](CDialog& d) {
            EXPECT_EQ(Focus(), IDC_R3);
            EXPECT_EQ(Check(d, IDC_R3), 1);
            EXPECT_EQ(Check(d, IDC_R2), 0);
        })
        .key(VK_DOWN)  // around the end of the group
        .then([](CDialog& d) {
            EXPECT_EQ(Focus(), IDC_R1);
            EXPECT_EQ(Check(d, IDC_R1), 1);
            EXPECT_EQ(Check(d, IDC_R4), 0) << "the arrows stay inside the group";
        })
        .key(VK_UP)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_R3); })
        .key(VK_TAB)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_R4); })
        .key(VK_TAB, mfc::kShift)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_R3) << "back into the group at its checked button"; })
        .cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
}

TEST_F(ButtonTest, TriStateCheckBoxesCycleUncheckedCheckedMixed) {
    ScriptedUser user;
    user.onDialog(L"Buttons")
        .click(IDC_TRI)
        .then([](CDialog& d) { EXPECT_EQ(Check(d, IDC_TRI), BST_CHECKED); })
        .click(IDC_TRI)
        .then([](CDialog& d) { EXPECT_EQ(Check(d, IDC_TRI), BST_INDETERMINATE); })
        .click(IDC_TRI)
        .then([](CDialog& d) { EXPECT_EQ(Check(d, IDC_TRI), BST_UNCHECKED); })
        .keyTo(IDC_TRI, VK_SPACE)
        .then([](CDialog& d) { EXPECT_EQ(Check(d, IDC_TRI), BST_CHECKED) << "the space bar clicks as well"; })
        // A manual three-state box only reports the click; the program sets its state.
        .click(IDC_MANUAL3)
        .then([](CDialog& d) {
            EXPECT_EQ(Check(d, IDC_MANUAL3), BST_UNCHECKED);
            d.CheckDlgButton(IDC_MANUAL3, BST_INDETERMINATE);
            EXPECT_EQ(Check(d, IDC_MANUAL3), BST_INDETERMINATE);
            // A two-state box has no third state: asking for it checks the box.
            d.CheckDlgButton(IDC_TWO, BST_INDETERMINATE);
            EXPECT_EQ(Check(d, IDC_TWO), BST_CHECKED);
        })
        .cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(), (std::vector<std::string>{"110 clicked", "110 clicked", "110 clicked",
                                                           "110 clicked", "111 clicked", "2 clicked"}));
}

TEST_F(ButtonTest, APushLikeCheckBoxStaysDownUntilClickedAgain) {
    ScriptedUser user;
    user.onDialog(L"Buttons")
        .click(IDC_PUSHLIKE)
        .then([](CDialog& d) {
            EXPECT_EQ(Check(d, IDC_PUSHLIKE), 1);
            EXPECT_TRUE(d.GetDlgItem(IDC_PUSHLIKE)->GetStyle() & BS_PUSHLIKE);
        })
        .click(IDC_PUSHLIKE)
        .then([](CDialog& d) { EXPECT_EQ(Check(d, IDC_PUSHLIKE), 0); })
        .cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
}

TEST_F(ButtonTest, EnterPressesTheFocusedPushButtonElseTheDefaultOne) {
    ScriptedUser user;
    user.onDialog(L"Buttons").keyTo(IDC_AFTER, VK_RETURN).keyTo(IDC_TRI, VK_RETURN);
    CRecordingDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.plainEvents(), (std::vector<std::string>{"121 clicked", "1 clicked"}));
}

TEST_F(ButtonTest, AnImageButtonKeepsItsPictureFlatLookTransparentColourAndTooltipOnTheWindow) {
    mfc::RegisterIconResource(AfxGetInstanceHandle(), 212, 16, 16);
    CButtonST button;
    button.SetFlat();
    button.SetTooltipText(L"Add a row");
    EXPECT_FALSE(button.SetIcon(9999u)) << "an icon that does not exist";
    ASSERT_TRUE(button.SetIcon(212u));  // before the window exists: applied when it is subclassed
    CBitmap picture;
    picture.CreateBitmap(8, 8, 1, 32, nullptr);
    ScriptedUser user;
    user.onDialog(L"Buttons")
        .then([&](CDialog& d) {
            button.SubclassDlgItem(IDC_IMAGE, &d);
            EXPECT_TRUE(button.GetStyle() & BS_FLAT);
            EXPECT_EQ(button.GetIcon(), AfxLoadIcon(212));
            EXPECT_EQ(button.iconId(), 212u);
            COLORREF c = 0;
            EXPECT_FALSE(mfc::ButtonTransparentColor(button.m_hWnd, c));
            button.SetBitmaps(picture, RGB(192, 192, 192));
            EXPECT_EQ(button.GetBitmap(), picture.GetSafeHandle());
            ASSERT_TRUE(mfc::ButtonTransparentColor(button.m_hWnd, c));
            EXPECT_EQ(c, RGB(192, 192, 192));
            button.SetFlat(false);
            EXPECT_FALSE(button.isFlat());
            EXPECT_FALSE(button.isTooltipShown());
        })
        .mouseMove(IDC_IMAGE, POINT{3, 3})
        .then([&](CDialog&) { EXPECT_TRUE(button.isTooltipShown()); })
        .click(IDC_IMAGE)
        .then([&](CDialog&) { EXPECT_FALSE(button.isTooltipShown()) << "a press hides the tip"; })
        .cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(), (std::vector<std::string>{"120 clicked", "2 clicked"}));
}

TEST_F(ButtonTest, AnImageButtonLoadsAndOwnsABitmapFileAndRefusesAMissingOne) {
    CButtonST button;
    EXPECT_FALSE(button.LoadBitmapFile(L"T:\\icons\\missing.bmp", RGB(192, 192, 192)));
    EXPECT_FALSE(button.hasTransparentColor()) << "a failed load changes nothing";
}

}  // namespace
