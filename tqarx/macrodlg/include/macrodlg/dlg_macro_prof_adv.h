// CDlgMacroProfAdv: one profile or profile group of a profile page, on dialog resource
// 220. Works live through the owner's callback (get, set, hide, show).
#pragma once

#include "macrodlg/km_ma_callback.h"
#include "mfc/cdialog.h"

class CDlgMacroProfAdv : public CDialog {
public:
    enum { IDD = 220 };

    CDlgMacroProfAdv(const KmMACallBackData& record, KmMACallBack callback, bool singleProfile, bool segmentMode,
                     CWnd* parent = nullptr);

    // In segment mode: the state of the segment check when OK was pressed.
    bool segmentResult() const { return m_segmentResult; }

private:
    KmMACallBackData m_record;
    KmMACallBack m_callback = nullptr;
    bool m_singleProfile = false;
    bool m_segmentMode = false;
    bool m_segmentResult = false;
};
