// CDlgTqOptions: the modal dialog in which the user sets a sheet's number of columns and
// rows, its header sizes and its header texts (edited in two preview sheets, one for
// the column headers and one for the row headers). editSheetOptions runs it on a sheet
// and applies what the user confirmed.
//
//   editSheetOptions(&grid);   // true when the user pressed OK
#pragma once

#include "engine/zk_spread.h"
#include "host/zk_array.h"
#include "host/zk_string.h"
#include "mfc/cdialog.h"
#include "res/sheeteditor_ids.h"

class CDlgTqOptions : public CDialog {
public:
    enum { IDD = IDD_TQ_OPTIONS };
    // The sheet's boolean setting switched on once the options are applied (changed).
    static constexpr int kChangedSetting = 30;

    explicit CDlgTqOptions(CWnd* parent = nullptr);

    // In: the sheet's header texts; out (on OK): the edited ones.
    Zk_StringArray colHeaders;
    Zk_StringArray rowHeaders;
    Zk_StringArray editedColHeaders;
    Zk_StringArray editedRowHeaders;
    // In and out.
    int colCount = 0;
    int rowCount = 0;
    int colHeaderHeight = 0;  // pixels
    int rowHeaderWidth = 0;   // pixels

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

    Zk_Spread colSheet;  // control 1025: one row, a column per sheet column
    Zk_Spread rowSheet;  // control 1002: one column, a row per sheet row

private:
    void buildColSheet();
    void buildRowSheet();
    void saveColTexts();
    void saveRowTexts();
    int numberOf(int editId) const;
    bool m_ready = false;
};

// Runs CDlgTqOptions on the sheet's present geometry and, on OK, applies the counts,
// header sizes and header texts. False when the sheet is null or the user cancelled.
bool editSheetOptions(Zk_Spread* sheet, CWnd* parent = nullptr);
