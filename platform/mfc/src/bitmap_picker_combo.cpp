#include "mfc/bitmap_picker_combo.h"

#include <algorithm>

#include "mfc/gdi.h"
#include "win/bitmap.h"
#include "win/window.h"

BOOL CBitmapPickerCombo::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CComboBox::Create((style & ~0x3u) | CBS_DROPDOWNLIST, rect, parent, id);
}
int CBitmapPickerCombo::AddBitmap(const CBitmap* bitmap, LPCWSTR text) {
    return InsertBitmap(-1, bitmap ? bitmap->GetSafeHandle() : nullptr, text);
}
int CBitmapPickerCombo::AddBitmap(HBITMAP bitmap, LPCWSTR text) { return InsertBitmap(-1, bitmap, text); }
int CBitmapPickerCombo::InsertBitmap(int index, const CBitmap* bitmap, LPCWSTR text) {
    return InsertBitmap(index, bitmap ? bitmap->GetSafeHandle() : nullptr, text);
}
int CBitmapPickerCombo::InsertBitmap(int index, HBITMAP bitmap, LPCWSTR text) {
    int at = InsertString(index, text ? text : L"");
    if (at >= 0) SendMessage(TQ_CB_SETITEMIMAGE, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(bitmap));
    return at;
}
HBITMAP CBitmapPickerCombo::GetItemBitmap(int index) const {
    return reinterpret_cast<HBITMAP>(SendMessage(TQ_CB_GETITEMIMAGE, static_cast<WPARAM>(index)));
}
CSize CBitmapPickerCombo::GetMaxBitmapSize() const {
    CSize size(0, 0);
    for (int i = 0, n = GetCount(); i < n; ++i) {
        BITMAP info{};
        HBITMAP b = GetItemBitmap(i);
        if (!b || !GetObjectW(b, sizeof(info), &info)) continue;
        size.cx = std::max<LONG>(size.cx, info.bmWidth);
        size.cy = std::max<LONG>(size.cy, info.bmHeight);
    }
    return size;
}
