#include "mfc/resources.h"
#include "res/resources.h"

namespace {
// A 13 x 13 check-box picture: white box, grey frame, a dark tick when checked.
win::Surface checkBoxPicture(bool checked) {
    win::Surface s(13, 13, RGB(128, 128, 128));
    s.fill(RECT{1, 1, 12, 12}, RGB(255, 255, 255));
    if (checked) {
        const int tick[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
        for (const auto& p : tick) {
            s.setPixel(p[0], p[1], RGB(0, 0, 0));
            s.setPixel(p[0], p[1] + 1, RGB(0, 0, 0));
        }
    }
    return s;
}
}  // namespace

void registerModuleBitmaps(HINSTANCE module) {
    mfc::RegisterBitmapResource(module, IDB_TQ_CHECKBOX_ON, checkBoxPicture(true));
    mfc::RegisterBitmapResource(module, IDB_TQ_CHECKBOX_OFF, checkBoxPicture(false));
}
