#include "sheet_editor_calls.h"

#include "engine/zk_spread.h"
#include "host/texts.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "win/msgbox.h"
#include "win/window.h"

void sectionSheetFindReplace(Zk_Spread& sheet) { sheet.runFindAction(1); }

bool sectionSheetOptions(CWnd* /*parent*/, Zk_Spread& /*sheet*/) {
    // The sheet options editor is not part of the module yet: nothing to change.
    return false;
}

namespace {

constexpr UINT kPromptTemplate = 8717;
constexpr int kPromptLabel = 1001;
constexpr int kPromptEdit = 1002;

// A plain one-line prompt until the spreadsheet editor's prompt is available.
class CDlgSectionPrompt : public CDialog {
public:
    CDlgSectionPrompt() : CDialog(kPromptTemplate) {
        mfc::DialogTemplate t;
        t.caption = L"Prompt";
        t.cx = 220;
        t.cy = 64;
        t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        t.label(kPromptLabel, L"", 7, 7, 206, 10)
            .edit(kPromptEdit, 7, 20, 206, 14)
            .defPushButton(1, L"OK", 109, 43, 50, 14)
            .pushButton(2, L"Cancel", 163, 43, 50, 14);
        mfc::RegisterDialogTemplate(AfxGetResourceHandle(), kPromptTemplate, t);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(title.c_str());
        SetDlgItemText(kPromptLabel, prompt.c_str());
        SetDlgItemText(kPromptEdit, value.c_str());
        SetDlgItemText(IDOK, dialString(1).c_str());
        SetDlgItemText(IDCANCEL, dialString(2).c_str());
        return TRUE;
    }
    void OnOK() override {
        CString text;
        GetDlgItemText(kPromptEdit, text);
        value = Zk_String(text.GetString());
        EndDialog(IDOK);
    }
    Zk_String title, prompt, value;
};

}  // namespace

bool sectionPromptString(CWnd* /*parent*/, const Zk_String& title, const Zk_String& prompt, Zk_String& value) {
    CDlgSectionPrompt dlg;
    dlg.title = title;
    dlg.prompt = prompt;
    dlg.value = value;
    if (dlg.DoModal() != IDOK) return false;
    value = dlg.value;
    return true;
}
