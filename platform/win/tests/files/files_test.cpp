#include "win/files.h"
#include "win/paths.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

namespace {

std::vector<std::wstring> FindAll(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.push_back(data.cFileName); while (FindNextFileW(h, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(h));
    return names;
}

}  // namespace

TEST(FindFiles, MatchesFilesAndDirectoriesWithoutCase) {
    TempDir t;
    t.write("lib/EndPlate.KMS", "1");
    t.write("lib/base.kms", "2");
    t.write("lib/base.kmsx", "3");
    t.mkdir("lib/Acad2000");
    t.mkdir("lib/sub.kms");
    EXPECT_EQ(FindAll(L"T:\\LIB\\*.kms"), (std::vector<std::wstring>{L"base.kms", L"EndPlate.KMS", L"sub.kms"}));
    EXPECT_EQ(FindAll(L"T:\\lib\\acad2000"), std::vector<std::wstring>{L"Acad2000"});
    EXPECT_EQ(FindAll(L"T:\\lib\\b?se.km?"), std::vector<std::wstring>{L"base.kms"});
    EXPECT_EQ(FindAll(L"T:\\lib\\*"),
              (std::vector<std::wstring>{L".", L"..", L"Acad2000", L"base.kms", L"base.kmsx", L"EndPlate.KMS",
                                         L"sub.kms"}));
    EXPECT_EQ(FindAll(L"T:\\lib\\*.*").size(), 7u);
    EXPECT_EQ(FindAll(L"T:\\*").size(), 1u);  // a drive root has no "." and ".."

    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(L"T:\\lib\\acad2000", &data);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    FindClose(h);
    h = FindFirstFileW(L"T:\\lib\\endplate.kms", &data);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(data.nFileSizeLow, 1u);
    FindClose(h);
}

// One entry's attributes, times and size, found without case, as a search reports them.
TEST(FindFiles, AttributeDataOfOneEntryAgreesWithASearch) {
    TempDir t;
    t.write("lib/EndPlate.KMS", "12345");
    t.mkdir("lib/Acad2000");
    WIN32_FILE_ATTRIBUTE_DATA one;
    ASSERT_TRUE(GetFileAttributesExW(L"T:\\LIB\\endplate.kms", GetFileExInfoStandard, &one));
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(L"T:\\lib\\EndPlate.KMS", &found);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FindClose(h);
    EXPECT_EQ(one.dwFileAttributes, found.dwFileAttributes);
    EXPECT_EQ(one.nFileSizeLow, 5u);
    EXPECT_EQ(one.nFileSizeHigh, 0u);
    EXPECT_EQ(CompareFileTime(&one.ftLastWriteTime, &found.ftLastWriteTime), 0);
    ASSERT_TRUE(GetFileAttributesExW(L"T:\\lib\\acad2000", GetFileExInfoStandard, &one));
    EXPECT_TRUE(one.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(one.nFileSizeLow, 0u);
    EXPECT_FALSE(GetFileAttributesExW(L"T:\\lib\\missing.kms", GetFileExInfoStandard, &one));
    EXPECT_FALSE(GetFileAttributesExW(L"", GetFileExInfoStandard, &one));
    EXPECT_FALSE(GetFileAttributesExW(L"T:\\lib\\EndPlate.KMS", GetFileExInfoStandard, nullptr));
}

// Listings of folders unchanged for a while are reused for matching without case; any
// change to the folder is seen by the next search and path mapping at once.
TEST(FindFiles, ChangesToALongUnchangedFolderAreSeenAtOnce) {
    TempDir t;
    t.write("lib/Old.txt", "1");
    const auto age = [&] {
        std::filesystem::last_write_time(t.host("lib"),
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    };
    age();
    EXPECT_EQ(FindAll(L"T:\\lib\\old.TXT"), std::vector<std::wstring>{L"Old.txt"});
    EXPECT_EQ(FindAll(L"T:\\lib\\new.txt"), std::vector<std::wstring>{});  // the listing is kept now
    t.write("lib/New.TXT", "2");
    EXPECT_EQ(FindAll(L"T:\\lib\\new.txt"), std::vector<std::wstring>{L"New.TXT"});
    EXPECT_EQ(HostPathFromWindows(L"T:\\LIB\\NEW.txt"), t.host("lib/New.TXT"));
    age();
    EXPECT_EQ(FindAll(L"T:\\lib\\*.txt"), (std::vector<std::wstring>{L"New.TXT", L"Old.txt"}));
    std::filesystem::remove(t.host("lib/Old.txt"));
    EXPECT_EQ(FindAll(L"T:\\lib\\old.txt"), std::vector<std::wstring>{});
    EXPECT_EQ(FindAll(L"T:\\lib\\*.txt"), std::vector<std::wstring>{L"New.TXT"});
}

TEST(FindFiles, ReportsNoMatchAndMissingDirectory) {
    TempDir t;
    t.mkdir("empty");
    WIN32_FIND_DATAW data;
    EXPECT_EQ(FindFirstFileW(L"T:\\empty\\*.kms", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirstFileW(L"T:\\missing\\*.kms", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(FindClose(reinterpret_cast<HANDLE>(&data)));
}

TEST(FindFiles, NarrowPatternsKeepBytesAsTheyAre) {
    TempDir t;
    t.write("d\xE9/caf\xE9.txt", "latin-1 name");
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA("T:\\D\xE9\\CAF\xE9.TXT", &data);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "caf\xE9.txt");
    EXPECT_FALSE(FindNextFileA(h, &data));
    FindClose(h);
    std::string bytes;
    EXPECT_TRUE(ReadFileBytesA("t:\\d\xE9\\caf\xE9.txt", bytes));
    EXPECT_EQ(bytes, "latin-1 name");
}

TEST(Files, AttributesCopyDeleteAndMove) {
    TempDir t;
    t.write("src.txt", "source");
    t.write("dst.txt", "old");
    t.mkdir("dir");
    EXPECT_EQ(GetFileAttributesW(L"T:\\SRC.TXT") & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(GetFileAttributesW(L"T:\\Dir") & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesW(L"T:\\none"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesW(L"T:\\none\\x"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));

    EXPECT_FALSE(CopyFileW(L"T:\\src.txt", L"T:\\dst.txt", TRUE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
    EXPECT_EQ(t.read("dst.txt"), "old");
    EXPECT_TRUE(CopyFileW(L"T:\\src.txt", L"T:\\dst.txt", FALSE));
    EXPECT_EQ(t.read("dst.txt"), "source");
    EXPECT_TRUE(CopyFileW(L"T:\\src.txt", L"T:\\dir\\new.txt", TRUE));
    EXPECT_EQ(t.read("dir/new.txt"), "source");
    EXPECT_FALSE(CopyFileW(L"T:\\src.txt", L"T:\\src.txt", FALSE));
    EXPECT_EQ(t.read("src.txt"), "source");
    EXPECT_FALSE(CopyFileW(L"T:\\none.txt", L"T:\\x.txt", FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));

    EXPECT_FALSE(DeleteFileW(L"T:\\dir"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(DeleteFileW(L"T:\\DST.txt"));
    EXPECT_FALSE(t.exists("dst.txt"));
    EXPECT_FALSE(DeleteFileW(L"T:\\dst.txt"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));

    EXPECT_FALSE(MoveFileW(L"T:\\src.txt", L"T:\\dir\\new.txt"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(MoveFileW(L"T:\\src.txt", L"T:\\moved.txt"));
    EXPECT_EQ(t.read("moved.txt"), "source");

    EXPECT_TRUE(CreateDirectoryW(L"T:\\made", nullptr));
    EXPECT_FALSE(CreateDirectoryW(L"T:\\MADE", nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(CreateDirectoryW(L"T:\\no\\such", nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(RemoveDirectoryW(L"T:\\made"));
}

TEST(Files, LastWriteTimesAreReadSetAndCopied) {
    TempDir t;
    t.write("a.txt", "a");
    FILETIME set;
    set.dwHighDateTime = 0x01D00000;  // some day in 2014
    set.dwLowDateTime = 0x12345670;   // whole 100-ns ticks survive the round trip
    ASSERT_TRUE(SetFileLastWriteTime(L"T:\\a.txt", set));
    FILETIME got;
    ASSERT_TRUE(GetFileLastWriteTime(L"T:\\A.TXT", got));
    EXPECT_EQ(CompareFileTime(&got, &set), 0);
    ASSERT_TRUE(CopyFileW(L"T:\\a.txt", L"T:\\b.txt", TRUE));
    ASSERT_TRUE(GetFileLastWriteTime(L"T:\\b.txt", got));
    EXPECT_EQ(CompareFileTime(&got, &set), 0);
    FILETIME later = set;
    later.dwHighDateTime += 1;
    EXPECT_EQ(CompareFileTime(&set, &later), -1);
    EXPECT_EQ(CompareFileTime(&later, &set), 1);
    EXPECT_FALSE(GetFileLastWriteTime(L"T:\\none", got));
}

TEST(Files, RecursiveSearchListsEveryLevel) {
    TempDir t;
    t.write("root/b.kms", "");
    t.write("root/A.KMS", "");
    t.write("root/note.txt", "");
    t.write("root/Childs/c.kms", "");
    t.write("root/Childs/deep/d.kms", "");
    t.mkdir("root/x.kms");
    EXPECT_EQ(FindFilesRecursive(L"T:\\root", L"*.kms"),
              (std::vector<std::wstring>{L"T:\\root\\A.KMS", L"T:\\root\\b.kms", L"T:\\root\\Childs\\c.kms",
                                         L"T:\\root\\Childs\\deep\\d.kms"}));
    const auto withDirs = FindFilesRecursive(L"T:\\ROOT\\", L"*.kms", true);
    EXPECT_EQ(std::set<std::wstring>(withDirs.begin(), withDirs.end()).count(L"T:\\ROOT\\x.kms"), 1u);
    EXPECT_TRUE(FindFilesRecursive(L"T:\\missing", L"*").empty());
}

TEST(Files, CurrentAndTempDirectoriesAreInWindowsForm) {
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, buffer);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(std::wstring(buffer).substr(0, 3), L"Z:\\");
    wchar_t small[2];
    EXPECT_EQ(GetCurrentDirectoryW(2, small), n + 1);
    const DWORD tn = GetTempPathW(MAX_PATH, buffer);
    ASSERT_GT(tn, 0u);
    EXPECT_EQ(buffer[tn - 1], L'\\');
}

TEST(Files, ReadingRefusesDirectoriesAndMissingFiles) {
    TempDir t;
    t.mkdir("d");
    std::string bytes = "unchanged";
    EXPECT_FALSE(ReadFileBytes(L"T:\\d", bytes));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(ReadFileBytes(L"T:\\none", bytes));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(bytes, "unchanged");
}
