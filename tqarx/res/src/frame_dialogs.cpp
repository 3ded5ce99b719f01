#include "res/frame_ids.h"
#include "win/window.h"

// The frame has no dialogs of its own: the macro dialog it opens is registered with the
// macro dialogs (macro_dialogs.cpp).
void registerFrameDialogs(HINSTANCE) {}
