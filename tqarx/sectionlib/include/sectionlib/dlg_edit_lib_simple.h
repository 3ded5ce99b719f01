// CDlgEditLibSimple: adds one section to a values table from a few values. It starts from
// a row of the table (by system name), learns from the rows how their names are made of
// their values ("200x10" from the values 200 and 10), and names the new section the same
// way, or as typed. OK inserts the section at its sorted place.
#pragma once

#include "mfc/cdialog.h"
#include "res/sectionlib_ids.h"
#include "sectionlib/zk_prof_values_table.h"

class CDlgEditLibSimple : public CDialog {
public:
    enum { IDD = IDD_EDIT_LIB_SIMPLE };
    explicit CDlgEditLibSimple(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnDestroy() override;

    // The name made of the values as the edits hold them: the current language's prefix
    // and the values at the learned positions joined by "x".
    Zk_String nameFromValues(bool withPrefix) const;

    Zk_ProfValuesTable table;       // the copy edited
    Zk_String startSysName;         // the row to start from
    int startRow = 0;               // its index (0 when the name is not found)
    Zk_StringArray prefixes;        // per language: the user name's part before its first digit
    int languageOffset = 0;         // the current language's user-name column, from column 2
    Zk_Array<int> namePositions;    // value positions (from 0) the system names are made of
    int resultIndex = -1;           // on OK: the new section among the active rows

    // Learns prefixes and name positions from the rows from startRow on.
    void learnNamePattern();

private:
    int valueCount() const;
    Zk_String valueText(int n) const;
    void updateName();
    bool typeTenRuleBroken() const;
};
