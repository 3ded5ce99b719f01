// KmCalcTq: the calculation sheet of one connection standard. It loads the standards
// file, finds its Input/Output/Local declarations, substitutes general variables,
// registers the product functions and works through the "Calc" area cell by cell,
// turning each "name = expression" into a formula over cell addresses and storing the
// result into the declared variable. "CallChild" evaluates another standards file in
// value mode through evaluateStandards (engine/standards_evaluator.h).
#pragma once

#include <memory>
#include <string>

#include "acad/error_status.h"
#include "engine/km_var_cells.h"
#include "engine/var_address_table.h"
#include "engine/zk_spread.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class KmDlgStandardsData;
struct KmCompiledEquation;
struct KmCompiledStandard;

class KmCalcTq : public Zk_Spread {
public:
    // Child calls nested deeper than this (sheets being evaluated at once, the root
    // included) fail; so does a child call back into a sheet that is being evaluated.
    static constexpr int kMaxChildDepth = 16;
    // Cells one evaluation may examine. A standards sheet with more cells (columns times
    // rows) is not loaded. A Calc pass is not started when the cells of its sheet and of
    // the sheets already calculated for the same evaluation (the root sheet and its child
    // calls) would come to more than calcStepLimit; the evaluation then stops and fails.
    // Either failure shows a message naming the sheet (diagnostics on). Bounds the work a
    // hostile sheet or a fan-out of child calls can cause.
    static constexpr long long kMaxCalcSteps = 10000000;
    // The step limit in force (kMaxCalcSteps; tests lower it to keep their sheets small).
    static inline long long calcStepLimit = kMaxCalcSteps;

    KmCalcTq();
    ~KmCalcTq() override;

    // Loads the standards file: name as found on disk, else the standards folder +
    // name + ".kms". tqFile holds the path on success.
    Acad::ErrorStatus loadFile(const Zk_String& name);
    // loadFile for an evaluation that writes every declaration before it reads the sheet:
    // the sheet of the last evaluation is kept when it came from the same unchanged file,
    // its standard is calculated directly and nothing changed the sheet since.
    Acad::ErrorStatus loadForEvaluation(const Zk_String& name);
    // Empties varCells and reads the Input, Output and Local blocks.
    Acad::ErrorStatus findVarCells();
    // Registers the twelve product functions with the control.
    void registerFunctions();
    // The calculation pass over the "Calc" area.
    Acad::ErrorStatus calcAll();
    // Replaces every whole-word general variable name in every cell by its value
    // (quoted when it is not a number).
    void replaceGenVars();

    // Evaluation against a macro: preparation (declarations, macro values, general
    // variables) and calculation (pass, outputs read back).
    Acad::ErrorStatus initForMacro(KmDlgStandardsData& data);
    Acad::ErrorStatus calcForMacro(KmDlgStandardsData& data);

    // Evaluation against a list of values (child call and tests): data.varCells
    // gives the non-local declarations their values in order; calcForVars copies the
    // outputs back into cells.
    Acad::ErrorStatus initFromVars(KmDlgStandardsData& data);
    Acad::ErrorStatus calcForVars(KmVarCells& cells);

    Zk_String tqFile;
    KmVarCells varCells;
    Zk_StringArray genVarNames;
    Zk_StringArray genVarValues;

private:
    // The declarations of the file just loaded: reused from its compiled form when the
    // file is unchanged since it was compiled, else read (and compiled when the file's
    // bytes come from the file cache). Used by the evaluations, right after loadFile.
    Acad::ErrorStatus prepareDeclarations();
    // The standards file a name stands for: as found, else in the standards folder.
    static Zk_String standardPath(const Zk_String& name);
    // loadFile of the file the name stands for (timer running).
    Acad::ErrorStatus loadPath(const Zk_String& path);
    std::shared_ptr<const KmCompiledStandard> compile();
    // Whether varCells are these declarations already but for their values, which then
    // become the declared ones (saves copying every name of a large standard again).
    bool keepsDeclarations(const Zk_Array<KmVarCell>& declarations);
    // Whether the compiled equations may be calculated directly (KmCompiledStandard::direct).
    bool mayCalculateDirectly(const KmCompiledStandard& compiled);
    // The declarations a child call's arguments name (those that exist); false when the
    // call does not parse.
    bool childCallArguments(const KmCompiledEquation& eq, std::vector<int>& indexes) const;
    // Whether a declaration's cell lies in r.
    static bool cellInRange(const KmVarCell& cell, const SS_RANGEREF& r) {
        return cell.col >= r.Col1 && cell.col <= r.Col2 && cell.row >= r.Row1 && cell.row <= r.Row2;
    }
    // KmCompiledStandard::writtenFirstBy for a direct standard.
    std::vector<int> equationsWritingFirst(const KmCompiledStandard& compiled);
    // Writes the starting value of declaration d where it was left to the pass (see
    // writtenFirstBy) and is not written yet; and the same for every declaration.
    bool writeDeferredValue(std::size_t d);
    bool writeDeferredValues();
    // Whether this pass may run from the compiled equations (nothing given to this
    // evaluation changes what the pass would read).
    bool passIsPlanned() const;
    void collectVarAddresses();
    void calcCell(int col, int row);
    // A Calc cell's text taken apart: target, expression, declaration, formula.
    void splitEquation(int col, int row, const Zk_String& text, KmCompiledEquation& eq);
    // direct: calculated without setting the formula into its cell. True when the
    // target's cell was written (an error value too).
    bool runEquation(const KmCompiledEquation& eq, bool direct);
    // False when the call fails; reported tells whether a message was shown already.
    bool callChild(const Zk_String& expression, int row, bool& reported);
    void replaceVariables(Zk_String& expression);
    void reportFailedEquation(const Zk_String& target, const Zk_String& expression, int row);
    void showWarning(const Zk_String& text);

    VarAddressTable m_varAddresses;  // names and declaration addresses of this pass
    std::shared_ptr<const std::string> m_loadedBytes;  // of the file just loaded, until its declarations are read
    std::shared_ptr<const KmCompiledStandard> m_compiled;  // of the evaluation under way
    // The sheet as the last direct pass left it: the bytes it was loaded from, its compiled
    // form and the sheet's change stamp then. Null when the sheet may not be reused.
    std::shared_ptr<const std::string> m_sheetBytes;  // of the last load
    std::shared_ptr<const std::string> m_residentBytes;
    std::shared_ptr<const KmCompiledStandard> m_residentCompiled;
    unsigned long long m_residentStamp = 0;
    bool m_reusedSheet = false;  // this evaluation runs on the kept sheet
    // Per declaration: whether the value this evaluation started with is not in its cell
    // yet, and that value.
    std::vector<char> m_deferredWrite;
    std::vector<Zk_String> m_deferredValue;
};

// A general variable's value as it goes into a formula: numbers as they are, other
// texts in double quotes with every quote inside doubled.
Zk_String genVarFormulaText(const Zk_String& value);
