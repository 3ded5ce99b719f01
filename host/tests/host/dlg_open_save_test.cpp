#include <gtest/gtest.h>

#include <fstream>

#include "host/dlg_open_save.h"
#include "mfc/cdialog.h"
#include "mfc/scripted_user.h"
#include "temp_folder.h"
#include "win/msgbox.h"

namespace {

TEST(DlgOpenSave, SaveAddsTheExtensionBelowTheStartFolder_CancelKeepsTheChoice) {
    TempFolder dir;
    ScriptedUser user;
    Zk_String chosen = L"C:\\old\\Panel.txt";
    user.onDialog(IDD_HOST_OPEN_SAVE)
        .then([](CDialog& d) {
            CString preset;
            d.GetDlgItemText(IDC_OPEN_SAVE_PATH, preset);
            EXPECT_EQ(preset, L"Panel.txt");
            EXPECT_EQ(d.GetWindowTextString(), L"Save as");
        })
        .replaceText(IDC_OPEN_SAVE_PATH, L"Sub\\Plate")
        .ok();
    ASSERT_TRUE(DlgOpenSave(false, L"txt", L"Templates (*.txt)", L"Save as", dir.win(), chosen));
    EXPECT_EQ(chosen, dir.win(L"Sub\\Plate.txt"));

    user.onDialog(IDD_HOST_OPEN_SAVE).cancel();
    EXPECT_FALSE(DlgOpenSave(false, L"txt", L"", L"Save as", dir.win(), chosen));
    EXPECT_EQ(chosen, dir.win(L"Sub\\Plate.txt"));
}

TEST(DlgOpenSave, OpenTakesOnlyAnExistingFile) {
    TempFolder dir;
    std::ofstream(dir.host() / "Plate.txt") << "x";
    ScriptedUser user;
    user.onDialog(IDD_HOST_OPEN_SAVE)
        .replaceText(IDC_OPEN_SAVE_PATH, L"Missing")
        .ok()
        .then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()); })
        .replaceText(IDC_OPEN_SAVE_PATH, L"Plate")
        .ok();
    user.answerMessageBox(L"does not exist", IDOK);
    Zk_String chosen;
    ASSERT_TRUE(DlgOpenSave(true, L"txt", L"Templates (*.txt)", L"Open", dir.win(), chosen));
    EXPECT_EQ(chosen, dir.win(L"Plate.txt"));
}

}  // namespace
