// Shared pieces of the designer tests: a scratch product library with its template folder,
// background images, and a dialog to put a panel on.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "designer/zk_dlg_designer_data.h"
#include "host/settings.h"
#include "host/zk_string.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/gdi.h"
#include "mfc/resources.h"
#include "win/bitmap.h"
#include "win/paths.h"
#include "win/window.h"

// A library folder of its own, with "Dialog Templates\Dialog Design\" in it, as the
// settings' library folder for the life of the object.
class TempLibrary {
public:
    TempLibrary() {
        static int counter = 0;
        m_root = std::filesystem::temp_directory_path() /
                 ("tq_designer_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root / "Dialog Templates" / "Dialog Design");
        m_oldLibDir = gSettings.libDir;
        gSettings.libDir = Zk_String(WindowsPathFromHost(m_root.string())) + L"\\";
    }
    ~TempLibrary() {
        gSettings.libDir = m_oldLibDir;
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    std::filesystem::path hostFolder() const { return m_root / "Dialog Templates" / "Dialog Design"; }
    // Windows path of name inside the template folder.
    Zk_String path(const std::wstring& name) const { return getDesignerRootFolder() + Zk_String(name); }
    std::filesystem::path hostPath(const std::string& name) const { return hostFolder() / name; }

    void writeText(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories(hostPath(name).parent_path());
        std::ofstream(hostPath(name), std::ios::binary) << text;
    }
    std::string readText(const std::string& name) const {
        std::ifstream in(hostPath(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(hostPath(name)); }
    // A background image of width x height in one colour.
    void writeBitmap(const std::string& name, int width, int height, COLORREF fill = RGB(200, 210, 220)) const {
        writeBitmap(name, win::Surface(width, height, fill));
    }
    void writeBitmap(const std::string& name, const win::Surface& surface) const {
        writeText(name, win::EncodeBmp24(surface));
    }

private:
    std::filesystem::path m_root;
    Zk_String m_oldLibDir;
};

// Property-field identifiers of the test dialog, as the designer window has them.
constexpr int kTypeCombo = 1005, kContentsLabel = 1016, kContentsEdit = 1304, kListLabel = 1017,
              kListEdit = 1305;
constexpr int kFirstId = 33000, kLastId = 33099;

// A modeless dialog of 600 x 400 pixels with the five property fields at its bottom.
class PanelHost : public CDialog {
public:
    PanelHost() : CDialog(kTemplate) {
        registerOnce();
        Create(kTemplate);
    }
    ~PanelHost() override {
        if (m_hWnd) DestroyWindow();
    }

private:
    static constexpr UINT kTemplate = 9951;
    static void registerOnce() {
        static bool done = false;
        if (done) return;
        done = true;
        mfc::DialogTemplate t;
        t.caption = L"Panel";
        t.cx = 400;  // 600 pixels
        t.cy = 246;  // about 400 pixels
        t.style = WS_POPUP | WS_CAPTION;
        t.comboBox(kTypeCombo, 4, 220, 60, 100)
            .label(kContentsLabel, L"", 70, 210, 60, 10)
            .edit(kContentsEdit, 70, 222, 80, 12)
            .label(kListLabel, L"", 160, 210, 100, 10)
            .edit(kListEdit, 160, 222, 120, 12);
        mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), kTemplate, t);
    }
};

inline Zk_DesignerControl makeControl(int type, double l, double t, double r, double b, const wchar_t* contents = L"") {
    Zk_DesignerControl c;
    c.type = static_cast<Zk_ControlType>(type);
    c.topLeftX = l;
    c.topLeftY = t;
    c.bottomRightX = r;
    c.bottomRightY = b;
    c.contents = contents;
    return c;
}

// The pixel rectangle of a control's window in the dialog's client area.
inline RECT windowRectOn(HWND dialog, HWND control) {
    RECT r;
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
