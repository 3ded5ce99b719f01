#include "lib_page_helpers.h"

#include "host/texts.h"
#include "mfc/check_combo.h"

namespace {
constexpr int kTextUserNames = 87;
}

void setUpLibIconButton(CButtonST& button, int id, CWnd* page, UINT icon, int tooltipText) {
    button.SubclassDlgItem(id, page);
    button.SetIcon(icon);
    button.SetTooltipText(dialString(tooltipText).c_str());
    button.SetFlat();
}

void fillCheckCombo(CCheckComboBox* combo, const Zk_StringArray& names, const Zk_Array<int>& enabled, int select) {
    if (combo == nullptr) return;
    combo->ResetContent();
    for (int i = 0; i < names.length(); ++i) {
        const int item = combo->AddString(names[i].c_str());
        combo->SetCheck(item, enabled.isValidIndex(i) && enabled[i] != 0 ? TRUE : FALSE);
    }
    combo->SetCurSel(select);
}

bool LanguageNamesSheet::create(CWnd* page, int placeholderId) {
    if (!sheet.createFromPlaceholder(page, placeholderId, true)) return false;
    sheet.applyStandardLook(true);
    const Zk_StringArray languages = gMacroLangs.GetAllLanguages();
    sheet.setColCount(1);
    sheet.setRowCount(gMacroLangs.GetNrLanguages());
    sheet.writeCellText(1, 0, dialString(kTextUserNames));
    for (int i = 0; i < languages.length(); ++i) sheet.writeCellText(0, i + 1, languages[i]);
    sheet.setColumnWidths(Zk_Array<double>{1.0});
    sheet.fitHeaderSizes();
    return true;
}

void LanguageNamesSheet::show(const Zk_StringArray& names) {
    for (int row = 1; row <= sheet.getRowCount(); ++row)
        sheet.writeCellText(1, row, names.isValidIndex(row - 1) ? names[row - 1] : Zk_String());
}

Zk_StringArray LanguageNamesSheet::read() const {
    Zk_StringArray names;
    for (int row = 1; row <= sheet.getRowCount(); ++row) {
        Zk_String text;
        sheet.readCellText(1, row, text);
        names.append(text);
    }
    return names;
}

void LanguageNamesSheet::enable(bool enabled) {
    if (sheet.isCreated()) sheet.EnableWindow(enabled ? TRUE : FALSE);
}

int currentLanguageIndex() {
    int index = 0;
    gMacroLangs.GetAllLanguages().find(gMacroLangs.GetCurLanguage(), index, true);
    return index < 0 ? 0 : index;
}
