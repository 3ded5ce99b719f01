// The launcher pattern every Start... function follows:
//   1. switch the resource instance to this module (restored on every exit, exceptions
//      included, and only when it was switched);
//   2. construct the dialog with no parent;
//   3. copy the caller's record into it;
//   4. run it modally;
//   5. on IDOK copy the dialog's record back and report true; else leave the caller's
//      record alone and report false;
//   6. destroy the dialog, then restore the resource instance.
#pragma once

#include <utility>

#include "host/dialog_support.h"
#include "win/msgbox.h"

// Holds the module's resource instance for the life of a scope.
class TqResourceScope {
public:
    TqResourceScope() { m_override.SetDefaultResource(); }
    ~TqResourceScope() { m_override.RestoreOriginalResource(); }
    TqResourceScope(const TqResourceScope&) = delete;
    TqResourceScope& operator=(const TqResourceScope&) = delete;

private:
    KmTempResourceOverride m_override;
};

// Runs Dlg modally: copyIn(dlg) before, copyBack(dlg) only when it returned IDOK.
// Returns what DoModal returned.
template <class Dlg, class CopyIn, class CopyBack>
INT_PTR runModalDialog(CopyIn&& copyIn, CopyBack&& copyBack) {
    TqResourceScope resources;
    Dlg dlg;
    copyIn(dlg);
    const INT_PTR result = dlg.DoModal();
    if (result == IDOK) copyBack(dlg);
    return result;
}

// The plain member: the record is the dialog's member `member`.
template <class Dlg, class Data>
bool launchModal(Data& data, Data Dlg::*member) {
    return runModalDialog<Dlg>([&](Dlg& dlg) { dlg.*member = data; },
                               [&](Dlg& dlg) { data = dlg.*member; }) == IDOK;
}
