// The CAD host's main frame window, created on first use (a hidden top-level window of
// class "AcadMainFrame", caption "Drawing1", 1024 x 768).
#pragma once

#include "win/types.h"

class CWnd;

HWND adsw_acadMainWnd();
CWnd* acedGetAcadFrame();
CWnd* acedGetAcadDwgView();
