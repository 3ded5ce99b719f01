// Reading and writing dialog fields as product strings and numbers.
#pragma once

#include "host/zk_string.h"

class CWnd;

namespace supportdlg {

void setText(CWnd& dlg, int id, const Zk_String& text);
Zk_String getText(const CWnd& dlg, int id);
void setNumber(CWnd& dlg, int id, double value);
// The field as a number; when it is not one (or lies below minimum) a message box
// names the field, the focus goes to it and false is returned.
bool getNumber(CWnd& dlg, int id, const wchar_t* fieldName, double minimum, double& value);
void setCheck(CWnd& dlg, int id, bool checked);
bool getCheck(const CWnd& dlg, int id);
// A message box owned by the dialog, exclamation icon and OK.
void warn(CWnd& dlg, const Zk_String& text);
// Fills a combo with items and selects index (clamped to the items).
void fillCombo(CWnd& dlg, int id, const wchar_t* const* items, int count, int index);
int comboIndex(const CWnd& dlg, int id);

}  // namespace supportdlg
