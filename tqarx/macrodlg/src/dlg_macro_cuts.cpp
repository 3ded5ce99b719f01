#include "macrodlg/dlg_macro_cuts.h"

#include <map>

#include "acad/command_line.h"
#include "dialog_control_access.h"
#include "engine/zk_spread.h"
#include "host/dialog_support.h"
#include "host/files.h"
#include "host/settings.h"
#include "host/texts.h"
#include "mfc/bitmap_picker_combo.h"
#include "res/macroselect_ids.h"
#include "win/bitmap.h"
#include "win/msgbox.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_MACRO_CUTS";

// The captions a kind gives its optional controls; every other one is empty (hidden).
std::map<int, int> captionsOf(int kind) {
    switch (kind) {
    case kCutProfVsPlate:
        return {{IDC_CUT_MODE1, 1105}, {IDC_CUT_MODE2, 1106}, {IDC_CUT_CHOICE_LABEL, 1394},
                {IDC_CUT_CHECK1, 1108}, {IDC_CUT_CHECK2, 1109}, {IDC_CUT_CHECK3, 1399}};
    case kCutProfVsProf3Segments: return {{IDC_CUT_MODE1, 1110}, {IDC_CUT_MODE2, 1111}, {IDC_CUT_MODE3, 1112}};
    case kCutProfInProf: return {{IDC_CUT_CHECK1, 1113}};
    default: return {};
    }
}

const int kOptionalControls[] = {IDC_CUT_MODE1, IDC_CUT_MODE2, IDC_CUT_MODE3, IDC_CUT_CHOICE_LABEL,
                                 IDC_CUT_CHECK1, IDC_CUT_CHECK2, IDC_CUT_CHECK3};
const int kModeRadios[] = {IDC_CUT_MODE1, IDC_CUT_MODE2, IDC_CUT_MODE3};

int modeOfSegments(int options) {
    if (options == kCutSegmentsChamfer) return 1;
    if (options == kCutSegmentsFillet) return 2;
    return 3;
}
int segmentsOfMode(int mode) {
    if (mode == 1) return kCutSegmentsChamfer;
    if (mode == 2) return kCutSegmentsFillet;
    return kCutSegmentsNone;
}

using B = CResizer::Border;
std::vector<CResizer::Anchor> anchors() {
    const B left{1, 0, 1}, top{1, 0, 2}, right{1, 0, 3}, bottom{1, 0, 4};
    const B keepWidth{3, 0, 1}, keepHeight{4, 0, 2};
    std::vector<CResizer::Anchor> list = {
        {IDC_SHEET, left, top, right, bottom},
        {IDC_CUT_KIND, keepWidth, top, right, keepHeight},
    };
    for (int id : {IDC_CUT_MODE_LABEL, IDC_CUT_MODE1, IDC_CUT_MODE2, IDC_CUT_MODE3, IDC_CUT_MODE_HINT,
                   IDC_CUT_CHOICE_LABEL, IDC_CUT_CHOICE, IDC_CUT_CHECK1, IDC_CUT_CHECK2, IDC_CUT_CHECK3})
        list.push_back({id, keepWidth, top, right, keepHeight});
    for (int id : {IDC_CUT_OWN_MODULE, IDC_CUT_OTHER_MODULE, IDC_CUT_TARGET})
        list.push_back({id, left, keepHeight, keepWidth, bottom});
    for (int id : {IDC_CUT_PICK_MACRO, IDOK, IDCANCEL}) list.push_back({id, keepWidth, keepHeight, right, bottom});
    return list;
}

}  // namespace

CDlgMacroCuts::CDlgMacroCuts(CWnd* parent)
    : CAcUiTabMainDialog(IDD, parent), m_grid(std::make_unique<Zk_Spread>()),
      m_kinds(std::make_unique<CBitmapPickerCombo>()) {}

CDlgMacroCuts::~CDlgMacroCuts() {
    if (m_kinds->GetSafeHwnd() != nullptr) m_kinds->DestroyWindow();
    for (HBITMAP bitmap : m_kindBitmaps)
        if (bitmap != nullptr) DeleteObject(bitmap);
}

Zk_String CDlgMacroCuts::displayName(const Zk_String& variable) {
    static const std::map<std::wstring, int> texts = {
        {L"Offset", 1099},       {L"PolyOffset", 1099},   {L"LengthOffset", 1100}, {L"CenterOffset", 1101},
        {L"InsideOffset", 1102}, {L"OutsideOffset", 1103}, {L"Radius", 740}};
    const auto found = texts.find(variable.wstr());
    if (found != texts.end()) return dialString(found->second);
    if (variable == L"Offset1") return Zk_String(dialString(1104)).append(Zk_String(1));
    if (variable == L"Offset2") return Zk_String(dialString(1104)).append(Zk_String(2));
    return variable;
}

const wchar_t* CDlgMacroCuts::kindBitmap(int kind) {
    static const wchar_t* const files[kCutKindCount] = {L"CutProfvsPlate.bmp", L"CutProfvsProf.bmp",
                                                        L"CutProfinProf.bmp",  L"CutProfvsProf3Segments.bmp",
                                                        L"CutChamfer.bmp",     L"CutFillet.bmp"};
    return kind >= 1 && kind <= kCutKindCount ? files[kind - 1] : L"";
}

BOOL CDlgMacroCuts::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    RECT opened{};
    GetWindowRect(&opened);
    m_minWidth = opened.right - opened.left;
    m_minHeight = opened.bottom - opened.top;

    m_kinds->SubclassDlgItem(IDC_CUT_KIND, this);
    setTexts();
    fillKinds();
    m_grid->createFromPlaceholder(this, IDC_SHEET);
    m_grid->applyStandardLook(true);
    m_grid->setColCount(3);
    m_grid->SetColWidthInPixels(kFlagCol, 40);
    m_grid->setColumnWidths(Zk_Array<double>{1.0, 1.0, -40.0}, kFlagCol);
    m_grid->writeCellText(kNameCol, 0, dialString(1078));
    m_grid->writeCellText(kValueCol, 0, dialString(87));
    m_grid->writeCellText(kFlagCol, 0, dialString(881));
    CComboBox* choice = comboAt(this, IDC_CUT_CHOICE);
    for (int nr : {1395, 1396, 1397, 1398}) choice->AddString(dialString(nr).c_str());

    fillControls();
    m_resizer.init(this, anchors());
    m_ready = true;
    if (ChangeDlgSize(this, Zk_String(kSizeKey), m_minWidth, m_minHeight)) {
        m_resizer.move();
        m_grid->applyColumnWidths();
    }
    return TRUE;
}

void CDlgMacroCuts::setTexts() {
    SetWindowText(dialString(m_data.editExisting ? 1079 : 1080).c_str());
    const int labels[][2] = {{IDC_CUT_NAME_LABEL, 1081}, {IDC_CUT_OWN_MODULE, 710}, {IDC_CUT_OTHER_MODULE, 711},
                             {IDC_CUT_PICK_MACRO, 1082}, {IDC_CUT_MODE_LABEL, 1083}, {IDOK, 1},
                             {IDCANCEL, 2}};
    for (const auto& label : labels) SetDlgItemText(label[0], dialString(label[1]).c_str());
}

void CDlgMacroCuts::fillKinds() {
    const Zk_String folder = addBackslash(gSettings.zkDir) + L"icons\\";
    for (int kind = 1; kind <= kCutKindCount; ++kind) {
        const Zk_String file = folder + kindBitmap(kind);
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        m_kindBitmaps.push_back(bitmap);
        m_kinds->AddBitmap(bitmap, dialString(1083 + kind).c_str());
    }
}

int CDlgMacroCuts::currentKind() const { return m_kinds->GetCurSel() + 1; }

int CDlgMacroCuts::currentMode() const {
    for (int i = 0; i < 3; ++i)
        if (IsDlgButtonChecked(kModeRadios[i]) == BST_CHECKED) return i + 1;
    return 1;
}

void CDlgMacroCuts::setMode(int mode) {
    if (mode < 1 || mode > 3) mode = 1;
    CheckRadioButton(IDC_CUT_MODE1, IDC_CUT_MODE3, kModeRadios[mode - 1]);
}

void CDlgMacroCuts::fillControls() {
    const int kind = m_data.kind >= 1 && m_data.kind <= kCutKindCount ? m_data.kind : kCutProfVsPlate;
    m_kinds->SetCurSel(kind - 1);
    SetDlgItemText(IDC_CUT_NAME, m_data.name.c_str());
    SetDlgItemText(IDC_CUT_TEXT2, m_data.text2.c_str());
    fillGrid(m_data.varNames, m_data.varValues, m_data.varFlags);
    if (kind == kCutProfVsPlate) {
        setMode(m_data.otherMode ? 2 : 1);
        comboAt(this, IDC_CUT_CHOICE)->SetCurSel(m_data.choice);
        CheckDlgButton(IDC_CUT_CHECK2, m_data.check1325 != 0 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(IDC_CUT_CHECK3, m_data.check1326 != 0 ? BST_CHECKED : BST_UNCHECKED);
    } else if (kind == kCutProfVsProf3Segments) {
        setMode(modeOfSegments(m_data.segmentOptions));
    } else {
        setMode(m_data.mode);
    }
    if (kind == kCutProfVsPlate || kind == kCutProfInProf)
        CheckDlgButton(IDC_CUT_CHECK1, m_data.check1323 != 0 ? BST_CHECKED : BST_UNCHECKED);
    const bool other = m_data.target == kCutTargetOtherModule;
    CheckRadioButton(IDC_CUT_OWN_MODULE, IDC_CUT_OTHER_MODULE, other ? IDC_CUT_OTHER_MODULE : IDC_CUT_OWN_MODULE);
    fillTargets();
    SetDlgItemText(IDC_CUT_TARGET, m_data.targetModule.c_str());
    int index = -1;
    Zk_StringArray modules;
    m_data.macros.GetAllMods(modules);
    if (modules.find(m_data.targetModule, index, true)) comboAt(this, IDC_CUT_TARGET)->SetCurSel(index);
    enableControls(this, {IDC_CUT_NAME, IDC_CUT_KIND}, !m_data.editExisting);
    relabel();
}

void CDlgMacroCuts::fillGrid(const Zk_StringArray& names, const Zk_StringArray& values, const Zk_Array<int>& flags) {
    m_varNames = names;
    m_grid->setRowCount(names.length());
    m_grid->SetLock(kNameCol, SS_ALLROWS, kNameCol, SS_ALLROWS, TRUE);
    m_grid->setCheckBoxColumn(kFlagCol);
    for (int row = 1; row <= names.length(); ++row) {
        const int i = row - 1;
        const Zk_String value = values.isValidIndex(i) ? values[i].trimmed() : Zk_String();
        m_grid->writeCellText(kNameCol, row, displayName(names[i]));
        m_grid->writeCellText(kValueCol, row, value.isEmpty() ? Zk_String(L"0") : value);
        m_grid->writeCellText(kFlagCol, row, Zk_String(flags.isValidIndex(i) && flags[i] != 0 ? L"1" : L"0"));
    }
    m_grid->applyColumnWidths();
}

void CDlgMacroCuts::fillTargets() {
    const Zk_String typed = windowText(this, IDC_CUT_TARGET);
    Zk_StringArray modules;
    m_data.macros.GetAllMods(modules);
    CComboBox* combo = comboAt(this, IDC_CUT_TARGET);
    combo->ResetContent();
    for (const Zk_String& module : modules) combo->AddString(module.c_str());
    int index = -1;
    if (modules.find(typed, index, true))
        combo->SetCurSel(index);
    else
        SetDlgItemText(IDC_CUT_TARGET, typed.c_str());
}

void CDlgMacroCuts::relabel() {
    const int kind = currentKind();
    const std::map<int, int> captions = captionsOf(kind);
    for (int id : kOptionalControls) {
        const auto found = captions.find(id);
        SetDlgItemText(id, found == captions.end() ? L"" : dialString(found->second).c_str());
        showControls(this, {id}, found != captions.end());
    }
    showControls(this, {IDC_CUT_CHOICE}, captions.count(IDC_CUT_CHOICE_LABEL) != 0);
    showControls(this, {IDC_CUT_MODE_LABEL}, captions.count(IDC_CUT_MODE1) != 0);
    if (kind == kCutProfVsPlate && currentMode() == 3) setMode(2);
    relabelModeHint();
    enableDependents();
}

void CDlgMacroCuts::relabelModeHint() {
    const int mode = currentMode();
    Zk_String hint;
    if (currentKind() == kCutProfVsProf3Segments && mode != 3) hint = dialString(mode == 1 ? 1115 : 1114);
    SetDlgItemText(IDC_CUT_MODE_HINT, hint.c_str());
    showControls(this, {IDC_CUT_MODE_HINT}, !hint.isEmpty());
}

// For kind 1 the choice depends on 1323 and the mode radios on 1325: each pair is open
// only while its box is clear.
void CDlgMacroCuts::enableDependents() {
    const bool kind1 = currentKind() == kCutProfVsPlate;
    const bool choiceOpen = !kind1 || IsDlgButtonChecked(IDC_CUT_CHECK1) != BST_CHECKED;
    const bool modeOpen = !kind1 || IsDlgButtonChecked(IDC_CUT_CHECK2) != BST_CHECKED;
    enableControls(this, {IDC_CUT_CHOICE_LABEL, IDC_CUT_CHOICE}, choiceOpen);
    enableControls(this, {IDC_CUT_MODE1, IDC_CUT_MODE2}, modeOpen);
    enableControls(this, {IDC_CUT_TARGET}, IsDlgButtonChecked(IDC_CUT_OTHER_MODULE) == BST_CHECKED);
}

void CDlgMacroCuts::pickMacro() {
    acedPostCommand(L"CANCELCMD");
    BeginEditorCommand();
    const bool picked = m_data.macros.UserSelectMacro();
    CompleteEditorCommand();
    if (picked) fillTargets();
}

BOOL CDlgMacroCuts::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_CUT_KIND && code == CBN_SELCHANGE) {
        Zk_StringArray names;
        Zk_StringArray values;
        Zk_Array<int> flags;
        DlgMacroCutsData::GetDefaultValues(currentKind(), names, values, flags);
        fillGrid(names, values, flags);
        relabel();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_CUT_PICK_MACRO: pickMacro(); return TRUE;
        case IDC_CUT_MODE1:
        case IDC_CUT_MODE2:
        case IDC_CUT_MODE3: relabelModeHint(); return TRUE;
        case IDC_CUT_CHECK1:
        case IDC_CUT_CHECK2:
        case IDC_CUT_OWN_MODULE:
        case IDC_CUT_OTHER_MODULE: enableDependents(); return TRUE;
        default: break;
        }
    }
    return CAcUiTabMainDialog::OnCommand(wParam, lParam);
}

void CDlgMacroCuts::storeControls() {
    const int kind = currentKind();
    if (!m_data.editExisting) {
        m_data.name = windowText(this, IDC_CUT_NAME).trimmed();
        m_data.kind = kind;
    }
    m_data.text2 = windowText(this, IDC_CUT_TEXT2);
    m_data.varNames = m_varNames;
    m_data.varValues.clear();
    m_data.varFlags.clear();
    for (int row = 1; row <= m_varNames.length(); ++row) {
        Zk_String text;
        m_grid->readCellText(kValueCol, row, text);
        m_data.varValues.append(text.trimmed());
        m_grid->readCellText(kFlagCol, row, text);
        m_data.varFlags.append(text == L"1" ? 1 : 0);
    }
    const int mode = currentMode();
    m_data.mode = mode;
    if (kind == kCutProfVsPlate) {
        m_data.otherMode = mode == 2;
        m_data.choice = comboAt(this, IDC_CUT_CHOICE)->GetCurSel();
        m_data.check1325 = IsDlgButtonChecked(IDC_CUT_CHECK2) == BST_CHECKED ? 1 : 0;
        m_data.check1326 = IsDlgButtonChecked(IDC_CUT_CHECK3) == BST_CHECKED ? 1 : 0;
    } else if (kind == kCutProfVsProf3Segments) {
        m_data.segmentOptions = segmentsOfMode(mode);
    }
    if (kind == kCutProfVsPlate || kind == kCutProfInProf)
        m_data.check1323 = IsDlgButtonChecked(IDC_CUT_CHECK1) == BST_CHECKED ? 1 : 0;
    m_data.target = IsDlgButtonChecked(IDC_CUT_OTHER_MODULE) == BST_CHECKED ? kCutTargetOtherModule : kCutTargetOwnModule;
    m_data.targetModule = comboText(this, IDC_CUT_TARGET).trimmed();
}

void CDlgMacroCuts::OnOK() {
    if (comboText(this, IDC_CUT_TARGET).trimmed().isEmpty()) {
        MessageBox(dialString(1090).c_str(), dialString(1091).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    storeControls();
    if (m_data.target == kCutTargetOtherModule && m_data.CutNameInUse()) {
        const Zk_String text = dialString(1092) + L"\n" + dialString(1093);
        MessageBox(text.c_str(), dialString(1094).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!m_data.AreVarNamesValid()) {
        const Zk_String text =
            dialString(1095) + L"\n" + dialString(1096) + L" " + dialString(1097) + L" \"gen_\".\n";
        MessageBox(text.c_str(), dialString(1098).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}

BOOL CDlgMacroCuts::PreTranslateMessage(MSG* msg) {
    if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) m_escape = true;
    return CAcUiTabMainDialog::PreTranslateMessage(msg);
}

void CDlgMacroCuts::OnSize(UINT type, int cx, int cy) {
    CAcUiTabMainDialog::OnSize(type, cx, cy);
    if (!m_ready) return;
    m_resizer.move();
    m_grid->applyColumnWidths();
    Invalidate();
}

void CDlgMacroCuts::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiTabMainDialog::OnGetMinMaxInfo(info);
    if (info == nullptr || m_minWidth == 0) return;
    info->ptMinTrackSize.x = m_minWidth;
    info->ptMinTrackSize.y = m_minHeight;
}

void CDlgMacroCuts::OnDestroy() {
    WriteDlgSize(this, Zk_String(kSizeKey));
    CAcUiTabMainDialog::OnDestroy();
}
