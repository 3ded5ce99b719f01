// The profile dialog's launchers: the macro form works live on a private copy through
// its own callback and erases the temporary profile afterwards; the object form needs
// objects and hands the segment check back.
#include "frame/prof_adv_launcher.h"

#include "frame_fixture.h"
#include "host/macro_host_calls.h"
#include "mfc/scripted_user.h"
#include "res/macrosub_ids.h"
#include "win/messages.h"

namespace {

MacroData beamsData() {
    MacroData data;
    MacroTabData tab;
    tab.kind = kMacroTabProfile;
    tab.name = L"Profiles";
    MacroProfData prof;
    prof.groupName = L"Beams";
    prof.sectionName = L"HEA-HEA200";
    prof.rotation = L"0";
    prof.objectId = 11;
    tab.profs.append(prof);
    prof.objectId = 12;
    tab.profs.append(prof);
    data.tabs.append(tab);
    data.objectIds.append(900);
    return data;
}

class ProfAdvLauncher : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        resetMacroHost();
    }
    void TearDown() override {
        resetMacroHost();
        FrameTest::TearDown();
    }
    ScriptedUser user;
};

TEST_F(ProfAdvLauncher, TheMacroFormAppliesEachChangeWithItsCodeAndErasesTheTemporaryProfile) {
    MacroData data = beamsData();
    data.eraseTempObject = true;
    user.onDialog(IDD_MACRO_PROF_ADV).click(IDC_MP_ROT90).close();
    StartDlgMacroProfAdv(data, L"Beams", L"text", false);
    const Zk_Array<MacroHostCall> updates = macroHost().callsNamed(L"UpdateModule");
    ASSERT_EQ(updates.length(), 1);
    EXPECT_EQ(updates[0].tabName, L"Profiles");
    ASSERT_EQ(updates[0].changes.length(), 1);
    EXPECT_EQ(updates[0].changes[0].kind, kProfAdvChangeCode);
    // The private copy took the change; the caller's record is the host's to refresh.
    EXPECT_EQ(data.tabs[0].profs[0].rotation, L"0");
    const Zk_Array<MacroHostCall> erased = macroHost().callsNamed(L"EraseObject");
    EXPECT_EQ(erased.length(), 1);  // the one macro object; the merged group has no single id
}

TEST_F(ProfAdvLauncher, TheCallbackNeedsMacroDataAndReadsTheGroupsMergedProperties) {
    KmMACallBackData record;
    MacroProfData profile;
    EXPECT_FALSE(macroProfAdvCallBack(kMACallBackGet, record, profile));
    record.groupName = L"Beams";
    MacroData data = beamsData();
    data.tabs[0].profs[1].rotation = L"90";
    record.initDataClass(data);
    EXPECT_TRUE(macroProfAdvCallBack(kMACallBackGet, record, profile));
    EXPECT_EQ(profile.sectionName, L"HEA-HEA200");
    EXPECT_EQ(profile.rotation, macroKeepText());  // the two differ
    profile.sectionName = L"HEA-HEA220";
    EXPECT_TRUE(macroProfAdvCallBack(kMACallBackSet, record, profile));
    EXPECT_EQ(record.macroData->tabs[0].profs[1].sectionName, L"HEA-HEA220");
    EXPECT_EQ(record.macroData->tabs[0].profs[1].rotation, L"90");  // the keep value changed nothing
}

TEST_F(ProfAdvLauncher, TheObjectFormNeedsObjectsAndReturnsTheSegmentCheck) {
    bool segment = true;
    StartDlgMacroProfAdv(nullptr, segment, nullptr);
    AcArray<AcDbObjectId> none;
    StartDlgMacroProfAdv(&none, segment, nullptr);
    EXPECT_TRUE(segment);  // no dialog was shown
    AcArray<AcDbObjectId> objects;
    objects.append(AcDbObjectId(5));
    user.onDialog(IDD_MACRO_PROF_ADV).click(IDC_MP_SEGMENT_MODE).ok();
    segment = true;
    StartDlgMacroProfAdv(&objects, segment, nullptr);
    EXPECT_TRUE(segment);
    user.onDialog(IDD_MACRO_PROF_ADV).ok();
    StartDlgMacroProfAdv(&objects, segment, nullptr);
    EXPECT_FALSE(segment);
}

}  // namespace
