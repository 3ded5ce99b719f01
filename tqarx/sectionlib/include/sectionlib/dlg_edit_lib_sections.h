// CDlgEditLibSections: the section library dialog, three pages in a tab control over one
// library record: groups, types and the values tables. Opened on a section ("HEA-HEA200")
// it shows that section on the values page, else the groups page.
#pragma once

#include <memory>

#include "host/resizer.h"
#include "host/section_library.h"
#include "mfc/cdialog.h"
#include "res/sectionlib_ids.h"
#include "sectionlib/tab_edit_lib_items.h"
#include "sectionlib/tab_edit_lib_values.h"

class CDlgEditLibSections : public CDialog {
public:
    enum { IDD = IDD_EDIT_LIB_SECTIONS };
    enum Page { kGroupsPage = 0, kTypesPage = 1, kValuesPage = 2 };

    explicit CDlgEditLibSections(CWnd* parent = nullptr);
    ~CDlgEditLibSections() override;

    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    // Shows page index (as a click on its tab does).
    void showPage(int index);
    int currentPage() const { return m_page; }
    CDialog* page(int index) const;
    CTabEditLibGroups& groupsPage() { return *m_groups; }
    CTabEditLibTypes& typesPage() { return *m_types; }
    CTabEditLibValues& valuesPage() { return *m_values; }

    DlgEditLibData data;
    Zk_String startSection;   // "type-system name" or empty
    CResizer resizer;
    int minWidth = 0;
    int minHeight = 0;

private:
    void placePages();

    std::unique_ptr<CTabEditLibGroups> m_groups;
    std::unique_ptr<CTabEditLibTypes> m_types;
    std::unique_ptr<CTabEditLibValues> m_values;
    int m_page = -1;
    bool m_ready = false;
};
