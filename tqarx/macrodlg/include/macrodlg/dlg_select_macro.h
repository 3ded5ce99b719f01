// CDlgSelectMacro: chooses a macro drawing of the library, on dialog resource 8717. The
// drawings are shown as thumbnails, named by their translated file titles (without
// trailing digits unless that makes two alike), and narrowed by a filter grid of the
// modules and their properties that a button shows or hides. OK needs a thumbnail; the
// other-choice button (when allowed) ends the dialog without one.
#pragma once

#include <memory>

#include "host/macro_props_filter.h"
#include "host/resizer.h"
#include "mfc/button_st.h"
#include "mfc/cdialog.h"
#include "mfc/image_list_ctrl.h"

class Zk_Spread;

class CDlgSelectMacro : public CDialog {
public:
    enum { IDD = 8717 };

    explicit CDlgSelectMacro(CWnd* parent = nullptr);
    ~CDlgSelectMacro() override;

    // In: the caption text, the filter (initialised by the caller), whether 1352 may be
    // chosen and whether the hint is shown. Out: the chosen drawing (".dwg") and whether
    // the other choice was taken.
    Zk_String m_caption;
    Zk_MacroPropsFilter m_filter;
    bool m_otherChoice = false;
    bool m_hint = false;
    Zk_String m_chosen;

    // The names the thumbnails show for these drawings.
    static Zk_StringArray thumbnailNames(const Zk_StringArray& dwgFiles);
    // The picture a drawing's thumbnail shows: its ".bmp", else its host-made ".abm".
    static Zk_String thumbnailFile(const Zk_String& dwgFile);

    bool isLarge() const { return m_large; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

private:
    void setTexts();
    void makePreviews();
    void drawThumbnails();
    void fillGrid();
    void filterClicked();
    void setLarge(bool large);
    void moveBy(int id, int dTop, int dBottom);
    void anchor();

    CImageListCtrl m_list;
    CButtonST m_filterButton;
    std::unique_ptr<Zk_Spread> m_grid;
    CResizer m_resizer;
    Zk_Array<Zk_StringArray> m_propNames;
    Zk_Array<Zk_Array<int>> m_propFlags;
    bool m_gridReady = false;
    int m_minWidth = 50;
    int m_minHeight = 50;
    int m_bandHeight = 140;
    bool m_large = true;
};
