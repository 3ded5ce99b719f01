// Resource and control ids of the module frame's own dialogs.
#pragma once

// The macro dialog (modeless property window of placed macros).
constexpr unsigned IDD_TQ_MACRO = 8131;
constexpr int IDC_MACRO_CAPTION = 1179;  // static: the macro data's caption
constexpr int IDC_MACRO_TABS = 1175;     // tab control: one tab per MacroTabData
