// Calculation sheets for tests: a KmCalcTq over a hidden dialog, an evaluator that runs
// value-mode records in fresh sheets (as the module's pool does), and a builder for
// standards sheets.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/km_calc_tq.h"
#include "engine/km_dlg_standards_data.h"

class CDialog;
class TempLibrary;

class CalcSheet {
public:
    CalcSheet();
    ~CalcSheet();
    KmCalcTq& calc() { return m_calc; }
    // The text (mode 3) of a cell.
    std::wstring text(int col, int row);

private:
    std::unique_ptr<CDialog> m_dialog;
    KmCalcTq m_calc;
};

// Loads data.tqFileName into a fresh sheet and runs the value-mode evaluation; on
// success the record's cells carry the outputs. Counts its calls.
bool valueModeEvaluator(KmDlgStandardsData& data);
int valueModeEvaluations();
// The deepest nesting of valueModeEvaluator seen since the last call of this function.
int takeDeepestEvaluation();

// Installs valueModeEvaluator for the lifetime of the object.
class ScopedTestEvaluator {
public:
    ScopedTestEvaluator();
    ~ScopedTestEvaluator();
};

// A standards sheet: keyword cells in column 1, each followed by one empty row, then
// its declarations; the equations follow "Calc" one per row (several per row when a
// row string holds tabs).
std::string standardSheet(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs,
                          const std::vector<std::string>& locals, const std::vector<std::string>& equations);

// A value-mode argument.
KmVarCell valueCell(const char* name, KmCellType type, const char* value,
                    KmValueType valueType = KmValueType::String);

// Evaluates file (below the library's "Connection Standards") in value mode with the
// Double input X and the Double output Y starting at yStart; y receives Y, evaluations
// the number of value-mode evaluations the run made (child calls included).
bool evaluateXY(const TempLibrary& lib, const std::string& file, const char* x, std::wstring& y, int& evaluations,
                const char* yStart = "-1");

// The texts of the message boxes shown since the log was last cleared, in order.
std::vector<std::wstring> messageBoxTexts();
