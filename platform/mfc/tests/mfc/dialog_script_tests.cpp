#include "mfc/scripted_user.h"
#include "test_dialog.h"

TEST_F(MfcTest, ScriptedUserTypesClicksAndPicksThroughTheHandlers) {
    ScriptedUser user;
    user.onDialog(L"Test Settings")
        .replaceText(IDC_NAME, L"HEA200")
        .click(IDC_APPLY)
        .click(IDC_FLAG)
        .pickCombo(IDC_KIND, L"Beam")
        .selectTab(IDC_TABS, 1)
        .then([](CDialog& d) {
            auto& dlg = static_cast<CTestDlg&>(d);
            EXPECT_EQ(dlg.applied, L"HEA200");
            EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_FLAG), 1u);
            std::string dump = mfc::DumpWindowTreeUtf8(dlg.m_hWnd);
            EXPECT_NE(dump.find("ComboBox #1004 \"Beam\""), std::string::npos) << dump;
            EXPECT_NE(dump.find("sel=2 items=[\"Plate\",\"Angle\",\"Beam\"]"), std::string::npos) << dump;
            EXPECT_NE(dump.find("Button #1003 \"Flag\""), std::string::npos) << dump;
        })
        .ok();
    CTestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.data, (TestRecord{L"HEA200", 1, 2}));
    auto& ev = dlg.events;
    EXPECT_NE(std::find(ev.begin(), ev.end(), L"apply"), ev.end());
    EXPECT_NE(std::find(ev.begin(), ev.end(), L"kind 2"), ev.end());
    EXPECT_NE(std::find(ev.begin(), ev.end(), L"tab 1"), ev.end());
    EXPECT_GE(std::count(ev.begin(), ev.end(), L"change"), 6);  // one per typed character at least
    EXPECT_FALSE(IsWindow(dlg.m_hWnd));
}

TEST_F(MfcTest, CancelLeavesTheRecordUntouched) {
    ScriptedUser user;
    user.onDialog(IDD_TEST).type(IDC_NAME, L"changed").click(IDC_FLAG).cancel();
    CTestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.data, TestRecord{});
}

TEST_F(MfcTest, KeysReachPreTranslateMessageFirstThenTheDialogKeys) {
    ScriptedUser user;
    user.onDialog(IDD_TEST)
        .keyTo(IDC_NAME, VK_F5)
        .key(VK_F5, mfc::kCtrl)
        .key(VK_TAB)
        .then([](CDialog&) { EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDC_APPLY); })
        .key(VK_ESCAPE);
    user.onDialog(IDD_TEST).type(IDC_NAME, L"x").key(VK_RETURN);
    CTestDlg a;
    EXPECT_EQ(a.DoModal(), IDCANCEL);
    std::erase(a.events, L"change");
    EXPECT_EQ(a.events, (std::vector<std::wstring>{L"F5", L"ctrl+F5"}));
    CTestDlg b;
    EXPECT_EQ(b.DoModal(), IDOK);
    EXPECT_EQ(b.data.name, L"originalx");
}

TEST_F(MfcTest, RightClickOpensThePopupMenuAndTheScriptPicksAnItem) {
    ScriptedUser user;
    user.pickMenuItem(L"Rename");
    user.onDialog(IDD_TEST).rightClick(0, POINT{300, 40}).cancel();
    CTestDlg dlg;
    dlg.DoModal();
    std::erase(dlg.events, L"change");
    EXPECT_EQ(dlg.events, (std::vector<std::wstring>{L"menu 501"}));
}

TEST_F(MfcTest, MessageBoxesAreRecordedAndAnsweredYesNoCancel) {
    ScriptedUser user;
    user.answerMessageBox(L"Save the changes", IDYES);
    user.answerMessageBox(L"Standards", IDNO);
    user.answerMessageBox(L"", IDCANCEL);
    EXPECT_EQ(MessageBoxW(nullptr, L"Save the changes to EndPlate?", L"Standards", MB_YESNOCANCEL | MB_ICONQUESTION),
              IDYES);
    EXPECT_EQ(MessageBoxW(nullptr, L"Overwrite?", L"Standards", MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(AfxMessageBox(L"Leave?", MB_YESNOCANCEL | MB_ICONWARNING), IDCANCEL);
    const auto& log = win::MessageBoxLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].caption, L"Standards");
    EXPECT_EQ(log[0].text, L"Save the changes to EndPlate?");
    EXPECT_EQ(log[0].flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(log[2].caption, AfxGetAppName());
    EXPECT_EQ(log[2].answer, IDCANCEL);
}

namespace {
struct Collected {
    std::vector<std::string> messages;
    static void add(const std::string& m, void* ctx) { static_cast<Collected*>(ctx)->messages.push_back(m); }
    bool has(const std::string& part) const {
        for (auto& m : messages)
            if (m.find(part) != std::string::npos) return true;
        return false;
    }
};
}  // namespace

TEST_F(MfcTest, UnexpectedDialogsBoxesAndMissedExpectationsAreReportedByCaption) {
    Collected c;
    {
        mfc::UserScript user(&Collected::add, &c);
        user.onDialog(L"Never Shown").ok();
        CTestDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(MessageBoxW(nullptr, L"Really?", L"Question", MB_YESNO | MB_DEFBUTTON2), IDNO);
    }
    EXPECT_TRUE(c.has("unexpected dialog \"Test Settings\"")) << c.messages.size();
    EXPECT_TRUE(c.has("unexpected message box [Question] Really?"));
    EXPECT_TRUE(c.has("dialog \"Never Shown\""));
}

TEST_F(MfcTest, ActingOnDisabledControlsOrStayingOpenIsReported) {
    Collected c;
    {
        mfc::UserScript user(&Collected::add, &c);
        user.onDialog(IDD_TEST)
            .then([](CDialog& d) { d.GetDlgItem(IDC_APPLY)->EnableWindow(FALSE); })
            .click(IDC_APPLY)
            .click(4242);
        CTestDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        std::erase(dlg.events, L"change");
        EXPECT_TRUE(dlg.events.empty());
    }
    EXPECT_TRUE(c.has("is disabled"));
    EXPECT_TRUE(c.has("has no control 4242"));
    EXPECT_TRUE(c.has("still open after its script"));
}

TEST_F(MfcTest, WithoutAScriptModalDialogsCancelWithANote) {
    ::testing::internal::CaptureStderr();
    CTestDlg dlg;
    INT_PTR r = dlg.DoModal();
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_NE(err.find("[Test Settings] no user to answer the dialog; cancelled"), std::string::npos);
}

TEST_F(MfcTest, ANonNumberInAnIntegerFieldKeepsTheDialogOpen) {
    struct CIntDlg : CDialog {
        CIntDlg() : CDialog(IDD_TEST) {}
        int value = 5;
        void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_NAME, value); }
    };
    ScriptedUser user;
    user.answerMessageBox(L"integer", IDOK);
    user.onDialog(IDD_TEST)
        .replaceText(IDC_NAME, L"12a")
        .ok()
        .then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()); })
        .replaceText(IDC_NAME, L"-42")
        .ok();
    CIntDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.value, -42);
}

TEST_F(MfcTest, ANestedModalDialogIsScriptedInTurn) {
    struct COuter : CTestDlg {
        INT_PTR inner = 0;
        void OnOK() override {
            CTestDlg second(this);
            inner = second.DoModal();
            CTestDlg::OnOK();
        }
    };
    ScriptedUser user;
    user.onDialog(IDD_TEST).ok();
    user.onDialog(IDD_TEST).cancel();
    COuter outer;
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(outer.inner, IDCANCEL);
}
