#include "win/paths.h"

#include "temp_dir.h"
#include "win/encoding.h"

#include <gtest/gtest.h>

TEST(Paths, DriveLettersMapToTheirRoots) {
    TempDir t;
    EXPECT_EQ(HostPathFromWindows(L"T:\\a\\b.kms"), t.path() + "/a/b.kms");
    EXPECT_EQ(HostPathFromWindows(L"t:/a/b.kms"), t.path() + "/a/b.kms");
    EXPECT_EQ(HostPathFromWindows(L"Z:\\usr\\lib"), "/usr/lib");
    EXPECT_EQ(HostPathFromWindows(L"\\usr\\lib"), "/usr/lib");
    ::setenv("TQ_DRIVES_ROOT", "/drives", 1);
    EXPECT_EQ(HostPathFromWindows(L"C:\\x\\y"), "/drives/c/x/y");
    ::unsetenv("TQ_DRIVES_ROOT");
}

TEST(Paths, DotsResolveAndNeverClimbAboveTheRoot) {
    TempDir t;
    EXPECT_EQ(HostPathFromWindows(L"T:\\a\\b\\..\\c\\.\\d"), t.path() + "/a/c/d");
    EXPECT_EQ(HostPathFromWindows(L"T:\\..\\..\\x"), t.path() + "/x");
    EXPECT_EQ(HostPathFromWindows(L"a\\..\\..\\b"), "../b");
    EXPECT_EQ(HostPathFromWindows(L"Connection Standards\\Data\\"), "Connection Standards/Data/");
    EXPECT_EQ(HostPathFromWindows(L"a\\\\b"), "a/b");
    EXPECT_EQ(HostPathFromWindows(L""), ".");
}

TEST(Paths, ComponentsMatchExistingEntriesWithoutCase) {
    TempDir t;
    t.write("Prof/HEA.pr", "x");
    EXPECT_EQ(HostPathFromWindows(L"T:\\prof\\hea.PR"), t.path() + "/Prof/HEA.pr");
    EXPECT_EQ(HostPathFromWindows(L"T:\\PROF\\"), t.path() + "/Prof/");
    // A missing component is kept as written, and so is everything below it.
    EXPECT_EQ(HostPathFromWindows(L"T:\\prof\\New\\Sub"), t.path() + "/Prof/New/Sub");
    // The exact name wins over one that differs only in case.
    t.write("prof/x", "y");
    EXPECT_EQ(HostPathFromWindows(L"T:\\prof\\x"), t.path() + "/prof/x");
}

TEST(Paths, HostPathsComeBackInWindowsForm) {
    TempDir t;
    EXPECT_EQ(WindowsPathFromHost("/usr/lib/x.so"), L"Z:\\usr\\lib\\x.so");
    EXPECT_EQ(WindowsPathFromHost("/"), L"Z:\\");
    EXPECT_EQ(WindowsPathFromHost(t.path() + "/a/b"), L"T:\\a\\b");
    EXPECT_EQ(WindowsPathFromHost("rel/x"), L"rel\\x");
    const std::wstring win = WindowsPathFromHost(t.path() + "/dir/");
    EXPECT_EQ(win, L"T:\\dir\\");
    EXPECT_EQ(HostPathFromWindows(win), t.path() + "/dir/");
    EXPECT_EQ(win::DirectoryPart(L"T:\\dir\\f.txt"), L"T:\\dir\\");
    EXPECT_EQ(win::FileNamePart(L"T:\\dir\\f.txt"), L"f.txt");
}

TEST(Encoding, InvalidUtf8KeepsEveryByteAndValidTextRoundTrips) {
    const std::wstring w = WideFromUtf8("a\xC3\xA9" "b\xFF\xC3");
    EXPECT_EQ(w, std::wstring(L"a\u00E9b") + wchar_t(0xFF) + wchar_t(0xC3));
    EXPECT_EQ(Utf8FromWide(L"\u00E9\u20AC\U0001F600"), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(WideFromUtf8(Utf8FromWide(L"\u00E9\u20AC\U0001F600")), L"\u00E9\u20AC\U0001F600");
    EXPECT_EQ(WideFromUtf8("\xED\xA0\x80").size(), 3u);  // encoded surrogate: three bytes kept
    EXPECT_EQ(Utf8FromWide(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(AnsiFromWide(WideFromAnsi("\xE9\x80z")), "\xE9\x80z");
    EXPECT_EQ(AnsiFromWide(L"\u20AC"), "?");
    EXPECT_TRUE(EqualNoCase(std::wstring_view(L"\u00C9cole"), std::wstring_view(L"\u00E9COLE")));
    EXPECT_FALSE(EqualNoCase(std::string_view("ab"), std::string_view("abc")));
}
