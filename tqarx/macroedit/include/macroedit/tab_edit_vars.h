// CTabEditVars: the editor's variables page: the current module's variables (name, value,
// kind) with add and remove, its dimension values (shown only) and its equations, one a
// line. Applying reads them back into the record and calls UpdateVarsEqs.
#pragma once

#include "host/resizer.h"
#include "macroedit/edit_macro_page.h"
#include "macroedit/editor_grid.h"
#include "mfc/button_st.h"
#include "res/macroedit_ids.h"

class CTabEditVars : public CEditMacroPage {
public:
    enum { IDD = IDD_TAB_EDIT_VARS };
    static constexpr int kKindCount = 8;

    explicit CTabEditVars(CDlgEditMacro& owner);

    void refill() override;
    void apply() override;
    void enter() override;
    EscapeRule escapeRule() override { return EscapeRule::Swallow; }

    CEditorGrid varsGrid;
    CEditorGrid dimsGrid;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void onAdd();
    void onRemove();
    void formatVarRows(int first, int last);

    int m_rows = 0;  // grid rows holding a variable (the grid keeps one row when empty)
    CButtonST m_add, m_remove;
    CResizer resizer;
};
