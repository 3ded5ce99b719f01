#include "engine/km_calc_tq.h"

#include <algorithm>

#include "engine/call_child.h"
#include "engine/compiled_standard.h"
#include "engine/km_dlg_standards_data.h"
#include "engine/product_functions.h"
#include "engine/sheet_file_cache.h"
#include "engine/standards_evaluator.h"
#include "engine/step_timers.h"
#include "engine/table_lookup.h"
#include "host/list_utils.h"
#include "host/settings.h"
#include "mfc/afx_msgbox.h"

namespace {

// The texts the control shows for error values.
bool isErrorText(std::wstring_view t) {
    static const wchar_t* const kErrors[] = {L"#DIV/0!", L"#VALUE!", L"#REF!", L"#NAME?",
                                             L"#N/A",    L"#NUM!",   L"#CIRC!"};
    if (t.empty() || t[0] != L'#') return false;
    for (const wchar_t* e : kErrors)
        if (t == e) return true;
    return false;
}

// Cells of the sheets calculated so far by the evaluation under way (reset by its root
// pass), and whether a pass was refused for going past the limit.
long long gCalcSteps = 0;
bool gCalcStepsExhausted = false;

Zk_String standardsFolder() {
    Zk_String path = gSettings.libDir;
    if (!path.isEmpty() && !path.endsWith(L"\\") && !path.endsWith(L"/")) path += L'\\';
    return path + L"Connection Standards\\";
}

}  // namespace

Zk_String genVarFormulaText(const Zk_String& value) {
    if (isNumber(value)) return value;
    Zk_String quoted(L"\"");
    for (int i = 0; i < value.length(); ++i) {
        if (value[i] == L'"') quoted += L'"';
        quoted += value[i];
    }
    return quoted + L'"';
}

KmCalcTq::KmCalcTq() = default;
KmCalcTq::~KmCalcTq() = default;

Zk_String KmCalcTq::standardPath(const Zk_String& name) {
    Zk_String path;
    const std::wstring key = L"\1standard\n" + gSettings.libDir.wstr() + L"\n" + name.wstr();
    auto candidates = [&]() -> std::vector<Zk_String> { return {name, standardsFolder() + name + L".kms"}; };
    if (locateFirstExisting(key, candidates, path)) return path;
    return standardsFolder() + name + L".kms";
}

Acad::ErrorStatus KmCalcTq::loadForEvaluation(const Zk_String& name) {
    gLoadFile.start();
    m_deferredWrite.clear();  // only the values of this evaluation may be left to its pass
    const Zk_String path = standardPath(name);
    if (m_residentBytes && m_residentCompiled && compiledStandardsUsed() && path == tqFile &&
        changeStamp() == m_residentStamp &&
        keptSheetFileBytes(path.wstr(), SS_LIMIT_FILE_BYTES) == m_residentBytes) {
        m_residentBytes.reset();
        m_loadedBytes = m_sheetBytes;
        m_compiled.reset();
        m_reusedSheet = true;
        gLoadFile.end();
        return Acad::eOk;
    }
    return loadPath(path);
}

Acad::ErrorStatus KmCalcTq::loadFile(const Zk_String& name) {
    gLoadFile.start();
    return loadPath(standardPath(name));
}

Acad::ErrorStatus KmCalcTq::loadPath(const Zk_String& path) {
    m_loadedBytes.reset();
    m_compiled.reset();
    m_sheetBytes.reset();
    m_residentBytes.reset();
    m_residentCompiled.reset();
    m_reusedSheet = false;
    m_deferredWrite.clear();
    setBoolProperty(13, true);
    setBoolProperty(8, false);
    setBoolProperty(12, true);
    setBoolProperty(7, false);
    if (!loadFromFile(path)) return Acad::eInvalidInput;
    const long long cells = static_cast<long long>(getColCount()) * getRowCount();
    if (cells > kMaxCalcSteps) {
        showWarning(Zk_String(L"The following spreadsheet was not loaded, because it has more than ") +
                    Zk_String(kMaxCalcSteps) + L" cells (" + Zk_String(getColCount()) + L" columns, " +
                    Zk_String(getRowCount()) + L" rows):\n" + path);
        return Acad::eInvalidInput;
    }
    tqFile = path;
    m_loadedBytes = loadedBytes();
    m_sheetBytes = m_loadedBytes;
    gLoadFile.end();
    return Acad::eOk;
}

Acad::ErrorStatus KmCalcTq::findVarCells() {
    m_compiled.reset();
    varCells.resetVarCells();
    return varCells.readDeclarations(*this);
}

Acad::ErrorStatus KmCalcTq::prepareDeclarations() {
    const std::shared_ptr<const std::string> bytes = compiledStandardsUsed() ? std::move(m_loadedBytes) : nullptr;
    m_loadedBytes.reset();
    // A kept sheet holds values in its declaration cells: only its compiled form can say
    // where they are.
    std::shared_ptr<const KmCompiledStandard> kept =
        m_reusedSheet ? std::move(m_residentCompiled) : findCompiledStandard(bytes);
    m_residentCompiled.reset();
    if (kept) {
        if (!keepsDeclarations(kept->declarations)) {
            varCells.resetVarCells();
            varCells.reserve(kept->declarations.length());
            for (const KmVarCell& cell : kept->declarations) varCells.append(cell);
        }
        m_compiled = std::move(kept);
        return Acad::eOk;
    }
    if (findVarCells() != Acad::eOk) return Acad::eInvalidInput;
    if (bytes) {
        m_compiled = compile();
        keepCompiledStandard(bytes, m_compiled);
    }
    return Acad::eOk;
}

std::shared_ptr<const KmCompiledStandard> KmCalcTq::compile() {
    auto compiled = std::make_shared<KmCompiledStandard>();
    compiled->declarations = varCells.cells();
    Zk_StringArray names;
    for (int i = 0; i < varCells.length(); ++i) names.append(varCells[i].varName);
    int calcCol = 0, calcRow = 0;
    if (hasDuplicates(names) || !KmVarCells::findKeyword(*this, Zk_String(L"Calc"), calcCol, calcRow))
        return compiled;
    // A declaration cell in the Calc area would be read after a value was written into it.
    for (int i = 0; i < varCells.length(); ++i)
        if (varCells[i].row > calcRow) return compiled;
    collectVarAddresses();
    const int rows = getRowCount();
    const int cols = getColCount();
    for (int row = calcRow + 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            Zk_String text, formula;
            // A formula's shown value (empty ones too) may change with the values given.
            if (!readCellText(col, row, formula, 1) || !formula.isEmpty()) {
                compiled->equations.clear();
                return compiled;
            }
            if (!readCellText(col, row, text, 3) || text.isEmpty()) continue;
            KmCompiledEquation eq;
            splitEquation(col, row, text, eq);
            compiled->equations.push_back(std::move(eq));
        }
    }
    compiled->planned = true;
    compiled->calcCol = calcCol;
    compiled->calcRow = calcRow;
    compiled->direct = mayCalculateDirectly(*compiled);
    if (compiled->direct) {
        compiled->writtenFirstBy = equationsWritingFirst(*compiled);
        // A formula that does not parse stays unprepared (and fails when its turn comes).
        for (KmCompiledEquation& eq : compiled->equations)
            if (!eq.childCall && eq.index >= 0) prepareFormula(eq.col, eq.row, eq.formula, eq.prepared);
    }
    return compiled;
}

bool KmCalcTq::childCallArguments(const KmCompiledEquation& eq, std::vector<int>& indexes) const {
    indexes.clear();
    KmChildCall call;
    if (!parseChildCall(eq.expression, call)) return false;
    for (const Zk_String& arg : call.argNames) {
        int index = -1;
        if (varCells.findVarCell(arg, index) == Acad::eOk) indexes.push_back(index);
    }
    return true;
}

std::vector<int> KmCalcTq::equationsWritingFirst(const KmCompiledStandard& compiled) {
    const std::size_t count = static_cast<std::size_t>(varCells.length());
    const std::vector<int> none(count, -1);
    const int equations = static_cast<int>(compiled.equations.size());
    std::vector<int> firstRead(count, equations), firstWrite(count, -1);
    std::vector<char> byChild(count, 0);
    SS_FORMULAREADS reads;
    for (int i = 0; i < equations; ++i) {
        const KmCompiledEquation& eq = compiled.equations[static_cast<std::size_t>(i)];
        if (eq.childCall) {
            // A child call reads and assigns its arguments.
            std::vector<int> args;
            if (!childCallArguments(eq, args)) return none;
            for (int index : args) {
                const std::size_t d = static_cast<std::size_t>(index);
                firstRead[d] = std::min(firstRead[d], i);
                if (firstWrite[d] < 0) {
                    firstWrite[d] = i;
                    byChild[d] = 1;
                }
            }
            continue;
        }
        if (eq.index < 0) continue;  // fails without reading anything
        if (!formulaReads(eq.col, eq.row, eq.formula, reads)) return none;
        for (const SS_RANGEREF& r : reads.ranges)
            for (std::size_t d = 0; d < count; ++d)
                if (cellInRange(varCells[static_cast<int>(d)], r)) firstRead[d] = std::min(firstRead[d], i);
        const std::size_t target = static_cast<std::size_t>(eq.index);
        if (firstWrite[target] < 0) firstWrite[target] = i;
    }
    std::vector<int> writtenBy(count, -1);
    for (std::size_t d = 0; d < count; ++d)
        if (firstWrite[d] >= 0 && !byChild[d] && firstRead[d] > firstWrite[d]) writtenBy[d] = firstWrite[d];
    return writtenBy;
}

bool KmCalcTq::writeDeferredValue(std::size_t d) {
    if (d >= m_deferredWrite.size() || !m_deferredWrite[d]) return true;
    m_deferredWrite[d] = 0;
    const KmVarCell& cell = varCells[static_cast<int>(d)];
    return writeCellText(cell.col, cell.row, m_deferredValue[d]);
}

bool KmCalcTq::writeDeferredValues() {
    bool ok = true;
    for (std::size_t d = 0; d < m_deferredWrite.size(); ++d) ok = writeDeferredValue(d) && ok;
    return ok;
}

bool KmCalcTq::mayCalculateDirectly(const KmCompiledStandard& compiled) {
    const int cols = getColCount();
    for (int row = 1; row <= compiled.calcRow; ++row) {
        for (int col = 1; col <= cols; ++col) {
            Zk_String formula;
            if (!readCellText(col, row, formula, 1) || !formula.isEmpty()) return false;
        }
    }
    // The last equation assigning each declaration (a child call assigns its arguments).
    const int equations = static_cast<int>(compiled.equations.size());
    std::vector<int> lastAssigned(static_cast<std::size_t>(varCells.length()), -1);
    for (int i = 0; i < equations; ++i) {
        const KmCompiledEquation& eq = compiled.equations[static_cast<std::size_t>(i)];
        if (eq.childCall) {
            std::vector<int> args;
            if (!childCallArguments(eq, args)) continue;
            for (int index : args) lastAssigned[static_cast<std::size_t>(index)] = i;
        } else if (eq.index >= 0) {
            lastAssigned[static_cast<std::size_t>(eq.index)] = i;
        }
    }
    // Set into its cell, an equation reading a variable assigned later is calculated again
    // then when the sheet calculates automatically; its value is never read again, but a
    // product function would run again.
    const bool recalculates = getBoolProperty(SSB_AUTOCALC);
    SS_FORMULAREADS reads;
    for (int i = 0; i < equations; ++i) {
        const KmCompiledEquation& eq = compiled.equations[static_cast<std::size_t>(i)];
        if (eq.childCall || eq.index < 0) continue;
        // Set as a formula, an empty one leaves the equation's text in its cell to be read.
        if (eq.formula.trimmed().isEmpty()) return false;
        if (!formulaReads(eq.col, eq.row, eq.formula, reads)) continue;  // fails either way
        if (reads.volatileCalls) return false;
        for (const SS_RANGEREF& r : reads.ranges) {
            if (r.Row2 > compiled.calcRow) return false;
            if (!reads.otherCalls || !recalculates) continue;
            for (int d = 0; d < varCells.length(); ++d)
                if (lastAssigned[static_cast<std::size_t>(d)] >= i && cellInRange(varCells[d], r)) return false;
        }
    }
    return true;
}

bool KmCalcTq::keepsDeclarations(const Zk_Array<KmVarCell>& declarations) {
    if (varCells.length() != declarations.length()) return false;
    for (int i = 0; i < declarations.length(); ++i) {
        const KmVarCell& cell = varCells[i];
        const KmVarCell& declared = declarations[i];
        if (cell.varName != declared.varName || cell.cellType != declared.cellType ||
            cell.valueType != declared.valueType || cell.col != declared.col || cell.row != declared.row)
            return false;
    }
    for (int i = 0; i < declarations.length(); ++i) varCells[i].value = declarations[i].value;
    return true;
}

bool KmCalcTq::passIsPlanned() const {
    if (!m_compiled || !m_compiled->planned || !genVarNames.isEmpty()) return false;
    // A value reading "Calc" could be found before the keyword.
    for (int i = 0; i < varCells.length(); ++i)
        if (varCells[i].value.view().find(L"Calc") != std::wstring_view::npos) return false;
    return true;
}

void KmCalcTq::registerFunctions() {
    for (const KmProductFunctionInfo& f : productFunctions())
        addCustomFunction(Zk_String(f.name), f.minArgs, f.maxArgs, f.callback, kProductFunctionFlags);
}

void KmCalcTq::showWarning(const Zk_String& text) {
    if (!gSettings.current.standardsDiagnostics) return;
    MessageBoxW(GetSafeHwnd(), text.c_str(), AfxGetAppName(), MB_ICONEXCLAMATION | MB_OK);
}

void KmCalcTq::reportFailedEquation(const Zk_String& target, const Zk_String& expression, int row) {
    Zk_String text(L"The following equation failed:\n");
    if (!target.isEmpty()) text += target + L" = ";
    text += expression + L"\n";
    text += Zk_String(L"Spreadsheet : ") + tqFile + L" (line: " + Zk_String(row) + L")\n";
    text += L"Here's a tip for finding the cause :\n";
    text += L"If this equation contains variable names, then the translator does not know the value of the "
            L"variable. Make sure the variable exists either in input, output, local declarations or among the "
            L"gen_ variables.";
    showWarning(text);
}

Acad::ErrorStatus KmCalcTq::calcAll() {
    const KmDataFileSnapshot dataFiles;  // one check of each data file's folders per pass
    gRegisterFuntions.start();
    if (!m_reusedSheet) registerFunctions();  // a kept sheet has them, unchanged since
    gRegisterFuntions.end();

    const bool planned = passIsPlanned();
    gFindDuplicates.start();
    Zk_StringArray names;  // a planned pass has unique names (checked when compiled)
    if (!planned)
        for (int i = 0; i < varCells.length(); ++i) names.append(varCells[i].varName);
    if (!planned && hasDuplicates(names)) {
        Zk_Array<int> later;
        Zk_StringArray duplicates;
        getDuplicates(names, later, duplicates);
        const Zk_String text = Zk_String(L"There were duplicate variable names found in the standards file ") +
                               tqFile + L".\nThe duplicates will be ignored. Please correct this file.\n" +
                               L"Duplicate variable names:\n\n" + arrToStr(duplicates, L"\n");
        MessageBoxW(GetSafeHwnd(), text.c_str(), L"Variable names must be unique", MB_ICONEXCLAMATION | MB_OK);
        for (int i = later.length() - 1; i >= 0; --i) varCells.removeAt(later[i]);
    }
    gFindDuplicates.end();

    int calcCol = 0, calcRow = 0;
    if (planned) {
        calcCol = m_compiled->calcCol;
        calcRow = m_compiled->calcRow;
    } else if (!KmVarCells::findKeyword(*this, Zk_String(L"Calc"), calcCol, calcRow)) {
        return Acad::eInvalidInput;
    }

    // The sheet's cells count against the steps of the whole evaluation (the declaration
    // reads and the pass walk the sheet); a pass that would go past them is not started,
    // and every pass of the evaluation then stops.
    const int rows = getRowCount();
    const int cols = getColCount();
    if (activeSheetChain().empty()) {
        gCalcSteps = 0;
        gCalcStepsExhausted = false;
    }
    const long long steps = static_cast<long long>(rows) * cols;
    if (gCalcStepsExhausted || steps > calcStepLimit - gCalcSteps) {
        if (!gCalcStepsExhausted)
            showWarning(Zk_String(L"The calculation was not made, because one evaluation may examine at most ") +
                        Zk_String(calcStepLimit) + L" cells (of its sheet and every child sheet) and this one " +
                        L"would examine " + Zk_String(gCalcSteps + steps) + L":\n" + L"Spreadsheet : " + tqFile +
                        L" (" + Zk_String(cols) + L" columns, " + Zk_String(rows) + L" rows)\n" + L"Calls: " +
                        describeSheetChain(tqFile));
        gCalcStepsExhausted = true;
        return Acad::eInvalidInput;
    }
    gCalcSteps += steps;

    KmActiveSheetScope active(tqFile);
    if (planned) {
        gCalcCells.start();
        const std::shared_ptr<const KmCompiledStandard> compiled = m_compiled;  // kept should a child reload
        Acad::ErrorStatus es = Acad::eOk;
        const bool deferred = !m_deferredWrite.empty();
        for (const KmCompiledEquation& eq : compiled->equations) {
            const bool written = runEquation(eq, compiled->direct);
            // The target's first equation: it wrote the cell, or the starting value goes in.
            if (deferred && eq.index >= 0) {
                const std::size_t d = static_cast<std::size_t>(eq.index);
                if (written) m_deferredWrite[d] = 0;
                else writeDeferredValue(d);
            }
            if (gCalcStepsExhausted) {  // a child went past the steps
                es = Acad::eInvalidInput;
                break;
            }
        }
        writeDeferredValues();
        // Only declaration cells changed: the next evaluation may start from this sheet.
        if (compiled->direct) {
            m_residentBytes = m_sheetBytes;
            m_residentCompiled = compiled;
            m_residentStamp = changeStamp();
        }
        gCalcCells.end();
        return es;
    }
    writeDeferredValues();  // not planned after all: every value in its cell first
    collectVarAddresses();
    gCalcCells.start();
    for (int row = calcRow + 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            calcCell(col, row);
            if (gCalcStepsExhausted) return Acad::eInvalidInput;  // a child went past the steps
        }
    }
    gCalcCells.end();
    return Acad::eOk;
}

void KmCalcTq::collectVarAddresses() {
    gCalcCellGetVarNames.start();
    Zk_StringArray names;
    for (int i = 0; i < varCells.length(); ++i) names.append(varCells[i].varName);
    gCalcCellGetVarNames.end();

    gCalcCellGetVarCoords.start();
    m_varAddresses.clear();
    for (int i = 0; i < names.length(); ++i) {
        gCalcCellGetVarCoordName.start();
        const KmVarCell& cell = varCells[i];
        if (!names[i].isEmpty() && cell.col >= 1 && cell.row >= 1)
            m_varAddresses.add(names[i], getAlfabet(cell.col) + Zk_String(cell.row));
        gCalcCellGetVarCoordName.end();
    }
    gCalcCellGetVarCoords.end();
}

void KmCalcTq::replaceVariables(Zk_String& expression) {
    gCalcCellReplaceVariables.start();
    m_varAddresses.substitute(expression);
    gCalcCellReplaceVariables.end();
}

void KmCalcTq::calcCell(int col, int row) {
    Zk_String text;
    if (!readCellText(col, row, text, 3) || text.isEmpty()) return;
    KmCompiledEquation eq;
    splitEquation(col, row, text, eq);
    runEquation(eq, false);
}

void KmCalcTq::splitEquation(int col, int row, const Zk_String& text, KmCompiledEquation& eq) {
    eq.col = col;
    eq.row = row;
    gCalcCellSplitSymbol.start();
    if (splitStringAtSymbol(text, Zk_String(L"="), eq.target, eq.expression)) {
        eq.target.trim();
        eq.expression.trim();
    } else {
        eq.target.clear();
        eq.expression = text.trimmed();
    }
    gCalcCellSplitSymbol.end();

    gCalcCellFindVarCell.start();
    eq.index = -1;
    if (eq.target.isEmpty() || varCells.findVarCell(eq.target, eq.index) != Acad::eOk) eq.index = -1;
    gCalcCellFindVarCell.end();

    gCalcCellFindFunctions.start();
    eq.childCall = eq.expression.contains(Zk_String(L"CallChild"));
    gCalcCellFindFunctions.end();

    eq.formula.clear();
    if (!eq.childCall && eq.index >= 0) {
        eq.formula = eq.expression;
        replaceVariables(eq.formula);
    }
}

bool KmCalcTq::runEquation(const KmCompiledEquation& eq, bool direct) {
    const Zk_String& target = eq.target;
    const Zk_String& expression = eq.expression;
    const int col = eq.col;
    const int row = eq.row;
    const int index = eq.index;
    const bool hasTarget = index >= 0;
    if (eq.childCall) {
        gCalcCellCalcNativeFunctions.start();
        bool reported = false;
        if (!callChild(expression, row, reported)) {
            if (!reported) reportFailedEquation(target, expression, row);
            return false;
        }
        gCalcCellCalcNativeFunctions.end();
        return false;
    }
    if (!hasTarget) {
        reportFailedEquation(target, expression, row);
        return false;
    }

    KmVarCell& cell = varCells[index];
    const bool asNumber = cell.valueType != KmValueType::String;
    if (direct) {
        // Evaluated and written into the declaration's cell (typed, above the Calc area) in
        // one call; the value is the text it was written as.
        gCalcCellCalcFunctions.start();
        std::wstring_view value;
        bool written = false;
        // A formula that did not parse when it was compiled has no prepared form: it fails.
        if (!evaluateFormulaToCell(eq.prepared, asNumber, cell.col, cell.row, value, written)) {
            reportFailedEquation(target, expression, row);
            return false;
        }
        cell.value.assign(value);
        if (!written || isErrorText(value)) {
            reportFailedEquation(target, expression, row);
            return written;
        }
        gCalcCellCalcFunctions.end();
        return true;
    }
    Zk_String result;
    {
        gCalcCellCalcFunctionsPrepare.start();
        if (asNumber)
            setNumberType(col, row, col, row, 7);
        else
            setEditType(col, row, col, row, 200);
        if (!setFormula(col, row, eq.formula)) {
            reportFailedEquation(target, expression, row);
            return false;
        }
        gCalcCellCalcFunctionsPrepare.end();

        gCalcCellCalcFunctions.start();
        if (!readCellText(col, row, result, 3)) {
            reportFailedEquation(target, expression, row);
            return false;
        }
    }
    // In a planned pass every declaration lies above the Calc area, written with its type.
    const bool stored = cell.setNewValue(*this, result, m_compiled && m_compiled->planned) == Acad::eOk;
    if (!stored || isErrorText(result.view())) {
        reportFailedEquation(target, expression, row);
        return stored;
    }
    gCalcCellCalcFunctions.end();
    return true;
}

bool KmCalcTq::callChild(const Zk_String& expression, int row, bool& reported) {
    reported = false;
    KmChildCall call;
    Zk_String path;
    if (!parseChildCall(expression, call) || !resolveChildFile(call.file, tqFile, path)) return false;

    // A call back into a sheet being evaluated (itself included) would never end.
    bool cycle = sameSheetPath(path, tqFile);
    for (const Zk_String& sheet : activeSheetChain()) cycle = cycle || sameSheetPath(path, sheet);
    const bool tooDeep = static_cast<int>(activeSheetChain().size()) >= kMaxChildDepth;
    if (cycle || tooDeep) {
        Zk_String text = cycle ? Zk_String(L"The following child call was not made, because it calls a "
                                           L"spreadsheet that is already being calculated:\n")
                               : Zk_String(L"The following child call was not made, because child calls may "
                                           L"nest at most ") + Zk_String(kMaxChildDepth) +
                                     L" spreadsheets deep:\n";
        text += expression + L"\n" + L"Spreadsheet : " + tqFile + L" (line: " + Zk_String(row) + L")\n" +
                L"Calls: " + describeSheetChain(path);
        showWarning(text);
        reported = true;
        return false;
    }

    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = path;
    data.genVarNames = genVarNames;
    data.genVarValues = genVarValues;
    for (int i = 0; i < call.argNames.length(); ++i) {
        int index = -1;
        if (varCells.findVarCell(call.argNames[i], index) != Acad::eOk) return false;
        KmVarCell copy = varCells[index];
        copy.col = 0;
        copy.row = 0;
        data.varCells.append(copy);
    }
    if (!evaluateStandards(data)) {
        reported = gCalcStepsExhausted;  // the refusal has said why
        return false;
    }

    for (int k = 0; k < data.varCells.length(); ++k) {
        const KmVarCell& returned = data.varCells[k];
        if (!returned.isOutput()) continue;
        int index = -1;
        if (varCells.findVarCell(returned.varName, index) != Acad::eOk) return false;
        if (varCells[index].isInput()) return false;
        if (varCells[index].setValueFromOther(*this, returned) != Acad::eOk) return false;
    }
    return true;
}

void KmCalcTq::replaceGenVars() {
    if (genVarNames.isEmpty()) return;
    Zk_StringArray values;
    for (int i = 0; i < genVarNames.length(); ++i)
        values.append(genVarFormulaText(i < genVarValues.length() ? genVarValues[i] : Zk_String()));
    const int rows = getRowCount();
    const int cols = getColCount();
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            Zk_String text;
            if (!readCellText(col, row, text, 3) || text.isEmpty()) continue;
            Zk_String changed = text;
            for (int i = 0; i < genVarNames.length(); ++i) replaceWholeWords(changed, genVarNames[i], values[i]);
            if (changed != text) writeCellText(col, row, changed);
        }
    }
}

Acad::ErrorStatus KmCalcTq::initForMacro(KmDlgStandardsData& data) {
    if (!data.dbMacro || !data.transaction) return Acad::eInvalidInput;
    gInitTqForInput.start();
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    if (prepareDeclarations() != Acad::eOk) return Acad::eInvalidInput;
    gInitTqForInput.end();

    gTqSGetFromMacro.start();
    if (varCells.getFromMacro(data) != Acad::eOk) return Acad::eInvalidInput;
    gTqSGetFromMacro.end();

    gSetMacroValuelsToTq.start();
    if (varCells.setValuesToTq(*this, m_reusedSheet) != Acad::eOk) return Acad::eInvalidInput;
    gSetMacroValuelsToTq.end();

    gTqSreplaceGenVars.start();
    replaceGenVars();
    gTqSreplaceGenVars.end();
    return Acad::eOk;
}

Acad::ErrorStatus KmCalcTq::calcForMacro(KmDlgStandardsData&) {
    gCalcMain.start();
    if (calcAll() != Acad::eOk) return Acad::eInvalidInput;
    if (varCells.getValuesFromTq(*this) != Acad::eOk) return Acad::eInvalidInput;
    gCalcMain.end();
    return Acad::eOk;
}

Acad::ErrorStatus KmCalcTq::initFromVars(KmDlgStandardsData& data) {
    gGetFromVars.start();
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    if (prepareDeclarations() != Acad::eOk) return Acad::eInvalidInput;
    // On a kept sheet of a direct standard, values that their first equation writes
    // before anything reads them are left to the pass.
    const std::vector<int>* writtenFirst = nullptr;
    if (m_reusedSheet && m_compiled && m_compiled->direct &&
        m_compiled->writtenFirstBy.size() == static_cast<std::size_t>(varCells.length()))
        writtenFirst = &m_compiled->writtenFirstBy;
    m_deferredWrite.assign(writtenFirst ? writtenFirst->size() : 0, 0);
    m_deferredValue.resize(m_deferredWrite.size());
    auto put = [&](int i, KmVarCell& cell, const Zk_String& value) {
        if (writtenFirst && (*writtenFirst)[static_cast<std::size_t>(i)] >= 0) {
            cell.setNewValue(value);
            m_deferredWrite[static_cast<std::size_t>(i)] = 1;
            m_deferredValue[static_cast<std::size_t>(i)] = value;
            return true;
        }
        return cell.setNewValue(*this, value, m_reusedSheet) == Acad::eOk;
    };
    int k = 0;
    for (int i = 0; i < varCells.length(); ++i) {
        KmVarCell& cell = varCells[i];
        if (cell.isLocal()) {
            if (!put(i, cell, Zk_String())) return Acad::eInvalidInput;
            continue;
        }
        if (k >= data.varCells.length()) return Acad::eInvalidInput;
        const KmVarCell& given = data.varCells[k++];
        if (cell.isOutput() && given.isInput()) return Acad::eInvalidInput;
        if (!put(i, cell, given.value)) return Acad::eInvalidInput;
    }
    replaceGenVars();
    gGetFromVars.end();
    return Acad::eOk;
}

Acad::ErrorStatus KmCalcTq::calcForVars(KmVarCells& cells) {
    gCalcChild.start();
    if (calcAll() != Acad::eOk) return Acad::eInvalidInput;
    gCalcChild.end();

    gSetToVars.start();
    int k = 0;
    for (int i = 0; i < varCells.length(); ++i) {
        const KmVarCell& cell = varCells[i];
        if (cell.isLocal()) continue;
        if (cell.isOutput()) {
            if (k >= cells.length()) return Acad::eInvalidInput;
            cells[k].setNewValue(cell.value);
        }
        ++k;
    }
    gSetToVars.end();
    return Acad::eOk;
}
