// CDlgMacro: the property window of placed macros, on dialog resource 8131. Opened
// modal (StartDlgMacro) or modeless under a registry index (StartDlgMacroModeless).
// One page per tab record of the macro data (general pages for kinds 0, 1 and 3, a
// profile page for kind 2); every change a page makes goes to the drawing at once
// through the host (applyTabChanges). The busy flag, or the host's busy mark on the
// macro data, tells the registry that a close must wait.
#pragma once

#include <memory>
#include <vector>

#include "host/macro_model.h"
#include "host/resizer.h"
#include "mfc/button_st.h"
#include "mfc/cdialog.h"

class CMacroTabPage;

// The window-size key of a macro dialog: one macro, a group or several macros.
Zk_String macroDlgSizeKey(const MacroData& data);

class CDlgMacro : public CDialog {
public:
    enum { IDD = 8131 };

    explicit CDlgMacro(CWnd* parent = nullptr);
    ~CDlgMacro() override;

    MacroData& macroData() { return m_macroData; }
    const MacroData& macroData() const { return m_macroData; }

    // Registry index of a modeless dialog; -1 for a modal one.
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    // Busy while a change is applied, or while the host marks the macro data busy.
    bool isBusy() const { return m_busy || m_macroData.busy; }
    void setBusy(bool busy) { m_busy = busy; }

    // Called with the registry index when the user closes a modeless dialog; the
    // handler ends it (the registry installs it).
    using CloseHandler = void (*)(int index);
    static void setModelessCloseHandler(CloseHandler handler);

    // ---- what the pages call ----
    // Hands the changes of a tab to the host; on success the collision check runs.
    // Then every page reloads and the current page is shown again; the prompt is
    // re-posted. False when the host did not update the drawing.
    bool applyTabChanges(const Zk_String& tabName, const MacroChanges& changes);
    // Reloads every page from the macro data.
    void reloadAllPages();
    // Recomputes the minimum size from the pages' requests and sizes the window to it;
    // with keepLarger a window already larger (a size kept from the last time) stays.
    void fitWindow(bool keepLarger = false);
    // Closes as button 1 does.
    void closeDialog();
    // Hides or shows the dialog around a pick in the drawing.
    void hideForPick();
    void showAfterPick();

    // ---- state, for the pages and for tests ----
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    CMacroTabPage* page(int tab) const;
    int pageKind(int tab) const;
    int currentPage() const { return m_currentPage; }
    SIZE minimumSize() const { return SIZE{m_minWidth, m_minHeight}; }
    // The minimum the window keeps now (280 x 300 until the first WM_SIZE).
    SIZE effectiveMinimumSize() const;
    void showPage(int tab);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    MacroData m_macroData;

protected:
    void OnClose() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void setupButtons();
    void buildPages();
    void destroyPages();
    void placePages();
    void fillCombos();
    void onSelectOtherMacros();
    void onView(int view);
    void onFilterChanged();
    void onLoadFromStandards();
    void onReApply();
    void onLoadProperties();
    void onSaveProperties();
    void closeModeless();
    void rememberFocus(int tab);
    void restoreFocus(int tab);

    CButtonST m_buttons[9];
    CResizer m_resizer;
    std::vector<std::unique_ptr<CMacroTabPage>> m_pages;  // one per tab; null where none
    std::vector<int> m_pageKinds;
    // Focus memory: the control last focused on the page of each tab name.
    struct RestoreFocusTab {
        Zk_String tabName;
        int controlId = 0;
    };
    std::vector<RestoreFocusTab> m_restoreFocus;
    int m_index = -1;
    bool m_busy = false;
    bool m_sized = false;
    bool m_shown = false;
    bool m_initialised = false;
    int m_currentPage = -1;
    int m_minWidth = 50;
    int m_minHeight = 50;
    int m_resourceWidth = 50;
    int m_resourceHeight = 50;
};
