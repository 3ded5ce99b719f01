#include "macrodlg/dlg_select_macro.h"

#include <algorithm>
#include <vector>

#include "dialog_control_access.h"
#include "engine/zk_spread.h"
#include "host/dialog_support.h"
#include "host/files.h"
#include "host/list_utils.h"
#include "host/texts.h"
#include "res/macroselect_ids.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_SELECT_MACRO";
const wchar_t* const kLargeName = L"LARGE_DLG";
constexpr int kHintHeight = 60;
constexpr COLORREF kLockedGrey = 0xDCDCDC;

using B = CResizer::Border;
std::vector<CResizer::Anchor> anchors() {
    const B left{1, 0, 1}, top{1, 0, 2}, right{1, 0, 3}, bottom{1, 0, 4};
    const B keepWidth{3, 0, 1}, keepHeight{4, 0, 2}, fromBottom{1, 0, 4};
    return {
        {IDC_SELECT_THUMBNAILS, left, top, right, bottom},
        {IDC_SELECT_HINT, left, keepHeight, right, bottom},
        {IDC_SELECT_FILTER_GROUP, left, fromBottom, right, bottom},
        {IDC_SELECT_FILTER_BUTTON, keepWidth, fromBottom, right, keepHeight},
        {IDC_SHEET, left, fromBottom, right, bottom},
        {IDC_SELECT_PREVIEWS, left, keepHeight, keepWidth, bottom},
        {IDC_SELECT_OTHER, keepWidth, keepHeight, right, bottom},
        {IDOK, keepWidth, keepHeight, right, bottom},
        {IDCANCEL, keepWidth, keepHeight, right, bottom},
    };
}

RECT rectOf(CWnd* dlg, int id) {
    RECT r{};
    if (CWnd* control = dlg->GetDlgItem(id)) {
        control->GetWindowRect(&r);
        dlg->ScreenToClient(&r);
    }
    return r;
}

}  // namespace

CDlgSelectMacro::CDlgSelectMacro(CWnd* parent) : CDialog(IDD, parent), m_grid(std::make_unique<Zk_Spread>()) {}

CDlgSelectMacro::~CDlgSelectMacro() = default;

Zk_String CDlgSelectMacro::thumbnailFile(const Zk_String& dwgFile) {
    const Zk_String bmp = changeFileExtension(dwgFile, Zk_String(L"bmp"));
    return fileExists(bmp) ? bmp : changeFileExtension(dwgFile, Zk_String(L"abm"));
}

Zk_StringArray CDlgSelectMacro::thumbnailNames(const Zk_StringArray& dwgFiles) {
    Zk_StringArray full;
    Zk_StringArray stripped;
    for (const Zk_String& file : dwgFiles) {
        const Zk_String title = getFileTitle(file);
        Zk_String translated = gMacroLangs.GetString(Zk_String(L"Macro"), title);
        if (translated.isEmpty()) translated = title;
        full.append(translated);
        const Zk_String shortName = stripNumbersAtEnd(translated);
        stripped.append(shortName.isEmpty() ? translated : shortName);
    }
    return hasDuplicates(stripped) ? full : stripped;
}

BOOL CDlgSelectMacro::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_SELECT_THUMBNAILS, this);
    m_filterButton.SubclassDlgItem(IDC_SELECT_FILTER_BUTTON, this);
    setTexts();

    if (!m_otherChoice) {
        enableControls(this, {IDC_SELECT_OTHER}, false);
        if (m_hint) {
            const Zk_String hint = dialString(1312) + L"\n" + dialString(1313);
            SetDlgItemText(IDC_SELECT_HINT, hint.c_str());
            showControls(this, {IDC_SELECT_HINT}, true);
            moveBy(IDC_SELECT_THUMBNAILS, 0, -kHintHeight);
        }
    }

    RECT opened{};
    GetWindowRect(&opened);
    m_minWidth = opened.right - opened.left;
    m_minHeight = opened.bottom - opened.top;

    makePreviews();
    m_list.Initialize(96, 96);
    drawThumbnails();

    m_grid->createFromPlaceholder(this, IDC_SHEET, true);
    m_grid->applyStandardLook(true);  // the check boxes take clicks; names are locked
    m_grid->SetBool(SSB_SHOWROWHEADERS, FALSE);
    fillGrid();

    const RECT group = rectOf(this, IDC_SELECT_FILTER_GROUP);
    m_bandHeight = (group.bottom - group.top) - 8;
    anchor();
    setLarge(readDlgRegBool(Zk_String(kSizeKey), Zk_String(kLargeName), false));
    if (ChangeDlgSize(this, Zk_String(kSizeKey), m_minWidth, m_minHeight)) m_resizer.move();
    return TRUE;
}

void CDlgSelectMacro::setTexts() {
    SetWindowText((m_caption.isEmpty() ? dialString(1116) : m_caption).c_str());
    SetDlgItemText(IDC_SELECT_FILTER_GROUP, (dialString(1644) + L"  ").c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    SetDlgItemText(IDC_SELECT_PREVIEWS, dialString(1118).c_str());
    CheckDlgButton(IDC_SELECT_PREVIEWS, BST_CHECKED);
    SetDlgItemText(IDC_SELECT_OTHER, dialString(1309).c_str());
    m_filterButton.SetIcon(IDI_FILTER_SHOW);
    m_filterButton.SetTooltipText(L"Show or hide filter options");
}

void CDlgSelectMacro::makePreviews() {
    Zk_StringArray all;
    m_filter.getAllDwgFiles(all);
    Zk_StringArray missing;
    for (const Zk_String& file : all)
        if (!fileExists(changeFileExtension(file, Zk_String(L"bmp")))) missing.append(file);
    if (!missing.isEmpty()) CreatePreviewBMPs(missing, Zk_String(L"abm"));
}

void CDlgSelectMacro::drawThumbnails() {
    Zk_StringArray drawings;
    m_filter.getFilteredMacros(drawings);
    const Zk_StringArray names = thumbnailNames(drawings);
    std::vector<CString> files;
    std::vector<CString> shown;
    for (int i = 0; i < drawings.length(); ++i) {
        files.emplace_back(thumbnailFile(drawings[i]).c_str());
        shown.emplace_back(names[i].c_str());
    }
    m_list.DrawThumbnails(files, shown);
}

void CDlgSelectMacro::fillGrid() {
    m_gridReady = false;
    m_filter.getMergedProperties(m_propNames, m_propFlags);
    int pairs = 1;
    for (const Zk_StringArray& names : m_propNames) pairs = std::max(pairs, names.length());
    m_grid->setColCount(2 * pairs);
    m_grid->setRowCount(m_propNames.length());
    for (int pair = 0; pair < pairs; ++pair) {
        const int checkCol = 2 * pair + 1;
        const Zk_String header = pair == 0 ? dialString(1119) : dialString(1120) + L" " + Zk_String(pair);
        // The pair's heading stands over its name; the narrow check column has none.
        m_grid->writeCellText(checkCol, 0, Zk_String());
        m_grid->writeCellText(checkCol + 1, 0, header);
        m_grid->setCheckBoxColumn(checkCol);
        m_grid->SetLock(checkCol + 1, SS_ALLROWS, checkCol + 1, SS_ALLROWS, TRUE);
    }
    for (int row = 1; row <= m_propNames.length(); ++row) {
        const Zk_StringArray& names = m_propNames[row - 1];
        const Zk_Array<int>& flags = m_propFlags[row - 1];
        for (int pair = 0; pair < pairs; ++pair) {
            const int checkCol = 2 * pair + 1;
            if (pair < names.length()) {
                Zk_String name = names[pair];
                if (pair == 0) {
                    const Zk_String translated = gMacroLangs.GetString(Zk_String(L"Macro"), name);
                    if (!translated.isEmpty()) name = translated;
                }
                m_grid->writeCellText(checkCol, row, Zk_String(flags[pair] != 0 ? L"1" : L"0"));
                m_grid->writeCellText(checkCol + 1, row, name);
            } else {
                m_grid->SetTypeStatic(checkCol, row, checkCol + 1, row);
                m_grid->SetLock(checkCol, row, checkCol + 1, row, TRUE);
                m_grid->SetColor(checkCol, row, checkCol + 1, row, kLockedGrey, RGB(0, 0, 0));
            }
        }
    }
    m_grid->fitColumnWidths();
    for (int pair = 0; pair < pairs; ++pair) m_grid->SetColWidthInPixels(2 * pair + 1, 20);
    m_gridReady = true;
}

void CDlgSelectMacro::filterClicked() {
    if (!m_gridReady) return;
    SS_COORD col = -1;
    SS_COORD row = -1;
    if (!m_grid->GetActiveCell(&col, &row) || row < 1 || row > m_propNames.length() || col < 1 || col % 2 == 0)
        return;
    const int module = row - 1;
    const int pair = (col - 1) / 2;
    if (pair >= m_propNames[module].length()) return;
    Zk_String value;
    m_grid->readCellText(col, row, value);
    const bool on = value == L"1";
    if (pair == 0)
        m_filter.setModuleStatus(module, on);
    else
        m_filter.setModulePropStatus(module, pair, on);
    fillGrid();
    drawThumbnails();
}

void CDlgSelectMacro::moveBy(int id, int dTop, int dBottom) {
    CWnd* control = GetDlgItem(id);
    if (control == nullptr) return;
    RECT r = rectOf(this, id);
    control->MoveWindow(r.left, r.top + dTop, r.right - r.left, (r.bottom + dBottom) - (r.top + dTop));
}

void CDlgSelectMacro::anchor() { m_resizer.init(this, anchors()); }

void CDlgSelectMacro::setLarge(bool large) {
    if (large != m_large) {
        const int shift = large ? -m_bandHeight : m_bandHeight;
        moveBy(IDC_SELECT_THUMBNAILS, 0, shift);
        moveBy(IDC_SELECT_FILTER_GROUP, shift, 0);
        moveBy(IDC_SELECT_FILTER_BUTTON, shift, shift);
        m_large = large;
        anchor();
    }
    showControls(this, {IDC_SHEET}, m_large);
    m_filterButton.SetIcon(m_large ? IDI_FILTER_HIDE : IDI_FILTER_SHOW);
    Invalidate();
}

void CDlgSelectMacro::OnOK() {
    const CString file = m_list.GetSelectionFile();
    if (file.IsEmpty()) return;  // nothing chosen: the dialog stays
    m_chosen = changeFileExtension(Zk_String(file.str()), Zk_String(L"dwg"));
    m_otherChoice = false;
    EndDialog(IDOK);
}

BOOL CDlgSelectMacro::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_SHEET && code == SSN_BUTTONCLICKED) {
        filterClicked();
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_SELECT_FILTER_BUTTON) {
        setLarge(!m_large);
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_SELECT_OTHER) {
        m_otherChoice = true;
        m_chosen.clear();
        EndDialog(IDOK);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgSelectMacro::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != nullptr && header->idFrom == static_cast<UINT_PTR>(IDC_SELECT_THUMBNAILS) &&
        header->code == NM_DBLCLK) {
        OnOK();
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgSelectMacro::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_resizer.isInitialised()) return;
    m_resizer.move();
    Invalidate();
}

void CDlgSelectMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (info == nullptr) return;
    info->ptMinTrackSize.x = m_minWidth;
    info->ptMinTrackSize.y = m_minHeight;
}

void CDlgSelectMacro::OnDestroy() {
    writeDlgRegBool(Zk_String(kSizeKey), Zk_String(kLargeName), m_large);
    WriteDlgSize(this, Zk_String(kSizeKey));
    CDialog::OnDestroy();
}
