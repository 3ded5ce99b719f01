#include "sheet_editor_calls.h"

#include "engine/zk_spread.h"
#include "host/texts.h"
#include "sheeteditor/dlg_prompt_string.h"
#include "sheeteditor/dlg_tq_options.h"
#include "win/msgbox.h"

void sectionSheetFindReplace(Zk_Spread& sheet) { sheet.runFindAction(1); }

bool sectionSheetOptions(CWnd* parent, Zk_Spread& sheet) { return editSheetOptions(&sheet, parent); }

bool sectionPromptString(CWnd* parent, const Zk_String& title, const Zk_String& prompt, Zk_String& value) {
    Zk_DlgPromptString dlg(parent);
    dlg.title = title;
    dlg.prompt = prompt;
    dlg.text = value;
    dlg.okCaption = dialString(1);
    dlg.cancelCaption = dialString(2);
    if (dlg.DoModal() != IDOK) return false;
    value = dlg.text;
    return true;
}
