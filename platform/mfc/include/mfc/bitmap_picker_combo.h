// CBitmapPickerCombo: a drop-down list combo box whose items are pictures, each with an
// optional caption (e.g. one picture per module or cut shape to choose from).
//
// Each item holds a bitmap handle beside its text; the closed box shows the current item's
// picture and caption, the dropped list all of them. The pictures belong to the caller
// (a CBitmap kept alive as long as the combo shows it). Choosing an item notifies as any
// combo box does (CBN_SELCHANGE, CBN_SELENDOK); the scripted user picks with pickCombo.
#pragma once

#include "mfc/controls.h"

class CBitmapPickerCombo : public CComboBox {
public:
    using CComboBox::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);  // a drop-down list
    int AddBitmap(const CBitmap* bitmap, LPCWSTR text = nullptr);
    int AddBitmap(HBITMAP bitmap, LPCWSTR text = nullptr);
    int InsertBitmap(int index, const CBitmap* bitmap, LPCWSTR text = nullptr);
    int InsertBitmap(int index, HBITMAP bitmap, LPCWSTR text = nullptr);
    HBITMAP GetItemBitmap(int index) const;  // null for a bad index or an item without one
    // The largest picture, which sets the item height of the list (0 x 0 when empty).
    CSize GetMaxBitmapSize() const;
};
