#include "tq/cli_args.h"

#include <cstring>

namespace tq {

namespace {

Command commandFromName(const std::string& name) {
    if (name == "eval") return Command::Eval;
    if (name == "import") return Command::Import;
    if (name == "show") return Command::Show;
    if (name == "bill") return Command::Bill;
    if (name == "gallery") return Command::Gallery;
    return Command::None;
}

// Splits "--name=value" into its parts; value empty and hasValue false without "=".
void splitOption(const std::string& arg, std::string& name, std::string& value, bool& hasValue) {
    const std::size_t eq = arg.find('=');
    hasValue = eq != std::string::npos;
    name = hasValue ? arg.substr(0, eq) : arg;
    value = hasValue ? arg.substr(eq + 1) : std::string();
}

// "K1,K2,...": each a whole number.
bool parseKinds(const std::string& text, std::vector<int>& kinds) {
    kinds.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (item.empty() || item.size() > 9) return false;
        std::size_t i = item[0] == '-' ? 1 : 0;
        if (i == item.size()) return false;
        for (; i < item.size(); ++i)
            if (item[i] < '0' || item[i] > '9') return false;
        kinds.push_back(std::stoi(item));
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

bool isValueOption(const std::string& name) {
    return name == "--settings" || name == "--kinds" || name == "--library" || name == "--macro" || name == "--mapping" || name == "--group" ||
           name == "--out" || name == "--table" || name == "--macro-dir";
}

bool isFlagOption(const std::string& name) {
    return name == "--help" || name == "-h" || name == "--diagnostics" || name == "--timings" ||
           name == "--json" || name == "--headers";
}

ParseResult fail(std::string message) {
    ParseResult result;
    result.error = std::move(message);
    return result;
}

}  // namespace

const char* commandName(Command command) {
    switch (command) {
    case Command::Eval: return "eval";
    case Command::Import: return "import";
    case Command::Show: return "show";
    case Command::Bill: return "bill";
    case Command::Gallery: return "gallery";
    case Command::None: break;
    }
    return "";
}

ParseResult parseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    CliOptions& o = result.options;
    std::vector<std::string> positional;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name, value;
        bool hasValue = false;
        splitOption(arg, name, value, hasValue);
        // For show, --settings is a flag: print the settings.
        if (name == "--settings" && !positional.empty() && positional[0] == "show") {
            if (hasValue)
                return fail("show --settings takes no value");
            o.showSettings = true;
            continue;
        }
        if (isFlagOption(name)) {
            if (hasValue)
                return fail("option " + name + " takes no value");
            if (name == "--help" || name == "-h") o.help = true;
            else if (name == "--diagnostics") o.diagnostics = true;
            else if (name == "--timings") o.timings = true;
            else if (name == "--json") o.json = true;
            else if (name == "--headers") o.headers = true;
            continue;
        }
        if (!isValueOption(name))
            return fail("unknown option " + name);
        if (!hasValue) {
            if (i + 1 >= args.size())
                return fail("option " + name + " needs a value");
            value = args[++i];
        }
        if (value.empty())
            return fail("option " + name + " needs a value");
        if (name == "--library") o.library = value;
        else if (name == "--macro") o.macroFile = value;
        else if (name == "--mapping") o.mapping = value;
        else if (name == "--group") o.group = value;
        else if (name == "--out") o.outFile = value;
        else if (name == "--table") o.tableFile = value;
        else if (name == "--macro-dir") o.macroDir = value;
        else if (name == "--settings") o.settingsName = value;
        else if (name == "--kinds" && !parseKinds(value, o.kinds))
            return fail("--kinds wants whole numbers separated by commas, got \"" + value + "\"");
    }

    if (positional.empty()) {
        if (o.help) {
            result.ok = true;
            return result;
        }
        return fail("no command given (try tq --help)");
    }
    o.command = commandFromName(positional[0]);
    if (o.command == Command::None)
        return fail("unknown command " + positional[0] + " (try tq --help)");
    positional.erase(positional.begin());
    if (o.help) {
        result.ok = true;
        return result;
    }

    const bool macroOptions = !o.macroFile.empty() || !o.mapping.empty() || !o.group.empty() ||
                              !o.outFile.empty() || !o.tableFile.empty() || !o.macroDir.empty();
    if (o.command != Command::Eval && macroOptions)
        return fail(std::string(commandName(o.command)) +
                    " takes none of --macro, --mapping, --group, --out");
    if (o.command != Command::Bill && (!o.settingsName.empty() || !o.kinds.empty()))
        return fail(std::string(commandName(o.command)) + " takes no --settings NAME or --kinds");
    if (o.command != Command::Eval && (o.diagnostics || o.timings || o.json))
        return fail(std::string(commandName(o.command)) +
                    " takes none of --diagnostics, --timings, --json");

    switch (o.command) {
    case Command::Eval: {
        if (o.headers)
            return fail("eval takes no --headers");
        if (positional.empty())
            return fail("eval needs a STANDARD");
        o.standard = positional[0];
        const bool macroMode = !o.macroFile.empty() || !o.macroDir.empty();
        if ((!o.tableFile.empty() || !o.macroDir.empty()) && (!o.macroFile.empty() || positional.size() > 1 ||
                                                              (!o.tableFile.empty() && !o.macroDir.empty())))
            return fail("--table and --macro-dir take no --macro, NAME=VALUE or each other");
        if (!o.macroDir.empty() && !o.outFile.empty())
            return fail("--macro-dir writes every macro file back and takes no --out");
        if (!macroMode && (!o.mapping.empty() || !o.group.empty() || (!o.outFile.empty() && o.tableFile.empty())))
            return fail("--mapping, --group and --out need --macro");
        if (!o.mapping.empty() && !o.group.empty())
            return fail("--mapping and --group exclude each other");
        for (std::size_t i = 1; i < positional.size(); ++i) {
            const std::string& item = positional[i];
            const std::size_t eq = item.find('=');
            if (eq == std::string::npos || eq == 0)
                return fail("expected NAME=VALUE, got \"" + item + "\"");
            if (macroMode)
                return fail("NAME=VALUE values are for value mode; macro mode reads the macro");
            std::string varName = item.substr(0, eq);
            for (const auto& given : o.values)
                if (given.first == varName)
                    return fail("variable " + varName + " is given twice");
            o.values.emplace_back(std::move(varName), item.substr(eq + 1));
        }
        break;
    }
    case Command::Import:
        if (positional.size() != 2)
            return fail("import needs GRID and OUT.kms");
        o.gridFile = positional[0];
        o.outKms = positional[1];
        break;
    case Command::Show:
        if (positional.size() != 1)
            return fail("show needs exactly one FILE");
        o.showFile = positional[0];
        if (o.showSettings && o.headers)
            return fail("show --settings takes no --headers");
        break;
    case Command::Bill:
        if (o.headers)
            return fail("bill takes no --headers (the first line always names the columns)");
        if (positional.size() != 2)
            return fail("bill needs ROWS.tsv and OUT.kms");
        o.billRows = positional[0];
        o.billOut = positional[1];
        break;
    case Command::Gallery:
        if (positional.size() != 1)
            return fail("gallery needs exactly one OUTDIR");
        o.galleryDir = positional[0];
        break;
    case Command::None:
        break;
    }
    result.ok = true;
    return result;
}

std::string usageText() {
    return "usage: tq [--help] COMMAND [OPTIONS] ...\n"
           "\n"
           "Evaluates connection standards (.kms spreadsheets) with the real module, without\n"
           "the CAD host.\n"
           "\n"
           "commands:\n"
           "  eval STANDARD [NAME=VALUE ...]     evaluate in value mode, print the outputs\n"
           "  eval --macro FILE [...] STANDARD   evaluate against a macro, write it back\n"
           "  import GRID OUT.kms                make a spreadsheet file from a tab-separated grid\n"
           "  show FILE                          print a sheet's calculated values\n"
           "  show --settings FILE               print a sheet's settings as key=value lines\n"
           "  bill ROWS.tsv OUT.kms              write a bill of materials into a spreadsheet file\n"
           "  gallery OUTDIR                     draw every dialog of the module as a picture\n"
           "\n"
           "common options:\n"
           "  --library DIR   the product library (default: the bundled example library)\n"
           "  --help          help for tq or for a command (tq COMMAND --help)\n"
           "\n"
           "exit status: 0 success, 1 the evaluation failed, 2 usage error or unreadable input\n";
}

std::string commandHelp(Command command) {
    switch (command) {
    case Command::Eval:
        return "usage: tq eval [OPTIONS] STANDARD [NAME=VALUE ...]\n"
               "       tq eval --macro MACROFILE [--mapping NAME | --group G] [--out FILE] STANDARD\n"
               "       tq eval STANDARD --table INPUTS.tsv [--out RESULTS.tsv]\n"
               "       tq eval --macro-dir DIR [--mapping NAME | --group G] STANDARD\n"
               "\n"
               "STANDARD is a name in the library's \"Connection Standards\" folder (\".kms\"\n"
               "is added) or the path of a .kms file.\n"
               "\n"
               "Value mode: every input and output the sheet declares takes the value given as\n"
               "NAME=VALUE (empty when not given); naming a variable the sheet does not declare\n"
               "is an error. The outputs are printed as NAME=VALUE, one per line, in the order\n"
               "of their declarations.\n"
               "\n"
               "Macro mode: the macro of MACROFILE is evaluated through the mapping named after\n"
               "the macro (or --mapping NAME) in the mapping file beside the standard, or, with\n"
               "--group G, through module group G by the variables' own names. The changed\n"
               "macro is written back to MACROFILE (or to --out FILE); the outputs are printed.\n"
               "\n"
               "An evaluation fails when the engine reports a problem (an equation it cannot\n"
               "calculate, a child call it cannot make, a value that does not fit its\n"
               "declaration) or an output holds an error value; its outputs are not given.\n"
               "\n"
               "Batch: --table runs one value-mode evaluation per row of a tab-separated table\n"
               "whose header row names inputs (or outputs); the result table has the input\n"
               "columns, one column per output and a status column (\"ok\" or \"failed: WHY\").\n"
               "--macro-dir evaluates every .macro file of DIR and writes the changed ones back,\n"
               "printing FILE<tab>STATUS; a file that fails is left as it was. Both end with a\n"
               "summary line on standard error (with a progress bar on a terminal) and exit 1\n"
               "when any row or file failed.\n"
               "\n"
               "options:\n"
               "  --library DIR   the product library (default: the bundled example library)\n"
               "  --diagnostics   show the standards engine's diagnostic messages\n"
               "  --timings       print the step timers after the run (standard error)\n"
               "  --json          print one JSON object: outputs, messages, timings\n"
               "\n"
               "Message boxes and command-line traces go to standard error.\n"
               "exit status: 0 success, 1 the evaluation failed, 2 usage error or unreadable input\n";
    case Command::Import:
        return "usage: tq import [--headers] GRID OUT.kms\n"
               "\n"
               "Reads a tab-separated grid (UTF-8, one row a line; a field starting with \"=\" is\n"
               "a formula) and writes it as a spreadsheet file. With --headers the first line\n"
               "holds the column titles.\n";
    case Command::Show:
        return "usage: tq show [--headers] [--library DIR] FILE\n"
               "       tq show --settings FILE\n"
               "\n"
               "Loads a spreadsheet file, calculates it and prints its values as a tab-separated\n"
               "grid, one row a line. With --headers the column titles come first.\n"
               "With --settings it prints the sheet's settings instead (print and font settings\n"
               "and the variables for headers and footers), one key=value line each, in the\n"
               "order they are stored.\n";
    case Command::Bill:
        return "usage: tq bill [--settings NAME] [--kinds K1,K2,...] [--library DIR] ROWS.tsv OUT.kms\n"
               "\n"
               "Feeds a bill of materials to the module's bill output, as the host does, and\n"
               "saves the bill sheet as OUT.kms. ROWS.tsv is tab-separated UTF-8: the first line\n"
               "names the columns, every other line is a bill row. A line whose first field is\n"
               "#subtotal is a sub-total row: the fields after the marker are its texts (one per\n"
               "column); its non-empty cells are framed and highlighted.\n"
               "\n"
               "options:\n"
               "  --settings NAME  the sheet's settings: NAME.kmd in the product folder (the\n"
               "                   library folder unless TQ_ZKDIR names another); without it, or\n"
               "                   when the file is missing, the registry's default settings\n"
               "  --kinds K,...    per column: 1 number, 2 number with one decimal, 3 long text,\n"
               "                   0 as the sheet has it\n"
               "\n"
               "The bill's date, title (the file name after its last \"\u00bf\", without the\n"
               "extension) and file name are stored in the sheet's settings; the header and\n"
               "footer files the settings name are copied beside OUT.kms.\n"
               "exit status: 0 saved, 1 the bill could not be saved (no file is left), 2 usage\n"
               "error or unreadable input\n";
    case Command::Gallery:
        return "usage: tq gallery [--library DIR] OUTDIR\n"
               "\n"
               "Opens every dialog of the module on example data and draws each as a picture:\n"
               "OUTDIR/<DialogClass>.png, one picture per page or mode for dialogs that have them\n"
               "(<DialogClass>-<page>.png), and OUTDIR/index.html showing them all. OUTDIR is\n"
               "made when missing. Exit status 1 when a dialog cannot be opened or drawn.\n";
    case Command::None:
        break;
    }
    return usageText();
}

}  // namespace tq
