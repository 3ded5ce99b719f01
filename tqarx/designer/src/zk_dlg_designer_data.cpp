// Set-up, drawing, coordinates and look-up of the designer data.
#include "designer/zk_dlg_designer_data.h"

#include <algorithm>

#include "designer/control_tracker.h"
#include "designer/designer_texts.h"
#include "host/numbers.h"
#include "host/texts.h"
#include "mfc/gdi.h"
#include "mfc/resources.h"
#include "win/window.h"

namespace {
constexpr int kDroppedListHeight = 200;
}

Zk_DlgDesignerData::Zk_DlgDesignerData() = default;
Zk_DlgDesignerData::Zk_DlgDesignerData(const Zk_DlgDesignerData&) : Zk_DlgDesignerData() {}

Zk_DlgDesignerData::~Zk_DlgDesignerData() {
    if (tracker) tracker->clearSelection();
    tracker.reset();
    drawnCtrls.clear();  // destroys the windows
    if (icon) DestroyIcon(icon);
}

CWnd* Zk_DlgDesignerData::getDlgPtr() const {
    if (!initialized || !dialogWnd || !::IsWindow(dialogWnd)) return nullptr;
    return CWnd::FromHandle(dialogWnd);
}

bool Zk_DlgDesignerData::initialize(CWnd* dialog, int firstId, int lastId, int typeCombo, int contentsLabel,
                                    int contentsEdit, int listLabel, int listEdit, bool design) {
    if (!dialog || !dialog->GetSafeHwnd()) return false;
    dialogWnd = dialog->GetSafeHwnd();
    firstResId = firstId;
    lastResId = lastId;
    designMode = design;
    initialized = true;
    if (!designMode) return true;
    if (!tracker) tracker = std::make_unique<CControlTracker>();
    tracker->setDialog(dialog);
    typeComboId = typeCombo;
    contentsLabelId = contentsLabel;
    contentsEditId = contentsEdit;
    listLabelId = listLabel;
    listEditId = listEdit;
    if (HWND combo = ::GetDlgItem(dialogWnd, typeComboId)) {
        ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (int type = 0; type < kNrControlTypes; ++type) {
            const Zk_String text = controlTypeName(type);
            ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    updatePropsOfCurSel();
    return true;
}

int Zk_DlgDesignerData::append(const Zk_DesignerControl& control) {
    int id = 0;
    for (int candidate = firstResId; candidate <= lastResId && candidate > 0; ++candidate) {
        const bool used = std::any_of(controls.begin(), controls.end(),
                                      [&](const Zk_DesignerControl& c) { return c.resId == candidate; });
        if (!used) {
            id = candidate;
            break;
        }
    }
    Zk_DesignerControl copy = control;
    copy.resId = id;
    controls.append(copy);
    return id;
}

bool Zk_DlgDesignerData::addNewControl(int type) {
    Zk_DesignerControl control;
    control.type = static_cast<Zk_ControlType>(type);
    control.contents = dialString(171);
    control.topLeftX = 0.2;
    control.topLeftY = 0.2;
    control.bottomRightX = 0.2 + pixelsToFactor(true, 30);
    control.bottomRightY = 0.2 + pixelsToFactor(false, 18);
    append(control);
    drawControl(controls.last());
    return true;
}

CRect Zk_DlgDesignerData::pixelRect(const Zk_DesignerControl& c) const {
    return CRect(getTopLeftX(c), getTopLeftY(c), getBottomRightX(c), getBottomRightY(c));
}

bool Zk_DlgDesignerData::drawControl(Zk_DesignerControl& control) {
    CWnd* dialog = getDlgPtr();
    if (!dialog) return false;
    CRect rect = pixelRect(control);
    const Zk_WndClass cls = controlWndClass(control.type);
    if (!designMode && cls == Zk_WndClass::ComboBox && rect.Height() < kDroppedListHeight)
        rect.bottom = rect.top + kDroppedListHeight;
    auto drawn = std::make_unique<CControlRect>();
    if (!drawn->create(controlExStyle(control.type), wndClassName(cls), control.contents.c_str(), dialog,
                       controlStyle(control.type), rect, static_cast<UINT>(control.resId)))
        return false;
    drawn->m_rect = rect;
    drawn->SetFont(dialog->GetFont(), FALSE);
    if (control.readOnly || (designMode && cls != Zk_WndClass::Static)) drawn->EnableWindow(FALSE);
    CControlRect* rectPtr = drawn.get();
    drawnCtrls.push_back(std::move(drawn));
    if (designMode && tracker) tracker->addRect(rectPtr);
    if (cls == Zk_WndClass::ComboBox) FillDesCombo(dialog, control);
    if (control.type == zkCtrlFixedChoice) setComboValue(control.resId, control.contents);
    if (control.type == zkCtrlCheckBox) setCheckValue(control.resId, control.comboList);
    if (control.type == zkCtrlFlexButton) setBtnIcon(control, flexIcon());
    return true;
}

HICON Zk_DlgDesignerData::flexIcon() {
    if (!icon) icon = mfc::LoadIconResource(kFlexButtonIcon);
    return icon;
}

bool Zk_DlgDesignerData::redrawAllControls() {
    if (!initialized) return false;
    if (designMode) {
        if (tracker) tracker->clearSelection();
    } else {
        sortAllControls();
    }
    removeAllDrawnCtrls();
    for (Zk_DesignerControl& control : controls) drawControl(control);
    return true;
}

// Run mode has no tracker; its drawn controls are removed all the same, so that drawing
// a panel again never leaves a second set of windows with the same identifiers.
bool Zk_DlgDesignerData::removeDrawnCtrlOnly(int resId) {
    for (auto it = drawnCtrls.begin(); it != drawnCtrls.end(); ++it) {
        if ((*it)->GetDlgCtrlID() != resId) continue;
        if (tracker) tracker->forgetRect(resId);
        drawnCtrls.erase(it);  // destroys the window
        return true;
    }
    return false;
}

bool Zk_DlgDesignerData::removeAllDrawnCtrls() {
    if (tracker) tracker->clearSelection();
    while (!drawnCtrls.empty()) {
        if (tracker) tracker->forgetRect(drawnCtrls.back()->GetDlgCtrlID());
        drawnCtrls.pop_back();
    }
    return true;
}

bool Zk_DlgDesignerData::removeCurControls() {
    if (!tracker) return false;
    const Zk_Array<int> ids = selectedIds();
    for (int id : ids) {
        removeDrawnCtrlOnly(id);
        int index = -1;
        if (findCtrlFromResource(id, index)) controls.removeAt(index);
    }
    return true;
}

bool Zk_DlgDesignerData::removeControl(int index) { return controls.removeAt(index); }

void Zk_DlgDesignerData::repaintDialog() const {
    if (CWnd* dialog = getDlgPtr()) dialog->Invalidate();
}

BOOL Zk_DlgDesignerData::OnEraseBkgnd(CDC* dc) {
    if (!dc) return 0;
    if (designMode) {
        if (CWnd* dialog = getDlgPtr()) {
            CRect client;
            dialog->GetClientRect(&client);
            dc->FillSolidRect(client, kButtonFaceColour);
        }
    }
    if (m_image.empty()) return 0;
    CBitmap maskBitmap, imageBitmap;
    maskBitmap.Attach(win::CreateBitmapFromSurface(m_mask));
    imageBitmap.Attach(win::CreateBitmapFromSurface(m_image));
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&maskBitmap);
    dc->BitBlt(0, 0, imageWidth, imageHeight, &memory, 0, 0, SRCAND);
    memory.SelectObject(&imageBitmap);
    dc->BitBlt(0, 0, imageWidth, imageHeight, &memory, 0, 0, SRCPAINT);
    memory.SelectObject(old);
    return 0;
}

void Zk_DlgDesignerData::OnLButtonDown(UINT flags, CPoint point) {
    if (initialized && designMode && tracker) tracker->onLButtonDown(flags, point, true);
}

BOOL Zk_DlgDesignerData::OnSetCursor(UINT hitTest, UINT) { return tracker ? tracker->onSetCursor(hitTest) : FALSE; }

void Zk_DlgDesignerData::OnPaint(CDC* paintDc) {
    if (tracker) tracker->onPaint(paintDc);
}

// ---- coordinates ----

double Zk_DlgDesignerData::factorToPixels(bool x, double factor) const {
    return factor * (x ? imageWidth : imageHeight);
}

// Without an image there is no size to relate to: every fraction is 0 (never a division
// by zero written into a template).
double Zk_DlgDesignerData::pixelsToFactor(bool x, double pixels) const {
    const int size = x ? imageWidth : imageHeight;
    return size > 0 ? pixels / size : 0.0;
}

int Zk_DlgDesignerData::getTopLeftX(const Zk_DesignerControl& c) const {
    return static_cast<int>(ObjectExportRoundTo(factorToPixels(true, c.topLeftX), 1));
}
int Zk_DlgDesignerData::getTopLeftY(const Zk_DesignerControl& c) const {
    return static_cast<int>(ObjectExportRoundTo(factorToPixels(false, c.topLeftY), 1));
}
int Zk_DlgDesignerData::getBottomRightX(const Zk_DesignerControl& c) const {
    return static_cast<int>(ObjectExportRoundTo(factorToPixels(true, c.bottomRightX), 1));
}
int Zk_DlgDesignerData::getBottomRightY(const Zk_DesignerControl& c) const {
    return static_cast<int>(ObjectExportRoundTo(factorToPixels(false, c.bottomRightY), 1));
}
void Zk_DlgDesignerData::setTopLeftX(Zk_DesignerControl& c, double px) const { c.topLeftX = pixelsToFactor(true, px); }
void Zk_DlgDesignerData::setTopLeftY(Zk_DesignerControl& c, double px) const { c.topLeftY = pixelsToFactor(false, px); }
void Zk_DlgDesignerData::setBottomRightX(Zk_DesignerControl& c, double px) const {
    c.bottomRightX = pixelsToFactor(true, px);
}
void Zk_DlgDesignerData::setBottomRightY(Zk_DesignerControl& c, double px) const {
    c.bottomRightY = pixelsToFactor(false, px);
}
int Zk_DlgDesignerData::getWidth(const Zk_DesignerControl& c) const { return getBottomRightX(c) - getTopLeftX(c); }
int Zk_DlgDesignerData::getHeight(const Zk_DesignerControl& c) const { return getBottomRightY(c) - getTopLeftY(c); }
void Zk_DlgDesignerData::setWidth(Zk_DesignerControl& c, double w) const { setBottomRightX(c, getTopLeftX(c) + w); }
void Zk_DlgDesignerData::setHeight(Zk_DesignerControl& c, double h) const { setTopLeftY(c, getBottomRightY(c) - h); }

// ---- look-up ----

const Zk_DesignerControl* Zk_DlgDesignerData::getControl(int index) const {
    return controls.isValidIndex(index) ? &controls[index] : nullptr;
}

Zk_DesignerControl* Zk_DlgDesignerData::getControlWrite(int index) {
    return controls.isValidIndex(index) ? &controls[index] : nullptr;
}

Zk_DesignerControl* Zk_DlgDesignerData::getControlFromRes(int resId) {
    int index = -1;
    return findCtrlFromResource(resId, index) ? &controls[index] : nullptr;
}

bool Zk_DlgDesignerData::findCtrlFromResource(int resId, int& index) const {
    if (resId <= 0) return false;
    for (int i = 0; i < controls.length(); ++i)
        if (controls[i].resId == resId) {
            index = i;
            return true;
        }
    return false;
}

bool Zk_DlgDesignerData::findDrawnCtrlFromResource(int resId, int& index, CControlRect*& rect) const {
    for (std::size_t i = 0; i < drawnCtrls.size(); ++i)
        if (drawnCtrls[i]->GetDlgCtrlID() == resId) {
            index = static_cast<int>(i);
            rect = drawnCtrls[i].get();
            return true;
        }
    return false;
}

CControlRect* Zk_DlgDesignerData::drawnRect(int resId) const {
    int index = -1;
    CControlRect* rect = nullptr;
    return resId > 0 && findDrawnCtrlFromResource(resId, index, rect) ? rect : nullptr;
}

HWND Zk_DlgDesignerData::ctrlWnd(int resId) const {
    CControlRect* rect = drawnRect(resId);
    return rect ? rect->GetSafeHwnd() : nullptr;
}

bool Zk_DlgDesignerData::isADynControl(int resId) const { return drawnRect(resId) != nullptr; }

bool Zk_DlgDesignerData::getDynControlType(int resId, int& type) const {
    int index = -1;
    if (!findCtrlFromResource(resId, index)) return false;
    type = controls[index].type;
    return true;
}

bool Zk_DlgDesignerData::findCtrlWithTabOrder(int tabOrder, int& index) const {
    for (int i = 0; i < controls.length(); ++i)
        if (controls[i].tabOrder == tabOrder) {
            index = i;
            return true;
        }
    return false;
}

bool Zk_DlgDesignerData::findEditCtrlWithContents(const Zk_String& text, int& index) const {
    for (int i = 0; i < controls.length(); ++i)
        if ((controls[i].type == zkCtrlValue || controls[i].type == zkCtrlItemFileCombo) &&
            controls[i].contents == text) {
            index = i;
            return true;
        }
    return false;
}

void Zk_DlgDesignerData::getAllCtrlNames(Zk_StringArray& names) const {
    names.removeAll();
    for (const Zk_DesignerControl& c : controls)
        if (c.type == zkCtrlValue) names.append(c.contents);
}

bool Zk_DlgDesignerData::getCtrlPtr(int index, CWnd*& wnd) const {
    wnd = controls.isValidIndex(index) ? controls[index].getCtrlPtr(getDlgPtr()) : nullptr;
    return wnd != nullptr;
}

bool Zk_DlgDesignerData::isTypeBoltCount(int resId) const {
    int type = -1;
    return getDynControlType(resId, type) && (type == zkCtrlBoltCount1 || type == zkCtrlBoltCount2);
}

int Zk_DlgDesignerData::getCurSel() const {
    if (!tracker) return -1;
    int index = -1;
    return findCtrlFromResource(tracker->getSingleSelectedId(), index) ? index : -1;
}

bool Zk_DlgDesignerData::getFocusedDynControl(int& resId) const {
    HWND focus = ::GetFocus();
    // The edit inside a combo box has the focus for the combo.
    while (focus && ::GetParent(focus) && ::GetParent(focus) != dialogWnd) focus = ::GetParent(focus);
    resId = focus ? ::GetDlgCtrlID(focus) : 0;
    return focus && isADynControl(resId);
}

Zk_Array<int> Zk_DlgDesignerData::selectedIds() const {
    Zk_Array<int> ids;
    if (!tracker) return ids;
    CArray<int> selected;
    tracker->getSelectedIds(selected);
    for (int id : selected) ids.append(id);
    return ids;
}
