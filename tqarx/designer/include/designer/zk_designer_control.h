// One control of a dialog template: its type, its corners as fractions of the
// background image, its text and its list, and the window-class table of the types.
#pragma once

#include <cstdint>

#include "host/zk_array.h"
#include "host/zk_string.h"
#include "win/types.h"

class CWnd;
class CButton;
class CComboBox;
class CEdit;
class Zk_PropertiesList;

// The control's type; also the index of its entry in the designer's type combo.
enum Zk_ControlType : std::int32_t {
    zkCtrlLabel = 0,           // "STATIC" text label
    zkCtrlFrame = 1,           // group box
    zkCtrlValue = 2,           // value field; its contents is a variable name
    zkCtrlItemFileCombo = 3,   // editable list from an item file
    zkCtrlBoltCount1 = 4,
    zkCtrlBoltCount2 = 5,
    zkCtrlExtListButton1 = 25, // button with an extended list of five parts
    zkCtrlExtListButton2 = 26,
    zkCtrlFixedChoice = 28,    // five fixed entries; the value is the selected index
    zkCtrlCheckBox = 29,
    zkCtrlFlexButton = 30,     // toggle with a fixed icon in a named flex group
};
constexpr int kNrControlTypes = 31;

// Window-class kinds of the controls.
enum class Zk_WndClass { Static, Button, Edit, ListBox, ComboBox, ScrollBar };

Zk_WndClass controlWndClass(int type);      // any value outside 0..30 is a label
const wchar_t* wndClassName(Zk_WndClass cls);  // "STATIC", "BUTTON", ...
DWORD controlStyle(int type);                // child + visible + the type's own style
DWORD controlExStyle(int type);              // client edge for edit types
bool isComboType(int type);
// Types whose comboList names an item file (3, 7, 13, 15, 16, 27).
bool isItemFileType(int type);
// Types whose value is read from the window text in run mode and in the value field.
bool isEditClassType(int type);

class Zk_DesignerControl {
public:
    Zk_DesignerControl() = default;
    virtual ~Zk_DesignerControl() = default;
    Zk_DesignerControl(const Zk_DesignerControl&) = default;
    Zk_DesignerControl& operator=(const Zk_DesignerControl&) = default;

    // The list stored under "comboList": the flex parts (type 30), the five extended
    // parts (25, 26) or comboList as it is; all joined with ";".
    Zk_String getMergedExtComboList() const;
    // Takes the stored list apart according to type (see getMergedExtComboList).
    bool setSplitExtComboList(const Zk_String& merged);

    // Reads or writes this control under the template keys with number appended
    // ("type0", "topLeftX0", ...). Reading leaves fields of absent keys unchanged.
    void getFromPropList(const Zk_PropertiesList& list, int number);
    void setToPropList(Zk_PropertiesList& list, int number) const;

    // The control's window on dialog (by resId), or null.
    CWnd* getCtrlPtr(CWnd* dialog) const;
    bool getCtrlPtr(CWnd* dialog, CWnd*& wnd) const;
    CComboBox* getComboPtr(CWnd* dialog) const;  // types 3, 13, 15, 16
    CButton* getButtonPtr(CWnd* dialog) const;   // "BUTTON" types with an identifier
    CEdit* getEditPtr(CWnd* dialog) const;       // "EDIT" types with an identifier

    // Equal template contents (what the file stores, after a merge and split).
    bool sameTemplateData(const Zk_DesignerControl& other) const;

    Zk_ControlType type = zkCtrlLabel;
    bool readOnly = false;
    std::int32_t resId = 0;
    std::int32_t tabOrder = 0;
    double topLeftX = 0.0;
    double topLeftY = 0.0;
    double bottomRightX = 0.0;
    double bottomRightY = 0.0;
    Zk_String contents;
    Zk_String comboList;
    Zk_String flexGroup, flexPart2, flexPart3, flexPart4;
    Zk_String listPart1, listPart2, listPart3, listPart4;
    Zk_StringArray comboItems;
};
