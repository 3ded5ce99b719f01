// The dialog records of a macro file's tabs: cells of every kind, the bolt record with
// slotted holes and hole columns, bolt patterns, profiles, segmented profiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "host/macro_file.h"
#include "win/files.h"
#include "win/paths.h"

namespace {

bool parse(const std::string& text, Zk_Macro& macro, MacroData& data, Zk_String& error) {
    return parseMacroText(Zk_String::fromUtf8(text), Zk_String(L"t.macro"), macro, data, error);
}

TEST(MacroFileTabs, TheExampleMacroLoadsIntoItsGeneralBoltAndProfilePages) {
    const Zk_String path(WindowsPathFromHost(std::string(TQ_SOURCE_DIR) + "/examples/macros/EndPlate.macro"));
    Zk_DbMacro db;
    MacroData data;
    Zk_String error;
    ASSERT_TRUE(readMacroFile(path, db, data, error)) << error.toUtf8();
    ASSERT_EQ(data.tabs.length(), 3);

    const MacroTabData& plate = data.tabs[0];
    EXPECT_EQ(plate.kind, kMacroTabGeneral);
    EXPECT_EQ(plate.templateName, L"EndPlate");
    ASSERT_EQ(plate.cells.length(), 7);
    EXPECT_EQ(plate.cells[0].kind, kCellNumber);
    EXPECT_EQ(plate.cells[3].kind, kCellList);
    EXPECT_EQ(plate.cells[3].choices, Zk_StringArray({L"S235", L"S275", L"S355"}));
    EXPECT_EQ(plate.cells[4].kind, kCellEditList);
    EXPECT_EQ(plate.cells[5].kind, kCellCheck);
    EXPECT_EQ(plate.cells[6].caption, L"Weight (kg)");
    EXPECT_TRUE(plate.cells[6].isReadOnly());
    EXPECT_FALSE(plate.cells[0].isReadOnly());

    const MacroTabData& bolts = data.tabs[1];
    EXPECT_EQ(bolts.kind, kMacroTabBolt);
    ASSERT_TRUE(bolts.hasBoltData);
    EXPECT_EQ(bolts.bolt.assembly, L"M20");
    EXPECT_EQ(bolts.bolt.holeTolerance, L"2");
    EXPECT_EQ(bolts.bolt.addedLength, L"5");
    EXPECT_TRUE(bolts.bolt.hasHolesToFill);
    EXPECT_EQ(bolts.bolt.nut1, 1);
    EXPECT_EQ(bolts.bolt.nut2, 0);
    EXPECT_EQ(bolts.bolt.washers, -1);
    ASSERT_EQ(bolts.bolt.slottedHoles.length(), 2);
    EXPECT_EQ(bolts.bolt.slottedHoles[0].active, 1);
    EXPECT_EQ(bolts.bolt.slottedHoles[0].choice, -1);
    EXPECT_EQ(bolts.bolt.slottedHoles[1].active, 0);
    EXPECT_EQ(bolts.bolt.slottedHoles[1].angle, L"90");
    ASSERT_EQ(bolts.bolt.holeColumns.length(), 2);
    EXPECT_EQ(bolts.bolt.holeColumns[1].name, L"Right");
    EXPECT_TRUE(bolts.bolt.holeColumns[1].checked);
    ASSERT_EQ(bolts.patterns.length(), 1);
    const MacroPatternProps& pattern = bolts.patterns[0];
    EXPECT_EQ(pattern.type, kMacroPatternTwoDir);
    EXPECT_EQ(pattern.getCount(Zk_String(L"nr2")), 2);
    EXPECT_EQ(pattern.value, L"2 x 2");
    EXPECT_EQ(pattern.dir2.spacing, L"120");
    EXPECT_EQ(pattern.dir1.entries, Zk_StringArray({L"100"}));

    const MacroTabData& profiles = data.tabs[2];
    EXPECT_EQ(profiles.kind, kMacroTabProfile);
    EXPECT_EQ(profiles.getProfGroups(), Zk_StringArray({L"EndPlate", L"Stiffeners"}));
    EXPECT_EQ(profiles.getProfIdsOfGroup(Zk_String(L"Stiffeners")), Zk_Array<long long>({102, 103}));
    MacroProfData merged;
    ASSERT_TRUE(profiles.getMergedPropsOfGroup(Zk_String(L"Stiffeners"), merged));
    EXPECT_EQ(merged.sectionName, L"PL-PL8");
    EXPECT_EQ(merged.rotation, macroKeepText());  // 90 and 270
    EXPECT_EQ(merged.planeText, L"xp");
    EXPECT_EQ(profiles.profs[0].offsetType, 3);
    ASSERT_EQ(profiles.segmented.length(), 1);
    EXPECT_EQ(profiles.segmented[0].profile, L"HEA-HEA200");
    EXPECT_DOUBLE_EQ(profiles.segmented[0].clearance, 2.5);
    ASSERT_EQ(profiles.segmented[0].segments.length(), 2);
    EXPECT_EQ(profiles.segmented[0].segments[1].number, 2);
    EXPECT_EQ(profiles.segmented[0].segments[1].value, L"250");
}

// A tab holding every record with values away from their defaults.
MacroData everyRecord() {
    MacroData data;
    MacroTabData tab;
    tab.name = Zk_String(L"All");
    tab.kind = kMacroTabBolt;
    tab.advBtnForEveryGroup = true;
    MacroCell cell;
    cell.name = Zk_String(L"Grade");
    cell.kind = kCellEditList;
    cell.choices = Zk_StringArray({L"8.8", L"", L"10 9"});
    cell.editable = false;
    tab.cells.append(cell);
    tab.hasBoltData = true;
    tab.bolt.holeTolerance = Zk_String(L"1.5");
    tab.bolt.fillHoles = true;
    tab.bolt.tapped = -1;
    tab.bolt.washer2 = -1;
    tab.bolt.slottedHoles.append({-1, Zk_String(L"9"), Zk_String(L"24"), Zk_String(L"45"), Zk_String(L"x y"), 2});
    tab.bolt.holeColumns.append({Zk_String(L"Col \"A\""), true});
    MacroPatternProps pattern;
    pattern.name = Zk_String(L"P");
    pattern.type = kMacroPatternTwoDir;
    pattern.nrBolts1 = 3;
    pattern.nrBolts2 = 10000;
    pattern.staggered = -1;
    pattern.alternateB = 1;
    pattern.dir1.entries = Zk_StringArray({L"50", L"60", L"70"});
    pattern.dir2.choice = -1;
    pattern.dir2.useSpacing = 1;
    tab.patterns.append(pattern);
    MacroProfData prof;
    prof.groupName = Zk_String(L"G");
    prof.objectId = 123456789012LL;
    prof.offsetType = -1;
    prof.morphed = true;
    prof.endSectionName = Zk_String(L"IPE-IPE 300");
    prof.sectionPointSet = true;
    prof.sectionPointX = -12.25;
    tab.profs.append(prof);
    MacroProfSegmentedData segmented;
    segmented.name = Zk_String(L"S");
    segmented.breakAtEveryPoint = true;
    segmented.segments.append({7, Zk_String(L"")});
    tab.segmented.append(segmented);
    data.tabs.append(tab);
    return data;
}

TEST(MacroFileTabs, EveryRecordIsWrittenAndReadBackUnchanged) {
    const MacroData data = everyRecord();
    const Zk_String text = macroToText(Zk_Macro(), data);
    Zk_Macro macro;
    MacroData back;
    Zk_String error;
    ASSERT_TRUE(parse(text.toUtf8(), macro, back, error)) << error.toUtf8() << "\n" << text.toUtf8();
    EXPECT_EQ(back, data) << text.toUtf8();
    EXPECT_EQ(macroToText(macro, back), text);
    // Fields at their defaults are left out of what is written.
    EXPECT_EQ(text.find(Zk_String(L"nut1=")), -1) << text.toUtf8();
    EXPECT_NE(text.find(Zk_String(L"  slot active=-1 radius=9")), -1) << text.toUtf8();
}

TEST(MacroFileTabs, MalformedOrHostileRecordsNameTheirLineAndTakeNothing) {
    const std::string head = "Macro version 1.0\ntab T kind=1\n";
    struct Case {
        std::string body;
        const char* why;
    };
    const Case cases[] = {
        {"  slot radius=1\n", "before the tab's \"bolts\""},
        {"  bolts\n  holecolumn\n", "needs 1 name"},
        {"  segment 1 value=2\n", "outside a segmented profile"},
        {"  segmented S\n  segment 0\n", "bad segment number"},
        {"  segmented S\n  segment 99999999999\n", "bad segment number"},
        {"  pattern P bolts1=100000\n", "bolts1"},
        {"  pattern P type=3\n", "type"},
        {"  pattern P\n  pattern P\n", "given twice"},
        {"  pattern P staggered=2\n", "staggered"},
        {"  bolts\n  slot choice=3\n", "choice"},
        {"  bolts nut1=1e300\n", "nut1"},
        {"  profile id=-5\n", "id"},
        {"  profile id=1e300\n", "id"},
        {"  profile id=4\n  profile id=4\n", "given twice"},
        {"  profile colour=red\n", "unknown field \"colour\""},
        {"  profile P\n", "needs no words"},
        {"  cell C kind=6\n", "kind"},
        {"  cell C kind=1 kind=2\n", "given twice"},
        {"  segmented S clearance=wide\n", "clearance"},
    };
    for (const Case& c : cases) {
        Zk_Macro macro;
        MacroData data;
        data.caption = Zk_String(L"untouched");
        Zk_String error;
        const std::string text = head + c.body;
        EXPECT_FALSE(parse(text, macro, data, error)) << c.body;
        const int line = 2 + static_cast<int>(std::count(c.body.begin(), c.body.end(), '\n'));
        EXPECT_TRUE(error.startsWith(Zk_String(L"t.macro(") + Zk_String(line) + Zk_String(L"): "))) << error.toUtf8();
        EXPECT_NE(error.find(Zk_String::fromUtf8(c.why)), -1) << error.toUtf8();
        EXPECT_EQ(data.caption, L"untouched");
    }
    // Outside a tab, the tab's records are out of place; inside a module "pattern" is
    // the module's bolt pattern.
    Zk_Macro macro;
    MacroData data;
    Zk_String error;
    EXPECT_FALSE(parse("Macro version 1.0\nprofile group=G\n", macro, data, error));
    EXPECT_NE(error.find(Zk_String(L"outside a tab")), -1) << error.toUtf8();
    ASSERT_TRUE(parse("Macro version 1.0\nmodule M\n  pattern P bolts1=2\n", macro, data, error)) << error.toUtf8();
    EXPECT_EQ(macro.modules[0].patterns.length(), 1);
}

const char* const kWritten =
    "Macro version 1.0\r\n"
    "tab Bolts kind=1\r\n"
    "  bolts diameter=20 holeoffset=2 assembly=M20   nut1=1\r\n"
    "  # slots\r\n"
    "  slot active=1   radius=11.0 length=30\r\n"
    "  slot radius=9 length=20\r\n"
    "  holecolumn Left checked=1\r\n"
    "  pattern P1 type=2 bolts1=2 entries1=\"100|100\"\r\n"
    "tab Profiles kind=2\r\n"
    "  profile group=G id=7 rotation=0\r\n"
    "  segmented S clearance=2.50\r\n"
    "    segment 1 value=100\r\n";

std::string updated(const std::function<void(MacroData&)>& change) {
    Zk_DbMacro db;
    MacroData data;
    Zk_String error;
    EXPECT_TRUE(parseMacroFileBytes(kWritten, Zk_String(L"w.macro"), db, data, error)) << error.toUtf8();
    change(data);
    return updatedMacroText(kWritten, db.macro(), data);
}

TEST(MacroFileTabs, AnUpdateChangesOnlyTheValuesThatChanged) {
    EXPECT_EQ(updated([](MacroData&) {}), kWritten);
    std::string expected = kWritten;
    auto replace = [&expected](const std::string& from, const std::string& to) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace("radius=11.0", "radius=12");
    replace("slot radius=9 length=20\r\n", "slot radius=9 length=20 active=1\r\n");
    replace("rotation=0\r\n", "rotation=\"45 deg\"\r\n");
    replace("entries1=\"100|100\"", "entries1=100|100|80");
    replace("segment 1 value=100", "segment 1 value=90");
    replace("   nut1=1", "");  // back to its default: the field goes
    EXPECT_EQ(updated([](MacroData& data) {
                  MacroBoltData& bolt = data.tabs[0].bolt;
                  bolt.slottedHoles[0].radius = Zk_String(L"12");
                  bolt.slottedHoles[1].active = 1;
                  bolt.nut1 = 0;
                  data.tabs[0].patterns[0].dir1.entries.append(Zk_String(L"80"));
                  data.tabs[1].profs[0].rotation = Zk_String(L"45 deg");
                  data.tabs[1].segmented[0].segments[0].value = Zk_String(L"90");
              }),
              expected);
    // Another slot is another shape: the whole text is written anew.
    const std::string reshaped = updated([](MacroData& data) { data.tabs[0].bolt.slottedHoles.removeAt(1); });
    EXPECT_EQ(reshaped.find("# slots"), std::string::npos);
    EXPECT_NE(reshaped.find("  slot active=1 radius=11.0 length=30\n  holecolumn"), std::string::npos) << reshaped;
    EXPECT_NE(reshaped.find("\n    segment 1 value=100\n"), std::string::npos) << reshaped;
}

}  // namespace

namespace {

TEST(MacroFileTabs, AnEvaluationOfTheExampleChangesOnlyItsValuesAndKeepsTheTabRecords) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(WindowsPathFromHost(std::string(TQ_SOURCE_DIR) + "/examples/macros/EndPlate.macro"), bytes,
                              1 << 20));
    Zk_DbMacro db;
    MacroData data;
    Zk_String error;
    ASSERT_TRUE(parseMacroFileBytes(bytes, Zk_String(L"EndPlate.macro"), db, data, error)) << error.toUtf8();
    db.macroWrite().modules[0].variables[1].value = 260;  // Width, as the standard gives it
    data.tabs[1].bolt.diameter = Zk_String(L"16");
    std::string expected = bytes;
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"var Width 200", "var Width 260"},
                                   {"bolts diameter=20", "bolts diameter=16"}}) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    }
    EXPECT_EQ(updatedMacroText(bytes, db.macro(), data), expected);
}

}  // namespace
