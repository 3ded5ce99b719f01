#include "macroedit/tab_macro_commands.h"

#include "host/files.h"
#include "host/settings.h"
#include "host/texts.h"
#include "macroedit/dlg_edit_macro.h"
#include "win/window.h"

namespace {

struct Command {
    const wchar_t* picture;
    int tooltip;
};

// By code; the button of code c is IDC_EMC_FIRST + c.
const Command kCommands[kEmcCommandCount] = {
    {L"Parallel.bmp", 903},  {L"Perpendicular.bmp", 904}, {L"Coincident.bmp", 905}, {L"Symmetric.bmp", 906},
    {L"Tangent.bmp", 907},   {L"Concentric.bmp", 908},    {L"EqualRadius.bmp", 909}, {L"Distance.bmp", 910},
    {L"Angle.bmp", 911},     {L"Radius.bmp", 912},        {nullptr, 0},              {L"AddModule.bmp", 913},
    {L"BoltPattern.bmp", 914}, {L"CoordSys.bmp", 915},
};

}  // namespace

CTabMacroCommands::CTabMacroCommands(CDlgEditMacro& owner) : CEditMacroPage(IDD, owner) {}

const wchar_t* CTabMacroCommands::pictureOf(int code) {
    return code >= 0 && code < kEmcCommandCount && kCommands[code].picture ? kCommands[code].picture : L"";
}

int CTabMacroCommands::tooltipOf(int code) { return code >= 0 && code < kEmcCommandCount ? kCommands[code].tooltip : 0; }

BOOL CTabMacroCommands::OnInitDialog() {
    CEditMacroPage::OnInitDialog();
    const Zk_String icons = addBackslash(gSettings.zkDir) + Zk_String(L"icons\\");
    for (int code = 0; code < kEmcCommandCount; ++code) {
        CButtonST& button = m_buttons[code];
        button.SubclassDlgItem(IDC_EMC_FIRST + code, this);
        const bool pictured =
            kCommands[code].picture && button.LoadBitmapFile(CString((icons + kCommands[code].picture).c_str()), 0xFF00FF);
        if (kCommands[code].tooltip == 0) continue;
        button.SetTooltipText(dialString(kCommands[code].tooltip).c_str());
        // Without its picture the button says what it does.
        if (!pictured) {
            button.ModifyStyle(BS_BITMAP, 0);
            button.SetWindowText(dialString(kCommands[code].tooltip).c_str());
        }
    }
    return TRUE;
}

BOOL CTabMacroCommands::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int code = static_cast<int>(LOWORD(wParam)) - IDC_EMC_FIRST;
    if (HIWORD(wParam) == BN_CLICKED && code >= 0 && code < kEmcCommandCount) {
        owner().runMacroCommand(code);
        return TRUE;
    }
    return CEditMacroPage::OnCommand(wParam, lParam);
}
