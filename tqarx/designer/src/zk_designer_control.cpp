#include "designer/zk_designer_control.h"

#include "host/list_utils.h"
#include "host/properties_list.h"
#include "mfc/controls.h"
#include "win/window.h"

namespace {
constexpr DWORD kCentred = 0x0300;  // BS_CENTER
constexpr DWORD kEditableDropDown = WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
constexpr DWORD kDropDownList = WS_VSCROLL | CBS_DROPDOWNLIST;

Zk_String piece(const Zk_StringArray& pieces, int index) {
    return pieces.isValidIndex(index) ? pieces[index] : Zk_String();
}
Zk_String key(const wchar_t* name, int number) { return Zk_String(name) + Zk_String(number); }
}  // namespace

Zk_WndClass controlWndClass(int type) {
    switch (type) {
    case 1: case 6: case 12: case 14: case 17: case 24: case 25: case 26: case 29: case 30:
        return Zk_WndClass::Button;
    case 2: case 4: case 5: case 8: case 9: case 10: case 11:
    case 18: case 19: case 20: case 21: case 22: case 23:
        return Zk_WndClass::Edit;
    case 3: case 7: case 13: case 15: case 16: case 27: case 28:
        return Zk_WndClass::ComboBox;
    default:
        return Zk_WndClass::Static;
    }
}

const wchar_t* wndClassName(Zk_WndClass cls) {
    switch (cls) {
    case Zk_WndClass::Button: return L"BUTTON";
    case Zk_WndClass::Edit: return L"EDIT";
    case Zk_WndClass::ListBox: return L"LISTBOX";
    case Zk_WndClass::ComboBox: return L"COMBOBOX";
    case Zk_WndClass::ScrollBar: return L"SCROLLBAR";
    default: return L"STATIC";
    }
}

DWORD controlStyle(int type) {
    DWORD own = 0;
    switch (type) {
    case 1: own = BS_GROUPBOX; break;
    case 2: case 8: case 9: case 10: case 11:
    case 18: case 19: case 20: case 21: case 22: case 23:
        own = ES_AUTOHSCROLL; break;
    case 3: case 16: own = kEditableDropDown; break;
    case 4: case 5: own = ES_MULTILINE | ES_AUTOVSCROLL; break;
    case 6: case 12: case 14: case 17: case 24: case 25: case 26: own = BS_PUSHBUTTON; break;
    case 7: case 13: case 15: case 27: case 28: own = kDropDownList; break;
    case 29: own = BS_AUTOCHECKBOX; break;
    case 30: own = BS_PUSHLIKE | kCentred | BS_ICON | BS_AUTOCHECKBOX; break;
    default: break;
    }
    return WS_CHILD | WS_VISIBLE | own;
}

DWORD controlExStyle(int type) { return controlWndClass(type) == Zk_WndClass::Edit ? WS_EX_CLIENTEDGE : 0; }

bool isComboType(int type) { return controlWndClass(type) == Zk_WndClass::ComboBox; }

bool isItemFileType(int type) {
    return type == 3 || type == 7 || type == 13 || type == 15 || type == 16 || type == 27;
}

bool isEditClassType(int type) { return controlWndClass(type) == Zk_WndClass::Edit; }

Zk_String Zk_DesignerControl::getMergedExtComboList() const {
    if (type == zkCtrlFlexButton)
        return flexGroup + L";" + flexPart2 + L";" + flexPart3 + L";" + flexPart4;
    if (type == zkCtrlExtListButton1 || type == zkCtrlExtListButton2)
        return listPart1 + L";" + listPart2 + L";" + listPart3 + L";" + listPart4 + L";" + comboList;
    return comboList;
}

bool Zk_DesignerControl::setSplitExtComboList(const Zk_String& merged) {
    if (type == zkCtrlFlexButton) {
        const Zk_StringArray pieces = strToArr(merged, L";", false);
        flexGroup = piece(pieces, 0);
        flexPart2 = piece(pieces, 1);
        flexPart3 = piece(pieces, 2);
        flexPart4 = piece(pieces, 3);
    } else if (type == zkCtrlExtListButton1 || type == zkCtrlExtListButton2) {
        const Zk_StringArray pieces = strToArr(merged, L";", false);
        listPart1 = piece(pieces, 0);
        listPart2 = piece(pieces, 1);
        listPart3 = piece(pieces, 2);
        listPart4 = piece(pieces, 3);
        comboList = piece(pieces, 4);
    } else {
        comboList = merged;
        listPart2.clear();
    }
    return true;
}

void Zk_DesignerControl::getFromPropList(const Zk_PropertiesList& list, int number) {
    int t = type;
    if (list.getProperty(key(L"type", number), t)) type = static_cast<Zk_ControlType>(t);
    list.getProperty(key(L"topLeftX", number), topLeftX);
    list.getProperty(key(L"topLeftY", number), topLeftY);
    list.getProperty(key(L"bottomRightX", number), bottomRightX);
    list.getProperty(key(L"bottomRightY", number), bottomRightY);
    list.getProperty(key(L"contents", number), contents);
    Zk_String merged;
    if (list.getProperty(key(L"comboList", number), merged)) setSplitExtComboList(merged);
}

void Zk_DesignerControl::setToPropList(Zk_PropertiesList& list, int number) const {
    list.setProperty(key(L"type", number), static_cast<int>(type));
    list.setProperty(key(L"topLeftX", number), topLeftX);
    list.setProperty(key(L"topLeftY", number), topLeftY);
    list.setProperty(key(L"bottomRightX", number), bottomRightX);
    list.setProperty(key(L"bottomRightY", number), bottomRightY);
    list.setProperty(key(L"contents", number), contents);
    list.setProperty(key(L"comboList", number), getMergedExtComboList());
}

CWnd* Zk_DesignerControl::getCtrlPtr(CWnd* dialog) const {
    if (!dialog || !dialog->GetSafeHwnd() || resId == 0) return nullptr;
    return dialog->GetDlgItem(resId);
}

bool Zk_DesignerControl::getCtrlPtr(CWnd* dialog, CWnd*& wnd) const {
    wnd = getCtrlPtr(dialog);
    return wnd != nullptr;
}

// The control classes add no data to CWnd, so a control's window object serves as one.
CComboBox* Zk_DesignerControl::getComboPtr(CWnd* dialog) const {
    if (type != 3 && type != 13 && type != 15 && type != 16) return nullptr;
    return static_cast<CComboBox*>(getCtrlPtr(dialog));
}

CButton* Zk_DesignerControl::getButtonPtr(CWnd* dialog) const {
    if (controlWndClass(type) != Zk_WndClass::Button || resId == 0) return nullptr;
    return static_cast<CButton*>(getCtrlPtr(dialog));
}

CEdit* Zk_DesignerControl::getEditPtr(CWnd* dialog) const {
    if (controlWndClass(type) != Zk_WndClass::Edit || resId == 0) return nullptr;
    return static_cast<CEdit*>(getCtrlPtr(dialog));
}

bool Zk_DesignerControl::sameTemplateData(const Zk_DesignerControl& o) const {
    return type == o.type && topLeftX == o.topLeftX && topLeftY == o.topLeftY && bottomRightX == o.bottomRightX &&
           bottomRightY == o.bottomRightY && contents == o.contents &&
           getMergedExtComboList() == o.getMergedExtComboList();
}
