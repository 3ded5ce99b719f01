#include "host/button_st.h"

#include "mfc/resources.h"

bool CButtonST::SetIcon(UINT iconId) {
    HICON icon = AfxLoadIcon(iconId);
    if (!icon) return false;
    m_iconId = iconId;
    if (GetSafeHwnd()) CButton::SetIcon(icon);
    return true;
}
