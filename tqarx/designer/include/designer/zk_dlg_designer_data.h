// Zk_DlgDesignerData: the controls of one dialog template over its background image.
// Reads and writes the template file, creates the control windows on a dialog, and offers
// the value, focus, tab-order and flex-button services of a panel in run mode (inside a
// macro dialog), or the selecting and editing operations of the designer in design mode.
#pragma once

#include <memory>
#include <vector>

#include "designer/zk_designer_control.h"
#include "host/zk_array.h"
#include "host/zk_string.h"
#include "mfc/cwnd.h"
#include "win/bitmap.h"

class CDC;
class CControlRect;
class CControlTracker;

enum Zk_TabMsgHandle { tabHandled = 0, tabNotHandled = 1, tabPastLast = 2, tabBeforeFirst = 3 };

// Most controls a template file may declare; a larger count is refused as malformed.
constexpr int kMaxTemplateControls = 1000;

// The template folder: the library folder + "Dialog Templates\Dialog Design\".
Zk_String getDesignerRootFolder();
// The relative names (without ".txt", subfolders kept) of every template, sorted.
void getModuleImages(Zk_StringArray& names);
// When path lies in the template folder: name = path relative to it without extension.
bool getNameFromFile(const Zk_String& path, Zk_String& name);

class Zk_DlgDesignerData {
public:
    Zk_DlgDesignerData();
    virtual ~Zk_DlgDesignerData();
    // A copy starts empty (it is bound to no dialog); assignment changes nothing.
    Zk_DlgDesignerData(const Zk_DlgDesignerData&);
    Zk_DlgDesignerData& operator=(const Zk_DlgDesignerData&) { return *this; }

    // ---- template files ----
    // Reads the template at path (inside the template folder). On failure nothing changes
    // and getLastError() names the file (and line) and the reason.
    bool readFromFile(const Zk_String& path, bool withBitmap);
    // Writes the template to path (inside the template folder; elsewhere nothing is
    // written and the result is false), with the image copied beside it.
    bool writeToFile(const Zk_String& path);
    // Loads a .bmp as background; a missing or unreadable file changes nothing (false).
    bool attachBitmap(const Zk_String& path);
    void getImageSize(int& width, int& height) const;
    const Zk_String& getTemplateName() const { return templateName; }
    void setTemplateName(const Zk_String& name) { templateName = name; }
    const Zk_String& getLastError() const { return m_lastError; }
    const win::Surface& getImage() const { return m_image; }
    const win::Surface& getMask() const { return m_mask; }

    // ---- set-up and drawing ----
    bool initialize(CWnd* dialog, int firstResId, int lastResId, int typeComboId, int contentsLabelId,
                    int contentsEditId, int listLabelId, int listEditId, bool designMode);
    bool isInitialized() const { return initialized; }
    bool isDesignMode() const { return designMode; }
    CWnd* getDlgPtr() const;
    CControlTracker* getTracker() const { return tracker.get(); }
    int append(const Zk_DesignerControl& control);
    bool addNewControl(int type);
    bool drawControl(Zk_DesignerControl& control);
    bool redrawAllControls();
    bool removeAllDrawnCtrls();
    bool removeDrawnCtrlOnly(int resId);
    bool removeCurControls();
    bool removeControl(int index);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnSetCursor(UINT hitTest, UINT message);
    void OnPaint(CDC* paintDc);

    // ---- coordinates ----
    double factorToPixels(bool x, double factor) const;
    double pixelsToFactor(bool x, double pixels) const;
    int getTopLeftX(const Zk_DesignerControl& c) const;
    int getTopLeftY(const Zk_DesignerControl& c) const;
    int getBottomRightX(const Zk_DesignerControl& c) const;
    int getBottomRightY(const Zk_DesignerControl& c) const;
    void setTopLeftX(Zk_DesignerControl& c, double pixels) const;
    void setTopLeftY(Zk_DesignerControl& c, double pixels) const;
    void setBottomRightX(Zk_DesignerControl& c, double pixels) const;
    void setBottomRightY(Zk_DesignerControl& c, double pixels) const;
    int getWidth(const Zk_DesignerControl& c) const;
    int getHeight(const Zk_DesignerControl& c) const;
    void setWidth(Zk_DesignerControl& c, double width) const;   // keeps the left edge
    void setHeight(Zk_DesignerControl& c, double height) const; // keeps the bottom edge
    // The control's pixel rectangle, each corner rounded to whole pixels.
    CRect pixelRect(const Zk_DesignerControl& c) const;

    // ---- look-up ----
    int getNrControls() const { return controls.length(); }
    const Zk_DesignerControl* getControl(int index) const;
    Zk_DesignerControl* getControlWrite(int index);
    Zk_DesignerControl* getControlFromRes(int resId);
    bool findCtrlFromResource(int resId, int& index) const;
    bool findDrawnCtrlFromResource(int resId, int& index, CControlRect*& rect) const;
    bool isADynControl(int resId) const;
    bool getDynControlType(int resId, int& type) const;
    bool findCtrlWithTabOrder(int tabOrder, int& index) const;
    bool findEditCtrlWithContents(const Zk_String& text, int& index) const;
    void getAllCtrlNames(Zk_StringArray& names) const;
    bool getCtrlPtr(int index, CWnd*& wnd) const;
    bool isTypeBoltCount(int resId) const;
    int getCurSel() const;
    bool getFocusedDynControl(int& resId) const;
    int nrDrawnCtrls() const { return static_cast<int>(drawnCtrls.size()); }

    // ---- values ----
    bool getCtrlValue(int resId, Zk_String& value) const;
    bool setCtrlValue(int resId, const Zk_String& value);
    bool getCheckValue(int resId, Zk_String& value) const;
    bool setCheckValue(int resId, const Zk_String& value);
    bool getComboValue(int resId, Zk_String& value) const;
    bool setComboValue(int resId, const Zk_String& value);
    bool setCtrlReadOnly(int resId, bool readOnly);
    bool FillDesCombo(CWnd* dialog, const Zk_DesignerControl& control);
    bool setBtnIcon(const Zk_DesignerControl& control, HICON icon);

    // ---- flex buttons ----
    bool getFlexBtnsGroups(Zk_StringArray& groups) const;
    bool getFlexBtnsInGroup(const Zk_String& group, Zk_Array<int>& all, Zk_Array<int>& withPart3) const;
    bool findFlexButton(const Zk_String& group, const Zk_String& contents, int& index) const;
    bool getAllFlexVarsOfGroup(const Zk_String& group, Zk_StringArray& names) const;
    bool getFlexBtnGroupName(int resId, Zk_String& group, Zk_String& contents) const;
    bool getSetFlexBtnStatus(bool set, int index, int& status);
    bool getFlexBtnStatus(int index, int& status) const;
    bool setFlexBtnStatus(const Zk_String& group, const Zk_String& contents, int status);
    bool hideAllFlexBtns(const Zk_String& group);

    // ---- tab key and focus ----
    bool handleTabKey(UINT key, Zk_TabMsgHandle& result);
    bool setFocusToCtrl(int index);
    bool setFocusToCtrl(bool first);
    bool containsEditableCtrls() const;
    void sortAllControls();
    void sortNextRow(Zk_Array<int>& indices, int& counter);

    // ---- design mode ----
    bool selectCtrls(const Zk_Array<int>& resIds);
    bool copyCurCtrls();
    bool changeCtrlSize(bool horizontal);
    bool changeCtrlSize(int index, bool horizontal, double pixels);
    bool outlineCurCtrls();
    bool stickRightCurCtrls();
    bool findMostLeftCtrl(const Zk_Array<int>& resIds, int& index) const;
    void updateProps(int index);
    void updatePropsOfCurSel();
    bool readProps(int index);
    void propsOfCurSelUpdated();
    bool getSizeFromControl(int index);
    bool getSizeFromAllControls();
    void printPositions() const;
    // The identifiers of the selected controls, in selection order.
    Zk_Array<int> selectedIds() const;

private:
    bool readTemplate(const Zk_String& path, Zk_Array<Zk_DesignerControl>& out, Zk_String& error) const;
    bool fail(const Zk_String& error);
    CControlRect* drawnRect(int resId) const;
    HWND ctrlWnd(int resId) const;
    HICON flexIcon();
    void repaintDialog() const;
    void reselect(const Zk_Array<int>& resIds);

    bool initialized = false;
    HWND dialogWnd = nullptr;
    HICON icon = nullptr;
    std::vector<std::unique_ptr<CControlRect>> drawnCtrls;
    std::unique_ptr<CControlTracker> tracker;
    win::Surface m_image, m_mask;
    int imageWidth = 0, imageHeight = 0;
    int firstResId = 0, lastResId = 0;
    bool designMode = false;
    int typeComboId = 0, contentsLabelId = 0, contentsEditId = 0, listLabelId = 0, listEditId = 0;
    Zk_String templateName;
    bool updating = false;
    Zk_String m_lastError;

public:
    Zk_Array<Zk_DesignerControl> controls;
};
