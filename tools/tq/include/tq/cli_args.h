// Command-line arguments of the tq program, parsed into one record. Parsing only checks
// the shape of the command line (known options, values present, combinations allowed);
// whether files exist and names are declared is checked when the command runs.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tq {

enum class Command { None, Eval, Import, Show, Bill, Gallery };

struct CliOptions {
    Command command = Command::None;
    bool help = false;          // --help (for the command when one is given)

    // Common options.
    std::string library;        // --library DIR; empty: the bundled example library
    bool diagnostics = false;   // --diagnostics
    bool timings = false;       // --timings
    bool json = false;          // --json

    // eval
    std::string standard;                                        // STANDARD
    std::vector<std::pair<std::string, std::string>> values;     // NAME=VALUE, in order
    std::string macroFile;      // --macro FILE (macro mode)
    std::string mapping;        // --mapping NAME
    std::string group;          // --group G
    std::string outFile;        // --out FILE
    std::string tableFile;      // --table INPUTS.tsv (one evaluation per row)
    std::string macroDir;       // --macro-dir DIR (every macro file of a folder)

    // import / show
    std::string gridFile;       // import: GRID
    std::string outKms;         // import: OUT.kms
    std::string showFile;       // show: FILE
    bool headers = false;       // import: first line holds the column titles; show: print them
    bool showSettings = false;  // show --settings: the sheet's settings instead of its values

    // bill
    std::string billRows;       // ROWS.tsv
    std::string billOut;        // OUT.kms
    std::string settingsName;   // --settings NAME
    std::vector<int> kinds;     // --kinds K1,K2,...

    // gallery
    std::string galleryDir;     // gallery: OUTDIR
};

struct ParseResult {
    bool ok = false;
    std::string error;          // one line, without a trailing newline
    CliOptions options;
};

// args: the command line without the program name.
ParseResult parseCommandLine(const std::vector<std::string>& args);

// Texts of "tq --help" and "tq COMMAND --help".
std::string usageText();
std::string commandHelp(Command command);
const char* commandName(Command command);

}  // namespace tq
