// The bolt settings used as a detailer would: slotted holes, checks, nuts and washers,
// the hole grid, refused values, live applies through the owning page.
#include "macrodlg/dlg_macro_bolt_adv.h"

#include "host/dialog_support.h"
#include "host/texts.h"
#include "mfc/check_combo.h"
#include "res/macrosub_ids.h"
#include "spread/ss_api.h"
#include "subdlg_test_support.h"
#include "win/messages.h"

namespace {

MacroBoltData boltWithSlots() {
    MacroBoltData bolt;
    bolt.assembly = Zk_String(L"M20");
    bolt.diameter = Zk_String(L"20");
    bolt.holeTolerance = Zk_String(L"2");
    bolt.tapped = -1;
    bolt.nut1 = 1;
    bolt.nut2 = -1;
    bolt.slottedHoles.append({1, Zk_String(L"11"), Zk_String(L"30"), Zk_String(L"0"), Zk_String(), -1});
    bolt.slottedHoles.append({0, Zk_String(L"9"), Zk_String(L"0"), Zk_String(L"90"), Zk_String(), 1});
    bolt.holeColumns.append({Zk_String(L"Left"), true});
    bolt.holeColumns.append({Zk_String(L"Right"), false});
    return bolt;
}

class BoltAdv : public SubDialogTest {
protected:
    void SetUp() override {
        SubDialogTest::SetUp();
        macroHost().assemblies = Zk_StringArray{L"M16", L"M20"};
    }
    ScriptedUser user;
    RecordingPageOwner owner;
};

TEST_F(BoltAdv, WithoutSlottedHolesTheSlotListIsEmptyAndItsControlsDisabled) {
    MacroBoltData bolt;
    CDlgMacroBoltAdv dlg(bolt, Zk_StringArray{L"16", L"20"}, &owner);
    user.onDialog(IDD_MACRO_BOLT_ADV)
        .then([](CDialog& d) {
            EXPECT_EQ(combo(d, IDC_MB_SLOTS).GetCount(), 0);
            for (int id : {IDC_MB_SLOTS, IDC_MB_SLOT_ACTIVE, IDC_MB_SLOT_RADIUS, IDC_MB_SLOT_LENGTH, IDC_MB_SLOT_ANGLE,
                           IDC_MB_SLOT_EXTRA, IDC_MB_SLOT_CHOICE})
                EXPECT_FALSE(enabled(d, id)) << id;
            EXPECT_EQ(static_cast<CDlgMacroBoltAdv&>(d).shownSlot(), -1);
        })
        .ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(owner.bolts.size(), 1u);
    EXPECT_TRUE(owner.bolts[0].slottedHoles.isEmpty());
}

TEST_F(BoltAdv, ASlotChoiceThatKeepsShowsTheLastItemAndStaysKept) {
    CDlgMacroBoltAdv dlg(boltWithSlots(), Zk_StringArray{L"16", L"20"}, &owner);
    user.onDialog(IDD_MACRO_BOLT_ADV)
        .then([](CDialog& d) {
            EXPECT_EQ(combo(d, IDC_MB_SLOT_CHOICE).GetCurSel(), 2);
            EXPECT_EQ(combo(d, IDC_MB_SLOTS).GetCount(), 2);
            EXPECT_EQ(itemText(d, IDC_MB_SLOT_RADIUS), L"11");
            EXPECT_TRUE(enabled(d, IDC_MB_SLOT_RADIUS));
            auto& slots = static_cast<CCheckComboBox&>(combo(d, IDC_MB_SLOTS));
            EXPECT_TRUE(slots.GetCheck(0));
            EXPECT_FALSE(slots.GetCheck(1));
        })
        .key(VK_RETURN)
        // The second slot is off: its controls are disabled; choosing it keeps the first.
        .pickCombo(IDC_MB_SLOTS, 1)
        .then([](CDialog& d) {
            EXPECT_EQ(itemText(d, IDC_MB_SLOT_ANGLE), L"90");
            EXPECT_FALSE(enabled(d, IDC_MB_SLOT_ANGLE));
            EXPECT_EQ(combo(d, IDC_MB_SLOT_CHOICE).GetCurSel(), 1);
        })
        .close();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(owner.bolts.size(), 1u);
    EXPECT_EQ(owner.bolts[0].slottedHoles[0].choice, -1);
    EXPECT_EQ(owner.bolts[0].slottedHoles[1].choice, 1);
    EXPECT_EQ(owner.bolts[0], boltWithSlots());  // nothing else moved either
}

TEST_F(BoltAdv, AnActiveSlotWithoutLengthIsRefusedAndNothingIsApplied) {
    MacroBoltData bolt = boltWithSlots();
    CDlgMacroBoltAdv dlg(bolt, Zk_StringArray{L"20"}, &owner);
    // Switching the slot on applies and is refused, and so is OK.
    user.answerMessageBox(L"Ongeldige waarde", IDOK);
    user.answerMessageBox(L"Ongeldige waarde", IDOK);
    user.onDialog(IDD_MACRO_BOLT_ADV)
        .pickCombo(IDC_MB_SLOTS, 1)
        .click(IDC_MB_SLOT_ACTIVE)  // on, with a length of 0
        .then([](CDialog& d) { EXPECT_TRUE(enabled(d, IDC_MB_SLOT_LENGTH)); })
        .ok()
        .then([&](CDialog& d) {
            EXPECT_FALSE(d.hasEnded());
            EXPECT_TRUE(owner.bolts.empty());
        })
        .replaceText(IDC_MB_SLOT_LENGTH, L"25")
        .ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(owner.bolts.size(), 1u);
    EXPECT_EQ(owner.bolts[0].slottedHoles[1].active, 1);
    EXPECT_EQ(owner.bolts[0].slottedHoles[1].length, L"25");
    EXPECT_EQ(user.pending().size(), 0u);
}

TEST_F(BoltAdv, TheRefusalNamesTheFirstBadSlotByItsIndex) {
    MacroBoltData bolt = boltWithSlots();
    bolt.slottedHoles[1].active = 1;
    bolt.slottedHoles.append({1, Zk_String(L"0"), Zk_String(L"0"), Zk_String(), Zk_String(), 0});
    CDlgMacroBoltAdv dlg(bolt, Zk_StringArray{L"20"}, &owner);
    // Only the box naming slot 1 is expected; a box naming slot 2 would be a failure.
    user.answerMessageBox((dialString(1000) + Zk_String(L" 1 ") + dialString(1001) + Zk_String(L"\n\n") +
                           dialString(888) + Zk_String(L"."))
                              .wstr(),
                          IDOK);
    user.onDialog(IDD_MACRO_BOLT_ADV).key(VK_RETURN).close();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(owner.bolts.empty());
}

TEST_F(BoltAdv, ChecksCycleTwoStatesAndEveryClickIsAppliedLive) {
    CDlgMacroBoltAdv dlg(boltWithSlots(), Zk_StringArray{L"16", L"20"}, &owner);
    // The host rounds the tolerance it is given.
    owner.hostChangesBolt = [](MacroBoltData& b) { b.holeTolerance = Zk_String(L"2.5"); };
    user.onDialog(IDD_MACRO_BOLT_ADV)
        .then([](CDialog& d) {
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MB_TAPPED), BST_INDETERMINATE);
            EXPECT_FALSE(enabled(d, IDC_MB_NUT2));  // not available
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MB_NUT1), BST_CHECKED);
        })
        .click(IDC_MB_TAPPED)
        .then([](CDialog& d) {
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MB_TAPPED), BST_CHECKED);
            EXPECT_EQ(itemText(d, IDC_MB_TOLERANCE), L"2.5");  // what the host left
        })
        .click(IDC_MB_TAPPED)
        .click(IDC_MB_NUT1_TEXT)  // the caption toggles the first nut
        .pickCombo(IDC_MB_DIAMETER, L"16")
        .then([](CDialog& d) {
            SSUserClickCell(d.GetDlgItem(IDC_MB_HOLE_GRID)->GetSafeHwnd(), 1, 2);
        })
        .ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(owner.bolts.size(), 5u);
    EXPECT_EQ(owner.bolts[0].tapped, 1);
    EXPECT_EQ(owner.bolts[1].tapped, 0);
    EXPECT_EQ(owner.bolts[2].nut1, 0);
    EXPECT_EQ(owner.bolts[2].nut2, -1);
    EXPECT_EQ(owner.bolts[2].holeTolerance, L"2.5");
    EXPECT_EQ(owner.bolts[3].diameter, L"16");
    Zk_StringArray names;
    Zk_Array<int> checked;
    owner.bolts[4].getHoleColumns(names, checked);
    EXPECT_EQ(checked, Zk_Array<int>({1, 1}));
    EXPECT_EQ(dlg.bolt().holeTolerance, L"2.5");
}

TEST_F(BoltAdv, AFailedApplyKeepsTheDialogOpenAndNoOwnerChangesNothing) {
    owner.fails = true;
    CDlgMacroBoltAdv dlg(boltWithSlots(), Zk_StringArray{L"20"}, &owner);
    user.onDialog(IDD_MACRO_BOLT_ADV).ok().then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()); }).close();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(owner.bolts.size(), 1u);

    CDlgMacroBoltAdv alone(boltWithSlots(), Zk_StringArray{L"20"}, nullptr);
    user.onDialog(IDD_MACRO_BOLT_ADV).click(IDC_MB_FLIP).ok();
    EXPECT_EQ(alone.DoModal(), IDOK);
    EXPECT_EQ(alone.bolt().flipOrientation, 1);
}

TEST_F(BoltAdv, KeepsItsWindowSize) {
    CDlgMacroBoltAdv dlg(MacroBoltData(), Zk_StringArray(), nullptr);
    user.onDialog(IDD_MACRO_BOLT_ADV).close();
    dlg.DoModal();
    int width = 0;
    int height = 0;
    EXPECT_TRUE(getDlgSize(Zk_String(L"DLG_MACRO_BOLTADVANCED"), width, height));
    EXPECT_GT(width, 0);
}

}  // namespace
