// Gallery entries of the module frame. The macro dialog it opens is drawn with the
// macro dialogs (gallery_macrodlg.cpp).
#include "tq/gallery.h"

namespace tq::gallery {

void addFrameEntries(Gallery&) {}

}  // namespace tq::gallery
