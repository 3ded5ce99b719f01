#include "macrodlg/dlg_macro_prof_segm.h"

#include "engine/zk_spread.h"
#include "host/dialog_support.h"
#include "host/texts.h"
#include "res/macrosub_ids.h"
#include "sub_dialog_controls.h"
#include "win/messages.h"
#include "win/msgbox.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_MACRO_PROFSEGMENTED";

enum {
    kTextCaption = 1027,
    kTextValueHeader = 1033,
    kTextNumberHeader = 1032,
};

const int kRecordControls[] = {IDC_MS_RECORDS, IDC_MS_NAME,       IDC_MS_CLEARANCE, IDC_MS_BREAK,
                               IDC_MS_GRID,    IDC_MS_INSERT_ROW, IDC_MS_DELETE_ROW, IDC_MS_PICK_POINT};

}  // namespace

CDlgMacroProfSegm::CDlgMacroProfSegm(const Zk_Array<MacroProfSegmentedData>& segments, CWnd* parent)
    : CDialog(IDD, parent), m_segments(segments) {}

CDlgMacroProfSegm::~CDlgMacroProfSegm() = default;

BOOL CDlgMacroProfSegm::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTextCaption).c_str());
    subdlg::setTexts(*this, {{IDC_MS_RECORDS_TEXT, 1028}, {IDC_MS_NAME_TEXT, 63}, {IDC_MS_CLEARANCE_TEXT, 1029},
                             {IDC_MS_CLEARANCE_UNIT, 266}, {IDC_MS_BREAK, 1030}, {IDC_MS_PICK_POINT, 1031},
                             {IDOK, 1}, {IDCANCEL, 2}});
    RECT opened{};
    GetWindowRect(&opened);
    m_minWidth = opened.right - opened.left;
    m_minHeight = opened.bottom - opened.top;
    ChangeDlgSize(this, Zk_String(kSizeKey), m_minWidth, m_minHeight);

    m_grid = std::make_unique<Zk_Spread>();
    subdlg::makeGrid(*this, *m_grid, IDC_MS_GRID,
                     {dialString(kTextValueHeader), dialString(kTextNumberHeader) + Zk_String(L" nr.")}, {1, 1});
    fillRecordCombo();
    show(m_segments.isEmpty() ? -1 : 0);
    return TRUE;
}

void CDlgMacroProfSegm::fillRecordCombo() {
    Zk_StringArray items;
    for (const MacroProfSegmentedData& s : m_segments) items.append(s.name + Zk_String(L" - ") + s.profile);
    subdlg::fillCombo(*this, IDC_MS_RECORDS, items);
}

void CDlgMacroProfSegm::show(int index) {
    m_shown = m_segments.isValidIndex(index) ? index : -1;
    const bool has = m_shown >= 0;
    for (int id : kRecordControls) subdlg::enable(*this, id, has);
    subdlg::setComboSel(*this, IDC_MS_RECORDS, m_shown);
    const MacroProfSegmentedData record = has ? m_segments[m_shown] : MacroProfSegmentedData();
    subdlg::setText(*this, IDC_MS_NAME, record.name);
    subdlg::setText(*this, IDC_MS_CLEARANCE, has ? Zk_String(record.clearance, 2) : Zk_String());
    subdlg::check(*this, IDC_MS_BREAK, record.breakAtEveryPoint);
    if (!m_grid || !m_grid->isCreated()) return;
    m_grid->setRowCount(record.segments.length());
    for (int row = 1; row <= record.segments.length(); ++row) {
        m_grid->writeCellText(1, row, Zk_String(record.segments[row - 1].number));
        m_grid->writeCellText(2, row, record.segments[row - 1].value);
    }
}

void CDlgMacroProfSegm::store() {
    if (!m_segments.isValidIndex(m_shown)) return;
    MacroProfSegmentedData& record = m_segments[m_shown];
    record.name = subdlg::text(*this, IDC_MS_NAME);
    bool ok = false;
    const double clearance = subdlg::text(*this, IDC_MS_CLEARANCE).trimmed().toDouble(&ok);
    if (ok) record.clearance = clearance;
    record.breakAtEveryPoint = subdlg::isChecked(*this, IDC_MS_BREAK);
    if (!m_grid || !m_grid->isCreated()) return;
    Zk_Array<MacroProfSegment> segments;
    for (int row = 1; row <= m_grid->getRowCount(); ++row) {
        MacroProfSegment segment;
        const int number = subdlg::cell(*m_grid, 1, row).trimmed().toInt(&ok);
        segment.number = ok ? number : row;
        segment.value = subdlg::cell(*m_grid, 2, row);
        segments.append(segment);
    }
    record.segments = segments;
}

int CDlgMacroProfSegm::activeRow() const {
    if (!m_grid || !m_grid->isCreated()) return 0;
    m_grid->refreshCurrentCell();
    const int row = m_grid->currentRow;
    return row >= 1 && row <= m_grid->getRowCount() ? row : 0;
}

BOOL CDlgMacroProfSegm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == CBN_SELCHANGE && id == IDC_MS_RECORDS) {
        const int chosen = subdlg::comboSel(*this, IDC_MS_RECORDS);
        store();
        fillRecordCombo();
        show(chosen);
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_MS_INSERT_ROW && m_grid && m_grid->isCreated()) {
        // A new row at the active row, or at the end; its number is its row.
        const int rows = m_grid->getRowCount();
        int at = activeRow();
        if (at == 0) {
            at = rows + 1;
            m_grid->setRowCount(at);
        } else {
            m_grid->insertRow(at);
        }
        m_grid->writeCellText(1, at, Zk_String(at));
        m_grid->writeCellText(2, at, Zk_String());
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_MS_DELETE_ROW && m_grid && m_grid->isCreated()) {
        if (const int row = activeRow()) m_grid->deleteRow(row);
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_MS_PICK_POINT) return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgMacroProfSegm::OnOK() {
    store();
    EndDialog(IDOK);
}

void CDlgMacroProfSegm::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (m_minWidth > 0) {
        info->ptMinTrackSize.x = m_minWidth;
        info->ptMinTrackSize.y = m_minHeight;
    }
}

void CDlgMacroProfSegm::OnDestroy() {
    WriteDlgSize(this, Zk_String(kSizeKey));
    CDialog::OnDestroy();
}
