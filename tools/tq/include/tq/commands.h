// The commands of tq and the program as a whole.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tq/cli_args.h"

namespace tq {

enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

class Session;

// What every command needs: the options, the library folder (Windows form, ending in
// "\"), the session and the two streams.
struct CommandContext {
    const CliOptions& options;
    std::wstring library;
    Session& session;
    std::ostream& out;
    std::ostream& err;
};

int runEval(CommandContext& context);
int runImport(CommandContext& context);
int runShow(CommandContext& context);
int runBill(CommandContext& context);
int runGalleryCommand(CommandContext& context);

// The whole program: args without the program name; argv0 locates tq.arx and the
// bundled library.
int runTq(const std::vector<std::string>& args, const std::string& argv0, std::ostream& out,
          std::ostream& err);

}  // namespace tq
