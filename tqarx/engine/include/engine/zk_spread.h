// Zk_Spread: the product's spreadsheet window. It is created in place of a dialog
// placeholder control and adds typed cell access by text, text search and replace,
// a standard look, a context menu, keyboard shortcuts (F3/F5 find, F8 grid lines) and
// the conveniences the dialog grids use. Every operation does nothing and reports
// failure while the control window does not exist.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/tspread.h"
#include "res/resources.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_Spread;

// The find/replace window of a grid (the sheet editor provides it).
class Zk_SpreadFindWindow {
public:
    virtual ~Zk_SpreadFindWindow() = default;
    virtual bool isOpen() const = 0;
    virtual void open() = 0;
    // which 1: first search action (F3), 2: second (F5).
    virtual void searchAction(int which) = 0;
};
using Zk_SpreadFindWindowFactory = std::function<std::unique_ptr<Zk_SpreadFindWindow>(Zk_Spread&)>;
// Shows a grid's context menu (the sheet editor's menu builder): texts[i] is the item of
// entry kinds[i] (a separator has kind kMenuSeparator and no text, an entry without a
// text is left out but counts); returns the chosen command, 0 for none.
using Zk_SpreadMenuTracker =
    std::function<UINT(Zk_Spread&, POINT screenPoint, const Zk_StringArray& texts, const Zk_Array<int>& kinds)>;
// The actions of the entry kinds the grid has none of its own for (clipboard, selection).
using Zk_SpreadMenuAction = std::function<void(Zk_Spread&, int kind)>;

// Context-menu entry kinds.
enum Zk_SpreadMenuKind {
    kMenuSeparator = 1,
    kMenuClipboard1 = 2,     // numbered text 1154
    kMenuClipboard2 = 3,     // 1155
    kMenuInsertRow = 4,      // 774
    kMenuDeleteRow = 5,      // 775
    kMenuInsertCol = 6,      // 1156
    kMenuDeleteCol = 7,      // 1157
    kMenuSelectionOn = 8,    // 1400
    kMenuSelectionOff = 9,   // 1401
};

class Zk_Spread : public TSpread {
public:
    // Value range of number cells.
    static constexpr double kNumberMin = -99999999999999.0;
    static constexpr double kNumberMax = 99999999999999.0;
    // Check-box pictures (bitmap resources of the module).
    static constexpr int kCheckBitmapOff = IDB_TQ_CHECKBOX_OFF;
    static constexpr int kCheckBitmapOn = IDB_TQ_CHECKBOX_ON;
    // The ten commands of the context menu, selecting entries 1 to 10 (separators not counted).
    static const UINT kMenuCommandIds[10];

    Zk_Spread();
    ~Zk_Spread() override;

    // Creation over the placeholder control placeholderId of dialog: same id, the
    // placeholder's rectangle (relative to the dialog's window rectangle, moved by -5, -20
    // unless exact), then the placeholder is destroyed. False when the window cannot be made.
    bool createFromPlaceholder(CWnd* dialog, int placeholderId, bool exact = false);
    bool isCreated() const { return m_created; }
    int controlId() const { return m_controlId; }

    // Counts (0 while not created).
    int getColCount() const;
    int getRowCount() const;
    bool setColCount(int cols);
    bool setRowCount(int rows);

    // Text of a cell by mode (0 data, 1 formula, 2 tag, 3 value). False, with an empty
    // text, when not created or outside the counts.
    bool readCellText(int col, int row, Zk_String& text, int mode = 3) const;
    bool writeCellText(int col, int row, const Zk_String& text);
    // Sets a formula; the control calculates it at once.
    bool setFormula(int col, int row, const Zk_String& formula);
    // The value (mode 3) the formula would give set into (col, row) of a number cell
    // (asNumber) or a text cell, without setting it. False when it does not parse.
    bool evaluateFormula(int col, int row, const Zk_String& formula, bool asNumber, Zk_String& value);
    // The formula parsed once for (col, row). False when it does not parse.
    bool prepareFormula(int col, int row, const Zk_String& formula, SS_PREPAREDFORMULA& prepared);
    // The value (mode 3) of a prepared formula as evaluateFormula gives it, then set into
    // (destCol, destRow) as writeCellText would set it; written tells whether the cell took
    // it. value stays valid until the next call.
    bool evaluateFormulaToCell(const SS_PREPAREDFORMULA& prepared, bool asNumber, int destCol, int destRow,
                               std::wstring_view& value, bool& written);
    // What the formula would read standing in (col, row) (SSGetFormulaReads). False when it
    // does not parse.
    bool formulaReads(int col, int row, const Zk_String& formula, SS_FORMULAREADS& reads) const;
    // Changes with every change of the sheet's data, formulas or formats and with every load.
    unsigned long long changeStamp() const;
    // Number cells (range kNumberMin..kNumberMax) and plain text cells over a range.
    bool setNumberType(int col, int row, int col2, int row2, int decimals, bool separator = false);
    bool setEditType(int col, int row, int col2, int row2, int maxLength);
    bool loadFromFile(const Zk_String& path);
    // The bytes the last successful loadFromFile came from when the file cache gave them
    // (the same object while the file is unchanged), else null.
    const std::shared_ptr<const std::string>& loadedBytes() const { return m_loadedBytes; }
    bool saveToFile(const Zk_String& path, bool dataOnly = false);
    bool setBoolProperty(int index, bool value);
    bool getBoolProperty(int index) const;
    bool addCustomFunction(const Zk_String& name, int minArgs, int maxArgs, SS_CALCFUNC func, long flags = 0);
    bool recalcCell(int col, int row);
    bool recalcAll();

    // Scans the start row from startCol (at least 1) to the last column, then each
    // following row from column 1, reading mode 3; the first cell equal to (exact) or
    // containing text gives col and row. False for a start row outside 0..rows or no match.
    bool searchText(const Zk_String& text, bool exact, int startCol, int startRow, int& col, int& row) const;
    // Replaces every occurrence of find in the cell's text (mode 3) and writes it back.
    bool replaceInCell(int col, int row, const Zk_String& find, const Zk_String& replacement);

    // The standard look; the editable variant leaves cells open to typing.
    void applyStandardLook(bool editable);
    Zk_String fontName = L"Tahoma";
    int fontSize = 15;

    // Context menu: the entry kinds the owner offers (empty: no menu).
    void setMenuEntries(const Zk_Array<int>& kinds) { m_menuEntries = kinds; }
    const Zk_Array<int>& menuEntries() const { return m_menuEntries; }
    // Index in kinds of the entry a command selects, or -1.
    static int menuEntryOfCommand(const Zk_Array<int>& kinds, UINT commandId);
    // Runs the action of an entry kind; kinds 2, 3, 8 and 9 go to menuActionHandler, else
    // to the default actions set with setDefaultMenuActions.
    void runMenuAction(int kind);
    std::function<void(Zk_Spread&, int kind)> menuActionHandler;
    static void setMenuTracker(Zk_SpreadMenuTracker tracker);
    static void setDefaultMenuActions(Zk_SpreadMenuAction actions);
    // Shows the context menu at a screen point (as a right click does).
    void showContextMenu(POINT screenPoint);

    // Find window: made by the factory on the first F3/F5 (no factory: the keys do nothing).
    static void setFindWindowFactory(Zk_SpreadFindWindowFactory factory);
    Zk_SpreadFindWindow* findWindow() const { return m_findWindow.get(); }
    // As F3 (which 1) or F5 (which 2): opens the find window, or runs its search when open.
    void runFindAction(int which) { handleFindKey(which); }

    // A window belongs to a grid when its class is a spreadsheet control class.
    static bool isSpreadWindow(HWND hwnd);

    // Remembered current cell (refreshed on notifications 59 and 60).
    int currentCol = -1;
    int currentRow = -1;
    void refreshCurrentCell();

    // ---- conveniences of the dialog grids ----
    // Whole-row selection and locked cells (read-only list).
    void setListStyle(bool listStyle = true);
    // Columns share the client width: widths are proportions (>0) or fixed pixels
    // (negative); fixedCol keeps its width and the rest share what is left. Re-applied
    // on every resize.
    void setColumnWidths(const Zk_Array<double>& proportions, int fixedCol = 0);
    void applyColumnWidths();
    // Column widths to their longest text; row-header width and column-header height.
    void fitColumnWidths();
    void fitHeaderSizes();
    // Button and check-box columns (check boxes drawn with pictures 8134/8136).
    bool setButtonColumn(int col, const Zk_String& text);
    bool setCheckBoxColumn(int col);
    // Rows and columns with their formats.
    bool insertRow(int row);      // formats of the row below
    bool deleteRow(int row);
    bool insertCol(int col);      // formats of the column to the right
    bool deleteCol(int col);
    bool moveRow(int from, int to);
    bool moveCol(int from, int to);
    // Grows the row count to at least rows.
    bool growRowCount(int rows);
    // Called after the default size handling (a dialog's pending layout step).
    std::function<void()> onSizeHandler;

    // Window messages (size, right click) reach these handlers directly.
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnDestroy() override;
    // The control's notifications to its parent: 59 and 60 refresh the current cell.
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    bool m_created = false;
    int m_controlId = 0;

private:
    void handleFindKey(int which);
    Zk_String checkPicture(bool on);

    bool m_checkBitmapsLoaded = false;
    Zk_Array<int> m_menuEntries;
    std::unique_ptr<Zk_SpreadFindWindow> m_findWindow;
    Zk_Array<double> m_columnProportions;
    int m_fixedCol = 0;
    std::shared_ptr<const std::string> m_loadedBytes;
    std::wstring m_evaluatedText;  // of the last evaluateFormulaToCell
};
