#include "macrodlg/dlg_macro_pattern.h"

#include "engine/zk_spread.h"
#include "host/texts.h"
#include "res/macrosub_ids.h"
#include "sub_dialog_controls.h"
#include "win/messages.h"
#include "win/msgbox.h"

// The controls of one direction of the pattern.
struct CDlgMacroPattern::Half {
    int frame, useSpacing, spacing, option, edgeText, edge, choice, grid;
};

namespace {

const CDlgMacroPattern::Half kHalf1 = {IDC_PT_FRAME1,      IDC_PT_USE_SPACING1, IDC_PT_SPACING1, IDC_PT_OPTION1,
                                       IDC_PT_EDGE_TEXT1,  IDC_PT_EDGE1,        IDC_PT_CHOICE1,  IDC_PT_GRID1};
const CDlgMacroPattern::Half kHalf2 = {IDC_PT_FRAME2,      IDC_PT_USE_SPACING2, IDC_PT_SPACING2, IDC_PT_OPTION2,
                                       IDC_PT_EDGE_TEXT2,  IDC_PT_EDGE2,        IDC_PT_CHOICE2,  IDC_PT_GRID2};

enum {
    kTextCaption = 1034,
    kTextEntries = 1359,
    kTextKeep = 695,
    kKeepItem = 3,  // the choice combo's keep item stands for -1
};

// The flags (a, b, c) of the five alternation buttons.
const int kAlternation[IDC_PT_ALTERNATION_COUNT][3] = {{0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 1, 0}};

bool isAlternation(int id) { return id >= IDC_PT_ALTERNATION_FIRST && id < IDC_PT_ALTERNATION_FIRST + IDC_PT_ALTERNATION_COUNT; }

}  // namespace

CDlgMacroPattern::CDlgMacroPattern(MacroPageOwner* owner, int index, const MacroPatternProps& pattern, CWnd* parent)
    : CDialog(IDD, parent), m_owner(owner), m_index(index), m_pattern(pattern) {}

CDlgMacroPattern::~CDlgMacroPattern() = default;

int CDlgMacroPattern::alternationButton(int a, int b, int c) {
    if (a < 0 || b < 0 || c < 0) return -1;
    if (a == 0) return 0;
    for (int i = 1; i < IDC_PT_ALTERNATION_COUNT; ++i)
        if ((kAlternation[i][1] != 0) == (b != 0) && (kAlternation[i][2] != 0) == (c != 0)) return i;
    return -1;
}

void CDlgMacroPattern::alternationFlags(int button, int& a, int& b, int& c) {
    if (button < 0 || button >= IDC_PT_ALTERNATION_COUNT) {
        a = b = c = -1;
        return;
    }
    a = kAlternation[button][0];
    b = kAlternation[button][1];
    c = kAlternation[button][2];
}

BOOL CDlgMacroPattern::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTextCaption).c_str());
    subdlg::setTexts(*this, {{IDOK, 285}, {IDCANCEL, 2}, {IDC_PT_STAGGER, 1051}});
    const Zk_StringArray choices{dialString(994), dialString(1055), dialString(996), dialString(kTextKeep)};
    for (const Half* half : {&kHalf1, &kHalf2}) {
        subdlg::setTexts(*this, {{half->frame, 1042}, {half->useSpacing, 1043}, {half->option, 1402},
                                 {half->edgeText, 1360}});
        subdlg::fillCombo(*this, half->choice, choices);
    }
    for (int i = 0; i < IDC_PT_ALTERNATION_COUNT; ++i)
        subdlg::setIconsPicture(*this, IDC_PT_ALTERNATION_FIRST + i,
                                Zk_String(L"BoltAlternation") + Zk_String(i + 1) + Zk_String(L".bmp"));
    m_grid1 = std::make_unique<Zk_Spread>();
    m_grid2 = std::make_unique<Zk_Spread>();
    subdlg::makeGrid(*this, *m_grid1, IDC_PT_GRID1, {dialString(kTextEntries)}, {1});
    subdlg::makeGrid(*this, *m_grid2, IDC_PT_GRID2, {dialString(kTextEntries)}, {1});

    // One direction: the second half and the alternation are not for this pattern.
    const bool two = m_pattern.type != kMacroPatternOneDir;
    for (int id : {kHalf2.frame, kHalf2.useSpacing, kHalf2.spacing, kHalf2.option, kHalf2.edgeText, kHalf2.edge,
                   kHalf2.choice, kHalf2.grid})
        subdlg::enable(*this, id, two);
    for (int i = 0; i < IDC_PT_ALTERNATION_COUNT; ++i) subdlg::enable(*this, IDC_PT_ALTERNATION_FIRST + i, two);
    fill();
    return TRUE;
}

void CDlgMacroPattern::fillHalf(const Half& half, const MacroPatternDirection& dir, Zk_Spread& grid) {
    subdlg::setTriState(*this, half.useSpacing, dir.useSpacing);
    subdlg::setTriState(*this, half.option, dir.option);
    subdlg::setComboSel(*this, half.choice, dir.choice < 0 || dir.choice >= kKeepItem ? kKeepItem : dir.choice);
    subdlg::setText(*this, half.spacing, dir.spacing);
    subdlg::setText(*this, half.edge, dir.edgeDistance);
    if (CWnd* control = GetDlgItem(half.useSpacing); control && control->IsWindowEnabled())
        subdlg::enable(*this, half.spacing, dir.useSpacing == 1);
    grid.setRowCount(dir.entries.length());
    for (int row = 1; row <= dir.entries.length(); ++row) grid.writeCellText(1, row, dir.entries[row - 1]);
}

void CDlgMacroPattern::fill() {
    fillHalf(kHalf1, m_pattern.dir1, *m_grid1);
    fillHalf(kHalf2, m_pattern.dir2, *m_grid2);
    subdlg::setTriState(*this, IDC_PT_STAGGER, m_pattern.staggered);
    const int chosen = alternationButton(m_pattern.alternateA, m_pattern.alternateB, m_pattern.alternateC);
    for (int i = 0; i < IDC_PT_ALTERNATION_COUNT; ++i) subdlg::check(*this, IDC_PT_ALTERNATION_FIRST + i, i == chosen);
}

void CDlgMacroPattern::readHalf(const Half& half, MacroPatternDirection& dir, const Zk_Spread& grid) {
    dir.useSpacing = subdlg::triState(*this, half.useSpacing);
    dir.option = subdlg::triState(*this, half.option);
    const int choice = subdlg::comboSel(*this, half.choice);
    if (choice >= 0) dir.choice = choice == kKeepItem ? -1 : choice;
    dir.spacing = subdlg::text(*this, half.spacing);
    dir.edgeDistance = subdlg::text(*this, half.edge);
    Zk_StringArray entries;
    for (int row = 1; row <= grid.getRowCount(); ++row) entries.append(subdlg::cell(grid, 1, row));
    dir.entries = entries;
}

void CDlgMacroPattern::readBack() {
    readHalf(kHalf1, m_pattern.dir1, *m_grid1);
    if (m_pattern.type != kMacroPatternOneDir) readHalf(kHalf2, m_pattern.dir2, *m_grid2);
    m_pattern.staggered = subdlg::triState(*this, IDC_PT_STAGGER);
    if (m_pattern.type == kMacroPatternOneDir) return;
    int chosen = -1;
    for (int i = 0; i < IDC_PT_ALTERNATION_COUNT; ++i)
        if (subdlg::isChecked(*this, IDC_PT_ALTERNATION_FIRST + i)) chosen = i;
    alternationFlags(chosen, m_pattern.alternateA, m_pattern.alternateB, m_pattern.alternateC);
}

void CDlgMacroPattern::apply() {
    readBack();
    if (m_owner) m_owner->applyPatternFromDialog(m_index, m_pattern);
}

BOOL CDlgMacroPattern::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED && isAlternation(id)) {
        for (int i = 0; i < IDC_PT_ALTERNATION_COUNT; ++i)
            subdlg::check(*this, IDC_PT_ALTERNATION_FIRST + i, IDC_PT_ALTERNATION_FIRST + i == id);
        apply();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        for (const Half* half : {&kHalf1, &kHalf2})
            if (id == half->useSpacing || id == half->option) {
                subdlg::toggleTwoStates(*this, id);
                if (id == half->useSpacing) subdlg::enable(*this, half->spacing, subdlg::isChecked(*this, id));
                apply();
                return TRUE;
            }
        if (id == IDC_PT_STAGGER) {
            subdlg::toggleTwoStates(*this, id);
            apply();
            return TRUE;
        }
    }
    if (code == CBN_SELCHANGE && (id == kHalf1.choice || id == kHalf2.choice)) {
        apply();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgMacroPattern::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        apply();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CDlgMacroPattern::OnOK() {
    apply();
    EndDialog(IDOK);
}
