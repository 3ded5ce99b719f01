// tq panel: a dialog template as a macro dialog shows it, control by control.
#include <filesystem>
#include <sstream>

#include "designer/designer_texts.h"
#include "designer/zk_dlg_designer_data.h"
#include "host/files.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/gdi.h"
#include "mfc/resources.h"
#include "tq/cli_output.h"
#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "tq/session.h"
#include "win/encoding.h"
#include "win/render.h"
#include "win/window.h"

namespace tq {

namespace {

constexpr UINT kPanelDialog = 9990;

// A borderless dialog whose client area is the panel's image, drawn as its background.
class PanelDialog : public CDialog {
public:
    Zk_DlgDesignerData* panel = nullptr;
    void OnPaint() override {
        CPaintDC dc(this);
        if (panel) panel->OnEraseBkgnd(&dc);
    }
    BOOL OnEraseBkgnd(CDC* dc) override { return panel ? panel->OnEraseBkgnd(dc) : FALSE; }

    PanelDialog() : CDialog(kPanelDialog) {
        mfc::DialogTemplate t;
        t.caption = L"Panel";
        t.cx = 100;
        t.cy = 50;
        t.style = WS_POPUP;
        mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), kPanelDialog, t);
        Create(kPanelDialog);
    }
    ~PanelDialog() override {
        if (m_hWnd) DestroyWindow();
    }
};

// A name in the template folder ("EndPlate", "Sub\Panel", ".txt" optional), or the path
// of an existing file.
std::wstring templatePath(const std::string& given) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(given, ec)) return windowsPathOf(given);
    Zk_String name = Zk_String(win::WideFromUtf8(given));
    name.replace(L"/", L"\\");
    if (!hasFileExtension(name, L"txt")) name += L".txt";
    return (getDesignerRootFolder() + name).wstr();
}

std::string utf8(const Zk_String& s) { return s.toUtf8(); }

// The texts a combo box offers, as it was filled.
std::vector<std::string> comboEntries(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
        items.push_back(win::Utf8FromWide(text));
    }
    return items;
}

}  // namespace

int runPanel(CommandContext& context) {
    const CliOptions& options = context.options;
    const std::wstring path = templatePath(options.panelTemplate);
    PanelDialog dialog;
    if (!dialog.m_hWnd) {
        context.err << "tq: no dialog can be made for the panel\n";
        return kExitFailed;
    }
    Zk_DlgDesignerData data;
    dialog.panel = &data;
    data.initialize(&dialog, 33000, 33099, 0, 0, 0, 0, 0, false);
    if (!data.readFromFile(Zk_String(path), true)) {
        context.session.forgetMessages();
        context.err << "tq: " << utf8(data.getLastError()) << "\n";
        return kExitUsage;
    }
    int width = 0, height = 0;
    data.getImageSize(width, height);
    dialog.MoveWindow(0, 0, width, height, FALSE);
    data.redrawAllControls();
    context.session.flushTraces();

    std::ostringstream text;
    if (options.json) {
        text << "{\"template\":" << jsonString(utf8(data.getTemplateName())) << ",\"width\":" << width
             << ",\"height\":" << height << ",\"controls\":[";
    } else {
        text << "template " << utf8(data.getTemplateName()) << ", image " << width << " x " << height << ", "
             << data.getNrControls() << " controls\n";
    }
    for (int i = 0; i < data.getNrControls(); ++i) {
        const Zk_DesignerControl& c = *data.getControl(i);
        const CRect r = data.pixelRect(c);
        HWND wnd = ::GetDlgItem(dialog.m_hWnd, c.resId);
        std::vector<std::string> entries;
        if (wnd && isComboType(c.type)) entries = comboEntries(wnd);
        Zk_String value;
        data.getCtrlValue(c.resId, value);
        if (options.json) {
            text << (i ? "," : "") << "{\"index\":" << i << ",\"type\":" << static_cast<int>(c.type)
                 << ",\"typeName\":" << jsonString(utf8(controlTypeName(c.type))) << ",\"rect\":[" << r.left << ","
                 << r.top << "," << r.right << "," << r.bottom << "],\"tabOrder\":" << c.tabOrder
                 << ",\"contents\":" << jsonString(utf8(c.contents))
                 << ",\"list\":" << jsonString(utf8(c.getMergedExtComboList()))
                 << ",\"value\":" << jsonString(utf8(value)) << ",\"items\":[";
            for (std::size_t k = 0; k < entries.size(); ++k) text << (k ? "," : "") << jsonString(entries[k]);
            text << "]}";
        } else {
            text << i << "\ttype " << static_cast<int>(c.type) << " " << utf8(controlTypeName(c.type)) << "\t["
                 << r.left << "," << r.top << "," << r.right << "," << r.bottom << "]\ttab " << c.tabOrder
                 << "\t" << jsonString(utf8(c.contents));
            if (!c.getMergedExtComboList().isEmpty()) text << "\tlist " << jsonString(utf8(c.getMergedExtComboList()));
            if (!entries.empty()) {
                text << "\titems";
                for (const std::string& e : entries) text << " " << jsonString(e);
            }
            text << "\n";
        }
    }
    if (options.json) text << "]}\n";
    if (!options.pngFile.empty()) {
        dialog.ShowWindow(SW_SHOW);
        const bool written = win::RenderWindowToPng(dialog.m_hWnd, windowsPathOf(options.pngFile));
        dialog.ShowWindow(SW_HIDE);
        if (!written) {
            context.err << "tq: cannot write the picture " << options.pngFile << "\n";
            return kExitFailed;
        }
    }
    context.out << text.str();
    return kExitOk;
}

}  // namespace tq
