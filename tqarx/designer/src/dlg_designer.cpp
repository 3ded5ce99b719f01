#include "designer/dlg_designer.h"

#include "designer/designer_texts.h"
#include "host/dialog_support.h"
#include "host/dlg_open_save.h"
#include "host/files.h"
#include "host/texts.h"
#include "mfc/control_colors.h"
#include "mfc/gdi.h"
#include "mfc/resources.h"
#include "res/designer_ids.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

constexpr const wchar_t* kSizeKey = L"DLG_DLGDESIGNER";
constexpr UINT kSetIconMessage = 0x0080;  // WM_SETICON
constexpr WPARAM kBigIcon = 1;

struct IconButton {
    int id;
    UINT icon;
};
constexpr IconButton kIconButtons[8] = {
    {IDC_DES_OPEN, IDI_DES_OPEN},   {IDC_DES_SAVE, IDI_DES_SAVE},     {IDC_DES_ADD, IDI_DES_ADD},
    {IDC_DES_DELETE, IDI_DES_DELETE}, {IDC_DES_WIDTH, IDI_DES_WIDTH}, {IDC_DES_HEIGHT, IDI_DES_HEIGHT},
    {IDC_DES_COPY, IDI_DES_COPY},   {IDC_DES_IMAGE, IDI_DES_IMAGE},
};

using B = CResizer::Border;
CResizer::Anchor anchor(int id, B left, B top, B right, B bottom) { return CResizer::Anchor{id, left, top, right, bottom}; }

std::vector<CResizer::Anchor> layout() {
    std::vector<CResizer::Anchor> table = {
        anchor(IDC_DES_FRAME, {1, 0, 1}, {1, 0, 4}, {1, 0, 1}, {4, 0, 4}),
        anchor(IDC_DES_LIST_LABEL, {2, 0, 1}, {1, 0, 4}, {1, 0, 3}, {4, 0, 4}),
        anchor(IDC_DES_CONTENTS_LABEL, {1, IDC_DES_FRAME, 3}, {1, 0, 4}, {1, IDC_DES_LIST_LABEL, 1}, {4, 0, 4}),
        anchor(IDC_DES_TYPE, {1, IDC_DES_FRAME, 1}, {1, 0, 4}, {1, IDC_DES_FRAME, 3}, {4, 0, 4}),
        anchor(IDC_DES_CONTENTS, {1, IDC_DES_CONTENTS_LABEL, 1}, {1, 0, 4}, {1, IDC_DES_CONTENTS_LABEL, 3},
               {4, 0, 4}),
        anchor(IDC_DES_LIST, {1, IDC_DES_LIST_LABEL, 1}, {1, 0, 4}, {1, IDC_DES_LIST_LABEL, 3}, {4, 0, 4}),
    };
    for (int id : {IDC_DES_OPEN, IDC_DES_SAVE, IDC_DES_ADD, IDC_DES_DELETE, IDC_DES_WIDTH, IDC_DES_HEIGHT,
                   IDC_DES_COPY, IDC_DES_OUTLINE, IDC_DES_STICKRIGHT, IDC_DES_IMAGE})
        table.push_back(anchor(id, {1, 0, 1}, {1, 0, 4}, {3, 0, 3}, {4, 0, 4}));
    table.push_back(anchor(IDOK, {1, 0, 3}, {1, 0, 4}, {3, 0, 3}, {4, 0, 4}));
    table.push_back(anchor(IDCANCEL, {1, 0, 3}, {1, 0, 4}, {3, 0, 3}, {4, 0, 4}));
    return table;
}

}  // namespace

CDlgDesigner::CDlgDesigner(CWnd* parent) : CDialog(IDD_DLGDESIGNER, parent) {}
CDlgDesigner::~CDlgDesigner() = default;

BOOL CDlgDesigner::OnInitDialog() {
    CDialog::OnInitDialog();
    m_data.initialize(this, IDC_DES_FIRST_CONTROL, IDC_DES_LAST_CONTROL, IDC_DES_TYPE, IDC_DES_CONTENTS_LABEL,
                      IDC_DES_CONTENTS, IDC_DES_LIST_LABEL, IDC_DES_LIST, true);
    ::SendMessageW(m_hWnd, kSetIconMessage, kBigIcon, reinterpret_cast<LPARAM>(mfc::LoadIconResource(IDI_DES_WINDOW)));
    setupButtons();
    SetDlgItemText(IDC_DES_FRAME, dialString(836).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    updateTitle();

    CRect window;
    GetWindowRect(&window);
    m_minTrackSize = SIZE{window.Width(), window.Height()};
    const std::vector<CResizer::Anchor> table = layout();
    m_resizer.init(this, table);
    ChangeDlgSize(this, kSizeKey, m_minTrackSize.cx, m_minTrackSize.cy);

    m_modified = false;
    if (!m_templatePath.isEmpty() && fileExists(m_templatePath)) loadTemplate(m_templatePath);
    return TRUE;
}

void CDlgDesigner::setupButtons() {
    for (int i = 0; i < 8; ++i) {
        m_buttons[i].SubclassDlgItem(static_cast<UINT>(kIconButtons[i].id), this);
        m_buttons[i].SetIcon(kIconButtons[i].icon);
        m_buttons[i].SetFlat(true);
    }
}

void CDlgDesigner::updateTitle() {
    Zk_String title = dialString(843);
    if (!m_data.getTemplateName().isEmpty()) title += Zk_String(L" - <") + m_data.getTemplateName() + L">";
    SetWindowText(title.c_str());
}

Zk_String CDlgDesigner::startFolder() const {
    const Zk_String root = getDesignerRootFolder();
    if (m_data.getTemplateName().isEmpty()) return root;
    return getFolder(root + m_data.getTemplateName());
}

Zk_String CDlgDesigner::fileFilter(int nameText, const wchar_t* pattern) const {
    return dialString(nameText) + L" (" + pattern + L")";
}

void CDlgDesigner::loadTemplate(const Zk_String& path) {
    m_data.removeAllDrawnCtrls();
    const bool read = m_data.readFromFile(path, true);
    m_data.redrawAllControls();
    Invalidate();
    if (!read) {
        const Zk_String text = dialString(845) + L"\n" + m_data.getLastError();
        MessageBox(text.c_str(), dialString(837).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    m_modified = false;
    updateTitle();
}

void CDlgDesigner::openTemplate() {
    if (!askToSave()) return;
    Zk_String chosen;
    if (!DlgOpenSave(true, L"txt", fileFilter(840, L"*.txt"), dialString(841), startFolder(), chosen)) return;
    loadTemplate(chosen);
}

// A template outside the template folder is not written; the window keeps it marked as
// changed and says so, so that closing still asks.
bool CDlgDesigner::saveTo(const Zk_String& path) {
    if (m_data.writeToFile(path)) {
        m_modified = false;
        updateTitle();
        return true;
    }
    const Zk_String text = dialString(844) + L"\n" + getDesignerRootFolder() + L"\n\n" + m_data.getLastError();
    MessageBox(text.c_str(), dialString(837).c_str(), MB_OK | MB_ICONWARNING);
    return false;
}

bool CDlgDesigner::saveAs() {
    Zk_String chosen = m_data.getTemplateName().isEmpty() ? Zk_String() : m_data.getTemplateName() + L".txt";
    if (!DlgOpenSave(false, L"txt", fileFilter(840, L"*.txt"), dialString(842), startFolder(), chosen))
        return false;
    return saveTo(chosen);
}

bool CDlgDesigner::askToSave() {
    if (!m_modified) return true;
    const Zk_String text = dialString(838) + L"\n<" + m_data.getTemplateName() + L">";
    const int answer = MessageBox(text.c_str(), dialString(837).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO) return true;
    if (answer != IDYES) return false;
    // A template without a name gets one through the save command; cancelling it
    // writes nothing and keeps the window open.
    if (m_data.getTemplateName().isEmpty()) return saveAs();
    return saveTo(getDesignerRootFolder() + m_data.getTemplateName() + L".txt");
}

void CDlgDesigner::chooseImage() {
    Zk_String chosen;
    if (!DlgOpenSave(true, L"bmp", fileFilter(839, L"*.bmp"), dialString(841), getDesignerRootFolder(), chosen))
        return;
    if (m_data.getTemplateName().isEmpty() && !saveAs()) return;
    if (m_data.getTemplateName().isEmpty()) return;
    const Zk_String target = getDesignerRootFolder() + m_data.getTemplateName() + L".bmp";
    if (!chosen.equal(target, true) && !copyFile(chosen, target, true)) return;
    if (!m_data.attachBitmap(target)) {
        MessageBox(m_data.getLastError().c_str(), dialString(837).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    // The controls keep their places as fractions of the new picture.
    const Zk_Array<int> selection = m_data.selectedIds();
    m_data.redrawAllControls();
    m_data.selectCtrls(selection);
    Invalidate();
    m_modified = true;
}

BOOL CDlgDesigner::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_DES_TYPE && code == CBN_SELCHANGE) {
        m_data.propsOfCurSelUpdated();
        m_data.updatePropsOfCurSel();
        return TRUE;
    }
    if ((id == IDC_DES_CONTENTS || id == IDC_DES_LIST) && code == EN_CHANGE) {
        m_data.propsOfCurSelUpdated();
        return TRUE;
    }
    if (code != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IDC_DES_OPEN: openTemplate(); return TRUE;
    case IDC_DES_SAVE: saveAs(); return TRUE;
    case IDC_DES_ADD:
        m_data.addNewControl(zkCtrlValue);
        m_modified = true;
        return TRUE;
    case IDC_DES_DELETE:
        m_data.removeCurControls();
        Invalidate();
        m_modified = true;
        return TRUE;
    case IDC_DES_WIDTH: m_data.changeCtrlSize(true); return TRUE;
    case IDC_DES_HEIGHT: m_data.changeCtrlSize(false); return TRUE;
    case IDC_DES_COPY: m_data.copyCurCtrls(); return TRUE;
    case IDC_DES_OUTLINE: m_data.outlineCurCtrls(); return TRUE;
    case IDC_DES_STICKRIGHT: m_data.stickRightCurCtrls(); return TRUE;
    case IDC_DES_IMAGE: chooseImage(); return TRUE;
    default: return CDialog::OnCommand(wParam, lParam);
    }
}

void CDlgDesigner::OnOK() {
    if (askToSave()) CDialog::OnOK();
}

// The Cancel button closes as the close box does: a changed template is asked about.
void CDlgDesigner::OnCancel() {
    if (askToSave()) EndDialog(IDCANCEL);
}

void CDlgDesigner::OnClose() { OnCancel(); }

BOOL CDlgDesigner::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CDlgDesigner::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}

void CDlgDesigner::OnLButtonDown(UINT flags, CPoint point) {
    m_data.OnLButtonDown(flags, point);
    m_data.updatePropsOfCurSel();
    m_modified = true;
}

void CDlgDesigner::OnRButtonDown(UINT flags, CPoint point) { CDialog::OnRButtonDown(flags, point); }

BOOL CDlgDesigner::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_data.OnSetCursor(hitTest, message)) return TRUE;
    return CDialog::OnSetCursor(wnd, hitTest, message);
}

// The background is drawn here too (not only on WM_ERASEBKGND), so that a paint of the
// client area alone, as a window picture takes it, shows the template's picture.
void CDlgDesigner::OnPaint() {
    CPaintDC dc(this);
    m_data.OnEraseBkgnd(&dc);
    m_data.OnPaint(&dc);
}

BOOL CDlgDesigner::OnEraseBkgnd(CDC* dc) { return m_data.OnEraseBkgnd(dc); }

void CDlgDesigner::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (m_resizer.isInitialised()) m_resizer.move();
    Invalidate();
}

// Plain text labels are drawn without a background, so that the picture shows through.
HBRUSH CDlgDesigner::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    if (ctlColor == CTLCOLOR_STATIC && wnd && dc && !(wnd->GetStyle() & 0x5)) {
        dc->SetBkMode(TRANSPARENT);
        return GetStockBrush(NULL_BRUSH);
    }
    return CDialog::OnCtlColor(dc, wnd, ctlColor);
}

void CDlgDesigner::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (info) info->ptMinTrackSize = POINT{m_minTrackSize.cx, m_minTrackSize.cy};
}
