// Running the gallery: each entry with its own scripted user, the pictures written as PNG
// files and the index page.
#include "tq/gallery.h"

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <unistd.h>

#include "mfc/afx.h"
#include "mfc/window_dump.h"
#include "win/encoding.h"
#include "win/files.h"
#include "win/msgbox.h"
#include "win/png.h"
#include "win/render.h"
#include "win/window.h"

namespace tq::gallery {

bool looksDrawn(const win::Surface& picture) {
    if (picture.empty()) return false;
    std::set<COLORREF> colours;
    std::size_t text = 0;
    for (COLORREF c : picture.pixels()) {
        if (colours.size() < 3) colours.insert(c);
        if (c == win::color::kText || c == win::color::kCaptionText) ++text;
    }
    return colours.size() > 1 && text >= 20;
}

Camera::Camera(std::string dialogClass, std::wstring outDir)
    : m_class(std::move(dialogClass)), m_outDir(std::move(outDir)),
      m_user(std::make_unique<mfc::UserScript>(&Camera::onScriptFailure, this)) {}

Camera::~Camera() { finish(); }

void Camera::onScriptFailure(const std::string& message, void* context) {
    static_cast<Camera*>(context)->fail("scripted user: " + message);
}

mfc::DialogSteps& Camera::onDialog(UINT resourceId) { return m_user->onDialog(resourceId); }
mfc::DialogSteps& Camera::onDialog(std::wstring caption) { return m_user->onDialog(std::move(caption)); }
void Camera::answerMessageBox(std::wstring pattern, int button) { m_user->answerMessageBox(std::move(pattern), button); }

std::function<void(CDialog&)> Camera::shot(std::string page) {
    return [this, page](CDialog& dlg) { shoot(dlg.GetSafeHwnd(), page); };
}

void Camera::shoot(HWND window, const std::string& page) {
    Shot s;
    s.dialogClass = m_class;
    s.page = page;
    s.file = m_class + (page.empty() ? "" : "-" + page) + ".png";
    s.picture = win::RenderWindow(window);
    if (s.picture.empty()) {
        fail(s.file + ": the window cannot be drawn");
        return;
    }
    if (!looksDrawn(s.picture)) fail(s.file + ": the picture is blank");
    // A numbered text without an English wording shows as "#nr#".
    const std::string dump = mfc::DumpWindowTreeUtf8(window);
    static const std::regex missing("#[0-9]+#");
    for (std::sregex_iterator m(dump.begin(), dump.end(), missing), end; m != end; ++m)
        fail(s.file + ": numbered text " + m->str() + " has no wording");
    if (!m_outDir.empty() && !win::WritePngFile(m_outDir + WideFromUtf8(s.file), s.picture))
        fail(s.file + ": cannot write the picture");
    m_shots.push_back(std::move(s));
}

void Camera::fail(const std::string& why) { m_problems.push_back(why); }

std::vector<std::string> Camera::finish() {
    m_user.reset();  // reports what was never used
    return m_problems;
}

void Gallery::add(std::string dialogClass, std::function<void(Camera&)> open) {
    m_entries.push_back(Entry{std::move(dialogClass), std::move(open)});
}

Gallery allEntries() {
    Gallery g;
    addEngineEntries(g);
    addSupportEntries(g);
    addFrameEntries(g);
    addDesignerEntries(g);
    addSheetEditorEntries(g);
    addSectionLibEntries(g);
    addMacroSubEntries(g);
    addMacroEditEntries(g);
    addMacroSettingsEntries(g);
    addMacroSelectEntries(g);
    addMacroDlgEntries(g);
    return g;
}

namespace {

std::string escapeHtml(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Dialog sizes and flags the dialogs store go to a scratch folder, so that the pictures
// never depend on (or change) what a user stored.
class ScratchDialogState {
public:
    ScratchDialogState() {
        if (const char* v = std::getenv("TQ_DLGSTATE_DIR")) m_saved = v, m_had = true;
        m_dir = std::filesystem::temp_directory_path() / ("tq_gallery_" + std::to_string(::getpid()));
        std::error_code ec;
        std::filesystem::create_directories(m_dir, ec);
        ::setenv("TQ_DLGSTATE_DIR", m_dir.string().c_str(), 1);
    }
    ~ScratchDialogState() {
        if (m_had) ::setenv("TQ_DLGSTATE_DIR", m_saved.c_str(), 1);
        else ::unsetenv("TQ_DLGSTATE_DIR");
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    ScratchDialogState(const ScratchDialogState&) = delete;
    ScratchDialogState& operator=(const ScratchDialogState&) = delete;

private:
    std::filesystem::path m_dir;
    std::string m_saved;
    bool m_had = false;
};

}  // namespace

std::vector<EntryResult> runGallery(const Gallery& gallery, const std::wstring& outDir) {
    ScratchDialogState state;
    std::vector<EntryResult> results;
    for (const Entry& e : gallery.entries()) {
        EntryResult r;
        r.dialogClass = e.dialogClass;
        {
            Camera camera(e.dialogClass, outDir);
            try {
                e.open(camera);
            } catch (const std::exception& ex) {
                camera.fail(std::string("exception: ") + ex.what());
            }
            r.problems = camera.finish();
            r.shots = camera.shots();
        }
        if (r.shots.empty()) r.problems.push_back("no picture was taken");
        results.push_back(std::move(r));
    }
    if (!outDir.empty()) {
        if (!WriteFileAtomic(outDir + L"index.html", indexHtml(results))) {
            EntryResult r;
            r.dialogClass = "index.html";
            r.problems.push_back("cannot write index.html");
            results.push_back(std::move(r));
        }
    }
    return results;
}

std::string indexHtml(const std::vector<EntryResult>& results) {
    std::string html =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Dialog gallery</title>\n"
        "<style>body{font-family:sans-serif;background:#eee}figure{display:inline-block;vertical-align:top;"
        "margin:12px;padding:8px;background:#fff}figcaption{font-weight:bold;margin-bottom:6px}"
        ".problem{color:#a00}</style></head><body>\n<h1>Dialog gallery</h1>\n";
    for (const EntryResult& r : results) {
        for (const Shot& s : r.shots) {
            const std::string name = s.dialogClass + (s.page.empty() ? "" : " (" + s.page + ")");
            html += "<figure><figcaption>" + escapeHtml(name) + "</figcaption><img src=\"" + escapeHtml(s.file) +
                    "\" alt=\"" + escapeHtml(name) + "\"></figure>\n";
        }
        for (const std::string& p : r.problems)
            html += "<p class=\"problem\">" + escapeHtml(r.dialogClass) + ": " + escapeHtml(p) + "</p>\n";
    }
    html += "</body></html>\n";
    return html;
}

}  // namespace tq::gallery
