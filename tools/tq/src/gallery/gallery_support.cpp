// Gallery entries of the modelling support dialogs, each on a small example record.
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "frame/support_launchers.h"
#include "host/settings.h"
#include "res/supportdlg_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {
namespace {

Zk_StringArray texts(std::initializer_list<const wchar_t*> items) {
    Zk_StringArray out;
    for (const wchar_t* item : items) out.append(Zk_String(item));
    return out;
}

// Every support dialog opens the same way: pictures, then Cancel.
void picture(Camera& camera, UINT id, const std::string& page = "") {
    camera.onDialog(id).then(camera.shot(page)).cancel();
}

}  // namespace

void addSupportEntries(Gallery& gallery) {
    gallery.add("CDlgGrid", [](Camera& camera) {
        KmGridDlgData data;
        data.name = L"Hall A";
        data.xSpacing = L"6000 2*4500";
        data.ySpacing = L"5000 5000";
        data.xLabels = L"1 2 3 4";
        data.yLabels = L"A B C";
        data.zLevel = 0;
        picture(camera, IDD_TQ_GRID);
        StartDlgGrid(data);
    });
    gallery.add("CDlgLevels", [](Camera& camera) {
        KmLevelsDlgData data;
        data.names = texts({L"Ground floor", L"First floor", L"Roof"});
        for (double h : {0.0, 4200.0, 8400.0}) data.heights.append(h);
        data.selected = 1;
        picture(camera, IDD_TQ_LEVELS);
        StartDlgLevels(data);
    });
    gallery.add("CDlgLookup", [](Camera& camera) {
        KmLookUpDlgData data;
        data.caption = L"Bolts";
        data.columns = texts({L"Size", L"Diameter", L"Grade"});
        data.rows.append(texts({L"M12", L"12", L"8.8"}));
        data.rows.append(texts({L"M16", L"16", L"8.8"}));
        data.rows.append(texts({L"M20", L"20", L"10.9"}));
        data.selectedRow = 1;
        picture(camera, IDD_TQ_LOOKUP);
        StartDlgLookUp(data);
    });
    gallery.add("CDlgSelectImage", [](Camera& camera) {
        KmSelectImageDlgData data;
        data.caption = L"Plate shape";
        data.images = texts({L"Rectangle", L"Haunch", L"Triangle"});
        data.selectedImage = L"Haunch";
        picture(camera, IDD_TQ_SELECTIMAGE);
        StartDlgSelectImage(data);
    });
    gallery.add("CDlgCladdingSettings", [](Camera& camera) {
        KmCladdingDlgData data;
        data.material = L"Trapezoidal 35/207";
        picture(camera, IDD_TQ_CLADDING);
        StartDlgCladdingSettings(data);
    });
    gallery.add("CDlgCis2", [](Camera& camera) {
        KmDlgCis2Data data;
        data.projectName = L"Hall A";
        data.author = L"J. Smith";
        data.organisation = L"Steel Works";
        data.fileName = L"C:\\Projects\\hall_a.stp";
        picture(camera, IDD_TQ_CIS2);
        StartDlgCis2Info(data);
    });
    gallery.add("CDlgBracing", [](Camera& camera) {
        KmBracingDlgData data;
        data.section = L"L60x6";
        data.offset = 50;
        picture(camera, IDD_TQ_BRACING);
        StartDlgBracing(data);
    });
    gallery.add("Zk_DlgCSP2", [](Camera& camera) {
        DlgCSP2Data data;
        data.stockLengths = L"6000;12000";
        picture(camera, IDD_TQ_CSP2);
        StartDlgCSP2(data);
    });
    gallery.add("CDlgOpenSave", [](Camera& camera) {
        // Two modes: opening and saving.
        for (bool save : {false, true}) {
            KmOpenSaveDlgData data;
            data.saveMode = save;
            data.caption = save ? L"Save standard" : L"Open standard";
            data.extension = L"kms";
            data.files = texts({L"EndPlate.kms", L"BasePlate.kms", L"Splice.kms"});
            data.fileName = L"EndPlate.kms";
            picture(camera, IDD_TQ_OPENSAVE, save ? "Save" : "Open");
            StartDlgOpenSave(data);
        }
    });
    gallery.add("CDlgSelectDstvPointsFile", [](Camera& camera) {
        // The example library has no marking-point files: a scratch library with two.
        const auto root = std::filesystem::temp_directory_path() / ("tq_gallery_dstv_" + std::to_string(::getpid()));
        std::error_code ec;
        std::filesystem::create_directories(root / "DSTV", ec);
        for (const char* name : {"Holes.txt", "Markings.txt"}) std::ofstream(root / "DSTV" / name) << "0 0\n";
        struct Library {  // the scratch library while the dialog runs
            Zk_String saved = gSettings.libDir;
            std::filesystem::path root;
            ~Library() {
                gSettings.libDir = saved;
                std::error_code e;
                std::filesystem::remove_all(root, e);
            }
        } library{gSettings.libDir, root};
        gSettings.libDir = Zk_Settings::normalizeFolder(Zk_String::fromUtf8(root.string()));
        picture(camera, IDD_TQ_DSTVPOINTS);
        StartDSTVPointsDlg();
    });
    gallery.add("CDlgStringArray", [](Camera& camera) {
        Zk_Array<Zk_StringArray> rows;
        rows.append(texts({L"P1", L"10", L"200"}));
        rows.append(texts({L"P2", L"12", L"240"}));
        picture(camera, IDD_TQ_STRINGARRAY);
        startGridDialog(texts({L"Name", L"Thickness", L"Width"}), texts({L"", L"10", L"200"}), rows, true,
                        Zk_String(), Zk_String(L"Plates"));
    });
}

}  // namespace tq::gallery
