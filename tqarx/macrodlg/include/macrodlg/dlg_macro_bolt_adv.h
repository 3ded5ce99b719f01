// CDlgMacroBoltAdv: the bolt settings of a bolt page, on dialog resource 8140. Works
// live: every accepted change goes to the owning page, which applies it and hands back
// the bolt record as the host left it.
#pragma once

#include "host/macro_bolt_records.h"
#include "host/zk_string.h"
#include "macrodlg/macro_page_owner.h"
#include "mfc/cdialog.h"

class CDlgMacroBoltAdv : public CDialog {
public:
    enum { IDD = 8140 };

    // owner may be null: an apply then changes nothing.
    CDlgMacroBoltAdv(const MacroBoltData& bolt, const Zk_StringArray& diameters, MacroPageOwner* owner,
                     CWnd* parent = nullptr);

    const MacroBoltData& bolt() const { return m_bolt; }

private:
    MacroBoltData m_bolt;
    Zk_StringArray m_diameters;
    MacroPageOwner* m_owner = nullptr;
};
