// CCheckComboBox: a drop-down list combo box with one check mark per item, e.g. one
// filter per item whose mark says whether the filter is on.
//
// The closed box shows the current item (its mark in front); the dropped list shows every
// item with its mark. A click on an item's mark in the dropped list flips it without
// choosing the item: the list stays open and the parent gets TQ_CBN_CHECKCHANGE (WM_COMMAND,
// ON_CONTROL(TQ_CBN_CHECKCHANGE, id, fn)); GetLastToggled says which item. Choosing an item
// works as in any combo box (CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP). The marks live
// with the window, so they follow inserted and deleted items and any CWnd of the window
// reads them. The scripted user ticks an item with DialogSteps::tickCheckCombo.
#pragma once

#include "mfc/controls.h"

class CCheckComboBox : public CComboBox {
public:
    using CComboBox::Create;
    // Forces the drop-down list style.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int SetCheck(int index, BOOL checked);  // CB_ERR for a bad index
    BOOL GetCheck(int index) const;         // FALSE for a bad index
    void CheckAll(BOOL checked);
    int GetCheckedCount() const;
    int GetLastToggled() const;  // the item the user flipped last, -1 before any

protected:
    void PreSubclassWindow() override;  // a template's combo becomes a check combo
};
