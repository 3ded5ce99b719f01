// Zk_DlgPromptString: a modal one-line text prompt, or, with the edit hidden, a plain
// message with two buttons. The caller sets the five texts and the flag, runs DoModal and
// reads text and confirmed afterwards.
//
//   Zk_DlgPromptString prompt;
//   prompt.title = L"New name";
//   prompt.prompt = L"Name of the copy:";
//   prompt.text = L"Copy of A";
//   if (prompt.DoModal() == IDOK) use(prompt.text);
#pragma once

#include "host/zk_string.h"
#include "mfc/cdialog.h"
#include "res/sheeteditor_ids.h"

class Zk_DlgPromptString : public CDialog {
public:
    enum { IDD = IDD_TQ_PROMPT_STRING };

    explicit Zk_DlgPromptString(CWnd* parent = nullptr);

    // In: set by the caller before DoModal.
    Zk_String title;
    Zk_String prompt;
    Zk_String text;  // in: the initial text; out: the text typed
    Zk_String okCaption;      // empty: the template's "OK"
    Zk_String cancelCaption;  // empty: the template's "Cancel"
    bool showEdit = true;
    // Out: OK was pressed (and accepted).
    bool confirmed = false;

    BOOL OnInitDialog() override;
    // While the edit is shown and empty, OK does nothing.
    void OnOK() override;
};
