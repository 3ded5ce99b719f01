// CDlgEditProfCuts: walks through the cuts of a profile in the drawing, on dialog
// resource 235. The chosen cut's preview is drawn (only that one while the
// single-preview mode is on); a cut can be removed from the drawing at once, or another
// profile picked.
#pragma once

#include "acad/ui_dialogs.h"
#include "host/prof_dialog_records.h"
#include "mfc/button_st.h"

class CDlgEditProfCuts : public CAcUiDialog {
public:
    enum { IDD = 235 };

    explicit CDlgEditProfCuts(CWnd* parent = nullptr);

    DlgProfCutsData m_data;
    // True while only the chosen cut's preview is shown (1340 unchecked).
    bool m_singlePreview = true;
    int selectedIndex() const { return m_selected; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    void refill(int select);
    void choose(int index);
    void removeChosen();
    void pickOtherProfile();

    CButtonST m_otherProfile;
    CButtonST m_remove;
    int m_selected = -1;
};
