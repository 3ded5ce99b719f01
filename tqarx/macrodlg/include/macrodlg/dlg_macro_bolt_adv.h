// CDlgMacroBoltAdv: the bolt settings of a bolt page, on dialog resource 8140. Works
// live: every accepted change goes to the owning page, which applies it and hands back
// the bolt record as the host left it.
#pragma once

#include <memory>

#include "host/macro_bolt_records.h"
#include "host/zk_string.h"
#include "macrodlg/macro_page_owner.h"
#include "mfc/cdialog.h"
#include "mfc/check_combo.h"

class Zk_Spread;

class CDlgMacroBoltAdv : public CDialog {
public:
    enum { IDD = 8140 };

    // owner may be null: an apply then changes nothing.
    CDlgMacroBoltAdv(const MacroBoltData& bolt, const Zk_StringArray& diameters, MacroPageOwner* owner,
                     CWnd* parent = nullptr);
    ~CDlgMacroBoltAdv() override;

    const MacroBoltData& bolt() const { return m_bolt; }
    // The slotted hole the slot controls show; -1 when the record has none.
    int shownSlot() const { return m_shownSlot; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    void fill();
    void fillHoleGrid();
    void showSlot(int index);
    void enableSlotControls();
    void readBack();
    void storeShownSlot();
    // The first active slot whose radius or length is not positive is reported; false then.
    bool validate();
    // Reads the controls, validates and hands the copy to the owner; false when refused
    // or when the owner's apply failed.
    bool apply();

    MacroBoltData m_bolt;
    Zk_StringArray m_diameters;
    MacroPageOwner* m_owner = nullptr;
    int m_shownSlot = -1;
    CCheckComboBox m_slots;  // 1108, one item per slotted hole
    std::unique_ptr<Zk_Spread> m_holeGrid;
};
