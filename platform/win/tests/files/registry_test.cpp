#include "win/registry.h"

#include "temp_dir.h"
#include "win/file_faults.h"

#include <gtest/gtest.h>

namespace {

const wchar_t* const kKey = L"Software\\Kelmora\\Spreadsheet Editor v1.0";

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        t.write("reg.txt",
                "; settings\n"
                "[HKEY_LOCAL_MACHINE\\Software\\Kelmora\\Spreadsheet Editor v1.0]\n"
                "\"Language\"=\"EN\"\n"
                "\"Default Settings\"=\"C:\\\\lib\\\\a \\\"b\\\".kmd\"\n"
                "\"Width\"=dword:00000280\n"
                "garbage line\n"
                "\"Broken\"=\"unterminated\n");
        ::setenv("TQ_REGISTRY_FILE", t.host("reg.txt").c_str(), 1);
        win::ReloadRegistry();
    }
    void TearDown() override {
        ::unsetenv("TQ_REGISTRY_FILE");
        win::ReloadRegistry();
    }
    HKEY open() {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
        return key;
    }
    TempDir t;
};

}  // namespace

TEST_F(Registry, ReadsStringsAsWin32Does) {
    EXPECT_EQ(win::RegistryFilePath(), t.host("reg.txt"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"software\\KELMORA\\spreadsheet editor v1.0", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExW(key, L"default settings", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    const std::wstring expected = L"C:\\lib\\a \"b\".kmd";
    EXPECT_EQ(size, (expected.size() + 1) * sizeof(wchar_t));
    wchar_t buffer[64] = {};
    size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExW(key, L"Default Settings", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(buffer), expected);

    wchar_t small[4] = {L'x', 0, 0, 0};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExW(key, L"Default Settings", nullptr, &type, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, (expected.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(small[0], L'x');

    char narrow[8];
    size = sizeof narrow;
    EXPECT_EQ(RegQueryValueExA(key, "Language", nullptr, &type, reinterpret_cast<BYTE*>(narrow), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(narrow, "EN");
    EXPECT_EQ(size, 3u);

    DWORD width = 0;
    size = sizeof width;
    EXPECT_EQ(RegQueryValueExW(key, L"Width", nullptr, &type, reinterpret_cast<BYTE*>(&width), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(width, 640u);

    EXPECT_EQ(RegQueryValueExW(key, L"Missing", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(key, L"Broken", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExW(key, L"Language", nullptr, &type, nullptr, &size), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, MissingKeysAndWrongTypes) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Nobody", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    // Intermediate keys exist.
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Kelmora", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);

    std::wstring text;
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, kKey, L"Width", text), ERROR_INVALID_DATA);
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, kKey, L"Language", text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"EN");
    wchar_t buffer[16];
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"Width", RRF_RT_REG_SZ, nullptr, buffer, &size),
              ERROR_INVALID_DATA);
    DWORD width = 0;
    size = sizeof width;
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"Width", RRF_RT_REG_DWORD, nullptr, &width, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(width, 640u);
}

TEST_F(Registry, SetValuesPersistInTheFile) {
    ASSERT_TRUE(win::RegistrySetString(L"HKEY_LOCAL_MACHINE\\Software\\Test", L"Path", L"C:\\x\ny \"q\""));
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    const std::wstring fr = L"FR";
    ASSERT_EQ(RegSetValueExW(key, L"LANGUAGE", 0, REG_SZ, reinterpret_cast<const BYTE*>(fr.c_str()),
                             static_cast<DWORD>((fr.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, L"Bin", 0, 3, nullptr, 0), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);

    win::ReloadRegistry();  // everything comes back from the file
    std::wstring text;
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, kKey, L"Language", text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"FR");
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, L"Software\\Test", L"path", text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"C:\\x\ny \"q\"");
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, kKey, L"Default Settings", text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"C:\\lib\\a \"b\".kmd");
}

TEST_F(Registry, FailedRewriteChangesNothing) {
    const std::string before = t.read("reg.txt");
    win::ScopedFileFaults faults;
    win::FailNextWrite();
    EXPECT_FALSE(win::RegistrySetString(std::wstring(L"HKEY_LOCAL_MACHINE\\") + kKey, L"Language", L"NL"));
    EXPECT_EQ(t.read("reg.txt"), before);
    std::wstring text;
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, kKey, L"Language", text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"EN");
}

TEST_F(Registry, ChangingTheFileVariableSwitchesFiles) {
    t.write("other.txt", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"other\"\n");
    ::setenv("TQ_REGISTRY_FILE", t.host("other.txt").c_str(), 1);
    std::wstring text;
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, L"A", L"V", text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"other");
    EXPECT_EQ(win::RegistryGetString(HKEY_LOCAL_MACHINE, kKey, L"Language", text), ERROR_FILE_NOT_FOUND);
}
