// The dialog side of the macro model: differences, the recorded host calls with their
// failures, merged profile groups, picks and records copied by value.
#include <gtest/gtest.h>

#include "host/macro_host_calls.h"

namespace {

MacroCell cell(const wchar_t* name, const wchar_t* value, int kind = kCellNumber, bool editable = true) {
    MacroCell c;
    c.name = Zk_String(name);
    c.value = Zk_String(value);
    c.caption = Zk_String(name);
    c.kind = kind;
    c.editable = editable;
    return c;
}

MacroProfData profile(const wchar_t* group, long long id, const wchar_t* section, const wchar_t* rotation) {
    MacroProfData p;
    p.groupName = Zk_String(group);
    p.objectId = id;
    p.sectionName = Zk_String(section);
    p.rotation = Zk_String(rotation);
    p.material = Zk_String(L"S235");
    return p;
}

// A macro with a general page, a bolt page and a profile page.
MacroData sampleMacro() {
    MacroData data;
    data.caption = Zk_String(L"End plate");
    data.objectIds = Zk_Array<long long>{101};
    data.singleModuleName = Zk_String(L"EndPlate");

    MacroTabData general;
    general.name = Zk_String(L"Plate");
    general.templateName = Zk_String(L"plate.dlg");
    general.cells = Zk_Array<MacroCell>{cell(L"Width", L"200"), cell(L"Grade", L"S235", kCellList),
                                        cell(L"Thick", L"10", kCellNumber, false)};
    general.cells[1].choices = Zk_StringArray{L"S235", L"S355"};

    MacroTabData bolts;
    bolts.kind = kMacroTabBolt;
    bolts.index = 1;
    bolts.name = Zk_String(L"Bolts");
    bolts.hasBoltData = true;
    bolts.bolt.assembly = Zk_String(L"M-Nut");
    bolts.bolt.diameter = Zk_String(L"20");
    bolts.bolt.slottedHoles.append(MacroSlottedHole{1, L"11", L"30", L"0", L"", -1});
    bolts.bolt.holeColumns = Zk_Array<MacroHoleColumn>{{L"Row A", true}, {L"Row B", false}};
    MacroPatternProps pattern;
    pattern.name = Zk_String(L"Grid");
    pattern.type = kMacroPatternTwoDir;
    pattern.nrBolts1 = 3;
    pattern.nrBolts2 = 2;
    bolts.patterns.append(pattern);

    MacroTabData profs;
    profs.kind = kMacroTabProfile;
    profs.index = 2;
    profs.name = Zk_String(L"Stiffeners");
    profs.profs = Zk_Array<MacroProfData>{profile(L"Stiff", 11, L"PL-PL10", L"0"), profile(L"Stiff", 12, L"PL-PL10", L"90"),
                                         profile(L"Haunch", 13, L"HEA-HEA200", L"0")};

    data.tabs = Zk_Array<MacroTabData>{general, bolts, profs};
    return data;
}

class MacroDialogModel : public ::testing::Test {
protected:
    void SetUp() override { resetMacroHost(); }
    void TearDown() override { resetMacroHost(); }
    MacroData data = sampleMacro();
};

TEST_F(MacroDialogModel, DifferencesNameWhatChangedAndIgnoreControlIds) {
    const MacroTabData before = data.tabs[0];
    MacroTabData& tab = data.tabs[0];
    EXPECT_TRUE(tab.differences(before).isEmpty());

    // Binding controls is not a change.
    tab.findCell(Zk_String(L"Width"))->controlId = 33001;
    tab.findCell(Zk_String(L"Grade"))->controlId = -2;
    EXPECT_TRUE(tab.differences(before).isEmpty());

    tab.findCell(Zk_String(L"Width"))->value = Zk_String(L"250");
    tab.cells.append(cell(L"Added", L"1"));
    const MacroChanges changes = tab.differences(before);
    ASSERT_EQ(changes.length(), 2);
    EXPECT_EQ(changes[0], (MacroChange{kMacroChangeCell, 0, L"Width", L"200", L"250"}));
    EXPECT_EQ(changes[1], (MacroChange{kMacroChangeCell, 3, L"Added", L"", L"1"}));
    // The other way round the added cell is simply not there.
    EXPECT_EQ(before.differences(tab).length(), 1);
}

TEST_F(MacroDialogModel, DifferencesOfBoltPatternProfileAndDrawingRecords) {
    const MacroTabData bolts = data.tabs[1];
    MacroTabData& tab = data.tabs[1];
    tab.bolt.controlId = 33012;
    tab.patterns[0].controlId = 33004;
    EXPECT_TRUE(tab.differences(bolts).isEmpty());
    tab.bolt.slottedHoles[0].length = Zk_String(L"35");
    tab.patterns[0].setCount(Zk_String(L"nr2"), 4);
    const MacroChanges changes = tab.differences(bolts);
    ASSERT_EQ(changes.length(), 2);
    EXPECT_EQ(changes[0].kind, kMacroChangePattern);
    EXPECT_EQ(changes[0].name, L"Grid");
    EXPECT_EQ(changes[1].kind, kMacroChangeBolt);

    const MacroTabData profs = data.tabs[2];
    data.tabs[2].profs[1].buttonControlId = 33017;
    EXPECT_TRUE(data.tabs[2].differences(profs).isEmpty());
    data.tabs[2].profs[1].rotation = Zk_String(L"45");
    ASSERT_EQ(data.tabs[2].differences(profs).length(), 1);
    EXPECT_EQ(data.tabs[2].differences(profs)[0], (MacroChange{kMacroChangeProfile, 1, L"Stiff", L"", L""}));

    MacroTabData general = data.tabs[0];
    general.hasDrawingChoice = true;
    general.drawingFile = Zk_String(L"Plate1");
    const MacroTabData chosen = general;
    general.drawingFile = Zk_String(L"Plate2");
    EXPECT_EQ(general.differences(chosen), (MacroChanges{{kMacroChangeDrawingFile, 0, L"Plate", L"Plate1", L"Plate2"}}));
}

TEST_F(MacroDialogModel, UpdateModuleRecordsEveryCallAndFailsWhenTold) {
    const MacroTabData before = data.tabs[0];
    data.tabs[0].cells[0].value = Zk_String(L"210");
    const MacroChanges changes = data.tabs[0].differences(before);

    EXPECT_TRUE(UpdateModule(Zk_String(L"Plate"), data, changes));
    macroHost().updateModuleFailsNext = 1;
    EXPECT_FALSE(UpdateModule(Zk_String(L"Plate"), data, changes));
    EXPECT_TRUE(UpdateModule(Zk_String(L"Plate"), data, changes));
    macroHost().updateModuleFails = true;
    EXPECT_FALSE(UpdateModule(Zk_String(L"Plate"), data, changes));
    macroHost().updateModuleFails = false;
    // Nothing to write, or a tab the macro lacks, updates nothing.
    EXPECT_FALSE(UpdateModule(Zk_String(L"Plate"), data, MacroChanges()));
    EXPECT_FALSE(UpdateModule(Zk_String(L"Elsewhere"), data, changes));

    const Zk_Array<MacroHostCall> calls = macroHost().callsNamed(Zk_String(L"UpdateModule"));
    ASSERT_EQ(calls.length(), 6);
    EXPECT_EQ(calls[0].tabName, L"Plate");
    EXPECT_EQ(calls[0].changes, changes);
    EXPECT_TRUE(calls[4].changes.isEmpty());
    EXPECT_EQ(calls[5].tabName, L"Elsewhere");
}

TEST_F(MacroDialogModel, UpdateModuleHookActsAsTheHost) {
    // The host rounds the width it was given.
    macroHost().onUpdateModule = [](const Zk_String& tabName, MacroData& d, const MacroChanges& changes) {
        d.tab(tabName)->cells[changes[0].index].value = Zk_String(L"200");
        return false;
    };
    const MacroTabData before = data.tabs[0];
    data.tabs[0].cells[0].value = Zk_String(L"199.7");
    EXPECT_FALSE(UpdateModule(Zk_String(L"Plate"), data, data.tabs[0].differences(before)));
    EXPECT_EQ(data.tabs[0].cells[0].value, L"200");
}

TEST_F(MacroDialogModel, RecordsCopyByValue) {
    MacroData copy = data;
    EXPECT_EQ(copy, data);
    copy.tabs[1].bolt.slottedHoles[0].radius = Zk_String(L"0");
    copy.tabs[1].patterns[0].dir1.entries.append(Zk_String(L"60"));
    copy.tabs[2].profs[0].sectionName = Zk_String(L"PL-PL12");
    copy.busy = true;
    EXPECT_NE(copy, data);
    EXPECT_EQ(data.tabs[1].bolt.slottedHoles[0].radius, L"11");
    EXPECT_TRUE(data.tabs[1].patterns[0].dir1.entries.isEmpty());
    EXPECT_EQ(data.tabs[2].profs[0].sectionName, L"PL-PL10");
    EXPECT_FALSE(data.busy);
}

TEST_F(MacroDialogModel, MergedGroupPropertiesKeepWhatDiffers) {
    MacroTabData& tab = data.tabs[2];
    EXPECT_EQ(tab.getProfGroups(), (Zk_StringArray{L"Stiff", L"Haunch"}));
    EXPECT_EQ(tab.getProfIdsOfGroup(Zk_String(L"Stiff")), (Zk_Array<long long>{11, 12}));
    EXPECT_EQ(tab.getProfDataIndx(12), 1);
    EXPECT_EQ(tab.getProfDataIndx(99), -1);

    MacroProfData merged;
    ASSERT_TRUE(tab.getMergedPropsOfGroup(Zk_String(L"Stiff"), merged));
    EXPECT_EQ(merged.sectionName, L"PL-PL10");
    EXPECT_EQ(merged.rotation, macroKeepText());  // 0 and 90
    EXPECT_EQ(merged.objectId, 0);
    EXPECT_FALSE(tab.getMergedPropsOfGroup(Zk_String(L"None"), merged));

    // Writing back the keep values changes nothing; a new section goes to both.
    merged.sectionName = Zk_String(L"PL-PL12");
    ASSERT_TRUE(tab.setMergedPropsOfGroup(Zk_String(L"Stiff"), merged));
    EXPECT_EQ(tab.profs[0].sectionName, L"PL-PL12");
    EXPECT_EQ(tab.profs[1].sectionName, L"PL-PL12");
    EXPECT_EQ(tab.profs[0].rotation, L"0");
    EXPECT_EQ(tab.profs[1].rotation, L"90");
    EXPECT_EQ(tab.profs[1].objectId, 12);
    EXPECT_EQ(tab.profs[2].sectionName, L"HEA-HEA200");
    EXPECT_FALSE(tab.setMergedPropsOfGroup(Zk_String(L"None"), merged));

    tab.profs[2].buttonControlId = 33020;
    EXPECT_EQ(tab.findProfDataWithButtonId(33020), &tab.profs[2]);
    EXPECT_EQ(tab.findProfDataWithButtonId(0), nullptr);
    tab.removeAllDlgReferences();
    EXPECT_EQ(tab.findProfDataWithButtonId(33020), nullptr);
}

TEST_F(MacroDialogModel, PatternCountsAndOffsetItems) {
    MacroPatternProps& grid = data.tabs[1].patterns[0];
    EXPECT_EQ(grid.getCount(Zk_String(L"nr1")), 3);
    EXPECT_EQ(grid.getCount(Zk_String(L"2")), 2);
    EXPECT_EQ(grid.getCount(Zk_String(L"spacing")), -1);
    EXPECT_FALSE(grid.setCount(Zk_String(L"nr1"), 0));
    EXPECT_EQ(grid.nrBolts1, 3);
    grid.type = kMacroPatternOneDir;
    EXPECT_EQ(grid.getCount(Zk_String(L"nr2")), -1);
    EXPECT_FALSE(grid.setCount(Zk_String(L"nr2"), 5));

    MacroProfData p;
    p.offsetType = 5;
    EXPECT_EQ(getDlgOffsetType(p), 5);
    p.byReference = 1;
    EXPECT_EQ(getDlgOffsetType(p), 1);
    EXPECT_LT(getProfOffsetType(1), 0);
    EXPECT_EQ(getProfOffsetType(7), 7);
    EXPECT_EQ(getProfOffsetType(99), 0);
    Zk_StringArray items;
    getOffsetTypeStrings(items, true);
    EXPECT_EQ(items.length(), kMacroOffsetItemCount + 1);
    EXPECT_EQ(items.last(), macroKeepText());
}

TEST_F(MacroDialogModel, HoleColumnsAndArrayEntriesRefuseMismatchedLists) {
    MacroBoltData& bolt = data.tabs[1].bolt;
    EXPECT_FALSE(bolt.setHoleColumns(Zk_StringArray{L"Row A", L"Row C"}, Zk_Array<int>{0, 1}));
    EXPECT_TRUE(bolt.holeColumns[0].checked);  // nothing half-applied
    EXPECT_TRUE(bolt.setHoleColumns(Zk_StringArray{L"Row B"}, Zk_Array<int>{1}));
    Zk_StringArray names;
    Zk_Array<int> checked;
    bolt.getHoleColumns(names, checked);
    EXPECT_EQ(checked, (Zk_Array<int>{1, 1}));

    DynArrayData array;
    EXPECT_TRUE(array.setEntryColumns(Zk_Array<int>{1, 2}, Zk_Array<int>{1, 0}, Zk_StringArray{L"a", L"b"}));
    EXPECT_FALSE(array.setEntryColumns(Zk_Array<int>{1}, Zk_Array<int>{1, 0}, Zk_StringArray{L"a"}));
    Zk_String text;
    EXPECT_TRUE(array.getEntry(2, text));
    EXPECT_EQ(text, L"b");
    EXPECT_FALSE(array.getEntry(0, text));
    EXPECT_FALSE(array.getEntry(3, text));
}

TEST_F(MacroDialogModel, PicksAnswerInOrderAndAnEmptyQueueCancels) {
    macroHost().planePicks.append(MacroPickAnswer::object(77));
    macroHost().planePicks.append(MacroPickAnswer::cancelled());
    long long plane = 0;
    Zk_String text(L"unchanged");
    EXPECT_TRUE(UserSelectPlane(plane, text));
    EXPECT_EQ(plane, 77);
    EXPECT_TRUE(text.isEmpty());
    plane = 5;
    EXPECT_FALSE(UserSelectPlane(plane, text));
    EXPECT_FALSE(UserSelectPlane(plane, text));
    EXPECT_EQ(plane, 5);

    macroHost().sectionChoices.append(MacroPickAnswer::section(Zk_String(L"HEA\\HEA240")));
    Zk_String section(L"HEA-HEA200");
    EXPECT_TRUE(DlgSelectProf(section));
    EXPECT_EQ(section, L"HEA\\HEA240");

    long long cs = 0;
    macroHost().createdCoordSys.append(MacroPickAnswer::object(501));
    EXPECT_FALSE(createCoordSys(0, cs));  // no object, no coordinate system
    EXPECT_TRUE(createCoordSys(12, cs));
    EXPECT_EQ(cs, 501);

    double x = 0, y = 0;
    macroHost().sectionPointPicks.append(MacroPickAnswer::point(5.5, -2));
    EXPECT_TRUE(UserChooseSectionPoint(3.14159265358979 / 2, x, y));
    EXPECT_EQ(x, 5.5);
    EXPECT_EQ(macroHost().callsNamed(Zk_String(L"UserChooseSectionPoint"))[0].args[0], L"1.570796");

    const Zk_Array<MacroHostCall> planes = macroHost().callsNamed(Zk_String(L"UserSelectPlane"));
    ASSERT_EQ(planes.length(), 3);
    EXPECT_EQ(planes[0].args, (Zk_StringArray{L"picked"}));
    EXPECT_EQ(planes[2].args, (Zk_StringArray{L"cancelled"}));
}

TEST_F(MacroDialogModel, MacroOperationsAndCollisionCheck) {
    EXPECT_TRUE(data.changeView(Zk_String(L"Bolts"), 2));
    EXPECT_FALSE(data.changeView(Zk_String(L"Bolts"), 4));
    EXPECT_FALSE(data.reApply());
    macroHost().reApplyResult = true;
    EXPECT_TRUE(data.reApply());

    macroHost().onLoadFromStandards = [](MacroData& d) { d.tabs[0].cells[0].value = Zk_String(L"180"); };
    EXPECT_TRUE(data.loadFromStandards());
    EXPECT_EQ(data.tabs[0].cells[0].value, L"180");

    EXPECT_FALSE(SelectOtherMacros(data));
    macroHost().selectOtherMacrosResult = true;
    macroHost().onSelectOtherMacros = [](MacroData& d) { d.objectIds.append(102); };
    EXPECT_TRUE(SelectOtherMacros(data));
    EXPECT_EQ(data.nrMacros(), 2);

    data.groupIndex = 1;
    UpdateAllFilterModified(data, true);
    EXPECT_EQ(macroHost().callsNamed(Zk_String(L"UpdateAllFilterModified"))[0].args,
              (Zk_StringArray{L"true", L"1", L"0"}));

    clashInitDlgStarted(3, data.objectIds);
    EXPECT_FALSE(clashGetStatus(3));
    clashSetStatus(3, true);
    EXPECT_TRUE(clashGetStatus(3));
    EXPECT_FALSE(clashGetStatus(-1));  // every slot keeps its own state
    clashcheck(3, data.objectIds);
    EXPECT_EQ(macroHost().callsNamed(Zk_String(L"clashcheck"))[0].args, (Zk_StringArray{L"3", L"101,102"}));

    Zk_StringArray names;
    for (const MacroHostCall& c : macroHost().calls) names.append(c.name);
    EXPECT_EQ(names, (Zk_StringArray{L"changeView", L"changeView", L"reApply", L"reApply", L"loadFromStandards",
                                     L"SelectOtherMacros", L"SelectOtherMacros", L"UpdateAllFilterModified",
                                     L"clashInitDlgStarted", L"clashSetStatus", L"clashcheck"}));
}

TEST_F(MacroDialogModel, BoltListsAndDrawingActions) {
    macroHost().assemblies = Zk_StringArray{L"M-Nut", L"M-Washer"};
    macroHost().diameters[L"M-Nut"] = Zk_StringArray{L"16", L"20"};
    macroHost().diameters[L"M-Washer"] = Zk_StringArray{L"20", L"24"};
    Zk_StringArray list;
    EXPECT_TRUE(GetDiameters(Zk_String(L"M-Washer"), list));
    EXPECT_EQ(list, (Zk_StringArray{L"20", L"24"}));
    EXPECT_FALSE(GetDiameters(Zk_String(L"Rivet"), list));
    EXPECT_TRUE(list.isEmpty());
    GetMergedDiameters(data, Zk_String(L"Bolts"), list);
    EXPECT_EQ(list, (Zk_StringArray{L"16", L"20", L"24"}));
    macroHost().mergedDiameters = Zk_StringArray{L"20"};
    GetMergedDiameters(data, Zk_String(L"Bolts"), list);
    EXPECT_EQ(list, (Zk_StringArray{L"20"}));

    EXPECT_TRUE(swapBlockRefs(data, Zk_String(L"Plate"), Zk_String(L"C:\\lib\\Plate2.dwg")));
    macroHost().swapBlockRefsResult = false;
    EXPECT_FALSE(swapBlockRefs(data, Zk_String(L"Plate"), Zk_String(L"C:\\lib\\Plate3.dwg")));
    EXPECT_FALSE(EraseObject(0));
    EXPECT_TRUE(EraseObject(12));
    ZoomCommand();
    EXPECT_EQ(macroHost().callsNamed(Zk_String(L"swapBlockRefs"))[1].args, (Zk_StringArray{L"C:\\lib\\Plate3.dwg"}));
    EXPECT_EQ(macroHost().countOf(Zk_String(L"ZoomCommand")), 1);
}

TEST_F(MacroDialogModel, SizeKeyFacts) {
    EXPECT_EQ(data.singleModuleName, L"EndPlate");
    EXPECT_TRUE(data.selectedGroupName().isEmpty());
    data.groupCaptions = Zk_StringArray{L"All", L"Plates"};
    data.groupInternalNames = Zk_StringArray{L"ALL", L"PLATES"};
    data.groupIndex = 1;
    EXPECT_EQ(data.selectedGroupName(), L"PLATES");
    data.groupIndex = -1;
    EXPECT_TRUE(data.selectedGroupName().isEmpty());
    data.selectedProfileIds = Zk_Array<long long>{11};
    EXPECT_EQ(data.singleProfileId(), 11);
    data.selectedProfileIds.append(12);
    EXPECT_EQ(data.singleProfileId(), 0);
}

}  // namespace
