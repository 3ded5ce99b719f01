// Runs the built tq program as a user would, on the bundled example library.
#include "tq_program.h"

namespace {

using namespace tqtest;

// HEA 200 (h 190, b 200), plate 10: overhang 15 + 10 = 25 on each side.
//   width  200 + 50 = 250 -> the next stocked width within +20: 260
//   length 190 + 50 = 240 -> the next cut length within +30: 250
//   bolts for a 10 plate: M16; edge distance for M16: 25; hole 18
//   gauge  200 - 2*25 - 2*18 = 114 -> 110
TEST_F(TqProgram, ValueModePrintsTheOutputsInDeclarationOrder) {
    const TqRun run = tq("eval --library " + library() + " EndPlate Column=HEA200 Thickness=10");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Width=260\nLength=250\nBoltDiameter=16\nGauge=110\nEdgeDistance=25\n");
}

// HEB 240 (h 240, b 240), plate 20: overhang 35.
//   width  310 -> 320; length 310 lies on the 10 mm step (no stocked length within
//   +30 or -0) -> 310; bolts M24, edge 35, hole 26; gauge 240 - 70 - 52 = 118 -> 120
TEST_F(TqProgram, ValueModeWithTheBundledLibraryByDefault) {
    const TqRun run = tq("eval EndPlate Thickness=20 Column=HEB240 --json");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"outputs\":{\"Width\":\"320\",\"Length\":\"310\",\"BoltDiameter\":\"24\","
                           "\"Gauge\":\"120\",\"EdgeDistance\":\"35\"}"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"ok\":true"), std::string::npos);
}

TEST_F(TqProgram, TimingsGiveTheStepsTheirMeasuredTime) {
    const TqRun run = tq("eval EndPlate Thickness=20 Column=HEB240 --json --timings");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string key = "\"gCalcCells\":{\"seconds\":";
    const std::size_t at = run.out.find(key);
    ASSERT_NE(at, std::string::npos) << run.out;
    EXPECT_GT(std::stod(run.out.substr(at + key.size())), 0.0) << run.out;
    EXPECT_EQ(tq("eval EndPlate Thickness=20 Column=HEB240 --json").out.find("timings"), std::string::npos);
}

TEST_F(TqProgram, MacroModeWritesTheChangedMacro) {
    const fs::path macro = dir / "EndPlate.macro";
    fs::copy_file(fs::path(TQ_SOURCE_DIR) / "examples/macros/EndPlate.macro", macro);
    const fs::path out = dir / "out.macro";
    // --out leaves the original alone.
    TqRun run = tq("eval --macro " + quote(macro.string()) + " --out " + quote(out.string()) +
                 " --timings EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Width=260\nLength=250\nBoltDiameter=16\nGauge=110\nEdgeDistance=25\n");
    EXPECT_NE(run.err.find("gCalcMain"), std::string::npos) << run.err;
    const std::string written = readAll(out);
    EXPECT_NE(written.find("Width 260"), std::string::npos) << written;
    EXPECT_NE(written.find("Length 250"), std::string::npos);
    EXPECT_NE(written.find("Gauge 110"), std::string::npos);
    EXPECT_NE(written.find("EdgeDistance 25"), std::string::npos);
    EXPECT_NE(readAll(macro).find("var Width 200"), std::string::npos);

    // In place: the macro file itself changes; a second run gives the same outputs.
    run = tq("eval --macro " + quote(macro.string()) + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(readAll(macro).find("Width 260"), std::string::npos);
    EXPECT_EQ(tq("eval --macro " + quote(macro.string()) + " EndPlate").out, run.out);
}

TEST_F(TqProgram, BadInputIsReportedWithItsExitStatus) {
    // Unknown variable: usage error naming what the standard takes.
    TqRun run = tq("eval EndPlate Column=HEA200 Colour=red");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Colour"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Column, Thickness"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    // An unknown section leaves outputs without a value: the run fails naming them; the
    // outputs are printed all the same. The engine's boxes appear only with --diagnostics.
    run = tq("eval EndPlate Column=HEA999 Thickness=10");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Width=50\nLength=50\nBoltDiameter=16\nGauge=\nEdgeDistance=\n");
    EXPECT_NE(run.err.find("failed: Gauge and EdgeDistance have no value"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("[tq]"), std::string::npos) << run.err;
    run = tq("eval --diagnostics EndPlate Column=HEA999 Thickness=10");
    EXPECT_NE(run.err.find("[tq] The following equation failed:\nColumnDepth = SECTIONSIZE"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("(after the message: The following equation failed: ColumnDepth = SECTIONSIZE"),
              std::string::npos)
        << run.err;

    // Missing standard and missing macro file.
    run = tq("eval NoSuchStandard");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("NoSuchStandard"), std::string::npos);
    run = tq("eval --macro " + quote((dir / "none.macro").string()) + " EndPlate");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("none.macro"), std::string::npos) << run.err;

    // A file that is no spreadsheet at all, and a sheet without declarations.
    std::ofstream(dir / "garbage.kms") << "KMSHEET\t1\nsize\tx\n";
    run = tq("eval " + quote((dir / "garbage.kms").string()));
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find("cannot read standard"), std::string::npos) << run.err;
    std::ofstream(dir / "plain.tsv") << "just\ttext\n";
    ASSERT_EQ(tq("import " + quote((dir / "plain.tsv").string()) + " " +
                 quote((dir / "plain.kms").string())).status, 0);
    run = tq("eval " + quote((dir / "plain.kms").string()));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("malformed"), std::string::npos) << run.err;

    // Usage errors.
    EXPECT_EQ(tq("eval").status, 2);
    EXPECT_EQ(tq("eval --mapping X EndPlate").status, 2);
    EXPECT_EQ(tq("frobnicate").status, 2);
}

TEST_F(TqProgram, ImportAndShowRoundTrip) {
    std::ofstream(dir / "grid.tsv") << "2\t3\t=A1*B1\nlabel\t\t=C1+1\n";
    const std::string kms = quote((dir / "grid.kms").string());
    ASSERT_EQ(tq("import " + quote((dir / "grid.tsv").string()) + " " + kms).status, 0);
    const TqRun run = tq("show " + kms);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2\t3\t6\nlabel\t\t7\n");

    std::ofstream(dir / "bad.tsv") << "=1+\n";
    const TqRun bad = tq("import " + quote((dir / "bad.tsv").string()) + " " +
                       quote((dir / "bad.kms").string()));
    EXPECT_EQ(bad.status, 2);
    EXPECT_FALSE(fs::exists(dir / "bad.kms"));

    // A grid whose sheet file could not be loaded again is refused: at the control's file
    // size limit it is imported, one byte past it not (nothing is written).
    const std::uintmax_t limit = 16u * 1024 * 1024;
    std::string big;
    const std::string line = std::string(999, 'a') + "\n";
    while (big.size() + line.size() <= limit) big += line;
    big += std::string(limit - big.size() - 1, 'b') + "\n";
    writeAll(dir / "big.tsv", big);
    const std::string bigKms = quote((dir / "big.kms").string());
    EXPECT_EQ(tq("import " + quote((dir / "big.tsv").string()) + " " + bigKms).status, 0);
    writeAll(dir / "big.tsv", big + "\n");
    fs::remove(dir / "big.kms");
    const TqRun tooBig = tq("import " + quote((dir / "big.tsv").string()) + " " + bigKms);
    EXPECT_EQ(tooBig.status, 2);
    EXPECT_NE(tooBig.err.find("big.tsv is larger than 16777216 bytes"), std::string::npos) << tooBig.err;
    EXPECT_FALSE(fs::exists(dir / "big.kms"));
}

TEST_F(TqProgram, HelpTexts) {
    TqRun run = tq("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("usage: tq"), std::string::npos);
    run = tq("eval --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--macro MACROFILE"), std::string::npos);
}

}  // namespace
