// The dialog gallery: every registered dialog opens on its example data, renders without
// a problem and shows a drawn picture (more than one colour, text); the pictures and the
// index page are written; blank pictures and dialogs that never open are reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

#include "host/settings.h"
#include "tq/cli_paths.h"
#include "tq/gallery.h"
#include "tq/session.h"
#include "win/render.h"
#include "win/window.h"

namespace {

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class GalleryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        err = new std::ostringstream;
        session = new tq::Session(*err);
        std::string error;
        loaded = session->loadModule(std::string(TQ_BIN_DIR) + "/tq.arx", error);
        ASSERT_TRUE(loaded) << error;
        session->setEchoBoxes(false);
        const std::wstring library = tq::libraryFolder(std::string(TQ_SOURCE_DIR) + "/examples/library", error);
        ASSERT_FALSE(library.empty()) << error;
        gSettings.libDir = Zk_String(library);
    }
    static void TearDownTestSuite() {
        delete session;
        delete err;
    }
    void SetUp() override {
        ASSERT_TRUE(loaded);
        dir = std::filesystem::temp_directory_path() / ("gallery_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        outDir = tq::windowsPathOf(dir.string()) + L"\\";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static inline std::ostringstream* err = nullptr;
    static inline tq::Session* session = nullptr;
    static inline bool loaded = false;
    std::filesystem::path dir;
    std::wstring outDir;
};

TEST_F(GalleryTest, EveryRegisteredDialogRendersWithoutProblemsAndIsNotBlank) {
    const tq::gallery::Gallery gallery = tq::gallery::allEntries();
    const auto results = tq::gallery::runGallery(gallery, outDir);
    ASSERT_EQ(results.size(), gallery.entries().size());  // no index problem appended
    std::set<std::string> files;
    for (const auto& r : results) {
        SCOPED_TRACE(r.dialogClass);
        for (const auto& p : r.problems) ADD_FAILURE() << p;
        ASSERT_FALSE(r.shots.empty());
        for (const auto& s : r.shots) {
            EXPECT_TRUE(tq::gallery::looksDrawn(s.picture)) << s.file;
            EXPECT_TRUE(files.insert(s.file).second) << "two pictures named " << s.file;
            const std::string bytes = readFile(dir / s.file);
            EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << s.file;
        }
    }
    // The dialogs that exist today, and pictures per page or mode.
    for (const char* name : {"CDlgGenVars.png", "CFormula.png", "CDlgTqStandards.png", "CDlgGrid.png",
                             "CDlgLevels.png", "CDlgLookup.png", "CDlgOpenSave-Open.png", "CDlgOpenSave-Save.png",
                             "CDlgStringArray.png", "CDlgMacro-Plate.png", "CDlgMacro-Bolts.png"})
        EXPECT_EQ(files.count(name), 1u) << name;
    const std::string index = readFile(dir / "index.html");
    for (const std::string& f : files) EXPECT_NE(index.find("src=\"" + f + "\""), std::string::npos) << f;
    EXPECT_EQ(index.find("class=\"problem\""), std::string::npos);
    // The pages of one dialog differ (another tab is current in each).
    const tq::gallery::Shot* plate = nullptr;
    const tq::gallery::Shot* bolts = nullptr;
    for (const auto& r : results)
        for (const auto& s : r.shots) {
            if (s.file == "CDlgMacro-Plate.png") plate = &s;
            if (s.file == "CDlgMacro-Bolts.png") bolts = &s;
        }
    ASSERT_TRUE(plate && bolts);
    EXPECT_NE(plate->picture.pixels(), bolts->picture.pixels());
}

TEST_F(GalleryTest, BlankPicturesAndDialogsThatNeverOpenAreReported) {
    EXPECT_FALSE(tq::gallery::looksDrawn(win::Surface(20, 20, win::color::kFace)));
    EXPECT_FALSE(tq::gallery::looksDrawn(win::Surface()));
    tq::gallery::Gallery g;
    g.add("CBlank", [](tq::gallery::Camera& camera) {
        HWND w = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40, nullptr, nullptr, nullptr,
                                 nullptr);
        camera.shoot(w);
        DestroyWindow(w);
    });
    g.add("CNever<b>", [](tq::gallery::Camera& camera) { camera.onDialog(54321).then(camera.shot()).cancel(); });
    g.add("CThrows", [](tq::gallery::Camera&) { throw std::runtime_error("no data"); });
    const auto results = tq::gallery::runGallery(g, outDir);
    ASSERT_EQ(results.size(), 3u);
    ASSERT_EQ(results[0].problems.size(), 1u);
    EXPECT_NE(results[0].problems[0].find("blank"), std::string::npos);
    EXPECT_GE(results[1].problems.size(), 2u);  // the unused script and no picture
    EXPECT_NE(results[1].problems.back().find("no picture"), std::string::npos);
    EXPECT_NE(results[2].problems[0].find("no data"), std::string::npos);
    const std::string index = readFile(dir / "index.html");
    EXPECT_NE(index.find("CNever&lt;b&gt;"), std::string::npos);
    EXPECT_EQ(index.find("CNever<b>"), std::string::npos);
}

}  // namespace
