#include "host/files.h"

#include <fstream>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "win/file_faults.h"

namespace {
std::string hostBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
void writeHost(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}
}  // namespace

TEST(Files, RowsRoundTripKeepEmptyFieldsAndUnicode) {
    TempFolder dir;
    const Zk_Array<Zk_StringArray> rows{{L"HEA200", L"", L"\u00d8 20"}, {}, {L"x"}, {L"", L""}};
    ASSERT_TRUE(writeFile(dir.win(L"t.txt"), rows));
    EXPECT_EQ(hostBytes(dir.host() / "t.txt"), "HEA200\t\t\xC3\x98 20\r\n\r\nx\r\n\t\r\n");
    Zk_Array<Zk_StringArray> back;
    ASSERT_TRUE(readFile(dir.win(L"t.txt"), back));
    EXPECT_EQ(back, rows);
}

TEST(Files, ReadAcceptsBomAndEveryLineEnd) {
    TempFolder dir;
    writeHost(dir.host() / "l.txt", "\xEF\xBB\xBF" "a\r\nb\nc\rd");
    Zk_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(dir.win(L"l.txt"), lines));
    EXPECT_EQ(lines, (Zk_StringArray{L"a", L"b", L"c", L"d"}));
    writeHost(dir.host() / "e.txt", "");
    ASSERT_TRUE(ObjectExportReadFile(dir.win(L"e.txt"), lines));
    EXPECT_TRUE(lines.isEmpty());
    writeHost(dir.host() / "n.txt", "\n\n");
    ASSERT_TRUE(ObjectExportReadFile(dir.win(L"n.txt"), lines));
    EXPECT_EQ(lines, (Zk_StringArray{L"", L""}));
}

TEST(Files, MissingFileFailsAndLeavesOutputAlone) {
    TempFolder dir;
    Zk_StringArray lines{L"kept"};
    EXPECT_FALSE(ObjectExportReadFile(dir.win(L"missing.txt"), lines));
    EXPECT_EQ(lines, Zk_StringArray{L"kept"});
    Zk_Array<Zk_StringArray> rows{{L"kept"}};
    EXPECT_FALSE(readFile(dir.win(L"missing.txt"), rows));
    EXPECT_EQ(rows.length(), 1);
    EXPECT_FALSE(ObjectExportWriteFile(dir.win(L"no\\such\\folder\\x.txt"), lines));
}

TEST(Files, FailedWriteLeavesOldFile) {
    TempFolder dir;
    ASSERT_TRUE(ObjectExportWriteFile(dir.win(L"m.map"), {L"old"}));
    win::ScopedFileFaults faults;
    win::FailNextWrite();
    EXPECT_FALSE(ObjectExportWriteFile(dir.win(L"m.map"), {L"new", L"longer content"}));
    EXPECT_EQ(hostBytes(dir.host() / "m.map"), "old\r\n");
    win::FailNextRename();
    EXPECT_FALSE(writeFile(dir.win(L"m.map"), {{L"a", L"b"}}));
    EXPECT_EQ(hostBytes(dir.host() / "m.map"), "old\r\n");
}

TEST(Files, FindFilesSortedFilteredAndRecursive) {
    TempFolder dir;
    std::filesystem::create_directories(dir.host() / "Sub" / "Deep");
    for (const char* f : {"b.kms", "A.KMS", "c.map", "Sub/z.kms", "Sub/Deep/y.kms"}) writeHost(dir.host() / f, "x");
    Zk_StringArray files;
    ASSERT_TRUE(ObjectExportFindFiles(dir.win(), L"*.kms", files, false));
    EXPECT_EQ(files, (Zk_StringArray{L"A.KMS", L"b.kms"}));
    ASSERT_TRUE(ObjectExportFindFiles(dir.win(), L"", files, true));
    EXPECT_EQ(files, (Zk_StringArray{dir.win(L"A.KMS"), dir.win(L"b.kms"), dir.win(L"c.map")}));
    ASSERT_TRUE(ObjectExportFindFilesRecursive(dir.win(), L"*.kms", files));
    ASSERT_EQ(files.length(), 4);
    EXPECT_TRUE(files.contains(dir.win(L"Sub\\Deep\\y.kms")));
    Zk_StringArray subs;
    ASSERT_TRUE(findSubFolders(dir.win(), subs));
    EXPECT_EQ(subs, Zk_StringArray{L"Sub"});
    EXPECT_FALSE(ObjectExportFindFiles(dir.win(L"nope"), L"*", files));
}

TEST(Files, ExistenceTimesDeleteCopyAndCreateFolder) {
    TempFolder dir;
    ASSERT_TRUE(writeTextFile(dir.win(L"a.txt"), L"\u2022"));
    EXPECT_TRUE(fileExists(dir.win(L"a.txt")));
    EXPECT_FALSE(fileExists(dir.win()));
    EXPECT_TRUE(folderExists(dir.win()));
    std::int64_t t = 0;
    EXPECT_TRUE(ObjectExportGetFileTime(dir.win(L"a.txt"), t));
    EXPECT_GT(t, 116444736000000000LL);  // after 1970
    EXPECT_FALSE(ObjectExportGetFileTime(dir.win(L"b.txt"), t));
    EXPECT_TRUE(copyFile(dir.win(L"a.txt"), dir.win(L"b.txt")));
    EXPECT_FALSE(copyFile(dir.win(L"a.txt"), dir.win(L"b.txt"), false));
    Zk_String text;
    ASSERT_TRUE(readTextFile(dir.win(L"b.txt"), text));
    EXPECT_EQ(text, L"\u2022");
    EXPECT_TRUE(deleteFile(dir.win(L"a.txt")));
    EXPECT_FALSE(deleteFile(dir.win(L"a.txt")));
    EXPECT_TRUE(createFolder(dir.win(L"x\\y\\z\\")));
    EXPECT_TRUE(folderExists(dir.win(L"x\\y\\z")));
    EXPECT_TRUE(createFolder(dir.win(L"x\\y")));  // existing is fine
}

TEST(Files, PathPieces) {
    EXPECT_EQ(getFileName(L"C:\\a\\b.kms"), L"b.kms");
    EXPECT_EQ(getFileName(L"C:b.kms"), L"b.kms");
    EXPECT_EQ(getFileTitle(L"C:\\a/b.x.kms"), L"b.x");
    EXPECT_EQ(getFileExtension(L"C:\\a.d\\b"), L"");
    EXPECT_EQ(getFileExtension(L"C:\\a\\.hidden"), L"");
    EXPECT_EQ(getFileExtension(L"b.KMS"), L"KMS");
    EXPECT_EQ(getFolder(L"C:\\a\\b.kms"), L"C:\\a\\");
    EXPECT_EQ(getFolder(L"b.kms"), L"");
    EXPECT_EQ(changeFileExtension(L"C:\\a.d\\EndPlate.kms", L"map"), L"C:\\a.d\\EndPlate.map");
    EXPECT_EQ(changeFileExtension(L"EndPlate", L".kms"), L"EndPlate.kms");
    EXPECT_EQ(changeFileExtension(L"EndPlate.kms", L""), L"EndPlate");
    EXPECT_TRUE(hasFileExtension(L"x.Kms", L".kms"));
    EXPECT_FALSE(hasFileExtension(L"x.kmsx", L"kms"));
    EXPECT_EQ(addBackslash(L"C:\\lib"), L"C:\\lib\\");
    EXPECT_EQ(addBackslash(L"C:\\lib\\"), L"C:\\lib\\");
    EXPECT_EQ(addBackslash(L""), L"");
    EXPECT_EQ(joinPath(L"C:\\lib", L"\\Connection Standards\\"), L"C:\\lib\\Connection Standards\\");
    EXPECT_TRUE(isAbsolutePath(L"Z:\\x"));
    EXPECT_TRUE(isAbsolutePath(L"\\x"));
    EXPECT_FALSE(isAbsolutePath(L"Connection Standards\\x"));
}
