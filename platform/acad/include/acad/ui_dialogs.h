// The CAD host's dialog bases. BeginEditorCommand hides the dialog and hands the drawing
// to the user for a pick; CompleteEditorCommand shows it again (CancelEditorCommand too).
// The calls are counted so tests can see a dialog stepped aside.
#pragma once

#include "mfc/cdialog.h"

class CAdUiBaseDialog : public CDialog {
public:
    CAdUiBaseDialog() = default;
    explicit CAdUiBaseDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr);
    void SetDialogName(LPCWSTR name) { m_dialogName = name; }
    const CString& GetDialogName() const { return m_dialogName; }
    void SetPersistency(BOOL persist) { m_persist = persist != 0; }
    HINSTANCE m_hDialogResource = nullptr;

private:
    CString m_dialogName;
    bool m_persist = false;
};

class CAcUiDialog : public CAdUiBaseDialog {
public:
    CAcUiDialog() = default;
    explicit CAcUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr)
        : CAdUiBaseDialog(templateId, parent, resources) {}
    BOOL BeginEditorCommand();
    void CompleteEditorCommand(BOOL restoreDialogs = TRUE);
    void CancelEditorCommand();
    bool inEditorCommand() const { return m_inEditor; }
    int editorCommandCount() const { return m_editorCount; }

private:
    bool m_inEditor = false;
    bool m_wasVisible = false;
    int m_editorCount = 0;
};

class CAcUiTabMainDialog : public CAcUiDialog {
public:
    CAcUiTabMainDialog() = default;
    explicit CAcUiTabMainDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr)
        : CAcUiDialog(templateId, parent, resources) {}
};

class CAcUiTabChildDialog : public CAcUiDialog {
public:
    CAcUiTabChildDialog() = default;
    explicit CAcUiTabChildDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr)
        : CAcUiDialog(templateId, parent, resources) {}
};
