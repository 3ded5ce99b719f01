// CButtonST lives with the other controls of the window framework; this header keeps the
// host's include working.
#pragma once

#include "mfc/button_st.h"
