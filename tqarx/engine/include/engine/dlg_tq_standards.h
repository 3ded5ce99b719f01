// CDlgTqStandards: the hidden window that carries the calculation sheet of a connection
// standard while it is evaluated. The pool gTqDlgsMgr creates instances modeless from
// resource 253 (never shown) and lends them to StartDlgStandardsTq, which copies the
// request into data(), calls evaluate() and, on eOk, copies data() back.
#pragma once

#include "acad/error_status.h"
#include "engine/km_calc_tq.h"
#include "engine/km_dlg_standards_data.h"
#include "mfc/cdialog.h"
#include "res/standards_ids.h"

class CDlgTqStandards : public CDialog {
public:
    enum { IDD = IDD_TQ_STANDARDS, IDC_PLACEHOLDER = IDC_STANDARDS_SHEET };

    explicit CDlgTqStandards(CWnd* parent = nullptr);
    ~CDlgTqStandards() override;

    // Runs the standard of data(): loads tqFileName afresh, then the macro path
    // (evalMode 0), the value path (evalMode 1) or nothing more (any other mode).
    // eOk or eInvalidInput.
    Acad::ErrorStatus evaluate();

    KmDlgStandardsData& data() { return m_data; }
    const KmDlgStandardsData& data() const { return m_data; }
    KmCalcTq& calc() { return m_calc; }

    BOOL OnInitDialog() override;

private:
    Acad::ErrorStatus evaluateMacro();
    Acad::ErrorStatus evaluateValues();

    KmCalcTq m_calc;
    KmDlgStandardsData m_data;
};
