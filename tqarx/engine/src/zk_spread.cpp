#include "engine/zk_spread.h"

#include <algorithm>
#include <cmath>

#include "engine/sheet_file_cache.h"
#include "host/texts.h"
#include "win/window.h"

namespace {

constexpr UINT kKeyF3 = 0x72;
constexpr UINT kKeyF5 = 0x74;
constexpr UINT kKeyF8 = 0x77;
// F8 toggles the grid lines.
constexpr short kF8Setting = SSB_GRIDLINES;

constexpr COLORREF kButtonFace = 0xF0F0F0;
constexpr COLORREF kSelBack = 0x6A240A;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kLightGrey = 0xE6E6E6;
constexpr COLORREF kBlack = 0x000000;

Zk_SpreadFindWindowFactory& findWindowFactory() {
    static Zk_SpreadFindWindowFactory factory;
    return factory;
}

Zk_SpreadMenuTracker& menuTracker() {
    static Zk_SpreadMenuTracker tracker;
    return tracker;
}

Zk_SpreadMenuAction& defaultMenuActions() {
    static Zk_SpreadMenuAction actions;
    return actions;
}

int menuTextOfKind(int kind) {
    switch (kind) {
    case kMenuClipboard1: return 1154;
    case kMenuClipboard2: return 1155;
    case kMenuInsertRow: return 774;
    case kMenuDeleteRow: return 775;
    case kMenuInsertCol: return 1156;
    case kMenuDeleteCol: return 1157;
    case kMenuSelectionOn: return 1400;
    case kMenuSelectionOff: return 1401;
    default: return 0;
    }
}

}  // namespace

const UINT Zk_Spread::kMenuCommandIds[10] = {32811, 32812, 32816, 32817, 32818, 32800, 32801, 32802, 32803, 32804};

Zk_Spread::Zk_Spread() = default;

Zk_Spread::~Zk_Spread() {
    m_findWindow.reset();
}

bool Zk_Spread::createFromPlaceholder(CWnd* dialog, int placeholderId, bool exact) {
    if (m_created || !dialog || !dialog->GetSafeHwnd()) return false;
    HWND placeholder = ::GetDlgItem(dialog->GetSafeHwnd(), placeholderId);
    if (!placeholder) return false;
    RECT dlgRect{};
    RECT rect{};
    ::GetWindowRect(dialog->GetSafeHwnd(), &dlgRect);
    ::GetWindowRect(placeholder, &rect);
    int x = rect.left - dlgRect.left;
    int y = rect.top - dlgRect.top;
    if (!exact) {
        x -= 5;
        y -= 20;
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (!CreateEx(0, SS_CLASSNAME, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, dialog->GetSafeHwnd(),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placeholderId))))
        return false;
    if (!m_hWnd) return false;
    ::DestroyWindow(placeholder);
    for (short action = 0; action <= 2; ++action) SetActionKey(action, FALSE, FALSE, 0);
    m_controlId = placeholderId;
    m_created = true;
    return true;
}

int Zk_Spread::getColCount() const { return m_created ? static_cast<int>(std::max<SS_COORD>(GetMaxCols(), 0)) : 0; }
int Zk_Spread::getRowCount() const { return m_created ? static_cast<int>(std::max<SS_COORD>(GetMaxRows(), 0)) : 0; }
bool Zk_Spread::setColCount(int cols) { return m_created && cols >= 0 && SetMaxCols(cols); }
bool Zk_Spread::setRowCount(int rows) { return m_created && rows >= 0 && SetMaxRows(rows); }

bool Zk_Spread::readCellText(int col, int row, Zk_String& text, int mode) const {
    text.clear();
    if (!m_created || col < 0 || row < 0 || col > getColCount() || row > getRowCount()) return false;
    if (mode < 0 || mode > 3) return false;
    std::wstring value;
    if (!SSGetCellText(m_hWnd, col, row, mode, value)) return false;
    text = Zk_String(std::move(value));
    return true;
}

bool Zk_Spread::writeCellText(int col, int row, const Zk_String& text) {
    return m_created && SetData(col, row, text.c_str());
}

bool Zk_Spread::setFormula(int col, int row, const Zk_String& formula) {
    return m_created && SetFormula(col, row, formula.c_str());
}

bool Zk_Spread::evaluateFormula(int col, int row, const Zk_String& formula, bool asNumber, Zk_String& value) {
    value.clear();
    std::wstring text;
    if (!m_created || !SSEvalFormula(m_hWnd, col, row, formula.c_str(), asNumber ? SS_TYPE_NUMBER : SS_TYPE_EDIT, text))
        return false;
    value = Zk_String(std::move(text));
    return true;
}

bool Zk_Spread::prepareFormula(int col, int row, const Zk_String& formula, SS_PREPAREDFORMULA& prepared) {
    prepared = SS_PREPAREDFORMULA{};
    return m_created && SSPrepareFormula(m_hWnd, col, row, formula.c_str(), prepared);
}

bool Zk_Spread::evaluateFormulaToCell(const SS_PREPAREDFORMULA& prepared, bool asNumber, int destCol, int destRow,
                                      std::wstring_view& value, bool& written) {
    value = {};
    written = false;
    BOOL took = FALSE;
    if (!m_created || !SSEvalPreparedToCell(m_hWnd, prepared, asNumber ? SS_TYPE_NUMBER : SS_TYPE_EDIT, destCol,
                                            destRow, m_evaluatedText, took))
        return false;
    value = m_evaluatedText;
    written = took != FALSE;
    return true;
}

bool Zk_Spread::formulaReads(int col, int row, const Zk_String& formula, SS_FORMULAREADS& reads) const {
    reads = SS_FORMULAREADS{};
    return m_created && SSGetFormulaReads(m_hWnd, col, row, formula.c_str(), reads);
}

unsigned long long Zk_Spread::changeStamp() const { return m_created ? SSGetChangeStamp(m_hWnd) : 0; }

bool Zk_Spread::setNumberType(int col, int row, int col2, int row2, int decimals, bool separator) {
    return m_created && SetTypeNumber(col, row, col2, row2, static_cast<short>(std::clamp(decimals, 0, 15)), kNumberMin,
                                      kNumberMax, separator ? TRUE : FALSE);
}

bool Zk_Spread::setEditType(int col, int row, int col2, int row2, int maxLength) {
    return m_created && SetTypeEdit(col, row, col2, row2, maxLength, SS_CASE_NOCASE);
}

bool Zk_Spread::loadFromFile(const Zk_String& path) {
    m_loadedBytes.reset();
    if (!m_created) return false;
    // An unchanged file loads from the bytes read before (its sheet copied from the one
    // parsed then); what the cache cannot give is left to the control, which says why it
    // cannot read the file.
    if (auto bytes = readSheetFileBytes(path.wstr(), SS_LIMIT_FILE_BYTES)) {
        if (SSLoadFromSharedBuffer(m_hWnd, bytes, path.c_str()) == FALSE) return false;
        m_loadedBytes = std::move(bytes);
        return true;
    }
    return LoadFromFile(path.c_str());
}

bool Zk_Spread::saveToFile(const Zk_String& path, bool dataOnly) {
    return m_created && SaveToFile(path.c_str(), dataOnly ? TRUE : FALSE);
}

bool Zk_Spread::setBoolProperty(int index, bool value) {
    if (!m_created || index < 0 || index >= SSB_COUNT) return false;
    SetBool(static_cast<short>(index), value ? TRUE : FALSE);
    return GetBool(static_cast<short>(index)) == (value ? TRUE : FALSE);
}

bool Zk_Spread::getBoolProperty(int index) const {
    return m_created && index >= 0 && index < SSB_COUNT && GetBool(static_cast<short>(index));
}

bool Zk_Spread::addCustomFunction(const Zk_String& name, int minArgs, int maxArgs, SS_CALCFUNC func, long flags) {
    return m_created && AddCustomFunctionExt(name.c_str(), static_cast<short>(minArgs), static_cast<short>(maxArgs),
                                             func, static_cast<LONG>(flags));
}

bool Zk_Spread::recalcCell(int col, int row) { return m_created && ReCalcCell(col, row); }
bool Zk_Spread::recalcAll() { return m_created && ReCalc(); }

bool Zk_Spread::searchText(const Zk_String& text, bool exact, int startCol, int startRow, int& col, int& row) const {
    if (!m_created) return false;
    const int cols = getColCount();
    const int rows = getRowCount();
    if (startRow < 0 || startRow > rows) return false;
    Zk_String cell;
    for (int r = startRow; r <= rows; ++r) {
        for (int c = r == startRow ? std::max(startCol, 1) : 1; c <= cols; ++c) {
            if (!readCellText(c, r, cell, 3)) continue;
            if (exact ? cell == text : cell.contains(text)) {
                col = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}

bool Zk_Spread::replaceInCell(int col, int row, const Zk_String& find, const Zk_String& replacement) {
    Zk_String text;
    if (!readCellText(col, row, text, 3)) return false;
    text.replace(find, replacement);
    return writeCellText(col, row, text);
}

void Zk_Spread::applyStandardLook(bool editable) {
    if (!m_created) return;
    SetAppearance(1);
    SetBackColorStyle(1);
    SetShadowColor(kButtonFace, kBlack);
    SetSelColor(kSelBack, kWhite);
    SetGridColor(kLightGrey);
    SetLockColor(kLightGrey, kBlack);
    SetCellNoteIndicator(SS_NOTEINDICATOR_HIDE);
    SetDefaultFont(fontName.c_str(), fontSize);
    SetTextTip(2, 500, 0xE1FFFF, kBlack);
    SetBool(SSB_NOBEEP, TRUE);
    SetBool(SSB_ALLOWCELLOVERFLOW, FALSE);
    SetBool(SSB_PROTECT, TRUE);
    SetBool(SSB_ARROWSEXITEDITMODE, TRUE);
    SetLock(SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS, editable ? FALSE : TRUE);
    SetBool(SSB_EDITMODEPERMANENT, editable ? TRUE : FALSE);
}

// ---- context menu ----

int Zk_Spread::menuEntryOfCommand(const Zk_Array<int>& kinds, UINT commandId) {
    int ordinal = -1;
    for (int i = 0; i < 10; ++i)
        if (kMenuCommandIds[i] == commandId) ordinal = i;
    if (ordinal < 0) return -1;
    int counted = 0;
    for (int i = 0; i < kinds.length(); ++i) {
        if (kinds[i] == kMenuSeparator) continue;
        if (counted == ordinal) return i;
        ++counted;
    }
    return -1;
}

void Zk_Spread::runMenuAction(int kind) {
    if (!m_created) return;
    SS_COORD col = 0;
    SS_COORD row = 0;
    GetActiveCell(&col, &row);
    switch (kind) {
    case kMenuInsertRow:
        if (row >= 1) insertRow(row);
        break;
    case kMenuDeleteRow:
        if (row >= 1) deleteRow(row);
        break;
    case kMenuInsertCol:
        if (col >= 1) insertCol(col);
        break;
    case kMenuDeleteCol:
        if (col >= 1) deleteCol(col);
        break;
    case kMenuClipboard1:
    case kMenuClipboard2:
    case kMenuSelectionOn:
    case kMenuSelectionOff:
        if (menuActionHandler)
            menuActionHandler(*this, kind);
        else if (defaultMenuActions())
            defaultMenuActions()(*this, kind);
        break;
    default:
        break;
    }
}

void Zk_Spread::setMenuTracker(Zk_SpreadMenuTracker tracker) { menuTracker() = std::move(tracker); }
void Zk_Spread::setDefaultMenuActions(Zk_SpreadMenuAction actions) { defaultMenuActions() = std::move(actions); }

void Zk_Spread::showContextMenu(POINT screenPoint) {
    if (!m_created || m_menuEntries.isEmpty()) return;
    if (menuTracker()) {
        Zk_StringArray texts;
        for (int kind : m_menuEntries)
            texts.append(menuTextOfKind(kind) != 0 ? dialString(menuTextOfKind(kind)) : Zk_String());
        const UINT command = menuTracker()(*this, screenPoint, texts, m_menuEntries);
        if (command != 0) SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
        return;
    }
    HMENU menu = ::CreatePopupMenu();
    if (!menu) return;
    int ordinal = 0;
    for (int kind : m_menuEntries) {
        if (kind == kMenuSeparator) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (ordinal < 10 && menuTextOfKind(kind) != 0)
            ::AppendMenuW(menu, MF_STRING, kMenuCommandIds[ordinal], dialString(menuTextOfKind(kind)).c_str());
        ++ordinal;
    }
    const UINT command = static_cast<UINT>(::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                             screenPoint.x, screenPoint.y, 0, m_hWnd, nullptr));
    ::DestroyMenu(menu);
    // The chosen item is handled as its command at once.
    if (command != 0) SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
}

BOOL Zk_Spread::OnCommand(WPARAM wParam, LPARAM lParam) {
    int entry = menuEntryOfCommand(m_menuEntries, LOWORD(wParam));
    if (entry >= 0) runMenuAction(m_menuEntries[entry]);
    return TSpread::OnCommand(wParam, lParam);
}

void Zk_Spread::OnRButtonDown(UINT flags, CPoint point) {
    if (!m_menuEntries.isEmpty()) {
        POINT screen = point;
        ClientToScreen(&screen);
        showContextMenu(screen);
    }
    TSpread::OnRButtonDown(flags, point);
}

// ---- keyboard and find window ----

void Zk_Spread::setFindWindowFactory(Zk_SpreadFindWindowFactory factory) { findWindowFactory() = std::move(factory); }

void Zk_Spread::handleFindKey(int which) {
    if (!m_findWindow) {
        if (!findWindowFactory()) return;
        m_findWindow = findWindowFactory()(*this);
        if (!m_findWindow) return;
    }
    if (!m_findWindow->isOpen())
        m_findWindow->open();
    else
        m_findWindow->searchAction(which);
}

BOOL Zk_Spread::PreTranslateMessage(MSG* msg) {
    if (m_created && msg && msg->message == WM_KEYDOWN &&
        (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        switch (msg->wParam) {
        case kKeyF3:
            handleFindKey(1);
            return TRUE;
        case kKeyF5:
            handleFindKey(2);
            return TRUE;
        case kKeyF8:
            SetBool(kF8Setting, GetBool(kF8Setting) ? FALSE : TRUE);
            return TRUE;
        default:
            break;
        }
    }
    return TSpread::PreTranslateMessage(msg);
}

bool Zk_Spread::isSpreadWindow(HWND hwnd) {
    if (!hwnd) return false;
    wchar_t name[64] = {};
    if (::GetClassNameW(hwnd, name, 64) <= 0) return false;
    Zk_String cls(name);
    // The control's own window counts as well as the windows inside it.
    return cls.startsWith(Zk_String(L"SPR32")) || cls.startsWith(Zk_String(L"fpSpr")) ||
           cls == Zk_String(SS_CLASSNAME);
}

void Zk_Spread::refreshCurrentCell() {
    SS_COORD col = -1;
    SS_COORD row = -1;
    if (m_created && GetActiveCell(&col, &row)) {
        currentCol = col;
        currentRow = row;
    }
}

BOOL Zk_Spread::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_COMMAND && (HIWORD(wParam) == SSN_CLICK || HIWORD(wParam) == SSN_LEAVECELL)) refreshCurrentCell();
    return TSpread::OnChildNotify(msg, wParam, lParam, result);
}

void Zk_Spread::OnDestroy() {
    m_findWindow.reset();
    m_created = false;
    TSpread::OnDestroy();
}

// ---- conveniences ----

void Zk_Spread::setListStyle(bool listStyle) {
    if (!m_created) return;
    SetSelectionMode(listStyle ? 1 : 0);
    SetLock(SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS, listStyle ? TRUE : FALSE);
    SetBool(SSB_PROTECT, TRUE);
}

void Zk_Spread::setColumnWidths(const Zk_Array<double>& proportions, int fixedCol) {
    m_columnProportions = proportions;
    m_fixedCol = fixedCol;
    applyColumnWidths();
}

void Zk_Spread::applyColumnWidths() {
    if (!m_created || m_columnProportions.isEmpty()) return;
    RECT client{};
    GetClientRect(&client);
    int available = client.right - client.left;
    int header = 0;
    if (GetBool(SSB_SHOWROWHEADERS)) GetColWidthInPixels(0, &header);
    short scrollWidth = 0;
    short scrollHeight = 0;
    GetScrollBarSize(&scrollWidth, &scrollHeight);
    available -= header + scrollWidth;
    double shares = 0;
    for (int i = 0; i < m_columnProportions.length(); ++i) {
        const int col = i + 1;
        const double p = m_columnProportions[i];
        if (col == m_fixedCol) {
            int fixed = 0;
            GetColWidthInPixels(col, &fixed);
            available -= fixed;
        } else if (p < 0) {
            available -= static_cast<int>(-p);
        } else {
            shares += p;
        }
    }
    available = std::max(available, 0);
    for (int i = 0; i < m_columnProportions.length(); ++i) {
        const int col = i + 1;
        const double p = m_columnProportions[i];
        if (col == m_fixedCol) continue;
        int pixels = p < 0 ? static_cast<int>(-p) : (shares > 0 ? static_cast<int>(available * p / shares) : 0);
        SetColWidthInPixels(col, std::max(pixels, 8));
    }
}

void Zk_Spread::fitColumnWidths() {
    if (!m_created) return;
    for (int col = 1; col <= getColCount(); ++col) {
        double width = 0;
        if (GetMaxTextColWidth(col, &width)) SetColWidth(col, std::max(width + 1, 2.0));
    }
}

void Zk_Spread::fitHeaderSizes() {
    if (!m_created) return;
    double width = 0;
    if (GetMaxTextColWidth(0, &width)) SetColWidth(0, std::max(width + 1, 2.0));
    int lines = 1;
    Zk_String text;
    for (int col = 1; col <= getColCount(); ++col) {
        if (!readCellText(col, 0, text, 0)) continue;
        int count = 1;
        for (int i = 0; i < text.length(); ++i)
            if (text[i] == L'\n') ++count;
        lines = std::max(lines, count);
    }
    SetRowHeight(0, 12.0 * lines);
}

Zk_String Zk_Spread::checkPicture(bool on) {
    m_checkBitmapsLoaded = true;
    return Zk_String(L"#") + Zk_String(on ? kCheckBitmapOn : kCheckBitmapOff);
}

bool Zk_Spread::setButtonColumn(int col, const Zk_String& text) {
    return m_created && col >= 1 && col <= getColCount() &&
           SetTypeButton(col, SS_ALLROWS, col, SS_ALLROWS, text.c_str());
}

bool Zk_Spread::setCheckBoxColumn(int col) {
    if (!m_created || col < 1 || col > getColCount()) return false;
    const Zk_String off = checkPicture(false);
    const Zk_String on = checkPicture(true);
    return SetTypeCheckBox(col, SS_ALLROWS, col, SS_ALLROWS, L"", off.c_str(), on.c_str());
}

bool Zk_Spread::insertRow(int row) { return m_created && row >= 1 && InsRows(row, 1); }
bool Zk_Spread::deleteRow(int row) { return m_created && row >= 1 && DelRows(row, 1); }
bool Zk_Spread::insertCol(int col) { return m_created && col >= 1 && InsCols(col, 1); }
bool Zk_Spread::deleteCol(int col) { return m_created && col >= 1 && DelCols(col, 1); }
bool Zk_Spread::moveRow(int from, int to) { return m_created && MoveRow(from, to); }
bool Zk_Spread::moveCol(int from, int to) { return m_created && MoveCol(from, to); }

bool Zk_Spread::growRowCount(int rows) {
    if (!m_created) return false;
    return rows <= getRowCount() || SetMaxRows(rows);
}

void Zk_Spread::OnSize(UINT type, int cx, int cy) {
    TSpread::OnSize(type, cx, cy);
    applyColumnWidths();
    if (onSizeHandler) onSizeHandler();
}
