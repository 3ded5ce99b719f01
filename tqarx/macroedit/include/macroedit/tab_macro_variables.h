// CTabMacroVariables: the macro's display options (two choices and a number from 0 to 3)
// and its general variables in a two-column grid of names and values.
#pragma once

#include "engine/zk_spread.h"
#include "host/button_st.h"
#include "host/macro_settings_data.h"
#include "macroedit/tab_macro_page.h"
#include "res/macrosettings_ids.h"

class CTabMacroVariables : public CTabMacroPage {
public:
    enum { IDD = IDD_TAB_MACRO_VARIABLES };

    explicit CTabMacroVariables(MacroVariablesData* data);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Rows without a name are no variables and are not stored.
    void apply() override;

    Zk_Spread& grid() { return m_grid; }

private:
    void fillChoice(int comboId, const Zk_StringArray& entries, int selected);

    MacroVariablesData* m_data;
    Zk_Spread m_grid;
    CButtonST m_add, m_remove;
    bool m_ready = false;
};
