#include "sectionlib/dlg_edit_lib_simple.h"

#include <algorithm>

#include "host/dialog_support.h"
#include "host/list_utils.h"
#include "host/texts.h"
#include "mfc/controls.h"
#include "win/msgbox.h"
#include "win/window.h"
#include "sectionlib/section_pictures.h"
#include "sectionlib/section_types.h"
#include "win/bitmap.h"
#include "win/msgbox.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_EDITLIBSIMPLE";
constexpr int kMaxLearnRows = 9999;

enum {
    kTextOk = 1,
    kTextCancel = 2,
    kTextTitle = 796,
    kTextName = 797,
    kTextFromValues = 1377,
    kTextTyped = 1378,
    kTextTube1 = 1457,
    kTextTube2 = 1458,
    kTextTube3 = 888,
    kTextTubeCaption = 1098,
    kTextNameTaken = 847,
    kTextActive = 761,
};

int valueEditId(int n) { return IDC_SIMPLE_VALUE_FIRST + 2 * n; }
int valueLabelId(int n) { return IDC_SIMPLE_LABEL_FIRST + 2 * n; }

Zk_String beforeFirstDigit(const Zk_String& text) {
    int pos = -1;
    findFirstNumbers(text, &pos);
    return pos >= 0 ? text.left(pos) : text;
}

// Names of the form "AxA..." (first two parts equal) sort among themselves.
bool equalFirstParts(const Zk_String& name) {
    const Zk_StringArray parts = strToArr(name, Zk_String(L"x"), false);
    return parts.length() >= 2 && parts[0] == parts[1];
}

}  // namespace

CDlgEditLibSimple::CDlgEditLibSimple(CWnd* parent) : CDialog(IDD, parent) {}

int CDlgEditLibSimple::valueCount() const {
    if (!table.rows.isValidIndex(startRow)) return 0;
    return std::clamp(table.rows[startRow].length() - table.firstValueCol(), 0, kSimpleValueCount);
}

void CDlgEditLibSimple::learnNamePattern() {
    const int languages = table.getNrLanguages();
    const int first = table.firstValueCol();
    prefixes.clear();
    namePositions.clear();
    const int last = std::min(table.rows.length(), startRow + kMaxLearnRows);
    for (int r = std::max(startRow, 0); r < last; ++r) {
        const Zk_StringArray& row = table.rows[r];
        Zk_StringArray rowPrefixes;
        for (int l = 0; l < languages; ++l) {
            const int col = Zk_ProfValuesTable::kFirstUserNameCol + l;
            rowPrefixes.append(col < row.length() ? beforeFirstDigit(row[col]) : Zk_String());
        }
        if (r == startRow) prefixes = rowPrefixes;
        if (row.isEmpty()) continue;
        const Zk_StringArray parts = strToArr(row[0], Zk_String(L"x"), false);
        Zk_Array<int> positions;
        for (const Zk_String& part : parts) {
            bool isNumeric = false;
            const double number = part.toDouble(&isNumeric);
            int found = -1;
            for (int c = first; c < row.length() && found < 0; ++c) {
                if (positions.contains(c - first)) continue;  // each part has a value of its own
                bool cellNumeric = false;
                const double cell = row[c].toDouble(&cellNumeric);
                if (isNumeric ? (cellNumeric && cell == number) : row[c] == part) found = c - first;
            }
            if (found < 0) break;
            positions.append(found);
        }
        if (!parts.isEmpty() && positions.length() == parts.length()) {
            namePositions = positions;
            prefixes = rowPrefixes;
            return;
        }
    }
}

Zk_String CDlgEditLibSimple::valueText(int n) const {
    CString text;
    GetDlgItemText(valueEditId(n), text);
    return Zk_String(text.GetString()).trimmed();
}

Zk_String CDlgEditLibSimple::nameFromValues(bool withPrefix) const {
    Zk_StringArray parts;
    for (int position : namePositions) parts.append(valueText(position));
    const Zk_String joined = arrToStr(parts, Zk_String(L"x"));
    if (!withPrefix) return joined;
    return (prefixes.isValidIndex(languageOffset) ? prefixes[languageOffset] : Zk_String()) + joined;
}

BOOL CDlgEditLibSimple::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(IDOK, dialString(kTextOk).c_str());
    SetDlgItemText(IDCANCEL, dialString(kTextCancel).c_str());
    const Zk_String nameText = dialString(kTextName) + Zk_String(L":");
    SetDlgItemText(IDC_SIMPLE_NAME_LABEL, nameText.c_str());
    SetDlgItemText(IDC_SIMPLE_FRAME, nameText.c_str());
    SetDlgItemText(IDC_SIMPLE_FROM_VALUES, dialString(kTextFromValues).c_str());
    SetDlgItemText(IDC_SIMPLE_TYPED, dialString(kTextTyped).c_str());
    SetDlgItemText(IDC_SIMPLE_ACTIVE, dialString(kTextActive).c_str());

    // The type's big picture, or none.
    const Zk_String picture = sectionIconsFolder() + sectionTypeBitmap(table.image, Zk_String(), true);
    win::Surface pixels;
    auto* button = static_cast<CButton*>(GetDlgItem(IDC_SIMPLE_PICTURE));
    if (button != nullptr) {
        if (win::LoadBmpFile(picture.wstr(), pixels))
            button->SetBitmap(win::CreateBitmapFromSurface(pixels));
        else
            button->ShowWindow(SW_HIDE);
    }
    RECT opened{};
    GetWindowRect(&opened);
    ChangeDlgSize(this, Zk_String(kSizeKey), opened.right - opened.left, opened.bottom - opened.top);

    if (!table.findSysName(startSysName, startRow)) startRow = 0;
    const int languageCol = table.getColumnIdx(gMacroLangs.GetCurLanguage());
    languageOffset = languageCol >= Zk_ProfValuesTable::kFirstUserNameCol ? languageCol - Zk_ProfValuesTable::kFirstUserNameCol : 0;
    learnNamePattern();

    // The start row.
    const int values = valueCount();
    if (table.rows.isValidIndex(startRow)) {
        const Zk_StringArray& row = table.rows[startRow];
        CheckDlgButton(IDC_SIMPLE_ACTIVE, row.length() > 1 && row[1] == L"1" ? 1 : 0);
        const int userCol = Zk_ProfValuesTable::kFirstUserNameCol + languageOffset;
        SetDlgItemText(IDC_SIMPLE_NAME, userCol < row.length() ? row[userCol].c_str() : L"");
        const Zk_StringArray own(std::vector<Zk_String>(table.columnNames.begin() + std::min(table.firstValueCol(), table.columnNames.length()),
                                                       table.columnNames.end()));
        const Zk_StringArray titles = sectionValueColumnTitles(table.image, own);
        for (int n = 0; n < values; ++n) {
            const Zk_String title = titles.isValidIndex(n) ? titles[n] : (own.isValidIndex(n) ? own[n] : Zk_String());
            const Zk_String label = getAlfabet(n + 1) + Zk_String(L". ") + title + Zk_String(L":");
            SetDlgItemText(valueLabelId(n), label.c_str());
            SetDlgItemText(valueEditId(n), row[table.firstValueCol() + n].c_str());
        }
    }
    for (int n = values; n < kSimpleValueCount; ++n) {
        if (CWnd* edit = GetDlgItem(valueEditId(n))) edit->ShowWindow(SW_HIDE);
        if (CWnd* label = GetDlgItem(valueLabelId(n))) label->ShowWindow(SW_HIDE);
    }
    CheckRadioButton(IDC_SIMPLE_FROM_VALUES, IDC_SIMPLE_TYPED, IDC_SIMPLE_FROM_VALUES);
    updateName();
    return TRUE;
}

void CDlgEditLibSimple::updateName() {
    const bool fromValues = IsDlgButtonChecked(IDC_SIMPLE_FROM_VALUES) != 0;
    if (CWnd* edit = GetDlgItem(IDC_SIMPLE_NAME)) edit->EnableWindow(fromValues ? FALSE : TRUE);
    if (fromValues) SetDlgItemText(IDC_SIMPLE_NAME, nameFromValues(true).c_str());
}

BOOL CDlgEditLibSimple::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED && (id == IDC_SIMPLE_FROM_VALUES || id == IDC_SIMPLE_TYPED)) {
        CheckRadioButton(IDC_SIMPLE_FROM_VALUES, IDC_SIMPLE_TYPED, id);
        updateName();
        return TRUE;
    }
    if (code == EN_CHANGE && id >= IDC_SIMPLE_VALUE_FIRST && id < IDC_SIMPLE_VALUE_FIRST + 2 * kSimpleValueCount &&
        IsDlgButtonChecked(IDC_SIMPLE_FROM_VALUES)) {
        updateName();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool CDlgEditLibSimple::typeTenRuleBroken() const {
    if (builtinSectionNumber(table.image) != kSectionTypeRectTube || valueCount() < 4) return false;
    const double thickness = valueText(2).toDouble();
    const double radius = valueText(3).toDouble();
    return radius != 0 && thickness > radius;
}

void CDlgEditLibSimple::OnOK() {
    if (typeTenRuleBroken()) {
        const Zk_String text = dialString(kTextTube1) + Zk_String(L"\n") + dialString(kTextTube2) + Zk_String(L"\n\n") +
                               dialString(kTextTube3) + Zk_String(L".");
        MessageBox(text.c_str(), dialString(kTextTubeCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    resultIndex = -1;
    if (!table.rows.isValidIndex(startRow) || table.rows[startRow].length() < 2) {
        EndDialog(IDOK);
        return;
    }
    const bool fromValues = IsDlgButtonChecked(IDC_SIMPLE_FROM_VALUES) != 0;
    Zk_String name;
    if (fromValues) {
        name = nameFromValues(false);
    } else {
        CString typed;
        GetDlgItemText(IDC_SIMPLE_NAME, typed);
        name = Zk_String(typed.GetString()).trimmed();
    }
    // A system name is unique in its table.
    int existing = -1;
    if (name.isEmpty() || table.findSysName(name, existing)) {
        const Zk_String text = dialString(kTextNameTaken) + Zk_String(L"\n") + name;
        MessageBox(text.c_str(), dialString(kTextTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }

    Zk_StringArray row = table.rows[startRow];
    row[Zk_ProfValuesTable::kSysNameCol] = name;
    row[Zk_ProfValuesTable::kActiveCol] = Zk_String(IsDlgButtonChecked(IDC_SIMPLE_ACTIVE) ? L"1" : L"0");
    for (int l = 0; l < table.getNrLanguages(); ++l) {
        const int col = Zk_ProfValuesTable::kFirstUserNameCol + l;
        if (col >= row.length()) break;
        const Zk_String prefix = fromValues && prefixes.isValidIndex(l) ? prefixes[l] : Zk_String();
        row[col] = prefix + name;
    }
    for (int n = 0; n < valueCount(); ++n) row[table.firstValueCol() + n] = valueText(n);

    // The sorted place among the names of the same form.
    const bool equalForm = equalFirstParts(name);
    Zk_Array<int> rowsOfForm;
    Zk_StringArray namesOfForm;
    for (int r = 0; r < table.rows.length(); ++r) {
        const Zk_String other = table.rows[r].isEmpty() ? Zk_String() : table.rows[r][0];
        if (equalForm && !equalFirstParts(other)) continue;
        rowsOfForm.append(r);
        namesOfForm.append(other);
    }
    const int k = ObjectExportAddToSorted(namesOfForm, name);
    int position = table.rows.length();
    if (k < rowsOfForm.length()) position = rowsOfForm[k];
    else if (!rowsOfForm.isEmpty()) position = rowsOfForm.last() + 1;
    table.rows.insertAt(position, row);
    resultIndex = table.getfilteredIdx(position);
    EndDialog(IDOK);
}

void CDlgEditLibSimple::OnDestroy() {
    WriteDlgSize(this, Zk_String(kSizeKey));
    CDialog::OnDestroy();
}
