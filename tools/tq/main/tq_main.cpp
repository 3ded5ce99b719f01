// tq: evaluates connection standards with the real module, without the CAD host.
#include <iostream>
#include <string>
#include <vector>

#include "tq/commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tq::runTq(args, argc > 0 ? argv[0] : "tq", std::cout, std::cerr);
}
