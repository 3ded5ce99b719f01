// CTabMacroMapping: which standards spreadsheets the macro uses and how each is mapped
// onto it. The upper grid lists the spreadsheets with their targets: "<Entire macro>"
// (the spreadsheet's variables are tied to macro values by a mapping of the spreadsheet's
// mapping file) or one of the macro's modules ("Module." + name: the variables address
// the module by their own names). For the current row mapped to the entire macro the
// lower grid lists the spreadsheet's input and output variables, each with a choice of
// the macro values of its type. A changed mapping is written to the mapping file under a
// fresh random name, which becomes the row's target.
#pragma once

#include "engine/km_calc_tq.h"
#include "engine/km_tq_mapping.h"
#include "engine/zk_spread.h"
#include "host/button_st.h"
#include "host/tab_mapping_data.h"
#include "macroedit/tab_macro_page.h"
#include "res/macrosettings_ids.h"

// The choice of macro value for one variable shown in the lower grid.
class KmComboMapLink {
public:
    int row = 0;                 // the combo cell in the lower grid
    int col = 0;
    int varCellIndex = -1;       // into the spreadsheet's variable cells
    Zk_Array<int> validVars;     // entries of the macro's all-values mapping offered
    Zk_StringArray choices;      // their texts, parallel to validVars

    // The text of an entry in the choice list.
    static Zk_String choiceText(const KmObjectMap& entry);
    // The offered entry with this text, -1 for none.
    int validVarOfChoice(const Zk_String& text) const;
};

class CTabMacroMapping : public CTabMacroPage {
public:
    enum { IDD = IDD_TAB_MACRO_MAPPING };
    // Length of the mapping names drawn, and how often a name is drawn again when it is
    // taken already.
    static constexpr int kMappingNameLength = 24;
    static constexpr int kMaxNameDraws = 9999;
    static constexpr const wchar_t* kEntireMacro = L"<Entire macro>";

    explicit CTabMacroMapping(TabMappingData* data);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The dialog's OK: the grid and the current row's mapping go into the record, with
    // the mapping-changed flag. Rows without a spreadsheet are dropped.
    void apply() override;
    // Cancel writes nothing back (and no mapping file).
    void OnDestroy() override { CDialog::OnDestroy(); }

    Zk_Spread& standardsGrid() { return m_standards; }
    Zk_Spread& objectsGrid() { return m_objects; }
    int currentRow() const { return m_current; }
    bool mappingChanged() const { return m_changed; }
    const Zk_Array<KmComboMapLink>& links() const { return m_links; }
    // Every spreadsheet name offered in the first column.
    const Zk_StringArray& spreadsheetNames() const { return m_spreadsheetNames; }

private:
    void findSpreadsheets();
    void fillStandards(int selectRow);
    void readGrid();
    void loadRow(int row);
    void storeRow(int row);
    void currentRowChanged();
    void addRow();
    void removeRow();
    void moveRow(int step);
    Zk_StringArray currentChoices() const;

    TabMappingData* m_data;
    Zk_Spread m_standards;
    Zk_Spread m_objects;
    KmCalcTq m_sheet;
    CButtonST m_up, m_down;
    Zk_StringArray m_spreadsheetNames;
    KmTqMapping m_allValues;              // every value the macro offers
    Zk_Array<KmComboMapLink> m_links;
    KmVarCells m_cells;                   // of the spreadsheet shown in the lower grid
    Zk_StringArray m_loadedChoices;       // the choices as the lower grid was filled
    int m_loadedRow = -1;                 // the row whose mapping the lower grid shows
    int m_current = -1;
    bool m_changed = false;
    bool m_ready = false;
};
