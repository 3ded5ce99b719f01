// What a page's dynamic buttons and combos start: the total-dimension prompt, the
// drawing choice, the pattern, array and profile dialogs, the section dialog and the
// designer; and the page's focus areas.
#include <cmath>

#include "acad/command_line.h"
#include "designer/dlg_designer.h"
#include "engine/zk_spread.h"
#include "host/files.h"
#include "host/macro_host_calls.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "host/texts.h"
#include "macrodlg/dlg_array.h"
#include "macrodlg/dlg_macro.h"
#include "macrodlg/dlg_macro_pattern.h"
#include "macrodlg/dlg_macro_prof_adv.h"
#include "macrodlg/macro_combo_values.h"
#include "macrodlg/macro_tab_page.h"
#include "sheeteditor/dlg_prompt_string.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

constexpr wchar_t kUserSections[] = L"User Sections\\";

// A total-dimension part: its cell's name, and whether it counts negated.
struct Part {
    Zk_String cell;
    bool negated = false;
};
Part part(const Zk_String& text) {
    Part p;
    p.negated = text.startsWith(L"-");
    p.cell = p.negated ? text.mid(1) : text;
    return p;
}

double number(const Zk_String& text) {
    double value = 0.0;
    parseMacroNumber(text, value);
    return value;
}

CMacroTabPage* pageOfWindow(long long handle) {
    return dynamic_cast<CMacroTabPage*>(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(handle)));
}

bool profileCallback(KmMACallBackType type, KmMACallBackData& record, MacroProfData& profile);

}  // namespace

bool CMacroTabPage::shownCellValue(const Zk_String& cellName, Zk_String& value) const {
    const MacroTabData* tab = tabData();
    const MacroCell* cell = tab ? tab->findCell(cellName) : nullptr;
    if (!cell || cell->controlId == 0) return false;
    if (cell->controlId > 0) {
        value = controlText(::GetDlgItem(GetSafeHwnd(), cell->controlId));
        return true;
    }
    value = m_grid.value(-cell->controlId, cell->value);
    return true;
}

void CMacroTabPage::enterCellValue(const Zk_String& cellName, const Zk_String& value) {
    const MacroTabData* tab = tabData();
    const MacroCell* cell = tab ? tab->findCell(cellName) : nullptr;
    if (!cell || cell->controlId == 0) return;
    if (cell->controlId > 0) ::SetWindowTextW(::GetDlgItem(GetSafeHwnd(), cell->controlId), value.c_str());
    else m_grid.enterValue(-cell->controlId, value);
}

void CMacroTabPage::onTotalDimension(const MacroPageBinding& b) {
    MacroTabData* tab = tabData();
    if (!tab) return;
    const MacroCell* base = tab->findCell(b.name);
    Zk_StringArray parts;
    Zk_String rest = b.link;
    for (int i = 0; i < 3; ++i) {
        const int at = rest.find(L';');
        parts.append(at < 0 ? rest : rest.left(at));
        rest = at < 0 ? Zk_String() : rest.mid(at + 1);
    }
    const Part offset = part(parts[0]);
    const Part second = part(parts[1]);
    const MacroCell* offsetCell = tab->findCell(offset.cell);
    if (!base || base->value == macroKeepText() || !offsetCell || offsetCell->isReadOnly()) return;
    double factor = parts[2].isEmpty() ? 1.0 : number(parts[2]);
    if (factor == 0.0) factor = 1.0;  // no factor: a division by zero would give no total

    Zk_String shown;
    const double baseValue = number(base->value);
    double offsetValue = shownCellValue(offset.cell, shown) ? number(shown) : number(offsetCell->value);
    if (offset.negated) offsetValue = -offsetValue;
    const bool secondOnPage = !second.cell.isEmpty() && shownCellValue(second.cell, shown);
    double secondValue = secondOnPage ? number(shown) : 0.0;
    if (second.negated) secondValue = -secondValue;

    double total = 0.0;
    if (b.code == 25) total = secondOnPage ? baseValue + offsetValue + secondValue : baseValue + offsetValue / factor;
    else total = baseValue + offsetValue + secondValue;

    Zk_DlgPromptString prompt(this);
    prompt.title = dialString(971);
    prompt.prompt = dialString(1321) + L"\n" + dialString(1322);
    prompt.text = Zk_String(total, 5);
    prompt.okCaption = dialString(1);
    prompt.cancelCaption = dialString(2);
    if (prompt.DoModal() != IDOK) return;
    double typed = 0.0;
    if (!parseMacroNumber(prompt.text, typed)) return;
    const double d = typed - baseValue;
    double newOffset = 0.0;
    if (b.code == 25) {
        newOffset = factor * d;
        if (secondOnPage) enterCellValue(second.cell, Zk_String(second.negated ? -newOffset : newOffset, 5));
    } else {
        newOffset = d - secondValue;
    }
    enterCellValue(offset.cell, Zk_String(offset.negated ? -newOffset : newOffset, 5));
    applyPage();
}

void CMacroTabPage::onDrawingFile(const MacroPageBinding& b) {
    MacroTabData* tab = tabData();
    MacroData* data = macroData();
    if (!tab || !data) return;
    const Zk_String name = controlText(::GetDlgItem(GetSafeHwnd(), b.resId));
    if (name.isEmpty() || name == macroKeepText()) return;
    swapBlockRefs(*data, tab->name, drawingFilePath(b.link, name));
}

void CMacroTabPage::openPatternDialog(int patternIndex) {
    MacroTabData* tab = tabData();
    if (!tab) return;
    postCancelCommand();
    CDlgMacroPattern dlg(this, patternIndex, tab->patterns[patternIndex], this);
    dlg.DoModal();
    // The dialog applied every change itself; the page shows what the host left.
    loadValues();
}

void CMacroTabPage::openArrayDialog(int arrayIndex) {
    MacroTabData* tab = tabData();
    MacroData* data = macroData();
    if (!tab || !data) return;
    postCancelCommand();
    AcDbObjectIdArray ids;
    for (long long id : data->objectIds) ids.append(AcDbObjectId(id));
    CDlgArray dlg(tab->arrays[arrayIndex], ids, tab->arrays[arrayIndex].name, this);
    if (dlg.DoModal() != IDOK) return;
    tab = tabData();
    if (!tab || arrayIndex >= tab->arrays.length()) return;
    const MacroTabData before = *tab;
    const int controlId = tab->arrays[arrayIndex].controlId;
    tab->arrays[arrayIndex] = dlg.arrayData();
    tab->arrays[arrayIndex].controlId = controlId;
    const MacroChanges changes = tab->differences(before);
    if (!changes.isEmpty() && owner()) owner()->applyTabChanges(tab->name, changes);
}

bool CMacroTabPage::profileForDialog(const Zk_String& group, MacroProfData& profile) const {
    const MacroTabData* tab = tabData();
    return tab && tab->getMergedPropsOfGroup(group, profile);
}

bool CMacroTabPage::setProfileFromDialog(const Zk_String& group, const MacroProfData& profile) {
    MacroTabData* tab = tabData();
    return tab && tab->setMergedPropsOfGroup(group, profile);
}

void CMacroTabPage::openProfAdvForGroup(const Zk_String& group, bool groupButton) {
    postCancelCommand();
    KmMACallBackData record;
    record.groupName = group;
    record.groupFlag = groupButton ? 1 : 0;
    record.ownerWindow = reinterpret_cast<long long>(GetSafeHwnd());
    const MacroData* data = macroData();
    const bool single = data && data->singleProfileId() != 0 && group.isEmpty();
    CDlgMacroProfAdv dlg(record, &profileCallback, single, false, this);
    dlg.DoModal();
    if (owner()) owner()->reloadAllPages();
}

void CMacroTabPage::chooseSectionForGroup(const Zk_String& group) {
    postCancelCommand();
    Zk_String chosen;
    if (!DlgSelectProf(chosen)) return;
    const Zk_String folder = gSettings.libDir + L"prof\\";
    if (chosen.startsWith(folder, true)) chosen = chosen.mid(folder.length());
    MacroTabData* tab = tabData();
    if (!tab) return;
    MacroProfData merged;
    if (!tab->getMergedPropsOfGroup(group, merged)) return;
    const MacroTabData before = *tab;
    merged.sectionName = chosen;
    tab->setMergedPropsOfGroup(group, merged);
    const MacroChanges changes = tab->differences(before);
    if (!changes.isEmpty() && owner()) owner()->applyTabChanges(tab->name, changes);
}

void CMacroTabPage::sectionList(const Zk_String& section, Zk_StringArray& systemNames, Zk_StringArray& shown) {
    systemNames.removeAll();
    shown.removeAll();
    if (section.startsWith(kUserSections, true)) {
        systemNames.append(section);
        shown.append(getFileTitle(section));
    } else if (!section.isEmpty() && section != macroKeepText()) {
        const int dash = section.find(L'-');
        const Zk_String family = dash < 0 ? section : section.left(dash);
        const Zk_SectionTable* table = nullptr;
        if (gSectionTables.findTable(family + L".pr", table) == Acad::eOk && table) {
            for (const Zk_StringArray& row : table->rows) {
                if (row.isEmpty()) continue;
                const Zk_String systemName = family + L"-" + row[0];
                Zk_String userName;
                if (!gSectionTables.getUserName(systemName, userName) || userName.isEmpty()) userName = row[0];
                systemNames.append(systemName);
                shown.append(userName);
            }
        }
    }
    systemNames.append(macroKeepText());
    shown.append(macroKeepText());
}

void CMacroTabPage::openDesigner(const Zk_String& templatePath) {
    CDlgDesigner designer(this);
    designer.setTemplatePath(templatePath);
    designer.DoModal();
}

// ---- focus ----

void CMacroTabPage::focusFirst() {
    for (int area = 1; area <= 3; ++area)
        if (enterArea(area, false)) return;
}

int CMacroTabPage::focusArea(HWND focus) const {
    if (!focus || !::IsChild(GetSafeHwnd(), focus)) return 0;
    if (m_grid.isCreated()) {
        HWND grid = m_grid.spread()->GetSafeHwnd();
        if (focus == grid || ::IsChild(grid, focus)) return 2;
    }
    HWND control = focus;
    while (control && ::GetParent(control) != GetSafeHwnd()) control = ::GetParent(control);
    const int id = ::GetDlgCtrlID(control);
    if (m_designer.isADynControl(id)) return 1;
    for (int fixed : m_fixedIds)
        if (fixed == id) return 3;
    return 0;
}

bool CMacroTabPage::enterArea(int area, bool backward) {
    switch (area) {
    case 1: return m_designer.setFocusToCtrl(!backward);
    case 2:
        if (!m_gridVisible || !m_grid.isCreated()) return false;
        m_grid.spread()->SetFocus();
        return true;
    case 3: {
        // The fixed controls take part only when the first of them is shown.
        if (m_fixedIds.empty()) return false;
        HWND first = ::GetDlgItem(GetSafeHwnd(), m_fixedIds.front());
        if (!first || !::IsWindowVisible(first)) return false;
        for (std::size_t k = 0; k < m_fixedIds.size(); ++k) {
            const int id = m_fixedIds[backward ? m_fixedIds.size() - 1 - k : k];
            HWND wnd = ::GetDlgItem(GetSafeHwnd(), id);
            if (wnd && ::IsWindowVisible(wnd) && ::IsWindowEnabled(wnd)) {
                ::SetFocus(wnd);
                return true;
            }
        }
        return false;
    }
    default: return false;
    }
}

bool CMacroTabPage::moveFocus(bool backward) {
    HWND focus = ::GetFocus();
    const int area = focusArea(focus);
    if (area == 0) return false;
    if (area == 3) {
        // Inside the fixed area: the next shown and enabled control in list order.
        HWND control = focus;
        while (control && ::GetParent(control) != GetSafeHwnd()) control = ::GetParent(control);
        const int id = ::GetDlgCtrlID(control);
        int at = -1;
        for (std::size_t k = 0; k < m_fixedIds.size(); ++k)
            if (m_fixedIds[k] == id) at = static_cast<int>(k);
        for (int k = at + (backward ? -1 : 1); k >= 0 && k < static_cast<int>(m_fixedIds.size());
             k += backward ? -1 : 1) {
            HWND wnd = ::GetDlgItem(GetSafeHwnd(), m_fixedIds[k]);
            if (wnd && ::IsWindowVisible(wnd) && ::IsWindowEnabled(wnd)) {
                ::SetFocus(wnd);
                return true;
            }
        }
    }
    int next = area;
    for (int tries = 0; tries < 4; ++tries) {
        next = backward ? (next == 1 ? 3 : next - 1) : (next == 3 ? 1 : next + 1);
        if (enterArea(next, backward)) return true;
    }
    return true;
}

namespace {

bool profileCallback(KmMACallBackType type, KmMACallBackData& record, MacroProfData& profile) {
    CMacroTabPage* page = pageOfWindow(record.ownerWindow);
    if (!page) return false;
    switch (type) {
    case kMACallBackGet: return page->profileForDialog(record.groupName, profile);
    case kMACallBackSet: {
        MacroTabData* tab = page->tabData();
        if (!tab) return false;
        const MacroTabData before = *tab;
        page->setProfileFromDialog(record.groupName, profile);
        const MacroChanges changes = tab->differences(before);
        const Zk_String name = tab->name;
        if (!changes.isEmpty() && page->owner()) page->owner()->applyTabChanges(name, changes);
        return page->profileForDialog(record.groupName, profile);
    }
    case kMACallBackHide:
        if (page->owner()) page->owner()->hideForPick();
        return true;
    case kMACallBackShow:
        if (page->owner()) page->owner()->showAfterPick();
        return true;
    }
    return false;
}

}  // namespace
