#include "supportdlg/form_dialogs.h"

#include "dlg_fields.h"
#include "host/files.h"
#include "host/list_utils.h"
#include "res/supportdlg_ids.h"
#include "win/msgbox.h"

using namespace supportdlg;

bool parseSpacings(const Zk_String& text, Zk_Array<double>& spacings) {
    Zk_Array<double> out;
    Zk_String normalized = text;
    normalized.replace(L"\t", L" ");
    for (const Zk_String& piece : strToArr(normalized, L" ")) {
        Zk_String count, length;
        int copies = 1;
        if (splitStringAtSymbol(piece, L"*", count, length)) {
            bool ok = false;
            copies = count.toInt(&ok);
            if (!ok || copies < 1 || copies > 10000) return false;
        } else {
            length = piece;
        }
        bool ok = false;
        const double value = length.toDouble(&ok);
        if (!ok || !(value > 0)) return false;
        for (int i = 0; i < copies; ++i) out.append(value);
    }
    spacings = std::move(out);
    return true;
}

CDlgGrid::CDlgGrid(CWnd* parent) : CDialog(IDD_TQ_GRID, parent) {}

BOOL CDlgGrid::OnInitDialog() {
    CDialog::OnInitDialog();
    setText(*this, IDC_SUP_EDIT1, m_data.name);
    setText(*this, IDC_SUP_EDIT2, m_data.xSpacing);
    setText(*this, IDC_SUP_EDIT3, m_data.ySpacing);
    setText(*this, IDC_SUP_EDIT4, m_data.xLabels);
    setText(*this, IDC_SUP_EDIT5, m_data.yLabels);
    setNumber(*this, IDC_SUP_EDIT6, m_data.zLevel);
    setCheck(*this, IDC_SUP_CHECK1, m_data.drawLines);
    return TRUE;
}

void CDlgGrid::OnOK() {
    Zk_Array<double> spacings;
    for (const int id : {IDC_SUP_EDIT2, IDC_SUP_EDIT3}) {
        if (!parseSpacings(getText(*this, id), spacings)) {
            warn(*this, L"Please enter the spacings as lengths separated by blanks, for example \"6000 2*4500\".");
            if (CWnd* field = GetDlgItem(id)) field->SetFocus();
            return;
        }
    }
    double z = 0;
    if (!getNumber(*this, IDC_SUP_EDIT6, L"the level", -1e308, z)) return;
    m_data.name = getText(*this, IDC_SUP_EDIT1).trimmed();
    m_data.xSpacing = getText(*this, IDC_SUP_EDIT2).trimmed();
    m_data.ySpacing = getText(*this, IDC_SUP_EDIT3).trimmed();
    m_data.xLabels = getText(*this, IDC_SUP_EDIT4).trimmed();
    m_data.yLabels = getText(*this, IDC_SUP_EDIT5).trimmed();
    m_data.zLevel = z;
    m_data.drawLines = getCheck(*this, IDC_SUP_CHECK1);
    EndDialog(IDOK);
}

namespace {
const wchar_t* const kSheetKinds[] = {L"Wall", L"Roof"};
const wchar_t* const kCis2Modes[] = {L"Design model", L"Analysis model", L"Manufacturing model"};
const wchar_t* const kBracingTypes[] = {L"Cross", L"K bracing", L"Single diagonal"};
}  // namespace

CDlgCladdingSettings::CDlgCladdingSettings(CWnd* parent) : CDialog(IDD_TQ_CLADDING, parent) {}

BOOL CDlgCladdingSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    setText(*this, IDC_SUP_EDIT1, m_data.material);
    setNumber(*this, IDC_SUP_EDIT2, m_data.thickness);
    setNumber(*this, IDC_SUP_EDIT3, m_data.overlap);
    fillCombo(*this, IDC_SUP_COMBO1, kSheetKinds, 2, m_data.sheetKind);
    setCheck(*this, IDC_SUP_CHECK1, m_data.showFixings);
    return TRUE;
}

void CDlgCladdingSettings::OnOK() {
    double thickness = 0, overlap = 0;
    if (!getNumber(*this, IDC_SUP_EDIT2, L"the sheet thickness", 0.01, thickness)) return;
    if (!getNumber(*this, IDC_SUP_EDIT3, L"the overlap", 0, overlap)) return;
    m_data.material = getText(*this, IDC_SUP_EDIT1).trimmed();
    m_data.thickness = thickness;
    m_data.overlap = overlap;
    m_data.sheetKind = comboIndex(*this, IDC_SUP_COMBO1) < 0 ? 0 : comboIndex(*this, IDC_SUP_COMBO1);
    m_data.showFixings = getCheck(*this, IDC_SUP_CHECK1);
    EndDialog(IDOK);
}

CDlgCis2::CDlgCis2(CWnd* parent) : CDialog(IDD_TQ_CIS2, parent) {}

BOOL CDlgCis2::OnInitDialog() {
    CDialog::OnInitDialog();
    setText(*this, IDC_SUP_EDIT1, m_data.projectName);
    setText(*this, IDC_SUP_EDIT2, m_data.author);
    setText(*this, IDC_SUP_EDIT3, m_data.organisation);
    setText(*this, IDC_SUP_EDIT4, m_data.fileName);
    fillCombo(*this, IDC_SUP_COMBO1, kCis2Modes, 3, m_data.exportMode);
    return TRUE;
}

void CDlgCis2::OnOK() {
    const Zk_String file = getText(*this, IDC_SUP_EDIT4).trimmed();
    const Zk_String name = getFileName(file);
    if (!file.isEmpty() && (name.isEmpty() || hasInvalidFileNameChars(name))) {
        warn(*this, L"The file name is not valid.");
        if (CWnd* field = GetDlgItem(IDC_SUP_EDIT4)) field->SetFocus();
        return;
    }
    m_data.projectName = getText(*this, IDC_SUP_EDIT1).trimmed();
    m_data.author = getText(*this, IDC_SUP_EDIT2).trimmed();
    m_data.organisation = getText(*this, IDC_SUP_EDIT3).trimmed();
    m_data.fileName = file;
    m_data.exportMode = comboIndex(*this, IDC_SUP_COMBO1) < 0 ? 0 : comboIndex(*this, IDC_SUP_COMBO1);
    EndDialog(IDOK);
}

CDlgBracing::CDlgBracing(CWnd* parent) : CDialog(IDD_TQ_BRACING, parent) {}

BOOL CDlgBracing::OnInitDialog() {
    CDialog::OnInitDialog();
    setText(*this, IDC_SUP_EDIT1, m_data.section);
    fillCombo(*this, IDC_SUP_COMBO1, kBracingTypes, 3, m_data.bracingType);
    setNumber(*this, IDC_SUP_EDIT2, m_data.offset);
    setCheck(*this, IDC_SUP_CHECK1, m_data.bothSides);
    return TRUE;
}

void CDlgBracing::OnOK() {
    const Zk_String section = getText(*this, IDC_SUP_EDIT1).trimmed();
    if (section.isEmpty()) {
        warn(*this, L"Please enter the section of the bracing.");
        if (CWnd* field = GetDlgItem(IDC_SUP_EDIT1)) field->SetFocus();
        return;
    }
    double offset = 0;
    if (!getNumber(*this, IDC_SUP_EDIT2, L"the offset", -1e308, offset)) return;
    m_data.section = section;
    m_data.bracingType = comboIndex(*this, IDC_SUP_COMBO1) < 0 ? 0 : comboIndex(*this, IDC_SUP_COMBO1);
    m_data.offset = offset;
    m_data.bothSides = getCheck(*this, IDC_SUP_CHECK1);
    EndDialog(IDOK);
}

Zk_DlgCSP2::Zk_DlgCSP2(CWnd* parent) : CDialog(IDD_TQ_CSP2, parent) {}

BOOL Zk_DlgCSP2::OnInitDialog() {
    CDialog::OnInitDialog();
    setText(*this, IDC_SUP_EDIT1, m_data.stockLengths);
    setNumber(*this, IDC_SUP_EDIT2, m_data.sawWidth);
    setNumber(*this, IDC_SUP_EDIT3, m_data.minRest);
    setCheck(*this, IDC_SUP_CHECK1, m_data.sortByLength);
    return TRUE;
}

void Zk_DlgCSP2::OnOK() {
    const Zk_StringArray lengths = strToArr(getText(*this, IDC_SUP_EDIT1), L";", true, true);
    bool valid = !lengths.isEmpty();
    for (const auto& length : lengths) {
        bool ok = false;
        valid = valid && length.toDouble(&ok) > 0 && ok;
    }
    if (!valid) {
        warn(*this, L"Please enter one or more stock lengths separated by \";\".");
        if (CWnd* field = GetDlgItem(IDC_SUP_EDIT1)) field->SetFocus();
        return;
    }
    double saw = 0, rest = 0;
    if (!getNumber(*this, IDC_SUP_EDIT2, L"the saw width", 0, saw)) return;
    if (!getNumber(*this, IDC_SUP_EDIT3, L"the least usable rest", 0, rest)) return;
    m_data.stockLengths = arrToStr(lengths, L";");
    m_data.sawWidth = saw;
    m_data.minRest = rest;
    m_data.sortByLength = getCheck(*this, IDC_SUP_CHECK1);
    EndDialog(IDOK);
}
