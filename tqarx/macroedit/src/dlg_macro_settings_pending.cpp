// The settings dialog opens as an empty dialog of its resource until its pages are built.
#include "macroedit/dlg_macro_settings.h"

CDlgMacroSettings::CDlgMacroSettings(MacroSettingsData& data, CWnd* parent) : CDialog(IDD, parent), m_data(data) {}
