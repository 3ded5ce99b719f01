// CDlgMacroProfSegm: the segmented profiles of a profile page, on dialog resource 221.
// On OK segments() holds the edited records.
#pragma once

#include "host/macro_prof_records.h"
#include "host/zk_array.h"
#include "mfc/cdialog.h"

class CDlgMacroProfSegm : public CDialog {
public:
    enum { IDD = 221 };

    explicit CDlgMacroProfSegm(const Zk_Array<MacroProfSegmentedData>& segments, CWnd* parent = nullptr);

    const Zk_Array<MacroProfSegmentedData>& segments() const { return m_segments; }

private:
    Zk_Array<MacroProfSegmentedData> m_segments;
};
