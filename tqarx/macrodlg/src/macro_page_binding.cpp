// Binding a page's template controls to the items of its tab, showing and reading
// their values, and the variables grid of everything the template leaves out.
#include <algorithm>

#include "designer/zk_dlg_designer_data.h"
#include "host/macro_host_calls.h"
#include "host/texts.h"
#include "macrodlg/dlg_macro.h"
#include "macrodlg/macro_combo_values.h"
#include "macrodlg/macro_tab_page.h"
#include "win/window.h"

namespace {

// Labels name a numbered text or hold their text as it is.
Zk_String translatedLabel(const Zk_String& text) {
    double number = 0.0;
    if (!text.isEmpty() && parseMacroNumber(text, number) && number >= 1 && number == static_cast<int>(number))
        return gMacroLangs.GetStringChopSymbols(static_cast<int>(number));
    return text;
}

Zk_String* boltField(MacroBoltData& bolt, int code) {
    switch (code) {
    case 7: return &bolt.assembly;
    case 8: return &bolt.diameter;
    case 9: return &bolt.holeTolerance;
    case 10: return &bolt.penetrationLength;
    case 11: return &bolt.addedLength;
    default: return nullptr;
    }
}

}  // namespace

void CMacroTabPage::bindTemplate(MacroTabData& tab) {
    if (tab.templateName.isEmpty()) return;
    const Zk_String path = getDesignerRootFolder() + tab.templateName + L".txt";
    if (!m_designer.readFromFile(path, true)) return;
    m_designer.getImageSize(m_imageWidth, m_imageHeight);
    // Controls whose item cannot be bound are removed before anything is drawn.
    for (int i = m_designer.getNrControls() - 1; i >= 0; --i) {
        Zk_DesignerControl* control = m_designer.getControlWrite(i);
        if (!control || !bind(tab, *control)) m_designer.removeControl(i);
    }
    std::reverse(m_bindings.begin(), m_bindings.end());
    m_designer.redrawAllControls();
    for (const MacroPageBinding& b : m_bindings) {
        HWND wnd = ::GetDlgItem(GetSafeHwnd(), b.resId);
        if (!wnd) continue;
        switch (b.code) {
        case 6: ::SetWindowTextW(wnd, L"..."); break;
        case 12:
        case 17:
        case 24: ::SetWindowTextW(wnd, fittedButtonText(dialString(968), wnd).c_str()); break;
        case 14: ::SetWindowTextW(wnd, dialString(969).c_str()); break;
        default: break;
        }
    }
}

bool CMacroTabPage::bind(MacroTabData& tab, Zk_DesignerControl& control) {
    MacroPageBinding b;
    b.resId = control.resId;
    b.code = static_cast<int>(control.type);
    b.name = control.contents;
    b.link = control.comboList;
    switch (b.code) {
    case 0:
    case 1: {
        Zk_String label = translatedLabel(control.contents);
        if (!control.comboList.isEmpty() && !tab.findCell(control.comboList)) label.clear();
        control.contents = label;
        return true;  // labels are drawn but not bound
    }
    case 2:
    case 3: {
        MacroCell* cell = tab.findCellWithName(b.name);
        if (!cell) return false;
        cell->controlId = b.resId;
        control.readOnly = cell->isReadOnly();
        break;
    }
    case 4:
    case 6: {
        MacroPatternProps* p = tab.findPatternWithName(b.name);
        if (!p) return false;
        p->controlId = b.resId;
        break;
    }
    case 5: {
        MacroPatternProps* p = tab.findPatternWithName(b.name);
        if (!p || p->getCount(b.link) == -1) return false;
        break;
    }
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
        if (!tab.hasBoltData) return false;
        break;
    case 12:
        if (!tab.hasBoltData) return false;
        tab.bolt.controlId = b.resId;
        break;
    case 13:
    case 14:
    case 15:
    case 16:
    case 17: {
        MacroProfData* prof = tab.findProfDataWithGroup(b.name);
        if (!prof) return false;
        if (b.code == 13) prof->controlId = b.resId;
        if (b.code == 14 || b.code == 17) prof->buttonControlId = b.resId;
        break;
    }
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
    case 24: {
        DynArrayData* array = tab.findArrayWithName(b.name);
        if (!array) return false;
        if (b.code == 20 && array->type != 1) return false;
        if (b.code == 23 && array->type == 1) return false;
        array->controlId = b.resId;
        break;
    }
    case 25:
    case 26: {
        b.name = control.listPart1;
        const MacroCell* base = tab.findCell(control.listPart1);
        if (!base || !base->isReadOnly()) return false;
        b.link = control.listPart2 + L";" + control.listPart3 + L";" + control.listPart4;
        break;
    }
    case 27:
        if (!tab.hasDrawingChoice) return false;
        break;
    case 28: {
        MacroCutData* cut = tab.findCutWithName(b.name);
        if (!cut) return false;
        cut->controlId = b.resId;
        break;
    }
    case 29: {
        MacroCell* cell = tab.findCell(control.comboList);
        if (!cell) return false;
        cell->controlId = b.resId;
        b.name = control.comboList;
        b.link = control.contents;
        control.contents = translatedLabel(control.contents);
        break;
    }
    case 30:
        b.name = control.flexGroup;
        if (!tab.hasBtnFlexFix(b.name)) return false;
        break;
    default: return false;
    }
    m_bindings.push_back(b);
    return true;
}

void CMacroTabPage::showBinding(MacroTabData& tab, const MacroPageBinding& b) {
    HWND wnd = ::GetDlgItem(GetSafeHwnd(), b.resId);
    if (!wnd) return;
    switch (b.code) {
    case 2:
    case 3:
        if (const MacroCell* cell = tab.findCell(b.name)) {
            showInControl(wnd, cell->value, cell->kind == kCellList || cell->kind == kCellEditList ? &cell->choices
                                                                                              : nullptr);
            m_designer.setCtrlReadOnly(b.resId, cell->isReadOnly());
        }
        break;
    case 4:
        if (const MacroPatternProps* p = tab.findPatternWithName(b.name)) showInControl(wnd, p->value);
        break;
    case 5:
        if (const MacroPatternProps* p = tab.findPatternWithName(b.name))
            showInControl(wnd, Zk_String(p->getCount(b.link)));
        break;
    case 7: {
        Zk_StringArray assemblies;
        GetAssemblies(assemblies);
        showInControl(wnd, tab.bolt.assembly, &assemblies);
        break;
    }
    case 8: {
        Zk_StringArray diameters;
        if (MacroData* data = macroData()) GetMergedDiameters(*data, tab.name, diameters);
        showInControl(wnd, tab.bolt.diameter, &diameters);
        break;
    }
    case 9:
    case 10:
    case 11: showInControl(wnd, *boltField(tab.bolt, b.code)); break;
    case 13: {
        MacroProfData merged;
        if (!tab.getMergedPropsOfGroup(b.name, merged)) break;
        Zk_StringArray systemNames, shown;
        sectionList(merged.sectionName, systemNames, shown);
        fillCombo(wnd, shown);
        selectComboItem(wnd, std::max(0, indexIn(systemNames, merged.sectionName)));
        break;
    }
    case 15: {
        MacroProfData merged;
        if (!tab.getMergedPropsOfGroup(b.name, merged)) break;
        Zk_StringArray offsets;
        getOffsetTypeStrings(offsets, true);
        fillCombo(wnd, offsets);
        const int item = getDlgOffsetType(merged);
        selectComboItem(wnd, item < 0 ? offsets.length() - 1 : item);
        break;
    }
    case 16: {
        MacroProfData merged;
        if (tab.getMergedPropsOfGroup(b.name, merged)) {
            const Zk_StringArray rotations = rotationItems();
            showInControl(wnd, rotationShown(merged.rotation), &rotations);
        }
        break;
    }
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
        if (const DynArrayData* a = tab.findArrayWithName(b.name)) {
            const int i = b.code - 18;
            showInControl(wnd, i < a->texts.length() ? a->texts[i] : Zk_String());
        }
        break;
    case 23:
        if (const DynArrayData* a = tab.findArrayWithName(b.name)) {
            Zk_String text;
            a->getEntry(b.link.toInt(), text);
            showInControl(wnd, text);
        }
        break;
    case 27: {
        Zk_StringArray names = drawingFileNames(b.link);
        names.append(macroKeepText());
        fillCombo(wnd, names);
        const int at = indexIn(names, tab.drawingFile);
        selectComboItem(wnd, at < 0 ? names.length() - 1 : at);
        break;
    }
    case 28:
        if (const MacroCutData* cut = tab.findCutWithName(b.name)) showInControl(wnd, cut->name);
        break;
    case 29:
        if (const MacroCell* cell = tab.findCell(b.name)) {
            m_designer.setCheckValue(b.resId, cell->value);
            ::EnableWindow(wnd, cell->isReadOnly() ? FALSE : TRUE);
        }
        break;
    default: break;
    }
}

void CMacroTabPage::readBinding(MacroTabData& tab, const MacroPageBinding& b) {
    HWND wnd = ::GetDlgItem(GetSafeHwnd(), b.resId);
    if (!wnd) return;
    const Zk_String text = controlText(wnd);
    switch (b.code) {
    case 2:
    case 3:
        if (MacroCell* cell = tab.findCell(b.name); cell && !cell->isReadOnly()) cell->value = text;
        break;
    case 4:
        if (MacroPatternProps* p = tab.findPatternWithName(b.name)) p->value = text;
        break;
    case 5:
        if (MacroPatternProps* p = tab.findPatternWithName(b.name)) {
            double count = 0;
            if (parseMacroNumber(text, count) && count != p->getCount(b.link))
                p->setCount(b.link, static_cast<int>(count));
        }
        break;
    case 7:
    case 8:
    case 9:
    case 10:
    case 11: *boltField(tab.bolt, b.code) = text; break;
    case 13:
    case 15:
    case 16: {
        MacroProfData merged;
        if (!tab.getMergedPropsOfGroup(b.name, merged)) break;
        MacroProfData changed = merged;
        const int sel = static_cast<int>(::SendMessageW(wnd, CB_GETCURSEL, 0, 0));
        if (b.code == 13) {
            Zk_StringArray systemNames, shown;
            sectionList(merged.sectionName, systemNames, shown);
            if (sel >= 0 && sel < systemNames.length() && systemNames[sel] != macroKeepText())
                changed.sectionName = systemNames[sel];
        } else if (b.code == 15) {
            Zk_StringArray offsets;
            getOffsetTypeStrings(offsets, false);
            if (sel >= 0 && sel < offsets.length() && sel != getDlgOffsetType(merged)) {
                const int type = getProfOffsetType(sel);
                if (type < 0) changed.byReference = 1;
                else {
                    changed.offsetType = type;
                    changed.byReference = 0;
                }
            }
        } else if (text != macroKeepText()) {
            changed.rotation = rotationValue(text);
        }
        if (!changed.sameValues(merged)) tab.setMergedPropsOfGroup(b.name, changed);
        break;
    }
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
        if (DynArrayData* a = tab.findArrayWithName(b.name)) {
            const int i = b.code - 18;
            while (a->texts.length() <= i) a->texts.append(Zk_String());
            a->texts[i] = text;
        }
        break;
    case 29:
        if (MacroCell* cell = tab.findCell(b.name); cell && !cell->isReadOnly()) {
            Zk_String value;
            m_designer.getCheckValue(b.resId, value);
            if (value != macroKeepText()) cell->value = value;
        }
        break;
    default: break;
    }
}

void CMacroTabPage::fillGrid(MacroTabData& tab) {
    for (MacroCell& cell : tab.cells)
        if (cell.controlId == 0) cell.controlId = -m_grid.addCell(cell);
    if (tab.kind == kMacroTabBolt) {
        for (MacroPatternProps& p : tab.patterns) {
            const bool shown = controlFor(4, p.name) != 0 || controlFor(6, p.name) != 0;
            if (!shown) p.controlId = -m_grid.addPattern(p);
        }
    }
    for (DynArrayData& a : tab.arrays)
        if (a.controlId == 0) a.controlId = -m_grid.addArray(a);
}

void CMacroTabPage::readGrid(MacroTabData& tab) {
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        const MacroVarsGrid::Row& row = m_grid.row(r);
        if (row.kind == MacroVarsGrid::kCellRow) {
            MacroCell* cell = tab.findCell(row.name);
            if (cell && !cell->isReadOnly()) cell->value = m_grid.value(r, cell->value);
        } else if (row.kind == MacroVarsGrid::kPatternRow) {
            if (MacroPatternProps* p = tab.findPatternWithName(row.name)) p->value = m_grid.value(r, p->value);
        }
    }
}
