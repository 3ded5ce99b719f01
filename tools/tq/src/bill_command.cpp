// tq bill: a tab-separated bill fed through the module's bill output and saved as a
// spreadsheet file.
#include <cstdlib>

#include "acad/ac_array.h"
#include "host/settings.h"
#include "sheeteditor/km_tq_bill_output.h"
#include "spread/ss_api.h"
#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "tq/session.h"
#include "tq/text_lines.h"
#include "win/encoding.h"

namespace tq {

namespace {

constexpr const wchar_t* kSubTotalMarker = L"#subtotal";

Zk_StringArray toStrings(const std::vector<std::wstring>& fields, std::size_t from = 0) {
    Zk_StringArray out;
    for (std::size_t i = from; i < fields.size(); ++i) out.append(Zk_String(fields[i]));
    return out;
}

}  // namespace

int runBill(CommandContext& context) {
    const CliOptions& options = context.options;
    std::string bytes;
    std::string error;
    if (!readInputFile(options.billRows, SS_LIMIT_FILE_BYTES, "bill", bytes, error)) {
        context.err << "tq: " << error << "\n";
        return kExitUsage;
    }
    std::vector<std::wstring> lines = splitLines(win::WideFromUtf8(bytes));
    if (lines.empty() || lines[0].empty()) {
        context.err << "tq: " << options.billRows << " has no header line naming the columns\n";
        return kExitUsage;
    }
    if (lines.size() > static_cast<std::size_t>(SS_LIMIT_MAXROWS) / 2) {
        context.err << "tq: bill " << options.billRows << " is too large\n";
        return kExitUsage;
    }
    const std::vector<std::wstring> columns = splitFields(lines[0]);
    if (columns.size() > static_cast<std::size_t>(SS_LIMIT_MAXCOLS)) {
        context.err << "tq: bill " << options.billRows << " has too many columns\n";
        return kExitUsage;
    }

    // The settings files are looked for in the library folder unless another product
    // folder is named.
    const char* zkDir = std::getenv("TQ_ZKDIR");
    if (zkDir == nullptr || *zkDir == '\0') gSettings.zkDir = Zk_String(context.library);

    AcArray<int> kinds;
    for (int kind : options.kinds) kinds.append(kind);
    KmTqBillOutput bill;
    const Zk_String out(windowsPathOf(options.billOut));
    if (bill.init(out, toStrings(columns), AcArray<int>(), kinds, Zk_String::fromUtf8(options.settingsName),
                  Zk_StringArray(), Zk_StringArray()) != Acad::eOk) {
        context.session.flushTraces();
        context.err << "tq: no bill sheet can be made\n";
        return kExitFailed;
    }
    bill.onStartFeed();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::wstring> fields = splitFields(lines[i]);
        if (fields.size() > static_cast<std::size_t>(SS_LIMIT_MAXCOLS)) {
            context.err << "tq: " << options.billRows << " line " << i + 1 << " has too many fields\n";
            return kExitUsage;
        }
        if (!fields.empty() && fields[0] == kSubTotalMarker)
            bill.onAddSubTotals(toStrings(fields, 1), Zk_StringArray(), false, 0);
        else
            bill.onAddRow(toStrings(fields));
    }
    const Acad::ErrorStatus status = bill.onEndFeed();
    context.session.flushTraces();
    if (status != Acad::eOk) {
        context.err << "tq: the bill could not be saved to " << options.billOut << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tq
