// CDlgMacroSettings: the settings of one connection macro, on dialog resource 8141.
// The macro editor runs it modally on the record from GetMacroSettings; OK means the
// record was updated and is to be stored with SetMacroSettings.
//
// Six pages in a tab control, each editing one part of the record: filters, filters 2,
// filter properties, variables, groups and the standards mapping. The pages work on a
// copy of the record; OK copies it back, so Cancel leaves the caller's record as it was.
#pragma once

#include <memory>

#include "host/macro_settings_data.h"
#include "mfc/cdialog.h"
#include "res/macrosettings_ids.h"

class CTabMacroPage;
class CTabMacroFilter;
class CTabMacroFilter2;
class CTabMacroFilterProps;
class CTabMacroVariables;
class CTabMacroGroups;
class CTabMacroMapping;

class CDlgMacroSettings : public CDialog {
public:
    enum { IDD = 8141 };
    enum Page { kFilterPage = 0, kFilter2Page, kFilterPropsPage, kVariablesPage, kGroupsPage, kMappingPage,
                kPageCount };

    explicit CDlgMacroSettings(MacroSettingsData& data, CWnd* parent = nullptr);
    ~CDlgMacroSettings() override;

    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnDestroy() override;

    // Shows page index (as a click on its tab does).
    void showPage(int index);
    int currentPage() const { return m_page; }
    CTabMacroPage* page(int index) const;
    CTabMacroFilter& filterPage() { return *m_filter; }
    CTabMacroFilter2& filter2Page() { return *m_filter2; }
    CTabMacroFilterProps& filterPropsPage() { return *m_filterProps; }
    CTabMacroVariables& variablesPage() { return *m_variables; }
    CTabMacroGroups& groupsPage() { return *m_groups; }
    CTabMacroMapping& mappingPage() { return *m_mapping; }

private:
    void placePages();

    MacroSettingsData& m_data;
    MacroSettingsData m_work;
    std::unique_ptr<CTabMacroFilter> m_filter;
    std::unique_ptr<CTabMacroFilter2> m_filter2;
    std::unique_ptr<CTabMacroFilterProps> m_filterProps;
    std::unique_ptr<CTabMacroVariables> m_variables;
    std::unique_ptr<CTabMacroGroups> m_groups;
    std::unique_ptr<CTabMacroMapping> m_mapping;
    int m_page = -1;
};
