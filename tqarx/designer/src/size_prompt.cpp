#include "designer/size_prompt.h"

#include "host/texts.h"
#include "sheeteditor/dlg_prompt_string.h"
#include "win/msgbox.h"

// A text that is no positive number changes nothing (it would collapse the controls).
bool promptForControlSize(bool horizontal, double& pixels) {
    Zk_DlgPromptString prompt;
    prompt.title = dialString(horizontal ? 90 : 744);
    prompt.prompt = dialString(horizontal ? 825 : 826);
    prompt.text = horizontal ? L"30" : L"18";
    prompt.okCaption = dialString(1);
    prompt.cancelCaption = dialString(2);
    if (prompt.DoModal() != IDOK || !prompt.confirmed) return false;
    bool number = false;
    const double value = prompt.text.toDouble(&number);
    if (!number || value <= 0) return false;
    pixels = value;
    return true;
}
