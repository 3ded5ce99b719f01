#include "macrodlg/dlg_array.h"

#include <algorithm>

#include "designer/zk_dlg_designer_data.h"
#include "engine/zk_spread.h"
#include "host/array_dim_names.h"
#include "host/texts.h"
#include "dialog_control_access.h"
#include "mfc/controls.h"
#include "res/macroselect_ids.h"

namespace {

// The six texts of the record, in the order DynArrayData::texts keeps them.
const int kTextFields[] = {IDC_ARRAY_COUNT, IDC_ARRAY_DISTANCE, IDC_ARRAY_START,
                           IDC_ARRAY_FIRST_DIM, IDC_ARRAY_SECOND_DIM, IDC_ARRAY_SKIP};
constexpr int kTextCount = 6;
constexpr int kKeepItem = 4;  // the type combo's item standing for -1

// What each type shows besides the controls every type has. The keep item shows
// everything a type may have except the type-1 name.
struct TypeControls {
    bool type1Text;
    bool dimension;
    bool dimNames;
    bool dimName2;
};
TypeControls controlsOf(int type) {
    switch (type) {
    case 0: return {false, true, false, false};
    case 1: return {true, false, true, false};
    case 2: return {false, true, true, true};
    case 3: return {false, false, true, true};
    default: return {false, true, true, true};
    }
}

}  // namespace

CDlgArray::CDlgArray(const DynArrayData& data, const AcDbObjectIdArray& objectIds, const Zk_String& name,
                     CWnd* parent)
    : CDialog(IDD, parent), m_data(data), m_objectIds(objectIds), m_name(name), m_grid(std::make_unique<Zk_Spread>()) {}

CDlgArray::~CDlgArray() = default;

BOOL CDlgArray::OnInitDialog() {
    CDialog::OnInitDialog();
    setTexts();
    m_grid->createFromPlaceholder(this, IDC_SHEET);
    m_grid->applyStandardLook(true);
    m_grid->setColCount(3);
    m_grid->SetColWidthInPixels(0, 25);
    m_grid->SetColWidthInPixels(kCheckCol, 22);
    m_grid->setColumnWidths(Zk_Array<double>{-22.0, 1.0, -50.0}, kCheckCol);
    m_grid->writeCellText(kCheckCol, 0, dialString(1069));
    m_grid->writeCellText(kNameCol, 0, dialString(1075));
    m_grid->writeCellText(kValueCol, 0, dialString(1070));

    CComboBox* type = comboAt(this, IDC_ARRAY_TYPE);
    for (int nr : {1071, 1072, 1073, 1074, kKeepMarkerText}) type->AddString(dialString(nr).c_str());
    Zk_StringArray images;
    getModuleImages(images);
    CComboBox* image = comboAt(this, IDC_ARRAY_IMAGE);
    for (const Zk_String& name : images) image->AddString(name.c_str());

    fillControls();
    fillGrid();
    return TRUE;
}

void CDlgArray::setTexts() {
    SetWindowText((dialString(1056) + L" (" + m_data.name + L")").c_str());
    // Control and numbered text of each caption.
    const int labels[][2] = {{1125, 1057}, {1015, 228},  {1129, 1058}, {1130, 1059}, {1126, 1060},
                             {1134, 1061}, {1127, 1062}, {1128, 1063}, {1132, 1064}, {1133, 1065},
                             {1346, 1066}, {1349, 1067}, {1348, 171},  {1087, 172},  {1089, 1068},
                             {IDOK, 1},    {IDCANCEL, 2}};
    for (const auto& label : labels) SetDlgItemText(label[0], dialString(label[1]).c_str());
    SetDlgItemText(IDC_ARRAY_ALTERNATING, L"Add entries alternating");
    SetDlgItemText(IDC_ARRAY_SKIP_LABEL, L"Nr of entries to skip");
}

int CDlgArray::shownType() const {
    const int item = comboAt(this, IDC_ARRAY_TYPE)->GetCurSel();
    return item == kKeepItem || item < 0 ? kArrayTypeKeep : item;
}

void CDlgArray::fillControls() {
    comboAt(this, IDC_ARRAY_IMAGE)->SetCurSel(m_data.image);
    const int type = m_data.type;
    comboAt(this, IDC_ARRAY_TYPE)->SetCurSel(type >= 0 && type <= 3 ? type : kKeepItem);
    for (int i = 0; i < kTextCount; ++i)
        SetDlgItemText(kTextFields[i], m_data.texts.isValidIndex(i) ? m_data.texts[i].c_str() : L"");
    CheckDlgButton(IDC_ARRAY_MIRROR, triStateToCheck(m_data.flag1));
    CheckDlgButton(IDC_ARRAY_ALTERNATING, triStateToCheck(m_data.alternating));
    applyType();
}

void CDlgArray::applyType() {
    const int type = m_data.type;
    Zk_StringArray dims;
    getValidDimNames(m_data, m_objectIds, dims);
    // A stored name the macros do not offer any more stays in its list, so that an
    // unchanged dialog keeps it.
    if (type != 1) fillTextCombo(comboAt(this, IDC_ARRAY_DIMENSION), dims, m_data.dimensionText);
    fillTextCombo(comboAt(this, IDC_ARRAY_DIM_NAME1), dims, m_data.dimName1);
    if (type != 1) fillTextCombo(comboAt(this, IDC_ARRAY_DIM_NAME2), dims, m_data.dimName2);

    if (type == 1 || type == 2)
        SetDlgItemText(IDC_ARRAY_DIM_CAPTION, dialString(1076).c_str());
    else if (type == 3)
        SetDlgItemText(IDC_ARRAY_DIM_CAPTION, dialString(1077).c_str());

    if (type == 1) SetDlgItemText(IDC_ARRAY_TYPE1_TEXT, m_data.type1Text.c_str());
    const TypeControls shown = controlsOf(type);
    showControls(this, {IDC_ARRAY_TYPE1_TEXT}, shown.type1Text);
    showControls(this, {IDC_ARRAY_DIMENSION, IDC_ARRAY_DIMENSION_LABEL}, shown.dimension);
    showControls(this, {IDC_ARRAY_DIM_CAPTION, IDC_ARRAY_DIM_NAME1, IDC_ARRAY_DIM_NAME1_LABEL}, shown.dimNames);
    showControls(this, {IDC_ARRAY_DIM_NAME2, IDC_ARRAY_DIM_NAME2_LABEL}, shown.dimName2);
}

void CDlgArray::fillGrid() {
    Zk_Array<int> values;
    Zk_Array<int> checked;
    Zk_StringArray names;
    m_data.getEntryColumns(values, checked, names);
    m_grid->setRowCount(names.length());
    m_grid->setCheckBoxColumn(kCheckCol);
    m_grid->SetTypeInteger(kValueCol, SS_ALLROWS, kValueCol, SS_ALLROWS, -999999, 999999);
    m_grid->SetLock(kNameCol, SS_ALLROWS, kNameCol, SS_ALLROWS, TRUE);
    for (int row = 1; row <= names.length(); ++row) {
        m_grid->writeCellText(kCheckCol, row, Zk_String(checked[row - 1] != 0 ? L"1" : L"0"));
        m_grid->writeCellText(kNameCol, row, names[row - 1]);
        m_grid->writeCellText(kValueCol, row, Zk_String(values[row - 1]));
    }
    m_grid->applyColumnWidths();
}

void CDlgArray::storeControls() {
    // The controls shown are those of the type the record holds until now.
    const TypeControls shown = controlsOf(m_data.type);
    if (m_data.type == 1) m_data.type1Text = windowText(this, IDC_ARRAY_TYPE1_TEXT);
    if (shown.dimension) m_data.dimensionText = comboText(this, IDC_ARRAY_DIMENSION);
    if (shown.dimNames) m_data.dimName1 = comboText(this, IDC_ARRAY_DIM_NAME1);
    if (shown.dimName2) m_data.dimName2 = comboText(this, IDC_ARRAY_DIM_NAME2);
    m_data.type = shownType();
    // An image the list does not hold (none chosen) stays as it was.
    const int image = comboAt(this, IDC_ARRAY_IMAGE)->GetCurSel();
    if (image >= 0) m_data.image = image;
    m_data.texts.setLength(std::max(m_data.texts.length(), kTextCount));
    for (int i = 0; i < kTextCount; ++i) m_data.texts[i] = windowText(this, kTextFields[i]);
    m_data.flag1 = checkToTriState(IsDlgButtonChecked(IDC_ARRAY_MIRROR));
    m_data.alternating = checkToTriState(IsDlgButtonChecked(IDC_ARRAY_ALTERNATING));
}

void CDlgArray::storeGrid() {
    Zk_Array<int> values;
    Zk_Array<int> checked;
    Zk_StringArray names;
    m_data.getEntryColumns(values, checked, names);
    for (int row = 1; row <= names.length() && row <= m_grid->getRowCount(); ++row) {
        Zk_String text;
        m_grid->readCellText(kCheckCol, row, text);
        checked[row - 1] = text == L"1" ? 1 : 0;
        m_grid->readCellText(kValueCol, row, text);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok) values[row - 1] = value;
    }
    m_data.setEntryColumns(values, checked, names);
}

void CDlgArray::ensureActiveCell() {
    SS_COORD col = -1;
    SS_COORD row = -1;
    m_grid->GetActiveCell(&col, &row);
    if (row < 1 && m_grid->getRowCount() > 0) m_grid->SetActiveCell(kCheckCol, 1);
    m_grid->SetFocus();
}

void CDlgArray::markActiveEntry() {
    SS_COORD col = -1;
    SS_COORD row = -1;
    if (!m_grid->GetActiveCell(&col, &row) || row < 1 || row > m_grid->getRowCount()) return;
    m_data.setEntryAction(row - 1, 1);
}

BOOL CDlgArray::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_ARRAY_TYPE && code == CBN_SELCHANGE) {
        storeControls();
        storeGrid();
        applyType();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_ARRAY_ADD_ENTRY: markActiveEntry(); return TRUE;
        case IDC_ARRAY_ADD:
        case IDC_ARRAY_REMOVE: ensureActiveCell(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgArray::OnOK() {
    storeControls();
    storeGrid();
    EndDialog(IDOK);
}
