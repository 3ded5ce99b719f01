#include "host/macro_model.h"

#include <gtest/gtest.h>

#include "host/macro_file.h"
#include "macro_test_support.h"

namespace {

class MacroModel : public ::testing::Test {
protected:
    void SetUp() override {
        Zk_Macro parsed;
        Zk_String error;
        ASSERT_TRUE(parseMacroText(Zk_String(kSampleMacro), Zk_String(L"sample"), parsed, data, error))
            << error.toUtf8();
        db = Zk_DbMacro(parsed);
        ASSERT_EQ(db.openModule(Zk_String(L"Plate"), plate, nullptr), Acad::eOk);
        ASSERT_EQ(db.openModule(Zk_String(L"Bolts"), bolts, nullptr), Acad::eOk);
    }
    Zk_DbMacro db;
    MacroData data;
    Zk_Module* plate = nullptr;
    Zk_Module* bolts = nullptr;
};

TEST_F(MacroModel, GroupsListTheirModulesOrAModuleWithoutGroup) {
    Zk_StringArray names;
    ASSERT_EQ(db.getModNamesOfGroup(Zk_String(L"Plates"), names), Acad::eOk);
    EXPECT_EQ(names, (Zk_StringArray{L"Plate", L"Bolts"}));
    ASSERT_EQ(db.getModNamesOfGroup(Zk_String(L"Stiffener"), names), Acad::eOk);
    EXPECT_EQ(names, (Zk_StringArray{L"Stiffener"}));
    // A grouped module is not its own group; unknown and empty names fail.
    EXPECT_EQ(db.getModNamesOfGroup(Zk_String(L"Plate"), names), Acad::eInvalidInput);
    EXPECT_EQ(db.getModNamesOfGroup(Zk_String(L"Nothing"), names), Acad::eInvalidInput);
    EXPECT_EQ(db.getModNamesOfGroup(Zk_String(), names), Acad::eInvalidInput);
    Zk_Module* module = nullptr;
    EXPECT_EQ(db.openModule(Zk_String(L"Nothing"), module, nullptr), Acad::eInvalidInput);
}

TEST_F(MacroModel, ConstraintVariablesAndTheirButtons) {
    Zk_String value;
    ASSERT_EQ(plate->getSetConstrVarValue(Zk_String(L"Height"), value, true), Acad::eOk);
    EXPECT_EQ(value, L"300.5");
    value = Zk_String(L" 42 ");
    ASSERT_EQ(plate->getSetConstrVarValue(Zk_String(L"Height"), value, false), Acad::eOk);
    EXPECT_EQ(plate->findConstrVar(Zk_String(L"Height"))->value, 42.0);
    for (const wchar_t* bad : {L"", L"12mm", L"nan", L"1e999"}) {
        value = Zk_String(bad);
        EXPECT_EQ(plate->getSetConstrVarValue(Zk_String(L"Height"), value, false), Acad::eInvalidInput) << bad;
    }
    EXPECT_EQ(plate->findConstrVar(Zk_String(L"Height"))->value, 42.0);
    EXPECT_EQ(plate->getSetConstrVarValue(Zk_String(L"None"), value, true), Acad::eInvalidInput);

    bool flexible = false;
    bool fixed = false;
    ASSERT_EQ(plate->getFlexFixBtnStatus(Zk_String(L"Thick"), flexible, fixed), Acad::eOk);
    EXPECT_FALSE(flexible);
    EXPECT_TRUE(fixed);
    ASSERT_EQ(plate->flexFixBtnClicked(Zk_String(L"Thick"), false), Acad::eOk);
    plate->getFlexFixBtnStatus(Zk_String(L"Thick"), flexible, fixed);
    EXPECT_TRUE(flexible);
    EXPECT_FALSE(fixed);
    // No button, no status.
    EXPECT_EQ(plate->getFlexFixBtnStatus(Zk_String(L"Height"), flexible, fixed), Acad::eInvalidInput);
    EXPECT_EQ(plate->flexFixBtnClicked(Zk_String(L"Height"), true), Acad::eInvalidInput);

    Zk_StringArray names;
    Zk_Array<int> inDialog;
    Zk_Array<int> editable;
    ASSERT_EQ(plate->getDialogVariables(names, inDialog, editable), Acad::eOk);
    EXPECT_EQ(names, (Zk_StringArray{L"Width", L"Height", L"Thick"}));
    EXPECT_EQ(inDialog, (Zk_Array<int>{1, 0, 1}));
    EXPECT_EQ(editable, (Zk_Array<int>{1, 1, 0}));
}

TEST_F(MacroModel, CutOffsetsExistOnlyWhereTheCutHasThem) {
    Zk_Array<int> types;
    ASSERT_EQ(plate->getCutOffsets(Zk_String(L"SideCut"), types), Acad::eOk);
    EXPECT_EQ(types, (Zk_Array<int>{kCutOffset, kCutRadius}));
    double value = 0;
    ASSERT_EQ(plate->getSetCutValue(Zk_String(L"SideCut"), kCutRadius, value, true), Acad::eOk);
    EXPECT_EQ(value, 5.0);
    value = 7.5;
    ASSERT_EQ(plate->getSetCutValue(Zk_String(L"SideCut"), kCutOffset, value, false), Acad::eOk);
    EXPECT_EQ(plate->cuts[0].offset[kCutOffset], 7.5);
    EXPECT_EQ(plate->getSetCutValue(Zk_String(L"SideCut"), kCutPolyOffset, value, true), Acad::eInvalidInput);
    EXPECT_EQ(plate->getSetCutValue(Zk_String(L"SideCut"), 9, value, true), Acad::eInvalidInput);
    EXPECT_EQ(plate->getSetCutValue(Zk_String(L"SideCut"), -1, value, true), Acad::eInvalidInput);
    EXPECT_EQ(plate->getCutOffsets(Zk_String(L"Other"), types), Acad::eInvalidInput);
}

TEST_F(MacroModel, PatternsCountBoltsPerDirection) {
    Zk_String value;
    ASSERT_EQ(bolts->getSetNrBolts(Zk_String(L"P1"), 2, value, true), Acad::eOk);
    EXPECT_EQ(value, L"3");
    value = Zk_String(L"5");
    ASSERT_EQ(bolts->getSetNrBolts(Zk_String(L"P1"), 1, value, false), Acad::eOk);
    EXPECT_EQ(bolts->patterns[0].nrBolts1, 5);
    // A one-direction pattern has no second direction; counts are whole and positive.
    EXPECT_EQ(bolts->getSetNrBolts(Zk_String(L"P2"), 2, value, true), Acad::eInvalidInput);
    for (const wchar_t* bad : {L"0", L"2.5", L"-1", L"x"}) {
        value = Zk_String(bad);
        EXPECT_EQ(bolts->getSetNrBolts(Zk_String(L"P2"), 1, value, false), Acad::eInvalidInput) << bad;
    }
    EXPECT_EQ(bolts->patterns[1].nrBolts1, 4);

    int id = -1;
    ASSERT_EQ(bolts->findPattern(Zk_String(L"P1"), id), Acad::eOk);
    bool flag = false;
    ASSERT_EQ(bolts->getSetReverseStart(id, 2, flag, true), Acad::eOk);
    EXPECT_TRUE(flag);
    flag = true;
    ASSERT_EQ(bolts->getSetReverseStart(id, 1, flag, false), Acad::eOk);
    EXPECT_TRUE(bolts->patterns[0].reverseStart1);
    EXPECT_EQ(bolts->getSetReverseStart(7, 1, flag, true), Acad::eInvalidInput);
}

TEST_F(MacroModel, MergedGroupPropertiesBlankWhatDiffers) {
    MacroProfData props;
    ASSERT_EQ(plate->getMergedGroupProps(Zk_String(L"Web"), props), Acad::eOk);
    EXPECT_EQ(props.memberName, L"Web1");
    EXPECT_EQ(props.sectionName, L"PL-PL10");
    EXPECT_TRUE(props.material.isEmpty());  // S235 and S355
    props = MacroProfData();
    props.memberName = Zk_String(L"Web2");
    ASSERT_EQ(plate->setMergedGroupProps(Zk_String(L"Web"), props), Acad::eOk);
    EXPECT_EQ(plate->placements[0].memberName, L"Web2");
    EXPECT_EQ(plate->placements[1].material, L"S355");  // empty fields write nothing
    EXPECT_EQ(plate->getMergedGroupProps(Zk_String(L"Flange"), props), Acad::eInvalidInput);
}

TEST_F(MacroModel, GeneralVariablesAndBaseProfiles) {
    Zk_Macro& macro = db.macroWrite();
    double value = 0;
    ASSERT_EQ(macro.getGenVar(Zk_String(L"gen_Gap"), value), Acad::eOk);
    EXPECT_EQ(value, 10.0);
    EXPECT_EQ(macro.setGenVar(Zk_String(L"gen_New"), 1.0), Acad::eInvalidInput);
    const Zk_BaseProfile* profile = nullptr;
    ASSERT_EQ(macro.getBaseProf(1, profile), Acad::eOk);
    Zk_String text;
    ASSERT_EQ(getMaterial(*profile, text), Acad::eOk);
    EXPECT_EQ(text, L"S355");
    EXPECT_EQ(macro.getBaseProf(2, profile), Acad::eInvalidInput);
    EXPECT_EQ(getSectionName(Zk_BaseProfile(), text), Acad::eInvalidInput);
}

TEST_F(MacroModel, TheTabOfAModuleIsFoundByGroupThenName) {
    ASSERT_NE(data.findModuleTab(*bolts), nullptr);
    EXPECT_EQ(data.findModuleTab(*bolts)->bolt.diameter, L"20");
    Zk_Module* stiffener = nullptr;
    db.openModule(Zk_String(L"Stiffener"), stiffener, nullptr);
    EXPECT_EQ(data.findModuleTab(*stiffener), nullptr);
    EXPECT_EQ(data.findTab(), 0);
    EXPECT_EQ(data.findTab(Zk_String(L"Missing")), -1);
}

TEST(MacroNumbers, PlainShortestText) {
    EXPECT_EQ(formatMacroNumber(200), L"200");
    EXPECT_EQ(formatMacroNumber(12.5), L"12.5");
    EXPECT_EQ(formatMacroNumber(-0.25), L"-0.25");
    EXPECT_EQ(formatMacroNumber(-0.0), L"0");
    EXPECT_EQ(formatMacroNumber(1.0 / 3.0), L"0.3333333333");
}

}  // namespace
