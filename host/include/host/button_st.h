// CButtonST: a push button that shows an icon of the module's resources, with a tool
// tip text and a flat look.
#pragma once

#include "host/zk_string.h"
#include "mfc/controls.h"

class CButtonST : public CButton {
public:
    // Shows icon resource iconId (looked up like dialogs); false when it does not exist.
    bool SetIcon(UINT iconId);
    using CButton::SetIcon;
    UINT iconId() const { return m_iconId; }
    void SetTooltipText(const Zk_String& text) { m_tooltip = text; }
    const Zk_String& GetTooltipText() const { return m_tooltip; }
    void SetFlat(bool flat = true) { m_flat = flat; }
    bool isFlat() const { return m_flat; }

private:
    UINT m_iconId = 0;
    Zk_String m_tooltip;
    bool m_flat = false;
};
