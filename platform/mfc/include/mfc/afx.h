// The whole window framework in one include, for dialog sources.
#pragma once

#include "mfc/afx_msgbox.h"
#include "mfc/carray.h"
#include "mfc/cdialog.h"
#include "mfc/controls.h"
#include "mfc/cstring.h"
#include "mfc/cwnd.h"
#include "mfc/ddx.h"
#include "mfc/dialog_template.h"
#include "mfc/gdi.h"
#include "mfc/geometry.h"
#include "mfc/menu.h"
#include "mfc/rect_tracker.h"
#include "mfc/resources.h"
#include "win/msgbox.h"
#include "win/timer.h"
#include "win/window.h"
