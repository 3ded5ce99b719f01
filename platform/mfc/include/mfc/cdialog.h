// CDialog: modal and modeless dialogs built from the templates of dialog_template.h.
//
// DoModal creates the dialog, sends WM_INITDIALOG and hands the dialog to the modal hook (the
// scripted user of tests), which acts on it until it ends. Without a hook the dialog ends at
// once with IDCANCEL and a note "[caption] no user to answer the dialog; cancelled" on
// standard error.
#pragma once

#include "mfc/cwnd.h"

class CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCWSTR templateName, CWnd* parent = nullptr);  // "#id" only
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Modeless: creates the window (shown only when the template says WS_VISIBLE).
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                void* context = nullptr) override;
    void EndDialog(int result);

    virtual BOOL OnInitDialog();  // runs UpdateData(FALSE); TRUE sets the focus to the first control
    virtual void OnOK();          // UpdateData(TRUE), then EndDialog(IDOK) when it succeeded
    virtual void OnCancel();      // EndDialog(IDCANCEL)
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;  // the dialog keys: Enter, Escape, Tab
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void MapDialogRect(RECT* rect) const;
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;

    UINT m_nIDHelp = 0;
    UINT m_lpszTemplateName = 0;  // the template's resource id
    CWnd* m_pParentWnd = nullptr;

    bool isModal() const { return m_modal; }
    bool hasEnded() const { return m_ended; }
    int modalResult() const { return m_result; }
    UINT templateId() const { return m_lpszTemplateName; }

private:
    bool m_modal = false;
    bool m_ended = false;
    int m_result = -1;
    UINT m_defId = 1;
};

namespace mfc {
// Called by DoModal once the dialog is initialised and shown; returns when the dialog has
// ended or the hook gives up (the dialog then ends with IDCANCEL).
using ModalHook = void (*)(CDialog& dlg, void* context);
void SetModalHook(ModalHook hook, void* context);
ModalHook GetModalHook();
// The dialogs now inside DoModal, outermost first.
int ModalDepth();
CDialog* ModalDialogAt(int index);
}  // namespace mfc
