#include "engine/dlg_tq_standards.h"

#include "engine/step_timers.h"
#include "engine/table_lookup.h"

CDlgTqStandards::CDlgTqStandards(CWnd* parent) : CDialog(IDD, parent) {}

CDlgTqStandards::~CDlgTqStandards() = default;

BOOL CDlgTqStandards::OnInitDialog() {
    CDialog::OnInitDialog();
    m_calc.createFromPlaceholder(this, IDC_PLACEHOLDER);
    return TRUE;
}

Acad::ErrorStatus CDlgTqStandards::evaluate() {
    // Every run starts from the file: values written into the sheet never persist (an
    // evaluation may start from the sheet of the last one only where that cannot show).
    // Each step is timed (loadFile times itself); a failed step leaves its timer
    // running, which shows where the run stopped.
    // One look at the data files' folders serves the whole evaluation: finding the
    // standard, and every look-up of its pass.
    const KmDataFileSnapshot dataFiles;
    const bool evaluates = m_data.evalMode == KmDlgStandardsData::kMacroMode ||
                           m_data.evalMode == KmDlgStandardsData::kValueMode;
    const Acad::ErrorStatus loaded =
        evaluates ? m_calc.loadForEvaluation(m_data.tqFileName) : m_calc.loadFile(m_data.tqFileName);
    if (loaded != Acad::eOk)
        return Acad::eInvalidInput;

    switch (m_data.evalMode) {
    case KmDlgStandardsData::kMacroMode:
        return evaluateMacro();
    case KmDlgStandardsData::kValueMode:
        return evaluateValues();
    default:
        return Acad::eOk;  // load only
    }
}

Acad::ErrorStatus CDlgTqStandards::evaluateMacro() {
    if (m_calc.initForMacro(m_data) != Acad::eOk)
        return Acad::eInvalidInput;
    if (m_calc.calcForMacro(m_data) != Acad::eOk)
        return Acad::eInvalidInput;
    gSetToMacro.start();
    m_calc.varCells.setToMacro(m_data);  // a value the macro refuses is skipped
    gSetToMacro.end();
    m_data.varCells = m_calc.varCells;
    return Acad::eOk;
}

Acad::ErrorStatus CDlgTqStandards::evaluateValues() {
    if (m_calc.initFromVars(m_data) != Acad::eOk)
        return Acad::eInvalidInput;
    if (m_calc.calcForVars(m_data.varCells) != Acad::eOk)
        return Acad::eInvalidInput;
    return Acad::eOk;
}
