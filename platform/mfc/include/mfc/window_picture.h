// Pictures of the framework's windows (the drawing itself is win/render.h). Windows that
// paint themselves (an OnPaint with a CPaintDC or CClientDC: custom views, trackers) are
// sent WM_PAINT while their picture is taken, and their device contexts draw into it.
// Icons registered with a picture (RegisterIconPicture) are drawn with it.
#pragma once

#include <string>
#include <vector>

#include "win/bitmap.h"
#include "win/types.h"

namespace mfc {

// While hwnd's picture is being taken: the surface of its client area its device
// contexts draw on; otherwise null.
win::Surface* PictureBeingTaken(HWND hwnd);

// The visible top-level windows, in creation order (what a person would see).
std::vector<HWND> VisibleTopLevelWindows();

// Writes a picture of each visible top-level window into folder (a host path, made when
// missing) as <name>.png, <name>-2.png, ...; returns the files written (host paths).
std::vector<std::string> SaveWindowPictures(const std::string& folder, const std::string& name);

}  // namespace mfc
