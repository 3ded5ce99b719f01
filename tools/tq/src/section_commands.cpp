// tq section list | show | import: the library's section tables as text a spreadsheet
// program can edit, read and written through the module's values table.
#include "host/files.h"
#include "host/list_utils.h"
#include "host/section_tables.h"
#include "sectionlib/section_table_text.h"
#include "sectionlib/section_types.h"
#include "sectionlib/zk_prof_values_table.h"
#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "win/encoding.h"

namespace tq {

namespace {

// A table of the library's "prof" folder, named with or without ".pr".
Zk_String tableName(const std::string& name) {
    Zk_String table = Zk_String::fromUtf8(name);
    return table.endsWith(Zk_String(L".pr"), true) ? table.left(table.length() - 3) : table;
}

// The type of a table as a person reads it: "1 <I section>", a user section's drawing, or
// the reference as stored.
std::string typeText(const Zk_String& image) {
    const int number = builtinSectionNumber(image);
    if (number > 0) return image.toUtf8() + " " + builtinSectionDisplay(number).toUtf8();
    return image.isEmpty() ? std::string("-") : image.toUtf8();
}

int listTables(CommandContext& context) {
    Zk_StringArray files;
    const Zk_String folder = getFolder(sectionTableFilePath(Zk_String(L"x")));
    if (!ObjectExportFindFiles(folder, Zk_String(L"*.pr"), files, false)) {
        context.err << "tq: the library has no folder " << folder.toUtf8() << "\n";
        return kExitUsage;
    }
    for (const Zk_String& file : files) {
        Zk_ProfValuesTable table;
        if (!table.readFromFile(file)) {
            context.out << getFileTitle(file).toUtf8() << "\tunreadable\t-\n";
            continue;
        }
        context.out << table.typeName.toUtf8() << "\t" << typeText(table.image) << "\t" << table.rows.length()
                    << "\n";
    }
    return kExitOk;
}

int showTable(CommandContext& context) {
    const Zk_String name = tableName(context.options.sectionName);
    const Zk_String path = sectionTableFilePath(name);
    Zk_ProfValuesTable table;
    if (!fileExists(path) || !table.readFromFile(name)) {
        context.err << "tq: no section table " << name.toUtf8() << " (" << path.toUtf8() << ")\n";
        return kExitUsage;
    }
    context.out << sectionTableToText(table, context.options.activeOnly).toUtf8();
    return kExitOk;
}

int importTable(CommandContext& context) {
    const CliOptions& options = context.options;
    std::string bytes;
    std::string error;
    if (!readInputFile(options.sectionFile, kMaxTextFileBytes, "table", bytes, error)) {
        context.err << "tq: " << error << "\n";
        return kExitUsage;
    }
    const Zk_String name = tableName(options.sectionName);
    if (name.isEmpty() || hasInvalidFileNameChars(name)) {
        context.err << "tq: \"" << options.sectionName << "\" is not a table name\n";
        return kExitUsage;
    }
    Zk_ProfValuesTable table;
    table.typeName = name;
    Zk_String fault;
    if (!sectionTableFromText(Zk_String::fromUtf8(bytes), table, fault)) {
        context.err << "tq: " << options.sectionFile << " " << fault.toUtf8() << "; nothing written\n";
        return kExitUsage;
    }
    if (!table.writeToFile(name)) {
        context.err << "tq: cannot write " << sectionTableFilePath(name).toUtf8() << "; the old file is unchanged\n";
        return kExitFailed;
    }
    context.err << "tq: " << sectionTableFilePath(name).toUtf8() << ": " << table.rows.length() << " sections\n";
    return kExitOk;
}

}  // namespace

int runSection(CommandContext& context) {
    const std::string& action = context.options.sectionAction;
    if (action == "list") return listTables(context);
    if (action == "show") return showTable(context);
    return importTable(context);
}

}  // namespace tq
