// Pictures of a small fixed dialog made with the window API: a handful of pixels and text
// positions per control (frames, caption, states, selection), never whole images.
#include <gtest/gtest.h>

#include "win/bitmap_font.h"
#include "win/render.h"
#include "win/window.h"

namespace {

namespace color = win::color;

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dlg = CreateWindowExW(WS_EX_DLGMODALFRAME, WC_DIALOG, L"Test", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                              100, 100, 300, 220, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(dlg, nullptr);
    }
    void TearDown() override { win::DestroyAllWindows(); }

    HWND add(const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id = 0) {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                               nullptr);
    }
    // A child's rectangle in the picture (the dialog's window coordinates).
    RECT inPicture(HWND child) const {
        RECT d, c;
        GetWindowRect(dlg, &d);
        GetWindowRect(child, &c);
        return RECT{c.left - d.left, c.top - d.top, c.right - d.left, c.bottom - d.top};
    }
    HWND dlg = nullptr;
};

TEST_F(RenderTest, FrameCaptionAndCloseBox) {
    const win::Surface s = win::RenderWindow(dlg);
    ASSERT_EQ(s.width(), 300);
    ASSERT_EQ(s.height(), 220);
    // Raised outer frame: light top-left, dark bottom-right.
    EXPECT_EQ(s.pixel(0, 0), color::kLight);
    EXPECT_EQ(s.pixel(299, 219), color::kDarkShadow);
    // The title bar spans the client width above the client area (3 px frame, 19 px bar).
    EXPECT_EQ(s.pixel(3, 3), color::kCaption);
    EXPECT_EQ(s.pixel(150, 20), color::kCaption);
    EXPECT_EQ(s.pixel(150, 22), color::kFace);  // the client area starts at y 22
    // The title "Test" in bold white: its first stroke 4 px in, capital top at cell row 3.
    const RECT title = s.inkBox(RECT{3, 3, 200, 21}, color::kCaptionText);
    EXPECT_EQ(title.left, 7);
    EXPECT_EQ(title.top, 5 + win::kFontCapTop);
    EXPECT_EQ(title.right - title.left, 4 * win::kFontCellWidth);  // bold: five pixels and one more each
    // The close box: a raised face-coloured button at the right end holding a black cross.
    const RECT close{297 - 2 - 16, 5, 297 - 2, 5 + 14};
    EXPECT_EQ(s.pixel(close.left, close.top), color::kLight);
    EXPECT_GT(s.countPixels(close, color::kText), 10);
}

TEST_F(RenderTest, ButtonsInTheirStates) {
    HWND ok = add(WC_BUTTON, L"OK", BS_DEFPUSHBUTTON, RECT{10, 10, 85, 33}, 1);
    HWND pushed = add(WC_BUTTON, L"Push", BS_PUSHBUTTON, RECT{90, 10, 165, 33}, 2);
    HWND checked = add(WC_BUTTON, L"Checked", BS_AUTOCHECKBOX, RECT{10, 40, 150, 56}, 3);
    HWND unchecked = add(WC_BUTTON, L"Unchecked", BS_AUTOCHECKBOX, RECT{10, 60, 150, 76}, 4);
    HWND mixed = add(WC_BUTTON, L"Mixed", BS_AUTO3STATE, RECT{10, 80, 150, 96}, 5);
    HWND radio = add(WC_BUTTON, L"Radio", BS_AUTORADIOBUTTON, RECT{160, 40, 280, 56}, 6);
    HWND hidden = add(WC_BUTTON, L"HIDDEN", BS_PUSHBUTTON, RECT{170, 10, 280, 33}, 7);
    HWND off = add(WC_BUTTON, L"Off", BS_PUSHBUTTON | WS_DISABLED, RECT{160, 60, 235, 83}, 8);
    HWND like = add(WC_BUTTON, L"Like", BS_AUTOCHECKBOX | BS_PUSHLIKE, RECT{160, 90, 235, 113}, 9);
    SendMessageW(pushed, BM_SETSTATE, TRUE, 0);
    SendMessageW(checked, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(mixed, BM_SETCHECK, BST_INDETERMINATE, 0);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(like, BM_SETCHECK, BST_CHECKED, 0);
    ShowWindow(hidden, SW_HIDE);
    const win::Surface s = win::RenderWindow(dlg);

    // The default button has a black frame outside its raised edge.
    const RECT o = inPicture(ok);
    EXPECT_EQ(s.pixel(o.left, o.top), color::kText);
    EXPECT_EQ(s.pixel(o.left + 1, o.top + 1), color::kLight);
    // Its text is centred: equal room left and right (to a pixel), and vertically.
    const RECT t = s.inkBox(RECT{o.left + 3, o.top + 3, o.right - 3, o.bottom - 3}, color::kText);
    EXPECT_EQ(t.right - t.left, 2 * win::kFontCellWidth - 1);
    EXPECT_LE(std::abs((t.left - o.left) - (o.right - t.right)), 1);
    EXPECT_LE(std::abs((t.top - o.top) - (o.bottom - t.bottom)), 2);
    // A pushed button: dark outer line, shadow inner line, no light edge.
    const RECT p = inPicture(pushed);
    EXPECT_EQ(s.pixel(p.left, p.top), color::kDarkShadow);
    EXPECT_EQ(s.pixel(p.left + 1, p.top + 1), color::kShadow);
    // Check boxes: a 13 px sunken box, a black tick only when checked, grey when mixed.
    const RECT c = inPicture(checked), u = inPicture(unchecked), m = inPicture(mixed);
    const RECT boxC{c.left + 2, c.top + 3, c.left + 11, c.top + 12};
    const RECT boxU{u.left + 2, u.top + 3, u.left + 11, u.top + 12};
    const RECT boxM{m.left + 2, m.top + 3, m.left + 11, m.top + 12};
    EXPECT_EQ(s.pixel(c.left, c.top + 1), color::kShadow);
    EXPECT_GE(s.countPixels(boxC, color::kText), 15);
    EXPECT_EQ(s.countPixels(boxU, color::kText), 0);
    EXPECT_EQ(s.countPixels(boxM, color::kText), 0);
    EXPECT_GE(s.countPixels(boxM, color::kGrayText), 15);
    // The label follows the box 17 px from the left.
    EXPECT_EQ(s.inkBox(RECT{c.left + 14, c.top, c.right, c.bottom}, color::kText).left, c.left + 17);
    // A checked radio button has its dot in the middle of the circle.
    const RECT r = inPicture(radio);
    EXPECT_EQ(s.pixel(r.left + 5, r.top + 2 + 5), color::kText);
    // Hidden: nothing of it is drawn; disabled: embossed grey text, no black.
    const RECT h = inPicture(hidden);
    EXPECT_EQ(s.countPixels(h, color::kFace), (h.right - h.left) * (h.bottom - h.top));
    const RECT d = inPicture(off);
    EXPECT_EQ(s.countPixels(RECT{d.left + 3, d.top + 3, d.right - 3, d.bottom - 3}, color::kText), 0);
    EXPECT_GT(s.countPixels(d, color::kGrayText), 10);
    // A checked push-like check box looks pushed in.
    const RECT l = inPicture(like);
    EXPECT_EQ(s.pixel(l.left, l.top), color::kShadow);
    EXPECT_EQ(s.pixel(l.right - 1, l.bottom - 1), color::kLight);
}

TEST_F(RenderTest, FieldsListsCombosTabsAndTexts) {
    HWND label = add(WC_STATIC, L"&Name:", SS_LEFT, RECT{10, 10, 60, 23});
    HWND edit = add(WC_EDIT, L"abcdef", WS_BORDER | ES_AUTOHSCROLL, RECT{70, 8, 200, 29});
    HWND list = add(WC_LISTBOX, L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, RECT{10, 40, 120, 84});
    HWND combo = add(WC_COMBOBOX, L"", CBS_DROPDOWNLIST | WS_VSCROLL, RECT{130, 40, 280, 140});
    HWND tabs = add(WC_TABCONTROL, L"", 0, RECT{10, 100, 120, 180});
    HWND greyed = add(WC_STATIC, L"Greyed", SS_LEFT | WS_DISABLED, RECT{130, 150, 200, 163});
    SendMessageW(edit, EM_SETSEL, 1, 3);
    SetFocus(edit);
    for (const wchar_t* item : {L"one", L"two", L"three", L"four", L"five"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    for (const wchar_t* item : {L"Plate", L"Angle"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    for (int i = 0; i < 2; ++i) {
        TCITEMW item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPWSTR>(i == 0 ? L"One" : L"Two");
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    const win::Surface s = win::RenderWindow(dlg);

    // Static text starts at the control's left edge; the mnemonic is underlined, not shown.
    const RECT lr = inPicture(label);
    const RECT ink = s.inkBox(lr, color::kText);
    EXPECT_EQ(ink.left, lr.left);
    EXPECT_EQ(ink.top, lr.top + win::kFontCapTop);
    EXPECT_EQ(ink.right - ink.left, 4 * win::kFontCellWidth + 3);  // "Name:" without the '&' (':' is 3 wide)
    EXPECT_EQ(s.pixel(lr.left + 1, lr.top + win::kFontBaseline + 1), color::kText);  // underlined N
    // The edit: sunken white field, the selected "bc" on the highlight, the rest black on white.
    const RECT er = inPicture(edit);
    EXPECT_EQ(s.pixel(er.left, er.top), color::kShadow);
    EXPECT_EQ(s.pixel(er.left + 2, er.top + 2), color::kWindow);
    const int textY = er.top + 2 + (er.bottom - er.top - 4 - win::kFontCellHeight) / 2;
    const int textX = er.left + 3;
    EXPECT_EQ(s.pixel(textX + win::kFontCellWidth + 5, textY + 1), color::kHighlight);   // in "b"
    EXPECT_EQ(s.pixel(textX + 3 * win::kFontCellWidth + 5, textY + 1), color::kWindow);  // in "d"
    EXPECT_GT(s.countPixels(RECT{textX + 6, textY, textX + 18, textY + 13}, color::kHighlightText), 5);
    // The list: the current item on the highlight, a scroll bar since five items do not fit.
    const RECT li = inPicture(list);
    EXPECT_EQ(s.pixel(li.left + 4, li.top + 2 + win::kFontCellHeight + 1), color::kHighlight);
    EXPECT_EQ(s.pixel(li.left + 4, li.top + 2 + 1), color::kWindow);
    EXPECT_EQ(s.pixel(li.right - 2 - 16, li.top + 2), color::kLight);  // the up arrow button's edge
    // The combo box shows the selected item's text in its field, with a drop-down button.
    const RECT co = inPicture(combo);
    const RECT comboInk = s.inkBox(RECT{co.left + 2, co.top + 2, co.right - 20, co.top + 19}, color::kText);
    EXPECT_EQ(comboInk.left, co.left + 4);
    EXPECT_EQ(comboInk.right - comboInk.left, 5 * win::kFontCellWidth - 1);  // "Angle"
    EXPECT_EQ(s.pixel(co.left + 10, co.top + 40), color::kFace);  // only the field is drawn
    // Tabs: the current one is two pixels taller than the other.
    const RECT ta = inPicture(tabs);
    RECT first{}, second{};
    SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(s.pixel(ta.left + second.left + 4, ta.top + second.top - 2), color::kLight);
    EXPECT_EQ(s.pixel(ta.left + first.left + 4, ta.top + first.top - 2), color::kFace);
    EXPECT_EQ(s.pixel(ta.left + first.left + 4, ta.top + first.top), color::kLight);
    // A disabled static: grey text with a light shadow one pixel down and right.
    const RECT g = inPicture(greyed);
    const RECT gi = s.inkBox(g, color::kGrayText);
    EXPECT_EQ(gi.left, g.left);
    EXPECT_EQ(s.countPixels(g, color::kText), 0);
    EXPECT_GT(s.countPixels(g, color::kLight), 10);
}

TEST_F(RenderTest, DisabledParentsGreyTheirChildrenAndChildrenAreClipped) {
    HWND group = CreateWindowExW(0, WC_DIALOG, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 10, 100, 40, dlg,
                                 nullptr, nullptr, nullptr);
    HWND inner = CreateWindowExW(0, WC_STATIC, L"WIDE TEXT THAT DOES NOT FIT", WS_CHILD | WS_VISIBLE | 0xC, 5, 5,
                                 300, 20, group, nullptr, nullptr, nullptr);
    ASSERT_NE(inner, nullptr);
    const win::Surface s = win::RenderWindow(dlg);
    RECT d, g;
    GetWindowRect(dlg, &d);
    GetWindowRect(group, &g);
    const RECT gr{g.left - d.left, g.top - d.top, g.right - d.left, g.bottom - d.top};
    EXPECT_GT(s.countPixels(gr, color::kGrayText), 20);
    EXPECT_EQ(s.countPixels(gr, color::kText), 0);
    // Nothing beyond the parent's right edge.
    EXPECT_EQ(s.countPixels(RECT{gr.right, gr.top, 290, gr.bottom}, color::kGrayText), 0);
    // A picture of a child alone starts at its own top-left.
    const win::Surface part = win::RenderWindow(group);
    EXPECT_EQ(part.width(), 100);
    EXPECT_GT(part.countPixels(RECT{0, 0, 100, 40}, color::kGrayText), 20);
    EXPECT_TRUE(win::RenderWindow(nullptr).empty());
}

TEST_F(RenderTest, BitmapsAndIconsOfStatics) {
    win::Surface pic(6, 4, RGB(0, 200, 0));
    pic.setPixel(0, 0, RGB(200, 0, 0));
    HBITMAP bmp = win::CreateBitmapFromSurface(pic);
    HWND image = add(WC_STATIC, L"", SS_BITMAP, RECT{10, 10, 40, 30});
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp));
    HWND icon = add(WC_STATIC, L"", SS_ICON, RECT{50, 10, 82, 42});
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(reinterpret_cast<HICON>(0x1234)), 0);
    const win::Surface s = win::RenderWindow(dlg);
    const RECT i = inPicture(image);
    EXPECT_EQ(s.pixel(i.left, i.top), RGB(200, 0, 0));  // the picture at the top-left, as it is
    EXPECT_EQ(s.pixel(i.left + 5, i.top + 3), RGB(0, 200, 0));
    EXPECT_EQ(s.pixel(i.left + 6, i.top + 3), color::kFace);
    // An icon without pixels of its own: the generic 32 x 32 picture, framed.
    const RECT c = inPicture(icon);
    EXPECT_EQ(s.pixel(c.left, c.top), color::kShadow);
    EXPECT_EQ(s.pixel(c.left + 16, c.top + 16), color::kHighlight);
    DeleteObject(bmp);
}

TEST_F(RenderTest, CheckAndPictureCombosThumbnailsAndTransparentImageButtons) {
    HWND checks = add(WC_COMBOBOX, L"", CBS_DROPDOWNLIST, RECT{10, 10, 150, 100}, 1);
    HWND pictures = add(WC_COMBOBOX, L"", CBS_DROPDOWNLIST, RECT{160, 10, 290, 100}, 2);
    HWND thumbs = add(WC_LISTVIEW, L"", WS_BORDER, RECT{10, 40, 200, 150}, 3);
    HWND image = add(WC_BUTTON, L"", BS_PUSHBUTTON | BS_BITMAP, RECT{210, 40, 250, 70}, 4);
    for (const wchar_t* item : {L"Plate", L"Angle"}) {
        SendMessageW(checks, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(pictures, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(checks, TQ_CB_SETCHECKLIST, TRUE, 0);
    SendMessageW(checks, TQ_CB_SETITEMCHECK, 1, 1);
    SendMessageW(checks, CB_SETCURSEL, 1, 0);
    HBITMAP red = win::CreateBitmapFromSurface(win::Surface(12, 8, RGB(220, 0, 0)));
    SendMessageW(pictures, TQ_CB_SETITEMIMAGE, 0, reinterpret_cast<LPARAM>(red));
    SendMessageW(pictures, CB_SETCURSEL, 0, 0);
    HBITMAP blue = win::CreateBitmapFromSurface(win::Surface(20, 16, RGB(0, 0, 220)));
    SendMessageW(thumbs, LVM_SETICONSPACING, 0, MAKELONG(40, 24));
    for (int i = 0; i < 2; ++i) {
        LVITEMW item;
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = const_cast<LPWSTR>(i == 0 ? L"First" : L"Second");
        item.image = blue;
        SendMessageW(thumbs, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    LVITEMW sel;
    sel.stateMask = LVIS_SELECTED;
    sel.state = LVIS_SELECTED;
    SendMessageW(thumbs, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&sel));
    win::Surface framed(10, 10, RGB(192, 192, 192));
    framed.fill(RECT{3, 3, 7, 7}, RGB(0, 160, 0));
    HBITMAP green = win::CreateBitmapFromSurface(framed);
    SendMessageW(image, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(green));
    SetPropW(image, win::kTransparentColorProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(RGB(192, 192, 192)) + 1));
    const win::Surface s = win::RenderWindow(dlg);

    // The check combo: the current item's mark (checked) before its text.
    const RECT c = inPicture(checks);
    const RECT mark{c.left + 3 + 1 + 2, c.top + 2 + 2, c.left + 3 + 1 + 11, c.top + 2 + 13};
    EXPECT_GE(s.countPixels(mark, color::kText), 15);
    EXPECT_GE(s.inkBox(RECT{c.left + 20, c.top + 2, c.right - 20, c.top + 19}, color::kText).left, c.left + 20);
    // The picture combo: the current item's picture, then its text after it.
    const RECT p = inPicture(pictures);
    const RECT redBox = s.inkBox(RECT{p.left, p.top, p.right, p.top + 21}, RGB(220, 0, 0));
    EXPECT_EQ(redBox.right - redBox.left, 12);
    EXPECT_GT(s.inkBox(RECT{p.left, p.top, p.right - 20, p.top + 21}, color::kText).left, redBox.right);
    // Thumbnails: a picture per item above its name; the selected name on the highlight.
    const RECT t = inPicture(thumbs);
    const RECT pics = s.inkBox(t, RGB(0, 0, 220));
    EXPECT_GT(pics.right - pics.left, 2 * 20);
    EXPECT_GT(s.countPixels(t, color::kHighlight), 20);
    EXPECT_GT(s.countPixels(t, color::kHighlightText), 10);
    // The image button's transparent colour lets its face show through around the picture.
    const RECT b = inPicture(image);
    EXPECT_EQ(s.countPixels(b, RGB(192, 192, 192)), 0);
    EXPECT_EQ(s.countPixels(b, RGB(0, 160, 0)), 16);
    DeleteObject(red);
    DeleteObject(blue);
    DeleteObject(green);
}

// A painter for a class of its own replaces the generic drawing.
void PaintRed(HWND, win::Canvas& c, const win::PaintState& state) {
    c.fill(RECT{0, 0, 10, 10}, state.disabled ? RGB(0, 0, 255) : RGB(255, 0, 0));
}

TEST_F(RenderTest, RegisteredPaintersDrawTheirClass) {
    WNDCLASSW wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"RedBox";
    RegisterClassW(&wc);
    win::RegisterWindowPainter(L"redbox", &PaintRed);
    HWND box = add(L"RedBox", L"", 0, RECT{20, 20, 40, 40});
    win::Surface s = win::RenderWindow(dlg);
    const RECT b = inPicture(box);
    EXPECT_EQ(s.pixel(b.left + 5, b.top + 5), RGB(255, 0, 0));
    EnableWindow(box, FALSE);
    s = win::RenderWindow(dlg);
    EXPECT_EQ(s.pixel(b.left + 5, b.top + 5), RGB(0, 0, 255));
}

}  // namespace
