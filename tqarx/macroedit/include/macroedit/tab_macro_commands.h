// CTabMacroCommands: the editor's commands page: fourteen buttons running macro commands
// 0 to 13 through the editor, with pictures from the product's "icons\" folder.
#pragma once

#include "macroedit/edit_macro_page.h"
#include "mfc/button_st.h"
#include "res/macroedit_ids.h"

class CTabMacroCommands : public CEditMacroPage {
public:
    enum { IDD = IDD_TAB_MACRO_COMMANDS };

    explicit CTabMacroCommands(CDlgEditMacro& owner);

    // The picture file of command code's button (empty: none) and its tool tip text number.
    static const wchar_t* pictureOf(int code);
    static int tooltipOf(int code);

    EscapeRule escapeRule() override { return EscapeRule::Swallow; }
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CButtonST m_buttons[kEmcCommandCount];
};
