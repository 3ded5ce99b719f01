#include "host/section_library.h"

#include "host/files.h"
#include "host/list_utils.h"
#include "host/settings.h"
#include "host/texts.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "win/msgbox.h"
#include "win/window.h"

Zk_String SectionGroupArray::getName(int index) const {
    return isValidIndex(index) ? m_groups[index].name : Zk_String();
}

bool SectionGroupArray::getEnabled(int index) const { return isValidIndex(index) && m_groups[index].enabled; }

bool SectionGroupArray::setEnabled(int index, bool enabled) {
    if (!isValidIndex(index)) return false;
    m_groups[index].enabled = enabled;
    return true;
}

Zk_String SectionGroupArray::getImage(int index) const {
    return isValidIndex(index) ? m_groups[index].image : Zk_String();
}

bool SectionGroupArray::setImage(int index, const Zk_String& image) {
    if (!isValidIndex(index)) return false;
    m_groups[index].image = image;
    return true;
}

Zk_StringArray SectionGroupArray::getLangs(int index) const {
    return isValidIndex(index) ? m_groups[index].langs : Zk_StringArray();
}

bool SectionGroupArray::setLangs(int index, const Zk_StringArray& langs) {
    if (!isValidIndex(index)) return false;
    m_groups[index].langs = langs;
    return true;
}

int SectionGroupArray::appendNewGrp() {
    const Zk_StringArray names = namesOfAllGroups();
    Zk_String name;
    for (int n = 1; name.isEmpty() || names.contains(name, true); ++n) name = Zk_String(L"Group ") + Zk_String(n);
    Zk_StringArray langs;
    for (int i = 0; i < gMacroLangs.GetNrLanguages(); ++i) langs.append(name);
    return append(name, true, Zk_String(), langs);
}

int SectionGroupArray::append(const Zk_String& name, bool enabled, const Zk_String& image,
                              const Zk_StringArray& langs) {
    return m_groups.append(Group{name, enabled, image, langs});
}

bool SectionGroupArray::removeAt(int index) { return m_groups.removeAt(index); }

bool SectionGroupArray::swap(int a, int b) {
    if (!isValidIndex(a) || !isValidIndex(b)) return false;
    std::swap(m_groups[a], m_groups[b]);
    return true;
}

Zk_StringArray SectionGroupArray::namesOfAllGroups() const {
    Zk_StringArray names;
    for (const Group& group : m_groups) names.append(group.name);
    return names;
}

void DlgEditLibData::GetAvailableFiles() {
    const Zk_String lib = addBackslash(gSettings.libDir);
    tableNames.clear();
    Zk_StringArray files;
    if (ObjectExportFindFiles(lib + Zk_String(L"prof\\"), Zk_String(L"*.pr"), files, false))
        for (const Zk_String& file : files) tableNames.append(getFileTitle(file));
    userSections.clear();
    ObjectExportFindFiles(lib + Zk_String(L"User Sections\\"), Zk_String(L"*.dwg"), userSections, false);
    pictureFiles.clear();
    ObjectExportFindFiles(addBackslash(gSettings.zkDir) + Zk_String(L"icons\\"), Zk_String(L"*.bmp"), pictureFiles,
                          false);
}

namespace {

void registerSelectProfTemplate() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    mfc::DialogTemplate t;
    t.caption = L"Select section";
    t.cx = 240;
    t.cy = 56;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.edit(IDC_SELECT_PROF_PATH, 7, 7, 226, 14)
        .defPushButton(1, L"OK", 129, 35, 50, 14)
        .pushButton(2, L"Cancel", 183, 35, 50, 14);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), IDD_HOST_SELECT_PROF, t);
}

class CDlgSelectProf : public CDialog {
public:
    CDlgSelectProf() : CDialog(IDD_HOST_SELECT_PROF) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_SELECT_PROF_PATH, path.c_str());
        return TRUE;
    }
    void OnOK() override {
        CString typed;
        GetDlgItemText(IDC_SELECT_PROF_PATH, typed);
        path = Zk_String(typed.GetString()).trimmed();
        if (!path.isEmpty() && !isAbsolutePath(path)) path = addBackslash(gSettings.libDir) + path;
        EndDialog(IDOK);
    }
    Zk_String path;
};

}  // namespace

bool DlgSelectProf(const Zk_String& initialName, Zk_String& chosenPath) {
    registerSelectProfTemplate();
    CDlgSelectProf dlg;
    dlg.path = initialName;
    if (dlg.DoModal() != IDOK || dlg.path.isEmpty()) return false;
    chosenPath = dlg.path;
    return true;
}
