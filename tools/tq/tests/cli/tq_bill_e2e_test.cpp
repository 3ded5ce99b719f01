// tq bill and tq show --settings, run as a user would.
#include <sys/stat.h>

#include "tq_program.h"

namespace {

using namespace tqtest;

// A bill of `rows` rows with a sub-total after every 50.
std::string billRows(int rows) {
    std::string text = "Pos\tName\tLength\tWeight\n";
    double sum = 0;
    for (int i = 1; i <= rows; ++i) {
        text += std::to_string(i) + "\tPlate " + std::to_string(i) + "\t" + std::to_string(100 + i) + "\t2.5\n";
        sum += 2.5;
        if (i % 50 == 0) text += "#subtotal\t\tSum\t\t" + std::to_string(static_cast<int>(sum)) + "\n";
    }
    return text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

TEST_F(TqProgram, BillOf250RowsWithSubTotalsIsSavedAndShown) {
    writeAll(dir / "rows.tsv", billRows(250));
    const fs::path out = dir / "Hall 3\xC2\xBF" "Plates.kms";
    TqRun run = tq("bill --kinds 1,3,1,2 " + quote(dir / "rows.tsv") + " " + quote(out));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(fs::exists(out));

    run = tq("show --headers " + quote(out));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> shown = lines(run.out);
    // The header, 250 rows and 5 sub-totals.
    ASSERT_EQ(shown.size(), 256u);
    EXPECT_EQ(shown[0], "Pos\tName\tLength\tWeight");
    EXPECT_EQ(shown[1], "1\tPlate 1\t101\t2.5");
    EXPECT_EQ(shown[51], "\tSum\t\t125");
    EXPECT_EQ(shown[255], "\tSum\t\t625");
    EXPECT_EQ(shown[254], "250\tPlate 250\t350\t2.5");

    run = tq("show --settings " + quote(out));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("defaultFont=Tahoma\ndefaultTextHeight=13\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("cellSeperators=1\n"), std::string::npos);
    EXPECT_NE(run.out.find("varNames0=Date\nvarNames1=Title\nvarNames2=BillFilename\n"), std::string::npos);
    EXPECT_NE(run.out.find("varValues1=Plates\n"), std::string::npos) << run.out;
}

TEST_F(TqProgram, BillSettingsFromTheLibraryCarryTheirHeaderAndFooterAlong) {
    writeAll(dir / "rows.tsv", "Pos\tName\n1\tBeam\n");
    const fs::path out = dir / "bill.kms";
    TqRun run = tq("bill --settings Bill " + quote(dir / "rows.tsv") + " " + quote(out));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(dir / "BillHeader.txt"));
    EXPECT_TRUE(fs::exists(dir / "BillFooter.txt"));
    run = tq("show --settings " + quote(out));
    EXPECT_NE(run.out.find("defaultFont=Arial\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("headerFile=BillHeader.txt\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("rowHeader=0\n"), std::string::npos) << run.out;
}

TEST_F(TqProgram, ABillThatCannotBeSavedExitsOneAndLeavesNoFile) {
    writeAll(dir / "rows.tsv", billRows(3));
    const fs::path locked = dir / "locked";
    fs::create_directories(locked);
    ::chmod(locked.c_str(), 0555);
    // Someone who may write anyway (the superuser) gets a folder that is a file instead.
    const bool writable = ::access(locked.c_str(), W_OK) == 0;
    fs::path out = locked / "bill.kms";
    if (writable) {
        writeAll(dir / "plain", "x");
        out = dir / "plain" / "bill.kms";
    }
    const TqRun run = tq("bill " + quote(dir / "rows.tsv") + " " + quote(out));
    ::chmod(locked.c_str(), 0755);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("could not be saved"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_TRUE(fs::is_empty(locked));
}

TEST_F(TqProgram, BillUsageErrors) {
    EXPECT_EQ(tq("bill only-one.tsv").status, 2);
    writeAll(dir / "empty.tsv", "");
    TqRun run = tq("bill " + quote(dir / "empty.tsv") + " " + quote(dir / "x.kms"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("header"), std::string::npos) << run.err;
    run = tq("bill --kinds 1,x " + quote(dir / "empty.tsv") + " " + quote(dir / "x.kms"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--kinds"), std::string::npos) << run.err;
    EXPECT_EQ(tq("show --settings=1 x.kms").status, 2);
    EXPECT_EQ(tq("eval --settings A EndPlate").status, 2);
    EXPECT_FALSE(fs::exists(dir / "x.kms"));
    EXPECT_NE(tq("--help").out.find("bill ROWS.tsv OUT.kms"), std::string::npos);
    EXPECT_NE(tq("bill --help").out.find("#subtotal"), std::string::npos);
}

}  // namespace
