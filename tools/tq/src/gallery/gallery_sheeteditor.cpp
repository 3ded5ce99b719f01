// Gallery entries of the sheet editor: the find and replace window on a sheet, the sheet
// options, the text prompt and a bill sheet made by the bill output.
#include <filesystem>
#include <string>
#include <unistd.h>

#include "acad/main_window.h"
#include "host/bill_output.h"
#include "sheeteditor/dlg_find_replace.h"
#include "sheeteditor/dlg_prompt_string.h"
#include "sheeteditor/dlg_tq_as_tool.h"
#include "sheeteditor/dlg_tq_options.h"
#include "sheeteditor/km_tq_bill_output.h"
#include "spread/ss_api.h"
#include "tq/gallery.h"
#include "win/msgbox.h"
#include "win/paths.h"
#include "win/window.h"

namespace tq::gallery {
namespace {

Zk_StringArray texts(std::initializer_list<const wchar_t*> items) {
    Zk_StringArray out;
    for (const wchar_t* item : items) out.append(Zk_String(item));
    return out;
}

// A small parts list in a sheet of its own.
void fillPartsList(Zk_Spread& sheet) {
    const HWND hwnd = sheet.GetSafeHwnd();
    sheet.setColCount(4);
    sheet.setRowCount(6);
    const wchar_t* headers[] = {L"Pos", L"Part", L"Profile", L"Length"};
    for (int c = 0; c < 4; ++c) SSSetData(hwnd, c + 1, 0, headers[c]);
    const wchar_t* rows[][4] = {{L"1", L"Column", L"HEA200", L"3200"},
                                {L"2", L"End plate", L"PL10", L"250"},
                                {L"3", L"Bolt", L"M16", L"60"},
                                {L"4", L"Beam", L"IPE300", L"6000"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) SSSetData(hwnd, c + 1, r + 1, rows[r][c]);
}

}  // namespace

void addSheetEditorEntries(Gallery& gallery) {
    gallery.add("CDlgFindReplace", [](Camera& camera) {
        DlgTqAsTool tool;
        if (!tool.init() || !tool.get()) {
            camera.fail("no sheet window can be made");
            return;
        }
        fillPartsList(*tool.get());
        CWnd* parent = tool.dialog();
        CDlgFindReplace dlg(parent);
        dlg.sheet = tool.get()->GetSafeHwnd();
        if (!dlg.Create(CDlgFindReplace::IDD, parent)) {
            camera.fail("the window cannot be made");
            return;
        }
        dlg.SetDlgItemText(IDC_FIND_TEXT, L"HEA200");
        dlg.SetDlgItemText(IDC_REPLACE_TEXT, L"HEB200");
        dlg.ShowWindow(SW_SHOW);
        camera.shoot(dlg.GetSafeHwnd());
        dlg.DestroyWindow();
    });

    gallery.add("CDlgTqOptions", [](Camera& camera) {
        DlgTqAsTool tool;
        if (!tool.init() || !tool.get()) {
            camera.fail("no sheet window can be made");
            return;
        }
        fillPartsList(*tool.get());
        camera.onDialog(IDD_TQ_OPTIONS).then(camera.shot()).cancel();
        editSheetOptions(tool.get());
    });

    gallery.add("Zk_DlgPromptString", [](Camera& camera) {
        Zk_DlgPromptString prompt;
        prompt.title = L"Rename";
        prompt.prompt = L"New name of the section table:";
        prompt.text = L"HEA";
        prompt.okCaption = L"OK";
        prompt.cancelCaption = L"Cancel";
        camera.onDialog(IDD_TQ_PROMPT_STRING).then(camera.shot()).cancel();
        prompt.DoModal();
    });

    gallery.add("KmTqBillOutput", [](Camera& camera) {
        // The bill sheet as the bill output leaves it, in its (normally hidden) window,
        // made larger for the picture.
        std::error_code ec;
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("tq_gallery_bill_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder, ec);
        const Zk_String file(WindowsPathFromHost((folder / "Hall 3\xC2\xBFPlates.kms").string()));
        KmTqBillOutput bill;
        AcArray<int> kinds;
        for (int kind : {1, 3, 0, 1, 2}) kinds.append(kind);
        if (bill.init(file, texts({L"Pos", L"Part", L"Profile", L"Length", L"Weight"}), AcArray<int>(), kinds,
                      Zk_String(L"Bill"), Zk_StringArray(), Zk_StringArray()) != Acad::eOk) {
            camera.fail("no bill sheet can be made");
            return;
        }
        bill.onStartFeed();
        bill.onAddRow(texts({L"1", L"Column", L"HEA200", L"3200", L"135.7"}));
        bill.onAddRow(texts({L"2", L"End plate", L"PL10", L"250", L"5.1"}));
        bill.onAddRow(texts({L"3", L"Beam", L"IPE300", L"6000", L"253.2"}));
        bill.onAddRow(texts({L"4", L"Stiffener", L"PL8", L"180", L"1.4"}));
        bill.onAddSubTotals(texts({L"", L"Total", L"", L"", L"395.4"}), Zk_StringArray(), true, 0);
        const bool saved = bill.onEndFeed() == Acad::eOk;
        std::filesystem::remove_all(folder, ec);
        Zk_Spread* sheet = bill.sheet();
        CWnd* window = sheet ? sheet->GetParent() : nullptr;
        if (!saved || !window) {
            camera.fail("the bill sheet cannot be made");
            return;
        }
        window->SetWindowText(L"Bill");
        window->SetWindowPos(nullptr, 0, 0, 470, 190, SWP_NOMOVE | SWP_NOZORDER);
        RECT client{};
        window->GetClientRect(&client);
        sheet->MoveWindow(8, 8, client.right - 16, client.bottom - 50);
        for (int id : {IDOK, IDCANCEL}) {
            if (CWnd* button = window->GetDlgItem(id)) {
                RECT r{};
                button->GetWindowRect(&r);
                const int w = r.right - r.left;
                const int h = r.bottom - r.top;
                button->MoveWindow(id == IDOK ? client.right - 2 * w - 16 : client.right - w - 8, client.bottom - h - 8,
                                   w, h);
            }
        }
        window->ShowWindow(SW_SHOW);
        camera.shoot(window->GetSafeHwnd());
        window->ShowWindow(SW_HIDE);
    });
}

}  // namespace tq::gallery
