// CDlgEditMacro: the macro editor. It edits a connection macro's definition through the
// host record EditConstrData while the macro stays in the drawing: the module combo with
// its buttons (add, rename, remove), another macro, the macro's settings, zoom, and four
// pages (constraints, geometries, variables, commands). Every change goes through the
// host's operations; the editor never changes the model itself.
//
// Modal through StartDlgEditConstrModal; modeless (one at most) through
// StartDlgEditConstraints, when OK, Cancel and the close box end it the way
// EndDlgEditConstraints does.
#pragma once

#include <memory>

#include "acad/ui_dialogs.h"
#include "host/dialog_support.h"
#include "host/edit_constr_data.h"
#include "mfc/button_st.h"
#include "res/macroedit_ids.h"

class CEditMacroPage;
class CTabEditConstraints;
class CTabGeometries;
class CTabEditVars;
class CTabMacroCommands;

class CDlgEditMacro : public CAcUiTabMainDialog {
public:
    enum { IDD = IDD_EDIT_MACRO };
    enum Page { kConstraintsPage = 0, kGeometriesPage = 1, kVariablesPage = 2, kCommandsPage = 3, kPageCount = 4 };

    explicit CDlgEditMacro(CWnd* parent = nullptr);
    ~CDlgEditMacro() override;

    EditConstrData& data() { return m_data; }
    const EditConstrData& data() const { return m_data; }
    void setModeless(bool modeless) { m_modeless = modeless; }
    bool isModeless() const { return m_modeless; }
    // The page shown, -1 before the first.
    int currentPage() const { return m_page; }
    CEditMacroPage* page(int index) const;
    CTabEditConstraints& constraintsPage() const { return *m_constraints; }
    CTabGeometries& geometriesPage() const { return *m_geometries; }
    CTabEditVars& variablesPage() const { return *m_variables; }

    // Runs macro command code (the add-module button and the commands page) and refreshes
    // what the command changed.
    void runMacroCommand(int code);
    // Hands every page's pending edits to the host.
    void applyPendingEdits();
    // Fills the module combo from the record and selects index (-1: the current module).
    void fillModuleCombo(int index = -1);
    // Fills the constraint, geometry and variable pages from the record; newModule
    // starts the constraint page at its first row.
    void refillPages(bool newModule);
    // Shows page index (the tab follows).
    void showPage(int index);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    // The modeless editor's end (set by the modeless launcher): called for OK, Cancel and
    // the close box instead of ending a modal dialog.
    using ModelessCloseHandler = void (*)(CDlgEditMacro* dlg);
    static void setModelessCloseHandler(ModelessCloseHandler handler);

protected:
    void OnSelectMacro();
    void OnModuleChanged();
    void OnAddModule();
    void OnRenameModule();
    void OnRemoveModule();
    void OnSettings();
    void OnZoom();

    DECLARE_MESSAGE_MAP()

private:
    void placePages();
    void leavePage(int index);
    void selectModule(const Zk_String& name);
    Zk_String comboText() const;

    EditConstrData m_data;
    bool m_modeless = false;
    int m_page = -1;
    bool m_zooming = false;
    bool m_ready = false;
    bool m_closed = false;
    int m_minWidth = 50;
    int m_minHeight = 50;
    CResizer m_resizer;
    CButtonST m_select, m_add, m_remove, m_zoom;
    std::unique_ptr<CTabEditConstraints> m_constraints;
    std::unique_ptr<CTabGeometries> m_geometries;
    std::unique_ptr<CTabEditVars> m_variables;
    std::unique_ptr<CTabMacroCommands> m_commands;
};
