#include "res/resources.h"

// One registration function per resource file of this folder; each owner adds its own
// declaration and call here.
void registerModuleBitmaps(HINSTANCE module);
void registerFrameDialogs(HINSTANCE module);
void registerSupportDialogs(HINSTANCE module);
void registerStandardsDialogs(HINSTANCE module);
void registerDesignerDialog(HINSTANCE module);
void registerSheetEditorDialogs(HINSTANCE module);
void registerSectionLibDialogs(HINSTANCE module);
void registerMacroSubDialogs(HINSTANCE module);
void registerMacroEditorDialogs(HINSTANCE module);
void registerMacroSettingsDialogs(HINSTANCE module);
void registerMacroSelectDialogs(HINSTANCE module);
void registerMacroDialogs(HINSTANCE module);

void tqRegisterResources(HINSTANCE module) {
    registerModuleBitmaps(module);
    registerFrameDialogs(module);
    registerSupportDialogs(module);
    registerStandardsDialogs(module);
    registerDesignerDialog(module);
    registerSheetEditorDialogs(module);
    registerSectionLibDialogs(module);
    registerMacroSubDialogs(module);
    registerMacroEditorDialogs(module);
    registerMacroSettingsDialogs(module);
    registerMacroSelectDialogs(module);
    registerMacroDialogs(module);
}
