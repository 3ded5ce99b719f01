// CMacroTabPage: what the two page kinds of the macro dialog share. The upper part is
// the tab's designed template (its controls bound by name to the tab's cells,
// patterns, bolt, profile groups, arrays, cuts and drawing choice), below it the
// variables grid with every variable the template does not show, and at the bottom
// a fixed band of the page kind's own controls.
//
// Applying a page reads every control into the tab, asks the tab for the differences
// against what it held before and hands them to the macro dialog, which updates the
// drawing through the host and reloads every page.
#pragma once

#include <vector>

#include "designer/zk_dlg_designer_data.h"
#include "host/macro_model.h"
#include "macrodlg/macro_page_owner.h"
#include "macrodlg/macro_vars_grid.h"
#include "mfc/cdialog.h"

class CDlgMacro;

// One template control bound to an item of the tab.
struct MacroPageBinding {
    int resId = 0;
    int code = 0;        // the control's type code
    Zk_String name;      // the bound item's name (the control's contents)
    Zk_String link;      // the control's list (a linked cell, a count text, an entry number)
};

class CMacroTabPage : public CDialog, public MacroPageOwner {
public:
    CMacroTabPage(UINT templateId, CDlgMacro* owner, int tabIndex, int gridPlaceholderId);
    ~CMacroTabPage() override;

    int tabIndex() const { return m_tabIndex; }
    // The tab the page shows (in the owner's macro data); null when there is none.
    MacroTabData* tabData() const;
    CDlgMacro* owner() const { return m_owner; }
    bool isBoltTab() const;
    virtual bool isProfilePage() const { return false; }

    // Builds the template's controls and the grid from the tab; then loadValues.
    void buildControls();
    // Shows the tab's values in every control (after an apply or a reload).
    virtual void loadValues();
    // Reads every control into the tab and applies the differences.
    void applyPage();
    bool isPageReady() const { return m_pageReady; }

    // The size the page asks the macro dialog for.
    SIZE requestedSize() const;
    // Places the grid and the band for the page's current size.
    void layout();
    bool isGridVisible() const { return m_gridVisible; }
    MacroVarsGrid& grid() { return m_grid; }
    const Zk_DlgDesignerData& designer() const { return m_designer; }
    const std::vector<MacroPageBinding>& bindings() const { return m_bindings; }
    // The template control bound to an item of that code and name; 0 when none.
    int controlFor(int code, const Zk_String& name) const;

    // Focus: the first focusable control, and the three areas Tab moves through.
    void focusFirst();
    // Moves the focus forward or backward from the focused control; false when the
    // focus is not on the page.
    bool moveFocus(bool backward);

    // The profile the profile dialog edits for a group (empty: the page's current one),
    // and writing it back. False when there is none.
    virtual bool profileForDialog(const Zk_String& group, MacroProfData& profile) const;
    virtual bool setProfileFromDialog(const Zk_String& group, const MacroProfData& profile);

    // MacroPageOwner: the live bolt and pattern dialogs.
    bool applyBoltFromDialog(MacroBoltData& bolt) override;
    bool applyPatternFromDialog(int index, const MacroPatternProps& pattern) override;

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

    // ---- what the page kinds add ----
    virtual void initFixedControls() {}
    // The height of the fixed band now.
    virtual int bandHeight() const { return 0; }
    // Places the band's controls in the rectangle at the bottom of the page.
    virtual void layoutBand(const RECT& band) { (void)band; }
    virtual void loadFixed() {}
    virtual void readFixed(MacroTabData& tab) { (void)tab; }
    // A click on a dynamic button of that code; true when the page handled it.
    virtual bool onDynamicButton(const MacroPageBinding& binding);
    // Codes whose clicks act on this page kind.
    virtual bool actsOnClick(int code) const;
    // A command of a fixed control; true when handled.
    virtual bool onFixedCommand(int id, int code) {
        (void)id;
        (void)code;
        return false;
    }
    // The ids of the fixed controls in focus order.
    std::vector<int> m_fixedIds;

    // Helpers of the page kinds.
    void postCancelCommand() const;
    MacroData* macroData() const;
    // The sections of a profile's family (system names, parallel display names), the
    // keep item last.
    static void sectionList(const Zk_String& section, Zk_StringArray& systemNames, Zk_StringArray& shown);
    void openProfAdvForGroup(const Zk_String& group, bool groupButton);
    // What a cell's control shows now (a template control or a grid row).
    bool shownCellValue(const Zk_String& cellName, Zk_String& value) const;
    void enterCellValue(const Zk_String& cellName, const Zk_String& value);
    void chooseSectionForGroup(const Zk_String& group);

private:
    void bindTemplate(MacroTabData& tab);
    bool bind(MacroTabData& tab, Zk_DesignerControl& control);
    void fillGrid(MacroTabData& tab);
    void showBinding(MacroTabData& tab, const MacroPageBinding& b);
    void readBinding(MacroTabData& tab, const MacroPageBinding& b);
    void readGrid(MacroTabData& tab);
    const MacroPageBinding* bindingOf(int resId) const;
    void onGridNotify(int code);
    void onTotalDimension(const MacroPageBinding& b);
    void onDrawingFile(const MacroPageBinding& b);
    void openPatternDialog(int patternIndex);
    void openArrayDialog(int arrayIndex);
    void openDesigner(const Zk_String& templatePath);
    bool isGridEditing() const;
    int focusArea(HWND focus) const;
    bool enterArea(int area, bool backward);

    CDlgMacro* m_owner = nullptr;
    int m_tabIndex = -1;
    int m_gridPlaceholderId = 0;
    Zk_DlgDesignerData m_designer;
    MacroVarsGrid m_grid;
    std::vector<MacroPageBinding> m_bindings;
    bool m_gridVisible = false;
    bool m_pageReady = true;
    bool m_loading = false;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
};
