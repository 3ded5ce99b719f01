#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/macrodlg_ids.h"
#include "win/bitmap.h"
#include "win/window.h"

// The macro dialog and its two page kinds. Texts are numbered texts set when the
// windows open; the pages are child dialogs placed in the tab control, and lay out
// their own controls (the upper part comes from a designed template).
namespace {

constexpr DWORD kPage = WS_CHILD | DS_CONTROL;
constexpr DWORD kEditableCombo = 0x2;  // CBS_DROPDOWN
constexpr DWORD kPushLike = BS_PUSHLIKE;
constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kInk = RGB(0, 0, 0);

mfc::DialogTemplate macroDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Macro";
    t.cx = 184;
    t.cy = 170;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    t.pushButton(IDC_MACRO_SELECT, L"", 4, 3, 16, 14)
        .pushButton(IDC_MACRO_VIEW3, L"", 22, 3, 16, 14)
        .pushButton(IDC_MACRO_VIEW0, L"", 38, 3, 16, 14)
        .pushButton(IDC_MACRO_VIEW1, L"", 54, 3, 16, 14)
        .pushButton(IDC_MACRO_VIEW2, L"", 70, 3, 16, 14)
        .pushButton(IDC_MACRO_STANDARDS, L"", 88, 3, 16, 14)
        .checkBox(IDC_MACRO_CLASH, L"", 106, 3, 16, 14, kPushLike)
        .pushButton(IDC_MACRO_LOAD_PROPS, L"", 124, 3, 16, 14)
        .pushButton(IDC_MACRO_SAVE_PROPS, L"", 140, 3, 16, 14)
        .label(IDC_MACRO_GROUP_LABEL, L"", 4, 22, 28, 10)
        .comboBox(IDC_MACRO_GROUP, 32, 20, 58, 100)
        .label(IDC_MACRO_FILTER_LABEL, L"", 94, 22, 28, 10)
        .comboBox(IDC_MACRO_FILTER, 122, 20, 58, 100)
        .tabControl(IDC_MACRO_TAB, 4, 36, 176, 112)
        .pushButton(IDC_MACRO_REAPPLY, L"", 58, 152, 68, 14)
        .pushButton(1, L"", 130, 152, 50, 14);
    return t;
}

// The bolt band lies at the bottom of the page; the page moves it there.
mfc::DialogTemplate generalPage() {
    mfc::DialogTemplate t;
    t.cx = 170;
    t.cy = 100;
    t.style = kPage;
    t.label(IDC_PAGE_GRID_GENERAL, L"", 2, 2, 166, 50)
        .label(IDC_BOLT_ASSEMBLY_LABEL, L"", 2, 72, 40, 10)
        .comboBox(IDC_BOLT_ASSEMBLY, 44, 70, 70, 100)
        .label(IDC_BOLT_DIAMETER_LABEL, L"", 2, 87, 40, 10)
        .comboBox(IDC_BOLT_DIAMETER, 44, 85, 70, 100)
        .pushButton(IDC_PAGE_ADVANCED, L"", 118, 85, 50, 13);
    return t;
}

// The profile band: six rows of a caption and a combo, with the section, plane and
// settings buttons beside them.
mfc::DialogTemplate profilePage() {
    mfc::DialogTemplate t;
    t.cx = 200;
    t.cy = 150;
    t.style = kPage;
    t.label(IDC_PAGE_GRID_PROF, L"", 2, 2, 196, 40)
        .label(IDC_PROF_GROUP_LABEL, L"", 2, 52, 50, 10)
        .comboBox(IDC_PROF_GROUP, 54, 50, 76, 100)
        .comboBox(IDC_PROF_PROFILE, 54, 66, 76, 100)
        .label(IDC_PROF_SECTION_LABEL, L"", 2, 84, 50, 10)
        .comboBox(IDC_PROF_SECTION, 54, 82, 76, 100)
        .pushButton(IDC_PROF_SELECT_SECTION, L"", 134, 82, 64, 13)
        .label(IDC_PROF_OFFSET_LABEL, L"", 2, 100, 50, 10)
        .comboBox(IDC_PROF_OFFSET, 54, 98, 76, 100)
        .label(IDC_PROF_ROTATION_LABEL, L"", 2, 116, 50, 10)
        .comboBox(IDC_PROF_ROTATION, 54, 114, 76, 100, kEditableCombo)
        .label(IDC_PROF_PLANE_LABEL, L"", 2, 132, 50, 10)
        .comboBox(IDC_PROF_PLANE, 54, 130, 76, 100)
        .pushButton(IDC_PROF_PICK_PLANE, L"", 134, 130, 64, 13)
        .pushButton(IDC_PAGE_ADVANCED, L"", 134, 50, 64, 13)
        .pushButton(IDC_PROF_SEGMENTED, L"", 134, 66, 64, 13);
    return t;
}

// 16 x 16 pictures of the buttons.
class Glyph {
public:
    Glyph() : m_s(16, 16, kFace) {}
    Glyph& box(int l, int t, int r, int b, COLORREF c) {
        m_s.fill(RECT{l, t, r, b}, c);
        return *this;
    }
    Glyph& frame(int l, int t, int r, int b, COLORREF c) {
        return box(l, t, r, t + 1, c).box(l, b - 1, r, b, c).box(l, t, l + 1, b, c).box(r - 1, t, r, b, c);
    }
    win::Surface take() { return m_s; }

private:
    win::Surface m_s;
};

win::Surface selectGlyph() {  // an arrow onto a box
    Glyph g;
    g.frame(6, 6, 15, 15, kInk);
    for (int k = 0; k < 8; ++k) g.box(1 + k, 1 + k, 3 + k, 2 + k, RGB(0, 0, 160));
    return g.take();
}
win::Surface viewGlyph(int view) {  // a cube seen from a side, or in perspective
    Glyph g;
    const COLORREF face = RGB(150, 180, 220);
    switch (view) {
    case 0: g.box(3, 3, 13, 13, face).frame(3, 3, 13, 13, kInk); break;
    case 1: g.box(2, 5, 14, 11, face).frame(2, 5, 14, 11, kInk); break;
    case 2: g.box(5, 2, 11, 14, face).frame(5, 2, 11, 14, kInk); break;
    default:
        g.box(2, 6, 10, 14, face).frame(2, 6, 10, 14, kInk).box(6, 2, 14, 10, RGB(190, 210, 240)).frame(6, 2, 14, 10, kInk);
    }
    return g.take();
}
win::Surface standardsGlyph() {  // a sheet with rows
    Glyph g;
    g.box(3, 1, 13, 15, RGB(255, 255, 255)).frame(3, 1, 13, 15, kInk);
    for (int y = 4; y < 13; y += 3) g.box(5, y, 11, y + 1, RGB(0, 120, 0));
    return g.take();
}
win::Surface clashGlyph() {  // two crossing bars
    return Glyph().box(2, 6, 14, 10, RGB(200, 40, 40)).box(6, 2, 10, 14, RGB(40, 40, 200)).take();
}
}  // namespace

void registerMacroDialogs(HINSTANCE module) {
    mfc::RegisterDialogTemplate(module, IDD_MACRO, macroDialog());
    mfc::RegisterDialogTemplate(module, IDD_MACRO_TAB_GENERAL, generalPage());
    mfc::RegisterDialogTemplate(module, IDD_MACRO_TAB_PROF, profilePage());
    mfc::RegisterIconPicture(module, IDI_MACRO_SELECT, selectGlyph());
    mfc::RegisterIconPicture(module, IDI_MACRO_VIEW3, viewGlyph(3));
    mfc::RegisterIconPicture(module, IDI_MACRO_VIEW0, viewGlyph(0));
    mfc::RegisterIconPicture(module, IDI_MACRO_VIEW1, viewGlyph(1));
    mfc::RegisterIconPicture(module, IDI_MACRO_VIEW2, viewGlyph(2));
    mfc::RegisterIconPicture(module, IDI_MACRO_STANDARDS, standardsGlyph());
    mfc::RegisterIconPicture(module, IDI_MACRO_CLASH, clashGlyph());
    // The load and save buttons share the designer's open and save icons (232, 233).
}
