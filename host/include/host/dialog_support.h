// Dialog support: the resource switch of a module's launchers, the persistence of dialog
// sizes and flags, the layout resizer and the icon button.
//
// Dialog sizes and flags are kept per upper-case key (the key is upper-cased on use)
// in the UTF-8 file "dialogs.txt" in the folder named by TQ_DLGSTATE_DIR, else in
// gSettings.zkDir; each line is "KEY<tab>NAME<tab>VALUE", with NAME "RECT" (value
// "left top right bottom" in screen pixels) or a flag or text name (a flag is 0 or 1).
#pragma once

#include "host/button_st.h"
#include "host/resizer.h"
#include "host/zk_string.h"
#include "win/types.h"

class CWnd;

// Switches the resource instance to the module told with SaveDefaultResource, and
// back. Each object restores what it switched (also from its destructor).
class KmTempResourceOverride {
public:
    KmTempResourceOverride() = default;
    ~KmTempResourceOverride();
    KmTempResourceOverride(const KmTempResourceOverride&) = delete;
    KmTempResourceOverride& operator=(const KmTempResourceOverride&) = delete;

    // Remembers the module whose resources SetDefaultResource selects.
    static void SaveDefaultResource(HINSTANCE module);
    static HINSTANCE defaultResource();
    // Selects the saved module; true when the handle was switched (false when no module
    // was saved, or it is current already, or it is switched already by this object).
    bool SetDefaultResource();
    // Restores the handle found by SetDefaultResource, only if it switched it.
    void RestoreOriginalResource();
    bool isSwitched() const { return m_switched; }

private:
    HINSTANCE m_previous = nullptr;
    bool m_switched = false;
};

// The stored window rectangle of key; false when none is stored.
bool getDlgSize(const Zk_String& key, RECT& rect);
// The stored width and height of key; false when none is stored.
bool getDlgSize(const Zk_String& key, int& width, int& height);
// Moves and sizes dlg to the rectangle stored under key. With minWidth/minHeight the
// size is never made smaller than that. False when nothing is stored (dlg unchanged).
bool ChangeDlgSize(CWnd* dlg, const Zk_String& key, int minWidth = 0, int minHeight = 0);
// Stores the window rectangle of dlg under key.
bool WriteDlgSize(CWnd* dlg, const Zk_String& key);
bool writeDlgRect(const Zk_String& key, const RECT& rect);
// A flag stored under key and name; defaultValue when none is stored.
bool readDlgRegBool(const Zk_String& key, const Zk_String& name, bool defaultValue = false);
bool writeDlgRegBool(const Zk_String& key, const Zk_String& name, bool value);
// A text stored under key and name (tabs and line breaks are not kept); false when none.
bool readDlgRegString(const Zk_String& key, const Zk_String& name, Zk_String& value);
bool writeDlgRegString(const Zk_String& key, const Zk_String& name, const Zk_String& value);
// The file the sizes and flags are kept in (host path; empty when no folder is known).
Zk_String dialogStateFile();
