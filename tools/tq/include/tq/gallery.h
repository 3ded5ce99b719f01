// The dialog gallery (tq gallery OUTDIR): every dialog of the module opened on example
// data and drawn as a picture, OUTDIR/<DialogClass>.png, one picture per page or mode
// (<DialogClass>-<page>.png), and OUTDIR/index.html showing them all with their names.
//
// Adding a dialog: in the gallery file of its subsystem (src/gallery/gallery_<subsystem>.cpp;
// a new subsystem adds its file and one line to addAllEntries in gallery.cpp) add an entry
// that opens the dialog the way the product does, with a scripted user taking the
// pictures and cancelling:
//
//   gallery.add("CDlgLevels", [](Camera& camera) {
//       KmLevelsDlgData data;                            // example data
//       data.levels.append(...);
//       camera.onDialog(IDD_TQ_LEVELS)                   // the scripted user's steps
//           .then(camera.shot())                         // CDlgLevels.png
//           .selectTab(IDC_TABS, 1).then(camera.shot("Advanced"))  // CDlgLevels-Advanced.png
//           .cancel();
//       StartDlgLevels(data);                            // runs it modally
//   });
//
// A modeless window is drawn with camera.shoot(hwnd, page). An entry fails (and the
// gallery reports it) when the dialog does not open, a step fails, an unexpected dialog or
// message box shows up, or a picture comes out blank.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mfc/user_script.h"
#include "win/bitmap.h"
#include "win/types.h"

class CDialog;

namespace tq::gallery {

// One picture taken.
struct Shot {
    std::string dialogClass;
    std::string page;  // empty for a dialog without pages or modes
    std::string file;  // the file name in OUTDIR
    win::Surface picture;
};

// Whether a picture shows a drawn dialog: more than one colour and some text.
bool looksDrawn(const win::Surface& picture);

// What an entry uses to open its dialog and take its pictures.
class Camera {
public:
    Camera(std::string dialogClass, std::wstring outDir);
    ~Camera();
    Camera(const Camera&) = delete;
    Camera& operator=(const Camera&) = delete;

    // The scripted user's steps for the modal dialog with that template or caption.
    mfc::DialogSteps& onDialog(UINT resourceId);
    mfc::DialogSteps& onDialog(std::wstring caption);
    // Answers the next message box (see mfc::UserScript::answerMessageBox).
    void answerMessageBox(std::wstring pattern, int button);
    // A step that draws the dialog (page: "" or the page's or mode's name).
    std::function<void(CDialog&)> shot(std::string page = "");
    // Draws a window now.
    void shoot(HWND window, const std::string& page = "");
    // Reports a problem of this entry.
    void fail(const std::string& why);

    const std::vector<Shot>& shots() const { return m_shots; }
    // Ends the scripted user (its unused steps become problems) and gives every problem.
    std::vector<std::string> finish();

private:
    static void onScriptFailure(const std::string& message, void* context);
    std::string m_class;
    std::wstring m_outDir;  // Windows path ending in "\"; empty: pictures are not written
    std::vector<Shot> m_shots;
    std::vector<std::string> m_problems;
    std::unique_ptr<mfc::UserScript> m_user;
};

struct Entry {
    std::string dialogClass;
    std::function<void(Camera&)> open;
};

class Gallery {
public:
    void add(std::string dialogClass, std::function<void(Camera&)> open);
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

// The entries of each subsystem (one source file each).
void addEngineEntries(Gallery& gallery);
void addSupportEntries(Gallery& gallery);
void addFrameEntries(Gallery& gallery);
void addDesignerEntries(Gallery& gallery);
void addSheetEditorEntries(Gallery& gallery);
void addSectionLibEntries(Gallery& gallery);
void addMacroSubEntries(Gallery& gallery);
void addMacroEditEntries(Gallery& gallery);
void addMacroSettingsEntries(Gallery& gallery);
void addMacroSelectEntries(Gallery& gallery);
void addMacroDlgEntries(Gallery& gallery);
// Every entry.
Gallery allEntries();

// The outcome of one entry.
struct EntryResult {
    std::string dialogClass;
    std::vector<Shot> shots;
    std::vector<std::string> problems;
};
// Runs every entry, writing the pictures into outDir (Windows path ending in "\"; empty:
// nothing written) and, when outDir is given, index.html.
std::vector<EntryResult> runGallery(const Gallery& gallery, const std::wstring& outDir);
// The index page of the results.
std::string indexHtml(const std::vector<EntryResult>& results);

}  // namespace tq::gallery
