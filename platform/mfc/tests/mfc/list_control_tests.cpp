// Combo boxes of all three styles, the check combo, the bitmap-list combo, list boxes and
// the thumbnail list, driven as a person would, with the notifications in their order.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "mfc/bitmap_picker_combo.h"
#include "mfc/check_combo.h"
#include "mfc/image_list_ctrl.h"
#include "mfc/scripted_user.h"
#include "recording_dialog.h"
#include "win/bitmap.h"

namespace {

constexpr int IDC_LIST = 401, IDC_DROPDOWN = 402, IDC_SIMPLE = 403, IDC_CHECKS = 404, IDC_PICTURES = 405,
              IDC_THUMBS = 406, IDC_MULTI = 407;

void RegisterLists() {
    mfc::DialogTemplate t;
    t.caption = L"Lists";
    t.cx = 300;
    t.cy = 220;
    t.comboBox(IDC_LIST, 7, 7, 80, 60)
        .comboBox(IDC_DROPDOWN, 7, 24, 80, 60, CBS_DROPDOWN)
        .comboBox(IDC_SIMPLE, 7, 41, 80, 40, CBS_SIMPLE)
        .comboBox(IDC_CHECKS, 100, 7, 80, 60)
        .comboBox(IDC_PICTURES, 100, 24, 80, 60)
        .control(WC_LISTVIEW, IDC_THUMBS, L"", LVS_ICON | LVS_SINGLESEL | WS_TABSTOP | WS_BORDER, 7, 90, 200, 100)
        .listBox(IDC_MULTI, 200, 7, 80, 60, LBS_EXTENDEDSEL)
        .defPushButton(IDOK, L"OK", 190, 200, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 245, 200, 50, 14);
    RegisterRecordingDialog(t);
}

class CListsDlg : public CRecordingDlg {
public:
    CComboBox list, dropdown, simple;
    CCheckComboBox checks;
    CBitmapPickerCombo pictures;
    CImageListCtrl thumbs;
    CListBox multi;
    CBitmap plate, angle, beam;
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_LIST, list);
        DDX_Control(dx, IDC_DROPDOWN, dropdown);
        DDX_Control(dx, IDC_SIMPLE, simple);
        DDX_Control(dx, IDC_CHECKS, checks);
        DDX_Control(dx, IDC_PICTURES, pictures);
        DDX_Control(dx, IDC_THUMBS, thumbs);
        DDX_Control(dx, IDC_MULTI, multi);
    }
    BOOL OnInitDialog() override {
        CRecordingDlg::OnInitDialog();
        for (CComboBox* c : {&list, &dropdown, &simple, static_cast<CComboBox*>(&checks)}) {
            int plateAt = c->AddString(L"Plate");
            c->SetItemData(plateAt, 10);
            c->SetItemData(c->AddString(L"Angle"), 20);
            c->SetItemData(c->AddString(L"Beam"), 30);
        }
        checks.SetCheck(2, TRUE);
        plate.CreateBitmap(16, 8, 1, 32, nullptr);
        angle.CreateBitmap(24, 12, 1, 32, nullptr);
        beam.CreateBitmap(20, 20, 1, 32, nullptr);
        pictures.AddBitmap(&plate, L"plate");
        pictures.AddBitmap(&beam);
        pictures.InsertBitmap(1, &angle, L"angle");
        for (const wchar_t* s : {L"M12", L"M16", L"M20", L"M24"}) multi.AddString(s);
        thumbs.Initialize(64, 48);
        events.clear();
        return TRUE;
    }
};

class ListTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        RegisterLists();
    }
    static CListsDlg& Lists(CDialog& d) { return static_cast<CListsDlg&>(d); }
};

TEST_F(ListTest, PickingFromADropDownListNotifiesInTheOrderOfAPersonsClicks) {
    ScriptedUser user;
    user.onDialog(L"Lists")
        .pickCombo(IDC_LIST, L"Angle")
        .pickCombo(IDC_LIST, 1)  // the same item again: no change
        .then([](CDialog& d) {
            EXPECT_EQ(Lists(d).list.GetCurSel(), 1);
            EXPECT_EQ(Lists(d).list.GetItemData(1), 20u);
            EXPECT_EQ(Lists(d).list.GetWindowTextString(), L"Angle");
        })
        .cancel();
    CListsDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(),
              (std::vector<std::string>{"401 dropdown", "401 selchange", "401 selendok", "401 closeup",
                                        "401 dropdown", "401 selendok", "401 closeup", "2 clicked"}));
}

TEST_F(ListTest, TypingIntoADropDownComboEditsItsTextAndLeavesTheList) {
    ScriptedUser user;
    user.onDialog(L"Lists")
        .pickCombo(IDC_DROPDOWN, L"Beam")
        .then([](CDialog& d) { d.GetDlgItem(IDC_DROPDOWN)->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF)); })
        .replaceText(IDC_DROPDOWN, L"HE")
        .then([](CDialog& d) {
            EXPECT_EQ(Lists(d).dropdown.GetWindowTextString(), L"HE");
            EXPECT_EQ(Lists(d).dropdown.GetCurSel(), -1) << "a typed text is no item";
        })
        .type(IDC_SIMPLE, L"Pl")
        .then([](CDialog& d) {
            EXPECT_EQ(Lists(d).simple.GetWindowTextString(), L"Pl");
            EXPECT_EQ(Lists(d).simple.FindString(-1, L"pl"), 0) << "prefix search ignores case";
            EXPECT_EQ(Lists(d).simple.FindStringExact(-1, L"pl"), CB_ERR);
        })
        .keyTo(IDC_LIST, 'B')  // a drop-down list picks by the first letter
        .then([](CDialog& d) { EXPECT_EQ(Lists(d).list.GetCurSel(), 2); })
        .cancel();
    CListsDlg dlg;
    dlg.DoModal();
    auto ev = dlg.plainEvents();
    // Each typed character: update before change.
    auto first = std::find(ev.begin(), ev.end(), "402 editupdate");
    ASSERT_NE(first, ev.end());
    EXPECT_EQ(*(first + 1), "402 editchange");
    EXPECT_EQ(std::count(ev.begin(), ev.end(), "403 editchange"), 2);
    EXPECT_NE(std::find(ev.begin(), ev.end(), "401 selchange"), ev.end());
}

TEST_F(ListTest, TickingACheckComboFlipsOneMarkAndKeepsTheSelection) {
    ScriptedUser user;
    user.onDialog(L"Lists")
        .pickCombo(IDC_CHECKS, 0)
        .tickCheckCombo(IDC_CHECKS, L"Angle")
        .then([](CDialog& d) {
            CCheckComboBox& c = Lists(d).checks;
            EXPECT_TRUE(c.GetCheck(1));
            EXPECT_FALSE(c.GetCheck(0));
            EXPECT_TRUE(c.GetCheck(2)) << "set by the program";
            EXPECT_EQ(c.GetCheckedCount(), 2);
            EXPECT_EQ(c.GetCurSel(), 0) << "a tick does not choose the item";
            EXPECT_EQ(c.GetLastToggled(), 1);
            EXPECT_FALSE(c.GetDroppedState()) << "the list closed again";
            // Any window object of the combo reads the marks.
            EXPECT_EQ(::SendMessageW(c.m_hWnd, TQ_CB_GETITEMCHECK, 1, 0), 1);
            EXPECT_TRUE(::SendMessageW(c.m_hWnd, TQ_CB_ISCHECKLIST, 0, 0));
        })
        .tickCheckCombo(IDC_CHECKS, 2)
        .then([](CDialog& d) {
            CCheckComboBox& c = Lists(d).checks;
            EXPECT_FALSE(c.GetCheck(2));
            c.InsertString(0, L"Tube");
            EXPECT_TRUE(c.GetCheck(2)) << "the mark follows its item";
            EXPECT_FALSE(c.GetCheck(0));
            c.DeleteString(2);
            EXPECT_FALSE(c.GetCheck(1));
            EXPECT_EQ(c.GetCheckedCount(), 0);
            EXPECT_EQ(c.SetCheck(9, TRUE), CB_ERR);
            EXPECT_FALSE(c.GetCheck(9));
            c.CheckAll(TRUE);
            EXPECT_EQ(c.GetCheckedCount(), c.GetCount());
        })
        .cancel();
    CListsDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(),
              (std::vector<std::string>{"404 dropdown", "404 selchange", "404 selendok", "404 closeup",
                                        "404 dropdown", "404 checkchange", "404 closeup", "404 dropdown",
                                        "404 checkchange", "404 closeup", "2 clicked"}));
}

TEST_F(ListTest, TickingAComboWithoutMarksOrAMissingItemFailsNamingIt) {
    std::vector<std::string> failures;
    {
        mfc::UserScript user([](const std::string& m, void* c) { static_cast<std::vector<std::string>*>(c)->push_back(m); },
                             &failures);
        user.onDialog(L"Lists").tickCheckCombo(IDC_LIST, 0).tickCheckCombo(IDC_CHECKS, L"Tube").cancel();
        CListsDlg dlg;
        dlg.DoModal();
    }
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("ComboBox #401"), std::string::npos) << failures[0];
    EXPECT_NE(failures[0].find("shows no check marks"), std::string::npos);
    EXPECT_NE(failures[1].find("no item \"Tube\" (items: \"Plate\", \"Angle\", \"Beam\")"), std::string::npos)
        << failures[1];
}

TEST_F(ListTest, ABitmapComboKeepsAPictureWithEachItem) {
    ScriptedUser user;
    user.onDialog(L"Lists")
        .then([](CDialog& d) {
            CBitmapPickerCombo& p = Lists(d).pictures;
            ASSERT_EQ(p.GetCount(), 3);
            EXPECT_EQ(p.GetItemBitmap(0), Lists(d).plate.GetSafeHandle());
            EXPECT_EQ(p.GetItemBitmap(1), Lists(d).angle.GetSafeHandle()) << "inserted before the beam";
            EXPECT_EQ(p.GetItemBitmap(2), Lists(d).beam.GetSafeHandle());
            EXPECT_EQ(p.GetItemBitmap(7), nullptr);
            CString text;
            p.GetLBText(2, text);
            EXPECT_EQ(text, L"") << "a picture without a caption";
            EXPECT_EQ(p.GetMaxBitmapSize(), CSize(24, 20));
        })
        .pickCombo(IDC_PICTURES, 2)
        .then([](CDialog& d) {
            CBitmapPickerCombo& p = Lists(d).pictures;
            EXPECT_EQ(p.GetCurSel(), 2);
            p.DeleteString(0);
            EXPECT_EQ(p.GetItemBitmap(0), Lists(d).angle.GetSafeHandle()) << "the picture goes with its item";
        })
        .cancel();
    CListsDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents()[1], "405 selchange");
}

TEST_F(ListTest, AnExtendedSelectionListTakesCtrlAndShiftClicks) {
    ScriptedUser user;
    user.onDialog(L"Lists")
        .pickList(IDC_MULTI, 1)
        .pickList(IDC_MULTI, 3, mfc::kShift)
        .then([](CDialog& d) {
            int sel[4] = {};
            ASSERT_EQ(Lists(d).multi.GetSelItems(4, sel), 3);
            EXPECT_EQ(sel[0], 1);
            EXPECT_EQ(sel[2], 3);
        })
        .pickList(IDC_MULTI, 2, mfc::kCtrl)
        .then([](CDialog& d) {
            EXPECT_EQ(Lists(d).multi.GetSelCount(), 2);
            EXPECT_FALSE(Lists(d).multi.GetSel(2));
        })
        .pickList(IDC_MULTI, 0)
        .then([](CDialog& d) { EXPECT_EQ(Lists(d).multi.GetSelCount(), 1) << "a plain click starts over"; })
        .cancel();
    CListsDlg dlg;
    dlg.DoModal();
}

// A folder mapped to drive T: for picture files.
class PictureFolder {
public:
    PictureFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tq_mfc_XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
        ::setenv("TQ_DRIVE_T", path_.c_str(), 1);
    }
    ~PictureFolder() {
        ::unsetenv("TQ_DRIVE_T");
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    void bmp(const std::string& name, int w, int h) const {
        std::ofstream(path_ + "/" + name, std::ios::binary) << win::EncodeBmp24(win::Surface(w, h, RGB(200, 10, 10)));
    }

private:
    std::string path_;
};

TEST_F(ListTest, ThumbnailsSelectByClickTellTheParentAndADoubleClickChooses) {
    PictureFolder folder;
    folder.bmp("EndPlate1.bmp", 40, 30);
    folder.bmp("Splice.bmp", 40, 30);
    ScriptedUser user;
    user.onDialog(L"Lists")
        .then([](CDialog& d) {
            CImageListCtrl& t = Lists(d).thumbs;
            int read = t.DrawThumbnails({L"T:\\EndPlate1.bmp", L"T:\\Splice.bmp", L"T:\\Gone.bmp"},
                                        {L"End plate", L"Splice"});
            EXPECT_EQ(read, 2);
            ASSERT_EQ(t.GetItemCount(), 3);
            EXPECT_EQ(t.GetItemText(2), L"Gone") << "the file's name when none is given";
            EXPECT_NE(t.GetItemImage(0), nullptr);
            EXPECT_EQ(t.GetItemImage(2), nullptr) << "a file that cannot be read shows no picture";
            CRect a, b;
            t.GetItemRect(0, &a);
            t.GetItemRect(1, &b);
            EXPECT_EQ(a.Width(), 64);
            EXPECT_GT(a.Height(), 48) << "the picture and its caption";
            EXPECT_EQ(a.top, b.top);
            EXPECT_GT(b.left, a.right) << "side by side";
            EXPECT_EQ(t.GetSelectionName(), L"");
        })
        .pickThumbnail(IDC_THUMBS, 0)
        .pickThumbnail(IDC_THUMBS, 1)
        .then([](CDialog& d) {
            EXPECT_EQ(Lists(d).thumbs.GetSelectionName(), L"Splice");
            EXPECT_EQ(Lists(d).thumbs.GetSelectionFile(), L"T:\\Splice.bmp");
        })
        .clickAt(IDC_THUMBS, POINT{280, 140})  // beside every item
        .then([](CDialog& d) { EXPECT_EQ(Lists(d).thumbs.GetSelectedItem(), -1); })
        .keyTo(IDC_THUMBS, VK_RIGHT)
        .then([](CDialog& d) { EXPECT_EQ(Lists(d).thumbs.GetSelectedItem(), 0) << "the arrows start at the first"; })
        .pickThumbnail(IDC_THUMBS, 2, true)
        .cancel();
    CListsDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(),
              (std::vector<std::string>{"406 itemchanged 0 on", "406 click 0", "406 itemchanged 0 off",
                                        "406 itemchanged 1 on", "406 click 1", "406 itemchanged 1 off",
                                        "406 click -1", "406 itemchanged 0 on", "406 itemchanged 0 off",
                                        "406 itemchanged 2 on", "406 click 2", "406 dblclk 2", "2 clicked"}));
}

TEST_F(ListTest, PickingAThumbnailThatDoesNotExistFailsNamingTheList) {
    std::vector<std::string> failures;
    {
        mfc::UserScript user([](const std::string& m, void* c) { static_cast<std::vector<std::string>*>(c)->push_back(m); },
                             &failures);
        user.onDialog(L"Lists").pickThumbnail(IDC_THUMBS, 0).cancel();
        CListsDlg dlg;
        dlg.DoModal();
    }
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("SysListView32 #406"), std::string::npos) << failures[0];
    EXPECT_NE(failures[0].find("has no item 0 (0 items)"), std::string::npos) << failures[0];
}

}  // namespace
