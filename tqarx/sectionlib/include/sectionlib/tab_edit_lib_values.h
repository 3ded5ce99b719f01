// The values page of the section library dialog: one values table at a time in a sheet,
// chosen from the library's tables, with its section type, row buttons, find and replace
// and the table operations New, Delete and Rename. A changed table is saved only when
// the user agrees on leaving it; a save that fails is reported and the table stays
// changed and shown.
#pragma once

#include "engine/zk_spread.h"
#include "host/button_st.h"
#include "host/section_library.h"
#include "mfc/cdialog.h"
#include "res/sectionlib_ids.h"
#include "sectionlib/zk_prof_values_table.h"

class CComboBox;

class CTabEditLibValues : public CDialog {
public:
    enum { IDD = IDD_TAB_LIB_VALUES };
    CTabEditLibValues(DlgEditLibData& data, const Zk_String& startSection);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}

    // Whether the shown table may be left: unchanged, or the user saved it (Yes) or
    // dropped the changes (No). False on Cancel and when the save failed.
    bool mayLeave();
    // Saves the sheet as the shown table (its file and the host's section tables); a
    // failure is reported naming the file. True when saved.
    bool saveTable();
    bool isChanged() const;
    // The table shown (-1: none) and its name.
    int currentTable() const { return m_current; }
    Zk_String currentName() const;
    // The type reference chosen in the type combo ("1" .. "24" or a drawing name).
    Zk_String chosenType() const;

    Zk_Spread sheet;

private:
    void showTable(int index);
    void setHeaders();
    void selectType(const Zk_String& reference);
    void markChanged();
    int activeRow() const;
    void newTable();
    void deleteTable();
    void renameTable();
    void typeChanged();
    void sheetOptions();
    void insertRowCopy();
    void deleteActiveRow();
    void moveActiveRow(int step);
    void sortRows(bool descending);
    CComboBox* tableCombo() const;
    CComboBox* typeCombo() const;

    DlgEditLibData& m_data;
    Zk_String m_startSection;
    int m_current = -1;
    Zk_ProfValuesTable m_table;
    CButtonST m_buttons[7];
};
