// CDlgGenVars: the modal dialog in which the user edits the general variables of the
// automatic standards. The drawing variables (name, value, filter) are in the upper
// sheet, the standard variables (name, value, override, filter) in the lower one; each
// sheet has Add, Remove and move up/down buttons and a "..." button column that chooses
// drawings and folders below the library's "Macros\" folder for the row's filter.
// The record is read back from the sheets only on OK.
#pragma once

#include "engine/zk_spread.h"
#include "host/auto_standards_data.h"
#include "host/button_st.h"
#include "host/resizer.h"
#include "mfc/cdialog.h"
#include "res/standards_ids.h"

class CDlgGenVars : public CDialog {
public:
    enum { IDD = IDD_TQ_GEN_VARS };
    // Columns of the two sheets.
    enum {
        kDwgFilterCol = 3,
        kDwgButtonCol = 4,
        kStdFilterCol = 4,
        kStdButtonCol = 5,
    };
    static constexpr int kButtonColWidth = 16;  // pixels

    explicit CDlgGenVars(CWnd* parent = nullptr);
    ~CDlgGenVars() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    // The library's "Macros\" folder, where the filter chooser starts.
    static Zk_String macrosFolder();
    // Paths chosen in the filter chooser made relative to startFolder (case ignored);
    // paths outside it, and the folder itself, are dropped.
    static Zk_StringArray relativeToFolder(const Zk_StringArray& chosen, const Zk_String& startFolder);

    KmAutoStandardsData data;
    CResizer resizer;
    int minWidth = 50;
    int minHeight = 50;
    CButtonST dwgUp, dwgDown, stdUp, stdDown;
    Zk_Spread dwgSheet;
    Zk_Spread stdSheet;

private:
    void setUpSheet(Zk_Spread& sheet, int placeholderId, int colCount, int buttonCol);
    void fillSheet(Zk_Spread& sheet, const Zk_StringArray* columns[], int dataCols, int buttonCol);
    void addRow(Zk_Spread& sheet, int buttonCol);
    void removeRow(Zk_Spread& sheet, int buttonCol);
    void moveRow(Zk_Spread& sheet, int buttonCol, int step);
    void chooseFilter(Zk_Spread& sheet, int filterCol);
    void readSheet(const Zk_Spread& sheet, Zk_StringArray* columns[], int dataCols) const;
    bool m_sized = false;
};
