#include <filesystem>

#include "host/settings.h"
#include "tq/cli_args.h"
#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "tq/session.h"

namespace tq {

int runTq(const std::vector<std::string>& args, const std::string& argv0, std::ostream& out,
          std::ostream& err) {
    const ParseResult parsed = parseCommandLine(args);
    if (!parsed.ok) {
        err << "tq: " << parsed.error << "\n";
        return kExitUsage;
    }
    const CliOptions& options = parsed.options;
    if (options.help) {
        out << (options.command == Command::None ? usageText() : commandHelp(options.command));
        return kExitOk;
    }

    const std::string program = programFile(argv0);
    std::string libraryDir = options.library;
    if (libraryDir.empty()) {
        libraryDir = bundledLibrary(program);
        if (libraryDir.empty()) {
            err << "tq: the bundled example library is not found; name one with --library DIR\n";
            return kExitUsage;
        }
    }
    std::string error;
    const std::wstring library = libraryFolder(libraryDir, error);
    if (library.empty()) {
        err << "tq: " << error << "\n";
        return kExitUsage;
    }
    gSettings.libDir = Zk_String(library);

    Session session(err);
    if (!session.loadModule(moduleFile(program), error)) {
        err << "tq: " << error << "\n";
        return kExitFailed;
    }
    CommandContext context{options, library, session, out, err};
    switch (options.command) {
    case Command::Eval: return runEval(context);
    case Command::Import: return runImport(context);
    case Command::Show: return runShow(context);
    case Command::Bill: return runBill(context);
    case Command::Gallery: return runGalleryCommand(context);
    case Command::None: break;
    }
    return kExitUsage;
}

}  // namespace tq
