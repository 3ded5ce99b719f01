#include "sectionlib/tab_edit_lib_items.h"

#include "host/texts.h"
#include "lib_page_helpers.h"
#include "mfc/controls.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

// Numbered texts of the two pages.
enum {
    kTextMoveUp = 173,
    kTextMoveDown = 174,
    kTextName = 760,
    kTextEnabled = 761,
    kTextPicture = 762,
    kTextGroupNames = 763,
    kTextAddGroup = 758,
    kTextRemoveGroup = 759,
    kTextAddType = 764,
    kTextRemoveType = 765,
    kTextGroup = 769,
    kTextDrawing = 770,
    kTextTypeNames = 771,
};

Zk_String comboText(CWnd* combo) {
    if (combo == nullptr) return Zk_String();
    CString text;
    combo->GetWindowText(text);
    return Zk_String(text.GetString());
}

// Selects text in a list combo, adding it first when the list does not have it (so that a
// value not offered is shown and kept).
void selectOrAdd(CComboBox* combo, const Zk_String& text) {
    if (combo == nullptr) return;
    if (text.isEmpty()) {
        combo->SetCurSel(-1);
        return;
    }
    int index = combo->FindStringExact(-1, text.c_str());
    if (index < 0) index = combo->AddString(text.c_str());
    combo->SetCurSel(index);
}

}  // namespace

CTabEditLibItems::CTabEditLibItems(UINT templateId, DlgEditLibData& data, int comboId)
    : CDialog(templateId), m_data(data), m_comboId(comboId), m_languages(std::make_unique<LanguageNamesSheet>()) {}

CTabEditLibItems::~CTabEditLibItems() = default;

Zk_Spread& CTabEditLibItems::languageSheet() { return m_languages->sheet; }

BOOL CTabEditLibItems::OnInitDialog() {
    CDialog::OnInitDialog();
    m_combo.SubclassDlgItem(m_comboId, this);
    setUpLibIconButton(m_up, IDC_LIB_UP, this, IDI_LIB_UP, kTextMoveUp);
    setUpLibIconButton(m_down, IDC_LIB_DOWN, this, IDI_LIB_DOWN, kTextMoveDown);
    SetDlgItemText(IDC_LIB_ENABLED, dialString(kTextEnabled).c_str());
    SetDlgItemText(IDC_LIB_IMAGE_LABEL, dialString(kTextPicture).c_str());
    setTexts();
    m_languages->create(this, IDC_LIB_LANG_SHEET);
    fillPictureCombo();
    rebuildList(itemCount() > 0 ? 0 : -1);
    return TRUE;
}

void CTabEditLibItems::fillPictureCombo() {
    auto* pictures = static_cast<CComboBox*>(GetDlgItem(IDC_LIB_IMAGE));
    if (pictures == nullptr) return;
    pictures->ResetContent();
    for (const Zk_String& file : m_data.pictureFiles) pictures->AddString(file.c_str());
}

void CTabEditLibItems::rebuildList(int selectIndex) {
    Zk_StringArray names;
    Zk_Array<int> enabled;
    for (int i = 0; i < itemCount(); ++i) {
        names.append(itemName(i));
        enabled.append(itemEnabled(i) ? 1 : 0);
    }
    m_current = selectIndex >= 0 && selectIndex < itemCount() ? selectIndex : -1;
    fillCheckCombo(combo(), names, enabled, m_current);
    if (m_current >= 0) showItem(m_current);
    enableDetails(m_current >= 0);
}

void CTabEditLibItems::select(int index) {
    if (m_current >= 0 && m_current < itemCount()) storeItem(m_current);
    rebuildList(index);
}

void CTabEditLibItems::apply() {
    if (m_current >= 0 && m_current < itemCount()) storeItem(m_current);
}

void CTabEditLibItems::enableDetails(bool enabled) {
    for (int id : {IDC_LIB_ENABLED, IDC_LIB_IMAGE, IDC_LIB_REMOVE, IDC_LIB_UP, IDC_LIB_DOWN})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enabled ? TRUE : FALSE);
    if (!enabled) {
        CheckDlgButton(IDC_LIB_ENABLED, 0);
        if (auto* pictures = static_cast<CComboBox*>(GetDlgItem(IDC_LIB_IMAGE))) pictures->SetCurSel(-1);
        m_languages->show(Zk_StringArray());
    }
    m_languages->enable(enabled);
}

// A mark flipped in the list: the item shown takes it into its enabled check (stored with
// its other fields), any other item at once.
void CTabEditLibItems::markToggled() {
    const int index = m_combo.GetLastToggled();
    if (index < 0 || index >= itemCount()) return;
    const bool enabled = m_combo.GetCheck(index) != FALSE;
    if (index == m_current)
        CheckDlgButton(IDC_LIB_ENABLED, enabled ? 1 : 0);
    else
        setItemEnabled(index, enabled);
}

void CTabEditLibItems::add() {
    apply();
    const int index = appendItem();
    m_current = -1;  // stored already
    rebuildList(index);
}

void CTabEditLibItems::remove() {
    if (m_current < 0 || m_current >= itemCount()) return;
    const int removed = m_current;
    removeItem(removed);
    m_current = -1;  // gone: nothing to store
    // The item now at that place, or the new last one when the last was removed.
    rebuildList(removed < itemCount() ? removed : itemCount() - 1);
}

void CTabEditLibItems::move(int step) {
    const int to = m_current + step;
    if (m_current < 0 || to < 0 || to >= itemCount()) return;
    storeItem(m_current);
    swapItems(m_current, to);
    m_current = -1;
    rebuildList(to);
}

BOOL CTabEditLibItems::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == m_comboId && code == CBN_SELCHANGE) {
        select(m_combo.GetCurSel());
        return TRUE;
    }
    if (id == m_comboId && code == TQ_CBN_CHECKCHANGE) {
        markToggled();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_LIB_ADD: add(); return TRUE;
        case IDC_LIB_REMOVE: remove(); return TRUE;
        case IDC_LIB_UP: move(-1); return TRUE;
        case IDC_LIB_DOWN: move(1); return TRUE;
        case IDC_LIB_ENABLED:
            m_combo.SetCheck(m_current, IsDlgButtonChecked(IDC_LIB_ENABLED) ? TRUE : FALSE);
            return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

// ---- groups ----

CTabEditLibGroups::CTabEditLibGroups(DlgEditLibData& data) : CTabEditLibItems(IDD, data, IDC_LIB_GROUP_COMBO) {}

int CTabEditLibGroups::itemCount() const { return m_data.groups.length(); }
Zk_String CTabEditLibGroups::itemName(int index) const { return m_data.groups.getName(index); }
bool CTabEditLibGroups::itemEnabled(int index) const { return m_data.groups.getEnabled(index); }
void CTabEditLibGroups::setItemEnabled(int index, bool enabled) { m_data.groups.setEnabled(index, enabled); }

void CTabEditLibGroups::setTexts() {
    SetDlgItemText(IDC_LIB_GROUP_LABEL, dialString(kTextName).c_str());
    SetDlgItemText(IDC_LIB_ADD, dialString(kTextAddGroup).c_str());
    SetDlgItemText(IDC_LIB_REMOVE, dialString(kTextRemoveGroup).c_str());
    SetDlgItemText(IDC_LIB_LANG_LABEL, dialString(kTextGroupNames).c_str());
}

void CTabEditLibGroups::storeItem(int index) {
    m_data.groups.setEnabled(index, IsDlgButtonChecked(IDC_LIB_ENABLED) != 0);
    m_data.groups.setImage(index, comboText(GetDlgItem(IDC_LIB_IMAGE)));
    m_data.groups.setLangs(index, m_languages->read());
}

void CTabEditLibGroups::showItem(int index) {
    CheckDlgButton(IDC_LIB_ENABLED, m_data.groups.getEnabled(index) ? 1 : 0);
    selectOrAdd(static_cast<CComboBox*>(GetDlgItem(IDC_LIB_IMAGE)), m_data.groups.getImage(index));
    m_languages->show(m_data.groups.getLangs(index));
}

int CTabEditLibGroups::appendItem() { return m_data.groups.appendNewGrp(); }

void CTabEditLibGroups::removeItem(int index) {
    m_data.groups.removeAt(index);
    for (SectionType& type : m_data.types) {
        if (type.group == index) type.group = -1;
        else if (type.group > index) --type.group;
    }
}

void CTabEditLibGroups::swapItems(int a, int b) {
    m_data.groups.swap(a, b);
    for (SectionType& type : m_data.types) {
        if (type.group == a) type.group = b;
        else if (type.group == b) type.group = a;
    }
}

// ---- types ----

CTabEditLibTypes::CTabEditLibTypes(DlgEditLibData& data) : CTabEditLibItems(IDD, data, IDC_LIB_TYPE_COMBO) {}

int CTabEditLibTypes::itemCount() const { return m_data.types.length(); }

Zk_String CTabEditLibTypes::itemName(int index) const {
    const SectionType& type = m_data.types[index];
    const int language = currentLanguageIndex();
    if (type.langs.isValidIndex(language) && !type.langs[language].isEmpty()) return type.langs[language];
    if (!type.langs.isEmpty() && !type.langs[0].isEmpty()) return type.langs[0];
    return type.drawing.isEmpty() ? Zk_String(L"#") + Zk_String(index + 1) : type.drawing;
}

bool CTabEditLibTypes::itemEnabled(int index) const { return m_data.types[index].enabled; }
void CTabEditLibTypes::setItemEnabled(int index, bool enabled) { m_data.types[index].enabled = enabled; }

void CTabEditLibTypes::setTexts() {
    SetDlgItemText(IDC_LIB_TYPE_LABEL, dialString(kTextName).c_str());
    SetDlgItemText(IDC_LIB_ADD, dialString(kTextAddType).c_str());
    SetDlgItemText(IDC_LIB_REMOVE, dialString(kTextRemoveType).c_str());
    SetDlgItemText(IDC_LIB_TYPE_GROUP_LABEL, dialString(kTextGroup).c_str());
    SetDlgItemText(IDC_LIB_TYPE_DRAWING_LABEL, dialString(kTextDrawing).c_str());
    SetDlgItemText(IDC_LIB_LANG_LABEL, dialString(kTextTypeNames).c_str());
    fillGroupCombo();
    fillDrawingCombo();
}

void CTabEditLibTypes::fillGroupCombo() {
    auto* groups = static_cast<CComboBox*>(GetDlgItem(IDC_LIB_TYPE_GROUP));
    if (groups == nullptr) return;
    groups->ResetContent();
    for (const Zk_String& name : m_data.groups.namesOfAllGroups()) groups->AddString(name.c_str());
}

void CTabEditLibTypes::fillDrawingCombo() {
    auto* drawings = static_cast<CComboBox*>(GetDlgItem(IDC_LIB_TYPE_DRAWING));
    if (drawings == nullptr) return;
    const Zk_String shown = comboText(drawings);
    drawings->ResetContent();
    for (const Zk_String& file : m_data.userSections) drawings->AddString(file.c_str());
    drawings->SetWindowText(shown.c_str());
}

void CTabEditLibTypes::refresh() {
    fillGroupCombo();
    fillDrawingCombo();
    const int keep = m_current;
    m_current = -1;
    rebuildList(keep >= 0 ? keep : (itemCount() > 0 ? 0 : -1));
}

void CTabEditLibTypes::storeItem(int index) {
    SectionType& type = m_data.types[index];
    type.enabled = IsDlgButtonChecked(IDC_LIB_ENABLED) != 0;
    type.image = comboText(GetDlgItem(IDC_LIB_IMAGE));
    auto* groups = static_cast<CComboBox*>(GetDlgItem(IDC_LIB_TYPE_GROUP));
    type.group = groups != nullptr ? groups->GetCurSel() : -1;
    type.drawing = comboText(GetDlgItem(IDC_LIB_TYPE_DRAWING));
    type.langs = m_languages->read();
}

void CTabEditLibTypes::showItem(int index) {
    const SectionType& type = m_data.types[index];
    CheckDlgButton(IDC_LIB_ENABLED, type.enabled ? 1 : 0);
    selectOrAdd(static_cast<CComboBox*>(GetDlgItem(IDC_LIB_IMAGE)), type.image);
    if (auto* groups = static_cast<CComboBox*>(GetDlgItem(IDC_LIB_TYPE_GROUP)))
        groups->SetCurSel(m_data.groups.isValidIndex(type.group) ? type.group : -1);
    SetDlgItemText(IDC_LIB_TYPE_DRAWING, type.drawing.c_str());
    m_languages->show(type.langs);
}

void CTabEditLibTypes::enableDetails(bool enabled) {
    CTabEditLibItems::enableDetails(enabled);
    for (int id : {IDC_LIB_TYPE_GROUP, IDC_LIB_TYPE_DRAWING})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enabled ? TRUE : FALSE);
    if (!enabled) SetDlgItemText(IDC_LIB_TYPE_DRAWING, L"");
}

int CTabEditLibTypes::appendItem() {
    SectionType type;
    type.langs = dialStringAllLangs(kTextAddType);
    return m_data.types.append(type);
}

void CTabEditLibTypes::removeItem(int index) { m_data.types.removeAt(index); }

void CTabEditLibTypes::swapItems(int a, int b) { std::swap(m_data.types[a], m_data.types[b]); }
