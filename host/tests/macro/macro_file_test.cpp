#include "host/macro_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "win/files.h"

#include "host/files.h"
#include "macro_test_support.h"

namespace {

struct Parsed {
    Zk_Macro macro;
    MacroData data;
    Zk_String error;
    bool ok = false;
};

Parsed parse(const Zk_String& text, const Zk_String& file = Zk_String(L"test.mac")) {
    Parsed p;
    p.ok = parseMacroText(text, file, p.macro, p.data, p.error);
    return p;
}

TEST(MacroFile, ReadsEveryPartOfTheSample) {
    Parsed p = parse(Zk_String(kSampleMacro));
    ASSERT_TRUE(p.ok) << p.error.toUtf8();
    EXPECT_EQ(p.macro.name, L"EndPlate");
    EXPECT_EQ(p.data.caption, L"End plate connection");
    ASSERT_EQ(p.macro.genVars.length(), 2);
    EXPECT_EQ(p.macro.genVars[0].value, 10.0);
    ASSERT_EQ(p.macro.baseProfiles.length(), 2);
    EXPECT_EQ(p.macro.baseProfiles[1].sectionName, L"IPE-IPE 300");
    ASSERT_EQ(p.macro.modules.length(), 3);

    const Zk_Module& plate = p.macro.modules[0];
    EXPECT_EQ(plate.classCode, kProfileModuleClass);
    EXPECT_EQ(plate.groupName, L"Plates");
    ASSERT_EQ(plate.variables.length(), 3);
    EXPECT_DOUBLE_EQ(plate.variables[1].value, 300.5);
    EXPECT_FALSE(plate.variables[1].inDialog);
    EXPECT_TRUE(plate.variables[0].hasFlexFixBtn);
    EXPECT_TRUE(plate.variables[0].flexible);
    EXPECT_TRUE(plate.variables[2].fixed);
    EXPECT_FALSE(plate.variables[1].hasFlexFixBtn);
    ASSERT_EQ(plate.cuts.length(), 1);
    EXPECT_TRUE(plate.cuts[0].hasOffset[kCutOffset]);
    EXPECT_TRUE(plate.cuts[0].hasOffset[kCutRadius]);
    EXPECT_FALSE(plate.cuts[0].hasOffset[kCutPolyOffset]);
    EXPECT_EQ(plate.cuts[0].offset[kCutRadius], 5.0);
    ASSERT_EQ(plate.placements.length(), 2);
    EXPECT_EQ(plate.placements[1].material, L"S355");

    const Zk_Module& bolts = p.macro.modules[1];
    ASSERT_EQ(bolts.patterns.length(), 2);
    EXPECT_EQ(bolts.patterns[0].classCode, kTwoDirPatternClass);
    EXPECT_EQ(bolts.patterns[0].nrBolts2, 3);
    EXPECT_TRUE(bolts.patterns[0].reverseStart2);

    ASSERT_EQ(p.data.tabs.length(), 1);
    EXPECT_EQ(p.data.tabs[0].kind, kMacroTabBolt);
    EXPECT_TRUE(p.data.tabs[0].hasBoltData);
    EXPECT_EQ(p.data.tabs[0].bolt.diameter, L"20");
    EXPECT_EQ(p.data.tabs[0].cells[0].caption, L"Plate width");
}

TEST(MacroFile, TextRoundTripsUnchanged) {
    Parsed first = parse(Zk_String(kSampleMacro));
    ASSERT_TRUE(first.ok) << first.error.toUtf8();
    // Values that need quoting survive too.
    first.macro.modules[0].placements[0].memberName = Zk_String(L"Web \"A\" = 1 # x");
    first.data.tabs[0].cells[0].value = Zk_String();
    Zk_String text = macroToText(first.macro, first.data);
    Parsed second = parse(text);
    ASSERT_TRUE(second.ok) << second.error.toUtf8() << "\n" << text.toUtf8();
    EXPECT_EQ(second.macro, first.macro);
    EXPECT_EQ(second.data, first.data);
    EXPECT_EQ(macroToText(second.macro, second.data), text);
}

TEST(MacroFile, WritesAtomicallyAndReadsBackChangedValues) {
    ScratchFolder folder("file");
    const Zk_String path = folder.win("endplate.mac");
    Parsed p = parse(Zk_String(kSampleMacro));
    ASSERT_TRUE(p.ok);
    Zk_DbMacro db(p.macro);
    Zk_Module* plate = nullptr;
    ASSERT_EQ(db.findModuleWrite(Zk_String(L"Plate"), plate), Acad::eOk);
    Zk_String width(L"250.25");
    ASSERT_EQ(plate->getSetConstrVarValue(Zk_String(L"Width"), width, false), Acad::eOk);
    Zk_String error;
    ASSERT_TRUE(writeMacroFile(path, db, p.data, error)) << error.toUtf8();

    Zk_DbMacro back;
    MacroData backData;
    ASSERT_TRUE(readMacroFile(path, back, backData, error)) << error.toUtf8();
    EXPECT_EQ(back.macro(), db.macro());
    EXPECT_DOUBLE_EQ(back.macro().modules[0].variables[0].value, 250.25);

    // A write into a folder that does not exist fails and says so.
    EXPECT_FALSE(writeMacroFile(folder.win("missing/x.mac"), db, p.data, error));
    EXPECT_NE(error.find(Zk_String(L"cannot be written")), -1);
}

TEST(MacroFile, MalformedFilesAreRejectedWithFileAndLine) {
    struct Case {
        const wchar_t* text;
        int line;
        const wchar_t* why;
    };
    const Case cases[] = {
        {L"macro A\n", 1, L"Macro version 1.0"},
        {L"Macro version 1.0\nmacro A\nbogus x\n", 3, L"unknown keyword"},
        {L"Macro version 1.0\n\n# c\nvar W 1\n", 4, L"outside a module"},
        {L"Macro version 1.0\nmodule M class=232\n  var W abc\n", 3, L"bad number"},
        {L"Macro version 1.0\nmodule M class=23x\n", 2, L"bad value"},
        {L"Macro version 1.0\nmodule M\nmodule M\n", 3, L"given twice"},
        {L"Macro version 1.0\nmodule M\n  cut C Nonsense=1\n", 3, L"unknown field"},
        {L"Macro version 1.0\nmacro \"open\n", 2, L"unterminated quote"},
        {L"Macro version 1.0\nmodule M\n  pattern P bolts1=0\n", 3, L"bad value"},
        {L"Macro version 1.0\ntab T\n  bolts diameter=1\n  bolts diameter=2\n", 4, L"given twice"},
        {L"Macro version 1.0\nmodule M class=1 class=2\n", 2, L"given twice"},
        {L"Macro version 1.0\ngenvar gen_A\n", 2, L"needs 2 words"},
    };
    for (const Case& c : cases) {
        Zk_Macro macro;
        macro.name = Zk_String(L"untouched");
        MacroData data;
        Zk_String error;
        EXPECT_FALSE(parseMacroText(Zk_String(c.text), Zk_String(L"C:\\m\\bad.mac"), macro, data, error)) << c.line;
        const Zk_String where = Zk_String(L"C:\\m\\bad.mac(") + Zk_String(c.line) + Zk_String(L"): ");
        EXPECT_TRUE(error.startsWith(where)) << error.toUtf8();
        EXPECT_NE(error.find(Zk_String(c.why)), -1) << error.toUtf8();
        EXPECT_EQ(macro.name, L"untouched");
    }
}

TEST(MacroFile, UnreadableFileIsAnError) {
    ScratchFolder folder("unreadable");
    Zk_DbMacro db;
    MacroData data;
    Zk_String error;
    EXPECT_FALSE(readMacroFile(folder.win("none.mac"), db, data, error));
    EXPECT_NE(error.find(Zk_String(L"none.mac")), -1);
}

}  // namespace

namespace {

// A file as a user writes it: comments, blank lines, a byte-order mark, CR LF endings,
// odd spacing, numbers written their own way, fields left to their defaults.
const char* const kHandWritten =
    "\xEF\xBB\xBF# my end plate\r\n"
    "Macro version 1.0\r\n"
    "\r\n"
    "macro EndPlate\r\n"
    "genvar  gen_Gap   10.0\r\n"
    "module Plate class=233   group=Plate\r\n"
    "    # the plate itself\r\n"
    "\tvar Thickness 10 dialog=1 editable=1\r\n"
    "\tvar Width  200.00   dialog=1  editable=1   \r\n"
    "\tvar Length 200 dialog=1 editable=1 button=fixed\r\n"
    "  cut Side CutOffset=5\r\n"
    "module Bolts class=232 group=Bolts\r\n"
    "  pattern P1 class=282 bolts1=2 bolts2=2\r\n"
    "tab Bolts kind=1\r\n"
    "  bolts diameter=20 holeoffset=2 assembly=M20\r\n"
    "  cell Gauge value=100 caption=\"Bolt gauge\"\r\n"
    "# end\r\n";

std::string changed(const std::string& written, const std::function<void(Zk_Macro&, MacroData&)>& change) {
    Zk_DbMacro db;
    MacroData data;
    Zk_String error;
    EXPECT_TRUE(parseMacroFileBytes(written, Zk_String(L"hand.macro"), db, data, error)) << error.toUtf8();
    change(db.macroWrite(), data);
    return updatedMacroText(written, db.macro(), data);
}

}  // namespace

TEST(MacroFileUpdate, OnlyTheChangedValuesChange) {
    const std::string written = kHandWritten;
    // Nothing changed: byte for byte.
    EXPECT_EQ(changed(written, [](Zk_Macro&, MacroData&) {}), written);
    // A value changes where it stands, the rest of its line and every other line stay.
    std::string expected = written;
    auto replace = [&expected](const std::string& from, const std::string& to) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace("var Width  200.00   dialog", "var Width  260   dialog");
    replace("genvar  gen_Gap   10.0", "genvar  gen_Gap   12.5");
    replace("bolts1=2 bolts2=2", "bolts1=3 bolts2=2");
    replace("diameter=20", "diameter=24");
    replace("value=100 caption", "value=\"1 1 0\" caption");
    EXPECT_EQ(changed(written,
                      [](Zk_Macro& macro, MacroData& data) {
                          macro.modules[0].variables[1].value = 260;
                          macro.genVars[0].value = 12.5;
                          macro.modules[1].patterns[0].nrBolts1 = 3;
                          data.tabs[0].bolt.diameter = Zk_String(L"24");
                          data.tabs[0].cells[0].value = Zk_String(L"1 1 0");  // needs quotes
                      }),
              expected);
}

TEST(MacroFileUpdate, FieldsLeftOutAreAddedAndFieldsThatNoLongerApplyRemoved) {
    const std::string written = kHandWritten;
    std::string expected = written;
    auto replace = [&expected](const std::string& from, const std::string& to) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    // The pattern's reverse flag was left to its default, the cut had no radius; the
    // fixed button becomes flexible; the Thickness button goes.
    replace("bolts1=2 bolts2=2\r\n", "bolts1=2 bolts2=2 reverse2=1\r\n");
    replace("CutOffset=5\r\n", "CutOffset=5 CutRadius=3\r\n");
    replace("button=fixed", "button=flexible");
    EXPECT_EQ(changed(written,
                      [](Zk_Macro& macro, MacroData&) {
                          macro.modules[1].patterns[0].reverseStart2 = true;
                          macro.modules[0].cuts[0].offset[8] = 3;
                          macro.modules[0].cuts[0].hasOffset[8] = true;
                          macro.modules[0].variables[2].fixed = false;
                          macro.modules[0].variables[2].flexible = true;
                      }),
              expected);
    const std::string removed = changed(written, [](Zk_Macro& macro, MacroData&) {
        macro.modules[0].variables[2].hasFlexFixBtn = false;
    });
    EXPECT_NE(removed.find("\tvar Length 200 dialog=1 editable=1\r\n"), std::string::npos) << removed;
}

TEST(MacroFileUpdate, OtherRecordsOrUnreadableBytesGiveTheWholeText) {
    const std::string written = kHandWritten;
    Zk_DbMacro db;
    MacroData data;
    Zk_String error;
    ASSERT_TRUE(parseMacroFileBytes(written, Zk_String(L"hand.macro"), db, data, error));
    Zk_ConstrVar added;
    added.name = Zk_String(L"Extra");
    db.macroWrite().modules[0].variables.append(added);
    EXPECT_EQ(updatedMacroText(written, db.macro(), data), macroToText(db.macro(), data).toUtf8());
    EXPECT_EQ(updatedMacroText("not a macro file", db.macro(), data), macroToText(db.macro(), data).toUtf8());
}

TEST(MacroFileUpdate, WriteKeepsTheOldFileOnFailure) {
    ScratchFolder folder("update");
    const Zk_String path = folder.win("hand.macro");
    Zk_DbMacro db;
    MacroData data;
    Zk_String error;
    ASSERT_TRUE(parseMacroFileBytes(kHandWritten, path, db, data, error));
    db.macroWrite().modules[0].variables[1].value = 260;
    ASSERT_TRUE(writeMacroFileAsWritten(path, kHandWritten, db, data, error)) << error.toUtf8();
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(path.wstr(), bytes, 1 << 20));
    EXPECT_NE(bytes.find("var Width  260   dialog=1  editable=1   \r\n"), std::string::npos);
    EXPECT_EQ(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0);
    EXPECT_FALSE(writeMacroFileAsWritten(folder.win("missing/x.macro"), kHandWritten, db, data, error));
    EXPECT_NE(error.find(Zk_String(L"cannot be written")), -1);
}
