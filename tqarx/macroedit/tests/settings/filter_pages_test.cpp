// The two filter pages, used as a person would: picking filters, ticking marks, typing
// values and angle pairs.
#include "macroedit/tab_macro_filter.h"
#include "settings_test_support.h"

namespace {

using namespace settings_test;
using Page = CDlgMacroSettings::Page;

MacroFilterList list(std::initializer_list<const wchar_t*> names, Zk_Array<double> values, int enabled = 1) {
    MacroFilterList filters;
    for (const wchar_t* name : names) {
        filters.names.append(Zk_String(name));
        filters.enabled.append(enabled);
        filters.values.append(values);
        filters.choices.append(0);
    }
    return filters;
}

using FilterPages = SettingsDialogTest;

TEST_F(FilterPages, SectionAngleRowsAreKeptOnlyWithANumberOtherThanZero) {
    MacroSettingsData data;
    data.filters.sectionAngles = list({L"Web"}, Zk_Array<double>{});
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        click(s, Page::kFilterPage, IDC_MSF_SECTION_ADD);
        click(s, Page::kFilterPage, IDC_MSF_SECTION_ADD);
        typeCell(s, Page::kFilterPage, IDC_MS_GRID, 1, 1, L"0");
        typeCell(s, Page::kFilterPage, IDC_MS_GRID, 2, 1, L"0");
        typeCell(s, Page::kFilterPage, IDC_MS_GRID, 1, 2, L"10");
        typeCell(s, Page::kFilterPage, IDC_MS_GRID, 2, 2, L"20");
        typeCell(s, Page::kFilterPage, IDC_MS_GRID, 1, 3, L"0");
        typeCell(s, Page::kFilterPage, IDC_MS_GRID, 2, 3, L"5");
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.filters.sectionAngles.values[0], (Zk_Array<double>{10.0, 20.0, 0.0, 5.0}));
}

TEST_F(FilterPages, StoredPairsAreShownOnePerRowAndAnEmptyFilterShowsOneRow) {
    MacroSettingsData data;
    data.filters.sectionAngles = list({L"Web", L"Flange"}, Zk_Array<double>{0.0, 15.0, 165.0, 180.0});
    data.filters.sectionAngles.values[1] = Zk_Array<double>{};
    run(data, [](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            Zk_Spread& grid = settingsDialog(dlg).filterPage().pairsGrid();
            EXPECT_EQ(grid.getRowCount(), 2);
            EXPECT_EQ(cell(grid, 2, 1), L"15");
            EXPECT_EQ(cell(grid, 1, 2), L"165");
        });
        pick(s, Page::kFilterPage, IDC_MSF_SECTION_COMBO, 1);
        s.then([](CDialog& dlg) { EXPECT_EQ(settingsDialog(dlg).filterPage().pairsGrid().getRowCount(), 1); });
        s.cancel();
    });
}

TEST_F(FilterPages, WithoutAxisAngleFiltersTheWholeAxisAngleGroupIsDisabled) {
    MacroSettingsData data;
    data.filters.sectionAngles = list({L"Web"}, Zk_Array<double>{0.0, 15.0});
    run(data, [](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            for (int id : {IDC_MSF_AXIS_COMBO, IDC_MSF_AXIS_ENABLED, IDC_MSF_AXIS_GROUP, IDC_MSF_AXIS_LOWER,
                           IDC_MSF_AXIS_UPPER, IDC_MSF_AXIS_CHOICE1, IDC_MSF_AXIS_CHOICE2})
                EXPECT_FALSE(isEnabled(dlg, Page::kFilterPage, id)) << id;
            for (int id : {IDC_MSF_SECTION_COMBO, IDC_MSF_SECTION_ENABLED, IDC_MS_GRID, IDC_MSF_SECTION_ADD})
                EXPECT_TRUE(isEnabled(dlg, Page::kFilterPage, id)) << id;
        });
        s.cancel();
    });
}

TEST_F(FilterPages, PickingAnotherAxisFilterStoresTheOneShown) {
    MacroSettingsData data;
    data.filters.axisAngles = list({L"Column to beam", L"Beam to beam"}, Zk_Array<double>{80.0, 100.0});
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        click(s, Page::kFilterPage, IDC_MSF_USE);
        replace(s, Page::kFilterPage, IDC_MSF_AXIS_LOWER, L"12.5");
        replace(s, Page::kFilterPage, IDC_MSF_AXIS_UPPER, L"steep");  // not a number: 0
        click(s, Page::kFilterPage, IDC_MSF_AXIS_CHOICE2);
        pick(s, Page::kFilterPage, IDC_MSF_AXIS_COMBO, 1);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(Zk_String(CWnd::FromHandle(pageItem(dlg, Page::kFilterPage, IDC_MSF_AXIS_LOWER))
                                    ->GetWindowTextString()
                                    .GetString()),
                      L"80.00");
            EXPECT_EQ(::IsDlgButtonChecked(settingsDialog(dlg).page(Page::kFilterPage)->GetSafeHwnd(),
                                           IDC_MSF_AXIS_CHOICE1),
                      1u);
        });
        // The second filter switched off: its values cannot be typed any more.
        click(s, Page::kFilterPage, IDC_MSF_AXIS_ENABLED);
        s.then([](CDialog& dlg) {
            EXPECT_FALSE(isEnabled(dlg, Page::kFilterPage, IDC_MSF_AXIS_LOWER));
            EXPECT_FALSE(isEnabled(dlg, Page::kFilterPage, IDC_MSF_AXIS_CHOICE1));
        });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    const MacroFilterList& axis = data.filters.axisAngles;
    EXPECT_TRUE(data.filters.useFilters);
    EXPECT_EQ(axis.values[0], (Zk_Array<double>{12.5, 0.0}));
    EXPECT_EQ(axis.choices[0], 1);
    EXPECT_EQ(axis.enabled, (Zk_Array<int>{1, 0}));
    EXPECT_EQ(axis.values[1], (Zk_Array<double>{80.0, 100.0}));
    EXPECT_EQ(axis.choices[1], 0);
}

TEST_F(FilterPages, TickingTheMarkOfAFilterNotShownSwitchesItWithoutShowingIt) {
    MacroSettingsData data;
    data.filters2.pathDistances = list({L"Column end", L"Beam end"}, Zk_Array<double>{0.0, 50.0});
    data.filters2.sectionSizes = list({L"Column"}, Zk_Array<double>{100.0, 400.0, 100.0, 300.0}, 0);
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        s.selectTab(IDC_MS_TAB, Page::kFilter2Page);
        tick(s, Page::kFilter2Page, IDC_MSF2_PATH_COMBO, 1);
        replace(s, Page::kFilter2Page, IDC_MSF2_PATH_VALUE2, L"75");
        s.then([](CDialog& dlg) { EXPECT_FALSE(isEnabled(dlg, Page::kFilter2Page, IDC_MSF2_SIZE_VALUE4)); });
        click(s, Page::kFilter2Page, IDC_MSF2_SIZE_ENABLED);
        replace(s, Page::kFilter2Page, IDC_MSF2_SIZE_VALUE4, L"320");
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.filters2.pathDistances.enabled, (Zk_Array<int>{1, 0}));
    EXPECT_EQ(data.filters2.pathDistances.values[0], (Zk_Array<double>{0.0, 75.0}));
    EXPECT_EQ(data.filters2.sectionSizes.enabled, (Zk_Array<int>{1}));
    EXPECT_EQ(data.filters2.sectionSizes.values[0], (Zk_Array<double>{100.0, 400.0, 100.0, 320.0}));
}

TEST_F(FilterPages, FiltersWithoutTheirPerFilterListsAreSkippedAndKept) {
    MacroSettingsData data;
    data.filters.axisAngles = list({L"Column to beam"}, Zk_Array<double>{80.0, 100.0});
    data.filters.axisAngles.names.append(Zk_String(L"No values"));
    const MacroSettingsData before = data;
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        pick(s, Page::kFilterPage, IDC_MSF_AXIS_COMBO, 1);
        s.then([](CDialog& dlg) { EXPECT_FALSE(isEnabled(dlg, Page::kFilterPage, IDC_MSF_AXIS_LOWER)); });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.filters, before.filters);
}

}  // namespace
