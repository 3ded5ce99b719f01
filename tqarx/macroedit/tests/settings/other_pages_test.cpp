// The filter-properties, variables and groups pages, and what OK and Cancel do with the
// record.
#include "macroedit/tab_macro_filter_props.h"
#include "macroedit/tab_macro_groups.h"
#include "macroedit/tab_macro_variables.h"
#include "settings_test_support.h"

namespace {

using namespace settings_test;
using Page = CDlgMacroSettings::Page;

using SettingsPages = SettingsDialogTest;

MacroSettingsData propsData() {
    MacroSettingsData data;
    data.filterProps.entryNames = Zk_StringArray{L"Plate", L"Bolts"};
    data.filterProps.properties.append(Zk_StringArray{L"Thickness", L"Width"});
    data.filterProps.properties.append(Zk_StringArray{L"Gauge"});
    data.filterProps.templates = Zk_StringArray{L"EndPlate", L"EndPlateBolts"};
    return data;
}

TEST_F(SettingsPages, ChangingTheEntryStoresItsPropertiesAndTemplate) {
    MacroSettingsData data = propsData();
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        s.selectTab(IDC_MS_TAB, Page::kFilterPropsPage);
        click(s, Page::kFilterPropsPage, IDC_MS_ADD);
        typeCell(s, Page::kFilterPropsPage, IDC_MSP_GRID, 1, 3, L"Length");
        replace(s, Page::kFilterPropsPage, IDC_MSP_TEMPLATE, L"WidePlate");
        pick(s, Page::kFilterPropsPage, IDC_MSP_ENTRY, 1);
        s.then([](CDialog& dlg) {
            Zk_Spread& grid = settingsDialog(dlg).filterPropsPage().grid();
            EXPECT_EQ(grid.getRowCount(), 1);
            EXPECT_EQ(cell(grid, 1, 1), L"Gauge");
        });
        typeCell(s, Page::kFilterPropsPage, IDC_MSP_GRID, 1, 1, L"");  // emptied rows are no properties
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.filterProps.properties[0], (Zk_StringArray{L"Thickness", L"Width", L"Length"}));
    EXPECT_EQ(data.filterProps.templates[0], L"WidePlate");
    EXPECT_TRUE(data.filterProps.properties[1].isEmpty());
    EXPECT_EQ(data.filterProps.templates[1], L"EndPlateBolts");
}

TEST_F(SettingsPages, PropertyListsShorterThanTheNamesAreNotUsed) {
    MacroSettingsData data = propsData();
    data.filterProps.templates = Zk_StringArray{L"EndPlate"};
    const MacroSettingsData before = data;
    run(data, [](mfc::DialogSteps& s) {
        s.selectTab(IDC_MS_TAB, Page::kFilterPropsPage);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(settingsDialog(dlg).filterPropsPage().current(), -1);
            EXPECT_EQ(cell(settingsDialog(dlg).filterPropsPage().grid(), 1, 1), L"");
            EXPECT_FALSE(isEnabled(dlg, Page::kFilterPropsPage, IDC_MSP_TEMPLATE));
        });
        s.ok();
    });
    EXPECT_EQ(data.filterProps, before.filterProps);
}

TEST_F(SettingsPages, VariablesStoreTheOptionsTheNumberAndTheNamedRows) {
    MacroSettingsData data;
    data.variables.names = Zk_StringArray{L"gen_Gap"};
    data.variables.values = Zk_Array<double>{10.0};
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        s.selectTab(IDC_MS_TAB, Page::kVariablesPage);
        s.then([](CDialog& dlg) {
            // The number's choices and the record's number as text.
            auto* number = static_cast<CComboBox*>(settingsDialog(dlg).variablesPage().GetDlgItem(IDC_MSV_NUMBER));
            EXPECT_EQ(number->GetCount(), 4);
            EXPECT_EQ(Zk_String(number->GetWindowTextString().GetString()), L"0");
            EXPECT_EQ(cell(settingsDialog(dlg).variablesPage().grid(), 2, 1), L"10");
        });
        pick(s, Page::kVariablesPage, IDC_MSV_OPTION1, 2);
        pick(s, Page::kVariablesPage, IDC_MSV_OPTION2, 1);
        replace(s, Page::kVariablesPage, IDC_MSV_NUMBER, L"3");
        click(s, Page::kVariablesPage, IDC_MS_ADD);
        click(s, Page::kVariablesPage, IDC_MS_ADD);
        typeCell(s, Page::kVariablesPage, IDC_MSV_GRID, 1, 2, L"gen_Weld");
        typeCell(s, Page::kVariablesPage, IDC_MSV_GRID, 2, 3, L"4");  // a value without a name
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.variables.option1, 2);
    EXPECT_EQ(data.variables.option2, 1);
    EXPECT_EQ(data.variables.number, 3);
    EXPECT_EQ(data.variables.names, (Zk_StringArray{L"gen_Gap", L"gen_Weld"}));
    EXPECT_EQ(data.variables.values, (Zk_Array<double>{10.0, 0.0}));
}

TEST_F(SettingsPages, NoVariablesStayNoVariables) {
    MacroSettingsData data;
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        s.selectTab(IDC_MS_TAB, Page::kVariablesPage);
        s.then([](CDialog& dlg) { EXPECT_EQ(settingsDialog(dlg).variablesPage().grid().getRowCount(), 1); });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_TRUE(data.variables.names.isEmpty());
}

TEST_F(SettingsPages, GroupsStoreTheTextsAndTheColumns) {
    MacroSettingsData data;
    data.groups.text1 = L"Connections";
    data.groups.names = Zk_StringArray{L"Plate", L"Bolts", L"Stiffener"};
    data.groups.texts = Zk_StringArray{L"End plate"};
    data.groups.numbers = Zk_Array<int>{2};
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        s.selectTab(IDC_MS_TAB, Page::kGroupsPage);
        s.then([](CDialog& dlg) {
            Zk_Spread& grid = settingsDialog(dlg).groupsPage().grid();
            EXPECT_EQ(cell(grid, 3, 1), CTabMacroGroups::numberChoice(2));
            EXPECT_EQ(cell(grid, 3, 2), L"");
            // The names cannot be typed over.
            SSUserTypeText(grid.GetSafeHwnd(), 1, 1, L"Other");
            EXPECT_EQ(cell(grid, 1, 1), L"Plate");
        });
        replace(s, Page::kGroupsPage, IDC_MSG_TEXT2, L"End plates");
        typeCell(s, Page::kGroupsPage, IDC_MSG_GRID, 2, 3, L"Stiffeners");
        s.then([](CDialog& dlg) {
            SSUserTypeText(settingsDialog(dlg).groupsPage().grid().GetSafeHwnd(), 3, 3,
                           CTabMacroGroups::numberChoice(3).c_str());
        });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.groups.text1, L"Connections");
    EXPECT_EQ(data.groups.text2, L"End plates");
    EXPECT_EQ(data.groups.names, (Zk_StringArray{L"Plate", L"Bolts", L"Stiffener"}));
    EXPECT_EQ(data.groups.texts, (Zk_StringArray{L"End plate", L"", L"Stiffeners"}));
    EXPECT_EQ(data.groups.numbers, (Zk_Array<int>{2, 0, 3}));
}

TEST_F(SettingsPages, CancelLeavesTheRecordAsItWas) {
    MacroSettingsData data = propsData();
    data.variables.names = Zk_StringArray{L"gen_Gap"};
    data.variables.values = Zk_Array<double>{10.0};
    const MacroSettingsData before = data;
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        click(s, Page::kFilterPage, IDC_MSF_USE);
        s.selectTab(IDC_MS_TAB, Page::kVariablesPage);
        typeCell(s, Page::kVariablesPage, IDC_MSV_GRID, 2, 1, L"99");
        s.cancel();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(data, before);
}

TEST_F(SettingsPages, EscapeOnTheFiltersPageCancelsTheDialog) {
    MacroSettingsData data;
    data.filters.useFilters = true;
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            mfc::input::PressKey(VK_ESCAPE, mfc::kNoMods, pageItem(dlg, Page::kFilterPage, IDC_MSF_USE));
        });
    });
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace
