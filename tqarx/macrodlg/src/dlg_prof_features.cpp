#include "macrodlg/dlg_prof_features.h"

#include "dialog_control_access.h"
#include "host/texts.h"
#include "res/macroselect_ids.h"
#include "sectionlib/section_choices.h"
#include "supportdlg/list_dialogs.h"

namespace {

struct Pair {
    int caption;
    int value;  // the edit or level combo the value shows in
};
// Pair 2 (the third) shows in the level combo or the edit, as the record says.
Pair pairControls(int pair, bool thirdIsLevel) {
    switch (pair) {
    case 0: return {IDC_FEAT_CAPTION1, IDC_FEAT_LEVEL1};
    case 1: return {IDC_FEAT_CAPTION2, IDC_FEAT_VALUE2};
    case 2: return {IDC_FEAT_CAPTION3, thirdIsLevel ? IDC_FEAT_LEVEL3 : IDC_FEAT_VALUE3};
    default: return {IDC_FEAT_CAPTION4, IDC_FEAT_VALUE4};
    }
}

bool isLevelCombo(int id) { return id == IDC_FEAT_LEVEL1 || id == IDC_FEAT_LEVEL3; }

}  // namespace

CDlgProfFeatures::CDlgProfFeatures(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgProfFeatures::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_data.caption.c_str());
    SetDlgItemText(IDC_FEAT_SECTION_LABEL, dialString(1003).c_str());
    SetDlgItemText(IDC_FEAT_SECTION_PICK, dialString(969).c_str());
    SetDlgItemText(IDC_FEAT_LEVELS1, L"...");
    SetDlgItemText(IDC_FEAT_LEVELS3, dialString(329).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());

    fillSections();
    fillLevels(IDC_FEAT_LEVEL1, m_data.values[0]);
    if (m_data.thirdIsLevel) fillLevels(IDC_FEAT_LEVEL3, m_data.values[2]);
    for (int pair = 0; pair < DlgProfFeaturesData::kPairs; ++pair) {
        const Pair ids = pairControls(pair, m_data.thirdIsLevel);
        SetDlgItemText(ids.caption, m_data.captions[pair].c_str());
        if (!isLevelCombo(ids.value)) SetDlgItemText(ids.value, m_data.values[pair].c_str());
    }
    showPairs();
    if (hasOption()) {
        SetDlgItemText(IDC_FEAT_OPTION, m_data.optionCaption.c_str());
        CheckDlgButton(IDC_FEAT_OPTION, m_data.optionState != 0 ? BST_CHECKED : BST_UNCHECKED);
        m_shownOption = m_data.optionState != 0 ? 1 : 0;
        // The third pair shows the texts of the option's state.
        SetDlgItemText(IDC_FEAT_CAPTION3, m_data.optionCaptions[m_shownOption].c_str());
        if (!m_data.thirdIsLevel) SetDlgItemText(IDC_FEAT_VALUE3, m_data.optionValues[m_shownOption].c_str());
    }
    return TRUE;
}

void CDlgProfFeatures::fillSections() {
    fillSectionCombo(*comboAt(this, IDC_FEAT_SECTION), m_sections, m_data.sectionName);
}

// A combo selects the exact item: a level that is not listed is not selected.
void CDlgProfFeatures::fillLevels(int comboId, const Zk_String& selected) {
    CComboBox* combo = comboAt(this, comboId);
    combo->ResetContent();
    for (const Zk_String& level : m_data.levelNames) combo->AddString(level.c_str());
    combo->SetCurSel(combo->FindStringExact(-1, selected.c_str()));
}

void CDlgProfFeatures::showPairs() {
    for (int pair = 0; pair < DlgProfFeaturesData::kPairs; ++pair) {
        const bool shown = !m_data.captions[pair].isEmpty();
        const Pair ids = pairControls(pair, m_data.thirdIsLevel);
        showControls(this, {ids.caption, ids.value}, shown);
        if (pair == 0) showControls(this, {IDC_FEAT_LEVELS1}, shown);
        if (pair == 2) {
            showControls(this, {m_data.thirdIsLevel ? IDC_FEAT_VALUE3 : IDC_FEAT_LEVEL3}, false);
            showControls(this, {IDC_FEAT_LEVELS3}, shown && m_data.thirdIsLevel);
        }
    }
    showControls(this, {IDC_FEAT_OPTION}, hasOption());
}

void CDlgProfFeatures::showOptionTexts() {
    const int state = IsDlgButtonChecked(IDC_FEAT_OPTION) == BST_CHECKED ? 1 : 0;
    if (state == m_shownOption) return;
    // What was typed for the state left is kept for it.
    if (!m_data.thirdIsLevel) {
        m_data.optionValues[m_shownOption] = windowText(this, IDC_FEAT_VALUE3);
        SetDlgItemText(IDC_FEAT_VALUE3, m_data.optionValues[state].c_str());
    }
    SetDlgItemText(IDC_FEAT_CAPTION3, m_data.optionCaptions[state].c_str());
    m_shownOption = state;
}

void CDlgProfFeatures::editLevels() {
    const Zk_String first = comboText(this, IDC_FEAT_LEVEL1);
    const Zk_String third = comboText(this, IDC_FEAT_LEVEL3);
    CDlgLevels levels(this);
    levels.m_data = buildingLevels();
    if (levels.DoModal() != IDOK) return;
    buildingLevels() = levels.m_data;
    m_data.reloadLevels();
    fillLevels(IDC_FEAT_LEVEL1, first);
    fillLevels(IDC_FEAT_LEVEL3, third);
}

void CDlgProfFeatures::pickSection() {
    Zk_String reference = m_data.sectionName;
    const int item = comboAt(this, IDC_FEAT_SECTION)->GetCurSel();
    if (m_sections.isValidIndex(item) && !m_sections[item].isEmpty()) reference = m_sections[item];
    if (!::pickSection(reference, true)) return;
    m_data.sectionName = reference;
    fillSections();
}

BOOL CDlgProfFeatures::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (id) {
        case IDC_FEAT_LEVELS1:
        case IDC_FEAT_LEVELS3: editLevels(); return TRUE;
        case IDC_FEAT_SECTION_PICK: pickSection(); return TRUE;
        case IDC_FEAT_OPTION: showOptionTexts(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgProfFeatures::OnOK() {
    const int item = comboAt(this, IDC_FEAT_SECTION)->GetCurSel();
    // The keep item (an empty system name) leaves the section as it is.
    if (m_sections.isValidIndex(item) && !m_sections[item].isEmpty()) m_data.sectionName = m_sections[item];
    if (hasOption()) {
        m_data.optionState = IsDlgButtonChecked(IDC_FEAT_OPTION) == BST_CHECKED ? 1 : 0;
        if (!m_data.thirdIsLevel) m_data.optionValues[m_data.optionState] = windowText(this, IDC_FEAT_VALUE3);
    }
    for (int pair = 0; pair < DlgProfFeaturesData::kPairs; ++pair) {
        if (m_data.captions[pair].isEmpty()) continue;
        const Pair ids = pairControls(pair, m_data.thirdIsLevel);
        m_data.values[pair] = isLevelCombo(ids.value) ? comboText(this, ids.value) : windowText(this, ids.value);
    }
    EndDialog(IDOK);
}
