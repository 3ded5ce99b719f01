// Edits (single and multi-line, rich), statics with pictures, group boxes, list double
// clicks and the focus notifications, as a person meets them.
#include "mfc/scripted_user.h"
#include "recording_dialog.h"

namespace {

constexpr int IDC_SINGLE = 601, IDC_MULTI = 602, IDC_RICH = 603, IDC_ICON = 604, IDC_PICTURE = 605,
              IDC_GROUP = 606, IDC_NAMES = 607;

void RegisterTexts() {
    mfc::DialogTemplate t;
    t.caption = L"Texts";
    t.cx = 260;
    t.cy = 200;
    t.edit(IDC_SINGLE, 7, 7, 100, 12)
        .edit(IDC_MULTI, 7, 24, 100, 40, ES_MULTILINE | ES_WANTRETURN)
        .richEdit(IDC_RICH, 7, 70, 100, 40)
        .label(IDC_ICON, L"", 120, 7, 20, 20, SS_ICON)
        .label(IDC_PICTURE, L"", 150, 7, 40, 40, SS_BITMAP | SS_NOTIFY)
        .groupBox(IDC_GROUP, L"Values", 120, 50, 130, 60)
        .listBox(IDC_NAMES, 125, 60, 100, 40)
        .defPushButton(IDOK, L"OK", 150, 180, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 205, 180, 50, 14);
    RegisterRecordingDialog(t);
}

class TextTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        RegisterTexts();
    }
    static CEdit* Edit(CDialog& d, int id) { return static_cast<CEdit*>(d.GetDlgItem(id)); }
};

TEST_F(TextTest, AMultiLineEditKeepsEnterAndShiftExtendsTheSelection) {
    ScriptedUser user;
    user.onDialog(L"Texts")
        .type(IDC_MULTI, L"M12\nM16")
        .then([](CDialog& d) {
            CEdit* e = Edit(d, IDC_MULTI);
            EXPECT_EQ(e->GetWindowTextString(), L"M12\r\nM16") << "Enter stays in the field";
            EXPECT_EQ(e->GetLineCount(), 2);
            EXPECT_FALSE(d.hasEnded());
            EXPECT_TRUE(e->GetModify());
        })
        .keyTo(IDC_MULTI, VK_LEFT, mfc::kShift)
        .keyTo(IDC_MULTI, VK_LEFT, mfc::kShift)
        .then([](CDialog& d) {
            int s = 0, e = 0;
            Edit(d, IDC_MULTI)->GetSel(s, e);
            EXPECT_EQ(s, 6);
            EXPECT_EQ(e, 8);
            Edit(d, IDC_MULTI)->ReplaceSel(L"20");
            EXPECT_EQ(Edit(d, IDC_MULTI)->GetWindowTextString(), L"M12\r\nM20");
        })
        .type(IDC_SINGLE, L"a\n");  // Enter in a single-line field ends the dialog
    CRecordingDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(TextTest, EditsSendUpdateBeforeChangeAndFocusMovesKillBeforeSet) {
    ScriptedUser user;
    user.onDialog(L"Texts").type(IDC_SINGLE, L"x").keyTo(IDC_MULTI, VK_END).cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
    auto& ev = dlg.events;
    auto update = std::find(ev.begin(), ev.end(), "601 update");
    ASSERT_NE(update, ev.end());
    EXPECT_EQ(*(update + 1), "601 change");
    auto kill = std::find(ev.begin(), ev.end(), "601 killfocus");
    auto set = std::find(ev.begin(), ev.end(), "602 setfocus");
    ASSERT_NE(kill, ev.end());
    ASSERT_NE(set, ev.end());
    EXPECT_LT(kill, set) << "the field left hears it before the next one";
}

TEST_F(TextTest, ARichEditKeepsItsBackgroundColourAndAReadOnlyFieldRefusesTyping) {
    ScriptedUser user;
    user.onDialog(L"Texts")
        .then([](CDialog& d) {
            auto* rich = static_cast<CRichEditCtrl*>(d.GetDlgItem(IDC_RICH));
            EXPECT_EQ(rich->GetBackgroundColor(), RGB(255, 255, 255));
            EXPECT_EQ(rich->SetBackgroundColor(FALSE, RGB(255, 255, 192)), RGB(255, 255, 255));
            EXPECT_EQ(rich->GetBackgroundColor(), RGB(255, 255, 192));
            rich->SetBackgroundColor(TRUE, 0);
            EXPECT_EQ(rich->GetBackgroundColor(), RGB(255, 255, 255));
            Edit(d, IDC_SINGLE)->SetWindowText(L"fixed");
            Edit(d, IDC_SINGLE)->SetReadOnly(TRUE);
        })
        .type(IDC_SINGLE, L"zz")
        .type(IDC_RICH, L"long text")
        .then([](CDialog& d) {
            EXPECT_EQ(Edit(d, IDC_SINGLE)->GetWindowTextString(), L"fixed");
            EXPECT_EQ(d.GetDlgItem(IDC_RICH)->GetWindowTextString(), L"long text");
        })
        .cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
}

TEST_F(TextTest, StaticsShowIconsAndBitmapsAndANotifyingOneReportsClicks) {
    mfc::RegisterIconResource(AfxGetInstanceHandle(), 241, 32, 32);
    CBitmap picture;
    picture.CreateBitmap(40, 40, 1, 32, nullptr);
    ScriptedUser user;
    user.onDialog(L"Texts")
        .then([&](CDialog& d) {
            auto* icon = static_cast<CStatic*>(d.GetDlgItem(IDC_ICON));
            EXPECT_EQ(icon->SetIcon(AfxLoadIcon(241)), nullptr);
            EXPECT_EQ(icon->GetIcon(), AfxLoadIcon(241));
            auto* pic = static_cast<CStatic*>(d.GetDlgItem(IDC_PICTURE));
            pic->SetBitmap(picture);
            EXPECT_EQ(pic->GetBitmap(), picture.GetSafeHandle());
        })
        .click(IDC_PICTURE)
        .click(IDC_ICON)  // without SS_NOTIFY: nothing
        .click(IDC_GROUP)
        .cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(), (std::vector<std::string>{"605 code 0", "2 clicked"}));
}

TEST_F(TextTest, ADoubleClickOnAListItemPicksItThenReportsTheDoubleClick) {
    ScriptedUser user;
    user.onDialog(L"Texts")
        .then([](CDialog& d) {
            auto* names = static_cast<CListBox*>(d.GetDlgItem(IDC_NAMES));
            for (const wchar_t* s : {L"HEA", L"HEB", L"IPE"}) names->AddString(s);
        })
        .doubleClickList(IDC_NAMES, 2)
        .then([](CDialog& d) { EXPECT_EQ(static_cast<CListBox*>(d.GetDlgItem(IDC_NAMES))->GetCurSel(), 2); })
        .clickAt(IDC_NAMES, POINT{10, 15})  // the second line
        .then([](CDialog& d) { EXPECT_EQ(static_cast<CListBox*>(d.GetDlgItem(IDC_NAMES))->GetCurSel(), 1); })
        .cancel();
    CRecordingDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(),
              (std::vector<std::string>{"607 code 1", "607 code 2", "607 code 1", "2 clicked"}));
}

}  // namespace
