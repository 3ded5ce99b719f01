#include "tq/cli_args.h"

#include <cstring>

namespace tq {

namespace {

Command commandFromName(const std::string& name) {
    if (name == "eval") return Command::Eval;
    if (name == "import") return Command::Import;
    if (name == "show") return Command::Show;
    if (name == "panel") return Command::Panel;
    if (name == "bill") return Command::Bill;
    if (name == "section") return Command::Section;
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
           name == "--out" || name == "--table" || name == "--macro-dir" || name == "--png";
}

bool isFlagOption(const std::string& name) {
    return name == "--help" || name == "-h" || name == "--diagnostics" || name == "--timings" ||
           name == "--json" || name == "--headers" || name == "--strict" ||
           name == "--active";
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
    case Command::Panel: return "panel";
    case Command::Bill: return "bill";
    case Command::Section: return "section";
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
            else if (name == "--strict") o.strict = true;
            else if (name == "--active") o.activeOnly = true;
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
        else if (name == "--png") o.pngFile = value;
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
    if (o.command != Command::Panel && !o.pngFile.empty())
        return fail(std::string(commandName(o.command)) + " takes no --png");
    if (o.command == Command::Panel && (o.diagnostics || o.timings || o.headers))
        return fail("panel takes none of --diagnostics, --timings, --headers");
    if (o.command != Command::Eval && o.command != Command::Panel && (o.diagnostics || o.timings || o.json || o.strict))
        return fail(std::string(commandName(o.command)) +
                    " takes none of --diagnostics, --timings, --json, --strict");

    if (o.activeOnly && o.command != Command::Section)
        return fail("--active is an option of tq section show");

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
    case Command::Panel:
        if (positional.size() != 1)
            return fail("panel needs exactly one TEMPLATE");
        o.panelTemplate = positional[0];
        break;
    case Command::Section: {
        if (o.headers)
            return fail("section takes no --headers");
        if (positional.empty())
            return fail("section needs list, show NAME or import TABLE.tsv NAME");
        o.sectionAction = positional[0];
        const std::size_t operands = positional.size() - 1;
        if (o.sectionAction == "list") {
            if (operands != 0)
                return fail("section list takes no operands");
        } else if (o.sectionAction == "show") {
            if (operands != 1)
                return fail("section show needs exactly one NAME");
            o.sectionName = positional[1];
        } else if (o.sectionAction == "import") {
            if (operands != 2)
                return fail("section import needs TABLE.tsv and NAME");
            o.sectionFile = positional[1];
            o.sectionName = positional[2];
        } else {
            return fail("unknown section action " + o.sectionAction + " (list, show or import)");
        }
        if (o.activeOnly && o.sectionAction != "show")
            return fail("--active is an option of tq section show");
        break;
    }
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
           "  panel TEMPLATE                     print the controls of a dialog template\n"
           "  section list                       the library's section tables: type and row count\n"
           "  section show NAME [--active]       a section table as tab-separated text\n"
           "  section import TABLE.tsv NAME      check tab-separated text and write it as a table\n"
           "  gallery OUTDIR                     draw every dialog of the module as a picture\n"
           "\n"
           "common options:\n"
           "  --library DIR   the product library (default: the bundled example library)\n"
           "  --help          help for tq or for a command (tq COMMAND --help)\n"
           "\n"
           "exit status: 0 success, 1 the evaluation failed or left an output without a value,\n"
           "2 usage error or unreadable input\n";
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
               "--group G, through module group G by the variables' own names. Only the values\n"
               "the evaluation changed are written back into MACROFILE (or into --out FILE):\n"
               "comments, order, indentation and every other line stay as written; an unchanged\n"
               "file is not rewritten. The formats: docs/MACRO_FILE.md and docs/MAPPING_FILE.md.\n"
               "\n"
               "Every output the standard declares is printed as NAME=VALUE, one per line in the\n"
               "order of the declarations, an empty value included. The engine carries on past\n"
               "an equation it cannot calculate (a label in the calculation area, say); such a\n"
               "run is judged by its outputs.\n"
               "\n"
               "Message boxes the engine shows go to standard error as [CAPTION] TEXT: the\n"
               "duplicate-names box always, the others (failed equations, invalid tolerances,\n"
               "missing macro values) only with --diagnostics.\n"
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
               "  --diagnostics   the engine shows its diagnostic message boxes\n"
               "  --strict        any message box shown fails the run\n"
               "  --timings       print the step timers after the run (standard error)\n"
               "  --json          print one JSON object: ok, status, error, outputs, messages\n"
               "                  (boxes with caption, text and whether diagnostic; traces)\n"
               "\n"
               "exit status:\n"
               "  0  the engine finished and every output has a value\n"
               "  1  the engine failed, or an output is empty or an error value (#VALUE! ...);\n"
               "     the reason, naming the outputs, on standard error; with --strict also when\n"
               "     a message box was shown; in macro mode the macro file is then not changed\n"
               "  2  usage error or unreadable input (standard, macro file, table)\n";
    case Command::Import:
        return "usage: tq import [--headers] GRID OUT.kms\n"
               "\n"
               "Reads a tab-separated grid (one row a line; a field starting with \"=\" is a\n"
               "formula) and writes it as a spreadsheet file. With --headers the first line\n"
               "holds the column titles. The grid is UTF-8 text (with or without a byte-order\n"
               "mark) or UTF-16 text with its byte-order mark; a binary file or bytes that are\n"
               "no UTF-8 are refused (exit status 2) and nothing is written.\n";
    case Command::Show:
        return "usage: tq show [--headers] [--library DIR] FILE\n"
               "       tq show --settings FILE\n"
               "\n"
               "Loads a spreadsheet file, calculates it and prints its values as a tab-separated\n"
               "grid, one row a line. With --headers the column titles come first. A file that\n"
               "is no UTF-8 text (a binary file, say) is refused with exit status 2.\n"
               "With --settings it prints the sheet's settings instead (print and font settings\n"
               "and the variables for headers and footers), one key=value line each, in the\n"
               "order they are stored.\n";
    case Command::Panel:
        return "usage: tq panel [--json] [--png OUT.png] [--library DIR] TEMPLATE\n"
               "\n"
               "Reads a dialog template (a name in the library's \"Dialog Templates\\Dialog\n"
               "Design\\\" folder, \".txt\" added, or the path of a template file in it) with its\n"
               "background image, as a macro dialog shows it, and prints each control on one\n"
               "line: number, type, pixel rectangle on the image, tab order, contents and list.\n"
               "With --json it prints one JSON object instead. --png OUT.png also draws the\n"
               "panel, its picture with the controls over it, into OUT.png.\n";
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
    case Command::Section:
        return "usage: tq section list [--library DIR]\n"
               "       tq section show NAME [--active] [--library DIR]\n"
               "       tq section import TABLE.tsv NAME [--library DIR]\n"
               "\n"
               "The section tables of the library's \"prof\" folder (NAME.pr), one per section\n"
               "type. list prints NAME<tab>TYPE<tab>ROWS, one table a line. show prints a table as\n"
               "tab-separated UTF-8 text: the picture reference alone on line 1, the column names\n"
               "on line 2 (system name, active flag, a user name per language, the values), then\n"
               "one section a line; --active leaves out the inactive sections. import reads such\n"
               "text back and writes it as NAME.pr, replacing the file only when the whole text\n"
               "is valid: unique system names, flags 0 or 1, numbers as values and every line as\n"
               "many cells as the header. A fault is reported with its line and nothing is\n"
               "written. show followed by import of the same text gives the same file.\n"
               "\n"
               "exit status: 0 success, 1 the table cannot be written, 2 usage error or invalid input\n";
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
