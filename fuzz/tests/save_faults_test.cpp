// Every save the product makes (spreadsheet file, mapping file, macro file), failed at
// each step through the file layer's fault injection, leaves the target either exactly
// the old file or exactly the new one, and a failure is reported as one.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/km_tq_mapping.h"
#include "fuzz_support.h"
#include "host/macro_file.h"
#include "host/macro_model.h"
#include "spread/ss_api.h"
#include "win/file_faults.h"

namespace {

enum class Fault { None, Write, Rename, DiskFull0, DiskFullHalf };
const Fault kFaults[] = {Fault::Write, Fault::Rename, Fault::DiskFull0, Fault::DiskFullHalf, Fault::None};

void arm(Fault f, std::size_t newSize) {
    switch (f) {
        case Fault::Write: win::FailNextWrite(); break;
        case Fault::Rename: win::FailNextRename(); break;
        case Fault::DiskFull0: win::SetDiskFull(0); break;
        case Fault::DiskFullHalf: win::SetDiskFull(newSize / 2); break;
        case Fault::None: break;
    }
}

// save() writes `newer` over a file that holds `older`; hostPath is the target.
void checkSave(const std::string& hostPath, const std::string& older, const std::string& newer,
               const std::function<bool()>& save) {
    ASSERT_NE(older, newer);
    for (Fault f : kFaults) {
        fuzz::writeScratch(hostPath.substr(fuzz::scratchDir().size() + 1), older);
        bool ok = false;
        {
            win::ScopedFileFaults faults;
            arm(f, newer.size());
            ok = save();
        }
        const std::string now = fuzz::readHostFile(hostPath);
        if (f == Fault::None) {
            EXPECT_TRUE(ok);
            EXPECT_EQ(now, newer);
        } else {
            EXPECT_FALSE(ok) << "fault " << static_cast<int>(f) << " reported as success";
            EXPECT_EQ(now, older) << "fault " << static_cast<int>(f) << " changed the old file";
        }
    }
}

TEST(SaveFaults, SpreadsheetFile) {
    HWND ss = fuzz::freshSheet(0);
    SSSetData(ss, 1, 1, L"old");
    std::string older;
    ASSERT_TRUE(SSSaveToBuffer(ss, older, FALSE));
    SSSetData(ss, 1, 1, L"new value");
    SSSetFormula(ss, 2, 2, L"1+2");
    std::string newer;
    ASSERT_TRUE(SSSaveToBuffer(ss, newer, FALSE));
    const Zk_String path = fuzz::scratchPath("faults.kms");
    checkSave(fuzz::scratchDir() + "/faults.kms", older, newer,
              [&] { return SSSaveToFile(ss, path.c_str(), FALSE) != FALSE; });
}

TEST(SaveFaults, MappingFile) {
    const std::string older = "Mapping version 1.0\nFUZZ=A\xC6\x92G\xE2\x80\xA2" "Distance A\n";
    KmTqMapping m;
    ASSERT_EQ(m.initMappingFromLine(Zk_String(std::string("FUZZ=B\xC6\x92G\xE2\x80\xA2" "Distance B"))), Acad::eOk);
    const Zk_String tqFile = fuzz::scratchPath("faults.kms");
    // The new file is what a fault-free save of m over older writes.
    fuzz::writeScratch("faults.map", older);
    ASSERT_EQ(m.setMappingToFile(tqFile, Zk_String(L"FUZZ")), Acad::eOk);
    const std::string newer = fuzz::readHostFile(fuzz::scratchDir() + "/faults.map");
    checkSave(fuzz::scratchDir() + "/faults.map", older, newer,
              [&] { return m.setMappingToFile(tqFile, Zk_String(L"FUZZ")) == Acad::eOk; });
}

TEST(SaveFaults, MacroFile) {
    const std::string source = fuzz::readHostFile(std::string(TQ_SOURCE_DIR) + "/fuzz/corpus/macro_file/two_modules.mac");
    Zk_Macro macro;
    MacroData data;
    Zk_String error;
    ASSERT_TRUE(parseMacroText(Zk_String(source), Zk_String(L"two.mac"), macro, data, error)) << error.wstr().size();
    Zk_DbMacro dbMacro;
    const Zk_String path = fuzz::scratchPath("faults.mac");
    fuzz::writeScratch("faults.mac", "");
    ASSERT_TRUE(readMacroFile(fuzz::writeScratch("faults.mac", source), dbMacro, data, error));
    ASSERT_TRUE(writeMacroFile(path, dbMacro, data, error));
    const std::string newer = fuzz::readHostFile(fuzz::scratchDir() + "/faults.mac");
    const std::string older = "Macro version 1.0\nmacro Old\n";
    checkSave(fuzz::scratchDir() + "/faults.mac", older, newer,
              [&] { return writeMacroFile(path, dbMacro, data, error); });
}

}  // namespace
