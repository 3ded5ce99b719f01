// AfxMessageBox: a message box owned by the active window with the program's caption.
#pragma once

#include "win/msgbox.h"
#include "win/types.h"

// The caption AfxMessageBox uses (the application name); "tq" unless set.
void AfxSetAppName(LPCWSTR name);
LPCWSTR AfxGetAppName();
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = 0);  // text from the string resources
