#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/designer_ids.h"
#include "win/window.h"

namespace {

constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kInk = RGB(0, 0, 0);

// Small pictures of the tool buttons, 16 x 16 on the button face colour.
class Glyph {
public:
    explicit Glyph(int size = 16) : m_s(size, size, kFace) {}
    Glyph& box(int l, int t, int r, int b, COLORREF c) {
        m_s.fill(RECT{l, t, r, b}, c);
        return *this;
    }
    Glyph& frame(int l, int t, int r, int b, COLORREF c) {
        box(l, t, r, t + 1, c).box(l, b - 1, r, b, c).box(l, t, l + 1, b, c).box(r - 1, t, r, b, c);
        return *this;
    }
    Glyph& dot(int x, int y, COLORREF c) {
        m_s.setPixel(x, y, c);
        return *this;
    }
    win::Surface take() { return m_s; }

private:
    win::Surface m_s;
};

win::Surface openGlyph() {  // a folder
    return Glyph().box(1, 4, 7, 6, RGB(200, 160, 40)).box(1, 6, 15, 14, RGB(230, 190, 60)).frame(1, 6, 15, 14, kInk).take();
}
win::Surface saveGlyph() {  // a disk
    return Glyph().box(2, 2, 14, 14, RGB(40, 60, 140)).box(4, 2, 12, 7, RGB(255, 255, 255)).box(5, 10, 11, 14, RGB(180, 180, 180)).take();
}
win::Surface addGlyph() {  // a plus
    return Glyph().box(7, 2, 9, 14, RGB(0, 140, 0)).box(2, 7, 14, 9, RGB(0, 140, 0)).take();
}
win::Surface deleteGlyph() {  // a cross
    Glyph g;
    for (int i = 3; i < 13; ++i) g.box(i, i, i + 2, i + 1, RGB(200, 0, 0)).box(14 - i, i, 16 - i, i + 1, RGB(200, 0, 0));
    return g.take();
}
win::Surface arrowsGlyph(bool horizontal) {  // a double arrow across or down
    Glyph g;
    for (int k = 2; k < 14; ++k) horizontal ? g.dot(k, 7, kInk).dot(k, 8, kInk) : g.dot(7, k, kInk).dot(8, k, kInk);
    for (int k = 0; k < 4; ++k)
        for (int d = -k; d <= k + 1; ++d) {
            if (horizontal) g.dot(2 + k, 7 + d, kInk).dot(13 - k, 7 + d, kInk);
            else g.dot(7 + d, 2 + k, kInk).dot(7 + d, 13 - k, kInk);
        }
    return g.take();
}
win::Surface copyGlyph() {  // two sheets
    return Glyph().box(2, 2, 10, 11, RGB(255, 255, 255)).frame(2, 2, 10, 11, kInk).box(6, 5, 14, 14, RGB(255, 255, 255))
        .frame(6, 5, 14, 14, kInk).take();
}
win::Surface imageGlyph() {  // a framed landscape
    Glyph g;
    g.box(1, 2, 15, 14, RGB(150, 200, 240)).frame(1, 2, 15, 14, kInk).box(10, 4, 13, 7, RGB(250, 220, 0));
    for (int x = 2; x < 14; ++x)
        for (int y = 13 - (x < 7 ? x - 2 : 12 - x); y < 13; ++y) g.dot(x, y, RGB(60, 140, 60));
    return g.take();
}
win::Surface flexGlyph() {  // a plate corner
    Glyph g;
    g.box(3, 3, 13, 13, RGB(150, 165, 180)).frame(3, 3, 13, 13, kInk);
    for (int k = 0; k < 4; ++k) g.box(9 + k, 3, 13, 4 + k, kFace);
    return g.take();
}
win::Surface windowGlyph() {  // a panel with fields, 32 x 32
    Glyph g(32);
    g.box(2, 2, 30, 30, RGB(255, 255, 255)).frame(2, 2, 30, 30, kInk).box(2, 2, 30, 7, RGB(10, 36, 106));
    g.frame(6, 11, 26, 16, kInk).frame(6, 20, 18, 25, kInk).box(21, 20, 26, 25, RGB(150, 165, 180));
    return g.take();
}

}  // namespace

// The dialog designer, 420 x 300: the template's picture and controls fill the area above
// the row of tool buttons; the property fields sit in a frame at the bottom, OK and
// Cancel at the bottom right. Captions are set when the window opens.
void registerDesignerDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"Dialog designer";
    t.cx = 420;
    t.cy = 300;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | DS_SETFONT;
    const int row = 226;
    const int tools[] = {IDC_DES_OPEN, IDC_DES_SAVE, IDC_DES_ADD, IDC_DES_DELETE, IDC_DES_WIDTH,
                         IDC_DES_HEIGHT, IDC_DES_COPY};
    int x = 7;
    for (int id : tools) {
        t.pushButton(id, L"", x, row, 16, 14);
        x += 18;
    }
    t.pushButton(IDC_DES_OUTLINE, L"_ _", x, row, 16, 14);
    x += 18;
    t.pushButton(IDC_DES_STICKRIGHT, L"| |", x, row, 16, 14);
    x += 18;
    t.pushButton(IDC_DES_IMAGE, L"", x, row, 16, 14);
    t.groupBox(IDC_DES_FRAME, L"", 7, 244, 340, 49)
        .comboBox(IDC_DES_TYPE, 13, 266, 100, 150)
        .label(IDC_DES_CONTENTS_LABEL, L"", 119, 256, 100, 9)
        .edit(IDC_DES_CONTENTS, 119, 266, 100, 13, ES_AUTOHSCROLL)
        .label(IDC_DES_LIST_LABEL, L"", 225, 256, 116, 9)
        .edit(IDC_DES_LIST, 225, 266, 116, 13, ES_AUTOHSCROLL)
        .defPushButton(1, L"OK", 363, 279, 50, 14)
        .pushButton(2, L"Cancel", 363, 261, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_DLGDESIGNER, t);
    mfc::RegisterIconPicture(module, IDI_DES_WINDOW, windowGlyph());
    mfc::RegisterIconPicture(module, IDI_DES_OPEN, openGlyph());
    mfc::RegisterIconPicture(module, IDI_DES_SAVE, saveGlyph());
    mfc::RegisterIconPicture(module, IDI_DES_ADD, addGlyph());
    mfc::RegisterIconPicture(module, IDI_DES_DELETE, deleteGlyph());
    mfc::RegisterIconPicture(module, IDI_DES_WIDTH, arrowsGlyph(true));
    mfc::RegisterIconPicture(module, IDI_DES_HEIGHT, arrowsGlyph(false));
    mfc::RegisterIconPicture(module, IDI_DES_COPY, copyGlyph());
    mfc::RegisterIconPicture(module, IDI_DES_IMAGE, imageGlyph());
    mfc::RegisterIconPicture(module, IDI_DES_FLEX, flexGlyph());
}
