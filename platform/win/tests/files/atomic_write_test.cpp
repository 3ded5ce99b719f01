#include "win/file_faults.h"
#include "win/files.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

const std::string kOld = std::string("old contents\r\n\0binary", 22);

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override { t.write("dir/target.kms", kOld); }
    // The old file is byte-identical and no temporary file was left in the folder.
    void expectUntouched() {
        EXPECT_EQ(t.read("dir/target.kms"), kOld);
        EXPECT_EQ(t.entryCount("dir"), 1u);
    }
    TempDir t;
    win::ScopedFileFaults faults;
    const std::string big = std::string(100000, 'n');
};

}  // namespace

TEST_F(AtomicWrite, ReplacesTheFileWhenNothingFails) {
    EXPECT_TRUE(WriteFileAtomic(L"T:\\Dir\\TARGET.kms", "new"));
    EXPECT_EQ(t.read("dir/target.kms"), "new");
    EXPECT_EQ(t.entryCount("dir"), 1u);
    EXPECT_TRUE(WriteFileAtomic(L"T:\\dir\\fresh.txt", ""));
    EXPECT_TRUE(t.exists("dir/fresh.txt"));
}

TEST_F(AtomicWrite, FailedWriteLeavesTheOldFile) {
    win::FailNextWrite();
    EXPECT_FALSE(WriteFileAtomic(L"T:\\dir\\target.kms", big));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_WRITE_FAULT));
    expectUntouched();
    EXPECT_TRUE(WriteFileAtomic(L"T:\\dir\\target.kms", "next"));  // one-shot
}

TEST_F(AtomicWrite, FailedRenameLeavesTheOldFile) {
    win::FailNextRename();
    EXPECT_FALSE(WriteFileAtomic(L"T:\\dir\\target.kms", big));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    expectUntouched();
}

TEST_F(AtomicWrite, FullDiskLeavesTheOldFile) {
    win::SetDiskFull(10);
    EXPECT_FALSE(WriteFileAtomic(L"T:\\dir\\target.kms", big));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DISK_FULL));
    expectUntouched();
    EXPECT_TRUE(WriteFileAtomic(L"T:\\dir\\small.txt", "tiny"));  // fits in what is left
    win::ClearFileFaults();
    EXPECT_TRUE(WriteFileAtomic(L"T:\\dir\\target.kms", big));
    EXPECT_EQ(t.read("dir/target.kms"), big);
}

TEST_F(AtomicWrite, MissingFolderAndDirectoryTargetsFail) {
    EXPECT_FALSE(WriteFileAtomic(L"T:\\nofolder\\x.kms", "x"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(t.exists("nofolder"));
    EXPECT_FALSE(WriteFileAtomic(L"T:\\dir", "x"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    expectUntouched();
}

TEST_F(AtomicWrite, CopyOverAnExistingFileIsAtomicToo) {
    t.write("other.kms", big);
    win::FailNextRename();
    EXPECT_FALSE(CopyFileW(L"T:\\other.kms", L"T:\\dir\\target.kms", FALSE));
    expectUntouched();
}

TEST_F(AtomicWrite, KeepsTheModeOfAnExistingFile) {
    ASSERT_EQ(::chmod(t.host("dir/target.kms").c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomic(L"T:\\dir\\target.kms", "x"));
    struct stat st {};
    ASSERT_EQ(::stat(t.host("dir/target.kms").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}
