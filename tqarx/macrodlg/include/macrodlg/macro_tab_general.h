// CMacroTabGeneral: a general page of the macro dialog (tab kinds 0, 1 and 3), on
// dialog resource 8137. On a bolt tab (kind 1) the fixed band holds the assembly and
// diameter combos and the bolt settings button, unless the template shows the bolt
// record with its own button.
#pragma once

#include "macrodlg/macro_tab_page.h"
#include "res/macrodlg_ids.h"

class CMacroTabGeneral : public CMacroTabPage {
public:
    enum { IDD = IDD_MACRO_TAB_GENERAL };

    CMacroTabGeneral(CDlgMacro* owner, int tabIndex);

    bool isBoltBandHidden() const { return m_boltBandHidden; }
    // The band is shown on a bolt tab whose template has no bolt button.
    bool showsBoltBand() const;

protected:
    void initFixedControls() override;
    int bandHeight() const override;
    void layoutBand(const RECT& band) override;
    void loadFixed() override;
    void readFixed(MacroTabData& tab) override;
    bool onFixedCommand(int id, int code) override;

private:
    void openBoltDialog();
    void refillDiameters(const Zk_String& assembly);

    Zk_String m_fontName = L"Verdana";
    bool m_boltBandHidden = false;
};
