// Small accessors of dialog controls shared by the array, cut, selection and profile
// dialogs: typed control look-up, texts, tri-state checks and text lists.
#pragma once

#include <initializer_list>

#include "host/zk_array.h"
#include "host/zk_string.h"
#include "mfc/controls.h"
#include "win/msgbox.h"
#include "win/window.h"

inline CComboBox* comboAt(const CWnd* dlg, int id) { return static_cast<CComboBox*>(dlg->GetDlgItem(id)); }
inline CButton* buttonAt(const CWnd* dlg, int id) { return static_cast<CButton*>(dlg->GetDlgItem(id)); }

inline Zk_String windowText(const CWnd* dlg, int id) {
    CString text;
    dlg->GetDlgItemText(id, text);
    return Zk_String(text.str());
}

// The text of a combo's current item (its edit text when it has no current item).
Zk_String comboText(const CWnd* dlg, int id);

// Fills a combo with items and selects the item equal to current (case ignored); a
// non-empty current text that is not an item is added, so that it is kept.
void fillTextCombo(CComboBox* combo, const Zk_StringArray& items, const Zk_String& current);

void showControls(CWnd* dlg, std::initializer_list<int> ids, bool show);
void enableControls(CWnd* dlg, std::initializer_list<int> ids, bool enable);

// A stored tri-state value (0, 1, -1 for the third state) as a button check and back.
inline UINT triStateToCheck(int value) { return value < 0 ? 2u : (value != 0 ? 1u : 0u); }
inline int checkToTriState(UINT check) { return check == 2 ? -1 : (check != 0 ? 1 : 0); }
