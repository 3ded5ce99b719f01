// Dialog resources declared in code: a template per resource id, registered per module
// instance. Sizes and positions are in dialog units; a dialog unit is a quarter of the
// base width and an eighth of the base height (fixed base units 6 x 13 pixels).
#pragma once

#include <string>
#include <vector>

#include "win/types.h"

class CWnd;

namespace mfc {

constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;

// Dialog units to pixels, as MapDialogRect does.
int DialogUnitsToPixelsX(int du);
int DialogUnitsToPixelsY(int du);
RECT DialogUnitsToPixels(const RECT& du);

struct DialogControl {
    std::wstring className;  // "Button", "Edit", "Static", "ComboBox", "ListBox", "SysTabControl32", ...
    int id = -1;
    std::wstring text;
    DWORD style = 0;  // WS_CHILD is always added; WS_VISIBLE unless hidden is asked
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    DWORD exStyle = 0;
    bool hidden = false;
};

struct DialogTemplate {
    std::wstring caption;
    int cx = 0, cy = 0;  // client size in dialog units
    DWORD style = 0x80C80080;  // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; add WS_VISIBLE to show a modeless one
    DWORD exStyle = 0;
    int x = 0, y = 0;
    std::wstring fontName = L"MS Shell Dlg";
    int fontSize = 8;
    std::vector<DialogControl> controls;

    // Builders for readable tables.
    DialogTemplate& control(std::wstring className, int id, std::wstring text, DWORD st, int px, int py, int w,
                            int h, DWORD ex = 0);
    DialogTemplate& pushButton(int id, std::wstring text, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& defPushButton(int id, std::wstring text, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& checkBox(int id, std::wstring text, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& threeState(int id, std::wstring text, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& radioButton(int id, std::wstring text, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& groupBox(int id, std::wstring text, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& label(int id, std::wstring text, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& edit(int id, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& comboBox(int id, int px, int py, int w, int h, DWORD extra = 0x3 /* CBS_DROPDOWNLIST */);
    DialogTemplate& listBox(int id, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& tabControl(int id, int px, int py, int w, int h, DWORD extra = 0);
    DialogTemplate& richEdit(int id, int px, int py, int w, int h, DWORD extra = 0);
};

// Registers (or replaces) the template of resource id in module.
void RegisterDialogTemplate(HINSTANCE module, UINT id, DialogTemplate tmpl);
void UnregisterModuleResources(HINSTANCE module);  // dialogs, bitmaps, icons and strings of a module
// The template of id: first in the current resource module, then in the other registered
// modules in registration order. Null when none has it.
const DialogTemplate* FindDialogTemplate(UINT id, HINSTANCE* foundIn = nullptr);
const DialogTemplate* FindDialogTemplateIn(HINSTANCE module, UINT id);

// Creates the dialog window and its controls from a template (the dialog's window is
// hooked to owner when given) and sends WM_INITDIALOG. Null when creation fails.
HWND CreateDialogFromTemplate(const DialogTemplate& tmpl, HWND parent, CWnd* owner, LPARAM initParam = 0);

}  // namespace mfc
