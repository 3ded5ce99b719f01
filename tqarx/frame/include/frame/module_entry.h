// Entry points of the module: the DLL entry (process attach/detach) and the CAD host's
// application entry, plus the module-wide state they set up.
#pragma once

#include "acad/rx.h"
#include "win/types.h"

class CBitmap;

extern "C" {
// Process attach: saves the instance, tells the resource override, registers the
// module's resources (its extension-module record) and installs the standards
// evaluator; process detach: releases the record. FALSE aborts the load.
BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
// kInitAppMsg: unlock, declare MDI-aware, load the two check bitmaps. kUnloadAppMsg:
// remove the command group "ZENKAR_TQ", end every modeless macro dialog, end the
// constraint editor. Always kRetOK.
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
// The object-model API version the module was built for (release 17).
int acrxGetApiVersion();
}

constexpr int kTqArxApiVersion = 0x110000;
constexpr const wchar_t* kTqCommandGroup = L"ZENKAR_TQ";

// The instance handle saved at process attach (null before).
HINSTANCE tqModuleInstance();
// The check-box pictures loaded at kInitAppMsg (null before or when loading failed).
CBitmap* tqCheckBitmap(bool checked);

// Ends the modeless constraint editor when one is open (the macro editor's close unless
// another closer is set).
void EndDlgEditConstraints();
using KmConstraintEditorCloser = void (*)();
KmConstraintEditorCloser setConstraintEditorCloser(KmConstraintEditorCloser closer);
