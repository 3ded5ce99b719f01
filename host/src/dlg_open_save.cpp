#include "host/dlg_open_save.h"

#include "host/files.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

void registerTemplate() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    mfc::DialogTemplate t;
    t.caption = L"Open";
    t.cx = 260;
    t.cy = 70;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.label(IDC_OPEN_SAVE_FOLDER, L"", 7, 7, 246, 10)
        .label(IDC_OPEN_SAVE_FILTER, L"", 7, 19, 246, 10)
        .edit(IDC_OPEN_SAVE_PATH, 7, 32, 246, 14, 0x80 /* ES_AUTOHSCROLL */)
        .defPushButton(1, L"OK", 149, 51, 50, 14)
        .pushButton(2, L"Cancel", 203, 51, 50, 14);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), IDD_HOST_OPEN_SAVE, t);
}

class CDlgHostOpenSave : public CDialog {
public:
    CDlgHostOpenSave() : CDialog(IDD_HOST_OPEN_SAVE) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(title.c_str());
        SetDlgItemText(IDC_OPEN_SAVE_FOLDER, startFolder.c_str());
        SetDlgItemText(IDC_OPEN_SAVE_FILTER, filter.c_str());
        SetDlgItemText(IDC_OPEN_SAVE_PATH, preset.c_str());
        SetDlgItemText(1, openMode ? L"Open" : L"Save");
        return TRUE;
    }

    void OnOK() override {
        CString typed;
        GetDlgItemText(IDC_OPEN_SAVE_PATH, typed);
        Zk_String path = Zk_String(typed.GetString()).trimmed();
        if (path.isEmpty()) {
            MessageBox(L"Please enter a file name.", title.c_str(), MB_OK | MB_ICONWARNING);
            return;
        }
        if (!isAbsolutePath(path)) path = joinPath(startFolder, path);
        if (!openMode && !extension.isEmpty() && !hasFileExtension(path, extension))
            path = path + L"." + extension;
        if (openMode && !fileExists(path) && !extension.isEmpty() && !hasFileExtension(path, extension) &&
            fileExists(path + L"." + extension))
            path = path + L"." + extension;
        if (openMode && !fileExists(path)) {
            const Zk_String text = Zk_String(L"The file does not exist:\n") + path;
            MessageBox(text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
            return;
        }
        result = path;
        EndDialog(IDOK);
    }

    bool openMode = true;
    Zk_String extension, filter, title, startFolder, preset, result;
};

}  // namespace

bool DlgOpenSave(bool openMode, const Zk_String& extension, const Zk_String& filter, const Zk_String& title,
                 const Zk_String& startFolder, Zk_String& chosen) {
    registerTemplate();
    CDlgHostOpenSave dlg;
    dlg.openMode = openMode;
    dlg.extension = extension;
    dlg.filter = filter;
    dlg.title = title;
    dlg.startFolder = startFolder;
    dlg.preset = getFileName(chosen);
    if (dlg.DoModal() != IDOK) return false;
    chosen = dlg.result;
    return true;
}
