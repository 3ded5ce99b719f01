// CDlgMacro: the property window of placed macros, on dialog resource 8131. Opened
// modal (StartDlgMacro) or modeless under a registry index (StartDlgMacroModeless).
// This window shows the macro data's caption and one tab per tab record; the busy flag
// tells the registry that a change is being applied, so a close must wait.
#pragma once

#include "host/macro_model.h"
#include "mfc/cdialog.h"

class CDlgMacro : public CDialog {
public:
    enum { IDD = 8131 };

    explicit CDlgMacro(CWnd* parent = nullptr);
    ~CDlgMacro() override;

    MacroData& macroData() { return m_macroData; }
    const MacroData& macroData() const { return m_macroData; }

    // Registry index of a modeless dialog; -1 for a modal one.
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }

    // Called with the registry index when the user closes a modeless dialog; the
    // handler ends it (the registry installs it).
    using CloseHandler = void (*)(int index);
    static void setModelessCloseHandler(CloseHandler handler);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;

    MacroData m_macroData;

private:
    void closeModeless();

    int m_index = -1;
    bool m_busy = false;
};
