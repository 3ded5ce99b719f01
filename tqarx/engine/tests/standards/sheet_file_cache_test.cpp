// Reuse of unchanged standards files between evaluations.
#include <gtest/gtest.h>

#include "engine/dlg_tq_standards.h"
#include "engine/km_dlg_standards_data.h"
#include "engine/sheet_file_cache.h"
#include "sheet_files.h"
#include "standards_runs.h"
#include "win/files.h"

namespace {

// Moves the file's last write time back by the given seconds (from its own).
void age(const Zk_String& file, int seconds, int extraTicks = 0) {
    FILETIME t;
    ASSERT_TRUE(GetFileLastWriteTime(file.wstr(), t));
    std::uint64_t v = (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    v -= static_cast<std::uint64_t>(seconds) * 10000000ULL + extraTicks;
    t.dwHighDateTime = static_cast<DWORD>(v >> 32);
    t.dwLowDateTime = static_cast<DWORD>(v);
    ASSERT_TRUE(SetFileLastWriteTime(file.wstr(), t));
}

class SheetFileCache : public ::testing::Test {
protected:
    void SetUp() override {
        stdtest::registerDialogs();
        ASSERT_TRUE(window.Create(CDlgTqStandards::IDD, nullptr));
        clearSheetFileCache();
        writePlate(L"Extra = 5");
        age(file(), 60);
    }
    void TearDown() override { window.DestroyWindow(); }

    void writePlate(const wchar_t* extra) {
        ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("plate.kms"),
                                        {{L"Input"}, {L"Double Width"}, {L""}, {L"Output"}, {L""}, {L"Double Plate"}, {L"Local"},
                                         {L""}, {L"Double Extra"}, {L"Calc"}, {extra}, {L"Plate = Width * 2 + Extra"}}));
    }
    Zk_String file() const { return folder.winPath("plate.kms"); }

    // Plate for the given width, evaluated in value mode.
    Zk_String plate(const wchar_t* width) {
        window.data() = stdtest::widthPlateRecord(file(), width);
        EXPECT_EQ(window.evaluate(), Acad::eOk);
        return window.data().varCells[1].value;
    }

    stdtest::ScratchFolder folder{"filecache"};
    CDlgTqStandards window;
};

TEST_F(SheetFileCache, AnUnchangedFileIsReadOnceAndEveryRunStartsFromIt) {
    const std::size_t reads = sheetFileReads();
    EXPECT_EQ(plate(L"10"), Zk_String(L"25"));
    EXPECT_EQ(plate(L"1"), Zk_String(L"7"));
    EXPECT_EQ(plate(L""), Zk_String(L"5"));  // nothing of the runs before is left in the sheet
    EXPECT_EQ(sheetFileReads(), reads + 1);
}

TEST_F(SheetFileCache, AChangedFileIsReadAgain) {
    EXPECT_EQ(plate(L"10"), Zk_String(L"25"));
    std::size_t reads = sheetFileReads();

    // Same size, other contents, another write time.
    writePlate(L"Extra = 7");
    age(file(), 30);
    EXPECT_EQ(plate(L"10"), Zk_String(L"27"));
    EXPECT_EQ(sheetFileReads(), ++reads);

    // Only the write time moves (by one tick): read again, same results.
    age(file(), 0, 1);
    EXPECT_EQ(plate(L"10"), Zk_String(L"27"));
    EXPECT_EQ(sheetFileReads(), ++reads);
    EXPECT_EQ(plate(L"10"), Zk_String(L"27"));
    EXPECT_EQ(sheetFileReads(), reads);

    // A file written just now may change again within the clock's resolution without
    // its write time showing it: it is read every time until it is older.
    writePlate(L"Extra = 8");
    EXPECT_EQ(plate(L"10"), Zk_String(L"28"));
    writePlate(L"Extra = 9");
    EXPECT_EQ(plate(L"10"), Zk_String(L"29"));
    EXPECT_EQ(sheetFileReads(), reads + 2);

    // A file that is gone fails the load as before.
    clearSheetFileCache();
    std::remove(folder.hostFile("plate.kms").c_str());
    KmDlgStandardsData data;
    data.tqFileName = file();
    window.data() = data;
    EXPECT_EQ(window.evaluate(), Acad::eInvalidInput);
}

}  // namespace
