// The pages of the macro dialog used as a detailer would: values typed into template
// controls and grid cells, combos chosen, and the exact changes the host is given.
#include "engine/zk_spread.h"
#include "macro_dlg_test_support.h"
#include "res/sheeteditor_ids.h"
#include "spread/ss_api.h"

namespace {

class MacroPages : public MacroDlgTest {
protected:
    void SetUp() override {
        MacroDlgTest::SetUp();
        writePlateTemplate();
    }
    MacroData plateMacro() {
        MacroData data = oneMacro();
        MacroTabData plate = tab(kMacroTabGeneral, L"Plate", L"Plate");
        plate.cells.append(cell(L"Width", L"200"));
        plate.cells.append(cell(L"Thickness", L"10"));
        plate.cells.append(cell(L"Stiff", L"0", kCellCheck));
        MacroCell finish = cell(L"Finish", L"Blank", kCellList);
        finish.choices = Zk_StringArray{L"Blank", L"Galvanised"};
        plate.cells.append(finish);
        plate.cells.append(cell(L"Weight", L"31.4", kCellNumber, false));
        data.tabs.append(plate);
        return data;
    }
};

TEST_F(MacroPages, TheTemplateShowsWhatItNamesAndTheGridTheRest) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO).then([](CDialog& d) {
        CMacroTabPage& page = *macroDlg(d).page(0);
        const MacroTabData& t = macroDlg(d).macroData().tabs[0];
        const int width = page.controlFor(2, L"Width");
        ASSERT_NE(width, 0);
        EXPECT_EQ(t.findCell(L"Width")->controlId, width);
        EXPECT_EQ(windowText(pageItem(d, 0, width)), L"200");
        EXPECT_EQ(page.controlFor(2, L"Missing"), 0) << "a field of an unknown cell is removed";
        EXPECT_EQ(page.designer().getNrControls(), 3);
        EXPECT_GT(t.findCell(L"Stiff")->controlId, 0) << "the check box shows its linked cell";
        // Thickness, Finish and Weight are not in the template: three grid rows.
        ASSERT_TRUE(page.isGridVisible());
        EXPECT_EQ(page.grid().rowCount(), 3);
        EXPECT_EQ(gridRowOf(d, L"Thickness"), 1);
        Zk_String text;
        grid(d).readCellText(1, 1, text);
        EXPECT_EQ(text, L"Thickness");
        EXPECT_EQ(grid(d).GetCellType(3, 2), SS_TYPE_COMBOBOX);
        EXPECT_EQ(page.requestedSize().cx, 380);
        EXPECT_EQ(page.requestedSize().cy, 100 + 130 - 20);
        RECT r{};
        d.GetWindowRect(&r);
        EXPECT_EQ(r.right - r.left, std::max(380 + 47, static_cast<int>(macroDlg(d).minimumSize().cx)));
    }).ok();
    dlg.DoModal();
}

TEST_F(MacroPages, ATypedValueGoesToTheHostAsExactlyOneChange) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    int widthId = 0;
    user.onDialog(IDD_MACRO)
        .then([&](CDialog& d) { widthId = macroDlg(d).page(0)->controlFor(2, L"Width"); })
        .then([&](CDialog& d) {
            ASSERT_TRUE(mfc::input::ReplaceText(pageItem(d, 0, widthId), L"250"));
            ASSERT_TRUE(mfc::input::PressKey(VK_RETURN));
        })
        .then([&](CDialog& d) {
            // The same value again changes nothing.
            ASSERT_TRUE(mfc::input::ReplaceText(pageItem(d, 0, widthId), L"250"));
            ASSERT_TRUE(mfc::input::PressKey(VK_RETURN));
        })
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    EXPECT_EQ(updates[0].tabName, L"Plate");
    ASSERT_EQ(updates[0].changes.length(), 1);
    EXPECT_EQ(updates[0].changes[0].kind, kMacroChangeCell);
    EXPECT_EQ(updates[0].changes[0].name, L"Width");
    EXPECT_EQ(updates[0].changes[0].oldValue, L"200");
    EXPECT_EQ(updates[0].changes[0].newValue, L"250");
    EXPECT_EQ(dlg.macroData().tabs[0].findCell(L"Width")->value, L"250");
    EXPECT_EQ(macroHost().countOf(L"clashcheck"), 2) << "at open and after the update";
    EXPECT_EQ(acad::CommandPromptPostCount(), 2) << "after the apply and after the close";
}

TEST_F(MacroPages, GridNumbersAreReadBackWithTwoDecimalsAndLockedCellsRefuseTyping) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([&](CDialog& d) {
            HWND g = grid(d).GetSafeHwnd();
            SSUserTypeText(g, 3, gridRowOf(d, L"Weight"), L"99");
            SSUserTypeText(g, 3, gridRowOf(d, L"Thickness"), L"12.345");
        })
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    ASSERT_EQ(updates[0].changes.length(), 1);
    EXPECT_EQ(updates[0].changes[0].name, L"Thickness");
    EXPECT_EQ(updates[0].changes[0].newValue, L"12.35");
    EXPECT_EQ(dlg.macroData().tabs[0].findCell(L"Weight")->value, L"31.4");
}

TEST_F(MacroPages, GridListsAndTemplateCheckBoxesApplyTheirChoice) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([&](CDialog& d) { SSUserTypeText(grid(d).GetSafeHwnd(), 3, gridRowOf(d, L"Finish"), L"Galvanised"); })
        .then([&](CDialog& d) {
            const int id = macroDlg(d).macroData().tabs[0].findCell(L"Stiff")->controlId;
            ASSERT_TRUE(mfc::input::Click(pageItem(d, 0, id)));
        })
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 2);
    EXPECT_EQ(updates[0].changes[0].name, L"Finish");
    EXPECT_EQ(updates[0].changes[0].newValue, L"Galvanised");
    EXPECT_EQ(updates[1].changes[0].name, L"Stiff");
    EXPECT_EQ(updates[1].changes[0].newValue, L"1");
}

TEST_F(MacroPages, AFailedUpdateSkipsTheCollisionCheckButThePagesStillReload) {
    CDlgMacro dlg;
    dlg.macroData() = plateMacro();
    macroHost().updateModuleFails = true;
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([&](CDialog& d) {
            SSUserTypeText(grid(d).GetSafeHwnd(), 3, gridRowOf(d, L"Thickness"), L"12");
        })
        .ok();
    dlg.DoModal();
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 1);
    EXPECT_EQ(macroHost().countOf(L"clashcheck"), 1) << "only the one at open";
}

TEST_F(MacroPages, TheTotalDimensionButtonOffersTheTotalAndMovesTheOffset) {
    writeTemplate("Total", 300, 80,
                  {{2, 0.1, 0.1, 0.3, 0.3, "Gap", ""}, {25, 0.5, 0.1, 0.8, 0.3, "Total", "Length;Gap;;2;"}});
    CDlgMacro dlg;
    MacroData data = oneMacro();
    MacroTabData t = tab(kMacroTabGeneral, L"Plate", L"Total");
    t.cells.append(cell(L"Length", L"100", kCellNumber, false));
    t.cells.append(cell(L"Gap", L"10"));
    data.tabs.append(t);
    dlg.macroData() = data;
    ScriptedUser user;
    int button = 0;
    user.onDialog(IDD_MACRO)
        .then([&](CDialog& d) { button = macroDlg(d).page(0)->controlFor(25, L"Length"); })
        .then([&](CDialog& d) {
            ASSERT_NE(button, 0);
            ASSERT_TRUE(mfc::input::Click(pageItem(d, 0, button)));
        })
        .ok();
    // 100 + 10 / 2 = 105 offered; the user asks for 120: the gap becomes 2 x 20.
    user.onDialog(IDD_TQ_PROMPT_STRING)
        .then([](CDialog& p) {
            wchar_t text[64] = {};
            ::GetWindowTextW(::GetDlgItem(p.GetSafeHwnd(), IDC_PROMPT_EDIT), text, 64);
            EXPECT_EQ(std::wstring(text), L"105.00000");
        })
        .replaceText(IDC_PROMPT_EDIT, L"120")
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    EXPECT_EQ(updates[0].changes[0].name, L"Gap");
    EXPECT_EQ(updates[0].changes[0].newValue, L"40.00000");
}

TEST_F(MacroPages, ABaseCellThatIsNotReadOnlyRemovesTheTotalButton) {
    writeTemplate("Total", 300, 80, {{25, 0.5, 0.1, 0.8, 0.3, "Total", "Length;Gap;;2;"}});
    CDlgMacro dlg;
    MacroData data = oneMacro();
    MacroTabData t = tab(kMacroTabGeneral, L"Plate", L"Total");
    t.cells.append(cell(L"Length", L"100"));
    t.cells.append(cell(L"Gap", L"10"));
    data.tabs.append(t);
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO).then([](CDialog& d) {
        EXPECT_EQ(macroDlg(d).page(0)->designer().getNrControls(), 0);
        EXPECT_EQ(macroDlg(d).page(0)->grid().rowCount(), 2);
    }).ok();
    dlg.DoModal();
}

// ---- bolt page ----

TEST_F(MacroPages, TheBoltBandListsAssembliesAndAppliesAChosenDiameter) {
    macroHost().assemblies = Zk_StringArray{L"M-8.8", L"HV-10.9"};
    macroHost().diameters[L"M-8.8"] = Zk_StringArray{L"16", L"20"};
    macroHost().diameters[L"HV-10.9"] = Zk_StringArray{L"20", L"24"};
    macroHost().mergedDiameters = Zk_StringArray{L"20", L"24"};
    CDlgMacro dlg;
    MacroData data = oneMacro();
    MacroTabData bolts = tab(kMacroTabBolt, L"Bolts");
    bolts.hasBoltData = true;
    bolts.bolt.assembly = L"M-8.8";
    bolts.bolt.diameter = L"20";
    bolts.cells.append(cell(L"Gauge", L"100"));
    MacroPatternProps pattern;
    pattern.name = L"P1";
    pattern.value = L"2";
    bolts.patterns.append(pattern);
    data.tabs.append(bolts);
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) {
            HWND assembly = pageItem(d, 0, IDC_BOLT_ASSEMBLY);
            ASSERT_TRUE(::IsWindowVisible(assembly));
            EXPECT_EQ(::SendMessageW(assembly, CB_GETCOUNT, 0, 0), 2);
            EXPECT_EQ(windowText(pageItem(d, 0, IDC_BOLT_DIAMETER)), L"20");
            EXPECT_EQ(macroDlg(d).page(0)->grid().rowCount(), 2) << "the variable and the pattern";
            // Another assembly: its diameters, the one shown before still chosen.
            ASSERT_TRUE(mfc::input::PickComboItem(assembly, L"HV-10.9"));
            HWND diameter = pageItem(d, 0, IDC_BOLT_DIAMETER);
            EXPECT_EQ(::SendMessageW(diameter, CB_GETCOUNT, 0, 0), 2);
            EXPECT_EQ(windowText(diameter), L"20");
            ASSERT_TRUE(mfc::input::PickComboItem(diameter, L"24"));
        })
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 2);
    EXPECT_EQ(updates[0].changes.length(), 1);
    EXPECT_EQ(updates[0].changes[0].kind, kMacroChangeBolt);
    EXPECT_EQ(dlg.macroData().tabs[0].bolt.assembly, L"HV-10.9");
    EXPECT_EQ(dlg.macroData().tabs[0].bolt.diameter, L"24");
}

TEST_F(MacroPages, ATemplateWithItsOwnBoltButtonHidesTheBand) {
    writeTemplate("Bolts", 300, 80, {{12, 0.1, 0.1, 0.3, 0.3, "Bolt", ""}, {8, 0.4, 0.1, 0.6, 0.3, "d", ""}});
    CDlgMacro dlg;
    MacroData data = oneMacro();
    MacroTabData bolts = tab(kMacroTabBolt, L"Bolts", L"Bolts");
    bolts.hasBoltData = true;
    bolts.bolt.diameter = L"20";
    data.tabs.append(bolts);
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO).then([](CDialog& d) {
        EXPECT_FALSE(::IsWindowVisible(pageItem(d, 0, IDC_BOLT_ASSEMBLY)));
        EXPECT_GT(macroDlg(d).macroData().tabs[0].bolt.controlId, 0);
        EXPECT_EQ(macroDlg(d).page(0)->requestedSize().cy, 80 - 20);
    }).ok();
    dlg.DoModal();
}

// The bolt dialog works live through the page: a tick on "tapped" is applied at once,
// closing it applies nothing more.
TEST_F(MacroPages, TheBoltSettingsButtonCancelsTheCommandAndOpensTheBoltDialog) {
    CDlgMacro dlg;
    MacroData data = oneMacro();
    MacroTabData bolts = tab(kMacroTabBolt, L"Bolts");
    bolts.hasBoltData = true;
    data.tabs.append(bolts);
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) { ASSERT_TRUE(mfc::input::Click(pageItem(d, 0, IDC_PAGE_ADVANCED))); })
        .ok();
    user.onDialog(8140).click(1110).ok();
    dlg.DoModal();
    ASSERT_GE(acad::PostedCommands().size(), 1u);
    EXPECT_EQ(acad::PostedCommands()[0], L"CANCELCMD");
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 1);
    EXPECT_EQ(dlg.macroData().tabs[0].bolt.tapped, 1);
}

// ---- profile page ----

class ProfilePage : public MacroPages {
protected:
    MacroData profileMacro() {
        writeFile("prof/HEA.pr",
                  "1\r\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\r\nHEA200\t1\tHE 200 A\tx\tx\tx\t190\r\n"
                  "HEA220\t1\tHE 220 A\tx\tx\tx\t210\r\n");
        MacroData data = oneMacro();
        MacroTabData t = tab(kMacroTabProfile, L"Profile");
        for (long long id : {501LL, 502LL}) {
            MacroProfData p;
            p.groupName = L"Cleats";
            p.sectionName = L"HEA-HEA200";
            p.objectId = id;
            p.rotation = L"0";
            p.memberName = id == 501 ? L"Left" : L"Right";
            t.profs.append(p);
        }
        data.tabs.append(t);
        macroHost().offsetTypeStrings = Zk_StringArray{L"Centre", L"By reference", L"Top"};
        macroHost().basePlaneStrings = Zk_StringArray{L"Plane", L"Object", L"Coordinate system", L"Keep"};
        return data;
    }
};

TEST_F(ProfilePage, TheBandShowsTheGroupItsProfilesAndTheFamilysSections) {
    CDlgMacro dlg;
    dlg.macroData() = profileMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO).then([](CDialog& d) {
        EXPECT_EQ(windowText(pageItem(d, 0, IDC_PROF_GROUP)), L"Cleats");
        HWND profiles = pageItem(d, 0, IDC_PROF_PROFILE);
        EXPECT_EQ(::SendMessageW(profiles, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(windowText(profiles), dialString(1010));
        HWND sections = pageItem(d, 0, IDC_PROF_SECTION);
        EXPECT_EQ(::SendMessageW(sections, CB_GETCOUNT, 0, 0), 3) << "two sections and the keep item";
        EXPECT_EQ(windowText(sections), L"HE 200 A");
        EXPECT_EQ(windowText(pageItem(d, 0, IDC_PROF_ROTATION)), L"0\u00B0");
        EXPECT_FALSE(::IsWindowVisible(pageItem(d, 0, IDC_PROF_SEGMENTED)));
        EXPECT_EQ(macroDlg(d).page(0)->requestedSize().cy, 162 - 20);
    }).ok();
    dlg.DoModal();
}

TEST_F(ProfilePage, ARotationTypedAs45IsAppliedAsTextToTheWholeGroup) {
    CDlgMacro dlg;
    dlg.macroData() = profileMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) {
            ASSERT_TRUE(mfc::input::ReplaceText(pageItem(d, 0, IDC_PROF_ROTATION), L"45"));
            ASSERT_TRUE(mfc::input::PressKey(VK_RETURN));
        })
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    ASSERT_EQ(updates[0].changes.length(), 2) << "both profiles of the group";
    EXPECT_EQ(updates[0].changes[0].kind, kMacroChangeProfile);
    EXPECT_EQ(dlg.macroData().tabs[0].profs[0].rotation, L"45");
    EXPECT_EQ(dlg.macroData().tabs[0].profs[1].rotation, L"45");
}

TEST_F(ProfilePage, TheKeepItemChangesNothingAndAChosenRotationIsStoredWithoutItsSign) {
    CDlgMacro dlg;
    dlg.macroData() = profileMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) {
            ASSERT_TRUE(mfc::input::PickComboItem(pageItem(d, 0, IDC_PROF_ROTATION), macroKeepText().wstr()));
            EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 0);
            ASSERT_TRUE(mfc::input::PickComboItem(pageItem(d, 0, IDC_PROF_ROTATION), L"90\u00B0"));
        })
        .ok();
    dlg.DoModal();
    ASSERT_EQ(macroHost().countOf(L"UpdateModule"), 1);
    EXPECT_EQ(dlg.macroData().tabs[0].profs[0].rotation, L"90");
}

TEST_F(ProfilePage, OneProfileOfTheGroupIsChangedAlone) {
    CDlgMacro dlg;
    dlg.macroData() = profileMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) {
            ASSERT_TRUE(mfc::input::PickComboItem(pageItem(d, 0, IDC_PROF_PROFILE), L"Right"));
            ASSERT_TRUE(mfc::input::PickComboItem(pageItem(d, 0, IDC_PROF_SECTION), L"HE 220 A"));
        })
        .ok();
    dlg.DoModal();
    const auto updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    ASSERT_EQ(updates[0].changes.length(), 1);
    EXPECT_EQ(updates[0].changes[0].index, 1);
    EXPECT_EQ(dlg.macroData().tabs[0].profs[0].sectionName, L"HEA-HEA200");
    EXPECT_EQ(dlg.macroData().tabs[0].profs[1].sectionName, L"HEA-HEA220");
}

TEST_F(ProfilePage, PickingTheBasePlaneHidesTheDialogAndAppliesThePickedPlane) {
    CDlgMacro dlg;
    dlg.macroData() = profileMacro();
    macroHost().coordSysPicks.append(MacroPickAnswer::object(77));
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) { ASSERT_TRUE(mfc::input::PickComboItem(pageItem(d, 0, IDC_PROF_PLANE), 2)); })
        .ok();
    dlg.DoModal();
    EXPECT_EQ(macroHost().countOf(L"selectCoordSys"), 1);
    EXPECT_EQ(dlg.macroData().tabs[0].profs[0].planeText, L"xp");
    EXPECT_EQ(dlg.macroData().tabs[0].profs[0].planeObjectId, 77);
    EXPECT_EQ(acad::PostedCommands()[0], L"CANCELCMD");
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 1);
}

TEST_F(ProfilePage, CancellingTheSegmentedProfilesDialogKeepsWhatWasApplied) {
    CDlgMacro dlg;
    MacroData data = profileMacro();
    MacroProfSegmentedData segmented;
    segmented.name = L"Rail";
    data.tabs[0].segmented.append(segmented);
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .then([](CDialog& d) { ASSERT_TRUE(mfc::input::Click(pageItem(d, 0, IDC_PROF_SEGMENTED))); })
        .then([](CDialog& d) { ASSERT_TRUE(mfc::input::Click(pageItem(d, 0, IDC_PROF_SEGMENTED))); })
        .ok();
    user.onDialog(221).cancel();
    user.onDialog(221).ok();
    dlg.DoModal();
    EXPECT_EQ(macroHost().countOf(L"UpdateModule"), 0) << "OK on unchanged segments is no change either";
    EXPECT_EQ(dlg.macroData().tabs[0].segmented.length(), 1);
}

}  // namespace
