// CDlgDesigner: the modal, resizable window in which a dialog template is laid out over
// its background picture: controls are added, selected with the mouse, moved, sized,
// copied, aligned, deleted and given a type, a text and a list; templates are opened
// from and saved to the template folder.
#pragma once

#include "designer/zk_dlg_designer_data.h"
#include "host/button_st.h"
#include "host/resizer.h"
#include "mfc/cdialog.h"

class CDlgDesigner : public CDialog {
public:
    explicit CDlgDesigner(CWnd* parent = nullptr);
    ~CDlgDesigner() override;

    // The full path of the template to open; empty for a new one.
    void setTemplatePath(const Zk_String& path) { m_templatePath = path; }
    const Zk_DlgDesignerData& designerData() const { return m_data; }
    Zk_DlgDesignerData& designerData() { return m_data; }
    bool isModified() const { return m_modified; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnDestroy() override;
    void OnClose() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void setupButtons();
    void updateTitle();
    // Asks whether to save a changed template: true to go on (saved, or not wanted),
    // false to stay (Cancel, or the save did not happen).
    bool askToSave();
    // The save command: a name from the file dialog, then the template written there.
    // True when it was written.
    bool saveAs();
    bool saveTo(const Zk_String& path);
    void openTemplate();
    void loadTemplate(const Zk_String& path);
    void chooseImage();
    Zk_String startFolder() const;
    Zk_String fileFilter(int nameText, const wchar_t* pattern) const;

    Zk_DlgDesignerData m_data;
    Zk_String m_templatePath;
    CButtonST m_buttons[8];
    CResizer m_resizer;
    SIZE m_minTrackSize{50, 50};
    bool m_modified = false;
};
