// CTabMacroGroups: the macro's two group texts and, per group entry, its name (locked),
// a second text and a number chosen among "<text> 1" to "<text> N" (N the number of rows).
#pragma once

#include "engine/zk_spread.h"
#include "host/macro_settings_data.h"
#include "macroedit/tab_macro_page.h"
#include "res/macrosettings_ids.h"

class CTabMacroGroups : public CTabMacroPage {
public:
    enum { IDD = IDD_TAB_MACRO_GROUPS };

    explicit CTabMacroGroups(MacroGroupsData* data);

    BOOL OnInitDialog() override;
    void apply() override;

    Zk_Spread& grid() { return m_grid; }
    // The choice text of number n (1-based).
    static Zk_String numberChoice(int n);

private:
    MacroGroupsData* m_data;
    Zk_Spread m_grid;
    bool m_ready = false;
};
