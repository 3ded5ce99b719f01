#include "engine/formula.h"

#include <cwchar>
#include <string>
#include <vector>

#include "acad/command_line.h"
#include "engine/kept_lookup_sheet.h"
#include "engine/sheet_file_cache.h"
#include "host/dialog_support.h"
#include "mfc/controls.h"
#include "win/globalmem.h"
#include "win/msgbox.h"

namespace {

// The grid whose formulas a CFormula window is calculating; null at load.
Zk_Spread* gCurrentFormulaGrid = nullptr;

const wchar_t* const kFromTableName = L"FROMTABLE";
constexpr short kFromTableMinArgs = 2;
constexpr short kFromTableMaxArgs = 4;
constexpr long kFromTableFlags = 1;  // cell references arrive as references

constexpr int kStartCols = 8;
constexpr int kStartRows = 10;
constexpr int kNumberCells = 6;  // columns and rows 1 to 6 become number cells
constexpr int kFormulaRows = 4;  // rows 1 to 4 (and 5) show column 4's formula

bool sameText(const Zk_String& a, const Zk_String& b) {
    return a.length() == b.length() && a.equal(b, true);
}

void setErrorValue(SS_CALCVALUE* value, LONG code);
void setLookUpResult(SS_CALCVALUE* result, const KmLookUpCell& cell);
void printLookUpResult(const SS_CALCVALUE& result);


}  // namespace

const wchar_t* const kEvaluateTqTestFile = L"C:\\tq\\test\\formula.kms";

CFormula::CFormula(CWnd* parent) : CDialog(IDD, parent) {}

CFormula::~CFormula() = default;

Zk_Spread* CFormula::currentGrid() { return gCurrentFormulaGrid; }

void CFormula::registerFromTable(Zk_Spread* target) {
    if (target == nullptr)
        return;
    target->addCustomFunction(Zk_String(kFromTableName), kFromTableMinArgs, kFromTableMaxArgs,
                              &CFormula::fromTable, kFromTableFlags);
}

BOOL CFormula::OnInitDialog() {
    CDialog::OnInitDialog();
    SetForegroundWindow();
    SetFocus();

    SetDlgItemText(IDC_FILE_NAME, fileName.c_str());

    grid.createFromPlaceholder(this, IDC_GRID, true);
    grid.setBoolProperty(SSB_NOBEEP, true);
    grid.setBoolProperty(SSB_AUTOCALC, false);

    CheckDlgButton(IDC_AUTO_CALC, 0);
    CheckDlgButton(IDC_STYLE_DEFAULT, 1);

    registerFromTable(&grid);

    grid.setColCount(kStartCols);
    grid.setRowCount(kStartRows);
    grid.SetTypeNumber(1, 1, kNumberCells, kNumberCells, 2, -9999.0, 9999.0, FALSE);

    fileLoaded = !fileName.empty() && grid.loadFromFile(Zk_String(fileName));
    acutPrintf(L"Loading spreadsheet:%s\n", fileName.c_str());
    // A loaded file brings its own functions: register the look-up again.
    registerFromTable(&grid);

    if (mode == kModeReadTable) {
        if (fileLoaded) readTable();
        EndDialog(fileLoaded ? IDOK : IDCANCEL);
        return TRUE;
    }

    callingGrid = gCurrentFormulaGrid;
    gCurrentFormulaGrid = &grid;
    if (mode == kModeEvaluateCell) {
        grid.recalcCell(targetCol, targetRow);
        Zk_String text;
        grid.readCellText(targetCol, targetRow, text);
        resultText = text.wstr();
    } else if (mode == kModeLookUp) {
        lookUp();
    }
    gCurrentFormulaGrid = callingGrid;

    // A look-up runs inside a calculation: it must not wait for a user to close it.
    if (mode == kModeLookUp)
        EndDialog(IDOK);
    return TRUE;
}

void CFormula::readTable() {
    if (headers == nullptr || rows == nullptr)
        return;
    headers->removeAll();
    rows->removeAll();
    grid.readCellText(1, 1, firstCell);
    const int colCount = grid.getColCount();
    const int rowCount = grid.getRowCount();
    for (int col = 1; col <= colCount; ++col) {
        Zk_String title;
        grid.readCellText(col, 0, title);
        headers->append(title);
    }
    for (int row = 1; row <= rowCount; ++row) {
        Zk_StringArray line;
        for (int col = 1; col <= colCount; ++col) {
            Zk_String text;
            grid.readCellText(col, row, text);
            line.append(text);
        }
        rows->append(line);
    }
}

Zk_Spread* CFormula::lookUpCallingGrid() const { return calculatingGrid(callingGrid); }

Zk_Spread* CFormula::calculatingGrid(Zk_Spread* otherwise) {
    if (HWND calculating = SSGetCalcWindow()) {
        if (auto* spread = dynamic_cast<Zk_Spread*>(CWnd::FromHandlePermanent(calculating)))
            return spread;
    }
    return otherwise;
}

Zk_String CFormula::argumentText(const SS_CALCVALUE& value, Zk_Spread* calling) {
    switch (value.Type) {
    case SS_VALUE_TYPE_LONG:
        return Zk_String(static_cast<long long>(value.Val.ValLong));
    case SS_VALUE_TYPE_DOUBLE: {
        // Shortest text that reads back as the number ("10", "12.5").
        wchar_t buffer[64];
        std::swprintf(buffer, 64, L"%.15g", value.Val.ValDouble);
        return Zk_String(buffer);
    }
    case SS_VALUE_TYPE_STR:
        return Zk_String(SSGetGlobalStr(value.Val.hValStr));
    case SS_VALUE_TYPE_CELL: {
        Zk_String text;
        if (calling != nullptr)
            calling->readCellText(value.Val.ValCell.Col, value.Val.ValCell.Row, text);
        return text;
    }
    default:
        return Zk_String();
    }
}

void CFormula::lookUp() {
    if (result == nullptr)
        return;
    result->Status = SS_VALUE_STATUS_EMPTY;
    if (argCount < 1 || args == nullptr)
        return;
    for (short i = 0; i < argCount; ++i)
        if (args[i].Status != SS_VALUE_STATUS_OK)
            return;
    if (args[0].Type != SS_VALUE_TYPE_STR)
        return;

    const Zk_String file(SSGetGlobalStr(args[0].Val.hValStr));
    if (file.isEmpty() || !grid.loadFromFile(file))
        return;
    // A sheet the cache will hand out again is kept for the next look-ups of its keys.
    if (argCount == 4 && sheetFileBytesKept(grid.loadedBytes()) && !findKeptLookUpSheet(grid.loadedBytes()))
        keepLookUpSheet(grid.loadedBytes(), KmKeptLookUpSheet::read(grid));
    registerFromTable(&grid);
    Zk_Spread* calling = lookUpCallingGrid();

    int col = -1;
    int row = -1;
    if ((argCount == 2 || argCount == 3) && args[1].Type == SS_VALUE_TYPE_CELL) {
        col = args[1].Val.ValCell.Col;
        row = args[1].Val.ValCell.Row;
    } else if (argCount == 4) {
        const Zk_String keyTitle = argumentText(args[1], calling);
        const Zk_String valueTitle = argumentText(args[2], calling);
        const Zk_String key = argumentText(args[3], calling);
        const int colCount = grid.getColCount();
        const int rowCount = grid.getRowCount();
        int keyCol = -1;
        int valueCol = -1;
        for (int c = 1; c <= colCount && (keyCol < 0 || valueCol < 0); ++c) {
            Zk_String title;
            grid.readCellText(c, 0, title);
            if (keyCol < 0 && sameText(title, keyTitle)) keyCol = c;
            if (valueCol < 0 && sameText(title, valueTitle)) valueCol = c;
        }
        int keyRow = -1;
        for (int r = 1; keyCol > 0 && r <= rowCount; ++r) {
            Zk_String text;
            grid.readCellText(keyCol, r, text);
            if (sameText(text, key)) {
                keyRow = r;
                break;
            }
        }
        if (keyCol > 0 && valueCol > 0 && keyRow > 0) {
            col = valueCol;
            row = keyRow;
        }
    }
    if (col < 0 || row < 0)
        return;

    grid.recalcCell(col, row);
    if (argCount == 3) {
        if (args[2].Type == SS_VALUE_TYPE_CELL && calling != nullptr) {
            Zk_String text;
            grid.readCellText(col, row, text);
            calling->writeCellText(args[2].Val.ValCell.Col, args[2].Val.ValCell.Row, text);
        }
        return;
    }
    readResult(col, row);
    printLookUpResult(*result);
}

namespace {

// An error value of the control (#VALUE!, #REF!, ...) as a function's result.
void setErrorValue(SS_CALCVALUE* value, LONG code) {
    value->Status = SS_VALUE_STATUS_ERROR;
    value->Type = SS_VALUE_TYPE_LONG;
    value->Val.ValLong = code;
}

}  // namespace

void CFormula::readResult(int col, int row) {
    KmLookUpCell cell;
    if (!grid.readCellText(col, row, cell.text)) {
        setErrorValue(result, SS_ERROR_REF);
        return;
    }
    cell.type = grid.GetCellType(col, row);
    cell.isNumber = SSGetFloat(grid.GetSafeHwnd(), col, row, &cell.number) != FALSE;
    setLookUpResult(result, cell);
}

namespace {

// The result of a look-up that found cell: a number cell's number, an integer or check
// box cell's integer, any other cell's text.
void setLookUpResult(SS_CALCVALUE* result, const KmLookUpCell& cell) {
    const Zk_String& text = cell.text;
    const int typeCode = cell.type;
    if (typeCode == SS_TYPE_INTEGER || typeCode == SS_TYPE_CHECKBOX) {
        if (text.isEmpty())
            return;  // an empty cell gives an empty value
        wchar_t* end = nullptr;
        const long value = std::wcstol(text.c_str(), &end, 10);
        if (end == text.c_str()) {
            setErrorValue(result, SS_ERROR_VALUE);
            return;
        }
        result->Status = SS_VALUE_STATUS_OK;
        result->Type = SS_VALUE_TYPE_LONG;
        result->Val.ValLong = static_cast<LONG>(value);
        return;
    }
    if (typeCode == SS_TYPE_NUMBER || typeCode == SS_TYPE_CURRENCY || typeCode == SS_TYPE_PERCENT) {
        if (cell.isNumber) {
            result->Status = SS_VALUE_STATUS_OK;
            result->Type = SS_VALUE_TYPE_DOUBLE;
            result->Val.ValDouble = cell.number;
        } else if (!text.isEmpty()) {
            // An error value (or text that is no number) in a number cell.
            setErrorValue(result, SS_ERROR_VALUE);
        }
        return;
    }
    // Any other cell gives its text in a new movable block of the control's characters + 0.
    const std::size_t bytes = (static_cast<std::size_t>(text.length()) + 1) * sizeof(WCHAR);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    auto* chars = block != nullptr ? static_cast<WCHAR*>(GlobalLock(block)) : nullptr;
    if (chars == nullptr) {
        if (block != nullptr)
            GlobalFree(block);
        acutPrintf(L"Reallocate failed\n");
        return;
    }
    for (int i = 0; i < text.length(); ++i)
        chars[i] = static_cast<WCHAR>(text[i]);
    chars[text.length()] = 0;
    GlobalUnlock(block);
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_STR;
    result->Val.hValStr = block;
}

void printLookUpResult(const SS_CALCVALUE& result) {
    if (result.Status != SS_VALUE_STATUS_OK)
        return;
    switch (result.Type) {
    case SS_VALUE_TYPE_LONG:
        acutPrintf(L"Result is long: %i\n", static_cast<int>(result.Val.ValLong));
        break;
    case SS_VALUE_TYPE_DOUBLE:
        acutPrintf(L"Result is double: %f\n", result.Val.ValDouble);
        break;
    case SS_VALUE_TYPE_STR:
        acutPrintf(L"Result is string: %s\n", SSGetGlobalStr(result.Val.hValStr).c_str());
        break;
    case SS_VALUE_TYPE_CELL:
        acutPrintf(L"Result is cell\n");
        break;
    default:
        acutPrintf(L"Result is range\n");
        break;
    }
}

// Files of the look-ups open now, outermost first.
std::vector<std::wstring>& openLookUps() {
    static std::vector<std::wstring> files;
    return files;
}

struct LookUpScope {
    explicit LookUpScope(std::wstring file) { openLookUps().push_back(std::move(file)); }
    ~LookUpScope() { openLookUps().pop_back(); }
    LookUpScope(const LookUpScope&) = delete;
    LookUpScope& operator=(const LookUpScope&) = delete;
};

}  // namespace

bool CFormula::lookUpInKeptSheet(SS_CALCVALUE* resultValue, SS_CALCVALUE* arguments, short count) {
    // What a look-up window would do before it reads the sheet, in the same order.
    if (resultValue == nullptr || arguments == nullptr || count != 4)
        return false;
    for (short i = 0; i < count; ++i)
        if (arguments[i].Status != SS_VALUE_STATUS_OK)
            return false;
    if (arguments[0].Type != SS_VALUE_TYPE_STR)
        return false;
    const Zk_String file(SSGetGlobalStr(arguments[0].Val.hValStr));
    if (file.isEmpty())
        return false;
    const std::shared_ptr<KmKeptLookUpSheet> sheet =
        findKeptLookUpSheet(keptSheetFileBytes(file.wstr(), SS_LIMIT_FILE_BYTES));
    if (!sheet)
        return false;
    // The window is opened on no file of its own.
    acutPrintf(L"Loading spreadsheet:%s\n", L"");
    resultValue->Status = SS_VALUE_STATUS_EMPTY;
    Zk_Spread* calling = calculatingGrid(gCurrentFormulaGrid);
    const int keyCol = sheet->column(argumentText(arguments[1], calling));
    const int valueCol = sheet->column(argumentText(arguments[2], calling));
    const Zk_String key = argumentText(arguments[3], calling);
    const int keyRow = keyCol > 0 && valueCol > 0 ? sheet->row(keyCol, key) : -1;
    if (keyRow < 0)
        return true;
    setLookUpResult(resultValue, sheet->cell(valueCol, keyRow));
    printLookUpResult(*resultValue);
    return true;
}

BOOL CFormula::fromTable(SS_CALCVALUE* resultValue, SS_CALCVALUE* arguments, short count) {
    std::wstring file;
    if (count > 0 && arguments != nullptr && arguments[0].Status == SS_VALUE_STATUS_OK &&
        arguments[0].Type == SS_VALUE_TYPE_STR)
        file = SSGetGlobalStr(arguments[0].Val.hValStr);
    if (static_cast<int>(openLookUps().size()) >= kMaxFromTableDepth) {
        std::wstring chain;
        for (const std::wstring& f : openLookUps()) chain += f + L" -> ";
        acutPrintf(L"*Error* FROMTABLE look-ups nest more than %d deep: %s\n", kMaxFromTableDepth,
                   (chain + file).c_str());
        if (resultValue != nullptr) setErrorValue(resultValue, SS_ERROR_VALUE);
        return TRUE;
    }
    LookUpScope scope(file);
    if (lookUpInKeptSheet(resultValue, arguments, count))
        return TRUE;
    CFormula window;
    window.mode = kModeLookUp;
    window.result = resultValue;
    window.args = arguments;
    window.argCount = count;
    window.DoModal();
    return TRUE;
}

void CFormula::setReferenceStyle(short style) {
    grid.SetRefStyle(style);
    for (int row = 1; row <= kFormulaRows + 1; ++row) {
        Zk_String formula;
        grid.readCellText(4, row, formula, 1);
        if (row > kFormulaRows && formula.isEmpty())
            break;
        // The copy is shown as text, whatever type the cell had.
        grid.setEditType(1, row, 1, row, 9999);
        grid.writeCellText(1, row, formula);
    }
    double width = 0.0;
    if (grid.GetMaxTextColWidth(1, &width))
        grid.SetColWidth(1, width);
}

BOOL CFormula::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_STYLE_DEFAULT:
            setReferenceStyle(SS_REFSTYLE_DEFAULT);
            return TRUE;
        case IDC_STYLE_A1:
            setReferenceStyle(SS_REFSTYLE_A1);
            return TRUE;
        case IDC_STYLE_R1C1:
            setReferenceStyle(SS_REFSTYLE_R1C1);
            return TRUE;
        case IDC_SAVE: {
            CString name;
            GetDlgItemText(IDC_FILE_NAME, name);
            if (!grid.saveToFile(Zk_String(name.GetString())))
                acutPrintf(L"Save failed\n");
            return TRUE;
        }
        case IDC_LOAD: {
            CString name;
            GetDlgItemText(IDC_FILE_NAME, name);
            if (!grid.loadFromFile(Zk_String(name.GetString())))
                acutPrintf(L"Load failed\n");
            registerFromTable(&grid);
            return TRUE;
        }
        case IDC_AUTO_CALC: {
            const bool autoCalc = IsDlgButtonChecked(IDC_AUTO_CALC) == 1;
            grid.setBoolProperty(SSB_AUTOCALC, autoCalc);
            if (CWnd* recalc = GetDlgItem(IDC_RECALC))
                recalc->EnableWindow(!autoCalc);
            return TRUE;
        }
        case IDC_RECALC:
            grid.recalcAll();
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool ReadTqFile(const Zk_String& file, Zk_String& text, Zk_StringArray& names,
                Zk_Array<Zk_StringArray>& rows) {
    KmTempResourceOverride resources;
    resources.SetDefaultResource();
    names.removeAll();
    rows.removeAll();
    text = Zk_String();
    CFormula window;
    window.mode = CFormula::kModeReadTable;
    window.fileName = file.wstr();
    window.headers = &names;
    window.rows = &rows;
    if (window.DoModal() != IDOK || !window.fileLoaded) {
        acutPrintf(L"*Error* Cannot read spreadsheet: %s\n", file.c_str());
        return false;
    }
    text = window.firstCell;
    return true;
}

void EvaluateTq() {
    KmTempResourceOverride resources;
    resources.SetDefaultResource();
    CFormula window;
    window.mode = CFormula::kModeEvaluateCell;
    window.fileName = kEvaluateTqTestFile;
    window.targetCol = 1;
    window.targetRow = 1;
    window.DoModal();
}
