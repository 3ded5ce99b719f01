// Run-mode tab order: rows of controls from top to bottom, each row left to right.
#include <algorithm>

#include "designer/control_tracker.h"
#include "designer/zk_dlg_designer_data.h"
#include "win/window.h"

bool Zk_DlgDesignerData::containsEditableCtrls() const {
    for (const Zk_DesignerControl& c : controls)
        if (!c.readOnly) return true;
    return false;
}

void Zk_DlgDesignerData::sortAllControls() {
    Zk_Array<int> indices;
    for (int i = 0; i < controls.length(); ++i) {
        const Zk_DesignerControl& c = controls[i];
        if (!c.readOnly && c.type != zkCtrlLabel && c.type != zkCtrlFrame) indices.append(i);
    }
    int counter = 1;
    while (!indices.isEmpty()) sortNextRow(indices, counter);
}

void Zk_DlgDesignerData::sortNextRow(Zk_Array<int>& indices, int& counter) {
    if (indices.isEmpty()) return;
    int top = indices[0];
    for (int i : indices)
        if (controls[i].topLeftY < controls[top].topLeftY) top = i;
    const double rowBottom = controls[top].bottomRightY;
    std::vector<int> row;
    Zk_Array<int> rest;
    for (int i : indices) {
        if (controls[i].topLeftY <= rowBottom) row.push_back(i);
        else rest.append(i);
    }
    std::stable_sort(row.begin(), row.end(),
                     [&](int a, int b) { return controls[a].topLeftX < controls[b].topLeftX; });
    for (int i : row) controls[i].tabOrder = counter++;
    indices = rest;
}

bool Zk_DlgDesignerData::handleTabKey(UINT key, Zk_TabMsgHandle& result) {
    result = tabNotHandled;
    if (key != VK_TAB || !initialized || !containsEditableCtrls()) return false;
    const bool backwards = ::GetKeyState(VK_SHIFT) < 0;
    int resId = 0;
    if (!getFocusedDynControl(resId) || resId == 0) return false;
    int index = -1;
    if (!findCtrlFromResource(resId, index)) return false;
    const int order = controls[index].tabOrder;
    int next = -1;
    if (backwards) {
        if (order <= 1 || !findCtrlWithTabOrder(order - 1, next)) {
            result = tabBeforeFirst;
            return true;
        }
    } else if (!findCtrlWithTabOrder(order + 1, next)) {
        result = tabPastLast;
        return true;
    }
    setFocusToCtrl(next);
    result = tabHandled;
    return true;
}

bool Zk_DlgDesignerData::setFocusToCtrl(int index) {
    if (index < 0 || index >= static_cast<int>(drawnCtrls.size())) return false;
    HWND wnd = drawnCtrls[static_cast<std::size_t>(index)]->GetSafeHwnd();
    if (!wnd) return false;
    ::SetFocus(wnd);
    int type = -1;
    if (getDynControlType(::GetDlgCtrlID(wnd), type) && isEditClassType(type))
        ::SendMessageW(wnd, EM_SETSEL, 0, -1);
    return true;
}

bool Zk_DlgDesignerData::setFocusToCtrl(bool first) {
    if (!containsEditableCtrls()) return false;
    int index = -1;
    if (first) {
        if (!findCtrlWithTabOrder(1, index)) return false;
    } else {
        for (int i = 0; i < controls.length(); ++i)
            if (index < 0 || controls[i].tabOrder > controls[index].tabOrder) index = i;
    }
    setFocusToCtrl(index);
    return true;
}
