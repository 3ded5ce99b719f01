#include "acad/ui_dialogs.h"

#include "acad/main_window.h"
#include "win/window.h"

CAdUiBaseDialog::CAdUiBaseDialog(UINT templateId, CWnd* parent, HINSTANCE resources)
    : CDialog(templateId, parent), m_hDialogResource(resources) {}

BOOL CAcUiDialog::BeginEditorCommand() {
    if (m_inEditor) return FALSE;
    m_inEditor = true;
    ++m_editorCount;
    m_wasVisible = m_hWnd && IsWindowVisible();
    if (m_hWnd) ShowWindow(SW_HIDE);
    if (HWND frame = adsw_acadMainWnd()) ::SetFocus(frame);
    return TRUE;
}

void CAcUiDialog::CompleteEditorCommand(BOOL restoreDialogs) {
    if (!m_inEditor) return;
    m_inEditor = false;
    if (m_hWnd && restoreDialogs && m_wasVisible) {
        ShowWindow(SW_SHOW);
        SetFocus();
    }
}

void CAcUiDialog::CancelEditorCommand() { CompleteEditorCommand(TRUE); }
