// zenkar: the desktop launcher. "--dry-run" lists what would be launched instead.
#include "launcher/startup.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    launcher::StartupOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dry-run") == 0) {
            options.dryRun = true;
        } else {
            std::cerr << "usage: zenkar [--dry-run]\n";
            return 2;
        }
    }
    return launcher::RunStartup(options, std::cout);
}
