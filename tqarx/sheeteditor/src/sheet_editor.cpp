#include "sheeteditor/sheet_editor.h"

#include <algorithm>
#include <memory>

#include "host/dialog_support.h"
#include "sheeteditor/dlg_find_replace.h"
#include "sheeteditor/dyn_menu.h"
#include "spread/ss_api.h"
#include "win/window.h"

namespace {

Zk_String& clipboard() {
    static Zk_String text;
    return text;
}

// The find window of one sheet, made again each time it is opened after a close.
class SheetFindWindow : public Zk_SpreadFindWindow {
public:
    explicit SheetFindWindow(Zk_Spread& sheet) : m_sheet(sheet) {}
    ~SheetFindWindow() override {
        if (isOpen()) m_dialog->DestroyWindow();
    }
    bool isOpen() const override { return m_dialog && m_dialog->GetSafeHwnd() && ::IsWindow(m_dialog->GetSafeHwnd()); }
    void open() override {
        KmTempResourceOverride resources;
        resources.SetDefaultResource();
        CWnd* parent = m_sheet.GetParent();
        m_dialog = std::make_unique<CDlgFindReplace>(parent);
        m_dialog->sheet = m_sheet.GetSafeHwnd();
        if (!m_dialog->Create(CDlgFindReplace::IDD, parent)) {
            m_dialog.reset();
            return;
        }
        m_dialog->ShowWindow(SW_SHOW);
    }
    void searchAction(int which) override {
        if (!isOpen()) return;
        if (which == 1)
            m_dialog->findNext(true);
        else
            m_dialog->replace();
    }
    CDlgFindReplace* dialog() const { return m_dialog.get(); }

private:
    Zk_Spread& m_sheet;
    std::unique_ptr<CDlgFindReplace> m_dialog;
};

UINT trackSheetMenu(Zk_Spread& sheet, POINT at, const Zk_StringArray& texts, const Zk_Array<int>& kinds) {
    Zk_Array<int> levels;
    Zk_Array<dynMenuEntry> entries;
    for (int i = 0; i < kinds.length(); ++i) {
        dynMenuEntry entry;
        if (kinds[i] == kMenuSeparator) {
            entry.kind = kDynMenuSeparator;
        } else {
            entry.text = texts.isValidIndex(i) ? texts[i] : Zk_String();
            entry.kind = entry.text.isEmpty() ? kDynMenuHidden : kDynMenuPlain;
        }
        entries.append(entry);
        levels.append(1);
    }
    dynMenu menu;
    return menu.track(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, &sheet, levels, entries);
}

}  // namespace

void runSheetMenuAction(Zk_Spread& sheet, int kind) {
    if (!sheet.isCreated()) return;
    const HWND hwnd = sheet.GetSafeHwnd();
    SS_COORD col = 1, row = 1, col2 = 1, row2 = 1;
    switch (kind) {
    case kMenuClipboard1: {
        if (!SSGetSelection(hwnd, &col, &row, &col2, &row2)) return;
        std::wstring text;
        if (SSGetClipText(hwnd, col, row, col2, row2, text)) clipboard() = Zk_String(std::move(text));
        break;
    }
    case kMenuClipboard2:
        if (clipboard().isEmpty() || !SSGetActiveCell(hwnd, &col, &row)) return;
        SSSetClipText(hwnd, std::max<SS_COORD>(col, 1), std::max<SS_COORD>(row, 1), clipboard().c_str());
        ::InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case kMenuSelectionOn:
        if (sheet.getColCount() > 0 && sheet.getRowCount() > 0)
            SSSetSelection(hwnd, 1, 1, sheet.getColCount(), sheet.getRowCount());
        break;
    case kMenuSelectionOff: SSClearSelection(hwnd); break;
    default: break;
    }
}

CDlgFindReplace* findReplaceWindowOf(const Zk_Spread& sheet) {
    auto* window = dynamic_cast<SheetFindWindow*>(sheet.findWindow());
    return window && window->isOpen() ? window->dialog() : nullptr;
}

const Zk_String& sheetClipboardText() { return clipboard(); }

void registerSheetEditorWithSpreadsheets() {
    Zk_Spread::setFindWindowFactory(
        [](Zk_Spread& sheet) -> std::unique_ptr<Zk_SpreadFindWindow> { return std::make_unique<SheetFindWindow>(sheet); });
    Zk_Spread::setMenuTracker(&trackSheetMenu);
    Zk_Spread::setDefaultMenuActions(&runSheetMenuAction);
}

void unregisterSheetEditorWithSpreadsheets() {
    Zk_Spread::setFindWindowFactory(nullptr);
    Zk_Spread::setMenuTracker(nullptr);
    Zk_Spread::setDefaultMenuActions(nullptr);
}
