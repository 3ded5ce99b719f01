// tq gallery OUTDIR: runs every gallery entry and reports each picture and problem.
#include <filesystem>

#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "tq/gallery.h"
#include "tq/session.h"

namespace tq {

int runGalleryCommand(CommandContext& context) {
    const std::string& dir = context.options.galleryDir;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, ec)) {
        context.err << "tq: cannot make the folder " << dir << "\n";
        return kExitUsage;
    }
    std::wstring outDir = windowsPathOf(std::filesystem::absolute(dir, ec).string());
    if (outDir.empty() || outDir.back() != L'\\') outDir += L'\\';
    // Boxes the dialogs show are the scripted user's business, not the terminal's.
    context.session.setEchoBoxes(false);
    const auto results = gallery::runGallery(gallery::allEntries(), outDir);
    context.session.forgetMessages();
    int pictures = 0;
    bool failed = false;
    for (const auto& r : results) {
        for (const auto& s : r.shots) {
            context.out << s.file << "\n";
            ++pictures;
        }
        for (const auto& p : r.problems) {
            context.err << "tq: " << r.dialogClass << ": " << p << "\n";
            failed = true;
        }
    }
    context.out << "index.html: " << pictures << " pictures\n";
    return failed ? kExitFailed : kExitOk;
}

}  // namespace tq
