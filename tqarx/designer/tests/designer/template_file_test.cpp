// The template file: keys, merged lists, reading back, failures, folders and names.
#include "acad/command_line.h"
#include "designer/designer_texts.h"
#include "designer_test_support.h"
#include "host/properties_list.h"

namespace {

TEST(MergedList, FlexPartsKeepEmptyPiecesAndMissingOnesStayEmpty) {
    Zk_DesignerControl flex;
    flex.type = zkCtrlFlexButton;
    flex.flexGroup = L"A";
    flex.flexPart2 = L"x";
    flex.flexPart4 = L"z";
    EXPECT_EQ(flex.getMergedExtComboList(), L"A;x;;z");

    flex.flexPart3 = L"old";
    ASSERT_TRUE(flex.setSplitExtComboList(L"A;x"));
    EXPECT_EQ(flex.flexGroup, L"A");
    EXPECT_EQ(flex.flexPart2, L"x");
    EXPECT_EQ(flex.flexPart3, L"");
    EXPECT_EQ(flex.flexPart4, L"");
    flex.setSplitExtComboList(L"g;2;3;4;5;6");  // pieces past the fourth are ignored
    EXPECT_EQ(flex.getMergedExtComboList(), L"g;2;3;4");
}

TEST(MergedList, TotalDimensionButtonStoresFiveParts_OtherTypesTheListAsItIs) {
    Zk_DesignerControl total;
    total.type = zkCtrlExtListButton1;
    total.setSplitExtComboList(L"Base;-Offset;Second;2;extra");
    EXPECT_EQ(total.listPart1, L"Base");
    EXPECT_EQ(total.listPart2, L"-Offset");
    EXPECT_EQ(total.listPart3, L"Second");
    EXPECT_EQ(total.listPart4, L"2");
    EXPECT_EQ(total.comboList, L"extra");
    EXPECT_EQ(total.getMergedExtComboList(), L"Base;-Offset;Second;2;extra");

    Zk_DesignerControl combo;
    combo.type = zkCtrlItemFileCombo;
    combo.listPart2 = L"stale";
    combo.setSplitExtComboList(L"C:\\lists\\a;b.txt");
    EXPECT_EQ(combo.comboList, L"C:\\lists\\a;b.txt");
    EXPECT_EQ(combo.listPart2, L"");
    EXPECT_EQ(combo.getMergedExtComboList(), L"C:\\lists\\a;b.txt");
}

TEST(TemplateKeys, TheFirstControlsKeysEndInZero) {
    Zk_PropertiesList list;
    makeControl(2, 0.25, 0.5, 0.75, 0.6, L"T").setToPropList(list, 0);
    list.setProperty(L"nrOfControls", 1);
    for (const wchar_t* key :
         {L"type0", L"topLeftX0", L"topLeftY0", L"bottomRightX0", L"bottomRightY0", L"contents0", L"comboList0"})
        EXPECT_TRUE(list.hasProperty(key)) << Zk_String(key).toUtf8();
    EXPECT_FALSE(list.hasProperty(L"type1"));
    Zk_DesignerControl back;
    back.getFromPropList(list, 0);
    EXPECT_TRUE(back.sameTemplateData(makeControl(2, 0.25, 0.5, 0.75, 0.6, L"T")));
}

class TemplateFile : public ::testing::Test {
protected:
    void SetUp() override { acad::ClearCommandLine(); }
    TempLibrary lib;
    PanelHost dialog;
};

TEST_F(TemplateFile, FractionsBecomePixelsOfTheImage) {
    lib.writeText("Plate.txt",
                  "int nrOfControls = 1\n"
                  "int type0 = 2\n"
                  "double topLeftX0 = 0.25\ndouble topLeftY0 = 0.5\n"
                  "double bottomRightX0 = 0.75\ndouble bottomRightY0 = 0.6\n"
                  "string contents0 = \"Thickness\"\n");
    for (int scale : {1, 2}) {
        lib.writeBitmap("Plate.bmp", 400 * scale, 200 * scale);
        Zk_DlgDesignerData data;
        ASSERT_TRUE(data.initialize(&dialog, kFirstId, kLastId, 0, 0, 0, 0, 0, false));
        ASSERT_TRUE(data.readFromFile(lib.path(L"Plate.txt"), true)) << data.getLastError().toUtf8();
        EXPECT_EQ(data.getTemplateName(), L"Plate");
        ASSERT_TRUE(data.redrawAllControls());
        CWnd* wnd = nullptr;
        ASSERT_TRUE(data.getCtrlPtr(0, wnd));
        const RECT r = windowRectOn(dialog.m_hWnd, wnd->m_hWnd);
        EXPECT_EQ(r.left, 100 * scale);
        EXPECT_EQ(r.top, 100 * scale);
        EXPECT_EQ(r.right, 300 * scale);
        EXPECT_EQ(r.bottom, 120 * scale);
        EXPECT_EQ(wnd->GetWindowTextString(), L"Thickness");
    }
}

TEST_F(TemplateFile, WrittenTemplateReadsBackEqual) {
    lib.writeBitmap("Panel.bmp", 400, 200);
    Zk_DlgDesignerData data;
    ASSERT_TRUE(data.initialize(&dialog, kFirstId, kLastId, 0, 0, 0, 0, 0, true));
    ASSERT_TRUE(data.attachBitmap(lib.path(L"Panel.bmp")));
    data.setTemplateName(L"Panel");
    Zk_DesignerControl flex = makeControl(30, 0.1, 0.1, 0.2, 0.2, L"Stiffener");
    flex.setSplitExtComboList(L"Stiff;x;;z");
    Zk_DesignerControl total = makeControl(25, 0.5, 0.1, 0.7, 0.2, L"Total");
    total.setSplitExtComboList(L"Base;Offset;Second;2;");
    Zk_DesignerControl combo = makeControl(3, 0.1, 0.5, 0.4, 0.6, L"Grade");
    combo.comboList = L"lists\\grades;old.txt";
    Zk_DesignerControl label = makeControl(0, 0.125, 0.75, 0.5, 0.875, L"Say \"hi\"\tnow\\");
    for (const auto& c : {flex, total, combo, label}) data.append(c);
    ASSERT_TRUE(data.redrawAllControls());
    ASSERT_TRUE(data.writeToFile(lib.path(L"sub\\Copy.txt")));
    EXPECT_EQ(data.getTemplateName(), L"sub\\Copy");
    EXPECT_TRUE(lib.exists("sub/Copy.bmp")) << "the image goes with the template";

    Zk_DlgDesignerData back;
    ASSERT_TRUE(back.initialize(&dialog, kFirstId, kLastId, 0, 0, 0, 0, 0, false));
    ASSERT_TRUE(back.readFromFile(lib.path(L"sub\\Copy.txt"), true)) << back.getLastError().toUtf8();
    ASSERT_EQ(back.getNrControls(), 4);
    const Zk_DesignerControl expected[] = {flex, total, combo, label};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(back.getControl(i)->sameTemplateData(expected[i])) << i;
        EXPECT_EQ(back.getControl(i)->resId, kFirstId + i);
    }
    EXPECT_EQ(back.getControl(0)->flexPart4, L"z");
    const std::string text = lib.readText("sub/Copy.txt");
    EXPECT_NE(text.find("int nrOfControls = 4"), std::string::npos) << text;
    EXPECT_NE(text.find("string comboList0 = \"Stiff;x;;z\""), std::string::npos) << text;
}

TEST_F(TemplateFile, BadFilesFailNamingFileAndLineAndChangeNothing) {
    lib.writeBitmap("Good.bmp", 100, 100);
    lib.writeText("Good.txt", "int nrOfControls = 1\nint type0 = 2\nstring contents0 = \"Keep\"\n");
    Zk_DlgDesignerData data;
    ASSERT_TRUE(data.initialize(&dialog, kFirstId, kLastId, 0, 0, 0, 0, 0, false));
    ASSERT_TRUE(data.readFromFile(lib.path(L"Good.txt"), true));

    struct Case {
        const char* name;
        const char* text;
        bool bitmap;
        const char* expected;  // in the error after the path
    } cases[] = {
        {"Malformed", "int nrOfControls = 1\nint type0 2\n", true, ", line 2: "},
        {"Quote", "int nrOfControls = 1\nstring contents0 = \"open\n", true, ", line 2: "},
        {"Huge", "# many\nint nrOfControls = 2000000000\n", true, ", line 2: nrOfControls 2000000000"},
        {"Negative", "int nrOfControls = -1\n", true, ", line 1: "},
        {"WrongKind", "int nrOfControls = 1\nstring type0 = \"2\"\n", true, ", line 2: type0 must be an int"},
        {"NoImage", "int nrOfControls = 0\n", false, "the background image does not exist"},
    };
    for (const Case& c : cases) {
        const std::string file = std::string(c.name) + ".txt";
        lib.writeText(file, c.text);
        if (c.bitmap) lib.writeBitmap(std::string(c.name) + ".bmp", 50, 50);
        const Zk_String path = lib.path(std::wstring(file.begin(), file.end()));
        EXPECT_FALSE(data.readFromFile(path, true)) << c.name;
        const std::string error = data.getLastError().toUtf8();
        EXPECT_NE(error.find(std::string(c.name)), std::string::npos) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.name << ": " << error;
        EXPECT_EQ(data.getTemplateName(), L"Good");
        ASSERT_EQ(data.getNrControls(), 1);
        EXPECT_EQ(data.getControl(0)->contents, L"Keep");
        int w = 0, h = 0;
        data.getImageSize(w, h);
        EXPECT_EQ(w, 100) << c.name;
    }
    EXPECT_NE(acad::CommandLineUtf8().find("*Error*"), std::string::npos);
    // Without the image the same file reads (the launcher's way of listing names).
    EXPECT_TRUE(data.readFromFile(lib.path(L"NoImage.txt"), false));
}

TEST_F(TemplateFile, TemplatesOutsideTheFolderAreNeitherReadNorWritten) {
    const Zk_String outside = Zk_String(WindowsPathFromHost(lib.hostFolder().parent_path().string())) + L"\\x.txt";
    lib.writeText("../x.txt", "int nrOfControls = 0\n");
    Zk_DlgDesignerData data;
    ASSERT_TRUE(data.initialize(&dialog, kFirstId, kLastId, 0, 0, 0, 0, 0, true));
    data.append(makeControl(2, 0, 0, 0.1, 0.1));
    EXPECT_FALSE(data.readFromFile(outside, false));
    EXPECT_EQ(data.getNrControls(), 1);
    EXPECT_FALSE(data.writeToFile(lib.path(L"..\\y.txt")));
    EXPECT_FALSE(std::filesystem::exists(lib.hostFolder().parent_path() / "y.txt"));
    EXPECT_FALSE(data.readFromFile(lib.path(L"Missing.txt"), false));
}

TEST_F(TemplateFile, NamesAndTheListOfTemplates) {
    Zk_String name = L"unchanged";
    EXPECT_TRUE(getNameFromFile(lib.path(L"Plates\\End.txt"), name));
    EXPECT_EQ(name, L"Plates\\End");
    name = L"unchanged";
    EXPECT_FALSE(getNameFromFile(L"C:\\elsewhere\\End.txt", name));
    EXPECT_EQ(name, L"unchanged");

    lib.writeText("b.txt", "");
    lib.writeText("Plates/a.txt", "");
    lib.writeText("Plates/a.bmp", "");
    lib.writeText("C.txt", "");
    Zk_StringArray names;
    getModuleImages(names);
    ASSERT_EQ(names.length(), 3);
    EXPECT_EQ(names[0], L"b");
    EXPECT_EQ(names[1], L"C");
    EXPECT_EQ(names[2], L"Plates\\a");
}

TEST_F(TemplateFile, WhiteIsTransparentThroughTheMask) {
    win::Surface picture(4, 2, RGB(255, 255, 255));
    picture.setPixel(1, 0, RGB(10, 20, 30));
    picture.setPixel(2, 1, RGB(0, 0, 0));
    lib.writeBitmap("Mask.bmp", picture);
    Zk_DlgDesignerData data;
    ASSERT_TRUE(data.initialize(&dialog, kFirstId, kLastId, 0, 0, 0, 0, 0, false));
    ASSERT_TRUE(data.attachBitmap(lib.path(L"Mask.bmp")));
    EXPECT_EQ(data.getMask().pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(data.getMask().pixel(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(data.getImage().pixel(0, 0), RGB(0, 0, 0));

    // Drawn over a coloured background, white lets the background show.
    CBitmap target;
    target.Attach(win::CreateBitmapFromSurface(win::Surface(6, 3, RGB(0, 128, 0))));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&target);
    EXPECT_EQ(data.OnEraseBkgnd(&dc), 0);
    EXPECT_EQ(target.surface()->pixel(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(target.surface()->pixel(1, 0), RGB(10, 20, 30));
    EXPECT_EQ(target.surface()->pixel(2, 1), RGB(0, 0, 0));
    EXPECT_EQ(target.surface()->pixel(5, 2), RGB(0, 128, 0)) << "outside the image";

    // A missing file changes nothing.
    EXPECT_FALSE(data.attachBitmap(lib.path(L"None.bmp")));
    int w = 0, h = 0;
    data.getImageSize(w, h);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 2);
}

}  // namespace
