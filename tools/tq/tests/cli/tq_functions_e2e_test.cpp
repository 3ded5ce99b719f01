// The spreadsheet functions as a standards author meets them: a grid imported with
// `tq import`, shown with `tq show`, and a standard evaluated with `tq eval`.
#include "tq_program.h"

namespace {

using namespace tqtest;

class TqFunctions : public TqProgram {
protected:
    // Imports a tab-separated grid and returns what `tq show` prints of it.
    TqRun importAndShow(const std::string& grid) {
        writeAll(dir / "grid.tsv", grid);
        const std::string kms = quote((dir / "grid.kms").string());
        const TqRun imported = tq("import " + quote((dir / "grid.tsv").string()) + " " + kms);
        if (imported.status != 0) return imported;
        return tq("show " + kms);
    }
};

TEST_F(TqFunctions, LogicalsShowAsTrueAndFalse) {
    const TqRun run = importAndShow("5\t=A1>3\t=A1=5\t=TRUE=1\t=B1+1\t=AND(A1:B1)\t=OR(A1<0,FALSE)\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "5\tTRUE\tTRUE\tFALSE\t2\tTRUE\tFALSE\n");
}

TEST_F(TqFunctions, CriteriaAndStatisticsOverAGrid) {
    const TqRun run = importAndShow(
        "HEA200\t10\n"
        "HEA240\t30\n"
        "HEB200\t25\n"
        "IPE300\t\n"
        "=SUMIF(A1:A4,\"HEA*\",B1:B4)\t=COUNTIF(B1:B4,\">20\")\t=AVERAGEIFS(B1:B4,A1:A4,\"<>IPE*\")\t=COUNTBLANK(B1:B4)\n"
        "=SUMPRODUCT(B1:B3,B1:B3)\t=MEDIAN(B1:B4)\t=LARGE(B1:B4,2)\t=ROUND(STDEVP(B1:B3),6)\n"
        "=COUNTIFS(A1:A4,\"HE?2*\",B1:B4,\"<=25\")\t=SUBTOTAL(9,B1:B4)\t=ROUND(VAR(B1:B3),4)\t=MROUND(B2,4)\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "HEA200\t10\nHEA240\t30\nHEB200\t25\nIPE300\n"
              "40\t2\t21.6666666666667\t1\n"
              "1625\t25\t25\t8.498366\n"
              "2\t65\t108.3333\t32\n");
}

TEST_F(TqFunctions, DatesAndTimesAsSerialNumbers) {
    const TqRun run = importAndShow(
        "=DATE(2024,3,15)\t=TEXT(A1,\"dd.mm.yyyy\")\t=WEEKDAY(A1,2)\t=EOMONTH(A1,0)\t=DATEDIF(DATE(2020,5,20),A1,\"Y\")\n"
        "=DATE(1900,2,29)\t=TEXT(A2,\"yyyy-mm-dd\")\t=TEXT(TIME(18,30,0),\"h:mm AM/PM\")\t=EDATE(A1,1)\t=YEAR(TODAY())>=2024\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "45366\t15.03.2024\t5\t45382\t3\n"
              "60\t1900-02-29\t6:30 PM\t45397\tTRUE\n");
}

TEST_F(TqFunctions, ReferencesMadeFromTexts) {
    const TqRun run = importAndShow(
        "10\t20\t30\tB1\n"
        "=INDIRECT(D1)\t=SUM(OFFSET(A1,0,1,1,2))\t=ADDRESS(1,3)\t=INDIRECT(C2)+1\n"
        "=LOOKUP(25,A1:C1)\t=IFS(A1>10,\"big\",TRUE,\"small\")\t=SWITCH(B1,10,\"a\",20,\"b\")\t=ISLOGICAL(A1>1)\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "10\t20\t30\tB1\n"
              "20\t50\t$C$1\t31\n"
              "20\tsmall\tb\tTRUE\n");
}

TEST_F(TqFunctions, ErrorsOfTheNewFunctionsShowAsErrorValues) {
    const TqRun run = importAndShow("\t=SMALL(A1,1)\t=DATE(10000,1,1)\t=INDIRECT(\"nowhere\")\t=IFS(FALSE,1)\t=FACT(-1)\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\t#NUM!\t#NUM!\t#REF!\t#N/A\t#NUM!\n");
}

// A standard computing numbers from comparisons: numeric outputs keep getting 1 and 0, a
// text output shows the logical.
TEST_F(TqFunctions, StandardOutputsFromComparisonsAndNewFunctions) {
    writeAll(dir / "std.tsv",
             "Plate check\n"
             "Input\n"
             "Double Thickness\tplate thickness (mm)\n"
             "\n"
             "Output\n"
             "\n"
             "Int Heavy\t1 when the plate is thick\n"
             "Double Rounded\tthickness to 5 mm\n"
             "String Verdict\ttext of the check\n"
             "\n"
             "Calc\n"
             "Heavy = Thickness>=20\n"
             "Rounded = MROUND(Thickness,5)\n"
             "Verdict = IFS(Thickness<10,\"thin\",Thickness<20,\"medium\",TRUE,\"thick\")&\" \"&(Thickness>=20)\n");
    const std::string kms = quote((dir / "std.kms").string());
    ASSERT_EQ(tq("import " + quote((dir / "std.tsv").string()) + " " + kms).status, 0);
    TqRun run = tq("eval " + kms + " Thickness=22");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Heavy=1\nRounded=20\nVerdict=thick TRUE\n");
    run = tq("eval " + kms + " Thickness=12");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Heavy=0\nRounded=10\nVerdict=medium FALSE\n");
}

}  // namespace
