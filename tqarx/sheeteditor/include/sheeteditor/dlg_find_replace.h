// CDlgFindReplace: the always-on-top, modeless find and replace window of a spreadsheet
// window. Find next searches row by row from the active cell to the end of the sheet and
// offers to go on from the top; Replace replaces the found stretch of the active cell;
// Replace all replaces in every cell that holds the find text and reports the count.
// While it is open, Tab moves between the sheet's cells (the sheet's boolean setting 13).
//
// A spreadsheet window opens it on F3 or F5 (see registerSheetEditorWithSpreadsheets in
// sheeteditor/sheet_editor.h); it can also be made directly:
//   auto* dlg = new CDlgFindReplace(parent);
//   dlg->sheet = grid.GetSafeHwnd();
//   dlg->Create(CDlgFindReplace::IDD, parent);
//   dlg->ShowWindow(SW_SHOW);
#pragma once

#include <functional>

#include "host/zk_string.h"
#include "mfc/cdialog.h"
#include "res/sheeteditor_ids.h"

class CDlgFindReplace : public CDialog {
public:
    enum { IDD = IDD_TQ_FIND_REPLACE };
    // The sheet's boolean settings the window changes while it is open.
    static constexpr int kTabSetting = 13;
    static constexpr int kColHeaderSetting = 20;
    static constexpr const wchar_t* kSizeKey = L"DLG_FINDREPLACE";

    explicit CDlgFindReplace(CWnd* parent = nullptr);
    ~CDlgFindReplace() override;

    // The spreadsheet window searched (given by the caller before Create).
    HWND sheet = nullptr;
    // Called when the window has closed (the sheet forgets it).
    std::function<void()> onClosed;

    // The three actions, as the buttons and the keys F3 and F5 run them.
    void findNext(bool askToWrap = true);
    void replace();
    // Returns the number of cells changed.
    int replaceAll();

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnCancel() override;
    void OnClose() override;
    void OnOK() override;

    bool tabSettingWasOn() const { return m_tabWasOn; }

private:
    Zk_String findText() const;
    Zk_String replacementText() const;
    bool selectMatch(int col, int row, const Zk_String& what);
    void closeWindow();

    bool m_tabWasOn = false;
    bool m_closing = false;
};
