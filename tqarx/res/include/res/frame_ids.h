// Resource ids of the module frame. The macro dialog that the frame's launchers open
// has its ids in res/macrodlg_ids.h.
#pragma once

#include "res/macrodlg_ids.h"

constexpr unsigned IDD_TQ_MACRO = IDD_MACRO;
