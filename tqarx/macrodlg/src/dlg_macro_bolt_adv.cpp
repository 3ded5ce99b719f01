#include "macrodlg/dlg_macro_bolt_adv.h"

#include "engine/zk_spread.h"
#include "host/dialog_support.h"
#include "host/macro_host_calls.h"
#include "host/texts.h"
#include "mfc/check_combo.h"
#include "res/macrosub_ids.h"
#include "sub_dialog_controls.h"
#include "win/messages.h"
#include "win/msgbox.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_MACRO_BOLTADVANCED";
const wchar_t* const kInvalidCaption = L"Ongeldige waarde";

enum {
    kTextCaption = 983,
    kTextSlotItem = 999,
    kTextSlotInvalid1 = 1000,
    kTextSlotInvalid2 = 1001,
    kTextCorrect = 888,
    kTextHolesToFill = 997,
    kTextNoHolesToFill = 998,
    kTextHoleName = 242,
    kTextNut = 991,
};

// The slot controls enabled only while the shown slot is active.
const int kSlotControls[] = {IDC_MB_SLOT_RADIUS_TEXT, IDC_MB_SLOT_RADIUS, IDC_MB_SLOT_LENGTH_TEXT,
                             IDC_MB_SLOT_LENGTH,      IDC_MB_SLOT_ANGLE_TEXT, IDC_MB_SLOT_ANGLE,
                             IDC_MB_SLOT_EXTRA_TEXT,  IDC_MB_SLOT_EXTRA,  IDC_MB_SLOT_CHOICE_TEXT,
                             IDC_MB_SLOT_CHOICE};

const int kTriStates[] = {IDC_MB_TAPPED, IDC_MB_FLIP, IDC_MB_COUNTERSUNK, IDC_MB_WORKSHOP};

struct NutButton {
    int id;
    int MacroBoltData::*value;
};
const NutButton kNutButtons[] = {
    {IDC_MB_NUT1, &MacroBoltData::nut1},       {IDC_MB_NUT2, &MacroBoltData::nut2},
    {IDC_MB_WASHER1, &MacroBoltData::washer1}, {IDC_MB_WASHER2, &MacroBoltData::washer2},
    {IDC_MB_WASHERS, &MacroBoltData::washers},
};

bool positive(const Zk_String& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && value > 0;
}

}  // namespace

CDlgMacroBoltAdv::CDlgMacroBoltAdv(const MacroBoltData& bolt, const Zk_StringArray& diameters, MacroPageOwner* owner,
                                   CWnd* parent)
    : CDialog(IDD, parent), m_bolt(bolt), m_diameters(diameters), m_owner(owner) {}

CDlgMacroBoltAdv::~CDlgMacroBoltAdv() = default;

BOOL CDlgMacroBoltAdv::OnInitDialog() {
    CDialog::OnInitDialog();
    m_slots.SubclassDlgItem(IDC_MB_SLOTS, this);
    SetWindowText(dialString(kTextCaption).c_str());
    subdlg::setIconsPicture(*this, IDC_MB_PICTURE, Zk_String(L"DrawBolt2.bmp"));
    subdlg::setTexts(*this, {{IDC_MB_ASSEMBLY_TEXT, 275}, {IDC_MB_TOLERANCE_TEXT, 278},
                             {IDC_MB_DIAMETER_TEXT, 328}, {IDC_MB_PENETRATION_TEXT, 277},
                             {IDC_MB_HOLES_CAPTION, 242}, {IDC_MB_FILL_HOLES, 984},
                             {IDC_MB_TAPPED, 674},        {IDC_MB_FLIP, 985},
                             {IDC_MB_COUNTERSUNK, 234},   {IDC_MB_WORKSHOP, 276},
                             {IDC_MB_ADDED_TEXT, 1477},   {IDC_MB_SLOT_FRAME, 986},
                             {IDC_MB_SLOT_ACTIVE, 761},   {IDC_MB_SLOT_RADIUS_TEXT, 328},
                             {IDC_MB_SLOT_LENGTH_TEXT, 987}, {IDC_MB_SLOT_ANGLE_TEXT, 988},
                             {IDC_MB_SLOT_EXTRA_TEXT, 989},  {IDC_MB_SLOT_CHOICE_TEXT, 990},
                             {IDC_MB_WASHER1_TEXT, 992},  {IDC_MB_WASHER2_TEXT, 992},
                             {IDC_MB_WASHERS_TEXT, 993},  {IDOK, 285}});
    subdlg::setText(*this, IDC_MB_NUT1_TEXT, dialString(kTextNut) + Zk_String(L" 1"));
    subdlg::setText(*this, IDC_MB_NUT2_TEXT, dialString(kTextNut) + Zk_String(L" 2"));
    subdlg::fillCombo(*this, IDC_MB_SLOT_CHOICE, {dialString(994), dialString(995), dialString(996)});

    RECT opened{};
    GetWindowRect(&opened);
    ChangeDlgSize(this, Zk_String(kSizeKey), opened.right - opened.left, opened.bottom - opened.top);

    m_holeGrid = std::make_unique<Zk_Spread>();
    if (subdlg::makeGrid(*this, *m_holeGrid, IDC_MB_HOLE_GRID, {Zk_String(L" "), dialString(kTextHoleName)}, {-22, 1}))
        m_holeGrid->setCheckBoxColumn(1);
    m_shownSlot = m_bolt.hasSlottedHoles() ? 0 : -1;
    fill();
    return TRUE;
}

void CDlgMacroBoltAdv::fill() {
    Zk_StringArray assemblies;
    GetAssemblies(assemblies);
    subdlg::fillCombo(*this, IDC_MB_ASSEMBLY, assemblies, m_bolt.assembly);
    subdlg::fillCombo(*this, IDC_MB_DIAMETER, m_diameters, m_bolt.diameter);
    subdlg::setText(*this, IDC_MB_PENETRATION, m_bolt.penetrationLength);
    subdlg::setText(*this, IDC_MB_ADDED, m_bolt.addedLength);
    subdlg::setText(*this, IDC_MB_TOLERANCE, m_bolt.holeTolerance);
    subdlg::setText(*this, IDC_MB_HOLES_TEXT,
                    dialString(m_bolt.hasHolesToFill ? kTextHolesToFill : kTextNoHolesToFill));
    subdlg::enable(*this, IDC_MB_FILL_HOLES, m_bolt.hasHolesToFill);
    subdlg::check(*this, IDC_MB_FILL_HOLES, m_bolt.hasHolesToFill && m_bolt.fillHoles);
    subdlg::setTriState(*this, IDC_MB_TAPPED, m_bolt.tapped);
    subdlg::setTriState(*this, IDC_MB_FLIP, m_bolt.flipOrientation);
    subdlg::setTriState(*this, IDC_MB_COUNTERSUNK, m_bolt.countersunk);
    subdlg::setTriState(*this, IDC_MB_WORKSHOP, m_bolt.workshop);
    for (const NutButton& b : kNutButtons) {
        const int value = m_bolt.*b.value;
        subdlg::enable(*this, b.id, value != -1);
        subdlg::check(*this, b.id, value > 0);
    }
    fillHoleGrid();

    if (CCheckComboBox* slots = m_slots.GetSafeHwnd() ? &m_slots : nullptr) {
        slots->ResetContent();
        for (int i = 0; i < m_bolt.slottedHoles.length(); ++i) {
            const Zk_String item = dialString(kTextSlotItem) + Zk_String(L" nr: ") + Zk_String(i + 1);
            slots->AddString(item.c_str());
            slots->SetCheck(i, m_bolt.slottedHoles[i].active == 1);
        }
    }
    if (!m_bolt.slottedHoles.isValidIndex(m_shownSlot)) m_shownSlot = m_bolt.hasSlottedHoles() ? 0 : -1;
    showSlot(m_shownSlot);
}

void CDlgMacroBoltAdv::fillHoleGrid() {
    if (!m_holeGrid || !m_holeGrid->isCreated()) return;
    Zk_StringArray names;
    Zk_Array<int> checked;
    m_bolt.getHoleColumns(names, checked);
    m_holeGrid->setRowCount(names.length());
    for (int row = 1; row <= names.length(); ++row) {
        m_holeGrid->writeCellText(1, row, Zk_String(checked[row - 1] ? L"1" : L"0"));
        m_holeGrid->writeCellText(2, row, names[row - 1]);
    }
}

void CDlgMacroBoltAdv::showSlot(int index) {
    m_shownSlot = index;
    subdlg::setComboSel(*this, IDC_MB_SLOTS, index);
    const bool has = m_bolt.slottedHoles.isValidIndex(index);
    subdlg::enable(*this, IDC_MB_SLOTS, has);
    subdlg::enable(*this, IDC_MB_SLOT_ACTIVE, has);
    const MacroSlottedHole slot = has ? m_bolt.slottedHoles[index] : MacroSlottedHole();
    subdlg::setTriState(*this, IDC_MB_SLOT_ACTIVE, has ? slot.active : 0);
    subdlg::setText(*this, IDC_MB_SLOT_RADIUS, slot.radius);
    subdlg::setText(*this, IDC_MB_SLOT_LENGTH, slot.length);
    subdlg::setText(*this, IDC_MB_SLOT_ANGLE, slot.angle);
    subdlg::setText(*this, IDC_MB_SLOT_EXTRA, slot.extra);
    const int last = subdlg::comboCount(*this, IDC_MB_SLOT_CHOICE) - 1;
    subdlg::setComboSel(*this, IDC_MB_SLOT_CHOICE, !has ? -1 : slot.choice < 0 || slot.choice > last ? last : slot.choice);
    enableSlotControls();
}

void CDlgMacroBoltAdv::enableSlotControls() {
    const bool active = m_bolt.slottedHoles.isValidIndex(m_shownSlot) && subdlg::isChecked(*this, IDC_MB_SLOT_ACTIVE);
    for (int id : kSlotControls) subdlg::enable(*this, id, active);
}

void CDlgMacroBoltAdv::storeShownSlot() {
    if (!m_bolt.slottedHoles.isValidIndex(m_shownSlot)) return;
    MacroSlottedHole& slot = m_bolt.slottedHoles[m_shownSlot];
    slot.active = subdlg::triState(*this, IDC_MB_SLOT_ACTIVE);
    slot.radius = subdlg::text(*this, IDC_MB_SLOT_RADIUS);
    slot.length = subdlg::text(*this, IDC_MB_SLOT_LENGTH);
    slot.angle = subdlg::text(*this, IDC_MB_SLOT_ANGLE);
    slot.extra = subdlg::text(*this, IDC_MB_SLOT_EXTRA);
    const int choice = subdlg::comboSel(*this, IDC_MB_SLOT_CHOICE);
    const int last = subdlg::comboCount(*this, IDC_MB_SLOT_CHOICE) - 1;
    if (choice >= 0) slot.choice = choice == last ? -1 : choice;
}

void CDlgMacroBoltAdv::readBack() {
    const Zk_String assembly = subdlg::comboText(*this, IDC_MB_ASSEMBLY);
    if (!assembly.isEmpty()) m_bolt.assembly = assembly;
    const Zk_String diameter = subdlg::comboText(*this, IDC_MB_DIAMETER);
    if (!diameter.isEmpty()) m_bolt.diameter = diameter;
    m_bolt.penetrationLength = subdlg::text(*this, IDC_MB_PENETRATION);
    m_bolt.addedLength = subdlg::text(*this, IDC_MB_ADDED);
    m_bolt.holeTolerance = subdlg::text(*this, IDC_MB_TOLERANCE);
    if (m_bolt.hasHolesToFill) m_bolt.fillHoles = subdlg::isChecked(*this, IDC_MB_FILL_HOLES);
    m_bolt.tapped = subdlg::triState(*this, IDC_MB_TAPPED);
    m_bolt.flipOrientation = subdlg::triState(*this, IDC_MB_FLIP);
    m_bolt.countersunk = subdlg::triState(*this, IDC_MB_COUNTERSUNK);
    m_bolt.workshop = subdlg::triState(*this, IDC_MB_WORKSHOP);
    for (const NutButton& b : kNutButtons)
        if (m_bolt.*b.value != -1) m_bolt.*b.value = subdlg::isChecked(*this, b.id) ? 1 : 0;
    if (m_holeGrid && m_holeGrid->isCreated()) {
        Zk_StringArray names;
        Zk_Array<int> checked;
        for (int row = 1; row <= m_holeGrid->getRowCount(); ++row) {
            names.append(subdlg::cell(*m_holeGrid, 2, row));
            checked.append(subdlg::cell(*m_holeGrid, 1, row) == L"1" ? 1 : 0);
        }
        m_bolt.setHoleColumns(names, checked);
    }
    storeShownSlot();
}

bool CDlgMacroBoltAdv::validate() {
    for (int i = 0; i < m_bolt.slottedHoles.length(); ++i) {
        const MacroSlottedHole& slot = m_bolt.slottedHoles[i];
        if (slot.active != 1 || (positive(slot.radius) && positive(slot.length))) continue;
        const Zk_String message = dialString(kTextSlotInvalid1) + Zk_String(L" ") + Zk_String(i) + Zk_String(L" ") +
                                  dialString(kTextSlotInvalid2) + Zk_String(L"\n\n") + dialString(kTextCorrect) +
                                  Zk_String(L".");
        MessageBox(message.c_str(), kInvalidCaption, MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

bool CDlgMacroBoltAdv::apply() {
    readBack();
    if (!validate()) return false;
    if (!m_owner) return true;
    const bool applied = m_owner->applyBoltFromDialog(m_bolt);
    fill();
    return applied;
}

BOOL CDlgMacroBoltAdv::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        for (int tri : kTriStates)
            if (id == tri) {
                subdlg::toggleTwoStates(*this, id);
                apply();
                return TRUE;
            }
        if (id == IDC_MB_SLOT_ACTIVE) {
            subdlg::toggleTwoStates(*this, id);
            enableSlotControls();
            apply();
            return TRUE;
        }
        if (id == IDC_MB_FILL_HOLES) {
            apply();
            return TRUE;
        }
        for (const NutButton& b : kNutButtons)
            if (id == b.id) {
                apply();
                return TRUE;
            }
    }
    if (code == STN_CLICKED && id == IDC_MB_NUT1_TEXT) {
        if (CWnd* nut = GetDlgItem(IDC_MB_NUT1); nut && nut->IsWindowEnabled()) {
            subdlg::check(*this, IDC_MB_NUT1, !subdlg::isChecked(*this, IDC_MB_NUT1));
            apply();
        }
        return TRUE;
    }
    if (code == CBN_SELCHANGE && (id == IDC_MB_ASSEMBLY || id == IDC_MB_DIAMETER || id == IDC_MB_SLOT_CHOICE)) {
        apply();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && id == IDC_MB_SLOTS) {
        const int chosen = subdlg::comboSel(*this, IDC_MB_SLOTS);
        storeShownSlot();
        showSlot(chosen);
        return TRUE;
    }
    if (code == TQ_CBN_CHECKCHANGE && id == IDC_MB_SLOTS) {
        // A ticked item switches its slot on or off.
        CCheckComboBox* slots = &m_slots;
        const int item = slots->GetLastToggled();
        if (m_bolt.slottedHoles.isValidIndex(item)) {
            storeShownSlot();
            m_bolt.slottedHoles[item].active = slots->GetCheck(item) ? 1 : 0;
            showSlot(item);
            apply();
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgMacroBoltAdv::PreTranslateMessage(MSG* msg) {
    // Enter applies without closing.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        apply();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CDlgMacroBoltAdv::OnOK() {
    if (apply()) EndDialog(IDOK);
}

void CDlgMacroBoltAdv::OnDestroy() {
    WriteDlgSize(this, Zk_String(kSizeKey));
    CDialog::OnDestroy();
}
