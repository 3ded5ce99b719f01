// The macro dialog's property files (load and save buttons, answered through the host's
// open/save dialog) and the keys a detailer uses on a page.
#include "designer/dlg_designer.h"
#include "engine/zk_spread.h"
#include "host/macro_prop_files.h"
#include "macro_dlg_test_support.h"
#include "res/designer_ids.h"
#include "res/supportdlg_ids.h"
#include "spread/ss_api.h"

#include <sstream>

namespace {

constexpr UINT kKeyF12 = 0x7B;

class MacroKeysFiles : public MacroDlgTest {
protected:
    void SetUp() override {
        MacroDlgTest::SetUp();
        writePlateTemplate();
        std::filesystem::create_directories(propFolder());
        macroPropFiles().folder = Zk_String(WindowsPathFromHost(propFolder().string())) + L"\\";
    }
    std::filesystem::path propFolder() const { return m_root / "props"; }

    MacroData plateMacro(int kind = kMacroTabGeneral) {
        MacroData data = oneMacro();
        MacroTabData plate = tab(kind, L"Plate", L"Plate");
        plate.cells.append(cell(L"Width", L"200"));
        plate.cells.append(cell(L"Thickness", L"10"));
        plate.cells.append(cell(L"Stiff", L"0", kCellCheck));
        plate.cells.append(cell(L"Weight", L"31.4", kCellNumber, false));
        if (kind == kMacroTabBolt) {
            plate.hasBoltData = true;
            plate.bolt.assembly = L"M-8.8";
            plate.bolt.diameter = L"20";
        }
        data.tabs.append(plate);
        return data;
    }
    std::string readProp(const std::string& name) const {
        std::ifstream in(propFolder() / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> propFiles() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(propFolder())) names.push_back(e.path().filename().string());
        return names;
    }
    static int widthId(CDialog& d) { return macroDlg(d).page(0)->controlFor(2, L"Width"); }
    static int stiffId(CDialog& d) { return macroDlg(d).macroData().tabs[0].findCell(L"Stiff")->controlId; }
    // The page's own child that holds the focus (a combo's edit field counts as its combo).
    static HWND focusedPageControl(CDialog& d) {
        HWND page = macroDlg(d).page(0)->GetSafeHwnd();
        HWND wnd = ::GetFocus();
        while (wnd && ::GetParent(wnd) != page) wnd = ::GetParent(wnd);
        return wnd;
    }
};

// ---- property files ----

TEST_F(MacroKeysFiles, SavingAppliesTheTypedValueFirstAndTheFileHoldsEveryCell) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) { ASSERT_TRUE(mfc::input::ReplaceText(pageItem(d, 0, widthId(d)), L"250")); })
        .click(IDC_MACRO_SAVE_PROPS)
        .ok();
    user.onDialog(IDD_TQ_OPENSAVE)
        .then([](CDialog& d) {
            CString caption;
            d.GetWindowText(caption);
            EXPECT_EQ(caption, CString(dialString(979).c_str()));
        })
        .replaceText(IDC_SUP_EDIT1, L"Heavy plate")
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1) << "the unapplied width goes to the macro once, before the save";
    ASSERT_EQ(updates[0].changes.length(), 1);
    EXPECT_EQ(updates[0].changes[0].name, L"Width");
    EXPECT_EQ(updates[0].changes[0].newValue, L"250");
    const std::string text = readProp("Heavy plate.mpf");
    EXPECT_NE(text.find("Plate\tWidth\t250"), std::string::npos) << text;
    EXPECT_NE(text.find("Plate\tThickness\t10"), std::string::npos) << text;
    EXPECT_NE(text.find("Plate\tStiff\t0"), std::string::npos) << text;
}

TEST_F(MacroKeysFiles, LoadingAppliesTheFileCountsWhatFoundNoCellAndShowsTheNewValues) {
    writeFile("props/Light.mpf",
              "Plate\tWidth\t300\nPlate\tThickness\t12\nPlate\tWeight\t99\nCleats\tWidth\t5\nPlate\tStiff\t0\n");
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.answerMessageBox(L"Values not placed: 2 values were left out", IDOK);
    user.onDialog(IDD_MACRO)
        .click(IDC_MACRO_LOAD_PROPS)
        .then([](CDialog& d) {
            EXPECT_EQ(windowText(pageItem(d, 0, widthId(d))), L"300");
            Zk_String thickness;
            grid(d).readCellText(3, gridRowOf(d, L"Thickness"), thickness);
            EXPECT_EQ(thickness, L"12");
        })
        .ok();
    user.onDialog(IDD_TQ_OPENSAVE).pickList(IDC_SUP_LIST, 0).ok();
    dlg.DoModal();
    EXPECT_TRUE(user.pending().empty());
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    EXPECT_EQ(updates[0].tabName, L"Plate");
    ASSERT_EQ(updates[0].changes.length(), 2) << "the unchanged stiffener and the locked weight are not sent";
    EXPECT_EQ(updates[0].changes[0].name, L"Width");
    EXPECT_EQ(updates[0].changes[0].oldValue, L"200");
    EXPECT_EQ(updates[0].changes[0].newValue, L"300");
    EXPECT_EQ(updates[0].changes[1].name, L"Thickness");
    EXPECT_EQ(updates[0].changes[1].newValue, L"12");
    EXPECT_EQ(dlg.macroData().tabs[0].findCell(L"Weight")->value, L"31.4");
    EXPECT_EQ(macroHost().countOf(L"clashcheck"), 2) << "at open and after the load";
}

TEST_F(MacroKeysFiles, CancellingTheOpenOrSaveDialogChangesNothing) {
    writeFile("props/Light.mpf", "Plate\tWidth\t300\n");
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO).click(IDC_MACRO_LOAD_PROPS).click(IDC_MACRO_SAVE_PROPS).ok();
    user.onDialog(IDD_TQ_OPENSAVE).pickList(IDC_SUP_LIST, 0).cancel();
    user.onDialog(IDD_TQ_OPENSAVE).replaceText(IDC_SUP_EDIT1, L"Other").cancel();
    dlg.DoModal();
    EXPECT_TRUE(user.pending().empty());
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 0);
    EXPECT_EQ(macroHost().countOf(L"clashcheck"), 1);
    EXPECT_EQ(dlg.macroData().tabs[0].findCell(L"Width")->value, L"200");
    EXPECT_EQ(propFiles(), std::vector<std::string>{"Light.mpf"});
}

TEST_F(MacroKeysFiles, MacrosThatMayNotUsePropertyFilesGreyBothButtons) {
    macroPropFiles().allowed = false;
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) {
            EXPECT_FALSE(::IsWindowEnabled(d.GetDlgItem(IDC_MACRO_LOAD_PROPS)->GetSafeHwnd()));
            EXPECT_FALSE(::IsWindowEnabled(d.GetDlgItem(IDC_MACRO_SAVE_PROPS)->GetSafeHwnd()));
        })
        .ok();
    dlg.DoModal();
}

TEST_F(MacroKeysFiles, AFileThatCannotBeReadOrWrittenIsReportedAndChangesNothing) {
    // Larger than any text file the host reads.
    writeFile("props/Huge.mpf", "Plate\tWidth\t300\n");
    std::filesystem::resize_file(propFolder() / "Huge.mpf", 17u * 1024u * 1024u);
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.answerMessageBox(L"could not be read", IDOK);
    user.onDialog(IDD_MACRO)
        .click(IDC_MACRO_LOAD_PROPS)
        .then([](CDialog& d) {
            EXPECT_EQ(windowText(pageItem(d, 0, widthId(d))), L"200");
            // Saving into a folder that has gone away.
            macroPropFiles().folder += L"gone\\";
        })
        .then([&](CDialog&) { user.answerMessageBox(L"could not be saved", IDOK); })
        .click(IDC_MACRO_SAVE_PROPS)
        .ok();
    user.onDialog(IDD_TQ_OPENSAVE).pickList(IDC_SUP_LIST, 0).ok();
    user.onDialog(IDD_TQ_OPENSAVE).replaceText(IDC_SUP_EDIT1, L"Kept").ok();
    dlg.DoModal();
    EXPECT_TRUE(user.pending().empty());
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 0);
    EXPECT_EQ(macroHost().countOf(L"clashcheck"), 1);
    EXPECT_EQ(dlg.macroData().tabs[0].findCell(L"Width")->value, L"200");
    EXPECT_FALSE(std::filesystem::exists(propFolder() / "gone"));
}

// ---- page keys ----

TEST_F(MacroKeysFiles, TabAndShiftTabWalkTheTemplateTheGridAndTheBandInTurnAndEscapeCloses) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro(kMacroTabBolt);
    ScriptedUser user;
    std::vector<HWND> forward, backward;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) { ::SetFocus(pageItem(d, 0, widthId(d))); })
        .then([&](CDialog& d) {
            for (int i = 0; i < 6; ++i) {
                ASSERT_TRUE(mfc::input::PressKey(VK_TAB));
                forward.push_back(focusedPageControl(d));
            }
            for (int i = 0; i < 6; ++i) {
                ASSERT_TRUE(mfc::input::PressKey(VK_TAB, mfc::kShift));
                backward.push_back(focusedPageControl(d));
            }
            const std::vector<HWND> expectedForward{pageItem(d, 0, stiffId(d)),
                                                    grid(d).GetSafeHwnd(),
                                                    pageItem(d, 0, 1091),
                                                    pageItem(d, 0, 1092),
                                                    pageItem(d, 0, 1114),
                                                    pageItem(d, 0, widthId(d))};
            EXPECT_EQ(forward, expectedForward);
            const std::vector<HWND> expectedBackward{pageItem(d, 0, 1114), pageItem(d, 0, 1092),
                                                     pageItem(d, 0, 1091), grid(d).GetSafeHwnd(),
                                                     pageItem(d, 0, stiffId(d)), pageItem(d, 0, widthId(d))};
            EXPECT_EQ(backward, expectedBackward);
            ::SetFocus(pageItem(d, 0, 1092));
        })
        .key(VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(user.pending().empty());
    EXPECT_TRUE(dlg.macroData().closed);
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 0) << "moving the focus changes no value";
}

TEST_F(MacroKeysFiles, AHiddenBandIsSkippedSoTheFocusCirclesTemplateAndGrid) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) {
            ::SetFocus(grid(d).GetSafeHwnd());
            ASSERT_TRUE(mfc::input::PressKey(VK_TAB));
            EXPECT_EQ(focusedPageControl(d), pageItem(d, 0, widthId(d)));
            ASSERT_TRUE(mfc::input::PressKey(VK_TAB, mfc::kShift));
            EXPECT_EQ(focusedPageControl(d), grid(d).GetSafeHwnd());
        })
        .ok();
    dlg.DoModal();
}

TEST_F(MacroKeysFiles, EnterAppliesATemplateFieldAndOnlyEndsAGridCellEdit) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) {
            ASSERT_TRUE(mfc::input::ReplaceText(pageItem(d, 0, widthId(d)), L"260"));
            ASSERT_TRUE(mfc::input::PressKey(VK_RETURN));
            EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 1);
            EXPECT_TRUE(::IsWindowVisible(d.GetSafeHwnd())) << "Enter does not close the dialog";
        })
        .then([](CDialog& d) {
            HWND g = grid(d).GetSafeHwnd();
            ASSERT_TRUE(SSUserClickCell(g, 3, gridRowOf(d, L"Thickness")));
            ASSERT_TRUE(mfc::input::TypeText(g, L"15"));
            ASSERT_TRUE(macroDlg(d).page(0)->grid().isEditing());
            ASSERT_TRUE(mfc::input::PressKey(VK_RETURN));
            EXPECT_FALSE(macroDlg(d).page(0)->grid().isEditing());
            EXPECT_EQ(::GetFocus(), g) << "the focus stays in the grid";
            EXPECT_TRUE(::IsWindowVisible(d.GetSafeHwnd()));
        })
        .ok();
    dlg.DoModal();
    EXPECT_TRUE(user.pending().empty());
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 2);
    EXPECT_EQ(updates[0].changes[0].name, L"Width");
    EXPECT_EQ(updates[0].changes[0].newValue, L"260");
    ASSERT_EQ(updates[1].changes.length(), 1);
    EXPECT_EQ(updates[1].changes[0].name, L"Thickness");
    EXPECT_EQ(updates[1].changes[0].newValue, L"15");
}

TEST_F(MacroKeysFiles, SpaceOnATemplateCheckBoxTicksItAndAppliesOnce) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) { ASSERT_TRUE(mfc::input::PressKey(VK_SPACE, mfc::kNoMods, pageItem(d, 0, stiffId(d)))); })
        .then([](CDialog& d) {
            EXPECT_EQ(::SendMessageW(pageItem(d, 0, stiffId(d)), BM_GETCHECK, 0, 0), BST_CHECKED);
        })
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    ASSERT_EQ(updates[0].changes.length(), 1);
    EXPECT_EQ(updates[0].changes[0].name, L"Stiff");
    EXPECT_EQ(updates[0].changes[0].newValue, L"1");
}

TEST_F(MacroKeysFiles, F12OpensTheDesignerOnThePagesTemplateAndNothingElse) {
    CDlgMacro dlg;
    MacroData data = plateMacro();
    MacroTabData bare = tab(kMacroTabGeneral, L"Bare");
    bare.cells.append(cell(L"Gap", L"5"));
    data.tabs.append(bare);
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) { ::SetFocus(pageItem(d, 0, widthId(d))); })
        .key(kKeyF12)
        .then([](CDialog& d) {
            EXPECT_EQ(acad::PostedCommands().size(), 1u) << "the command is cancelled before the designer opens";
            EXPECT_TRUE(::IsWindowVisible(d.GetSafeHwnd()));
            EXPECT_EQ(macroDlg(d).currentPage(), 0);
        })
        // A page without a template has nothing to design.
        .selectTab(IDC_MACRO_TAB, 1)
        .key(kKeyF12)
        .ok();
    user.onDialog(IDD_DLGDESIGNER)
        .then([](CDialog& d) {
            const Zk_DlgDesignerData& shown = static_cast<CDlgDesigner&>(d).designerData();
            EXPECT_EQ(shown.getNrControls(), 4) << "the whole template, not the page's bound part";
        })
        .cancel();
    dlg.DoModal();
    EXPECT_TRUE(user.pending().empty());
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 0);
}

}  // namespace
