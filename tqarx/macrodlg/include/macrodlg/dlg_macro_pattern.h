// CDlgMacroPattern: one bolt pattern, on dialog resource 222. Works live: every change
// goes to the owning page, which applies it.
#pragma once

#include "host/macro_bolt_records.h"
#include "macrodlg/macro_page_owner.h"
#include "mfc/cdialog.h"

class CDlgMacroPattern : public CDialog {
public:
    enum { IDD = 222 };

    CDlgMacroPattern(MacroPageOwner* owner, int index, const MacroPatternProps& pattern, CWnd* parent = nullptr);

    const MacroPatternProps& pattern() const { return m_pattern; }

private:
    MacroPageOwner* m_owner = nullptr;
    int m_index = 0;
    MacroPatternProps m_pattern;
};
