#include "host/dlg_open_multi.h"

#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

constexpr DWORD kMultiLineEdit = 0x0004 /* ES_MULTILINE */ | 0x1000 /* ES_WANTRETURN */;

void registerTemplate() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    mfc::DialogTemplate t;
    t.caption = L"Open";
    t.cx = 260;
    t.cy = 150;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.label(IDC_OPEN_MULTI_FOLDER, L"", 7, 7, 246, 10)
        .label(IDC_OPEN_MULTI_FILTER, L"", 7, 19, 246, 10)
        .edit(IDC_OPEN_MULTI_PATHS, 7, 32, 246, 90, kMultiLineEdit)
        .defPushButton(1, L"Open", 149, 129, 50, 14)
        .pushButton(2, L"Cancel", 203, 129, 50, 14);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), IDD_HOST_OPEN_MULTI, t);
}

bool isAbsolute(const Zk_String& path) {
    return (path.length() >= 2 && path[1] == L':') || path.startsWith(Zk_String(L"\\")) ||
           path.startsWith(Zk_String(L"/"));
}

class CDlgOpenMulti : public CDialog {
public:
    CDlgOpenMulti() : CDialog(IDD_HOST_OPEN_MULTI) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(title.c_str());
        SetDlgItemText(IDC_OPEN_MULTI_FOLDER, startFolder.c_str());
        Zk_String filter = filterName;
        filter += L" (*.";
        filter += extension;
        filter += L")";
        if (allowFolders) filter += L" and folders";
        SetDlgItemText(IDC_OPEN_MULTI_FILTER, filter.c_str());
        return TRUE;
    }

    void OnOK() override {
        CString typed;
        GetDlgItemText(IDC_OPEN_MULTI_PATHS, typed);
        paths.removeAll();
        Zk_String current;
        const Zk_String text(typed.GetString());
        for (int i = 0; i <= text.length(); ++i) {
            const wchar_t ch = i < text.length() ? text[i] : L'\n';
            if (ch == L'\n' || ch == L'\r' || ch == L';') {
                const Zk_String path = current.trimmed();
                current.clear();
                if (path.isEmpty()) continue;
                if (isAbsolute(path)) {
                    paths.append(path);
                } else {
                    Zk_String full = startFolder;
                    if (!full.isEmpty() && !full.endsWith(Zk_String(L"\\"))) full += L"\\";
                    full += path;
                    paths.append(full);
                }
                continue;
            }
            current += ch;
        }
        EndDialog(IDOK);
    }

    bool allowFolders = false;
    Zk_String extension, filterName, title, startFolder;
    Zk_StringArray paths;
};

}  // namespace

bool DlgOpenMulti(bool allowFolders, const Zk_String& extension, const Zk_String& filterName,
                  const Zk_String& title, const Zk_String& startFolder, Zk_StringArray& chosen) {
    registerTemplate();
    CDlgOpenMulti dlg;
    dlg.allowFolders = allowFolders;
    dlg.extension = extension;
    dlg.filterName = filterName;
    dlg.title = title;
    dlg.startFolder = startFolder;
    if (dlg.DoModal() != IDOK)
        return false;
    chosen = dlg.paths;
    return true;
}
