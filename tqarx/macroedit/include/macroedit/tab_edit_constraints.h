// CTabEditConstraints: the editor's constraints page. Grid 1001 lists the current
// module's constraint rows; the panel below edits the selected row (value, variable
// name, option list, two flags, option buttons in groups, the cut). A changed panel is
// written back with UpdateConstraint when another row is selected and whenever pending
// edits are applied. Header clicks sort, a right click shows the host's menu for the row.
#pragma once

#include "host/resizer.h"
#include "host/zk_array.h"
#include "macroedit/edit_macro_page.h"
#include "macroedit/editor_grid.h"
#include "macroedit/option_buttons.h"
#include "mfc/button_st.h"
#include "res/macroedit_ids.h"

class CTabEditConstraints : public CEditMacroPage {
public:
    enum { IDD = IDD_TAB_EDIT_CONSTRAINTS };
    // Escape within this time after a selection change goes to the control.
    static constexpr DWORD kEscapeGraceMs = 2000;

    explicit CTabEditConstraints(CDlgEditMacro& owner);

    void refill() override;
    void apply() override;
    void leave() override;
    EscapeRule escapeRule() override;
    // Starts the next fill at the first row (another module).
    void restartSelection() { m_row = 0; m_sortColumn = 0; }

    // The selected row (0-based), -1 when there is none.
    int selectedRow() const { return m_row; }
    // The column sorted last (1-based), 0 when none yet.
    int sortColumn() const { return m_sortColumn; }
    CEditorGrid grid;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    struct Panel {
        Zk_String value;
        Zk_String varName;
        int optionIndex = -1;
        bool flag1 = false;
        bool flag2 = false;
        Zk_Array<int> selections;
    };

    void onGridCell();
    void onHeaderClick(int col);
    void onRightClick(int col, int row, POINT screen);
    void onOptionButton(int button);
    void onFlag1();
    void onVarNameLeft();
    void onDelete();
    void onCut();
    void selectRow(int row);
    void showPanel();
    Panel readPanel() const;
    // Writes a changed panel into the selected row and tells the host.
    void commitPanel();
    void showField(int id, int labelId, bool shown);

    int m_row = -1;
    int m_sortColumn = 0;
    DWORD m_selectedAt = 0;
    bool m_selectionChanged = false;
    bool m_afterCut = false;
    bool m_filling = false;
    OptionButtonLayout m_layout;
    CButtonST m_options[kEcOptionButtonCount];
    CButtonST m_delete;
    CResizer resizer;
};
