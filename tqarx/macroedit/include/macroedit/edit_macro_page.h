// The common part of the macro editor's four pages: the owner they act through, the
// record, and the Escape rule each page chooses.
#pragma once

#include "acad/ui_dialogs.h"

class CDlgEditMacro;
class EditConstrData;

class CEditMacroPage : public CAcUiTabChildDialog {
public:
    // What Escape does on the page.
    enum class EscapeRule {
        Close,   // closes the editor as its Cancel does
        PassOn,  // goes to the control that has the focus, the editor stays
        Swallow, // nothing happens
    };

    CEditMacroPage(UINT templateId, CDlgEditMacro& owner);

    // Fills the page from the record.
    virtual void refill() {}
    // Hands the page's pending edits to the host.
    virtual void apply() {}
    // The page is no longer shown (drawing highlights go).
    virtual void leave() {}
    // The page is shown again.
    virtual void enter() {}
    virtual EscapeRule escapeRule() { return EscapeRule::Swallow; }

    BOOL PreTranslateMessage(MSG* msg) override;
    // Pages never end themselves: Enter and Escape belong to the editor.
    void OnOK() override {}
    void OnCancel() override {}

protected:
    CDlgEditMacro& owner() const { return m_owner; }
    EditConstrData& data() const;

private:
    CDlgEditMacro& m_owner;
};
