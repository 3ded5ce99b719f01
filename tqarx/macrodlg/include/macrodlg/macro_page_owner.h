// MacroPageOwner: what the live sub-dialogs of the macro dialog (bolt settings, bolt
// pattern) need from the page that opened them. Every accepted change is handed to the
// page, which writes it into its tab, applies it to the drawing and hands back what the
// host left.
#pragma once

#include "host/macro_bolt_records.h"

class MacroPageOwner {
public:
    virtual ~MacroPageOwner() = default;

    // Puts the bolt record into the page's tab, applies the page and copies the tab's
    // bolt record, as the host left it, back into bolt. False when the apply failed.
    virtual bool applyBoltFromDialog(MacroBoltData& bolt) = 0;

    // Puts the pattern record number index of the page's tab and applies the page.
    // False when the apply failed.
    virtual bool applyPatternFromDialog(int index, const MacroPatternProps& pattern) = 0;
};
