// A dialog that records every command and notification its controls send, in order, for
// tests that check what a control tells its parent and when. Templates are registered per
// test under kRecordingDialogId.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mfc/afx.h"
#include "test_dialog.h"

constexpr UINT kRecordingDialogId = 950;

inline void RegisterRecordingDialog(mfc::DialogTemplate t) {
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), kRecordingDialogId, std::move(t));
}

class CRecordingDlg : public CDialog {
public:
    CRecordingDlg() : CDialog(kRecordingDialogId) {}
    std::vector<std::string> events;
    std::function<void(CRecordingDlg&)> onInit;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        events.clear();  // only what the user causes
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        int id = LOWORD(static_cast<UINT_PTR>(wParam));
        int code = HIWORD(static_cast<UINT_PTR>(wParam));
        if (lParam) events.push_back(std::to_string(id) + " " + CodeName(id, code));
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        std::string e = std::to_string(nm->idFrom) + " " + NotifyName(nm->code);
        if (nm->code == LVN_ITEMCHANGED || nm->code == NM_CLICK || nm->code == NM_DBLCLK) {
            auto* lv = reinterpret_cast<NMLISTVIEW*>(lParam);
            e += " " + std::to_string(lv->iItem);
            if (nm->code == LVN_ITEMCHANGED) e += (lv->uNewState & LVIS_SELECTED) ? " on" : " off";
        }
        events.push_back(e);
        if (nm->code == TCN_SELCHANGING && refuseTabChange) {
            *result = TRUE;
            return TRUE;
        }
        return CDialog::OnNotify(wParam, lParam, result);
    }
    bool refuseTabChange = false;

    // Events without the focus notifications, which most tests do not care about.
    std::vector<std::string> plainEvents() const {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.find("setfocus") == std::string::npos && e.find("killfocus") == std::string::npos) out.push_back(e);
        }
        return out;
    }

private:
    std::string CodeName(int id, int code) const {
        wchar_t cls[32] = {};
        ::GetClassNameW(::GetDlgItem(m_hWnd, id), cls, 32);
        std::wstring c = cls;
        if (c == L"ComboBox") {
            switch (code) {
            case CBN_SELCHANGE: return "selchange";
            case CBN_SETFOCUS: return "setfocus";
            case CBN_KILLFOCUS: return "killfocus";
            case CBN_EDITCHANGE: return "editchange";
            case CBN_EDITUPDATE: return "editupdate";
            case CBN_DROPDOWN: return "dropdown";
            case CBN_CLOSEUP: return "closeup";
            case CBN_SELENDOK: return "selendok";
            case TQ_CBN_CHECKCHANGE: return "checkchange";
            default: break;
            }
        } else if (c == L"Edit") {
            switch (code) {
            case EN_SETFOCUS: return "setfocus";
            case EN_KILLFOCUS: return "killfocus";
            case EN_CHANGE: return "change";
            case EN_UPDATE: return "update";
            default: break;
            }
        } else if (c == L"Button" && code == BN_CLICKED) {
            return "clicked";
        }
        return "code " + std::to_string(code);
    }
    static std::string NotifyName(UINT code) {
        if (code == TCN_SELCHANGING) return "selchanging";
        if (code == TCN_SELCHANGE) return "selchange";
        if (code == LVN_ITEMCHANGED) return "itemchanged";
        if (code == NM_CLICK) return "click";
        if (code == NM_DBLCLK) return "dblclk";
        return "notify " + std::to_string(code);
    }
};
