#include "macroedit/tab_macro_groups.h"

#include "host/texts.h"
#include "macroedit/editor_grid.h"
#include "settings_grid.h"
#include "win/window.h"

namespace {

enum {
    kTextColumn1 = 944,
    kTextColumn2 = 945,
    kTextColumn3 = 946,
    kTextNumber = 956,
    kTextMacroGroup = 10320,
};

// Dialog texts joined by line breaks.
Zk_String lines(std::initializer_list<int> texts) {
    Zk_String joined;
    for (int text : texts) {
        if (!joined.isEmpty()) joined += L"\n";
        joined += dialString(text);
    }
    return joined;
}

Zk_String quoted(const Zk_String& text) { return Zk_String(L"\"") + text + L"\""; }

}  // namespace

CTabMacroGroups::CTabMacroGroups(MacroGroupsData* data) : CTabMacroPage(IDD), m_data(data) {}

Zk_String CTabMacroGroups::numberChoice(int n) { return dialString(kTextNumber) + L" " + Zk_String(n); }

BOOL CTabMacroGroups::OnInitDialog() {
    CTabMacroPage::OnInitDialog();
    if (m_data == nullptr) {
        for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
            child->ShowWindow(SW_HIDE);
        return TRUE;
    }
    const Zk_String help1 = lines({947, 948}) + L" " + string(kTextMacroGroup) + L": " + quoted(dialString(949));
    const Zk_String help2 = lines({950, 951}) + L"\n" + string(kTextMacroGroup) + L": " + quoted(dialString(952));
    SetDlgItemText(IDC_MSG_TEXT1_HELP, help1.c_str());
    SetDlgItemText(IDC_MSG_TEXT2_HELP, help2.c_str());
    SetDlgItemText(IDC_MS_EXPLANATION, lines({953, 954, 955}).c_str());
    SetDlgItemText(IDC_MSG_TEXT1, m_data->text1.c_str());
    SetDlgItemText(IDC_MSG_TEXT2, m_data->text2.c_str());

    m_grid.createFromPlaceholder(this, IDC_MSG_GRID, true);
    const int rows = m_data->names.length();
    prepareEditorGrid(m_grid, 3, rows);
    m_grid.writeCellText(1, 0, dialString(kTextColumn1));
    m_grid.writeCellText(2, 0, dialString(kTextColumn2));
    m_grid.writeCellText(3, 0, dialString(kTextColumn3));
    std::wstring choices;
    for (int n = 1; n <= rows; ++n) {
        if (n > 1) choices += L'\t';
        choices += numberChoice(n).wstr();
    }
    const int last = m_grid.getRowCount();
    m_grid.SetTypeStatic(1, 1, 1, last);
    m_grid.SetLock(1, 1, 1, last, TRUE);
    m_grid.SetTypeComboBox(3, 1, 3, last, choices.c_str(), FALSE);
    for (int i = 0; i < rows; ++i) {
        m_grid.writeCellText(1, i + 1, m_data->names[i]);
        if (m_data->texts.isValidIndex(i)) m_grid.writeCellText(2, i + 1, m_data->texts[i]);
        const int number = m_data->numbers.isValidIndex(i) ? m_data->numbers[i] : 0;
        if (number >= 1 && number <= rows) m_grid.writeCellText(3, i + 1, numberChoice(number));
    }
    m_grid.setColumnWidths(Zk_Array<double>{1.0, 1.0, 1.0});
    m_ready = true;
    return TRUE;
}

void CTabMacroGroups::apply() {
    if (m_data == nullptr || !m_ready) return;
    m_data->text1 = macro_settings::controlText(this, IDC_MSG_TEXT1);
    m_data->text2 = macro_settings::controlText(this, IDC_MSG_TEXT2);
    const int rows = m_data->names.length();
    Zk_StringArray texts;
    Zk_Array<int> numbers;
    for (int row = 1; row <= rows; ++row) {
        texts.append(macro_settings::cellText(m_grid, 2, row));
        const Zk_String choice = macro_settings::cellText(m_grid, 3, row);
        int number = 0;
        for (int n = 1; n <= rows && number == 0; ++n)
            if (choice == numberChoice(n)) number = n;
        numbers.append(number);
    }
    m_data->texts = texts;
    m_data->numbers = numbers;
}
