// Design-mode editing: selection by identifier, copy, sizes and alignment of the selected
// controls, the property fields, and taking positions back from the windows.
#include "acad/command_line.h"
#include "designer/control_tracker.h"
#include "designer/designer_texts.h"
#include "designer/size_prompt.h"
#include "designer/zk_dlg_designer_data.h"
#include "win/window.h"

namespace {
constexpr int kCopyOffset = 20;

Zk_String itemText(HWND wnd) {
    const int length = ::GetWindowTextLengthW(wnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(wnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
    return Zk_String(text);
}
}  // namespace

void Zk_DlgDesignerData::reselect(const Zk_Array<int>& resIds) {
    if (!tracker) return;
    tracker->clearSelection();
    for (int id : resIds) tracker->selectRect(id);
    repaintDialog();
}

bool Zk_DlgDesignerData::selectCtrls(const Zk_Array<int>& resIds) {
    if (!tracker) return false;
    reselect(resIds);
    return true;
}

bool Zk_DlgDesignerData::copyCurCtrls() {
    const Zk_Array<int> ids = selectedIds();
    if (!tracker || ids.isEmpty()) return false;
    getSizeFromAllControls();
    Zk_Array<int> copies;
    for (int id : ids) {
        int index = -1;
        if (!findCtrlFromResource(id, index)) continue;
        Zk_DesignerControl copy = controls[index];
        const double dx = pixelsToFactor(true, kCopyOffset), dy = pixelsToFactor(false, kCopyOffset);
        copy.topLeftX += dx;
        copy.bottomRightX += dx;
        copy.topLeftY += dy;
        copy.bottomRightY += dy;
        const int newId = append(copy);
        drawControl(controls.last());
        copies.append(newId);
    }
    reselect(copies);
    return true;
}

bool Zk_DlgDesignerData::changeCtrlSize(bool horizontal) {
    const Zk_Array<int> ids = selectedIds();
    if (!tracker || ids.isEmpty()) return false;
    double pixels = 0;
    if (!promptForControlSize(horizontal, pixels)) return false;
    getSizeFromAllControls();
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index)) changeCtrlSize(index, horizontal, pixels);
    }
    redrawAllControls();
    reselect(ids);
    return true;
}

bool Zk_DlgDesignerData::changeCtrlSize(int index, bool horizontal, double pixels) {
    if (!controls.isValidIndex(index)) return false;
    Zk_DesignerControl& c = controls[index];
    if (horizontal) setBottomRightX(c, getTopLeftX(c) + pixels);
    else setBottomRightY(c, getTopLeftY(c) + pixels);
    return true;
}

bool Zk_DlgDesignerData::findMostLeftCtrl(const Zk_Array<int>& resIds, int& index) const {
    int best = 100000;
    bool found = false;
    for (int id : resIds) {
        int i = -1;
        if (!findCtrlFromResource(id, i)) continue;
        const int left = getTopLeftX(controls[i]);
        if (left < best) {
            best = left;
            index = i;
            found = true;
        }
    }
    return found;
}

bool Zk_DlgDesignerData::outlineCurCtrls() {
    const Zk_Array<int> ids = selectedIds();
    if (!tracker || ids.isEmpty()) return false;
    getSizeFromAllControls();
    int ref = -1;
    if (!findMostLeftCtrl(ids, ref)) return false;
    const int bottom = getBottomRightY(controls[ref]);
    for (int id : ids) {
        int i = -1;
        if (!findCtrlFromResource(id, i) || i == ref) continue;
        Zk_DesignerControl& c = controls[i];
        const int height = getHeight(c);
        setBottomRightY(c, bottom);
        setHeight(c, height);
    }
    redrawAllControls();
    reselect(ids);
    return true;
}

bool Zk_DlgDesignerData::stickRightCurCtrls() {
    const Zk_Array<int> ids = selectedIds();
    if (!tracker || ids.length() != 2) return false;
    getSizeFromAllControls();
    int ref = -1;
    if (!findMostLeftCtrl(ids, ref)) return false;
    for (int id : ids) {
        int i = -1;
        if (!findCtrlFromResource(id, i) || i == ref) continue;
        Zk_DesignerControl& c = controls[i];
        const Zk_DesignerControl& r = controls[ref];
        const int width = getWidth(c);
        c.topLeftX = r.bottomRightX;
        setWidth(c, width);
        c.topLeftY = r.topLeftY;
        c.bottomRightY = r.bottomRightY;
    }
    redrawAllControls();
    reselect(ids);
    return true;
}

// ---- property fields ----

void Zk_DlgDesignerData::updateProps(int index) {
    HWND dlg = dialogWnd;
    HWND combo = ::GetDlgItem(dlg, typeComboId);
    HWND contentsEdit = ::GetDlgItem(dlg, contentsEditId);
    HWND listEdit = ::GetDlgItem(dlg, listEditId);
    if (!dlg || !combo || !contentsEdit || !listEdit) return;
    HWND contentsLabel = ::GetDlgItem(dlg, contentsLabelId);
    HWND listLabel = ::GetDlgItem(dlg, listLabelId);
    auto show = [](HWND wnd, const Zk_String& text, bool enable) {
        if (!wnd) return;
        ::SetWindowTextW(wnd, text.c_str());
        ::EnableWindow(wnd, enable ? TRUE : FALSE);
    };
    if (!controls.isValidIndex(index)) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ::EnableWindow(combo, FALSE);
        show(contentsLabel, Zk_String(), false);
        show(contentsEdit, Zk_String(), false);
        show(listLabel, Zk_String(), false);
        show(listEdit, Zk_String(), false);
        return;
    }
    const Zk_DesignerControl& c = controls[index];
    ::EnableWindow(combo, TRUE);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(c.type), 0);
    show(contentsLabel, contentsLabelOf(c.type), true);
    show(contentsEdit, c.contents, true);
    Zk_String hint;
    if (listHintOf(c.type, hint)) {
        show(listLabel, hint, true);
        show(listEdit, c.getMergedExtComboList(), true);
    } else {
        show(listLabel, Zk_String(), false);
        show(listEdit, Zk_String(), false);
    }
}

void Zk_DlgDesignerData::updatePropsOfCurSel() {
    updating = true;
    const int index = getCurSel();
    updateProps(index);
    if (tracker && controls.isValidIndex(index)) tracker->selectRect(controls[index].resId, true);
    updating = false;
}

bool Zk_DlgDesignerData::readProps(int index) {
    if (!controls.isValidIndex(index)) return false;
    HWND combo = ::GetDlgItem(dialogWnd, typeComboId);
    HWND contentsEdit = ::GetDlgItem(dialogWnd, contentsEditId);
    HWND listEdit = ::GetDlgItem(dialogWnd, listEditId);
    if (!combo || !contentsEdit || !listEdit) return false;
    Zk_DesignerControl& c = controls[index];
    const LRESULT type = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (type >= 0 && type < kNrControlTypes) c.type = static_cast<Zk_ControlType>(type);
    c.contents = itemText(contentsEdit);
    c.setSplitExtComboList(itemText(listEdit));
    return true;
}

void Zk_DlgDesignerData::propsOfCurSelUpdated() {
    if (updating || !designMode || !tracker) return;
    const int index = getCurSel();
    if (index < 0) return;
    const Zk_DesignerControl before = controls[index];
    if (!readProps(index)) return;
    const Zk_DesignerControl& after = controls[index];
    const int id = after.resId;
    if (after.contents != before.contents) {
        if (HWND wnd = ctrlWnd(id)) {
            ::SetWindowTextW(wnd, after.contents.c_str());
            ::InvalidateRect(wnd, nullptr, TRUE);
        }
    }
    if (after.type != before.type) {
        getSizeFromAllControls();
        redrawAllControls();
        reselect(Zk_Array<int>{id});
    }
}

// ---- positions from the windows ----

bool Zk_DlgDesignerData::getSizeFromControl(int index) {
    CWnd* dialog = getDlgPtr();
    if (!dialog || controls.length() != static_cast<int>(drawnCtrls.size()) || !controls.isValidIndex(index))
        return false;
    if (imageWidth <= 0 || imageHeight <= 0) return false;  // nothing to relate the pixels to
    const int id = controls[index].resId;
    HWND wnd = id > 0 ? ctrlWnd(id) : drawnCtrls[static_cast<std::size_t>(index)]->GetSafeHwnd();
    if (!wnd) return false;
    RECT rect;
    ::GetWindowRect(wnd, &rect);
    ::MapWindowPoints(nullptr, dialogWnd, reinterpret_cast<POINT*>(&rect), 2);
    Zk_DesignerControl& c = controls[index];
    c.topLeftX = pixelsToFactor(true, rect.left);
    c.topLeftY = pixelsToFactor(false, rect.top);
    c.bottomRightX = pixelsToFactor(true, rect.right);
    // A run-mode combo box is drawn with its dropped list; its designed bottom stays.
    if (designMode || !isComboType(c.type)) c.bottomRightY = pixelsToFactor(false, rect.bottom);
    return true;
}

bool Zk_DlgDesignerData::getSizeFromAllControls() {
    bool all = true;
    for (int i = 0; i < controls.length(); ++i) all = getSizeFromControl(i) && all;
    return all;
}

void Zk_DlgDesignerData::printPositions() const {
    for (const Zk_DesignerControl& c : controls) {
        acutPrintf(L"**** Control %s ****\n", c.contents.c_str());
        acutPrintf(L"Left: %f - Right: %f\n", c.topLeftX, c.bottomRightX);
        acutPrintf(L"Top: %f - Bottom: %f\n", c.topLeftY, c.bottomRightY);
    }
    acutPrintf(L"********\n");
}
