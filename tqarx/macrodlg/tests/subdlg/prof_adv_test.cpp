// The profile dialog through its owner's callback: offsets and their position buttons,
// rotation, base plane and picks, the morphed group, live applies.
#include "macrodlg/dlg_macro_prof_adv.h"

#include <vector>

#include "host/macro_prof_records.h"
#include "host/texts.h"
#include "res/macrosub_ids.h"
#include "subdlg_test_support.h"
#include "win/messages.h"

namespace {

// The owner: a model profile the callback hands out and takes back, and every call.
struct TestOwner {
    MacroProfData model;
    std::vector<KmMACallBackType> calls;
    std::vector<MacroProfData> sets;
    std::function<void(MacroProfData&)> hostAdjusts;
};
TestOwner* gOwner = nullptr;

bool ownerCallBack(KmMACallBackType type, KmMACallBackData&, MacroProfData& profile) {
    gOwner->calls.push_back(type);
    if (type == kMACallBackGet) profile = gOwner->model;
    if (type == kMACallBackSet) {
        gOwner->sets.push_back(profile);
        gOwner->model = profile;
        if (gOwner->hostAdjusts) gOwner->hostAdjusts(gOwner->model);
        profile = gOwner->model;
    }
    return true;
}

class ProfAdv : public SubDialogTest {
protected:
    void SetUp() override {
        SubDialogTest::SetUp();
        gOwner = &owner;
        Zk_StringArray offsets;
        for (int i = 0; i < kMacroOffsetItemCount; ++i) offsets.append(Zk_String(L"Offset ") + Zk_String(i));
        macroHost().offsetTypeStrings = offsets;
        owner.model.groupName = Zk_String(L"Beams");
        owner.model.sectionName = Zk_String(L"HEA-HEA200");
        owner.model.objectId = 501;
        owner.model.offsetType = 1;
        owner.model.byReference = 1;  // item 1: by reference
        owner.model.rotation = Zk_String(L"45");
        owner.model.planeText = Zk_String(L"xp");
    }
    void TearDown() override {
        gOwner = nullptr;
        SubDialogTest::TearDown();
    }
    INT_PTR run(bool single = false, bool segment = false, KmMACallBackData record = KmMACallBackData()) {
        CDlgMacroProfAdv dlg(record, &ownerCallBack, single, segment);
        const INT_PTR result = dlg.DoModal();
        segmentResult = dlg.segmentResult();
        return result;
    }
    static int checkedPositions(CDialog& d) {
        int n = 0;
        for (int id : {IDC_MP_POS1, IDC_MP_POS2, IDC_MP_POS3, IDC_MP_POS4, IDC_MP_POS5, IDC_MP_POS6, IDC_MP_POS7,
                       IDC_MP_POS8, IDC_MP_POS9})
            n += d.IsDlgButtonChecked(id) == BST_CHECKED;
        return n;
    }

    ScriptedUser user;
    TestOwner owner;
    bool segmentResult = false;
};

TEST_F(ProfAdv, OffsetItemsSelectTheirPositionButtonAndBack) {
    EXPECT_EQ(CDlgMacroProfAdv::positionOfOffsetItem(1), 0);
    EXPECT_EQ(CDlgMacroProfAdv::positionOfOffsetItem(3), 5);
    EXPECT_EQ(CDlgMacroProfAdv::positionOfOffsetItem(12), 9);
    for (int p = 1; p <= 9; ++p)
        EXPECT_EQ(CDlgMacroProfAdv::positionOfOffsetItem(CDlgMacroProfAdv::offsetItemOfPosition(p)), p);
    user.onDialog(IDD_MACRO_PROF_ADV)
        .then([](CDialog& d) {
            EXPECT_EQ(combo(d, IDC_MP_OFFSET).GetCurSel(), 1);
            EXPECT_EQ(checkedPositions(d), 0);  // item 1 has no position
            EXPECT_FALSE(enabled(d, IDC_MP_X));
        })
        .click(IDC_MP_POS5)
        .then([](CDialog& d) {
            EXPECT_EQ(combo(d, IDC_MP_OFFSET).GetCurSel(), 3);
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MP_POS5), BST_CHECKED);
            EXPECT_EQ(checkedPositions(d), 1);
        })
        .pickCombo(IDC_MP_OFFSET, 0)
        .then([](CDialog& d) { EXPECT_TRUE(enabled(d, IDC_MP_X)); })
        .replaceText(IDC_MP_X, L"12.5")
        .key(VK_RETURN)
        .close();
    EXPECT_EQ(run(), IDCANCEL);
    ASSERT_EQ(owner.sets.size(), 3u);
    EXPECT_EQ(owner.sets[0].offsetType, 3);
    EXPECT_EQ(owner.sets[0].byReference, 0);
    EXPECT_EQ(owner.sets[1].offsetType, 0);
    EXPECT_EQ(owner.sets[2].xOffset, L"12.5");
    // Cancel does not undo: the owner's profile is what was applied last.
    EXPECT_EQ(owner.model.xOffset, L"12.5");
    EXPECT_EQ(owner.calls.front(), kMACallBackGet);
}

TEST_F(ProfAdv, ARotationOffTheListIsShownAsOtherAndTheRadiosWriteTheirDegrees) {
    user.onDialog(IDD_MACRO_PROF_ADV)
        .then([](CDialog& d) {
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MP_ROT_OTHER), BST_CHECKED);
            EXPECT_EQ(itemText(d, IDC_MP_ROT_VALUE), L"45");
            EXPECT_TRUE(enabled(d, IDC_MP_ROT_VALUE));
        })
        .click(IDC_MP_ROT90)
        .then([](CDialog& d) { EXPECT_FALSE(enabled(d, IDC_MP_ROT_VALUE)); })
        .click(IDC_MP_ROT_KEEP)
        .click(IDC_MP_ROT_OTHER)  // only enables the edit
        .replaceText(IDC_MP_ROT_VALUE, L"30")
        .key(VK_RETURN)
        .ok();
    EXPECT_EQ(run(), IDOK);
    ASSERT_EQ(owner.sets.size(), 4u);
    EXPECT_EQ(owner.sets[0].rotation, L"90");
    EXPECT_EQ(owner.sets[1].rotation, macroKeepText());
    EXPECT_EQ(owner.sets[2].rotation, L"30");
}

TEST_F(ProfAdv, PlanePicksHideTheOwnerAndWriteThePickedPlane) {
    macroHost().planePicks.append(MacroPickAnswer::object(77, Zk_String(L"pl")));
    macroHost().coordSysPicks.append(MacroPickAnswer::object(88));
    macroCoordSystems().append({55, Zk_String(L"UCS A")});
    user.onDialog(IDD_MACRO_PROF_ADV)
        .then([](CDialog& d) {
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MP_PLANE_PICKED), BST_CHECKED);
            EXPECT_FALSE(enabled(d, IDC_MP_PLANE_OBJECT));  // no selected profiles
            EXPECT_FALSE(enabled(d, IDC_MP_COORDSYS));
        })
        .click(IDC_MP_PLANE_PICKED)
        .click(IDC_MP_PLANE_COORDSYS)
        .then([](CDialog& d) {
            EXPECT_TRUE(enabled(d, IDC_MP_COORDSYS));
            EXPECT_EQ(itemText(d, IDC_MP_PLANE_PICK), CString((dialString(1368) + Zk_String(L"...")).c_str()));
        })
        .pickCombo(IDC_MP_COORDSYS, 0)
        .click(IDC_MP_PLANE_PICK)
        .click(IDC_MP_PLANE_WCS)
        .ok();
    EXPECT_EQ(run(), IDOK);
    ASSERT_GE(owner.sets.size(), 4u);
    EXPECT_EQ(owner.sets[0].planeText, L"pl");
    EXPECT_EQ(owner.sets[0].planeObjectId, 77);
    EXPECT_EQ(owner.sets[1].planeText, L"xp");  // the axis the profile had
    EXPECT_EQ(owner.sets[1].planeObjectId, 55);
    EXPECT_EQ(owner.sets[2].planeObjectId, 88);
    EXPECT_EQ(owner.sets[3].planeText, L"");
    // Each pick is wrapped in hide and show.
    std::vector<KmMACallBackType> picks;
    for (KmMACallBackType t : owner.calls)
        if (t == kMACallBackHide || t == kMACallBackShow) picks.push_back(t);
    EXPECT_EQ(picks, (std::vector<KmMACallBackType>{kMACallBackHide, kMACallBackShow, kMACallBackHide,
                                                    kMACallBackShow}));
}

TEST_F(ProfAdv, TheMorphedGroupAndTheGroupEditFollowTheProfileAndTheModes) {
    user.onDialog(IDD_MACRO_PROF_ADV).then([](CDialog& d) {
        EXPECT_FALSE(shown(d, IDC_MP_END_SECTION));
        EXPECT_FALSE(shown(d, IDC_MP_MORPH_GROUP1));
        EXPECT_FALSE(shown(d, IDC_MP_SEGMENT_MODE));
        EXPECT_TRUE(shown(d, IDC_MP_GROUP));
        EXPECT_FALSE(enabled(d, IDC_MP_GROUP));  // a single profile
        EXPECT_EQ(itemText(d, IDC_MP_GROUP), L"Beams");
    }).close();
    run(true);

    owner.model.morphed = true;
    owner.model.endSectionName = Zk_String(L"User Sections\\Taper.dwg");
    user.onDialog(IDD_MACRO_PROF_ADV)
        .then([](CDialog& d) {
            EXPECT_TRUE(shown(d, IDC_MP_END_SECTION));
            EXPECT_EQ(combo(d, IDC_MP_END_SECTION).GetCount(), 2);  // the user section and the keep item
            EXPECT_FALSE(shown(d, IDC_MP_GROUP));
            EXPECT_TRUE(shown(d, IDC_MP_SEGMENT_MODE));
        })
        .click(IDC_MP_SEGMENT_MODE)
        .ok();
    run(false, true);
    EXPECT_TRUE(segmentResult);
    EXPECT_EQ(owner.model.endSectionName, L"User Sections\\Taper.dwg");
}

TEST_F(ProfAdv, TheSectionListComesFromTheFamilyTableAndAChosenSectionStays) {
    std::FILE* f = std::fopen((m_folder / "prof" / "HEA.pr").string().c_str(), "w");
    std::fputs("1\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\nHEA200\t1\tHE 200 A\tHEA200\tHEA200\tHEA200\t190\n"
               "HEA220\t1\tHE 220 A\tHEA220\tHEA220\tHEA220\t210\n",
               f);
    std::fclose(f);
    macroHost().sectionChoices.append(MacroPickAnswer::section(Zk_String(L"User Sections\\Odd.dwg")));
    user.onDialog(IDD_MACRO_PROF_ADV)
        .then([](CDialog& d) {
            EXPECT_EQ(combo(d, IDC_MP_SECTION).GetCount(), 3);
            EXPECT_EQ(combo(d, IDC_MP_SECTION).GetCurSel(), 0);
        })
        .pickCombo(IDC_MP_SECTION, 1)
        .click(IDC_MP_SECTION_SELECT)
        .then([](CDialog& d) {
            CString shownText;
            combo(d, IDC_MP_SECTION).GetLBText(combo(d, IDC_MP_SECTION).GetCurSel(), shownText);
            EXPECT_EQ(shownText, L"Odd");
        })
        .pickCombo(IDC_MP_SECTION, 1)  // the keep item changes nothing
        .ok();
    run();
    ASSERT_GE(owner.sets.size(), 2u);
    EXPECT_EQ(owner.sets[0].sectionName, L"HEA-HEA220");
    EXPECT_EQ(owner.sets[1].sectionName, L"User Sections\\Odd.dwg");
    EXPECT_EQ(owner.model.sectionName, L"User Sections\\Odd.dwg");
}

}  // namespace
