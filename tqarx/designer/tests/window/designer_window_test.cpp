// The designer window as a person uses it: mouse selection, moving and sizing, the
// commands, opening and saving, and closing a changed template.
#include <gtest/gtest.h>

#include "designer/control_tracker.h"
#include "designer/dlg_designer.h"
#include "designer/designer_texts.h"
#include "designer/designer_test_support.h"
#include "host/dlg_open_save.h"
#include "host/texts.h"
#include "mfc/resources.h"
#include "win/msgbox.h"
#include "mfc/scripted_user.h"
#include "res/designer_ids.h"
#include "res/resources.h"
#include "res/sheeteditor_ids.h"
#include "win/render.h"

namespace {

using mfc::kCtrl;
using mfc::kShift;

constexpr int A = IDC_DES_FIRST_CONTROL, B = A + 1, C = A + 2;

class DesignerWindow : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        lib.writeBitmap("Three.bmp", 400, 200);
        // Pixel rectangles on the 400 x 200 picture: A (10,20,50,30), B (100,40,140,60), C (200,40,230,60).
        lib.writeText("Three.txt",
                      "int nrOfControls = 3\n"
                      "int type0 = 2\ndouble topLeftX0 = 0.025\ndouble topLeftY0 = 0.1\n"
                      "double bottomRightX0 = 0.125\ndouble bottomRightY0 = 0.15\nstring contents0 = \"A\"\n"
                      "int type1 = 2\ndouble topLeftX1 = 0.25\ndouble topLeftY1 = 0.2\n"
                      "double bottomRightX1 = 0.35\ndouble bottomRightY1 = 0.3\nstring contents1 = \"B\"\n"
                      "int type2 = 2\ndouble topLeftX2 = 0.5\ndouble topLeftY2 = 0.2\n"
                      "double bottomRightX2 = 0.575\ndouble bottomRightY2 = 0.3\nstring contents2 = \"C\"\n");
        dlg.setTemplatePath(lib.path(L"Three.txt"));
    }
    static CRect rectOf(CDialog& d, int id) { return windowRectOn(d.m_hWnd, ::GetDlgItem(d.m_hWnd, id)); }
    static Zk_Array<int> selection(CDialog& d) {
        return static_cast<CDlgDesigner&>(d).designerData().selectedIds();
    }
    static CString itemText(CDialog& d, int id) {
        CString s;
        d.GetDlgItemText(id, s);
        return s;
    }
    static bool modified(CDialog& d) { return static_cast<CDlgDesigner&>(d).isModified(); }

    TempLibrary lib;
    ScriptedUser user;
    CDlgDesigner dlg;
};

TEST_F(DesignerWindow, OpensTheTemplateWithItsTitle) {
    user.onDialog(IDD_DLGDESIGNER)
        .then([](CDialog& d) {
            EXPECT_EQ(d.GetWindowTextString(), CString((dialString(843) + L" - <Three>").c_str()));
            EXPECT_EQ(rectOf(d, B), CRect(100, 40, 140, 60));
            EXPECT_FALSE(modified(d));
            EXPECT_EQ(itemText(d, IDOK), CString(dialString(285).c_str()));
        })
        .ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(DesignerWindow, ThePictureShowsTheTemplateImageAndTheSelectionHandles) {
    user.onDialog(IDD_DLGDESIGNER)
        .clickAt(0, POINT{110, 50})
        .then([](CDialog& d) {
            const win::Surface picture = win::RenderWindow(d.m_hWnd);
            RECT window;
            ::GetWindowRect(d.m_hWnd, &window);
            POINT client{0, 0};
            ::ClientToScreen(d.m_hWnd, &client);
            auto at = [&](int x, int y) { return picture.pixel(client.x - window.left + x, client.y - window.top + y); };
            EXPECT_EQ(at(300, 150), RGB(200, 210, 220)) << "the template's picture";
            EXPECT_EQ(at(500, 100), win::color::kFace) << "beside the picture";
            EXPECT_EQ(at(142, 62), RGB(0, 0, 0)) << "the bottom-right handle of the selected control";
            EXPECT_NE(at(52, 32), RGB(0, 0, 0)) << "no handles on controls not selected";
        })
        .ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    dlg.DoModal();
}

TEST_F(DesignerWindow, ClickSelectsOne_CtrlClickToggles_ShiftAdds) {
    user.onDialog(IDD_DLGDESIGNER)
        .clickAt(0, POINT{20, 25})
        .then([](CDialog& d) { EXPECT_EQ(selection(d), Zk_Array<int>{A}); })
        .clickAt(0, POINT{110, 50}, kShift)
        .clickAt(0, POINT{210, 50}, kCtrl)
        .then([](CDialog& d) { EXPECT_EQ(selection(d), (Zk_Array<int>{A, B, C})); })
        .clickAt(0, POINT{110, 50}, kCtrl)
        .then([](CDialog& d) { EXPECT_EQ(selection(d), (Zk_Array<int>{A, C})) << "the others stay selected"; })
        .clickAt(0, POINT{110, 50})
        .then([](CDialog& d) {
            EXPECT_EQ(selection(d), Zk_Array<int>{B}) << "a plain click selects only it";
            EXPECT_TRUE(modified(d));
            EXPECT_EQ(itemText(d, IDC_DES_CONTENTS), L"B") << "the fields show the selected control";
        })
        .clickAt(0, POINT{300, 150}, kShift)
        .then([](CDialog& d) { EXPECT_EQ(selection(d), Zk_Array<int>{B}) << "Shift on nothing changes nothing"; })
        .clickAt(0, POINT{300, 150})
        .then([](CDialog& d) {
            EXPECT_TRUE(selection(d).isEmpty());
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d.m_hWnd, IDC_DES_CONTENTS)));
        })
        .ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(DesignerWindow, DraggingTheMiddleMovesTheWholeSelection_AHandleSizesOne) {
    user.onDialog(IDD_DLGDESIGNER)
        .clickAt(0, POINT{20, 25})
        .clickAt(0, POINT{110, 50}, kShift)
        .clickAt(0, POINT{210, 50}, kShift)
        .drag(0, POINT{120, 50}, POINT{135, 58})
        .then([](CDialog& d) {
            EXPECT_EQ(rectOf(d, A), CRect(25, 28, 65, 38));
            EXPECT_EQ(rectOf(d, B), CRect(115, 48, 155, 68));
            EXPECT_EQ(rectOf(d, C), CRect(215, 48, 245, 68));
            EXPECT_EQ(selection(d).length(), 3);
        })
        // The bottom-right handle of C sits just outside its corner.
        .drag(0, POINT{248, 71}, POINT{268, 81})
        .then([](CDialog& d) {
            EXPECT_EQ(rectOf(d, C), CRect(215, 48, 265, 78));
            EXPECT_EQ(rectOf(d, B), CRect(115, 48, 155, 68)) << "only the control under the handle";
            EXPECT_EQ(selection(d).length(), 3) << "a handle of a selected control keeps the selection";
        })
        .ok();
    user.answerMessageBox(dialString(837).wstr(), IDYES);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    // Saved on closing: the moved positions are in the file.
    Zk_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(lib.path(L"Three.txt"), false));
    EXPECT_DOUBLE_EQ(back.getControl(2)->bottomRightX, 265 / 400.0);
    EXPECT_DOUBLE_EQ(back.getControl(0)->topLeftY, 28 / 200.0);
}

TEST_F(DesignerWindow, RubberBandSelectsOnlyWhollyEnclosedControls) {
    user.onDialog(IDD_DLGDESIGNER)
        .clickAt(0, POINT{20, 25})
        .drag(0, POINT{90, 35}, POINT{220, 70})  // holds B, cuts C
        .then([](CDialog& d) { EXPECT_EQ(selection(d), Zk_Array<int>{B}); })
        .drag(0, POINT{250, 90}, POINT{5, 10})  // drawn backwards around all three
        .then([](CDialog& d) { EXPECT_EQ(selection(d), (Zk_Array<int>{A, B, C})); })
        .drag(0, POINT{300, 100}, POINT{350, 150})
        .then([](CDialog& d) { EXPECT_TRUE(selection(d).isEmpty()); })
        .ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    dlg.DoModal();
}

TEST_F(DesignerWindow, CommandsWithNothingSelectedChangeNothing) {
    user.onDialog(IDD_DLGDESIGNER)
        .click(IDC_DES_WIDTH)
        .click(IDC_DES_HEIGHT)
        .click(IDC_DES_COPY)
        .click(IDC_DES_OUTLINE)
        .click(IDC_DES_STICKRIGHT)
        .click(IDC_DES_DELETE)
        .then([](CDialog& d) {
            const auto& data = static_cast<CDlgDesigner&>(d).designerData();
            EXPECT_EQ(data.getNrControls(), 3);
            EXPECT_EQ(rectOf(d, A), CRect(10, 20, 50, 30));
            EXPECT_EQ(rectOf(d, C), CRect(200, 40, 230, 60));
        })
        .ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    dlg.DoModal();
}

TEST_F(DesignerWindow, AddCopyAlignAndDeleteThroughTheButtons) {
    user.onDialog(IDD_DLGDESIGNER)
        .clickAt(0, POINT{110, 50})
        .clickAt(0, POINT{20, 25}, kShift)
        .click(IDC_DES_STICKRIGHT)
        .then([](CDialog& d) { EXPECT_EQ(rectOf(d, B), CRect(50, 20, 90, 30)); })
        .click(IDC_DES_COPY)
        .then([](CDialog& d) {
            EXPECT_EQ(selection(d), (Zk_Array<int>{A + 3, A + 4}));
            EXPECT_EQ(rectOf(d, A + 3), CRect(70, 40, 110, 50));
        })
        .click(IDC_DES_DELETE)
        .click(IDC_DES_ADD)
        .then([](CDialog& d) {
            const auto& data = static_cast<CDlgDesigner&>(d).designerData();
            EXPECT_EQ(data.getNrControls(), 4);
            EXPECT_EQ(rectOf(d, A + 3), CRect(80, 40, 110, 58)) << "a new value field at its default place";
        })
        .ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    dlg.DoModal();
}

TEST_F(DesignerWindow, WidthAndHeightAskForPixels) {
    user.onDialog(IDD_DLGDESIGNER)
        .clickAt(0, POINT{110, 50})
        .clickAt(0, POINT{20, 25}, kShift)
        .click(IDC_DES_WIDTH)
        .then([](CDialog& d) {
            EXPECT_EQ(rectOf(d, B), CRect(100, 40, 160, 60));
            EXPECT_EQ(rectOf(d, A), CRect(10, 20, 70, 30));
            EXPECT_EQ(selection(d), (Zk_Array<int>{B, A}));
        })
        .click(IDC_DES_HEIGHT)
        .click(IDC_DES_HEIGHT)
        .then([](CDialog& d) {
            EXPECT_EQ(rectOf(d, B), CRect(100, 40, 160, 60)) << "Cancel and a text that is no size change nothing";
        })
        .ok();
    user.onDialog(IDD_TQ_PROMPT_STRING)
        .then([](CDialog& d) {
            EXPECT_EQ(d.GetWindowTextString(), CString(dialString(90).c_str()));
            CString preset;
            d.GetDlgItemText(IDC_PROMPT_EDIT, preset);
            EXPECT_EQ(preset, L"30");
        })
        .replaceText(IDC_PROMPT_EDIT, L"60")
        .ok();
    user.onDialog(IDD_TQ_PROMPT_STRING).cancel();
    user.onDialog(IDD_TQ_PROMPT_STRING).replaceText(IDC_PROMPT_EDIT, L"tall").ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(DesignerWindow, PropertyFieldsChangeTheSelectedControl) {
    user.onDialog(IDD_DLGDESIGNER)
        .clickAt(0, POINT{110, 50})
        .replaceText(IDC_DES_CONTENTS, L"Gauge")
        .then([](CDialog& d) { EXPECT_EQ(itemText(d, B), L"Gauge"); })
        .pickCombo(IDC_DES_TYPE, zkCtrlCheckBox)
        .then([](CDialog& d) {
            const auto& data = static_cast<CDlgDesigner&>(d).designerData();
            EXPECT_EQ(data.getControl(1)->type, zkCtrlCheckBox);
            EXPECT_EQ(selection(d), Zk_Array<int>{B});
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d.m_hWnd, IDC_DES_LIST))) << "a check box has a list field";
            EXPECT_EQ(itemText(d, IDC_DES_LIST_LABEL), CString(dialString(828).c_str()));
        })
        .ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    dlg.DoModal();
}

TEST_F(DesignerWindow, CancelOnClosingAChangedTemplateKeepsEverything) {
    const std::string before = lib.readText("Three.txt");
    user.onDialog(IDD_DLGDESIGNER)
        .drag(0, POINT{20, 25}, POINT{60, 65})
        .close()
        .then([](CDialog& d) {
            EXPECT_FALSE(d.hasEnded());
            EXPECT_TRUE(modified(d));
            EXPECT_EQ(rectOf(d, A), CRect(50, 60, 90, 70));
            EXPECT_EQ(selection(d), Zk_Array<int>{A});
        })
        .ok()
        .then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()); })
        .key(VK_ESCAPE)
        .then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()) << "Escape does not close the window"; })
        .cancel();
    user.answerMessageBox(dialString(837).wstr(), IDCANCEL);
    user.answerMessageBox(dialString(837).wstr(), IDCANCEL);
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(lib.readText("Three.txt"), before);
}

// A template that never had a name is not written as ".txt": Yes asks for a name.
TEST_F(DesignerWindow, YesOnAnUnnamedTemplateAsksForAName) {
    dlg.setTemplatePath(L"");
    user.onDialog(IDD_DLGDESIGNER).click(IDC_DES_ADD).ok().then([](CDialog& d) {
        EXPECT_FALSE(d.hasEnded()) << "the name was not given";
    }).ok();
    user.answerMessageBox(dialString(837).wstr(), IDYES);
    user.onDialog(IDD_HOST_OPEN_SAVE).cancel();
    user.answerMessageBox(dialString(837).wstr(), IDYES);
    user.onDialog(IDD_HOST_OPEN_SAVE).replaceText(IDC_OPEN_SAVE_PATH, L"Fresh").ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(lib.exists(".txt"));
    ASSERT_TRUE(lib.exists("Fresh.txt"));
    Zk_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(lib.path(L"Fresh.txt"), false));
    EXPECT_EQ(back.getNrControls(), 1);
}

// Saving outside the template folder writes nothing and leaves the template marked changed.
TEST_F(DesignerWindow, SavingOutsideTheFolderKeepsTheTemplateChanged) {
    const Zk_String outside = getDesignerRootFolder() + L"..\\Elsewhere.txt";
    user.onDialog(IDD_DLGDESIGNER)
        .click(IDC_DES_ADD)
        .click(IDC_DES_SAVE)
        .then([](CDialog& d) {
            EXPECT_TRUE(modified(d));
            EXPECT_EQ(d.GetWindowTextString(), CString((dialString(843) + L" - <Three>").c_str()));
        })
        .close();
    user.onDialog(IDD_HOST_OPEN_SAVE).replaceText(IDC_OPEN_SAVE_PATH, outside.wstr()).ok();
    user.answerMessageBox(dialString(844).wstr(), IDOK);
    user.answerMessageBox(dialString(838).wstr(), IDNO);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(std::filesystem::exists(lib.hostFolder().parent_path() / "Elsewhere.txt"));
}

TEST_F(DesignerWindow, SaveUnderANewNameTakesThePictureAlongAndReadsBackEqual) {
    user.onDialog(IDD_DLGDESIGNER)
        .drag(0, POINT{110, 50}, POINT{130, 60})
        .click(IDC_DES_SAVE)
        .then([](CDialog& d) {
            EXPECT_FALSE(modified(d));
            EXPECT_EQ(d.GetWindowTextString(), CString((dialString(843) + L" - <Plates\\Copy>").c_str()));
        })
        .ok();
    user.onDialog(IDD_HOST_OPEN_SAVE).replaceText(IDC_OPEN_SAVE_PATH, L"Plates\\Copy").ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(lib.exists("Plates/Copy.bmp"));
    Zk_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(lib.path(L"Plates\\Copy.txt"), true));
    const Zk_DlgDesignerData& saved = dlg.designerData();
    ASSERT_EQ(back.getNrControls(), saved.getNrControls());
    for (int i = 0; i < back.getNrControls(); ++i) EXPECT_TRUE(back.getControl(i)->sameTemplateData(*saved.getControl(i)));
    EXPECT_DOUBLE_EQ(back.getControl(1)->topLeftX, 120 / 400.0);
}

TEST_F(DesignerWindow, OpenAnotherTemplateAndChooseAPicture) {
    lib.writeBitmap("Other.bmp", 200, 100);
    lib.writeText("Other.txt", "int nrOfControls = 1\nint type0 = 0\ndouble bottomRightX0 = 0.5\n"
                               "double bottomRightY0 = 0.5\nstring contents0 = \"Label\"\n");
    lib.writeBitmap("Big.bmp", 400, 200);
    user.onDialog(IDD_DLGDESIGNER)
        .click(IDC_DES_OPEN)
        .then([](CDialog& d) {
            EXPECT_EQ(static_cast<CDlgDesigner&>(d).designerData().getNrControls(), 1);
            EXPECT_EQ(rectOf(d, A), CRect(0, 0, 100, 50));
            EXPECT_EQ(d.GetWindowTextString(), CString((dialString(843) + L" - <Other>").c_str()));
        })
        .click(IDC_DES_IMAGE)
        .then([](CDialog& d) {
            EXPECT_EQ(rectOf(d, A), CRect(0, 0, 200, 100)) << "the control follows the new picture";
            EXPECT_TRUE(modified(d));
        })
        .ok();
    user.onDialog(IDD_HOST_OPEN_SAVE).replaceText(IDC_OPEN_SAVE_PATH, L"Other").ok();
    user.onDialog(IDD_HOST_OPEN_SAVE).replaceText(IDC_OPEN_SAVE_PATH, L"Big.bmp").ok();
    user.answerMessageBox(dialString(837).wstr(), IDNO);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    std::string picture = lib.readText("Other.bmp");
    EXPECT_EQ(picture, lib.readText("Big.bmp")) << "the picture is copied under the template's name";
}

}  // namespace
