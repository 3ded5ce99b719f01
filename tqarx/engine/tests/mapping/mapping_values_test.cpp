#include <gtest/gtest.h>

#include "engine/km_tq_mapping.h"
#include "mapping_test_support.h"

namespace {

KmObjectMap entry(const wchar_t* var, const wchar_t* path, KmMapType kind, const wchar_t* member, int sortClass = 3) {
    KmObjectMap e;
    e.tqVarName = Zk_String(var);
    e.objectPath = Zk_String(path);
    e.mapType = kind;
    e.memberName = Zk_String(member);
    e.sortClass = sortClass;
    return e;
}

class MappingValues : public MacroFixture {
protected:
    void SetUp() override {
        MacroFixture::SetUp();
        mapping.mappingMode = KmTqMapping::kMappingFileMode;
    }
    Zk_String get(const wchar_t* var, KmValueType type, Acad::ErrorStatus expected = Acad::eOk) {
        Zk_String value(L"unchanged");
        EXPECT_EQ(mapping.getMacroVarValue(Zk_String(var), type, value, data), expected) << Zk_String(var).toUtf8();
        return value;
    }
    Acad::ErrorStatus set(const wchar_t* var, KmValueType type, const wchar_t* value) {
        return mapping.setMacroVarValue(Zk_String(var), type, Zk_String(value), data);
    }
    void add(const KmObjectMap& e) { mapping.mappedObjectsWrite().append(e); }
    KmTqMapping mapping;
};

TEST_F(MappingValues, DistanceReadsTheLastModuleAndWritesEveryModuleOfTheGroup) {
    add(entry(L"W", L"Plates", kMapDistance, L"Width"));
    // Both modules have Width (Plate 200, Bolts 180): every module is visited in order,
    // the last one's value is the one read.
    EXPECT_EQ(get(L"W", KmValueType::Double), L"180");
    ASSERT_EQ(set(L"W", KmValueType::Double, L"250"), Acad::eOk);
    EXPECT_EQ(module(L"Plate").findConstrVar(Zk_String(L"Width"))->value, 250.0);
    EXPECT_EQ(module(L"Bolts").findConstrVar(Zk_String(L"Width"))->value, 250.0);
    // The fixed button of the plate's variable was released before the write.
    EXPECT_TRUE(module(L"Plate").findConstrVar(Zk_String(L"Width"))->flexible);
    EXPECT_FALSE(module(L"Plate").findConstrVar(Zk_String(L"Width"))->fixed);
    // The value type must match the kind exactly; no module having it is a failure.
    get(L"W", KmValueType::Int, Acad::eInvalidInput);
    add(entry(L"Missing", L"Plates", kMapDistance, L"Nothing"));
    EXPECT_EQ(get(L"Missing", KmValueType::Double, Acad::eInvalidInput), L"unchanged");
    EXPECT_EQ(set(L"Missing", KmValueType::Double, L"1"), Acad::eInvalidInput);
    EXPECT_EQ(set(L"W", KmValueType::Double, L"wide"), Acad::eInvalidInput);
    add(entry(L"NoGroup", L"Nowhere", kMapDistance, L"Width"));
    get(L"NoGroup", KmValueType::Double, Acad::eInvalidInput);
}

TEST_F(MappingValues, ADistanceNamesAConstraintVariableOnly) {
    // Names that direct naming would take for a cut offset, bolt data or a general
    // variable are, in a distance entry, just names of constraint variables.
    add(entry(L"Cut", L"Plates", kMapDistance, L"SideCut.Cut"));
    add(entry(L"Gen", L"Plates", kMapDistance, L"gen.Gap"));
    add(entry(L"Dia", L"Plates", kMapDistance, L"Bolt.Diameter"));
    EXPECT_EQ(get(L"Cut", KmValueType::Double, Acad::eInvalidInput), L"unchanged");
    EXPECT_EQ(get(L"Gen", KmValueType::Double, Acad::eInvalidInput), L"unchanged");
    EXPECT_EQ(get(L"Dia", KmValueType::Double, Acad::eInvalidInput), L"unchanged");
    EXPECT_EQ(set(L"Cut", KmValueType::Double, L"1"), Acad::eInvalidInput);
    EXPECT_EQ(set(L"Gen", KmValueType::Double, L"99"), Acad::eInvalidInput);
    EXPECT_EQ(module(L"Plate").cuts[0].offset[0], 10.0);
    double gap = 0;
    db.macro().getGenVar(Zk_String(L"gen_Gap"), gap);
    EXPECT_EQ(gap, 10.0);
}

TEST_F(MappingValues, GeneralVariablesAndCutOffsets) {
    add(entry(L"Gap", L"", kMapGenVar, L"gen_Gap"));
    EXPECT_EQ(get(L"Gap", KmValueType::Double), L"10.00000000");
    ASSERT_EQ(set(L"Gap", KmValueType::Double, L"12.5"), Acad::eOk);
    double gap = 0;
    db.macro().getGenVar(Zk_String(L"gen_Gap"), gap);
    EXPECT_EQ(gap, 12.5);
    add(entry(L"None", L"ModuleA", kMapGenVar, L""));
    get(L"None", KmValueType::Double, Acad::eInvalidInput);

    for (int kind = kMapCutOffset; kind <= kMapCutRadius; ++kind) {
        const Zk_String var = Zk_String(L"C") + Zk_String(kind);
        add(entry(var.c_str(), L"Plates", static_cast<KmMapType>(kind), L"SideCut"));
        EXPECT_EQ(get(var.c_str(), KmValueType::Double), Zk_String(double(kind - 3) + (kind == 3 ? 10 : 0), 7));
        ASSERT_EQ(set(var.c_str(), KmValueType::Double, L"33.5"), Acad::eOk);
        EXPECT_EQ(module(L"Plate").cuts[0].offset[kind - 3], 33.5);
    }
}

TEST_F(MappingValues, ProfileKindsAreReadOnly) {
    add(entry(L"Sec", L"", kMapPrPlName, L"Prof0"));
    add(entry(L"Mat", L"", kMapPrPlMaterial, L"Prof1"));
    add(entry(L"B", L"", kMapMemberSectionSize, L"Prof1;1"));
    add(entry(L"BadProf", L"", kMapPrPlName, L"Prof9"));
    add(entry(L"BadCol", L"", kMapMemberSectionSize, L"Prof0;7"));
    EXPECT_EQ(get(L"Sec", KmValueType::String), L"HEA-HEA200");
    EXPECT_EQ(get(L"Mat", KmValueType::String), L"S355");
    EXPECT_EQ(get(L"B", KmValueType::Double), L"220");
    get(L"BadProf", KmValueType::String, Acad::eInvalidInput);
    get(L"BadCol", KmValueType::Double, Acad::eInvalidInput);
    EXPECT_EQ(set(L"Sec", KmValueType::String, L"X"), Acad::eInvalidInput);
    EXPECT_EQ(set(L"Mat", KmValueType::String, L"X"), Acad::eInvalidInput);
    EXPECT_EQ(set(L"B", KmValueType::Double, L"1"), Acad::eInvalidInput);
    EXPECT_EQ(db.macro().baseProfiles[1].material, L"S355");
}

TEST_F(MappingValues, PatternsBoltsAndMemberNames) {
    add(entry(L"N1", L"Plates", kMapPatternNrBolts1, L"P1"));
    add(entry(L"N2", L"Plates", kMapPatternNrBolts2, L"P1"));
    add(entry(L"R1", L"Plates", kMapPatternReverseStart1, L"P1"));
    add(entry(L"R2", L"Plates", kMapPatternReverseStart2, L"P1"));
    add(entry(L"D", L"Plates", kMapBoltsDiameter, L""));
    add(entry(L"H", L"Plates", kMapBoltsHoleOffset, L""));
    add(entry(L"M", L"Plates", kMapOwnedMemberName, L"Web"));
    EXPECT_EQ(get(L"N1", KmValueType::String), L"2");
    EXPECT_EQ(get(L"N2", KmValueType::String), L"3");
    EXPECT_EQ(get(L"R1", KmValueType::Int), L"0");
    EXPECT_EQ(get(L"R2", KmValueType::Int), L"1");
    EXPECT_EQ(get(L"D", KmValueType::Double), L"20");
    EXPECT_EQ(get(L"H", KmValueType::Double), L"2");
    EXPECT_EQ(get(L"M", KmValueType::String), L"Web1");

    ASSERT_EQ(set(L"N1", KmValueType::String, L"6"), Acad::eOk);
    ASSERT_EQ(set(L"R1", KmValueType::Int, L"1"), Acad::eOk);
    ASSERT_EQ(set(L"R2", KmValueType::Int, L"0"), Acad::eOk);
    ASSERT_EQ(set(L"D", KmValueType::Double, L"24"), Acad::eOk);
    ASSERT_EQ(set(L"M", KmValueType::String, L"Web9"), Acad::eOk);
    EXPECT_EQ(module(L"Bolts").patterns[0].nrBolts1, 6);
    EXPECT_TRUE(module(L"Bolts").patterns[0].reverseStart1);
    EXPECT_FALSE(module(L"Bolts").patterns[0].reverseStart2);
    EXPECT_EQ(macroData.tabs[0].bolt.diameter, L"24");
    EXPECT_EQ(module(L"Plate").placements[0].memberName, L"Web9");
    EXPECT_EQ(module(L"Plate").placements[1].memberName, L"Web9");
    // What was written reads back the same.
    EXPECT_EQ(get(L"R1", KmValueType::Int), L"1");
    EXPECT_EQ(get(L"R2", KmValueType::Int), L"0");

    // Without dialog data there is no bolt record.
    data.macroData = nullptr;
    get(L"D", KmValueType::Double, Acad::eInvalidInput);
}

TEST_F(MappingValues, NoMacroFails) {
    add(entry(L"W", L"Plates", kMapDistance, L"Width"));
    data.dbMacro = nullptr;
    get(L"W", KmValueType::Double, Acad::eInvalidInput);
    EXPECT_EQ(set(L"W", KmValueType::Double, L"1"), Acad::eInvalidInput);
}

class DirectNaming : public MappingValues {
protected:
    void SetUp() override {
        MappingValues::SetUp();
        data.moduleGroup = Zk_String(L"Plates");
        ASSERT_EQ(mapping.initFromModuleGroup(data.moduleGroup), Acad::eOk);
    }
};

TEST_F(DirectNaming, NamesAddressTheModulesOfTheGroup) {
    EXPECT_EQ(get(L"gen.Gap", KmValueType::Double), L"10.0000");
    EXPECT_EQ(get(L"Pl3.Name", KmValueType::String), L"PL-PL12");
    EXPECT_EQ(get(L"Pl1.Material", KmValueType::String), L"S235");
    EXPECT_EQ(get(L"SideCut.Cut", KmValueType::Double), L"10.0000000");
    EXPECT_EQ(get(L"SideCut.CutRadius", KmValueType::Double), L"8.0000000");
    EXPECT_EQ(get(L"SideCut.Chamfer2", KmValueType::Double), L"7.0000000");
    EXPECT_EQ(get(L"Any.Diameter", KmValueType::Double), L"20");
    EXPECT_EQ(get(L"Any.HoleOffset", KmValueType::Int), L"2");
    EXPECT_EQ(get(L"P1.NrBolts2", KmValueType::String), L"3");
    EXPECT_EQ(get(L"P1.ReverseStart2", KmValueType::Int), L"1");
    EXPECT_EQ(get(L"Web.MemberName", KmValueType::String), L"Web1");
    EXPECT_EQ(get(L"Width", KmValueType::Double), L"200");
    // Not numeric and no suffix; unknown names; a set-only form read.
    get(L"Width", KmValueType::String, Acad::eInvalidInput);
    get(L"Nope", KmValueType::Double, Acad::eInvalidInput);
    get(L"gen.Nope", KmValueType::Double, Acad::eInvalidInput);
    get(L"Pl1.Name", KmValueType::Double, Acad::eInvalidInput);
}

TEST_F(DirectNaming, WritesReachEveryModuleThatHasTheValue) {
    ASSERT_EQ(set(L"Width", KmValueType::Double, L"260"), Acad::eOk);
    EXPECT_EQ(module(L"Plate").findConstrVar(Zk_String(L"Width"))->value, 260.0);
    EXPECT_EQ(module(L"Bolts").findConstrVar(Zk_String(L"Width"))->value, 260.0);
    EXPECT_EQ(module(L"Single").findConstrVar(Zk_String(L"Length"))->value, 50.0);
    ASSERT_EQ(set(L"gen.Edge", KmValueType::Double, L"3"), Acad::eOk);
    ASSERT_EQ(set(L"SideCut.CutInside", KmValueType::Double, L"44"), Acad::eOk);
    EXPECT_EQ(module(L"Plate").cuts[0].offset[kCutInsideOffset], 44.0);
    ASSERT_EQ(set(L"P1.ReverseStart1", KmValueType::Int, L"1"), Acad::eOk);
    EXPECT_EQ(get(L"P1.ReverseStart1", KmValueType::Int), L"1");
    ASSERT_EQ(set(L"P2.NrBolts1", KmValueType::Double, L"8"), Acad::eOk);
    EXPECT_EQ(module(L"Bolts").patterns[1].nrBolts1, 8);
    ASSERT_EQ(set(L"Web.MemberName", KmValueType::String, L"W2"), Acad::eOk);
    EXPECT_EQ(module(L"Plate").placements[1].memberName, L"W2");
    // Section names are read only; a value no module has fails.
    EXPECT_EQ(set(L"Pl1.Name", KmValueType::String, L"X"), Acad::eInvalidInput);
    EXPECT_EQ(set(L"Nope", KmValueType::Double, L"1"), Acad::eInvalidInput);
    EXPECT_EQ(module(L"Plate").placements[0].sectionName, L"PL-PL10");
}

TEST_F(DirectNaming, ModesNeedTheirInputs) {
    KmTqMapping m;
    EXPECT_EQ(m.initFromModuleGroup(Zk_String()), Acad::eInvalidInput);
    EXPECT_EQ(m.mappingMode, KmTqMapping::kNotInitialised);
    // A macro mapping needs a macro and no module group.
    EXPECT_EQ(m.initFromMacro(data), Acad::eInvalidInput);
    data.moduleGroup.clear();
    data.dbMacro = nullptr;
    EXPECT_EQ(m.initFromMacro(data), Acad::eInvalidInput);
}

TEST(MappingQueries, IsEqualChecksOnlyItsOwnEntries) {
    KmTqMapping small;
    small.mappedObjectsWrite().append(entry(L"A", L"P", kMapDistance, L"W"));
    KmTqMapping large = small;
    large.mappedObjectsWrite().append(entry(L"B", L"P", kMapCutRadius, L"C"));
    EXPECT_TRUE(small.isEqual(large));
    EXPECT_FALSE(large.isEqual(small));
    KmTqMapping moved;
    moved.mappedObjectsWrite().append(entry(L"A", L"Q", kMapDistance, L"W"));
    EXPECT_FALSE(small.isEqual(moved));
    KmTqMapping invalid;
    invalid.mappedObjectsWrite().append(entry(L"A", L"P", kMapNone, L"W"));
    EXPECT_FALSE(invalid.isEqual(large));

    int missing = -1;
    EXPECT_EQ(large.isCompatible(small, missing), Acad::eOk);
    EXPECT_EQ(missing, 1);
    int index = -1;
    EXPECT_EQ(large.findCompatible(entry(L"other", L"P", kMapCutRadius, L"C"), index), Acad::eOk);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(large.findTqVar(Zk_String(L"B"), KmValueType::Double, index), Acad::eOk);
    EXPECT_EQ(large.findTqVar(Zk_String(L"B"), KmValueType::Int, index), Acad::eInvalidInput);
}

TEST(MappingQueries, ValidVarsAndTheirGroups) {
    KmTqMapping m;
    const int classes[] = {1, 0, 2, 3, 0, 2, 1};
    for (int c : classes) m.mappedObjectsWrite().append(entry(L"", L"P", kMapDistance, L"W", c));
    m.mappedObjectsWrite().append(entry(L"", L"P", kMapNone, L"W", 0));           // 7: no value type
    m.mappedObjectsWrite().append(entry(L"", L"P", kMapOwnedMemberName, L"W", 0)); // 8: a text
    m.mappedObjectsWrite().append(entry(L"", L"P", kMapPatternReverseStart1, L"W", 0)); // 9: Int

    Zk_Array<int> indexes;
    ASSERT_EQ(m.getValidVars(true, KmValueType::Int, indexes), Acad::eOk);
    EXPECT_EQ(indexes, (Zk_Array<int>{0, 1, 2, 3, 4, 5, 6, 9}));
    ASSERT_EQ(m.getValidVars(false, KmValueType::String, indexes), Acad::eOk);
    EXPECT_EQ(indexes, (Zk_Array<int>{8}));

    indexes = Zk_Array<int>{0, 1, 2, 3, 4, 5, 6};
    ASSERT_EQ(m.sortValidVars(indexes, Zk_Array<int>{0, 2}), Acad::eOk);
    EXPECT_EQ(indexes, (Zk_Array<int>{-1, 1, 4, -1, 2, 5, 0, 3, 6}));
    // Sorting again regroups the same entries (separators are not entries).
    ASSERT_EQ(m.sortValidVars(indexes, Zk_Array<int>{3}), Acad::eOk);
    EXPECT_EQ(indexes, (Zk_Array<int>{-1, 3, 1, 4, 2, 5, 0, 6}));
    EXPECT_EQ(m.sortValidVars(indexes, Zk_Array<int>{}), Acad::eInvalidInput);
    EXPECT_TRUE(indexes.isEmpty());
}

TEST_F(MappingValues, CollectsEveryValueOfTheMacroInOrder) {
    KmTqMapping all;
    ASSERT_EQ(all.initAllVarsFromMacro(&db, &transaction), Acad::eOk);
    struct Expected {
        const wchar_t* path;
        KmMapType kind;
        const wchar_t* member;
        int sortClass;
    };
    std::vector<Expected> expected = {
        {L"Plates", kMapDistance, L"Width", 0},
        {L"Plates", kMapDistance, L"Hidden", 3},
    };
    for (int kind = kMapCutOffset; kind <= kMapCutRadius; ++kind)
        expected.push_back({L"Plates", static_cast<KmMapType>(kind), L"SideCut", 0});
    const std::vector<Expected> rest = {
        {L"Plates", kMapOwnedMemberName, L"Web", 0},
        {L"Plates", kMapOwnedMemberName, L"Web", 0},
        {L"Plates", kMapDistance, L"Width", 1},
        {L"Plates", kMapBoltsDiameter, L"", 0},
        {L"Plates", kMapBoltsHoleOffset, L"", 0},
        {L"Plates", kMapPatternNrBolts1, L"P1", 0},
        {L"Plates", kMapPatternReverseStart1, L"P1", 0},
        {L"Plates", kMapPatternNrBolts2, L"P1", 0},
        {L"Plates", kMapPatternReverseStart2, L"P1", 0},
        {L"Plates", kMapPatternNrBolts1, L"P2", 0},
        {L"Plates", kMapPatternReverseStart1, L"P2", 0},
        {L"Single", kMapDistance, L"Length", 2},
        {L"", kMapPrPlName, L"Prof0", 0},
        {L"", kMapPrPlMaterial, L"Prof0", 0},
        {L"", kMapMemberSectionSize, L"Prof0;0", 0},
        {L"", kMapMemberSectionSize, L"Prof0;1", 0},
        {L"", kMapPrPlName, L"Prof1", 0},
        {L"", kMapPrPlMaterial, L"Prof1", 0},
        {L"", kMapMemberSectionSize, L"Prof1;0", 0},
        {L"", kMapMemberSectionSize, L"Prof1;1", 0},
        {L"", kMapGenVar, L"gen_Gap", 0},
        {L"", kMapGenVar, L"gen_Edge", 0},
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    ASSERT_EQ(all.mappedObjects().length(), static_cast<int>(expected.size()));
    for (int i = 0; i < all.mappedObjects().length(); ++i) {
        const KmObjectMap& e = all.mappedObjects()[i];
        EXPECT_EQ(e.objectPath, expected[i].path) << i;
        EXPECT_EQ(e.mapType, expected[i].kind) << i;
        EXPECT_EQ(e.memberName, expected[i].member) << i;
        EXPECT_EQ(e.sortClass, expected[i].sortClass) << i;
    }
    EXPECT_EQ(all.mappedObjects()[26].columnName, L"b");
    EXPECT_TRUE(all.mappedObjects()[23].columnName.isEmpty());
    EXPECT_EQ(all.initAllVarsFromMacro(nullptr, &transaction), Acad::eInvalidInput);
}

}  // namespace
