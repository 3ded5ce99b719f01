// The settings every sheet carries: defaults, keys and written order, the sheet's corner
// cell, settings files, the variable lists, and the registry's two values.
#include <gtest/gtest.h>

#include "sheeteditor/km_tq_settings.h"
#include "sheeteditor_test_support.h"
#include "win/types.h"

namespace {

using namespace sheettest;

Zk_String seps(const wchar_t* text) {
    Zk_String s(text);
    s.replace(L"|", Zk_String(Zk_SimplePropsList::kSeparator));
    return s;
}

void expectDefaults(const KmTqSettings& s) {
    EXPECT_EQ(s.defaultFont, L"Tahoma");
    EXPECT_EQ(s.defaultTextHeight, 13);
    EXPECT_EQ(s.marginLeft, 9);
    EXPECT_EQ(s.marginRight, 5);
    EXPECT_EQ(s.marginTop, 5);
    EXPECT_EQ(s.marginBottom, 5);
    EXPECT_TRUE(s.smartPrint && s.colors && s.colHeader && s.rowHeader && s.cellSeperators && s.border);
    EXPECT_TRUE(s.headerFile.isEmpty());
    EXPECT_TRUE(s.footerFile.isEmpty());
}

class SettingsTest : public SheetEditorTest {};

TEST_F(SettingsTest, ASheetWithoutATagGivesTheDefaults) {
    KmTqSettings s;
    EXPECT_FALSE(s.valid);
    s.marginLeft = 1;
    s.loadFromSheet(hwnd());
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.sheet, hwnd());
    expectDefaults(s);
}

TEST_F(SettingsTest, StoredSettingsAreTheCornerTagInTheWrittenOrder) {
    KmTqSettings s;
    EXPECT_FALSE(s.storeToSheet(hwnd()));  // not loaded: not valid
    s.loadFromSheet(hwnd());
    s.headerFile = L"head.txt";
    s.marginBottom = 20;
    s.border = false;
    s.varNames = {Zk_String(L"Job"), Zk_String(L"By")};
    s.varValues = {Zk_String(L"J1"), Zk_String(L"me")};
    ASSERT_TRUE(s.storeToSheet(hwnd()));
    std::wstring tag;
    ASSERT_TRUE(SSGetCellTag(hwnd(), 0, 0, tag));
    EXPECT_EQ(Zk_String(tag),
              seps(L"defaultFont|4|Tahoma|defaultTextHeight|2|13|headerFile|4|head.txt|footerFile|4||"
                   L"marginLeft|2|9|marginRight|2|5|marginTop|2|5|marginBottom|2|20|smartPrint|2|1|colors|2|1|"
                   L"colHeader|2|1|rowHeader|2|1|cellSeperators|2|1|border|2|0|varNames0|4|Job|varNames1|4|By|"
                   L"varValues0|4|J1|varValues1|4|me|"));
    KmTqSettings back;
    back.loadFromSheet(hwnd());
    EXPECT_EQ(back.headerFile, L"head.txt");
    EXPECT_EQ(back.marginBottom, 20);
    EXPECT_FALSE(back.border);
    EXPECT_EQ(back.varNames, s.varNames);
    EXPECT_EQ(back.varValues, s.varValues);
}

TEST_F(SettingsTest, VariableListsAreCutToTheShorterOneAndStopAtAGap) {
    Zk_SimplePropsList list;
    list.setText(L"varNames0", L"A");
    list.setText(L"varNames1", L"B");
    list.setText(L"varNames2", L"C");
    list.setText(L"varValues0", L"1");
    KmTqSettings s;
    s.loadFromList(list);
    EXPECT_EQ(s.varNames, Zk_StringArray({Zk_String(L"A")}));
    EXPECT_EQ(s.varValues, Zk_StringArray({Zk_String(L"1")}));

    Zk_SimplePropsList gap;
    gap.setText(L"varNames0", L"A");
    gap.setText(L"varNames2", L"C");
    gap.setText(L"varValues0", L"1");
    gap.setInt(L"varValues1", 2);  // not a text: ends the list
    gap.setText(L"varValues2", L"3");
    s.loadFromList(gap);
    EXPECT_EQ(s.varNames.length(), 1);
    EXPECT_EQ(s.varValues.length(), 1);
}

TEST_F(SettingsTest, KeysOfTheWrongTypeAreIgnoredAndKeysIgnoreCase) {
    Zk_SimplePropsList list;
    list.setText(L"DEFAULTFONT", L"Courier");
    list.setText(L"marginLeft", L"30");  // text where an integer belongs
    list.setInt(L"colors", 0);
    KmTqSettings s;
    s.loadFromList(list);
    EXPECT_EQ(s.defaultFont, L"Courier");
    EXPECT_EQ(s.marginLeft, 9);
    EXPECT_FALSE(s.colors);
}

TEST_F(SettingsTest, SettingsFilesAreFoundInTheProductFolder) {
    EXPECT_EQ(KmTqSettings::settingsFilePath(L"Bills\\A4"), gSettings.zkDir + L"Bills\\A4.kmd");
    writeBytes(root / "product" / "Bills" / "A4.kmd",
               kmd("defaultFont|4|Verdana|defaultTextHeight|2|10|footerFile|4|foot.txt|"));
    KmTqSettings s;
    ASSERT_TRUE(s.loadFromFile(L"Bills\\A4"));
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.defaultFont, L"Verdana");
    EXPECT_EQ(s.defaultTextHeight, 10);
    EXPECT_EQ(s.footerFile, L"foot.txt");
    // A missing file leaves the defaults, still valid.
    EXPECT_FALSE(s.loadFromFile(L"none"));
    EXPECT_TRUE(s.valid);
    expectDefaults(s);
}

TEST_F(SettingsTest, SetVariablesReplacesOnlyTheListsOfTheSheet) {
    KmTqSettings s;
    s.loadFromSheet(hwnd());
    s.marginTop = 33;
    s.varNames = {Zk_String(L"Old")};
    s.varValues = {Zk_String(L"o")};
    s.storeToSheet(hwnd());
    KmTqSettings other;
    ASSERT_TRUE(other.setVariables(hwnd(), {Zk_String(L"N")}, {Zk_String(L"v")}));
    KmTqSettings back;
    back.loadFromSheet(hwnd());
    EXPECT_EQ(back.marginTop, 33);
    EXPECT_EQ(back.varNames, Zk_StringArray({Zk_String(L"N")}));
    EXPECT_EQ(back.varValues, Zk_StringArray({Zk_String(L"v")}));
}

TEST_F(SettingsTest, RegistryValuesOrTheirDefaults) {
    KmTqRegistrySets none;
    EXPECT_FALSE(none.read());
    EXPECT_EQ(none.language, L"EN");
    EXPECT_TRUE(none.defaultSettings.isEmpty());

    const std::wstring key = std::wstring(L"HKEY_LOCAL_MACHINE\\") + KmTqRegistrySets::kKey;
    ASSERT_TRUE(win::RegistrySetString(key, L"Language", L"DE"));
    ASSERT_TRUE(win::RegistrySetString(key, L"Default Settings", L"Bills\\A4"));
    KmTqRegistrySets both;
    EXPECT_TRUE(both.read());
    EXPECT_EQ(both.language, L"DE");
    EXPECT_EQ(both.defaultSettings, L"Bills\\A4");
}

TEST_F(SettingsTest, RegistryValuesOfAnotherTypeOrTooLongAreRefused) {
    const std::wstring key = std::wstring(L"HKEY_LOCAL_MACHINE\\") + KmTqRegistrySets::kKey;
    ASSERT_TRUE(win::RegistrySetDword(key, L"Language", 7));
    // Longer than the 256-byte buffer holds.
    ASSERT_TRUE(win::RegistrySetString(key, L"Default Settings", std::wstring(200, L'x')));
    KmTqRegistrySets sets;
    Zk_String value;
    EXPECT_FALSE(KmTqRegistrySets::readValue(Zk_String(KmTqRegistrySets::kKey) + L"\\Language", value));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_FALSE(sets.read());
    EXPECT_EQ(sets.language, L"EN");
    EXPECT_TRUE(sets.defaultSettings.isEmpty());
}

}  // namespace
