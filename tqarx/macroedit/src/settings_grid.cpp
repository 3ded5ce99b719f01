#include "settings_grid.h"

#include "engine/zk_spread.h"
#include "host/button_st.h"
#include "host/files.h"
#include "host/settings.h"
#include "host/texts.h"

namespace macro_settings {

void setUpIconButton(CButtonST& button, int id, CWnd* page, unsigned icon, int tooltipText) {
    button.SubclassDlgItem(id, page);
    button.SetIcon(icon);
    button.SetTooltipText(dialString(tooltipText).c_str());
    button.SetFlat();
}

void setUpPictureButton(CButtonST& button, int id, CWnd* page, const wchar_t* fileName, unsigned long transparent) {
    button.SubclassDlgItem(id, page);
    const Zk_String path = addBackslash(gSettings.zkDir) + Zk_String(L"icons\\") + Zk_String(fileName);
    button.LoadBitmapFile(CString(path.c_str()), static_cast<COLORREF>(transparent));
    button.DrawBorder(false);
    button.EnableWindow(FALSE);
}

double numberOf(const Zk_String& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

Zk_String controlText(const CWnd* page, int id) {
    if (page == nullptr) return Zk_String();
    CString text;
    page->GetDlgItemText(id, text);
    return Zk_String(text.GetString());
}

Zk_String cellText(const Zk_Spread& grid, int col, int row) {
    Zk_String text;
    grid.readCellText(col, row, text);
    return text;
}

}  // namespace macro_settings
