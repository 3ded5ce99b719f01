// CTabGeometries: the editor's geometries page. Grid 1196 lists the current module's
// geometries: two texts, the name tag (editable, handed to the host with SetNameTags when
// pending edits are applied), the flexibility choice and, for geometries that take one,
// the constrained check box. The row moved to is highlighted in the drawing.
#pragma once

#include "host/resizer.h"
#include "host/zk_array.h"
#include "host/zk_string.h"
#include "macroedit/edit_macro_page.h"
#include "macroedit/editor_grid.h"
#include "res/macroedit_ids.h"

class CTabGeometries : public CEditMacroPage {
public:
    enum { IDD = IDD_TAB_GEOMETRIES };
    enum Column { kColTag = 3, kColFlexibility = 4, kColConstrained = 5 };

    explicit CTabGeometries(CDlgEditMacro& owner);

    void refill() override;
    void apply() override;
    void leave() override;
    EscapeRule escapeRule() override;

    CEditorGrid grid;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void onCellMoved();
    void onCellChanged();
    void onCheckClicked();
    long long objectAt(int row) const;

    // The objects and tags of the last fill, to tell typed tags from shown ones.
    Zk_Array<long long> m_shownObjects;
    Zk_StringArray m_shownTags;
    long long m_highlighted = 0;
    int m_row = 0;  // 1-based grid row last moved to
    DWORD m_selectedAt = 0;
    bool m_selectionChanged = false;
    bool m_filling = false;
    CResizer resizer;
};
