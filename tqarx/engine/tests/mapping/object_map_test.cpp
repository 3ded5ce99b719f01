#include "engine/km_object_map.h"

#include <gtest/gtest.h>

#include "engine/km_tq_mapping.h"
#include "engine/km_var_cell.h"

namespace {

const Zk_String kBullet(L"\u2022");

TEST(ObjectMapStrings, ParsesGroupKindAndMember) {
    KmObjectMap entry;
    ASSERT_EQ(entry.getMappingFromStrs(Zk_String(L"Cut1"), Zk_String(L"ModuleA") + kBullet + L"CutOffset SideCut"),
              Acad::eOk);
    EXPECT_EQ(entry.objectPath, L"ModuleA");
    EXPECT_EQ(entry.mapType, kMapCutOffset);
    EXPECT_EQ(entry.memberName, L"SideCut");
    EXPECT_EQ(entry.tqVarName, L"Cut1");

    ASSERT_EQ(entry.getMappingFromStrs(Zk_String(L"G"), Zk_String(L"ModuleA") + kBullet + L"GenVar"), Acad::eOk);
    EXPECT_EQ(entry.mapType, kMapGenVar);
    EXPECT_TRUE(entry.memberName.isEmpty());

    // Surrounding blanks of the right part go; the member keeps what follows the first space.
    ASSERT_EQ(entry.getMappingFromStrs(Zk_String(L"N"), Zk_String(L"G") + kBullet + L"  PatternNrBolts2 P 1  "),
              Acad::eOk);
    EXPECT_EQ(entry.mapType, kMapPatternNrBolts2);
    EXPECT_EQ(entry.memberName, L"P 1");
}

TEST(ObjectMapStrings, RejectsMissingBulletOrKindWordAndKeepsTheEntry) {
    KmObjectMap entry;
    entry.tqVarName = Zk_String(L"kept");
    EXPECT_EQ(entry.getMappingFromStrs(Zk_String(L"G"), Zk_String(L"ModuleA GenVar")), Acad::eInvalidInput);
    EXPECT_EQ(entry.getMappingFromStrs(Zk_String(L"G"), Zk_String(L"ModuleA") + kBullet + L"Gen Var"),
              Acad::eInvalidInput);
    EXPECT_EQ(entry.getMappingFromStrs(Zk_String(L"G"), Zk_String(L"ModuleA") + kBullet), Acad::eInvalidInput);
    EXPECT_EQ(entry.tqVarName, L"kept");
    EXPECT_EQ(entry.mapType, kMapNone);
}

TEST(ObjectMapStrings, EveryKindWritesAndReadsBack) {
    for (int kind = 1; kind < kMapTypeCount; ++kind) {
        KmObjectMap entry;
        entry.objectPath = Zk_String(L"Plates");
        entry.memberName = kind == kMapGenVar ? Zk_String() : Zk_String(L"Member");
        entry.tqVarName = Zk_String(L"Var") + Zk_String(kind);
        entry.mapType = static_cast<KmMapType>(kind);
        Zk_String objectString;
        Zk_String name;
        ASSERT_EQ(entry.setMappingToStrs(objectString, name), Acad::eOk) << kind;
        KmObjectMap back;
        ASSERT_EQ(back.getMappingFromStrs(name, objectString), Acad::eOk) << objectString.toUtf8();
        EXPECT_EQ(back.mapType, entry.mapType) << objectString.toUtf8();
        EXPECT_EQ(back.isCompatible(entry), Acad::eOk) << objectString.toUtf8();
        EXPECT_EQ(back.tqVarName, entry.tqVarName);
    }
    KmObjectMap none;
    Zk_String objectString;
    Zk_String name;
    EXPECT_EQ(none.setMappingToStrs(objectString, name), Acad::eInvalidInput);
    none.mapType = static_cast<KmMapType>(kMapTypeCount);
    EXPECT_EQ(none.setMappingToStrs(objectString, name), Acad::eInvalidInput);
}

// A variable finds its entry by the value type its kind carries: one name may be mapped
// as a number and as a text, and a kind without a type is never found.
TEST(ObjectMapStrings, AVariableFindsTheEntryWhoseKindCarriesItsType) {
    KmTqMapping mapping;
    const wchar_t* const entries[] = {L"N\u0192Bolts\u2022PatternNrBolts1 P1", L"N\u0192Bolts\u2022Distance N",
                                      L"N\u0192Bolts\u2022PatternReverseStart1 P1",
                                      L"M\u0192Bolts\u2022MemberSectionSize Prof0;2"};
    Zk_String line(L"Mapping=");
    for (const wchar_t* e : entries) line += Zk_String(e) + Zk_String(L"\u00BF");
    ASSERT_EQ(mapping.initMappingFromLine(line), Acad::eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 4);
    int index = -1;
    ASSERT_EQ(mapping.findTqVar(Zk_String(L"N"), KmValueType::String, index), Acad::eOk);
    EXPECT_EQ(index, 0);  // the number of bolts is a text
    ASSERT_EQ(mapping.findTqVar(Zk_String(L"N"), KmValueType::Double, index), Acad::eOk);
    EXPECT_EQ(index, 1);
    ASSERT_EQ(mapping.findTqVar(Zk_String(L"N"), KmValueType::Int, index), Acad::eOk);
    EXPECT_EQ(index, 2);  // the reverse flag is an integer
    ASSERT_EQ(mapping.findTqVar(Zk_String(L"M"), KmValueType::Double, index), Acad::eOk);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(mapping.findTqVar(Zk_String(L"M"), KmValueType::String, index), Acad::eInvalidInput);
    // Valid variables for a declared type: numbers match numbers, texts texts.
    Zk_Array<int> valid;
    mapping.getValidVars(false, KmValueType::Int, valid);
    EXPECT_EQ(valid.length(), 3);
    mapping.getValidVars(false, KmValueType::String, valid);
    ASSERT_EQ(valid.length(), 1);
    EXPECT_EQ(valid[0], 0);
    KmValueType none;
    EXPECT_FALSE(mapTypeValueType(kMapNone, none));
}

TEST(ObjectMapStrings, CompatibilityAndLookupInArrays) {
    KmObjectMap a;
    a.objectPath = Zk_String(L"P");
    a.memberName = Zk_String(L"W");
    a.mapType = kMapDistance;
    KmObjectMap b = a;
    b.tqVarName = Zk_String(L"other");
    b.sortClass = 1;
    EXPECT_EQ(a.isCompatible(b), Acad::eOk);
    b.memberName = Zk_String(L"w");
    EXPECT_EQ(a.isCompatible(b), Acad::eInvalidInput);

    KmVarCell cell;
    cell.varName = Zk_String(L"Depth");
    KmObjectMap entry;
    const Zk_StringArray names{L"Width", L"Depth"};
    ASSERT_EQ(entry.mapFromArrays(names, Zk_StringArray{L"x", Zk_String(L"P") + kBullet + L"Distance D"}, cell),
              Acad::eOk);
    EXPECT_EQ(entry.memberName, L"D");
    EXPECT_EQ(entry.tqVarName, L"Depth");
    // The object string must exist at the same index.
    EXPECT_EQ(entry.mapFromArrays(names, Zk_StringArray{L"x"}, cell), Acad::eInvalidInput);
    cell.varName = Zk_String(L"Missing");
    EXPECT_EQ(entry.mapFromArrays(names, Zk_StringArray{L"x", L"y"}, cell), Acad::eInvalidInput);
}

}  // namespace
