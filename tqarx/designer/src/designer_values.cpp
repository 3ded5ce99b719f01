// Values of the panel's controls, combo filling and the flex buttons.
#include "designer/zk_dlg_designer_data.h"

#include "designer/control_tracker.h"
#include "designer/designer_texts.h"
#include "host/files.h"
#include "host/settings.h"
#include "host/texts.h"
#include "win/window.h"

namespace {

Zk_String windowText(HWND wnd) {
    const int length = ::GetWindowTextLengthW(wnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(wnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
    return Zk_String(text);
}

void setButtonKind(HWND button, DWORD kind) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(button, GWL_STYLE));
    ::SendMessageW(button, BM_SETSTYLE, (style & 0xFFF0u) | kind, TRUE);
}

// A relative item-file path is taken below the product library folder.
Zk_String itemFilePath(const Zk_String& path) {
    if (path.isEmpty() || isAbsolutePath(path)) return path;
    return joinPath(gSettings.libDir, path);
}

}  // namespace

bool Zk_DlgDesignerData::getCtrlValue(int resId, Zk_String& value) const {
    HWND wnd = ctrlWnd(resId);
    int type = -1;
    if (!wnd || !getDynControlType(resId, type)) return false;
    if (type == zkCtrlCheckBox) return getCheckValue(resId, value);
    if (type == zkCtrlFixedChoice) return getComboValue(resId, value);
    value = windowText(wnd);
    return true;
}

bool Zk_DlgDesignerData::setCtrlValue(int resId, const Zk_String& value) {
    HWND wnd = ctrlWnd(resId);
    int type = -1;
    if (!wnd || !getDynControlType(resId, type)) return false;
    if (type == zkCtrlExtListButton1 || type == zkCtrlExtListButton2) return true;
    if (type == zkCtrlCheckBox) return setCheckValue(resId, value);
    if (type == zkCtrlFixedChoice) return setComboValue(resId, value);
    ::SetWindowTextW(wnd, value.c_str());
    return true;
}

bool Zk_DlgDesignerData::getCheckValue(int resId, Zk_String& value) const {
    HWND wnd = ctrlWnd(resId);
    if (!wnd) return false;
    const LRESULT check = ::SendMessageW(wnd, BM_GETCHECK, 0, 0);
    if (check == static_cast<LRESULT>(BST_INDETERMINATE)) value = dialString(kKeepMarkerText);
    else value = check == static_cast<LRESULT>(BST_CHECKED) ? L"1" : L"0";
    return true;
}

bool Zk_DlgDesignerData::setCheckValue(int resId, const Zk_String& value) {
    HWND wnd = ctrlWnd(resId);
    if (!wnd) return false;
    if (value == dialString(kKeepMarkerText)) {
        setButtonKind(wnd, BS_AUTO3STATE);
        ::SendMessageW(wnd, BM_SETCHECK, BST_INDETERMINATE, 0);
    } else {
        setButtonKind(wnd, BS_AUTOCHECKBOX);
        ::SendMessageW(wnd, BM_SETCHECK, value.toDouble() > 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return true;
}

bool Zk_DlgDesignerData::getComboValue(int resId, Zk_String& value) const {
    HWND wnd = ctrlWnd(resId);
    int type = -1;
    if (!wnd || !getDynControlType(resId, type) || type != zkCtrlFixedChoice) return false;
    value = Zk_String(static_cast<int>(::SendMessageW(wnd, CB_GETCURSEL, 0, 0)));
    return true;
}

bool Zk_DlgDesignerData::setComboValue(int resId, const Zk_String& value) {
    HWND wnd = ctrlWnd(resId);
    int type = -1;
    if (!wnd || !getDynControlType(resId, type) || type != zkCtrlFixedChoice) return false;
    ::SendMessageW(wnd, CB_SETCURSEL, static_cast<WPARAM>(value.toInt()), 0);
    return true;
}

bool Zk_DlgDesignerData::setCtrlReadOnly(int resId, bool readOnly) {
    HWND wnd = ctrlWnd(resId);
    int type = -1;
    if (!wnd || !getDynControlType(resId, type)) return false;
    if (type != zkCtrlValue && type != zkCtrlItemFileCombo) return false;
    if ((::IsWindowEnabled(wnd) != FALSE) == readOnly) ::EnableWindow(wnd, readOnly ? FALSE : TRUE);
    return true;
}

bool Zk_DlgDesignerData::FillDesCombo(CWnd* dialog, const Zk_DesignerControl& control) {
    if (!dialog || !dialog->GetSafeHwnd()) return false;
    HWND combo = ::GetDlgItem(dialog->GetSafeHwnd(), control.resId);
    if (!combo) return false;
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    auto add = [&](const Zk_String& text) {
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    };
    if (control.type == zkCtrlFixedChoice) {
        for (int nr : {1395, 1396, 1397, 1398, kKeepMarkerText}) add(dialString(nr));
        return true;
    }
    Zk_StringArray items = control.comboItems;
    if (items.isEmpty()) {
        const Zk_String path = itemFilePath(control.comboList);
        Zk_StringArray lines;
        if (!path.isEmpty() && fileExists(path) && ObjectExportReadFile(path, lines))
            for (const Zk_String& line : lines)
                if (!line.trimmed().isEmpty()) items.append(line);
    }
    for (const Zk_String& item : items) add(item);
    const LRESULT found = ::SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(control.contents.c_str()));
    if (found != CB_ERR) ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    else ::SetWindowTextW(combo, control.contents.c_str());
    return true;
}

bool Zk_DlgDesignerData::setBtnIcon(const Zk_DesignerControl& control, HICON iconHandle) {
    HWND wnd = ctrlWnd(control.resId);
    if (!wnd || !iconHandle) return false;
    ::SendMessageW(wnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(iconHandle));
    return true;
}

// ---- flex buttons ----

bool Zk_DlgDesignerData::getFlexBtnsGroups(Zk_StringArray& groups) const {
    groups.removeAll();
    for (const Zk_DesignerControl& c : controls)
        if (c.type == zkCtrlFlexButton) groups.appendUnique(c.flexGroup);
    return true;
}

bool Zk_DlgDesignerData::getFlexBtnsInGroup(const Zk_String& group, Zk_Array<int>& all,
                                            Zk_Array<int>& withPart3) const {
    all.removeAll();
    withPart3.removeAll();
    if (group.isEmpty()) return true;
    for (int i = 0; i < controls.length(); ++i) {
        const Zk_DesignerControl& c = controls[i];
        if (c.type != zkCtrlFlexButton || c.flexGroup != group) continue;
        all.append(i);
        if (!c.flexPart3.isEmpty()) withPart3.append(i);
    }
    return true;
}

bool Zk_DlgDesignerData::findFlexButton(const Zk_String& group, const Zk_String& contents, int& index) const {
    Zk_Array<int> all, withPart3;
    getFlexBtnsInGroup(group, all, withPart3);
    for (int i : all)
        if (controls[i].contents == contents) {
            index = i;
            return true;
        }
    return false;
}

bool Zk_DlgDesignerData::getAllFlexVarsOfGroup(const Zk_String& group, Zk_StringArray& names) const {
    names.removeAll();
    Zk_Array<int> all, withPart3;
    getFlexBtnsInGroup(group, all, withPart3);
    for (int i : all) names.append(controls[i].contents);
    return true;
}

bool Zk_DlgDesignerData::getFlexBtnGroupName(int resId, Zk_String& group, Zk_String& contents) const {
    int index = -1;
    if (!findCtrlFromResource(resId, index) || controls[index].type != zkCtrlFlexButton) return false;
    group = controls[index].flexGroup;
    contents = controls[index].contents;
    return true;
}

bool Zk_DlgDesignerData::getSetFlexBtnStatus(bool set, int index, int& status) {
    if (!controls.isValidIndex(index) || controls[index].type != zkCtrlFlexButton) return false;
    HWND wnd = ctrlWnd(controls[index].resId);
    if (!wnd) return false;
    if (set) {
        if (status == 2) status = 0;
        ::SendMessageW(wnd, BM_SETCHECK, status == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    } else {
        status = ::SendMessageW(wnd, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(BST_CHECKED) ? 1 : 0;
    }
    return true;
}

bool Zk_DlgDesignerData::getFlexBtnStatus(int index, int& status) const {
    return const_cast<Zk_DlgDesignerData*>(this)->getSetFlexBtnStatus(false, index, status);
}

bool Zk_DlgDesignerData::setFlexBtnStatus(const Zk_String& group, const Zk_String& contents, int status) {
    int index = -1;
    return findFlexButton(group, contents, index) && getSetFlexBtnStatus(true, index, status);
}

bool Zk_DlgDesignerData::hideAllFlexBtns(const Zk_String& group) {
    Zk_Array<int> all, withPart3;
    if (!getFlexBtnsInGroup(group, all, withPart3)) return false;
    for (int i : all)
        if (HWND wnd = ctrlWnd(controls[i].resId)) ::ShowWindow(wnd, SW_HIDE);
    return true;
}
