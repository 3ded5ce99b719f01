// The common part of the macro settings pages: a child dialog inside the settings
// dialog's tab control that edits one part of the settings record and writes its edits
// back with apply() (also when it is destroyed).
#pragma once

#include "mfc/cdialog.h"

class CTabMacroPage : public CDialog {
public:
    explicit CTabMacroPage(UINT templateId) : CDialog(templateId) {}

    // Writes what the page shows into its record part (nothing without one).
    virtual void apply() = 0;

    // Enter and Escape belong to the settings dialog.
    void OnOK() override {}
    void OnCancel() override {}
    void OnDestroy() override {
        apply();
        CDialog::OnDestroy();
    }
};
