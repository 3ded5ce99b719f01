// CDlgMacroCuts: one cut between macro parts, on dialog resource 223. The user chooses
// the kind from pictures, edits the kind's variables in a grid, the mode and options the
// kind has, and the module the cut goes to. OK is refused, with a message, while the
// target module is missing, the name is taken in another target module, or a value is
// no valid variable name; the record is the dialog's copy until OK succeeds.
#pragma once

#include <memory>
#include <vector>

#include "acad/ui_dialogs.h"
#include "host/macro_cuts_data.h"
#include "host/resizer.h"
#include "win/types.h"

class Zk_Spread;
class CBitmapPickerCombo;

class CDlgMacroCuts : public CAcUiTabMainDialog {
public:
    enum { IDD = 223 };

    explicit CDlgMacroCuts(CWnd* parent = nullptr);
    ~CDlgMacroCuts() override;

    DlgMacroCutsData m_data;
    // Set when the Escape key ended the dialog.
    bool escapePressed() const { return m_escape; }

    // The name shown for a cut variable.
    static Zk_String displayName(const Zk_String& variable);
    // The bitmap files of the kinds, in the order of the kind combo.
    static const wchar_t* kindBitmap(int kind);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    static constexpr int kNameCol = 1;
    static constexpr int kValueCol = 2;
    static constexpr int kFlagCol = 3;

private:
    void setTexts();
    void fillKinds();
    void fillControls();
    void fillGrid(const Zk_StringArray& names, const Zk_StringArray& values, const Zk_Array<int>& flags);
    void fillTargets();
    int currentKind() const;
    int currentMode() const;
    void setMode(int mode);
    void relabel();
    void relabelModeHint();
    void enableDependents();
    void pickMacro();
    void storeControls();

    std::unique_ptr<Zk_Spread> m_grid;
    std::unique_ptr<CBitmapPickerCombo> m_kinds;
    std::vector<HBITMAP> m_kindBitmaps;
    Zk_StringArray m_varNames;  // the variables of the grid's rows
    CResizer m_resizer;
    int m_minWidth = 0;
    int m_minHeight = 0;
    bool m_escape = false;
    bool m_ready = false;
};
