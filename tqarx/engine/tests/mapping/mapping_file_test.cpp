#include <gtest/gtest.h>

#include "engine/km_tq_mapping.h"
#include "host/files.h"
#include "mapping_test_support.h"
#include "win/file_faults.h"

namespace {

const std::string kBullet = "\xE2\x80\xA2";   // U+2022
const std::string kInvQ = "\xC2\xBF";         // U+00BF
const std::string kFHook = "\xC6\x92";        // U+0192

KmObjectMap entry(const wchar_t* var, const wchar_t* path, KmMapType kind, const wchar_t* member) {
    KmObjectMap e;
    e.tqVarName = Zk_String(var);
    e.objectPath = Zk_String(path);
    e.mapType = kind;
    e.memberName = Zk_String(member);
    return e;
}

// One entry of every kind.
KmTqMapping everyKind() {
    KmTqMapping m;
    Zk_Array<KmObjectMap>& list = m.mappedObjectsWrite();
    for (int kind = 1; kind < kMapTypeCount; ++kind) {
        const Zk_String var = Zk_String(L"V") + Zk_String(kind);
        list.append(entry(var.c_str(), kind == kMapGenVar || kind == kMapPrPlName ? L"" : L"Plates",
                          static_cast<KmMapType>(kind), kind == kMapMemberSectionSize ? L"Prof0;1" : L"M"));
    }
    return m;
}

class MappingFile : public ::testing::Test {
protected:
    MappingFile() : lib("mapfile") {}
    void SetUp() override {
        saved = gSettings.libDir;
        gSettings.libDir = lib.win() + Zk_String(L"\\");
        std::filesystem::create_directories(lib.host() / "Connection Standards");
    }
    void TearDown() override { gSettings.libDir = saved; }
    std::string mapText() const { return lib.read("Connection Standards/EndPlate.map"); }

    ScratchFolder lib;
    Zk_String saved;
};

TEST_F(MappingFile, PathIsBesideTheSpreadsheet) {
    EXPECT_EQ(KmTqMapping::mappingFilePath(Zk_String(L"EndPlate")),
              gSettings.libDir + Zk_String(L"Connection Standards\\EndPlate.map"));
    EXPECT_EQ(KmTqMapping::mappingFilePath(Zk_String(L"Sub\\EndPlate.kms")),
              gSettings.libDir + Zk_String(L"Connection Standards\\Sub\\EndPlate.map"));
    EXPECT_EQ(KmTqMapping::mappingFilePath(Zk_String(L"C:\\std\\A.kms")), Zk_String(L"C:\\std\\A.map"));
}

TEST_F(MappingFile, EveryKindRoundTripsAndOtherMacrosStay) {
    KmTqMapping other;
    other.mappedObjectsWrite().append(entry(L"X", L"G", kMapDistance, L"D"));
    ASSERT_EQ(other.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"Other")), Acad::eOk);

    const KmTqMapping written = everyKind();
    ASSERT_EQ(written.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    const std::string text = mapText();
    EXPECT_EQ(text.rfind("Mapping version 1.0\r\nOther=X" + kFHook + "G" + kBullet + "Distance D\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("EndPlate=V1" + kFHook + "Plates" + kBullet + "Distance M" + kInvQ + "V2" + kFHook + kBullet +
                        "GenVar M" + kInvQ),
              std::string::npos)
        << text;

    KmTqMapping read;
    ASSERT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"endplate")), Acad::eOk);
    ASSERT_EQ(read.mappedObjects().length(), written.mappedObjects().length());
    for (int i = 0; i < read.mappedObjects().length(); ++i) {
        EXPECT_EQ(read.mappedObjects()[i].isCompatible(written.mappedObjects()[i]), Acad::eOk) << i;
        EXPECT_EQ(read.mappedObjects()[i].tqVarName, written.mappedObjects()[i].tqVarName);
    }
    ASSERT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"Other")), Acad::eOk);
    EXPECT_EQ(read.mappedObjects().length(), 1);
    EXPECT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"Nobody")), Acad::eInvalidInput);

    Zk_String name;
    EXPECT_TRUE(written.hasSameMapping(Zk_String(L"EndPlate"), name));
    EXPECT_EQ(name, L"EndPlate");
    KmTqMapping fewer = written;
    fewer.mappedObjectsWrite().removeLast();
    EXPECT_FALSE(fewer.hasSameMapping(Zk_String(L"EndPlate"), name));
}

TEST_F(MappingFile, AnEqualMappingLeavesTheFileUntouched) {
    const KmTqMapping m = everyKind();
    ASSERT_EQ(m.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    const auto path = lib.host() / "Connection Standards" / "EndPlate.map";
    const auto old = std::filesystem::last_write_time(path) - std::chrono::hours(24);
    std::filesystem::last_write_time(path, old);
    const std::string before = mapText();

    ASSERT_EQ(m.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    EXPECT_EQ(mapText(), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), old);

    // Dropping an entry is a change and is stored.
    KmTqMapping fewer = m;
    fewer.mappedObjectsWrite().removeAt(0);
    ASSERT_EQ(fewer.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    EXPECT_NE(std::filesystem::last_write_time(path), old);
    KmTqMapping read;
    ASSERT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    EXPECT_EQ(read.mappedObjects().length(), fewer.mappedObjects().length());
}

TEST_F(MappingFile, DuplicatesInvalidNamesAndUnwritableEntriesAreDropped) {
    KmTqMapping m;
    Zk_Array<KmObjectMap>& list = m.mappedObjectsWrite();
    list.append(entry(L"Width", L"P", kMapDistance, L"W1"));
    list.append(entry(L"Width", L"P", kMapDistance, L"W2"));
    list.append(entry(L"Bad/Name", L"P", kMapDistance, L"B"));
    list.append(entry(L"NoKind", L"P", kMapNone, L"N"));
    list.append(entry(L"Breaks", L"P\u00BFQ", kMapDistance, L"B"));
    list.append(entry(L"Depth", L"P", kMapDistance, L"D"));
    ASSERT_EQ(m.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    KmTqMapping read;
    ASSERT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    ASSERT_EQ(read.mappedObjects().length(), 2);
    EXPECT_EQ(read.mappedObjects()[0].memberName, L"W1");
    EXPECT_EQ(read.mappedObjects()[1].tqVarName, L"Depth");
    // A mapping name that would break its line is refused.
    EXPECT_EQ(m.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"A=B")), Acad::eInvalidInput);
}

TEST_F(MappingFile, LinesAreReadLeniently) {
    lib.write("Connection Standards/EndPlate.map",
              "EndPlate=A" + kFHook + "P" + kBullet + "Distance W" + kInvQ + kInvQ + "broken entry" + kInvQ + "B" +
                  kFHook + "P" + kBullet + "Unknown X" + kInvQ + "C" + kFHook + "P" + kBullet + "CutRadius R\n" +
                  "NoEquals\n");
    KmTqMapping read;
    // No version line: read the same way.
    ASSERT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    ASSERT_EQ(read.mappedObjects().length(), 2);
    EXPECT_EQ(read.mappedObjects()[0].tqVarName, L"A");
    EXPECT_EQ(read.mappedObjects()[1].mapType, kMapCutRadius);
    EXPECT_EQ(read.initMappingFromLine(Zk_String(L"NoEquals")), Acad::eInvalidInput);
    EXPECT_TRUE(read.mappedObjects().isEmpty());

    lib.write("Connection Standards/Empty.map", "");
    read.mappedObjectsWrite().append(entry(L"X", L"P", kMapDistance, L"W"));
    EXPECT_EQ(read.getMappingFromFile(Zk_String(L"Empty"), Zk_String(L"EndPlate")), Acad::eOk);
    EXPECT_TRUE(read.mappedObjects().isEmpty());
    EXPECT_EQ(read.getMappingFromFile(Zk_String(L"Missing"), Zk_String(L"EndPlate")), Acad::eInvalidInput);
}

TEST_F(MappingFile, AFailedWriteKeepsTheOldFile) {
    const KmTqMapping m = everyKind();
    ASSERT_EQ(m.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    const std::string before = mapText();
    KmTqMapping changed;
    changed.mappedObjectsWrite().append(entry(L"X", L"P", kMapDistance, L"W"));
    {
        win::ScopedFileFaults faults;
        win::FailNextWrite();
        EXPECT_EQ(changed.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eInvalidInput);
    }
    EXPECT_EQ(mapText(), before);
    {
        win::ScopedFileFaults faults;
        win::FailNextRename();
        EXPECT_EQ(changed.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eInvalidInput);
    }
    EXPECT_EQ(mapText(), before);
}

}  // namespace

namespace {

// An unchanged mapping file is split once; rewritten, it is read again at the next use.
TEST_F(MappingFile, AKeptMappingFollowsTheFile) {
    const auto path = lib.host() / "Connection Standards" / "EndPlate.map";
    auto writeWith = [&](const wchar_t* member, int hoursOld) {
        KmTqMapping m;
        m.mappedObjectsWrite().append(entry(L"Width", L"Plates", kMapDistance, member));
        ASSERT_EQ(m.setMappingToFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
        std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::hours(hoursOld));
    };
    auto member = [&](const wchar_t* name) {
        KmTqMapping read;
        EXPECT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(name)), Acad::eOk);
        return read.mappedObjects().isEmpty() ? Zk_String() : read.mappedObjects()[0].memberName;
    };
    writeWith(L"W1", 2);
    EXPECT_EQ(member(L"EndPlate"), L"W1");
    EXPECT_EQ(member(L"endplate"), L"W1");
    EXPECT_EQ(member(L"EndPlate"), L"W1");
    writeWith(L"W2", 3);  // the same size, another write time
    EXPECT_EQ(member(L"EndPlate"), L"W2");
    KmTqMapping read;
    EXPECT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"Nobody")), Acad::eInvalidInput);
    std::filesystem::remove(path);
    EXPECT_EQ(read.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eInvalidInput);
}

}  // namespace
