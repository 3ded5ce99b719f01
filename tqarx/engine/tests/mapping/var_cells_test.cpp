#include "engine/km_var_cells.h"

#include <gtest/gtest.h>

#include "mapping_test_support.h"
#include "win/msgbox.h"

namespace {

TEST(Declarations, TypeWordBeginsTheTrimmedText) {
    struct Case {
        const wchar_t* text;
        bool declares;
        KmValueType type;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"   Double Width  ", true, KmValueType::Double, L"Width"},
        {L"Integer Count", true, KmValueType::Int, L"Count"},
        {L"Int", true, KmValueType::Int, L""},
        {L"String", true, KmValueType::String, L""},
        {L"String Long name", true, KmValueType::String, L"Long name"},
        {L"Text Name", false, KmValueType::String, L""},
        {L"int Lower", false, KmValueType::String, L""},
        {L"Input", false, KmValueType::String, L""},
        {L"", false, KmValueType::String, L""},
    };
    for (const Case& c : cases) {
        KmValueType type = KmValueType::String;
        Zk_String name(L"before");
        EXPECT_EQ(KmVarCell::parseDeclaration(Zk_String(c.text), type, name), c.declares) << Zk_String(c.text).toUtf8();
        if (!c.declares) continue;
        EXPECT_EQ(type, c.type) << Zk_String(c.text).toUtf8();
        EXPECT_EQ(name, c.name) << Zk_String(c.text).toUtf8();
    }
}

// A standards sheet: the grid of a dialog, filled cell by cell.
class VarCellsSheet : public MacroFixture {
protected:
    void SetUp() override {
        MacroFixture::SetUp();
        ASSERT_TRUE(grid.makeGrid());
        sheet().setColCount(4);
        sheet().setRowCount(12);
    }
    Zk_Spread& sheet() { return grid.spread; }
    void put(int col, int row, const wchar_t* text) { ASSERT_TRUE(sheet().writeCellText(col, row, Zk_String(text))); }
    // Input (Column, Thickness), Output (Width, Length), Local (Tmp), Calc.
    void fillStandard(bool withCalc = true) {
        put(1, 1, L"Input");
        put(1, 2, L"String Column");
        put(3, 2, L"  Double Thickness");
        put(1, 4, L"Output");
        put(2, 5, L"Double Width");
        put(2, 6, L"Int Length");
        put(1, 8, L"Local");
        put(1, 9, L"Double Tmp");
        if (withCalc) put(1, 11, L"Calc");
    }
    std::vector<std::wstring> names(const KmVarCells& cells) {
        std::vector<std::wstring> out;
        for (const KmVarCell& c : cells.cells())
            out.push_back(c.varName.wstr() + L"/" + std::to_wstring(static_cast<int>(c.cellType)));
        return out;
    }
    GridDialog grid;
};

TEST_F(VarCellsSheet, BlocksRunToTheRowAfterTheNextKeyword) {
    fillStandard();
    put(4, 5, L"String Note");  // the row right after "Output"... and a second declaration in it
    KmVarCells cells;
    ASSERT_EQ(cells.readDeclarations(sheet()), Acad::eOk);
    // Row 5 follows "Output" and is read as the last input row and the first output row;
    // row 9 follows "Local" and ends the output block.
    EXPECT_EQ(names(cells), (std::vector<std::wstring>{L"Column/0", L"Thickness/0", L"Width/0", L"Note/0", L"Width/1",
                                                       L"Note/1", L"Length/1", L"Tmp/1", L"Tmp/2"}));
    EXPECT_EQ(cells[1].col, 3);
    EXPECT_EQ(cells[1].row, 2);
    EXPECT_EQ(cells[1].valueType, KmValueType::Double);
}

TEST_F(VarCellsSheet, LocalAsTheLastKeywordHasNoRowsAndMissingBlocksFail) {
    fillStandard(false);
    KmVarCells cells;
    ASSERT_EQ(cells.readDeclarations(sheet()), Acad::eOk);
    for (const KmVarCell& c : cells.cells()) EXPECT_FALSE(c.isLocal()) << c.varName.toUtf8();
    put(1, 4, L"Outputs");
    cells.resetVarCells();
    EXPECT_EQ(cells.readDeclarations(sheet()), Acad::eInvalidInput);
}

class VarCellsMacro : public VarCellsSheet {
protected:
    void SetUp() override {
        VarCellsSheet::SetUp();
        fillStandard();
        ASSERT_EQ(cells.readDeclarations(sheet()), Acad::eOk);
        // Mapping of this macro: Column and Width are mapped, Thickness and Length are not.
        const std::string bullet = "\xE2\x80\xA2", inv = "\xC2\xBF", hook = "\xC6\x92";
        lib.write("Connection Standards/EndPlate.map",
                  "Mapping version 1.0\nEndPlate=Column" + hook + bullet + "PrPlName Prof0" + inv + "Width" + hook +
                      "Plates" + bullet + "Distance Width\n");
        win::ClearMessageBoxLog();
    }
    KmVarCells cells;
};

TEST_F(VarCellsMacro, ReadsInputsAndOutputsAndReportsWhatIsMissing) {
    gSettings.current.standardsDiagnostics = true;
    int tmp = -1;
    ASSERT_EQ(cells.findVarCell(Zk_String(L"Tmp"), tmp), Acad::eOk);
    cells[tmp].value = Zk_String(L"left over");
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(cells.mapping().mappingMode, KmTqMapping::kMappingFileMode);
    EXPECT_EQ(cells[0].value, L"HEA-HEA200");
    int width = -1;
    ASSERT_EQ(cells.findVarCell(Zk_String(L"Width"), width), Acad::eOk);
    EXPECT_EQ(cells[width].value, L"180");  // the group's last module with a Width
    for (const KmVarCell& c : cells.cells()) {
        if (c.isLocal()) {
            EXPECT_TRUE(c.value.isEmpty());
        }
    }

    const auto& boxes = win::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 3u);  // Thickness (input), Length and Tmp (outputs)
    EXPECT_EQ(boxes[0].text,
              L"The following Input variable couldn't be retrieved : \nThickness\n"
              L"Make sure the variable exists in the macro or module.\nSpreadsheet : EndPlate");
    EXPECT_EQ(boxes[1].text,
              L"The following Output variable couldn't be set : \nLength\n"
              L"Make sure the variable exists in the macro or module.\nSpreadsheet : EndPlate");
    EXPECT_EQ(boxes[0].flags & (MB_ICONMASK | MB_TYPEMASK), MB_ICONEXCLAMATION | MB_OK);
}

TEST_F(VarCellsMacro, QuietWithoutDiagnosticsAndUntouchedWithoutMapping) {
    gSettings.current.standardsDiagnostics = false;
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_TRUE(win::MessageBoxLog().empty());

    KmVarCells fresh;
    ASSERT_EQ(fresh.readDeclarations(sheet()), Acad::eOk);
    fresh[0].value = Zk_String(L"mine");
    data.macroName = Zk_String(L"NoSuchMacro");
    ASSERT_EQ(fresh.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(fresh[0].value, L"mine");

    data.dbMacro = nullptr;
    EXPECT_EQ(fresh.getFromMacro(data), Acad::eInvalidInput);
}

TEST_F(VarCellsMacro, ValuesTravelIntoTheSheetWithTheirFormatsAndBack) {
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    int thickness = -1;
    int length = -1;
    cells.findVarCell(Zk_String(L"Thickness"), thickness);
    cells.findVarCell(Zk_String(L"Length"), length);
    cells[thickness].value = Zk_String(L"12.5");
    cells[length].value = Zk_String(L"300");
    ASSERT_EQ(cells.setValuesToTq(sheet()), Acad::eOk);

    SS_CELLTYPEINFO info;
    ASSERT_TRUE(SSGetCellTypeInfo(sheet().GetSafeHwnd(), 3, 2, &info));
    EXPECT_EQ(info.type, SS_TYPE_NUMBER);
    EXPECT_EQ(info.decimals, 7);
    EXPECT_EQ(info.minValue, -99999999999999.0);
    EXPECT_EQ(info.maxValue, 99999999999999.0);
    ASSERT_TRUE(SSGetCellTypeInfo(sheet().GetSafeHwnd(), 2, 6, &info));
    EXPECT_EQ(info.type, SS_TYPE_NUMBER);
    EXPECT_EQ(info.decimals, 0);
    ASSERT_TRUE(SSGetCellTypeInfo(sheet().GetSafeHwnd(), 1, 2, &info));
    EXPECT_EQ(info.type, SS_TYPE_EDIT);
    EXPECT_EQ(info.maxLength, 9999);
    Zk_String text;
    ASSERT_TRUE(sheet().readCellText(3, 2, text));
    EXPECT_EQ(text, L"12.5");
    ASSERT_TRUE(sheet().readCellText(1, 2, text));
    EXPECT_EQ(text, L"HEA-HEA200");

    // The sheet changes an output; only outputs are read back, then written to the macro.
    ASSERT_TRUE(sheet().writeCellText(2, 5, Zk_String(L"222")));
    ASSERT_TRUE(sheet().writeCellText(3, 2, Zk_String(L"99")));
    ASSERT_EQ(cells.getValuesFromTq(sheet()), Acad::eOk);
    EXPECT_EQ(cells[thickness].value, L"12.5");
    // Index 3 is the output Width (index 2 the input of the same name and cell).
    ASSERT_TRUE(cells[3].isOutput());
    EXPECT_EQ(cells[3].value, L"222");
    ASSERT_EQ(cells.setToMacro(data), Acad::eOk);
    EXPECT_EQ(module(L"Plate").findConstrVar(Zk_String(L"Width"))->value, 222.0);

    // A text a number cell refuses stops the write.
    cells[thickness].value = Zk_String(L"thick");
    EXPECT_EQ(cells.setValuesToTq(sheet()), Acad::eInvalidInput);
}

TEST(VarCellLists, SameInputIgnoresOutputsAndLocals) {
    auto cell = [](const wchar_t* name, KmCellType type, const wchar_t* value) {
        KmVarCell c;
        c.varName = Zk_String(name);
        c.cellType = type;
        c.value = Zk_String(value);
        c.valueType = KmValueType::Double;
        return c;
    };
    KmVarCells a;
    a.append(cell(L"A", KmCellType::Input, L"1"));
    a.append(cell(L"Out", KmCellType::Output, L"5"));
    a.append(cell(L"Loc", KmCellType::Local, L"7"));
    KmVarCells b;
    b.append(cell(L"Out", KmCellType::Output, L"6"));
    b.append(cell(L"A", KmCellType::Input, L"1"));
    EXPECT_TRUE(a.hasSameInput(b));
    b[1].value = Zk_String(L"2");
    EXPECT_FALSE(a.hasSameInput(b));
    b[1].value = Zk_String(L"1");
    b[1].valueType = KmValueType::Int;
    EXPECT_FALSE(a.hasSameInput(b));
    EXPECT_FALSE(a.hasSameInput(KmVarCells()));
    EXPECT_TRUE(KmVarCells().hasSameInput(a));
}

}  // namespace
