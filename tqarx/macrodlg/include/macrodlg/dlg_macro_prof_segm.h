// CDlgMacroProfSegm: the segmented profiles of a profile page, on dialog resource 221.
// On OK segments() holds the edited records.
#pragma once

#include <memory>

#include "host/macro_prof_records.h"
#include "host/zk_array.h"
#include "mfc/cdialog.h"

class Zk_Spread;

class CDlgMacroProfSegm : public CDialog {
public:
    enum { IDD = 221 };

    explicit CDlgMacroProfSegm(const Zk_Array<MacroProfSegmentedData>& segments, CWnd* parent = nullptr);
    ~CDlgMacroProfSegm() override;

    const Zk_Array<MacroProfSegmentedData>& segments() const { return m_segments; }
    // The record the controls show; -1 when there is none.
    int shownRecord() const { return m_shown; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnDestroy() override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void show(int index);
    void store();
    void fillRecordCombo();
    // The grid row the user is on (1 based), or 0.
    int activeRow() const;

    Zk_Array<MacroProfSegmentedData> m_segments;
    int m_shown = -1;
    int m_minWidth = 0;
    int m_minHeight = 0;
    std::unique_ptr<Zk_Spread> m_grid;
};
