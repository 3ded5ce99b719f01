// DlgTqAsTool: owns a hidden modeless window (CDlgTqAsTool, parented to the CAD host's
// main window) that carries one spreadsheet; the bill output writes its bills into it.
// The window is made on first use and destroyed with the owner.
#pragma once

#include "engine/zk_spread.h"
#include "mfc/cdialog.h"
#include "res/sheeteditor_ids.h"

class CDlgTqAsTool : public CDialog {
public:
    enum { IDD = IDD_TQ_AS_TOOL, IDC_PLACEHOLDER = IDC_AS_TOOL_SHEET };

    explicit CDlgTqAsTool(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

    Zk_Spread sheet;
};

class DlgTqAsTool {
public:
    DlgTqAsTool() = default;
    virtual ~DlgTqAsTool();
    DlgTqAsTool(const DlgTqAsTool&) = delete;
    DlgTqAsTool& operator=(const DlgTqAsTool&) = delete;

    // Makes the window (once); false when it cannot be made.
    bool init();
    // The window's spreadsheet once made, else null.
    Zk_Spread* get();
    bool isCreated() const { return m_created; }
    CDlgTqAsTool* dialog() const { return m_dialog; }

private:
    bool m_created = false;
    CDlgTqAsTool* m_dialog = nullptr;
};
