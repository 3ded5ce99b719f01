#include "macroedit/edit_macro_page.h"

#include "macroedit/dlg_edit_macro.h"
#include "win/window.h"

CEditMacroPage::CEditMacroPage(UINT templateId, CDlgEditMacro& owner)
    : CAcUiTabChildDialog(templateId, nullptr), m_owner(owner) {}

EditConstrData& CEditMacroPage::data() const { return m_owner.data(); }

BOOL CEditMacroPage::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE &&
        (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        switch (escapeRule()) {
        case EscapeRule::Close: break;  // the dialog keys send the editor its Cancel
        case EscapeRule::PassOn:
            ::TranslateMessage(msg);
            ::DispatchMessageW(msg);
            return TRUE;
        case EscapeRule::Swallow: return TRUE;
        }
    }
    return CAcUiTabChildDialog::PreTranslateMessage(msg);
}
