// MacroSettingsData: the settings of one connection macro as the macro settings dialog
// edits them (filters, filter properties, general variables, groups, the mapping of
// standards onto the macro). The host hands it out with GetMacroSettings and takes it
// back with SetMacroSettings.
#pragma once

struct MacroSettingsData {
    friend bool operator==(const MacroSettingsData&, const MacroSettingsData&) = default;
};
