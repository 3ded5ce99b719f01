#include "macroedit/tab_macro_filter.h"

#include "filter_picker.h"
#include "host/texts.h"
#include "macroedit/editor_grid.h"
#include "settings_grid.h"
#include "win/window.h"

namespace {

enum {
    kTextAddRow = 920,
    kTextRemoveRow = 921,
    kTextUseFilters = 922,
    kTextAxisAngle = 923,
    kTextSectionAngle = 924,
    kTextEnabled = 925,
    kTextLower = 926,
    kTextUpper = 927,
    kTextChoice1 = 928,
    kTextChoice2 = 929,
    kTextSectionEnabled = 930,
    kTextPairFirst = 931,
    kTextPairSecond = 932,
};

constexpr unsigned long kSilver = 0xC0C0C0;

}  // namespace

CTabMacroFilter::CTabMacroFilter(MacroFilterData* data) : CTabMacroPage(IDD), m_data(data) {}

CTabMacroFilter::~CTabMacroFilter() = default;

void CTabMacroFilter::setTexts() {
    const std::pair<int, int> texts[] = {
        {IDC_MSF_USE, kTextUseFilters},          {IDC_MSF_AXIS_GROUP, kTextAxisAngle},
        {IDC_MSF_SECTION_GROUP, kTextSectionAngle}, {IDC_MSF_AXIS_ENABLED, kTextEnabled},
        {IDC_MSF_AXIS_LOWER_LABEL, kTextLower},  {IDC_MSF_AXIS_UPPER_LABEL, kTextUpper},
        {IDC_MSF_AXIS_CHOICE1, kTextChoice1},    {IDC_MSF_AXIS_CHOICE2, kTextChoice2},
        {IDC_MSF_SECTION_ENABLED, kTextSectionEnabled},
    };
    for (const auto& [id, text] : texts) SetDlgItemText(id, dialString(text).c_str());
}

BOOL CTabMacroFilter::OnInitDialog() {
    CTabMacroPage::OnInitDialog();
    if (m_data == nullptr) {
        // Nothing to edit: the page stays empty.
        for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
            child->ShowWindow(SW_HIDE);
        return TRUE;
    }
    setTexts();
    macro_settings::setUpPictureButton(m_picture90, IDC_MSF_PICTURE_90, this, L"MacroFilterAngle90.bmp", kSilver);
    macro_settings::setUpPictureButton(m_picture180, IDC_MSF_PICTURE_180, this, L"MacroFilterAngle180.bmp", kSilver);
    macro_settings::setUpPictureButton(m_pictureSection, IDC_MSF_PICTURE_SECTION, this,
                                       L"MacroFilterSectionAngle.bmp", kSilver);
    macro_settings::setUpIconButton(m_add, IDC_MSF_SECTION_ADD, this, IDI_MS_ADD, kTextAddRow);
    macro_settings::setUpIconButton(m_remove, IDC_MSF_SECTION_REMOVE, this, IDI_MS_REMOVE, kTextRemoveRow);
    m_grid.createFromPlaceholder(this, IDC_MS_GRID, true);
    prepareEditorGrid(m_grid, 2, 1);
    m_grid.writeCellText(1, 0, dialString(kTextPairFirst));
    m_grid.writeCellText(2, 0, dialString(kTextPairSecond));
    m_grid.setColumnWidths(Zk_Array<double>{1.0, 1.0});
    CheckDlgButton(IDC_MSF_USE, m_data->useFilters ? 1 : 0);

    m_axis = std::make_unique<FilterPicker>(
        *this, FilterPicker::Ids{IDC_MSF_AXIS_COMBO, IDC_MSF_AXIS_ENABLED, IDC_MSF_AXIS_GROUP,
                                 {IDC_MSF_AXIS_LOWER, IDC_MSF_AXIS_UPPER},
                                 {IDC_MSF_AXIS_CHOICE1, IDC_MSF_AXIS_CHOICE2}});
    m_axis->showDetails = [this](MacroFilterList& list, int index) {
        const int choice = list.choices.isValidIndex(index) ? list.choices[index] : 0;
        CheckDlgButton(IDC_MSF_AXIS_CHOICE1, choice == 0 ? 1 : 0);
        CheckDlgButton(IDC_MSF_AXIS_CHOICE2, choice == 0 ? 0 : 1);
    };
    m_axis->storeDetails = [this](MacroFilterList& list, int index) {
        while (list.choices.length() <= index) list.choices.append(0);
        list.choices[index] = IsDlgButtonChecked(IDC_MSF_AXIS_CHOICE1) != 0 ? 0 : 1;
    };
    m_axis->attach(&m_data->axisAngles);

    m_section = std::make_unique<FilterPicker>(
        *this, FilterPicker::Ids{IDC_MSF_SECTION_COMBO, IDC_MSF_SECTION_ENABLED, IDC_MSF_SECTION_GROUP, {},
                                 {IDC_MS_GRID, IDC_MSF_SECTION_ADD, IDC_MSF_SECTION_REMOVE}});
    m_section->showDetails = [this](MacroFilterList& list, int index) { showPairs(list.values[index]); };
    m_section->storeDetails = [this](MacroFilterList& list, int index) { list.values[index] = readPairs(); };
    m_section->attach(&m_data->sectionAngles);
    if (m_section->current() < 0) {
        showPairs(Zk_Array<double>());
        m_grid.EnableWindow(FALSE);
        m_add.EnableWindow(FALSE);
        m_remove.EnableWindow(FALSE);
    }
    m_ready = true;
    return TRUE;
}

void CTabMacroFilter::showPairs(const Zk_Array<double>& numbers) {
    const int rows = (numbers.length() + 1) / 2;
    m_grid.setRowCount(rows < 1 ? 1 : rows);
    m_grid.setNumberType(1, 1, 2, m_grid.getRowCount(), 2);
    for (int row = 1; row <= m_grid.getRowCount(); ++row) {
        for (int col = 1; col <= 2; ++col) {
            const int at = (row - 1) * 2 + col - 1;
            m_grid.writeCellText(col, row, numbers.isValidIndex(at) ? Zk_String(numbers[at], 2) : Zk_String());
        }
    }
}

Zk_Array<double> CTabMacroFilter::readPairs() const {
    Zk_Array<double> numbers;
    for (int row = 1; row <= m_grid.getRowCount(); ++row) {
        const double first = macro_settings::numberOf(macro_settings::cellText(m_grid, 1, row));
        const double second = macro_settings::numberOf(macro_settings::cellText(m_grid, 2, row));
        if (first == 0.0 && second == 0.0) continue;
        numbers.append(first);
        numbers.append(second);
    }
    return numbers;
}

BOOL CTabMacroFilter::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (m_ready && (m_axis->onCommand(id, code) || m_section->onCommand(id, code))) return TRUE;
    if (m_ready && code == BN_CLICKED && id == IDC_MSF_SECTION_ADD) {
        m_grid.setRowCount(m_grid.getRowCount() + 1);
        m_grid.setNumberType(1, 1, 2, m_grid.getRowCount(), 2);
        return TRUE;
    }
    if (m_ready && code == BN_CLICKED && id == IDC_MSF_SECTION_REMOVE) {
        // The current row, else the last; one row always stays.
        m_grid.refreshCurrentCell();
        const int row = m_grid.currentRow >= 1 && m_grid.currentRow <= m_grid.getRowCount() ? m_grid.currentRow
                                                                                         : m_grid.getRowCount();
        if (m_grid.getRowCount() > 1)
            m_grid.deleteRow(row);
        else
            showPairs(Zk_Array<double>());
        return TRUE;
    }
    return CTabMacroPage::OnCommand(wParam, lParam);
}

void CTabMacroFilter::OnCancel() {
    if (onEscape) onEscape();
}

void CTabMacroFilter::apply() {
    if (m_data == nullptr || !m_ready) return;
    m_data->useFilters = IsDlgButtonChecked(IDC_MSF_USE) != 0;
    m_axis->store();
    m_section->store();
}

// ---- filters 2 ----

namespace {

enum {
    kTextUse = 1351,
    kTextPathGroup = 933,
    kTextFilterEnabled = 934,
    kTextPath1 = 935,
    kTextPath2 = 936,
    kTextSizeGroup = 937,
    kTextSize1 = 938,
    kTextSize2 = 939,
    kTextSize3 = 940,
    kTextSize4 = 941,
};

}  // namespace

CTabMacroFilter2::CTabMacroFilter2(MacroFilter2Data* data) : CTabMacroPage(IDD), m_data(data) {}

CTabMacroFilter2::~CTabMacroFilter2() = default;

BOOL CTabMacroFilter2::OnInitDialog() {
    CTabMacroPage::OnInitDialog();
    if (m_data == nullptr) {
        for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
            child->ShowWindow(SW_HIDE);
        return TRUE;
    }
    const std::pair<int, int> texts[] = {
        {IDC_MSF2_USE, kTextUse},           {IDC_MSF2_PATH_GROUP, kTextPathGroup},
        {IDC_MSF2_PATH_ENABLED, kTextFilterEnabled}, {IDC_MSF2_PATH_LABEL1, kTextPath1},
        {IDC_MSF2_PATH_LABEL2, kTextPath2}, {IDC_MSF2_SIZE_GROUP, kTextSizeGroup},
        {IDC_MSF2_SIZE_ENABLED, kTextFilterEnabled}, {IDC_MSF2_SIZE_LABEL1, kTextSize1},
        {IDC_MSF2_SIZE_LABEL2, kTextSize2}, {IDC_MSF2_SIZE_LABEL3, kTextSize3},
        {IDC_MSF2_SIZE_LABEL4, kTextSize4},
    };
    for (const auto& [id, text] : texts) SetDlgItemText(id, dialString(text).c_str());
    macro_settings::setUpPictureButton(m_pathPicture, IDC_MSF2_PATH_PICTURE, this, L"MacroFilterPathDistance.bmp",
                                       kSilver);
    macro_settings::setUpPictureButton(m_sizePicture, IDC_MSF2_SIZE_PICTURE, this, L"MacroFilterSectionSize.bmp",
                                       kSilver);
    CheckDlgButton(IDC_MSF2_USE, m_data->useFilters ? 1 : 0);
    m_paths = std::make_unique<FilterPicker>(
        *this, FilterPicker::Ids{IDC_MSF2_PATH_COMBO, IDC_MSF2_PATH_ENABLED, IDC_MSF2_PATH_GROUP,
                                 {IDC_MSF2_PATH_VALUE1, IDC_MSF2_PATH_VALUE2}, {}});
    m_paths->attach(&m_data->pathDistances);
    m_sizes = std::make_unique<FilterPicker>(
        *this, FilterPicker::Ids{IDC_MSF2_SIZE_COMBO, IDC_MSF2_SIZE_ENABLED, IDC_MSF2_SIZE_GROUP,
                                 {IDC_MSF2_SIZE_VALUE1, IDC_MSF2_SIZE_VALUE2, IDC_MSF2_SIZE_VALUE3,
                                  IDC_MSF2_SIZE_VALUE4},
                                 {}});
    m_sizes->attach(&m_data->sectionSizes);
    m_ready = true;
    return TRUE;
}

BOOL CTabMacroFilter2::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (m_ready && (m_paths->onCommand(id, code) || m_sizes->onCommand(id, code))) return TRUE;
    return CTabMacroPage::OnCommand(wParam, lParam);
}

void CTabMacroFilter2::apply() {
    if (m_data == nullptr || !m_ready) return;
    m_data->useFilters = IsDlgButtonChecked(IDC_MSF2_USE) != 0;
    m_paths->store();
    m_sizes->store();
}
