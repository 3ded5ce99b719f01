// CTabMacroFilterProps: the property sets of the macro's entries. A combo of the entry
// names, a one-column grid of the selected entry's property names and a combo of the
// dialog templates showing its template name. The page edits copies of the three lists
// and copies them back into the record on apply (the dialog's OK).
#pragma once

#include "engine/zk_spread.h"
#include "host/button_st.h"
#include "host/macro_settings_data.h"
#include "macroedit/tab_macro_page.h"
#include "res/macrosettings_ids.h"

class CTabMacroFilterProps : public CTabMacroPage {
public:
    enum { IDD = IDD_TAB_MACRO_FILTER_PROPS };

    explicit CTabMacroFilterProps(MacroFilterPropsData* data);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void apply() override;
    // On being destroyed without OK nothing is copied back.
    void OnDestroy() override { CDialog::OnDestroy(); }

    int current() const { return m_current; }
    Zk_Spread& grid() { return m_grid; }

private:
    // The per-entry lists are used only while they have an element for every name.
    bool listsMatch() const;
    void storeEntry();
    void showEntry(int index);

    MacroFilterPropsData* m_data;
    MacroFilterPropsData m_edit;
    int m_current = -1;
    Zk_Spread m_grid;
    CButtonST m_add, m_remove;
    bool m_ready = false;
};
