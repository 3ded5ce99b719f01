// Folder change notifications: every kind of change of a folder's entries signals, a
// quiet folder does not, and handles on one folder are independent.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "temp_dir.h"
#include "win/change_notify.h"

namespace {

constexpr DWORD kAll = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                       FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_ATTRIBUTES;

bool signalled(HANDLE h) { return WaitForSingleObject(h, 0) == WAIT_OBJECT_0; }

TEST(ChangeNotify, EachKindOfChangeSignalsUntilTheNextWait) {
    TempDir t;
    t.mkdir("lib/Data");
    t.write("lib/Data/a.txt", "one");
    HANDLE h = FindFirstChangeNotificationW(L"T:\\lib\\Data", FALSE, kAll);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(signalled(h));
    t.read("lib/Data/a.txt");  // reading changes nothing
    EXPECT_FALSE(signalled(h));

    const auto expectChange = [&](const char* what, const std::function<void()>& change) {
        change();
        EXPECT_TRUE(signalled(h)) << what;
        EXPECT_TRUE(signalled(h)) << what << " (stays signalled)";
        ASSERT_TRUE(FindNextChangeNotification(h));
        EXPECT_FALSE(signalled(h)) << what << " (waits for the next change)";
    };
    expectChange("written", [&] { t.write("lib/Data/a.txt", "two"); });
    expectChange("created", [&] { t.write("lib/Data/b.txt", "x"); });
    expectChange("renamed", [&] { std::filesystem::rename(t.host("lib/Data/b.txt"), t.host("lib/Data/c.txt")); });
    expectChange("replaced by a rename",
                 [&] { t.write("lib/new.tmp", "three"); std::filesystem::rename(t.host("lib/new.tmp"), t.host("lib/Data/a.txt")); });
    expectChange("deleted", [&] { std::filesystem::remove(t.host("lib/Data/c.txt")); });
    expectChange("folder made", [&] { t.mkdir("lib/Data/sub"); });
    expectChange("touched", [&] {
        std::filesystem::last_write_time(t.host("lib/Data/a.txt"), std::filesystem::file_time_type::clock::now() -
                                                                        std::chrono::hours(1));
    });
    // A change below a sub-folder is not one of this folder's entries.
    t.write("lib/Data/sub/deep.txt", "x");
    EXPECT_FALSE(signalled(h));
    EXPECT_TRUE(FindCloseChangeNotification(h));
    EXPECT_EQ(WaitForSingleObject(h, 0), WAIT_FAILED);
    EXPECT_FALSE(FindNextChangeNotification(h));
    EXPECT_FALSE(FindCloseChangeNotification(h));
}

TEST(ChangeNotify, HandlesOnOneFolderAreIndependent) {
    TempDir t;
    t.mkdir("d");
    HANDLE a = FindFirstChangeNotificationW(L"T:\\d", FALSE, kAll);
    t.write("d/before.txt", "x");
    HANDLE b = FindFirstChangeNotificationW(L"T:\\D\\", FALSE, kAll);  // another spelling of the folder
    ASSERT_NE(a, INVALID_HANDLE_VALUE);
    ASSERT_NE(b, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(signalled(a));
    EXPECT_FALSE(signalled(b));  // the change came before it
    ASSERT_TRUE(FindCloseChangeNotification(a));
    t.write("d/after.txt", "x");
    EXPECT_TRUE(signalled(b));  // closing the other handle kept its watch
    ASSERT_TRUE(FindCloseChangeNotification(b));
}

TEST(ChangeNotify, AFolderGoneSignalsAndMissingFoldersAreRefused) {
    TempDir t;
    t.mkdir("gone");
    HANDLE h = FindFirstChangeNotificationW(L"T:\\gone", FALSE, kAll);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::filesystem::remove(t.host("gone"));
    EXPECT_TRUE(signalled(h));
    EXPECT_TRUE(FindCloseChangeNotification(h));

    EXPECT_EQ(FindFirstChangeNotificationW(L"T:\\missing", FALSE, kAll), INVALID_HANDLE_VALUE);
    t.write("file.txt", "x");
    EXPECT_EQ(FindFirstChangeNotificationW(L"T:\\file.txt", FALSE, kAll), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstChangeNotificationW(L"T:\\", TRUE, kAll), INVALID_HANDLE_VALUE);  // no subtrees
    EXPECT_EQ(FindFirstChangeNotificationW(nullptr, FALSE, kAll), INVALID_HANDLE_VALUE);
    EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
}

TEST(ChangeNotify, AWaitWithATimeOutEndsAtTheChangeOrTheTime) {
    TempDir t;
    t.mkdir("w");
    HANDLE h = FindFirstChangeNotificationW(L"T:\\w", FALSE, kAll);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WaitForSingleObject(h, 20), WAIT_TIMEOUT);
    t.write("w/x", "1");
    EXPECT_EQ(WaitForSingleObject(h, 1000), WAIT_OBJECT_0);
    FindCloseChangeNotification(h);
}

TEST(ChangeNotify, SeveralHandlesAreAskedAtOnce) {
    TempDir t;
    t.mkdir("a");
    t.mkdir("b");
    t.mkdir("c");
    HANDLE h[3] = {FindFirstChangeNotificationW(L"T:\\a", FALSE, kAll), FindFirstChangeNotificationW(L"T:\\b", FALSE, kAll),
                   FindFirstChangeNotificationW(L"T:\\c", FALSE, kAll)};
    for (HANDLE one : h) ASSERT_NE(one, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WaitForMultipleObjects(3, h, FALSE, 0), WAIT_TIMEOUT);
    t.write("c/x", "1");
    t.write("b/x", "1");
    EXPECT_EQ(WaitForMultipleObjects(3, h, FALSE, 0), WAIT_OBJECT_0 + 1);  // the first signalled
    EXPECT_EQ(WaitForMultipleObjects(3, h, TRUE, 0), WAIT_TIMEOUT);        // a is quiet
    EXPECT_EQ(WaitForMultipleObjects(2, h + 1, TRUE, 0), WAIT_OBJECT_0);
    ASSERT_TRUE(FindNextChangeNotification(h[1]));
    EXPECT_EQ(WaitForMultipleObjects(3, h, FALSE, 0), WAIT_OBJECT_0 + 2);
    // A wait with a time-out ends at a change of any of them.
    ASSERT_TRUE(FindNextChangeNotification(h[2]));
    EXPECT_EQ(WaitForMultipleObjects(3, h, FALSE, 20), WAIT_TIMEOUT);
    t.write("a/x", "1");
    EXPECT_EQ(WaitForMultipleObjects(3, h, FALSE, 1000), WAIT_OBJECT_0);

    // Bad requests fail without a look.
    HANDLE bad[2] = {h[0], nullptr};
    EXPECT_EQ(WaitForMultipleObjects(2, bad, FALSE, 0), WAIT_FAILED);
    EXPECT_EQ(WaitForMultipleObjects(0, h, FALSE, 0), WAIT_FAILED);
    EXPECT_EQ(WaitForMultipleObjects(MAXIMUM_WAIT_OBJECTS + 1, h, FALSE, 0), WAIT_FAILED);
    EXPECT_EQ(WaitForMultipleObjects(1, nullptr, FALSE, 0), WAIT_FAILED);
    for (HANDLE one : h) EXPECT_TRUE(FindCloseChangeNotification(one));
    EXPECT_EQ(WaitForMultipleObjects(1, h, FALSE, 0), WAIT_FAILED);
}

}  // namespace
