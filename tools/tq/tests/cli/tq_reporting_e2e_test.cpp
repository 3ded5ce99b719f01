// What tq reports, end to end through the built program: labels and duplicates in a
// standard, every output with its value, exit statuses, files named as the user's system
// writes them, grids that are no text, and the macro file kept as the user wrote it.
#include <chrono>

#include "tq_program.h"

namespace {

using namespace tqtest;

// A standard whose calculation area starts with a label (a heading without "="). A block
// reaches into the row after the next keyword, so that row stays empty.
const char* const kLabelled =
    "Input\n"
    "Double A\n"
    "Output\n"
    "\n"
    "Double B\n"
    "String C\n"
    "Local\n"
    "\n"
    "Double T\n"
    "Calc\n"
    "\n"
    "Results of the plate\n"
    "T = A*2\n"
    "B = T+1\n"
    "C = \"done\"\n";

class TqReporting : public TqProgram {
protected:
    // Imports a grid (one cell a line) as a standard; returns its quoted path.
    std::string standard(const std::string& name, const std::string& grid) {
        writeAll(dir / (name + ".tsv"), grid);
        const fs::path kms = dir / (name + ".kms");
        const TqRun run = tq("import " + quote(dir / (name + ".tsv")) + " " + quote(kms));
        EXPECT_EQ(run.status, 0) << run.err;
        return quote(kms);
    }
};

TEST_F(TqReporting, ALabelInTheCalculationAreaIsNoFailure) {
    const std::string kms = standard("labelled", kLabelled);
    TqRun run = tq("eval " + kms + " A=4");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "B=9\nC=done\n");
    // No box without diagnostics, a note that the engine reported something.
    EXPECT_EQ(run.err, "tq: note: the engine reported 1 failed equation or warning (--diagnostics shows it)\n");

    // With diagnostics the engine's failed-equation box is shown; the run still succeeds.
    run = tq("eval --diagnostics " + kms + " A=4");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "B=9\nC=done\n");
    EXPECT_NE(run.err.find("[tq] The following equation failed:\nResults of the plate\nSpreadsheet : "),
              std::string::npos)
        << run.err;

    // --strict fails on the box, naming it; the outputs are printed all the same.
    run = tq("eval --diagnostics --strict " + kms + " A=4");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "B=9\nC=done\n");
    EXPECT_NE(run.err.find("failed: a message was shown (--strict): The following equation failed: Results of the plate"),
              std::string::npos)
        << run.err;
    // Without diagnostics no box is shown, so --strict has nothing to fail on.
    EXPECT_EQ(tq("eval --strict " + kms + " A=4").status, 0);

    // JSON: outputs, the box marked as diagnostic, and the status.
    run = tq("eval --json --diagnostics " + kms + " A=4");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("{\"ok\":true,\"status\":0,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"outputs\":{\"B\":\"9\",\"C\":\"done\"}"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"caption\":\"tq\",\"text\":\"The following equation failed:\\nResults of the plate"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"diagnostic\":true}"), std::string::npos) << run.out;
}

TEST_F(TqReporting, DuplicateNamesAreAlwaysShownAndIgnored) {
    // T is declared as an input and again as a local: the later one is dropped.
    const std::string kms = standard("duplicates",
                                     "Input\nDouble T\nOutput\n\nDouble B\nLocal\n\nDouble T\nCalc\n\nB = T*10\n");
    TqRun run = tq("eval " + kms + " T=3");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "B=30\n");
    EXPECT_NE(run.err.find("[Variable names must be unique] There were duplicate variable names found in the "
                           "standards file "),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("Duplicate variable names:\n\nT"), std::string::npos) << run.err;

    run = tq("eval --json " + kms + " T=3");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\"caption\":\"Variable names must be unique\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"diagnostic\":false}"), std::string::npos) << run.out;
    EXPECT_EQ(tq("eval --strict " + kms + " T=3").status, 1);
}

TEST_F(TqReporting, EveryOutputIsPrintedAndAnEmptyOneFailsTheRun) {
    // C is never calculated; D is an error value.
    const std::string kms = standard("partial",
                                     "Input\nDouble A\nOutput\n\nDouble B\nString C\nDouble D\nCalc\n\nB = A+1\nD = 1/0\n");
    TqRun run = tq("eval " + kms + " A=1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "B=2\nC=\nD=#DIV/0!\n");
    EXPECT_NE(run.err.find("failed: C has no value; D is #DIV/0! (--diagnostics shows the engine's messages)"),
              std::string::npos)
        << run.err;
    // Files are named as the user's system writes them, not in the module's Windows form.
    EXPECT_NE(run.err.find("tq: the evaluation of " + (dir / "partial.kms").string() + " failed"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("Z:\\"), std::string::npos) << run.err;

    run = tq("eval --json " + kms + " A=1");
    EXPECT_NE(run.out.find("{\"ok\":false,\"status\":1,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"standard\":" + std::string("\"") + (dir / "partial.kms").string() + "\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"outputs\":{\"B\":\"2\",\"C\":\"\",\"D\":\"#DIV/0!\"}"), std::string::npos) << run.out;

    // A failure of the engine itself still lists the outputs, empty.
    run = tq("eval " + kms + " A=thick");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "B=\nC=\nD=\n");
    EXPECT_NE(run.err.find("A is declared Double and takes a number, not \"thick\""), std::string::npos) << run.err;
}

TEST_F(TqReporting, FoldersAndBinaryFilesAreCalledWhatTheyAre) {
    fs::create_directories(dir / "folder.kms");
    TqRun run = tq("show " + quote(dir / "folder.kms"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("is a folder, not a file"), std::string::npos) << run.err;
    // tq show of a file that is no text: refused, not shown as a sheet of garbage.
    writeAll(dir / "binary.kms", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 11));
    run = tq("show " + quote(dir / "binary.kms"));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot show " + (dir / "binary.kms").string() + ": a control byte 0x02 at offset 4"),
              std::string::npos)
        << run.err;
    run = tq("import " + quote(dir / "folder.kms") + " " + quote(dir / "x.kms"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("grid " + (dir / "folder.kms").string() + " is a folder, not a file"), std::string::npos)
        << run.err;
    run = tq("import " + quote(dir / "none.tsv") + " " + quote(dir / "x.kms"));
    EXPECT_NE(run.err.find("none.tsv: no such file"), std::string::npos) << run.err;

    // A binary file and text in no encoding tq reads are refused; nothing is written.
    writeAll(dir / "binary.tsv", std::string("1\t2\n\x7f" "ELF\0\0\x01", 10));
    run = tq("import " + quote(dir / "binary.tsv") + " " + quote(dir / "x.kms"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("a NUL byte at offset 8: a binary file, not a grid"), std::string::npos) << run.err;
    writeAll(dir / "latin1.tsv", "Gr\xf6\xdf" "e\t1\n");
    run = tq("import " + quote(dir / "latin1.tsv") + " " + quote(dir / "x.kms"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 1: byte 0xF6 is no UTF-8"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "x.kms"));

    // UTF-16 with its byte-order mark (a desktop spreadsheet's "Unicode text") is read.
    std::string utf16 = "\xff\xfe";
    for (const char* p = "Gr"; *p; ++p) utf16 += std::string{*p, '\0'};
    utf16 += std::string("\xf6\0\xdf\0", 4);
    for (const char* p = "e\t=2*3\n"; *p; ++p) utf16 += std::string{*p, '\0'};
    writeAll(dir / "unicode.tsv", utf16);
    ASSERT_EQ(tq("import " + quote(dir / "unicode.tsv") + " " + quote(dir / "u.kms")).status, 0);
    EXPECT_EQ(tq("show " + quote(dir / "u.kms")).out, "Gr\xc3\xb6\xc3\x9f" "e\t6\n");
}

// The example macro as a user might keep it: comments, CR LF line ends, a byte-order
// mark, their own spacing and number spelling.
std::string handWrittenMacro() {
    return "\xEF\xBB\xBF# End plate for column C12 (checked by R.)\r\n"
           "Macro version 1.0\r\n"
           "\r\n"
           "macro EndPlate\r\n"
           "caption \"Column end plate\"\r\n"
           "genvar gen_Gap 10.0\r\n"
           "baseprofile section=HEA-HEA200 material=S235\r\n"
           "# the plate\r\n"
           "module Plate class=233 group=Plate\r\n"
           "\tvar Thickness 10.00   dialog=1 editable=1\r\n"
           "\tvar Width   200 dialog=1 editable=1\r\n"
           "\tvar Length  200 dialog=1 editable=1\r\n"
           "\tplacement Pl1 group=EndPlate section=PL-PL10 material=S235 member=EndPlate\r\n"
           "module Bolts class=232 group=Bolts\r\n"
           "    var Gauge 100\r\n"
           "    var EdgeDistance 30 dialog=1 editable=1\r\n"
           "    pattern P1 class=282 bolts1=2 bolts2=2\r\n"
           "tab Plate kind=0 template=EndPlate\r\n"
           "  cell Thickness value=10 caption=Thickness\r\n"
           "tab Bolts kind=1 template=EndPlateBolts\r\n"
           "  bolts diameter=20 holeoffset=2 assembly=M20\r\n"
           "# end of file\r\n";
}

TEST_F(TqReporting, TheMacroFileKeepsEverythingButTheChangedValues) {
    const fs::path macro = dir / "EndPlate.macro";
    const std::string written = handWrittenMacro();
    writeAll(macro, written);
    std::string expected = written;
    auto replace = [&expected](const std::string& from, const std::string& to) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace("var Width   200 dialog", "var Width   260 dialog");
    replace("var Length  200 dialog", "var Length  250 dialog");
    replace("var Gauge 100\r\n", "var Gauge 110\r\n");
    replace("var EdgeDistance 30 dialog", "var EdgeDistance 25 dialog");
    replace("diameter=20", "diameter=16");

    // --out writes the same to another file and leaves the macro alone.
    const fs::path out = dir / "out.macro";
    TqRun run = tq("eval --macro " + quote(macro) + " --out " + quote(out) + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Width=260\nLength=250\nBoltDiameter=16\nGauge=110\nEdgeDistance=25\n");
    EXPECT_EQ(readAll(out), expected);
    EXPECT_EQ(readAll(macro), written);

    // In place; a second run changes nothing, and the unchanged file is not rewritten.
    run = tq("eval --macro " + quote(macro) + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readAll(macro), expected);
    const auto stamp = fs::last_write_time(macro);
    fs::last_write_time(macro, stamp - std::chrono::hours(1));
    run = tq("eval --macro " + quote(macro) + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(fs::last_write_time(macro), stamp - std::chrono::hours(1));
    EXPECT_EQ(readAll(macro), expected);

    // --macro-dir keeps the files as written too.
    fs::create_directories(dir / "many");
    writeAll(dir / "many" / "a.macro", written);
    run = tq("eval --macro-dir " + quote(dir / "many") + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readAll(dir / "many" / "a.macro"), expected);
}

TEST_F(TqReporting, AMacroValueThatDoesNotFitItsDeclarationIsNamed) {
    const fs::path macro = dir / "EndPlate.macro";
    std::string written = handWrittenMacro();
    written.replace(written.find("diameter=20"), 11, "diameter=M20x");
    writeAll(macro, written);
    const TqRun run = tq("eval --macro " + quote(macro) + " EndPlate");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("BoltDiameter is declared Double and takes a number, not \"M20x\"; the macro file is not "
                           "changed"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "Width=\nLength=\nBoltDiameter=\nGauge=\nEdgeDistance=\n");
    EXPECT_EQ(readAll(macro), written);
}

TEST_F(TqReporting, HelpSaysHowRunsAreJudged) {
    const TqRun run = tq("eval --help");
    EXPECT_EQ(run.status, 0);
    for (const char* text : {"--strict", "docs/MACRO_FILE.md", "docs/MAPPING_FILE.md", "an empty value included",
                             "0  the engine finished and every output has a value"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    EXPECT_NE(tq("import --help").out.find("UTF-16"), std::string::npos);
}

}  // namespace
