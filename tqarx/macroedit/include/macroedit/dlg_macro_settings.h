// CDlgMacroSettings: the settings of one connection macro, on dialog resource 8141.
// The macro editor runs it modally on the record from GetMacroSettings; OK means the
// record was updated and is to be stored with SetMacroSettings.
#pragma once

#include "host/macro_settings_data.h"
#include "mfc/cdialog.h"

class CDlgMacroSettings : public CDialog {
public:
    enum { IDD = 8141 };

    explicit CDlgMacroSettings(MacroSettingsData& data, CWnd* parent = nullptr);

private:
    MacroSettingsData& m_data;
};
